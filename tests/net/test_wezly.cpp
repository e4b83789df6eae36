// Listy wezlow i seedow: format wiersza, pliki, uzupelnianie, usuwanie, wspolbieznosc.

#include <gtest/gtest.h>

#include <set>
#include <thread>

#include "pomoc_testow.h"
#include "wezly.h"

TEST(WierszWezla, ZapisIOdczytWRoznychPostaciach)
{
    const std::string klucz(64, 'a');
    const std::vector<Wezel> wezly = {
        {"192.168.1.20", 1700, klucz, ""},
        {"10.0.0.1", 1701, "", ""},
        {"10.0.0.2", -5, "", "Jan Maria Kowalski"},
        {"10.0.0.3", 0, klucz, "Ala  ma\tkota"},
    };
    EXPECT_EQ(wezlyDoTekstu(wezly), "192.168.1.20 1700 " + klucz + " -\n10.0.0.1 1701 - -\n"
                                        "10.0.0.2 -5 - Jan Maria Kowalski\n10.0.0.3 0 " + klucz
                                        + " Ala  ma\tkota\n");
    EXPECT_EQ(wezlyZTekstu(wezlyDoTekstu(wezly)), wezly);
    EXPECT_EQ(wezlyDoTekstu({}), "");
}

TEST(WierszWezla, CzytanieWierszy)
{
    const std::pair<const char*, Wezel> dobre[] = {
        {"  \t10.0.0.1   1700  k  Jan Kowalski \t\r", {"10.0.0.1", 1700, "k", "Jan Kowalski"}},
        {"10.0.0.1 1700", {"10.0.0.1", 1700, "", ""}},
        {"host +17 - -", {"host", 17, "", ""}},
        // Jak strumien: liczba konczy sie na pierwszej nie-cyfrze, reszta to klucz.
        {"10.0.0.1 1700abc Ala", {"10.0.0.1", 1700, "abc", "Ala"}},
        {"10.0.0.1 -2147483648 k -", {"10.0.0.1", -2147483647 - 1, "k", ""}},
    };
    for (const auto& [wiersz, oczekiwany] : dobre) {
        Wezel w;
        ASSERT_TRUE(parsujWierszWezla(wiersz, w)) << wiersz;
        EXPECT_EQ(w, oczekiwany) << wiersz;
    }
    for (const char* zly : {"10.0.0.1", "10.0.0.1 abc k n", "10.0.0.1 2147483648 k n",
                            "10.0.0.1 -2147483649", "10.0.0.1 - k", "", "   \r"}) {
        Wezel w;
        EXPECT_FALSE(parsujWierszWezla(zly, w)) << zly;
    }
    // Przycinane sa tylko biale znaki ASCII z brzegow.
    EXPECT_EQ(przytnij(" \t\r\n a b \n\r\t "), "a b");
    EXPECT_EQ(przytnij(" \t\r\n"), "");
    EXPECT_EQ(przytnij("\va\v"), "\va\v");
}

TEST(WierszWezla, TekstZCrLfIZlymiWierszami)
{
    EXPECT_EQ(wezlyZTekstu("10.0.0.1 1700 - -\r\nzly\r\n10.0.0.2 xx - -\r\n\r\n"
                           "10.0.0.3 1702 k Jan Kowalski\r\n10.0.0.4 1703 - Ostatni bez konca"),
              (std::vector<Wezel>{{"10.0.0.1", 1700, "", ""},
                                  {"10.0.0.3", 1702, "k", "Jan Kowalski"},
                                  {"10.0.0.4", 1703, "", "Ostatni bez konca"}}));
}

class PlikWezlow : public testing::Test {
protected:
    const std::string K1 = std::string(64, '1');
    const std::string K2 = std::string(64, '2');
    const std::string K3 = std::string(64, '3');
    FolderTymczasowy folder;
    std::string plik = folder.plik("wezly.dat");
};

TEST_F(PlikWezlow, DodanieTworzyPlikIDopisujeJedenWiersz)
{
    EXPECT_TRUE(wczytajWezly(plik).empty());
    dodajLubUzupelnijWezel(plik, "10.0.0.1", 1700, "", "");
    EXPECT_EQ(czytajPlikTestu(plik), "10.0.0.1 1700 - -\n");
    // Reszta pliku zostaje nietknieta.
    const std::string przed = "# reczny komentarz\n10.0.0.1 1700 -   -\n";
    zapiszPlikTestu(plik, przed);
    dodajLubUzupelnijWezel(plik, "10.0.0.2", 1701, K1, "Ola");
    EXPECT_EQ(czytajPlikTestu(plik), przed + "10.0.0.2 1701 " + K1 + " Ola\n");
    // Ostatni wiersz bez konca wiersza dostaje go przed nowym wpisem.
    zapiszPlikTestu(plik, "10.0.0.1 1700 - Ala");
    dodajLubUzupelnijWezel(plik, "10.0.0.2", 1701, "", "");
    EXPECT_EQ(czytajPlikTestu(plik), "10.0.0.1 1700 - Ala\n10.0.0.2 1701 - -\n");
}

TEST_F(PlikWezlow, UzupelnianieTylkoPustychPol)
{
    zapiszPlikTestu(plik, "10.0.0.1 1700 - -\nzly wiersz\n10.0.0.1 1700 - -\n10.0.0.2 1701 " + K2 + " -\n");
    dodajLubUzupelnijWezel(plik, "10.0.0.1", 1700, "", "Jan Kowalski");
    // Przepisanie calego pliku: zly wiersz znika, duplikat zostaje, uzupelniony tylko pierwszy.
    EXPECT_EQ(czytajPlikTestu(plik),
              "10.0.0.1 1700 - Jan Kowalski\n10.0.0.1 1700 - -\n10.0.0.2 1701 " + K2 + " -\n");
    dodajLubUzupelnijWezel(plik, "10.0.0.1", 1700, K1, "Inna Nazwa");
    dodajLubUzupelnijWezel(plik, "10.0.0.2", 1701, K3, "Ola");
    const std::string uzupelniony = "10.0.0.1 1700 " + K1 + " Jan Kowalski\n10.0.0.1 1700 - -\n10.0.0.2 1701 " + K2 + " Ola\n";
    EXPECT_EQ(czytajPlikTestu(plik), uzupelniony);
    dodajLubUzupelnijWezel(plik, "10.0.0.1", 1700, K3, "Ktos");
    EXPECT_EQ(czytajPlikTestu(plik), uzupelniony);
}

TEST_F(PlikWezlow, UsuwanieWezlaISiebie)
{
    zapiszPlikTestu(plik, "10.0.0.1 1700 - -\n10.0.0.2 1700 - -\n10.0.0.1 1700 k Ala\n");
    usunWezel(plik, "10.0.0.1", 1700);
    EXPECT_EQ(czytajPlikTestu(plik), "10.0.0.2 1700 - -\n");
    // Nic do usuniecia: plik nie jest przepisywany (zly wiersz zostaje).
    zapiszPlikTestu(plik, "zly\n10.0.0.2 1700 - -\n");
    usunWezel(plik, "10.0.0.9", 1700);
    EXPECT_EQ(czytajPlikTestu(plik), "zly\n10.0.0.2 1700 - -\n");
    // Usuwanie siebie liczy usuniete wpisy.
    zapiszPlikTestu(plik, "127.0.0.1 1700 - -\nlocalhost 1700 - Ja\n127.0.0.1 1701 - -\n"
                          "127.0.0.1 1700 - znowu\n");
    EXPECT_EQ(usunSiebieZListy(plik, 1700), 3);
    EXPECT_EQ(czytajPlikTestu(plik), "127.0.0.1 1701 - -\n");
    EXPECT_EQ(usunSiebieZListy(plik, 1700), 0);
    EXPECT_EQ(usunSiebieZListy(plik, -1), 0);
    EXPECT_EQ(czytajPlikTestu(plik), "127.0.0.1 1701 - -\n");
}

TEST_F(PlikWezlow, ZapiszWezlyNadpisujeCalosc)
{
    zapiszPlikTestu(plik, "stare\n");
    zapiszWezly(plik, {{"10.0.0.1", 1, "", "A B"}});
    EXPECT_EQ(czytajPlikTestu(plik), "10.0.0.1 1 - A B\n");
    zapiszWezly(plik, {});
    EXPECT_EQ(czytajPlikTestu(plik), "");
    // Pliku, ktorego nie da sie zapisac, po prostu nie ma.
    zapiszWezly(folder.plik("brak/wezly.dat"), {{"10.0.0.1", 1, "", ""}});
    EXPECT_EQ(folder.liczbaWpisow(), 1u);
}

TEST_F(PlikWezlow, OsiemWatkowDodajeRownoczesnieBezStrat)
{
    constexpr int WATKI = 8;
    constexpr int NA_WATEK = 100;
    std::vector<std::thread> watki;
    for (int w = 0; w < WATKI; ++w) {
        watki.emplace_back([this, w] {
            const std::string siec = "10.0." + std::to_string(w) + ".";
            for (int i = 0; i < NA_WATEK; ++i) {
                dodajLubUzupelnijWezel(plik, siec + std::to_string(i), 1700 + i, "",
                                       "watek " + std::to_string(w));
                // Rownolegle uzupelnienia przepisuja plik w calosci.
                if (i % 10 == 0)
                    dodajLubUzupelnijWezel(plik, siec + "0", 1700, std::string(63, 'a') + std::to_string(i / 10), "");
            }
        });
    }
    for (std::thread& t : watki)
        t.join();
    const std::vector<Wezel> wezly = wczytajWezly(plik);
    EXPECT_EQ(wezly.size(), static_cast<std::size_t>(WATKI * NA_WATEK));
    std::set<std::string> rozne;
    for (const Wezel& w : wezly)
        rozne.insert(w.ip + ":" + std::to_string(w.port));
    EXPECT_EQ(rozne.size(), static_cast<std::size_t>(WATKI * NA_WATEK));
}

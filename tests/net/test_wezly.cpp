// Listy wezlow i seedow: format wiersza, pliki, uzupelnianie, usuwanie, wspolbieznosc.

#include <gtest/gtest.h>

#include <set>
#include <thread>

#include "pomoc_testow.h"
#include "wezly.h"

namespace {

const std::string KLUCZ(64, 'a');

} // namespace

TEST(WierszWezla, ZapisIOdczytWRoznychPostaciach)
{
    const std::vector<Wezel> wezly = {
        {"192.168.1.20", 1700, KLUCZ, ""},
        {"10.0.0.1", 1701, "", ""},
        {"10.0.0.2", -5, "", "Jan Maria Kowalski"},
        {"10.0.0.3", 0, KLUCZ, "Ala  ma\tkota"},
    };
    EXPECT_EQ(wierszWezla(wezly[0]), "192.168.1.20 1700 " + KLUCZ + " -");
    EXPECT_EQ(wierszWezla(wezly[1]), "10.0.0.1 1701 - -");
    const std::string tekst = wezlyDoTekstu(wezly);
    EXPECT_EQ(tekst.back(), '\n');
    EXPECT_EQ(wezlyZTekstu(tekst), wezly);
    EXPECT_EQ(wezlyDoTekstu({}), "");
}

TEST(WierszWezla, CzytanieWierszy)
{
    Wezel w;
    ASSERT_TRUE(parsujWierszWezla("  \t10.0.0.1   1700  k  Jan Kowalski \t\r", w));
    EXPECT_EQ(w, (Wezel{"10.0.0.1", 1700, "k", "Jan Kowalski"}));
    ASSERT_TRUE(parsujWierszWezla("10.0.0.1 1700", w));
    EXPECT_EQ(w, (Wezel{"10.0.0.1", 1700, "", ""}));
    ASSERT_TRUE(parsujWierszWezla("host +17 - -", w));
    EXPECT_EQ(w, (Wezel{"host", 17, "", ""}));
    // Jak strumien: liczba konczy sie na pierwszej nie-cyfrze, reszta to klucz.
    ASSERT_TRUE(parsujWierszWezla("10.0.0.1 1700abc Ala", w));
    EXPECT_EQ(w, (Wezel{"10.0.0.1", 1700, "abc", "Ala"}));
    ASSERT_TRUE(parsujWierszWezla("10.0.0.1 -2147483648 k -", w));
    EXPECT_EQ(w.port, -2147483648LL);
    EXPECT_EQ(w.nazwa, "");

    for (const char* zly : {"10.0.0.1", "10.0.0.1 abc k n", "10.0.0.1 2147483648 k n",
                            "10.0.0.1 -2147483649", "10.0.0.1 - k", "", "   \r"}) {
        EXPECT_FALSE(parsujWierszWezla(zly, w)) << zly;
    }
}

TEST(WierszWezla, PrzytnijTylkoBialeZnakiZBrzegow)
{
    EXPECT_EQ(przytnij(" \t\r\n a b \n\r\t "), "a b");
    EXPECT_EQ(przytnij(" \t\r\n"), "");
    EXPECT_EQ(przytnij("\va\v"), "\va\v");
}

TEST(WierszWezla, TekstZCrLfIZlymiWierszami)
{
    const std::string tekst = "10.0.0.1 1700 - -\r\n"
                              "zly\r\n"
                              "10.0.0.2 xx - -\r\n"
                              "\r\n"
                              "10.0.0.3 1702 k Jan Kowalski\r\n"
                              "10.0.0.4 1703 - Ostatni bez konca";
    const std::vector<Wezel> oczekiwane = {
        {"10.0.0.1", 1700, "", ""},
        {"10.0.0.3", 1702, "k", "Jan Kowalski"},
        {"10.0.0.4", 1703, "", "Ostatni bez konca"},
    };
    EXPECT_EQ(wezlyZTekstu(tekst), oczekiwane);
}

class PlikWezlow : public testing::Test {
protected:
    FolderTymczasowy folder;
    std::string plik = folder.plik("wezly.dat");
};

TEST_F(PlikWezlow, BrakPlikuToPustaListaAPierwszeDodanieGoTworzy)
{
    EXPECT_TRUE(wczytajWezly(plik).empty());
    dodajLubUzupelnijWezel(plik, "10.0.0.1", 1700, "", "");
    EXPECT_EQ(czytajPlikTestu(plik), "10.0.0.1 1700 - -\n");
}

TEST_F(PlikWezlow, DodanieNowegoDopisujeJedenWierszResztaNietknieta)
{
    const std::string przed = "# reczny komentarz\n10.0.0.1 1700 -   -\n";
    zapiszPlikTestu(plik, przed);
    dodajLubUzupelnijWezel(plik, "10.0.0.2", 1701, "k", "Ola");
    EXPECT_EQ(czytajPlikTestu(plik), przed + "10.0.0.2 1701 k Ola\n");
}

TEST_F(PlikWezlow, DopisanieDoPlikuBezKoncaOstatniegoWiersza)
{
    zapiszPlikTestu(plik, "10.0.0.1 1700 - Ala");
    dodajLubUzupelnijWezel(plik, "10.0.0.2", 1701, "", "");
    EXPECT_EQ(czytajPlikTestu(plik), "10.0.0.1 1700 - Ala\n10.0.0.2 1701 - -\n");
    EXPECT_EQ(wczytajWezly(plik).size(), 2u);
}

TEST_F(PlikWezlow, UzupelnianieTylkoPustychPol)
{
    zapiszPlikTestu(plik, "10.0.0.1 1700 - -\nzly wiersz\n10.0.0.1 1700 - -\n10.0.0.2 1701 k2 -\n");
    dodajLubUzupelnijWezel(plik, "10.0.0.1", 1700, "", "Jan Kowalski");
    // Przepisanie calego pliku: zly wiersz znika, duplikat zostaje, uzupelniony tylko pierwszy.
    EXPECT_EQ(czytajPlikTestu(plik),
              "10.0.0.1 1700 - Jan Kowalski\n10.0.0.1 1700 - -\n10.0.0.2 1701 k2 -\n");
    dodajLubUzupelnijWezel(plik, "10.0.0.1", 1700, "k1", "Inna Nazwa");
    dodajLubUzupelnijWezel(plik, "10.0.0.2", 1701, "inny", "Ola");
    EXPECT_EQ(czytajPlikTestu(plik),
              "10.0.0.1 1700 k1 Jan Kowalski\n10.0.0.1 1700 - -\n10.0.0.2 1701 k2 Ola\n");
    const std::string przed = czytajPlikTestu(plik);
    dodajLubUzupelnijWezel(plik, "10.0.0.1", 1700, "k9", "Ktos");
    EXPECT_EQ(czytajPlikTestu(plik), przed);
    // Ten sam adres zapisany inaczej to inny wezel.
    dodajLubUzupelnijWezel(plik, "10.0.0.01", 1700, "", "");
    EXPECT_EQ(wczytajWezly(plik).size(), 4u);
}

TEST_F(PlikWezlow, UsuwanieWszystkichWpisowWezla)
{
    zapiszPlikTestu(plik, "10.0.0.1 1700 - -\n10.0.0.2 1700 - -\n10.0.0.1 1700 k Ala\n");
    usunWezel(plik, "10.0.0.1", 1700);
    EXPECT_EQ(czytajPlikTestu(plik), "10.0.0.2 1700 - -\n");
    // Nic do usuniecia: plik nie jest przepisywany (zly wiersz zostaje).
    zapiszPlikTestu(plik, "zly\n10.0.0.2 1700 - -\n");
    usunWezel(plik, "10.0.0.9", 1700);
    EXPECT_EQ(czytajPlikTestu(plik), "zly\n10.0.0.2 1700 - -\n");
}

TEST_F(PlikWezlow, UsunSiebieLiczyUsunieteWpisy)
{
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
    // Plik, ktorego nie da sie zapisac, zostaje bez zmian i bez komunikatu.
    zapiszWezly(folder.plik("brak/wezly.dat"), {{"10.0.0.1", 1, "", ""}});
    EXPECT_TRUE(wczytajWezly(folder.plik("brak/wezly.dat")).empty());
}

TEST_F(PlikWezlow, OsiemWatkowDodajeRownoczesnieBezStrat)
{
    constexpr int WATKI = 8;
    constexpr int NA_WATEK = 100;
    std::vector<std::thread> watki;
    for (int w = 0; w < WATKI; ++w) {
        watki.emplace_back([this, w] {
            for (int i = 0; i < NA_WATEK; ++i) {
                dodajLubUzupelnijWezel(plik, "10.0." + std::to_string(w) + "." + std::to_string(i),
                                       1700 + i, "", "watek " + std::to_string(w));
                // Rownolegle uzupelnienia przepisuja plik w calosci.
                if (i % 10 == 0)
                    dodajLubUzupelnijWezel(plik, "10.0." + std::to_string(w) + ".0", 1700,
                                           "k" + std::to_string(i), "");
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

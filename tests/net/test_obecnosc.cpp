// Wykrywanie obecnosci: tresc ogloszen, ich obsluga i symulowana siec trzech hostow.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "obecnosc.h"
#include "pliki.h"
#include "pomoc_sieci.h"
#include "pomoc_testow.h"
#include "siec_testowa.h"
#include "wezly.h"

namespace {

class Ogloszenie : public testing::Test {
protected:
    void obsluz(const std::string& tekst, const std::string& nadawca = "10.0.0.9")
    {
        obsluzOgloszenie(tekst, nadawca, "moje1234", plik, [this](const std::string& ip, int port) {
            zgloszone.push_back(ip + ":" + std::to_string(port));
        });
    }

    FolderTymczasowy folder;
    std::string plik = folder.plik("wezly.dat");
    std::vector<std::string> zgloszone;
};

// Wpisy pliku wezlow jako posortowane wiersze.
std::vector<std::string> wierszeWezlow(const std::string& plik)
{
    std::vector<std::string> wiersze;
    for (const Wezel& w : wczytajWezly(plik))
        wiersze.push_back(wierszWezla(w));
    std::sort(wiersze.begin(), wiersze.end());
    return wiersze;
}

} // namespace

TEST(TekstOgloszenia, PustyKluczINazwaToMyslniki)
{
    EXPECT_EQ(tekstOgloszenia(1700, "0a1b2c3d", "", ""), "TLV1 0a1b2c3d 1700 - -");
    EXPECT_EQ(tekstOgloszenia(1701, "0a1b2c3d", "kk", "Jan Kowalski"),
              "TLV1 0a1b2c3d 1701 kk Jan Kowalski");
}

TEST(IdWezla, OsiemMalychCyfrSzesnastkowych)
{
    std::set<std::string> rozne;
    for (int i = 0; i < 50; ++i) {
        const std::string id = wygenerujIdWezla();
        ASSERT_EQ(id.size(), 8u);
        EXPECT_EQ(id.find_first_not_of("0123456789abcdef"), std::string::npos) << id;
        rozne.insert(id);
    }
    EXPECT_GT(rozne.size(), 45u);
}

TEST_F(Ogloszenie, ObceZleIWlasneSaIgnorowane)
{
    for (const char* zle : {"", "TLV1", "TLV1 ", "TLV1abcd 1700 - -", "tlv1 abcd 1700 - -",
                            "TLV2 abcd 1700 - -", "TLV1 abcd", "TLV1 abcd xyz - -",
                            "TLV1 abcd 99999999999 - -", "TLV1 moje1234 1700 k Ja", "HELLO WORLD"})
        obsluz(zle);
    EXPECT_FALSE(plikIstnieje(plik));
    EXPECT_TRUE(zgloszone.empty());
}

// Poprawny klucz publiczny w tekscie: 64 cyfry szesnastkowe.
#define KLUCZ "cccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccc"

TEST_F(Ogloszenie, NowyWezelZapisanyRazIZgloszonyRaz)
{
    obsluz("TLV1 abcd 1701 " KLUCZ "   Jan  Kowalski \t");
    obsluz("TLV1 abcd 1701 " KLUCZ "   Jan  Kowalski \t");
    obsluz("TLV1 abcd 1701 " KLUCZ " Inna nazwa");
    // Nazwa z ogloszenia traci tylko poczatkowe odstepy; odczyt pliku przycina oba konce.
    EXPECT_EQ(czytajPlikTestu(plik), "10.0.0.9 1701 " KLUCZ " Jan  Kowalski \t\n");
    EXPECT_EQ(wczytajWezly(plik)[0].nazwa, "Jan  Kowalski");
    EXPECT_EQ(zgloszone, std::vector<std::string>{"10.0.0.9:1701"});
}

TEST_F(Ogloszenie, KluczINazwaMyslnikToPuste)
{
    for (const char* tekst : {"TLV1 abcd 1700 - -", "TLV1 abcd 1702", "TLV1 abcd 1703 " KLUCZ,
                              "TLV1 abcd 1704 " KLUCZ " Ala\nreszta po LF"})
        obsluz(tekst);
    EXPECT_EQ(czytajPlikTestu(plik), "10.0.0.9 1700 - -\n10.0.0.9 1702 - -\n"
                                     "10.0.0.9 1703 " KLUCZ " -\n10.0.0.9 1704 " KLUCZ " Ala\n");
    EXPECT_EQ(zgloszone.size(), 4u);
}

TEST_F(Ogloszenie, ZnanyBezNazwyJestUzupelnianyBezZgloszenia)
{
    zapiszPlikTestu(plik, "10.0.0.9 1700 - -\n");
    obsluz("TLV1 abcd 1700 " KLUCZ " Ola Nowak");
    EXPECT_EQ(czytajPlikTestu(plik), "10.0.0.9 1700 " KLUCZ " Ola Nowak\n");
    EXPECT_TRUE(zgloszone.empty());
    // Ten sam port z innego adresu to inny wezel.
    obsluz("TLV1 abcd 1700 " KLUCZ " Ola Nowak", "10.0.0.10");
    EXPECT_EQ(zgloszone, std::vector<std::string>{"10.0.0.10:1700"});
}

TEST(PetlaOgloszen, KonczySieSzybkoPoUstawieniuFlagi)
{
    // W przestrzeni hosta rozgloszenie nie wychodzi poza symulowana siec,
    // a petla nie moze czekac calego okresu na zatrzymanie.
    SIEC_LAN_ALBO_POMIN(siec, 1);
    std::atomic<bool> stop{false};
    std::atomic<bool> koniec{false};
    std::thread t = watekWHoscie(siec, 1, [&] {
        oglaszajObecnoscWPetli(1700, "abcd0123", "", "", stop, 60s);
        koniec = true;
    });
    std::this_thread::sleep_for(200ms);
    EXPECT_FALSE(koniec.load());
    stop = true;
    EXPECT_TRUE(czekajAz([&] { return koniec.load(); }, 2s));
    t.join();
}

TEST(ObecnoscWLan, TrzyHostyWidzaSiePoJednymOkresie)
{
    SIEC_LAN_ALBO_POMIN(siec, 3);
    FolderTymczasowy folder;
    constexpr auto OKRES = 1000ms;
    std::atomic<bool> stop{false};
    auto plik = [&](int host) { return folder.plik("wezly" + std::to_string(host) + ".dat"); };
    auto id = [](int host) { return "0000000" + std::to_string(host); };
    std::vector<std::thread> watki;
    for (int h = 1; h <= 3; ++h)
        watki.push_back(watekWHoscie(siec, h, [&, h] {
            nasluchujObecnosciWPetli(1699 + h, id(h), plik(h), [&] { return stop.load(); }, {});
        }));
    std::this_thread::sleep_for(300ms); // nasluchy zwiazane z portem 1699
    for (int h = 1; h <= 3; ++h)
        watki.push_back(watekWHoscie(siec, h, [&, h] {
            oglaszajObecnoscWPetli(1699 + h, id(h), std::string(64, static_cast<char>('0' + h)),
                                   "Host nr " + std::to_string(h), stop, OKRES);
        }));
    const bool naCzas = czekajAz([&] {
        return wczytajWezly(plik(1)).size() >= 2 && wczytajWezly(plik(2)).size() >= 2
            && wczytajWezly(plik(3)).size() >= 2;
    }, OKRES);
    std::this_thread::sleep_for(3 * OKRES); // kolejne ogloszenia niczego nie dodaja
    stop = true;
    for (std::thread& t : watki)
        t.join();
    EXPECT_TRUE(naCzas) << "wszyscy nie znali sie po jednym okresie";
    for (int h = 1; h <= 3; ++h) {
        std::vector<std::string> wiersze;
        for (int j = 1; j <= 3; ++j)
            if (j != h)
                wiersze.push_back(siec.adres(j) + " " + std::to_string(1699 + j) + " " + std::string(64, static_cast<char>('0' + j))
                                  + " Host nr " + std::to_string(j));
        EXPECT_EQ(wierszeWezlow(plik(h)), wiersze) << "host " << h;
    }
}

TEST(ObecnoscWLan, DlugoscDatagramuZleIObceDatagramy)
{
    SIEC_LAN_ALBO_POMIN(siec, 2);
    FolderTymczasowy folder;
    const std::string plik = folder.plik("wezly.dat");
    std::atomic<bool> stop{false};
    std::atomic<int> zgloszenia{0};
    std::thread nasluch = watekWHoscie(siec, 2, [&] {
        nasluchujObecnosciWPetli(1700, "ffffffff", plik, [&] { return stop.load(); },
                                 [&](const std::string&, int) { ++zgloszenia; });
    });
    std::this_thread::sleep_for(300ms);
    auto dopelnij = [](std::string tekst, std::size_t dlugosc) {
        tekst.resize(dlugosc, 'n');
        return tekst;
    };
    const std::string datagramy[] = {
        "TLV1 aaaa 1699",                                // bez klucza
        "TLV1bbbb 1700 - -",                             // bez odstepu
        "GET / HTTP/1.0\r\n\r\n",                        // obcy
        "TLV1 ffffffff 1701 - Ja",                       // wlasne id
        "TLV1 cccc",                                     // bez portu
        dopelnij("TLV1 dddd 1702 - ", 511),              // najdluzszy przyjmowany
        dopelnij("TLV1 eeee 1703 - ", 512),              // za dlugi
        std::string("TLV1 gggg 1704 - Ala\0ukryte", 27), // tekst do bajtu zerowego
        "TLV1 hhhh 1705 - -",                            // znacznik konca
    };
    bool wyslane = false;
    watekWHoscie(siec, 1, [&] {
        wyslane = std::all_of(std::begin(datagramy), std::end(datagramy), [&](const std::string& d) {
            return wyslijDatagram(siec.adres(2), PORT_WYKRYWANIA, d);
        });
    }).join();
    ASSERT_TRUE(wyslane);
    const bool doszlo = czekajAz([&] { return wczytajWezly(plik).size() >= 4; }, 3s);
    stop = true;
    nasluch.join();
    EXPECT_TRUE(doszlo);
    const std::string nadawca = siec.adres(1);
    EXPECT_EQ(wczytajWezly(plik), (std::vector<Wezel>{{nadawca, 1699, "", ""},
                                                      {nadawca, 1702, "", std::string(MAKS_DLUGOSC_NAZWY_WEZLA, 'n')},
                                                      {nadawca, 1704, "", "Ala"},
                                                      {nadawca, 1705, "", ""}}));
    EXPECT_EQ(zgloszenia.load(), 4);
}

TEST(ObecnoscWLan, ZajetyPortWykrywaniaKonczyNasluch)
{
    SIEC_LAN_ALBO_POMIN(siec, 1);
    std::string wyjscie;
    watekWHoscie(siec, 1, [&] {
        PrzechwycWyjscie przechwyc;
        nasluchujUdpWPetli(80000, [] { return false; }, [](const std::string&, const std::string&) {});
        wyjscie = przechwyc.tekst();
    }).join();
    EXPECT_EQ(wyjscie, "BLAD: nie udalo sie zbindowac portu wykrywania 80000.\n");
}

TEST(CzyToJaWLan, AdresLokalnyZWlasnymPortem)
{
    SIEC_LAN_ALBO_POMIN(siec, 1);
    FolderTymczasowy folder;
    const std::string plik = folder.plik("wezly.dat");
    zapiszPlikTestu(plik, "10.77.0.1 1700 - -\n10.77.0.2 1700 - -\n10.77.0.1 1701 - -\n"
                          "010.77.0.1 1700 - -\n127.0.0.1 1700 - -\n");
    std::string adres;
    std::vector<bool> wyniki;
    int usuniete = -1;
    watekWHoscie(siec, 1, [&] {
        adres = lokalnyAdresIp();
        // Ja; inny host; inny port; bez wlasnego portu.
        wyniki = {czyToJa("10.77.0.1", 1700, 1700), czyToJa("10.77.0.2", 1700, 1700),
                  czyToJa("10.77.0.1", 1701, 1700), czyToJa("10.77.0.1", 1700, -1)};
        usuniete = usunSiebieZListy(plik, 1700);
    }).join();
    ASSERT_EQ(adres, "10.77.0.1"); // pusty, gdy watek nie wszedl do przestrzeni
    EXPECT_EQ(wyniki, (std::vector<bool>{true, false, false, false}));
    EXPECT_EQ(usuniete, 2);
    EXPECT_EQ(czytajPlikTestu(plik), "10.77.0.2 1700 - -\n10.77.0.1 1701 - -\n010.77.0.1 1700 - -\n");
}

// Wykrywanie obecnosci: tresc ogloszen, ich obsluga i symulowana siec trzech hostow.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
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
        obsluzOgloszenie(tekst, nadawca, "moje1234", plik,
                         [this](const std::string& ip, int port) {
                             zgloszone.push_back(ip + ":" + std::to_string(port));
                         });
    }

    FolderTymczasowy folder;
    std::string plik = folder.plik("wezly.dat");
    std::vector<std::string> zgloszone;
};

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
                            "TLV1 abcd 99999999999 - -", "TLV1 moje1234 1700 k Ja",
                            "HELLO WORLD"}) {
        obsluz(zle);
    }
    EXPECT_FALSE(plikIstnieje(plik));
    EXPECT_TRUE(zgloszone.empty());
}

TEST_F(Ogloszenie, NowyWezelZapisanyRazIZgloszonyRaz)
{
    obsluz("TLV1 abcd 1701 kk   Jan  Kowalski \t");
    obsluz("TLV1 abcd 1701 kk   Jan  Kowalski \t");
    obsluz("TLV1 abcd 1701 kk Inna nazwa");
    // Nazwa z ogloszenia traci tylko poczatkowe odstepy; odczyt pliku przycina oba konce.
    EXPECT_EQ(czytajPlikTestu(plik), "10.0.0.9 1701 kk Jan  Kowalski \t\n");
    EXPECT_EQ(wczytajWezly(plik)[0].nazwa, "Jan  Kowalski");
    EXPECT_EQ(zgloszone, std::vector<std::string>{"10.0.0.9:1701"});
}

TEST_F(Ogloszenie, KluczINazwaMyslnikToPuste)
{
    obsluz("TLV1 abcd 1700 - -");
    obsluz("TLV1 abcd 1702");
    obsluz("TLV1 abcd 1703 tylkoKlucz");
    obsluz("TLV1 abcd 1704 k Ala\nreszta po LF");
    EXPECT_EQ(wczytajWezly(plik), (std::vector<Wezel>{{"10.0.0.9", 1700, "", ""},
                                                      {"10.0.0.9", 1702, "", ""},
                                                      {"10.0.0.9", 1703, "tylkoKlucz", ""},
                                                      {"10.0.0.9", 1704, "k", "Ala"}}));
    EXPECT_EQ(zgloszone.size(), 4u);
}

TEST_F(Ogloszenie, ZnanyBezNazwyJestUzupelnianyBezZgloszenia)
{
    zapiszPlikTestu(plik, "10.0.0.9 1700 - -\n");
    obsluz("TLV1 abcd 1700 kk Ola Nowak");
    EXPECT_EQ(czytajPlikTestu(plik), "10.0.0.9 1700 kk Ola Nowak\n");
    EXPECT_TRUE(zgloszone.empty());
    // Ten sam port z innego adresu to inny wezel.
    obsluz("TLV1 abcd 1700 kk Ola Nowak", "10.0.0.10");
    EXPECT_EQ(zgloszone, std::vector<std::string>{"10.0.0.10:1700"});
}

TEST(PetlaOgloszen, KonczySieSzybkoPoUstawieniuFlagi)
{
    // W prywatnej przestrzeni z samym loopbackiem rozgloszenie i tak nigdzie nie wychodzi,
    // ale petla nie moze czekac calego okresu na zatrzymanie.
    SiecLan siec(1);
    if (!siec.gotowa())
        GTEST_SKIP() << siec.przyczyna();
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

namespace {

// Host symulowanej sieci: nasluch obecnosci i petla ogloszen na dwoch watkach w jego przestrzeni.
struct HostObecnosci {
    std::string id;
    int port = 0;
    std::string plik;
    std::mutex mutexZgloszen;
    std::vector<std::string> zgloszenia;
    std::vector<std::string> kopiaZgloszen()
    {
        std::lock_guard blokada(mutexZgloszen);
        return zgloszenia;
    }
};

} // namespace

TEST(ObecnoscWLan, TrzyHostyWidzaSiePoJednymOkresie)
{
    SiecLan siec(3);
    if (!siec.gotowa())
        GTEST_SKIP() << siec.przyczyna();
    FolderTymczasowy folder;
    constexpr auto OKRES = 1000ms;
    std::array<HostObecnosci, 3> hosty;
    std::atomic<bool> stop{false};
    std::vector<std::thread> watki;
    for (int i = 0; i < 3; ++i) {
        hosty[i].id = "0000000" + std::to_string(i + 1);
        hosty[i].port = 1700 + i;
        hosty[i].plik = folder.plik("wezly" + std::to_string(i + 1) + ".dat");
        watki.push_back(watekWHoscie(siec, i + 1, [&, i] {
            nasluchujObecnosciWPetli(hosty[i].port, hosty[i].id, hosty[i].plik,
                                     [&] { return stop.load(); },
                                     [&, i](const std::string& ip, int port) {
                                         std::lock_guard blokada(hosty[i].mutexZgloszen);
                                         hosty[i].zgloszenia.push_back(ip + ":" + std::to_string(port));
                                     });
        }));
    }
    std::this_thread::sleep_for(300ms); // nasluchy zwiazane z portem 1699
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 3; ++i)
        watki.push_back(watekWHoscie(siec, i + 1, [&, i] {
            oglaszajObecnoscWPetli(hosty[i].port, hosty[i].id, "klucz" + std::to_string(i + 1),
                                   "Host nr " + std::to_string(i + 1), stop, OKRES);
        }));
    auto wszyscyZnaja = [&] {
        for (auto& h : hosty)
            if (wczytajWezly(h.plik).size() < 2)
                return false;
        return true;
    };
    const bool naCzas = czekajAz(wszyscyZnaja, OKRES);
    const auto poCzasie = std::chrono::steady_clock::now() - start;
    std::this_thread::sleep_for(3 * OKRES); // kolejne ogloszenia niczego nie dodaja
    stop = true;
    for (std::thread& t : watki)
        t.join();
    EXPECT_TRUE(naCzas) << "po " << std::chrono::duration_cast<std::chrono::milliseconds>(poCzasie).count() << " ms";
    for (int i = 0; i < 3; ++i) {
        std::vector<std::string> oczekiwane;
        std::vector<std::string> wpisy;
        for (const Wezel& w : wczytajWezly(hosty[i].plik))
            wpisy.push_back(w.ip + " " + std::to_string(w.port) + " " + w.kluczPubliczny + " " + w.nazwa);
        std::vector<std::string> zgloszenia = hosty[i].kopiaZgloszen();
        std::vector<std::string> oczekiwaneZgloszenia;
        for (int j = 0; j < 3; ++j) {
            if (j == i)
                continue;
            oczekiwane.push_back(siec.adres(j + 1) + " " + std::to_string(1700 + j) + " klucz"
                                 + std::to_string(j + 1) + " Host nr " + std::to_string(j + 1));
            oczekiwaneZgloszenia.push_back(siec.adres(j + 1) + ":" + std::to_string(1700 + j));
        }
        std::sort(wpisy.begin(), wpisy.end());
        std::sort(zgloszenia.begin(), zgloszenia.end());
        EXPECT_EQ(wpisy, oczekiwane) << "host " << i + 1;
        EXPECT_EQ(zgloszenia, oczekiwaneZgloszenia) << "host " << i + 1;
    }
}

TEST(ObecnoscWLan, DlugoscDatagramuZleIObceDatagramy)
{
    SiecLan siec(2);
    if (!siec.gotowa())
        GTEST_SKIP() << siec.przyczyna();
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
    const std::string cel = siec.adres(2);
    bool wyslane = false;
    std::thread nadawca = watekWHoscie(siec, 1, [&] {
        wyslane = wyslijDatagram(cel, PORT_WYKRYWANIA, "TLV1 aaaa 1699")          // bez klucza
            && wyslijDatagram(cel, PORT_WYKRYWANIA, "TLV1bbbb 1700 - -")            // bez odstepu
            && wyslijDatagram(cel, PORT_WYKRYWANIA, "GET / HTTP/1.0\r\n\r\n")       // obcy
            && wyslijDatagram(cel, PORT_WYKRYWANIA, "TLV1 ffffffff 1701 - Ja")      // wlasne id
            && wyslijDatagram(cel, PORT_WYKRYWANIA, "TLV1 cccc")                    // bez portu
            && wyslijDatagram(cel, PORT_WYKRYWANIA, dopelnij("TLV1 dddd 1702 - ", 511))
            && wyslijDatagram(cel, PORT_WYKRYWANIA, dopelnij("TLV1 eeee 1703 - ", 512))
            && wyslijDatagram(cel, PORT_WYKRYWANIA, std::string("TLV1 gggg 1704 k Ala\0ukryte", 27))
            && wyslijDatagram(cel, PORT_WYKRYWANIA, "TLV1 hhhh 1705 - -");  // znacznik konca
    });
    nadawca.join();
    ASSERT_TRUE(wyslane);
    const bool doszlo = czekajAz([&] { return wczytajWezly(plik).size() >= 4; }, 3s);
    stop = true;
    nasluch.join();
    EXPECT_TRUE(doszlo);
    const std::string nadawcaAdres = siec.adres(1);
    EXPECT_EQ(wczytajWezly(plik),
              (std::vector<Wezel>{{nadawcaAdres, 1699, "", ""},
                                  {nadawcaAdres, 1702, "", std::string(511 - 17, 'n')},
                                  {nadawcaAdres, 1704, "k", "Ala"},
                                  {nadawcaAdres, 1705, "", ""}}));
    EXPECT_EQ(zgloszenia.load(), 4);
}

TEST(ObecnoscWLan, ZajetyPortWykrywaniaKonczyNasluch)
{
    SiecLan siec(1);
    if (!siec.gotowa())
        GTEST_SKIP() << siec.przyczyna();
    std::string wyjscie;
    std::thread t = watekWHoscie(siec, 1, [&] {
        PrzechwycWyjscie przechwyc;
        nasluchujUdpWPetli(80000, [] { return false; }, [](const std::string&, const std::string&) {});
        wyjscie = przechwyc.tekst();
    });
    t.join();
    EXPECT_EQ(wyjscie, "BLAD: nie udalo sie zbindowac portu wykrywania 80000.\n");
}

TEST(CzyToJaWLan, AdresLokalnyZWlasnymPortem)
{
    SiecLan siec(1);
    if (!siec.gotowa())
        GTEST_SKIP() << siec.przyczyna();
    FolderTymczasowy folder;
    const std::string plik = folder.plik("wezly.dat");
    zapiszPlikTestu(plik, "10.77.0.1 1700 - -\n10.77.0.2 1700 - -\n10.77.0.1 1701 - -\n"
                          "010.77.0.1 1700 - -\n127.0.0.1 1700 - -\n");
    std::string adres;
    int usuniete = -1;
    bool ja = false;
    bool innyHost = true;
    bool innyPort = true;
    bool bezPortu = true;
    bool wszedl = false;
    std::thread t = watekWHoscie(siec, 1, [&] {
        adres = lokalnyAdresIp();
        ja = czyToJa("10.77.0.1", 1700, 1700);
        innyHost = czyToJa("10.77.0.2", 1700, 1700);
        innyPort = czyToJa("10.77.0.1", 1701, 1700);
        bezPortu = czyToJa("10.77.0.1", 1700, -1);
        usuniete = usunSiebieZListy(plik, 1700);
    }, &wszedl);
    t.join();
    ASSERT_TRUE(wszedl);
    EXPECT_EQ(adres, "10.77.0.1");
    EXPECT_TRUE(ja);
    EXPECT_FALSE(innyHost);
    EXPECT_FALSE(innyPort);
    EXPECT_FALSE(bezPortu);
    EXPECT_EQ(usuniete, 2);
    EXPECT_EQ(czytajPlikTestu(plik), "10.77.0.2 1700 - -\n10.77.0.1 1701 - -\n010.77.0.1 1700 - -\n");
}

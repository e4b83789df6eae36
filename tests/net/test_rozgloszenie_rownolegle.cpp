// Rozgloszenie do wielu wezlow naraz: wolny wezel nie wstrzymuje pozostalych, a wiersze
// i liczniki sa takie jak przy wysylaniu po kolei.

#include <gtest/gtest.h>

#include <algorithm>

#include <sstream>
#include <stop_token>
#include <thread>
#include <unistd.h>

#include "core/format_lancucha.h"
#include "pomoc_sieci.h"
#include "net/rozgloszenie.h"

TEST(RozgloszenieRownolegle, WolnyWezelNieWstrzymujeInnychAWierszeIdaWKolejnosciPliku)
{
    FolderTymczasowy folder;
    const std::string plikWezlow = folder.plik("wezly.dat");
    std::atomic<int> szybkichOdebralo{0};
    std::atomic<bool> wolnyWidzialSzybkie{false};
    SerwerTestowy wolny([&](const std::string&) {
        // Odpowiada dopiero, gdy szybkie wezly dostaly lancuch: po kolei nigdy by sie nie doczekal.
        wolnyWidzialSzybkie = czekajAz([&] { return szybkichOdebralo == 2; }, 5s);
        return std::string();
    });
    const auto szybka = [&](const std::string&) {
        ++szybkichOdebralo;
        return std::string();
    };
    SerwerTestowy szybki1(szybka);
    SerwerTestowy szybki2(szybka);
    const int martwy = wolnyPort();
    const int mojPort = wolnyPort();
    std::string wpisy;
    for (const int port : {wolny.port(), martwy, mojPort, szybki1.port(), szybki2.port()})
        wpisy += "127.0.0.1 " + std::to_string(port) + " - -\n";
    zapiszPlikTestu(plikWezlow, wpisy);

    const Blockchain lancuch = lancuchTestowy(1, 2);
    ZbieraczWpisow zbieracz;
    const WynikRozgloszenia wynik = rozglosLancuch(dziennikTestu(), lancuch, plikWezlow, mojPort, {}, 10s);

    EXPECT_TRUE(wolnyWidzialSzybkie);
    EXPECT_EQ(wynik, (WynikRozgloszenia{3, 4, {.stare = 3, .bezOdpowiedzi = 1}}));
    const auto wpis = [](bool sukces, int port) {
        return Wpis{.rodzaj = sukces ? RodzajWpisu::rozgloszono : RodzajWpisu::nieRozgloszono,
                    .adres = "127.0.0.1:" + std::to_string(port)};
    };
    // Wpisy rozgloszenia (bez bledow warstwy gniazd) w kolejnosci pliku.
    std::vector<Wpis> rozgloszenia;
    for (const Wpis& w : zbieracz.wpisy())
        if (w.rodzaj == RodzajWpisu::rozgloszono || w.rodzaj == RodzajWpisu::nieRozgloszono)
            rozgloszenia.push_back(w);
    EXPECT_EQ(rozgloszenia, (std::vector{wpis(true, wolny.port()), wpis(false, martwy),
                                         wpis(true, szybki1.port()), wpis(true, szybki2.port())}));
    const std::string zapytanie = wolny.otrzymane().at(0);
    EXPECT_NE(zapytanie.find(serializujLancuch(lancuch)), std::string::npos);
    EXPECT_EQ(szybki1.otrzymane().at(0), zapytanie);
}

// Zatrzymanie wolajacego konczy czekanie watku wysylki na wezel, ktory nigdy nie odpowiada.
TEST(RozgloszenieRownolegle, ZatrzymanieKonczyCzekanieNaZawieszonyWezel)
{
    FolderTymczasowy folder;
    int port = 0;
    const int zawieszony = nasluchNaLoopbacku(4, port); // polaczenie czeka w kolejce jadra
    ASSERT_GE(zawieszony, 0);
    zapiszPlikTestu(folder.plik("wezly.dat"), "127.0.0.1 " + std::to_string(port) + " - -\n");
    std::stop_source stop;
    std::jthread zatrzymanie([&stop] {
        std::this_thread::sleep_for(300ms);
        stop.request_stop();
    });
    ZbieraczWpisow zbieracz;
    const auto start = std::chrono::steady_clock::now();
    const WynikRozgloszenia wynik = rozglosLancuch(dziennikTestu(), lancuchTestowy(1, 2),
                                                   folder.plik("wezly.dat"), -1, stop.get_token(), 20s);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
    EXPECT_EQ(wynik.sukcesy, 0);
    const Wpis przerwane{.rodzaj = RodzajWpisu::rozglaszaniePrzerwane,
                         .adres = "127.0.0.1:" + std::to_string(port)};
    const std::vector<Wpis> wpisy = zbieracz.wpisy();
    EXPECT_NE(std::find(wpisy.begin(), wpisy.end(), przerwane), wpisy.end());
    ::close(zawieszony);
}

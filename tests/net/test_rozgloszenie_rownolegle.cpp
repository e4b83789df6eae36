// Rozgloszenie do wielu wezlow naraz: wolny wezel nie wstrzymuje pozostalych, a wiersze
// i liczniki sa takie jak przy wysylaniu po kolei.

#include <gtest/gtest.h>

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
    PrzechwycWyjscie przechwyc;
    const WynikRozgloszenia wynik = rozglosLancuch(lancuch, plikWezlow, mojPort, {}, 10s);
    const std::string wyjscie = przechwyc.tekst();

    EXPECT_TRUE(wolnyWidzialSzybkie);
    EXPECT_EQ(wynik, (WynikRozgloszenia{3, 4, {.stare = 3, .bezOdpowiedzi = 1}}));
    const auto wiersz = [](bool sukces, int port) {
        return (sukces ? "Rozgloszono do 127.0.0.1:" : "Nie udalo sie rozglosic do 127.0.0.1:")
            + std::to_string(port) + (sukces ? "\n" : " (offline?)\n");
    };
    const std::string oczekiwane = wiersz(true, wolny.port()) + wiersz(false, martwy)
        + wiersz(true, szybki1.port()) + wiersz(true, szybki2.port());
    // Wiersze rozgloszenia (bez wierszy BLAD warstwy gniazd) w kolejnosci pliku.
    std::string wiersze;
    std::istringstream strumien(wyjscie);
    for (std::string w; std::getline(strumien, w);)
        if (w.rfind("BLAD", 0) != 0)
            wiersze += w + "\n";
    EXPECT_EQ(wiersze, oczekiwane);
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
    PrzechwycWyjscie przechwyc;
    const auto start = std::chrono::steady_clock::now();
    const WynikRozgloszenia wynik =
        rozglosLancuch(lancuchTestowy(1, 2), folder.plik("wezly.dat"), -1, stop.get_token(), 20s);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
    EXPECT_EQ(wynik.sukcesy, 0);
    EXPECT_NE(przechwyc.tekst().find("Rozglaszanie do 127.0.0.1:" + std::to_string(port)
                                     + " przerwane - zatrzymanie.\n"),
              std::string::npos);
    ::close(zawieszony);
}

// Rozgloszenie do wielu wezlow naraz: wolny wezel nie wstrzymuje pozostalych, a wiersze
// i liczniki sa takie jak przy wysylaniu po kolei.

#include <gtest/gtest.h>


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
    const WynikRozgloszenia wynik = rozglosLancuch(dziennikTestu(), lancuch, plikWezlow, mojPort, 10s);

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

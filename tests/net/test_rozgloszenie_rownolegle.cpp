// Rozgloszenie do wielu wezlow naraz: wolny wezel nie wstrzymuje pozostalych, wiersze
// i liczniki sa jak przy wysylaniu po kolei, a wiersze watkow sie nie przeplataja.

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <sys/socket.h>
#include <unistd.h>
#include <sstream>

#include "format_lancucha.h"
#include "pomoc_sieci.h"
#include "rozgloszenie.h"

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
    const WynikRozgloszenia wynik = rozglosLancuch(lancuch, plikWezlow, mojPort, 10s);
    const std::string wyjscie = przechwyc.tekst();

    EXPECT_TRUE(wolnyWidzialSzybkie);
    EXPECT_EQ(wynik, (WynikRozgloszenia{3, 4}));
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

namespace {

// Kazdy zapis na deskryptor 1 jako osobny rekord: wiersz zapisany w kawalkach od razu widac.
std::vector<std::string> zapisyWyjscia(const std::function<void()>& praca)
{
    int para[2];
    if (::socketpair(AF_UNIX, SOCK_SEQPACKET, 0, para) != 0)
        return {"socketpair"};
    std::fflush(stdout);
    const int zapasowy = ::dup(STDOUT_FILENO);
    ::dup2(para[0], STDOUT_FILENO);
    praca();
    std::fflush(stdout);
    ::dup2(zapasowy, STDOUT_FILENO);
    ::close(zapasowy);
    ::close(para[0]);
    std::vector<std::string> zapisy;
    char bufor[65536];
    for (ssize_t n; (n = ::recv(para[1], bufor, sizeof bufor, 0)) > 0;)
        zapisy.emplace_back(bufor, static_cast<std::size_t>(n));
    ::close(para[1]);
    return zapisy;
}

} // namespace

TEST(RozgloszenieRownolegle, KazdyWierszKonsoliJednymZapisem)
{
    FolderTymczasowy folder;
    const std::string plikWezlow = folder.plik("wezly.dat");
    zapiszPlikTestu(plikWezlow, "127.0.0.1 " + std::to_string(wolnyPort()) + " - -\n127.0.0.1 "
                                    + std::to_string(wolnyPort()) + " - -\n");
    Blockchain lancuch = lancuchTestowy();
    const std::vector<std::string> zapisy = zapisyWyjscia([&] {
        (void)rozglosLancuch(lancuch, plikWezlow, -1, 1s);
        lancuch.wykopIDodajBlok(OBCY_ADRES, {});
    });
    // Blad polaczenia i wynik dla kazdego wezla, potem wiersz kopania.
    ASSERT_EQ(zapisy.size(), 5u);
    for (const std::string& zapis : zapisy)
        EXPECT_EQ(zapis.find('\n'), zapis.size() - 1) << zapis;
    EXPECT_EQ(zapisy[4].rfind("Kopanie bloku 1... SUKCES! Znaleziono Hash: ", 0), 0u);
}

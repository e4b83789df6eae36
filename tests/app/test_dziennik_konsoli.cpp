// Dziennik konsoli: linie z printf i std::cout z dwoch watkow docieraja do okna cale,
// w kolejnosci i dalej trafiaja na pierwotne wyjscie.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <iostream>
#include <memory>
#include <thread>
#include <vector>

#include "dziennik_konsoli.h"
#include "pomoc_testow.h"

namespace {

constexpr int LINII_NA_WATEK = 400;

// Linie z dziennika, az bedzie ich `ile` (najwyzej 10 s czekania).
std::vector<std::string> odbierz(DziennikKonsoli& dziennik, std::size_t ile)
{
    std::vector<std::string> linie;
    const auto koniec = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (linie.size() < ile && std::chrono::steady_clock::now() < koniec) {
        for (LiniaKonsoli& linia : dziennik.odbierzLinie())
            linie.push_back(std::move(linia.tekst));
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return linie;
}

// Numery linii z danym przedrostkiem, w kolejnosci nadejscia; -1 dla linii niecalej.
std::vector<int> numery(const std::vector<std::string>& linie, const std::string& przedrostek)
{
    std::vector<int> wynik;
    for (const std::string& linia : linie)
        if (linia.starts_with(przedrostek))
            wynik.push_back(linia.size() == przedrostek.size() + 3 ? std::stoi(linia.substr(przedrostek.size())) : -1);
    return wynik;
}

} // namespace

TEST(DziennikKonsoli, LinieZDwochWatkowCaleWKolejnosciIDalejNaWyjsciu)
{
    PrzechwycWyjscie pierwotne;
    auto dziennik = std::make_unique<DziennikKonsoli>();
    ASSERT_TRUE(dziennik->dziala());
    EXPECT_EQ(DziennikKonsoli::biezacy(), dziennik.get());

    std::thread zPrintf([] {
        for (int i = 0; i < LINII_NA_WATEK; ++i)
            std::printf("printf %03d\n", i);
    });
    std::thread zCout([] {
        for (int i = 0; i < LINII_NA_WATEK; ++i) {
            char linia[32];
            std::snprintf(linia, sizeof linia, "cout %03d\n", i);
            std::cout << linia;
        }
    });
    zPrintf.join();
    zCout.join();
    // Kawalek bez konca linii czeka na reszte.
    std::printf("poczatek ");
    std::fflush(stdout);
    std::cout << "i koniec\n";

    const std::vector<std::string> linie = odbierz(*dziennik, 2 * LINII_NA_WATEK + 1);
    dziennik.reset();
    const std::string naWyjsciu = pierwotne.tekst();

    std::vector<int> oczekiwane(LINII_NA_WATEK);
    for (int i = 0; i < LINII_NA_WATEK; ++i)
        oczekiwane[static_cast<std::size_t>(i)] = i;
    ASSERT_EQ(linie.size(), 2u * LINII_NA_WATEK + 1);
    EXPECT_EQ(numery(linie, "printf "), oczekiwane);
    EXPECT_EQ(numery(linie, "cout "), oczekiwane);
    EXPECT_EQ(linie.back(), "poczatek i koniec");

    // Pierwotne wyjscie dostalo kazdy bajt, w tej samej kolejnosci co dziennik.
    std::string zLinii;
    for (const std::string& linia : linie)
        zLinii += linia + '\n';
    EXPECT_TRUE(naWyjsciu == zLinii) << naWyjsciu.size() << " bajtow zamiast " << zLinii.size();
    EXPECT_EQ(DziennikKonsoli::biezacy(), nullptr);
}

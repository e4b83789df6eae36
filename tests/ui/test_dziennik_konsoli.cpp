// Dziennik konsoli: linie z printf i std::cout z dwoch watkow docieraja cale i w kolejnosci,
// a pierwotne wyjscie dostaje dalej kazdy bajt.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <iostream>
#include <memory>
#include <thread>

#include "ui/dziennik_konsoli.h"
#include "pomoc_testow.h"

TEST(DziennikKonsoli, LinieZDwochWatkowCaleWKolejnosciIDalejNaWyjsciu)
{
    constexpr int ILE = 400;
    PrzechwycWyjscie pierwotne;
    auto dziennik = std::make_unique<DziennikKonsoli>();
    ASSERT_TRUE(dziennik->dziala());
    std::thread zPrintf([] {
        for (int i = 0; i < ILE; ++i)
            std::printf("printf %03d\n", i);
    });
    for (int i = 0; i < ILE; ++i)
        std::cout << "cout " + std::to_string(1000 + i) + "\n";
    zPrintf.join();
    // Kawalek bez konca linii czeka na reszte.
    std::printf("poczatek ");
    std::fflush(stdout);
    std::cout << "i koniec\n";

    std::vector<std::string> linie;
    const auto koniec = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (linie.size() < 2 * ILE + 1 && std::chrono::steady_clock::now() < koniec) {
        for (LiniaKonsoli& linia : dziennik->odbierzLinie())
            linie.push_back(std::move(linia.tekst));
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    dziennik.reset();
    const std::string naWyjsciu = pierwotne.tekst();

    ASSERT_EQ(linie.size(), 2u * ILE + 1);
    EXPECT_EQ(linie.back(), "poczatek i koniec");
    int nastepnyPrintf = 0;
    int nastepnyCout = 1000;
    std::string zLinii;
    for (const std::string& linia : linie) {
        char bufor[32];
        if (linia.starts_with("printf"))
            std::snprintf(bufor, sizeof bufor, "printf %03d", nastepnyPrintf++);
        else if (linia.starts_with("cout"))
            std::snprintf(bufor, sizeof bufor, "cout %d", nastepnyCout++);
        else
            std::snprintf(bufor, sizeof bufor, "%s", linia.c_str());
        EXPECT_EQ(linia, bufor);
        zLinii += linia + '\n';
    }
    EXPECT_TRUE(naWyjsciu == zLinii) << naWyjsciu.size() << " bajtow zamiast " << zLinii.size();
    EXPECT_EQ(DziennikKonsoli::biezacy(), nullptr);
}

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "pliki.h"
#include "plik_lancucha.h"
#include "pomoc_lancucha.h"

TEST(Wspolbieznosc, DwaWatkiKopiaNicNieGubiac)
{
    FolderTymczasowy folder;
    const std::string plik = folder.plik("blockchain.dat");
    constexpr int N = 5;
    std::atomic<bool> koniec{false};
    std::atomic<int> nieudaneOdczyty{0};
    PrzechwycWyjscie cisza;

    auto gornik = [&](const std::string& adres) {
        Blockchain wlasny = lancuchTestowy(2);
        for (int i = 0; i < N; ++i)
            EXPECT_TRUE(kopIZapisz(wlasny, adres, plik, {}));
    };
    // Czytelnik, jak okno: kazdy odczyt istniejacego pliku musi sie udac.
    std::thread c([&] {
        while (!koniec.load()) {
            Blockchain widok;
            if (plikIstnieje(plik) && !wczytajLancuch(widok, plik))
                nieudaneOdczyty.fetch_add(1);
        }
    });
    std::thread a(gornik, std::string(64, 'a'));
    std::thread b(gornik, std::string(64, 'b'));
    a.join();
    b.join();
    koniec = true;
    c.join();

    Blockchain wynik;
    ASSERT_TRUE(wczytajLancuch(wynik, plik));
    EXPECT_EQ(wynik.liczbaBlokow(), static_cast<std::size_t>(2 * N + 1));
    EXPECT_TRUE(wynik.czyLancuchPoprawny());
    EXPECT_EQ(wynik.saldo(std::string(64, 'a')), N * 5000000000);
    EXPECT_EQ(wynik.saldo(std::string(64, 'b')), N * 5000000000);
    EXPECT_EQ(nieudaneOdczyty.load(), 0);
}

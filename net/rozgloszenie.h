#pragma once
// Rozgloszenie lancucha do wszystkich znanych wezlow i bootstrap z seedow.

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "blockchain.h"
#include "gniazda.h"
#include "wezly.h"

struct WynikRozgloszenia {
    int sukcesy = 0;
    int wszystkie = 0;

    bool operator==(const WynikRozgloszenia&) const = default;
};

// Wpisy, ktore czyToJa rozpoznaje jako ten wezel, sa pomijane i nie wchodza do licznikow.
[[nodiscard]] WynikRozgloszenia rozglosLancuch(
    const Blockchain& lancuch, const std::string& plikWezlow, int mojPort,
    std::chrono::milliseconds limitOdbioru = LIMIT_ODBIORU);

// Seedy do bootstrapu: puste, gdy znamy juz jakis wezel albo nie ma seedow.
[[nodiscard]] std::vector<Wezel> seedyDoBootstrapu(const std::string& plikWezlow,
                                                   const std::string& plikSeedow);

// Sieciowa polowa bootstrapu (dla watku okna): wypycha lancuch do kazdego seeda po kolei,
// scala odpowiedzi z plikiem wezlow, na koncu wola `gotowe` (jesli ustawione).
void bootstrapZSeedow(const Blockchain& lancuch, const std::vector<Wezel>& seedy,
                      const std::string& plikWezlow, int mojPort,
                      const std::function<void()>& gotowe,
                      std::chrono::milliseconds limitOdbioru = LIMIT_ODBIORU);

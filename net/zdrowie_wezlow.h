#pragma once
// Zdrowie znanych wezlow w pamieci procesu: porazki z rzedu, ostatni sukces i przerwa po
// porazkach. Jedna tabela na proces: wypychanie, rozgloszenia i scalanie pliku wezlow
// korzystaja z tej samej wiedzy, wiec martwy wezel nie jest probowany przez kazdego osobno.

#include <chrono>
#include <cstddef>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "net/wezly.h"

using ZegarWezlow = std::chrono::steady_clock;
using Chwila = ZegarWezlow::time_point;

// Przerwa po pierwszej porazce; kazda nastepna z rzedu ja podwaja, az do najdluzszej.
inline constexpr std::chrono::seconds PIERWSZA_PRZERWA{10};
inline constexpr std::chrono::seconds NAJDLUZSZA_PRZERWA{1800};

// Dobry: ostatnia proba sie udala. Nieznany: jeszcze nie probowany. Zawodzi: seria porazek.
enum class StanWezla { dobry, nieznany, zawodzi };

struct OcenaWezla {
    StanWezla stan = StanWezla::nieznany;
    // Przed ta chwila wezla nie probujemy (przerwa po porazkach).
    Chwila wolnoOd{};
};

class ZdrowieWezlow {
public:
    void sukces(const Wezel& wezel, Chwila teraz);
    void porazka(const Wezel& wezel, Chwila teraz);
    [[nodiscard]] OcenaWezla ocen(const Wezel& wezel) const;
    void zapomnij(const Wezel& wezel);
    // Indeksy wpisow, ktore zawodza, od zawodzacego najdluzej: kolejnosc wymiany w pelnym pliku.
    [[nodiscard]] std::vector<std::size_t> doWymiany(const std::vector<Wezel>& wezly) const;

private:
    struct Wpis {
        int porazki = 0;
        std::optional<Chwila> ostatniSukces;
        // Pierwsza porazka biezacej serii.
        Chwila zawodziOd{};
        Chwila wolnoOd{};
    };
    mutable std::mutex mutex;
    std::unordered_map<std::string, Wpis> wpisy;
};

// Tabela calego procesu.
[[nodiscard]] ZdrowieWezlow& zdrowieWezlow();

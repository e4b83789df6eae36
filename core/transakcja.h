#pragma once

#include <cstdint>
#include <string>

#include "core/klucze.h"

inline constexpr std::int64_t NAGRODA_ZA_BLOK = 5000000000;
inline constexpr const char* OPIS_NAGRODY = "Nagroda za kopanie bloku";

struct Transakcja {
    std::string nadawca;
    std::string odbiorca;
    std::int64_t kwota = 0;
    std::string opis;
    std::string podpis;

    Transakcja() = default;
    // Zwykla platnosc: podpis obejmuje ostateczne wartosci czterech pol.
    Transakcja(const ParaKluczy& klucze, std::string odbiorca, std::int64_t kwota,
               std::string opis);

    [[nodiscard]] std::string tekstDoPodpisu() const;
    [[nodiscard]] std::string tekstDoHasha() const;
    // Dopisuja tekstDoPodpisu() i tekstDoHasha() bez tworzenia tymczasowego napisu.
    void dopiszTekstDoPodpisu(std::string& cel) const;
    void dopiszTekstDoHasha(std::string& cel) const;
    [[nodiscard]] bool czyPodpisPoprawny() const;

    bool operator==(const Transakcja&) const = default;
};

[[nodiscard]] Transakcja transakcjaNagrody(std::string odbiorca, std::int64_t kwota);

#pragma once
// Bramka lancucha: co ten wezel odrzuca ponad poprawnosc. Blok jest przyjmowany tylko wtedy,
// gdy jego tekst przetrwa zapis i odczyt pliku lancucha bajt w bajt i gdy nie jest wiekszy,
// niz uczciwe kopanie kiedykolwiek robi.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/blok.h"

// Najwiecej bajtow tekstu jednego bloku (od wiersza znacznika do konca ostatniego pola).
inline constexpr std::size_t MAKS_TEKSTU_BLOKU = 1024 * 1024;
// Najwiecej transakcji w jednym bloku (wykopany blok ma nagrode i najwyzej kilka platnosci).
inline constexpr std::size_t MAKS_TRANSAKCJI_W_BLOKU = 10000;

enum class PowodOdmowy {
    znakCr, // pelny odczyt pliku usuwa CR przed LF
    znakLf, // LF konczy pole w tekscie
    znakNul, // nie ma go zaden uczciwy blok; napisy C i narzedzia tekstowe ucinaja na nim tekst
    wierszZnacznika, // po przerwanym dopisywaniu czytelnik wzialby pole za poczatek bloku
    zaDuzyTekst,
    zaDuzoTransakcji,
};

struct OdmowaBramki {
    PowodOdmowy powod = PowodOdmowy::znakCr;
    // Indeks zapisany w bloku (jak w komunikatach walidacji).
    std::int32_t indeks = 0;
};

// Pierwszy blok z `bloki`, ktorego wezel nie przyjmie; nic, gdy wszystkie przechodza.
[[nodiscard]] std::optional<OdmowaBramki> sprawdzBloki(std::span<const Blok> bloki);

// Limity rozmiaru na tekscie lancucha, zanim cokolwiek zostanie zbudowane: bloki czytane
// tak jak przez parsujLancuch, tekst bloku liczony tak, jak przyszedl. Tekst, ktorego
// czytnik i tak nie przyjmie, przechodzi (odrzuci go czytnik).
[[nodiscard]] std::optional<OdmowaBramki> sprawdzRozmiaryTekstu(std::string_view tekstLancucha);

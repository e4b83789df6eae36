#pragma once
// Zamiana tekstu na liczbe wedlug regul strtol/strtoll (podstawa 10):
// biale znaki na poczatku, jeden znak, cyfry do pierwszej nie-cyfry, reszta ignorowana.

#include <cstdint>
#include <optional>
#include <string_view>

[[nodiscard]] std::optional<std::int64_t> liczbaJakStrtoll(std::string_view tekst);
[[nodiscard]] std::optional<std::int32_t> liczbaJakStrtol32(std::string_view tekst);

// Dopisuje liczbe dziesietnie (bez zer wiodacych, minus tylko dla ujemnych).
void dopiszLiczbe(std::string& cel, std::int64_t wartosc);

// Dodawanie i odejmowanie z nasyceniem na granicach int64: saldo z wrogiego pliku nie moze
// wywolac UB.
[[nodiscard]] std::int64_t dodajNasycajac(std::int64_t a, std::int64_t b);
[[nodiscard]] std::int64_t odejmijNasycajac(std::int64_t a, std::int64_t b);

#pragma once
// Kwoty jako tekst: liczba jednostek (1 moneta = 100000000) <-> tekst dziesietny.

#include <cstdint>
#include <string>
#include <string_view>

inline constexpr std::int64_t JEDNOSTEK_NA_MONETE = 100000000;

// "12.5", "0.00000001", "-1.5", "0"; bez zer na koncu ulamka, bez symbolu monety.
// Dziala dla kazdej wartosci, takze najmniejszej: "-92233720368.54775808".
[[nodiscard]] std::string formatujKwote(std::int64_t kwota);

// Przyjmuje cyfry z najwyzej 8 cyframi po "." albo ",". Bez znaku, spacji i wykladnika.
// Przy kazdym bledzie ok = false i wynik 0.
[[nodiscard]] std::int64_t parsujKwote(std::string_view tekst, bool& ok);

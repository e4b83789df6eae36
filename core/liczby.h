#pragma once
// Zamiana tekstu na liczbe wedlug regul strtol/strtoll (podstawa 10):
// biale znaki na poczatku, jeden znak, cyfry do pierwszej nie-cyfry, reszta ignorowana.

#include <cstdint>
#include <optional>
#include <string_view>

[[nodiscard]] std::optional<std::int64_t> liczbaJakStrtoll(std::string_view tekst);
[[nodiscard]] std::optional<std::int32_t> liczbaJakStrtol32(std::string_view tekst);
// Jak liczbaJakStrtol32, a po sukcesie zdejmuje z `reszta` wszystko do ostatniej cyfry;
// przy bledzie `reszta` zostaje bez zmian.
[[nodiscard]] std::optional<std::int32_t> zdejmijLiczbe32(std::string_view& reszta);

// Dopisuje liczbe dziesietnie (bez zer wiodacych, minus tylko dla ujemnych).
void dopiszLiczbe(std::string& cel, std::int64_t wartosc);

// Dodawanie i odejmowanie z nasyceniem na granicach int64: saldo z wrogiego pliku nie moze
// wywolac UB.
[[nodiscard]] std::int64_t dodajNasycajac(std::int64_t a, std::int64_t b);
[[nodiscard]] std::int64_t odejmijNasycajac(std::int64_t a, std::int64_t b);
// Saldo adresu po jednej transakcji: wplata, gdy adres jest odbiorca, wydatek, gdy nadawca
// (jedno i drugie przy platnosci do siebie).
[[nodiscard]] std::int64_t poTransakcji(std::int64_t saldo, std::int64_t kwota, bool wplata,
                                        bool wydatek);

#pragma once
// Fraza odzyskiwania: 12 slow z angielskiej listy BIP39, ziarno = SHA-256 tekstu frazy.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/klucze.h"
#include "portfel/portfel.h"

// 2048 slow w kolejnosci listy: [0] "abandon", [2047] "zoo".
extern const std::array<std::string_view, 2048> listaBIP39;

using Fraza = std::vector<std::string>;

inline constexpr std::size_t SLOW_WE_FRAZIE = 12;

// Dwanascie niezaleznie losowanych slow (randombytes_uniform, wymaga sodium_init).
[[nodiscard]] Fraza generujFraze();

// Slowa rozdzielone pojedyncza spacja.
[[nodiscard]] std::string tekstFrazy(const Fraza& fraza);

// Ciecie na ciagach bialych znakow ASCII (spacja, \t, \n, \v, \f, \r); bez pustych slow.
[[nodiscard]] Fraza podzielFraze(std::string_view tekst);

// Dokladne porownanie z lista (z rozroznieniem wielkosci liter).
[[nodiscard]] bool naLiscieBIP39(std::string_view slowo);

[[nodiscard]] Ziarno ziarnoZFrazy(const Fraza& fraza);

// Para kluczy z ziarna frazy zapisana przez zapiszPortfel.
[[nodiscard]] bool zapiszPortfelZFrazy(const Fraza& fraza, const std::string& sciezka);

#pragma once
// Walidacja z saldami: cala od genezy albo tylko bloki za juz sprawdzonym poczatkiem.
// Obie sprawdzaja te same reguly tym samym kodem, wiec decyzja i komunikat sa te same.

#include <cstddef>
#include <vector>

#include "core/blockchain.h"

// Jak czyLancuchPoprawny(), a przy sukcesie zostawia w `salda` salda po ostatnim bloku.
[[nodiscard]] bool czyPoprawnyZSaldami(const Blockchain& ksiega, Salda& salda);

// Sprawdza bloki od pozycji `od` (od >= 1), zakladajac, ze bloki [0, od) przeszly walidacje
// i zostawily salda `baza`. `baza` nie jest zmieniana; zmienione salda trafiaja do `zmiany`.
[[nodiscard]] bool czyPoprawnyOd(const Blockchain& ksiega, std::size_t od, const Salda& baza,
                                 Salda& zmiany);

// Jak czyPoprawnyOd na lancuchu `ksiega` z dopisanymi na koncu blokami `nowe`, bez skladania
// ich w jedna liste.
[[nodiscard]] bool czyPoprawnyZNowymi(const Blockchain& ksiega, std::size_t od,
                                      const std::vector<Blok>& nowe, const Salda& baza,
                                      Salda& zmiany);

// Naklada zmiany z czyPoprawnyOd na salda bazowe.
void nalozZmiany(Salda& baza, Salda&& zmiany);

#pragma once
// Walidacja z saldami: cala od genezy albo tylko bloki za juz sprawdzonym poczatkiem.
// Obie sprawdzaja te same reguly tym samym kodem, wiec decyzja i pierwszy zly blok sa te same.
// Wynikiem jest zlamana regula i indeks bloku; wiersz dla uzytkownika sklada dziennik.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/blockchain.h"

// Regula, ktorej blok nie spelnia (w kolejnosci sprawdzania).
enum class RegulaBloku {
    hash,       // dane niezgodne z hashem bloku
    polaczenie, // poprzedni hash nie wskazuje poprzedniego bloku
    podpis,     // transakcja z niepoprawnym podpisem
    saldo,      // wydatek ponad saldo nadawcy (takze ujemna kwota, przepelnienie)
    nagroda,    // zla albo druga nagroda za kopanie
};

struct BladBloku {
    RegulaBloku regula = RegulaBloku::hash;
    std::int64_t indeks = 0; // indeks zapisany w bloku

    friend bool operator==(const BladBloku&, const BladBloku&) = default;
};

// Nic, gdy lancuch jest poprawny; inaczej pierwszy zly blok.
using WynikWalidacji = std::optional<BladBloku>;

// Caly lancuch od genezy.
[[nodiscard]] WynikWalidacji sprawdzLancuch(const Blockchain& ksiega);

// Jak sprawdzLancuch, a przy sukcesie zostawia w `salda` salda po ostatnim bloku.
[[nodiscard]] WynikWalidacji sprawdzZSaldami(const Blockchain& ksiega, Salda& salda);

// Sprawdza bloki od pozycji `od` (od >= 1), zakladajac, ze bloki [0, od) przeszly walidacje
// i zostawily salda `baza`. `baza` nie jest zmieniana; zmienione salda trafiaja do `zmiany`.
[[nodiscard]] WynikWalidacji sprawdzOd(const Blockchain& ksiega, std::size_t od, const Salda& baza,
                                       Salda& zmiany);

// Jak sprawdzOd na lancuchu `ksiega` z dopisanymi na koncu blokami `nowe`, bez skladania
// ich w jedna liste.
[[nodiscard]] WynikWalidacji sprawdzZNowymi(const Blockchain& ksiega, std::size_t od,
                                            const std::vector<Blok>& nowe, const Salda& baza,
                                            Salda& zmiany);

// Naklada zmiany z sprawdzOd na salda bazowe.
void nalozZmiany(Salda& baza, Salda&& zmiany);

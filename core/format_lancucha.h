#pragma once
// Tekst lancucha: zapis i odczyt.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/blockchain.h"

// Pierwszy wiersz kazdego bloku w tekscie lancucha.
inline constexpr std::string_view ZNACZNIK_BLOKU = "=== BLOK ===";

[[nodiscard]] std::string serializujLancuch(const Blockchain& ksiega);
[[nodiscard]] bool parsujLancuch(Blockchain& ksiega, std::string_view tekst);

// Szacunek pamieci, ktora zajmie odczytany lancuch (bloki, transakcje, napisy na stercie,
// zapas wektorow), liczony bez budowania czegokolwiek. Pozwala odrzucic tekst, ktorego
// postac w pamieci bylaby wielokrotnie wieksza niz on sam (np. miliony pustych transakcji).
[[nodiscard]] std::uint64_t szacujPamiecLancucha(std::string_view tekst);
// Bloki odczytane z tekstu razem z polozeniem ostatniego z nich.
struct OdczytaneBloki {
    std::vector<Blok> bloki;
    std::size_t poczatekOstatniego = 0;
    std::size_t koniecOstatniego = 0;
};

// Reguly jak w parsujLancuch; false przy zlej liczbie (wtedy `wynik` nie ma znaczenia).
// Pusta lista blokow to poprawny wynik: tekst bez pelnego bloku.
[[nodiscard]] bool parsujBloki(std::string_view tekst, OdczytaneBloki& wynik);

// Jak parsujBloki, ale poczatkowe bloki tekstu rowne kolejnym blokom `wzor` nie sa budowane:
// `wspolnych` mowi, ile ich bylo, a `wynik` dostaje tylko bloki za nimi. Bloki tekstu to
// wzor[0, wspolnych) i po nich wynik.bloki.
[[nodiscard]] bool parsujZaWspolnymi(std::string_view tekst, const std::vector<Blok>& wzor,
                                     std::size_t& wspolnych, OdczytaneBloki& wynik);

// Tekst jednego bloku, dopisany na koncu `tekst`.
void dopiszTekstBloku(std::string& tekst, const Blok& blok);

#pragma once
// Tekst lancucha: zapis i odczyt.

#include <cstdint>
#include <string>
#include <string_view>

#include "blockchain.h"

[[nodiscard]] std::string serializujLancuch(const Blockchain& ksiega);
[[nodiscard]] bool parsujLancuch(Blockchain& ksiega, std::string_view tekst);

// Szacunek pamieci, ktora zajmie odczytany lancuch (bloki, transakcje, napisy na stercie,
// zapas wektorow), liczony bez budowania czegokolwiek. Pozwala odrzucic tekst, ktorego
// postac w pamieci bylaby wielokrotnie wieksza niz on sam (np. miliony pustych transakcji).
[[nodiscard]] std::uint64_t szacujPamiecLancucha(std::string_view tekst);

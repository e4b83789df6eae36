#pragma once
// Tekst lancucha: zapis i odczyt.

#include <string>
#include <string_view>

#include "blockchain.h"

[[nodiscard]] std::string serializujLancuch(const Blockchain& ksiega);
[[nodiscard]] bool parsujLancuch(Blockchain& ksiega, std::string_view tekst);

#pragma once
// Skrot SHA-256 i tekst szesnastkowy.

#include <cstddef>
#include <string>
#include <string_view>

// Tekst skrotu: 64 male cyfry szesnastkowe.
[[nodiscard]] std::string sha256Hex(std::string_view tekst);

// Surowe 32 bajty skrotu, bez tekstu.
void sha256Bajty(std::string_view tekst, unsigned char (&skrot)[32]);

// Dwie male cyfry na bajt, starszy polbajt pierwszy.
[[nodiscard]] std::string bajtyNaHex(const unsigned char* bajty, std::size_t ile);

// Wypelnia `ile` bajtow z pierwszych 2*ile znakow tekstu (jak strtol o podstawie 16).
// Zamiast wyjatku odpowiada false; bajty zapisane przed zla para zostaja.
[[nodiscard]] bool hexNaBajty(std::string_view tekst, unsigned char* wyjscie, std::size_t ile);

#pragma once
// Kolorowa kropka przed komunikatem w linii statusu nasluchu.

#include <QString>

inline constexpr const char* KOLOR_CZERWONY = "#e74c3c";
inline constexpr const char* KOLOR_POMARANCZOWY = "#f39c12";
inline constexpr const char* KOLOR_ZIELONY = "#27ae60";

// Tekst sformatowany: kolko w kolorze `kolor`, spacja, potem komunikat.
[[nodiscard]] QString kropkaStatusu(const QString& kolor, const QString& wiadomosc);

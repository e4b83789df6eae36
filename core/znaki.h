#pragma once
// Klasy pojedynczych znakow ASCII, wspolne dla odczytu liczb, wyrazow, frazy i nazwy.

// Bialy znak jak isspace w locale "C": spacja, \t, \n, \v, \f, \r (bez zaleznosci od locale).
[[nodiscard]] constexpr bool bialyZnak(char z)
{
    return z == ' ' || (z >= '\t' && z <= '\r');
}

#pragma once
// Czytanie wyrazow i liczb tak, jak robi to strumien (operator >>).

#include <string_view>

// Pomija biale znaki, zwraca wyraz do nastepnego bialego znaku (pusty, gdy nic nie zostalo).
[[nodiscard]] std::string_view nastepnyWyraz(std::string_view& reszta);
// Znak i cyfry do pierwszej nie-cyfry; brak cyfr albo wartosc poza int to blad.
[[nodiscard]] bool czytajInt(std::string_view& reszta, int& wynik);

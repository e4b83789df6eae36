#pragma once
// Wczytanie i zapis pliku lancucha kosztem tego, co sie zmienilo: plik, ktory tylko urosl,
// jest doczytywany od konca trzymanej czesci, a nowe bloki sa dopisywane na koncu.
// Wszystkie funkcje zakladaja, ze wolajacy trzyma blokade pliku (PlikLancucha).

#include <string>

#include "core/blockchain.h"

enum class Wczytanie { bezZmian, doczytano, trzebaCalosci, blad };

// Plik `stan.sciezka` na dysku jest dokladnie tym, ktory stan zna (ten sam plik, rozmiar, czasy).
[[nodiscard]] bool plikTakiJakStan(const StanPliku& stan);
// Gdy plik jest ten sam i tylko urosl za trzymana czescia, doczytuje nowe bloki.
[[nodiscard]] Wczytanie wczytajPrzyrost(Blockchain& ksiega, const std::string& sciezka);
// Caly plik od nowa; zapamietuje jego stan do nastepnych wczytan i zapisow.
[[nodiscard]] bool wczytajCalosc(Blockchain& ksiega, const std::string& sciezka);

// Dopisuje bloki za trzymana czescia pliku (najpierw obcina plik do jej dlugosci), fsync.
// false, gdy plik nie jest tym, ktory lancuch zna, albo zapis sie nie udal.
[[nodiscard]] bool dopiszDoPliku(Blockchain& ksiega, const std::string& sciezka);
// Zapis atomowy calosci, z zapamietaniem stanu pliku.
[[nodiscard]] bool zapiszCalosc(Blockchain& ksiega, const std::string& sciezka);

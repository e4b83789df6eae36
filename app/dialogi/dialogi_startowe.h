#pragma once
// Okna dialogowe pierwszego startu: jezyk, nazwa, portfel i fraza odzyskiwania.
// Kazde jest modalne, bez rodzica, i konczy sie zanim ruszy nastepny krok startu.

#include <QString>

#include "portfel/fraza.h"
#include "wezel/katalog_danych.h"

inline constexpr char JEZYK_ZRODLOWY[] = "pl_PL";

// Kod wybranego jezyka, zapisany do jezyk.txt; zamkniecie bez wyboru daje "pl_PL".
[[nodiscard]] QString wybierzJezyk(const KatalogDanych& katalog);

// Nazwa po obcieciu bialych znakow, zapisana do nazwa_uzytkownika.txt;
// zamkniecie okna bez przycisku daje pusta nazwe i nie rusza pliku.
[[nodiscard]] QString zapytajONazwe(const KatalogDanych& katalog);

// Gdy nie ma moj_portfel.dat: nowy portfel z nowej frazy albo odtworzony z wpisanej.
void przygotujPortfel(const KatalogDanych& katalog);

// Pokazuje nowa fraze do zapisania na kartce.
void pokazFraze(const Fraza& fraza);

// Dwanascie poprawnych slow albo pusta lista, gdy uzytkownik zamknal okno.
[[nodiscard]] Fraza wpiszFraze();

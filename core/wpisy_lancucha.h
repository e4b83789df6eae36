#pragma once
// Wpisy dziennika z typowanych wynikow lancucha i jego pliku (walidacja, bramka, zapis,
// kopanie): wolajacy zglasza je po fakcie, w kolejnosci, w jakiej sie zdarzyly.

#include <string>

#include "core/bramka_lancucha.h"
#include "core/dziennik.h"
#include "core/plik_lancucha.h"
#include "core/walidacja.h"

[[nodiscard]] Wpis wpisBledu(const BladBloku& blad);
[[nodiscard]] Wpis wpisOdmowy(const OdmowaBramki& odmowa);

// Odlozenie nieczytelnego pliku, nieudane odlozenie albo FIFO/urzadzenie pod nazwa pliku;
// nic, gdy plik sie wczytal.
void zglosPrzedZapisem(Dziennik& dziennik, const PrzedZapisem& przed);

// Wszystko, co zdarzylo sie w kopIZapisz: odlozenie pliku, wykopany blok, odmowa, blad zapisu.
void zglosKopanie(Dziennik& dziennik, const WynikKopania& wynik);

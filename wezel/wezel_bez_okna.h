#pragma once
// Wezel bez okna: obiekt wezla uruchomiony od razu (nasluch, obecnosc, opcjonalnie kopanie)
// i zatrzymywany sygnalem.

#include <chrono>
#include <csignal>

#include "wezel/katalog_danych.h"
#include "wezel/opcje_wezla.h"

// Zatrzymanie ma sie zmiescic w CZAS_NA_WYJSCIE: tyle czekamy na watki, reszta zostaje na
// ewentualne dokonczenie wykopywanego bloku pod blokada zapisu. Wypychanie zapisanych juz
// blokow dostaje to, co zostalo z calego czasu.
inline constexpr std::chrono::milliseconds CZAS_NA_ZATRZYMANIE{700};

// Dziala do nadejscia ktoregos z `sygnaly` (zablokowanych we wszystkich watkach).
// Wynik to kod wyjscia procesu.
[[nodiscard]] int uruchomWezelBezOkna(const OpcjeWezla& opcje, const KatalogDanych& katalog,
                                      const sigset_t& sygnaly);

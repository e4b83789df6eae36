#pragma once
// Jedno wypchniecie lancucha do jednego wezla: typowany wynik, zapis w tabeli zdrowia
// i jeden wpis dziennika. Co dokladnie idzie po sieci, wie tylko wypchnijDoWezla.

#include <chrono>
#include <stop_token>
#include <string>
#include <string_view>

#include "core/dziennik.h"
#include "net/gniazda.h"
#include "net/wezly.h"
#include "net/wypchniecie_blokami.h"

enum class WynikWypchniecia { wyslano, nieudane, zatrzymane };

// Wpis dziennika o wyniku wypchniecia do wezla.
[[nodiscard]] Wpis wpisWypchniecia(WynikWypchniecia wynik, const Wezel& wezel);

// Wezel tego programu dostaje tylko brakujace bloki, wezel starego rodzaju caly lancuch;
// odpowiedz scalana z plikiem wezlow. Przerwane przez `stop` daje `zatrzymane`; inne wyniki
// trafiaja do zdrowieWezlow(). `rozmowa` (gdy podana) dostaje to, co wezel odpowiedzial.
[[nodiscard]] WynikWypchniecia wypchnijDoWezla(Dziennik& dziennik, const ZrodloWypchniecia& zrodlo, const Wezel& wezel,
                                               const std::string& plikWezlow, int mojPort,
                                               const std::stop_token& stop,
                                               std::chrono::milliseconds limitOdbioru,
                                               RozmowaWypchniecia* rozmowa = nullptr);

#pragma once
// Jedno wypchniecie lancucha do jednego wezla: typowany wynik, zapis w tabeli zdrowia
// i jeden wiersz konsoli. Co dokladnie idzie po sieci, wie tylko wypchnijDoWezla.

#include <chrono>
#include <string>
#include <string_view>

#include "gniazda.h"
#include "wezly.h"

enum class WynikWypchniecia { wyslano, nieudane, zatrzymane };

// Wiersz konsoli (z koncem wiersza) o wyniku wypchniecia do wezla.
[[nodiscard]] std::string wierszWypchniecia(WynikWypchniecia wynik, const Wezel& wezel);

// Polaczenie, zapytanie z lancuchem i lista wezlow, scalenie odpowiedzi. Przerwane przez
// zatrzymanie watku (ZakresStopu) daje `zatrzymane`; inne wyniki trafiaja do zdrowieWezlow().
[[nodiscard]] WynikWypchniecia wypchnijDoWezla(std::string_view tekstLancucha, const Wezel& wezel,
                                               const std::string& plikWezlow, int mojPort,
                                               std::chrono::milliseconds limitOdbioru);

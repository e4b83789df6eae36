#pragma once
// Ustawienia wezla wspolne dla serwera i wypychacza lancucha.

#include <chrono>
#include <string>

#include "core/dziennik.h"
#include "net/gniazda.h"

struct UstawieniaWezla {
    // Wyniki, decyzje i bledy.
    Dziennik& dziennik;
    std::string plikLancucha;
    std::string plikWezlow;
    // Port, na ktorym ten wezel nasluchuje (-1: zaden); jego wpis nie trafia na liste wezlow.
    int mojPort = -1;
    std::chrono::milliseconds limitOdbioru = LIMIT_ODBIORU;
};

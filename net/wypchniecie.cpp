#include "net/wypchniecie.h"

#include "net/wymiana_lancucha.h"
#include "net/zdrowie_wezlow.h"

Wpis wpisWypchniecia(WynikWypchniecia wynik, const Wezel& wezel)
{
    RodzajWpisu rodzaj = RodzajWpisu::rozglaszaniePrzerwane;
    if (wynik == WynikWypchniecia::wyslano)
        rodzaj = RodzajWpisu::rozgloszono;
    else if (wynik == WynikWypchniecia::nieudane)
        rodzaj = RodzajWpisu::nieRozgloszono;
    return {.rodzaj = rodzaj, .adres = adresWezla(wezel.ip, wezel.port)};
}

WynikWypchniecia wypchnijDoWezla(Dziennik& dziennik, const ZrodloWypchniecia& zrodlo, const Wezel& wezel,
                                 const std::string& plikWezlow, int mojPort,
                                 const std::stop_token& stop,
                                 std::chrono::milliseconds limitOdbioru,
                                 RozmowaWypchniecia* rozmowa)
{
    const RozmowaWypchniecia wynikRozmowy =
        wypchnijBlokami(dziennik, zrodlo, wezel, wezel.port, plikWezlow, mojPort, stop, limitOdbioru);
    if (rozmowa != nullptr)
        *rozmowa = wynikRozmowy;
    const bool wyslano = osiagniety(wynikRozmowy.wynik);
    if (wyslano) {
        zdrowieWezlow().sukces(wezel, ZegarWezlow::now());
        return WynikWypchniecia::wyslano;
    }
    // Zatrzymanie to nie wina wezla: nie liczy sie jako porazka.
    if (stop.stop_requested())
        return WynikWypchniecia::zatrzymane;
    zdrowieWezlow().porazka(wezel, ZegarWezlow::now());
    return WynikWypchniecia::nieudane;
}

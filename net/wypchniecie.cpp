#include "net/wypchniecie.h"

#include "net/wymiana_lancucha.h"
#include "net/zdrowie_wezlow.h"

std::string wierszWypchniecia(WynikWypchniecia wynik, const Wezel& wezel)
{
    const std::string adres = wezel.ip + ":" + std::to_string(wezel.port);
    switch (wynik) {
    case WynikWypchniecia::wyslano:
        return "Rozgloszono do " + adres + "\n";
    case WynikWypchniecia::nieudane:
        return "Nie udalo sie rozglosic do " + adres + " (offline?)\n";
    case WynikWypchniecia::zatrzymane:
        break;
    }
    return "Rozglaszanie do " + adres + " przerwane - zatrzymanie.\n";
}

WynikWypchniecia wypchnijDoWezla(const ZrodloWypchniecia& zrodlo, const Wezel& wezel,
                                 const std::string& plikWezlow, int mojPort,
                                 const std::stop_token& stop,
                                 std::chrono::milliseconds limitOdbioru,
                                 RozmowaWypchniecia* rozmowa)
{
    const RozmowaWypchniecia wynikRozmowy =
        wypchnijBlokami(zrodlo, wezel, wezel.port, plikWezlow, mojPort, stop, limitOdbioru);
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

#pragma once
// Wezel bez okna: te same watki co w oknie (serwer, obecnosc, kopanie, bootstrap),
// uruchamiane od razu i zatrzymywane sygnalem.

#include <atomic>
#include <chrono>
#include <csignal>
#include <memory>
#include <string>

#include "core/dziennik.h"
#include "wezel/opcje_wezla.h"
#include "wezel/watek_wezla.h"
#include "net/wypychanie.h"

// Zatrzymanie ma sie zmiescic w CZAS_NA_WYJSCIE: tyle czekamy na watki, reszta zostaje na
// ewentualne dokonczenie wykopywanego bloku pod blokada zapisu. Wypychanie zapisanych juz
// blokow dostaje to, co zostalo z calego czasu.
inline constexpr std::chrono::milliseconds CZAS_NA_ZATRZYMANIE{700};

enum class StanSerwera { Czeka, Slucha, Blad };

class WezelBezOkna {
public:
    // `dziennik` zyje dluzej niz wezel; dostaja go wszystkie jego watki.
    WezelBezOkna(Dziennik& dziennik, OpcjeWezla opcje) : dziennik(dziennik), opcje(std::move(opcje)) {}

    // Dziala do nadejscia ktoregos z `sygnaly` (zablokowanych we wszystkich watkach).
    // Wynik to kod wyjscia procesu.
    [[nodiscard]] int uruchom(const sigset_t& sygnaly);

private:
    // Wiersz "talvarin-wezel: BLAD: ..." na wyjscie bledow.
    void zglosBlad(std::string opis);
    [[nodiscard]] bool przygotujKlucz();
    void zapiszSeedy() const;
    // Czeka na wynik otwarcia portu albo sygnal; true, gdy serwer slucha.
    [[nodiscard]] bool czekajNaSerwer(const sigset_t& sygnaly, bool& przerwano);
    void uruchomPoNasluchu();
    [[nodiscard]] int zatrzymaj();

    Dziennik& dziennik;
    OpcjeWezla opcje;
    std::string klucz;
    std::string idWezla;
    std::string nazwa;
    std::atomic<StanSerwera> stanSerwera{StanSerwera::Czeka};
    WatekWezla serwer;
    WatekWezla sluchacz;
    WatekWezla oglaszacz;
    WatekWezla kopanie;
    WatekWezla bootstrap;
    // Pobranie lancucha przy starcie skonczone (kopanie czeka na nie).
    std::atomic<bool> pobranoNaStarcie{false};
    // Wypychanie blokow petli kopania (tylko z --kop); zyje dluzej niz jej watek.
    std::unique_ptr<Wypychacz> wypychacz;
};

#include "core/konsola.h"
#include "wezel/wezel_bez_okna.h"

#include <cstdlib>
#include <iostream>
#include <mutex>
#include <thread>

#include "core/klucze.h"
#include "core/plik_lancucha.h"
#include "core/pliki.h"
#include "portfel/portfel.h"
#include "wezel/praca_wezla.h"
#include "net/rodzaje_wezlow.h"

namespace {

constexpr timespec KROK_CZEKANIA_NA_SERWER{0, 50'000'000};

} // namespace

bool WezelBezOkna::przygotujKlucz()
{
    ParaKluczy klucze;
    if (!opcje.kop) {
        // Bez kopania portfel nie jest potrzebny; istniejacy chroni jednak saldo.
        if (plikIstnieje(PLIK_PORTFELA) && wczytajPortfel(klucze, PLIK_PORTFELA)) {
            (void)zabezpieczPrawaPortfela(PLIK_PORTFELA);
            klucz = kluczPublicznyHex(klucze);
        }
        else
            wypisz("Bez portfela: ochrona salda przy przyjmowaniu lancuchow wylaczona.\n");
        return true;
    }
    if (!plikIstnieje(PLIK_PORTFELA)) {
        klucze = generujPareKluczy();
        if (!zapiszPortfel(klucze, PLIK_PORTFELA)) {
            std::cerr << "talvarin-wezel: BLAD: nie mozna zapisac portfela " << PLIK_PORTFELA
                      << ".\n";
            return false;
        }
        klucz = kluczPublicznyHex(klucze);
        wypisz("Utworzono nowy portfel ", PLIK_PORTFELA, ", klucz publiczny: ", klucz, "\n");
        return true;
    }
    klucze = otworzPortfel();
    klucz = kluczPublicznyHex(klucze);
    wypisz("Kopanie na klucz publiczny: ", klucz, "\n");
    return true;
}

void WezelBezOkna::zapiszSeedy() const
{
    for (const Wezel& seed : opcje.seedy)
        dodajLubUzupelnijWezel(PLIK_SEEDOW, seed.ip, seed.port, std::string(), std::string());
}

bool WezelBezOkna::czekajNaSerwer(const sigset_t& sygnaly, bool& przerwano)
{
    while (stanSerwera.load() == StanSerwera::Czeka) {
        if (::sigtimedwait(&sygnaly, nullptr, &KROK_CZEKANIA_NA_SERWER) > 0) {
            przerwano = true;
            return false;
        }
    }
    return stanSerwera.load() == StanSerwera::Slucha;
}

void WezelBezOkna::uruchomPoNasluchu()
{
    const int port = opcje.port;
    if (usunSiebieZListy(PLIK_WEZLOW, port) > 0)
        wypisz("Usunieto ten wezel z listy ", PLIK_WEZLOW, ".\n");
    std::vector<Wezel> seedy = seedyDoBootstrapu(PLIK_WEZLOW, PLIK_SEEDOW);
    Blockchain kopia;
    if (!seedy.empty())
        static_cast<void>(wczytajLancuch(kopia, PLIK_LANCUCHA));
    // Bootstrap, potem pobranie dluzszego lancucha od znanych wezlow; kopanie czeka na nie,
    // zeby nowy gornik nie odgalezil sie od sieci od pierwszego bloku.
    if (!bootstrap.uruchom([this, kopia = std::move(kopia), seedy = std::move(seedy),
                            port](const std::stop_token& stop) {
            if (!seedy.empty())
                pracaBootstrapu(kopia, seedy, port, stop, nullptr);
            pracaPobierania(klucz, port, stop);
            pobranoNaStarcie = true;
        })) {
        wypisz("BLAD: nie udalo sie utworzyc watku bootstrapu.\n");
        pobranoNaStarcie = true;
    }
    if (!opcje.bezObecnosci) {
        const bool sluchaczDziala = sluchacz.uruchom([this, port](const std::stop_token& stop) {
            pracaSluchaczaObecnosci(port, idWezla, stop,
                                    [](const std::string& ip, int portWezla) {
                                        wypisz("Wykryto nowy wezel w sieci: ", ip, ":", portWezla, "\n");
                                    });
        });
        const bool oglaszaczDziala = oglaszacz.uruchom([this, port](const std::stop_token& stop) {
            pracaOglaszacza(port, idWezla, klucz, nazwa, stop);
        });
        if (!sluchaczDziala || !oglaszaczDziala)
            wypisz("BLAD: nie udalo sie utworzyc watku obecnosci.\n");
    }
    if (!opcje.kop)
        return;
    wypychacz = wypychaczPetli(port);
    if (!kopanie.uruchom([this](const std::stop_token& stop) {
            while (!pobranoNaStarcie.load() && !stop.stop_requested())
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            // Nieudany zapis konczy petle; kopIZapisz wypisal juz przyczyne.
            static_cast<void>(petlaKopania(klucz, stop, kopIZapisz, *wypychacz));
        }))
        wypisz("BLAD: nie udalo sie utworzyc watku kopania w petli.\n");
}

int WezelBezOkna::zatrzymaj()
{
    for (WatekWezla* watek : {&serwer, &sluchacz, &oglaszacz, &kopanie, &bootstrap})
        watek->zatrzymaj();
    const auto start = std::chrono::steady_clock::now();
    bool wszystkie = true;
    for (WatekWezla* watek : {&serwer, &sluchacz, &oglaszacz, &kopanie, &bootstrap})
        wszystkie = watek->dolacz(start + CZAS_NA_ZATRZYMANIE) && wszystkie;
    // Bloki juz zapisane maja dotrzec do wezlow; co sie nie zmiesci, jest przerywane.
    if (wypychacz)
        wypychacz->zakoncz(start + CZAS_NA_WYJSCIE);
    if (wszystkie) {
        wypisz("Wezel zatrzymany.\n");
        return EXIT_SUCCESS;
    }
    // Watek utknal w rozmowie z wolnym wezlem. Pod obiema blokadami lancucha zaden zapis
    // nie trwa ani sie nie zacznie; pliki wezlow i tak sa podmieniane atomowo.
    const std::lock_guard zapis(mutexZapisuLancucha);
    const std::lock_guard plik(mutexPlikuLancucha);
    wypisz("Watki sieci nie skonczyly w czasie - wyjscie bez czekania na nie" " (zaden zapis lancucha nie trwa).\n");
    std::_Exit(EXIT_SUCCESS);
}

int WezelBezOkna::uruchom(const sigset_t& sygnaly)
{
    if (!przygotujKlucz())
        return EXIT_FAILURE;
    zapiszSeedy();
    ustawSynchronizacje(!opcje.bezSynchronizacji);
    idWezla = wygenerujIdWezla();
    nazwa = wczytajNazweUzytkownika();
    const int port = opcje.port;
    if (!serwer.uruchom([this, port](const std::stop_token& stop) {
            pracaSerwera(port, klucz, stop, [this](bool sukces) {
                stanSerwera = sukces ? StanSerwera::Slucha : StanSerwera::Blad;
            });
        })) {
        std::cerr << "talvarin-wezel: BLAD: nie udalo sie utworzyc watku serwera.\n";
        return EXIT_FAILURE;
    }
    bool przerwano = false;
    if (!czekajNaSerwer(sygnaly, przerwano)) {
        if (przerwano)
            return zatrzymaj();
        static_cast<void>(serwer.dolacz(std::chrono::steady_clock::time_point::max()));
        std::cerr << "talvarin-wezel: BLAD: nie mozna nasluchiwac na porcie " << port
                  << " (port juz zajety?).\n";
        return EXIT_FAILURE;
    }
    uruchomPoNasluchu();
    wypisz("Wezel dziala na porcie ", port, " (zatrzymanie: SIGINT albo SIGTERM).\n");
    int sygnal = 0;
    while (::sigwait(&sygnaly, &sygnal) != 0) {
    }
    wypisz("Otrzymano sygnal ", sygnal, " - zatrzymuje wezel.\n");
    return zatrzymaj();
}

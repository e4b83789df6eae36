#include "wezel/wezel_bez_okna.h"

#include <cstdlib>
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

void WezelBezOkna::zglosBlad(std::string opis)
{
    dziennik.zglos({.rodzaj = RodzajWpisu::bladProgramu, .tekst = "talvarin-wezel", .opis = std::move(opis)});
}

bool WezelBezOkna::przygotujKlucz()
{
    ParaKluczy klucze;
    if (!opcje.kop) {
        // Bez kopania portfel nie jest potrzebny; istniejacy chroni jednak saldo.
        if (plikIstnieje(PLIK_PORTFELA) && wczytajPortfel(klucze, PLIK_PORTFELA)) {
            (void)zabezpieczPrawaPortfela(dziennik, PLIK_PORTFELA);
            klucz = kluczPublicznyHex(klucze);
        }
        else
            dziennik.zglos({.rodzaj = RodzajWpisu::bezPortfela});
        return true;
    }
    if (!plikIstnieje(PLIK_PORTFELA)) {
        klucze = generujPareKluczy();
        if (!zapiszPortfel(klucze, PLIK_PORTFELA)) {
            zglosBlad(std::string("nie mozna zapisac portfela ") + PLIK_PORTFELA + ".");
            return false;
        }
        klucz = kluczPublicznyHex(klucze);
        dziennik.zglos({.rodzaj = RodzajWpisu::utworzonoPortfel, .plik = PLIK_PORTFELA, .tekst = klucz});
        return true;
    }
    klucze = otworzPortfel(dziennik);
    klucz = kluczPublicznyHex(klucze);
    dziennik.zglos({.rodzaj = RodzajWpisu::kopanieNaKlucz, .tekst = klucz});
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
        dziennik.zglos({.rodzaj = RodzajWpisu::usunietoSiebieZListy, .plik = PLIK_WEZLOW});
    std::vector<Wezel> seedy = seedyDoBootstrapu(PLIK_WEZLOW, PLIK_SEEDOW);
    Blockchain kopia;
    if (!seedy.empty())
        static_cast<void>(wczytajLancuch(kopia, PLIK_LANCUCHA));
    // Bootstrap, potem pobranie dluzszego lancucha od znanych wezlow; kopanie czeka na nie,
    // zeby nowy gornik nie odgalezil sie od sieci od pierwszego bloku.
    if (!bootstrap.uruchom([this, kopia = std::move(kopia), seedy = std::move(seedy),
                            port](const std::atomic<bool>& stop) {
            if (!seedy.empty())
                pracaBootstrapu(dziennik, kopia, seedy, port, nullptr);
            pracaPobierania(dziennik, klucz, port, stop);
            pobranoNaStarcie = true;
        })) {
        dziennik.zglos({.rodzaj = RodzajWpisu::bladWatku, .tekst = "bootstrapu"});
        pobranoNaStarcie = true;
    }
    if (!opcje.bezObecnosci) {
        const bool sluchaczDziala = sluchacz.uruchom([this, port](const std::atomic<bool>& stop) {
            pracaSluchaczaObecnosci(dziennik, port, idWezla, stop,
                                    [this](const std::string& ip, int portWezla) {
                                        dziennik.zglos({.rodzaj = RodzajWpisu::wykrytoWezel,
                                                        .port = portWezla, .adres = ip});
                                    });
        });
        const bool oglaszaczDziala = oglaszacz.uruchom([this, port](const std::atomic<bool>& stop) {
            pracaOglaszacza(port, idWezla, klucz, nazwa, stop);
        });
        if (!sluchaczDziala || !oglaszaczDziala)
            dziennik.zglos({.rodzaj = RodzajWpisu::bladWatku, .tekst = "obecnosci"});
    }
    if (!opcje.kop)
        return;
    wypychacz = wypychaczPetli(dziennik, port);
    if (!kopanie.uruchom([this](const std::atomic<bool>& stop) {
            while (!pobranoNaStarcie.load() && !stop.load())
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            // Nieudany zapis konczy petle; kopacz zglosil juz przyczyne.
            static_cast<void>(petlaKopania(klucz, stop, kopaczZDziennikiem(dziennik), *wypychacz));
        }))
        dziennik.zglos({.rodzaj = RodzajWpisu::bladWatkuKopania});
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
        dziennik.zglos({.rodzaj = RodzajWpisu::wezelZatrzymany});
        return EXIT_SUCCESS;
    }
    // Watek utknal w rozmowie z wolnym wezlem. Pod obiema blokadami lancucha zaden zapis
    // nie trwa ani sie nie zacznie; pliki wezlow i tak sa podmieniane atomowo.
    const std::lock_guard zapis(mutexZapisuLancucha);
    const std::lock_guard plik(mutexPlikuLancucha);
    dziennik.zglos({.rodzaj = RodzajWpisu::watkiNieSkonczyly});
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
    if (!serwer.uruchom([this, port](const std::atomic<bool>& stop) {
            pracaSerwera(dziennik, port, klucz, stop, [this](bool sukces) {
                stanSerwera = sukces ? StanSerwera::Slucha : StanSerwera::Blad;
            });
        })) {
        zglosBlad("nie udalo sie utworzyc watku serwera.");
        return EXIT_FAILURE;
    }
    bool przerwano = false;
    if (!czekajNaSerwer(sygnaly, przerwano)) {
        if (przerwano)
            return zatrzymaj();
        static_cast<void>(serwer.dolacz(std::chrono::steady_clock::time_point::max()));
        zglosBlad("nie mozna nasluchiwac na porcie " + std::to_string(port) + " (port juz zajety?).");
        return EXIT_FAILURE;
    }
    uruchomPoNasluchu();
    dziennik.zglos({.rodzaj = RodzajWpisu::wezelDziala, .port = port});
    int sygnal = 0;
    while (::sigwait(&sygnaly, &sygnal) != 0) {
    }
    dziennik.zglos({.rodzaj = RodzajWpisu::otrzymanoSygnal, .ile = sygnal});
    return zatrzymaj();
}

#include "wezel/wezel_bez_okna.h"

#include <cstdlib>
#include <filesystem>
#include <mutex>

#include "core/klucze.h"
#include "core/dziennik.h"
#include "core/plik_lancucha.h"
#include "core/pliki.h"
#include "net/obecnosc.h"
#include "net/rodzaje_wezlow.h"
#include "portfel/portfel.h"
#include "wezel/wezel.h"

namespace {

constexpr timespec KROK_CZEKANIA_NA_SERWER{0, 50'000'000};

enum class StanSerwera { Czeka, Slucha, Blad };

// Nazwa pliku bez folderu: wiersze konsoli mowia o pliku tak samo w kazdym folderze danych.
std::string nazwaPliku(const std::string& sciezka)
{
    return std::filesystem::path(sciezka).filename().string();
}

// Zdarzenia wezla w dzienniku; reszte wezel zglasza sam.
class ObserwatorKonsoli : public ObserwatorWezla {
public:
    explicit ObserwatorKonsoli(Dziennik& dziennik) : dziennik(dziennik) {}
    void nasluchGotowy(int /*port*/, bool sukces) override
    {
        stan = sukces ? StanSerwera::Slucha : StanSerwera::Blad;
    }
    void wykrytoWezel(const std::string& ip, int port) override
    {
        dziennik.zglos({.rodzaj = RodzajWpisu::wykrytoWezel, .port = port, .adres = ip});
    }

    Dziennik& dziennik;
    std::atomic<StanSerwera> stan{StanSerwera::Czeka};
};

// Klucz publiczny portfela; false, gdy portfela dla kopania nie dalo sie zapisac.
bool przygotujKlucz(Dziennik& dziennik, const OpcjeWezla& opcje, const KatalogDanych& katalog,
                    std::string& klucz)
{
    ParaKluczy klucze;
    if (!opcje.kop) {
        // Bez kopania portfel nie jest potrzebny; istniejacy chroni jednak saldo.
        if (plikIstnieje(katalog.portfel) && wczytajPortfel(klucze, katalog.portfel)) {
            (void)zabezpieczPrawaPortfela(dziennik, katalog.portfel);
            klucz = kluczPublicznyHex(klucze);
        }
        else
            dziennik.zglos({.rodzaj = RodzajWpisu::bezPortfela});
        return true;
    }
    if (!plikIstnieje(katalog.portfel)) {
        klucze = generujPareKluczy();
        if (!zapiszPortfel(klucze, katalog.portfel)) {
            dziennik.zglos({.rodzaj = RodzajWpisu::bladProgramu, .tekst = "talvarin-wezel",
                            .opis = "nie mozna zapisac portfela " + nazwaPliku(katalog.portfel) + "."});
            return false;
        }
        klucz = kluczPublicznyHex(klucze);
        dziennik.zglos({.rodzaj = RodzajWpisu::utworzonoPortfel, .plik = nazwaPliku(katalog.portfel),
                        .tekst = klucz});
        return true;
    }
    klucze = otworzPortfel(dziennik, katalog.portfel);
    klucz = kluczPublicznyHex(klucze);
    dziennik.zglos({.rodzaj = RodzajWpisu::kopanieNaKlucz, .tekst = klucz});
    return true;
}

// Czeka na wynik otwarcia portu albo sygnal; true, gdy serwer slucha.
bool czekajNaSerwer(const ObserwatorKonsoli& obserwator, const sigset_t& sygnaly, bool& przerwano)
{
    while (obserwator.stan.load() == StanSerwera::Czeka) {
        if (::sigtimedwait(&sygnaly, nullptr, &KROK_CZEKANIA_NA_SERWER) > 0) {
            przerwano = true;
            return false;
        }
    }
    return obserwator.stan.load() == StanSerwera::Slucha;
}

void uruchomPoNasluchu(WezelProgramu& wezel, const OpcjeWezla& opcje)
{
    Dziennik& dziennik = wezel.dziennikWezla();
    const StartPoNasluchu start = wezel.uruchomPoNasluchu(opcje.port, !opcje.bezObecnosci);
    if (start.usunietoSiebie > 0)
        dziennik.zglos({.rodzaj = RodzajWpisu::usunietoSiebieZListy,
                        .plik = nazwaPliku(wezel.katalog().wezly)});
    if (!start.obecnosc)
        dziennik.zglos({.rodzaj = RodzajWpisu::bladWatku, .tekst = "obecnosci"});
    if (opcje.kop && !wezel.uruchomPetle(opcje.port, false))
        dziennik.zglos({.rodzaj = RodzajWpisu::bladWatkuKopania});
}

int zatrzymaj(WezelProgramu& wezel)
{
    const auto start = std::chrono::steady_clock::now();
    if (wezel.zatrzymaj(start + CZAS_NA_ZATRZYMANIE, start + CZAS_NA_WYJSCIE)) {
        wezel.dziennikWezla().zglos({.rodzaj = RodzajWpisu::wezelZatrzymany});
        return EXIT_SUCCESS;
    }
    // Watek utknal w rozmowie z wolnym wezlem. Pod obiema blokadami lancucha zaden zapis
    // nie trwa ani sie nie zacznie; pliki wezlow i tak sa podmieniane atomowo.
    PlikLancucha& lancuch = PlikLancucha::dla(wezel.katalog().lancuch);
    const Blokada zapis(lancuch.blokadaZapisu());
    const Blokada plik(lancuch.blokadaPliku());
    wezel.dziennikWezla().zglos({.rodzaj = RodzajWpisu::watkiNieSkonczyly});
    std::_Exit(EXIT_SUCCESS);
}

} // namespace

int uruchomWezelBezOkna(Dziennik& dziennik, const OpcjeWezla& opcje, const KatalogDanych& katalog,
                        const sigset_t& sygnaly)
{
    TozsamoscWezla ja;
    const auto blad = [&dziennik](std::string opis) {
        dziennik.zglos({.rodzaj = RodzajWpisu::bladProgramu, .tekst = "talvarin-wezel",
                        .opis = std::move(opis)});
    };
    if (!przygotujKlucz(dziennik, opcje, katalog, ja.klucz))
        return EXIT_FAILURE;
    for (const Wezel& seed : opcje.seedy)
        dodajLubUzupelnijWezel(katalog.seedy, seed.ip, seed.port, std::string(), std::string());
    ustawSynchronizacje(!opcje.bezSynchronizacji);
    ja.idWezla = wygenerujIdWezla();
    ja.nazwa = wczytajNazweUzytkownika(katalog.nazwa);
    ObserwatorKonsoli obserwator(dziennik);
    WezelProgramu wezel(katalog, std::move(ja), obserwator, dziennik);
    const int port = opcje.port;
    if (!wezel.uruchomNasluch(port)) {
        blad("nie udalo sie utworzyc watku serwera.");
        return EXIT_FAILURE;
    }
    bool przerwano = false;
    if (!czekajNaSerwer(obserwator, sygnaly, przerwano)) {
        if (przerwano)
            return zatrzymaj(wezel);
        wezel.zatrzymajNasluch();
        blad("nie mozna nasluchiwac na porcie " + std::to_string(port) + " (port juz zajety?).");
        return EXIT_FAILURE;
    }
    uruchomPoNasluchu(wezel, opcje);
    dziennik.zglos({.rodzaj = RodzajWpisu::wezelDziala, .port = port});
    int sygnal = 0;
    while (::sigwait(&sygnaly, &sygnal) != 0) {
    }
    dziennik.zglos({.rodzaj = RodzajWpisu::otrzymanoSygnal, .ile = sygnal});
    return zatrzymaj(wezel);
}

#include "wezel/wezel_bez_okna.h"

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <mutex>

#include "core/klucze.h"
#include "core/konsola.h"
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

// Zdarzenia wezla na konsoli; reszte wezel wypisuje sam.
class ObserwatorKonsoli : public ObserwatorWezla {
public:
    void nasluchGotowy(int /*port*/, bool sukces) override
    {
        stan = sukces ? StanSerwera::Slucha : StanSerwera::Blad;
    }
    void wykrytoWezel(const std::string& ip, int port) override
    {
        wypisz("Wykryto nowy wezel w sieci: ", ip, ":", port, "\n");
    }

    std::atomic<StanSerwera> stan{StanSerwera::Czeka};
};

// Klucz publiczny portfela; false, gdy portfela dla kopania nie dalo sie zapisac.
bool przygotujKlucz(const OpcjeWezla& opcje, const KatalogDanych& katalog, std::string& klucz)
{
    ParaKluczy klucze;
    if (!opcje.kop) {
        // Bez kopania portfel nie jest potrzebny; istniejacy chroni jednak saldo.
        if (plikIstnieje(katalog.portfel) && wczytajPortfel(klucze, katalog.portfel)) {
            (void)zabezpieczPrawaPortfela(katalog.portfel);
            klucz = kluczPublicznyHex(klucze);
        }
        else
            wypisz("Bez portfela: ochrona salda przy przyjmowaniu lancuchow wylaczona.\n");
        return true;
    }
    if (!plikIstnieje(katalog.portfel)) {
        klucze = generujPareKluczy();
        if (!zapiszPortfel(klucze, katalog.portfel)) {
            std::cerr << "talvarin-wezel: BLAD: nie mozna zapisac portfela " << nazwaPliku(katalog.portfel)
                      << ".\n";
            return false;
        }
        klucz = kluczPublicznyHex(klucze);
        wypisz("Utworzono nowy portfel ", nazwaPliku(katalog.portfel), ", klucz publiczny: ", klucz, "\n");
        return true;
    }
    klucze = otworzPortfel(katalog.portfel);
    klucz = kluczPublicznyHex(klucze);
    wypisz("Kopanie na klucz publiczny: ", klucz, "\n");
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
    const StartPoNasluchu start = wezel.uruchomPoNasluchu(opcje.port, !opcje.bezObecnosci);
    if (start.usunietoSiebie > 0)
        wypisz("Usunieto ten wezel z listy ", nazwaPliku(wezel.katalog().wezly), ".\n");
    if (!start.obecnosc)
        wypisz("BLAD: nie udalo sie utworzyc watku obecnosci.\n");
    if (opcje.kop && !wezel.uruchomPetle(opcje.port, false))
        wypisz("BLAD: nie udalo sie utworzyc watku kopania w petli.\n");
}

int zatrzymaj(WezelProgramu& wezel)
{
    const auto start = std::chrono::steady_clock::now();
    if (wezel.zatrzymaj(start + CZAS_NA_ZATRZYMANIE, start + CZAS_NA_WYJSCIE)) {
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

} // namespace

int uruchomWezelBezOkna(const OpcjeWezla& opcje, const KatalogDanych& katalog,
                        const sigset_t& sygnaly)
{
    TozsamoscWezla ja;
    if (!przygotujKlucz(opcje, katalog, ja.klucz))
        return EXIT_FAILURE;
    for (const Wezel& seed : opcje.seedy)
        dodajLubUzupelnijWezel(katalog.seedy, seed.ip, seed.port, std::string(), std::string());
    ustawSynchronizacje(!opcje.bezSynchronizacji);
    ja.idWezla = wygenerujIdWezla();
    ja.nazwa = wczytajNazweUzytkownika(katalog.nazwa);
    ObserwatorKonsoli obserwator;
    WezelProgramu wezel(katalog, std::move(ja), obserwator);
    const int port = opcje.port;
    if (!wezel.uruchomNasluch(port)) {
        std::cerr << "talvarin-wezel: BLAD: nie udalo sie utworzyc watku serwera.\n";
        return EXIT_FAILURE;
    }
    bool przerwano = false;
    if (!czekajNaSerwer(obserwator, sygnaly, przerwano)) {
        if (przerwano)
            return zatrzymaj(wezel);
        wezel.zatrzymajNasluch();
        std::cerr << "talvarin-wezel: BLAD: nie mozna nasluchiwac na porcie " << port
                  << " (port juz zajety?).\n";
        return EXIT_FAILURE;
    }
    uruchomPoNasluchu(wezel, opcje);
    wypisz("Wezel dziala na porcie ", port, " (zatrzymanie: SIGINT albo SIGTERM).\n");
    int sygnal = 0;
    while (::sigwait(&sygnaly, &sygnal) != 0) {
    }
    wypisz("Otrzymano sygnal ", sygnal, " - zatrzymuje wezel.\n");
    return zatrzymaj(wezel);
}

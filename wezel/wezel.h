#pragma once
// Wezel programu: jeden obiekt dla okna i dla wezla bez okna. Trzyma wszystkie watki pracy
// sieci (nasluch, obecnosc, petla kopania, rozgloszenia, bootstrap, pobieranie), kazdy jako
// std::jthread ze swoim stop_token, i mowi o tym, co sie stalo, przez ObserwatorWezla.
// Sterowany z jednego watku (watek okna albo glowny watek wezla bez okna).

#include <atomic>
#include <chrono>
#include <list>
#include <memory>
#include <string>
#include <vector>

#include "core/blockchain.h"
#include "core/dziennik.h"
#include "core/plik_lancucha.h"
#include "net/wezly.h"
#include "net/wypychanie.h"
#include "wezel/katalog_danych.h"
#include "wezel/obserwator_wezla.h"
#include "wezel/praca_wezla.h"
#include "wezel/watek_wezla.h"

// Kim jest ten wezel dla innych.
struct TozsamoscWezla {
    // Klucz publiczny portfela (hex); pusty: bez straznika salda i kopania.
    std::string klucz;
    std::string idWezla;
    std::string nazwa;
};

// Co zrobil start po otwarciu nasluchu.
struct StartPoNasluchu {
    // Ile wpisow tego wezla usunieto z pliku wezlow.
    int usunietoSiebie = 0;
    // Oba watki obecnosci dzialaja (albo nie byly zamowione).
    bool obecnosc = true;
};

class WezelProgramu {
public:
    using Chwila = std::chrono::steady_clock::time_point;

    // `dziennik` zyje dluzej niz wezel; dostaja go wszystkie jego watki.
    WezelProgramu(KatalogDanych katalog, TozsamoscWezla tozsamosc, ObserwatorWezla& obserwator,
                  Dziennik& dziennik);
    // Zatrzymuje wszystko naraz i czeka na kazdy watek; wypchniecia blokow petli dostaja
    // reszte CZAS_NA_WYJSCIE.
    ~WezelProgramu();
    WezelProgramu(const WezelProgramu&) = delete;
    WezelProgramu& operator=(const WezelProgramu&) = delete;

    [[nodiscard]] const KatalogDanych& katalog() const { return pliki; }
    [[nodiscard]] const TozsamoscWezla& tozsamosc() const { return ja; }
    [[nodiscard]] Dziennik& dziennikWezla() const { return dziennik; }
    // Kopacz petli i blokow z okna (testy podstawiaja wlasny).
    void ustawKopacza(KopaczBloku kop) { kopacz = std::move(kop); }
    [[nodiscard]] const KopaczBloku& kopaczBloku() const { return kopacz; }

    // Nasluch wymiany lancuchow; wynik otwarcia portu przychodzi jako nasluchGotowy.
    // False, gdy watek nie powstal.
    [[nodiscard]] bool uruchomNasluch(int port);
    // Po udanym otwarciu: usuniecie siebie z listy, bootstrap z seedow i pobranie lancucha od
    // znanych wezlow (jeden watek), obecnosc w sieci lokalnej (gdy `zObecnoscia`).
    [[nodiscard]] StartPoNasluchu uruchomPoNasluchu(int port, bool zObecnoscia);
    // Zatrzymuje nasluch i obecnosc (takze po nieudanym otwarciu) i czeka na ich watki.
    void zatrzymajNasluch();

    // Petla kopania na wlasny klucz. `najpierwPobierz`: przed pierwszym blokiem pobiera
    // lancuch od znanych wezlow; bez tego czeka na pobranie startowe, jesli trwa.
    // False, gdy petla juz dziala albo watek nie powstal.
    [[nodiscard]] bool uruchomPetle(int port, bool najpierwPobierz);
    // Zatrzymuje petle i czeka na jej watek (wypychacz zostaje: zapisane bloki wyjda).
    void zatrzymajPetle();
    [[nodiscard]] bool petlaDziala() const { return petlaAktywna.load(); }
    // Petla stanela, bo bloku nie dalo sie zapisac.
    [[nodiscard]] bool petlaPoBledzieZapisu() const { return bladZapisuWPetli.load(); }

    // Krotkie prace w tle; false (z wierszem bledu), gdy watek nie powstal.
    [[nodiscard]] bool rozglos(Blockchain kopia, int port, CelRozgloszenia cel);
    [[nodiscard]] bool pobierz(std::vector<Wezel> skad, int port, CelPobrania cel);
    // Bootstrap z seedow, gdy nie znamy zadnego wezla; false, gdy nie ruszyl.
    [[nodiscard]] bool bootstrap(Blockchain kopia, int port);
    // Krotkie prace, ktore jeszcze trwaja.
    [[nodiscard]] int praceWToku() const;

    // Zatrzymuje wszystko naraz. True, gdy kazdy watek skonczyl do `terminWatkow`;
    // wypchniecia zapisanych blokow dostaja czas do `terminWypychania`.
    [[nodiscard]] bool zatrzymaj(Chwila terminWatkow, Chwila terminWypychania);

private:
    [[nodiscard]] bool uruchomPrace(const char* opis, WatekWezla::Praca praca);
    void sprzatnijPrace();
    void pobierzIZglos(const std::vector<Wezel>& skad, int port, CelPobrania cel,
                       const std::stop_token& stop);

    KatalogDanych pliki;
    TozsamoscWezla ja;
    ObserwatorWezla& obserwator;
    Dziennik& dziennik;
    KopaczBloku kopacz = kopaczZDziennikiem(dziennik);
    std::atomic<bool> bladZapisuWPetli{false};
    // Petla kopie (watek mogl jeszcze nie skonczyc po zgloszeniu konca).
    std::atomic<bool> petlaAktywna{false};
    // Pobranie startowe (po nasluchu) skonczone albo go nie bylo.
    std::atomic<bool> pobranoNaStarcie{true};
    // Wypychanie blokow petli: zyje dluzej niz jej watek, wiec jest przed watkami.
    std::unique_ptr<Wypychacz> wypychacz;
    // Watki: niszczone przed wszystkim, czego uzywaja.
    WatekWezla serwer;
    WatekWezla sluchacz;
    WatekWezla oglaszacz;
    WatekWezla petla;
    std::list<WatekWezla> prace;
};

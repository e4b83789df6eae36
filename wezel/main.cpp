// talvarin-wezel: wezel Talvarin bez okna, np. seed na serwerze.
#include <csignal>
#include <cstdlib>
#include <sodium.h>

#include "wezel/blokada_folderu.h"
#include "net/gniazda.h"
#include "wezel/katalog_danych.h"
#include "core/konsola.h"
#include "wezel/opcje_wezla.h"
#include "wezel/wezel_bez_okna.h"

namespace {

int blad(const std::string& tekst, int kod)
{
    wypiszBlad("talvarin-wezel: BLAD: ", tekst, "\n");
    return kod;
}

} // namespace

int main(int argc, char** argv)
{
    // Sygnaly zablokowane przed pierwszym watkiem: odbiera je tylko sigwait w watku glownym,
    // wiec zaden watek nie jest przerywany w polowie zapisu.
    sigset_t sygnaly;
    sigemptyset(&sygnaly);
    sigaddset(&sygnaly, SIGINT);
    sigaddset(&sygnaly, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &sygnaly, nullptr);

    OpcjeWezla opcje;
    std::string opis;
    if (!czytajOpcjeWezla(argc, argv, opcje, opis))
        return blad(opis + " (--help opisuje opcje)", 2);
    if (opcje.akcja == AkcjaWezla::Pomoc) {
        wypiszTekst(pomocWezla("talvarin-wezel"));
        return EXIT_SUCCESS;
    }
    if (opcje.akcja == AkcjaWezla::Wersja) {
        wypisz("talvarin-wezel ", TALVARIN_WERSJA, "\n");
        return EXIT_SUCCESS;
    }
    // Jedyne miejsce, w ktorym powstaja sciezki plikow wezla.
    const KatalogDanych katalog = KatalogDanych::w(opcje.katalog);
    if (!przygotujFolder(katalog, opis) || !folderZapisywalny(katalog, opis))
        return blad(opis, EXIT_FAILURE);
    // Przed pierwszym zapisem: drugi proces na tym folderze nie rusza nic.
    BlokadaFolderu blokada;
    if (const WynikBlokady wynik = blokada.zajmij(katalog); wynik != WynikBlokady::zajeta)
        return blad(opisOdmowyBlokady(wynik, blokada), EXIT_FAILURE);
    usunPozostalosciPoAwariach(katalog);
    if (sodium_init() < 0)
        return blad("nie udalo sie zainicjalizowac libsodium.", EXIT_FAILURE);
    if (!inicjalizujSiec())
        return blad("nie udalo sie zainicjalizowac sieci.", EXIT_FAILURE);

    const int kod = uruchomWezelBezOkna(opcje, katalog, sygnaly);
    zakonczSiec();
    return kod;
}

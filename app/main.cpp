#include <QApplication>

#include <string_view>

#include "wezel/katalog_danych.h"
#include "ui/dziennik_konsoli.h"
#include "core/konsola.h"
#include "app/start/start.h"

int main(int argc, char* argv[])
{
    // Wersja bez tworzenia aplikacji: dziala takze bez ekranu.
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--version") {
            wypisz("talvarin ", TALVARIN_WERSJA, "\n");
            return 0;
        }
    }
    // Folder danych przed czymkolwiek, co czyta pliki (takze przed obiektem aplikacji);
    // pozostale argumenty ida do Qt bez zmian.
    std::string katalog;
    if (!wyjmijOpcjeKatalogu(argc, argv, katalog)) {
        wypiszBlad("talvarin: BLAD: opcja --katalog wymaga nazwy folderu.\n");
        return 2;
    }
    // Jedyne miejsce, w ktorym powstaja sciezki plikow programu z oknem.
    const KatalogDanych dane = KatalogDanych::w(katalog.empty() ? std::string(".") : katalog);
    std::string blad;
    if (!katalog.empty() && !przygotujFolder(dane, blad)) {
        wypiszBlad("talvarin: BLAD: ", blad, "\n");
        return 1;
    }
    // Przed wszystkim innym, zeby zakladka Dziennik dostala kazda linie wezla; konczy sie
    // po zamknieciu okna i oddaje wtedy standardowe wyjscie.
    const DziennikKonsoli dziennik;
    QApplication aplikacja(argc, argv);
    return uruchomProgram(aplikacja, prawdziweBiblioteki(), dane);
}

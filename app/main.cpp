#include <QApplication>

#include <string>
#include <string_view>

#include "wezel/katalog_danych.h"
#include "core/dziennik.h"
#include "app/start/start.h"

int main(int argc, char* argv[])
{
    // Jedyny dziennik procesu: wiersze na konsoli i wpisy zakladki Dziennik. Zyje dluzej niz
    // okno, a watki wezla koncza sie razem z oknem.
    Dziennik dziennik;
    const auto blad = [&dziennik](std::string opis) {
        dziennik.zglos({.rodzaj = RodzajWpisu::bladProgramu, .tekst = "talvarin", .opis = std::move(opis)});
    };
    // Wersja bez tworzenia aplikacji: dziala takze bez ekranu.
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--version") {
            dziennik.zglos({.rodzaj = RodzajWpisu::wersja, .tekst = "talvarin", .opis = TALVARIN_WERSJA});
            return 0;
        }
    }
    // Folder danych przed czymkolwiek, co czyta pliki (takze przed obiektem aplikacji);
    // pozostale argumenty ida do Qt bez zmian.
    std::string katalog;
    if (!wyjmijOpcjeKatalogu(argc, argv, katalog)) {
        blad("opcja --katalog wymaga nazwy folderu.");
        return 2;
    }
    // Jedyne miejsce, w ktorym powstaja sciezki plikow programu z oknem.
    const KatalogDanych dane = KatalogDanych::w(katalog.empty() ? std::string(".") : katalog);
    std::string opisBledu;
    if (!katalog.empty() && !przygotujFolder(dane, opisBledu)) {
        blad(opisBledu);
        return 1;
    }
    QApplication aplikacja(argc, argv);
    return uruchomProgram(aplikacja, prawdziweBiblioteki(), dane, dziennik);
}

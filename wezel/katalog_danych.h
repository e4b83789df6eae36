#pragma once
// Folder danych programu (--katalog) i sciezki wszystkich jego plikow. Wartosc budowana raz
// w main i podawana w dol: nikt nie zmienia folderu roboczego procesu.

#include <string>

inline constexpr const char* OPCJA_KATALOGU = "--katalog";
// Jezyk okna: plik czyta i zapisuje program z oknem, ale lezy w folderze danych jak reszta.
inline constexpr char PLIK_JEZYKA[] = "jezyk.txt";

struct KatalogDanych {
    // Folder tak, jak go podano; "." to biezacy folder procesu.
    std::string folder;
    std::string lancuch;
    std::string portfel;
    std::string wezly;
    std::string seedy;
    std::string nazwa;
    std::string blokada;
    std::string jezyk;
    std::string probaZapisu;

    // Sciezki plikow w `folder`; w biezacym folderze to same nazwy plikow (jak w komunikatach).
    [[nodiscard]] static KatalogDanych w(const std::string& folder);
};

// Tworzy brakujacy folder (z rodzicami; ostatni dostaje 0700) i sprawdza, ze jest folderem.
// False z opisem w `blad`, gdy sie nie udalo.
[[nodiscard]] bool przygotujFolder(const KatalogDanych& katalog, std::string& blad);

// Proba utworzenia i usuniecia pliku w folderze danych.
[[nodiscard]] bool folderZapisywalny(const KatalogDanych& katalog, std::string& blad);

// Usuwa pliki tymczasowe lancucha, portfela (zamazane), wezlow i seedow, ktore zostawil
// przerwany proces. Wolane na poczatku startu, zanim cokolwiek zapisze te pliki.
void usunPozostalosciPoAwariach(const KatalogDanych& katalog);

// Dla okna: wyjmuje "--katalog DIR" i "--katalog=DIR" z argv (reszta idzie do Qt).
// `katalog` pusty, gdy opcji nie bylo; false, gdy po opcji brakuje folderu.
[[nodiscard]] bool wyjmijOpcjeKatalogu(int& argc, char** argv, std::string& katalog);

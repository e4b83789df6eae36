#pragma once
// Folder danych programu (--katalog): tworzenie z prawami 0700 i przejscie do niego.
// Wszystkie pliki programu maja stale nazwy wzgledne, wiec wystarczy zmienic folder roboczy.

#include <string>

inline constexpr const char* OPCJA_KATALOGU = "--katalog";

// Tworzy brakujacy folder (z rodzicami; ostatni dostaje 0700) i robi chdir.
// False z opisem w `blad`, gdy sie nie udalo.
[[nodiscard]] bool przejdzDoKatalogu(const std::string& katalog, std::string& blad);

// Proba utworzenia i usuniecia pliku w biezacym folderze.
[[nodiscard]] bool folderZapisywalny(std::string& blad);

// Usuwa pliki tymczasowe lancucha, portfela (zamazane), wezlow i seedow, ktore zostawil
// przerwany proces. Wolane na poczatku startu, zanim cokolwiek zapisze te pliki.
void usunPozostalosciPoAwariach();

// Dla okna: wyjmuje "--katalog DIR" i "--katalog=DIR" z argv (reszta idzie do Qt).
// `katalog` pusty, gdy opcji nie bylo; false, gdy po opcji brakuje folderu.
[[nodiscard]] bool wyjmijOpcjeKatalogu(int& argc, char** argv, std::string& katalog);

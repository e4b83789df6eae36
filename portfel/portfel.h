#pragma once
// Plik portfela (klucz publiczny i tajny jako dwie linie hex) oraz plik nazwy uzytkownika.

#include <string>

#include "core/klucze.h"

inline constexpr char PLIK_PORTFELA[] = "moj_portfel.dat";
inline constexpr char PLIK_NAZWY_UZYTKOWNIKA[] = "nazwa_uzytkownika.txt";

// Zapis atomowy z prawami 0600 od chwili utworzenia pliku. False, gdy sie nie udalo;
// wtedy stary plik zostaje nietkniety.
[[nodiscard]] bool zapiszPortfel(const ParaKluczy& klucze, const std::string& sciezka);

// True i oba klucze podmienione, gdy plik jest poprawny; inaczej false, a `klucze`
// zostaja dokladnie takie, jakie byly.
[[nodiscard]] bool wczytajPortfel(ParaKluczy& klucze, const std::string& sciezka);

// Plik portfela dostepny dla innych uzytkownikow (grupa, reszta swiata) dostaje prawa 0600
// i jeden wiersz na stdout. True, gdy prawa trzeba bylo poprawic.
[[nodiscard]] bool zabezpieczPrawaPortfela(const std::string& sciezka);

// Portfel przy starcie okna: wczytany z pliku (z poprawionymi prawami, wtedy
// `poprawionoPrawa` dostaje true), a gdy sie nie da, nowa losowa para zapisana do pliku.
// Istniejacy, ale nieczytelny plik jest najpierw odkladany na bok (".uszkodzony", prawa
// 0600) i nigdy nie jest nadpisywany; linia na stdout mowi gdzie.
[[nodiscard]] ParaKluczy otworzPortfel(const std::string& sciezka,
                                       bool* poprawionoPrawa = nullptr);

// Nazwa bez bialych znakow na brzegach; brak pliku albo blad odczytu daje pusty tekst.
[[nodiscard]] std::string wczytajNazweUzytkownika(const std::string& sciezka);

// Zapisuje nazwe (obcieta z bialych znakow) bez konca linii. False, gdy sie nie udalo;
// wtedy stary plik zostaje.
bool zapiszNazweUzytkownika(const std::string& nazwa,
                            const std::string& sciezka);

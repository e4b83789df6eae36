#pragma once
// Bezpieczne operacje na malych plikach tekstowych (POSIX).

#include <optional>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <sys/types.h>

// Cala zawartosc pliku albo nic, gdy nie da sie go otworzyc lub przeczytac.
// Plik, ktory nie jest zwyklym plikiem (np. FIFO), jest odrzucany bez czekania; wiersz o nim
// zglasza wolajacy, ktory ma dziennik (np. przed zapisem lancucha).
// `info` dostaje stan otwartego pliku sprzed czytania.
[[nodiscard]] std::optional<std::string> wczytajPlik(const std::string& sciezka,
                                                     struct stat* info = nullptr);

// Zapis calosci: plik tymczasowy w tym samym folderze (z prawami `tryb`), fsync, rename.
// FIFO albo urzadzenie pod ta nazwa nie jest zastepowane. Przy bledzie false (errno z kroku, ktory zawiodl), a stary plik zostaje nietkniety.
[[nodiscard]] bool zapiszAtomowo(const std::string& sciezka, std::string_view tekst,
                                 mode_t tryb = 0666);

[[nodiscard]] bool plikIstnieje(const std::string& sciezka);
// Brak pliku albo zwykly plik (nie FIFO, nie urzadzenie, nie folder).
[[nodiscard]] bool zwyklyLubBrak(const std::string& sciezka);

// Usuwa pliki tymczasowe "<sciezka>.tmp.<pid>.<n>" zostawione przez proces, ktory juz
// nie dziala (przerwany zapis). Z `zamazac` tresc jest najpierw nadpisywana zerami.
// Zwraca liczbe usunietych.
[[nodiscard]] int usunPozostalosciZapisow(const std::string& sciezka, bool zamazac = false);

// Przenosi plik pod wolna nazwe "<sciezka>.uszkodzony" (albo ".uszkodzony.N").
// Zwraca nowa nazwe albo pusty tekst, gdy sie nie udalo.
[[nodiscard]] std::string odlozNaBok(const std::string& sciezka);

// Usuwa CR stojace tuz przed LF (pliki skopiowane z Windows); true, gdy jakies usunal.
bool usunCrPrzedLf(std::string& tekst);

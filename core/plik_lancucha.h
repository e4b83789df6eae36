#pragma once
// Plik lancucha i dwa muteksy procesu.
// Kolejnosc blokowania: najpierw mutexZapisuLancucha, potem mutexPlikuLancucha.

#include <mutex>
#include <string>
#include <vector>

#include "core/blockchain.h"

inline constexpr const char* PLIK_LANCUCHA = "blockchain.dat";

// Chroni pojedynczy odczyt i zapis pliku.
extern std::mutex mutexPlikuLancucha;
// Czyni sekwencje wczytaj-zmien-zapisz wylaczna wzgledem innych piszacych.
extern std::mutex mutexZapisuLancucha;

// Lancuch, ktory juz trzyma ten plik, czyta go ponownie tylko wtedy, gdy plik sie zmienil,
// a gdy tylko urosl, czyta same nowe bloki. Niedokonczony ostatni wiersz pliku (slad
// przerwanego zapisu) nie jest czytany.
[[nodiscard]] bool wczytajLancuch(Blockchain& ksiega, const std::string& sciezka);
// Zapis przez plik tymczasowy i rename: stary plik zostaje, gdy cokolwiek zawiedzie.
[[nodiscard]] bool zapiszLancuch(const Blockchain& ksiega, const std::string& sciezka);
// Lancuch, ktory tylko wydluzyl plik, dopisuje nowe bloki (po obcieciu pliku do ostatniej
// dobrej dlugosci) i robi fsync; kazdy inny zapis jest atomowa wymiana calosci.
[[nodiscard]] bool zapiszLancuch(Blockchain& ksiega, const std::string& sciezka);

// Wczytanie przed zapisem, pod mutexZapisuLancucha. Plik, ktory istnieje, ale sie nie
// wczytal, zostaje odlozony na bok, zeby zapis go nie zniszczyl. Zwraca false tylko wtedy,
// gdy takiego pliku nie udalo sie odlozyc: wtedy nie wolno zapisywac.
[[nodiscard]] bool wczytajPrzedZapisem(Blockchain& ksiega, const std::string& sciezka);

// Wczytaj, wykop jeden blok, zapisz. True tylko, gdy nowy blok jest w pliku. Przy false
// w `ksiega` nie zostaje zaden niezapisany blok (gdy pliku nie wolno nadpisac, nic nie
// jest kopane).
[[nodiscard]] bool kopIZapisz(Blockchain& ksiega, const std::string& adresGornika,
                              const std::string& sciezka, const std::vector<Transakcja>& oczekujace);

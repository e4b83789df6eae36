#pragma once
// Tekst lancucha: zapis i odczyt.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/blockchain.h"
#include "core/czytnik_wierszy.h"

// Pierwszy wiersz kazdego bloku w tekscie lancucha.
inline constexpr std::string_view ZNACZNIK_BLOKU = "=== BLOK ===";

// Szesc wierszy naglowka bloku (za znacznikiem) i liczba transakcji z ostatniego z nich.
struct NaglowekBloku {
    std::string_view wiersze[6];
    std::int32_t transakcji = 0;
};
enum class WynikOdczytu { jest, koniecTekstu, zlaLiczba };

// Przesuwa czytnik za nastepny wiersz znacznika; `poczatek` dostaje polozenie znacznika.
// false, gdy tekst skonczyl sie bez znacznika.
[[nodiscard]] bool doZnacznikaBloku(CzytnikWierszy& czytnik, std::size_t& poczatek);
[[nodiscard]] WynikOdczytu czytajNaglowek(CzytnikWierszy& czytnik, NaglowekBloku& naglowek);

[[nodiscard]] std::string serializujLancuch(const Blockchain& ksiega);
[[nodiscard]] bool parsujLancuch(Blockchain& ksiega, std::string_view tekst);

// Szacunek pamieci, ktora zajmie odczytany lancuch (bloki, transakcje, napisy na stercie,
// zapas wektorow), liczony bez budowania czegokolwiek. Pozwala odrzucic tekst, ktorego
// postac w pamieci bylaby wielokrotnie wieksza niz on sam (np. miliony pustych transakcji).
[[nodiscard]] std::uint64_t szacujPamiecLancucha(std::string_view tekst);
// Polozenie ostatniego odczytanego bloku w tekscie.
struct PolozenieOstatniego {
    std::size_t poczatekOstatniego = 0;
    std::size_t koniecOstatniego = 0;
};

// Jak parsujLancuch, a `polozenie` dostaje miejsce ostatniego bloku w tekscie.
[[nodiscard]] bool parsujLancuch(Blockchain& ksiega, std::string_view tekst,
                                 PolozenieOstatniego& polozenie);

// Bloki odczytane z tekstu razem z polozeniem ostatniego z nich.
struct OdczytaneBloki : PolozenieOstatniego {
    std::vector<Blok> bloki;
};

// To samo wprost w zwartej postaci: caly plik bez listy pelnych blokow po drodze.
struct OdczytaneZwarte : PolozenieOstatniego {
    LancuchBlokow bloki;
};

// Reguly jak w parsujLancuch; false przy zlej liczbie (wtedy `wynik` nie ma znaczenia).
// Pusta lista blokow to poprawny wynik: tekst bez pelnego bloku.
[[nodiscard]] bool parsujBloki(std::string_view tekst, OdczytaneBloki& wynik);
[[nodiscard]] bool parsujBloki(std::string_view tekst, OdczytaneZwarte& wynik);

// Odczyt pliku kawalkami: pelne bloki z `tekst` (kawalek zaczynajacy sie w pliku w `baza`
// i konczacy sie LF, chyba ze `ostatni`) trafiaja do `wynik`. `zuzyte` dostaje liczbe bajtow
// z poczatku kawalka, ktorych nastepny odczyt juz nie potrzebuje (niepelny blok zostaje).
// Bloki i blad sa te same, co przy parsujBloki na calym tekscie.
[[nodiscard]] bool parsujKawalek(std::string_view tekst, bool ostatni, std::size_t baza,
                                 OdczytaneZwarte& wynik, std::size_t& zuzyte);

// Jak parsujBloki, ale poczatkowe bloki tekstu rowne kolejnym blokom `wzor` nie sa budowane:
// `wspolnych` mowi, ile ich bylo, a `wynik` dostaje tylko bloki za nimi. Bloki tekstu to
// wzor[0, wspolnych) i po nich wynik.bloki.
[[nodiscard]] bool parsujZaWspolnymi(std::string_view tekst, const LancuchBlokow& wzor,
                                     std::size_t& wspolnych, OdczytaneBloki& wynik);

// Tekst jednego bloku, dopisany na koncu `tekst`.
void dopiszTekstBloku(std::string& tekst, const Blok& blok);

#pragma once
// Wczytanie pliku lancucha kawalkami: w pamieci jest naraz tylko kawalek tekstu i bloki
// w zwartej postaci, a nie caly plik (przy milionach blokow to gigabajty).

#include <string>
#include <sys/stat.h>

#include "core/format_lancucha.h"

struct WczytanyPlik {
    OdczytaneZwarte bloki;
    // Tekst ostatniego bloku, tak jak lezy w pliku.
    std::string tekstOstatniego;
    // Stan pliku sprzed czytania.
    struct stat info {};
};

// `zwyklyOdczyt`: plik trzeba czytac w calosci (nie jest zwyklym plikiem albo ma CR LF).
enum class OdczytKawalkami { wczytano, blad, zwyklyOdczyt };

inline constexpr std::size_t ROZMIAR_KAWALKA = 8 * 1024 * 1024;

[[nodiscard]] OdczytKawalkami wczytajKawalkami(const std::string& sciezka, WczytanyPlik& wynik,
                                               std::size_t rozmiarKawalka = ROZMIAR_KAWALKA);

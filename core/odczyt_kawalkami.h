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

[[nodiscard]] OdczytKawalkami wczytajKawalkami(const std::string& sciezka, WczytanyPlik& wynik);

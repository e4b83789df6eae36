#pragma once
// Wylaczna blokada folderu danych (flock na pliku blokady) na caly czas zycia procesu:
// dwa procesy na jednym folderze nadpisywalyby sobie nawzajem zapisane bloki.

#include <string>
#include <sys/types.h>

#include "core/deskryptor.h"
#include "wezel/katalog_danych.h"

inline constexpr const char* PLIK_BLOKADY = "talvarin.blokada";

enum class WynikBlokady { zajeta, uzywanyPrzezInny, blad };

class BlokadaFolderu {
public:
    BlokadaFolderu() = default;
    BlokadaFolderu(const BlokadaFolderu&) = delete;
    BlokadaFolderu& operator=(const BlokadaFolderu&) = delete;

    // Blokuje folder (plik blokady dostaje pid tego procesu); trzymana do konca obiektu.
    [[nodiscard]] WynikBlokady zajmij(const KatalogDanych& katalog);
    // Po odmowie: pelna sciezka folderu, pid procesu, ktory go trzyma (0, gdy nieznany),
    // i opis bledu systemu.
    [[nodiscard]] const std::string& folder() const { return pelnyFolder; }
    [[nodiscard]] pid_t pidTrzymajacego() const { return pid; }
    [[nodiscard]] const std::string& opisBledu() const { return blad; }

private:
    Deskryptor fd;
    std::string pelnyFolder;
    pid_t pid = 0;
    std::string blad;
};

// Wiersz odmowy startu (bez nazwy programu i konca wiersza), wspolny dla obu programow.
[[nodiscard]] std::string opisOdmowyBlokady(WynikBlokady wynik, const BlokadaFolderu& blokada);

#pragma once
// Wspolne narzedzia testow: folder tymczasowy i przechwytywanie standardowego wyjscia.

#include <string>

// Nowy pusty folder w /tmp, usuwany razem z zawartoscia w destruktorze.
class FolderTymczasowy {
public:
    FolderTymczasowy();
    ~FolderTymczasowy();
    FolderTymczasowy(const FolderTymczasowy&) = delete;
    FolderTymczasowy& operator=(const FolderTymczasowy&) = delete;

    [[nodiscard]] const std::string& sciezka() const { return folder; }
    [[nodiscard]] std::string plik(const std::string& nazwa) const { return folder + "/" + nazwa; }

private:
    std::string folder;
};

// Przechwytuje deskryptor 1 (printf i std::cout) az do wywolania tekst().
class PrzechwycWyjscie {
public:
    PrzechwycWyjscie();
    ~PrzechwycWyjscie();
    PrzechwycWyjscie(const PrzechwycWyjscie&) = delete;
    PrzechwycWyjscie& operator=(const PrzechwycWyjscie&) = delete;

    // Konczy przechwytywanie (przy pierwszym wywolaniu) i zwraca wszystko, co wypisano.
    [[nodiscard]] std::string tekst();

private:
    void zakoncz();
    int zapasowy = -1;
    int plikFd = -1;
    std::string zebrane;
};

[[nodiscard]] std::string czytajPlikTestu(const std::string& sciezka);
void zapiszPlikTestu(const std::string& sciezka, const std::string& tekst);

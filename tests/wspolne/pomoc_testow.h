#pragma once
// Wspolne narzedzia testow: folder tymczasowy, przechwytywanie wyjscia, proces potomny.

#include <cstddef>
#include <functional>
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
    // Liczba wpisow w folderze (takze pozostawionych plikow tymczasowych).
    [[nodiscard]] std::size_t liczbaWpisow() const;

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
// Litery ASCII zamienione na wielkie (np. tekst szesnastkowy).
[[nodiscard]] std::string naWielkieLitery(std::string tekst);

// Praca w procesie potomnym, zeby ograniczenia (rlimit, prawa) nie dotknely procesu testow.
// Kod wyjscia pracy albo -1, gdy potomek nie skonczyl sie normalnie. Z `bezRoota` root
// oddaje w potomku uprawnienia (uid/gid 65534), zeby prawa folderu dzialaly jak u
// zwyklego uzytkownika (99, gdy sie nie udalo).
[[nodiscard]] int wProcesiePotomnym(const std::function<int()>& praca, bool bezRoota = false);

// Port TCP na 127.0.0.1, ktory przed chwila byl wolny; 0, gdy nie udalo sie go znalezc.
[[nodiscard]] int wolnyPort();

#pragma once
// Wspolne narzedzia testow: folder tymczasowy, przechwycone wyjscie, proces potomny, lancuchy.

#include <functional>
#include <string>

#include "core/blockchain.h"

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
    [[nodiscard]] std::string tekst();

private:
    void zakoncz();
    int zapasowy = -1;
    int plikFd = -1;
    std::string zebrane;
};

[[nodiscard]] std::string czytajPlikTestu(const std::string& sciezka);
void zapiszPlikTestu(const std::string& sciezka, const std::string& tekst);

// Praca w procesie potomnym (rlimit, prawa nie dotykaja testow); kod wyjscia albo -1.
// `bezRoota`: potomek przechodzi na uid/gid 65534, zeby prawa folderu dzialaly.
[[nodiscard]] int wProcesiePotomnym(const std::function<int()>& praca, bool bezRoota = false);
// Port TCP na 127.0.0.1, ktory przed chwila byl wolny.
[[nodiscard]] int wolnyPort();
// Nasluch TCP na 127.0.0.1 z portem od systemu (nikt go nie obsluguje); -1 po bledzie.
[[nodiscard]] int nasluchNaLoopbacku(int kolejka, int& port);

// Adres, ktorego nikt nie posiada.
inline const std::string OBCY_ADRES(64, 'e');

// Lancuch z niska trudnoscia i `ile` blokami nagrody dla `gornik`.
[[nodiscard]] Blockchain lancuchTestowy(int trudnosc = 1, int ile = 0,
                                        const std::string& gornik = OBCY_ADRES);
void dokop(Blockchain& lancuch, const std::string& gornik, int ile,
           const std::vector<Transakcja>& platnosci = {});
// Po recznej zmianie: od bloku `od` wiaze kazdy blok z poprzednim i przelicza hash.
void przeliczOd(Blockchain& lancuch, std::size_t od);
// Zmiana bloku w srodku lancucha (bloki trzymane sa w zwartej postaci, bez dostepu do pol).
void zmienBlok(Blockchain& lancuch, std::size_t i, const std::function<void(Blok&)>& zmiana);

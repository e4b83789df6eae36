#pragma once
// Wypychanie najnowszego lancucha z pliku do znanych wezlow, obok pracy, ktora go zleca.
// Kilka watkow, kazdy wezel dostaje zawsze najnowszy lancuch (zlecenia zlozone w czasie
// wypychania daja jedno nastepne), wezly w przerwie po porazkach sa pomijane, a zlec()
// nigdy nie czeka na siec.

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <shared_mutex>
#include <stop_token>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

#include "core/blockchain.h"
#include "core/dziennik.h"
#include "net/gniazda.h"
#include "net/wypchniecie_blokami.h"
#include "net/zdrowie_wezlow.h"

// Watki jednego wypychacza; czesc zostaje dla wezli, ktore ostatnio odbieraly, zeby
// nowe i zawodzace wpisy (np. tysiac martwych adresow) ich nie zajely.
inline constexpr std::size_t WATKOW_WYPYCHANIA = 8;
inline constexpr std::size_t WATKOW_DLA_DOBRYCH = 2;
// Przerwanie wypchniec po terminie trwa najwyzej tyle (krok czekania na gniazdo z zapasem).
inline constexpr std::chrono::milliseconds CZAS_NA_PRZERWANIE{250};

struct UstawieniaWypychania {
    // Wynik kazdego wypchniecia i bledy watkow.
    Dziennik& dziennik;
    std::string plikLancucha;
    std::string plikWezlow;
    int mojPort = -1;
    std::chrono::milliseconds limitOdbioru = LIMIT_ODBIORU;
};

class Wypychacz {
public:
    explicit Wypychacz(UstawieniaWypychania ustawienia, std::size_t watkow = WATKOW_WYPYCHANIA);
    // Przerywa wypchniecia w toku od razu (wiersz "przerwane" dla kazdego).
    ~Wypychacz();
    Wypychacz(const Wypychacz&) = delete;
    Wypychacz& operator=(const Wypychacz&) = delete;

    // W pliku jest nowszy lancuch: kazdy znany wezel ma go dostac.
    void zlec();
    // Daje zleconym wypchnieciom czas do `koniec` (bez CZAS_NA_PRZERWANIE), potem przerywa
    // pozostale i czeka na watki. Wezly w przerwie po porazkach nie sa juz probowane.
    void zakoncz(Chwila koniec);
    [[nodiscard]] int port() const { return ustawienia.mojPort; }

private:
    // Zatrzymuje watki i czeka na nie (kazde wypchniecie w toku konczy sie przerwaniem).
    void zatrzymajWatki();
    struct Cel {
        Wezel wezel;
        std::uint64_t wyslanaWersja = 0;
        // Pozniej poznane wezly pierwsze wsrod nowych.
        std::uint64_t kolejnosc = 0;
        bool wToku = false;
        bool niepewny = false;
        // Wpis zniknal z pliku w czasie wypychania: usuwany po jego koncu.
        bool wPliku = true;
    };

    void pracuj(const std::stop_token& stop);
    void przygotujMigawke(std::unique_lock<std::mutex>& blokada);
    void odswiezCele(const std::vector<Wezel>& wezly);
    // Nastepny cel do wypchniecia teraz; `pobudka`: kiedy skonczy sie najblizsza przerwa.
    [[nodiscard]] Cel* wybierzCel(Chwila teraz, bool zLimitem, Chwila& pobudka);
    // Zatrzymanie wypychacza (`stop`) konczy kazde czekanie wypchniecia na siec.
    void wypchnij(Cel& cel, std::unique_lock<std::mutex>& blokada, const std::stop_token& stop);
    // Nic do wyslania teraz (wezly w przerwie sie nie licza) i nic w toku.
    [[nodiscard]] bool bezczynny(Chwila teraz);

    UstawieniaWypychania ustawienia;
    std::size_t limitNiepewnych = 0;
    std::mutex mutex;
    std::condition_variable_any zmiana;
    std::uint64_t zlecona = 0;
    // Ostatnio przygotowane zlecenie i wersja lancucha, ktora mamy jako tekst.
    std::uint64_t wersjaMigawki = 0;
    std::uint64_t wersjaTekstu = 0;
    std::uint64_t pokolenie = 0;
    std::uint64_t licznikKolejnosci = 0;
    bool przygotowywana = false;
    std::size_t wToku = 0;
    std::size_t wTokuNiepewnych = 0;
    std::shared_ptr<TekstNaZadanie> tekstLancucha;
    std::unordered_map<std::string, Cel> cele;
    // Wczytywany przyrostowo przez watek, ktory przygotowuje migawke (wylaczna blokada);
    // wypchniecia czytaja go pod wspolna.
    std::shared_mutex mutexLancucha;
    Blockchain lancuch;
    std::vector<std::jthread> watki; // ostatnie: watki startuja po pozostalych polach
};

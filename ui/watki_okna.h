#pragma once
// Watki okna: tworzenie bez wyjatkow (z furtka dla testow) i straz okna dla watkow
// odlaczonych, ktore moga przezyc okno.

#include <condition_variable>
#include <functional>
#include <mutex>
#include <stop_token>
#include <thread>

class MainWindow;

using PracaWatku = std::function<void()>;

// Uruchamia prace w `watek`; false, gdy system odmowil utworzenia watku.
using TworcaWatku = std::function<bool(std::thread& watek, PracaWatku praca)>;

[[nodiscard]] bool utworzWatekSystemowy(std::thread& watek, PracaWatku praca);

// Watki odlaczone (rozgloszenie, bootstrap) docieraja do okna tylko przez straz:
// destruktor okna odlacza ja, zanim okno zniknie, wiec sygnal do zniszczonego okna
// nigdy nie wychodzi.
class StrazOkna {
public:
    explicit StrazOkna(MainWindow* okno) : okno(okno) {}

    // Wola `dzialanie` z oknem pod blokada, o ile okno jeszcze zyje.
    void jesliZyje(const std::function<void(MainWindow&)>& dzialanie);
    void odlacz();
    // True po odlaczeniu: praca odlaczona nie ma juz dla kogo dzialac.
    [[nodiscard]] bool odlaczona();
    // Zatrzymanie prac odlaczonych: odlaczenie konczy kazde ich czekanie na siec.
    [[nodiscard]] std::stop_token stop() const { return zatrzymanie.get_token(); }

    // Licznik prac w toku: pozwala poczekac, az watki odlaczone skoncza.
    void rozpoczetoPrace();
    void zakonczonoPrace();
    [[nodiscard]] int praceWToku();
    // Czeka, az skonczy sie kazda praca odlaczona (konczy ja limit czasu sieci).
    void poczekajNaPrace();

private:
    std::mutex mutex;
    std::condition_variable koniecPracy;
    MainWindow* okno = nullptr;
    int wToku = 0;
    std::stop_source zatrzymanie;
};

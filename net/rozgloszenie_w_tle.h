#pragma once
// Rozgloszenie przyjetego lancucha na osobnym watku serwera: najwyzej jedno naraz,
// nowszy lancuch zastepuje czekajacy. Watek przyjmujacy polaczenia nigdy nie rozglasza sam.

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

#include "blockchain.h"
#include "gniazda.h"

class RozglaszaczWTle {
public:
    RozglaszaczWTle(std::string plikLancucha, std::string plikWezlow, int mojPort, std::chrono::milliseconds limitOdbioru,
                    const StopPredykat& stop);
    // Konczy watek: czekajacy lancuch przepada, biezace rozgloszenie konczy sie po
    // zatrzymaniu (kazde czekanie na siec przerywa stop).
    ~RozglaszaczWTle();
    RozglaszaczWTle(const RozglaszaczWTle&) = delete;
    RozglaszaczWTle& operator=(const RozglaszaczWTle&) = delete;

    // Rozgloszenie najnowszego lancucha z pliku (wlasna kopia watku, wczytywana przyrostowo).
    void zlec();

private:
    void petla();

    std::string plikLancucha;
    std::string plikWezlow;
    int mojPort = -1;
    std::chrono::milliseconds limitOdbioru;
    const StopPredykat& stop;
    std::mutex mutex;
    std::condition_variable sygnal;
    bool czekajacy = false;
    bool koniec = false;
    std::thread watek;
};

#pragma once
// Rozgloszenie przyjetego lancucha na osobnym watku serwera: najwyzej jedno naraz,
// nowszy lancuch zastepuje czekajacy. Watek przyjmujacy polaczenia nigdy nie rozglasza sam.

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "blockchain.h"
#include "gniazda.h"

class RozglaszaczWTle {
public:
    RozglaszaczWTle(std::string plikWezlow, int mojPort, std::chrono::milliseconds limitOdbioru,
                    const StopPredykat& stop);
    // Konczy watek: czekajacy lancuch przepada, biezace rozgloszenie konczy sie po
    // zatrzymaniu (kazde czekanie na siec przerywa stop).
    ~RozglaszaczWTle();
    RozglaszaczWTle(const RozglaszaczWTle&) = delete;
    RozglaszaczWTle& operator=(const RozglaszaczWTle&) = delete;

    void zlec(std::shared_ptr<const Blockchain> lancuch);

private:
    void petla();

    std::string plikWezlow;
    int mojPort = -1;
    std::chrono::milliseconds limitOdbioru;
    const StopPredykat& stop;
    std::mutex mutex;
    std::condition_variable sygnal;
    std::shared_ptr<const Blockchain> czekajacy;
    bool koniec = false;
    std::thread watek;
};

#pragma once
// Watek trzymany przez wezel: wlasna flaga zatrzymania, czekanie z terminem i join.

#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

class WatekWezla {
public:
    using Praca = std::function<void(const std::atomic<bool>& stop)>;
    using Chwila = std::chrono::steady_clock::time_point;

    WatekWezla() = default;
    // Zatrzymuje i czeka bez terminu.
    ~WatekWezla();
    WatekWezla(const WatekWezla&) = delete;
    WatekWezla& operator=(const WatekWezla&) = delete;

    // False, gdy system odmowil utworzenia watku albo watek juz dziala.
    [[nodiscard]] bool uruchom(Praca praca);
    void zatrzymaj() { stop = true; }
    // Czeka na koniec pracy najdalej do `termin`. True, gdy watek skonczyl (albo go nie bylo);
    // wtedy jest tez dolaczony.
    [[nodiscard]] bool dolacz(Chwila termin);

private:
    std::atomic<bool> stop{false};
    // Watek mowi, ze skonczyl, zanim ktos zrobi join (destruktor i tak czeka na niego).
    std::atomic<bool> skonczony{false};
    std::thread watek;
};

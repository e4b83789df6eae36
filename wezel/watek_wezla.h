#pragma once
// Watek trzymany przez wezel: wlasne zatrzymanie (stop_token dla pracy), czekanie z terminem
// i join.

#include <atomic>
#include <chrono>
#include <functional>
#include <stop_token>
#include <thread>

class WatekWezla {
public:
    using Praca = std::function<void(const std::stop_token& stop)>;
    using Chwila = std::chrono::steady_clock::time_point;

    WatekWezla() = default;
    // Zatrzymuje i czeka bez terminu.
    ~WatekWezla();
    WatekWezla(const WatekWezla&) = delete;
    WatekWezla& operator=(const WatekWezla&) = delete;

    // False, gdy system odmowil utworzenia watku albo watek juz dziala.
    [[nodiscard]] bool uruchom(Praca praca);
    void zatrzymaj() { (void)watek.request_stop(); }
    // Czeka na koniec pracy najdalej do `termin`. True, gdy watek skonczyl (albo go nie bylo);
    // wtedy jest tez dolaczony.
    [[nodiscard]] bool dolacz(Chwila termin);

private:
    // Watek mowi, ze skonczyl, zanim ktos zrobi join (destruktor i tak czeka na niego).
    std::atomic<bool> skonczony{false};
    std::jthread watek; // ostatni: konczy sie przed pozostalymi polami
};

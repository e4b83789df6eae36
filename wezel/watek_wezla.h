#pragma once
// Watek trzymany przez wezel: std::jthread z wlasnym stop_token, znak konca pracy i czekanie
// z terminem. Destruktor zatrzymuje i czeka, wiec watek nie przezyje tego, czego uzywa.

#include <atomic>
#include <chrono>
#include <functional>
#include <stop_token>
#include <thread>

class WatekWezla {
public:
    using Praca = std::function<void(std::stop_token)>;
    using Chwila = std::chrono::steady_clock::time_point;

    WatekWezla() = default;
    WatekWezla(const WatekWezla&) = delete;
    WatekWezla& operator=(const WatekWezla&) = delete;

    // False, gdy system odmowil utworzenia watku albo watek juz jest (trzeba go dolaczyc).
    [[nodiscard]] bool uruchom(Praca praca);
    void zatrzymaj() { watek.request_stop(); }
    // Czeka na koniec pracy najdalej do `termin`. True, gdy watek skonczyl (albo go nie bylo);
    // wtedy jest tez dolaczony.
    [[nodiscard]] bool dolacz(Chwila termin);
    // Watek jest i jeszcze pracuje.
    [[nodiscard]] bool pracuje() const { return watek.joinable() && !skonczony.load(); }

private:
    // Watek mowi, ze skonczyl, zanim ktos zrobi join.
    std::atomic<bool> skonczony{false};
    // Ostatni: niszczony pierwszy, wiec join konczy sie, zanim zniknie flaga.
    std::jthread watek;
};

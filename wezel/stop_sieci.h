#pragma once
// Jedyne miejsce, w ktorym zatrzymanie watku wezla (std::stop_token) dociera do warstwy sieci.
// Siec pyta dzis o zatrzymanie predykatem, takze przez zakres watku (ZakresStopu), a petla
// ogloszen przez flage; gdy siec przyjmie std::stop_token wprost, zmienia sie tylko ten plik.

#include <atomic>
#include <functional>
#include <stop_token>

#include "net/gniazda.h"

class StopSieci {
public:
    // Zakres obejmuje caly watek: kazde czekanie na gniazdo konczy sie po zatrzymaniu.
    explicit StopSieci(const std::stop_token& stop)
        : token(stop), pytanie([this] { return token.stop_requested(); }), zakres(pytanie),
          ustawFlage(stop, [this] { zatrzymano = true; })
    {
    }
    StopSieci(const StopSieci&) = delete;
    StopSieci& operator=(const StopSieci&) = delete;

    [[nodiscard]] const StopPredykat& predykat() const { return pytanie; }
    [[nodiscard]] const std::atomic<bool>& flaga() const { return zatrzymano; }

private:
    std::stop_token token;
    StopPredykat pytanie;
    ZakresStopu zakres;
    std::atomic<bool> zatrzymano{false};
    std::stop_callback<std::function<void()>> ustawFlage;
};

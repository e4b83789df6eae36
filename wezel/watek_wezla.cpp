#include "wezel/watek_wezla.h"

#include <system_error>

namespace {

constexpr std::chrono::milliseconds KROK_CZEKANIA{10};

} // namespace

bool WatekWezla::uruchom(Praca praca)
{
    if (watek.joinable())
        return false;
    skonczony = false;
    try {
        watek = std::jthread([this, praca = std::move(praca)](std::stop_token stop) {
            praca(std::move(stop));
            skonczony = true;
        });
    } catch (const std::system_error&) {
        return false;
    }
    return true;
}

bool WatekWezla::dolacz(Chwila termin)
{
    if (!watek.joinable())
        return true;
    while (termin != Chwila::max() && !skonczony.load()) {
        if (std::chrono::steady_clock::now() >= termin)
            return false;
        std::this_thread::sleep_for(KROK_CZEKANIA);
    }
    watek.join();
    return true;
}

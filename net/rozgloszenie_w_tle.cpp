#include "rozgloszenie_w_tle.h"

#include <iostream>
#include <new>
#include <system_error>

#include "rozgloszenie.h"

namespace {

constexpr std::chrono::milliseconds OKRES_PYTANIA_O_STOP{200};

} // namespace

RozglaszaczWTle::RozglaszaczWTle(std::string plikWezlow, int mojPort,
                                 std::chrono::milliseconds limitOdbioru, const StopPredykat& stop)
    : plikWezlow(std::move(plikWezlow)), mojPort(mojPort), limitOdbioru(limitOdbioru), stop(stop)
{
    try {
        watek = std::thread([this] { petla(); });
    } catch (const std::system_error&) {
        std::cout << "BLAD: nie udalo sie utworzyc watku rozgloszen - przyjete lancuchy nie "
                     "beda rozglaszane dalej.\n";
    }
}

RozglaszaczWTle::~RozglaszaczWTle()
{
    {
        std::lock_guard blokada(mutex);
        koniec = true;
    }
    sygnal.notify_all();
    if (watek.joinable())
        watek.join();
}

void RozglaszaczWTle::zlec(std::shared_ptr<const Blockchain> lancuch)
{
    {
        std::lock_guard blokada(mutex);
        czekajacy = std::move(lancuch);
    }
    sygnal.notify_all();
}

void RozglaszaczWTle::petla()
{
    const ZakresStopu zakres(stop);
    for (;;) {
        std::shared_ptr<const Blockchain> lancuch;
        {
            std::unique_lock blokada(mutex);
            while (!koniec && !czekajacy && !stop())
                sygnal.wait_for(blokada, OKRES_PYTANIA_O_STOP);
            if (koniec || stop())
                return;
            lancuch = std::move(czekajacy);
        }
        try {
            (void)rozglosLancuch(*lancuch, plikWezlow, mojPort, limitOdbioru);
        } catch (const std::bad_alloc&) {
            std::cout << "BLAD: zabraklo pamieci przy rozglaszaniu lancucha.\n";
        }
    }
}

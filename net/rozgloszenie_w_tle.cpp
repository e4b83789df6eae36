#include "rozgloszenie_w_tle.h"

#include <new>
#include <system_error>

#include "konsola.h"
#include "plik_lancucha.h"
#include "rozgloszenie.h"

namespace {


} // namespace

RozglaszaczWTle::RozglaszaczWTle(std::string plikLancucha, std::string plikWezlow, int mojPort,
                                 std::chrono::milliseconds limitOdbioru, const StopPredykat& stop)
    : plikLancucha(std::move(plikLancucha)), plikWezlow(std::move(plikWezlow)), mojPort(mojPort), limitOdbioru(limitOdbioru), stop(stop)
{
    try {
        watek = std::thread([this] { petla(); });
    } catch (const std::system_error&) {
        wypisz("BLAD: nie udalo sie utworzyc watku rozgloszen - przyjete lancuchy nie "
               "beda rozglaszane dalej.\n");
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

void RozglaszaczWTle::zlec()
{
    {
        std::lock_guard blokada(mutex);
        czekajacy = true;
    }
    sygnal.notify_all();
}

void RozglaszaczWTle::petla()
{
    const ZakresStopu zakres(stop);
    Blockchain lancuch;
    for (;;) {
        {
            std::unique_lock blokada(mutex);
            while (!koniec && !czekajacy && !stop())
                sygnal.wait_for(blokada, KROK_CZEKANIA_NA_STOP);
            if (koniec || stop())
                return;
            czekajacy = false;
        }
        try {
            // Plik to jedyny wspolny lancuch: zlecenia zlozone w czasie rozgloszenia daja
            // jedno nastepne, juz z najnowszym lancuchem.
            if (wczytajLancuch(lancuch, plikLancucha))
                (void)rozglosLancuch(lancuch, plikWezlow, mojPort, limitOdbioru);
        } catch (const std::bad_alloc&) {
            wypisz("BLAD: zabraklo pamieci przy rozglaszaniu lancucha.\n");
        }
    }
}

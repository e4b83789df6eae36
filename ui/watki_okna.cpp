#include "ui/watki_okna.h"

#include <system_error>

bool utworzWatekSystemowy(std::thread& watek, PracaWatku praca)
{
    try {
        watek = std::thread(std::move(praca));
    } catch (const std::system_error&) {
        return false;
    }
    return true;
}

void StrazOkna::jesliZyje(const std::function<void(MainWindow&)>& dzialanie)
{
    std::lock_guard blokada(mutex);
    if (okno != nullptr)
        dzialanie(*okno);
}

void StrazOkna::odlacz()
{
    {
        std::lock_guard blokada(mutex);
        okno = nullptr;
    }
    zatrzymanie.request_stop();
}

void StrazOkna::rozpoczetoPrace()
{
    std::lock_guard blokada(mutex);
    ++wToku;
}

bool StrazOkna::odlaczona()
{
    std::lock_guard blokada(mutex);
    return okno == nullptr;
}

void StrazOkna::zakonczonoPrace()
{
    {
        std::lock_guard blokada(mutex);
        --wToku;
    }
    koniecPracy.notify_all();
}

void StrazOkna::poczekajNaPrace()
{
    std::unique_lock blokada(mutex);
    koniecPracy.wait(blokada, [this] { return wToku == 0; });
}

int StrazOkna::praceWToku()
{
    std::lock_guard blokada(mutex);
    return wToku;
}

#include "watki_okna.h"

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
    std::lock_guard blokada(mutex);
    okno = nullptr;
}

void StrazOkna::rozpoczetoPrace()
{
    std::lock_guard blokada(mutex);
    ++wToku;
}

void StrazOkna::zakonczonoPrace()
{
    std::lock_guard blokada(mutex);
    --wToku;
}

int StrazOkna::praceWToku()
{
    std::lock_guard blokada(mutex);
    return wToku;
}

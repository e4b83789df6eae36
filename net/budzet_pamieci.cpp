#include "net/budzet_pamieci.h"

#include <algorithm>
#include <limits>

#include "net/gniazda.h"

namespace {

using Zegar = std::chrono::steady_clock;

std::uint64_t razyNasycajac(std::uint64_t a, std::uint64_t b)
{
    return b != 0 && a > std::numeric_limits<std::uint64_t>::max() / b
        ? std::numeric_limits<std::uint64_t>::max()
        : a * b;
}

} // namespace

RezerwacjaPamieci::RezerwacjaPamieci(RezerwacjaPamieci&& inna) noexcept
    : budzet(inna.budzet), ile(inna.ile)
{
    inna.budzet = nullptr;
    inna.ile = 0;
}

RezerwacjaPamieci& RezerwacjaPamieci::operator=(RezerwacjaPamieci&& inna) noexcept
{
    if (this != &inna) {
        zwolnij();
        budzet = inna.budzet;
        ile = inna.ile;
        inna.budzet = nullptr;
        inna.ile = 0;
    }
    return *this;
}

RezerwacjaPamieci::~RezerwacjaPamieci()
{
    zwolnij();
}

void RezerwacjaPamieci::dolacz(RezerwacjaPamieci&& inna)
{
    if (!inna)
        return;
    if (budzet == nullptr) {
        *this = std::move(inna);
        return;
    }
    if (inna.budzet != budzet)
        return; // obcy budzet: inna zwolni swoje sama
    ile += inna.ile;
    inna.budzet = nullptr;
    inna.ile = 0;
}

void RezerwacjaPamieci::zwolnij()
{
    if (budzet != nullptr)
        budzet->zwolnij(ile);
    budzet = nullptr;
    ile = 0;
}

void BudzetPamieci::ustawWlasnyLancuch(std::uint64_t bajtyTekstu)
{
    ustawIPowiadom(&BudzetPamieci::wlasnyLancuch, bajtyTekstu);
}

void BudzetPamieci::ustawMinimum(std::uint64_t bajty)
{
    ustawIPowiadom(&BudzetPamieci::minimum, bajty);
}

void BudzetPamieci::ustawIPowiadom(std::uint64_t BudzetPamieci::*pole, std::uint64_t wartosc)
{
    {
        const std::lock_guard blokada(mutex);
        this->*pole = wartosc;
    }
    // Czekajacy na rezerwacje licza limit od nowa.
    zmiana.notify_all();
}

std::uint64_t BudzetPamieci::limit() const
{
    const std::lock_guard blokada(mutex);
    return limitPodBlokada();
}

std::uint64_t BudzetPamieci::zajete() const
{
    const std::lock_guard blokada(mutex);
    return uzyte;
}

std::uint64_t BudzetPamieci::limitPodBlokada() const
{
    return std::max(minimum, razyNasycajac(wlasnyLancuch, RAZY_WLASNY_LANCUCH));
}

std::uint64_t BudzetPamieci::dostepneDla(std::uint64_t bajty) const
{
    const std::uint64_t limitBajtow = limitPodBlokada();
    if (bajty <= MALE_ZAPYTANIE)
        return limitBajtow;
    return limitBajtow > ZAPAS_DLA_MALYCH ? limitBajtow - ZAPAS_DLA_MALYCH : 0;
}

bool BudzetPamieci::moznaPodBlokada(std::uint64_t bajty) const
{
    const std::uint64_t limitBajtow = dostepneDla(bajty);
    return uzyte <= limitBajtow && bajty <= limitBajtow - uzyte
        && (czekajace.empty() || czekajace.begin()->first >= bajty);
}

RezerwacjaPamieci BudzetPamieci::zarezerwuj(std::uint64_t bajty, std::chrono::milliseconds czekaj,
                                            const std::stop_token& stop)
{
    const auto koniec = Zegar::now() + czekaj;
    std::unique_lock blokada(mutex);
    if (bajty > dostepneDla(bajty))
        return {};
    if (!moznaPodBlokada(bajty)) {
        ++czekajace[bajty];
        // Odcinkami, zeby zatrzymanie konczylo czekanie.
        while (!moznaPodBlokada(bajty) && Zegar::now() < koniec && !stop.stop_requested())
            zmiana.wait_until(blokada, std::min(koniec, Zegar::now() + KROK_CZEKANIA_NA_STOP));
        if (--czekajace[bajty] == 0)
            czekajace.erase(bajty);
        // Nastepny czekajacy moze byc wiekszy i teraz sie zmiescic.
        zmiana.notify_all();
        if (!moznaPodBlokada(bajty))
            return {};
    }
    uzyte += bajty;
    return RezerwacjaPamieci(this, bajty);
}

void BudzetPamieci::zwolnij(std::uint64_t bajty)
{
    {
        const std::lock_guard blokada(mutex);
        uzyte -= std::min(uzyte, bajty);
    }
    zmiana.notify_all();
}

BudzetPamieci& budzetPamieci()
{
    static BudzetPamieci budzet;
    return budzet;
}

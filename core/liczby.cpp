#include "core/liczby.h"

#include <charconv>
#include <limits>
#include <string>

#include "core/znaki.h"

namespace {

// Liczba z poczatku `reszta` (biale znaki, znak, cyfry); nullopt, gdy brak cyfr albo wyjscie
// poza [min, max]. Po sukcesie `reszta` zaczyna sie za ostatnia cyfra.
std::optional<std::int64_t> zdejmijZLimitem(std::string_view& reszta, std::int64_t min,
                                            std::int64_t max)
{
    std::size_t i = 0;
    while (i < reszta.size() && bialyZnak(reszta[i]))
        ++i;
    bool ujemna = false;
    if (i < reszta.size() && (reszta[i] == '+' || reszta[i] == '-')) {
        ujemna = reszta[i] == '-';
        ++i;
    }
    // Wartosc bezwzgledna w uint64, z granica dla swojego znaku.
    const std::uint64_t granica = ujemna ? static_cast<std::uint64_t>(-(min + 1)) + 1
                                         : static_cast<std::uint64_t>(max);
    std::uint64_t wartosc = 0;
    bool zaDuza = false;
    const std::size_t poczatekCyfr = i;
    for (; i < reszta.size() && reszta[i] >= '0' && reszta[i] <= '9'; ++i) {
        const auto cyfra = static_cast<std::uint64_t>(reszta[i] - '0');
        if (wartosc > (granica - cyfra) / 10)
            zaDuza = true;
        else
            wartosc = wartosc * 10 + cyfra;
    }
    if (i == poczatekCyfr || zaDuza)
        return std::nullopt;
    reszta.remove_prefix(i);
    if (!ujemna)
        return static_cast<std::int64_t>(wartosc);
    if (wartosc == 0)
        return 0;
    // -(wartosc - 1) - 1 nie przepelnia sie nawet dla minimum.
    return -static_cast<std::int64_t>(wartosc - 1) - 1;
}

std::int64_t granicaInt64(bool wGore)
{
    return wGore ? std::numeric_limits<std::int64_t>::max() : std::numeric_limits<std::int64_t>::min();
}

} // namespace

std::optional<std::int64_t> liczbaJakStrtoll(std::string_view tekst)
{
    return zdejmijZLimitem(tekst, std::numeric_limits<std::int64_t>::min(),
                           std::numeric_limits<std::int64_t>::max());
}

std::optional<std::int32_t> zdejmijLiczbe32(std::string_view& reszta)
{
    const auto wynik = zdejmijZLimitem(reszta, std::numeric_limits<std::int32_t>::min(),
                                       std::numeric_limits<std::int32_t>::max());
    if (!wynik)
        return std::nullopt;
    return static_cast<std::int32_t>(*wynik);
}

std::optional<std::int32_t> liczbaJakStrtol32(std::string_view tekst)
{
    return zdejmijLiczbe32(tekst);
}

void dopiszLiczbe(std::string& cel, std::int64_t wartosc)
{
    char bufor[24];
    const auto wynik = std::to_chars(bufor, bufor + sizeof bufor, wartosc);
    cel.append(bufor, wynik.ptr);
}

std::int64_t dodajNasycajac(std::int64_t a, std::int64_t b)
{
    std::int64_t wynik = 0;
    return __builtin_add_overflow(a, b, &wynik) ? granicaInt64(b > 0) : wynik;
}

std::int64_t odejmijNasycajac(std::int64_t a, std::int64_t b)
{
    std::int64_t wynik = 0;
    return __builtin_sub_overflow(a, b, &wynik) ? granicaInt64(b < 0) : wynik;
}

std::int64_t poTransakcji(std::int64_t saldo, std::int64_t kwota, bool wplata, bool wydatek)
{
    if (wplata)
        saldo = dodajNasycajac(saldo, kwota);
    if (wydatek)
        saldo = odejmijNasycajac(saldo, kwota);
    return saldo;
}

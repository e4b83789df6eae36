#include "core/liczby.h"

#include <charconv>
#include <limits>
#include <string>

#include "core/znaki.h"

namespace {

// Wartosc bezwzgledna w uint64; nullopt gdy brak cyfr albo przekroczony `limit`.
std::optional<std::int64_t> strtollZLimitem(std::string_view tekst, std::int64_t min,
                                            std::int64_t max)
{
    std::size_t i = 0;
    while (i < tekst.size() && bialyZnak(tekst[i]))
        ++i;
    bool ujemna = false;
    if (i < tekst.size() && (tekst[i] == '+' || tekst[i] == '-')) {
        ujemna = tekst[i] == '-';
        ++i;
    }
    const std::uint64_t granica = ujemna ? static_cast<std::uint64_t>(-(min + 1)) + 1
                                         : static_cast<std::uint64_t>(max);
    std::uint64_t wartosc = 0;
    bool zaDuza = false;
    const std::size_t poczatekCyfr = i;
    for (; i < tekst.size() && tekst[i] >= '0' && tekst[i] <= '9'; ++i) {
        const auto cyfra = static_cast<std::uint64_t>(tekst[i] - '0');
        if (wartosc > (granica - cyfra) / 10)
            zaDuza = true;
        else
            wartosc = wartosc * 10 + cyfra;
    }
    if (i == poczatekCyfr || zaDuza)
        return std::nullopt;
    if (!ujemna)
        return static_cast<std::int64_t>(wartosc);
    if (wartosc == 0)
        return 0;
    // -(wartosc - 1) - 1 nie przepelnia sie nawet dla minimum.
    return -static_cast<std::int64_t>(wartosc - 1) - 1;
}

} // namespace

std::optional<std::int64_t> liczbaJakStrtoll(std::string_view tekst)
{
    return strtollZLimitem(tekst, std::numeric_limits<std::int64_t>::min(),
                           std::numeric_limits<std::int64_t>::max());
}

std::optional<std::int32_t> liczbaJakStrtol32(std::string_view tekst)
{
    const auto wynik = strtollZLimitem(tekst, std::numeric_limits<std::int32_t>::min(),
                                       std::numeric_limits<std::int32_t>::max());
    if (!wynik)
        return std::nullopt;
    return static_cast<std::int32_t>(*wynik);
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
    if (!__builtin_add_overflow(a, b, &wynik))
        return wynik;
    return b > 0 ? std::numeric_limits<std::int64_t>::max()
                 : std::numeric_limits<std::int64_t>::min();
}

std::int64_t odejmijNasycajac(std::int64_t a, std::int64_t b)
{
    std::int64_t wynik = 0;
    if (!__builtin_sub_overflow(a, b, &wynik))
        return wynik;
    return b < 0 ? std::numeric_limits<std::int64_t>::max()
                 : std::numeric_limits<std::int64_t>::min();
}

#include "net/wyrazy.h"

#include <cstdint>
#include <limits>

#include "core/znaki.h"

std::string_view nastepnyWyraz(std::string_view& reszta)
{
    std::size_t i = 0;
    while (i < reszta.size() && bialyZnak(reszta[i]))
        ++i;
    std::size_t koniec = i;
    while (koniec < reszta.size() && !bialyZnak(reszta[koniec]))
        ++koniec;
    const std::string_view wyraz = reszta.substr(i, koniec - i);
    reszta.remove_prefix(koniec);
    return wyraz;
}

bool czytajInt(std::string_view& reszta, int& wynik)
{
    constexpr std::int64_t GRANICA = std::int64_t{std::numeric_limits<int>::max()} + 1;
    std::size_t i = 0;
    while (i < reszta.size() && bialyZnak(reszta[i]))
        ++i;
    bool ujemna = false;
    if (i < reszta.size() && (reszta[i] == '+' || reszta[i] == '-'))
        ujemna = reszta[i++] == '-';
    const std::size_t poczatek = i;
    std::int64_t wartosc = 0;
    bool zaDuza = false;
    for (; i < reszta.size() && reszta[i] >= '0' && reszta[i] <= '9'; ++i) {
        // Po przekroczeniu granicy tylko doczytujemy cyfry, bez dalszego mnozenia.
        if (!zaDuza)
            wartosc = wartosc * 10 + (reszta[i] - '0');
        zaDuza = zaDuza || wartosc > GRANICA;
    }
    if (i == poczatek || zaDuza)
        return false;
    if (ujemna)
        wartosc = -wartosc;
    if (wartosc > std::numeric_limits<int>::max())
        return false;
    wynik = static_cast<int>(wartosc);
    reszta.remove_prefix(i);
    return true;
}

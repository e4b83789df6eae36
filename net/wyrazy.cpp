#include "net/wyrazy.h"

#include <cstdint>
#include <optional>

#include "core/liczby.h"
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
    const std::optional<std::int32_t> liczba = zdejmijLiczbe32(reszta);
    if (!liczba)
        return false;
    wynik = *liczba;
    return true;
}

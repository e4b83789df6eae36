// Co wolno zapisac w pliku wezlow: poprawny adres i port, klucz i krotka nazwa.

#include <arpa/inet.h>

#include "wezly.h"

namespace {

bool kluczPoprawny(const std::string& klucz)
{
    if (klucz.empty())
        return true;
    if (klucz.size() != 64)
        return false;
    for (const char znak : klucz) {
        const bool cyfra = znak >= '0' && znak <= '9';
        const bool litera = (znak >= 'a' && znak <= 'f') || (znak >= 'A' && znak <= 'F');
        if (!cyfra && !litera)
            return false;
    }
    return true;
}

// Ciecie przed bajtem kontynuacji (10xxxxxx) rozbiloby znak: cofamy sie do jego poczatku.
void przytnijNazwe(std::string& nazwa)
{
    if (nazwa.size() <= MAKS_DLUGOSC_NAZWY_WEZLA)
        return;
    std::size_t dlugosc = MAKS_DLUGOSC_NAZWY_WEZLA;
    while (dlugosc > 0 && (static_cast<unsigned char>(nazwa[dlugosc]) & 0xC0) == 0x80)
        --dlugosc;
    // Po przycieciu wiersz ma sie odczytac tak samo: bez bialych znakow na koncu,
    // a samo "-" znaczy w pliku brak nazwy.
    nazwa = przytnij(std::string_view(nazwa).substr(0, dlugosc));
    if (nazwa == "-")
        nazwa.clear();
}

} // namespace

bool przygotujWezelDoZapisu(Wezel& wezel)
{
    in_addr adres{};
    if (wezel.ip.find('\0') != std::string::npos
        || ::inet_pton(AF_INET, wezel.ip.c_str(), &adres) != 1)
        return false;
    if (wezel.port < 1 || wezel.port > 65535 || !kluczPoprawny(wezel.kluczPubliczny))
        return false;
    przytnijNazwe(wezel.nazwa);
    return true;
}

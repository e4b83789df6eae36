// Co wolno zapisac w pliku wezlow: poprawny adres i port, klucz i krotka nazwa.

#include <arpa/inet.h>

#include "net/gniazda.h"
#include "core/klucze.h"
#include "net/wezly.h"

namespace {

void przytnijNazwe(std::string& nazwa)
{
    if (nazwa.size() <= MAKS_DLUGOSC_NAZWY_WEZLA)
        return;
    const std::size_t dlugosc = dlugoscNaGranicyZnaku(nazwa, MAKS_DLUGOSC_NAZWY_WEZLA);
    // Po przycieciu wiersz ma sie odczytac tak samo: bez bialych znakow na koncu,
    // a samo "-" znaczy w pliku brak nazwy.
    nazwa = przytnij(std::string_view(nazwa).substr(0, dlugosc));
    if (nazwa == "-")
        nazwa.clear();
}

} // namespace

std::size_t dlugoscNaGranicyZnaku(std::string_view tekst, std::size_t maks)
{
    if (tekst.size() <= maks)
        return tekst.size();
    // Ciecie przed bajtem kontynuacji (10xxxxxx) rozbiloby znak: cofamy sie do jego poczatku.
    std::size_t dlugosc = maks;
    while (dlugosc > 0 && (static_cast<unsigned char>(tekst[dlugosc]) & 0xC0) == 0x80)
        --dlugosc;
    return dlugosc;
}

bool przygotujWezelDoZapisu(Wezel& wezel)
{
    in_addr adres{};
    if (wezel.ip.find('\0') != std::string::npos
        || ::inet_pton(AF_INET, wezel.ip.c_str(), &adres) != 1)
        return false;
    if (!portPoprawny(wezel.port)
        || !(wezel.kluczPubliczny.empty() || czyPoprawnyKluczPubliczny(wezel.kluczPubliczny)))
        return false;
    przytnijNazwe(wezel.nazwa);
    return true;
}

// Lista wezlow z dowolnego tekstu: kazdy odczytany wpis przechodzi zapis i odczyt bez zmian.

#include <algorithm>
#include <cstdint>
#include <string>

#include "net/wezly.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bajty, std::size_t rozmiar)
{
    const std::string tekst(reinterpret_cast<const char*>(bajty), rozmiar);
    const std::vector<Wezel> wezly = wezlyZTekstu(tekst);
    for (const Wezel& wezel : wezly) {
        Wezel ponownie;
        if (!parsujWierszWezla(wierszWezla(wezel), ponownie) || !(ponownie == wezel))
            __builtin_trap();
    }
    if (wezlyZTekstu(wezlyDoTekstu(wezly)) != wezly)
        __builtin_trap();
    // Wpis przygotowany do zapisu ma krotka nazwe i tez przechodzi zapis i odczyt bez zmian.
    for (Wezel wezel : wezly) {
        Wezel ponownie;
        if (przygotujWezelDoZapisu(wezel)
            && (wezel.nazwa.size() > MAKS_DLUGOSC_NAZWY_WEZLA
                || !parsujWierszWezla(wierszWezla(wezel), ponownie) || !(ponownie == wezel)))
            __builtin_trap();
    }
    // Limit wpisow z jednej wiadomosci bierze poczatek pelnej listy.
    const std::vector<Wezel> poczatek = wezlyZTekstu(tekst, 3);
    if (poczatek.size() != std::min<std::size_t>(3, wezly.size())
        || !std::equal(poczatek.begin(), poczatek.end(), wezly.begin()))
        __builtin_trap();
    (void)przytnij(tekst);
    return 0;
}

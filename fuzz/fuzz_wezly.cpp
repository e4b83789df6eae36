// Lista wezlow z dowolnego tekstu: kazdy odczytany wpis przechodzi zapis i odczyt bez zmian.

#include <cstdint>
#include <string>

#include "wezly.h"

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
    (void)przytnij(tekst);
    return 0;
}

// sprawdzFraze na dowolnym tekscie: albo 12 slow z listy, ktore sprawdzone ponownie
// daja to samo, albo sam komunikat. Podzial nie gubi ani nie dodaje znakow.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "app/sprawdzenie_frazy.h"

namespace {

void wymagaj(bool warunek)
{
    if (!warunek)
        std::abort();
}

bool bialy(char z)
{
    return z == ' ' || (z >= '\t' && z <= '\r');
}

void sprawdzPodzial(std::string_view tekst)
{
    std::size_t znakow = 0;
    for (const char z : tekst)
        znakow += bialy(z) ? 0 : 1;
    std::size_t wSlowach = 0;
    for (const std::string& slowo : podzielFraze(tekst)) {
        wymagaj(!slowo.empty());
        for (const char z : slowo)
            wymagaj(!bialy(z));
        wSlowach += slowo.size();
    }
    wymagaj(wSlowach == znakow);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar)
{
    const std::string_view tekst(reinterpret_cast<const char*>(dane), rozmiar);
    sprawdzPodzial(tekst);

    const SprawdzonaFraza wynik = sprawdzFraze(tekst);
    if (!wynik.poprawna()) {
        wymagaj(wynik.slowa.empty());
        return 0;
    }
    wymagaj(wynik.slowa.size() == SLOW_WE_FRAZIE);
    for (const std::string& slowo : wynik.slowa)
        wymagaj(naLiscieBIP39(slowo));
    wymagaj(sprawdzFraze(tekstFrazy(wynik.slowa)).slowa == wynik.slowa);
    return 0;
}

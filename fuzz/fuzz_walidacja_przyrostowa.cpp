// Walidacja od znanego konca wlasnego lancucha a walidacja calosci: ta sama decyzja,
// ten sam komunikat, te same salda, na lancuchach i psuciu zbudowanych z bajtow.

#include <cstdlib>
#include <sodium.h>

#include "porownanie_walidacji.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    if (sodium_init() < 0)
        std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* dane, std::size_t rozmiar)
{
    if (!porownanie::zgodne(dane, rozmiar))
        std::abort();
    return 0;
}

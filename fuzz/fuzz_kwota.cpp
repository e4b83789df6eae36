// parsujKwote na dowolnym tekscie: przyjeta kwota po sformatowaniu wraca ta sama,
// a formatujKwote dziala dla kazdych 8 bajtow.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "portfel/kwota.h"

namespace {

void wymagaj(bool warunek)
{
    if (!warunek)
        std::abort();
}

void wracaPoFormatowaniu(std::int64_t kwota)
{
    bool ok = false;
    wymagaj(parsujKwote(formatujKwote(kwota), ok) == kwota && ok);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar)
{
    const std::string_view tekst(reinterpret_cast<const char*>(dane), rozmiar);
    bool ok = true;
    const std::int64_t kwota = parsujKwote(tekst, ok);
    if (ok) {
        wymagaj(kwota >= 0);
        wracaPoFormatowaniu(kwota);
    } else {
        wymagaj(kwota == 0);
    }

    if (rozmiar >= sizeof(std::int64_t)) {
        std::int64_t dowolna = 0;
        std::memcpy(&dowolna, dane, sizeof dowolna);
        const std::string sformatowana = formatujKwote(dowolna);
        wymagaj((dowolna < 0) == (sformatowana.front() == '-'));
        if (dowolna >= 0)
            wracaPoFormatowaniu(dowolna);
    }
    return 0;
}

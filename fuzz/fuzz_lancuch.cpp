// Czytnik tekstu lancucha na dowolnych danych: bez awarii, a przeczytany lancuch
// po ponownym zapisie czyta sie do tych samych blokow.

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "core/format_lancucha.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // Komunikaty walidacji tylko spowalnialyby fuzzowanie.
    if (std::freopen("/dev/null", "w", stdout) == nullptr)
        std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* dane, std::size_t rozmiar)
{
    const std::string_view tekst(reinterpret_cast<const char*>(dane), rozmiar);
    Blockchain lancuch;
    if (!parsujLancuch(lancuch, tekst))
        return 0;
    (void)lancuch.czyLancuchPoprawny();
    (void)lancuch.saldo(lancuch.pobierzLancuch()[0].hash);

    const std::string zapis = serializujLancuch(lancuch);
    Blockchain ponownie;
    if (!parsujLancuch(ponownie, zapis))
        std::abort();
    if (ponownie.pobierzLancuch() != lancuch.pobierzLancuch())
        std::abort();
    if (serializujLancuch(ponownie) != zapis)
        std::abort();
    return 0;
}

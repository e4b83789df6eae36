// Dowolne zapytanie dla serwera wymiany: rozdzielenie i cala decyzja na plikach
// w folderze tymczasowym. Bez klucza i bez wlasnego portu, a plik wezlow jest pusty
// przy kazdym rozgloszeniu, wiec nic nie wychodzi do sieci.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sodium.h>
#include <string>
#include <unistd.h>

#include "core/format_lancucha.h"
#include "serwer_fuzzowania.h"
#include "core/pliki.h"
#include "net/wiadomosci_synchronizacji.h"
#include "net/wymiana_lancucha.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    (void)serwerFuzzowania();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bajty, std::size_t rozmiar)
{
    const std::string wiadomosc(reinterpret_cast<const char*>(bajty), rozmiar);
    std::string lancuch;
    std::string wezly;
    if (rozdzielWiadomoscLancucha(wiadomosc, lancuch, wezly)
        && lancuch.size() + wezly.size() + 10 != wiadomosc.size())
        __builtin_trap();

    const std::string plikLancucha = serwerFuzzowania().folder + "/blockchain.dat";
    const std::string plikWezlow = serwerFuzzowania().folder + "/wezly.dat";
    ::unlink(plikWezlow.c_str());
    if (!zapiszAtomowo(plikLancucha, serwerFuzzowania().tekstPoczatkowy))
        std::abort();
    Blockchain zywy;
    KontekstSerwera kontekst{{dziennikFuzzowania(), plikLancucha, plikWezlow, -1, std::chrono::milliseconds(100)},
                             zywy, "", {}};
    const std::string odpowiedz = obsluzPrzychodzacyLancuch(kontekst, wiadomosc);
    // Odpowiedz na lancuch to zawsze lista wezlow z pliku po scaleniu (rozmowy
    // synchronizacji sprawdza osobny cel).
    if (rodzajWiadomosci(wiadomosc) == RodzajWiadomosci::obca
        && odpowiedz != wezlyDoTekstu(wczytajWezly(plikWezlow)))
        __builtin_trap();
    return 0;
}

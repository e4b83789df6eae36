// Generator dlugich lancuchow do pomiarow (nie test): N blokow z nagroda dla portfela z
// podanego pliku, co dziesiaty blok takze z podpisana platnoscia od tego portfela.
// Bez dowodu pracy (walidacja go nie sprawdza). Tekst idzie prosto do pliku, w pamieci
// jest tylko ostatni blok.
// Uzycie: generuj_lancuch <plik lancucha> <liczba blokow> <plik portfela>

#include <cstdio>
#include <cstdlib>
#include <sodium.h>
#include <string>

#include "core/blockchain.h"
#include "core/format_lancucha.h"
#include "core/klucze.h"
#include "portfel/portfel.h"

int main(int argc, char** argv)
{
    if (argc != 4 || sodium_init() < 0) {
        std::fprintf(stderr, "Uzycie: %s <plik lancucha> <liczba blokow> <plik portfela>\n", argv[0]);
        return 2;
    }
    const long long ile = std::atoll(argv[2]);
    ParaKluczy gornik;
    if (!wczytajPortfel(gornik, argv[3])) {
        gornik = generujPareKluczy();
        if (!zapiszPortfel(gornik, argv[3]))
            return 1;
    }
    const std::string adres = kluczPublicznyHex(gornik);
    std::FILE* plik = std::fopen(argv[1], "w");
    if (plik == nullptr)
        return 1;
    Blockchain start;
    Blok ostatni = start.lancuch.front();
    std::string tekst;
    for (long long i = 0; i < ile; ++i) {
        if (i > 0) {
            std::vector<Transakcja> txy{transakcjaNagrody(adres, NAGRODA_ZA_BLOK)};
            if (i % 10 == 0)
                txy.emplace_back(gornik, std::string(64, 'b'), 100000000, "");
            ostatni = Blok(static_cast<std::int32_t>(i), std::move(txy), ostatni.hash);
        }
        tekst.clear();
        dopiszTekstBloku(tekst, ostatni);
        if (std::fwrite(tekst.data(), 1, tekst.size(), plik) != tekst.size())
            return 1;
    }
    return std::fclose(plik) == 0 ? 0 : 1;
}

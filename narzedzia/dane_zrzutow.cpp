// Folder danych do zrzutow ekranu: portfel "Ala", jezyk, kilka prawdziwie wykopanych blokow,
// platnosc wyslana i odebrana, znane wezly i seed. Nic nie laczy sie z siecia.
// Uzycie: dane_zrzutow <folder> <kod jezyka>

#include <sodium.h>

#include <fstream>
#include <string>

#include "wezel/katalog_danych.h"
#include "core/plik_lancucha.h"
#include "portfel/portfel.h"
#include "net/wezly.h"

namespace {

void zapiszTekst(const std::string& sciezka, const std::string& tekst)
{
    std::ofstream(sciezka, std::ios::binary) << tekst;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3 || sodium_init() < 0)
        return 2;
    const KatalogDanych dane = KatalogDanych::w(argv[1]);
    const ParaKluczy ala = generujPareKluczy();
    const ParaKluczy ola = generujPareKluczy();
    const std::string kluczAli = kluczPublicznyHex(ala);
    const std::string kluczOli = kluczPublicznyHex(ola);
    if (!zapiszPortfel(ala, dane.portfel))
        return 1;
    zapiszTekst(dane.jezyk, argv[2]);
    zapiszTekst(dane.nazwa, "Ala");

    Blockchain lancuch;
    lancuch.wykopIDodajBlok(kluczAli, {});
    lancuch.wykopIDodajBlok(kluczAli, {});
    lancuch.wykopIDodajBlok(kluczOli, {});
    lancuch.wykopIDodajBlok(kluczOli, {Transakcja(ola, kluczAli, 750000000, "")});
    lancuch.wykopIDodajBlok(kluczAli, {Transakcja(ala, kluczOli, 1250000000, "")});
    if (!zapiszLancuch(lancuch, dane.lancuch))
        return 1;

    zapiszWezly(dane.wezly, {{"192.168.1.20", 1700, kluczOli, "Ola"},
                             {"192.168.1.31", 1700, "", "Ewa"},
                             {"192.168.1.40", 1701, "", ""}});
    zapiszWezly(dane.seedy, {{"192.168.1.2", 1700, "", ""}});
    return 0;
}

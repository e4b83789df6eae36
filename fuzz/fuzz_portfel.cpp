// wczytajPortfel na dowolnej zawartosci pliku: odrzucenie zostawia klucze nietkniete,
// a przyjeta para przechodzi przez zapiszPortfel i wraca ta sama.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "portfel/portfel.h"

namespace {

void wymagaj(bool warunek)
{
    if (!warunek)
        std::abort();
}

// Tablica, nie std::string: sprzatanie w atexit biegnie juz po destruktorach statycznych.
char folder[] = "/tmp/talvarin-fuzz-portfel-XXXXXX";

void sprzataj()
{
    std::remove((std::string(folder) + "/wejscie.dat").c_str());
    std::remove((std::string(folder) + "/kopia.dat").c_str());
    ::rmdir(folder);
}

std::string folderRoboczy()
{
    static const bool gotowy = [] {
        wymagaj(::mkdtemp(folder) != nullptr);
        std::atexit(sprzataj);
        return true;
    }();
    (void)gotowy;
    return folder;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar)
{
    const std::string wejscie = folderRoboczy() + "/wejscie.dat";
    std::FILE* plik = std::fopen(wejscie.c_str(), "wb");
    wymagaj(plik != nullptr);
    wymagaj(std::fwrite(dane, 1, rozmiar, plik) == rozmiar);
    wymagaj(std::fclose(plik) == 0);

    ParaKluczy wzorzec;
    for (std::size_t i = 0; i < wzorzec.bajty.size(); ++i)
        wzorzec.bajty[i] = static_cast<unsigned char>(0xa5 ^ i);
    ParaKluczy klucze = wzorzec;
    if (!wczytajPortfel(klucze, wejscie)) {
        wymagaj(klucze == wzorzec);
        return 0;
    }
    const std::string kopia = folderRoboczy() + "/kopia.dat";
    wymagaj(zapiszPortfel(klucze, kopia));
    ParaKluczy zKopii = wzorzec;
    wymagaj(wczytajPortfel(zKopii, kopia) && zKopii == klucze);
    return 0;
}

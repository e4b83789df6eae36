// Pamiec i czas wczytania pliku lancucha (nie test): wczytuje plik tak jak wezel przy starcie
// i wypisuje liczbe blokow, czas, bajty zwartej postaci na blok oraz pamiec procesu.
// Plik buduje generuj_lancuch. Uzycie: pomiar_pamieci_lancucha <plik lancucha>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

#include "core/plik_lancucha.h"
#include "narzedzia_pomiarow.h"

namespace {

// Biezaca pamiec rezydentna procesu w MB (VmRSS z /proc).
double pamiecRezydentnaMB()
{
    std::ifstream status("/proc/self/status");
    std::string slowo;
    while (status >> slowo)
        if (slowo == "VmRSS:") {
            double kb = 0;
            status >> kb;
            return kb / 1024.0;
        }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "Uzycie: %s <plik lancucha>\n", argv[0]);
        return 2;
    }
    const double przed = pamiecRezydentnaMB();
    const auto start = std::chrono::steady_clock::now();
    Blockchain lancuch;
    if (!wczytajLancuch(lancuch, argv[1])) {
        std::fprintf(stderr, "Nie wczytano %s\n", argv[1]);
        return 1;
    }
    const double sekundy =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const auto bloki = static_cast<double>(lancuch.liczbaBlokow());
    const double po = pamiecRezydentnaMB();
    std::printf("bloki %.0f\nwczytanie_s %.2f\nzwarta_B_na_blok %.1f\nrezydentna_B_na_blok %.1f\n"
                "rezydentna_MB %.0f\nszczyt_MB %.0f\n",
                bloki, sekundy, static_cast<double>(lancuch.pobierzLancuch().bajty()) / bloki,
                (po - przed) * 1024.0 * 1024.0 / bloki, po, szczytPamieciMB());
    return 0;
}

#pragma once
// Wspolny poczatek celow, ktore karmia serwer wymiany: libsodium, folder roboczy (tmpfs, gdy
// jest), lancuch poczatkowy z jednym blokiem i wyciszone wyjscie (komunikaty serwera tylko by
// zasmiecaly wyjscie fuzzera).

#include <cstdlib>
#include <fcntl.h>
#include <sodium.h>
#include <string>
#include <unistd.h>

#include "core/dziennik.h"
#include "core/format_lancucha.h"

struct SerwerFuzzowania {
    std::string folder;
    std::string tekstPoczatkowy;
};

// Przygotowany raz na proces (pierwsze wywolanie, w LLVMFuzzerInitialize).
inline const SerwerFuzzowania& serwerFuzzowania()
{
    static const SerwerFuzzowania serwer = [] {
        if (sodium_init() < 0)
            std::abort();
        char wzor[] = "/dev/shm/talvarin-fuzz-XXXXXX";
        char wzorTmp[] = "/tmp/talvarin-fuzz-XXXXXX";
        const char* utworzony = ::mkdtemp(wzor);
        SerwerFuzzowania wynik;
        wynik.folder = utworzony != nullptr ? utworzony : ::mkdtemp(wzorTmp);
        Blockchain lancuch;
        lancuch.trudnosc = 1;
        lancuch.wykopIDodajBlok("00", {});
        wynik.tekstPoczatkowy = serializujLancuch(lancuch);
        const int nic = ::open("/dev/null", O_WRONLY);
        ::dup2(nic, 1);
        return wynik;
    }();
    return serwer;
}

// Dziennik serwera pod fuzzerem: pisze na wyciszone wyjscie.
inline Dziennik& dziennikFuzzowania()
{
    static Dziennik dziennik;
    return dziennik;
}

// Dowolny datagram jako ogloszenie obecnosci; plik wezlow w folderze tymczasowym.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "net/obecnosc.h"
#include "net/wezly.h"

namespace {

std::string plikWezlow;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    char wzor[] = "/dev/shm/talvarin-fuzz-XXXXXX";
    char wzorTmp[] = "/tmp/talvarin-fuzz-XXXXXX";
    const char* folder = ::mkdtemp(wzor);
    if (folder == nullptr)
        folder = ::mkdtemp(wzorTmp);
    if (folder == nullptr)
        std::abort();
    plikWezlow = std::string(folder) + "/wezly.dat";
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bajty, std::size_t rozmiar)
{
    const std::string tekst(reinterpret_cast<const char*>(bajty), rozmiar);
    ::unlink(plikWezlow.c_str());
    int zgloszenia = 0;
    int zgloszonyPort = 0;
    obsluzOgloszenie(tekst, "10.1.2.3", "abcd1234", plikWezlow, [&](const std::string& ip, int port) {
        if (ip != "10.1.2.3")
            __builtin_trap();
        ++zgloszenia;
        zgloszonyPort = port;
    });
    const std::vector<Wezel> wezly = wczytajWezly(plikWezlow);
    // Przyjete ogloszenie daje dokladnie jeden wpis i jedno zgloszenie, odrzucone nic.
    if (zgloszenia > 1 || wezly.size() != static_cast<std::size_t>(zgloszenia))
        __builtin_trap();
    if (zgloszenia == 1 && (wezly[0].ip != "10.1.2.3" || wezly[0].port != zgloszonyPort))
        __builtin_trap();
    return 0;
}

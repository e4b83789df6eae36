#include "przestrzen_sieci.h"

#include <cstdlib>
#include <cstring>
#include <net/if.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

bool wPrzestrzeni = false;

bool podniesLoopback()
{
    const int g = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (g < 0)
        return false;
    ifreq zadanie{};
    std::strncpy(zadanie.ifr_name, "lo", IFNAMSIZ - 1);
    bool ok = ::ioctl(g, SIOCGIFFLAGS, &zadanie) == 0;
    zadanie.ifr_flags = static_cast<short>(zadanie.ifr_flags | IFF_UP);
    ok = ok && ::ioctl(g, SIOCSIFFLAGS, &zadanie) == 0;
    ::close(g);
    return ok;
}

} // namespace

bool wejdzDoWlasnejPrzestrzeniSieci()
{
    if (std::getenv("TALVARIN_BEZ_NETNS") != nullptr)
        return false;
    wPrzestrzeni = ::unshare(CLONE_NEWNET) == 0 && podniesLoopback();
    return wPrzestrzeni;
}

bool wlasnaPrzestrzenSieci()
{
    return wPrzestrzeni;
}

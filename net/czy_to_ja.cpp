#include <arpa/inet.h>
#include <ifaddrs.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include "net/gniazda.h"

namespace {

// Adres z bloku dokumentacyjnego: wystarczy do wyboru trasy, a connect UDP niczego nie wysyla.
constexpr const char* ADRES_DO_WYBORU_TRASY = "192.0.2.1";
constexpr int PORT_DO_WYBORU_TRASY = 80;

std::string wykryjLokalnyAdres()
{
    const Gniazdo gniazdo = Gniazdo::utworz(SOCK_DGRAM);
    in_addr adres{};
    if (!gniazdo.otwarte() || ::inet_pton(AF_INET, ADRES_DO_WYBORU_TRASY, &adres) != 1)
        return {};
    const sockaddr_in cel = Gniazdo::adres(adres.s_addr, PORT_DO_WYBORU_TRASY);
    sockaddr_in wlasny{};
    socklen_t dlugosc = sizeof wlasny;
    char tekst[22] = {};
    if (::connect(*gniazdo, reinterpret_cast<const sockaddr*>(&cel), sizeof cel) == 0
        && ::getsockname(*gniazdo, reinterpret_cast<sockaddr*>(&wlasny), &dlugosc) == 0
        && ::inet_ntop(AF_INET, &wlasny.sin_addr, tekst, sizeof tekst) != nullptr)
        return tekst;
    return {};
}

// Czy adres nalezy do ktoregos interfejsu tej maszyny (czytane za kazdym razem:
// interfejsy moga sie zmieniac, a pytanie pada tylko dla wpisow z wlasnym portem).
bool adresInterfejsu(in_addr_t adres)
{
    ifaddrs* lista = nullptr;
    if (::getifaddrs(&lista) != 0)
        return false;
    bool znaleziono = false;
    for (const ifaddrs* i = lista; i != nullptr && !znaleziono; i = i->ifa_next) {
        if (i->ifa_addr != nullptr && i->ifa_addr->sa_family == AF_INET)
            znaleziono = reinterpret_cast<const sockaddr_in*>(i->ifa_addr)->sin_addr.s_addr == adres;
    }
    ::freeifaddrs(lista);
    return znaleziono;
}

} // namespace

const std::string& lokalnyAdresIp()
{
    static const std::string adres = wykryjLokalnyAdres();
    return adres;
}

bool czyToJa(const std::string& ip, int port, int mojPort)
{
    if (mojPort < 0 || port != mojPort)
        return false;
    if (ip == "localhost")
        return true;
    in_addr adres{};
    if (::inet_pton(AF_INET, ip.c_str(), &adres) != 1)
        return false;
    // Caly 127.0.0.0/8 i 0.0.0.0 prowadza na te maszyne.
    const std::uint32_t liczba = ntohl(adres.s_addr);
    if ((liczba >> 24) == 127 || liczba == 0)
        return true;
    const std::string& lokalny = lokalnyAdresIp();
    if (!lokalny.empty() && ip == lokalny)
        return true;
    return adresInterfejsu(adres.s_addr);
}

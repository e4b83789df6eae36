#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include "gniazda.h"

namespace {

// Adres z bloku dokumentacyjnego: wystarczy do wyboru trasy, a connect UDP niczego nie wysyla.
constexpr const char* ADRES_DO_WYBORU_TRASY = "192.0.2.1";
constexpr int PORT_DO_WYBORU_TRASY = 80;

std::string wykryjLokalnyAdres()
{
    const Gniazdo gniazdo = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (gniazdo < 0)
        return {};
    std::string wynik;
    sockaddr_in cel{};
    cel.sin_family = AF_INET;
    cel.sin_port = htons(PORT_DO_WYBORU_TRASY);
    sockaddr_in wlasny{};
    socklen_t dlugosc = sizeof wlasny;
    char tekst[22] = {};
    if (::inet_pton(AF_INET, ADRES_DO_WYBORU_TRASY, &cel.sin_addr) == 1
        && ::connect(gniazdo, reinterpret_cast<sockaddr*>(&cel), sizeof cel) == 0
        && ::getsockname(gniazdo, reinterpret_cast<sockaddr*>(&wlasny), &dlugosc) == 0
        && ::inet_ntop(AF_INET, &wlasny.sin_addr, tekst, sizeof tekst) != nullptr)
        wynik = tekst;
    zamknijGniazdo(gniazdo);
    return wynik;
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
    if (ip == "127.0.0.1" || ip == "localhost")
        return true;
    const std::string& lokalny = lokalnyAdresIp();
    return !lokalny.empty() && ip == lokalny;
}

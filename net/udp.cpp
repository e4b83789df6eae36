#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>

#include "net/gniazda.h"
#include "core/dziennik.h"

namespace {

constexpr std::chrono::milliseconds OKRES_PETLI{500};

// Jeden datagram: MSG_TRUNC podaje prawdziwa dlugosc, wiec za dlugi jest odrzucany w calosci.
void odbierzDatagram(
    Gniazdo gniazdo,
    const std::function<void(const std::string&, const std::string&)>& obsluga)
{
    char bufor[MAKS_DLUGOSC_DATAGRAMU + 1];
    sockaddr_in nadawca{};
    socklen_t dlugoscAdresu = sizeof nadawca;
    const ssize_t n = ::recvfrom(gniazdo, bufor, MAKS_DLUGOSC_DATAGRAMU, MSG_TRUNC,
                                 reinterpret_cast<sockaddr*>(&nadawca), &dlugoscAdresu);
    if (n <= 0 || static_cast<std::size_t>(n) > MAKS_DLUGOSC_DATAGRAMU)
        return;
    bufor[n] = '\0';
    char adres[INET_ADDRSTRLEN] = {};
    if (::inet_ntop(AF_INET, &nadawca.sin_addr, adres, sizeof adres) == nullptr)
        return;
    obsluga(std::string(bufor, std::strlen(bufor)), std::string(adres));
}

} // namespace

void nasluchujUdpWPetli(
    Dziennik& dziennik, int port, const StopPredykat& stop,
    const std::function<void(const std::string&, const std::string&)>& obsluga,
    const std::function<void()>& poKroku)
{
    const Gniazdo gniazdo = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (gniazdo < 0)
        return;
    const int tak = 1;
    (void)::setsockopt(gniazdo, SOL_SOCKET, SO_REUSEADDR, &tak, sizeof tak);
    sockaddr_in sa{};
    sa.sin_family = AF_INET;
    sa.sin_addr.s_addr = htonl(INADDR_ANY);
    sa.sin_port = htons(static_cast<std::uint16_t>(port));
    if (!portPoprawny(port) || ::bind(gniazdo, reinterpret_cast<sockaddr*>(&sa), sizeof sa) != 0) {
        dziennik.zglos({.rodzaj = RodzajWpisu::bladPortuWykrywania, .port = port});
        zamknijGniazdo(gniazdo);
        return;
    }
    while (!stop()) {
        if (czekajNaGniazdo(gniazdo, POLLIN, OKRES_PETLI) > 0)
            odbierzDatagram(gniazdo, obsluga);
        if (poKroku)
            poKroku();
    }
    zamknijGniazdo(gniazdo);
}

bool rozglosUdp(int port, const std::string& tresc)
{
    if (!portPoprawny(port))
        return false;
    const Gniazdo gniazdo = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (gniazdo < 0)
        return false;
    const int tak = 1;
    (void)::setsockopt(gniazdo, SOL_SOCKET, SO_BROADCAST, &tak, sizeof tak);
    sockaddr_in sa{};
    sa.sin_family = AF_INET;
    sa.sin_addr.s_addr = htonl(INADDR_BROADCAST);
    sa.sin_port = htons(static_cast<std::uint16_t>(port));
    const ssize_t n = ::sendto(gniazdo, tresc.data(), tresc.size(), MSG_NOSIGNAL,
                               reinterpret_cast<sockaddr*>(&sa), sizeof sa);
    zamknijGniazdo(gniazdo);
    return n >= 0 && static_cast<std::size_t>(n) == tresc.size();
}

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
    const Gniazdo& gniazdo,
    const std::function<void(const std::string&, const std::string&)>& obsluga)
{
    char bufor[MAKS_DLUGOSC_DATAGRAMU + 1];
    sockaddr_in nadawca{};
    socklen_t dlugoscAdresu = sizeof nadawca;
    const ssize_t n = ::recvfrom(*gniazdo, bufor, MAKS_DLUGOSC_DATAGRAMU, MSG_TRUNC,
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
    Dziennik& dziennik, int port, const std::stop_token& stop,
    const std::function<void(const std::string&, const std::string&)>& obsluga,
    const std::function<void()>& poKroku)
{
    const Gniazdo gniazdo = Gniazdo::utworz(SOCK_DGRAM);
    if (!gniazdo.otwarte())
        return;
    if (!gniazdo.przypiszWszystkim(port)) {
        dziennik.zglos({.rodzaj = RodzajWpisu::bladPortuWykrywania, .port = port});
        return;
    }
    while (!stop.stop_requested()) {
        if (gniazdo.czekaj(POLLIN, OKRES_PETLI, stop) > 0)
            odbierzDatagram(gniazdo, obsluga);
        if (poKroku)
            poKroku();
    }
}

bool rozglosUdp(int port, const std::string& tresc)
{
    if (!portPoprawny(port))
        return false;
    const Gniazdo gniazdo = Gniazdo::utworz(SOCK_DGRAM);
    if (!gniazdo.otwarte())
        return false;
    const int tak = 1;
    (void)::setsockopt(*gniazdo, SOL_SOCKET, SO_BROADCAST, &tak, sizeof tak);
    const sockaddr_in sa = Gniazdo::adres(htonl(INADDR_BROADCAST), port);
    const ssize_t n = ::sendto(*gniazdo, tresc.data(), tresc.size(), MSG_NOSIGNAL,
                               reinterpret_cast<const sockaddr*>(&sa), sizeof sa);
    return n >= 0 && static_cast<std::size_t>(n) == tresc.size();
}

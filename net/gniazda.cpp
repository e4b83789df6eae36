#include "net/gniazda.h"

#include "core/dziennik.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>

#include "core/dziennik.h"

namespace {

// Polaczenie, ktorego oba konce to ten sam adres i port: jadro polaczylo gniazdo
// samo ze soba (wlasny port wybrany jako zrodlowy). Rozmowa z samym soba nie ma sensu.
bool polaczonoZSamymSoba(const Gniazdo& gniazdo)
{
    sockaddr_in wlasny{};
    sockaddr_in drugi{};
    socklen_t d1 = sizeof wlasny;
    socklen_t d2 = sizeof drugi;
    if (::getsockname(*gniazdo, reinterpret_cast<sockaddr*>(&wlasny), &d1) != 0
        || ::getpeername(*gniazdo, reinterpret_cast<sockaddr*>(&drugi), &d2) != 0)
        return false;
    return wlasny.sin_addr.s_addr == drugi.sin_addr.s_addr && wlasny.sin_port == drugi.sin_port;
}

// Laczenie w trybie nieblokujacym; EINPROGRESS gra role WSAEWOULDBLOCK.
// Zwraca 1 polaczono, 0 uplynal czas lub zatrzymano, -1 odmowa lub blad.
int polaczNieblokujaco(const Gniazdo& gniazdo, const sockaddr_in& sa,
                       std::chrono::milliseconds limit, const std::stop_token& stop)
{
    if (!gniazdo.ustawNieblokujace(true))
        return -1;
    if (::connect(*gniazdo, reinterpret_cast<const sockaddr*>(&sa), sizeof sa) == 0)
        return polaczonoZSamymSoba(gniazdo) ? -1 : 1;
    if (errno != EINPROGRESS && errno != EINTR)
        return -1;
    if (gniazdo.czekaj(POLLOUT, limit, stop) <= 0)
        return 0;
    int blad = 0;
    socklen_t dlugosc = sizeof blad;
    if (::getsockopt(*gniazdo, SOL_SOCKET, SO_ERROR, &blad, &dlugosc) != 0 || blad != 0)
        return -1;
    return polaczonoZSamymSoba(gniazdo) ? -1 : 1;
}

} // namespace

Gniazdo Gniazdo::utworz(int rodzaj)
{
    return Gniazdo(::socket(AF_INET, rodzaj | SOCK_CLOEXEC, 0));
}

sockaddr_in Gniazdo::adres(in_addr_t adresSieci, int port)
{
    sockaddr_in sa{};
    sa.sin_family = AF_INET;
    sa.sin_addr.s_addr = adresSieci;
    sa.sin_port = htons(static_cast<std::uint16_t>(port));
    return sa;
}

bool Gniazdo::przypisz(in_addr_t adresSieci, int port) const
{
    const sockaddr_in sa = adres(adresSieci, port);
    return portPoprawny(port)
        && ::bind(*fd, reinterpret_cast<const sockaddr*>(&sa), sizeof sa) == 0;
}

bool Gniazdo::przypiszWszystkim(int port) const
{
    // Bez tej opcji polaczenia zamkniete chwile temu (TIME_WAIT) blokuja port do minuty po
    // ponownym uruchomieniu. Na Linuksie nie pozwala ona nasluchiwac drugiemu gniazdu na
    // porcie, na ktorym ktos juz nasluchuje.
    const int wlacz = 1;
    (void)::setsockopt(*fd, SOL_SOCKET, SO_REUSEADDR, &wlacz, sizeof wlacz);
    return przypisz(htonl(INADDR_ANY), port);
}

bool Gniazdo::ustawNieblokujace(bool wlacz) const
{
    const int flagi = ::fcntl(*fd, F_GETFL, 0);
    if (flagi < 0)
        return false;
    const int nowe = wlacz ? (flagi | O_NONBLOCK) : (flagi & ~O_NONBLOCK);
    return ::fcntl(*fd, F_SETFL, nowe) == 0;
}

int Gniazdo::czekaj(short zdarzenia, std::chrono::milliseconds limit,
                    const std::stop_token& stop) const
{
    using Zegar = std::chrono::steady_clock;
    const auto koniec = Zegar::now() + limit;
    // Bez mozliwego zatrzymania jeden poll na caly czas; z nim odcinki, miedzy ktorymi pytamy.
    const bool odcinkami = stop.stop_possible();
    for (;;) {
        if (stop.stop_requested())
            return 0;
        const auto zostalo =
            std::chrono::duration_cast<std::chrono::milliseconds>(koniec - Zegar::now());
        const auto odcinek = odcinkami ? std::min(zostalo, KROK_CZEKANIA_NA_STOP) : zostalo;
        const int wynik = fd.czekaj(zdarzenia, odcinek);
        if (wynik == 0 && odcinek < zostalo)
            continue;
        return wynik;
    }
}

bool inicjalizujSiec()
{
    return true;
}

void zakonczSiec() {}

namespace {

Gniazdo gniazdoTcp(Dziennik& dziennik)
{
    Gniazdo gniazdo = Gniazdo::utworz(SOCK_STREAM);
    if (!gniazdo.otwarte())
        dziennik.zglos({.rodzaj = RodzajWpisu::bladGniazda});
    return gniazdo;
}

} // namespace

Gniazdo utworzGniazdoNasluchu(Dziennik& dziennik, int port)
{
    Gniazdo gniazdo = gniazdoTcp(dziennik);
    if (!gniazdo.otwarte())
        return {};
    if (!gniazdo.przypiszWszystkim(port)) {
        dziennik.zglos({.rodzaj = RodzajWpisu::bladBindowania, .port = port});
        return {};
    }
    // Kolejka na tyle polaczen, ile obslugujemy naraz: przy kolejce 1 nadmiarowe SYN-y sa
    // gubione i klient czeka na ich powtorzenie (1 s, 3 s, ...).
    if (::listen(*gniazdo, MAKS_POLACZEN) != 0) {
        dziennik.zglos({.rodzaj = RodzajWpisu::bladNasluchu});
        return {};
    }
    return gniazdo;
}

Gniazdo polaczZLimitemCzasu(Dziennik& dziennik, const std::string& ip, int port, const std::stop_token& stop,
                            std::chrono::milliseconds limit)
{
    Gniazdo gniazdo = gniazdoTcp(dziennik);
    if (!gniazdo.otwarte())
        return {};
    in_addr adres{};
    if (::inet_pton(AF_INET, ip.c_str(), &adres) != 1) {
        dziennik.zglos({.rodzaj = RodzajWpisu::niepoprawnyAdresIp});
        return {};
    }
    // Port spoza 1..65535 (z listy albo ogloszenia) nie moze trafic pod inny port.
    const int wynik = portPoprawny(port)
        ? polaczNieblokujaco(gniazdo, Gniazdo::adres(adres.s_addr, port), limit, stop)
        : -1;
    if (wynik == 0) {
        // Czekanie przerwane zatrzymaniem to nie brak odpowiedzi wezla: wpis zglosi wolajacy.
        if (!stop.stop_requested())
            dziennik.zglos({.rodzaj = RodzajWpisu::limitPolaczenia, .adres = adresWezla(ip, port)});
        return {};
    }
    if (wynik < 0 || !gniazdo.ustawNieblokujace(false)) {
        dziennik.zglos({.rodzaj = RodzajWpisu::bladPolaczenia, .adres = adresWezla(ip, port)});
        return {};
    }
    return gniazdo;
}

#include "net/gniazda.h"

#include "core/dziennik.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include "core/dziennik.h"


namespace {

thread_local const StopPredykat* stopWatku = nullptr;

// Polaczenie, ktorego oba konce to ten sam adres i port: jadro polaczylo gniazdo
// samo ze soba (wlasny port wybrany jako zrodlowy). Rozmowa z samym soba nie ma sensu.
bool polaczonoZSamymSoba(Gniazdo gniazdo)
{
    sockaddr_in wlasny{};
    sockaddr_in drugi{};
    socklen_t d1 = sizeof wlasny;
    socklen_t d2 = sizeof drugi;
    if (::getsockname(gniazdo, reinterpret_cast<sockaddr*>(&wlasny), &d1) != 0
        || ::getpeername(gniazdo, reinterpret_cast<sockaddr*>(&drugi), &d2) != 0)
        return false;
    return wlasny.sin_addr.s_addr == drugi.sin_addr.s_addr && wlasny.sin_port == drugi.sin_port;
}

bool ustawNieblokujace(Gniazdo gniazdo, bool wlacz)
{
    const int flagi = ::fcntl(gniazdo, F_GETFL, 0);
    if (flagi < 0)
        return false;
    const int nowe = wlacz ? (flagi | O_NONBLOCK) : (flagi & ~O_NONBLOCK);
    return ::fcntl(gniazdo, F_SETFL, nowe) == 0;
}

sockaddr_in adresGniazda(in_addr_t adres, int port)
{
    sockaddr_in sa{};
    sa.sin_family = AF_INET;
    sa.sin_addr.s_addr = adres;
    sa.sin_port = htons(static_cast<std::uint16_t>(port));
    return sa;
}

// Laczenie w trybie nieblokujacym; EINPROGRESS gra role WSAEWOULDBLOCK.
// Zwraca 1 polaczono, 0 uplynal czas, -1 odmowa lub blad.
int polaczNieblokujaco(Gniazdo gniazdo, const sockaddr_in& sa, std::chrono::milliseconds limit)
{
    if (!ustawNieblokujace(gniazdo, true))
        return -1;
    if (::connect(gniazdo, reinterpret_cast<const sockaddr*>(&sa), sizeof sa) == 0)
        return polaczonoZSamymSoba(gniazdo) ? -1 : 1;
    if (errno != EINPROGRESS && errno != EINTR)
        return -1;
    if (czekajNaGniazdo(gniazdo, POLLOUT, limit) <= 0)
        return 0;
    int blad = 0;
    socklen_t dlugosc = sizeof blad;
    if (::getsockopt(gniazdo, SOL_SOCKET, SO_ERROR, &blad, &dlugosc) != 0 || blad != 0)
        return -1;
    return polaczonoZSamymSoba(gniazdo) ? -1 : 1;
}

} // namespace

bool inicjalizujSiec()
{
    return true;
}

void zakonczSiec() {}

void zamknijGniazdo(Gniazdo gniazdo)
{
    if (gniazdo != NIEPRAWIDLOWE_GNIAZDO)
        ::close(gniazdo);
}

ZakresStopu::ZakresStopu(const StopPredykat& stop) : poprzedni(stopWatku)
{
    stopWatku = &stop;
}

ZakresStopu::~ZakresStopu()
{
    stopWatku = poprzedni;
}

const StopPredykat* biezacyStop()
{
    return stopWatku;
}

bool zatrzymanoWatek()
{
    return stopWatku != nullptr && *stopWatku && (*stopWatku)();
}

int czekajNaGniazdo(Gniazdo gniazdo, short zdarzenia, std::chrono::milliseconds limit)
{
    using Zegar = std::chrono::steady_clock;
    const auto koniec = Zegar::now() + limit;
    for (;;) {
        if (zatrzymanoWatek())
            return 0;
        const auto zostalo =
            std::chrono::duration_cast<std::chrono::milliseconds>(koniec - Zegar::now());
        // Bez zakresu stopu jeden poll na caly czas; z nim odcinki, miedzy ktorymi pytamy.
        const auto odcinek = stopWatku == nullptr ? zostalo : std::min(zostalo, KROK_CZEKANIA_NA_STOP);
        pollfd pfd{gniazdo, zdarzenia, 0};
        const int wynik = ::poll(&pfd, 1, static_cast<int>(std::max<long long>(0, odcinek.count())));
        if (wynik < 0 && errno == EINTR)
            continue;
        if (wynik == 0 && odcinek < zostalo)
            continue;
        return wynik;
    }
}

Gniazdo utworzGniazdoNasluchu(Dziennik& dziennik, int port)
{
    const Gniazdo gniazdo = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (gniazdo < 0) {
        dziennik.zglos({.rodzaj = RodzajWpisu::bladGniazda});
        return NIEPRAWIDLOWE_GNIAZDO;
    }
    // Bez tej opcji polaczenia zamkniete chwile temu (TIME_WAIT) blokuja port do minuty po
    // ponownym uruchomieniu. Na Linuksie nie pozwala ona nasluchiwac drugiemu gniazdu na
    // porcie, na ktorym ktos juz nasluchuje.
    const int wlacz = 1;
    (void)::setsockopt(gniazdo, SOL_SOCKET, SO_REUSEADDR, &wlacz, sizeof wlacz);
    // Port spoza zakresu obcialby sie po cichu do innego: traktujemy jak zajety.
    const sockaddr_in sa = adresGniazda(htonl(INADDR_ANY), port);
    if (!portPoprawny(port)
        || ::bind(gniazdo, reinterpret_cast<const sockaddr*>(&sa), sizeof sa) != 0) {
        dziennik.zglos({.rodzaj = RodzajWpisu::bladBindowania, .port = port});
        zamknijGniazdo(gniazdo);
        return NIEPRAWIDLOWE_GNIAZDO;
    }
    // Kolejka na tyle polaczen, ile obslugujemy naraz: przy kolejce 1 nadmiarowe SYN-y sa
    // gubione i klient czeka na ich powtorzenie (1 s, 3 s, ...).
    if (::listen(gniazdo, MAKS_POLACZEN) != 0) {
        dziennik.zglos({.rodzaj = RodzajWpisu::bladNasluchu});
        zamknijGniazdo(gniazdo);
        return NIEPRAWIDLOWE_GNIAZDO;
    }
    return gniazdo;
}

Gniazdo polaczZLimitemCzasu(Dziennik& dziennik, const std::string& ip, int port,
                            std::chrono::milliseconds limit)
{
    const Gniazdo gniazdo = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (gniazdo < 0) {
        dziennik.zglos({.rodzaj = RodzajWpisu::bladGniazda});
        return NIEPRAWIDLOWE_GNIAZDO;
    }
    in_addr adres{};
    if (::inet_pton(AF_INET, ip.c_str(), &adres) != 1) {
        dziennik.zglos({.rodzaj = RodzajWpisu::niepoprawnyAdresIp});
        zamknijGniazdo(gniazdo);
        return NIEPRAWIDLOWE_GNIAZDO;
    }
    // Port spoza 1..65535 (z listy albo ogloszenia) nie moze trafic pod inny port.
    const int wynik = portPoprawny(port)
        ? polaczNieblokujaco(gniazdo, adresGniazda(adres.s_addr, port), limit)
        : -1;
    if (wynik == 0) {
        // Czekanie przerwane zatrzymaniem to nie brak odpowiedzi wezla: wpis zglosi wolajacy.
        if (!zatrzymanoWatek())
            dziennik.zglos({.rodzaj = RodzajWpisu::limitPolaczenia, .adres = adresWezla(ip, port)});
        zamknijGniazdo(gniazdo);
        return NIEPRAWIDLOWE_GNIAZDO;
    }
    if (wynik < 0 || !ustawNieblokujace(gniazdo, false)) {
        dziennik.zglos({.rodzaj = RodzajWpisu::bladPolaczenia, .adres = adresWezla(ip, port)});
        zamknijGniazdo(gniazdo);
        return NIEPRAWIDLOWE_GNIAZDO;
    }
    return gniazdo;
}

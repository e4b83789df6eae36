#include "gniazda.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <fcntl.h>
#include <iostream>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include "ramki.h"

namespace {

constexpr std::chrono::milliseconds OKRES_PETLI{500};

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

bool portPoprawny(int port) { return port >= 1 && port <= 65535; }

void wypiszBladPolaczenia(const std::string& ip, int port)
{
    std::cout << "BLAD: nie udalo sie polaczyc z " << ip << ":" << port << "\n";
}

// Laczenie w trybie nieblokujacym; EINPROGRESS gra role WSAEWOULDBLOCK.
// Zwraca 1 polaczono, 0 uplynal czas, -1 odmowa lub blad.
int polaczNieblokujaco(Gniazdo gniazdo, const sockaddr_in& sa, std::chrono::milliseconds limit)
{
    if (!ustawNieblokujace(gniazdo, true))
        return -1;
    if (::connect(gniazdo, reinterpret_cast<const sockaddr*>(&sa), sizeof sa) == 0)
        return 1;
    if (errno != EINPROGRESS && errno != EINTR)
        return -1;
    if (czekajNaGniazdo(gniazdo, POLLOUT, limit) <= 0)
        return 0;
    int blad = 0;
    socklen_t dlugosc = sizeof blad;
    if (::getsockopt(gniazdo, SOL_SOCKET, SO_ERROR, &blad, &dlugosc) != 0 || blad != 0)
        return -1;
    return 1;
}

void obsluzPolaczenie(Gniazdo klient, const std::function<std::string(const std::string&)>& obsluga,
                      std::chrono::milliseconds limitOdbioru)
{
    const std::string wiadomosc = odbierzWiadomosc(klient, limitOdbioru);
    if (!wiadomosc.empty()) {
        const std::string odpowiedz = obsluga(wiadomosc);
        if (!odpowiedz.empty())
            (void)wyslijWiadomosc(klient, odpowiedz);
    }
    zamknijGniazdo(klient);
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

int czekajNaGniazdo(Gniazdo gniazdo, short zdarzenia, std::chrono::milliseconds limit)
{
    using Zegar = std::chrono::steady_clock;
    const auto koniec = Zegar::now() + limit;
    for (;;) {
        const auto zostalo =
            std::chrono::duration_cast<std::chrono::milliseconds>(koniec - Zegar::now());
        pollfd pfd{gniazdo, zdarzenia, 0};
        const int wynik = ::poll(&pfd, 1, static_cast<int>(std::max<long long>(0, zostalo.count())));
        if (wynik < 0 && errno == EINTR)
            continue;
        return wynik;
    }
}

Gniazdo utworzGniazdoNasluchu(int port)
{
    const Gniazdo gniazdo = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (gniazdo < 0) {
        std::cout << "BLAD: nie udalo sie utworzyc gniazda.\n";
        return NIEPRAWIDLOWE_GNIAZDO;
    }
    // Port spoza zakresu obcialby sie po cichu do innego: traktujemy jak zajety.
    const sockaddr_in sa = adresGniazda(htonl(INADDR_ANY), port);
    if (!portPoprawny(port)
        || ::bind(gniazdo, reinterpret_cast<const sockaddr*>(&sa), sizeof sa) != 0) {
        std::cout << "BLAD: nie udalo sie zbindowac portu " << port
                  << " (moze jest juz zajety?).\n";
        zamknijGniazdo(gniazdo);
        return NIEPRAWIDLOWE_GNIAZDO;
    }
    if (::listen(gniazdo, 1) != 0) {
        std::cout << "BLAD: nie udalo sie nasluchiwac.\n";
        zamknijGniazdo(gniazdo);
        return NIEPRAWIDLOWE_GNIAZDO;
    }
    return gniazdo;
}

void nasluchujTcpWPetli(int port, const StopPredykat& stop,
                        const std::function<std::string(const std::string&)>& obsluga,
                        const std::function<void(bool)>& gotowy,
                        std::chrono::milliseconds limitOdbioru)
{
    const Gniazdo nasluch = utworzGniazdoNasluchu(port);
    if (nasluch == NIEPRAWIDLOWE_GNIAZDO) {
        if (gotowy)
            gotowy(false);
        return;
    }
    // Nieblokujace accept: polaczenie zerwane miedzy poll a accept nie zawiesza petli.
    (void)ustawNieblokujace(nasluch, true);
    if (gotowy)
        gotowy(true);
    std::cout << "Nasluchuje na porcie " << port << " w petli...\n";
    while (!stop()) {
        if (czekajNaGniazdo(nasluch, POLLIN, OKRES_PETLI) <= 0)
            continue;
        const Gniazdo klient = ::accept4(nasluch, nullptr, nullptr, SOCK_CLOEXEC);
        if (klient >= 0)
            obsluzPolaczenie(klient, obsluga, limitOdbioru);
    }
    zamknijGniazdo(nasluch);
}

Gniazdo polaczZLimitemCzasu(const std::string& ip, int port, std::chrono::milliseconds limit)
{
    const Gniazdo gniazdo = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (gniazdo < 0) {
        std::cout << "BLAD: nie udalo sie utworzyc gniazda.\n";
        return NIEPRAWIDLOWE_GNIAZDO;
    }
    in_addr adres{};
    if (::inet_pton(AF_INET, ip.c_str(), &adres) != 1) {
        std::cout << "BLAD: niepoprawny adres IP.\n";
        zamknijGniazdo(gniazdo);
        return NIEPRAWIDLOWE_GNIAZDO;
    }
    // Port spoza 1..65535 (z listy albo ogloszenia) nie moze trafic pod inny port.
    const int wynik = portPoprawny(port)
        ? polaczNieblokujaco(gniazdo, adresGniazda(adres.s_addr, port), limit)
        : -1;
    if (wynik == 0) {
        std::cout << "BLAD: przekroczono czas oczekiwania na polaczenie z " << ip << ":" << port
                  << " (wezel offline?)\n";
        zamknijGniazdo(gniazdo);
        return NIEPRAWIDLOWE_GNIAZDO;
    }
    if (wynik < 0 || !ustawNieblokujace(gniazdo, false)) {
        wypiszBladPolaczenia(ip, port);
        zamknijGniazdo(gniazdo);
        return NIEPRAWIDLOWE_GNIAZDO;
    }
    return gniazdo;
}

#include "ramki.h"

#include <algorithm>
#include <cerrno>
#include <poll.h>
#include <sys/socket.h>

#include "liczby.h"

namespace {

using Zegar = std::chrono::steady_clock;

constexpr std::size_t DLUGOSC_NAGLOWKA = 10;
constexpr std::size_t KAWALEK = 4096;
// Najwolniejsze tempo, na jakie czekamy przy dlugiej wiadomosci: 1 MiB na sekunde.
constexpr std::size_t BAJTOW_NA_SEKUNDE = 1024 * 1024;

// Termin calej wiadomosci: limit ciszy plus jej dlugosc przy najwolniejszym tempie.
// Peer, ktory saczy bajty, nie przedluza sobie czasu w nieskonczonosc.
Zegar::time_point terminWiadomosci(Zegar::time_point start, std::chrono::milliseconds limit,
                                   std::size_t dlugosc)
{
    const auto naDane = std::chrono::milliseconds(dlugosc / (BAJTOW_NA_SEKUNDE / 1000));
    return start + limit + naDane;
}

// Czeka na gotowosc nie dluzej niz limit ciszy i nie poza termin calej wiadomosci.
bool czekajDoTerminu(Gniazdo gniazdo, short zdarzenia, std::chrono::milliseconds limit,
                     Zegar::time_point termin)
{
    const auto doTerminu = std::chrono::duration_cast<std::chrono::milliseconds>(termin - Zegar::now());
    if (doTerminu.count() <= 0)
        return false;
    return czekajNaGniazdo(gniazdo, zdarzenia, std::min(limit, doTerminu)) > 0;
}

// Wysyla calosc bez blokowania; MSG_NOSIGNAL, zeby zerwane polaczenie nie konczylo
// procesu sygnalem. Peer, ktory nie czyta, zatrzymuje nas najwyzej do terminu.
bool wyslijWszystko(Gniazdo gniazdo, const char* dane, std::size_t ile,
                    std::chrono::milliseconds limit, Zegar::time_point termin)
{
    std::size_t wyslano = 0;
    while (wyslano < ile) {
        if (!czekajDoTerminu(gniazdo, POLLOUT, limit, termin))
            return false;
        const ssize_t n =
            ::send(gniazdo, dane + wyslano, ile - wyslano, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n < 0 && (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK))
            continue;
        if (n < 1)
            return false;
        wyslano += static_cast<std::size_t>(n);
    }
    return true;
}

bool odbierzDoTerminu(Gniazdo gniazdo, std::string& cel, std::size_t potrzeba,
                      std::chrono::milliseconds limit, Zegar::time_point termin)
{
    char bufor[KAWALEK];
    // Pamiec rosnie tylko o bajty, ktore naprawde przyszly.
    while (cel.size() < potrzeba) {
        if (!czekajDoTerminu(gniazdo, POLLIN, limit, termin))
            return false;
        const std::size_t porcja = std::min(potrzeba - cel.size(), KAWALEK);
        const ssize_t n = ::recv(gniazdo, bufor, porcja, MSG_DONTWAIT);
        if (n < 0 && (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK))
            continue;
        if (n < 1)
            return false;
        cel.append(bufor, static_cast<std::size_t>(n));
    }
    return true;
}

} // namespace

bool wyslijCzesci(Gniazdo gniazdo, std::initializer_list<std::string_view> czesci,
                  std::chrono::milliseconds limit)
{
    std::size_t dlugosc = 0;
    for (const std::string_view czesc : czesci)
        dlugosc += czesc.size();
    const std::string naglowek = naglowekDlugosci(dlugosc);
    const auto termin = terminWiadomosci(Zegar::now(), limit, naglowek.size() + dlugosc);
    bool wyslano = wyslijWszystko(gniazdo, naglowek.data(), naglowek.size(), limit, termin);
    for (const std::string_view czesc : czesci)
        wyslano = wyslano && wyslijWszystko(gniazdo, czesc.data(), czesc.size(), limit, termin);
    return wyslano;
}

std::string naglowekDlugosci(std::size_t dlugosc)
{
    std::string cyfry = std::to_string(dlugosc);
    if (cyfry.size() < DLUGOSC_NAGLOWKA)
        cyfry.insert(0, DLUGOSC_NAGLOWKA - cyfry.size(), '0');
    return cyfry;
}

bool wyslijWiadomosc(Gniazdo gniazdo, const std::string& tresc, std::chrono::milliseconds limit)
{
    return wyslijCzesci(gniazdo, {tresc}, limit);
}

std::string odbierzWiadomosc(Gniazdo gniazdo, std::chrono::milliseconds limit,
                             long long maksDlugosc)
{
    const auto start = Zegar::now();
    std::string naglowek;
    if (!odbierzDoTerminu(gniazdo, naglowek, DLUGOSC_NAGLOWKA, limit,
                          terminWiadomosci(start, limit, DLUGOSC_NAGLOWKA)))
        return {};
    const auto dlugosc = liczbaJakStrtol32(naglowek);
    if (!dlugosc || *dlugosc <= 0 || *dlugosc > std::min(maksDlugosc, MAKS_DLUGOSC_RAMKI))
        return {};
    const auto potrzeba = static_cast<std::size_t>(*dlugosc);
    // Naglowek i tresc razem musza zmiescic sie w jednym terminie.
    std::string tresc;
    if (!odbierzDoTerminu(gniazdo, tresc, potrzeba, limit,
                          terminWiadomosci(start, limit, DLUGOSC_NAGLOWKA + potrzeba)))
        return {};
    return tresc;
}

bool wyslijIOdbierz(const std::string& ip, int port, const std::string& zapytanie,
                    std::string& odpowiedz, std::chrono::milliseconds limit)
{
    return wyslijCzesciIOdbierz(ip, port, {zapytanie}, odpowiedz, limit);
}

bool wyslijCzesciIOdbierz(const std::string& ip, int port,
                          std::initializer_list<std::string_view> czesci, std::string& odpowiedz,
                          std::chrono::milliseconds limit)
{
    const Gniazdo gniazdo = polaczZLimitemCzasu(ip, port);
    if (gniazdo == NIEPRAWIDLOWE_GNIAZDO)
        return false;
    const bool wyslano = wyslijCzesci(gniazdo, czesci, limit);
    if (wyslano)
        odpowiedz = odbierzWiadomosc(gniazdo, limit, MAKS_DLUGOSC_ODPOWIEDZI);
    zamknijGniazdo(gniazdo);
    return wyslano;
}

#include "ramki.h"

#include <algorithm>
#include <cerrno>
#include <poll.h>
#include <sys/socket.h>

#include "liczby.h"

namespace {

constexpr std::size_t DLUGOSC_NAGLOWKA = 10;
constexpr std::size_t KAWALEK = 4096;

// Wysyla calosc; MSG_NOSIGNAL, zeby zerwane polaczenie nie konczylo procesu sygnalem.
bool wyslijWszystko(Gniazdo gniazdo, const char* dane, std::size_t ile)
{
    std::size_t wyslano = 0;
    while (wyslano < ile) {
        const ssize_t n = ::send(gniazdo, dane + wyslano, ile - wyslano, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 1)
            return false;
        wyslano += static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

std::string naglowekDlugosci(std::size_t dlugosc)
{
    std::string cyfry = std::to_string(dlugosc);
    if (cyfry.size() < DLUGOSC_NAGLOWKA)
        cyfry.insert(0, DLUGOSC_NAGLOWKA - cyfry.size(), '0');
    return cyfry;
}

bool wyslijWiadomosc(Gniazdo gniazdo, const std::string& tresc)
{
    const std::string naglowek = naglowekDlugosci(tresc.size());
    return wyslijWszystko(gniazdo, naglowek.data(), naglowek.size())
        && wyslijWszystko(gniazdo, tresc.data(), tresc.size());
}

bool odbierzDokladnie(Gniazdo gniazdo, std::string& cel, int ile, std::chrono::milliseconds limit)
{
    cel.clear();
    if (ile <= 0)
        return true;
    const auto potrzeba = static_cast<std::size_t>(ile);
    char bufor[KAWALEK];
    // Pamiec rosnie tylko o bajty, ktore naprawde przyszly.
    while (cel.size() < potrzeba) {
        if (czekajNaGniazdo(gniazdo, POLLIN, limit) <= 0)
            return false;
        const std::size_t porcja = std::min(potrzeba - cel.size(), KAWALEK);
        const ssize_t n = ::recv(gniazdo, bufor, porcja, 0);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 1)
            return false;
        cel.append(bufor, static_cast<std::size_t>(n));
    }
    return true;
}

std::string odbierzWiadomosc(Gniazdo gniazdo, std::chrono::milliseconds limit)
{
    std::string naglowek;
    if (!odbierzDokladnie(gniazdo, naglowek, static_cast<int>(DLUGOSC_NAGLOWKA), limit))
        return {};
    const auto dlugosc = liczbaJakStrtol32(naglowek);
    if (!dlugosc || *dlugosc <= 0 || *dlugosc > MAKS_DLUGOSC_RAMKI)
        return {};
    std::string tresc;
    if (!odbierzDokladnie(gniazdo, tresc, *dlugosc, limit))
        return {};
    return tresc;
}

bool wyslijIOdbierz(const std::string& ip, int port, const std::string& zapytanie,
                    std::string& odpowiedz, std::chrono::milliseconds limit)
{
    const Gniazdo gniazdo = polaczZLimitemCzasu(ip, port);
    if (gniazdo == NIEPRAWIDLOWE_GNIAZDO)
        return false;
    const bool wyslano = wyslijWiadomosc(gniazdo, zapytanie);
    if (wyslano)
        odpowiedz = odbierzWiadomosc(gniazdo, limit);
    zamknijGniazdo(gniazdo);
    return wyslano;
}

bool wyslijCzesciIOdbierz(const std::string& ip, int port,
                          std::initializer_list<std::string_view> czesci, std::string& odpowiedz,
                          std::chrono::milliseconds limit)
{
    std::size_t dlugosc = 0;
    for (const std::string_view czesc : czesci)
        dlugosc += czesc.size();
    const Gniazdo gniazdo = polaczZLimitemCzasu(ip, port);
    if (gniazdo == NIEPRAWIDLOWE_GNIAZDO)
        return false;
    const std::string naglowek = naglowekDlugosci(dlugosc);
    bool wyslano = wyslijWszystko(gniazdo, naglowek.data(), naglowek.size());
    for (const std::string_view czesc : czesci)
        wyslano = wyslano && wyslijWszystko(gniazdo, czesc.data(), czesc.size());
    if (wyslano)
        odpowiedz = odbierzWiadomosc(gniazdo, limit);
    zamknijGniazdo(gniazdo);
    return wyslano;
}

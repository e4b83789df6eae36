// Odbior ramki z dowolnych bajtow przez pare gniazd: wynik musi zgadzac sie z naglowkiem.

#include <cstdint>
#include <string>
#include <sys/socket.h>
#include <unistd.h>

#include "core/liczby.h"
#include "net/ramki.h"

namespace {

// Czego oczekujemy od odbierzWiadomosc dla tych bajtow, gdy nadawca potem zamyka.
std::string oczekiwana(const std::string& dane)
{
    if (dane.size() < 10)
        return {};
    const auto dlugosc = liczbaJakStrtoll(std::string_view(dane).substr(0, 10));
    if (!dlugosc || *dlugosc <= 0 || *dlugosc > MAKS_DLUGOSC_RAMKI)
        return {};
    const auto ile = static_cast<std::size_t>(*dlugosc);
    if (dane.size() - 10 < ile)
        return {};
    return dane.substr(10, ile);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bajty, std::size_t rozmiar)
{
    if (rozmiar > 60000)
        return 0; // miesci sie w buforze gniazda, zapis nie blokuje
    const std::string dane(reinterpret_cast<const char*>(bajty), rozmiar);
    int para[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, para) != 0)
        return 0;
    std::size_t wyslano = 0;
    while (wyslano < dane.size()) {
        const ssize_t n = ::send(para[0], dane.data() + wyslano, dane.size() - wyslano, MSG_NOSIGNAL);
        if (n <= 0)
            break;
        wyslano += static_cast<std::size_t>(n);
    }
    ::shutdown(para[0], SHUT_WR);
    const Gniazdo odbiorca(para[1]);
    const std::string wynik = odbierzWiadomosc(odbiorca, {}, std::chrono::milliseconds(1000));
    ::close(para[0]);
    if (wyslano == dane.size() && wynik != oczekiwana(dane))
        __builtin_trap();
    return 0;
}

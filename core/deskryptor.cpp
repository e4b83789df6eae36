#include "core/deskryptor.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>
#include <utility>

namespace {

// Powtarza wywolanie systemowe przerwane sygnalem.
template <typename Wywolanie>
auto ponawiajPoSygnale(Wywolanie wywolanie)
{
    for (;;) {
        const auto wynik = wywolanie();
        if (wynik < 0 && errno == EINTR)
            continue;
        return wynik;
    }
}

} // namespace

Deskryptor::Deskryptor(Deskryptor&& inny) noexcept : fd(std::exchange(inny.fd, -1)) {}

Deskryptor& Deskryptor::operator=(Deskryptor&& inny) noexcept
{
    if (this != &inny) {
        (void)zamknij();
        fd = std::exchange(inny.fd, -1);
    }
    return *this;
}

Deskryptor Deskryptor::otworz(const std::string& sciezka, int flagi, mode_t tryb)
{
    return Deskryptor(::open(sciezka.c_str(), flagi, tryb));
}

bool Deskryptor::zamknij() noexcept
{
    if (fd < 0)
        return true;
    // Po EINTR deskryptor jest juz zamkniety (Linux): bez ponawiania.
    return ::close(std::exchange(fd, -1)) == 0;
}

ssize_t Deskryptor::czytaj(char* bufor, std::size_t ile) const
{
    return ponawiajPoSygnale([&] { return ::read(fd, bufor, ile); });
}

ssize_t Deskryptor::czytajOd(char* bufor, std::size_t ile, off_t od) const
{
    return ponawiajPoSygnale([&] { return ::pread(fd, bufor, ile, od); });
}

bool Deskryptor::doczytajDoKonca(std::string& tekst, off_t od) const
{
    char bufor[65536];
    for (;;) {
        const ssize_t n = od < 0 ? czytaj(bufor, sizeof bufor) : czytajOd(bufor, sizeof bufor, od);
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        tekst.append(bufor, static_cast<std::size_t>(n));
        if (od >= 0)
            od += n;
    }
}

bool Deskryptor::zapiszWszystko(std::string_view tekst) const
{
    while (!tekst.empty()) {
        const ssize_t n =
            ponawiajPoSygnale([&] { return ::write(fd, tekst.data(), tekst.size()); });
        if (n <= 0)
            return false;
        tekst.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

bool Deskryptor::zapiszWszystkoOd(std::string_view tekst, off_t od) const
{
    while (!tekst.empty()) {
        const ssize_t n =
            ponawiajPoSygnale([&] { return ::pwrite(fd, tekst.data(), tekst.size(), od); });
        if (n <= 0)
            return false;
        tekst.remove_prefix(static_cast<std::size_t>(n));
        od += n;
    }
    return true;
}

int Deskryptor::czekaj(short zdarzenia, std::chrono::milliseconds limit) const
{
    using Zegar = std::chrono::steady_clock;
    const auto koniec = Zegar::now() + limit;
    for (;;) {
        const auto zostalo =
            std::chrono::duration_cast<std::chrono::milliseconds>(koniec - Zegar::now());
        pollfd pfd{fd, zdarzenia, 0};
        const int wynik =
            ::poll(&pfd, 1, static_cast<int>(std::max<long long>(0, zostalo.count())));
        // Sygnal w trakcie: czekamy dalej, ale tylko do pierwotnego konca.
        if (wynik < 0 && errno == EINTR)
            continue;
        return wynik;
    }
}

#include "pomoc_sieci.h"

#include <arpa/inet.h>
#include <array>
#include <cstdlib>
#include <netinet/in.h>
#include <sys/socket.h>
#include <fcntl.h>
#include <sched.h>
#include <stdexcept>
#include <unistd.h>

#include "pomoc_testow.h"

bool czekajAz(const std::function<bool()>& warunek, std::chrono::milliseconds limit)
{
    const auto koniec = std::chrono::steady_clock::now() + limit;
    while (!warunek()) {
        if (std::chrono::steady_clock::now() >= koniec)
            return warunek();
        std::this_thread::sleep_for(10ms);
    }
    return true;
}

PetlaTestowa::PetlaTestowa(Petla petla) : numerPortu(wolnyPort())
{
    watek = std::thread([this, petla = std::move(petla)] {
        petla(numerPortu, [this] { return stop.load(); }, [this](bool ok) { stan = ok ? 1 : 2; });
    });
    if (!czekajAz([&] { return stan.load() != 0; }) || stan.load() != 1) {
        zatrzymaj();
        throw std::runtime_error("serwer testowy nie wystartowal");
    }
}

void PetlaTestowa::zatrzymaj()
{
    stop = true;
    if (watek.joinable())
        watek.join();
}

SerwerTestowy::SerwerTestowy(Obsluga obslugaWiadomosci, std::chrono::milliseconds limit)
    : obsluga(std::move(obslugaWiadomosci)),
      petla([this, limit](int port, const StopPredykat& stop, const std::function<void(bool)>& gotowy) {
          nasluchujTcpWPetli(port, stop, [this](const std::string& wiadomosc) {
              {
                  std::lock_guard blokada(mutexOtrzymanych);
                  zebrane.push_back(wiadomosc);
              }
              return obsluga ? obsluga(wiadomosc) : std::string();
          }, gotowy, limit);
      })
{
}

std::vector<std::string> SerwerTestowy::otrzymane()
{
    std::lock_guard blokada(mutexOtrzymanych);
    return zebrane;
}

namespace {

sockaddr_in adresLoopbacku(int port)
{
    sockaddr_in sa{};
    sa.sin_family = AF_INET;
    sa.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    sa.sin_port = htons(static_cast<std::uint16_t>(port));
    return sa;
}

} // namespace

Gniazdo nasluchNaLoopbacku(int kolejka, int& port)
{
    const Gniazdo g = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in sa = adresLoopbacku(0);
    socklen_t dl = sizeof sa;
    if (::bind(g, reinterpret_cast<sockaddr*>(&sa), sizeof sa) != 0 || ::listen(g, kolejka) != 0
        || ::getsockname(g, reinterpret_cast<sockaddr*>(&sa), &dl) != 0)
        throw std::runtime_error("nasluch na 127.0.0.1");
    port = ntohs(sa.sin_port);
    return g;
}

Gniazdo polaczZLoopbackiem(int port)
{
    const Gniazdo g = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const sockaddr_in sa = adresLoopbacku(port);
    if (::connect(g, reinterpret_cast<const sockaddr*>(&sa), sizeof sa) != 0)
        throw std::runtime_error("connect na 127.0.0.1");
    return g;
}

#include "pomoc_sieci.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sodium.h>
#include <ostream>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

#include "ramki.h"
#include "wymiana_lancucha.h"

namespace {

Gniazdo gniazdoNaLoopbacku(int port, sockaddr_in& sa)
{
    const Gniazdo g = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sa = {};
    sa.sin_family = AF_INET;
    sa.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    sa.sin_port = htons(static_cast<std::uint16_t>(port));
    return g;
}

void czekajNaGotowosc(const std::atomic<int>& stan)
{
    if (!czekajAz([&] { return stan.load() != 0; }) || stan.load() != 1)
        throw std::runtime_error("serwer testowy nie wystartowal");
}

} // namespace

void PrintTo(const Wezel& wezel, std::ostream* os)
{
    *os << "{" << wierszWezla(wezel) << "}";
}

int wolnyPortTcp()
{
    sockaddr_in sa{};
    const Gniazdo g = gniazdoNaLoopbacku(0, sa);
    socklen_t dl = sizeof sa;
    if (::bind(g, reinterpret_cast<sockaddr*>(&sa), sizeof sa) != 0
        || ::getsockname(g, reinterpret_cast<sockaddr*>(&sa), &dl) != 0)
        throw std::runtime_error("brak wolnego portu");
    ::close(g);
    return ntohs(sa.sin_port);
}

ParaTcp::ParaTcp()
{
    sockaddr_in sa{};
    const Gniazdo nasluch = gniazdoNaLoopbacku(0, sa);
    socklen_t dl = sizeof sa;
    if (::bind(nasluch, reinterpret_cast<sockaddr*>(&sa), sizeof sa) != 0
        || ::listen(nasluch, 1) != 0
        || ::getsockname(nasluch, reinterpret_cast<sockaddr*>(&sa), &dl) != 0)
        throw std::runtime_error("ParaTcp: nasluch");
    klient = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (::connect(klient, reinterpret_cast<sockaddr*>(&sa), sizeof sa) != 0)
        throw std::runtime_error("ParaTcp: connect");
    serwer = ::accept(nasluch, nullptr, nullptr);
    ::close(nasluch);
}

ParaTcp::~ParaTcp()
{
    zamknijKlienta();
    zamknijGniazdo(serwer);
}

void ParaTcp::wyslijSurowo(const std::string& bajty) const
{
    if (::send(klient, bajty.data(), bajty.size(), MSG_NOSIGNAL)
        != static_cast<ssize_t>(bajty.size()))
        throw std::runtime_error("ParaTcp: send");
}

void ParaTcp::zamknijKlienta()
{
    zamknijGniazdo(klient);
    klient = NIEPRAWIDLOWE_GNIAZDO;
}

SerwerTestowy::SerwerTestowy(Obsluga obsluga, std::chrono::milliseconds limit)
    : numerPortu(wolnyPortTcp())
{
    watek = std::thread([this, obsluga = std::move(obsluga), limit] {
        nasluchujTcpWPetli(
            numerPortu, [this] { return stop.load(); },
            [this, &obsluga](const std::string& wiadomosc) {
                {
                    std::lock_guard blokada(mutexOtrzymanych);
                    zebrane.push_back(wiadomosc);
                }
                return obsluga ? obsluga(wiadomosc) : std::string();
            },
            [this](bool ok) { stanGotowosci = ok ? 1 : 2; }, limit);
    });
    czekajNaGotowosc(stanGotowosci);
}

SerwerTestowy::~SerwerTestowy() { zatrzymaj(); }

std::vector<std::string> SerwerTestowy::otrzymane()
{
    std::lock_guard blokada(mutexOtrzymanych);
    return zebrane;
}

void SerwerTestowy::zatrzymaj()
{
    stop = true;
    if (watek.joinable())
        watek.join();
}

WezelTestowy::WezelTestowy(std::string plikLancucha, std::string plikWezlow, std::string klucz,
                           std::chrono::milliseconds limit)
    : numerPortu(wolnyPortTcp())
{
    watek = std::thread([this, plikLancucha = std::move(plikLancucha),
                         plikWezlow = std::move(plikWezlow), klucz = std::move(klucz), limit] {
        nasluchujIPrzyjmujLancuchyWPetli(
            lancuch, numerPortu, plikLancucha, plikWezlow, [this] { return stop.load(); },
            [this](bool ok) { stanGotowosci = ok ? 1 : 2; }, klucz, limit);
    });
    czekajNaGotowosc(stanGotowosci);
}

WezelTestowy::~WezelTestowy() { zatrzymaj(); }

void WezelTestowy::zatrzymaj()
{
    stop = true;
    if (watek.joinable())
        watek.join();
}

void dokopBlok(Blockchain& lancuch, const std::string& gornik,
               const std::vector<Transakcja>& transakcje)
{
    lancuch.trudnosc = 1;
    lancuch.wykopIDodajBlok(gornik, transakcje);
}

Blockchain lancuchTestowy(const std::string& gornik, int ile)
{
    Blockchain lancuch;
    for (int i = 0; i < ile; ++i)
        dokopBlok(lancuch, gornik);
    lancuch.trudnosc = 4;
    return lancuch;
}

const ParaKluczy& kluczeTestowe(int numer)
{
    static const std::vector<ParaKluczy> klucze = [] {
        if (sodium_init() < 0)
            throw std::runtime_error("sodium_init");
        std::vector<ParaKluczy> wynik;
        for (unsigned char i = 1; i <= 3; ++i) {
            Ziarno ziarno{};
            ziarno.fill(i);
            wynik.push_back(paraKluczyZZiarna(ziarno));
        }
        return wynik;
    }();
    return klucze.at(static_cast<std::size_t>(numer));
}

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

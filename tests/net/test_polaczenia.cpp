// Laczenie z limitem czasu, petla serwera TCP, wyslijIOdbierz i czyToJa (bez wykrywania adresu).

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include "pomoc_sieci.h"
#include "pomoc_testow.h"
#include "ramki.h"

namespace {

std::string liniaPolaczenia(int port)
{
    return "BLAD: nie udalo sie polaczyc z 127.0.0.1:" + std::to_string(port) + "\n";
}

// Nasluch, ktory nigdy nie przyjmuje, z kolejka zapelniona jednym polaczeniem:
// kolejna proba polaczenia nie dostaje odpowiedzi.
struct ZapchanyNasluch {
    int nasluch = -1;
    int zapychacz = -1;
    int port = 0;
    ZapchanyNasluch()
    {
        nasluch = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in sa{};
        sa.sin_family = AF_INET;
        sa.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t dl = sizeof sa;
        if (::bind(nasluch, reinterpret_cast<sockaddr*>(&sa), sizeof sa) != 0
            || ::listen(nasluch, 0) != 0
            || ::getsockname(nasluch, reinterpret_cast<sockaddr*>(&sa), &dl) != 0)
            throw std::runtime_error("ZapchanyNasluch");
        port = ntohs(sa.sin_port);
        zapychacz = ::socket(AF_INET, SOCK_STREAM, 0);
        if (::connect(zapychacz, reinterpret_cast<sockaddr*>(&sa), sizeof sa) != 0)
            throw std::runtime_error("ZapchanyNasluch: connect");
    }
    ~ZapchanyNasluch()
    {
        ::close(zapychacz);
        ::close(nasluch);
    }
};

} // namespace

TEST(Laczenie, NazwaHostaJestOdrzucanaAdres127Dziala)
{
    SerwerTestowy serwer;
    PrzechwycWyjscie wyjscie;
    EXPECT_EQ(polaczZLimitemCzasu("localhost", serwer.port()), NIEPRAWIDLOWE_GNIAZDO);
    EXPECT_EQ(polaczZLimitemCzasu("127.0.0.256", serwer.port()), NIEPRAWIDLOWE_GNIAZDO);
    const Gniazdo g = polaczZLimitemCzasu("127.0.0.1", serwer.port());
    EXPECT_NE(g, NIEPRAWIDLOWE_GNIAZDO);
    zamknijGniazdo(g);
    EXPECT_EQ(wyjscie.tekst(), "BLAD: niepoprawny adres IP.\nBLAD: niepoprawny adres IP.\n");
}

TEST(Laczenie, ZamknietyPortDajeLiniePolaczenia)
{
    const int port = wolnyPortTcp();
    PrzechwycWyjscie wyjscie;
    EXPECT_EQ(polaczZLimitemCzasu("127.0.0.1", port), NIEPRAWIDLOWE_GNIAZDO);
    EXPECT_EQ(wyjscie.tekst(), liniaPolaczenia(port));
}

TEST(Laczenie, BrakOdpowiedziDajeLinieLimituCzasu)
{
    ZapchanyNasluch zapchany;
    PrzechwycWyjscie wyjscie;
    EXPECT_EQ(polaczZLimitemCzasu("127.0.0.1", zapchany.port, 300ms), NIEPRAWIDLOWE_GNIAZDO);
    EXPECT_EQ(wyjscie.tekst(), "BLAD: przekroczono czas oczekiwania na polaczenie z 127.0.0.1:"
                                   + std::to_string(zapchany.port) + " (wezel offline?)\n");
}

TEST(Laczenie, PortSpozaZakresuNieJestObcinany)
{
    // Port 65536 + p obcielby sie do p, na ktorym ktos slucha.
    SerwerTestowy serwer;
    const int zaDuzy = serwer.port() + 65536;
    PrzechwycWyjscie wyjscie;
    EXPECT_EQ(polaczZLimitemCzasu("127.0.0.1", zaDuzy), NIEPRAWIDLOWE_GNIAZDO);
    EXPECT_EQ(polaczZLimitemCzasu("127.0.0.1", 0), NIEPRAWIDLOWE_GNIAZDO);
    EXPECT_EQ(polaczZLimitemCzasu("127.0.0.1", -1), NIEPRAWIDLOWE_GNIAZDO);
    EXPECT_EQ(wyjscie.tekst(), liniaPolaczenia(zaDuzy) + liniaPolaczenia(0) + liniaPolaczenia(-1));
}

TEST(Laczenie, PolaczoneGniazdoJestBlokujace)
{
    SerwerTestowy serwer([](const std::string& w) {
        std::this_thread::sleep_for(150ms);
        return "odp:" + w;
    });
    const Gniazdo g = polaczZLimitemCzasu("127.0.0.1", serwer.port());
    ASSERT_NE(g, NIEPRAWIDLOWE_GNIAZDO);
    ASSERT_TRUE(wyslijWiadomosc(g, "ping"));
    // recv bez poll na gniezdzie nieblokujacym wrocilby od razu z EAGAIN.
    char bajt = 0;
    EXPECT_EQ(::recv(g, &bajt, 1, MSG_PEEK), 1);
    EXPECT_EQ(odbierzWiadomosc(g, 2s), "odp:ping");
    zamknijGniazdo(g);
}

TEST(PetlaTcp, ZajetyPortGotowyFalseINieStartuje)
{
    SerwerTestowy pierwszy;
    std::vector<bool> gotowosci;
    PrzechwycWyjscie wyjscie;
    int wywolaniaObslugi = 0;
    nasluchujTcpWPetli(
        pierwszy.port(), [] { return false; },
        [&](const std::string&) {
            ++wywolaniaObslugi;
            return std::string();
        },
        [&](bool ok) { gotowosci.push_back(ok); });
    nasluchujTcpWPetli(70000, [] { return false; }, [](const std::string&) { return ""; }, {});
    EXPECT_EQ(gotowosci, std::vector<bool>{false});
    EXPECT_EQ(wywolaniaObslugi, 0);
    EXPECT_EQ(wyjscie.tekst(), "BLAD: nie udalo sie zbindowac portu " + std::to_string(pierwszy.port())
                                   + " (moze jest juz zajety?).\n"
                                     "BLAD: nie udalo sie zbindowac portu 70000 (moze jest juz "
                                     "zajety?).\n");
}

TEST(PetlaTcp, PustaWiadomoscNieWolaObslugiIPustaOdpowiedzNieJestWysylana)
{
    SerwerTestowy serwer([](const std::string& w) { return w == "echo" ? w : std::string(); });
    std::string odpowiedz = "nietkniete";
    EXPECT_TRUE(wyslijIOdbierz("127.0.0.1", serwer.port(), "", odpowiedz, 2s));
    EXPECT_EQ(odpowiedz, "");
    EXPECT_TRUE(wyslijIOdbierz("127.0.0.1", serwer.port(), "cisza", odpowiedz, 2s));
    EXPECT_EQ(odpowiedz, "");
    EXPECT_TRUE(wyslijIOdbierz("127.0.0.1", serwer.port(), "echo", odpowiedz, 2s));
    EXPECT_EQ(odpowiedz, "echo");
    EXPECT_EQ(serwer.otrzymane(), (std::vector<std::string>{"cisza", "echo"}));
}

TEST(PetlaTcp, MilczacyKlientNieZatrzymujeSerwera)
{
    SerwerTestowy serwer([](const std::string& w) { return "ok:" + w; }, 200ms);
    const Gniazdo milczacy = polaczZLimitemCzasu("127.0.0.1", serwer.port());
    ASSERT_NE(milczacy, NIEPRAWIDLOWE_GNIAZDO);
    std::string odpowiedz;
    EXPECT_TRUE(wyslijIOdbierz("127.0.0.1", serwer.port(), "drugi", odpowiedz, 5s));
    EXPECT_EQ(odpowiedz, "ok:drugi");
    zamknijGniazdo(milczacy);
}

TEST(PetlaTcp, ZatrzymanieDzialaTezBezPolaczen)
{
    std::atomic<bool> stop{false};
    std::atomic<bool> skonczone{false};
    const int port = wolnyPortTcp();
    std::thread petla([&] {
        nasluchujTcpWPetli(port, [&] { return stop.load(); },
                           [](const std::string&) { return ""; }, {});
        skonczone = true;
    });
    std::this_thread::sleep_for(100ms);
    EXPECT_FALSE(skonczone.load());
    stop = true;
    EXPECT_TRUE(czekajAz([&] { return skonczone.load(); }, 3s));
    petla.join();
    // Gniazdo nasluchu zamkniete: port da sie zajac ponownie.
    const Gniazdo ponownie = utworzGniazdoNasluchu(port);
    EXPECT_NE(ponownie, NIEPRAWIDLOWE_GNIAZDO);
    zamknijGniazdo(ponownie);
}

TEST(WyslijIOdbierz, BrakPolaczeniaZostawiaOdpowiedzINieUdajeSie)
{
    const int port = wolnyPortTcp();
    std::string odpowiedz = "nietkniete";
    PrzechwycWyjscie wyjscie;
    EXPECT_FALSE(wyslijIOdbierz("127.0.0.1", port, "x", odpowiedz, 1s));
    EXPECT_EQ(odpowiedz, "nietkniete");
    EXPECT_EQ(wyjscie.tekst(), liniaPolaczenia(port));
}

TEST(WyslijIOdbierz, MilczacySerwerPoLimicieToWciazSukces)
{
    // Serwer przyjmuje i czyta, ale nie odpowiada ani nie zamyka.
    SerwerTestowy serwer([](const std::string&) {
        std::this_thread::sleep_for(1500ms);
        return std::string("za pozno");
    });
    std::string odpowiedz = "stare";
    EXPECT_TRUE(wyslijIOdbierz("127.0.0.1", serwer.port(), "zapytanie", odpowiedz, 200ms));
    EXPECT_EQ(odpowiedz, "");
    EXPECT_EQ(serwer.otrzymane(), std::vector<std::string>{"zapytanie"});
}

TEST(CzyToJa, AdresyPetliZwrotnejIPorty)
{
    EXPECT_TRUE(czyToJa("127.0.0.1", 1700, 1700));
    EXPECT_TRUE(czyToJa("localhost", 1700, 1700));
    EXPECT_FALSE(czyToJa("127.0.0.1", 1701, 1700));
    EXPECT_FALSE(czyToJa("localhost", 1701, 1700));
    EXPECT_FALSE(czyToJa("127.0.0.1", -1, -1));
    EXPECT_FALSE(czyToJa("127.0.0.1", 1700, -1));
    EXPECT_FALSE(czyToJa("127.0.0.01", 1701, 1700));
}

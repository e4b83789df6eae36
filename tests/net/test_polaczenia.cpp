// Laczenie z limitem czasu, petla serwera TCP, wyslijIOdbierz i czyToJa (bez wykrywania adresu).

#include <gtest/gtest.h>

#include <memory>
#include <sys/socket.h>

#include "pomoc_sieci.h"
#include "pomoc_testow.h"
#include "ramki.h"

namespace {

std::string liniaPolaczenia(int port)
{
    return "BLAD: nie udalo sie polaczyc z 127.0.0.1:" + std::to_string(port) + "\n";
}

} // namespace

TEST(Laczenie, ZleAdresyIPortyDajaDokladneLinie)
{
    SerwerTestowy serwer;
    const int zamkniety = wolnyPort();
    // Nasluch, ktory nigdy nie przyjmuje, z kolejka zapelniona jednym polaczeniem.
    int zapchany = 0;
    const Gniazdo nasluch = nasluchNaLoopbacku(0, zapchany);
    const Gniazdo zapychacz = polaczZLoopbackiem(zapchany);
    // Port 65536 + p obcialby sie do p, na ktorym ktos slucha.
    const int zaDuzy = serwer.port() + 65536;
    const std::tuple<std::string, int, std::string> przypadki[] = {
        {"localhost", serwer.port(), "BLAD: niepoprawny adres IP.\n"},
        {"127.0.0.256", serwer.port(), "BLAD: niepoprawny adres IP.\n"},
        {"127.0.0.1", zamkniety, liniaPolaczenia(zamkniety)},
        {"127.0.0.1", zaDuzy, liniaPolaczenia(zaDuzy)},
        {"127.0.0.1", 0, liniaPolaczenia(0)},
        {"127.0.0.1", -1, liniaPolaczenia(-1)},
        {"127.0.0.1", zapchany, "BLAD: przekroczono czas oczekiwania na polaczenie z 127.0.0.1:"
                                    + std::to_string(zapchany) + " (wezel offline?)\n"},
    };
    for (const auto& [ip, port, linia] : przypadki) {
        SCOPED_TRACE(ip + ":" + std::to_string(port));
        PrzechwycWyjscie wyjscie;
        EXPECT_EQ(polaczZLimitemCzasu(ip, port, 300ms), NIEPRAWIDLOWE_GNIAZDO);
        EXPECT_EQ(wyjscie.tekst(), linia);
    }
    zamknijGniazdo(zapychacz);
    zamknijGniazdo(nasluch);
}

TEST(Laczenie, PolaczoneGniazdoJestBlokujace)
{
    SerwerTestowy serwer([](const std::string& w) {
        std::this_thread::sleep_for(150ms);
        return "odp:" + w;
    });
    PrzechwycWyjscie cisza;
    const Gniazdo g = polaczZLimitemCzasu("127.0.0.1", serwer.port());
    ASSERT_NE(g, NIEPRAWIDLOWE_GNIAZDO);
    EXPECT_EQ(cisza.tekst(), "");
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
    auto obsluga = [&](const std::string&) {
        ++wywolaniaObslugi;
        return std::string();
    };
    nasluchujTcpWPetli(pierwszy.port(), [] { return false; }, obsluga,
                       [&](bool ok) { gotowosci.push_back(ok); });
    nasluchujTcpWPetli(70000, [] { return false; }, obsluga, {});
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
    for (const auto& [zapytanie, oczekiwana] :
         {std::pair{"", ""}, std::pair{"cisza", ""}, std::pair{"echo", "echo"}}) {
        std::string odpowiedz = "nietkniete";
        EXPECT_TRUE(wyslijIOdbierz("127.0.0.1", serwer.port(), zapytanie, odpowiedz, 2s));
        EXPECT_EQ(odpowiedz, oczekiwana) << zapytanie;
    }
    EXPECT_EQ(serwer.otrzymane(), (std::vector<std::string>{"cisza", "echo"}));
}

TEST(PetlaTcp, MilczacyKlientNieZatrzymujeSerwera)
{
    SerwerTestowy serwer([](const std::string& w) { return "ok:" + w; }, 200ms);
    const Gniazdo milczacy = polaczZLoopbackiem(serwer.port());
    std::string odpowiedz;
    EXPECT_TRUE(wyslijIOdbierz("127.0.0.1", serwer.port(), "drugi", odpowiedz, 5s));
    EXPECT_EQ(odpowiedz, "ok:drugi");
    zamknijGniazdo(milczacy);
}

TEST(PetlaTcp, ZatrzymanieBezPolaczenSzybkieIZamykaNasluch)
{
    auto serwer = std::make_unique<SerwerTestowy>();
    const int port = serwer->port();
    const auto start = std::chrono::steady_clock::now();
    serwer.reset(); // ustawia stop i czeka na koniec petli
    EXPECT_LT(std::chrono::steady_clock::now() - start, 3s);
    // Gniazdo nasluchu zamkniete: port da sie zajac ponownie.
    const Gniazdo ponownie = utworzGniazdoNasluchu(port);
    EXPECT_NE(ponownie, NIEPRAWIDLOWE_GNIAZDO);
    zamknijGniazdo(ponownie);
}

TEST(WyslijIOdbierz, BrakPolaczeniaZostawiaOdpowiedzINieUdajeSie)
{
    const int port = wolnyPort();
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
    const std::tuple<const char*, int, int> inne[] = {
        {"127.0.0.1", 1701, 1700}, {"localhost", 1701, 1700}, {"127.0.0.1", -1, -1},
        {"127.0.0.1", 1700, -1}, {"127.0.0.01", 1701, 1700}};
    for (const auto& [ip, port, mojPort] : inne)
        EXPECT_FALSE(czyToJa(ip, port, mojPort)) << ip << ":" << port << " moj " << mojPort;
}

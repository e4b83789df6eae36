// Ramki wiadomosci na prawdziwych gniazdach TCP (127.0.0.1).

#include <gtest/gtest.h>

#include <poll.h>
#include <sys/socket.h>

#include "pomoc_sieci.h"
#include "ramki.h"

namespace {

// Wszystko, co jeszcze czeka w gniezdzie (do zamkniecia drugiej strony albo ciszy).
std::string resztaWGniezdzie(Gniazdo g)
{
    std::string reszta;
    char bufor[4096];
    ssize_t n = 0;
    while (czekajNaGniazdo(g, POLLIN, 200ms) > 0 && (n = ::recv(g, bufor, sizeof bufor, 0)) > 0)
        reszta.append(bufor, static_cast<std::size_t>(n));
    return reszta;
}

} // namespace

TEST(Ramki, NaglowekToDziesiecCyfrZZeramiPotemTresc)
{
    ParaTcp para;
    ASSERT_TRUE(wyslijWiadomosc(para.klient, "abc"));
    ASSERT_TRUE(wyslijWiadomosc(para.klient, ""));
    ASSERT_TRUE(wyslijWiadomosc(para.klient, std::string(1234, 'x')));
    para.zamknijKlienta();
    EXPECT_EQ(resztaWGniezdzie(para.serwer),
              "0000000003abc" "0000000000" "0000001234" + std::string(1234, 'x'));
}

TEST(Ramki, DuzaWiadomoscPrzechodziBezZmian)
{
    ParaTcp para;
    std::string tresc(3 * 1024 * 1024 + 7, '\0');
    for (std::size_t i = 0; i < tresc.size(); ++i)
        tresc[i] = static_cast<char>(i * 131 % 251);
    std::thread nadawca([&] { EXPECT_TRUE(wyslijWiadomosc(para.klient, tresc)); });
    const std::string odebrana = odbierzWiadomosc(para.serwer, 5s);
    nadawca.join();
    EXPECT_EQ(odebrana, tresc);
}

struct PrzypadekNaglowka {
    std::string nazwa;
    std::string bajty;          // naglowek i to, co po nim (potem nadawca zamyka)
    std::string oczekiwana;     // wynik odbierzWiadomosc
    std::string nieprzeczytane; // co musi zostac w gniezdzie
};

void PrintTo(const PrzypadekNaglowka& p, std::ostream* os)
{
    *os << p.nazwa;
}

class NaglowekRamki : public testing::TestWithParam<PrzypadekNaglowka> {};

TEST_P(NaglowekRamki, WynikIBajtyNieprzeczytane)
{
    const PrzypadekNaglowka& p = GetParam();
    ParaTcp para;
    para.wyslijSurowo(p.bajty);
    para.zamknijKlienta();
    EXPECT_EQ(odbierzWiadomosc(para.serwer, 2s), p.oczekiwana);
    EXPECT_EQ(resztaWGniezdzie(para.serwer), p.nieprzeczytane);
}

INSTANTIATE_TEST_SUITE_P(
    Przypadki, NaglowekRamki,
    testing::Values(
        // Odmowa bez czytania tresci: pusta, ujemna, poza 32 bitami, bez cyfr.
        PrzypadekNaglowka{"PustaTresc", "0000000000dalej", "", "dalej"},
        PrzypadekNaglowka{"Ujemna", "-123456789dalej", "", "dalej"},
        PrzypadekNaglowka{"PozaInt32", "9999999999dalej", "", "dalej"},
        PrzypadekNaglowka{"SameOdstepy", "          dalej", "", "dalej"},
        PrzypadekNaglowka{"Litery", "abcdefghijdalej", "", "dalej"},
        // Cyfry do pierwszej nie-cyfry, biale znaki na poczatku.
        PrzypadekNaglowka{"CyfryDoLitery", "12abc     0123456789ABzz", "0123456789AB", "zz"},
        PrzypadekNaglowka{"OdstepyIPlus", "  +5xxxxxxhello!", "hello", "!"},
        // Zapowiedz powyzej 512 MiB: odmowa bez czytania tresci; rowna granicy jest czytana
        // (i konczy sie niepowodzeniem dopiero na zamknieciu polaczenia).
        PrzypadekNaglowka{"PonadLimit", "0536870913tresc", "", "tresc"},
        PrzypadekNaglowka{"MaksInt32", "2147483647tresc", "", "tresc"},
        PrzypadekNaglowka{"DokladnieLimit", "0536870912tresc", "", ""},
        // Zamkniecie w trakcie tresci albo naglowka.
        PrzypadekNaglowka{"UrwanaTresc", "0000000010abc", "", ""},
        PrzypadekNaglowka{"UrwanyNaglowek", "00000", "", ""}),
    [](const testing::TestParamInfo<PrzypadekNaglowka>& info) { return info.param.nazwa; });

TEST(Ramki, MilczacyNadawcaKonczyOdbiorPoLimicieAPamiecRosnieTylkoOOdebrane)
{
    // Polaczenie dalej otwarte: to limit czasu, nie zamkniecie, konczy odbior.
    ParaTcp para;
    para.wyslijSurowo(std::string(100, 'p'));
    std::string cel;
    const auto start = std::chrono::steady_clock::now();
    // Zapowiedz prawie 512 MiB, a przyszlo 100 bajtow: bufor nie moze byc zarezerwowany z gory.
    EXPECT_FALSE(odbierzDokladnie(para.serwer, cel, 500 * 1024 * 1024, 200ms));
    EXPECT_LT(std::chrono::steady_clock::now() - start, 2s);
    EXPECT_EQ(cel, std::string(100, 'p'));
    EXPECT_LT(cel.capacity(), 64u * 1024);
    para.wyslijSurowo("000000");
    EXPECT_EQ(odbierzWiadomosc(para.serwer, 200ms), "");
}

TEST(Ramki, PrzerwyKrotszeNizLimitNieUrywajaOdbioru)
{
    ParaTcp para;
    std::thread nadawca([&] {
        para.wyslijSurowo("0000000003");
        for (int i = 0; i < 3; ++i) {
            std::this_thread::sleep_for(100ms);
            para.wyslijSurowo(std::string(1, static_cast<char>('a' + i)));
        }
    });
    // Kazda przerwa krotsza niz limit, calosc tez w terminie.
    EXPECT_EQ(odbierzWiadomosc(para.serwer, 400ms), "abc");
    nadawca.join();
}

TEST(Ramki, WysylkaDoZamknietegoNieKonczyProcesuSygnalem)
{
    ParaTcp para;
    zamknijGniazdo(para.serwer);
    para.serwer = NIEPRAWIDLOWE_GNIAZDO;
    // Pierwsze wyslanie moze jeszcze wejsc do bufora; kolejne dostaje EPIPE, nie SIGPIPE.
    bool wszystkieUdane = true;
    for (int i = 0; i < 20 && wszystkieUdane; ++i) {
        wszystkieUdane = wyslijWiadomosc(para.klient, std::string(64 * 1024, 'z'));
        std::this_thread::sleep_for(5ms);
    }
    EXPECT_FALSE(wszystkieUdane);
}

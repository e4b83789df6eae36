// Deskryptor z jednym wlascicielem: przeniesienie nie zamyka go drugi raz, przypisanie zamyka
// poprzedni; odczyt, zapis i czekanie przerwane sygnalem ciagna sie dalej.

#include <gtest/gtest.h>

#include <atomic>
#include <csignal>
#include <fcntl.h>
#include <optional>
#include <poll.h>
#include <pthread.h>
#include <thread>
#include <unistd.h>

#include "core/deskryptor.h"

using namespace std::chrono_literals;

namespace {

bool otwarty(int fd)
{
    return ::fcntl(fd, F_GETFD) != -1;
}

struct Potok {
    Potok()
    {
        int p[2] = {-1, -1};
        EXPECT_EQ(::pipe2(p, O_CLOEXEC), 0);
        czytanie = Deskryptor(p[0]);
        pisanie = Deskryptor(p[1]);
    }
    Deskryptor czytanie;
    Deskryptor pisanie;
};

void nicNieRob(int) {}

// SIGUSR1 bez SA_RESTART: przerwane wywolanie systemowe konczy sie bledem EINTR.
class PrzerwaneSygnalem : public ::testing::Test {
protected:
    void SetUp() override
    {
        struct sigaction sa {};
        sa.sa_handler = nicNieRob;
        sigemptyset(&sa.sa_mask);
        ASSERT_EQ(::sigaction(SIGUSR1, &sa, &poprzednia), 0);
    }
    void TearDown() override { ::sigaction(SIGUSR1, &poprzednia, nullptr); }

    // Watek `praca` czeka w wywolaniu systemowym: kilka sygnalow, potem `potem`.
    static void przerwij(std::thread& praca, const std::function<void()>& potem)
    {
        for (int i = 0; i < 3; ++i) {
            std::this_thread::sleep_for(50ms);
            ::pthread_kill(praca.native_handle(), SIGUSR1);
        }
        potem();
        praca.join();
    }

    struct sigaction poprzednia {};
};

} // namespace

TEST(Deskryptor, PrzeniesionyZostajeOtwartyAPrzypisanieZamykaPoprzedni)
{
    Potok potok;
    std::optional<Deskryptor> zrodlo(std::move(potok.pisanie));
    EXPECT_FALSE(potok.pisanie.otwarty());
    Deskryptor cel(std::move(*zrodlo));
    zrodlo.reset();
    ASSERT_TRUE(cel.zapiszWszystko("x"));
    char bajt = 0;
    EXPECT_EQ(potok.czytanie.czytaj(&bajt, 1), 1);
    EXPECT_EQ(bajt, 'x');

    const int poprzedni = *potok.czytanie;
    potok.czytanie = std::move(cel);
    EXPECT_FALSE(otwarty(poprzedni));
    const int numer = *potok.czytanie;
    {
        const Deskryptor ostatni(std::move(potok.czytanie));
    }
    EXPECT_FALSE(otwarty(numer));
}

TEST_F(PrzerwaneSygnalem, OdczytIZapisCiagnaSieDalej)
{
    Potok potok;
    char bajt = 0;
    ssize_t odczyt = 0;
    std::thread czytelnik([&] { odczyt = potok.czytanie.czytaj(&bajt, 1); });
    przerwij(czytelnik, [&] { ASSERT_TRUE(potok.pisanie.zapiszWszystko("y")); });
    EXPECT_EQ(odczyt, 1);
    EXPECT_EQ(bajt, 'y');

    // Wiecej niz miesci potok: pisarz czeka, az ktos przeczyta.
    const std::string duzo(1 << 20, 'z');
    bool zapisano = false;
    std::thread pisarz([&] { zapisano = potok.pisanie.zapiszWszystko(duzo); });
    std::string przeczytane;
    przerwij(pisarz, [&] {
        char bufor[65536];
        // Pisarz, ktory sie poddal, nie moze zawiesic czytania.
        while (przeczytane.size() < duzo.size() && potok.czytanie.czekaj(POLLIN, 2s) > 0) {
            const ssize_t n = potok.czytanie.czytaj(bufor, sizeof bufor);
            if (n <= 0)
                break;
            przeczytane.append(bufor, static_cast<std::size_t>(n));
        }
    });
    EXPECT_TRUE(zapisano);
    EXPECT_EQ(przeczytane, duzo);
}

TEST_F(PrzerwaneSygnalem, CzekanieCzekaDoDanych)
{
    Potok potok;
    int wynik = 0;
    std::thread czekajacy([&] { wynik = potok.czytanie.czekaj(POLLIN, 10s); });
    przerwij(czekajacy, [&] { ASSERT_TRUE(potok.pisanie.zapiszWszystko("w")); });
    EXPECT_EQ(wynik, 1);
}

// Ramki, nasluch, wiersze konsoli, decyzje serwera z dokladnymi wierszami, przyjecie z rozgloszeniem
// dalej, takze do wezlow z listy nadawcy.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <thread>
#include <vector>
#include <sys/socket.h>
#include <unistd.h>

#include "core/format_lancucha.h"
#include "core/plik_lancucha.h"
#include "core/pliki.h"
#include "pomoc_sieci.h"
#include "pomoc_testow.h"
#include "net/ramki.h"
#include "net/rozgloszenie.h"
#include "net/wymiana_lancucha.h"

TEST(Ramki, NaglowekDziesieciuCyfrILimitDlugosci)
{
    int para[2];
    ASSERT_EQ(::socketpair(AF_UNIX, SOCK_STREAM, 0, para), 0);
    const Gniazdo nadawca(para[0]);
    const Gniazdo odbiorca(para[1]);
    ASSERT_TRUE(wyslijWiadomosc(nadawca, "abc", {}));
    char bufor[32] = {};
    EXPECT_EQ(std::string(bufor, static_cast<std::size_t>(::recv(*odbiorca, bufor, sizeof bufor, 0))),
              "0000000003abc");
    ASSERT_TRUE(wyslijWiadomosc(nadawca, "xyz", {}));
    EXPECT_EQ(odbierzWiadomosc(odbiorca, {}, 1s), "xyz");
    // Za dluga zapowiedz: odmowa bez czytania tresci (bajty tresci zostaja w gniezdzie).
    const std::string zaDluga = "0536870913tresc";
    ASSERT_EQ(::send(*nadawca, zaDluga.data(), zaDluga.size(), 0), static_cast<ssize_t>(zaDluga.size()));
    EXPECT_EQ(odbierzWiadomosc(odbiorca, {}, 200ms), "");
    EXPECT_EQ(::recv(*odbiorca, bufor, sizeof bufor, MSG_DONTWAIT), 5);
}

TEST(Nasluch, PonownieZarazPoObsluzonymPolaczeniuAleNigdyDwaNaraz)
{
    const int port = wolnyPort();
    Gniazdo nasluch = utworzGniazdoNasluchu(dziennikTestu(), port);
    Gniazdo klient = polaczZLimitemCzasu(dziennikTestu(), "127.0.0.1", port, {});
    // Serwer zamyka polaczenie pierwszy: jego strona zostaje w TIME_WAIT i trzyma port.
    Gniazdo(::accept(*nasluch, nullptr, nullptr)).zamknij();
    klient.zamknij();
    nasluch.zamknij();
    ZbieraczWpisow zbieracz;
    nasluch = utworzGniazdoNasluchu(dziennikTestu(), port);
    EXPECT_TRUE(nasluch.otwarte());
    EXPECT_FALSE(utworzGniazdoNasluchu(dziennikTestu(), port).otwarte());
    EXPECT_EQ(zbieracz.wpisy(), (std::vector<Wpis>{{.rodzaj = RodzajWpisu::bladBindowania, .port = port}}));
}

// Zatrzymanie petli konczy tez czekanie polaczenia, ktore nic nie przysyla (cisza do 30 s,
// minimalne tempo dopiero po 5 s).
TEST(Nasluch, ZatrzymanieKonczyCzekanieMilczacegoPolaczenia)
{
    PetlaTestowa petla([](int port, const std::stop_token& stop, const std::function<void(bool)>& gotowy) {
        nasluchujTcpWPetli(
            dziennikTestu(), port, stop,
            [](const std::string&, const Gniazdo&, const std::stop_token&) { return std::string(); },
            gotowy);
    });
    const Gniazdo milczacy = polaczZLimitemCzasu(dziennikTestu(), "127.0.0.1", petla.port(), {});
    ASSERT_TRUE(milczacy.otwarte());
    std::this_thread::sleep_for(300ms); // przyjete i czeka na naglowek
    const auto start = std::chrono::steady_clock::now();
    petla.zatrzymaj();
    EXPECT_LT(std::chrono::steady_clock::now() - start, 2s);
}

TEST(Polaczenie, OdmowaZglaszanaZAdresemWezla)
{
    ZbieraczWpisow zbieracz;
    const int port = wolnyPort();
    (void)polaczZLimitemCzasu(dziennikTestu(), "127.0.0.1", port, {});
    const std::vector<Wpis> wpisy = zbieracz.wpisy();
    ASSERT_EQ(wpisy.size(), 1u);
    EXPECT_EQ(wpisy[0].rodzaj, RodzajWpisu::bladPolaczenia);
    EXPECT_EQ(wpisy[0].adres, "127.0.0.1:" + std::to_string(port));
}

TEST(Ramki, WysylkaDoSaczacegoOdbiorcyKonczySieWTerminieCalejWiadomosci)
{
    int para[2];
    ASSERT_EQ(::socketpair(AF_UNIX, SOCK_STREAM, 0, para), 0);
    // Maly bufor i odbiorca czytajacy po 16 KiB co 50 ms: nadawca nigdy nie czeka 300 ms,
    // ale 2 MiB zajmuja ponad 6 s, a termin calej wiadomosci to 0,3 s plus 2 s.
    const Gniazdo nadawca(para[0]);
    const int bufor = 16 * 1024;
    ASSERT_EQ(::setsockopt(*nadawca, SOL_SOCKET, SO_SNDBUF, &bufor, sizeof bufor), 0);
    std::atomic<bool> koniec{false};
    std::thread odbiorca([&] {
        std::vector<char> dane(16 * 1024);
        for (int i = 0; i < 200 && !koniec; ++i) {
            (void)::recv(para[1], dane.data(), dane.size(), MSG_DONTWAIT);
            std::this_thread::sleep_for(50ms);
        }
    });
    EXPECT_FALSE(wyslijWiadomosc(nadawca, std::string(2 * 1024 * 1024, 'x'), {}, 300ms));
    koniec = true;
    odbiorca.join();
    ::close(para[1]);
}

namespace {

const std::string LISTA = "10.0.0.5 1800 - Nadawca\n127.0.0.1 1700 - Ja sam\n";
const std::string SCALONA = "10.0.0.5 1800 - Nadawca\n"; // bez wpisu oznaczajacego ten wezel

class Serwer : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(zapiszLancuch(mojLancuch, plikLancucha)); }

    std::string obsluz(const std::string& wiadomosc)
    {
        ZbieraczWpisow zbieracz;
        const std::string odpowiedz = obsluzPrzychodzacyLancuch(kontekst, wiadomosc);
        wpisy = zbieracz.wpisy();
        return odpowiedz;
    }

    static std::string zapytanie(const Blockchain& l, const std::string& lista = LISTA)
    {
        return zbudujWiadomoscLancucha(serializujLancuch(l), lista);
    }

    FolderTymczasowy folder;
    std::string plikLancucha = folder.plik("blockchain.dat");
    std::string plikWezlow = folder.plik("wezly.dat");
    ParaKluczy moje = generujPareKluczy();
    std::string mojKlucz = kluczPublicznyHex(moje);
    Blockchain mojLancuch = lancuchTestowy(1, 1, mojKlucz);
    Blockchain zywy;
    KontekstSerwera kontekst{{dziennikTestu(), plikLancucha, plikWezlow, 1700, 2s}, zywy, mojKlucz, {}};
    std::vector<Wpis> wpisy;
};

} // namespace

TEST_F(Serwer, OdmowyZWpisamiScalajaListeINieRuszajaPliku)
{
    const std::string tekstPliku = czytajPlikTestu(plikLancucha);
    Blockchain zmieniony = lancuchTestowy(1, 3);
    zmienBlok(zmieniony, 2, [](Blok& b) { b.transakcje[0].kwota += 1; });
    Blockchain placacy = mojLancuch;
    dokop(placacy, OBCY_ADRES, 1, {Transakcja(moje, OBCY_ADRES, 1, "")});
    using R = RodzajWpisu;
    const std::pair<std::string, std::vector<Wpis>> przypadki[] = {
        {"0000000000" + LISTA, {{.rodzaj = R::nieOdebranoLancucha}}},
        {zbudujWiadomoscLancucha("to nie lancuch\n", LISTA), {{.rodzaj = R::nieLancuch}}},
        {zapytanie(zmieniony), {{.rodzaj = R::bladBloku, .indeks = 2, .regula = RegulaBloku::hash},
                                {.rodzaj = R::lancuchNiepoprawny}}},
        {zapytanie(lancuchTestowy(1, 1)), {{.rodzaj = R::lancuchNieDluzszy, .ile = 2, .ileMoj = 2}}},
        {zapytanie(placacy), {{.rodzaj = R::lancuchZmniejszaSaldo, .przed = 5000000000, .po = 4999999999}}},
    };
    for (const auto& [wiadomosc, oczekiwane] : przypadki) {
        SCOPED_TRACE(static_cast<int>(oczekiwane.back().rodzaj));
        std::remove(plikWezlow.c_str());
        EXPECT_EQ(obsluz(wiadomosc), SCALONA);
        EXPECT_EQ(wpisy, oczekiwane);
        EXPECT_EQ(czytajPlikTestu(plikWezlow), SCALONA);
        EXPECT_EQ(czytajPlikTestu(plikLancucha), tekstPliku);
    }
}

TEST_F(Serwer, PrzyjecieRozglaszaPoScaleniuTakzeDoWezlowNadawcy)
{
    SerwerTestowy sasiad({}, 2s);
    const std::string ja = "127.0.0.1 1700 - Ja\n";
    const std::string odNadawcy = "127.0.0.1 " + std::to_string(sasiad.port()) + " - Sasiad\n";
    zapiszPlikTestu(plikWezlow, ja);
    Blockchain obcy = mojLancuch;
    dokop(obcy, OBCY_ADRES, 2);
    const std::string odpowiedz = obsluz(zapytanie(obcy, odNadawcy));
    EXPECT_EQ(wpisy, (std::vector<Wpis>{{.rodzaj = RodzajWpisu::przyjetoLancuch, .ile = 4},
                                        {.rodzaj = RodzajWpisu::rozgloszono,
                                         .adres = "127.0.0.1:" + std::to_string(sasiad.port())}}));
    EXPECT_EQ(czytajPlikTestu(plikLancucha), serializujLancuch(obcy));
    EXPECT_EQ(odpowiedz, ja + odNadawcy);
    EXPECT_EQ(sasiad.otrzymane(), std::vector{zbudujWiadomoscLancucha(serializujLancuch(obcy), ja + odNadawcy)});
}

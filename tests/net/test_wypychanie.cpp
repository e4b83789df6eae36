// Wypychanie obok petli kopania: martwe wpisy nie zabieraja miejsca wezlom, ktore odbieraja,
// wezel po porazce czeka na koniec przerwy, wolny wezel dostaje najnowszy lancuch zamiast
// kolejki, zapisany blok dociera przed wyjsciem, a przerwanie mowi o zatrzymaniu.
// Pelny plik wezlow wymienia wpis, ktory najdluzej zawodzi.

#include <gtest/gtest.h>

#include <algorithm>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include "core/format_lancucha.h"
#include "core/plik_lancucha.h"
#include "pomoc_sieci.h"
#include "net/wymiana_lancucha.h"
#include "net/wypychanie.h"

namespace {

// Port, na ktorym polaczenie na kazdy adres 127/8 czeka bez odpowiedzi: kolejka nasluchu
// zapelniona, nikt nie przyjmuje, jadro gubi kolejne SYN-y.
class ZatkanyPort {
public:
    ZatkanyPort()
    {
        sockaddr_in sa{AF_INET, 0, {htonl(INADDR_ANY)}, {}};
        socklen_t dl = sizeof sa;
        EXPECT_TRUE(::bind(nasluch, reinterpret_cast<sockaddr*>(&sa), sizeof sa) == 0 && ::listen(nasluch, 0) == 0
                    && ::getsockname(nasluch, reinterpret_cast<sockaddr*>(&sa), &dl) == 0);
        port = std::to_string(ntohs(sa.sin_port));
        sa.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        EXPECT_EQ(::connect(wypelniacz, reinterpret_cast<sockaddr*>(&sa), sizeof sa), 0);
    }
    ~ZatkanyPort()
    {
        ::close(wypelniacz);
        ::close(nasluch);
    }
    std::string port;

private:
    int nasluch = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    int wypelniacz = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
};

// Lancuch z ostatniego zapytania, ktore dostal serwer.
std::string ostatniLancuch(SerwerTestowy& serwer)
{
    const std::vector<std::string> otrzymane = serwer.otrzymane();
    std::string lancuch;
    std::string wezly;
    return !otrzymane.empty() && rozdzielWiadomoscLancucha(otrzymane.back(), lancuch, wezly) ? lancuch : "";
}

std::string wpis(const std::string& ip, const std::string& port)
{
    return ip + " " + port + " - -\n";
}

class Wypychanie : public testing::Test {
protected:
    void nowyBlok()
    {
        dokop(lancuch, OBCY_ADRES, 1);
        ASSERT_TRUE(zapiszLancuch(lancuch, plikLancucha));
    }
    bool dotarl(SerwerTestowy& serwer)
    {
        return czekajAz([&] { return ostatniLancuch(serwer) == serializujLancuch(lancuch); }, 3s);
    }

    FolderTymczasowy folder;
    std::string plikLancucha = folder.plik("blockchain.dat");
    std::string plikWezlow = folder.plik("wezly.dat");
    Blockchain lancuch = lancuchTestowy(1, 1);
};

} // namespace

TEST_F(Wypychanie, MartweWpisyNieZajmujaUczciwegoAWezelWPrzerwieProbowanyRaz)
{
    ZatkanyPort zatkany;
    SerwerTestowy uczciwy;
    const std::string odmawia = std::to_string(wolnyPort());
    const std::string wpisUczciwego = wpis("127.0.0.1", std::to_string(uczciwy.port()));
    std::string martwe;
    for (int i = 1; i <= 40; ++i)
        martwe += wpis("127.1.0." + std::to_string(i), zatkany.port);
    PrzechwycWyjscie przechwyc;
    // Martwe wpisy trzymaja watki po 5 s, a kazdy blok i tak dociera do uczciwego; potem
    // bez martwych wpisow odmawiajacy wezel ma wolne watki, ale jest w przerwie.
    for (const std::string& wpisy : {martwe + wpisUczciwego, wpis("127.0.0.1", odmawia) + wpisUczciwego}) {
        zapiszPlikTestu(plikWezlow, wpisy);
        Wypychacz wypychacz({dziennikTestu(), plikLancucha, plikWezlow, -1, 2s});
        for (int i = 0; i < 3; ++i) {
            nowyBlok();
            wypychacz.zlec();
            EXPECT_TRUE(dotarl(uczciwy)) << "blok " << i;
        }
        wypychacz.zakoncz(ZegarWezlow::now() + 300ms);
    }
    const std::string wyjscie = przechwyc.tekst();
    const std::string odmowa = "BLAD: nie udalo sie polaczyc z 127.0.0.1:" + odmawia + "\n";
    const auto pierwsza = wyjscie.find(odmowa);
    EXPECT_NE(pierwsza, std::string::npos);
    EXPECT_EQ(wyjscie.find(odmowa, pierwsza + 1), std::string::npos) << "proba w czasie przerwy";
}

TEST_F(Wypychanie, WolnyWezelDostajeNajnowszyLancuchZamiastKolejkiZlecen)
{
    std::atomic<bool> zwolnij{false};
    SerwerTestowy wolny([&](const std::string&) {
        (void)czekajAz([&] { return zwolnij.load(); }, 5s);
        return std::string();
    });
    zapiszPlikTestu(plikWezlow, wpis("127.0.0.1", std::to_string(wolny.port())));
    PrzechwycWyjscie cisza;
    Wypychacz wypychacz({dziennikTestu(), plikLancucha, plikWezlow, -1, 10s});
    // Zlecenia nie czekaja na wezel, ktory trzyma pierwsze wypchniecie.
    for (int i = 0; i < 10; ++i) {
        nowyBlok();
        wypychacz.zlec();
    }
    zwolnij = true;
    EXPECT_TRUE(dotarl(wolny));
    wypychacz.zakoncz(ZegarWezlow::now() + 1s);
    EXPECT_LE(wolny.otrzymane().size(), 2u);
}

TEST_F(Wypychanie, ZapisanyBlokDocieraPrzedWyjsciemAPrzerwanieMowiOZatrzymaniu)
{
    nowyBlok();
    ZatkanyPort zatkany;
    SerwerTestowy uczciwy;
    zapiszPlikTestu(plikWezlow, wpis("127.0.0.1", zatkany.port) + wpis("127.0.0.1", std::to_string(uczciwy.port())));
    ZbieraczWpisow zbieracz;
    {
        Wypychacz wypychacz({dziennikTestu(), plikLancucha, plikWezlow, -1, 2s});
        wypychacz.zlec();
        // Jak zamkniecie okna zaraz po zapisie bloku: reszta czasu na wyjscie.
        wypychacz.zakoncz(ZegarWezlow::now() + 600ms);
    }
    EXPECT_EQ(ostatniLancuch(uczciwy), serializujLancuch(lancuch));
    const std::vector<Wpis> wpisy = zbieracz.wpisy();
    const Wpis przerwane{.rodzaj = RodzajWpisu::rozglaszaniePrzerwane, .adres = "127.0.0.1:" + zatkany.port};
    EXPECT_NE(std::find(wpisy.begin(), wpisy.end(), przerwane), wpisy.end());
    for (const Wpis& w : wpisy)
        EXPECT_TRUE(w.rodzaj != RodzajWpisu::limitPolaczenia && w.rodzaj != RodzajWpisu::nieRozgloszono)
            << wierszWpisu(w);
}

TEST(ListyWezlow, PelnyPlikWymieniaWpisZawodzacyNajdluzej)
{
    FolderTymczasowy folder;
    const std::string plik = folder.plik("wezly.dat");
    std::vector<Wezel> wezly;
    for (std::size_t i = 0; i < MAKS_WEZLOW_W_PLIKU; ++i)
        wezly.push_back({"10.30." + std::to_string(i / 250) + "." + std::to_string(i % 250 + 1), 1700, "", ""});
    zapiszWezly(plik, wezly);
    const Chwila t = ZegarWezlow::now();
    zdrowieWezlow().porazka(wezly[7], t + 1s);
    zdrowieWezlow().porazka(wezly[3], t);
    // Kolejna porazka nie przesuwa poczatku serii: 3 wciaz zawodzi najdluzej.
    zdrowieWezlow().porazka(wezly[3], t + 2s);
    const std::vector<Wezel> nowe{{"10.200.0.1", 1700, "", ""}, {"10.200.0.2", 1700, "", ""}, {"10.200.0.3", 1700, "", ""}};
    EXPECT_EQ(scalWezly(plik, nowe), 2);
    std::vector<Wezel> wPliku = wczytajWezly(plik);
    ASSERT_EQ(wPliku.size(), MAKS_WEZLOW_W_PLIKU);
    EXPECT_EQ(wPliku[3], nowe[0]);
    EXPECT_EQ(wPliku[7], nowe[1]);
    // Gdy nic nie zawodzi, nowy przepada; gdy cos zawodzi, zajmuje jego miejsce.
    EXPECT_FALSE(dodajNowyLubUzupelnij(plik, nowe[2]));
    zdrowieWezlow().porazka(wezly[9], t);
    EXPECT_TRUE(dodajNowyLubUzupelnij(plik, nowe[2]));
    wPliku = wczytajWezly(plik);
    EXPECT_EQ(wPliku.size(), MAKS_WEZLOW_W_PLIKU);
    EXPECT_EQ(wPliku[9], nowe[2]);
}

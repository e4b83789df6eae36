// Wrogie wezly: peer, ktory nie czyta, saczy bajty albo milczy; wlasne adresy; budzet
// pamieci; brak pamieci w obsludze; nieudany zapis; limity list wezlow; FIFO.

#include <gtest/gtest.h>

#include <algorithm>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/format_lancucha.h"
#include "core/plik_lancucha.h"
#include "core/pliki.h"
#include "pomoc_sieci.h"
#include "net/ramki.h"
#include "net/wymiana_lancucha.h"

namespace {

using Zegar = std::chrono::steady_clock;

// Polaczenie z 127.0.0.1:port z podanego adresu zrodlowego (caly 127/8 to loopback).
Gniazdo polaczZAdresu(const char* zrodlo, int port)
{
    Gniazdo g = Gniazdo::utworz(SOCK_STREAM);
    sockaddr_in sa{AF_INET, 0, {}, {}};
    ::inet_pton(AF_INET, zrodlo, &sa.sin_addr);
    EXPECT_EQ(::bind(*g, reinterpret_cast<sockaddr*>(&sa), sizeof sa), 0);
    sa.sin_port = htons(static_cast<std::uint16_t>(port));
    ::inet_pton(AF_INET, "127.0.0.1", &sa.sin_addr);
    EXPECT_EQ(::connect(*g, reinterpret_cast<sockaddr*>(&sa), sizeof sa), 0);
    return g;
}

// Czy serwer zamknal polaczenie (czekajac najwyzej `limit`).
bool zamkniete(const Gniazdo& g, std::chrono::milliseconds limit)
{
    char bajt = 0;
    return g.czekaj(POLLIN, limit, {}) > 0 && ::recv(*g, &bajt, 1, 0) == 0;
}

} // namespace

TEST(WrogiPeer, SaczacyIMilczacyNieBlokujaUczciwego)
{
    SerwerTestowy serwer([](const std::string& w) { return "echo " + w; }, 1s);
    std::vector<Gniazdo> milczace;
    for (const char* adres : {"127.0.0.2", "127.0.0.2", "127.0.0.3", "127.0.0.4", "127.0.0.5"})
        milczace.push_back(polaczZAdresu(adres, serwer.port()));
    // Trzecie polaczenie z jednego adresu jest od razu zamykane.
    milczace.push_back(polaczZAdresu("127.0.0.2", serwer.port()));
    EXPECT_TRUE(zamkniete(milczace.back(), 300ms));
    // Milknie po naglowku dlugiej ramki: konczy je cisza (1 s), nie termin ani tempo.
    ASSERT_EQ(::send(*milczace[0], "0104857600", 10, MSG_NOSIGNAL), 10);
    // Zapowiada 1000 bajtow i saczy bajt co 100 ms: kazda przerwa krotsza niz limit.
    const Gniazdo saczacy = polaczZAdresu("127.0.0.7", serwer.port());
    const auto start = Zegar::now();
    std::thread saczenie([&] {
        std::string bajty = "0000001000";
        while (::send(*saczacy, bajty.data(), bajty.size(), MSG_NOSIGNAL) > 0 && Zegar::now() - start < 5s) {
            bajty = "s";
            std::this_thread::sleep_for(100ms);
        }
    });
    std::string odpowiedz;
    EXPECT_TRUE(wyslijIOdbierz(dziennikTestu(), "127.0.0.1", serwer.port(), "uczciwy", odpowiedz, {}, 2s));
    EXPECT_EQ(odpowiedz, "echo uczciwy");
    saczenie.join();
    EXPECT_LT(Zegar::now() - start, 2s) << "saczacy nie zostal odciety w terminie wiadomosci";
    EXPECT_EQ(serwer.otrzymane(), std::vector<std::string>{"uczciwy"});
    EXPECT_TRUE(zamkniete(milczace[0], 2s));
}

TEST(WrogiPeer, BrakPamieciKonczyJednoZapytanie)
{
    std::atomic<int> ile{0};
    SerwerTestowy serwer([&](const std::string&) -> std::string {
        if (ile++ == 0)
            throw std::bad_alloc();
        return "dalej";
    });
    std::string pierwsza = "-";
    std::string druga;
    ZbieraczWpisow zbieracz;
    EXPECT_TRUE(wyslijIOdbierz(dziennikTestu(), "127.0.0.1", serwer.port(), "1", pierwsza, {}, 2s)
                && wyslijIOdbierz(dziennikTestu(), "127.0.0.1", serwer.port(), "2", druga, {}, 2s));
    EXPECT_EQ(pierwsza + druga, "dalej");
    const std::vector<RodzajWpisu> rodzaje = zbieracz.rodzaje();
    EXPECT_NE(std::find(rodzaje.begin(), rodzaje.end(), RodzajWpisu::brakPamieciNaZapytanie), rodzaje.end());
}

TEST(WrogiPeer, ZaDlugaOdpowiedzOdrzuconaBezCzytania)
{
    SerwerTestowy serwer([](const std::string&) { return std::string(MAKS_DLUGOSC_ODPOWIEDZI + 1, 'x'); });
    std::string odpowiedz = "-";
    EXPECT_TRUE(wyslijCzesciIOdbierz(dziennikTestu(), "127.0.0.1", serwer.port(), {"lancuch", "wezly"}, odpowiedz, {}, 5s));
    EXPECT_EQ(odpowiedz, "");
}

TEST(WlasneAdresy, CalyLoopbackIZeraZWlasnymPortem)
{
    for (const char* ip : {"127.0.0.1", "127.0.0.2", "127.255.255.254", "0.0.0.0", "localhost"})
        EXPECT_TRUE(czyToJa(ip, 1700, 1700)) << ip;
    EXPECT_FALSE(czyToJa("127.0.0.2", 1701, 1700));
    EXPECT_FALSE(czyToJa("10.1.2.3", 1700, 1700));
    EXPECT_FALSE(czyToJa("0.0.0.0", 1700, -1));
}

class WrogiLancuch : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(zapiszLancuch(lancuchTestowy(1, 1), plikLancucha)); }

    FolderTymczasowy folder;
    std::string plikLancucha = folder.plik("blockchain.dat");
    std::string plikWezlow = folder.plik("wezly.dat");
    Blockchain zywy;
    bool rozgloszono = false;
    KontekstSerwera kontekst{{dziennikTestu(), plikLancucha, plikWezlow, 1700, 1s},
                             zywy, "", [this] { rozgloszono = true; }, {}};
};

TEST_F(WrogiLancuch, BudzetPamieciOdrzucaPustePrzepuszczaPlatnosci)
{
    std::string wrogi = "=== BLOK ===\n1\n0\n0\n0\n0\n100000\n";
    for (int i = 0; i < 100000; ++i)
        wrogi += "\n\n0\n\n\n";
    const std::string przed = czytajPlikTestu(plikLancucha);
    ZbieraczWpisow zbieracz;
    (void)obsluzPrzychodzacyLancuch(kontekst, zbudujWiadomoscLancucha(wrogi, ""));
    EXPECT_EQ(zbieracz.rodzaje(), std::vector{RodzajWpisu::lancuchZaDuzyWPamieci});
    EXPECT_EQ(czytajPlikTestu(plikLancucha), przed);
    // Bloki z platnoscia i sama nagroda mieszcza sie z co najmniej dwukrotnym zapasem.
    const ParaKluczy placacy = generujPareKluczy();
    Blockchain uczciwy = lancuchTestowy(1, 2, kluczPublicznyHex(placacy));
    dokop(uczciwy, OBCY_ADRES, 1, {Transakcja(placacy, OBCY_ADRES, 12345, "")});
    const std::string tekst = serializujLancuch(uczciwy);
    EXPECT_LE(2 * szacujPamiecLancucha(tekst), MNOZNIK_PAMIECI_LANCUCHA * tekst.size());
}

TEST_F(WrogiLancuch, NieudanyZapisToOdmowaBezRozgloszenia)
{
    const std::string przed = czytajPlikTestu(plikLancucha);
    const std::string wiadomosc = zbudujWiadomoscLancucha(serializujLancuch(lancuchTestowy(1, 3)), "");
    ::chmod(folder.sciezka().c_str(), 0555);
    const int wynik = wProcesiePotomnym([&] {
        ZbieraczWpisow zbieracz;
        (void)obsluzPrzychodzacyLancuch(kontekst, wiadomosc);
        return (zbieracz.rodzaje() == std::vector{RodzajWpisu::lancuchNieZapisany} ? 0 : 1) + (rozgloszono ? 4 : 0);
    }, true);
    ::chmod(folder.sciezka().c_str(), 0700);
    EXPECT_EQ(wynik, 0);
    EXPECT_EQ(czytajPlikTestu(plikLancucha), przed);
}

TEST(ListyWezlow, WpisyPoprawneNazwyPrzycieteLimityWiadomosciIPliku)
{
    for (Wezel w : {Wezel{"10.0.0.1", 1, "", ""}, Wezel{"10.0.0.1", 65535, std::string(64, 'A'), "Ola"}})
        EXPECT_TRUE(przygotujWezelDoZapisu(w));
    for (Wezel w : {Wezel{"host", 1700, "", ""}, Wezel{"10.0.0.1", 0, "", ""}, Wezel{"10.0.0.1", -1, "", ""},
                    Wezel{"10.0.0.1", 70000, "", ""}, Wezel{"10.0.0.1", 1700, std::string(64, 'g'), ""}})
        EXPECT_FALSE(przygotujWezelDoZapisu(w)) << wierszWezla(w);
    // "a" i 40 razy dwubajtowe "\xC5\x81": 64. bajt to srodek znaku, wiec zostaje 63.
    Wezel zNazwa{"10.0.0.1", 1700, "", "a"};
    for (int i = 0; i < 40; ++i)
        zNazwa.nazwa += "\xC5\x81";
    const std::string dluga = zNazwa.nazwa;
    ASSERT_TRUE(przygotujWezelDoZapisu(zNazwa));
    EXPECT_EQ(zNazwa.nazwa, dluga.substr(0, 63));

    FolderTymczasowy folder;
    const std::string plik = folder.plik("wezly.dat");
    std::vector<Wezel> wezly;
    for (int i = 0; i < 20000; ++i)
        wezly.push_back({"10." + std::to_string(i / 250) + "." + std::to_string(i % 250) + ".1", 1700, "", ""});
    scalListeWezlow(wezlyDoTekstu(wezly), plik, 1700);
    EXPECT_EQ(wczytajWezly(plik).size(), MAKS_WEZLOW_Z_WIADOMOSCI);
    wezly[0].nazwa = "Uzupelniona";
    EXPECT_EQ(scalWezly(plik, wezly), static_cast<int>(MAKS_WEZLOW_W_PLIKU - MAKS_WEZLOW_Z_WIADOMOSCI));
    const std::vector<Wezel> wPliku = wczytajWezly(plik);
    ASSERT_EQ(wPliku.size(), MAKS_WEZLOW_W_PLIKU);
    EXPECT_EQ(wPliku[0], wezly[0]);
    EXPECT_EQ(wPliku.back(), wezly[MAKS_WEZLOW_W_PLIKU - 1]);
}

TEST(PlikiNiezwykle, FifoZamiastLancuchaIWezlowOdrzucaneBezCzekania)
{
    FolderTymczasowy folder;
    const std::string lancuch = folder.plik("blockchain.dat");
    const std::string wezly = folder.plik("wezly.dat");
    ASSERT_TRUE(::mkfifo(lancuch.c_str(), 0600) == 0 && ::mkfifo(wezly.c_str(), 0600) == 0);
    Blockchain b = lancuchTestowy(1, 1);
    EXPECT_EQ(wczytajPlik(lancuch), std::nullopt);
    EXPECT_FALSE(wczytajLancuch(b, lancuch));
    EXPECT_FALSE(zapiszLancuch(b, lancuch));
    EXPECT_EQ(wczytajPrzedZapisem(b, lancuch).stan, StanPrzedZapisem::nieZwykly);
    EXPECT_EQ(kopIZapisz(b, OBCY_ADRES, lancuch, {}).rodzaj, RodzajKopania::plikNieDoZapisu);
    EXPECT_TRUE(wczytajWezly(wezly).empty());
    dodajLubUzupelnijWezel(wezly, "10.0.0.1", 1700, "", "");
    (void)scalWezly(wezly, {Wezel{"10.0.0.2", 1700, "", ""}});
    // Zaden zapis nie podmienil kolejki plikiem zwyklym.
    for (const std::string& plik : {lancuch, wezly}) {
        struct stat info {};
        EXPECT_TRUE(::stat(plik.c_str(), &info) == 0 && S_ISFIFO(info.st_mode)) << plik;
    }
}

TEST_F(WrogiLancuch, OdpowiedzPrzedRozgloszeniemDoZawieszonegoIZatrzymanieWSekunde)
{
    int portPeera = 0;
    const int zawieszony = nasluchNaLoopbacku(4, portPeera); // nie przyjmuje i nie czyta
    ASSERT_GE(zawieszony, 0);
    zapiszPlikTestu(plikWezlow, "127.0.0.1 " + std::to_string(portPeera) + " - -\n");
    PrzechwycWyjscie cisza;
    PetlaTestowa serwer([this](int port, const std::stop_token& stop, const std::function<void(bool)>& gotowy) {
        Blockchain lancuch;
        KontekstSerwera kontekst{{dziennikTestu(), plikLancucha, plikWezlow, port, 30s},
                                 lancuch, "", {}, stop};
        nasluchujIPrzyjmujLancuchyWPetli(kontekst, gotowy);
    });
    std::string odpowiedz;
    auto start = Zegar::now();
    ASSERT_TRUE(wyslijIOdbierz(dziennikTestu(), "127.0.0.1", serwer.port(),
                               zbudujWiadomoscLancucha(serializujLancuch(lancuchTestowy(1, 3)), ""),
                               odpowiedz, {}, 5s));
    EXPECT_LT(Zegar::now() - start, 2s);
    EXPECT_EQ(odpowiedz, "127.0.0.1 " + std::to_string(portPeera) + " - -\n");
    std::this_thread::sleep_for(300ms); // rozgloszenie czeka juz na zawieszonego
    start = Zegar::now();
    serwer.zatrzymaj();
    EXPECT_LT(Zegar::now() - start, 1300ms);
    ::close(zawieszony);
}

// Osiem saczacych polaczen z czterech adresow (po dwa) zapowiada 200 MiB i milknie.
TEST(LimityPolaczen, SaczaceWypieraneIZamykanePrzezTempo)
{
    SerwerTestowy serwer([](const std::string& w) { return "echo " + w; });
    std::vector<Gniazdo> saczace;
    for (const char* adres : {"127.0.0.2", "127.0.0.3", "127.0.0.4", "127.0.0.5"})
        for (int i = 0; i < 2; ++i) {
            saczace.push_back(polaczZAdresu(adres, serwer.port()));
            ASSERT_EQ(::send(*saczace.back(), "0209715200s", 11, MSG_NOSIGNAL), 11);
        }
    std::this_thread::sleep_for(KARENCJA_WYPARCIA + 200ms);
    std::string odpowiedz;
    EXPECT_TRUE(wyslijIOdbierz(dziennikTestu(), "127.0.0.1", serwer.port(), "uczciwy", odpowiedz, {}, 2s));
    EXPECT_EQ(odpowiedz, "echo uczciwy");
    // Uczciwe polaczenie wyparlo dokladnie jedno saczace.
    std::vector<const Gniazdo*> otwarte;
    for (const Gniazdo& g : saczace)
        if (!zamkniete(g, 0ms))
            otwarte.push_back(&g);
    EXPECT_EQ(otwarte.size(), saczace.size() - 1);
    // Reszte zamyka tempo, dlugo przed limitem ciszy (30 s) i terminem wiadomosci.
    for (const Gniazdo* g : otwarte)
        EXPECT_TRUE(zamkniete(*g, KARENCJA_TEMPA + 2s));
}

// Budzet procesu zmniejszony do 1 MiB: ramka wieksza od niego jest odrzucana, mniejsza
// czeka na miejsce zajete przez inne zapytanie; odczyt lancucha tez musi sie zmiescic.
TEST_F(WrogiLancuch, BudzetPamieciProcesuDlaRamekIOdczytu)
{
    budzetPamieci().ustawMinimum(1 << 20);
    // Obsluga widzi, ile budzetu zajmuje jej ramka.
    SerwerTestowy serwer([](const std::string&) { return std::to_string(budzetPamieci().zajete()); });
    // Serwer zamyka po naglowku, wiec wysylka moze sie nie udac; odpowiedzi nie ma.
    std::string odpowiedz;
    (void)wyslijIOdbierz(dziennikTestu(), "127.0.0.1", serwer.port(), std::string(2 << 20, 'x'), odpowiedz, {}, 5s);
    EXPECT_EQ(odpowiedz, "");
    RezerwacjaPamieci zajete = budzetPamieci().zarezerwuj((1 << 20) - 1000, 0ms, {});
    std::thread zwolnienie([&] {
        std::this_thread::sleep_for(300ms);
        zajete = RezerwacjaPamieci();
    });
    EXPECT_TRUE(wyslijIOdbierz(dziennikTestu(), "127.0.0.1", serwer.port(), std::string(4000, 'x'), odpowiedz, {}, 5s));
    EXPECT_EQ(odpowiedz, "4000");
    zwolnienie.join();

    const std::string tekst = serializujLancuch(lancuchTestowy(1, 40));
    budzetPamieci().ustawMinimum(2 * tekst.size());
    const std::string przed = czytajPlikTestu(plikLancucha);
    PrzechwycWyjscie cisza;
    (void)obsluzPrzychodzacyLancuch(kontekst, zbudujWiadomoscLancucha(tekst, ""));
    EXPECT_EQ(czytajPlikTestu(plikLancucha), przed);
    budzetPamieci().ustawMinimum(BudzetPamieci::MINIMUM);
    (void)obsluzPrzychodzacyLancuch(kontekst, zbudujWiadomoscLancucha(tekst, ""));
    EXPECT_NE(czytajPlikTestu(plikLancucha), przed);
}

// Wlasny plik lancucha 2,5 GiB (rzadki): zapytanie ponad 512 MiB i ponad zakres int32
// jest czytane, dopoki nie przekracza wlasnego lancucha o wiecej niz zapas.
TEST_F(WrogiLancuch, ZapytanieDluzszeNiz512MiBPrzyDlugimWlasnymLancuchu)
{
    ASSERT_EQ(::truncate(plikLancucha.c_str(), 2560LL << 20), 0);
    PetlaTestowa serwer([this](int port, const std::stop_token& stop, const std::function<void(bool)>& gotowy) {
        Blockchain lancuch;
        KontekstSerwera kontekst{{dziennikTestu(), plikLancucha, plikWezlow, port, LIMIT_ODBIORU},
                                 lancuch, "", {}, stop};
        nasluchujIPrzyjmujLancuchyWPetli(kontekst, gotowy);
    });
    const Gniazdo czytane = polaczZAdresu("127.0.0.2", serwer.port());
    const Gniazdo zaDlugie = polaczZAdresu("127.0.0.3", serwer.port());
    ASSERT_EQ(::send(*czytane, "2700000000", 10, MSG_NOSIGNAL), 10);
    ASSERT_EQ(::send(*zaDlugie, "2800000000", 10, MSG_NOSIGNAL), 10);
    EXPECT_TRUE(zamkniete(zaDlugie, 1s));
    EXPECT_FALSE(zamkniete(czytane, 300ms));
}

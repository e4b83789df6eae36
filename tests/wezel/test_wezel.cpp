// Obiekt wezla bez okna: wynik otwarcia nasluchu, petla kopania do nieudanego zapisu i jej
// ponowny start, zatrzymanie przerywa zawieszone rozgloszenie. Zdarzenia zbiera obserwator.
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <unistd.h>

#include "pomoc_testow.h"
#include "wezel/wezel.h"

namespace {

// Zdarzenia w kolejnosci nadejscia (wolane z watkow wezla).
class Zdarzenia : public ObserwatorWezla {
public:
    void nasluchGotowy(int /*port*/, bool sukces) override { dopisz(sukces ? "nasluch" : "port zajety"); }
    void rozgloszono(const WynikRozgloszenia& wynik, CelRozgloszenia /*cel*/) override
    {
        dopisz("rozgloszono " + std::to_string(wynik.sukcesy) + "/" + std::to_string(wynik.wszystkie));
    }
    void pobieranieZakonczone(const WynikPobieraniaOdWezlow& /*wynik*/, CelPobrania /*cel*/) override { dopisz("pobrano"); }
    void wykopanoBlok() override { dopisz("blok"); }
    void zapisNieudany() override { dopisz("zapis nieudany"); }
    void petlaZatrzymana(bool poBledzie) override { dopisz(poBledzie ? "petla stoi po bledzie" : "petla stoi"); }

    // Czeka (najwyzej 10 s), az zbierze sie `ile` zdarzen; zwraca zebrane.
    std::vector<std::string> czekaj(std::size_t ile)
    {
        std::unique_lock blokada(mutex);
        zmiana.wait_for(blokada, std::chrono::seconds(10), [&] { return lista.size() >= ile; });
        return lista;
    }

private:
    void dopisz(std::string zdarzenie)
    {
        {
            const std::lock_guard blokada(mutex);
            lista.push_back(std::move(zdarzenie));
        }
        zmiana.notify_all();
    }

    std::mutex mutex;
    std::condition_variable zmiana;
    std::vector<std::string> lista;
};

using Lista = std::vector<std::string>;

} // namespace

TEST(ObiektWezla, NasluchZglaszaOtwarcieAZajetyPortOdmowe)
{
    FolderTymczasowy a;
    FolderTymczasowy b;
    Zdarzenia zdarzeniaA;
    Zdarzenia zdarzeniaB;
    WezelProgramu pierwszy(KatalogDanych::w(a.sciezka()), {}, zdarzeniaA, dziennikTestu());
    WezelProgramu drugi(KatalogDanych::w(b.sciezka()), {}, zdarzeniaB, dziennikTestu());
    const int port = wolnyPort();
    ASSERT_TRUE(pierwszy.uruchomNasluch(port));
    EXPECT_EQ(zdarzeniaA.czekaj(1), Lista{"nasluch"});
    ASSERT_TRUE(drugi.uruchomNasluch(port));
    EXPECT_EQ(zdarzeniaB.czekaj(1), Lista{"port zajety"});
    // Zatrzymanie z terminem mowi, ze watki skonczyly; port jest wtedy wolny dla drugiego.
    const auto termin = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    EXPECT_TRUE(pierwszy.zatrzymaj(termin, termin));
    drugi.zatrzymajNasluch();
    ASSERT_TRUE(drugi.uruchomNasluch(port));
    EXPECT_EQ(zdarzeniaB.czekaj(2), (Lista{"port zajety", "nasluch"}));
}

TEST(ObiektWezla, PetlaKopieDoNieudanegoZapisuIRuszaPonownie)
{
    FolderTymczasowy folder;
    Zdarzenia zdarzenia;
    WezelProgramu wezel(KatalogDanych::w(folder.sciezka()), {OBCY_ADRES, "id", "test"}, zdarzenia,
                        dziennikTestu());
    int przebiegi = 0;
    std::string sciezka;
    // Trzeci blok nie trafia do pliku.
    wezel.ustawKopacza([&](Blockchain&, const std::string&, const std::string& plik, const std::vector<Transakcja>&, const std::stop_token&) {
        sciezka = plik;
        return ++przebiegi % 3 != 0;
    });
    ASSERT_TRUE(wezel.uruchomPetle(wolnyPort(), true));
    const Lista jedenPrzebieg{"pobrano", "blok", "blok", "zapis nieudany", "petla stoi po bledzie"};
    EXPECT_EQ(zdarzenia.czekaj(5), jedenPrzebieg);
    EXPECT_EQ(sciezka, folder.plik("blockchain.dat"));
    EXPECT_TRUE(wezel.petlaPoBledzieZapisu());
    // Petla, ktora stanela sama, daje sie uruchomic znowu (bez wlasnego pobrania).
    ASSERT_TRUE(wezel.uruchomPetle(wolnyPort(), false));
    Lista dwaPrzebiegi = jedenPrzebieg;
    dwaPrzebiegi.insert(dwaPrzebiegi.end(), {"blok", "blok", "zapis nieudany", "petla stoi po bledzie"});
    EXPECT_EQ(zdarzenia.czekaj(9), dwaPrzebiegi);
    // Zatrzymana przez wolajacego nie zglasza bledu zapisu.
    wezel.ustawKopacza([](Blockchain&, const std::string&, const std::string&, const std::vector<Transakcja>&, const std::stop_token&) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        return true;
    });
    ASSERT_TRUE(wezel.uruchomPetle(wolnyPort(), false));
    EXPECT_EQ(zdarzenia.czekaj(10).back(), "blok");
    wezel.zatrzymajPetle();
    EXPECT_EQ(zdarzenia.czekaj(11).back(), "petla stoi");
    EXPECT_FALSE(wezel.petlaPoBledzieZapisu());
}

TEST(ObiektWezla, ZatrzymaniePrzerywaZawieszoneRozgloszenie)
{
    FolderTymczasowy folder;
    int port = 0;
    const int cichy = nasluchNaLoopbacku(4, port);
    ASSERT_GE(cichy, 0);
    zapiszPlikTestu(folder.plik("wezly.dat"), "127.0.0.1 " + std::to_string(port) + " - -\n");
    Zdarzenia zdarzenia;
    auto wezel = std::make_unique<WezelProgramu>(KatalogDanych::w(folder.sciezka()), TozsamoscWezla{},
                                                 zdarzenia, dziennikTestu());
    ASSERT_TRUE(wezel->rozglos(lancuchTestowy(0, 1), wolnyPort(), CelRozgloszenia::reczne));
    // Cichy wezel przyjal polaczenie i milczy: rozgloszenie czeka na odpowiedz.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_EQ(wezel->praceWToku(), 1);
    const auto start = std::chrono::steady_clock::now();
    wezel.reset();
    const auto trwalo = std::chrono::steady_clock::now() - start;
    ::close(cichy);
    EXPECT_EQ(zdarzenia.czekaj(1), Lista{"rozgloszono 0/1"});
    // Granica poprawnosci, nie pomiar: bez przerwania czekanie trwaloby 30 s.
    EXPECT_LT(trwalo, std::chrono::seconds(5));
}

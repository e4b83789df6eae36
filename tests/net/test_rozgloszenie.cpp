// Rozgloszenie do znanych wezlow i bootstrap z seedow na 127.0.0.1.

#include <gtest/gtest.h>

#include "format_lancucha.h"
#include "pomoc_sieci.h"
#include "pomoc_testow.h"
#include "rozgloszenie.h"
#include "wymiana_lancucha.h"

namespace {

std::string wpis(int port, const std::string& nazwa = "-")
{
    return "127.0.0.1 " + std::to_string(port) + " - " + nazwa + "\n";
}

class Rozgloszenie : public testing::Test {
protected:
    // Rozgloszenie z przechwyconym wyjsciem (w `wyjscie`).
    WynikRozgloszenia rozglos(int mojPort = -1)
    {
        PrzechwycWyjscie przechwyc;
        const WynikRozgloszenia wynik = rozglosLancuch(lancuch, plikWezlow, mojPort, 1s);
        wyjscie = przechwyc.tekst();
        return wynik;
    }

    FolderTymczasowy folder;
    std::string plikWezlow = folder.plik("wezly.dat");
    std::string plikSeedow = folder.plik("seedy.dat");
    Blockchain lancuch = lancuchTestowy(1, 1, adresTestowy(0));
    std::string tekstLancucha = serializujLancuch(lancuch);
    std::string wyjscie;
};

} // namespace

TEST_F(Rozgloszenie, PustyLubBrakujacyPlikDajeZeroZero)
{
    EXPECT_EQ(rozglos(), (WynikRozgloszenia{0, 0}));
    zapiszPlikTestu(plikWezlow, "zly wiersz\n");
    EXPECT_EQ(rozglos(), (WynikRozgloszenia{0, 0}));
    EXPECT_EQ(wyjscie, "");
}

TEST_F(Rozgloszenie, LicznikiIWierszeWKolejnosciPliku)
{
    SerwerTestowy a;
    SerwerTestowy c;
    const int b = wolnyPort();
    zapiszPlikTestu(plikWezlow, wpis(a.port()) + wpis(b) + wpis(c.port()));
    EXPECT_EQ(rozglos(), (WynikRozgloszenia{2, 3}));
    const std::string pb = std::to_string(b);
    // Wezly sa odwiedzane naraz: wiersz BLAD warstwy gniazd pojawia sie, kiedy wypadnie.
    const std::string blad = "BLAD: nie udalo sie polaczyc z 127.0.0.1:" + pb + "\n";
    ASSERT_NE(wyjscie.find(blad), std::string::npos);
    wyjscie.erase(wyjscie.find(blad), blad.size());
    EXPECT_EQ(wyjscie, "Rozgloszono do 127.0.0.1:" + std::to_string(a.port())
                           + "\nNie udalo sie rozglosic do 127.0.0.1:" + pb
                           + " (offline?)\nRozgloszono do 127.0.0.1:" + std::to_string(c.port()) + "\n");
    const std::string oczekiwane = zbudujWiadomoscLancucha(tekstLancucha, czytajPlikTestu(plikWezlow));
    EXPECT_EQ(a.otrzymane(), std::vector<std::string>{oczekiwane});
    EXPECT_EQ(c.otrzymane(), std::vector<std::string>{oczekiwane});
    // Wezel offline zostaje w pliku.
    EXPECT_EQ(czytajPlikTestu(plikWezlow), wpis(a.port()) + wpis(b) + wpis(c.port()));
}

TEST_F(Rozgloszenie, PowtorzonyWpisJestOdwiedzanyILiczonyDwaRazy)
{
    SerwerTestowy a;
    zapiszPlikTestu(plikWezlow, wpis(a.port()) + wpis(a.port(), "znowu"));
    EXPECT_EQ(rozglos(), (WynikRozgloszenia{2, 2}));
    EXPECT_EQ(a.otrzymane().size(), 2u);
}

TEST_F(Rozgloszenie, PoznanyZOdpowiedziJestPrzekazanyAleNieOdwiedzony)
{
    SerwerTestowy nowy;
    SerwerTestowy a([&](const std::string&) { return wpis(nowy.port(), "Nowy"); });
    SerwerTestowy b;
    zapiszPlikTestu(plikWezlow, wpis(a.port()) + wpis(b.port()));
    EXPECT_EQ(rozglos(), (WynikRozgloszenia{2, 2}));
    const std::string lista = wpis(a.port()) + wpis(b.port()) + wpis(nowy.port(), "Nowy");
    EXPECT_EQ(czytajPlikTestu(plikWezlow), lista);
    // b jest odwiedzany rownolegle z a: jego zapytanie niesie liste sprzed albo po odpowiedzi a.
    const std::vector<std::string> doB = b.otrzymane();
    ASSERT_EQ(doB.size(), 1u);
    EXPECT_TRUE(doB[0] == zbudujWiadomoscLancucha(tekstLancucha, lista)
                || doB[0] == zbudujWiadomoscLancucha(tekstLancucha, wpis(a.port()) + wpis(b.port())));
    EXPECT_TRUE(nowy.otrzymane().empty());
}

TEST_F(Rozgloszenie, WpisyOznaczajaceTenWezelSaPomijane)
{
    // "Ja" naprawde slucha na tym porcie: polaczenie z samym soba byloby zauwazone.
    SerwerTestowy ja;
    SerwerTestowy a;
    zapiszPlikTestu(plikWezlow, wpis(ja.port()) + "localhost " + std::to_string(ja.port()) + " - -\n"
                                    + wpis(a.port()));
    EXPECT_EQ(rozglos(ja.port()), (WynikRozgloszenia{1, 1}));
    EXPECT_EQ(wyjscie, "Rozgloszono do 127.0.0.1:" + std::to_string(a.port()) + "\n");
    EXPECT_TRUE(ja.otrzymane().empty());
}

TEST_F(Rozgloszenie, OdpowiedzZWlasnymWpisemNieWracaDoPliku)
{
    SerwerTestowy a([&](const std::string&) { return wpis(1700, "Ja") + "10.1.2.3 1701 k Ktos\n"; });
    zapiszPlikTestu(plikWezlow, wpis(a.port()));
    EXPECT_EQ(rozglos(1700), (WynikRozgloszenia{1, 1}));
    EXPECT_EQ(czytajPlikTestu(plikWezlow), wpis(a.port()) + "10.1.2.3 1701 k Ktos\n");
}

TEST_F(Rozgloszenie, BootstrapTylkoGdyBrakZnanychWezlow)
{
    SerwerTestowy seed;
    zapiszPlikTestu(plikSeedow, wpis(seed.port()));
    zapiszPlikTestu(plikWezlow, "10.9.9.9 1700 - -\n");
    EXPECT_TRUE(seedyDoBootstrapu(plikWezlow, plikSeedow).empty());
    zapiszPlikTestu(plikWezlow, "");
    EXPECT_EQ(seedyDoBootstrapu(plikWezlow, plikSeedow),
              (std::vector<Wezel>{{"127.0.0.1", seed.port(), "", ""}}));
    zapiszPlikTestu(plikSeedow, "");
    EXPECT_TRUE(seedyDoBootstrapu(plikWezlow, plikSeedow).empty());
    EXPECT_TRUE(seed.otrzymane().empty());
}

TEST_F(Rozgloszenie, BootstrapDwaSeedyPoKoleiIJednoGotowe)
{
    std::mutex mutexKolejnosci;
    std::vector<std::string> kolejnosc;
    auto zapamietaj = [&](const std::string& kto, const std::string& odpowiedz) {
        return [&, kto, odpowiedz](const std::string&) {
            std::lock_guard blokada(mutexKolejnosci);
            kolejnosc.push_back(kto);
            return odpowiedz;
        };
    };
    SerwerTestowy pierwszy(zapamietaj("pierwszy", "10.0.0.1 1700 k1 Ala\n"));
    SerwerTestowy drugi(zapamietaj("drugi", "10.0.0.2 1700 - -\n10.0.0.1 1700 - -\n"));
    const std::string seedy = wpis(pierwszy.port()) + wpis(drugi.port());
    zapiszPlikTestu(plikSeedow, seedy);
    int gotowe = 0;
    std::vector<std::string> kolejnoscPrzyGotowym;
    PrzechwycWyjscie cisza;
    bootstrapZSeedow(lancuch, seedyDoBootstrapu(plikWezlow, plikSeedow), plikWezlow, -1, [&] {
        ++gotowe;
        std::lock_guard blokada(mutexKolejnosci);
        kolejnoscPrzyGotowym = kolejnosc;
    }, 1s);
    EXPECT_EQ(gotowe, 1);
    EXPECT_EQ(kolejnoscPrzyGotowym, (std::vector<std::string>{"pierwszy", "drugi"}));
    EXPECT_EQ(czytajPlikTestu(plikWezlow), "10.0.0.1 1700 k1 Ala\n10.0.0.2 1700 - -\n");
    // Seed dostaje lancuch i (pusta) liste wezlow; plik seedow sie nie zmienia.
    EXPECT_EQ(pierwszy.otrzymane(), std::vector<std::string>{zbudujWiadomoscLancucha(tekstLancucha, "")});
    EXPECT_EQ(czytajPlikTestu(plikSeedow), seedy);
}

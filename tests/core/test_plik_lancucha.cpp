// Tekst lancucha i plik: format, odrzucenia, CR LF, atomowy zapis, odkladanie na bok, dwa watki.
#include <gtest/gtest.h>

#include <atomic>
#include <csignal>
#include <iostream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>

#include "core/format_lancucha.h"
#include "core/plik_lancucha.h"
#include "core/wpisy_lancucha.h"
#include "core/pliki.h"
#include "pomoc_testow.h"

TEST(FormatLancucha, GenezaIZapisOdczytTychSamychBlokow)
{
    const Blockchain pusty;
    const Blok& g = pusty.pobierzLancuch()[0];
    EXPECT_EQ(serializujLancuch(pusty), "=== BLOK ===\n0\n0\n" + g.hash + "\n0\n"
                                            + std::to_string(g.czas)
                                            + "\n1\n\n\n0\nBlok Genezy - Start sieci Talvarin (TLV)\n\n");
    const ParaKluczy para = generujPareKluczy();
    Blockchain zrodlo = lancuchTestowy(1, 1, kluczPublicznyHex(para));
    dokop(zrodlo, OBCY_ADRES, 1, {Transakcja(para, OBCY_ADRES, 123, "opis | z kreska")});
    zmienBlok(zrodlo, 1, [](Blok& b) { b.czas = -7; });
    const std::string tekst = serializujLancuch(zrodlo);
    Blockchain cel;
    ASSERT_TRUE(parsujLancuch(cel, tekst));
    EXPECT_EQ(cel.pobierzLancuch(), zrodlo.pobierzLancuch());
    EXPECT_EQ(serializujLancuch(cel), tekst);
}

class PlikLancuchaNaDysku : public testing::Test {
protected:
    FolderTymczasowy folder;
    const std::string plik = folder.plik("blockchain.dat");
};

TEST_F(PlikLancuchaNaDysku, PlikZWindowsZCrLfSieWczytuje)
{
    const Blockchain zrodlo = lancuchTestowy(1, 1);
    std::string crlf;
    for (const char z : serializujLancuch(zrodlo))
        crlf += z == '\n' ? std::string("\r\n") : std::string(1, z);
    zapiszPlikTestu(plik, crlf);
    Blockchain cel;
    ASSERT_TRUE(wczytajLancuch(cel, plik));
    EXPECT_EQ(cel.pobierzLancuch(), zrodlo.pobierzLancuch());
}

TEST_F(PlikLancuchaNaDysku, NieudanyZapisZostawiaStaryPlik)
{
    ASSERT_TRUE(zapiszLancuch(Blockchain(), plik));
    const std::string przed = czytajPlikTestu(plik);
    const Blockchain nowy = lancuchTestowy(1, 3);
    ::chmod(folder.sciezka().c_str(), 0555);
    EXPECT_EQ(wProcesiePotomnym([&] { return zapiszLancuch(nowy, plik) ? 1 : 0; }, true), 0);
    ::chmod(folder.sciezka().c_str(), 0700);
    // Pelny dysk w polowie zapisu (limit rozmiaru dziala tez dla roota).
    EXPECT_EQ(wProcesiePotomnym([&] {
                  std::signal(SIGXFSZ, SIG_IGN);
                  const rlimit limit{100, 100};
                  return ::setrlimit(RLIMIT_FSIZE, &limit) != 0 ? 2 : zapiszLancuch(nowy, plik) ? 1 : 0;
              }),
              0);
    EXPECT_EQ(czytajPlikTestu(plik), przed);
    EXPECT_EQ(folder.liczbaWpisow(), 1u) << "zostal plik tymczasowy";
}

TEST_F(PlikLancuchaNaDysku, NieczytelnyPlikJestOdkladanyNaBok)
{
    // Drugi: zly numer w bloku srodkowym; wczytany w polowie bylby przedluzany dalej.
    const std::string dobry = serializujLancuch(lancuchTestowy());
    const std::string zepsute[] = {"to nie jest lancuch\n", dobry + "=== BLOK ===\n1\np\nh\nx\n1\n0\n" + dobry};
    Blockchain lancuch = lancuchTestowy();
    const std::string odlozone[] = {plik + ".uszkodzony", plik + ".uszkodzony.1"};
    for (int i = 0; i < 2; ++i) {
        zapiszPlikTestu(plik, zepsute[i]);
        const WynikKopania wynik = kopIZapisz(lancuch, OBCY_ADRES, plik, {});
        EXPECT_EQ(wynik.rodzaj, RodzajKopania::zapisany);
        EXPECT_EQ(wynik.przedZapisem.stan, StanPrzedZapisem::odlozony);
        EXPECT_EQ(czytajPlikTestu(odlozone[i]), zepsute[i]);
        // Dziennik dostaje odlozenie, potem wykopany blok.
        ZbieraczWpisow zbieracz;
        zglosKopanie(dziennikTestu(), wynik);
        const Blok& blok = lancuch.pobierzLancuch().back();
        EXPECT_EQ(zbieracz.wpisy(), (std::vector<Wpis>{
            {.rodzaj = RodzajWpisu::lancuchOdlozony, .plik = plik, .nowyPlik = odlozone[i]},
            {.rodzaj = RodzajWpisu::wykopanoBlok, .indeks = blok.indeks, .nonce = blok.nonce, .tekst = blok.hash}}));
    }
    Blockchain zapisany;
    ASSERT_TRUE(wczytajLancuch(zapisany, plik));
    EXPECT_EQ(zapisany.liczbaBlokow(), 3u);
}

TEST_F(PlikLancuchaNaDysku, DwaWatkiKopiaNicNieGubiacACzytelnikZawszeCzyta)
{
    constexpr int N = 4;
    std::atomic<bool> koniec{false};
    std::atomic<int> nieudane{0};
    auto gornik = [&](const std::string& adres) {
        Blockchain wlasny = lancuchTestowy(4);
        for (int i = 0; i < N; ++i)
            EXPECT_TRUE(kopIZapisz(wlasny, adres, plik, {}).zapisano());
    };
    std::thread czytelnik([&] {
        while (!koniec.load()) {
            Blockchain widok;
            if (plikIstnieje(plik) && !wczytajLancuch(widok, plik))
                nieudane.fetch_add(1);
        }
    });
    std::thread a(gornik, std::string(64, 'a'));
    std::thread b(gornik, std::string(64, 'b'));
    a.join();
    b.join();
    koniec = true;
    czytelnik.join();
    Blockchain wynik;
    ASSERT_TRUE(wczytajLancuch(wynik, plik));
    EXPECT_EQ(wynik.liczbaBlokow(), static_cast<std::size_t>(2 * N + 1));
    EXPECT_TRUE(wynik.czyLancuchPoprawny());
    EXPECT_EQ(wynik.saldo(std::string(64, 'a')), N * 5000000000);
    EXPECT_EQ(nieudane.load(), 0);
}

TEST(KopBezZapisu, FalseIBezBlokuWPamieci)
{
    FolderTymczasowy folder;
    const std::string plik = folder.plik("blockchain.dat");
    Blockchain lancuch = lancuchTestowy(1, 1);
    ASSERT_TRUE(zapiszLancuch(lancuch, plik));
    ::chmod(folder.sciezka().c_str(), 0555);
    // Dobry plik w folderze tylko do odczytu: blok wykopany, zapis zawodzi. Zepsuty: nie da
    // sie go odlozyc, wiec nic nie jest kopane.
    const std::pair<bool, RodzajKopania> przypadki[] = {{false, RodzajKopania::bladZapisu},
                                                        {true, RodzajKopania::plikNieDoZapisu}};
    for (const auto& [zepsuty, oczekiwany] : przypadki) {
        if (zepsuty)
            zapiszPlikTestu(plik, "zepsute\n");
        // Potomek bez roota (kod wyjscia ponizej 256): rodzaj wyniku, czy kopal, bloki w pamieci.
        EXPECT_EQ(wProcesiePotomnym([&] {
                      const WynikKopania wynik = kopIZapisz(lancuch, OBCY_ADRES, plik, {});
                      return static_cast<int>(wynik.rodzaj) * 20 + (wynik.wykopano ? 10 : 0)
                          + static_cast<int>(lancuch.liczbaBlokow());
                  }, true),
                  static_cast<int>(oczekiwany) * 20 + (zepsuty ? 0 : 10) + 2);
    }
    ::chmod(folder.sciezka().c_str(), 0700);
    EXPECT_EQ(czytajPlikTestu(plik), "zepsute\n");
}

// Zatrzymanie w trakcie szukania dowodu pracy konczy kopanie bez bloku w pamieci i w pliku:
// wyjscie programu nie czeka na trudny blok.
TEST_F(PlikLancuchaNaDysku, ZatrzymanieKopaniaNieZapisujeBloku)
{
    Blockchain ksiega = lancuchTestowy(0, 2);
    ASSERT_TRUE(zapiszLancuch(ksiega, plik));
    const std::string przed = czytajPlikTestu(plik);
    ksiega.trudnosc = 6; // okolo 16 milionow prob: bez zatrzymania trwaloby sekundy
    std::stop_source stop;
    stop.request_stop();
    const WynikKopania wynik = kopIZapisz(ksiega, OBCY_ADRES, plik, {}, stop.get_token());
    EXPECT_EQ(wynik.rodzaj, RodzajKopania::przerwane);
    EXPECT_FALSE(wynik.wykopano);
    EXPECT_EQ(ksiega.liczbaBlokow(), 3u);
    EXPECT_EQ(czytajPlikTestu(plik), przed);
}

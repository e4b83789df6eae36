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

class PlikLancucha : public testing::Test {
protected:
    FolderTymczasowy folder;
    const std::string plik = folder.plik("blockchain.dat");
};

TEST_F(PlikLancucha, PlikZWindowsZCrLfSieWczytuje)
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

TEST_F(PlikLancucha, NieudanyZapisZostawiaStaryPlik)
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

TEST_F(PlikLancucha, NieczytelnyPlikJestOdkladanyNaBok)
{
    // Drugi: zly numer w bloku srodkowym; wczytany w polowie bylby przedluzany dalej.
    const std::string dobry = serializujLancuch(lancuchTestowy());
    const std::string zepsute[] = {"to nie jest lancuch\n", dobry + "=== BLOK ===\n1\np\nh\nx\n1\n0\n" + dobry};
    Blockchain lancuch = lancuchTestowy();
    PrzechwycWyjscie wyjscie;
    for (const std::string& tresc : zepsute) {
        zapiszPlikTestu(plik, tresc);
        EXPECT_TRUE(kopIZapisz(lancuch, OBCY_ADRES, plik, {}));
    }
    EXPECT_EQ(czytajPlikTestu(plik + ".uszkodzony"), zepsute[0]);
    EXPECT_EQ(czytajPlikTestu(plik + ".uszkodzony.1"), zepsute[1]);
    EXPECT_NE(wyjscie.tekst().find("Plik " + plik + " nie jest czytelnym lancuchem - odlozono go jako "
                                   + plik + ".uszkodzony.1.\n"),
              std::string::npos);
    Blockchain zapisany;
    ASSERT_TRUE(wczytajLancuch(zapisany, plik));
    EXPECT_EQ(zapisany.liczbaBlokow(), 3u);
}

TEST_F(PlikLancucha, DwaWatkiKopiaNicNieGubiacACzytelnikZawszeCzyta)
{
    constexpr int N = 4;
    std::atomic<bool> koniec{false};
    std::atomic<int> nieudane{0};
    PrzechwycWyjscie cisza;
    auto gornik = [&](const std::string& adres) {
        Blockchain wlasny = lancuchTestowy(4);
        for (int i = 0; i < N; ++i)
            EXPECT_TRUE(kopIZapisz(wlasny, adres, plik, {}));
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
    PrzechwycWyjscie wyjscie;
    ::chmod(folder.sciezka().c_str(), 0555);
    for (const bool zepsuty : {false, true}) {
        if (zepsuty)
            zapiszPlikTestu(plik, "zepsute\n");
        // Potomek bez roota: 1, gdy zglosil sukces, inaczej liczba blokow w pamieci.
        EXPECT_EQ(wProcesiePotomnym([&] {
                      const bool zapisano = kopIZapisz(lancuch, OBCY_ADRES, plik, {});
                      std::cout.flush();
                      return zapisano ? 1 : static_cast<int>(lancuch.liczbaBlokow());
                  }, true), 2);
    }
    ::chmod(folder.sciezka().c_str(), 0700);
    const std::string tekst = wyjscie.tekst();
    EXPECT_NE(tekst.find("Kopanie bloku"), std::string::npos);
    EXPECT_EQ(tekst.find("Kopanie bloku"), tekst.rfind("Kopanie bloku")) << tekst;
    EXPECT_EQ(czytajPlikTestu(plik), "zepsute\n");
}

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

#include "format_lancucha.h"
#include "pliki.h"
#include "plik_lancucha.h"
#include "pomoc_lancucha.h"

class PlikLancucha : public testing::Test {
protected:
    FolderTymczasowy folder;
    const std::string plik = folder.plik("blockchain.dat");
};

TEST_F(PlikLancucha, BrakPlikuNieTworzyGo)
{
    Blockchain lancuch;
    const auto przed = lancuch.pobierzLancuch();
    EXPECT_FALSE(wczytajLancuch(lancuch, plik));
    EXPECT_FALSE(plikIstnieje(plik));
    EXPECT_EQ(lancuch.pobierzLancuch(), przed);
}

TEST_F(PlikLancucha, ZapisIOdczytTegoSamegoLancucha)
{
    const Blockchain zrodlo = lancuchTestowy(1, 2);
    ASSERT_TRUE(zapiszLancuch(zrodlo, plik));
    EXPECT_EQ(czytajPlikTestu(plik), serializujLancuch(zrodlo));
    EXPECT_EQ(folder.liczbaWpisow(), 1u); // bez plikow tymczasowych
    Blockchain cel;
    ASSERT_TRUE(wczytajLancuch(cel, plik));
    EXPECT_EQ(cel.pobierzLancuch(), zrodlo.pobierzLancuch());
}

TEST_F(PlikLancucha, PlikZWindowsZCrLf)
{
    const Blockchain zrodlo = lancuchTestowy(1, 1);
    std::string crlf;
    for (const char z : serializujLancuch(zrodlo))
        crlf += z == '\n' ? std::string("\r\n") : std::string(1, z);
    zapiszPlikTestu(plik, crlf);
    Blockchain cel;
    ASSERT_TRUE(wczytajLancuch(cel, plik));
    EXPECT_EQ(cel.pobierzLancuch(), zrodlo.pobierzLancuch());
    // CR bez LF za nim zostaje w polu.
    zapiszPlikTestu(plik, "=== BLOK ===\r\n0\r\nab\rc\r\nh\r\n0\r\n1\r\n0");
    ASSERT_TRUE(wczytajLancuch(cel, plik));
    EXPECT_EQ(cel.pobierzLancuch()[0].poprzedniHash, "ab\rc");
}

TEST_F(PlikLancucha, NieudanyZapisZostawiaStaryPlik)
{
    ASSERT_TRUE(zapiszLancuch(Blockchain(), plik));
    const std::string trescPrzed = czytajPlikTestu(plik);
    const Blockchain nowy = lancuchTestowy(1, 3);
    // Folder bez prawa zapisu.
    ::chmod(folder.sciezka().c_str(), 0555);
    EXPECT_EQ(wProcesiePotomnym([&] { return zapiszLancuch(nowy, plik) ? 1 : 0; }, true), 0);
    ::chmod(folder.sciezka().c_str(), 0700);
    // Pelny dysk w polowie zapisu (limit rozmiaru pliku dziala tez dla roota).
    EXPECT_EQ(wProcesiePotomnym([&] {
                  std::signal(SIGXFSZ, SIG_IGN);
                  const rlimit limit{100, 100};
                  return ::setrlimit(RLIMIT_FSIZE, &limit) != 0 ? 2 : zapiszLancuch(nowy, plik) ? 1 : 0;
              }),
              0);
    EXPECT_EQ(czytajPlikTestu(plik), trescPrzed);
    EXPECT_EQ(folder.liczbaWpisow(), 1u) << "plik tymczasowy zostal";
}

TEST_F(PlikLancucha, NieczytelnyPlikJestOdkladanyNaBok)
{
    const std::string zepsute[] = {"to nie jest lancuch\n", "=== BLOK ===\n0\nprev\nhash\nx\n1\n0\n"};
    Blockchain lancuch = lancuchTestowy();
    PrzechwycWyjscie wyjscie;
    for (const std::string& tresc : zepsute) {
        zapiszPlikTestu(plik, tresc);
        EXPECT_TRUE(kopIZapisz(lancuch, OBCY_ADRES, plik, {}));
    }
    // Za drugim razem nazwa jest zajeta, wiec dostaje numer.
    EXPECT_EQ(czytajPlikTestu(plik + ".uszkodzony"), zepsute[0]);
    EXPECT_EQ(czytajPlikTestu(plik + ".uszkodzony.1"), zepsute[1]);
    const std::string tekst = wyjscie.tekst();
    for (const char* nazwa : {".uszkodzony.\n", ".uszkodzony.1.\n"})
        EXPECT_NE(tekst.find("Plik " + plik + " nie jest czytelnym lancuchem - odlozono go jako "
                             + plik + nazwa),
                  std::string::npos)
            << tekst;
    Blockchain zapisany;
    ASSERT_TRUE(wczytajLancuch(zapisany, plik));
    EXPECT_EQ(zapisany.liczbaBlokow(), 3u);
}

TEST_F(PlikLancucha, KopIZapiszTworzyPlikIDokladaDoIstniejacego)
{
    Blockchain a = lancuchTestowy();
    Blockchain b = lancuchTestowy();
    PrzechwycWyjscie cisza;
    EXPECT_TRUE(kopIZapisz(a, OBCY_ADRES, plik, {}));
    EXPECT_TRUE(kopIZapisz(b, OBCY_ADRES, plik, {}));
    // b wczytal plik a, wiec ma jego geneze i jeden blok wiecej.
    EXPECT_EQ(b.liczbaBlokow(), 3u);
    EXPECT_EQ(b.pobierzLancuch()[1], a.pobierzLancuch()[1]);
    EXPECT_FALSE(plikIstnieje(plik + ".uszkodzony"));
}

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <sodium.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include "pomoc_testow.h"
#include "portfel.h"
#include "skrot.h"

namespace {

class Portfel : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_GE(sodium_init(), 0); }

    FolderTymczasowy folder;
    const std::string sciezka = folder.plik("moj_portfel.dat");
    const ParaKluczy para = generujPareKluczy();
    const std::string publicznyHex = bajtyNaHex(para.publiczny(), 32);
    const std::string tajnyHex = bajtyNaHex(para.tajny(), 64);
};

unsigned prawa(const std::string& sciezka)
{
    struct stat info {};
    return ::stat(sciezka.c_str(), &info) == 0 ? (info.st_mode & 07777u) : 0xffffu;
}

} // namespace

TEST_F(Portfel, ZapisDwochLiniiLfIOdczytWariantow)
{
    ASSERT_TRUE(zapiszPortfel(para, sciezka));
    EXPECT_EQ(czytajPlikTestu(sciezka), publicznyHex + "\n" + tajnyHex + "\n");
    const std::string warianty[] = {
        czytajPlikTestu(sciezka),
        publicznyHex + "\r\n" + tajnyHex + "\r\n",
        publicznyHex + "\n" + tajnyHex,
        publicznyHex + "\r\n" + tajnyHex,
        naWielkieLitery(publicznyHex) + "\n" + naWielkieLitery(tajnyHex) + "\n",
        publicznyHex + "\n" + tajnyHex + "\nreszta jest ignorowana\n\n",
    };
    for (const std::string& tresc : warianty) {
        zapiszPlikTestu(sciezka, tresc);
        ParaKluczy wczytana;
        EXPECT_TRUE(wczytajPortfel(wczytana, sciezka)) << tresc;
        EXPECT_EQ(wczytana, para) << tresc;
    }
    // Klucz publiczny nie pasujacy do tajnego: czytelnik tego nie sprawdza.
    const std::string obcyTajny = bajtyNaHex(generujPareKluczy().tajny(), 64);
    zapiszPlikTestu(sciezka, publicznyHex + "\n" + obcyTajny + "\n");
    ParaKluczy wczytana;
    ASSERT_TRUE(wczytajPortfel(wczytana, sciezka));
    EXPECT_EQ(bajtyNaHex(wczytana.tajny(), 64), obcyTajny);
}

TEST_F(Portfel, OdrzucaZleLinieIZostawiaKlucze)
{
    const std::string zlyTajny = tajnyHex.substr(0, 40) + "zz" + tajnyHex.substr(42);
    const std::string zle[] = {
        "",
        publicznyHex + "\n",
        publicznyHex.substr(1) + "\n" + tajnyHex + "\n",
        publicznyHex + "a\n" + tajnyHex + "\n",
        publicznyHex + "\n" + tajnyHex.substr(1) + "\n",
        publicznyHex + "\n" + tajnyHex + "a\n",
        publicznyHex + "\r" + tajnyHex + "\r",
        "\n" + publicznyHex + "\n" + tajnyHex + "\n",
        publicznyHex + "\n" + zlyTajny + "\n",
        "zz" + publicznyHex.substr(2) + "\n" + tajnyHex + "\n",
    };
    const ParaKluczy poprzednia = generujPareKluczy();
    for (const std::string& tresc : zle) {
        zapiszPlikTestu(sciezka, tresc);
        ParaKluczy klucze = poprzednia;
        EXPECT_FALSE(wczytajPortfel(klucze, sciezka)) << tresc;
        EXPECT_EQ(klucze, poprzednia) << tresc;
    }
    ParaKluczy klucze = poprzednia;
    EXPECT_FALSE(wczytajPortfel(klucze, folder.plik("brak.dat")));
    EXPECT_EQ(klucze, poprzednia);
}

TEST_F(Portfel, PlikMaPrawa0600NawetGdyZastepujeSzerszy)
{
    const mode_t staraMaska = ::umask(0);
    zapiszPlikTestu(sciezka, "stary\n");
    ::chmod(sciezka.c_str(), 0644);
    const bool zapisany = zapiszPortfel(para, sciezka);
    ::umask(staraMaska);
    ASSERT_TRUE(zapisany);
    EXPECT_EQ(prawa(sciezka), 0600u);
}

TEST_F(Portfel, NieudanyZapisZostawiaStaryPortfel)
{
    ASSERT_TRUE(zapiszPortfel(para, sciezka));
    const std::string stary = czytajPlikTestu(sciezka);
    const ParaKluczy nowa = generujPareKluczy();

    // Folder bez prawa zapisu.
    ::chmod(folder.sciezka().c_str(), 0555);
    EXPECT_EQ(wProcesiePotomnym([&] { return zapiszPortfel(nowa, sciezka) ? 1 : 0; }, true), 0);
    ::chmod(folder.sciezka().c_str(), 0700);

    // Zapis urwany w polowie (limit wielkosci pliku ponizej 194 bajtow).
    EXPECT_EQ(wProcesiePotomnym([&] {
                  std::signal(SIGXFSZ, SIG_IGN);
                  const rlimit limit{100, RLIM_INFINITY};
                  if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
                      return 2;
                  return zapiszPortfel(nowa, sciezka) ? 1 : 0;
              }),
              0);

    EXPECT_EQ(czytajPlikTestu(sciezka), stary);
    EXPECT_EQ(folder.liczbaWpisow(), 1u);
}

TEST_F(Portfel, OtwarcieBezPlikuTworzyGoZNowaPara)
{
    PrzechwycWyjscie wyjscie;
    const ParaKluczy otwarta = otworzPortfel(sciezka);
    EXPECT_EQ(wyjscie.tekst(), "");
    ParaKluczy zPliku;
    ASSERT_TRUE(wczytajPortfel(zPliku, sciezka));
    EXPECT_EQ(zPliku, otwarta);
    EXPECT_EQ(prawa(sciezka), 0600u);
    // Nastepny start czyta te sama pare.
    EXPECT_EQ(otworzPortfel(sciezka), otwarta);
}

TEST_F(Portfel, OtwarcieOdkladaNieczytelnyPlikNaBok)
{
    for (const char* nowaNazwa : {"moj_portfel.dat.uszkodzony", "moj_portfel.dat.uszkodzony.1"}) {
        const std::string uszkodzony = std::string("uszkodzony ") + nowaNazwa + "\n";
        zapiszPlikTestu(sciezka, uszkodzony);
        ::chmod(sciezka.c_str(), 0644);
        PrzechwycWyjscie wyjscie;
        const ParaKluczy otwarta = otworzPortfel(sciezka);
        const std::string tekst = wyjscie.tekst();

        const std::string odlozony = folder.plik(nowaNazwa);
        EXPECT_EQ(czytajPlikTestu(odlozony), uszkodzony);
        EXPECT_EQ(prawa(odlozony), 0600u);
        EXPECT_NE(tekst.find(odlozony), std::string::npos) << tekst;
        EXPECT_EQ(std::count(tekst.begin(), tekst.end(), '\n'), 1) << tekst;
        ParaKluczy zPliku;
        ASSERT_TRUE(wczytajPortfel(zPliku, sciezka));
        EXPECT_EQ(zPliku, otwarta);
    }
}

TEST_F(Portfel, NieczytelnyPlikKtoregoNieDaSiePrzeniescNieJestNadpisywany)
{
    // Wszystkie nazwy na bok zajete, a folder zapisywalny: zapis nowej pary bylby mozliwy.
    zapiszPlikTestu(folder.plik("moj_portfel.dat.uszkodzony"), "");
    for (int numer = 1; numer < 1000; ++numer)
        zapiszPlikTestu(folder.plik("moj_portfel.dat.uszkodzony." + std::to_string(numer)), "");
    zapiszPlikTestu(sciezka, "uszkodzony\n");

    PrzechwycWyjscie wyjscie;
    (void)otworzPortfel(sciezka);
    const std::string tekst = wyjscie.tekst();
    EXPECT_EQ(tekst.find("UWAGA: "), 0u) << tekst;
    EXPECT_NE(tekst.find(sciezka), std::string::npos) << tekst;
    EXPECT_EQ(czytajPlikTestu(sciezka), "uszkodzony\n");
    EXPECT_EQ(folder.liczbaWpisow(), 1001u);
}

TEST_F(Portfel, NazwaUzytkownikaBezBialychZnakowNaBrzegach)
{
    const std::string plik = folder.plik("nazwa_uzytkownika.txt");
    EXPECT_EQ(wczytajNazweUzytkownika(plik), "");

    ASSERT_TRUE(zapiszNazweUzytkownika(" \t Zolw  \xC5\xBB\xC3\xB3\xC5\x82w\n", plik));
    EXPECT_EQ(czytajPlikTestu(plik), "Zolw  \xC5\xBB\xC3\xB3\xC5\x82w");
    EXPECT_EQ(wczytajNazweUzytkownika(plik), "Zolw  \xC5\xBB\xC3\xB3\xC5\x82w");

    // Spacja nielamiaca i spacja ideograficzna tez sa bialymi znakami.
    zapiszPlikTestu(plik, "\xC2\xA0\xE3\x80\x80 Ala\r\n\xE2\x80\x83");
    EXPECT_EQ(wczytajNazweUzytkownika(plik), "Ala");
    zapiszPlikTestu(plik, " \r\n\t\xC2\xA0");
    EXPECT_EQ(wczytajNazweUzytkownika(plik), "");
}

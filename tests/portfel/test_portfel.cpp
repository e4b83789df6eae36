// Plik portfela: format, prawa 0600, zapis atomowy, odkladanie nieczytelnego pliku,
// poprawianie praw pliku dostepnego dla innych.
#include <gtest/gtest.h>

#include <csignal>
#include <sodium.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include "core/pliki.h"
#include "pomoc_testow.h"
#include "portfel/portfel.h"
#include "core/skrot.h"

namespace {

class Portfel : public testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_GE(sodium_init(), 0); }
    FolderTymczasowy folder;
    const std::string sciezka = folder.plik("moj_portfel.dat");
    const ParaKluczy para = generujPareKluczy();
    const std::string tekst = bajtyNaHex(para.publiczny(), 32) + "\n" + bajtyNaHex(para.tajny(), 64) + "\n";
};

unsigned prawa(const std::string& sciezka)
{
    struct stat info {};
    return ::stat(sciezka.c_str(), &info) == 0 ? (info.st_mode & 07777u) : 0xffffu;
}

} // namespace

TEST_F(Portfel, DwieLinieCrLfIOdrzuceniaBezZmianyKluczy)
{
    ASSERT_TRUE(zapiszPortfel(para, sciezka));
    EXPECT_EQ(czytajPlikTestu(sciezka), tekst);
    ParaKluczy wczytana;
    zapiszPlikTestu(sciezka, tekst.substr(0, 64) + "\r\n" + tekst.substr(65, 128));
    ASSERT_TRUE(wczytajPortfel(wczytana, sciezka));
    EXPECT_EQ(wczytana, para);
    const ParaKluczy inna = generujPareKluczy();
    for (const std::string& zly : {tekst.substr(1), "0" + tekst, tekst.substr(0, 65),
                                   tekst.substr(0, 64) + "\nzz" + tekst.substr(67)}) {
        zapiszPlikTestu(sciezka, zly);
        ParaKluczy klucze = inna;
        EXPECT_FALSE(wczytajPortfel(klucze, sciezka)) << zly;
        EXPECT_EQ(klucze, inna);
    }
}

TEST_F(Portfel, Prawa0600IAtomowyZapis)
{
    const mode_t maska = ::umask(0);
    zapiszPlikTestu(sciezka, "stary\n");
    ::chmod(sciezka.c_str(), 0644);
    ASSERT_TRUE(zapiszPortfel(para, sciezka));
    ::umask(maska);
    EXPECT_EQ(prawa(sciezka), 0600u);
    EXPECT_EQ(wProcesiePotomnym([&] {
                  std::signal(SIGXFSZ, SIG_IGN);
                  const rlimit limit{100, 100};
                  return ::setrlimit(RLIMIT_FSIZE, &limit) != 0 ? 2 : zapiszPortfel(generujPareKluczy(), sciezka);
              }),
              0);
    EXPECT_EQ(czytajPlikTestu(sciezka), tekst);
    EXPECT_EQ(folder.liczbaWpisow(), 1u);
}

TEST_F(Portfel, NieczytelnyPortfelOdlozonyZPrawami0600)
{
    zapiszPlikTestu(sciezka, "zepsuty\n");
    ::chmod(sciezka.c_str(), 0644);
    ParaKluczy nowa;
    {
        ZbieraczWpisow zbieracz;
        nowa = otworzPortfel(dziennikTestu(), sciezka);
        EXPECT_EQ(zbieracz.wpisy(), (std::vector<Wpis>{{.rodzaj = RodzajWpisu::portfelPrzeniesiony, .plik = sciezka,
                                                        .nowyPlik = sciezka + ".uszkodzony"}}));
    }
    EXPECT_EQ(czytajPlikTestu(sciezka + ".uszkodzony"), "zepsuty\n");
    EXPECT_EQ(prawa(sciezka + ".uszkodzony"), 0600u);
    ParaKluczy zapisana;
    ASSERT_TRUE(wczytajPortfel(zapisana, sciezka));
    EXPECT_EQ(zapisana, nowa);
    EXPECT_EQ(otworzPortfel(dziennikTestu(), sciezka), nowa);
}

TEST_F(Portfel, CzytelnyDlaInnychDostajePrawa0600IJedenWiersz)
{
    const ParaKluczy klucze = generujPareKluczy();
    ASSERT_TRUE(zapiszPortfel(klucze, sciezka));
    ::chmod(sciezka.c_str(), 0644);
    ZbieraczWpisow zbieracz;
    bool poprawiono = false;
    EXPECT_EQ(otworzPortfel(dziennikTestu(), sciezka, &poprawiono), klucze);
    EXPECT_TRUE(poprawiono);
    EXPECT_EQ(prawa(sciezka), 0600u);
    EXPECT_EQ(otworzPortfel(dziennikTestu(), sciezka, &poprawiono), klucze);
    EXPECT_FALSE(poprawiono);
    EXPECT_EQ(zbieracz.wpisy(), (std::vector<Wpis>{{.rodzaj = RodzajWpisu::prawaPortfela, .ile = 0644, .plik = sciezka}}));
}

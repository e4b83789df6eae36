#include <gtest/gtest.h>

#include "format_lancucha.h"
#include "pomoc_lancucha.h"
#include "pomoc_testow.h"

namespace {

// Jeden kompletny blok bez transakcji z podanym wierszem liczby transakcji.
std::string blokTekstem(const std::string& indeks, const std::string& ile = "0")
{
    return "=== BLOK ===\n" + indeks + "\nprev\nhash\n0\n100\n" + ile + "\n";
}

const std::string TX = "\nodbiorca\n5\nopis\n\n";

} // namespace

TEST(FormatLancucha, GenezaToDokladnieDwanascieWierszy)
{
    const Blockchain lancuch;
    const Blok& g = lancuch.pobierzLancuch()[0];
    EXPECT_EQ(serializujLancuch(lancuch),
              "=== BLOK ===\n0\n0\n" + g.hash + "\n0\n" + std::to_string(g.czas)
                  + "\n1\n\n\n0\nBlok Genezy - Start sieci Talvarin (TLV)\n\n");
}

TEST(FormatLancucha, ZapisIOdczytDajaTeSameBloki)
{
    Blockchain zrodlo = lancuchTestowy();
    const ParaKluczy para = generujPareKluczy();
    const std::string adres = kluczPublicznyHex(para);
    {
        PrzechwycWyjscie cisza;
        dokop(zrodlo, adres, 2);
        zrodlo.wykopIDodajBlok(OBCY_ADRES, {Transakcja(para, OBCY_ADRES, 123, "z opisem | i kreska")});
    }
    zrodlo.lancuch[1].czas = -7;
    zrodlo.lancuch[2].nonce = INT64_MAX;
    zrodlo.lancuch[3].transakcje[1].kwota = INT64_MIN;

    const std::string tekst = serializujLancuch(zrodlo);
    Blockchain cel;
    ASSERT_TRUE(parsujLancuch(cel, tekst));
    EXPECT_EQ(cel.pobierzLancuch(), zrodlo.pobierzLancuch());
    EXPECT_EQ(serializujLancuch(cel), tekst);
    EXPECT_EQ(cel.trudnosc, 4);
}

TEST(FormatLancucha, BrakBlokowToPorazkaBezZmian)
{
    Blockchain lancuch;
    const auto przed = lancuch.pobierzLancuch();
    EXPECT_FALSE(parsujLancuch(lancuch, ""));
    EXPECT_FALSE(parsujLancuch(lancuch, "jakis tekst\nbez znacznika\n"));
    EXPECT_FALSE(parsujLancuch(lancuch, "=== BLOK ===\r\n0\nprev\nhash\n0\n100\n0\n"));
    EXPECT_FALSE(parsujLancuch(lancuch, "=== BLOK ===\n0\nprev\nhash\n0\n100\n"));
    EXPECT_EQ(lancuch.pobierzLancuch(), przed);
}

TEST(FormatLancucha, NiedokonczonyBlokJestPomijany)
{
    Blockchain lancuch;
    const auto przed = lancuch.pobierzLancuch();
    const std::string uciety = blokTekstem("1", "2") + TX;
    EXPECT_FALSE(parsujLancuch(lancuch, uciety));
    EXPECT_EQ(lancuch.pobierzLancuch(), przed);

    ASSERT_TRUE(parsujLancuch(lancuch, blokTekstem("0", "1") + TX + uciety));
    ASSERT_EQ(lancuch.liczbaBlokow(), 1u);
    EXPECT_EQ(lancuch.pobierzLancuch()[0].transakcje[0].odbiorca, "odbiorca");
}

TEST(FormatLancucha, ZlaLiczbaPrzekreslaCalyTekst)
{
    Blockchain lancuch;
    const auto przed = lancuch.pobierzLancuch();
    EXPECT_FALSE(parsujLancuch(lancuch, blokTekstem("0") + blokTekstem("1", "x")));
    EXPECT_FALSE(parsujLancuch(lancuch, blokTekstem("0") + blokTekstem("2147483648")));
    EXPECT_FALSE(parsujLancuch(lancuch, blokTekstem("0") + blokTekstem("1", "1")
                                            + "\nodb\n9223372036854775808\n\n\n"));
    EXPECT_FALSE(parsujLancuch(lancuch, "=== BLOK ===\n0\np\nh\n\n100\n0\n"));
    EXPECT_EQ(lancuch.pobierzLancuch(), przed);
}

TEST(FormatLancucha, LiczbyWedlugRegulStrtol)
{
    Blockchain lancuch;
    ASSERT_TRUE(parsujLancuch(lancuch,
                              "=== BLOK ===\n  +12abc\np\nh\n-9223372036854775808\n\t7 s\n-1\n"));
    const Blok& blok = lancuch.pobierzLancuch()[0];
    EXPECT_EQ(blok.indeks, 12);
    EXPECT_EQ(blok.nonce, INT64_MIN);
    EXPECT_EQ(blok.czas, 7);
    EXPECT_TRUE(blok.transakcje.empty()); // liczba -1: bez transakcji
}

TEST(FormatLancucha, LiczbaTransakcjiJestZaufanaDoslownie)
{
    Blockchain lancuch;
    // Wiersz znacznika po liczbie 1 jest brany jako nadawca.
    ASSERT_TRUE(parsujLancuch(lancuch, blokTekstem("0", "1") + "=== BLOK ===\nx\n1\n\n\n"));
    ASSERT_EQ(lancuch.liczbaBlokow(), 1u);
    EXPECT_EQ(lancuch.pobierzLancuch()[0].transakcje[0].nadawca, "=== BLOK ===");
    // Ogromna liczba przy kilku wierszach nie rezerwuje pamieci z gory.
    EXPECT_FALSE(parsujLancuch(lancuch, blokTekstem("0", "2147483647") + TX));
}

TEST(FormatLancucha, TekstMiedzyBlokamiIOstatniWierszBezLf)
{
    Blockchain lancuch;
    std::string tekst = "smieci\n" + blokTekstem("0") + "\ncos pomiedzy\n" + blokTekstem("1", "1") + TX;
    tekst.pop_back();
    tekst += "Z"; // podpis bez LF na koncu
    ASSERT_TRUE(parsujLancuch(lancuch, tekst));
    ASSERT_EQ(lancuch.liczbaBlokow(), 2u);
    EXPECT_EQ(lancuch.pobierzLancuch()[1].transakcje[0].podpis, "Z");
    // Tekst z sieci nie jest poprawiany: CR zostaje w polach.
    ASSERT_TRUE(parsujLancuch(lancuch, "=== BLOK ===\n3\r\nprev\r\nhash\r\n0\n1\n0\n"));
    EXPECT_EQ(lancuch.pobierzLancuch()[0].poprzedniHash, "prev\r");
    EXPECT_EQ(lancuch.pobierzLancuch()[0].indeks, 3);
}

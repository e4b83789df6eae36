#include <gtest/gtest.h>

#include "format_lancucha.h"
#include "pomoc_lancucha.h"

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
    const ParaKluczy para = generujPareKluczy();
    Blockchain zrodlo = lancuchTestowy(1, 2, kluczPublicznyHex(para));
    {
        PrzechwycWyjscie cisza;
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
    EXPECT_EQ(cel.trudnosc, 4); // trudnosc nie jest czescia tekstu
}

TEST(FormatLancucha, OdrzuconyTekstNieZmieniaLancucha)
{
    const std::pair<const char*, std::string> zle[] = {
        {"pusty", ""},
        {"bez znacznika", "jakis tekst\nbez znacznika\n"},
        {"znacznik z CR", "=== BLOK ===\r\n0\nprev\nhash\n0\n100\n0\n"},
        {"urwany naglowek", "=== BLOK ===\n0\nprev\nhash\n0\n100\n"},
        {"urwana transakcja", blokTekstem("1", "2") + TX},
        // Ogromna liczba przy kilku wierszach nie rezerwuje pamieci z gory.
        {"za malo transakcji", blokTekstem("0", "2147483647") + TX},
        // Zla liczba przekresla caly tekst, takze dobre bloki przed nia.
        {"liczba transakcji", blokTekstem("0") + blokTekstem("1", "x")},
        {"indeks poza int32", blokTekstem("0") + blokTekstem("2147483648")},
        {"kwota poza int64", blokTekstem("0") + blokTekstem("1", "1") + "\nodb\n9223372036854775808\n\n\n"},
        {"pusty nonce", "=== BLOK ===\n0\np\nh\n\n100\n0\n"},
    };
    Blockchain lancuch;
    const auto przed = lancuch.pobierzLancuch();
    for (const auto& [opis, tekst] : zle) {
        SCOPED_TRACE(opis);
        EXPECT_FALSE(parsujLancuch(lancuch, tekst));
        EXPECT_EQ(lancuch.pobierzLancuch(), przed);
    }
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

TEST(FormatLancucha, NiepelneIObceWierszeWTekscie)
{
    Blockchain lancuch;
    // Niedokonczony blok na koncu jest pomijany.
    ASSERT_TRUE(parsujLancuch(lancuch, blokTekstem("0", "1") + TX + blokTekstem("1", "2") + TX));
    ASSERT_EQ(lancuch.liczbaBlokow(), 1u);
    EXPECT_EQ(lancuch.pobierzLancuch()[0].transakcje[0].odbiorca, "odbiorca");
    // Liczba transakcji jest zaufana doslownie: znacznik po liczbie 1 to nadawca.
    ASSERT_TRUE(parsujLancuch(lancuch, blokTekstem("0", "1") + "=== BLOK ===\nx\n1\n\n\n"));
    ASSERT_EQ(lancuch.liczbaBlokow(), 1u);
    EXPECT_EQ(lancuch.pobierzLancuch()[0].transakcje[0].nadawca, "=== BLOK ===");
    // Tekst miedzy blokami jest pomijany, ostatni wiersz bez LF tez sie liczy.
    std::string tekst = "smieci\n" + blokTekstem("0") + "\ncos pomiedzy\n" + blokTekstem("1", "1") + TX;
    tekst.back() = 'Z';
    ASSERT_TRUE(parsujLancuch(lancuch, tekst));
    ASSERT_EQ(lancuch.liczbaBlokow(), 2u);
    EXPECT_EQ(lancuch.pobierzLancuch()[1].transakcje[0].podpis, "Z");
    // Tekst z sieci nie jest poprawiany: CR zostaje w polach.
    ASSERT_TRUE(parsujLancuch(lancuch, "=== BLOK ===\n3\r\nprev\r\nhash\r\n0\n1\n0\n"));
    EXPECT_EQ(lancuch.pobierzLancuch()[0].poprzedniHash, "prev\r");
    EXPECT_EQ(lancuch.pobierzLancuch()[0].indeks, 3);
}

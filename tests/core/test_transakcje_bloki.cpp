#include <gtest/gtest.h>

#include "blockchain.h"
#include "skrot.h"

namespace {
const std::string K(64, 'a');
const std::string L(64, 'b');
} // namespace

TEST(TekstyKanoniczne, PlatnoscINagroda)
{
    const ParaKluczy para = generujPareKluczy();
    const Transakcja platnosc(para, L, 1250000000, "");
    const std::string nadawca = kluczPublicznyHex(para);
    EXPECT_EQ(platnosc.nadawca, nadawca);
    EXPECT_EQ(platnosc.tekstDoPodpisu(), nadawca + "|" + L + "|1250000000|");
    EXPECT_EQ(platnosc.tekstDoHasha(), nadawca + "|" + L + "|1250000000||" + platnosc.podpis);
    EXPECT_TRUE(weryfikujPodpis(platnosc.tekstDoPodpisu(), platnosc.podpis, nadawca));
    EXPECT_TRUE(platnosc.czyPodpisPoprawny());

    const Transakcja nagroda = transakcjaNagrody(K, 5000000000);
    EXPECT_EQ(nagroda.tekstDoHasha(), "|" + K + "|5000000000|Nagroda za kopanie bloku|");
    EXPECT_TRUE(nagroda.podpis.empty());
}

TEST(TekstyKanoniczne, UjemnaKwotaIDomyslnaTransakcja)
{
    Transakcja tx;
    EXPECT_EQ(tx.tekstDoHasha(), "||0||");
    tx.nadawca = K;
    tx.kwota = -42;
    EXPECT_EQ(tx.tekstDoPodpisu(), K + "||-42|");
    EXPECT_EQ(tx.tekstDoHasha(), K + "||-42||");
    tx.kwota = INT64_MIN;
    EXPECT_EQ(tx.tekstDoPodpisu(), K + "||-9223372036854775808|");
}

TEST(TekstyKanoniczne, GenezaZaczynaSieOdDwochKresek)
{
    const Blockchain lancuch;
    ASSERT_EQ(lancuch.liczbaBlokow(), 1u);
    const Blok& geneza = lancuch.pobierzLancuch()[0];
    ASSERT_EQ(geneza.transakcje.size(), 1u);
    EXPECT_EQ(geneza.transakcje[0].opis, "Blok Genezy - Start sieci Talvarin (TLV)");
    EXPECT_EQ(geneza.transakcje[0].tekstDoHasha(),
              "||0|Blok Genezy - Start sieci Talvarin (TLV)|");
    EXPECT_EQ(geneza.indeks, 0);
    EXPECT_EQ(geneza.poprzedniHash, "0");
    EXPECT_EQ(geneza.nonce, 0);
    const std::string tekstBloku = "00||0|Blok Genezy - Start sieci Talvarin (TLV)|0"
        + std::to_string(geneza.czas);
    EXPECT_EQ(geneza.hash, sha256Hex(tekstBloku));
}

TEST(HashBloku, PokrywaWszystkiePolaBezSeparatorow)
{
    Blok pusty(7, {}, "abc");
    EXPECT_EQ(pusty.obliczHash(), sha256Hex("7abc0" + std::to_string(pusty.czas)));
    EXPECT_EQ(pusty.hash, pusty.obliczHash());

    Blok blok(3, {transakcjaNagrody(K, 5000000000)}, "prev");
    const std::string przed = blok.obliczHash();
    blok.nonce = 1;
    EXPECT_NE(blok.obliczHash(), przed);
    blok.nonce = 0;
    blok.czas += 1;
    EXPECT_NE(blok.obliczHash(), przed);
    blok.czas -= 1;
    EXPECT_EQ(blok.obliczHash(), przed);
    // obliczHash niczego nie zmienia w bloku.
    EXPECT_EQ(blok.hash, przed);
}

TEST(HashBloku, PodpisZmieniaHashAleNieTekstDoPodpisu)
{
    const ParaKluczy para = generujPareKluczy();
    Transakcja tx(para, L, 100, "");
    Blok blok(1, {tx}, "p");
    const std::string przed = blok.obliczHash();
    const std::string tekstPrzed = blok.transakcje[0].tekstDoPodpisu();
    blok.transakcje[0].podpis[0] = blok.transakcje[0].podpis[0] == '0' ? '1' : '0';
    EXPECT_NE(blok.obliczHash(), przed);
    EXPECT_EQ(blok.transakcje[0].tekstDoPodpisu(), tekstPrzed);
    EXPECT_FALSE(blok.transakcje[0].czyPodpisPoprawny());
}

TEST(Podpis, PustyNadawcaNieWymagaPodpisu)
{
    Transakcja dziwna;
    dziwna.odbiorca = K;
    dziwna.kwota = -5;
    dziwna.podpis = "smieci";
    EXPECT_TRUE(dziwna.czyPodpisPoprawny());
}

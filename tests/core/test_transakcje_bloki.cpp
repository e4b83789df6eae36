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
    // Pusty nadawca nie wymaga podpisu.
    Transakcja bezNadawcy;
    bezNadawcy.odbiorca = K;
    bezNadawcy.kwota = -5;
    bezNadawcy.podpis = "smieci";
    EXPECT_TRUE(bezNadawcy.czyPodpisPoprawny());
}

TEST(HashBloku, PokrywaWszystkiePolaBezSeparatorow)
{
    const Blok geneza = Blockchain().pobierzLancuch()[0];
    EXPECT_EQ(geneza.hash, sha256Hex("00||0|Blok Genezy - Start sieci Talvarin (TLV)|0"
                                     + std::to_string(geneza.czas)));
    Blok blok(7, {}, "abc");
    const std::string pierwszy = blok.hash;
    EXPECT_EQ(pierwszy, sha256Hex("7abc0" + std::to_string(blok.czas)));
    blok.nonce = 12;
    blok.czas = -3;
    EXPECT_EQ(blok.obliczHash(), sha256Hex("7abc12-3"));
    EXPECT_EQ(blok.hash, pierwszy); // obliczHash niczego nie zmienia w bloku
}

TEST(HashBloku, PodpisZmieniaHashAleNieTekstDoPodpisu)
{
    Blok blok(1, {Transakcja(generujPareKluczy(), L, 100, "")}, "p");
    const std::string przed = blok.obliczHash();
    const std::string tekstPrzed = blok.transakcje[0].tekstDoPodpisu();
    blok.transakcje[0].podpis[0] = blok.transakcje[0].podpis[0] == '0' ? '1' : '0';
    EXPECT_NE(blok.obliczHash(), przed);
    EXPECT_EQ(blok.transakcje[0].tekstDoPodpisu(), tekstPrzed);
    EXPECT_FALSE(blok.transakcje[0].czyPodpisPoprawny());
}

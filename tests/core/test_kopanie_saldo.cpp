#include <gtest/gtest.h>

#include "pomoc_lancucha.h"

namespace {
const std::string K(64, 'a');
const std::string L(64, 'b');
} // namespace

TEST(Kopanie, KazdyBlokMaDowodPracyIPolaczenie)
{
    Blockchain lancuch; // prawdziwa trudnosc 4
    EXPECT_EQ(lancuch.trudnosc, 4);
    PrzechwycWyjscie wyjscie;
    lancuch.wykopIDodajBlok(K, {});
    lancuch.wykopIDodajBlok(K, {});
    const std::string tekst = wyjscie.tekst();
    ASSERT_EQ(lancuch.liczbaBlokow(), 3u);
    for (std::size_t i = 1; i < 3; ++i) {
        const Blok& blok = lancuch.pobierzLancuch()[i];
        EXPECT_EQ(blok.hash.substr(0, 4), "0000");
        EXPECT_EQ(blok.poprzedniHash, lancuch.pobierzLancuch()[i - 1].hash);
        EXPECT_EQ(blok.indeks, static_cast<int>(i));
        EXPECT_EQ(blok.obliczHash(), blok.hash);
        EXPECT_EQ(blok.transakcje, std::vector<Transakcja>{transakcjaNagrody(K, 5000000000)});
    }
    const Blok& drugi = lancuch.pobierzLancuch()[2];
    EXPECT_NE(tekst.find("Kopanie bloku 1... SUKCES! Znaleziono Hash: 0000"), std::string::npos);
    EXPECT_NE(tekst.find("Kopanie bloku 2... SUKCES! Znaleziono Hash: " + drugi.hash
                         + " (Nonce: " + std::to_string(drugi.nonce) + ")\n"),
              std::string::npos);
}

TEST(Kopanie, NagrodaPierwszaPotemOczekujaceWKolejnosci)
{
    Blockchain lancuch = lancuchTestowy();
    const ParaKluczy para = generujPareKluczy();
    const Transakcja a(para, L, 1, "");
    const Transakcja b(para, K, 2, "");
    PrzechwycWyjscie cisza;
    lancuch.wykopIDodajBlok(K, {a, b});
    EXPECT_EQ(lancuch.pobierzLancuch().back().transakcje,
              (std::vector<Transakcja>{transakcjaNagrody(K, 5000000000), a, b}));
    EXPECT_EQ(transakcjaNagrody(K, 1).opis, "Nagroda za kopanie bloku");
}

TEST(Kopanie, TrudnoscZeroPrzyjmujePierwszyHash)
{
    Blok blok(5, {}, "x");
    const std::string pierwszy = blok.hash;
    PrzechwycWyjscie wyjscie;
    blok.kopBlok(0);
    EXPECT_EQ(blok.nonce, 0);
    EXPECT_EQ(blok.hash, pierwszy);
    EXPECT_EQ(wyjscie.tekst(),
              "Kopanie bloku 5... SUKCES! Znaleziono Hash: " + pierwszy + " (Nonce: 0)\n");
}

TEST(Saldo, NagrodyIPlatnosci)
{
    const ParaKluczy kluczeK = generujPareKluczy();
    const std::string k = kluczPublicznyHex(kluczeK);
    Blockchain lancuch = lancuchTestowy();
    EXPECT_EQ(lancuch.saldo(k), 0);
    PrzechwycWyjscie cisza;
    lancuch.wykopIDodajBlok(k, {});
    EXPECT_EQ(lancuch.saldo(k), 5000000000);
    lancuch.wykopIDodajBlok(k, {Transakcja(kluczeK, L, 100000000, "")});
    EXPECT_EQ(lancuch.saldo(k), 9900000000);
    EXPECT_EQ(lancuch.saldo(L), 100000000);
    // Platnosc do siebie nie zmienia salda.
    lancuch.wykopIDodajBlok(L, {Transakcja(kluczeK, k, 7, "")});
    EXPECT_EQ(lancuch.saldo(k), 9900000000);
    // Wielkie litery to inny adres.
    EXPECT_EQ(lancuch.saldo(naWielkieLitery(k)), 0);
}

TEST(Saldo, WrogieKwotyNasycajaSieBezPrzepelnienia)
{
    Blockchain lancuch = lancuchTestowy();
    Blok& geneza = lancuch.lancuch[0];
    Transakcja duza;
    duza.odbiorca = K;
    duza.kwota = INT64_MAX;
    geneza.transakcje = {duza, duza};
    EXPECT_EQ(lancuch.saldo(K), INT64_MAX);
    Transakcja ujemna;
    ujemna.nadawca = L;
    ujemna.kwota = INT64_MIN;
    geneza.transakcje = {ujemna};
    EXPECT_EQ(lancuch.saldo(L), INT64_MAX);
    geneza.transakcje[0].odbiorca = K;
    geneza.transakcje.push_back(geneza.transakcje[0]);
    EXPECT_EQ(lancuch.saldo(K), INT64_MIN);
}

TEST(Lancuch, ZastapienieNieZmieniaTrudnosci)
{
    const Blockchain a;
    Blockchain b = lancuchTestowy(2);
    b.zastapLancuch(a.pobierzLancuch());
    EXPECT_EQ(b.trudnosc, 2);
    EXPECT_EQ(b.pobierzLancuch(), a.pobierzLancuch());
}

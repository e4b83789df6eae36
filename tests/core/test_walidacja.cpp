#include <gtest/gtest.h>

#include "pomoc_lancucha.h"
#include "pomoc_testow.h"

namespace {

const std::string BLAD = "  [BLAD] Blok #";
const std::string H = " ma dane niezgodne z jego hashem (ktos je zmienil po fakcie)!\n";
const std::string L_ = " nie jest poprawnie polaczony z poprzednim blokiem!\n";
const std::string S = " ma transakcje z NIEPRAWIDLOWYM podpisem (ktos podszywa sie pod nadawce)!\n";
const std::string B = " zawiera transakcje wydajaca wiecej niz nadawca faktycznie mial "
                      "(falszywe saldo / podwojne wydanie)!\n";
const std::string R =
    " zawiera niepoprawna nagrode za kopanie (falszywe 'drukowanie' monet znikad)!\n";

// Wynik walidacji razem z tym, co wypisala.
struct Werdykt {
    bool poprawny;
    std::string wyjscie;
};

Werdykt waliduj(const Blockchain& lancuch)
{
    PrzechwycWyjscie wyjscie;
    const bool poprawny = lancuch.czyLancuchPoprawny();
    return {poprawny, wyjscie.tekst()};
}

class Walidacja : public ::testing::Test {
protected:
    void SetUp() override
    {
        gornik = generujPareKluczy();
        adres = kluczPublicznyHex(gornik);
        PrzechwycWyjscie cisza;
        dokop(lancuch, adres, 4); // bloki 1..4
    }

    // Podmienia transakcje ostatniego bloku i przelicza jego hash.
    void ostatniBlok(std::vector<Transakcja> transakcje)
    {
        Blok& blok = lancuch.lancuch.back();
        blok.transakcje = std::move(transakcje);
        przeliczHash(blok);
    }

    ParaKluczy gornik;
    std::string adres;
    Blockchain lancuch = lancuchTestowy();
};

} // namespace

TEST_F(Walidacja, PoprawnyLancuchNicNieWypisuje)
{
    EXPECT_EQ(waliduj(lancuch).wyjscie, "");
    EXPECT_TRUE(waliduj(lancuch).poprawny);
    const Blockchain geneza;
    EXPECT_TRUE(waliduj(geneza).poprawny);
}

TEST_F(Walidacja, ZmianaDanychBezHashaToRegulaH)
{
    lancuch.lancuch[3].transakcje[0].kwota = 5000000001;
    const Werdykt w = waliduj(lancuch);
    EXPECT_FALSE(w.poprawny);
    EXPECT_EQ(w.wyjscie, BLAD + "3" + H);
}

TEST_F(Walidacja, PrzeliczonyHashRwiePolaczenieNastepnego)
{
    lancuch.lancuch[3].czas += 1;
    przeliczHash(lancuch.lancuch[3]);
    EXPECT_EQ(waliduj(lancuch).wyjscie, BLAD + "4" + L_);
    // Ostatni blok po przeliczeniu jest znow poprawny.
    lancuch.lancuch[4].czas += 1;
    przeliczHash(lancuch.lancuch[4]);
    lancuch.lancuch.erase(lancuch.lancuch.begin() + 3);
    lancuch.lancuch[3].poprzedniHash = lancuch.lancuch[2].hash;
    przeliczHash(lancuch.lancuch[3]);
    EXPECT_TRUE(waliduj(lancuch).poprawny);
}

TEST_F(Walidacja, NumerWKomunikacieToZapisanyIndeks)
{
    lancuch.lancuch[2].indeks = 77;
    EXPECT_EQ(waliduj(lancuch).wyjscie, BLAD + "77" + H);
}

TEST_F(Walidacja, NagrodyRegulaR)
{
    ostatniBlok({transakcjaNagrody(adres, 5000000000), transakcjaNagrody(adres, 5000000000)});
    EXPECT_EQ(waliduj(lancuch).wyjscie, BLAD + "4" + R);
    ostatniBlok({transakcjaNagrody(adres, 4999999999)});
    EXPECT_EQ(waliduj(lancuch).wyjscie, BLAD + "4" + R);
    ostatniBlok({transakcjaNagrody(adres, 5000000001)});
    EXPECT_EQ(waliduj(lancuch).wyjscie, BLAD + "4" + R);
}

TEST_F(Walidacja, NagrodaMozeStacGdziekolwiekAlboWcaleJej)
{
    const ParaKluczy nowy = generujPareKluczy();
    // Gornik wydaje nagrode tego samego bloku, bo nagroda stoi wczesniej.
    ostatniBlok({transakcjaNagrody(adres, 5000000000), Transakcja(gornik, OBCY_ADRES, 20000000000, "")});
    EXPECT_TRUE(waliduj(lancuch).poprawny);
    // Nagroda na koncu bloku.
    ostatniBlok({Transakcja(gornik, OBCY_ADRES, 1, ""), transakcjaNagrody(adres, 5000000000)});
    EXPECT_TRUE(waliduj(lancuch).poprawny);
    ostatniBlok({});
    EXPECT_TRUE(waliduj(lancuch).poprawny);
    // Nowy klucz nie moze wydac nagrody, ktora stoi za jego platnoscia.
    ostatniBlok({Transakcja(nowy, OBCY_ADRES, 1, ""),
                 transakcjaNagrody(kluczPublicznyHex(nowy), 5000000000)});
    EXPECT_EQ(waliduj(lancuch).wyjscie, BLAD + "4" + B);
}

TEST_F(Walidacja, SaldaBiezaceRegulaB)
{
    const ParaKluczy biedny = generujPareKluczy();
    ostatniBlok({Transakcja(biedny, adres, 1, "")});
    EXPECT_EQ(waliduj(lancuch).wyjscie, BLAD + "4" + B);
    // Cale saldo (4 nagrody) przechodzi i zeruje je; nastepna jednostka juz nie.
    ostatniBlok({Transakcja(gornik, OBCY_ADRES, 15000000000, ""),
                 transakcjaNagrody(adres, 5000000000), Transakcja(gornik, OBCY_ADRES, 5000000000, "")});
    EXPECT_TRUE(waliduj(lancuch).poprawny);
    ostatniBlok({Transakcja(gornik, OBCY_ADRES, 15000000001, "")});
    EXPECT_EQ(waliduj(lancuch).wyjscie, BLAD + "4" + B);
}

TEST_F(Walidacja, UjemnaPlatnoscJestOdrzucana)
{
    // Ujemna kwota "do" ofiary zabieralaby jej monety bez jej podpisu.
    const ParaKluczy zlodziej = generujPareKluczy();
    ostatniBlok({Transakcja(zlodziej, adres, -10000000000, "")});
    EXPECT_EQ(waliduj(lancuch).wyjscie, BLAD + "4" + B);
    ostatniBlok({Transakcja(zlodziej, adres, 0, "")});
    EXPECT_TRUE(waliduj(lancuch).poprawny);
}

TEST_F(Walidacja, ObcyLubZepsutyPodpisRegulaS)
{
    Transakcja tx(gornik, OBCY_ADRES, 5, "");
    tx.podpis = podpiszTekst(gornik, "inny tekst");
    ostatniBlok({tx});
    EXPECT_EQ(waliduj(lancuch).wyjscie, BLAD + "4" + S);
    tx.podpis = "zz" + tx.podpis.substr(2);
    ostatniBlok({tx});
    EXPECT_EQ(waliduj(lancuch).wyjscie, BLAD + "4" + S);
    tx.podpis.pop_back();
    ostatniBlok({tx});
    EXPECT_EQ(waliduj(lancuch).wyjscie, BLAD + "4" + S);
}

TEST_F(Walidacja, NieSprawdzaDowoduPracyIndeksowAniCzasu)
{
    // Blok bez "0000", z dziwnym indeksem i czasem, ale zgodny z hashem i polaczony.
    Blockchain bezPracy = lancuchTestowy(0);
    PrzechwycWyjscie cisza;
    dokop(bezPracy, adres, 3);
    bezPracy.lancuch[1].indeks = -5;
    bezPracy.lancuch[1].czas = -1;
    przeliczHash(bezPracy.lancuch[1]);
    for (std::size_t i = 2; i < bezPracy.lancuch.size(); ++i) {
        bezPracy.lancuch[i].poprzedniHash = bezPracy.lancuch[i - 1].hash;
        przeliczHash(bezPracy.lancuch[i]);
    }
    EXPECT_TRUE(bezPracy.czyLancuchPoprawny());
    // Blok genezy nie jest sprawdzany z hashem, ale jego transakcje tak.
    bezPracy.lancuch[0].hash = "cokolwiek";
    bezPracy.lancuch[1].poprzedniHash = "cokolwiek";
    przeliczHash(bezPracy.lancuch[1]);
    bezPracy.lancuch[2].poprzedniHash = bezPracy.lancuch[1].hash;
    przeliczHash(bezPracy.lancuch[2]);
    bezPracy.lancuch[3].poprzedniHash = bezPracy.lancuch[2].hash;
    przeliczHash(bezPracy.lancuch[3]);
    EXPECT_TRUE(bezPracy.czyLancuchPoprawny());
    bezPracy.lancuch[0].transakcje.push_back(transakcjaNagrody(adres, 1));
    EXPECT_FALSE(bezPracy.czyLancuchPoprawny());
}

TEST_F(Walidacja, PierwszyBladKonczySprawdzanie)
{
    lancuch.lancuch[2].transakcje[0].kwota = 1;
    lancuch.lancuch[4].transakcje[0].kwota = 1;
    const Werdykt w = waliduj(lancuch);
    EXPECT_EQ(w.wyjscie, BLAD + "2" + H);
}

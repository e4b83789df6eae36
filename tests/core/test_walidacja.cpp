#include <gtest/gtest.h>

#include "pomoc_lancucha.h"

namespace {

const std::string H = " ma dane niezgodne z jego hashem (ktos je zmienil po fakcie)!\n";
const std::string L_ = " nie jest poprawnie polaczony z poprzednim blokiem!\n";
const std::string S = " ma transakcje z NIEPRAWIDLOWYM podpisem (ktos podszywa sie pod nadawce)!\n";
const std::string B = " zawiera transakcje wydajaca wiecej niz nadawca faktycznie mial "
                      "(falszywe saldo / podwojne wydanie)!\n";
const std::string R =
    " zawiera niepoprawna nagrode za kopanie (falszywe 'drukowanie' monet znikad)!\n";

// Wiersz bledu walidacji dla bloku o numerze `nr`.
std::string blad(const std::string& nr, const std::string& regula)
{
    return "  [BLAD] Blok #" + nr + regula;
}

// Lancuch z blokami 1..4 wykopanymi przez `gornik`.
class Walidacja : public ::testing::Test {
protected:
    // To, co wypisala walidacja; pusty tekst tylko dla poprawnego lancucha.
    std::string waliduj()
    {
        PrzechwycWyjscie wyjscie;
        const bool poprawny = lancuch.czyLancuchPoprawny();
        std::string tekst = wyjscie.tekst();
        EXPECT_EQ(poprawny, tekst.empty()) << tekst;
        return tekst;
    }

    // Podmienia transakcje ostatniego bloku, przelicza jego hash i waliduje.
    std::string ostatniBlok(std::vector<Transakcja> transakcje)
    {
        lancuch.lancuch.back().transakcje = std::move(transakcje);
        przeliczOd(lancuch, 4);
        return waliduj();
    }

    Transakcja nagroda(std::int64_t kwota = 5000000000) const { return transakcjaNagrody(adres, kwota); }

    ParaKluczy gornik = generujPareKluczy();
    std::string adres = kluczPublicznyHex(gornik);
    Blockchain lancuch = lancuchTestowy(1, 4, adres);
};

} // namespace

TEST_F(Walidacja, PoprawnyLancuchNicNieWypisuje)
{
    EXPECT_EQ(waliduj(), "");
    lancuch = Blockchain();
    EXPECT_EQ(waliduj(), "");
}

TEST_F(Walidacja, HashIPolaczenieTylkoPierwszyBlad)
{
    // Zmiana danych bez hasha; numer w komunikacie to zapisany indeks.
    lancuch.lancuch[2].indeks = 77;
    lancuch.lancuch[4].transakcje[0].kwota = 1;
    EXPECT_EQ(waliduj(), blad("77", H));
    lancuch.lancuch[2].indeks = 2;
    EXPECT_EQ(waliduj(), blad("4", H));
    lancuch.lancuch[4].transakcje[0].kwota = 5000000000;
    EXPECT_EQ(waliduj(), "");
    // Przeliczony hash rwie polaczenie nastepnego bloku.
    lancuch.lancuch[3].czas += 1;
    lancuch.lancuch[3].hash = lancuch.lancuch[3].obliczHash();
    EXPECT_EQ(waliduj(), blad("4", L_));
    // Usuniecie bloku i ponowne powiazanie daje znow poprawny lancuch.
    lancuch.lancuch.erase(lancuch.lancuch.begin() + 3);
    przeliczOd(lancuch, 3);
    EXPECT_EQ(waliduj(), "");
}

TEST_F(Walidacja, NagrodyRegulaR)
{
    for (const auto& zle : {std::vector{nagroda(), nagroda()}, std::vector{nagroda(4999999999)},
                            std::vector{nagroda(5000000001)}}) {
        SCOPED_TRACE(zle.size() == 2 ? "dwie nagrody" : std::to_string(zle[0].kwota));
        EXPECT_EQ(ostatniBlok(zle), blad("4", R));
    }
}

TEST_F(Walidacja, NagrodaMozeStacGdziekolwiekAlboWcaleJej)
{
    // Gornik wydaje nagrode tego samego bloku, bo nagroda stoi wczesniej.
    EXPECT_EQ(ostatniBlok({nagroda(), Transakcja(gornik, OBCY_ADRES, 20000000000, "")}), "");
    EXPECT_EQ(ostatniBlok({Transakcja(gornik, OBCY_ADRES, 1, ""), nagroda()}), "");
    EXPECT_EQ(ostatniBlok({}), "");
    // Nowy klucz nie moze wydac nagrody, ktora stoi za jego platnoscia.
    const ParaKluczy nowy = generujPareKluczy();
    EXPECT_EQ(ostatniBlok({Transakcja(nowy, OBCY_ADRES, 1, ""),
                           transakcjaNagrody(kluczPublicznyHex(nowy), 5000000000)}),
              blad("4", B));
}

TEST_F(Walidacja, SaldaBiezaceIUjemnaKwotaRegulaB)
{
    const ParaKluczy biedny = generujPareKluczy();
    EXPECT_EQ(ostatniBlok({Transakcja(biedny, adres, 1, "")}), blad("4", B));
    // Cale saldo (4 nagrody) przechodzi i zeruje je; nastepna jednostka juz nie.
    EXPECT_EQ(ostatniBlok({Transakcja(gornik, OBCY_ADRES, 15000000000, ""), nagroda(),
                           Transakcja(gornik, OBCY_ADRES, 5000000000, "")}),
              "");
    EXPECT_EQ(ostatniBlok({Transakcja(gornik, OBCY_ADRES, 15000000001, "")}), blad("4", B));
    // Ujemna kwota "do" ofiary zabieralaby jej monety bez jej podpisu.
    EXPECT_EQ(ostatniBlok({Transakcja(biedny, adres, -10000000000, "")}), blad("4", B));
    EXPECT_EQ(ostatniBlok({Transakcja(biedny, adres, 0, "")}), "");
}

TEST_F(Walidacja, ObcyLubZepsutyPodpisRegulaS)
{
    Transakcja tx(gornik, OBCY_ADRES, 5, "");
    const std::string obcy = podpiszTekst(gornik, "inny tekst");
    for (const std::string& podpis : {obcy, "zz" + obcy.substr(2), obcy.substr(1)}) {
        tx.podpis = podpis;
        EXPECT_EQ(ostatniBlok({tx}), blad("4", S)) << podpis;
    }
}

TEST_F(Walidacja, NieSprawdzaDowoduPracyIndeksowAniCzasu)
{
    // Blok bez "0000", z dziwnym indeksem i czasem, ale zgodny z hashem i polaczony.
    lancuch = lancuchTestowy(0, 3, adres);
    lancuch.lancuch[1].indeks = -5;
    lancuch.lancuch[1].czas = -1;
    przeliczOd(lancuch, 1);
    EXPECT_EQ(waliduj(), "");
    // Blok genezy nie jest sprawdzany z hashem, ale jego transakcje tak.
    lancuch.lancuch[0].hash = "cokolwiek";
    przeliczOd(lancuch, 1);
    EXPECT_EQ(waliduj(), "");
    lancuch.lancuch[0].transakcje.push_back(transakcjaNagrody(adres, 1));
    EXPECT_EQ(waliduj(), blad("0", R));
}

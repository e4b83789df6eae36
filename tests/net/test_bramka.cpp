// Bramka wezla: lancuch z polem, ktore nie przetrwa zapisu i odczytu pliku, albo z blokiem
// ponad limity jest odrzucany jednym wierszem przed walidacja; wlasne kopanie takiego bloku
// nie zapisuje.

#include <gtest/gtest.h>

#include <tuple>

#include "core/bramka_lancucha.h"
#include "core/format_lancucha.h"
#include "core/plik_lancucha.h"
#include "pomoc_sieci.h"
#include "net/wymiana_lancucha.h"

class Bramka : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(zapiszLancuch(wlasny, plik));
        ASSERT_TRUE(wczytajLancuch(zywy, plik));
        przed = czytajPlikTestu(plik);
    }

    using Odmowa = std::tuple<RodzajWpisu, PowodOdmowy, std::int64_t>;

    // Wpisy serwera po wypchnieciu tekstu.
    std::vector<Odmowa> pchnij(const std::string& tekst)
    {
        ZbieraczWpisow zbieracz;
        (void)obsluzPrzychodzacyLancuch(kontekst, zbudujWiadomoscLancucha(tekst, ""));
        std::vector<Odmowa> wynik;
        for (const Wpis& wpis : zbieracz.wpisy())
            wynik.emplace_back(wpis.rodzaj, wpis.odmowa, wpis.indeks);
        return wynik;
    }

    // Odmowa wlasnego kopania (wykopany blok nie trafia do pliku).
    std::optional<OdmowaBramki> kop(const std::vector<Transakcja>& oczekujace)
    {
        Blockchain gornik;
        gornik.trudnosc = 0;
        const WynikKopania wynik = kopIZapisz(gornik, OBCY_ADRES, plik, oczekujace);
        EXPECT_EQ(wynik.rodzaj, RodzajKopania::odmowa);
        EXPECT_TRUE(wynik.wykopano);
        return wynik.odmowa;
    }

    static std::vector<Odmowa> odmowaBloku2(PowodOdmowy powod)
    {
        return {{RodzajWpisu::odmowaBramki, powod, 2}};
    }

    FolderTymczasowy folder;
    std::string plik = folder.plik("blockchain.dat");
    Blockchain wlasny = lancuchTestowy(1, 1);
    std::string przed;
    Blockchain zywy;
    KontekstSerwera kontekst{{dziennikTestu(), plik, folder.plik("wezly.dat"), 1700, 1s}, zywy, "", [] {}, {}};
};

TEST_F(Bramka, PoleKtoreNiePrzetrwaPlikuOdrzucone)
{
    // Atak bez podpisu i pracy: opis nagrody z CR na koncu (pelny odczyt pliku usuwa CR przed
    // LF, wiec zapisany blok przestalby pasowac do hasha), pole bedace wierszem znacznika
    // bloku (po przerwanym dopisywaniu psuje caly plik), pole z NUL.
    const std::pair<std::string, PowodOdmowy> wrogie[] = {
        {std::string(OPIS_NAGRODY) + "\r", PowodOdmowy::znakCr},
        {std::string(ZNACZNIK_BLOKU), PowodOdmowy::wierszZnacznika},
        {std::string("a\0b", 3), PowodOdmowy::znakNul}};
    for (const auto& [opis, powod] : wrogie) {
        Blockchain wrogi = wlasny;
        dokop(wrogi, OBCY_ADRES, 1);
        zmienBlok(wrogi, wrogi.liczbaBlokow() - 1, [&](Blok& b) { b.transakcje[0].opis = opis; });
        przeliczOd(wrogi, 2);
        EXPECT_EQ(pchnij(serializujLancuch(wrogi)), odmowaBloku2(powod));
        const std::optional<OdmowaBramki> odmowa = kop({Transakcja(generujPareKluczy(), OBCY_ADRES, 1, opis)});
        ASSERT_TRUE(odmowa);
        EXPECT_EQ(odmowa->powod, powod);
        EXPECT_EQ(odmowa->indeks, 2);
        EXPECT_EQ(czytajPlikTestu(plik), przed);
    }
}

TEST_F(Bramka, BlokPonadLimityOdrzuconyPrzedOdczytem)
{
    // Atak: blok pustych transakcji z kwotami dopelnionymi zerami, zeby zmiescic sie w szacunku
    // pamieci: 10001 po 39 bajtow albo 10000 po 106 bajtow (ponad 1 MiB tekstu, choc po
    // odczycie blok bylby maly i poprawny).
    using Atak = std::tuple<std::size_t, std::size_t, PowodOdmowy>;
    for (const auto& [ile, zera, powod] : {Atak{10001, 34, PowodOdmowy::zaDuzoTransakcji},
                                           Atak{10000, 101, PowodOdmowy::zaDuzyTekst}}) {
        Blockchain wrogi = wlasny;
        wrogi.lancuch.push_back(Blok(2, std::vector<Transakcja>(ile), wrogi.lancuch.hash(1)));
        const std::string wzor = serializujLancuch(wrogi);
        const std::string pusta = "\n\n0\n\n\n";
        std::string tekst;
        std::size_t p = 0;
        for (std::size_t z = 0; (z = wzor.find(pusta, p)) != std::string::npos;
             p = z + pusta.size())
            tekst.append(wzor, p, z - p).append("\n\n" + std::string(zera, '0') + "\n\n\n");
        tekst.append(wzor, p);
        EXPECT_EQ(pchnij(tekst), odmowaBloku2(powod));
        EXPECT_EQ(czytajPlikTestu(plik), przed);
    }
    const std::optional<OdmowaBramki> odmowa = kop(std::vector<Transakcja>(10001));
    ASSERT_TRUE(odmowa);
    EXPECT_EQ(odmowa->powod, PowodOdmowy::zaDuzoTransakcji);
}

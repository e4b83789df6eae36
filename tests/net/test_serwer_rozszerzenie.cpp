// Serwer, ktory juz przyjal lancuch (zna jego salda walidacji), sprawdza przedluzenie od swojego
// konca bez budowania wspolnego poczatku: decyzja i pierwszy zly blok jak przy walidacji calosci.

#include <gtest/gtest.h>

#include "core/format_lancucha.h"
#include "core/plik_lancucha.h"
#include "core/walidacja.h"
#include "pomoc_testow.h"
#include "pomoc_sieci.h"
#include "net/wymiana_lancucha.h"

TEST(SerwerRozszerzenie, PoPrzyjeciuSprawdzaNoweBlokiJakCalosc)
{
    FolderTymczasowy folder;
    const std::string plik = folder.plik("blockchain.dat");
    const std::string klucz = kluczPublicznyHex(generujPareKluczy());
    Blockchain zrodlo = lancuchTestowy(1, 2, klucz);
    ASSERT_TRUE(zapiszLancuch(static_cast<const Blockchain&>(zrodlo), plik));
    Blockchain zywy;
    KontekstSerwera kontekst{{dziennikTestu(), plik, folder.plik("wezly.dat"), 1700, LIMIT_ODBIORU},
                             zywy, klucz, {}};
    const auto dokop = [&](const std::vector<Transakcja>& txy) { zrodlo.wykopIDodajBlok(klucz, txy); };
    const auto obsluz = [&] {
        ZbieraczWpisow zbieracz;
        (void)obsluzPrzychodzacyLancuch(kontekst, serializujLancuch(zrodlo));
        return zbieracz.wpisy();
    };
    // Pierwszy przyjety lancuch daje serwerowi salda walidacji.
    dokop({});
    (void)obsluz();
    ASSERT_EQ(zywy.liczbaBlokow(), zrodlo.liczbaBlokow());
    const Blockchain przyjety = zrodlo;
    // Nowy blok wydaje wiecej niz nadawca ma; potem zmieniony blok wspolnego poczatku.
    for (const bool zlyWspolny : {false, true}) {
        zrodlo = przyjety;
        dokop({Transakcja(generujPareKluczy(), klucz, zlyWspolny ? 0 : 5, "")});
        if (zlyWspolny)
            zmienBlok(zrodlo, 1, [](Blok& b) { b.transakcje[0].kwota += 1; });
        const WynikWalidacji calosc = sprawdzLancuch(zrodlo);
        ASSERT_TRUE(calosc);
        const std::vector<Wpis> wpisy = obsluz();
        ASSERT_EQ(wpisy.size(), 2u);
        EXPECT_EQ(wpisy[0].rodzaj, RodzajWpisu::bladBloku);
        EXPECT_EQ(wpisy[0].regula, calosc->regula);
        EXPECT_EQ(wpisy[0].indeks, calosc->indeks);
        EXPECT_EQ(wpisy[1].rodzaj, RodzajWpisu::lancuchNiepoprawny);
    }
    zrodlo = przyjety;
    dokop({});
    (void)obsluz();
    EXPECT_EQ(czytajPlikTestu(plik), serializujLancuch(zrodlo));
}

// Serwer, ktory juz przyjal lancuch (zna jego salda walidacji), sprawdza przedluzenie od swojego
// konca bez budowania wspolnego poczatku: decyzja i wiersze jak przy walidacji calosci.

#include <gtest/gtest.h>

#include <functional>

#include "core/format_lancucha.h"
#include "core/plik_lancucha.h"
#include "pomoc_testow.h"
#include "pomoc_sieci.h"
#include "net/wymiana_lancucha.h"

namespace {

std::string wypis(const std::function<void()>& praca)
{
    PrzechwycWyjscie przechwyc;
    praca();
    return przechwyc.tekst();
}

} // namespace

TEST(SerwerRozszerzenie, PoPrzyjeciuSprawdzaNoweBlokiJakCalosc)
{
    FolderTymczasowy folder;
    const std::string plik = folder.plik("blockchain.dat");
    const std::string klucz = kluczPublicznyHex(generujPareKluczy());
    Blockchain zrodlo = lancuchTestowy(1, 2, klucz);
    ASSERT_TRUE(zapiszLancuch(static_cast<const Blockchain&>(zrodlo), plik));
    Blockchain zywy;
    KontekstSerwera kontekst{zywy, plik, folder.plik("wezly.dat"), klucz, 1700, LIMIT_ODBIORU, {}};
    const auto dokop = [&](const std::vector<Transakcja>& txy) {
        (void)wypis([&] { zrodlo.wykopIDodajBlok(klucz, txy); });
    };
    const auto obsluz = [&] {
        return wypis([&] { (void)obsluzPrzychodzacyLancuch(kontekst, serializujLancuch(zrodlo)); });
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
        const std::string calosc = wypis([&] { (void)zrodlo.czyLancuchPoprawny(); });
        ASSERT_FALSE(calosc.empty());
        EXPECT_EQ(obsluz(), calosc + "Otrzymany lancuch NIE jest poprawny - odrzucam.\n");
    }
    zrodlo = przyjety;
    dokop({});
    (void)obsluz();
    EXPECT_EQ(czytajPlikTestu(plik), serializujLancuch(zrodlo));
}

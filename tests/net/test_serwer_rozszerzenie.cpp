// Serwer, ktory juz przyjal lancuch (zna jego salda walidacji), sprawdza przedluzenie od swojego
// konca bez budowania wspolnego poczatku: decyzja i wiersze jak przy walidacji calosci.

#include <gtest/gtest.h>

#include <functional>

#include "format_lancucha.h"
#include "plik_lancucha.h"
#include "pomoc_lancucha.h"
#include "pomoc_sieci.h"
#include "pomoc_testow.h"
#include "wymiana_lancucha.h"

namespace {

std::string wypis(const std::function<void()>& praca)
{
    PrzechwycWyjscie przechwyc;
    praca();
    return przechwyc.tekst();
}

using namespace std::chrono_literals;

} // namespace

TEST(SerwerRozszerzenie, PoPrzyjeciuSprawdzaNoweBlokiJakCalosc)
{
    FolderTymczasowy folder;
    const std::string plik = folder.plik("blockchain.dat");
    const std::string klucz = adresTestowy(0);
    Blockchain zrodlo = lancuchTestowy(1, 2, klucz);
    ASSERT_TRUE(zapiszLancuch(static_cast<const Blockchain&>(zrodlo), plik));
    Blockchain zywy;
    KontekstSerwera kontekst{zywy, plik, folder.plik("wezly.dat"), klucz, 1700, 2s};
    const auto obsluz = [&](const Blockchain& lancuch) {
        const std::string tekst = serializujLancuch(lancuch);
        return wypis([&] { (void)obsluzPrzychodzacyLancuch(kontekst, tekst); });
    };
    const auto dokop = [&](Blockchain& lancuch, std::vector<Transakcja> txy) {
        (void)wypis([&] { lancuch.wykopIDodajBlok(klucz, txy); });
    };
    dokop(zrodlo, {});
    (void)obsluz(zrodlo);
    ASSERT_EQ(zywy.liczbaBlokow(), zrodlo.liczbaBlokow());

    // Zly nowy blok (wydaje wiecej niz nadawca ma) i zmieniony wspolny blok: odmowa z wierszem
    // walidacji calosci, plik bez zmian.
    Blockchain zlyNowy = zrodlo;
    dokop(zlyNowy, {Transakcja(kluczeTestowe(1), klucz, 5, "")});
    Blockchain zlyWspolny = zrodlo;
    dokop(zlyWspolny, {});
    zlyWspolny.lancuch[1].transakcje[0].kwota += 1;
    for (const Blockchain* zly : {&zlyNowy, &zlyWspolny}) {
        const std::string calosc = wypis([&] { (void)zly->czyLancuchPoprawny(); });
        ASSERT_FALSE(calosc.empty());
        EXPECT_EQ(obsluz(*zly), calosc + "Otrzymany lancuch NIE jest poprawny - odrzucam.\n");
        EXPECT_EQ(czytajPlikTestu(plik), serializujLancuch(zrodlo));
    }

    dokop(zrodlo, {});
    (void)obsluz(zrodlo);
    EXPECT_EQ(czytajPlikTestu(plik), serializujLancuch(zrodlo));
}

#include "core/wpisy_lancucha.h"

Wpis wpisBledu(const BladBloku& blad)
{
    return {.rodzaj = RodzajWpisu::bladBloku, .indeks = blad.indeks, .regula = blad.regula};
}

Wpis wpisOdmowy(const OdmowaBramki& odmowa)
{
    return {.rodzaj = RodzajWpisu::odmowaBramki, .indeks = odmowa.indeks, .odmowa = odmowa.powod};
}

void zglosPrzedZapisem(Dziennik& dziennik, const PrzedZapisem& przed)
{
    if (przed.stan == StanPrzedZapisem::odlozony)
        dziennik.zglos({.rodzaj = RodzajWpisu::lancuchOdlozony, .plik = przed.plik,
                        .nowyPlik = przed.odlozonyJako});
    else if (przed.stan == StanPrzedZapisem::nieOdlozony)
        dziennik.zglos({.rodzaj = RodzajWpisu::lancuchNieOdlozony, .plik = przed.plik});
    else if (przed.stan == StanPrzedZapisem::nieZwykly)
        dziennik.zglos({.rodzaj = RodzajWpisu::plikNieZwykly, .plik = przed.plik});
}

void zglosKopanie(Dziennik& dziennik, const WynikKopania& wynik)
{
    zglosPrzedZapisem(dziennik, wynik.przedZapisem);
    if (wynik.wykopano)
        dziennik.zglos({.rodzaj = RodzajWpisu::wykopanoBlok, .indeks = wynik.indeks,
                        .nonce = wynik.nonce, .tekst = wynik.hash});
    if (wynik.rodzaj == RodzajKopania::odmowa && wynik.odmowa)
        dziennik.zglos(wpisOdmowy(*wynik.odmowa));
    else if (wynik.rodzaj == RodzajKopania::bladZapisu)
        dziennik.zglos({.rodzaj = RodzajWpisu::blokNieZapisany, .plik = wynik.plik});
}

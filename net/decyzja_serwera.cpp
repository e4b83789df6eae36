#include "net/decyzja_serwera.h"

#include "core/wpisy_lancucha.h"

Wpis wpisDecyzji(const Decyzja& d)
{
    switch (d.rodzaj) {
    case RodzajDecyzji::przyjety: return {.rodzaj = RodzajWpisu::przyjetoLancuch, .ile = d.ileOtrzymany};
    case RodzajDecyzji::pusty: return {.rodzaj = RodzajWpisu::nieOdebranoLancucha};
    case RodzajDecyzji::nieLancuch: return {.rodzaj = RodzajWpisu::nieLancuch};
    case RodzajDecyzji::zaDuzoPamieci:
        return {.rodzaj = RodzajWpisu::lancuchZaDuzyWPamieci, .bajty = d.pamiec, .bajtyTekstu = d.tekst};
    case RodzajDecyzji::niepoprawny: return {.rodzaj = RodzajWpisu::lancuchNiepoprawny};
    case RodzajDecyzji::nieDluzszy:
        return {.rodzaj = RodzajWpisu::lancuchNieDluzszy, .ile = d.ileOtrzymany, .ileMoj = d.ileMoj};
    case RodzajDecyzji::saldo:
        return {.rodzaj = RodzajWpisu::lancuchZmniejszaSaldo, .przed = d.przed, .po = d.po};
    case RodzajDecyzji::plikNieDoZapisu: return {.rodzaj = RodzajWpisu::plikNieDoZapisu, .plik = d.plik};
    case RodzajDecyzji::bramka:
        if (d.odmowa)
            return wpisOdmowy(*d.odmowa);
        break;
    case RodzajDecyzji::brakPamieci: return {.rodzaj = RodzajWpisu::brakPamieciNaLancuch, .bajty = d.pamiec};
    case RodzajDecyzji::bladZapisu: return {.rodzaj = RodzajWpisu::lancuchNieZapisany, .plik = d.plik};
    }
    return {.rodzaj = RodzajWpisu::nieLancuch};
}

void zglosDecyzje(Dziennik& dziennik, const Decyzja& d)
{
    if (d.bladBloku)
        dziennik.zglos(wpisBledu(*d.bladBloku));
    zglosPrzedZapisem(dziennik, d.przedZapisem);
    // Bramka bez odmowy nie ma czego zglosic (tak jak wczesniej pusty wiersz).
    if (d.rodzaj != RodzajDecyzji::bramka || d.odmowa)
        dziennik.zglos(wpisDecyzji(d));
}

KodDecyzji kodDlaNadawcy(RodzajDecyzji rodzaj)
{
    switch (rodzaj) {
    case RodzajDecyzji::przyjety:
        return KodDecyzji::przyjety;
    case RodzajDecyzji::nieDluzszy:
        return KodDecyzji::nieDluzszy;
    case RodzajDecyzji::saldo:
        return KodDecyzji::saldo;
    case RodzajDecyzji::niepoprawny:
    case RodzajDecyzji::nieLancuch:
    case RodzajDecyzji::pusty:
        return KodDecyzji::niepoprawny;
    default:
        return KodDecyzji::odmowa;
    }
}

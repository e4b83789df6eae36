#include "net/decyzja_serwera.h"

#include <sstream>

std::string wierszDecyzji(const Decyzja& d)
{
    std::ostringstream w;
    switch (d.rodzaj) {
    case RodzajDecyzji::przyjety:
        w << "Przyjeto nowy, dluzszy lancuch (" << d.ileOtrzymany << " blokow).\n";
        break;
    case RodzajDecyzji::pusty:
        w << "Nie udalo sie odebrac lancucha.\n";
        break;
    case RodzajDecyzji::nieLancuch:
        w << "Otrzymane dane nie sa poprawnym lancuchem.\n";
        break;
    case RodzajDecyzji::zaDuzoPamieci:
        w << "Otrzymany lancuch zajalby w pamieci " << d.pamiec << " bajtow przy " << d.tekst
          << " bajtach tekstu - odrzucam.\n";
        break;
    case RodzajDecyzji::niepoprawny:
        w << "Otrzymany lancuch NIE jest poprawny - odrzucam.\n";
        break;
    case RodzajDecyzji::nieDluzszy:
        w << "Otrzymany lancuch (" << d.ileOtrzymany << " blokow) nie jest dluzszy niz moj ("
          << d.ileMoj << " blokow) - zostaje przy swoim.\n";
        break;
    case RodzajDecyzji::saldo:
        w << "Otrzymany lancuch jest dluzszy, ale ZMNIEJSZYLBY Twoje saldo (" << d.przed << " -> "
          << d.po << ") - odrzucam.\n";
        break;
    case RodzajDecyzji::plikNieDoZapisu:
        w << "Nie mozna bezpiecznie zapisac pliku " << d.plik
          << " - odrzucam otrzymany lancuch.\n";
        break;
    case RodzajDecyzji::bramka:
        if (d.odmowa)
            return wierszOdmowy(*d.odmowa);
        break;
    case RodzajDecyzji::brakPamieci:
        w << "Otrzymany lancuch potrzebuje " << d.pamiec
          << " bajtow pamieci ponad wolny budzet - odrzucam.\n";
        break;
    case RodzajDecyzji::bladZapisu:
        w << "BLAD: nie udalo sie zapisac lancucha do pliku " << d.plik
          << " - odrzucam otrzymany lancuch.\n";
        break;
    }
    return w.str();
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

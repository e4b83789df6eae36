#include "ui/tekst_wpisu.h"

#include <QCoreApplication>

#include "core/blockchain.h"
#include "portfel/kwota.h"
#include "ui/teksty_dziennika.h"
#include "ui/teksty_okna.h"

namespace {

QString tlumacz(const char* tekst)
{
    return QCoreApplication::translate("Dziennik", tekst);
}

QString kwota(std::int64_t jednostki)
{
    return QString::fromStdString(formatujKwote(jednostki)) + u' ' + QLatin1String(SYMBOL_MONETY);
}

QString napis(const std::string& tekst)
{
    return QString::fromStdString(tekst);
}

const char* tekstReguly(RegulaBloku regula)
{
    switch (regula) {
    case RegulaBloku::hash: return DZ_REGULA_HASH;
    case RegulaBloku::polaczenie: return DZ_REGULA_POLACZENIE;
    case RegulaBloku::podpis: return DZ_REGULA_PODPIS;
    case RegulaBloku::saldo: return DZ_REGULA_SALDO;
    case RegulaBloku::nagroda: break;
    }
    return DZ_REGULA_NAGRODA;
}

QString tekstOdmowy(const Wpis& p)
{
    switch (p.odmowa) {
    case PowodOdmowy::znakCr: return tlumacz(DZ_ODMOWA_CR).arg(p.indeks);
    case PowodOdmowy::znakLf: return tlumacz(DZ_ODMOWA_LF).arg(p.indeks);
    case PowodOdmowy::znakNul: return tlumacz(DZ_ODMOWA_NUL).arg(p.indeks);
    case PowodOdmowy::wierszZnacznika: return tlumacz(DZ_ODMOWA_ZNACZNIK).arg(p.indeks);
    case PowodOdmowy::zaDuzyTekst:
        return tlumacz(DZ_ODMOWA_TEKST).arg(p.indeks).arg(qulonglong{MAKS_TEKSTU_BLOKU});
    case PowodOdmowy::zaDuzoTransakcji: break;
    }
    return tlumacz(DZ_ODMOWA_TRANSAKCJE).arg(p.indeks).arg(qulonglong{MAKS_TRANSAKCJI_W_BLOKU});
}

const char* tekstPrzerwania(PowodPrzerwania powod)
{
    switch (powod) {
    case PowodPrzerwania::ciszaDawcy: return DZ_PRZERWANO_CISZA;
    case PowodPrzerwania::zlaOdpowiedz: return DZ_PRZERWANO_ZLA_ODPOWIEDZ;
    case PowodPrzerwania::blokiNieLacza: return DZ_PRZERWANO_NIE_LACZA;
    case PowodPrzerwania::skapyKawalek: return DZ_PRZERWANO_SKAPY;
    case PowodPrzerwania::zaDuzoWiadomosci: return DZ_PRZERWANO_ZA_DUZO;
    case PowodPrzerwania::brakObiecanych: return DZ_PRZERWANO_BRAK_OBIECANYCH;
    case PowodPrzerwania::zmianaLancucha: break;
    }
    return DZ_PRZERWANO_ZMIANA;
}

const char* tekstZamkniecia(PowodZamkniecia powod)
{
    switch (powod) {
    case PowodZamkniecia::cisza: return DZ_ZAMKNIECIE_CISZA;
    case PowodZamkniecia::poTerminie: return DZ_ZAMKNIECIE_TERMIN;
    case PowodZamkniecia::zaWolno: return DZ_ZAMKNIECIE_WOLNO;
    case PowodZamkniecia::zlyNaglowek: return DZ_ZAMKNIECIE_NAGLOWEK;
    case PowodZamkniecia::zaDluga: return DZ_ZAMKNIECIE_DLUGA;
    case PowodZamkniecia::brakPamieci: return DZ_ZAMKNIECIE_PAMIEC;
    case PowodZamkniecia::wyparte: return DZ_ZAMKNIECIE_WYPARTE;
    case PowodZamkniecia::kompletZAdresu: return DZ_ZAMKNIECIE_Z_ADRESU;
    case PowodZamkniecia::komplet: break;
    }
    return DZ_ZAMKNIECIE_KOMPLET;
}

// Nazwa watku z wpisu bladWatku; nieznana zostaje jak przyszla.
QString nazwaWatku(const std::string& nazwa)
{
    for (const char* znana :
         {DZ_WATEK_BOOTSTRAPU, DZ_WATEK_POBIERANIA, DZ_WATEK_ROZGLOSZENIA, DZ_WATEK_OBECNOSCI})
        if (nazwa == znana)
            return tlumacz(znana);
    return napis(nazwa);
}

// Wpisy bez liczb i nazw: sam tekst.
const char* tekstStaly(RodzajWpisu rodzaj)
{
    switch (rodzaj) {
    case RodzajWpisu::nieOdebranoLancucha: return DZ_NIE_ODEBRANO;
    case RodzajWpisu::nieLancuch: return DZ_NIE_LANCUCH;
    case RodzajWpisu::lancuchNiepoprawny: return DZ_NIEPOPRAWNY;
    case RodzajWpisu::odrzuconoOferte: return DZ_ODRZUCONO_OFERTE;
    case RodzajWpisu::odrzuconoProsbeOStan: return DZ_ODRZUCONO_STAN;
    case RodzajWpisu::odrzuconoProsbe: return DZ_ODRZUCONO_PROSBE;
    case RodzajWpisu::zaDuzoProsb: return DZ_ZA_DUZO_PROSB;
    case RodzajWpisu::odrzuconoPoczatekRozmowy: return DZ_ODRZUCONO_POCZATEK;
    case RodzajWpisu::bladWatkuPolaczenia: return DZ_BLAD_WATKU_POLACZENIA;
    case RodzajWpisu::brakPamieciNaZapytanie: return DZ_BRAK_PAMIECI_ZAPYTANIE;
    case RodzajWpisu::bladGniazda: return DZ_BLAD_GNIAZDA;
    case RodzajWpisu::bladNasluchu: return DZ_BLAD_NASLUCHU;
    case RodzajWpisu::niepoprawnyAdresIp: return DZ_ZLY_ADRES_IP;
    case RodzajWpisu::bladWatkuRozgloszen: return DZ_BLAD_WATKU_ROZGLOSZEN;
    case RodzajWpisu::brakPamieciRozglaszania: return DZ_BRAK_PAMIECI_ROZGLASZANIA;
    case RodzajWpisu::bezPortfela: return DZ_BEZ_PORTFELA;
    case RodzajWpisu::bladWatkuKopania: return DZ_BLAD_WATKU_KOPANIA;
    case RodzajWpisu::bladWatkuObecnosciOkna: return DZ_BLAD_WATKU_OBECNOSCI;
    case RodzajWpisu::wezelZatrzymany: return DZ_WEZEL_ZATRZYMANY;
    case RodzajWpisu::watkiNieSkonczyly: return DZ_WATKI_NIE_SKONCZYLY;
    default: return nullptr;
    }
}

// Wpisy lancucha, jego pliku i decyzji.
QString tekstLancucha(const Wpis& p)
{
    switch (p.rodzaj) {
    case RodzajWpisu::bladBloku: return tlumacz(tekstReguly(p.regula)).arg(p.indeks);
    case RodzajWpisu::odmowaBramki: return tekstOdmowy(p);
    case RodzajWpisu::wykopanoBlok:
        return tlumacz(DZ_WYKOPANO).arg(p.indeks).arg(napis(p.tekst)).arg(p.nonce);
    case RodzajWpisu::lancuchNieOdlozony: return tlumacz(DZ_LANCUCH_NIE_ODLOZONY).arg(napis(p.plik));
    case RodzajWpisu::lancuchOdlozony:
        return tlumacz(DZ_LANCUCH_ODLOZONY).arg(napis(p.plik), napis(p.nowyPlik));
    case RodzajWpisu::blokNieZapisany: return tlumacz(DZ_BLOK_NIE_ZAPISANY).arg(napis(p.plik));
    case RodzajWpisu::plikNieZwykly: return tlumacz(DZ_PLIK_NIE_ZWYKLY).arg(napis(p.plik));
    case RodzajWpisu::przyjetoLancuch: return tlumacz(DZ_PRZYJETO).arg(p.ile);
    case RodzajWpisu::lancuchZaDuzyWPamieci:
        return tlumacz(DZ_ZA_DUZY).arg(qulonglong{p.bajty}).arg(qulonglong{p.bajtyTekstu});
    case RodzajWpisu::lancuchNieDluzszy: return tlumacz(DZ_NIE_DLUZSZY).arg(p.ile).arg(p.ileMoj);
    case RodzajWpisu::lancuchZmniejszaSaldo: return tlumacz(DZ_SALDO).arg(kwota(p.przed), kwota(p.po));
    case RodzajWpisu::plikNieDoZapisu: return tlumacz(DZ_PLIK_NIE_DO_ZAPISU).arg(napis(p.plik));
    case RodzajWpisu::brakPamieciNaLancuch:
        return tlumacz(DZ_BRAK_PAMIECI_LANCUCH).arg(qulonglong{p.bajty});
    case RodzajWpisu::lancuchNieZapisany: return tlumacz(DZ_LANCUCH_NIE_ZAPISANY).arg(napis(p.plik));
    default: return {};
    }
}

// Wpisy sieci, portfela i wezla.
QString tekstPozostaly(const Wpis& p)
{
    switch (p.rodzaj) {
    case RodzajWpisu::synchronizacjaPrzerwana:
        return tlumacz(tekstPrzerwania(p.przerwanie))
            .arg(p.adres.empty() ? tlumacz(DZ_WEZEL_WYPYCHAJACY) : napis(p.adres));
    case RodzajWpisu::pobieranieLancucha:
        return tlumacz(DZ_POBIERANIE).arg(napis(p.adres)).arg(p.ile).arg(p.ileMoj);
    case RodzajWpisu::zamknietoPolaczenie:
        return tlumacz(DZ_ZAMKNIETO).arg(napis(p.adres), tlumacz(tekstZamkniecia(p.zamkniecie)));
    case RodzajWpisu::nasluchNaPorcie: return tlumacz(DZ_NASLUCH).arg(p.port);
    case RodzajWpisu::bladBindowania: return tlumacz(DZ_BLAD_BINDOWANIA).arg(p.port);
    case RodzajWpisu::limitPolaczenia: return tlumacz(DZ_LIMIT_POLACZENIA).arg(napis(p.adres));
    case RodzajWpisu::bladPolaczenia: return tlumacz(DZ_BLAD_POLACZENIA).arg(napis(p.adres));
    case RodzajWpisu::bladPortuWykrywania: return tlumacz(DZ_BLAD_PORTU_WYKRYWANIA).arg(p.port);
    case RodzajWpisu::rozgloszono: return tlumacz(DZ_ROZGLOSZONO).arg(napis(p.adres));
    case RodzajWpisu::nieRozgloszono: return tlumacz(DZ_NIE_ROZGLOSZONO).arg(napis(p.adres));
    case RodzajWpisu::rozglaszaniePrzerwane: return tlumacz(DZ_ROZGLASZANIE_PRZERWANE).arg(napis(p.adres));
    case RodzajWpisu::prawaPortfela:
        return tlumacz(DZ_PRAWA_PORTFELA)
            .arg(napis(p.plik), QStringLiteral("%1").arg(p.ile, 4, 8, QLatin1Char('0')));
    case RodzajWpisu::portfelNieDoPrzeniesienia:
        return tlumacz(DZ_PORTFEL_NIE_DO_PRZENIESIENIA).arg(napis(p.plik));
    case RodzajWpisu::portfelPrzeniesiony:
        return tlumacz(DZ_PORTFEL_PRZENIESIONY).arg(napis(p.plik), napis(p.nowyPlik));
    case RodzajWpisu::utworzonoPortfel: return tlumacz(DZ_UTWORZONO_PORTFEL).arg(napis(p.plik), napis(p.tekst));
    case RodzajWpisu::kopanieNaKlucz: return tlumacz(DZ_KOPANIE_NA_KLUCZ).arg(napis(p.tekst));
    case RodzajWpisu::usunietoSiebieZListy: return tlumacz(DZ_USUNIETO_Z_LISTY).arg(napis(p.plik));
    case RodzajWpisu::wykrytoWezel: return tlumacz(DZ_WYKRYTO_WEZEL).arg(napis(adresWezla(p.adres, p.port)));
    case RodzajWpisu::bladWatku: return tlumacz(DZ_BLAD_WATKU).arg(nazwaWatku(p.tekst));
    case RodzajWpisu::bladWatkuSerweraNaPorcie: return tlumacz(DZ_BLAD_WATKU_SERWERA).arg(p.port);
    case RodzajWpisu::wezelDziala: return tlumacz(DZ_WEZEL_DZIALA).arg(p.port);
    case RodzajWpisu::otrzymanoSygnal: return tlumacz(DZ_OTRZYMANO_SYGNAL).arg(p.ile);
    default: break;
    }
    // Wersja, pomoc i bledy startu nie trafiaja do okna; gdyby trafily, jak na konsoli.
    return napis(wierszWpisu(p)).trimmed();
}

} // namespace

QString tekstWpisuWOknie(const Wpis& wpis)
{
    if (const char* staly = tekstStaly(wpis.rodzaj))
        return tlumacz(staly);
    QString tekst = tekstLancucha(wpis);
    return tekst.isEmpty() ? tekstPozostaly(wpis) : tekst;
}

const char* opisOdmowyWStatusie(RodzajWpisu rodzaj)
{
    switch (rodzaj) {
    case RodzajWpisu::lancuchNieDluzszy: return TEKST_ODMOWA_NIE_DLUZSZY;
    case RodzajWpisu::lancuchZmniejszaSaldo: return TEKST_ODMOWA_SALDO;
    case RodzajWpisu::lancuchNiepoprawny: return TEKST_ODMOWA_NIEPOPRAWNY;
    case RodzajWpisu::nieLancuch: return TEKST_ODMOWA_NIE_LANCUCH;
    case RodzajWpisu::nieOdebranoLancucha: return TEKST_ODMOWA_NIE_ODEBRANO;
    case RodzajWpisu::plikNieDoZapisu:
    case RodzajWpisu::lancuchNieZapisany: return TEKST_ODMOWA_ZAPIS;
    case RodzajWpisu::lancuchZaDuzyWPamieci: return TEKST_ODMOWA_ZA_DUZY;
    default: return nullptr;
    }
}

#include "core/format_lancucha.h"

#include <optional>
#include <type_traits>

#include "core/czytnik_wierszy.h"
#include "core/liczby.h"

namespace {

using Wynik = WynikOdczytu;

Wynik czytajTransakcje(CzytnikWierszy& czytnik, Transakcja& tx)
{
    std::string_view pola[5];
    if (!czytnik.nastepne(pola))
        return Wynik::koniecTekstu;
    tx.nadawca = pola[0];
    tx.odbiorca = pola[1];
    tx.opis = pola[3];
    tx.podpis = pola[4];
    const std::optional<std::int64_t> kwota = liczbaJakStrtoll(pola[2]);
    tx.kwota = kwota.value_or(0);
    return kwota ? Wynik::jest : Wynik::zlaLiczba;
}

// Czyta blok po wierszu znacznika. Liczba transakcji jest zaufana tylko na tyle,
// na ile tekst naprawde ma wiersze: nic nie jest rezerwowane z gory.
Wynik czytajBlok(CzytnikWierszy& czytnik, std::optional<Blok>& wynik)
{
    NaglowekBloku naglowek;
    if (const Wynik w = czytajNaglowek(czytnik, naglowek); w != Wynik::jest)
        return w;
    std::vector<Transakcja> transakcje;
    for (std::int32_t i = 0; i < naglowek.transakcji; ++i) {
        Transakcja tx;
        const Wynik w = czytajTransakcje(czytnik, tx);
        if (w != Wynik::jest)
            return w;
        transakcje.push_back(std::move(tx));
    }
    const std::string_view* w = naglowek.wiersze;
    const auto indeks = liczbaJakStrtol32(w[0]);
    const auto nonce = liczbaJakStrtoll(w[3]);
    const auto czas = liczbaJakStrtoll(w[4]);
    if (!indeks || !nonce || !czas)
        return Wynik::zlaLiczba;
    wynik.emplace(Blok::zPol(*indeks, std::string(w[1]), std::move(transakcje), *nonce,
                             std::string(w[2]), *czas));
    return Wynik::jest;
}

// Czy nastepny blok tekstu (po znaczniku) jest w calosci i daje dokladnie `wzor`.
// Nie buduje bloku; przy false polozenie czytnika nie ma znaczenia.
bool blokRowny(CzytnikWierszy& czytnik, const Blok& wzor)
{
    NaglowekBloku naglowek;
    if (czytajNaglowek(czytnik, naglowek) != Wynik::jest)
        return false;
    const std::string_view* w = naglowek.wiersze;
    if (liczbaJakStrtol32(w[0]) != wzor.indeks || w[1] != wzor.poprzedniHash || w[2] != wzor.hash
        || liczbaJakStrtoll(w[3]) != wzor.nonce || liczbaJakStrtoll(w[4]) != wzor.czas
        || naglowek.transakcji != static_cast<std::int64_t>(wzor.transakcje.size()))
        return false;
    for (const Transakcja& tx : wzor.transakcje) {
        std::string_view p[5];
        if (!czytnik.nastepne(p))
            return false;
        if (p[0] != tx.nadawca || p[1] != tx.odbiorca || liczbaJakStrtoll(p[2]) != tx.kwota
            || p[3] != tx.opis || p[4] != tx.podpis)
            return false;
    }
    return true;
}

// Czyta pelne bloki, dopisujac je do `wynik` (reguly parsujBloki), z polozeniami
// przesunietymi o `baza`. Gdy tekst to nie `ostatni` kawalek, niepelny blok konczy odczyt,
// a `zuzyte` (jesli podane) mowi, gdzie zaczyna sie to, co trzeba przeczytac jeszcze raz.
template <typename Odczytane>
bool czytajBloki(CzytnikWierszy& czytnik, Odczytane& wynik, bool ostatni, std::size_t baza,
                 std::size_t* zuzyte)
{
    std::size_t poczatek = 0;
    while (doZnacznikaBloku(czytnik, poczatek)) {
        std::optional<Blok> blok;
        const Wynik w = czytajBlok(czytnik, blok);
        if (w == Wynik::zlaLiczba)
            return false;
        if (w == Wynik::koniecTekstu) {
            if (zuzyte != nullptr)
                *zuzyte = ostatni ? czytnik.pozycja() : poczatek;
            return true;
        }
        if constexpr (std::is_same_v<Odczytane, OdczytaneBloki>)
            wynik.bloki.push_back(std::move(*blok));
        else
            wynik.bloki.push_back(*blok);
        wynik.poczatekOstatniego = baza + poczatek;
        wynik.koniecOstatniego = baza + czytnik.pozycja();
    }
    if (zuzyte != nullptr)
        *zuzyte = czytnik.pozycja();
    return true;
}

// Czyta tekst do konca (reguly parsujBloki).
template <typename Odczytane>
bool czytajReszte(CzytnikWierszy& czytnik, Odczytane& wynik)
{
    return czytajBloki(czytnik, wynik, true, 0, nullptr);
}

std::size_t rozmiarTekstu(const Blockchain& ksiega)
{
    std::size_t rozmiar = 0;
    for (const Blok& blok : ksiega.pobierzLancuch()) {
        rozmiar += ZNACZNIK_BLOKU.size() + blok.poprzedniHash.size() + blok.hash.size() + 80;
        for (const Transakcja& tx : blok.transakcje)
            rozmiar += tx.nadawca.size() + tx.odbiorca.size() + tx.opis.size()
                + tx.podpis.size() + 25;
    }
    return rozmiar;
}

} // namespace

bool doZnacznikaBloku(CzytnikWierszy& czytnik, std::size_t& poczatek)
{
    std::string_view wiersz;
    do {
        poczatek = czytnik.pozycja();
        if (!czytnik.nastepny(wiersz))
            return false;
    } while (wiersz != ZNACZNIK_BLOKU);
    return true;
}

WynikOdczytu czytajNaglowek(CzytnikWierszy& czytnik, NaglowekBloku& naglowek)
{
    if (!czytnik.nastepne(naglowek.wiersze))
        return WynikOdczytu::koniecTekstu;
    const std::optional<std::int32_t> ile = liczbaJakStrtol32(naglowek.wiersze[5]);
    naglowek.transakcji = ile.value_or(0);
    return ile ? WynikOdczytu::jest : WynikOdczytu::zlaLiczba;
}

void dopiszTekstBloku(std::string& tekst, const Blok& blok)
{
    const auto wiersz = [&tekst](std::string_view pole) { tekst.append(pole).push_back('\n'); };
    const auto liczba = [&tekst](std::int64_t wartosc) {
        dopiszLiczbe(tekst, wartosc);
        tekst.push_back('\n');
    };
    wiersz(ZNACZNIK_BLOKU);
    liczba(blok.indeks);
    wiersz(blok.poprzedniHash);
    wiersz(blok.hash);
    liczba(blok.nonce);
    liczba(blok.czas);
    liczba(static_cast<std::int64_t>(blok.transakcje.size()));
    for (const Transakcja& tx : blok.transakcje) {
        wiersz(tx.nadawca);
        wiersz(tx.odbiorca);
        liczba(tx.kwota);
        wiersz(tx.opis);
        wiersz(tx.podpis);
    }
}

std::string serializujLancuch(const Blockchain& ksiega)
{
    std::string tekst;
    tekst.reserve(rozmiarTekstu(ksiega));
    for (const Blok& blok : ksiega.pobierzLancuch())
        dopiszTekstBloku(tekst, blok);
    return tekst;
}

bool parsujBloki(std::string_view tekst, OdczytaneBloki& wynik)
{
    CzytnikWierszy czytnik(tekst);
    return czytajReszte(czytnik, wynik);
}

bool parsujKawalek(std::string_view tekst, bool ostatni, std::size_t baza,
                   OdczytaneZwarte& wynik, std::size_t& zuzyte)
{
    CzytnikWierszy czytnik(tekst);
    return czytajBloki(czytnik, wynik, ostatni, baza, &zuzyte);
}

bool parsujBloki(std::string_view tekst, OdczytaneZwarte& wynik)
{
    CzytnikWierszy czytnik(tekst);
    return czytajReszte(czytnik, wynik);
}

bool parsujZaWspolnymi(std::string_view tekst, const LancuchBlokow& wzor,
                       std::size_t& wspolnych, OdczytaneBloki& wynik)
{
    CzytnikWierszy czytnik(tekst);
    wspolnych = 0;
    while (wspolnych < wzor.size()) {
        std::size_t poczatek = 0;
        if (!doZnacznikaBloku(czytnik, poczatek))
            return true;
        if (!blokRowny(czytnik, wzor[wspolnych])) {
            // Ten blok czyta sie od nowa zwyklym odczytem, z jego regulami.
            czytnik.cofnijDo(poczatek);
            break;
        }
        ++wspolnych;
    }
    return czytajReszte(czytnik, wynik);
}

bool parsujLancuch(Blockchain& ksiega, std::string_view tekst, PolozenieOstatniego& polozenie)
{
    OdczytaneZwarte wynik;
    if (!parsujBloki(tekst, wynik) || wynik.bloki.empty())
        return false;
    ksiega.zastapLancuch(std::move(wynik.bloki));
    polozenie = wynik;
    return true;
}

bool parsujLancuch(Blockchain& ksiega, std::string_view tekst)
{
    PolozenieOstatniego polozenie;
    return parsujLancuch(ksiega, tekst, polozenie);
}

namespace {

// Napis dluzszy niz bufor wewnetrzny (15 znakow w libstdc++) trzyma tresc na stercie.
std::uint64_t naStercie(std::string_view pole)
{
    return pole.size() > 15 ? pole.size() + 1 : 0;
}

// Wektor rosnie podwajaniem: liczymy najgorszy przypadek, dwa razy tyle elementow.
constexpr std::uint64_t ZAPAS_WEKTORA = 2;

} // namespace

std::uint64_t szacujPamiecLancucha(std::string_view tekst)
{
    std::uint64_t suma = 0;
    CzytnikWierszy czytnik(tekst);
    std::size_t poczatek = 0;
    NaglowekBloku naglowek;
    while (doZnacznikaBloku(czytnik, poczatek)) {
        if (czytajNaglowek(czytnik, naglowek) != WynikOdczytu::jest)
            return suma;
        suma += ZAPAS_WEKTORA * sizeof(Blok) + naStercie(naglowek.wiersze[1])
            + naStercie(naglowek.wiersze[2]);
        for (std::int32_t i = 0; i < naglowek.transakcji; ++i) {
            std::string_view pola[5];
            if (!czytnik.nastepne(pola))
                return suma;
            suma += ZAPAS_WEKTORA * sizeof(Transakcja);
            for (std::string_view pole : pola)
                suma += naStercie(pole);
        }
    }
    return suma;
}

#include "core/format_lancucha.h"

#include <optional>
#include <type_traits>

#include "core/czytnik_wierszy.h"
#include "core/liczby.h"

namespace {

enum class Wynik { blok, koniecTekstu, zlaLiczba };

Wynik czytajTransakcje(CzytnikWierszy& czytnik, Transakcja& tx)
{
    std::string_view pola[5];
    for (std::string_view& pole : pola)
        if (!czytnik.nastepny(pole))
            return Wynik::koniecTekstu;
    const auto kwota = liczbaJakStrtoll(pola[2]);
    if (!kwota)
        return Wynik::zlaLiczba;
    tx.nadawca = pola[0];
    tx.odbiorca = pola[1];
    tx.kwota = *kwota;
    tx.opis = pola[3];
    tx.podpis = pola[4];
    return Wynik::blok;
}

// Czyta blok po wierszu znacznika. Liczba transakcji jest zaufana tylko na tyle,
// na ile tekst naprawde ma wiersze: nic nie jest rezerwowane z gory.
Wynik czytajBlok(CzytnikWierszy& czytnik, std::optional<Blok>& wynik)
{
    std::string_view naglowek[6];
    for (std::string_view& wiersz : naglowek)
        if (!czytnik.nastepny(wiersz))
            return Wynik::koniecTekstu;
    const auto ile = liczbaJakStrtol32(naglowek[5]);
    if (!ile)
        return Wynik::zlaLiczba;
    std::vector<Transakcja> transakcje;
    for (std::int32_t i = 0; i < *ile; ++i) {
        Transakcja tx;
        const Wynik w = czytajTransakcje(czytnik, tx);
        if (w != Wynik::blok)
            return w;
        transakcje.push_back(std::move(tx));
    }
    const auto indeks = liczbaJakStrtol32(naglowek[0]);
    const auto nonce = liczbaJakStrtoll(naglowek[3]);
    const auto czas = liczbaJakStrtoll(naglowek[4]);
    if (!indeks || !nonce || !czas)
        return Wynik::zlaLiczba;
    wynik.emplace(Blok::zPol(*indeks, std::string(naglowek[1]), std::move(transakcje), *nonce,
                             std::string(naglowek[2]), *czas));
    return Wynik::blok;
}

// Czy nastepny blok tekstu (po znaczniku) jest w calosci i daje dokladnie `wzor`.
// Nie buduje bloku; przy false polozenie czytnika nie ma znaczenia.
bool blokRowny(CzytnikWierszy& czytnik, const Blok& wzor)
{
    std::string_view w[6];
    for (std::string_view& wiersz : w)
        if (!czytnik.nastepny(wiersz))
            return false;
    if (liczbaJakStrtol32(w[0]) != wzor.indeks || w[1] != wzor.poprzedniHash || w[2] != wzor.hash
        || liczbaJakStrtoll(w[3]) != wzor.nonce || liczbaJakStrtoll(w[4]) != wzor.czas
        || liczbaJakStrtol32(w[5]) != static_cast<std::int64_t>(wzor.transakcje.size()))
        return false;
    for (const Transakcja& tx : wzor.transakcje) {
        std::string_view p[5];
        for (std::string_view& pole : p)
            if (!czytnik.nastepny(pole))
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
    std::string_view wiersz;
    for (;;) {
        const std::size_t poczatek = czytnik.pozycja();
        if (!czytnik.nastepny(wiersz))
            break;
        if (wiersz != ZNACZNIK_BLOKU)
            continue;
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

void dopiszTekstBloku(std::string& tekst, const Blok& blok)
{
    tekst.append(ZNACZNIK_BLOKU).push_back('\n');
    dopiszLiczbe(tekst, blok.indeks);
    tekst.push_back('\n');
    tekst.append(blok.poprzedniHash).push_back('\n');
    tekst.append(blok.hash).push_back('\n');
    dopiszLiczbe(tekst, blok.nonce);
    tekst.push_back('\n');
    dopiszLiczbe(tekst, blok.czas);
    tekst.push_back('\n');
    dopiszLiczbe(tekst, static_cast<std::int64_t>(blok.transakcje.size()));
    tekst.push_back('\n');
    for (const Transakcja& tx : blok.transakcje) {
        tekst.append(tx.nadawca).push_back('\n');
        tekst.append(tx.odbiorca).push_back('\n');
        dopiszLiczbe(tekst, tx.kwota);
        tekst.push_back('\n');
        tekst.append(tx.opis).push_back('\n');
        tekst.append(tx.podpis).push_back('\n');
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
    std::string_view wiersz;
    wspolnych = 0;
    while (wspolnych < wzor.size()) {
        const std::size_t poczatek = czytnik.pozycja();
        if (!czytnik.nastepny(wiersz))
            return true;
        if (wiersz != ZNACZNIK_BLOKU)
            continue;
        if (!blokRowny(czytnik, wzor[wspolnych])) {
            // Ten blok czyta sie od nowa zwyklym odczytem, z jego regulami.
            czytnik.cofnijDo(poczatek);
            break;
        }
        ++wspolnych;
    }
    return czytajReszte(czytnik, wynik);
}

bool parsujLancuch(Blockchain& ksiega, std::string_view tekst)
{
    OdczytaneZwarte wynik;
    if (!parsujBloki(tekst, wynik) || wynik.bloki.empty())
        return false;
    ksiega.zastapLancuch(std::move(wynik.bloki));
    return true;
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
    std::string_view wiersz;
    while (czytnik.nastepny(wiersz)) {
        if (wiersz != ZNACZNIK_BLOKU)
            continue;
        std::string_view naglowek[6];
        for (std::string_view& w : naglowek)
            if (!czytnik.nastepny(w))
                return suma;
        const auto ile = liczbaJakStrtol32(naglowek[5]);
        if (!ile)
            return suma;
        suma += ZAPAS_WEKTORA * sizeof(Blok) + naStercie(naglowek[1]) + naStercie(naglowek[2]);
        for (std::int32_t i = 0; i < *ile; ++i) {
            std::string_view pola[5];
            for (std::string_view& pole : pola)
                if (!czytnik.nastepny(pole))
                    return suma;
            suma += ZAPAS_WEKTORA * sizeof(Transakcja);
            for (std::string_view pole : pola)
                suma += naStercie(pole);
        }
    }
    return suma;
}

#include "core/bramka_lancucha.h"

#include "core/czytnik_wierszy.h"
#include "core/format_lancucha.h"
#include "core/liczby.h"

namespace {

// Dlugosc liczby zapisanej dziesietnie (z minusem).
std::size_t cyfr(std::int64_t liczba)
{
    std::size_t ile = liczba < 0 ? 2 : 1;
    // Dzielenie zamiast negacji: INT64_MIN nie ma wartosci przeciwnej.
    while (liczba / 10 != 0) {
        liczba /= 10;
        ++ile;
    }
    return ile;
}

// Czy pole ma CR, LF albo NUL: petla bez wczesnego wyjscia, ktora kompilator wektoryzuje
// (pola uczciwych blokow to klucze i podpisy, sprawdzane przy kazdym przyjeciu).
bool maZnakSterujacy(std::string_view pole)
{
    bool jest = false;
    for (const char znak : pole)
        jest |= (znak == '\r') | (znak == '\n') | (znak == '\0');
    return jest;
}

std::optional<PowodOdmowy> wadaPola(std::string_view pole)
{
    if (maZnakSterujacy(pole)) {
        const char znak = pole[pole.find_first_of(std::string_view("\r\n\0", 3))];
        return znak == '\r' ? PowodOdmowy::znakCr
            : znak == '\n'  ? PowodOdmowy::znakLf
                            : PowodOdmowy::znakNul;
    }
    if (pole == ZNACZNIK_BLOKU)
        return PowodOdmowy::wierszZnacznika;
    return std::nullopt;
}

// Sprawdza pole i dolicza jego wiersz do rozmiaru tekstu bloku.
std::optional<PowodOdmowy> dolicz(std::string_view pole, std::size_t& rozmiar)
{
    rozmiar += pole.size() + 1;
    return wadaPola(pole);
}

std::optional<PowodOdmowy> wadaBloku(const Blok& blok)
{
    if (blok.transakcje.size() > MAKS_TRANSAKCJI_W_BLOKU)
        return PowodOdmowy::zaDuzoTransakcji;
    std::size_t rozmiar = ZNACZNIK_BLOKU.size() + 1 + cyfr(blok.indeks) + 1 + cyfr(blok.nonce) + 1
        + cyfr(blok.czas) + 1 + cyfr(static_cast<std::int64_t>(blok.transakcje.size())) + 1;
    for (const std::string_view pole :
         {std::string_view(blok.poprzedniHash), std::string_view(blok.hash)})
        if (const auto wada = dolicz(pole, rozmiar))
            return wada;
    for (const Transakcja& tx : blok.transakcje) {
        rozmiar += cyfr(tx.kwota) + 1;
        for (const std::string_view pole :
             {std::string_view(tx.nadawca), std::string_view(tx.odbiorca),
              std::string_view(tx.opis), std::string_view(tx.podpis)})
            if (const auto wada = dolicz(pole, rozmiar))
                return wada;
        if (rozmiar > MAKS_TEKSTU_BLOKU)
            return PowodOdmowy::zaDuzyTekst;
    }
    if (rozmiar > MAKS_TEKSTU_BLOKU)
        return PowodOdmowy::zaDuzyTekst;
    return std::nullopt;
}

} // namespace

std::optional<OdmowaBramki> sprawdzBloki(std::span<const Blok> bloki)
{
    for (const Blok& blok : bloki)
        if (const auto wada = wadaBloku(blok))
            return OdmowaBramki{*wada, blok.indeks};
    return std::nullopt;
}

std::optional<OdmowaBramki> sprawdzRozmiaryTekstu(std::string_view tekstLancucha)
{
    CzytnikWierszy czytnik(tekstLancucha);
    std::string_view wiersz;
    for (std::int32_t pozycja = 0;; ++pozycja) {
        std::size_t poczatek = 0;
        NaglowekBloku naglowek;
        if (!doZnacznikaBloku(czytnik, poczatek)
            || czytajNaglowek(czytnik, naglowek) != WynikOdczytu::jest)
            return std::nullopt;
        const std::int32_t ile = naglowek.transakcji;
        const std::int32_t indeks = liczbaJakStrtol32(naglowek.wiersze[0]).value_or(pozycja);
        if (ile > 0 && static_cast<std::size_t>(ile) > MAKS_TRANSAKCJI_W_BLOKU)
            return OdmowaBramki{PowodOdmowy::zaDuzoTransakcji, indeks};
        if (czytnik.pozycja() - poczatek > MAKS_TEKSTU_BLOKU)
            return OdmowaBramki{PowodOdmowy::zaDuzyTekst, indeks};
        // Takze niepelny blok na koncu: czytnik zbudowalby jego transakcje przed odrzuceniem.
        for (std::int64_t w = 0; w < 5 * static_cast<std::int64_t>(ile); ++w) {
            if (!czytnik.nastepny(wiersz))
                return std::nullopt;
            if (czytnik.pozycja() - poczatek > MAKS_TEKSTU_BLOKU)
                return OdmowaBramki{PowodOdmowy::zaDuzyTekst, indeks};
        }
    }
}

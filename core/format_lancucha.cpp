#include "format_lancucha.h"

#include <optional>

#include "liczby.h"

namespace {

constexpr std::string_view ZNACZNIK = "=== BLOK ===";

// Kolejne wiersze tekstu, jak getline: ostatni wiersz bez LF tez sie liczy.
class CzytnikWierszy {
public:
    explicit CzytnikWierszy(std::string_view tekst) : reszta(tekst), calosc(tekst.size()) {}

    // Polozenie nastepnego wiersza od poczatku tekstu.
    [[nodiscard]] std::size_t pozycja() const { return calosc - reszta.size(); }

    bool nastepny(std::string_view& wiersz)
    {
        if (reszta.empty())
            return false;
        const std::size_t lf = reszta.find('\n');
        if (lf == std::string_view::npos) {
            wiersz = reszta;
            reszta = {};
        } else {
            wiersz = reszta.substr(0, lf);
            reszta.remove_prefix(lf + 1);
        }
        return true;
    }

private:
    std::string_view reszta;
    std::size_t calosc = 0;
};

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

std::size_t rozmiarTekstu(const Blockchain& ksiega)
{
    std::size_t rozmiar = 0;
    for (const Blok& blok : ksiega.pobierzLancuch()) {
        rozmiar += ZNACZNIK.size() + blok.poprzedniHash.size() + blok.hash.size() + 80;
        for (const Transakcja& tx : blok.transakcje)
            rozmiar += tx.nadawca.size() + tx.odbiorca.size() + tx.opis.size()
                + tx.podpis.size() + 25;
    }
    return rozmiar;
}

} // namespace

void dopiszTekstBloku(std::string& tekst, const Blok& blok)
{
    tekst.append(ZNACZNIK).push_back('\n');
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
    std::string_view wiersz;
    for (;;) {
        const std::size_t poczatek = czytnik.pozycja();
        if (!czytnik.nastepny(wiersz))
            break;
        if (wiersz != ZNACZNIK)
            continue;
        std::optional<Blok> blok;
        const Wynik w = czytajBlok(czytnik, blok);
        if (w == Wynik::zlaLiczba)
            return false;
        if (w == Wynik::koniecTekstu)
            break;
        wynik.bloki.push_back(std::move(*blok));
        wynik.poczatekOstatniego = poczatek;
        wynik.koniecOstatniego = czytnik.pozycja();
    }
    return true;
}

bool parsujLancuch(Blockchain& ksiega, std::string_view tekst)
{
    OdczytaneBloki wynik;
    if (!parsujBloki(tekst, wynik) || wynik.bloki.empty())
        return false;
    ksiega.zastapLancuch(std::move(wynik.bloki));
    return true;
}

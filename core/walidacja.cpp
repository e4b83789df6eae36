// Walidacja calego lancucha: odtworzenie od genezy z biezacymi saldami.

#include <optional>
#include <string>
#include <unordered_map>

#include "core/skrot.h"
#include "core/walidacja.h"

namespace {

// Salda czytane z bazy, a zmieniane tylko w osobnej mapie zmian.
class SaldaNakladki {
public:
    SaldaNakladki(const Salda& baza, Salda& zmiany) : baza(baza), zmiany(zmiany) {}

    std::int64_t& operator[](const std::string& adres)
    {
        const auto it = zmiany.find(adres);
        if (it != zmiany.end())
            return it->second;
        const auto b = baza.find(adres);
        return zmiany.emplace(adres, b == baza.end() ? 0 : b->second).first->second;
    }

private:
    const Salda& baza;
    Salda& zmiany;
};

// Sprawdza transakcje jednego bloku; zwraca zlamana regule albo nic.
template <typename MapaSald>
std::optional<RegulaBloku> sprawdzTransakcje(const Blok& blok, MapaSald& salda)
{
    int nagrody = 0;
    for (const Transakcja& tx : blok.transakcje) {
        if (!tx.czyPodpisPoprawny())
            return RegulaBloku::podpis;
        if (!tx.nadawca.empty()) {
            // Ujemna kwota pozwalalaby zabrac cudze monety bez podpisu wlasciciela.
            if (tx.kwota < 0)
                return RegulaBloku::saldo;
            std::int64_t& saldoNadawcy = salda[tx.nadawca];
            saldoNadawcy -= tx.kwota; // saldo >= 0 i kwota >= 0: bez przepelnienia
            if (saldoNadawcy < 0)
                return RegulaBloku::saldo;
            if (!tx.odbiorca.empty()) {
                std::int64_t& saldoOdbiorcy = salda[tx.odbiorca];
                if (__builtin_add_overflow(saldoOdbiorcy, tx.kwota, &saldoOdbiorcy))
                    return RegulaBloku::saldo;
            }
        } else if (!tx.odbiorca.empty()) {
            ++nagrody;
            if (nagrody > 1 || tx.kwota != NAGRODA_ZA_BLOK)
                return RegulaBloku::nagroda;
            std::int64_t& saldoOdbiorcy = salda[tx.odbiorca];
            if (__builtin_add_overflow(saldoOdbiorcy, tx.kwota, &saldoOdbiorcy))
                return RegulaBloku::nagroda;
        }
    }
    return std::nullopt;
}

// Jeden blok: hash, polaczenie z poprzednim (bez nich dla pierwszego bloku), transakcje.
template <typename MapaSald>
WynikWalidacji sprawdzBlok(const Blok& blok, const Blok* poprzedni, MapaSald& salda, std::string& tekst)
{
    if (poprzedni != nullptr) {
        blok.zbudujTekstBloku(tekst);
        if (sha256Hex(tekst) != blok.hash)
            return BladBloku{RegulaBloku::hash, blok.indeks};
        if (blok.poprzedniHash != poprzedni->hash)
            return BladBloku{RegulaBloku::polaczenie, blok.indeks};
    }
    if (const std::optional<RegulaBloku> regula = sprawdzTransakcje(blok, salda))
        return BladBloku{*regula, blok.indeks};
    return std::nullopt;
}

// Bloki [od, koniec).
// Bloki zwartego lancucha powstaja przy odczycie, wiec poprzedni jest trzymany jako kopia.
template <typename MapaSald>
WynikWalidacji sprawdzBloki(const LancuchBlokow& lancuch, std::size_t od, MapaSald& salda)
{
    std::string tekst;
    std::optional<Blok> poprzedni;
    if (od > 0 && od <= lancuch.size())
        poprzedni.emplace(lancuch[od - 1]);
    for (std::size_t p = od; p < lancuch.size(); ++p) {
        Blok blok = lancuch[p];
        if (WynikWalidacji blad = sprawdzBlok(blok, poprzedni ? &*poprzedni : nullptr, salda, tekst))
            return blad;
        poprzedni = std::move(blok);
    }
    return std::nullopt;
}

} // namespace

bool Blockchain::czyLancuchPoprawny() const
{
    return !sprawdzLancuch(*this);
}

WynikWalidacji sprawdzLancuch(const Blockchain& ksiega)
{
    Salda salda;
    return sprawdzBloki(ksiega.pobierzLancuch(), 0, salda);
}

WynikWalidacji sprawdzZSaldami(const Blockchain& ksiega, Salda& salda)
{
    salda.clear();
    return sprawdzBloki(ksiega.pobierzLancuch(), 0, salda);
}

WynikWalidacji sprawdzOd(const Blockchain& ksiega, std::size_t od, const Salda& baza, Salda& zmiany)
{
    zmiany.clear();
    SaldaNakladki salda(baza, zmiany);
    return sprawdzBloki(ksiega.pobierzLancuch(), od, salda);
}

WynikWalidacji sprawdzZNowymi(const Blockchain& ksiega, std::size_t od, const std::vector<Blok>& nowe,
                              const Salda& baza, Salda& zmiany)
{
    zmiany.clear();
    SaldaNakladki salda(baza, zmiany);
    if (WynikWalidacji blad = sprawdzBloki(ksiega.pobierzLancuch(), od, salda))
        return blad;
    std::string tekst;
    const Blok ostatni = ksiega.pobierzLancuch().back();
    const Blok* poprzedni = &ostatni;
    for (const Blok& blok : nowe) {
        if (WynikWalidacji blad = sprawdzBlok(blok, poprzedni, salda, tekst))
            return blad;
        poprzedni = &blok;
    }
    return std::nullopt;
}

void nalozZmiany(Salda& baza, Salda&& zmiany)
{
    for (auto& [adres, wartosc] : zmiany)
        baza[adres] = wartosc;
}

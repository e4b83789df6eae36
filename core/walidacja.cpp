// Walidacja calego lancucha: odtworzenie od genezy z biezacymi saldami.

#include <optional>
#include <string>
#include <unordered_map>

#include "core/konsola.h"
#include "core/skrot.h"
#include "core/walidacja.h"

namespace {

void zglos(const Blok& blok, const char* tekstReguly)
{
    wypisz("  [BLAD] Blok #", blok.indeks, tekstReguly, "\n");
}

constexpr const char* REGULA_H = " ma dane niezgodne z jego hashem (ktos je zmienil po fakcie)!";
constexpr const char* REGULA_L = " nie jest poprawnie polaczony z poprzednim blokiem!";
constexpr const char* REGULA_S =
    " ma transakcje z NIEPRAWIDLOWYM podpisem (ktos podszywa sie pod nadawce)!";
constexpr const char* REGULA_B = " zawiera transakcje wydajaca wiecej niz nadawca faktycznie mial "
                                 "(falszywe saldo / podwojne wydanie)!";
constexpr const char* REGULA_R =
    " zawiera niepoprawna nagrode za kopanie (falszywe 'drukowanie' monet znikad)!";

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

// Sprawdza transakcje jednego bloku; zwraca tekst zlamanej reguly albo nullptr.
template <typename MapaSald>
const char* sprawdzTransakcje(const Blok& blok, MapaSald& salda)
{
    int nagrody = 0;
    for (const Transakcja& tx : blok.transakcje) {
        if (!tx.czyPodpisPoprawny())
            return REGULA_S;
        if (!tx.nadawca.empty()) {
            // Ujemna kwota pozwalalaby zabrac cudze monety bez podpisu wlasciciela.
            if (tx.kwota < 0)
                return REGULA_B;
            std::int64_t& saldoNadawcy = salda[tx.nadawca];
            saldoNadawcy -= tx.kwota; // saldo >= 0 i kwota >= 0: bez przepelnienia
            if (saldoNadawcy < 0)
                return REGULA_B;
            if (!tx.odbiorca.empty()) {
                std::int64_t& saldoOdbiorcy = salda[tx.odbiorca];
                if (__builtin_add_overflow(saldoOdbiorcy, tx.kwota, &saldoOdbiorcy))
                    return REGULA_B;
            }
        } else if (!tx.odbiorca.empty()) {
            ++nagrody;
            if (nagrody > 1 || tx.kwota != NAGRODA_ZA_BLOK)
                return REGULA_R;
            std::int64_t& saldoOdbiorcy = salda[tx.odbiorca];
            if (__builtin_add_overflow(saldoOdbiorcy, tx.kwota, &saldoOdbiorcy))
                return REGULA_R;
        }
    }
    return nullptr;
}

// Jeden blok: hash, polaczenie z poprzednim (bez nich dla pierwszego bloku), transakcje.
template <typename MapaSald>
bool sprawdzBlok(const Blok& blok, const Blok* poprzedni, MapaSald& salda, std::string& tekst)
{
    if (poprzedni != nullptr) {
        blok.zbudujTekstBloku(tekst);
        if (sha256Hex(tekst) != blok.hash) {
            zglos(blok, REGULA_H);
            return false;
        }
        if (blok.poprzedniHash != poprzedni->hash) {
            zglos(blok, REGULA_L);
            return false;
        }
    }
    if (const char* regula = sprawdzTransakcje(blok, salda)) {
        zglos(blok, regula);
        return false;
    }
    return true;
}

// Bloki [od, koniec).
// Bloki zwartego lancucha powstaja przy odczycie, wiec poprzedni jest trzymany jako kopia.
template <typename MapaSald>
bool sprawdzBloki(const LancuchBlokow& lancuch, std::size_t od, MapaSald& salda)
{
    std::string tekst;
    std::optional<Blok> poprzedni;
    if (od > 0 && od <= lancuch.size())
        poprzedni.emplace(lancuch[od - 1]);
    for (std::size_t p = od; p < lancuch.size(); ++p) {
        Blok blok = lancuch[p];
        if (!sprawdzBlok(blok, poprzedni ? &*poprzedni : nullptr, salda, tekst))
            return false;
        poprzedni = std::move(blok);
    }
    return true;
}

} // namespace

bool Blockchain::czyLancuchPoprawny() const
{
    Salda salda;
    return sprawdzBloki(lancuch, 0, salda);
}

bool czyPoprawnyZSaldami(const Blockchain& ksiega, Salda& salda)
{
    salda.clear();
    return sprawdzBloki(ksiega.pobierzLancuch(), 0, salda);
}

bool czyPoprawnyOd(const Blockchain& ksiega, std::size_t od, const Salda& baza, Salda& zmiany)
{
    zmiany.clear();
    SaldaNakladki salda(baza, zmiany);
    return sprawdzBloki(ksiega.pobierzLancuch(), od, salda);
}

bool czyPoprawnyZNowymi(const Blockchain& ksiega, std::size_t od, const std::vector<Blok>& nowe,
                       const Salda& baza, Salda& zmiany)
{
    zmiany.clear();
    SaldaNakladki salda(baza, zmiany);
    if (!sprawdzBloki(ksiega.pobierzLancuch(), od, salda))
        return false;
    std::string tekst;
    const Blok ostatni = ksiega.pobierzLancuch().back();
    const Blok* poprzedni = &ostatni;
    for (const Blok& blok : nowe) {
        if (!sprawdzBlok(blok, poprzedni, salda, tekst))
            return false;
        poprzedni = &blok;
    }
    return true;
}

void nalozZmiany(Salda& baza, Salda&& zmiany)
{
    for (auto& [adres, wartosc] : zmiany)
        baza[adres] = wartosc;
}

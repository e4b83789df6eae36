// Walidacja calego lancucha: odtworzenie od genezy z biezacymi saldami.

#include <iostream>
#include <string>
#include <unordered_map>

#include "blockchain.h"
#include "skrot.h"

namespace {

void zglos(const Blok& blok, const char* tekstReguly)
{
    std::cout << "  [BLAD] Blok #" << blok.indeks << tekstReguly << "\n";
}

constexpr const char* REGULA_H = " ma dane niezgodne z jego hashem (ktos je zmienil po fakcie)!";
constexpr const char* REGULA_L = " nie jest poprawnie polaczony z poprzednim blokiem!";
constexpr const char* REGULA_S =
    " ma transakcje z NIEPRAWIDLOWYM podpisem (ktos podszywa sie pod nadawce)!";
constexpr const char* REGULA_B = " zawiera transakcje wydajaca wiecej niz nadawca faktycznie mial "
                                 "(falszywe saldo / podwojne wydanie)!";
constexpr const char* REGULA_R =
    " zawiera niepoprawna nagrode za kopanie (falszywe 'drukowanie' monet znikad)!";

using Salda = std::unordered_map<std::string, std::int64_t>;

// Sprawdza transakcje jednego bloku; zwraca tekst zlamanej reguly albo nullptr.
const char* sprawdzTransakcje(const Blok& blok, Salda& salda)
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

} // namespace

bool Blockchain::czyLancuchPoprawny() const
{
    Salda salda;
    std::string tekst;
    for (std::size_t p = 0; p < lancuch.size(); ++p) {
        const Blok& blok = lancuch[p];
        if (p > 0) {
            blok.zbudujTekstBloku(tekst);
            if (sha256Hex(tekst) != blok.hash) {
                zglos(blok, REGULA_H);
                return false;
            }
            if (blok.poprzedniHash != lancuch[p - 1].hash) {
                zglos(blok, REGULA_L);
                return false;
            }
        }
        if (const char* regula = sprawdzTransakcje(blok, salda)) {
            zglos(blok, regula);
            return false;
        }
    }
    return true;
}

#include "blockchain.h"

#include <limits>

namespace {

// Dodawanie z nasyceniem: saldo z wrogiego pliku nie moze wywolac UB.
std::int64_t dodajNasycajac(std::int64_t a, std::int64_t b)
{
    std::int64_t wynik = 0;
    if (!__builtin_add_overflow(a, b, &wynik))
        return wynik;
    return b > 0 ? std::numeric_limits<std::int64_t>::max()
                 : std::numeric_limits<std::int64_t>::min();
}

std::int64_t odejmijNasycajac(std::int64_t a, std::int64_t b)
{
    std::int64_t wynik = 0;
    if (!__builtin_sub_overflow(a, b, &wynik))
        return wynik;
    return b < 0 ? std::numeric_limits<std::int64_t>::max()
                 : std::numeric_limits<std::int64_t>::min();
}

} // namespace

std::string opisGenezy()
{
    return std::string("Blok Genezy - Start sieci ") + NAZWA_MONETY + " (" + SYMBOL_MONETY + ")";
}

Blockchain::Blockchain()
{
    Transakcja geneza;
    geneza.opis = opisGenezy();
    lancuch.emplace_back(0, std::vector<Transakcja>{geneza}, "0");
}

std::int64_t Blockchain::saldo(const std::string& adres) const
{
    std::int64_t suma = 0;
    for (const Blok& blok : lancuch) {
        for (const Transakcja& tx : blok.transakcje) {
            if (tx.odbiorca == adres)
                suma = dodajNasycajac(suma, tx.kwota);
            if (tx.nadawca == adres)
                suma = odejmijNasycajac(suma, tx.kwota);
        }
    }
    return suma;
}

void Blockchain::wykopIDodajBlok(const std::string& adresGornika,
                                 const std::vector<Transakcja>& oczekujace)
{
    std::vector<Transakcja> transakcje;
    transakcje.reserve(oczekujace.size() + 1);
    transakcje.push_back(transakcjaNagrody(adresGornika, NAGRODA_ZA_BLOK));
    transakcje.insert(transakcje.end(), oczekujace.begin(), oczekujace.end());
    Blok nowy(static_cast<std::int32_t>(lancuch.size()), std::move(transakcje),
              lancuch.back().hash);
    nowy.kopBlok(trudnosc);
    lancuch.push_back(std::move(nowy));
}

void Blockchain::zastapLancuch(const std::vector<Blok>& bloki)
{
    lancuch = bloki;
}

void Blockchain::zastapLancuch(std::vector<Blok>&& bloki)
{
    lancuch = std::move(bloki);
}

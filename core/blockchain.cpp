#include "core/blockchain.h"

#include <atomic>

#include "core/liczby.h"

namespace {

std::int64_t doliczBloki(std::int64_t suma, const std::vector<Blok>& bloki, std::size_t od,
                         const std::string& adres)
{
    for (std::size_t i = od; i < bloki.size(); ++i) {
        for (const Transakcja& tx : bloki[i].transakcje)
            suma = poTransakcji(suma, tx.kwota, tx.odbiorca == adres, tx.nadawca == adres);
    }
    return suma;
}

} // namespace

std::uint64_t nowaEpoka()
{
    static std::atomic<std::uint64_t> licznik{0};
    return ++licznik;
}

std::string opisGenezy()
{
    return std::string("Blok Genezy - Start sieci ") + NAZWA_MONETY + " (" + SYMBOL_MONETY + ")";
}

Blockchain::Blockchain()
{
    Transakcja geneza;
    geneza.opis = opisGenezy();
    lancuch.push_back(Blok(0, std::vector<Transakcja>{geneza}, "0"));
}

std::int64_t Blockchain::saldo(const std::string& adres) const
{
    if (!zawiera(punktSald))
        return lancuch.saldo(0, 0, adres);
    const auto it = salda.find(adres);
    return lancuch.saldo(it == salda.end() ? 0 : it->second, punktSald.liczba, adres);
}

std::int64_t Blockchain::saldoOd(std::size_t od, std::int64_t poczatek,
                                 const std::string& adres) const
{
    return lancuch.saldo(poczatek, od, adres);
}

std::int64_t saldoPoBlokach(std::int64_t poczatek, const std::vector<Blok>& bloki,
                            const std::string& adres)
{
    return doliczBloki(poczatek, bloki, 0, adres);
}

Punkt Blockchain::punkt() const
{
    return Punkt{epoka, lancuch.size(), lancuch.empty() ? std::string() : lancuch.hash(lancuch.size() - 1)};
}

bool Blockchain::zawiera(const Punkt& p) const
{
    return p.epoka == epoka && p.liczba > 0 && p.liczba <= lancuch.size()
        && lancuch.hash(p.liczba - 1) == p.hashOstatniego;
}

void Blockchain::dopiszBloki(std::vector<Blok>&& nowe)
{
    lancuch.dopisz(nowe);
}

void Blockchain::obetnij(std::size_t liczba)
{
    if (liczba >= lancuch.size())
        return;
    lancuch.obetnij(liczba);
    for (Punkt* p : {&punktSald, &plik.punkt, &walidacja.punkt})
        if (p->liczba > liczba)
            *p = Punkt{};
}

void Blockchain::przygotujSalda()
{
    std::size_t od = punktSald.liczba;
    if (!zawiera(punktSald)) {
        salda.clear();
        od = 0;
    }
    lancuch.doliczSalda(salda, od);
    punktSald = punkt();
}

bool Blockchain::wykopIDodajBlok(const std::string& adresGornika,
                                 const std::vector<Transakcja>& oczekujace,
                                 const std::stop_token& stop)
{
    std::vector<Transakcja> transakcje;
    transakcje.reserve(oczekujace.size() + 1);
    transakcje.push_back(transakcjaNagrody(adresGornika, NAGRODA_ZA_BLOK));
    transakcje.insert(transakcje.end(), oczekujace.begin(), oczekujace.end());
    Blok nowy(static_cast<std::int32_t>(lancuch.size()), std::move(transakcje),
              lancuch.hash(lancuch.size() - 1));
    if (!nowy.kopBlok(trudnosc, stop))
        return false;
    lancuch.push_back(nowy);
    return true;
}

void Blockchain::zastapLancuch(const std::vector<Blok>& bloki)
{
    lancuch.clear();
    lancuch.dopisz(bloki);
    epoka = nowaEpoka();
}

void Blockchain::zastapLancuch(std::vector<Blok>&& bloki)
{
    zastapLancuch(static_cast<const std::vector<Blok>&>(bloki));
    bloki.clear();
}

void Blockchain::zastapLancuch(LancuchBlokow&& bloki)
{
    lancuch = std::move(bloki);
    epoka = nowaEpoka();
}

void Blockchain::przejmijKopie(const Blockchain& nowy)
{
    Blockchain stary = std::move(*this);
    *this = nowy;
    trudnosc = stary.trudnosc;
    const auto lepszy = [this](const Punkt& swoj, const Punkt& obcy) {
        return zawiera(swoj) && (!zawiera(obcy) || swoj.liczba > obcy.liczba);
    };
    if (lepszy(stary.walidacja.punkt, walidacja.punkt))
        walidacja = std::move(stary.walidacja);
    if (lepszy(stary.punktSald, punktSald)) {
        punktSald = stary.punktSald;
        salda = std::move(stary.salda);
    }
}

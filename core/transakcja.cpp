#include "core/transakcja.h"

#include "core/liczby.h"

Transakcja::Transakcja(const ParaKluczy& klucze, std::string odbiorcaTx, std::int64_t kwotaTx,
                       std::string opisTx)
    : nadawca(kluczPublicznyHex(klucze)), odbiorca(std::move(odbiorcaTx)), kwota(kwotaTx),
      opis(std::move(opisTx))
{
    podpis = podpiszTekst(klucze, tekstDoPodpisu());
}

void Transakcja::dopiszTekstDoPodpisu(std::string& cel) const
{
    cel.append(nadawca).push_back('|');
    cel.append(odbiorca).push_back('|');
    dopiszLiczbe(cel, kwota);
    cel.push_back('|');
    cel.append(opis);
}

std::string Transakcja::tekstDoPodpisu() const
{
    std::string tekst;
    tekst.reserve(nadawca.size() + odbiorca.size() + opis.size() + 24);
    dopiszTekstDoPodpisu(tekst);
    return tekst;
}

void Transakcja::dopiszTekstDoHasha(std::string& cel) const
{
    dopiszTekstDoPodpisu(cel);
    cel.push_back('|');
    cel.append(podpis);
}

std::string Transakcja::tekstDoHasha() const
{
    std::string tekst;
    dopiszTekstDoHasha(tekst);
    return tekst;
}

bool Transakcja::czyPodpisPoprawny() const
{
    if (nadawca.empty())
        return true;
    return weryfikujPodpis(tekstDoPodpisu(), podpis, nadawca);
}

Transakcja transakcjaNagrody(std::string odbiorca, std::int64_t kwota)
{
    Transakcja nagroda;
    nagroda.odbiorca = std::move(odbiorca);
    nagroda.kwota = kwota;
    nagroda.opis = OPIS_NAGRODY;
    return nagroda;
}

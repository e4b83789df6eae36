#include "core/lancuch_blokow.h"

LancuchBlokow::LancuchBlokow(const std::vector<Blok>& nowe)
{
    dopisz(nowe);
}

const SegmentBlokow& LancuchBlokow::segment(std::size_t nr) const
{
    return nr < pelne.size() ? *pelne[nr] : ogon;
}

std::string LancuchBlokow::hashPrzed(std::size_t nr) const
{
    return nr == 0 ? std::string() : pelne[nr - 1]->hash(BLOKOW_W_SEGMENCIE - 1);
}

std::string LancuchBlokow::hash(std::size_t i) const
{
    return segment(i / BLOKOW_W_SEGMENCIE).hash(i % BLOKOW_W_SEGMENCIE);
}

const Blok LancuchBlokow::operator[](std::size_t i) const
{
    const std::size_t nr = i / BLOKOW_W_SEGMENCIE;
    const std::size_t wSegmencie = i % BLOKOW_W_SEGMENCIE;
    return segment(nr).blok(wSegmencie, wSegmencie == 0 ? hashPrzed(nr) : std::string());
}

std::vector<Blok> LancuchBlokow::kopia(std::size_t od, std::size_t doBloku) const
{
    std::vector<Blok> wynik;
    wynik.reserve(doBloku > od ? doBloku - od : 0);
    for (std::size_t i = od; i < doBloku; ++i)
        wynik.push_back((*this)[i]);
    return wynik;
}

void LancuchBlokow::push_back(const Blok& blok)
{
    const bool poprzedniJakHash = ogon.size() > 0
        ? ogon.hashOstatniegoRowny(blok.poprzedniHash)
        : !pelne.empty() && pelne.back()->hashOstatniegoRowny(blok.poprzedniHash);
    ogon.dopisz(blok, poprzedniJakHash);
    if (ogon.size() == BLOKOW_W_SEGMENCIE) {
        ogon.zamknij();
        pelne.push_back(std::make_shared<const SegmentBlokow>(std::move(ogon)));
        ogon = SegmentBlokow();
    }
}

void LancuchBlokow::dopisz(const std::vector<Blok>& nowe)
{
    for (const Blok& blok : nowe)
        push_back(blok);
}

void LancuchBlokow::obetnij(std::size_t liczba)
{
    if (liczba >= size())
        return;
    const std::size_t nr = liczba / BLOKOW_W_SEGMENCIE;
    if (nr < pelne.size()) {
        // Wspolny segment sie nie zmienia: obcinana jest wlasna kopia.
        ogon = SegmentBlokow(*pelne[nr]);
        pelne.resize(nr);
    }
    ogon.obetnij(liczba % BLOKOW_W_SEGMENCIE);
    if (empty())
        clear();
}

void LancuchBlokow::ustaw(std::size_t i, const Blok& blok)
{
    std::vector<Blok> dalej = kopia(i + 1, size());
    obetnij(i);
    push_back(blok);
    dopisz(dalej);
}

void LancuchBlokow::clear()
{
    pelne.clear();
    ogon = SegmentBlokow();
}

std::int64_t LancuchBlokow::saldo(std::int64_t poczatek, std::size_t od,
                                  const std::string& adres) const
{
    std::int64_t suma = poczatek;
    for (std::size_t nr = od / BLOKOW_W_SEGMENCIE; nr <= pelne.size(); ++nr) {
        const std::size_t odWSegmencie = nr == od / BLOKOW_W_SEGMENCIE ? od % BLOKOW_W_SEGMENCIE : 0;
        suma = segment(nr).saldo(suma, odWSegmencie, adres);
    }
    return suma;
}

std::vector<std::size_t> LancuchBlokow::blokiZWplatami(const std::string& adres,
                                                       std::size_t od) const
{
    std::vector<std::size_t> wynik;
    for (std::size_t nr = od / BLOKOW_W_SEGMENCIE; nr <= pelne.size(); ++nr)
        segment(nr).blokiZWplatami(adres, wynik, nr * BLOKOW_W_SEGMENCIE);
    std::erase_if(wynik, [od](std::size_t b) { return b < od; });
    return wynik;
}

void LancuchBlokow::doliczSalda(Salda& salda, std::size_t od) const
{
    for (std::size_t nr = od / BLOKOW_W_SEGMENCIE; nr <= pelne.size(); ++nr)
        segment(nr).doliczSalda(salda, nr == od / BLOKOW_W_SEGMENCIE ? od % BLOKOW_W_SEGMENCIE : 0);
}

std::size_t LancuchBlokow::bajty() const
{
    std::size_t wynik = ogon.bajty() + pelne.capacity() * sizeof(pelne.front());
    for (const auto& s : pelne)
        wynik += s->bajty();
    return wynik;
}

bool LancuchBlokow::operator==(const LancuchBlokow& inny) const
{
    if (size() != inny.size())
        return false;
    for (std::size_t i = 0; i < size(); ++i)
        if (!((*this)[i] == inny[i]))
            return false;
    return true;
}

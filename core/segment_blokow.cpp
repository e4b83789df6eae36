#include "core/segment_blokow.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "core/liczby.h"
#include "core/skrot.h"

namespace {

constexpr std::uint32_t RODZAJ_KLUCZ = 0u << 30;
constexpr std::uint32_t RODZAJ_TEKST = 1u << 30;
constexpr std::uint32_t RODZAJ_PODPIS = 2u << 30;
// Dla poprzedniego hasha: taki jak hash bloku wczesniej; dla hasha: bajty w zapisie bloku.
constexpr std::uint32_t RODZAJ_INNY = 3u << 30;
constexpr std::uint32_t MASKA_RODZAJU = 3u << 30;
// Brak tekstu w tablicy (szukanie adresu, ktorego segment nie zna).
constexpr std::uint32_t BRAK = RODZAJ_INNY | 1u;

// Tylko male litery: "AB" i "ab" to rozne teksty, a bajty zapamietalyby je tak samo.
bool kanonicznyHex(std::string_view tekst, std::size_t znakow)
{
    return tekst.size() == znakow && std::all_of(tekst.begin(), tekst.end(), [](char z) {
               return (z >= '0' && z <= '9') || (z >= 'a' && z <= 'f');
           });
}

unsigned char cyfraHex(char z)
{
    return static_cast<unsigned char>(z <= '9' ? z - '0' : z - 'a' + 10);
}

// Tekst juz sprawdzony przez kanonicznyHex.
template <std::size_t N>
std::array<unsigned char, N> naBajty(std::string_view hex)
{
    std::array<unsigned char, N> bajty{};
    for (std::size_t i = 0; i < N; ++i)
        bajty[i] = static_cast<unsigned char>(cyfraHex(hex[2 * i]) << 4 | cyfraHex(hex[2 * i + 1]));
    return bajty;
}

} // namespace

std::size_t SegmentBlokow::HaszBajtow::operator()(const Bajty32& b) const
{
    std::size_t wynik = 0;
    std::memcpy(&wynik, b.data(), sizeof wynik);
    return wynik;
}

SegmentBlokow::SegmentBlokow(const SegmentBlokow& inny)
    : bloki(inny.bloki), transakcje(inny.transakcje), klucze(inny.klucze),
      numeryKluczy(inny.numeryKluczy), podpisy(inny.podpisy), teksty(inny.teksty)
{
    numeryTekstow.reserve(teksty.size());
    for (std::size_t i = 0; i < teksty.size(); ++i)
        numeryTekstow.emplace(std::string_view(teksty[i]), static_cast<std::uint32_t>(i));
}

SegmentBlokow& SegmentBlokow::operator=(const SegmentBlokow& inny)
{
    if (this != &inny)
        *this = SegmentBlokow(inny);
    return *this;
}

SegmentBlokow::Pole SegmentBlokow::zapiszTekst(std::string_view tekst)
{
    if (kanonicznyHex(tekst, 64)) {
        const Bajty32 bajty = naBajty<32>(tekst);
        const auto [it, nowy] =
            numeryKluczy.try_emplace(bajty, static_cast<std::uint32_t>(klucze.size()));
        if (nowy)
            klucze.push_back(bajty);
        return RODZAJ_KLUCZ | it->second;
    }
    if (const auto it = numeryTekstow.find(tekst); it != numeryTekstow.end())
        return RODZAJ_TEKST | it->second;
    const std::string& zapisany = teksty.emplace_back(tekst);
    const auto numer = static_cast<std::uint32_t>(teksty.size() - 1);
    numeryTekstow.emplace(std::string_view(zapisany), numer);
    return RODZAJ_TEKST | numer;
}

SegmentBlokow::Pole SegmentBlokow::zapiszPodpis(std::string_view tekst)
{
    if (!kanonicznyHex(tekst, 128))
        return zapiszTekst(tekst);
    podpisy.push_back(naBajty<64>(tekst));
    return RODZAJ_PODPIS | static_cast<std::uint32_t>(podpisy.size() - 1);
}

SegmentBlokow::Pole SegmentBlokow::szukajTekstu(std::string_view tekst) const
{
    if (kanonicznyHex(tekst, 64)) {
        const auto it = numeryKluczy.find(naBajty<32>(tekst));
        return it == numeryKluczy.end() ? BRAK : (RODZAJ_KLUCZ | it->second);
    }
    const auto it = numeryTekstow.find(tekst);
    return it == numeryTekstow.end() ? BRAK : (RODZAJ_TEKST | it->second);
}

std::string SegmentBlokow::odczytajTekst(Pole pole) const
{
    const std::uint32_t numer = pole & ~MASKA_RODZAJU;
    switch (pole & MASKA_RODZAJU) {
    case RODZAJ_KLUCZ:
        return bajtyNaHex(klucze[numer].data(), 32);
    case RODZAJ_PODPIS:
        return bajtyNaHex(podpisy[numer].data(), 64);
    case RODZAJ_TEKST:
        return teksty[numer];
    default:
        return {};
    }
}

std::size_t SegmentBlokow::koniecTransakcji(std::size_t i) const
{
    return i + 1 < bloki.size() ? bloki[i + 1].pierwszaTransakcja : transakcje.size();
}

std::string SegmentBlokow::hash(std::size_t i) const
{
    const ZapisBloku& z = bloki[i];
    if (z.hashTekst == RODZAJ_INNY)
        return bajtyNaHex(z.hash.data(), 32);
    return odczytajTekst(z.hashTekst);
}

Blok SegmentBlokow::blok(std::size_t i, const std::string& poprzedni) const
{
    const ZapisBloku& z = bloki[i];
    std::vector<Transakcja> txy;
    const std::size_t koniec = koniecTransakcji(i);
    txy.reserve(koniec - z.pierwszaTransakcja);
    for (std::size_t t = z.pierwszaTransakcja; t < koniec; ++t) {
        const ZapisTransakcji& zt = transakcje[t];
        Transakcja& tx = txy.emplace_back();
        tx.nadawca = odczytajTekst(zt.nadawca);
        tx.odbiorca = odczytajTekst(zt.odbiorca);
        tx.kwota = zt.kwota;
        tx.opis = odczytajTekst(zt.opis);
        tx.podpis = odczytajTekst(zt.podpis);
    }
    std::string poprzedniHash;
    if (z.poprzedni != RODZAJ_INNY)
        poprzedniHash = odczytajTekst(z.poprzedni);
    else
        poprzedniHash = i > 0 ? hash(i - 1) : poprzedni;
    return Blok::zPol(z.indeks, std::move(poprzedniHash), std::move(txy), z.nonce, hash(i), z.czas);
}

bool SegmentBlokow::hashOstatniegoRowny(std::string_view tekst) const
{
    if (bloki.empty())
        return false;
    const ZapisBloku& ostatni = bloki.back();
    if (ostatni.hashTekst != RODZAJ_INNY)
        return tekst == odczytajTekst(ostatni.hashTekst);
    return kanonicznyHex(tekst, 64) && naBajty<32>(tekst) == ostatni.hash;
}

void SegmentBlokow::dopisz(const Blok& blok, bool poprzedniJakHash)
{
    ZapisBloku z;
    z.nonce = blok.nonce;
    z.czas = blok.czas;
    z.indeks = blok.indeks;
    z.pierwszaTransakcja = static_cast<std::uint32_t>(transakcje.size());
    if (kanonicznyHex(blok.hash, 64)) {
        z.hash = naBajty<32>(blok.hash);
        z.hashTekst = RODZAJ_INNY;
    } else {
        z.hashTekst = zapiszTekst(blok.hash);
    }
    z.poprzedni = poprzedniJakHash ? RODZAJ_INNY : zapiszTekst(blok.poprzedniHash);
    for (const Transakcja& tx : blok.transakcje)
        transakcje.push_back(ZapisTransakcji{zapiszTekst(tx.nadawca), zapiszTekst(tx.odbiorca),
                                             tx.kwota, zapiszTekst(tx.opis),
                                             zapiszPodpis(tx.podpis)});
    bloki.push_back(z);
}

void SegmentBlokow::obetnij(std::size_t liczba)
{
    if (liczba >= bloki.size())
        return;
    transakcje.resize(bloki[liczba].pierwszaTransakcja);
    bloki.resize(liczba);
    // Podpisy leza w kolejnosci transakcji: ostatni zostajacy wyznacza koniec tablicy.
    std::size_t podpisowZostaje = 0;
    for (std::size_t t = transakcje.size(); t-- > 0;) {
        if ((transakcje[t].podpis & MASKA_RODZAJU) == RODZAJ_PODPIS) {
            podpisowZostaje = (transakcje[t].podpis & ~MASKA_RODZAJU) + 1;
            break;
        }
    }
    podpisy.resize(podpisowZostaje);
}

void SegmentBlokow::zamknij()
{
    bloki.shrink_to_fit();
    transakcje.shrink_to_fit();
    klucze.shrink_to_fit();
    podpisy.shrink_to_fit();
}

std::int64_t SegmentBlokow::saldo(std::int64_t poczatek, std::size_t od,
                                  const std::string& adres) const
{
    const Pole szukane = szukajTekstu(adres);
    if (szukane == BRAK || od >= bloki.size())
        return poczatek;
    std::int64_t suma = poczatek;
    for (std::size_t t = bloki[od].pierwszaTransakcja; t < transakcje.size(); ++t) {
        const ZapisTransakcji& zt = transakcje[t];
        suma = poTransakcji(suma, zt.kwota, zt.odbiorca == szukane, zt.nadawca == szukane);
    }
    return suma;
}

void SegmentBlokow::blokiZWplatami(const std::string& adres, std::vector<std::size_t>& wynik,
                                   std::size_t przesuniecie) const
{
    const Pole ja = szukajTekstu(adres);
    if (ja == BRAK)
        return;
    const Pole pusty = szukajTekstu("");
    for (std::size_t b = 0; b < bloki.size(); ++b) {
        const std::size_t koniec = koniecTransakcji(b);
        for (std::size_t t = bloki[b].pierwszaTransakcja; t < koniec; ++t) {
            const ZapisTransakcji& zt = transakcje[t];
            if (zt.odbiorca == ja && zt.nadawca != ja && zt.nadawca != pusty) {
                wynik.push_back(przesuniecie + b);
                break;
            }
        }
    }
}

void SegmentBlokow::doliczSalda(Salda& salda, std::size_t od) const
{
    if (od >= bloki.size())
        return;
    // Tekst adresu raz na pole w segmencie; wskazanie na saldo w mapie zostaje wazne.
    std::unordered_map<Pole, std::int64_t*> znane;
    const auto saldoPola = [&](Pole pole) -> std::int64_t& {
        const auto [it, nowe] = znane.try_emplace(pole, nullptr);
        if (nowe)
            it->second = &salda[odczytajTekst(pole)];
        return *it->second;
    };
    for (std::size_t t = bloki[od].pierwszaTransakcja; t < transakcje.size(); ++t) {
        const ZapisTransakcji& zt = transakcje[t];
        std::int64_t& odbiorca = saldoPola(zt.odbiorca);
        odbiorca = dodajNasycajac(odbiorca, zt.kwota);
        std::int64_t& nadawca = saldoPola(zt.nadawca);
        nadawca = odejmijNasycajac(nadawca, zt.kwota);
    }
}

std::size_t SegmentBlokow::bajty() const
{
    // Wezel tablicy z haszowaniem: wskaznik nastepnego, klucz, numer, zapamietany hasz.
    constexpr std::size_t WEZEL_MAPY = 2 * sizeof(void*) + sizeof(std::uint32_t);
    std::size_t wynik = sizeof(SegmentBlokow) + bloki.capacity() * sizeof(ZapisBloku)
                      + transakcje.capacity() * sizeof(ZapisTransakcji)
                      + klucze.capacity() * sizeof(Bajty32)
                      + numeryKluczy.size() * (sizeof(Bajty32) + WEZEL_MAPY)
                      + podpisy.capacity() * sizeof(Bajty64);
    for (const std::string& t : teksty)
        wynik += sizeof(std::string) + sizeof(std::string_view) + WEZEL_MAPY
               + (t.capacity() > 15 ? t.capacity() + 1 : 0);
    return wynik;
}

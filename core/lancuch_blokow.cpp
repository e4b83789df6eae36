#include "core/lancuch_blokow.h"

#include <algorithm>
#include <cstring>

#include "core/skrot.h"

namespace {

constexpr std::uint32_t RODZAJ_KLUCZ = 0u << 30;
constexpr std::uint32_t RODZAJ_TEKST = 1u << 30;
constexpr std::uint32_t RODZAJ_PODPIS = 2u << 30;
// Dla poprzedniego hasha: taki jak hash bloku wczesniej; dla hasha: bajty w zapisie bloku.
constexpr std::uint32_t RODZAJ_INNY = 3u << 30;
constexpr std::uint32_t MASKA_RODZAJU = 3u << 30;
// Brak tekstu w tablicy (szukanie adresu, ktorego lancuch nie zna).
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

std::int64_t dodajNasycajac(std::int64_t a, std::int64_t b)
{
    std::int64_t wynik = 0;
    if (!__builtin_add_overflow(a, b, &wynik))
        return wynik;
    return b > 0 ? INT64_MAX : INT64_MIN;
}

std::int64_t odejmijNasycajac(std::int64_t a, std::int64_t b)
{
    std::int64_t wynik = 0;
    if (!__builtin_sub_overflow(a, b, &wynik))
        return wynik;
    return b < 0 ? INT64_MAX : INT64_MIN;
}

} // namespace

std::size_t LancuchBlokow::HaszBajtow::operator()(const Bajty32& b) const
{
    std::size_t wynik = 0;
    std::memcpy(&wynik, b.data(), sizeof wynik);
    return wynik;
}

LancuchBlokow::LancuchBlokow(const std::vector<Blok>& nowe)
{
    dopisz(nowe);
}

LancuchBlokow::LancuchBlokow(const LancuchBlokow& inny)
    : bloki(inny.bloki), transakcje(inny.transakcje), klucze(inny.klucze),
      numeryKluczy(inny.numeryKluczy), podpisy(inny.podpisy), teksty(inny.teksty)
{
    numeryTekstow.reserve(teksty.size());
    for (std::size_t i = 0; i < teksty.size(); ++i)
        numeryTekstow.emplace(std::string_view(teksty[i]), static_cast<std::uint32_t>(i));
}

LancuchBlokow& LancuchBlokow::operator=(const LancuchBlokow& inny)
{
    if (this != &inny) {
        LancuchBlokow kopia(inny);
        *this = std::move(kopia);
    }
    return *this;
}

LancuchBlokow::Pole LancuchBlokow::zapiszTekst(std::string_view tekst)
{
    if (kanonicznyHex(tekst, 64)) {
        const Bajty32 bajty = naBajty<32>(tekst);
        const auto [it, nowy] = numeryKluczy.try_emplace(bajty, static_cast<std::uint32_t>(klucze.size()));
        if (nowy)
            klucze.push_back(bajty);
        return RODZAJ_KLUCZ | it->second;
    }
    if (const auto it = numeryTekstow.find(tekst); it != numeryTekstow.end())
        return RODZAJ_TEKST | it->second;
    // Deque nie przenosi elementow, wiec widok na zapisany tekst zostaje wazny.
    const std::string& zapisany = teksty.emplace_back(tekst);
    const auto numer = static_cast<std::uint32_t>(teksty.size() - 1);
    numeryTekstow.emplace(std::string_view(zapisany), numer);
    return RODZAJ_TEKST | numer;
}

LancuchBlokow::Pole LancuchBlokow::zapiszPodpis(std::string_view tekst)
{
    if (!kanonicznyHex(tekst, 128))
        return zapiszTekst(tekst);
    podpisy.push_back(naBajty<64>(tekst));
    return RODZAJ_PODPIS | static_cast<std::uint32_t>(podpisy.size() - 1);
}

LancuchBlokow::Pole LancuchBlokow::szukajTekstu(std::string_view tekst) const
{
    if (kanonicznyHex(tekst, 64)) {
        const auto it = numeryKluczy.find(naBajty<32>(tekst));
        return it == numeryKluczy.end() ? BRAK : (RODZAJ_KLUCZ | it->second);
    }
    const auto it = numeryTekstow.find(tekst);
    return it == numeryTekstow.end() ? BRAK : (RODZAJ_TEKST | it->second);
}

std::string LancuchBlokow::odczytajTekst(Pole pole) const
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

std::size_t LancuchBlokow::koniecTransakcji(std::size_t i) const
{
    return i + 1 < bloki.size() ? bloki[i + 1].pierwszaTransakcja : transakcje.size();
}

std::string LancuchBlokow::hash(std::size_t i) const
{
    const ZapisBloku& z = bloki[i];
    if (z.hashTekst == RODZAJ_INNY)
        return bajtyNaHex(z.hash.data(), 32);
    return odczytajTekst(z.hashTekst);
}

const Blok LancuchBlokow::operator[](std::size_t i) const
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
    std::string poprzedni = z.poprzedni == RODZAJ_INNY ? hash(i - 1) : odczytajTekst(z.poprzedni);
    return Blok::zPol(z.indeks, std::move(poprzedni), std::move(txy), z.nonce, hash(i), z.czas);
}

std::vector<Blok> LancuchBlokow::kopia(std::size_t od, std::size_t doBloku) const
{
    std::vector<Blok> wynik;
    wynik.reserve(doBloku > od ? doBloku - od : 0);
    for (std::size_t i = od; i < doBloku; ++i)
        wynik.push_back((*this)[i]);
    return wynik;
}

bool LancuchBlokow::rownyHashowiOstatniego(std::string_view tekst) const
{
    if (bloki.empty())
        return false;
    const ZapisBloku& ostatni = bloki.back();
    if (ostatni.hashTekst != RODZAJ_INNY)
        return tekst == odczytajTekst(ostatni.hashTekst);
    return kanonicznyHex(tekst, 64) && naBajty<32>(tekst) == ostatni.hash;
}

void LancuchBlokow::push_back(const Blok& blok)
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
    z.poprzedni = rownyHashowiOstatniego(blok.poprzedniHash) ? RODZAJ_INNY
                                                             : zapiszTekst(blok.poprzedniHash);
    for (const Transakcja& tx : blok.transakcje)
        transakcje.push_back(ZapisTransakcji{zapiszTekst(tx.nadawca), zapiszTekst(tx.odbiorca),
                                             tx.kwota, zapiszTekst(tx.opis),
                                             zapiszPodpis(tx.podpis)});
    bloki.push_back(z);
}

void LancuchBlokow::dopisz(const std::vector<Blok>& nowe)
{
    for (const Blok& blok : nowe)
        push_back(blok);
}

void LancuchBlokow::obetnij(std::size_t liczba)
{
    if (liczba >= bloki.size())
        return;
    const std::size_t txZostaje = liczba < bloki.size() ? bloki[liczba].pierwszaTransakcja : 0;
    bloki.resize(liczba);
    transakcje.resize(txZostaje);
    // Podpisy leza w kolejnosci transakcji: ostatni zostajacy wyznacza koniec tablicy.
    std::size_t podpisowZostaje = 0;
    for (std::size_t t = transakcje.size(); t-- > 0;) {
        if ((transakcje[t].podpis & MASKA_RODZAJU) == RODZAJ_PODPIS) {
            podpisowZostaje = (transakcje[t].podpis & ~MASKA_RODZAJU) + 1;
            break;
        }
    }
    podpisy.resize(podpisowZostaje);
    if (bloki.empty())
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
    bloki.clear();
    transakcje.clear();
    klucze.clear();
    numeryKluczy.clear();
    podpisy.clear();
    numeryTekstow.clear();
    teksty.clear();
}

std::int64_t LancuchBlokow::saldo(std::int64_t poczatek, std::size_t od,
                                  const std::string& adres) const
{
    const Pole szukane = szukajTekstu(adres);
    if (szukane == BRAK || od >= bloki.size())
        return poczatek;
    std::int64_t suma = poczatek;
    for (std::size_t t = bloki[od].pierwszaTransakcja; t < transakcje.size(); ++t) {
        const ZapisTransakcji& zt = transakcje[t];
        if (zt.odbiorca == szukane)
            suma = dodajNasycajac(suma, zt.kwota);
        if (zt.nadawca == szukane)
            suma = odejmijNasycajac(suma, zt.kwota);
    }
    return suma;
}

std::size_t LancuchBlokow::bajty() const
{
    // Wezel tablicy z haszowaniem: wskaznik nastepnego, klucz, numer, zapamietany hasz.
    constexpr std::size_t WEZEL_MAPY = 2 * sizeof(void*) + sizeof(std::uint32_t);
    std::size_t wynik = bloki.size() * sizeof(ZapisBloku)
                      + transakcje.size() * sizeof(ZapisTransakcji)
                      + klucze.size() * (sizeof(Bajty32) * 2 + WEZEL_MAPY)
                      + podpisy.size() * sizeof(Bajty64);
    for (const std::string& t : teksty)
        wynik += sizeof(std::string) + sizeof(std::string_view) + WEZEL_MAPY
               + (t.capacity() > 15 ? t.capacity() + 1 : 0);
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

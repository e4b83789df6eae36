#pragma once
// Porownanie walidacji od znanego konca z walidacja calosci na lancuchu zbudowanym z bajtow:
// wlasny lancuch, jego przedluzenie i losowe psucie blokow (takze wspolnego poczatku).
// Wspolne dla celu fuzzowania i testu roznicowego.

#include <cstddef>
#include <cstdint>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "core/format_lancucha.h"
#include "core/przejecie_lancucha.h"
#include "core/walidacja.h"

namespace porownanie {

class Bajty {
public:
    Bajty(const std::uint8_t* dane, std::size_t rozmiar) : dane(dane), rozmiar(rozmiar) {}
    unsigned nastepny() { return pozycja < rozmiar ? dane[pozycja++] : 0u; }

private:
    const std::uint8_t* dane;
    std::size_t rozmiar;
    std::size_t pozycja = 0;
};

inline const std::vector<ParaKluczy>& klucze()
{
    static const std::vector<ParaKluczy> pary = [] {
        std::vector<ParaKluczy> wynik;
        for (unsigned char i = 1; i <= 3; ++i)
            wynik.push_back(paraKluczyZZiarna(Ziarno{i}));
        return wynik;
    }();
    return pary;
}

// Wyjscie (std::cout) wypisane w trakcie `praca`.
template <typename Praca>
std::string przechwyc(Praca&& praca)
{
    std::ostringstream bufor;
    std::streambuf* poprzedni = std::cout.rdbuf(bufor.rdbuf());
    praca();
    std::cout.rdbuf(poprzedni);
    return bufor.str();
}

inline void dokop(Blockchain& lancuch, Bajty& bajty, unsigned ile)
{
    for (unsigned i = 0; i < ile; ++i) {
        const ParaKluczy& gornik = klucze()[bajty.nastepny() % 3];
        std::vector<Transakcja> platnosci;
        for (unsigned p = bajty.nastepny() % 3; p > 0; --p) {
            const auto kwota = static_cast<std::int64_t>(bajty.nastepny() % 4) * NAGRODA_ZA_BLOK / 2;
            platnosci.emplace_back(klucze()[bajty.nastepny() % 3],
                                   kluczPublicznyHex(klucze()[bajty.nastepny() % 3]), kwota, "");
        }
        (void)przechwyc([&] { lancuch.wykopIDodajBlok(kluczPublicznyHex(gornik), platnosci); });
    }
}

inline void zepsujBlok(Blok& blok, Bajty& bajty);

inline void zepsuj(Blockchain& lancuch, Bajty& bajty)
{
    const std::size_t ktory = bajty.nastepny() % lancuch.lancuch.size();
    Blok blok = lancuch.lancuch[ktory];
    zepsujBlok(blok, bajty);
    lancuch.lancuch.ustaw(ktory, blok);
}

inline void zepsujBlok(Blok& blok, Bajty& bajty)
{
    Transakcja& tx = blok.transakcje[bajty.nastepny() % blok.transakcje.size()];
    switch (bajty.nastepny() % 8) {
    case 0: tx.kwota += 1; break;
    case 1: tx.podpis.assign(128, '0'); break;
    case 2: tx.nadawca = kluczPublicznyHex(klucze()[bajty.nastepny() % 3]); break;
    case 3: blok.hash[0] = blok.hash[0] == 'a' ? 'b' : 'a'; break;
    case 4: blok.poprzedniHash = "0"; break;
    case 5: blok.transakcje.push_back(transakcjaNagrody(tx.odbiorca, NAGRODA_ZA_BLOK)); break;
    case 6: ++blok.indeks; break;
    default: blok.hash = blok.obliczHash(); break; // poprawiony hash, zly nastepnik
    }
}

// Droga serwera bez budowania wspolnego poczatku (odczyt porownujacy z wlasnym, walidacja
// nowych blokow, saldo, przejecie) a odczyt i walidacja calego tekstu.
inline bool zgodneNoweBloki(const Blockchain& wlasny, const std::string& tekst)
{
    NoweBloki nowe;
    OdczytaneBloki reszta;
    const bool odczytany =
        parsujZaWspolnymi(tekst, wlasny.pobierzLancuch(), nowe.wspolnych, reszta);
    Blockchain caly;
    if (!parsujLancuch(caly, tekst))
        return !odczytany || nowe.wspolnych + reszta.bloki.size() == 0;
    const auto& wlasne = wlasny.pobierzLancuch();
    std::vector<Blok> zlozone = wlasne.kopia(0, nowe.wspolnych);
    zlozone.insert(zlozone.end(), reszta.bloki.begin(), reszta.bloki.end());
    if (!odczytany || zlozone != caly.pobierzLancuch().kopia())
        return false;
    if (nowe.wspolnych < wlasne.size())
        return !czyRozszerza(wlasny, caly);
    nowe.bloki = std::move(reszta.bloki);
    bool calosc = false;
    const std::string wypisCalosci = przechwyc([&] { calosc = caly.czyLancuchPoprawny(); });
    std::optional<OcenaOtrzymanego> ocena;
    const std::string wypis = przechwyc([&] { ocena = ocenNoweBloki(wlasny, nowe); });
    if (!ocena || ocena->poprawny != calosc || wypis != wypisCalosci)
        return false;
    if (!calosc)
        return true;
    Blockchain kopia = wlasny;
    for (const ParaKluczy& para : klucze()) {
        const std::string adres = kluczPublicznyHex(para);
        if (saldoOtrzymanego(kopia, nowe, *ocena, adres) != caly.saldo(adres))
            return false;
    }
    Salda oczekiwane;
    (void)czyPoprawnyZSaldami(caly, oczekiwane);
    przejmijLancuch(kopia, nowe, std::move(*ocena));
    return kopia.pobierzLancuch() == caly.pobierzLancuch() && kopia.trudnosc == caly.trudnosc
        && kopia.zawiera(kopia.walidacja.punkt)
        && kopia.walidacja.punkt.liczba == wlasne.size() + nowe.bloki.size()
        && kopia.walidacja.salda == oczekiwane;
}

// Wlasny z saldami walidacji znanymi tylko dla jego pierwszych `ile` blokow.
inline Blockchain zSaldamiDo(const Blockchain& wlasny, std::size_t ile)
{
    Blockchain wynik = wlasny;
    const auto& bloki = wlasny.pobierzLancuch();
    Blockchain poczatek;
    poczatek.zastapLancuch(bloki.kopia(0, ile));
    Salda salda;
    (void)przechwyc([&] { (void)czyPoprawnyZSaldami(poczatek, salda); });
    Punkt punkt = wlasny.punkt();
    punkt.liczba = ile;
    punkt.hashOstatniego = wlasny.pobierzLancuch()[ile - 1].hash;
    wynik.walidacja = StanWalidacji{punkt, std::move(salda)};
    return wynik;
}

// false, gdy obie walidacje roznia sie decyzja, komunikatem, saldami albo przejeciem.
inline bool zgodne(const std::uint8_t* dane, std::size_t rozmiar)
{
    Bajty bajty(dane, rozmiar);
    Blockchain wlasny;
    wlasny.trudnosc = 0;
    dokop(wlasny, bajty, bajty.nastepny() % 6);
    Blockchain otrzymany = wlasny;
    dokop(otrzymany, bajty, bajty.nastepny() % 5);
    for (unsigned i = bajty.nastepny() % 4; i > 0; --i)
        zepsuj(otrzymany, bajty);
    Salda salda;
    if (!przechwyc([&] { (void)czyPoprawnyZSaldami(wlasny, salda); }).empty())
        return true; // wlasny niepoprawny: nie ma sald do zapamietania
    wlasny.walidacja = StanWalidacji{wlasny.punkt(), salda};

    // Tekst otrzymanego, czasem z jednym zmienionym bajtem; salda wlasnego czasem tylko dla
    // czesci jego blokow.
    std::string tekst = serializujLancuch(otrzymany);
    if (bajty.nastepny() % 3 == 0) {
        const std::size_t gdzie = (bajty.nastepny() << 8 | bajty.nastepny()) % tekst.size();
        tekst[gdzie] = static_cast<char>(tekst[gdzie] ^ (1 << (bajty.nastepny() % 8)));
    }
    const std::size_t znane = 1 + bajty.nastepny() % wlasny.liczbaBlokow();
    if (!zgodneNoweBloki(zSaldamiDo(wlasny, znane), tekst))
        return false;

    bool calosc = false;
    const std::string wypisCalosci = przechwyc([&] { calosc = otrzymany.czyLancuchPoprawny(); });
    std::optional<OcenaOtrzymanego> ocena;
    const std::string wypisOdKonca = przechwyc([&] { ocena = ocenRozszerzenie(wlasny, otrzymany); });
    if (!ocena)
        return !czyRozszerza(wlasny, otrzymany);
    if (ocena->poprawny != calosc || wypisOdKonca != wypisCalosci)
        return false;
    if (!calosc)
        return true;
    for (const ParaKluczy& para : klucze()) {
        const std::string adres = kluczPublicznyHex(para);
        if (saldoOtrzymanego(wlasny, otrzymany, *ocena, adres) != otrzymany.saldo(adres))
            return false;
    }
    Salda oczekiwane;
    (void)czyPoprawnyZSaldami(otrzymany, oczekiwane);
    const auto bloki = otrzymany.pobierzLancuch();
    przejmijLancuch(wlasny, otrzymany, std::move(*ocena));
    return wlasny.pobierzLancuch() == bloki && wlasny.zawiera(wlasny.walidacja.punkt)
        && wlasny.walidacja.punkt.liczba == bloki.size() && wlasny.walidacja.salda == oczekiwane;
}

} // namespace porownanie

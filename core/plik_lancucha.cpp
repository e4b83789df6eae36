#include "core/plik_lancucha.h"

#include <map>
#include <memory>

#include "core/bramka_lancucha.h"
#include "core/format_lancucha.h"
#include "core/plik_przyrostowy.h"
#include "core/pliki.h"

PlikLancucha& PlikLancucha::dla(const std::string& sciezka)
{
    // Obiekty zyja do konca procesu: watki trzymaja referencje bez liczenia ich.
    static std::mutex mutexMapy;
    static std::map<std::string, std::unique_ptr<PlikLancucha>> pliki;
    const std::lock_guard blokada(mutexMapy);
    std::unique_ptr<PlikLancucha>& plik = pliki[sciezka];
    if (!plik)
        plik = std::make_unique<PlikLancucha>(sciezka);
    return *plik;
}

bool PlikLancucha::wezStan(Blockchain& ksiega)
{
    if (stan.plik.sciezka != sciezkaPliku || ksiega.punkt() == stan.punkt()
        || !plikTakiJakStan(stan.plik))
        return false;
    ksiega.przejmijKopie(stan);
    return true;
}

void PlikLancucha::zapamietajStan(const Blockchain& ksiega)
{
    // Tylko lancuch zgodny z plikiem: inaczej inny watek dostalby bloki, ktorych plik nie ma.
    if (ksiega.plik.sciezka == sciezkaPliku && ksiega.plik.punkt == ksiega.punkt())
        stan.przejmijKopie(ksiega);
}

bool PlikLancucha::wczytaj(Blockchain& ksiega)
{
    const Blokada blokada(mutexPliku);
    if (wezStan(ksiega))
        return true;
    switch (wczytajPrzyrost(ksiega, sciezkaPliku)) {
    case Wczytanie::bezZmian:
        return true;
    case Wczytanie::doczytano:
        zapamietajStan(ksiega);
        return true;
    case Wczytanie::blad:
        return false;
    case Wczytanie::trzebaCalosci:
        break;
    }
    if (!wczytajCalosc(ksiega, sciezkaPliku))
        return false;
    zapamietajStan(ksiega);
    return true;
}

bool PlikLancucha::zapisz(Blockchain& ksiega)
{
    const Blokada blokada(mutexPliku);
    if (!dopiszDoPliku(ksiega, sciezkaPliku) && !zapiszCalosc(ksiega, sciezkaPliku))
        return false;
    zapamietajStan(ksiega);
    return true;
}

bool PlikLancucha::zapiszCaly(const Blockchain& ksiega)
{
    const std::string tekst = serializujLancuch(ksiega);
    const Blokada blokada(mutexPliku);
    return zapiszAtomowo(sciezkaPliku, tekst);
}

PrzedZapisem PlikLancucha::wczytajPrzedZapisem(Blockchain& ksiega)
{
    if (wczytaj(ksiega) || !plikIstnieje(sciezkaPliku))
        return {StanPrzedZapisem::wczytany, sciezkaPliku, {}};
    // FIFO albo urzadzenie: nie odkladamy go i nie zapisujemy w jego miejsce.
    if (!zwyklyLubBrak(sciezkaPliku))
        return {StanPrzedZapisem::nieZwykly, sciezkaPliku, {}};
    std::string nowa = odlozNaBok(sciezkaPliku);
    if (nowa.empty())
        return {StanPrzedZapisem::nieOdlozony, sciezkaPliku, {}};
    return {StanPrzedZapisem::odlozony, sciezkaPliku, std::move(nowa)};
}

WynikKopania PlikLancucha::kopIZapisz(Blockchain& ksiega, const std::string& adresGornika,
                                      const std::vector<Transakcja>& oczekujace,
                                      const std::stop_token& stop)
{
    const Blokada blokada(mutexZapisu);
    WynikKopania wynik;
    wynik.plik = sciezkaPliku;
    wynik.przedZapisem = wczytajPrzedZapisem(ksiega);
    if (!wynik.przedZapisem.wolnoZapisac())
        return wynik;
    if (!ksiega.wykopIDodajBlok(adresGornika, oczekujace, stop)) {
        wynik.rodzaj = RodzajKopania::przerwane;
        return wynik;
    }
    const Blok& blok = ksiega.pobierzLancuch().back();
    wynik.wykopano = true;
    wynik.indeks = blok.indeks;
    wynik.hash = blok.hash;
    wynik.nonce = blok.nonce;
    // Blok, ktorego nie przyjalby zaden wezel z ta bramka (takze ten sam po ponownym
    // wczytaniu pliku), nie trafia do pliku.
    if (const auto odmowa = sprawdzBloki(std::span(&blok, 1))) {
        ksiega.obetnij(ksiega.liczbaBlokow() - 1);
        wynik.rodzaj = RodzajKopania::odmowa;
        wynik.odmowa = odmowa;
        return wynik;
    }
    // Blok tylko w pamieci zniknalby przy nastepnym wczytaniu: nie udajemy, ze jest.
    wynik.rodzaj = zapisz(ksiega) ? RodzajKopania::zapisany : RodzajKopania::bladZapisu;
    if (wynik.rodzaj != RodzajKopania::zapisany)
        ksiega.obetnij(ksiega.liczbaBlokow() - 1);
    return wynik;
}

bool wczytajLancuch(Blockchain& ksiega, const std::string& sciezka)
{
    return PlikLancucha::dla(sciezka).wczytaj(ksiega);
}

bool zapiszLancuch(Blockchain& ksiega, const std::string& sciezka)
{
    return PlikLancucha::dla(sciezka).zapisz(ksiega);
}

bool zapiszLancuch(const Blockchain& ksiega, const std::string& sciezka)
{
    return PlikLancucha::dla(sciezka).zapiszCaly(ksiega);
}

PrzedZapisem wczytajPrzedZapisem(Blockchain& ksiega, const std::string& sciezka)
{
    // Wolajacy trzyma blokadeZapisu pliku (serwer na czas swojej decyzji).
    return PlikLancucha::dla(sciezka).wczytajPrzedZapisem(ksiega);
}

WynikKopania kopIZapisz(Blockchain& ksiega, const std::string& adresGornika,
                        const std::string& sciezka, const std::vector<Transakcja>& oczekujace,
                        const std::stop_token& stop)
{
    return PlikLancucha::dla(sciezka).kopIZapisz(ksiega, adresGornika, oczekujace, stop);
}

#include "core/plik_lancucha.h"


#include "core/bramka_lancucha.h"
#include "core/format_lancucha.h"
#include "core/lancuch_procesu.h"
#include "core/plik_przyrostowy.h"
#include "core/pliki.h"

std::mutex mutexPlikuLancucha;
std::mutex mutexZapisuLancucha;

bool wczytajLancuch(Blockchain& ksiega, const std::string& sciezka)
{
    std::lock_guard blokada(mutexPlikuLancucha);
    // Stan, ktory inny watek juz wczytal albo zapisal, nie jest czytany drugi raz.
    if (wezLancuchProcesu(ksiega, sciezka))
        return true;
    switch (wczytajPrzyrost(ksiega, sciezka)) {
    case Wczytanie::bezZmian:
        return true;
    case Wczytanie::doczytano:
        zapamietajLancuchProcesu(ksiega);
        return true;
    case Wczytanie::blad:
        return false;
    case Wczytanie::trzebaCalosci:
        break;
    }
    if (!wczytajCalosc(ksiega, sciezka))
        return false;
    zapamietajLancuchProcesu(ksiega);
    return true;
}

bool zapiszLancuch(Blockchain& ksiega, const std::string& sciezka)
{
    std::lock_guard blokada(mutexPlikuLancucha);
    if (!dopiszDoPliku(ksiega, sciezka) && !zapiszCalosc(ksiega, sciezka))
        return false;
    zapamietajLancuchProcesu(ksiega);
    return true;
}

bool zapiszLancuch(const Blockchain& ksiega, const std::string& sciezka)
{
    const std::string tekst = serializujLancuch(ksiega);
    std::lock_guard blokada(mutexPlikuLancucha);
    return zapiszAtomowo(sciezka, tekst);
}

PrzedZapisem wczytajPrzedZapisem(Blockchain& ksiega, const std::string& sciezka)
{
    if (wczytajLancuch(ksiega, sciezka) || !plikIstnieje(sciezka))
        return {StanPrzedZapisem::wczytany, sciezka, {}};
    // FIFO albo urzadzenie: nie odkladamy go i nie zapisujemy w jego miejsce.
    if (!zwyklyLubBrak(sciezka))
        return {StanPrzedZapisem::nieZwykly, sciezka, {}};
    std::string nowa = odlozNaBok(sciezka);
    if (nowa.empty())
        return {StanPrzedZapisem::nieOdlozony, sciezka, {}};
    return {StanPrzedZapisem::odlozony, sciezka, std::move(nowa)};
}

WynikKopania kopIZapisz(Blockchain& ksiega, const std::string& adresGornika,
                        const std::string& sciezka, const std::vector<Transakcja>& oczekujace)
{
    std::lock_guard blokada(mutexZapisuLancucha);
    WynikKopania wynik;
    wynik.plik = sciezka;
    wynik.przedZapisem = wczytajPrzedZapisem(ksiega, sciezka);
    if (!wynik.przedZapisem.wolnoZapisac())
        return wynik;
    ksiega.wykopIDodajBlok(adresGornika, oczekujace);
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
    wynik.rodzaj = zapiszLancuch(ksiega, sciezka) ? RodzajKopania::zapisany : RodzajKopania::bladZapisu;
    if (wynik.rodzaj != RodzajKopania::zapisany)
        ksiega.obetnij(ksiega.liczbaBlokow() - 1);
    return wynik;
}

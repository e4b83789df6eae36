#include "core/plik_lancucha.h"


#include "core/bramka_lancucha.h"
#include "core/format_lancucha.h"
#include "core/konsola.h"
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

bool wczytajPrzedZapisem(Blockchain& ksiega, const std::string& sciezka)
{
    if (wczytajLancuch(ksiega, sciezka) || !plikIstnieje(sciezka))
        return true;
    // FIFO albo urzadzenie: nie odkladamy go i nie zapisujemy w jego miejsce.
    if (!zwyklyLubBrak(sciezka))
        return false;
    const std::string nowa = odlozNaBok(sciezka);
    if (nowa.empty()) {
        wypisz("BLAD: plik ", sciezka, " nie jest czytelnym lancuchem i nie udalo sie go odlozyc.\n");
        return false;
    }
    wypisz("Plik ", sciezka, " nie jest czytelnym lancuchem - odlozono go jako ", nowa, ".\n");
    return true;
}

bool kopIZapisz(Blockchain& ksiega, const std::string& adresGornika, const std::string& sciezka,
                const std::vector<Transakcja>& oczekujace)
{
    std::lock_guard blokada(mutexZapisuLancucha);
    if (!wczytajPrzedZapisem(ksiega, sciezka))
        return false;
    ksiega.wykopIDodajBlok(adresGornika, oczekujace);
    // Blok, ktorego nie przyjalby zaden wezel z ta bramka (takze ten sam po ponownym
    // wczytaniu pliku), nie trafia do pliku.
    const Blok nowy = ksiega.pobierzLancuch().back();
    if (const auto odmowa = sprawdzBloki(std::span(&nowy, 1))) {
        ksiega.obetnij(ksiega.liczbaBlokow() - 1);
        wypiszTekst(wierszOdmowy(*odmowa));
        return false;
    }
    if (zapiszLancuch(ksiega, sciezka))
        return true;
    // Blok tylko w pamieci zniknalby przy nastepnym wczytaniu: nie udajemy, ze jest.
    ksiega.obetnij(ksiega.liczbaBlokow() - 1);
    wypisz("BLAD: nie udalo sie zapisac pliku ", sciezka, " - nowy blok odrzucono.\n");
    return false;
}

#include "plik_lancucha.h"

#include <iostream>

#include "format_lancucha.h"
#include "pliki.h"

std::mutex mutexPlikuLancucha;
std::mutex mutexZapisuLancucha;

bool wczytajLancuch(Blockchain& ksiega, const std::string& sciezka)
{
    std::lock_guard blokada(mutexPlikuLancucha);
    std::optional<std::string> tekst = wczytajPlik(sciezka);
    if (!tekst)
        return false;
    usunCrPrzedLf(*tekst);
    return parsujLancuch(ksiega, *tekst);
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
        std::cout << "BLAD: plik " << sciezka
                  << " nie jest czytelnym lancuchem i nie udalo sie go odlozyc.\n";
        return false;
    }
    std::cout << "Plik " << sciezka << " nie jest czytelnym lancuchem - odlozono go jako " << nowa
              << ".\n";
    return true;
}

bool kopIZapisz(Blockchain& ksiega, const std::string& adresGornika, const std::string& sciezka,
                const std::vector<Transakcja>& oczekujace)
{
    std::lock_guard blokada(mutexZapisuLancucha);
    if (!wczytajPrzedZapisem(ksiega, sciezka))
        return false;
    ksiega.wykopIDodajBlok(adresGornika, oczekujace);
    if (zapiszLancuch(ksiega, sciezka))
        return true;
    // Blok tylko w pamieci zniknalby przy nastepnym wczytaniu: nie udajemy, ze jest.
    ksiega.lancuch.pop_back();
    std::cout << "BLAD: nie udalo sie zapisac pliku " << sciezka << " - nowy blok odrzucono.\n";
    return false;
}

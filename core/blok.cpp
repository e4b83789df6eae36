#include "blok.h"

#include <ctime>
#include <iostream>
#include <string_view>

#include "liczby.h"
#include "skrot.h"

Blok::Blok(std::int32_t indeksBloku, std::vector<Transakcja> transakcjeBloku,
           std::string poprzedni)
    : indeks(indeksBloku), poprzedniHash(std::move(poprzedni)),
      transakcje(std::move(transakcjeBloku)), nonce(0),
      czas(static_cast<std::int64_t>(std::time(nullptr)))
{
    hash = obliczHash();
}

Blok Blok::zPol(std::int32_t indeks, std::string poprzedniHash, std::vector<Transakcja> transakcje,
                std::int64_t nonce, std::string hash, std::int64_t czas)
{
    Blok blok;
    blok.indeks = indeks;
    blok.poprzedniHash = std::move(poprzedniHash);
    blok.transakcje = std::move(transakcje);
    blok.nonce = nonce;
    blok.hash = std::move(hash);
    blok.czas = czas;
    return blok;
}

void Blok::zbudujTekstBloku(std::string& bufor) const
{
    bufor.clear();
    dopiszLiczbe(bufor, indeks);
    bufor.append(poprzedniHash);
    for (const Transakcja& tx : transakcje)
        tx.dopiszTekstDoHasha(bufor);
    dopiszLiczbe(bufor, nonce);
    dopiszLiczbe(bufor, czas);
}

std::string Blok::obliczHash() const
{
    std::string tekst;
    zbudujTekstBloku(tekst);
    return sha256Hex(tekst);
}

void Blok::kopBlok(int trudnosc)
{
    const std::string cel(static_cast<std::size_t>(trudnosc > 0 ? trudnosc : 0), '0');
    std::cout << "Kopanie bloku " << indeks << "... " << std::flush;
    // Kazda proba buduje caly tekst bloku od nowa; bufor tylko oszczedza alokacje.
    std::string tekst;
    while (std::string_view(hash).substr(0, cel.size()) != cel) {
        ++nonce;
        zbudujTekstBloku(tekst);
        hash = sha256Hex(tekst);
    }
    std::cout << "SUKCES! Znaleziono Hash: " << hash << " (Nonce: " << nonce << ")" << std::endl;
}

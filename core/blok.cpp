#include "core/blok.h"

#include <algorithm>
#include <ctime>
#include <string_view>

#include "core/liczby.h"
#include "core/skrot.h"

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

namespace {

// Czy pierwsze `cyfry` cyfr szesnastkowych skrotu to "0" (bez budowania tekstu).
bool zeraNaPoczatku(const unsigned char* skrot, std::size_t cyfry)
{
    for (std::size_t i = 0; i < cyfry; ++i) {
        const unsigned char polbajt = (i % 2 == 0) ? skrot[i / 2] >> 4 : skrot[i / 2] & 0x0f;
        if (polbajt != 0)
            return false;
    }
    return true;
}

} // namespace

bool Blok::kopBlok(int trudnosc, const std::stop_token& stop)
{
    // Zatrzymanie sprawdzane co tyle prob: dlugie szukanie nie wstrzymuje wyjscia programu.
    constexpr std::int64_t PROB_MIEDZY_SPRAWDZENIAMI = 4096;
    const std::string cel(static_cast<std::size_t>(trudnosc > 0 ? trudnosc : 0), '0');
    if (std::string_view(hash).substr(0, cel.size()) != cel) {
        // Kazda proba buduje caly tekst bloku od nowa i haszuje go od poczatku; tekst hasha
        // powstaje tylko dla zwyciezcy, bo posrednich wartosci nikt nie oglada.
        const std::size_t cyfry = std::min<std::size_t>(cel.size(), 64);
        std::string tekst;
        unsigned char skrot[32];
        do {
            ++nonce;
            if (nonce % PROB_MIEDZY_SPRAWDZENIAMI == 0 && stop.stop_requested())
                return false;
            zbudujTekstBloku(tekst);
            sha256Bajty(tekst, skrot);
        } while (!zeraNaPoczatku(skrot, cyfry));
        hash = bajtyNaHex(skrot, sizeof skrot);
    }
    return true;
}

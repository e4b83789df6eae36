#include "portfel/fraza.h"

#include <algorithm>
#include <sodium.h>

#include "core/znaki.h"

Fraza generujFraze()
{
    Fraza fraza;
    fraza.reserve(SLOW_WE_FRAZIE);
    // randombytes_uniform losuje bez przesuniecia modulo; slowa moga sie powtarzac.
    for (std::size_t i = 0; i < SLOW_WE_FRAZIE; ++i)
        fraza.emplace_back(listaBIP39[randombytes_uniform(listaBIP39.size())]);
    return fraza;
}

std::string tekstFrazy(const Fraza& fraza)
{
    std::string tekst;
    for (const std::string& slowo : fraza) {
        if (!tekst.empty())
            tekst += ' ';
        tekst += slowo;
    }
    return tekst;
}

Fraza podzielFraze(std::string_view tekst)
{
    Fraza slowa;
    std::size_t i = 0;
    while (i < tekst.size()) {
        while (i < tekst.size() && bialyZnak(tekst[i]))
            ++i;
        const std::size_t poczatek = i;
        while (i < tekst.size() && !bialyZnak(tekst[i]))
            ++i;
        if (i > poczatek)
            slowa.emplace_back(tekst.substr(poczatek, i - poczatek));
    }
    return slowa;
}

bool naLiscieBIP39(std::string_view slowo)
{
    return std::find(listaBIP39.begin(), listaBIP39.end(), slowo) != listaBIP39.end();
}

Ziarno ziarnoZFrazy(const Fraza& fraza)
{
    std::string tekst = tekstFrazy(fraza);
    Ziarno ziarno{};
    crypto_hash_sha256(ziarno.data(), reinterpret_cast<const unsigned char*>(tekst.data()),
                       tekst.size());
    sodium_memzero(tekst.data(), tekst.size());
    return ziarno;
}

bool zapiszPortfelZFrazy(const Fraza& fraza, const std::string& sciezka)
{
    Ziarno ziarno = ziarnoZFrazy(fraza);
    ParaKluczy klucze = paraKluczyZZiarna(ziarno);
    const bool zapisany = zapiszPortfel(klucze, sciezka);
    sodium_memzero(ziarno.data(), ziarno.size());
    sodium_memzero(klucze.bajty.data(), klucze.bajty.size());
    return zapisany;
}

#pragma once

#include <cstdint>
#include <stop_token>
#include <string>
#include <vector>

#include "core/transakcja.h"

struct Blok {
    std::int32_t indeks = 0;
    std::string poprzedniHash;
    std::vector<Transakcja> transakcje;
    std::int64_t nonce = 0;
    std::string hash;
    std::int64_t czas = 0;

    // nonce 0, czas biezacy, potem pierwszy hash.
    Blok(std::int32_t indeks, std::vector<Transakcja> transakcje, std::string poprzedniHash);

    // Blok z gotowych pol, bez liczenia hasha (czytnik i tak je nadpisuje).
    [[nodiscard]] static Blok zPol(std::int32_t indeks, std::string poprzedniHash,
                                   std::vector<Transakcja> transakcje, std::int64_t nonce,
                                   std::string hash, std::int64_t czas);

    [[nodiscard]] std::string obliczHash() const;
    // Tekst bloku do haszowania; bufor jest czyszczony i uzywany ponownie.
    void zbudujTekstBloku(std::string& bufor) const;
    // False, gdy `stop` przerwal szukanie (blok zostaje bez dowodu pracy).
    bool kopBlok(int trudnosc, const std::stop_token& stop = {});

    bool operator==(const Blok&) const = default;

private:
    Blok() = default;
};

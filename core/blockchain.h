#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "blok.h"

inline constexpr const char* NAZWA_MONETY = "Talvarin";
inline constexpr const char* SYMBOL_MONETY = "TLV";

class Blockchain {
public:
    int trudnosc = 4;
    std::vector<Blok> lancuch;

    Blockchain();

    [[nodiscard]] const std::vector<Blok>& pobierzLancuch() const { return lancuch; }
    [[nodiscard]] std::size_t liczbaBlokow() const { return lancuch.size(); }
    // Suma po wszystkich transakcjach; przy przepelnieniu nasyca sie na granicy int64.
    [[nodiscard]] std::int64_t saldo(const std::string& adres) const;
    [[nodiscard]] bool czyLancuchPoprawny() const;
    void wykopIDodajBlok(const std::string& adresGornika,
                         const std::vector<Transakcja>& oczekujace);
    void zastapLancuch(const std::vector<Blok>& bloki);
    void zastapLancuch(std::vector<Blok>&& bloki);
};

// Opis transakcji bloku genezy: "Blok Genezy - Start sieci Talvarin (TLV)".
[[nodiscard]] std::string opisGenezy();

#pragma once
// Klucze Ed25519 i podpisy (libsodium).

#include <array>
#include <string>
#include <string_view>

// Bajty 0..31: klucz publiczny; 32..95: klucz tajny w postaci libsodium.
struct ParaKluczy {
    std::array<unsigned char, 96> bajty{};

    [[nodiscard]] const unsigned char* publiczny() const { return bajty.data(); }
    [[nodiscard]] const unsigned char* tajny() const { return bajty.data() + 32; }
    bool operator==(const ParaKluczy&) const = default;
};

using Ziarno = std::array<unsigned char, 32>;

[[nodiscard]] ParaKluczy generujPareKluczy();
[[nodiscard]] ParaKluczy paraKluczyZZiarna(const Ziarno& ziarno);
[[nodiscard]] std::string kluczPublicznyHex(const ParaKluczy& klucze);
[[nodiscard]] std::string podpiszTekst(const ParaKluczy& klucze, std::string_view wiadomosc);
[[nodiscard]] bool weryfikujPodpis(std::string_view wiadomosc, std::string_view podpis,
                                   std::string_view klucz);
[[nodiscard]] bool czyPoprawnyKluczPubliczny(std::string_view tekst);

#pragma once
// Kawalek zwartego lancucha: do BLOKOW_W_SEGMENCIE kolejnych blokow z ich transakcjami
// i wlasnymi tablicami tekstow. Hash, klucz i podpis zapisane malymi literami hex leza
// jako bajty, kazdy inny tekst dokladnie taki, jaki przyszedl, a powtarzajace sie teksty
// (klucze, opis nagrody) raz na segment. Pelny segment juz sie nie zmienia, wiec kopie
// lancucha moga go dzielic miedzy watkami.

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/blok.h"
#include "core/pamiec_lancucha.h"

inline constexpr std::size_t BLOKOW_W_SEGMENCIE = 4096;

class SegmentBlokow {
public:
    SegmentBlokow() = default;
    // Indeks tekstow wskazuje wlasna tablice, wiec kopia buduje go od nowa.
    SegmentBlokow(const SegmentBlokow& inny);
    SegmentBlokow& operator=(const SegmentBlokow& inny);
    SegmentBlokow(SegmentBlokow&&) noexcept = default;
    SegmentBlokow& operator=(SegmentBlokow&&) noexcept = default;
    ~SegmentBlokow() = default;

    [[nodiscard]] std::size_t size() const { return bloki.size(); }
    // `poprzedni`: hash bloku przed pierwszym blokiem segmentu (pusty, gdy go nie ma).
    [[nodiscard]] Blok blok(std::size_t i, const std::string& poprzedni) const;
    [[nodiscard]] std::string hash(std::size_t i) const;
    // Czy `poprzedniHash` to dokladnie `hashPoprzedniego` (wtedy nie trzeba go trzymac).
    void dopisz(const Blok& blok, bool poprzedniJakHash);
    void obetnij(std::size_t liczba);
    // Koniec dopisywania: wektory bez zapasu.
    void zamknij();
    // Przychody minus wydatki `adres` w blokach [od, size()), z nasyceniem, od `poczatek`.
    [[nodiscard]] std::int64_t saldo(std::int64_t poczatek, std::size_t od,
                                     const std::string& adres) const;
    [[nodiscard]] std::size_t liczbaTransakcji(std::size_t i) const
    {
        return koniecTransakcji(i) - bloki[i].pierwszaTransakcja;
    }
    // Bloki z platnoscia dla `adres` od innego, niepustego nadawcy (bez budowania blokow).
    void blokiZWplatami(const std::string& adres, std::vector<std::size_t>& wynik,
                        std::size_t przesuniecie) const;
    // Dolicza do `salda` wszystkie transakcje blokow [od, size()) jak saldo(), bez budowania
    // blokow.
    void doliczSalda(Salda& salda, std::size_t od) const;
    // Czy `tekst` to dokladnie hash ostatniego bloku (bez skladania tekstu hasha).
    [[nodiscard]] bool hashOstatniegoRowny(std::string_view tekst) const;
    [[nodiscard]] std::size_t bajty() const;

private:
    // Pole tekstowe: rodzaj w dwoch gornych bitach, numer w tabeli rodzaju w pozostalych.
    using Pole = std::uint32_t;
    using Bajty32 = std::array<unsigned char, 32>;
    using Bajty64 = std::array<unsigned char, 64>;

    struct ZapisTransakcji {
        Pole nadawca = 0;
        Pole odbiorca = 0;
        std::int64_t kwota = 0;
        Pole opis = 0;
        Pole podpis = 0;
    };
    struct ZapisBloku {
        std::int64_t nonce = 0;
        std::int64_t czas = 0;
        std::int32_t indeks = 0;
        std::uint32_t pierwszaTransakcja = 0;
        Bajty32 hash{};
        // Hash, ktory nie jest kanonicznym hexem, lezy w tekstach; wtedy tu jego numer.
        Pole hashTekst = 0;
        Pole poprzedni = 0;
    };
    struct HaszBajtow {
        std::size_t operator()(const Bajty32& b) const;
    };

    // Klucz (64 znaki hex) albo inny tekst, kazdy raz; podpis (128 znakow hex) osobno.
    [[nodiscard]] Pole zapiszTekst(std::string_view tekst);
    [[nodiscard]] Pole zapiszPodpis(std::string_view tekst);
    [[nodiscard]] Pole szukajTekstu(std::string_view tekst) const;
    [[nodiscard]] std::string odczytajTekst(Pole pole) const;
    [[nodiscard]] std::size_t koniecTransakcji(std::size_t i) const;

    std::vector<ZapisBloku> bloki;
    std::vector<ZapisTransakcji> transakcje;
    std::vector<Bajty32> klucze;
    std::unordered_map<Bajty32, std::uint32_t, HaszBajtow> numeryKluczy;
    std::vector<Bajty64> podpisy;
    // Deque nie przenosi elementow, wiec widoki indeksu na zapisane teksty zostaja wazne.
    std::deque<std::string> teksty;
    std::unordered_map<std::string_view, std::uint32_t> numeryTekstow;
};

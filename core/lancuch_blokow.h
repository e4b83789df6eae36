#pragma once
// Bloki lancucha w zwartej postaci: hash, klucz i podpis zapisane malymi literami hex
// trzymane jako bajty, kazdy inny tekst dokladnie taki, jaki przyszedl, a powtarzajace
// sie teksty (klucze, opis nagrody) raz. Blok w pelnej postaci powstaje przy odczycie.

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <iterator>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "core/blok.h"

class LancuchBlokow {
public:
    LancuchBlokow() = default;
    explicit LancuchBlokow(const std::vector<Blok>& bloki);
    // Kopia buduje indeks tekstow od nowa: wskazuje on teksty wlasnej tablicy. Przeniesienie
    // go zachowuje, bo deque oddaje swoje elementy bez przenoszenia ich w pamieci.
    LancuchBlokow(const LancuchBlokow& inny);
    LancuchBlokow& operator=(const LancuchBlokow& inny);
    LancuchBlokow(LancuchBlokow&&) noexcept = default;
    LancuchBlokow& operator=(LancuchBlokow&&) noexcept = default;
    ~LancuchBlokow() = default;

    [[nodiscard]] std::size_t size() const { return bloki.size(); }
    [[nodiscard]] bool empty() const { return bloki.empty(); }
    // Kopia bloku; stala, zeby przypisanie do jej pola nie udawalo zmiany lancucha.
    [[nodiscard]] const Blok operator[](std::size_t i) const;
    [[nodiscard]] const Blok front() const { return (*this)[0]; }
    [[nodiscard]] const Blok back() const { return (*this)[size() - 1]; }
    // Sam hash bloku, bez budowania transakcji.
    [[nodiscard]] std::string hash(std::size_t i) const;
    [[nodiscard]] std::vector<Blok> kopia(std::size_t od, std::size_t doBloku) const;
    [[nodiscard]] std::vector<Blok> kopia() const { return kopia(0, size()); }

    void push_back(const Blok& blok);
    template <typename... Pola>
    void emplace_back(Pola&&... pola)
    {
        push_back(Blok(std::forward<Pola>(pola)...));
    }
    void dopisz(const std::vector<Blok>& nowe);
    // Skraca do `liczba` blokow.
    void obetnij(std::size_t liczba);
    // Wymiana bloku w srodku (kosztuje tyle, ile blokow za nim).
    void ustaw(std::size_t i, const Blok& blok);
    void clear();

    // Saldo `adres` po blokach [od, size()), liczone od `poczatek`, bez budowania blokow.
    [[nodiscard]] std::int64_t saldo(std::int64_t poczatek, std::size_t od,
                                     const std::string& adres) const;
    // Bajty zajete przez bloki, transakcje i teksty (bez zapasu kontenerow).
    [[nodiscard]] std::size_t bajty() const;

    class Iterator {
    public:
        using iterator_category = std::input_iterator_tag;
        using value_type = Blok;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = const Blok;

        Iterator(const LancuchBlokow* l, std::size_t i) : lancuch(l), pozycja(i) {}
        const Blok operator*() const { return (*lancuch)[pozycja]; }
        Iterator& operator++() { ++pozycja; return *this; }
        bool operator==(const Iterator& inny) const { return pozycja == inny.pozycja; }

    private:
        const LancuchBlokow* lancuch = nullptr;
        std::size_t pozycja = 0;
    };
    [[nodiscard]] Iterator begin() const { return Iterator(this, 0); }
    [[nodiscard]] Iterator end() const { return Iterator(this, size()); }

    bool operator==(const LancuchBlokow& inny) const;

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
    [[nodiscard]] bool rownyHashowiOstatniego(std::string_view tekst) const;

    std::deque<ZapisBloku> bloki;
    std::deque<ZapisTransakcji> transakcje;
    // Tablice tekstow: klucze (32 bajty, raz), podpisy (64 bajty), inne teksty (raz).
    std::deque<Bajty32> klucze;
    std::unordered_map<Bajty32, std::uint32_t, HaszBajtow> numeryKluczy;
    std::deque<Bajty64> podpisy;
    std::deque<std::string> teksty;
    std::unordered_map<std::string_view, std::uint32_t> numeryTekstow;
};

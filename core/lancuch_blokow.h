#pragma once
// Bloki lancucha w zwartej postaci (segmenty, patrz segment_blokow.h); blok w pelnej
// postaci powstaje przy odczycie. Pelne segmenty sa wspolne dla kopii: kopia lancucha
// kosztuje tyle, co niepelny ostatni segment, a nie caly lancuch.

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/blok.h"
#include "core/segment_blokow.h"

class LancuchBlokow {
public:
    LancuchBlokow() = default;
    explicit LancuchBlokow(const std::vector<Blok>& bloki);

    [[nodiscard]] std::size_t size() const { return pelne.size() * BLOKOW_W_SEGMENCIE + ogon.size(); }
    [[nodiscard]] bool empty() const { return size() == 0; }
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

    [[nodiscard]] std::size_t liczbaTransakcji(std::size_t i) const
    {
        return segment(i / BLOKOW_W_SEGMENCIE).liczbaTransakcji(i % BLOKOW_W_SEGMENCIE);
    }
    // Numery blokow od `od`, w ktorych `adres` dostal platnosc od innego, niepustego nadawcy.
    [[nodiscard]] std::vector<std::size_t> blokiZWplatami(const std::string& adres,
                                                          std::size_t od) const;
    // Saldo `adres` po blokach [od, size()), liczone od `poczatek`, bez budowania blokow.
    [[nodiscard]] std::int64_t saldo(std::int64_t poczatek, std::size_t od,
                                     const std::string& adres) const;
    // Dolicza do `salda` transakcje blokow [od, size()), bez budowania blokow.
    void doliczSalda(Salda& salda, std::size_t od) const;
    // Bajty zajete przez bloki, transakcje i teksty (segmenty dzielone z kopiami tez).
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
    [[nodiscard]] const SegmentBlokow& segment(std::size_t i) const;
    // Hash bloku przed pierwszym blokiem segmentu `nr`.
    [[nodiscard]] std::string hashPrzed(std::size_t nr) const;

    std::vector<std::shared_ptr<const SegmentBlokow>> pelne;
    SegmentBlokow ogon;
};

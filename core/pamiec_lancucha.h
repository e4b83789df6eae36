#pragma once
// Pamiec pomocnicza wlasciciela lancucha: co wie o pliku i jakie salda juz policzyl.
// Dzieki niej kolejne kroki kosztuja tyle, ile sie zmienilo, a nie caly lancuch.

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>

// Miejsce w lancuchu: epoka listy blokow, liczba blokow do tego miejsca i hash ostatniego.
// Epoka zmienia sie przy kazdej wymianie calej listy blokow, a nie przy dopisywaniu.
struct Punkt {
    std::uint64_t epoka = 0;
    std::size_t liczba = 0;
    std::string hashOstatniego;

    bool operator==(const Punkt&) const = default;
};

// Nowa, nigdy wczesniej nie uzyta epoka (bezpieczne miedzy watkami).
[[nodiscard]] std::uint64_t nowaEpoka();

using Salda = std::unordered_map<std::string, std::int64_t>;

// Plik, z ktorym lancuch byl ostatnio zgodny: jego tozsamosc i polozenie ostatniego bloku.
struct StanPliku {
    std::string sciezka;
    std::uint64_t urzadzenie = 0;
    std::uint64_t wezel = 0;
    std::int64_t rozmiar = -1;
    std::int64_t czasZmianyNs = 0;
    std::int64_t czasStatusuNs = 0;
    // Bajty pliku z blokami, ktore lancuch trzyma; zawsze koncza sie LF.
    std::int64_t dlugosc = 0;
    std::int64_t poczatekOstatniego = 0;
    // Tekst ostatniego trzymanego bloku, tak jak lezy w pliku (do sprawdzenia, czy plik
    // tylko urosl).
    std::string tekstOstatniego;
    Punkt punkt;
};

// Salda walidacji (biezace salda z reguly o wydawaniu) po bloku punkt.liczba - 1
// lancucha, ktory do tego miejsca przeszedl walidacje.
struct StanWalidacji {
    Punkt punkt;
    Salda salda;
};

#pragma once
// Ocena otrzymanego lancucha wzgledem wlasnego i jego przejecie.
// Otrzymany lancuch, ktory zaczyna sie dokladnie wszystkimi blokami wlasnego, jest
// sprawdzany od miejsca, do ktorego wlasny zna salda walidacji; wynik i pierwszy zly blok sa
// takie, jak przy sprawdzeniu calosci.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/blockchain.h"
#include "core/walidacja.h"

struct OcenaOtrzymanego {
    // Nic: otrzymany jest poprawny.
    WynikWalidacji blad;
    // Otrzymany zaczyna sie wszystkimi blokami wlasnego (w chwili oceny).
    bool rozszerzaWlasny = false;
    // `salda` to tylko zmiany wzgledem wlasny.walidacja.salda.
    bool wzgledemWlasnego = false;
    Salda salda;

    [[nodiscard]] bool poprawny() const { return !blad; }
};

// Czy `otrzymany` zaczyna sie wszystkimi blokami `wlasny`.
[[nodiscard]] bool czyRozszerza(const Blockchain& wlasny, const Blockchain& otrzymany);

// Sprawdzenie tylko nowych blokow: gdy otrzymany rozszerza wlasny, a wlasny zna salda
// walidacji dla swojego poczatku. Inaczej nic (trzeba sprawdzic calosc).
[[nodiscard]] std::optional<OcenaOtrzymanego> ocenRozszerzenie(const Blockchain& wlasny,
                                                               const Blockchain& otrzymany);
// Sprawdzenie calosci, z saldami do zapamietania.
[[nodiscard]] OcenaOtrzymanego ocenCalosc(const Blockchain& otrzymany);

// Saldo `adres` w otrzymanym lancuchu, liczone z zapamietanych sald wlasnego, gdy otrzymany
// go rozszerza, a inaczej przez caly lancuch.
[[nodiscard]] std::int64_t saldoOtrzymanego(Blockchain& wlasny, const Blockchain& otrzymany,
                                            const OcenaOtrzymanego& ocena,
                                            const std::string& adres);

// Wlasny przejmuje poprawny otrzymany lancuch: dopisuje nowe bloki, gdy otrzymany go
// rozszerza, inaczej wymienia calosc; salda walidacji przechodza razem z blokami.
// `otrzymany` zostaje z blokami, ktorych nie trzeba bylo przenosic.
void przejmijLancuch(Blockchain& wlasny, Blockchain& otrzymany, OcenaOtrzymanego&& ocena);

// Otrzymany lancuch, ktory zaczyna sie wszystkimi blokami wlasnego, trzymany bez nich:
// wspolny poczatek nie jest budowany ani kopiowany.
struct NoweBloki {
    std::size_t wspolnych = 0;
    std::vector<Blok> bloki;

    [[nodiscard]] std::size_t liczbaBlokow() const { return wspolnych + bloki.size(); }
};

// Jak ocenRozszerzenie dla otrzymanego w postaci NoweBloki (otrzymany.wspolnych musi byc
// rowne liczbie blokow wlasnego). Nic, gdy wlasny nie zna sald walidacji swojego poczatku.
[[nodiscard]] std::optional<OcenaOtrzymanego> ocenNoweBloki(const Blockchain& wlasny,
                                                            const NoweBloki& otrzymany);
void przejmijLancuch(Blockchain& wlasny, NoweBloki& otrzymany, OcenaOtrzymanego&& ocena);
// Saldo po nowych blokach liczy sie od salda wlasnego lancucha; ocena nie jest potrzebna.
[[nodiscard]] std::int64_t saldoOtrzymanego(Blockchain& wlasny, const NoweBloki& otrzymany,
                                            const OcenaOtrzymanego& ocena,
                                            const std::string& adres);

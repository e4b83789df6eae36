#pragma once
// Wypchniecie lancucha do jednego wezla i pobranie lancucha od niego. Z wezlem tego programu
// rozmowa synchronizacji przenosi tylko brakujace bloki, a odpowiedz niesie jego decyzje;
// wezel, ktory zna tylko wymiane calych lancuchow, dostaje caly lancuch jak zawsze.

#include <chrono>
#include <cstdint>
#include <mutex>
#include <shared_mutex>
#include <stop_token>
#include <string>
#include <string_view>

#include "net/biorca.h"
#include "core/blockchain.h"
#include "net/gniazda.h"
#include "net/wezly.h"

class Dziennik;

enum class WynikRozmowy {
    nieOsiagniety, // polaczenie albo wysylka nie wyszly
    wyslanyCaly,   // wezel starego rodzaju dostal caly lancuch (jego decyzji nie znamy)
    przyjety,
    juzMial,
    nieDluzszy,
    saldo,
    niepoprawny,
    odmowa,        // inna odmowa po stronie wezla
    przerwany,     // rozmowa urwala sie przed decyzja
};

struct RozmowaWypchniecia {
    WynikRozmowy wynik = WynikRozmowy::nieOsiagniety;
    std::int64_t ileJego = 0;
};

// Czy wezel dostal lancuch (tak liczy rozgloszenie: polaczono i wyslano albo odpowiedzial).
[[nodiscard]] bool osiagniety(WynikRozmowy wynik);

// Tekst calego lancucha, liczony raz i tylko wtedy, gdy jakis wezel go potrzebuje.
// `mutex` (moze byc pusty) chroni lancuch, ktory inny watek wczytuje na nowo.
class TekstNaZadanie {
public:
    explicit TekstNaZadanie(const Blockchain& lancuch, std::shared_mutex* mutex = nullptr)
        : lancuch(lancuch), mutex(mutex) {}
    [[nodiscard]] std::string_view pobierz();

private:
    const Blockchain& lancuch;
    std::shared_mutex* mutex = nullptr;
    std::once_flag raz;
    std::string tekst;
};

// Co wypychamy: lancuch (czytany pod wspolna blokada `mutex`, gdy jest) i jego tekst dla
// wezlow starego rodzaju.
struct ZrodloWypchniecia {
    const Blockchain& lancuch;
    std::shared_mutex* mutex = nullptr;
    TekstNaZadanie& tekst;
};

[[nodiscard]] RozmowaWypchniecia wypchnijBlokami(Dziennik& dziennik, const ZrodloWypchniecia& zrodlo,
                                                 const Wezel& wezel, int port,
                                                 const std::string& plikWezlow, int mojPort,
                                                 const std::stop_token& stop,
                                                 std::chrono::milliseconds limitOdbioru = LIMIT_ODBIORU);

// Pobranie lancucha od wezla tego programu do zywego lancucha `kontekst` (zwyklymi
// regulami); kazde czekanie konczy `kontekst.stop`. `stary`: wezel okazal sie starego
// rodzaju (nie umie dawac blokow).
[[nodiscard]] WynikPobierania pobierzLancuchOd(KontekstSerwera& kontekst, const Wezel& wezel,
                                               const ZglosPostep& postep, bool& stary);

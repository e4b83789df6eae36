#pragma once
// Rozgloszenie lancucha do wszystkich znanych wezlow i bootstrap z seedow.

#include <chrono>
#include <functional>
#include <stop_token>
#include <string>
#include <vector>

#include "core/blockchain.h"
#include "net/gniazda.h"
#include "net/wezly.h"
#include "net/wypchniecie_blokami.h"

class Dziennik;

// Co wezly zrobily z lancuchem. Wezel tego programu odpowiada decyzja; wezel starego
// rodzaju dostaje caly lancuch i nic o nim nie mowi.
struct DecyzjeWezlow {
    int przyjete = 0;
    int juzMialy = 0;
    int stare = 0;
    int nieDluzszy = 0;
    int saldo = 0; // jego straznik salda
    int niepoprawny = 0;
    int inneOdmowy = 0;
    int bezOdpowiedzi = 0; // nieosiagniety albo rozmowa urwana przed decyzja
    // Najdluzszy lancuch wezla, ktory odmowil, bo ma nie krotszy (0: zaden).
    std::int64_t najdluzszyJego = 0;

    bool operator==(const DecyzjeWezlow&) const = default;
    // Ile wezlow powiedzialo, co zrobilo.
    [[nodiscard]] int zDecyzja() const;
    void dolicz(const RozmowaWypchniecia& rozmowa);
};

struct WynikRozgloszenia {
    int sukcesy = 0;
    int wszystkie = 0;
    DecyzjeWezlow decyzje;

    bool operator==(const WynikRozgloszenia&) const = default;
};

// Wpisy, ktore czyToJa rozpoznaje jako ten wezel, sa pomijane i nie wchodza do licznikow.
// `stop` konczy czekania wszystkich wysylek (takze na watkach pomocniczych).
[[nodiscard]] WynikRozgloszenia rozglosLancuch(
    Dziennik& dziennik, const Blockchain& lancuch, const std::string& plikWezlow, int mojPort,
    const std::stop_token& stop, std::chrono::milliseconds limitOdbioru = LIMIT_ODBIORU);

// Seedy do bootstrapu: puste, gdy znamy juz jakis wezel albo nie ma seedow.
[[nodiscard]] std::vector<Wezel> seedyDoBootstrapu(const std::string& plikWezlow,
                                                   const std::string& plikSeedow);

// Sieciowa polowa bootstrapu (dla watku okna): wypycha lancuch do kazdego seeda po kolei,
// scala odpowiedzi z plikiem wezlow, na koncu wola `gotowe` (jesli ustawione).
void bootstrapZSeedow(Dziennik& dziennik, const Blockchain& lancuch, const std::vector<Wezel>& seedy,
                      const std::string& plikWezlow, int mojPort, const std::stop_token& stop,
                      const std::function<void()>& gotowe,
                      std::chrono::milliseconds limitOdbioru = LIMIT_ODBIORU);

#pragma once
// Narzedzia testow sieci: gniazda i serwery testowe na 127.0.0.1, klucze, czekanie.

#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "gniazda.h"
#include "klucze.h"
#include "pomoc_lancucha.h"
#include "pomoc_testow.h"
#include "wezly.h"

using namespace std::chrono_literals;

// Czytelny wydruk wezla w komunikatach gtest.
void PrintTo(const Wezel& wezel, std::ostream* os);

// Nasluch TCP na 127.0.0.1 z portem przydzielonym przez system.
[[nodiscard]] Gniazdo nasluchNaLoopbacku(int kolejka, int& port);
// Zwykle (blokujace) polaczenie z 127.0.0.1:port.
[[nodiscard]] Gniazdo polaczZLoopbackiem(int port);

// Para polaczonych gniazd TCP na 127.0.0.1: `klient` i `serwer`.
struct ParaTcp {
    Gniazdo klient = NIEPRAWIDLOWE_GNIAZDO;
    Gniazdo serwer = NIEPRAWIDLOWE_GNIAZDO;
    ParaTcp();
    ~ParaTcp();
    ParaTcp(const ParaTcp&) = delete;
    ParaTcp& operator=(const ParaTcp&) = delete;
    void wyslijSurowo(const std::string& bajty) const;
    void zamknijKlienta();
};

// Petla serwera (np. nasluchujTcpWPetli) na osobnym watku i wolnym porcie;
// konstruktor czeka, az petla zglosi gotowosc.
class PetlaTestowa {
public:
    using Petla = std::function<void(int, const StopPredykat&, const std::function<void(bool)>&)>;
    explicit PetlaTestowa(Petla petla);
    ~PetlaTestowa() { zatrzymaj(); }
    [[nodiscard]] int port() const { return numerPortu; }
    void zatrzymaj();

private:
    int numerPortu = 0;
    std::atomic<bool> stop{false};
    std::atomic<int> stanGotowosci{0};
    std::thread watek;
};

// nasluchujTcpWPetli z zapisem otrzymanych wiadomosci.
class SerwerTestowy {
public:
    using Obsluga = std::function<std::string(const std::string&)>;
    explicit SerwerTestowy(Obsluga obsluga = {}, std::chrono::milliseconds limit = LIMIT_ODBIORU);
    [[nodiscard]] int port() const { return petla.port(); }
    [[nodiscard]] std::vector<std::string> otrzymane();

private:
    std::mutex mutexOtrzymanych;
    std::vector<std::string> zebrane;
    Obsluga obsluga;
    PetlaTestowa petla; // ostatnia: watek startuje po pozostalych polach
};

// Trzy pary kluczy, te same przez caly przebieg (numer 0..2).
[[nodiscard]] const ParaKluczy& kluczeTestowe(int numer);
[[nodiscard]] inline std::string adresTestowy(int numer) { return kluczPublicznyHex(kluczeTestowe(numer)); }

// Czeka az warunek bedzie prawdziwy albo minie limit; zwraca ostatni wynik warunku.
[[nodiscard]] bool czekajAz(const std::function<bool()>& warunek,
                            std::chrono::milliseconds limit = 10s);

#pragma once
// Narzedzia testow sieci: czekanie na warunek, petla serwera na watku, symulowana siec LAN.

#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <stop_token>
#include <string>
#include <thread>
#include <vector>

#include "net/gniazda.h"
#include "core/klucze.h"
#include "pomoc_testow.h"

using namespace std::chrono_literals;

// Czeka, az warunek bedzie prawdziwy albo minie limit; zwraca ostatni wynik.
[[nodiscard]] bool czekajAz(const std::function<bool()>& warunek, std::chrono::milliseconds limit = 10s);

// Petla serwera na osobnym watku i wolnym porcie; konstruktor czeka na gotowosc.
class PetlaTestowa {
public:
    using Petla = std::function<void(int, const std::stop_token&, const std::function<void(bool)>&)>;
    explicit PetlaTestowa(Petla petla);
    ~PetlaTestowa() { zatrzymaj(); }
    [[nodiscard]] int port() const { return numerPortu; }
    void zatrzymaj();

private:
    int numerPortu = 0;
    std::atomic<int> stan{0};
    std::jthread watek;
};

// nasluchujTcpWPetli na wolnym porcie; zapamietuje otrzymane wiadomosci.
class SerwerTestowy {
public:
    using Obsluga = std::function<std::string(const std::string&)>;
    explicit SerwerTestowy(Obsluga obsluga = {}, std::chrono::milliseconds limit = LIMIT_ODBIORU);
    [[nodiscard]] int port() const { return petla.port(); }
    [[nodiscard]] std::vector<std::string> otrzymane();
    [[nodiscard]] int ileSynchronizacji();

private:
    int synchronizacji = 0;
    std::mutex mutexOtrzymanych;
    std::vector<std::string> zebrane;
    Obsluga obsluga;
    PetlaTestowa petla; // ostatnia: watek startuje po pozostalych polach
};

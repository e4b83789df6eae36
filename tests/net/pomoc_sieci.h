#pragma once
// Narzedzia testow sieci: wolne porty, serwery testowe na 127.0.0.1, lancuchy do wymiany.

#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "blockchain.h"
#include "gniazda.h"
#include "klucze.h"
#include "wezly.h"

using namespace std::chrono_literals;

// Czytelny wydruk wezla w komunikatach gtest.
void PrintTo(const Wezel& wezel, std::ostream* os);

// Port TCP, ktory przed chwila byl wolny (przydzielony przez system).
[[nodiscard]] int wolnyPortTcp();

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

// Petla nasluchujTcpWPetli na osobnym watku; zapisuje otrzymane wiadomosci.
class SerwerTestowy {
public:
    using Obsluga = std::function<std::string(const std::string&)>;
    explicit SerwerTestowy(Obsluga obsluga = {}, std::chrono::milliseconds limit = LIMIT_ODBIORU);
    ~SerwerTestowy();
    [[nodiscard]] int port() const { return numerPortu; }
    [[nodiscard]] bool gotowy() const { return stanGotowosci.load() == 1; }
    [[nodiscard]] std::vector<std::string> otrzymane();
    void zatrzymaj();

private:
    int numerPortu = 0;
    std::atomic<bool> stop{false};
    std::atomic<int> stanGotowosci{0};
    std::mutex mutexOtrzymanych;
    std::vector<std::string> zebrane;
    std::thread watek;
};

// Serwer wymiany lancuchow (nasluchujIPrzyjmujLancuchyWPetli) na osobnym watku.
class WezelTestowy {
public:
    WezelTestowy(std::string plikLancucha, std::string plikWezlow, std::string klucz,
                 std::chrono::milliseconds limit = LIMIT_ODBIORU);
    ~WezelTestowy();
    [[nodiscard]] int port() const { return numerPortu; }
    void zatrzymaj();

private:
    int numerPortu = 0;
    std::atomic<bool> stop{false};
    std::atomic<int> stanGotowosci{0};
    Blockchain lancuch;
    std::thread watek;
};

// Lancuch z `ile` blokami po genezie, nagrody dla `gornik`; niska trudnosc dla szybkosci
// (walidacja sprawdza hashe i powiazania, nie liczbe zer).
[[nodiscard]] Blockchain lancuchTestowy(const std::string& gornik, int ile);
// Dokopuje blok z nagroda dla `gornik` i dodatkowymi transakcjami.
void dokopBlok(Blockchain& lancuch, const std::string& gornik,
               const std::vector<Transakcja>& transakcje = {});
[[nodiscard]] const ParaKluczy& kluczeTestowe(int numer);

// Czeka az warunek bedzie prawdziwy albo minie limit; zwraca ostatni wynik warunku.
[[nodiscard]] bool czekajAz(const std::function<bool()>& warunek,
                            std::chrono::milliseconds limit = 10s);

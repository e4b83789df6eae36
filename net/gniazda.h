#pragma once
// Warstwa gniazd: TCP i UDP po IPv4, wszystko blokujace, bledy jako wyniki.
// Na POSIX zastepuje Windows Sockets: te same wyniki i te same komunikaty.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

class Dziennik;

using Gniazdo = int;
inline constexpr Gniazdo NIEPRAWIDLOWE_GNIAZDO = -1;

// Czas na zestawienie polaczenia.
inline constexpr std::chrono::milliseconds LIMIT_POLACZENIA{5000};
// Cisza, po ktorej odbior sie poddaje (zaden bajt przez ten czas).
inline constexpr std::chrono::milliseconds LIMIT_ODBIORU{30000};
// Dluzsza zapowiedziana ramka jest odrzucana bez czytania tresci.
inline constexpr long long MAKS_DLUGOSC_RAMKI = 512LL * 1024 * 1024;

using StopPredykat = std::function<bool()>;

// Port spoza zakresu obcialby sie po cichu do innego.
[[nodiscard]] inline constexpr bool portPoprawny(int port) { return port >= 1 && port <= 65535; }
// Najdluzszy przyjmowany datagram UDP; dluzszy jest odrzucany w calosci.
inline constexpr std::size_t MAKS_DLUGOSC_DATAGRAMU = 511;

// Najdluzszy odcinek jednego czekania na gniazdo, zanim znow zapytamy o zatrzymanie.
inline constexpr std::chrono::milliseconds KROK_CZEKANIA_NA_STOP{200};

// Predykat zatrzymania widziany przez kazde czekanie na gniazdo w tym watku
// (laczenie, wysylanie, odbior): po zatrzymaniu czekanie konczy sie jak po czasie.
// Zakresy mozna zagniezdzac; po wyjsciu wraca poprzedni.
class ZakresStopu {
public:
    explicit ZakresStopu(const StopPredykat& stop);
    ~ZakresStopu();
    ZakresStopu(const ZakresStopu&) = delete;
    ZakresStopu& operator=(const ZakresStopu&) = delete;

private:
    const StopPredykat* poprzedni = nullptr;
};
// Predykat zakresu tego watku (nullptr, gdy nie ma; watek pomocniczy moze go przejac
// wlasnym ZakresStopu) i pytanie o zatrzymanie.
[[nodiscard]] const StopPredykat* biezacyStop();
[[nodiscard]] bool zatrzymanoWatek();

[[nodiscard]] bool inicjalizujSiec();
void zakonczSiec();
void zamknijGniazdo(Gniazdo gniazdo);
// poll z ponawianiem po EINTR: >0 gotowe, 0 uplynal czas lub zatrzymano watek, <0 blad.
[[nodiscard]] int czekajNaGniazdo(Gniazdo gniazdo, short zdarzenia,
                                  std::chrono::milliseconds limit);

// Bledy gniazda, bindowania i nasluchu trafiaja do `dziennik`.
[[nodiscard]] Gniazdo utworzGniazdoNasluchu(Dziennik& dziennik, int port);

// Rownoczesnie obslugiwane polaczenia: razem i z jednego adresu. Nadmiarowe polaczenie
// z adresu, ktory ma juz komplet, jest od razu zamykane. Przy komplecie w ogole nowe
// polaczenie wypiera to, ktore wciaz odbiera zapytanie z najmniejszym tempem (starsze niz
// KARENCJA_WYPARCIA); gdy takiego nie ma, nowe czekaja w kolejce jadra.
inline constexpr int MAKS_POLACZEN = 8;
inline constexpr int MAKS_POLACZEN_Z_ADRESU = 2;
inline constexpr std::chrono::milliseconds KARENCJA_WYPARCIA{1000};

// Najdluzsza ramka zapytania, pytana przy kazdym polaczeniu (puste: MAKS_DLUGOSC_RAMKI).
using LimitRamki = std::function<std::uint64_t()>;

// Kazde polaczenie na wlasnym watku; petla wraca dopiero, gdy wszystkie sie skoncza.
// Obsluga dostaje pierwsza wiadomosc i gniazdo (rozmowa moze trwac dalej); zwraca
// ostatnia odpowiedz, wysylana, gdy nie jest pusta.
// Zapytania podlegaja minimalnemu tempu i budzetowi pamieci procesu.
void nasluchujTcpWPetli(Dziennik& dziennik, int port, const StopPredykat& stop,
                        const std::function<std::string(const std::string&, Gniazdo)>& obsluga,
                        const std::function<void(bool)>& gotowy,
                        std::chrono::milliseconds limitOdbioru = LIMIT_ODBIORU,
                        const LimitRamki& limitRamki = {});

[[nodiscard]] Gniazdo polaczZLimitemCzasu(Dziennik& dziennik, const std::string& ip, int port,
                                          std::chrono::milliseconds limit = LIMIT_POLACZENIA);

// `poKroku` (gdy ustawione) po kazdym datagramie i kazdym pustym czekaniu (co najwyzej 500 ms).
void nasluchujUdpWPetli(Dziennik& dziennik, int port, const StopPredykat& stop,
                        const std::function<void(const std::string&, const std::string&)>& obsluga,
                        const std::function<void()>& poKroku = {});

[[nodiscard]] bool rozglosUdp(int port, const std::string& tresc);

// Adres tej maszyny w sieci lokalnej, ustalony raz na caly proces; pusty, gdy sie nie udalo.
[[nodiscard]] const std::string& lokalnyAdresIp();
[[nodiscard]] bool czyToJa(const std::string& ip, int port, int mojPort);

#pragma once
// Warstwa gniazd: TCP i UDP po IPv4, wszystko blokujace, bledy jako wyniki.
// Na POSIX zastepuje Windows Sockets: te same wyniki i te same komunikaty.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <netinet/in.h>
#include <stop_token>
#include <string>

class Dziennik;

#include "core/deskryptor.h"
#include "net/port.h"

// Gniazdo IPv4 z jednym wlascicielem: zamykane w destruktorze, przenoszone, nigdy kopiowane.
class Gniazdo {
public:
    Gniazdo() = default;
    // Przejmuje `fd` (ujemny: brak gniazda).
    explicit Gniazdo(int fd) noexcept : fd(fd) {}

    // Nowe gniazdo (SOCK_STREAM albo SOCK_DGRAM), zamykane przy exec; puste, gdy system odmowil.
    [[nodiscard]] static Gniazdo utworz(int rodzaj);
    // Adres IPv4 z adresem w kolejnosci sieciowej i portem.
    [[nodiscard]] static sockaddr_in adres(in_addr_t adresSieci, int port);

    [[nodiscard]] bool otwarte() const { return fd.otwarty(); }
    [[nodiscard]] int operator*() const { return *fd; }
    void zamknij() { (void)fd.zamknij(); }

    // bind na `adresSieci` i `port`; port spoza zakresu daje false jak zajety.
    [[nodiscard]] bool przypisz(in_addr_t adresSieci, int port) const;
    // bind na wszystkich adresach z SO_REUSEADDR (port wolny mimo TIME_WAIT po restarcie).
    [[nodiscard]] bool przypiszWszystkim(int port) const;
    [[nodiscard]] bool ustawNieblokujace(bool wlacz) const;
    // Czeka na `zdarzenia` najwyzej `limit`: >0 gotowe, 0 uplynal czas albo zatrzymano,
    // <0 blad. Zatrzymanie jest sprawdzane co KROK_CZEKANIA_NA_STOP.
    [[nodiscard]] int czekaj(short zdarzenia, std::chrono::milliseconds limit,
                             const std::stop_token& stop) const;

private:
    Deskryptor fd;
};

// Czas na zestawienie polaczenia.
inline constexpr std::chrono::milliseconds LIMIT_POLACZENIA{5000};
// Cisza, po ktorej odbior sie poddaje (zaden bajt przez ten czas).
inline constexpr std::chrono::milliseconds LIMIT_ODBIORU{30000};
// Dluzsza zapowiedziana ramka jest odrzucana bez czytania tresci.
inline constexpr long long MAKS_DLUGOSC_RAMKI = 512LL * 1024 * 1024;

// Najdluzszy przyjmowany datagram UDP; dluzszy jest odrzucany w calosci.
inline constexpr std::size_t MAKS_DLUGOSC_DATAGRAMU = 511;

// Najdluzszy odcinek jednego czekania na gniazdo, zanim znow zapytamy o zatrzymanie.
inline constexpr std::chrono::milliseconds KROK_CZEKANIA_NA_STOP{200};

[[nodiscard]] bool inicjalizujSiec();
void zakonczSiec();

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

// Obsluga polaczenia: pierwsza wiadomosc, gniazdo (rozmowa moze trwac dalej) i zatrzymanie
// tego polaczenia; zwraca ostatnia odpowiedz, wysylana, gdy nie jest pusta.
using ObslugaPolaczenia =
    std::function<std::string(const std::string&, const Gniazdo&, const std::stop_token&)>;

// Kazde polaczenie na wlasnym watku; petla wraca dopiero, gdy wszystkie sie skoncza.
// Zapytania podlegaja minimalnemu tempu i budzetowi pamieci procesu.
void nasluchujTcpWPetli(Dziennik& dziennik, int port, const std::stop_token& stop,
                        const ObslugaPolaczenia& obsluga,
                        const std::function<void(bool)>& gotowy,
                        std::chrono::milliseconds limitOdbioru = LIMIT_ODBIORU,
                        const LimitRamki& limitRamki = {});

// Zatrzymanie w trakcie laczenia daje puste gniazdo bez wiersza o przekroczonym czasie.
[[nodiscard]] Gniazdo polaczZLimitemCzasu(Dziennik& dziennik, const std::string& ip, int port,
                                          const std::stop_token& stop,
                                          std::chrono::milliseconds limit = LIMIT_POLACZENIA);

// `poKroku` (gdy ustawione) po kazdym datagramie i kazdym pustym czekaniu (co najwyzej 500 ms).
void nasluchujUdpWPetli(Dziennik& dziennik, int port, const std::stop_token& stop,
                        const std::function<void(const std::string&, const std::string&)>& obsluga,
                        const std::function<void()>& poKroku = {});

[[nodiscard]] bool rozglosUdp(int port, const std::string& tresc);

// Adres tej maszyny w sieci lokalnej, ustalony raz na caly proces; pusty, gdy sie nie udalo.
[[nodiscard]] const std::string& lokalnyAdresIp();
[[nodiscard]] bool czyToJa(const std::string& ip, int port, int mojPort);

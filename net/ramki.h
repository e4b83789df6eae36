#pragma once
// Ramki wiadomosci: dziesiec cyfr dlugosci i tresc.

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <stop_token>
#include <string>
#include <string_view>

#include "net/budzet_pamieci.h"
#include "net/gniazda.h"

class Dziennik;

// Odpowiedz to lista wezlow: nawet pelny plik wezlow miesci sie w tym z zapasem.
inline constexpr long long MAKS_DLUGOSC_ODPOWIEDZI = 16LL * 1024 * 1024;
// Cyfry naglowka dlugosci (ramki i lancucha w wiadomosci lancucha).
inline constexpr std::size_t DLUGOSC_NAGLOWKA = 10;
// Najwieksza dlugosc, jaka zapisze naglowek dziesieciu cyfr.
inline constexpr std::uint64_t MAKS_DLUGOSC_W_NAGLOWKU = 9'999'999'999ULL;

// Zapytanie musi po pierwszych sekundach przychodzic co najmniej w tym tempie (liczone
// w kazdym oknie; w oknie wystarczy tez cala reszta wiadomosci). Inaczej polaczenie
// jest zamykane: kilka saczacych polaczen nie zajmie wszystkich miejsc serwera.
inline constexpr std::uint64_t MIN_TEMPO_BAJTOW_NA_S = 64 * 1024;
inline constexpr std::chrono::seconds OKNO_TEMPA{10};
inline constexpr std::chrono::seconds KARENCJA_TEMPA{5};
// Najdluzsze czekanie na miejsce w budzecie pamieci.
inline constexpr std::chrono::milliseconds CZEKANIE_NA_PAMIEC{10000};

// Jak skonczyl sie odbior ramki.
enum class WynikOdbioru {
    Odebrano,
    Pusta,       // naglowek zero: nie ma czego obslugiwac
    Przerwano,   // peer zamknal polaczenie albo blad gniazda
    Zatrzymano,  // zatrzymanie watku
    Cisza,       // zaden bajt przez limit ciszy
    PoTerminie,  // cala wiadomosc nie zmiescila sie w swoim terminie
    ZaWolno,     // ponizej minimalnego tempa
    ZlyNaglowek, // naglowek nie jest liczba
    ZaDluga,     // zapowiedziana dlugosc ponad limit
    BrakPamieci, // ramka nie zmiescila sie w budzecie pamieci
};

struct OpcjeOdbioru {
    std::chrono::milliseconds limit = LIMIT_ODBIORU; // cisza
    std::uint64_t maksDlugosc = MAKS_DLUGOSC_RAMKI;
    bool minimalneTempo = false;
    // Tresc rezerwowana w tym budzecie w miare odbioru (nullptr: bez budzetu).
    BudzetPamieci* budzet = nullptr;
    // Dotad odebrane bajty (naglowek i tresc), widoczne dla innych watkow.
    std::atomic<std::uint64_t>* postep = nullptr;
};

struct OdebranaRamka {
    WynikOdbioru wynik = WynikOdbioru::Przerwano;
    std::string tresc;
    RezerwacjaPamieci pamiec; // trzymac, dopoki tresc (i to, co z niej powstanie) zyje
};

// Kazde czekanie (na bajty i na budzet pamieci) konczy tez `stop`: wynik Zatrzymano.
[[nodiscard]] OdebranaRamka odbierzRamke(const Gniazdo& gniazdo, const OpcjeOdbioru& opcje,
                                         const std::stop_token& stop);

// Wysylanie i odbior maja limit ciszy (`limit`) oraz termin calej wiadomosci:
// limit plus jej dlugosc przy 1 MiB/s. Kazde czekanie konczy tez `stop`.
[[nodiscard]] bool wyslijWiadomosc(const Gniazdo& gniazdo, const std::string& tresc,
                                   const std::stop_token& stop,
                                   std::chrono::milliseconds limit = LIMIT_ODBIORU);
// Tresc ramki albo pusty tekst przy kazdym niepowodzeniu.
[[nodiscard]] std::string odbierzWiadomosc(const Gniazdo& gniazdo, const std::stop_token& stop,
                                           std::chrono::milliseconds limit = LIMIT_ODBIORU,
                                           std::uint64_t maksDlugosc = MAKS_DLUGOSC_RAMKI);
[[nodiscard]] bool wyslijIOdbierz(Dziennik& dziennik, const std::string& ip, int port,
                                  const std::string& zapytanie, std::string& odpowiedz,
                                  const std::stop_token& stop,
                                  std::chrono::milliseconds limit = LIMIT_ODBIORU);

// Jak wyslijIOdbierz, ale tresc zapytania to kolejne czesci wyslane jedna za druga
// (ten sam zapis na linii, bez sklejania duzego tekstu w pamieci). Odpowiedz dluzsza
// niz MAKS_DLUGOSC_ODPOWIEDZI jest odrzucana. Tresc dluzsza niz MAKS_DLUGOSC_W_NAGLOWKU
// nie jest wysylana.
[[nodiscard]] bool wyslijCzesciIOdbierz(Dziennik& dziennik, const std::string& ip, int port,
                                        std::initializer_list<std::string_view> czesci,
                                        std::string& odpowiedz, const std::stop_token& stop,
                                        std::chrono::milliseconds limit = LIMIT_ODBIORU);

// Jedna ramka: naglowek dlugosci i kolejne czesci tresci w jednym terminie calej wiadomosci
// (bez sklejania duzego tekstu w pamieci).
[[nodiscard]] bool wyslijCzesci(const Gniazdo& gniazdo,
                                std::initializer_list<std::string_view> czesci,
                                const std::stop_token& stop,
                                std::chrono::milliseconds limit = LIMIT_ODBIORU);

// Naglowek dlugosci: co najmniej dziesiec cyfr z zerami z lewej.
[[nodiscard]] std::string naglowekDlugosci(std::size_t dlugosc);

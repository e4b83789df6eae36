#pragma once
// Wymiana lancuchow: zapytanie (lancuch i lista wezlow), odpowiedz (lista wezlow),
// klient jednej wymiany i serwer, ktory decyduje o przyjeciu lancucha.

#include <chrono>
#include <cstdint>
#include <functional>
#include <shared_mutex>
#include <stop_token>
#include <string>
#include <string_view>

#include "core/blockchain.h"
#include "net/gniazda.h"
#include "net/kanal.h"
#include "net/wezly.h"
#include "core/dziennik.h"

// Wszystko, z czym pracuje obsluga zapytan serwera przez caly czas jego petli.
struct KontekstSerwera {
    // Decyzje i odmowy serwera.
    Dziennik& dziennik;
    Blockchain& lancuch;
    std::string plikLancucha;
    std::string plikWezlow;
    std::string kluczPubliczny;
    int mojPort = -1;
    std::chrono::milliseconds limitOdbioru = LIMIT_ODBIORU;
    // Zleca rozgloszenie przyjetego lancucha w tle; gdy puste, obsluga rozglasza sama,
    // przed wyslaniem odpowiedzi. W obu razach juz po scaleniu listy nadawcy.
    std::function<void()> poPrzyjeciu;
    // Zatrzymanie petli serwera albo pobierania: konczy czekania obslugi poza kanalem
    // (budzet pamieci, rozgloszenie bez rozglaszacza w tle).
    std::stop_token stop{};
    // Zywy lancuch zmieniaja polaczenia obslugiwane naraz: zmiana pod wylaczna blokada
    // (i pod blokada zapisu pliku), odczyt porownujacy pod wspolna.
    std::shared_mutex mutexLancucha{};
};

// Otrzymany lancuch, ktorego postac w pamieci przekroczylaby tyle razy jego tekst, jest
// odrzucany. Lancuchy tego programu (nawet milion blokow z platnosciami) potrzebuja
// najwyzej okolo 2,7 razy tyle co tekst; puste transakcje okolo 45 razy.
inline constexpr std::uint64_t MNOZNIK_PAMIECI_LANCUCHA = 8;

// Wypchniecie calego lancucha jest przyjmowane, gdy jego tekst przekracza wlasny najwyzej
// o tyle, takze ponad MAKS_DLUGOSC_RAMKI: dlugie lancuchy nie zatrzymuja sieci.
inline constexpr std::uint64_t ZAPAS_PONAD_WLASNY_LANCUCH = 64ULL * 1024 * 1024;
// Najdluzsza ramka zapytania przy wlasnym lancuchu o tylu bajtach tekstu.
[[nodiscard]] std::uint64_t najdluzszeZapytanie(std::uint64_t wlasnyLancuch);

[[nodiscard]] std::string zbudujWiadomoscLancucha(const std::string& tekstLancucha,
                                                  const std::string& tekstWezlow);
[[nodiscard]] bool rozdzielWiadomoscLancucha(const std::string& wiadomosc,
                                             std::string& tekstLancucha,
                                             std::string& tekstWezlow);

// Jak wyzej, ale bez kopiowania: widoki wskazuja w `wiadomosc`.
[[nodiscard]] bool rozdzielWidokWiadomosci(std::string_view wiadomosc,
                                           std::string_view& tekstLancucha,
                                           std::string_view& tekstWezlow);

[[nodiscard]] bool wyslijLancuchDoWezla(Dziennik& dziennik, const Blockchain& lancuch, const Wezel& wezel, int port,
                                        const std::string& plikWezlow, int mojPort,
                                        const std::stop_token& stop,
                                        std::chrono::milliseconds limitOdbioru = LIMIT_ODBIORU);

// Jak wyslijLancuchDoWezla, z gotowym tekstem lancucha (jeden tekst dla wielu wezlow).
// Bezpieczne dla kilku watkow naraz: odczyt i scalanie pliku wezlow sa szeregowane.
[[nodiscard]] bool wyslijTekstLancuchaDoWezla(Dziennik& dziennik, std::string_view tekstLancucha, const Wezel& wezel,
                                              int port, const std::string& plikWezlow,
                                              int mojPort, const std::stop_token& stop,
                                              std::chrono::milliseconds limitOdbioru = LIMIT_ODBIORU);

// Odpowiedz na pierwsza wiadomosc polaczenia: caly lancuch albo poczatek rozmowy
// synchronizacji, ktora ciagnie sie przez `kanal` (bez kanalu konczy sie na odpowiedzi).
[[nodiscard]] std::string obsluzPrzychodzacyLancuch(KontekstSerwera& kontekst,
                                                    const std::string& wiadomosc,
                                                    Kanal* kanal = nullptr);

// Serwer na porcie kontekst.mojPort do zatrzymania kontekst.stop; przyjete lancuchy idza dalej
// w tle (kontekst.poPrzyjeciu ustawia sama petla). `gotowy` dostaje wynik otwarcia portu.
void nasluchujIPrzyjmujLancuchyWPetli(KontekstSerwera& kontekst,
                                      const std::function<void(bool)>& gotowy);

// Dopisuje do pliku wezly z listy, pomijajac wpisy oznaczajace ten wezel
// (najwyzej MAKS_WEZLOW_Z_WIADOMOSCI wpisow, jednym odczytem i jednym zapisem pliku).
void scalListeWezlow(std::string_view tekstWezlow, const std::string& plikWezlow, int mojPort);

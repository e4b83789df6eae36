#pragma once
// Warstwa gniazd: TCP i UDP po IPv4, wszystko blokujace, bledy jako wyniki.
// Na POSIX zastepuje Windows Sockets: te same wyniki i te same komunikaty.

#include <chrono>
#include <functional>
#include <string>

using Gniazdo = int;
inline constexpr Gniazdo NIEPRAWIDLOWE_GNIAZDO = -1;

// Czas na zestawienie polaczenia.
inline constexpr std::chrono::milliseconds LIMIT_POLACZENIA{5000};
// Cisza, po ktorej odbior sie poddaje (zaden bajt przez ten czas).
inline constexpr std::chrono::milliseconds LIMIT_ODBIORU{30000};
// Dluzsza zapowiedziana ramka jest odrzucana bez czytania tresci.
inline constexpr long long MAKS_DLUGOSC_RAMKI = 512LL * 1024 * 1024;

using StopPredykat = std::function<bool()>;

[[nodiscard]] bool inicjalizujSiec();
void zakonczSiec();
void zamknijGniazdo(Gniazdo gniazdo);
// poll z ponawianiem po EINTR: >0 gotowe, 0 uplynal czas, <0 blad.
[[nodiscard]] int czekajNaGniazdo(Gniazdo gniazdo, short zdarzenia,
                                  std::chrono::milliseconds limit);

[[nodiscard]] Gniazdo utworzGniazdoNasluchu(int port);

void nasluchujTcpWPetli(int port, const StopPredykat& stop,
                        const std::function<std::string(const std::string&)>& obsluga,
                        const std::function<void(bool)>& gotowy,
                        std::chrono::milliseconds limitOdbioru = LIMIT_ODBIORU);

[[nodiscard]] Gniazdo polaczZLimitemCzasu(const std::string& ip, int port,
                                          std::chrono::milliseconds limit = LIMIT_POLACZENIA);

void nasluchujUdpWPetli(int port, const StopPredykat& stop,
                        const std::function<void(const std::string&, const std::string&)>& obsluga);

[[nodiscard]] bool rozglosUdp(int port, const std::string& tresc);

// Adres tej maszyny w sieci lokalnej, ustalony raz na caly proces; pusty, gdy sie nie udalo.
[[nodiscard]] const std::string& lokalnyAdresIp();
[[nodiscard]] bool czyToJa(const std::string& ip, int port, int mojPort);

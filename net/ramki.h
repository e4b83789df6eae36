#pragma once
// Ramki wiadomosci: dziesiec cyfr dlugosci i tresc.

#include <chrono>
#include <initializer_list>
#include <string>
#include <string_view>

#include "gniazda.h"

// Odpowiedz to lista wezlow: nawet pelny plik wezlow miesci sie w tym z zapasem.
inline constexpr long long MAKS_DLUGOSC_ODPOWIEDZI = 16LL * 1024 * 1024;

// Wysylanie i odbior maja limit ciszy (`limit`) oraz termin calej wiadomosci:
// limit plus jej dlugosc przy 1 MiB/s. Kazde czekanie konczy tez zatrzymanie watku.
[[nodiscard]] bool wyslijWiadomosc(Gniazdo gniazdo, const std::string& tresc,
                                   std::chrono::milliseconds limit = LIMIT_ODBIORU);
[[nodiscard]] std::string odbierzWiadomosc(Gniazdo gniazdo,
                                           std::chrono::milliseconds limit = LIMIT_ODBIORU,
                                           long long maksDlugosc = MAKS_DLUGOSC_RAMKI);
[[nodiscard]] bool wyslijIOdbierz(const std::string& ip, int port, const std::string& zapytanie,
                                  std::string& odpowiedz,
                                  std::chrono::milliseconds limit = LIMIT_ODBIORU);

// Jak wyslijIOdbierz, ale tresc zapytania to kolejne czesci wyslane jedna za druga
// (ten sam zapis na linii, bez sklejania duzego tekstu w pamieci). Odpowiedz dluzsza
// niz MAKS_DLUGOSC_ODPOWIEDZI jest odrzucana.
[[nodiscard]] bool wyslijCzesciIOdbierz(const std::string& ip, int port,
                                        std::initializer_list<std::string_view> czesci,
                                        std::string& odpowiedz,
                                        std::chrono::milliseconds limit = LIMIT_ODBIORU);

// Jedna ramka: naglowek dlugosci i kolejne czesci tresci w jednym terminie calej wiadomosci
// (bez sklejania duzego tekstu w pamieci).
[[nodiscard]] bool wyslijCzesci(Gniazdo gniazdo, std::initializer_list<std::string_view> czesci,
                                std::chrono::milliseconds limit = LIMIT_ODBIORU);

// Naglowek dlugosci: co najmniej dziesiec cyfr z zerami z lewej.
[[nodiscard]] std::string naglowekDlugosci(std::size_t dlugosc);

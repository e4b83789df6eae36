#pragma once
// Wymiana lancuchow: zapytanie (lancuch i lista wezlow), odpowiedz (lista wezlow),
// klient jednej wymiany i serwer, ktory decyduje o przyjeciu lancucha.

#include <chrono>
#include <functional>
#include <string>
#include <string_view>

#include "blockchain.h"
#include "gniazda.h"
#include "wezly.h"

// Wszystko, z czym pracuje obsluga zapytan serwera przez caly czas jego petli.
struct KontekstSerwera {
    Blockchain& lancuch;
    std::string plikLancucha;
    std::string plikWezlow;
    std::string kluczPubliczny;
    int mojPort = -1;
    std::chrono::milliseconds limitOdbioru = LIMIT_ODBIORU;
};

[[nodiscard]] std::string zbudujWiadomoscLancucha(const std::string& tekstLancucha,
                                                  const std::string& tekstWezlow);
[[nodiscard]] bool rozdzielWiadomoscLancucha(const std::string& wiadomosc,
                                             std::string& tekstLancucha,
                                             std::string& tekstWezlow);

// Jak rozdzielWiadomoscLancucha, ale czesci sa widokami na `wiadomosc` (bez kopii lancucha).
[[nodiscard]] bool rozdzielWiadomoscLancucha(std::string_view wiadomosc,
                                             std::string_view& tekstLancucha,
                                             std::string_view& tekstWezlow);

[[nodiscard]] bool wyslijLancuchDoWezla(const Blockchain& lancuch, const Wezel& wezel, int port,
                                        const std::string& plikWezlow, int mojPort,
                                        std::chrono::milliseconds limitOdbioru = LIMIT_ODBIORU);

// Jak wyslijLancuchDoWezla, z gotowym tekstem lancucha (jeden tekst dla wielu wezlow).
// Bezpieczne dla kilku watkow naraz: odczyt i scalanie pliku wezlow sa szeregowane.
[[nodiscard]] bool wyslijTekstLancuchaDoWezla(std::string_view tekstLancucha, const Wezel& wezel,
                                              int port, const std::string& plikWezlow,
                                              int mojPort,
                                              std::chrono::milliseconds limitOdbioru = LIMIT_ODBIORU);

[[nodiscard]] std::string obsluzPrzychodzacyLancuch(KontekstSerwera& kontekst,
                                                    const std::string& wiadomosc);

void nasluchujIPrzyjmujLancuchyWPetli(Blockchain& lancuch, int port,
                                      const std::string& plikLancucha,
                                      const std::string& plikWezlow, const StopPredykat& stop,
                                      const std::function<void(bool)>& gotowy,
                                      const std::string& kluczPubliczny,
                                      std::chrono::milliseconds limitOdbioru = LIMIT_ODBIORU);

// Dopisuje do pliku wezly z listy, pomijajac wpisy oznaczajace ten wezel.
void scalListeWezlow(const std::string& tekstWezlow, const std::string& plikWezlow, int mojPort);

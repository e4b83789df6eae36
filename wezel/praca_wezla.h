#pragma once
// Prace watkow wezla dluzsze niz jedno wywolanie sieci: petla kopania i pobieranie od wezlow.
// Zadnego Qt; wolane na watkach obiektu wezla (wezel/wezel.h).

#include <chrono>
#include <functional>
#include <memory>
#include <stop_token>
#include <string>
#include <vector>

#include "core/blockchain.h"
#include "core/dziennik.h"
#include "net/gniazda.h"
#include "net/wezly.h"
#include "net/wypychanie.h"
#include "wezel/katalog_danych.h"
#include "wezel/obserwator_wezla.h"

// Wczytaj-wykop-zapisz; zwykle kopaczZDziennikiem, testy moga podejrzec wywolanie.
// False: blok nie trafil do pliku.
// `stop` przerywa szukanie dowodu pracy (wtedy false i nic nie zapisano).
using KopaczBloku = std::function<bool(Blockchain&, const std::string&, const std::string&,
                                       const std::vector<Transakcja>&, const std::stop_token&)>;

// kopIZapisz, ktorego przebieg (blok, odmowa, blad zapisu) trafia do `dziennik`.
[[nodiscard]] KopaczBloku kopaczZDziennikiem(Dziennik& dziennik);

// Czas na wyjscie programu (zamkniecie okna, SIGTERM wezla), takze na dokonczenie wypchniec.
inline constexpr std::chrono::milliseconds CZAS_NA_WYJSCIE{1000};

// Wypychacz petli kopania: lancuch z pliku do znanych wezlow, `port` to wlasny port.
[[nodiscard]] std::unique_ptr<Wypychacz> wypychaczPetli(Dziennik& dziennik,
                                                        const KatalogDanych& katalog, int port);

// Petla kopania: przed kazdym przejsciem pyta `stop`, potem wykopuje blok na `klucz`
// (pod blokada zapisu lancucha) i zleca go wypychaczowi, nie czekajac na wezly. `poBloku`
// po kazdym zapisanym bloku. False, gdy stanela, bo bloku nie dalo sie zapisac.
[[nodiscard]] bool petlaKopania(const KatalogDanych& katalog, const std::string& klucz,
                                const std::stop_token& stop, const KopaczBloku& kop,
                                Wypychacz& wypychacz, const std::function<void()>& poBloku = {});

// Znane wezly i seedy, od ktorych warto pobrac lancuch (bez wpisow tego wezla).
[[nodiscard]] std::vector<Wezel> wezlyDoPobrania(const KatalogDanych& katalog, int port);

// Pobranie dluzszego lancucha od `skad` po kolei (zwyklymi regulami przyjmowania), z wierszem
// postepu po kazdym kawalku; postep i decyzje ida do `obserwator`. Czekanie konczy `stop`.
[[nodiscard]] WynikPobieraniaOdWezlow pobierzOdWezlow(Dziennik& dziennik,
                                                      const std::vector<Wezel>& skad,
                                                      const KatalogDanych& katalog,
                                                      const std::string& klucz, int port,
                                                      const std::stop_token& stop,
                                                      ObserwatorWezla& obserwator);

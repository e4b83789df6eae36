#pragma once
// Prace watkow wezla, napisane raz: uzywa ich okno i wezel bez okna.
// Zadnego Qt: wyniki ida przez zwykle funkcje zwrotne, wolane na watku pracy.

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <stop_token>
#include <string>
#include <vector>

#include "core/blockchain.h"
#include "net/gniazda.h"
#include "net/obecnosc.h"
#include "net/rozgloszenie.h"
#include "net/wezly.h"
#include "net/wypychanie.h"

// Wczytaj-wykop-zapisz; zwykle kopIZapisz, testy moga podejrzec wywolanie.
// False: blok nie trafil do pliku.
using KopaczBloku = std::function<bool(Blockchain&, const std::string&, const std::string&,
                                       const std::vector<Transakcja>&)>;

// Serwer wymiany lancuchow na wlasnym lancuchu z pliku; wraca po zatrzymaniu albo
// zaraz po nieudanym nasluchu. `gotowy` dostaje wynik otwarcia portu.
void pracaSerwera(int port, const std::string& klucz, const std::stop_token& stop,
                  const std::function<void(bool)>& gotowy);

// Nasluch ogloszen obecnosci; `wykryto` tylko dla wezlow nowych w pliku wezlow.
void pracaSluchaczaObecnosci(int port, const std::string& idWezla,
                             const std::stop_token& stop, const WykrytoWezel& wykryto);

// Ogloszenia obecnosci co piec sekund, az do zatrzymania.
void pracaOglaszacza(int port, const std::string& idWezla, const std::string& klucz,
                     const std::string& nazwa, const std::stop_token& stop);

// Czas na wyjscie programu (zamkniecie okna, SIGTERM wezla), takze na dokonczenie wypchniec.
inline constexpr std::chrono::milliseconds CZAS_NA_WYJSCIE{1000};

// Wypychacz petli kopania: lancuch z pliku programu do jego wezlow, `port` to wlasny port.
[[nodiscard]] std::unique_ptr<Wypychacz> wypychaczPetli(int port);

// Petla kopania: przed kazdym przejsciem sprawdza `stop`, potem wykopuje blok na `klucz`
// (pod blokada zapisu lancucha) i zleca go wypychaczowi, nie czekajac na wezly. False, gdy
// stanela, bo bloku nie dalo sie zapisac.
[[nodiscard]] bool petlaKopania(const std::string& klucz, const std::stop_token& stop,
                                const KopaczBloku& kop, Wypychacz& wypychacz);

// Rozgloszenie kopii lancucha do znanych wezlow; `stop` konczy czekania na siec.
[[nodiscard]] WynikRozgloszenia pracaRozgloszenia(const Blockchain& kopia, int port,
                                                  const std::stop_token& stop);

// Co dalo pobieranie od kilku wezlow.
struct WynikPobieraniaOdWezlow {
    bool przyjeto = false;
    // Najdluzszy lancuch, ktory odrzucil wlasny straznik salda (0: zaden).
    std::int64_t odrzuconySaldem = 0;
};

// Postep pobierania od wezla `dawca` ("A:P"): ile blokow ma juz zlozony lancuch i ile dawca.
using PostepPobierania =
    std::function<void(const std::string& dawca, std::uint64_t mam, std::uint64_t wszystkie)>;

// Znane wezly i seedy, od ktorych warto pobrac lancuch (bez wpisow tego wezla).
[[nodiscard]] std::vector<Wezel> wezlyDoPobrania(int port);

// Pobranie dluzszego lancucha od `skad` po kolei (zwyklymi regulami przyjmowania), z wierszem
// postepu po kazdym kawalku. Czekanie na siec konczy `stop`.
[[nodiscard]] WynikPobieraniaOdWezlow pobierzOdWezlow(const std::vector<Wezel>& skad,
                                                      const std::string& klucz, int port,
                                                      const std::stop_token& stop,
                                                      const PostepPobierania& postep = {});

// Pobranie od kazdego znanego wezla i seeda tego programu.
void pracaPobierania(const std::string& klucz, int port, const std::stop_token& stop);

// Bootstrap z seedow na kopii lancucha; `gotowe` po ostatnim seedzie (jesli ustawione).
void pracaBootstrapu(const Blockchain& kopia, const std::vector<Wezel>& seedy, int port,
                     const std::stop_token& stop, const std::function<void()>& gotowe);

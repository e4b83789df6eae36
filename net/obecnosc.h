#pragma once
// Wykrywanie obecnosci w sieci lokalnej: ogloszenia UDP na porcie 1699.

#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>
#include <stop_token>
#include <string>
#include <vector>

#include "net/gniazda.h"
#include "net/wezly.h"

class Dziennik;

inline constexpr int PORT_WYKRYWANIA = 1699;
inline constexpr const char* PREFIKS_OGLOSZENIA = "TLV1 ";
inline constexpr std::chrono::milliseconds OKRES_OGLOSZEN{5000};
inline constexpr std::size_t MAKS_DLUGOSC_OGLOSZENIA = MAKS_DLUGOSC_DATAGRAMU;
// Miejsce na nazwe obok prefiksu, id, najdluzszego portu (5 cyfr) i pelnego klucza.
inline constexpr std::size_t MAKS_BAJTOW_NAZWY =
    MAKS_DLUGOSC_OGLOSZENIA - (5 + 8 + 1 + 5 + 1 + 64 + 1);

using WykrytoWezel = std::function<void(const std::string&, int)>;

[[nodiscard]] std::string wygenerujIdWezla();
// Za dluga nazwa (np. ze starszego pliku nazwy) jest obcinana na granicy znaku UTF-8,
// zeby ogloszenie zmiescilo sie w MAKS_DLUGOSC_OGLOSZENIA bajtach.
[[nodiscard]] std::string tekstOgloszenia(int port, const std::string& id,
                                          const std::string& klucz, const std::string& nazwa);
[[nodiscard]] bool oglosObecnosc(int port, const std::string& id, const std::string& klucz,
                                 const std::string& nazwa);

// Wezel z ogloszenia albo nic (obce lub wlasne ogloszenie, zly format).
[[nodiscard]] std::optional<Wezel> czytajOgloszenie(const std::string& tekst,
                                                    const std::string& nadawca,
                                                    const std::string& mojeId);

// Jedno ogloszenie od razu do pliku wezlow.
void obsluzOgloszenie(const std::string& tekst, const std::string& nadawca,
                      const std::string& mojeId, const std::string& plikWezlow,
                      const WykrytoWezel& wykryto);

// Ogloszenia do pliku wezlow najwyzej raz na OKRES_ZAPISU_OBECNOSCI: zalew datagramow
// nie przepisuje pliku (z fsync) przy kazdym. Pierwsze ogloszenie po przerwie idzie od razu.
inline constexpr std::chrono::milliseconds OKRES_ZAPISU_OBECNOSCI{1000};

class ZapisObecnosci {
public:
    ZapisObecnosci(std::string plikWezlow, WykrytoWezel wykryto)
        : plikWezlow(std::move(plikWezlow)), wykryto(std::move(wykryto)) {}

    void dodaj(const Wezel& wezel, std::chrono::steady_clock::time_point teraz);
    // Zalegle ogloszenia do pliku, gdy minal okres od ostatniego zapisu.
    void tik(std::chrono::steady_clock::time_point teraz);
    void zapiszZalegle();

private:
    std::string plikWezlow;
    WykrytoWezel wykryto;
    std::vector<Wezel> zalegle;
    std::optional<std::chrono::steady_clock::time_point> ostatniZapis;
};

void nasluchujObecnosciWPetli(Dziennik& dziennik, int port, const std::string& mojeId,
                              const std::string& plikWezlow, const std::stop_token& stop,
                              const WykrytoWezel& wykryto);

// Petla ogloszen dla osobnego watku: pierwsze od razu, potem co `okres`,
// zatrzymanie sprawdzane co 100 ms.
void oglaszajObecnoscWPetli(int port, const std::string& id, const std::string& klucz,
                            const std::string& nazwa, const std::stop_token& stop,
                            std::chrono::milliseconds okres = OKRES_OGLOSZEN);

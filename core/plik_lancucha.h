#pragma once
// Plik lancucha i dwa muteksy procesu.
// Kolejnosc blokowania: najpierw mutexZapisuLancucha, potem mutexPlikuLancucha.

#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "core/blockchain.h"
#include "core/bramka_lancucha.h"

inline constexpr const char* PLIK_LANCUCHA = "blockchain.dat";

// Chroni pojedynczy odczyt i zapis pliku.
extern std::mutex mutexPlikuLancucha;
// Czyni sekwencje wczytaj-zmien-zapisz wylaczna wzgledem innych piszacych.
extern std::mutex mutexZapisuLancucha;

// Lancuch, ktory juz trzyma ten plik, czyta go ponownie tylko wtedy, gdy plik sie zmienil,
// a gdy tylko urosl, czyta same nowe bloki. Niedokonczony ostatni wiersz pliku (slad
// przerwanego zapisu) nie jest czytany.
[[nodiscard]] bool wczytajLancuch(Blockchain& ksiega, const std::string& sciezka);
// Zapis przez plik tymczasowy i rename: stary plik zostaje, gdy cokolwiek zawiedzie.
[[nodiscard]] bool zapiszLancuch(const Blockchain& ksiega, const std::string& sciezka);
// Lancuch, ktory tylko wydluzyl plik, dopisuje nowe bloki (po obcieciu pliku do ostatniej
// dobrej dlugosci) i robi fsync; kazdy inny zapis jest atomowa wymiana calosci.
[[nodiscard]] bool zapiszLancuch(Blockchain& ksiega, const std::string& sciezka);

enum class StanPrzedZapisem {
    wczytany,    // plik wczytany albo go nie ma
    odlozony,    // nieczytelny plik odlozony na bok pod nazwa `odlozonyJako`
    nieOdlozony, // nieczytelnego pliku nie udalo sie odlozyc: nie wolno zapisywac
    nieZwykly,   // FIFO albo urzadzenie: nie wolno zapisywac
};

struct PrzedZapisem {
    StanPrzedZapisem stan = StanPrzedZapisem::wczytany;
    std::string plik;
    std::string odlozonyJako;

    [[nodiscard]] bool wolnoZapisac() const
    {
        return stan == StanPrzedZapisem::wczytany || stan == StanPrzedZapisem::odlozony;
    }
};

// Wczytanie przed zapisem, pod mutexZapisuLancucha. Plik, ktory istnieje, ale sie nie
// wczytal, zostaje odlozony na bok, zeby zapis go nie zniszczyl.
[[nodiscard]] PrzedZapisem wczytajPrzedZapisem(Blockchain& ksiega, const std::string& sciezka);

enum class RodzajKopania {
    zapisany,
    plikNieDoZapisu, // wczytanie przed zapisem nie pozwolilo zapisac: nic nie kopano
    odmowa,          // wykopany blok nie przechodzi bramki tego wezla
    bladZapisu,
};

// Co dalo kopIZapisz; pola bloku sa wypelnione, gdy blok wykopano.
struct WynikKopania {
    RodzajKopania rodzaj = RodzajKopania::plikNieDoZapisu;
    std::string plik;
    PrzedZapisem przedZapisem;
    bool wykopano = false;
    std::int64_t indeks = 0;
    std::string hash;
    std::int64_t nonce = 0;
    std::optional<OdmowaBramki> odmowa;

    [[nodiscard]] bool zapisano() const { return rodzaj == RodzajKopania::zapisany; }
};

// Wczytaj, wykop jeden blok, zapisz. Przy wyniku innym niz `zapisany` w `ksiega` nie
// zostaje zaden niezapisany blok (gdy pliku nie wolno nadpisac, nic nie jest kopane).
[[nodiscard]] WynikKopania kopIZapisz(Blockchain& ksiega, const std::string& adresGornika,
                                      const std::string& sciezka,
                                      const std::vector<Transakcja>& oczekujace);

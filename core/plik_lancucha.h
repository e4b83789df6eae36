#pragma once
// Plik lancucha: jeden obiekt na sciezke w procesie, z dwiema blokadami i stanem pliku
// wspolnym dla watkow. Funkcje ponizej klasy to skroty do obiektu swojej sciezki.

#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "core/adnotacje_watkow.h"
#include "core/blockchain.h"
#include "core/bramka_lancucha.h"

inline constexpr const char* PLIK_LANCUCHA = "blockchain.dat";

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

// Wczytanie przed zapisem, pod blokadaZapisu pliku. Plik, ktory istnieje, ale sie nie
// wczytal, zostaje odlozony na bok, zeby zapis go nie zniszczyl.
// Blokady, ktora trzyma wolajacy, analiza nie widzi przez sama sciezke.
[[nodiscard]] PrzedZapisem wczytajPrzedZapisem(Blockchain& ksiega, const std::string& sciezka)
    TLV_ADNOTACJA(no_thread_safety_analysis);

enum class RodzajKopania {
    zapisany,
    plikNieDoZapisu, // wczytanie przed zapisem nie pozwolilo zapisac: nic nie kopano
    odmowa,          // wykopany blok nie przechodzi bramki tego wezla
    bladZapisu,
    przerwane, // zatrzymanie w trakcie szukania dowodu pracy: nic nie zapisano
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

class PlikLancucha {
public:
    // Obiekt pliku `sciezka`, ten sam dla kazdego watku procesu.
    [[nodiscard]] static PlikLancucha& dla(const std::string& sciezka);

    explicit PlikLancucha(std::string sciezka) : sciezkaPliku(std::move(sciezka)) {}
    PlikLancucha(const PlikLancucha&) = delete;
    PlikLancucha& operator=(const PlikLancucha&) = delete;

    [[nodiscard]] const std::string& sciezka() const { return sciezkaPliku; }
    // Blokada sekwencji wczytaj-zmien-zapisz (serwer bierze ja na czas decyzji).
    [[nodiscard]] Muteks& blokadaZapisu() ZWRACA_ZDOLNOSC(mutexZapisu) { return mutexZapisu; }
    [[nodiscard]] Muteks& blokadaPliku() ZWRACA_ZDOLNOSC(mutexPliku) { return mutexPliku; }

    [[nodiscard]] bool wczytaj(Blockchain& ksiega) WYKLUCZA(mutexPliku);
    [[nodiscard]] bool zapisz(Blockchain& ksiega) WYKLUCZA(mutexPliku);
    [[nodiscard]] bool zapiszCaly(const Blockchain& ksiega) WYKLUCZA(mutexPliku);
    [[nodiscard]] PrzedZapisem wczytajPrzedZapisem(Blockchain& ksiega) WYMAGA(mutexZapisu);
    [[nodiscard]] WynikKopania kopIZapisz(Blockchain& ksiega, const std::string& adresGornika,
                                          const std::vector<Transakcja>& oczekujace,
                                          const std::stop_token& stop = {})
        WYKLUCZA(mutexZapisu);

private:
    // Stan pliku, ktory inny watek juz wczytal albo zapisal, przechodzi do `ksiega` bez
    // czytania pliku (pelne segmenty blokow sa wspolne, wiec kopia jest tania).
    [[nodiscard]] bool wezStan(Blockchain& ksiega) WYMAGA(mutexPliku);
    void zapamietajStan(const Blockchain& ksiega) WYMAGA(mutexPliku);

    const std::string sciezkaPliku;
    // Czyni sekwencje wczytaj-zmien-zapisz wylaczna wzgledem innych piszacych; brana
    // zawsze przed mutexPliku.
    Muteks mutexZapisu PRZED(mutexPliku);
    // Chroni pojedynczy odczyt i zapis pliku oraz stan wspolny dla watkow.
    Muteks mutexPliku;
    Blockchain stan STRZEZONE_PRZEZ(mutexPliku);
};

// Wczytaj, wykop jeden blok, zapisz. Przy wyniku innym niz `zapisany` w `ksiega` nie
// zostaje zaden niezapisany blok (gdy pliku nie wolno nadpisac, nic nie jest kopane).
[[nodiscard]] WynikKopania kopIZapisz(Blockchain& ksiega, const std::string& adresGornika,
                                      const std::string& sciezka,
                                      const std::vector<Transakcja>& oczekujace,
                                      const std::stop_token& stop = {});

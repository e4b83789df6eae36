#pragma once
// Przechwycenie standardowego wyjscia procesu: deskryptor 1 trafia do potoku, a watek
// czytnika przepisuje kazdy bajt na pierwotne wyjscie i zbiera pelne linie dla okna.
// Dzieki temu okno widzi komunikaty wezla bez zmian w kodzie, ktory je wypisuje.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "core/deskryptor.h"

struct LiniaKonsoli {
    std::int64_t czasMs = 0; // chwila odczytu, ms od epoki
    std::string tekst;       // bez konca linii
};

class DziennikKonsoli {
public:
    // Tyle ostatnich linii czeka na odbior; starsze przepadaja, wyjscie dostaje je i tak.
    static constexpr std::size_t LIMIT_LINII = 1000;
    // Dluzszy kawalek bez konca linii jest oddawany jako osobna linia.
    static constexpr std::size_t LIMIT_DLUGOSCI_LINII = 16 * 1024;

    // Przekierowuje fd 1; gdy sie nie da (albo inny dziennik juz dziala), nic nie zmienia.
    DziennikKonsoli();
    // Oproznia bufory, oddaje fd 1 pierwotnemu wyjsciu i czeka na przepisanie reszty.
    ~DziennikKonsoli();
    DziennikKonsoli(const DziennikKonsoli&) = delete;
    DziennikKonsoli& operator=(const DziennikKonsoli&) = delete;

    [[nodiscard]] bool dziala() const { return czytnik.joinable(); }

    // Powiadomienie wolane z watku czytnika, gdy do pustej kolejki trafi linia (albo od
    // razu, gdy juz cos czeka). Nie moze blokowac: ma tylko zlecic odbior.
    void ustawPowiadomienie(const void* wlasciciel, std::function<void()> powiadomienie);
    // Usuwa powiadomienie, o ile ustawil je ten wlasciciel; potem juz nie bedzie wolane.
    void usunPowiadomienie(const void* wlasciciel);

    // Zabiera linie czekajace na odbior, od najstarszej.
    [[nodiscard]] std::vector<LiniaKonsoli> odbierzLinie();

    // Dziennik dzialajacy w tym procesie albo nullptr.
    [[nodiscard]] static DziennikKonsoli* biezacy();

private:
    void czytaj();
    void przepisz(const char* dane, std::size_t ile);
    void dodajLinie(std::string tekst);

    Deskryptor pierwotneWyjscie;
    Deskryptor koniecDoCzytania;
    bool przepisywanie = true; // tylko watek czytnika; false po bledzie zapisu
    std::thread czytnik;
    std::mutex mutex;
    std::deque<LiniaKonsoli> kolejka;
    const void* wlascicielPowiadomienia = nullptr;
    std::function<void()> powiadomienie;
};

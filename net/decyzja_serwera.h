#pragma once
// Decyzja serwera o otrzymanym lancuchu jako wynik z liczbami; wpisy dziennika powstaja
// z niej w jednym miejscu (zglosDecyzje). Ta sama decyzja zapada dla calego wypchnietego lancucha
// i dla blokow dostarczonych przez synchronizacje.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/blockchain.h"
#include "core/bramka_lancucha.h"
#include "core/dziennik.h"
#include "core/plik_lancucha.h"
#include "core/walidacja.h"
#include "net/wiadomosci_synchronizacji.h"

struct KontekstSerwera;

enum class RodzajDecyzji {
    przyjety,
    pusty,           // pusty tekst lancucha
    nieLancuch,      // tekst nie daje zadnego bloku
    zaDuzoPamieci,   // postac w pamieci wielokrotnie wieksza od tekstu
    niepoprawny,     // walidacja odrzucila
    nieDluzszy,
    saldo,           // straznik salda
    plikNieDoZapisu, // nieczytelnego pliku nie udalo sie odlozyc na bok
    bladZapisu,
    bramka,          // blok, ktorego ten wezel nie przyjmuje (pole, rozmiar)
    brakPamieci,     // odczyt nie miesci sie w budzecie pamieci procesu
};

struct Decyzja : LiczbyDecyzji {
    RodzajDecyzji rodzaj = RodzajDecyzji::nieLancuch;
    std::uint64_t pamiec = 0;
    std::uint64_t tekst = 0;
    std::string plik;
    std::optional<OdmowaBramki> odmowa;
    // Pierwszy zly blok, gdy walidacja odrzucila.
    WynikWalidacji bladBloku;
    // Co zastal zapis przed przyjeciem (odlozony nieczytelny plik lancucha).
    PrzedZapisem przedZapisem;
};

// Wpis samej decyzji.
[[nodiscard]] Wpis wpisDecyzji(const Decyzja& decyzja);
// Zly blok, odlozony plik i sama decyzja, w tej kolejnosci.
void zglosDecyzje(Dziennik& dziennik, const Decyzja& decyzja);
// Co uslyszy nadawca wypchniecia.
[[nodiscard]] KodDecyzji kodDlaNadawcy(RodzajDecyzji rodzaj);

// Zywy lancuch serwera doczytany z pliku (pod blokada zapisu, jak przed decyzja).
[[nodiscard]] bool odswiezZywy(KontekstSerwera& kontekst);

// Decyzja o lancuchu zlozonym z `wspolnych` pierwszych blokow zywego lancucha (takiego, jaki
// byl w punkcie `porownany`) i blokow `nowe`. Nic, gdy zywy lancuch nie ma juz tamtego
// poczatku (inne polaczenie go wymienilo): wtedy nie da sie zlozyc otrzymanego lancucha.
[[nodiscard]] std::optional<Decyzja> rozpatrzOdWspolnych(KontekstSerwera& kontekst,
                                                         std::size_t wspolnych,
                                                         std::vector<Blok>&& nowe,
                                                         const Punkt& porownany);

// Decyzja o tekscie calego lancucha (wypchniecie starego rodzaju).
[[nodiscard]] Decyzja rozpatrzTekstLancucha(KontekstSerwera& kontekst, std::string_view tekst);

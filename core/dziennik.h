#pragma once
// Dziennik programu: kazde zdarzenie, o ktorym wie uzytkownik, jako typowany wpis. Wpis
// staje sie wierszem konsoli w jednym miejscu (wierszWpisu), trafia jednym zapisem na
// standardowe wyjscie (bledy startu na wyjscie bledow) i do subskrybentow, np. okna.
// Tworzony w main i przekazywany w dol; nie ma dziennika globalnego.

#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "core/bramka_lancucha.h"
#include "core/walidacja.h"

enum class RodzajWpisu {
    // lancuch i jego plik
    bladBloku,            // indeks, regula
    odmowaBramki,         // indeks, odmowa
    wykopanoBlok,         // indeks, tekst (hash), nonce
    lancuchNieOdlozony,   // plik
    lancuchOdlozony,      // plik, nowyPlik
    blokNieZapisany,      // plik
    plikNieZwykly,        // plik
    // decyzje serwera o otrzymanym lancuchu
    przyjetoLancuch,      // ile
    nieOdebranoLancucha,
    nieLancuch,
    lancuchZaDuzyWPamieci, // bajty, bajtyTekstu
    lancuchNiepoprawny,
    lancuchNieDluzszy,    // ile, ileMoj
    lancuchZmniejszaSaldo, // przed, po (jednostki bazowe)
    plikNieDoZapisu,      // plik
    brakPamieciNaLancuch, // bajty
    lancuchNieZapisany,   // plik
    // synchronizacja blokami
    synchronizacjaPrzerwana, // adres (pusty: wezel wypychajacy), przerwanie
    odrzuconoOferte,
    odrzuconoProsbeOStan,
    odrzuconoProsbe,
    zaDuzoProsb,
    odrzuconoPoczatekRozmowy,
    pobieranieLancucha,   // adres, ile (mam), ileMoj (wszystkie u dawcy)
    // serwer i gniazda
    zamknietoPolaczenie,  // adres (ip), zamkniecie
    bladWatkuPolaczenia,
    brakPamieciNaZapytanie,
    nasluchNaPorcie,      // port
    bladGniazda,
    bladBindowania,       // port
    bladNasluchu,
    niepoprawnyAdresIp,
    limitPolaczenia,      // adres (ip:port)
    bladPolaczenia,       // adres (ip:port)
    bladPortuWykrywania,  // port
    // rozglaszanie
    bladWatkuRozgloszen,
    brakPamieciRozglaszania,
    rozgloszono,          // adres (ip:port)
    nieRozgloszono,       // adres (ip:port)
    rozglaszaniePrzerwane, // adres (ip:port)
    // portfel
    prawaPortfela,        // plik, ile (dawne prawa)
    portfelNieDoPrzeniesienia, // plik
    portfelPrzeniesiony,  // plik, nowyPlik
    // wezel i okno
    bezPortfela,
    utworzonoPortfel,     // plik, tekst (klucz)
    kopanieNaKlucz,       // tekst (klucz)
    usunietoSiebieZListy, // plik
    wykrytoWezel,         // adres (ip), port
    bladWatku,            // tekst (czego watku, np. "bootstrapu")
    bladWatkuKopania,
    bladWatkuSerweraNaPorcie, // port
    bladWatkuObecnosciOkna,
    wezelZatrzymany,
    watkiNieSkonczyly,
    wezelDziala,          // port
    otrzymanoSygnal,      // ile (numer sygnalu)
    // program
    wersja,               // tekst (nazwa programu), opis (wersja)
    pomoc,                // tekst (caly, z koncami wierszy)
    bladProgramu,         // tekst (nazwa programu), opis; na wyjscie bledow
};

// Czemu serwer zamknal polaczenie.
enum class PowodZamkniecia {
    cisza,
    poTerminie,
    zaWolno,
    zlyNaglowek,
    zaDluga,
    brakPamieci,
    wyparte,
    kompletZAdresu,
    komplet,
};

// Czemu synchronizacja z dawca sie skonczyla przed koncem.
enum class PowodPrzerwania {
    ciszaDawcy,       // brak odpowiedzi (cisza, zerwane polaczenie, zatrzymanie)
    zlaOdpowiedz,     // odpowiedz nie jest oczekiwana wiadomoscia
    blokiNieLacza,    // kawalek nie zaczyna sie tam, gdzie proszono, albo sie nie laczy
    skapyKawalek,     // kawalek bez konca lancucha i mniejszy niz wymagane minimum
    zaDuzoWiadomosci, // dawca nie konczy (zawezanie albo kawalki bez konca)
    brakObiecanych,   // dawca nie ma blokow, ktore zapowiedzial
    zmianaLancucha,   // wlasny lancuch wymienilo w tym czasie inne polaczenie
};

// Pola uzywane przez dany rodzaj opisuje komentarz przy nim; pozostale zostaja domyslne.
struct Wpis {
    RodzajWpisu rodzaj = RodzajWpisu::bladProgramu;
    std::int64_t indeks = 0;
    std::int64_t ile = 0;
    std::int64_t ileMoj = 0;
    std::int64_t przed = 0;
    std::int64_t po = 0;
    std::uint64_t bajty = 0;
    std::uint64_t bajtyTekstu = 0;
    std::int64_t nonce = 0;
    int port = 0;
    std::string adres{};
    std::string plik{};
    std::string nowyPlik{};
    std::string tekst{};
    std::string opis{};
    RegulaBloku regula = RegulaBloku::hash;
    PowodOdmowy odmowa = PowodOdmowy::znakCr;
    PowodZamkniecia zamkniecie = PowodZamkniecia::cisza;
    PowodPrzerwania przerwanie = PowodPrzerwania::ciszaDawcy;

    friend bool operator==(const Wpis&, const Wpis&) = default;
};

// Wiersz konsoli dla wpisu (z koncem wiersza): jedyne miejsce z tekstami konsoli.
[[nodiscard]] std::string wierszWpisu(const Wpis& wpis);
// Wpisy pisane na wyjscie bledow zamiast standardowego.
[[nodiscard]] bool naWyjscieBledow(RodzajWpisu rodzaj);

// Adres wezla w wierszach dziennika.
[[nodiscard]] std::string adresWezla(const std::string& ip, int port);

class Dziennik {
public:
    using Obserwator = std::function<void(const Wpis&)>;
    using Subskrypcja = std::uint64_t;

    // Deskryptory wyjscia i bledow; testy moga podac potok albo plik.
    explicit Dziennik(int wyjscie = 1, int bledy = 2) : wyjscie(wyjscie), bledy(bledy) {}
    Dziennik(const Dziennik&) = delete;
    Dziennik& operator=(const Dziennik&) = delete;

    // Z dowolnego watku: wiersz jednym zapisem, potem obserwatorzy, w tej samej kolejnosci
    // co na konsoli.
    void zglos(const Wpis& wpis);

    // Obserwator jest wolany z watku zglaszajacego, pod blokada dziennika: nie moze
    // blokowac ani sam zglaszac czy zmieniac subskrypcji. Po odsubskrybuj() juz nie bedzie wolany.
    [[nodiscard]] Subskrypcja subskrybuj(Obserwator obserwator);
    void odsubskrybuj(Subskrypcja subskrypcja);

private:
    struct Subskrybent {
        Subskrypcja id = 0;
        Obserwator obserwator;
    };

    int wyjscie = 1;
    int bledy = 2;
    std::mutex mutex;
    std::vector<Subskrybent> subskrybenci;
    Subskrypcja nastepnaSubskrypcja = 1;
};

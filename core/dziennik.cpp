// Teksty konsoli wszystkich wpisow i ich droga na wyjscie oraz do subskrybentow.
#include "core/dziennik.h"

#include <algorithm>
#include <cerrno>
#include <iomanip>
#include <sstream>
#include <string_view>
#include <unistd.h>

namespace {

const char* tekstReguly(RegulaBloku regula)
{
    switch (regula) {
    case RegulaBloku::hash: return " ma dane niezgodne z jego hashem (ktos je zmienil po fakcie)!";
    case RegulaBloku::polaczenie: return " nie jest poprawnie polaczony z poprzednim blokiem!";
    case RegulaBloku::podpis:
        return " ma transakcje z NIEPRAWIDLOWYM podpisem (ktos podszywa sie pod nadawce)!";
    case RegulaBloku::saldo:
        return " zawiera transakcje wydajaca wiecej niz nadawca faktycznie mial "
               "(falszywe saldo / podwojne wydanie)!";
    case RegulaBloku::nagroda: break;
    }
    return " zawiera niepoprawna nagrode za kopanie (falszywe 'drukowanie' monet znikad)!";
}

void dopiszOdmowe(std::ostringstream& w, PowodOdmowy powod)
{
    switch (powod) {
    case PowodOdmowy::znakCr: w << " ma w polu znak CR"; return;
    case PowodOdmowy::znakLf: w << " ma w polu znak LF"; return;
    case PowodOdmowy::znakNul: w << " ma w polu znak NUL"; return;
    case PowodOdmowy::wierszZnacznika: w << " ma pole rowne wierszowi znacznika bloku"; return;
    case PowodOdmowy::zaDuzyTekst:
        w << " ma ponad " << MAKS_TEKSTU_BLOKU << " bajtow tekstu (limit tego wezla)";
        return;
    case PowodOdmowy::zaDuzoTransakcji:
        w << " ma ponad " << MAKS_TRANSAKCJI_W_BLOKU << " transakcji (limit tego wezla)";
        return;
    }
}

const char* tekstZamkniecia(PowodZamkniecia powod)
{
    switch (powod) {
    case PowodZamkniecia::cisza: return "brak danych dluzej niz limit ciszy";
    case PowodZamkniecia::poTerminie: return "wiadomosc nie doszla w swoim terminie";
    case PowodZamkniecia::zaWolno: return "przesyla wolniej niz 64 KiB/s";
    case PowodZamkniecia::zlyNaglowek: return "naglowek ramki nie jest liczba";
    case PowodZamkniecia::zaDluga: return "zapowiedziana ramka jest za dluga";
    case PowodZamkniecia::brakPamieci: return "ramka nie miesci sie w budzecie pamieci";
    case PowodZamkniecia::wyparte: return "wyparte przez nowe polaczenie (komplet, najmniejsze tempo)";
    case PowodZamkniecia::kompletZAdresu: return "komplet polaczen z tego adresu";
    case PowodZamkniecia::komplet: break;
    }
    return "komplet polaczen";
}

void dopiszPrzerwanie(std::ostringstream& w, const Wpis& p)
{
    // Bez adresu: wezel, ktory sam wypycha bloki (jego adres zna tylko polaczenie).
    w << "Synchronizacja z " << (p.adres.empty() ? "wezlem wypychajacym" : p.adres);
    switch (p.przerwanie) {
    case PowodPrzerwania::ciszaDawcy: w << " przerwana: brak odpowiedzi"; break;
    case PowodPrzerwania::zlaOdpowiedz: w << " przerwana: niepoprawna odpowiedz"; break;
    case PowodPrzerwania::blokiNieLacza: w << " przerwana: bloki nie lacza sie z lancuchem"; break;
    case PowodPrzerwania::skapyKawalek: w << " przerwana: za maly kawalek blokow"; break;
    case PowodPrzerwania::zaDuzoWiadomosci: w << " przerwana: za duzo wiadomosci"; break;
    case PowodPrzerwania::brakObiecanych: w << " przerwana: nie ma zapowiedzianych blokow"; break;
    case PowodPrzerwania::zmianaLancucha:
        w << " przerwana - wlasny lancuch zmienil sie w tym czasie.\n";
        return;
    }
    w << " - rozlaczam.\n";
}

// Wpisy lancucha, jego pliku i decyzji serwera; false, gdy rodzaj jest z innej grupy.
bool wierszLancucha(std::ostringstream& w, const Wpis& p)
{
    switch (p.rodzaj) {
    case RodzajWpisu::bladBloku: w << "  [BLAD] Blok #" << p.indeks << tekstReguly(p.regula) << "\n"; break;
    case RodzajWpisu::odmowaBramki:
        w << "Blok #" << p.indeks;
        dopiszOdmowe(w, p.odmowa);
        w << " - odrzucam lancuch.\n";
        break;
    case RodzajWpisu::wykopanoBlok:
        w << "Kopanie bloku " << p.indeks << "... SUKCES! Znaleziono Hash: " << p.tekst
          << " (Nonce: " << p.nonce << ")\n";
        break;
    case RodzajWpisu::lancuchNieOdlozony:
        w << "BLAD: plik " << p.plik << " nie jest czytelnym lancuchem i nie udalo sie go odlozyc.\n";
        break;
    case RodzajWpisu::lancuchOdlozony:
        w << "Plik " << p.plik << " nie jest czytelnym lancuchem - odlozono go jako " << p.nowyPlik << ".\n";
        break;
    case RodzajWpisu::blokNieZapisany:
        w << "BLAD: nie udalo sie zapisac pliku " << p.plik << " - nowy blok odrzucono.\n";
        break;
    case RodzajWpisu::plikNieZwykly:
        w << "BLAD: plik " << p.plik << " nie jest zwyklym plikiem - pomijam go.\n";
        break;
    case RodzajWpisu::przyjetoLancuch: w << "Przyjeto nowy, dluzszy lancuch (" << p.ile << " blokow).\n"; break;
    case RodzajWpisu::nieOdebranoLancucha: w << "Nie udalo sie odebrac lancucha.\n"; break;
    case RodzajWpisu::nieLancuch: w << "Otrzymane dane nie sa poprawnym lancuchem.\n"; break;
    case RodzajWpisu::lancuchZaDuzyWPamieci:
        w << "Otrzymany lancuch zajalby w pamieci " << p.bajty << " bajtow przy " << p.bajtyTekstu
          << " bajtach tekstu - odrzucam.\n";
        break;
    case RodzajWpisu::lancuchNiepoprawny: w << "Otrzymany lancuch NIE jest poprawny - odrzucam.\n"; break;
    case RodzajWpisu::lancuchNieDluzszy:
        w << "Otrzymany lancuch (" << p.ile << " blokow) nie jest dluzszy niz moj (" << p.ileMoj
          << " blokow) - zostaje przy swoim.\n";
        break;
    case RodzajWpisu::lancuchZmniejszaSaldo:
        w << "Otrzymany lancuch jest dluzszy, ale ZMNIEJSZYLBY Twoje saldo (" << p.przed << " -> "
          << p.po << ") - odrzucam.\n";
        break;
    case RodzajWpisu::plikNieDoZapisu:
        w << "Nie mozna bezpiecznie zapisac pliku " << p.plik << " - odrzucam otrzymany lancuch.\n";
        break;
    case RodzajWpisu::brakPamieciNaLancuch:
        w << "Otrzymany lancuch potrzebuje " << p.bajty << " bajtow pamieci ponad wolny budzet - odrzucam.\n";
        break;
    case RodzajWpisu::lancuchNieZapisany:
        w << "BLAD: nie udalo sie zapisac lancucha do pliku " << p.plik
          << " - odrzucam otrzymany lancuch.\n";
        break;
    default: return false;
    }
    return true;
}

// Wpisy sieci: synchronizacja, serwer, gniazda, rozglaszanie.
bool wierszSieci(std::ostringstream& w, const Wpis& p)
{
    switch (p.rodzaj) {
    case RodzajWpisu::synchronizacjaPrzerwana: dopiszPrzerwanie(w, p); break;
    case RodzajWpisu::odrzuconoOferte: w << "Odrzucam niepoprawna oferte synchronizacji.\n"; break;
    case RodzajWpisu::odrzuconoProsbeOStan: w << "Odrzucam niepoprawna prosbe o stan lancucha.\n"; break;
    case RodzajWpisu::odrzuconoProsbe: w << "Odrzucam niepoprawna prosbe w synchronizacji - rozlaczam.\n"; break;
    case RodzajWpisu::zaDuzoProsb: w << "Za duzo prosb w jednej synchronizacji - rozlaczam.\n"; break;
    case RodzajWpisu::odrzuconoPoczatekRozmowy:
        w << "Odrzucam wiadomosc synchronizacji, ktora nie zaczyna rozmowy.\n";
        break;
    case RodzajWpisu::pobieranieLancucha:
        w << "Pobieram lancuch od " << p.adres << ": " << p.ile << " z " << p.ileMoj << " blokow\n";
        break;
    case RodzajWpisu::zamknietoPolaczenie:
        w << "Zamykam polaczenie z " << p.adres << ": " << tekstZamkniecia(p.zamkniecie) << ".\n";
        break;
    case RodzajWpisu::bladWatkuPolaczenia: w << "BLAD: nie udalo sie utworzyc watku obslugi polaczenia.\n"; break;
    case RodzajWpisu::brakPamieciNaZapytanie:
        w << "BLAD: zabraklo pamieci przy obsludze zapytania - odrzucam je.\n";
        break;
    case RodzajWpisu::nasluchNaPorcie: w << "Nasluchuje na porcie " << p.port << " w petli...\n"; break;
    case RodzajWpisu::bladGniazda: w << "BLAD: nie udalo sie utworzyc gniazda.\n"; break;
    case RodzajWpisu::bladBindowania:
        w << "BLAD: nie udalo sie zbindowac portu " << p.port << " (moze jest juz zajety?).\n";
        break;
    case RodzajWpisu::bladNasluchu: w << "BLAD: nie udalo sie nasluchiwac.\n"; break;
    case RodzajWpisu::niepoprawnyAdresIp: w << "BLAD: niepoprawny adres IP.\n"; break;
    case RodzajWpisu::limitPolaczenia:
        w << "BLAD: przekroczono czas oczekiwania na polaczenie z " << p.adres << " (wezel offline?)\n";
        break;
    case RodzajWpisu::bladPolaczenia: w << "BLAD: nie udalo sie polaczyc z " << p.adres << "\n"; break;
    case RodzajWpisu::bladPortuWykrywania:
        w << "BLAD: nie udalo sie zbindowac portu wykrywania " << p.port << ".\n";
        break;
    case RodzajWpisu::bladWatkuRozgloszen:
        w << "BLAD: nie udalo sie utworzyc watku rozgloszen - lancuch nie bedzie rozglaszany.\n";
        break;
    case RodzajWpisu::brakPamieciRozglaszania: w << "BLAD: zabraklo pamieci przy rozglaszaniu lancucha.\n"; break;
    case RodzajWpisu::rozgloszono: w << "Rozgloszono do " << p.adres << "\n"; break;
    case RodzajWpisu::nieRozgloszono: w << "Nie udalo sie rozglosic do " << p.adres << " (offline?)\n"; break;
    case RodzajWpisu::rozglaszaniePrzerwane:
        w << "Rozglaszanie do " << p.adres << " przerwane - zatrzymanie.\n";
        break;
    default: return false;
    }
    return true;
}

// Wpisy portfela, wezla, okna i samego programu.
void wierszProgramu(std::ostringstream& w, const Wpis& p)
{
    switch (p.rodzaj) {
    case RodzajWpisu::prawaPortfela:
        w << "UWAGA: portfel " << p.plik << " mial prawa " << std::oct << std::setw(4)
          << std::setfill('0') << p.ile << std::dec
          << " (dostepny dla innych uzytkownikow) - ustawiono 0600.\n";
        break;
    case RodzajWpisu::portfelNieDoPrzeniesienia:
        w << "UWAGA: nie mozna wczytac portfela " << p.plik
          << " ani przeniesc go na bok - plik zostaje, nowy portfel nie zostanie zapisany.\n";
        break;
    case RodzajWpisu::portfelPrzeniesiony:
        w << "UWAGA: nie mozna wczytac portfela " << p.plik << " - przeniesiono go do " << p.nowyPlik
          << ", tworze nowy portfel.\n";
        break;
    case RodzajWpisu::bezPortfela: w << "Bez portfela: ochrona salda przy przyjmowaniu lancuchow wylaczona.\n"; break;
    case RodzajWpisu::utworzonoPortfel:
        w << "Utworzono nowy portfel " << p.plik << ", klucz publiczny: " << p.tekst << "\n";
        break;
    case RodzajWpisu::kopanieNaKlucz: w << "Kopanie na klucz publiczny: " << p.tekst << "\n"; break;
    case RodzajWpisu::usunietoSiebieZListy: w << "Usunieto ten wezel z listy " << p.plik << ".\n"; break;
    case RodzajWpisu::wykrytoWezel: w << "Wykryto nowy wezel w sieci: " << p.adres << ":" << p.port << "\n"; break;
    case RodzajWpisu::bladWatku: w << "BLAD: nie udalo sie utworzyc watku " << p.tekst << ".\n"; break;
    case RodzajWpisu::bladWatkuKopania: w << "BLAD: nie udalo sie utworzyc watku kopania w petli.\n"; break;
    case RodzajWpisu::bladWatkuSerweraNaPorcie:
        w << "BLAD: nie udalo sie utworzyc watku serwera na porcie " << p.port << ".\n";
        break;
    case RodzajWpisu::bladWatkuObecnosciOkna:
        w << "BLAD: nie udalo sie utworzyc watku obecnosci - nasluch zatrzymany.\n";
        break;
    case RodzajWpisu::wezelZatrzymany: w << "Wezel zatrzymany.\n"; break;
    case RodzajWpisu::watkiNieSkonczyly:
        w << "Watki sieci nie skonczyly w czasie - wyjscie bez czekania na nie"
             " (zaden zapis lancucha nie trwa).\n";
        break;
    case RodzajWpisu::wezelDziala: w << "Wezel dziala na porcie " << p.port << " (zatrzymanie: SIGINT albo SIGTERM).\n"; break;
    case RodzajWpisu::otrzymanoSygnal: w << "Otrzymano sygnal " << p.ile << " - zatrzymuje wezel.\n"; break;
    case RodzajWpisu::wersja: w << p.tekst << " " << p.opis << "\n"; break;
    case RodzajWpisu::pomoc: w << p.tekst; break;
    case RodzajWpisu::bladProgramu: w << p.tekst << ": BLAD: " << p.opis << "\n"; break;
    default: break;
    }
}

// Caly tekst jednym zapisem; krotki zapis (potok) dopisuje reszte.
void zapiszCaly(int fd, std::string_view tekst)
{
    while (!tekst.empty()) {
        const ssize_t n = ::write(fd, tekst.data(), tekst.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return;
        tekst.remove_prefix(static_cast<std::size_t>(n));
    }
}

} // namespace

std::string wierszWpisu(const Wpis& wpis)
{
    std::ostringstream w;
    if (!wierszLancucha(w, wpis) && !wierszSieci(w, wpis))
        wierszProgramu(w, wpis);
    return std::move(w).str();
}

bool naWyjscieBledow(RodzajWpisu rodzaj)
{
    return rodzaj == RodzajWpisu::bladProgramu;
}

std::string adresWezla(const std::string& ip, int port)
{
    return ip + ":" + std::to_string(port);
}

void Dziennik::zglos(const Wpis& wpis)
{
    const std::string wiersz = wierszWpisu(wpis);
    const std::lock_guard blokada(mutex);
    zapiszCaly(naWyjscieBledow(wpis.rodzaj) ? bledy : wyjscie, wiersz);
    for (const Subskrybent& s : subskrybenci)
        s.obserwator(wpis);
}

Dziennik::Subskrypcja Dziennik::subskrybuj(Obserwator obserwator)
{
    const std::lock_guard blokada(mutex);
    const Subskrypcja id = nastepnaSubskrypcja++;
    subskrybenci.push_back({id, std::move(obserwator)});
    return id;
}

void Dziennik::odsubskrybuj(Subskrypcja subskrypcja)
{
    const std::lock_guard blokada(mutex);
    std::erase_if(subskrybenci, [subskrypcja](const Subskrybent& s) { return s.id == subskrypcja; });
}

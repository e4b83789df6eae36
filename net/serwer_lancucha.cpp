// Decyzja serwera o otrzymanym lancuchu: odczyt, walidacja, porownanie pod blokada,
// przyjecie albo odmowa; na kazdej drodze scalenie listy wezlow i odpowiedz.

#include <iostream>
#include <mutex>
#include <optional>
#include <shared_mutex>
#include <string_view>

#include "format_lancucha.h"
#include "plik_lancucha.h"
#include "przejecie_lancucha.h"
#include "rozgloszenie.h"
#include "wymiana_lancucha.h"

namespace {

// Wczytanie zywego lancucha serwera (pod mutexZapisuLancucha); odczyt porownujacy innych
// polaczen czeka na nie. `przedZapisem`: nieczytelny plik jest odkladany na bok.
bool wczytajZywy(KontekstSerwera& kontekst, bool przedZapisem)
{
    const std::unique_lock zmiana(kontekst.mutexLancucha);
    return przedZapisem ? wczytajPrzedZapisem(kontekst.lancuch, kontekst.plikLancucha)
                        : wczytajLancuch(kontekst.lancuch, kontekst.plikLancucha);
}

// Tekst, ktorego postac w pamieci bylaby wielokrotnie wieksza od niego, nie jest czytany.
bool miesciSieWBudzecie(std::string_view tekstLancucha)
{
    const std::uint64_t potrzeba = szacujPamiecLancucha(tekstLancucha);
    if (potrzeba <= MNOZNIK_PAMIECI_LANCUCHA * tekstLancucha.size())
        return true;
    std::cout << "Otrzymany lancuch zajalby w pamieci " << potrzeba << " bajtow przy "
              << tekstLancucha.size() << " bajtach tekstu - odrzucam.\n";
    return false;
}

// Porownanie i ewentualny zapis; wolajacy trzyma mutexZapisuLancucha, a wlasny lancuch jest
// juz wczytany z pliku. true, gdy lancuch przyjeto. `otrzymany`: Blockchain albo NoweBloki.
template <typename Otrzymany>
bool zdecydujPodBlokada(KontekstSerwera& kontekst, Otrzymany& otrzymany, OcenaOtrzymanego& ocena)
{
    const auto ileOtrzymany = static_cast<std::int32_t>(otrzymany.liczbaBlokow());
    const auto ileMoj = static_cast<std::int32_t>(kontekst.lancuch.liczbaBlokow());
    if (ileOtrzymany <= ileMoj) {
        std::cout << "Otrzymany lancuch (" << ileOtrzymany << " blokow) nie jest dluzszy niz moj ("
                  << ileMoj << " blokow) - zostaje przy swoim.\n";
        return false;
    }
    if (!kontekst.kluczPubliczny.empty()) {
        // Zapamietane salda: koszt zalezy od nowych blokow, nie od calego lancucha.
        kontekst.lancuch.przygotujSalda();
        const std::int64_t przed = kontekst.lancuch.saldo(kontekst.kluczPubliczny);
        const std::int64_t po =
            saldoOtrzymanego(kontekst.lancuch, otrzymany, ocena, kontekst.kluczPubliczny);
        if (po < przed) {
            std::cout << "Otrzymany lancuch jest dluzszy, ale ZMNIEJSZYLBY Twoje saldo (" << przed
                      << " -> " << po << ") - odrzucam.\n";
            return false;
        }
    }
    const std::unique_lock zmiana(kontekst.mutexLancucha);
    przejmijLancuch(kontekst.lancuch, otrzymany, std::move(ocena));
    if (!zapiszLancuch(kontekst.lancuch, kontekst.plikLancucha)) {
        // Stary plik zostaje nietkniety; zywy lancuch wczyta go od nowa przy nastepnym zapytaniu.
        const int trudnosc = kontekst.lancuch.trudnosc;
        kontekst.lancuch = Blockchain();
        kontekst.lancuch.trudnosc = trudnosc;
        std::cout << "BLAD: nie udalo sie zapisac lancucha do pliku " << kontekst.plikLancucha
                  << " - odrzucam otrzymany lancuch.\n";
        return false;
    }
    std::cout << "Przyjeto nowy, dluzszy lancuch (" << kontekst.lancuch.liczbaBlokow()
              << " blokow).\n";
    return true;
}

// Szybkie drogi: brak oceny to "ta droga nie pasuje", niepoprawny lancuch to odmowa.
template <typename Otrzymany>
std::optional<bool> zdecydujPoOcenie(KontekstSerwera& kontekst, Otrzymany& otrzymany,
                                     std::optional<OcenaOtrzymanego> ocena)
{
    if (!ocena)
        return std::nullopt;
    if (!ocena->poprawny) {
        std::cout << "Otrzymany lancuch NIE jest poprawny - odrzucam.\n";
        return false;
    }
    return zdecydujPodBlokada(kontekst, otrzymany, *ocena);
}

// Porownanie i ewentualny zapis pod mutexZapisuLancucha; true, gdy lancuch przyjeto.
bool porownajIPrzyjmij(KontekstSerwera& kontekst, Blockchain& otrzymany, OcenaOtrzymanego& ocena)
{
    std::lock_guard blokada(mutexZapisuLancucha);
    // Blok zapisany chwile temu przez okno lub kopanie ma sie liczyc.
    if (!wczytajZywy(kontekst, true)) {
        std::cout << "Nie mozna bezpiecznie zapisac pliku " << kontekst.plikLancucha
                  << " - odrzucam otrzymany lancuch.\n";
        return false;
    }
    // Rozszerzenie przejmowane jest przez dopisanie, bez przepisywania calego pliku.
    ocena.rozszerzaWlasny = czyRozszerza(kontekst.lancuch, otrzymany);
    return zdecydujPodBlokada(kontekst, otrzymany, ocena);
}

// Szybka droga: otrzymany rozszerza wlasny lancuch, ktory zna salda walidacji swojego
// poczatku. Sprawdzenie nowych blokow i decyzja pod jedna blokada. Nic, gdy ta droga
// nie pasuje (wtedy sprawdzana jest calosc, jak zawsze).
std::optional<bool> rozpatrzRozszerzenie(KontekstSerwera& kontekst, Blockchain& otrzymany)
{
    std::lock_guard blokada(mutexZapisuLancucha);
    // Tylko czysty odczyt: plik nieczytelny obsluguje droga przez calosc, z jej komunikatami.
    if (!wczytajZywy(kontekst, false))
        return std::nullopt;
    return zdecydujPoOcenie(kontekst, otrzymany, ocenRozszerzenie(kontekst.lancuch, otrzymany));
}

// Najtansza droga: otrzymany zaczyna sie wszystkimi blokami wlasnego lancucha, ktory od
// porownania (punkt `porownany`) sie nie zmienil; wspolny poczatek nie byl budowany.
// Nic, gdy ta droga nie pasuje.
std::optional<bool> rozpatrzNoweBloki(KontekstSerwera& kontekst, NoweBloki& otrzymany,
                                      const Punkt& porownany)
{
    std::lock_guard blokada(mutexZapisuLancucha);
    if (!wczytajZywy(kontekst, false) || kontekst.lancuch.punkt() != porownany)
        return std::nullopt;
    return zdecydujPoOcenie(kontekst, otrzymany, ocenNoweBloki(kontekst.lancuch, otrzymany));
}

// Odczyt porownujacy z wlasnym lancuchem: bloki rowne wlasnym nie sa budowane. Gdy otrzymany
// rozszerza wlasny, probuje najtanszej drogi; inaczej sklada caly otrzymany lancuch.
// Zywy lancuch zmieniaja inne polaczenia (pod mutexZapisuLancucha i wylaczna blokada
// mutexLancucha), wiec odczyt porownujacy trzyma blokade wspolna.
std::optional<bool> odczytajIRozpatrz(KontekstSerwera& kontekst, std::string_view tekstLancucha,
                                      Blockchain& otrzymany)
{
    NoweBloki nowe;
    OdczytaneBloki odczyt;
    Punkt porownany;
    {
        const std::shared_lock czytanie(kontekst.mutexLancucha);
        const std::vector<Blok>& wlasne = kontekst.lancuch.pobierzLancuch();
        porownany = kontekst.lancuch.punkt();
        if (!parsujZaWspolnymi(tekstLancucha, wlasne, nowe.wspolnych, odczyt)
            || nowe.wspolnych + odczyt.bloki.size() == 0) {
            std::cout << "Otrzymane dane nie sa poprawnym lancuchem.\n";
            return false;
        }
        if (nowe.wspolnych < wlasne.size()) {
            std::vector<Blok> bloki(wlasne.begin(),
                                    wlasne.begin() + static_cast<std::ptrdiff_t>(nowe.wspolnych));
            bloki.insert(bloki.end(), std::make_move_iterator(odczyt.bloki.begin()),
                         std::make_move_iterator(odczyt.bloki.end()));
            otrzymany.zastapLancuch(std::move(bloki));
            return std::nullopt;
        }
    }
    nowe.bloki = std::move(odczyt.bloki);
    if (std::optional<bool> przyjety = rozpatrzNoweBloki(kontekst, nowe, porownany))
        return przyjety;
    // Wlasny lancuch zmienil sie w pliku albo nie zna sald: zwykly odczyt calosci.
    if (!parsujLancuch(otrzymany, tekstLancucha))
        return false; // nieosiagalne: ten sam tekst juz sie odczytal
    return std::nullopt;
}

// Kroki od odczytu do decyzji; true, gdy lancuch przyjeto.
bool rozpatrzLancuch(KontekstSerwera& kontekst, std::string_view tekstLancucha)
{
    if (tekstLancucha.empty()) {
        std::cout << "Nie udalo sie odebrac lancucha.\n";
        return false;
    }
    if (!miesciSieWBudzecie(tekstLancucha))
        return false;
    Blockchain otrzymany;
    if (const std::optional<bool> wynik = odczytajIRozpatrz(kontekst, tekstLancucha, otrzymany))
        return *wynik;
    if (const std::optional<bool> przyjety = rozpatrzRozszerzenie(kontekst, otrzymany))
        return *przyjety;
    OcenaOtrzymanego ocena = ocenCalosc(otrzymany);
    if (!ocena.poprawny) {
        std::cout << "Otrzymany lancuch NIE jest poprawny - odrzucam.\n";
        return false;
    }
    return porownajIPrzyjmij(kontekst, otrzymany, ocena);
}

} // namespace

std::string obsluzPrzychodzacyLancuch(KontekstSerwera& kontekst, const std::string& wiadomosc)
{
    // Widoki na wiadomosc: lancuch nie jest kopiowany przed odczytem.
    std::string_view tekstLancucha;
    std::string_view tekstWezlow;
    if (!rozdzielWidokWiadomosci(wiadomosc, tekstLancucha, tekstWezlow)) {
        tekstLancucha = wiadomosc;
        tekstWezlow = {};
    }
    if (rozpatrzLancuch(kontekst, tekstLancucha)) {
        if (kontekst.poPrzyjeciu) {
            // Wypychacz w tle sam wczyta nowy lancuch z pliku, juz po odpowiedzi.
            kontekst.poPrzyjeciu();
        } else {
            // Bez rozglaszacza (jedno polaczenie naraz); wpisy tego wezla sa pomijane.
            const std::shared_lock czytanie(kontekst.mutexLancucha);
            (void)rozglosLancuch(kontekst.lancuch, kontekst.plikWezlow, kontekst.mojPort,
                                 kontekst.limitOdbioru);
        }
    }
    scalListeWezlow(tekstWezlow, kontekst.plikWezlow, kontekst.mojPort);
    return wezlyDoTekstu(wczytajWezly(kontekst.plikWezlow));
}

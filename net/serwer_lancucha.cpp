// Decyzja serwera o otrzymanym lancuchu: odczyt, walidacja, porownanie pod blokada,
// przyjecie albo odmowa; na kazdej drodze scalenie listy wezlow i odpowiedz.

#include <iostream>
#include <mutex>
#include <optional>
#include <string_view>

#include "format_lancucha.h"
#include "plik_lancucha.h"
#include "przejecie_lancucha.h"
#include "rozgloszenie.h"
#include "wymiana_lancucha.h"

namespace {

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
    przejmijLancuch(kontekst.lancuch, otrzymany, std::move(ocena));
    (void)zapiszLancuch(kontekst.lancuch, kontekst.plikLancucha);
    std::cout << "Przyjeto nowy, dluzszy lancuch (" << kontekst.lancuch.liczbaBlokow()
              << " blokow).\n";
    return true;
}

// Porownanie i ewentualny zapis pod mutexZapisuLancucha; true, gdy lancuch przyjeto.
bool porownajIPrzyjmij(KontekstSerwera& kontekst, Blockchain& otrzymany, OcenaOtrzymanego& ocena)
{
    std::lock_guard blokada(mutexZapisuLancucha);
    // Blok zapisany chwile temu przez okno lub kopanie ma sie liczyc.
    if (!wczytajPrzedZapisem(kontekst.lancuch, kontekst.plikLancucha)) {
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
    if (!wczytajLancuch(kontekst.lancuch, kontekst.plikLancucha))
        return std::nullopt;
    std::optional<OcenaOtrzymanego> ocena = ocenRozszerzenie(kontekst.lancuch, otrzymany);
    if (!ocena)
        return std::nullopt;
    if (!ocena->poprawny) {
        std::cout << "Otrzymany lancuch NIE jest poprawny - odrzucam.\n";
        return false;
    }
    return zdecydujPodBlokada(kontekst, otrzymany, *ocena);
}

// Najtansza droga: otrzymany zaczyna sie wszystkimi blokami wlasnego lancucha, ktory od
// porownania (punkt `porownany`) sie nie zmienil; wspolny poczatek nie byl budowany.
// Nic, gdy ta droga nie pasuje.
std::optional<bool> rozpatrzNoweBloki(KontekstSerwera& kontekst, NoweBloki& otrzymany,
                                      const Punkt& porownany)
{
    std::lock_guard blokada(mutexZapisuLancucha);
    if (!wczytajLancuch(kontekst.lancuch, kontekst.plikLancucha)
        || kontekst.lancuch.punkt() != porownany)
        return std::nullopt;
    std::optional<OcenaOtrzymanego> ocena = ocenNoweBloki(kontekst.lancuch, otrzymany);
    if (!ocena)
        return std::nullopt;
    if (!ocena->poprawny) {
        std::cout << "Otrzymany lancuch NIE jest poprawny - odrzucam.\n";
        return false;
    }
    return zdecydujPodBlokada(kontekst, otrzymany, *ocena);
}

// Odczyt porownujacy z wlasnym lancuchem: bloki rowne wlasnym nie sa budowane. Gdy otrzymany
// rozszerza wlasny, probuje najtanszej drogi; inaczej sklada caly otrzymany lancuch.
// Wlasny lancuch zmienia tylko watek serwera, wiec odczyt bez blokady niczego nie wyprzedza.
std::optional<bool> odczytajIRozpatrz(KontekstSerwera& kontekst, std::string_view tekstLancucha,
                                      Blockchain& otrzymany)
{
    const std::vector<Blok>& wlasne = kontekst.lancuch.pobierzLancuch();
    const Punkt porownany = kontekst.lancuch.punkt();
    NoweBloki nowe;
    OdczytaneBloki odczyt;
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
    if (!rozdzielWiadomoscLancucha(std::string_view(wiadomosc), tekstLancucha, tekstWezlow)) {
        tekstLancucha = wiadomosc;
        tekstWezlow = {};
    }
    if (rozpatrzLancuch(kontekst, tekstLancucha)) {
        // Po zwolnieniu blokady; wpisy oznaczajace ten wezel sa pomijane.
        (void)rozglosLancuch(kontekst.lancuch, kontekst.plikWezlow, kontekst.mojPort,
                             kontekst.limitOdbioru);
    }
    scalListeWezlow(std::string(tekstWezlow), kontekst.plikWezlow, kontekst.mojPort);
    return wezlyDoTekstu(wczytajWezly(kontekst.plikWezlow));
}

// Decyzja serwera o otrzymanym lancuchu: odczyt, walidacja, porownanie pod blokada,
// przyjecie albo odmowa; na kazdej drodze scalenie listy wezlow i odpowiedz.

#include <iostream>
#include <mutex>

#include "format_lancucha.h"
#include "plik_lancucha.h"
#include "rozgloszenie.h"
#include "wymiana_lancucha.h"

namespace {

// Przejecie otrzymanego lancucha i zapis; gdy zapis zawiedzie, zywy lancuch wraca do
// poprzedniego (stary plik zostaje nietkniety), a lancuch jest odrzucony.
bool przyjmijIZapisz(KontekstSerwera& kontekst, Blockchain& otrzymany)
{
    Blockchain& zywy = kontekst.lancuch;
    const int staraTrudnosc = zywy.trudnosc;
    std::vector<Blok> stare = std::move(zywy.lancuch);
    zywy.trudnosc = otrzymany.trudnosc;
    zywy.zastapLancuch(std::move(otrzymany.lancuch));
    if (zapiszLancuch(zywy, kontekst.plikLancucha))
        return true;
    zywy.trudnosc = staraTrudnosc;
    zywy.zastapLancuch(std::move(stare));
    std::cout << "BLAD: nie udalo sie zapisac lancucha do pliku " << kontekst.plikLancucha
              << " - odrzucam otrzymany lancuch.\n";
    return false;
}

// Porownanie i ewentualny zapis pod mutexZapisuLancucha. Zwraca kopie przyjetego lancucha
// do rozgloszenia albo nic, gdy lancuch odrzucono.
std::shared_ptr<const Blockchain> porownajIPrzyjmij(KontekstSerwera& kontekst,
                                                    Blockchain& otrzymany)
{
    std::lock_guard blokada(mutexZapisuLancucha);
    // Blok zapisany chwile temu przez okno lub kopanie ma sie liczyc.
    if (!wczytajPrzedZapisem(kontekst.lancuch, kontekst.plikLancucha)) {
        std::cout << "Nie mozna bezpiecznie zapisac pliku " << kontekst.plikLancucha
                  << " - odrzucam otrzymany lancuch.\n";
        return nullptr;
    }
    const auto ileOtrzymany = static_cast<std::int32_t>(otrzymany.liczbaBlokow());
    const auto ileMoj = static_cast<std::int32_t>(kontekst.lancuch.liczbaBlokow());
    if (ileOtrzymany <= ileMoj) {
        std::cout << "Otrzymany lancuch (" << ileOtrzymany << " blokow) nie jest dluzszy niz moj ("
                  << ileMoj << " blokow) - zostaje przy swoim.\n";
        return nullptr;
    }
    if (!kontekst.kluczPubliczny.empty()) {
        const std::int64_t przed = kontekst.lancuch.saldo(kontekst.kluczPubliczny);
        const std::int64_t po = otrzymany.saldo(kontekst.kluczPubliczny);
        if (po < przed) {
            std::cout << "Otrzymany lancuch jest dluzszy, ale ZMNIEJSZYLBY Twoje saldo (" << przed
                      << " -> " << po << ") - odrzucam.\n";
            return nullptr;
        }
    }
    if (!przyjmijIZapisz(kontekst, otrzymany))
        return nullptr;
    std::cout << "Przyjeto nowy, dluzszy lancuch (" << kontekst.lancuch.liczbaBlokow()
              << " blokow).\n";
    // Kopia pod blokada: inne zapytania moga zaraz zmienic zywy lancuch.
    return std::make_shared<const Blockchain>(kontekst.lancuch);
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

// Kroki od odczytu do decyzji; kopia przyjetego lancucha albo nic.
std::shared_ptr<const Blockchain> rozpatrzLancuch(KontekstSerwera& kontekst,
                                                  std::string_view tekstLancucha)
{
    if (tekstLancucha.empty()) {
        std::cout << "Nie udalo sie odebrac lancucha.\n";
        return nullptr;
    }
    if (!miesciSieWBudzecie(tekstLancucha))
        return nullptr;
    Blockchain otrzymany;
    if (!parsujLancuch(otrzymany, tekstLancucha)) {
        std::cout << "Otrzymane dane nie sa poprawnym lancuchem.\n";
        return nullptr;
    }
    if (!otrzymany.czyLancuchPoprawny()) {
        std::cout << "Otrzymany lancuch NIE jest poprawny - odrzucam.\n";
        return nullptr;
    }
    return porownajIPrzyjmij(kontekst, otrzymany);
}

} // namespace

std::string obsluzPrzychodzacyLancuch(KontekstSerwera& kontekst, const std::string& wiadomosc)
{
    std::string_view tekstLancucha;
    std::string_view tekstWezlow;
    if (!rozdzielWidokWiadomosci(wiadomosc, tekstLancucha, tekstWezlow)) {
        tekstLancucha = wiadomosc;
        tekstWezlow = {};
    }
    if (std::shared_ptr<const Blockchain> przyjety = rozpatrzLancuch(kontekst, tekstLancucha)) {
        if (kontekst.poPrzyjeciu) {
            kontekst.poPrzyjeciu(std::move(przyjety));
        } else {
            // Bez rozglaszacza w tle; wpisy oznaczajace ten wezel sa pomijane.
            (void)rozglosLancuch(*przyjety, kontekst.plikWezlow, kontekst.mojPort,
                                 kontekst.limitOdbioru);
        }
    }
    scalListeWezlow(tekstWezlow, kontekst.plikWezlow, kontekst.mojPort);
    return wezlyDoTekstu(wczytajWezly(kontekst.plikWezlow));
}

// Pierwsza wiadomosc polaczenia serwera: caly lancuch (decyzja, scalenie listy wezlow,
// odpowiedz lista) albo rozmowa synchronizacji blokami.

#include <shared_mutex>

#include "net/decyzja_serwera.h"
#include "net/rodzaje_wezlow.h"
#include "net/rozgloszenie.h"
#include "net/sesje_synchronizacji.h"
#include "net/wymiana_lancucha.h"

namespace {

// Przyjety lancuch idzie dalej do znanych wezlow, juz ze scalona lista nadawcy.
void rozglosPrzyjety(KontekstSerwera& kontekst)
{
    if (kontekst.poPrzyjeciu) {
        // Rozglaszacz w tle sam wczyta nowy lancuch z pliku.
        kontekst.poPrzyjeciu();
        return;
    }
    // Bez rozglaszacza (jedno polaczenie naraz); wpisy tego wezla sa pomijane.
    const std::shared_lock czytanie(kontekst.mutexLancucha);
    (void)rozglosLancuch(kontekst.dziennik, kontekst.lancuch, kontekst.plikWezlow, kontekst.mojPort,
                         kontekst.stop,
                         kontekst.limitOdbioru);
}

} // namespace

std::string obsluzPrzychodzacyLancuch(KontekstSerwera& kontekst, const std::string& wiadomosc,
                                      Kanal* kanal)
{
    if (synchronizacjaWlaczona() && rodzajWiadomosci(wiadomosc) != RodzajWiadomosci::obca) {
        bool przyjeto = false;
        std::string odpowiedz = obsluzSynchronizacje(kontekst, wiadomosc, kanal, przyjeto);
        if (przyjeto)
            rozglosPrzyjety(kontekst);
        return odpowiedz;
    }
    // Widoki na wiadomosc: lancuch nie jest kopiowany przed odczytem.
    std::string_view tekstLancucha;
    std::string_view tekstWezlow;
    if (!rozdzielWidokWiadomosci(wiadomosc, tekstLancucha, tekstWezlow)) {
        tekstLancucha = wiadomosc;
        tekstWezlow = {};
    }
    const Decyzja decyzja = rozpatrzTekstLancucha(kontekst, tekstLancucha);
    zglosDecyzje(kontekst.dziennik, decyzja);
    // Najpierw scalenie: rozgloszenie ma juz widziec wezly nadawcy.
    scalListeWezlow(tekstWezlow, kontekst.plikWezlow, kontekst.mojPort);
    std::string odpowiedz = wezlyDoTekstu(wczytajWezly(kontekst.plikWezlow));
    if (decyzja.rodzaj == RodzajDecyzji::przyjety)
        rozglosPrzyjety(kontekst);
    return odpowiedz;
}

#include "net/wypchniecie_blokami.h"

#include "core/format_lancucha.h"
#include "net/kanal.h"
#include "net/lokator.h"
#include "net/rodzaje_wezlow.h"
#include "net/wymiana_lancucha.h"
#include "net/gniazda.h"

namespace {

// Lancuch do tylu blokow (okolo 1,5 MB tekstu) idzie caly, gdy wezel zamknal polaczenie
// po ofercie bez odpowiedzi.
constexpr std::size_t MAKS_BLOKOW_CALEGO_PO_CISZY = 5000;

// Odpowiedzi dawcy w jednej rozmowie: zawezanie i kawalki calego najdluzszego lancucha.
constexpr int MAKS_ODPOWIEDZI_DAWCY = 10000;

WynikRozmowy wynikDecyzji(KodDecyzji kod)
{
    switch (kod) {
    case KodDecyzji::przyjety:
        return WynikRozmowy::przyjety;
    case KodDecyzji::juzMial:
        return WynikRozmowy::juzMial;
    case KodDecyzji::nieDluzszy:
        return WynikRozmowy::nieDluzszy;
    case KodDecyzji::saldo:
        return WynikRozmowy::saldo;
    case KodDecyzji::niepoprawny:
        return WynikRozmowy::niepoprawny;
    case KodDecyzji::odmowa:
        break;
    }
    return WynikRozmowy::odmowa;
}

RozmowaWypchniecia wypchnijCaly(Dziennik& dziennik, TekstNaZadanie& tekst, const Wezel& wezel, int port,
                         const std::string& plikWezlow, int mojPort, const std::stop_token& stop,
                         std::chrono::milliseconds limit)
{
    const bool wyslano = wyslijTekstLancuchaDoWezla(dziennik, tekst.pobierz(), wezel, port, plikWezlow,
                                                    mojPort, stop, limit);
    return {wyslano ? WynikRozmowy::wyslanyCaly : WynikRozmowy::nieOsiagniety, 0};
}

// Wspolna blokada lancucha zrodla, gdy ma ja.
std::shared_lock<std::shared_mutex> czytanie(const ZrodloWypchniecia& zrodlo)
{
    return zrodlo.mutex != nullptr ? std::shared_lock(*zrodlo.mutex)
                                   : std::shared_lock<std::shared_mutex>();
}

// Po ofercie: odpowiada na prosby wezla, az ten przysle decyzje.
RozmowaWypchniecia dawajDoDecyzji(const ZrodloWypchniecia& zrodlo, Kanal& kanal, std::string odpowiedz,
                           const std::string& plikWezlow, int mojPort)
{
    for (int i = 0; i < MAKS_ODPOWIEDZI_DAWCY && !odpowiedz.empty(); ++i) {
        DecyzjaWezla decyzja;
        if (parsujDecyzje(odpowiedz, decyzja)) {
            scalListeWezlow(decyzja.wezly, plikWezlow, mojPort);
            return {wynikDecyzji(decyzja.kod), decyzja.ileMoj};
        }
        std::optional<std::string> dane;
        {
            const auto blokada = czytanie(zrodlo);
            dane = odpowiedzDawcy(zrodlo.lancuch.pobierzLancuch(), odpowiedz);
        }
        if (!dane || !kanal.wyslij({*dane}))
            break;
        odpowiedz = kanal.odbierz(MAKS_WIADOMOSCI_SYNCHRONIZACJI);
    }
    return {WynikRozmowy::przerwany, 0};
}

} // namespace

bool osiagniety(WynikRozmowy wynik)
{
    return wynik != WynikRozmowy::nieOsiagniety && wynik != WynikRozmowy::przerwany;
}

std::string_view TekstNaZadanie::pobierz()
{
    std::call_once(raz, [this] {
        std::shared_lock<std::shared_mutex> blokada;
        if (mutex != nullptr)
            blokada = std::shared_lock(*mutex);
        tekst = serializujLancuch(lancuch);
    });
    return tekst;
}

RozmowaWypchniecia wypchnijBlokami(Dziennik& dziennik, const ZrodloWypchniecia& zrodlo, const Wezel& wezel, int port,
                                   const std::string& plikWezlow, int mojPort,
                                   const std::stop_token& stop, std::chrono::milliseconds limit)
{
    TekstNaZadanie& tekst = zrodlo.tekst;
    if (!synchronizacjaWlaczona() || rodzajWezla(wezel.ip, port) == RodzajWezla::stary)
        return wypchnijCaly(dziennik, tekst, wezel, port, plikWezlow, mojPort, stop, limit);
    std::string odpowiedz;
    std::size_t ileBlokow = 0;
    {
        const Gniazdo gniazdo = polaczZLimitemCzasu(dziennik, wezel.ip, port, stop);
        if (!gniazdo.otwarte())
            return {};
        KanalGniazda kanal(gniazdo, limit, stop);
        const std::string wezly = wezlyDoTekstu(wczytajWezly(plikWezlow));
        std::string oferta;
        {
            const auto blokada = czytanie(zrodlo);
            const LancuchBlokow& bloki = zrodlo.lancuch.pobierzLancuch();
            ileBlokow = bloki.size();
            oferta = tekstOferty(bloki.size(), zbudujLokator(bloki), wezly);
        }
        if (!kanal.wyslij({oferta}))
            return {};
        odpowiedz = kanal.odbierz(MAKS_WIADOMOSCI_SYNCHRONIZACJI);
        if (rodzajWiadomosci(odpowiedz) != RodzajWiadomosci::obca) {
            zapamietajRodzaj(wezel.ip, port, RodzajWezla::nowy);
            return dawajDoDecyzji(zrodlo, kanal, std::move(odpowiedz), plikWezlow, mojPort);
        }
    }
    if (!odpowiedz.empty()) {
        // Wezel odrzucil oferte jak tekst, ktory nie jest lancuchem, i odpowiedzial lista
        // wezlow: odtad dostaje cale lancuchy.
        scalListeWezlow(odpowiedz, plikWezlow, mojPort);
        zapamietajRodzaj(wezel.ip, port, RodzajWezla::stary);
        return wypchnijCaly(dziennik, tekst, wezel, port, plikWezlow, mojPort, stop, limit);
    }
    // Zamkniecie bez odpowiedzi: wezel starego rodzaju z pusta lista albo zajety wezel tego
    // programu. Maly lancuch idzie caly (i wtedy wezel uznajemy za stary); duzy nie, zeby
    // chwilowo zajety wezel nie dostal setek megabajtow.
    if (ileBlokow > MAKS_BLOKOW_CALEGO_PO_CISZY || stop.stop_requested())
        return {WynikRozmowy::przerwany, 0};
    RozmowaWypchniecia caly = wypchnijCaly(dziennik, tekst, wezel, port, plikWezlow, mojPort, stop, limit);
    if (osiagniety(caly.wynik))
        zapamietajRodzaj(wezel.ip, port, RodzajWezla::stary);
    return caly;
}

WynikPobierania pobierzLancuchOd(KontekstSerwera& kontekst, const Wezel& wezel,
                                 const ZglosPostep& postep, bool& stary)
{
    stary = false;
    WynikPobierania wynik;
    wynik.przerwanie = PowodPrzerwania::ciszaDawcy;
    if (!synchronizacjaWlaczona() || rodzajWezla(wezel.ip, wezel.port) == RodzajWezla::stary) {
        stary = true;
        return wynik;
    }
    const Gniazdo gniazdo = polaczZLimitemCzasu(kontekst.dziennik, wezel.ip, wezel.port, kontekst.stop);
    if (!gniazdo.otwarte())
        return wynik;
    KanalGniazda kanal(gniazdo, kontekst.limitOdbioru, kontekst.stop);
    const std::string wezly = wezlyDoTekstu(wczytajWezly(kontekst.plikWezlow));
    const std::string odpowiedz = kanal.zapytaj(tekstStanu(wezly), MAKS_WIADOMOSCI_SYNCHRONIZACJI);
    Oferta oferta;
    if (rodzajWiadomosci(odpowiedz) == RodzajWiadomosci::obca) {
        if (!odpowiedz.empty())
            scalListeWezlow(odpowiedz, kontekst.plikWezlow, kontekst.mojPort);
        zapamietajRodzaj(wezel.ip, wezel.port, RodzajWezla::stary);
        stary = true;
        return wynik;
    }
    if (!parsujOferte(odpowiedz, oferta)) {
        wynik.przerwanie = PowodPrzerwania::zlaOdpowiedz;
        return wynik;
    }
    zapamietajRodzaj(wezel.ip, wezel.port, RodzajWezla::nowy);
    scalListeWezlow(oferta.wezly, kontekst.plikWezlow, kontekst.mojPort);
    return pobierzOdDawcy(kontekst, kanal, oferta, postep);
}

#include "wypchniecie.h"

#include "format_lancucha.h"
#include "kanal.h"
#include "lokator.h"
#include "rodzaje_wezlow.h"
#include "wymiana_lancucha.h"

namespace {

// Odpowiedzi dawcy w jednej rozmowie: zawezanie i kawalki calego najdluzszego lancucha.
constexpr int MAKS_ODPOWIEDZI_DAWCY = 10000;

// Gniazdo zamykane przy wyjsciu z zakresu.
class Polaczenie {
public:
    explicit Polaczenie(Gniazdo gniazdo) : gniazdo(gniazdo) {}
    ~Polaczenie() { zamknijGniazdo(gniazdo); }
    Polaczenie(const Polaczenie&) = delete;
    Polaczenie& operator=(const Polaczenie&) = delete;
    Gniazdo gniazdo = NIEPRAWIDLOWE_GNIAZDO;
};

WynikWypchniecia wynikDecyzji(KodDecyzji kod)
{
    switch (kod) {
    case KodDecyzji::przyjety:
        return WynikWypchniecia::przyjety;
    case KodDecyzji::juzMial:
        return WynikWypchniecia::juzMial;
    case KodDecyzji::nieDluzszy:
        return WynikWypchniecia::nieDluzszy;
    case KodDecyzji::saldo:
        return WynikWypchniecia::saldo;
    case KodDecyzji::niepoprawny:
        return WynikWypchniecia::niepoprawny;
    case KodDecyzji::odmowa:
        break;
    }
    return WynikWypchniecia::odmowa;
}

Wypchniecie wypchnijCaly(TekstNaZadanie& tekst, const Wezel& wezel, int port,
                         const std::string& plikWezlow, int mojPort,
                         std::chrono::milliseconds limit)
{
    const bool wyslano =
        wyslijTekstLancuchaDoWezla(tekst.pobierz(), wezel, port, plikWezlow, mojPort, limit);
    return {wyslano ? WynikWypchniecia::wyslanyCaly : WynikWypchniecia::nieOsiagniety, 0};
}

// Po ofercie: odpowiada na prosby wezla, az ten przysle decyzje.
Wypchniecie dawajDoDecyzji(const Blockchain& lancuch, Kanal& kanal, std::string odpowiedz,
                           const std::string& plikWezlow, int mojPort)
{
    for (int i = 0; i < MAKS_ODPOWIEDZI_DAWCY && !odpowiedz.empty(); ++i) {
        DecyzjaWezla decyzja;
        if (parsujDecyzje(odpowiedz, decyzja)) {
            scalListeWezlow(decyzja.wezly, plikWezlow, mojPort);
            return {wynikDecyzji(decyzja.kod), decyzja.ileMoj};
        }
        const std::optional<std::string> dane = odpowiedzDawcy(lancuch.pobierzLancuch(), odpowiedz);
        if (!dane || !kanal.wyslij({*dane}))
            break;
        odpowiedz = kanal.odbierz(MAKS_WIADOMOSCI_SYNCHRONIZACJI);
    }
    return {WynikWypchniecia::przerwany, 0};
}

} // namespace

bool osiagniety(WynikWypchniecia wynik)
{
    return wynik != WynikWypchniecia::nieOsiagniety;
}

std::string_view TekstNaZadanie::pobierz()
{
    std::call_once(raz, [this] { tekst = serializujLancuch(lancuch); });
    return tekst;
}

Wypchniecie wypchnijDoWezla(const Blockchain& lancuch, TekstNaZadanie& tekst, const Wezel& wezel,
                            int port, const std::string& plikWezlow, int mojPort,
                            std::chrono::milliseconds limit)
{
    if (!synchronizacjaWlaczona() || rodzajWezla(wezel.ip, port) == RodzajWezla::stary)
        return wypchnijCaly(tekst, wezel, port, plikWezlow, mojPort, limit);
    std::string odpowiedz;
    {
        const Polaczenie polaczenie(polaczZLimitemCzasu(wezel.ip, port));
        if (polaczenie.gniazdo == NIEPRAWIDLOWE_GNIAZDO)
            return {};
        KanalGniazda kanal(polaczenie.gniazdo, limit);
        const std::vector<Blok>& bloki = lancuch.pobierzLancuch();
        const std::string wezly = wezlyDoTekstu(wczytajWezly(plikWezlow));
        if (!kanal.wyslij({tekstOferty(bloki.size(), zbudujLokator(bloki), wezly)}))
            return {};
        odpowiedz = kanal.odbierz(MAKS_WIADOMOSCI_SYNCHRONIZACJI);
        if (rodzajWiadomosci(odpowiedz) != RodzajWiadomosci::obca) {
            zapamietajRodzaj(wezel.ip, port, RodzajWezla::nowy);
            return dawajDoDecyzji(lancuch, kanal, std::move(odpowiedz), plikWezlow, mojPort);
        }
    }
    // Wezel odrzucil oferte jak tekst, ktory nie jest lancuchem (odpowiedzial lista wezlow albo
    // niczym): odtad dostaje cale lancuchy.
    if (!odpowiedz.empty())
        scalListeWezlow(odpowiedz, plikWezlow, mojPort);
    zapamietajRodzaj(wezel.ip, port, RodzajWezla::stary);
    return wypchnijCaly(tekst, wezel, port, plikWezlow, mojPort, limit);
}

WynikPobierania pobierzLancuchOd(KontekstSerwera& kontekst, const Wezel& wezel,
                                 const ZglosPostep& postep, bool& stary)
{
    stary = false;
    WynikPobierania wynik;
    wynik.przerwanie = PrzerwaniePobierania::ciszaDawcy;
    if (!synchronizacjaWlaczona() || rodzajWezla(wezel.ip, wezel.port) == RodzajWezla::stary) {
        stary = true;
        return wynik;
    }
    const Polaczenie polaczenie(polaczZLimitemCzasu(wezel.ip, wezel.port));
    if (polaczenie.gniazdo == NIEPRAWIDLOWE_GNIAZDO)
        return wynik;
    KanalGniazda kanal(polaczenie.gniazdo, kontekst.limitOdbioru);
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
        wynik.przerwanie = PrzerwaniePobierania::zlaOdpowiedz;
        return wynik;
    }
    zapamietajRodzaj(wezel.ip, wezel.port, RodzajWezla::nowy);
    scalListeWezlow(oferta.wezly, kontekst.plikWezlow, kontekst.mojPort);
    return pobierzOdDawcy(kontekst, kanal, oferta, postep);
}

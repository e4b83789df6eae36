#include "net/sesje_synchronizacji.h"

#include <shared_mutex>

#include "net/biorca.h"
#include "net/lokator.h"
#include "net/wymiana_lancucha.h"

namespace {

// Prosby biorcy (SZUKAJ, DAJ) sa krotkie.
constexpr long long MAKS_PROSBY = 1024;
// Tyle prosb w jednej rozmowie: uczciwe pobranie najdluzszego lancucha potrzebuje ich kilkuset.
constexpr int MAKS_PROSB_W_ROZMOWIE = 10000;

// Kanal, ktorym nic nie przychodzi (wywolanie bez polaczenia, np. z testu).
class KanalZamkniety final : public Kanal {
public:
    [[nodiscard]] bool wyslij(std::initializer_list<std::string_view>) override { return false; }
    [[nodiscard]] std::string odbierz(long long) override { return {}; }
};

std::string listaWezlow(const KontekstSerwera& kontekst)
{
    return wezlyDoTekstu(wczytajWezly(kontekst.plikWezlow));
}

DecyzjaWezla decyzjaDlaNadawcy(const WynikPobierania& wynik)
{
    DecyzjaWezla d;
    d.ileOtrzymany = static_cast<std::int64_t>(wynik.ileDawca);
    d.ileMoj = static_cast<std::int64_t>(wynik.ileMoj);
    if (wynik.przyjetoCokolwiek)
        d.kod = KodDecyzji::przyjety;
    else if (wynik.juzMial)
        d.kod = KodDecyzji::juzMial;
    else if (wynik.decyzja) {
        d.kod = kodDlaNadawcy(wynik.decyzja->rodzaj);
        d.przed = wynik.decyzja->przed;
        d.po = wynik.decyzja->po;
    } else if (wynik.przerwanie)
        d.kod = KodDecyzji::odmowa;
    else
        d.kod = KodDecyzji::nieDluzszy;
    return d;
}

// Wypychajacy daje bloki, serwer bierze.
std::string obsluzOferte(KontekstSerwera& kontekst, std::string_view wiadomosc, Kanal& kanal,
                         bool& przyjeto)
{
    Oferta oferta;
    if (!parsujOferte(wiadomosc, oferta)) {
        kontekst.dziennik.zglos({.rodzaj = RodzajWpisu::odrzuconoOferte});
        return {};
    }
    scalListeWezlow(oferta.wezly, kontekst.plikWezlow, kontekst.mojPort);
    const WynikPobierania wynik = pobierzOdDawcy(kontekst, kanal, oferta, {});
    if (!wynik.decyzja && !wynik.przerwanie) {
        // Ten sam wiersz, co przy wypchnieciu calego lancucha, ktory nie jest dluzszy.
        Decyzja d;
        d.rodzaj = RodzajDecyzji::nieDluzszy;
        d.ileOtrzymany = static_cast<std::int64_t>(oferta.liczbaBlokow);
        d.ileMoj = static_cast<std::int64_t>(wynik.ileMoj);
        zglosDecyzje(kontekst.dziennik, d);
    }
    if (const std::optional<Wpis> wpis = wpisPrzerwania(wynik.przerwanie, {}))
        kontekst.dziennik.zglos(*wpis);
    przyjeto = wynik.przyjetoCokolwiek;
    DecyzjaWezla d = decyzjaDlaNadawcy(wynik);
    const std::string wezly = listaWezlow(kontekst);
    d.wezly = wezly;
    return tekstDecyzji(d);
}

std::string tekstWlasnejOferty(KontekstSerwera& kontekst)
{
    (void)odswiezZywy(kontekst);
    const std::string wezly = listaWezlow(kontekst);
    const std::shared_lock czytanie(kontekst.mutexLancucha);
    const LancuchBlokow& bloki = kontekst.lancuch.pobierzLancuch();
    return tekstOferty(bloki.size(), zbudujLokator(bloki), wezly);
}

// Pobierajacy pyta, serwer daje: oferta, potem odpowiedzi na prosby az do konca rozmowy.
std::string obsluzStan(KontekstSerwera& kontekst, std::string_view wiadomosc, Kanal& kanal)
{
    std::string_view wezly;
    if (!parsujStan(wiadomosc, wezly)) {
        kontekst.dziennik.zglos({.rodzaj = RodzajWpisu::odrzuconoProsbeOStan});
        return {};
    }
    scalListeWezlow(wezly, kontekst.plikWezlow, kontekst.mojPort);
    if (!kanal.wyslij({tekstWlasnejOferty(kontekst)}))
        return {};
    for (int i = 0; i < MAKS_PROSB_W_ROZMOWIE; ++i) {
        const std::string prosba = kanal.odbierz(MAKS_PROSBY);
        if (prosba.empty())
            return {};
        if (rodzajWiadomosci(prosba) == RodzajWiadomosci::daj)
            (void)odswiezZywy(kontekst);
        std::optional<std::string> odpowiedz;
        {
            const std::shared_lock czytanie(kontekst.mutexLancucha);
            odpowiedz = odpowiedzDawcy(kontekst.lancuch.pobierzLancuch(), prosba);
        }
        if (!odpowiedz) {
            kontekst.dziennik.zglos({.rodzaj = RodzajWpisu::odrzuconoProsbe});
            return {};
        }
        if (!kanal.wyslij({*odpowiedz}))
            return {};
    }
    kontekst.dziennik.zglos({.rodzaj = RodzajWpisu::zaDuzoProsb});
    return {};
}

} // namespace

std::string obsluzSynchronizacje(KontekstSerwera& kontekst, std::string_view wiadomosc,
                                 Kanal* kanal, bool& przyjeto)
{
    przyjeto = false;
    KanalZamkniety zamkniety;
    Kanal& rozmowa = kanal != nullptr ? *kanal : zamkniety;
    switch (rodzajWiadomosci(wiadomosc)) {
    case RodzajWiadomosci::oferta:
        return obsluzOferte(kontekst, wiadomosc, rozmowa, przyjeto);
    case RodzajWiadomosci::stan:
        return obsluzStan(kontekst, wiadomosc, rozmowa);
    default:
        kontekst.dziennik.zglos({.rodzaj = RodzajWpisu::odrzuconoPoczatekRozmowy});
        return {};
    }
}

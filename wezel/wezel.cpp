#include "wezel/wezel.h"

#include <thread>

#include "core/plik_lancucha.h"
#include "net/obecnosc.h"
#include "net/rozgloszenie.h"
#include "net/wymiana_lancucha.h"

namespace {

constexpr std::chrono::milliseconds KROK_CZEKANIA_NA_POBRANIE{50};

} // namespace

WezelProgramu::WezelProgramu(KatalogDanych katalog, TozsamoscWezla tozsamosc,
                             ObserwatorWezla& obserwator, Dziennik& dziennik)
    : pliki(std::move(katalog)), ja(std::move(tozsamosc)), obserwator(obserwator),
      dziennik(dziennik)
{
}

WezelProgramu::~WezelProgramu()
{
    const Chwila start = std::chrono::steady_clock::now();
    static_cast<void>(zatrzymaj(Chwila::max(), start + CZAS_NA_WYJSCIE));
}

bool WezelProgramu::uruchomNasluch(int port)
{
    return serwer.uruchom([this, port](const std::stop_token& stop) {
        Blockchain prywatny;
        static_cast<void>(wczytajLancuch(prywatny, pliki.lancuch));
        KontekstSerwera kontekst{dziennik, prywatny, pliki.lancuch, pliki.wezly, ja.klucz, port};
        kontekst.stop = stop;
        nasluchujIPrzyjmujLancuchyWPetli(
            kontekst, [this, port](bool sukces) { obserwator.nasluchGotowy(port, sukces); });
    });
}

StartPoNasluchu WezelProgramu::uruchomPoNasluchu(int port, bool zObecnoscia)
{
    StartPoNasluchu wynik;
    wynik.usunietoSiebie = usunSiebieZListy(pliki.wezly, port);
    std::vector<Wezel> seedy = seedyDoBootstrapu(pliki.wezly, pliki.seedy);
    Blockchain kopia;
    if (!seedy.empty())
        static_cast<void>(wczytajLancuch(kopia, pliki.lancuch));
    // Bootstrap, potem pobranie dluzszego lancucha od znanych wezlow; petla bez wlasnego
    // pobrania czeka na nie, zeby nowy gornik nie odgalezil sie od sieci od pierwszego bloku.
    pobranoNaStarcie = false;
    if (!uruchomPrace("bootstrapu", [this, kopia = std::move(kopia), seedy = std::move(seedy),
                                     port](const std::stop_token& stop) {
            if (!seedy.empty()) {
                bootstrapZSeedow(dziennik, kopia, seedy, pliki.wezly, port, stop, nullptr);
                obserwator.bootstrapZakonczony();
            }
            const std::vector<Wezel> skad = wezlyDoPobrania(pliki, port);
            if (!skad.empty())
                pobierzIZglos(skad, port, CelPobrania::zwykle, stop);
            pobranoNaStarcie = true;
        }))
        pobranoNaStarcie = true;
    if (!zObecnoscia)
        return wynik;
    const bool sluchaczDziala = sluchacz.uruchom([this, port](const std::stop_token& stop) {
        nasluchujObecnosciWPetli(dziennik, port, ja.idWezla, pliki.wezly, stop,
                                 [this](const std::string& ip, int portWezla) {
                                     obserwator.wykrytoWezel(ip, portWezla);
                                 });
    });
    const bool oglaszaczDziala = oglaszacz.uruchom([this, port](const std::stop_token& stop) {
        oglaszajObecnoscWPetli(port, ja.idWezla, ja.klucz, ja.nazwa, stop);
    });
    wynik.obecnosc = sluchaczDziala && oglaszaczDziala;
    return wynik;
}

void WezelProgramu::zatrzymajNasluch()
{
    // Wszystkie naraz: koncza sie rownolegle.
    for (WatekWezla* watek : {&serwer, &sluchacz, &oglaszacz})
        watek->zatrzymaj();
    for (WatekWezla* watek : {&serwer, &sluchacz, &oglaszacz})
        static_cast<void>(watek->dolacz(Chwila::max()));
}

bool WezelProgramu::uruchomPetle(int port, bool najpierwPobierz)
{
    if (petlaAktywna)
        return false;
    // Petla, ktora juz zglosila koniec, konczy watek bez czekania na siec.
    static_cast<void>(petla.dolacz(Chwila::max()));
    bladZapisuWPetli = false;
    // Inny port to inne wpisy "to ja": stary wypychacz konczy sie (przerywajac swoje wypchniecia).
    if (!wypychacz || wypychacz->port() != port)
        wypychacz = wypychaczPetli(dziennik, pliki, port);
    petlaAktywna = true;
    const bool ruszyla = petla.uruchom([this, port, najpierwPobierz, kop = kopacz,
                                        wypychaj = wypychacz.get()](const std::stop_token& stop) {
        if (najpierwPobierz)
            pobierzIZglos(wezlyDoPobrania(pliki, port), port, CelPobrania::zwykle, stop);
        while (!pobranoNaStarcie.load() && !stop.stop_requested())
            std::this_thread::sleep_for(KROK_CZEKANIA_NA_POBRANIE);
        // Nieudany zapis konczy petle; kopacz wypisal juz przyczyne.
        const bool zapisano = petlaKopania(pliki, ja.klucz, stop, kop, *wypychaj,
                                           [this] { obserwator.wykopanoBlok(); });
        bladZapisuWPetli = !zapisano;
        // Po zgloszeniu konca wolno od razu uruchomic petle znowu.
        petlaAktywna = false;
        if (!zapisano)
            obserwator.zapisNieudany();
        obserwator.petlaZatrzymana(!zapisano);
    });
    if (!ruszyla)
        petlaAktywna = false;
    return ruszyla;
}

void WezelProgramu::zatrzymajPetle()
{
    petla.zatrzymaj();
    static_cast<void>(petla.dolacz(Chwila::max()));
}

bool WezelProgramu::rozglos(Blockchain kopia, int port, CelRozgloszenia cel)
{
    return uruchomPrace("rozgloszenia", [this, kopia = std::move(kopia), port,
                                         cel](const std::stop_token& stop) {
        obserwator.rozgloszono(rozglosLancuch(dziennik, kopia, pliki.wezly, port, stop), cel);
    });
}

bool WezelProgramu::pobierz(std::vector<Wezel> skad, int port, CelPobrania cel)
{
    if (skad.empty())
        return false;
    return uruchomPrace("pobierania", [this, skad = std::move(skad), port,
                                       cel](const std::stop_token& stop) {
        pobierzIZglos(skad, port, cel, stop);
    });
}

bool WezelProgramu::bootstrap(Blockchain kopia, int port)
{
    std::vector<Wezel> seedy = seedyDoBootstrapu(pliki.wezly, pliki.seedy);
    if (seedy.empty())
        return false;
    return uruchomPrace("bootstrapu", [this, kopia = std::move(kopia), seedy = std::move(seedy),
                                       port](const std::stop_token& stop) {
        bootstrapZSeedow(dziennik, kopia, seedy, pliki.wezly, port, stop,
                         [this] { obserwator.bootstrapZakonczony(); });
    });
}

void WezelProgramu::pobierzIZglos(const std::vector<Wezel>& skad, int port, CelPobrania cel,
                                  const std::stop_token& stop)
{
    const WynikPobieraniaOdWezlow wynik =
        pobierzOdWezlow(dziennik, skad, pliki, ja.klucz, port, stop, obserwator);
    obserwator.pobieranieZakonczone(wynik, cel);
}

bool WezelProgramu::uruchomPrace(const char* opis, WatekWezla::Praca praca)
{
    sprzatnijPrace();
    WatekWezla& watek = prace.emplace_back();
    if (watek.uruchom([praca = std::move(praca)](const std::stop_token& stop) {
            // Wezel zatrzymany, zanim watek ruszyl: nie ma dla kogo pracowac.
            if (!stop.stop_requested())
                praca(stop);
        }))
        return true;
    prace.pop_back();
    dziennik.zglos({.rodzaj = RodzajWpisu::bladWatku, .tekst = opis});
    return false;
}

void WezelProgramu::sprzatnijPrace()
{
    prace.remove_if([](WatekWezla& watek) { return !watek.pracuje(); });
}

int WezelProgramu::praceWToku() const
{
    int ile = 0;
    for (const WatekWezla& watek : prace)
        ile += watek.pracuje() ? 1 : 0;
    return ile;
}

bool WezelProgramu::zatrzymaj(Chwila terminWatkow, Chwila terminWypychania)
{
    for (WatekWezla* watek : {&serwer, &sluchacz, &oglaszacz, &petla})
        watek->zatrzymaj();
    for (WatekWezla& watek : prace)
        watek.zatrzymaj();
    bool wszystkie = true;
    for (WatekWezla* watek : {&serwer, &sluchacz, &oglaszacz, &petla})
        wszystkie = watek->dolacz(terminWatkow) && wszystkie;
    for (WatekWezla& watek : prace)
        wszystkie = watek.dolacz(terminWatkow) && wszystkie;
    // Bloki juz zapisane maja dotrzec do wezlow; co sie nie zmiesci, jest przerywane.
    if (wypychacz)
        wypychacz->zakoncz(terminWypychania);
    return wszystkie;
}

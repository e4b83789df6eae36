#include "net/biorca.h"

#include <shared_mutex>

#include "core/format_lancucha.h"
#include "net/lokator.h"
#include "net/wymiana_lancucha.h"

namespace {

// Zawezanie: kazda runda zmniejsza luke WPISOW_ZAWEZENIA razy, wiec to starcza na kazda dlugosc.
constexpr int MAKS_RUND_ZAWEZANIA = 12;
// Kawalkow ponad to, co dawca zapowiedzial (moze w tym czasie kopac dalej).
constexpr std::uint64_t ZAPAS_KAWALKOW = 16;

struct Stan {
    std::uint64_t wspolnych = 0; // bloki zywego lancucha na poczatku zlozonego
    Punkt porownany;             // zywy lancuch, do ktorego odnosi sie `wspolnych`
    std::vector<Blok> nowe;      // bloki dawcy za wspolnymi, jeszcze nie przyjete
    std::string hashOstatniego;  // hash bloku, do ktorego ma sie laczyc nastepny kawalek
};

std::uint64_t liczbaZywych(KontekstSerwera& kontekst)
{
    const std::shared_lock czytanie(kontekst.mutexLancucha);
    return kontekst.lancuch.liczbaBlokow();
}

// Dopasowuje lokator do zywego lancucha; ustawia punkt, do ktorego odnosi sie wynik.
Dopasowanie dopasuj(KontekstSerwera& kontekst, const std::vector<WpisLokatora>& lokator,
                    Dopasowanie poprzednie, Stan& stan)
{
    const std::shared_lock czytanie(kontekst.mutexLancucha);
    stan.porownany = kontekst.lancuch.punkt();
    return dopasujLokator(kontekst.lancuch.pobierzLancuch(), lokator, poprzednie.wspolnych,
                          poprzednie.granica);
}

// Ustala liczbe wspolnych blokow; false przy zlej odpowiedzi dawcy.
bool znajdzRozejscie(KontekstSerwera& kontekst, Kanal& kanal, const Oferta& oferta, Stan& stan,
                     WynikPobierania& wynik)
{
    Dopasowanie d = dopasuj(kontekst, oferta.lokator, {0, oferta.liczbaBlokow}, stan);
    for (int runda = 0; d.granica > d.wspolnych + WPISOW_ZAWEZENIA; ++runda) {
        if (runda == MAKS_RUND_ZAWEZANIA) {
            wynik.przerwanie = PowodPrzerwania::zaDuzoWiadomosci;
            return false;
        }
        const Szukaj przedzial{d.wspolnych, d.granica};
        const std::string odpowiedz =
            kanal.zapytaj(tekstSzukaj(przedzial), MAKS_WIADOMOSCI_SYNCHRONIZACJI);
        std::vector<WpisLokatora> lokator;
        if (odpowiedz.empty()) {
            wynik.przerwanie = PowodPrzerwania::ciszaDawcy;
            return false;
        }
        // Wpisy spoza przedzialu nic nie mowia: dawca, ktory je wysyla, nie gra uczciwie.
        if (!parsujLokator(odpowiedz, lokator) || lokator.empty()
            || lokator.front().wysokosc >= przedzial.do_
            || lokator.back().wysokosc != przedzial.od) {
            wynik.przerwanie = PowodPrzerwania::zlaOdpowiedz;
            return false;
        }
        const Dopasowanie nowe = dopasuj(kontekst, lokator, d, stan);
        // Najnizszy wpis to `od`: bez zgodnosci granica spada do niego i luka znika.
        d = nowe.wspolnych == d.wspolnych ? Dopasowanie{d.wspolnych, std::min(nowe.granica, przedzial.od)}
                                          : nowe;
    }
    stan.wspolnych = d.wspolnych;
    const std::shared_lock czytanie(kontekst.mutexLancucha);
    if (stan.wspolnych > 0 && kontekst.lancuch.zawiera(stan.porownany))
        stan.hashOstatniego = kontekst.lancuch.lancuch.hash(stan.wspolnych - 1);
    return true;
}

// Kawalek od dawcy dopisany do `stan.nowe`; 0 blokow: koniec lancucha dawcy.
std::optional<std::size_t> pobierzKawalek(Dziennik& dziennik, Kanal& kanal, Stan& stan,
                                          WynikPobierania& wynik)
{
    const std::uint64_t od = stan.wspolnych + stan.nowe.size();
    const std::string odpowiedz = kanal.zapytaj(tekstDaj(od), MAKS_WIADOMOSCI_SYNCHRONIZACJI);
    Bloki kawalek;
    OdczytaneBloki odczyt;
    if (odpowiedz.empty()) {
        wynik.przerwanie = PowodPrzerwania::ciszaDawcy;
        return std::nullopt;
    }
    if (!parsujKawalek(odpowiedz, kawalek) || !parsujBloki(kawalek.tekst, odczyt)) {
        wynik.przerwanie = PowodPrzerwania::zlaOdpowiedz;
        return std::nullopt;
    }
    wynik.ileDawca = kawalek.liczbaBlokow;
    if (kawalek.od != od) {
        wynik.przerwanie = PowodPrzerwania::blokiNieLacza;
        return std::nullopt;
    }
    const bool doKonca = od + odczyt.bloki.size() >= kawalek.liczbaBlokow;
    if (!doKonca && kawalek.tekst.size() < MIN_BAJTOW_KAWALKA) {
        wynik.przerwanie = PowodPrzerwania::skapyKawalek;
        return std::nullopt;
    }
    for (std::size_t i = 0; i < odczyt.bloki.size(); ++i) {
        const Blok& blok = odczyt.bloki[i];
        const bool laczy = od + i == 0 ? true : blok.poprzedniHash == stan.hashOstatniego;
        if (static_cast<std::uint64_t>(blok.indeks) != od + i || !laczy) {
            wynik.przerwanie = PowodPrzerwania::blokiNieLacza;
            return std::nullopt;
        }
        stan.hashOstatniego = blok.hash;
    }
    // Bloki, ktorych ten wezel nie przyjmuje, koncza pobieranie jak przy calym lancuchu.
    if (const std::optional<OdmowaBramki> odmowa = sprawdzBloki(odczyt.bloki)) {
        Decyzja d;
        d.rodzaj = RodzajDecyzji::bramka;
        d.odmowa = odmowa;
        zglosDecyzje(dziennik, d);
        wynik.decyzja = d;
        return std::nullopt;
    }
    stan.nowe.insert(stan.nowe.end(), std::make_move_iterator(odczyt.bloki.begin()),
                     std::make_move_iterator(odczyt.bloki.end()));
    return odczyt.bloki.size();
}

// Zlozony lancuch jest dluzszy niz zywy: decyzja jak przy wypchnieciu calego lancucha.
bool zdecyduj(KontekstSerwera& kontekst, Stan& stan, WynikPobierania& wynik)
{
    std::optional<Decyzja> d = rozpatrzOdWspolnych(
        kontekst, static_cast<std::size_t>(stan.wspolnych), std::move(stan.nowe), stan.porownany);
    stan.nowe.clear();
    if (!d) {
        wynik.przerwanie = PowodPrzerwania::zmianaLancucha;
        return false;
    }
    zglosDecyzje(kontekst.dziennik, *d);
    wynik.decyzja = *d;
    if (d->rodzaj != RodzajDecyzji::przyjety)
        return false;
    wynik.przyjetoCokolwiek = true;
    const std::shared_lock czytanie(kontekst.mutexLancucha);
    stan.porownany = kontekst.lancuch.punkt();
    stan.wspolnych = kontekst.lancuch.liczbaBlokow();
    // Zywy lancuch to teraz dokladnie zlozony: nastepny kawalek laczy sie z jego szczytem.
    return stan.wspolnych == static_cast<std::uint64_t>(d->ileOtrzymany);
}

} // namespace

WynikPobierania pobierzOdDawcy(KontekstSerwera& kontekst, Kanal& kanal, const Oferta& oferta,
                               const ZglosPostep& postep)
{
    WynikPobierania wynik;
    wynik.ileDawca = oferta.liczbaBlokow;
    (void)odswiezZywy(kontekst);
    {
        const std::shared_lock czytanie(kontekst.mutexLancucha);
        const LancuchBlokow& wlasne = kontekst.lancuch.pobierzLancuch();
        wynik.ileMoj = wlasne.size();
        if (oferta.liczbaBlokow <= wlasne.size()) {
            const auto szczyt = static_cast<std::size_t>(oferta.liczbaBlokow) - 1;
            wynik.juzMial = oferta.liczbaBlokow > 0 && !oferta.lokator.empty()
                && oferta.lokator.front().wysokosc == szczyt
                && wlasne.hash(szczyt) == oferta.lokator.front().hash;
            return wynik;
        }
    }
    Stan stan;
    if (!znajdzRozejscie(kontekst, kanal, oferta, stan, wynik))
        return wynik;
    const std::uint64_t maksKawalkow =
        oferta.liczbaBlokow - std::min(oferta.liczbaBlokow, stan.wspolnych) + ZAPAS_KAWALKOW;
    for (std::uint64_t kawalkow = 0;; ++kawalkow) {
        if (kawalkow == maksKawalkow) {
            wynik.przerwanie = PowodPrzerwania::zaDuzoWiadomosci;
            break;
        }
        const std::optional<std::size_t> ile = pobierzKawalek(kontekst.dziennik, kanal, stan, wynik);
        if (!ile || *ile == 0)
            break;
        const std::uint64_t mam = stan.wspolnych + stan.nowe.size();
        if (postep)
            postep(mam, wynik.ileDawca);
        if (mam > liczbaZywych(kontekst) && !zdecyduj(kontekst, stan, wynik))
            break;
    }
    // Bloki dawcy, ktore nie daly dluzszego lancucha, przepadaja: nic nie jest zapisywane.
    wynik.ileMoj = liczbaZywych(kontekst);
    if (!wynik.przerwanie && !wynik.decyzja
        && stan.wspolnych + stan.nowe.size() < oferta.liczbaBlokow)
        wynik.przerwanie = PowodPrzerwania::brakObiecanych;
    return wynik;
}

std::optional<Wpis> wpisPrzerwania(std::optional<PowodPrzerwania> przerwanie,
                                   const std::string& dawca)
{
    if (!przerwanie)
        return std::nullopt;
    return Wpis{.rodzaj = RodzajWpisu::synchronizacjaPrzerwana, .adres = dawca, .przerwanie = *przerwanie};
}

// Decyzja serwera o otrzymanym lancuchu: odczyt, walidacja, porownanie pod blokada,
// przyjecie albo odmowa.

#include <mutex>
#include <optional>
#include <shared_mutex>
#include <string_view>

#include "core/bramka_lancucha.h"
#include "net/budzet_pamieci.h"
#include "net/decyzja_serwera.h"
#include "core/format_lancucha.h"
#include "core/plik_lancucha.h"
#include "core/przejecie_lancucha.h"
#include "net/ramki.h"
#include "net/wymiana_lancucha.h"

namespace {

// Wczytanie zywego lancucha serwera (pod blokada zapisu pliku); odczyt porownujacy innych
// polaczen czeka na nie. Przed zapisem nieczytelny plik jest odkladany na bok.
bool wczytajZywy(KontekstSerwera& kontekst)
{
    const std::unique_lock zmiana(kontekst.mutexLancucha);
    return wczytajLancuch(kontekst.lancuch, kontekst.plikLancucha);
}

PrzedZapisem wczytajZywyPrzedZapisem(KontekstSerwera& kontekst)
{
    const std::unique_lock zmiana(kontekst.mutexLancucha);
    return wczytajPrzedZapisem(kontekst.lancuch, kontekst.plikLancucha);
}

Decyzja decyzja(RodzajDecyzji rodzaj)
{
    Decyzja d;
    d.rodzaj = rodzaj;
    return d;
}

Decyzja niepoprawny(const OcenaOtrzymanego& ocena)
{
    Decyzja d = decyzja(RodzajDecyzji::niepoprawny);
    d.bladBloku = ocena.blad;
    return d;
}

// Porownanie i ewentualny zapis; wolajacy trzyma blokade zapisu pliku, a wlasny lancuch jest
// juz wczytany z pliku. `otrzymany`: Blockchain albo NoweBloki.
template <typename Otrzymany>
Decyzja zdecydujPodBlokada(KontekstSerwera& kontekst, Otrzymany& otrzymany, OcenaOtrzymanego& ocena)
{
    Decyzja d;
    d.ileOtrzymany = static_cast<std::int32_t>(otrzymany.liczbaBlokow());
    d.ileMoj = static_cast<std::int32_t>(kontekst.lancuch.liczbaBlokow());
    if (d.ileOtrzymany <= d.ileMoj) {
        d.rodzaj = RodzajDecyzji::nieDluzszy;
        return d;
    }
    if (!kontekst.kluczPubliczny.empty()) {
        // Zapamietane salda: koszt zalezy od nowych blokow, nie od calego lancucha.
        kontekst.lancuch.przygotujSalda();
        d.przed = kontekst.lancuch.saldo(kontekst.kluczPubliczny);
        d.po = saldoOtrzymanego(kontekst.lancuch, otrzymany, ocena, kontekst.kluczPubliczny);
        if (d.po < d.przed) {
            d.rodzaj = RodzajDecyzji::saldo;
            return d;
        }
    }
    const std::unique_lock zmiana(kontekst.mutexLancucha);
    przejmijLancuch(kontekst.lancuch, otrzymany, std::move(ocena));
    if (!zapiszLancuch(kontekst.lancuch, kontekst.plikLancucha)) {
        // Stary plik zostaje nietkniety; zywy lancuch wczyta go od nowa przy nastepnym zapytaniu.
        const int trudnosc = kontekst.lancuch.trudnosc;
        kontekst.lancuch = Blockchain();
        kontekst.lancuch.trudnosc = trudnosc;
        d.rodzaj = RodzajDecyzji::bladZapisu;
        d.plik = kontekst.plikLancucha;
        return d;
    }
    d.rodzaj = RodzajDecyzji::przyjety;
    d.ileOtrzymany = static_cast<std::int64_t>(kontekst.lancuch.liczbaBlokow());
    return d;
}

// Szybkie drogi: brak oceny to "ta droga nie pasuje", niepoprawny lancuch to odmowa.
template <typename Otrzymany>
std::optional<Decyzja> zdecydujPoOcenie(KontekstSerwera& kontekst, Otrzymany& otrzymany,
                                        std::optional<OcenaOtrzymanego> ocena)
{
    if (!ocena)
        return std::nullopt;
    if (!ocena->poprawny())
        return niepoprawny(*ocena);
    return zdecydujPodBlokada(kontekst, otrzymany, *ocena);
}

// Porownanie i ewentualny zapis pod blokada zapisu pliku.
Decyzja porownajIPrzyjmij(KontekstSerwera& kontekst, Blockchain& otrzymany, OcenaOtrzymanego& ocena)
{
    const Blokada blokada(PlikLancucha::dla(kontekst.plikLancucha).blokadaZapisu());
    // Blok zapisany chwile temu przez okno lub kopanie ma sie liczyc.
    PrzedZapisem przed = wczytajZywyPrzedZapisem(kontekst);
    if (!przed.wolnoZapisac()) {
        Decyzja d = decyzja(RodzajDecyzji::plikNieDoZapisu);
        d.plik = kontekst.plikLancucha;
        d.przedZapisem = std::move(przed);
        return d;
    }
    // Rozszerzenie przejmowane jest przez dopisanie, bez przepisywania calego pliku.
    ocena.rozszerzaWlasny = czyRozszerza(kontekst.lancuch, otrzymany);
    Decyzja d = zdecydujPodBlokada(kontekst, otrzymany, ocena);
    d.przedZapisem = std::move(przed);
    return d;
}

// Szybka droga: otrzymany rozszerza wlasny lancuch, ktory zna salda walidacji swojego
// poczatku. Nic, gdy ta droga nie pasuje (wtedy sprawdzana jest calosc, jak zawsze).
std::optional<Decyzja> rozpatrzRozszerzenie(KontekstSerwera& kontekst, Blockchain& otrzymany)
{
    const Blokada blokada(PlikLancucha::dla(kontekst.plikLancucha).blokadaZapisu());
    // Tylko czysty odczyt: plik nieczytelny obsluguje droga przez calosc.
    if (!wczytajZywy(kontekst))
        return std::nullopt;
    return zdecydujPoOcenie(kontekst, otrzymany, ocenRozszerzenie(kontekst.lancuch, otrzymany));
}

// Najtansza droga: otrzymany zaczyna sie wszystkimi blokami wlasnego lancucha, ktory od
// porownania (punkt `porownany`) sie nie zmienil; wspolny poczatek nie byl budowany.
std::optional<Decyzja> rozpatrzNoweBloki(KontekstSerwera& kontekst, NoweBloki& otrzymany,
                                         const Punkt& porownany)
{
    const Blokada blokada(PlikLancucha::dla(kontekst.plikLancucha).blokadaZapisu());
    if (!wczytajZywy(kontekst) || kontekst.lancuch.punkt() != porownany)
        return std::nullopt;
    return zdecydujPoOcenie(kontekst, otrzymany, ocenNoweBloki(kontekst.lancuch, otrzymany));
}

// Caly otrzymany lancuch zlozony w pamieci: rozszerzenie albo sprawdzenie calosci.
Decyzja rozpatrzZlozony(KontekstSerwera& kontekst, Blockchain& otrzymany)
{
    if (std::optional<Decyzja> d = rozpatrzRozszerzenie(kontekst, otrzymany))
        return *d;
    OcenaOtrzymanego ocena = ocenCalosc(otrzymany);
    if (!ocena.poprawny())
        return niepoprawny(ocena);
    return porownajIPrzyjmij(kontekst, otrzymany, ocena);
}

// Tekst, ktorego postac w pamieci (`potrzeba`) bylaby wielokrotnie wieksza od niego, nie jest
// czytany.
std::optional<Decyzja> przekraczaBudzet(std::string_view tekstLancucha, std::uint64_t potrzeba)
{
    if (potrzeba <= MNOZNIK_PAMIECI_LANCUCHA * tekstLancucha.size())
        return std::nullopt;
    Decyzja d = decyzja(RodzajDecyzji::zaDuzoPamieci);
    d.pamiec = potrzeba;
    d.tekst = tekstLancucha.size();
    return d;
}

Decyzja odmowaBramki(const OdmowaBramki& odmowa)
{
    Decyzja d = decyzja(RodzajDecyzji::bramka);
    d.odmowa = odmowa;
    return d;
}

} // namespace

bool odswiezZywy(KontekstSerwera& kontekst)
{
    const Blokada blokada(PlikLancucha::dla(kontekst.plikLancucha).blokadaZapisu());
    return wczytajZywy(kontekst);
}

namespace {

enum class Dosuniecie { nie, zaZywym, wZywym };

// Zywy lancuch urosl od porownania (inne polaczenie dopisalo bloki): poczatkowe nowe bloki
// rowne dopisanym sa pomijane, zeby zostala tania droga rozszerzenia zamiast kopii calosci.
// `zaZywym`: reszta nowych idzie za koncem zywego (wspolnych, nowe i punkt przesuniete);
// `wZywym`: zywy ma juz wszystkie nowe bloki; `nie`: nic nie zmienione (np. prawdziwa galaz).
Dosuniecie dosunDoZywego(KontekstSerwera& kontekst, std::size_t& wspolnych,
                         std::vector<Blok>& nowe, Punkt& porownany, std::int64_t& ileZywy)
{
    const std::shared_lock czytanie(kontekst.mutexLancucha);
    const Blockchain& zywy = kontekst.lancuch;
    ileZywy = static_cast<std::int64_t>(zywy.liczbaBlokow());
    if (!zywy.zawiera(porownany) || wspolnych != porownany.liczba
        || zywy.liczbaBlokow() <= wspolnych)
        return Dosuniecie::nie;
    const std::size_t dopisane = zywy.liczbaBlokow() - wspolnych;
    const std::size_t doPorownania = std::min(dopisane, nowe.size());
    for (std::size_t i = 0; i < doPorownania; ++i)
        if (!(nowe[i] == zywy.lancuch[wspolnych + i]))
            return Dosuniecie::nie;
    if (nowe.size() <= dopisane)
        return Dosuniecie::wZywym;
    nowe.erase(nowe.begin(), nowe.begin() + static_cast<std::ptrdiff_t>(dopisane));
    wspolnych = zywy.liczbaBlokow();
    porownany = zywy.punkt();
    return Dosuniecie::zaZywym;
}

} // namespace

std::optional<Decyzja> rozpatrzOdWspolnych(KontekstSerwera& kontekst, std::size_t wspolnych,
                                           std::vector<Blok>&& nowe, const Punkt& porownanyPrzed)
{
    Punkt porownany = porownanyPrzed;
    for (int proba = 0; proba < 2; ++proba) {
        if (wspolnych == porownany.liczba) {
            NoweBloki otrzymane{wspolnych, std::move(nowe)};
            if (std::optional<Decyzja> d = rozpatrzNoweBloki(kontekst, otrzymane, porownany))
                return d;
            nowe = std::move(otrzymane.bloki);
        }
        if (proba > 0)
            break;
        std::int64_t ileZywy = 0;
        const std::int64_t ileOtrzymany = static_cast<std::int64_t>(wspolnych + nowe.size());
        const Dosuniecie dosuniecie = dosunDoZywego(kontekst, wspolnych, nowe, porownany, ileZywy);
        if (dosuniecie == Dosuniecie::wZywym) {
            // Otrzymany to poczatek zywego lancucha (poprawny jak on): nie jest dluzszy.
            Decyzja d = decyzja(RodzajDecyzji::nieDluzszy);
            d.ileOtrzymany = ileOtrzymany;
            d.ileMoj = ileZywy;
            return d;
        }
        if (dosuniecie == Dosuniecie::nie)
            break;
    }
    // Wspolny poczatek kopiowany z zywego lancucha, poki ten nadal go ma.
    Blockchain otrzymany;
    {
        const std::shared_lock czytanie(kontekst.mutexLancucha);
        const Blockchain& zywy = kontekst.lancuch;
        if (!zywy.zawiera(porownany) || wspolnych > zywy.liczbaBlokow())
            return std::nullopt;
        // Kopia zwartej postaci jest tania; obciecie zostawia wspolny poczatek.
        LancuchBlokow bloki = zywy.lancuch;
        bloki.obetnij(wspolnych);
        bloki.dopisz(nowe);
        otrzymany.zastapLancuch(std::move(bloki));
    }
    return rozpatrzZlozony(kontekst, otrzymany);
}

Decyzja rozpatrzTekstLancucha(KontekstSerwera& kontekst, std::string_view tekstLancucha)
{
    if (tekstLancucha.empty())
        return decyzja(RodzajDecyzji::pusty);
    // Jeden przebieg szacunku: i do odmowy, i do rezerwacji.
    const std::uint64_t potrzeba = szacujPamiecLancucha(tekstLancucha);
    if (std::optional<Decyzja> d = przekraczaBudzet(tekstLancucha, potrzeba))
        return *d;
    // Odczyt rezerwuje swoja pamiec we wspolnym budzecie procesu (tekst ma juz swoja).
    const RezerwacjaPamieci pamiec =
        budzetPamieci().zarezerwuj(potrzeba, CZEKANIE_NA_PAMIEC, kontekst.stop);
    if (!pamiec) {
        Decyzja d = decyzja(RodzajDecyzji::brakPamieci);
        d.pamiec = potrzeba;
        return d;
    }
    // Zbyt duzy blok jest odrzucany, zanim powstanie choc jedna jego transakcja.
    if (const std::optional<OdmowaBramki> odmowa = sprawdzRozmiaryTekstu(tekstLancucha))
        return odmowaBramki(*odmowa);
    // Odczyt porownujacy z wlasnym lancuchem: bloki rowne wlasnym nie sa budowane. Zywy
    // lancuch zmieniaja inne polaczenia, wiec odczyt trzyma blokade wspolna.
    std::size_t wspolnych = 0;
    OdczytaneBloki odczyt;
    Punkt porownany;
    {
        const std::shared_lock czytanie(kontekst.mutexLancucha);
        porownany = kontekst.lancuch.punkt();
        if (!parsujZaWspolnymi(tekstLancucha, kontekst.lancuch.pobierzLancuch(), wspolnych, odczyt)
            || wspolnych + odczyt.bloki.size() == 0)
            return decyzja(RodzajDecyzji::nieLancuch);
    }
    // Bloki rowne wlasnym juz raz przeszly; sprawdzane sa nowe, przed walidacja.
    if (const std::optional<OdmowaBramki> odmowa = sprawdzBloki(odczyt.bloki))
        return odmowaBramki(*odmowa);
    if (std::optional<Decyzja> d =
            rozpatrzOdWspolnych(kontekst, wspolnych, std::move(odczyt.bloki), porownany))
        return *d;
    // Wlasny lancuch wymienilo inne polaczenie: zwykly odczyt calosci.
    Blockchain otrzymany;
    if (!parsujLancuch(otrzymany, tekstLancucha))
        return decyzja(RodzajDecyzji::nieLancuch); // nieosiagalne: ten sam tekst juz sie odczytal
    return rozpatrzZlozony(kontekst, otrzymany);
}

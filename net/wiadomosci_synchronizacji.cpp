#include "net/wiadomosci_synchronizacji.h"

#include <array>
#include <optional>
#include <utility>

namespace {

// Kolejne wiersze wiadomosci; ostatni musi konczyc sie LF, reszta po nim to ogon.
class Wiersze {
public:
    explicit Wiersze(std::string_view tekst) : reszta(tekst) {}

    bool nastepny(std::string_view& wiersz)
    {
        const std::size_t lf = reszta.find('\n');
        if (lf == std::string_view::npos)
            return false;
        wiersz = reszta.substr(0, lf);
        reszta.remove_prefix(lf + 1);
        return true;
    }
    [[nodiscard]] std::optional<std::uint64_t> liczba();
    [[nodiscard]] std::string_view ogon() const { return reszta; }

private:
    std::string_view reszta;
};

// Same cyfry, bez zer wiodacych, najwyzej 18 (miesci sie w int64 bez sprawdzania).
std::optional<std::uint64_t> liczbaZWiersza(std::string_view tekst)
{
    if (tekst.empty() || tekst.size() > 18 || (tekst.size() > 1 && tekst[0] == '0'))
        return std::nullopt;
    std::uint64_t wartosc = 0;
    for (const char znak : tekst) {
        if (znak < '0' || znak > '9')
            return std::nullopt;
        wartosc = wartosc * 10 + static_cast<std::uint64_t>(znak - '0');
    }
    return wartosc;
}

std::optional<std::uint64_t> Wiersze::liczba()
{
    std::string_view wiersz;
    if (!nastepny(wiersz))
        return std::nullopt;
    return liczbaZWiersza(wiersz);
}

constexpr std::array<std::pair<RodzajWiadomosci, std::string_view>, 7> NAZWY{{
    {RodzajWiadomosci::oferta, "OFERTA"},
    {RodzajWiadomosci::stan, "STAN"},
    {RodzajWiadomosci::szukaj, "SZUKAJ"},
    {RodzajWiadomosci::lokator, "LOKATOR"},
    {RodzajWiadomosci::daj, "DAJ"},
    {RodzajWiadomosci::bloki, "BLOKI"},
    {RodzajWiadomosci::decyzja, "DECYZJA"},
}};

constexpr std::array<std::pair<KodDecyzji, std::string_view>, 6> KODY{{
    {KodDecyzji::przyjety, "PRZYJETY"},
    {KodDecyzji::juzMial, "JUZ_MIAL"},
    {KodDecyzji::nieDluzszy, "NIE_DLUZSZY"},
    {KodDecyzji::saldo, "SALDO"},
    {KodDecyzji::niepoprawny, "NIEPOPRAWNY"},
    {KodDecyzji::odmowa, "ODMOWA"},
}};

std::string poczatek(RodzajWiadomosci rodzaj)
{
    std::string tekst(PREFIKS_SYNCHRONIZACJI);
    for (const auto& [r, nazwa] : NAZWY)
        if (r == rodzaj)
            tekst += nazwa;
    tekst += '\n';
    return tekst;
}

void dopiszWiersz(std::string& tekst, std::uint64_t liczba)
{
    tekst += std::to_string(liczba);
    tekst += '\n';
}

// Liczba ze znakiem jako dwa wiersze: znak ("+" albo "-") i wartosc bezwzgledna.
void dopiszZeZnakiem(std::string& tekst, std::int64_t liczba)
{
    tekst += liczba < 0 ? "-\n" : "+\n";
    // Bez przepelnienia takze dla najmniejszej wartosci int64.
    const std::uint64_t modul = liczba < 0 ? 0 - static_cast<std::uint64_t>(liczba)
                                           : static_cast<std::uint64_t>(liczba);
    tekst += std::to_string(modul);
    tekst += '\n';
}

std::optional<std::int64_t> liczbaZeZnakiem(Wiersze& wiersze)
{
    std::string_view znak;
    if (!wiersze.nastepny(znak) || (znak != "+" && znak != "-"))
        return std::nullopt;
    const auto modul = wiersze.liczba();
    // "-0" mialoby dwa zapisy tej samej liczby.
    if (!modul || (znak == "-" && *modul == 0))
        return std::nullopt;
    const auto wartosc = static_cast<std::int64_t>(*modul);
    return znak == "-" ? -wartosc : wartosc;
}

void dopiszLokator(std::string& tekst, const std::vector<WpisLokatora>& lokator)
{
    dopiszWiersz(tekst, lokator.size());
    for (const WpisLokatora& wpis : lokator) {
        tekst += std::to_string(wpis.wysokosc);
        tekst += ' ';
        tekst += wpis.hash;
        tekst += '\n';
    }
}

// Hash jako jedno slowo bez bialych znakow; dlugosc ograniczona, bo przychodzi z zewnatrz.
bool poprawnySlowoHasha(std::string_view hash)
{
    if (hash.empty() || hash.size() > 128)
        return false;
    for (const char znak : hash)
        if (static_cast<unsigned char>(znak) <= ' ')
            return false;
    return true;
}

// Wpisy z wysokosciami scisle malejacymi.
bool czytajLokator(Wiersze& wiersze, std::vector<WpisLokatora>& lokator)
{
    const auto ile = wiersze.liczba();
    if (!ile || *ile > MAKS_WPISOW_LOKATORA)
        return false;
    lokator.clear();
    for (std::uint64_t i = 0; i < *ile; ++i) {
        std::string_view wiersz;
        if (!wiersze.nastepny(wiersz))
            return false;
        const std::size_t spacja = wiersz.find(' ');
        if (spacja == std::string_view::npos)
            return false;
        const auto wysokosc = liczbaZWiersza(wiersz.substr(0, spacja));
        const std::string_view hash = wiersz.substr(spacja + 1);
        if (!wysokosc || !poprawnySlowoHasha(hash))
            return false;
        if (!lokator.empty() && *wysokosc >= lokator.back().wysokosc)
            return false;
        lokator.push_back({*wysokosc, std::string(hash)});
    }
    return true;
}

// Sprawdza wiersz rodzaju i zwraca czytnik reszty.
std::optional<Wiersze> poRodzaju(std::string_view wiadomosc, RodzajWiadomosci rodzaj)
{
    if (rodzajWiadomosci(wiadomosc) != rodzaj)
        return std::nullopt;
    Wiersze wiersze(wiadomosc);
    std::string_view pierwszy;
    (void)wiersze.nastepny(pierwszy);
    return wiersze;
}

// Wiadomosc `rodzaj` zaczynajaca sie dwiema liczbami; `ogon` to reszta po nich.
struct DwieLiczby {
    std::uint64_t pierwsza = 0;
    std::uint64_t druga = 0;
    std::string_view ogon;
};

std::optional<DwieLiczby> dwieLiczby(std::string_view wiadomosc, RodzajWiadomosci rodzaj)
{
    auto wiersze = poRodzaju(wiadomosc, rodzaj);
    if (!wiersze)
        return std::nullopt;
    const auto pierwsza = wiersze->liczba();
    const auto druga = wiersze->liczba();
    if (!pierwsza || !druga)
        return std::nullopt;
    return DwieLiczby{*pierwsza, *druga, wiersze->ogon()};
}

} // namespace

RodzajWiadomosci rodzajWiadomosci(std::string_view wiadomosc)
{
    if (!wiadomosc.starts_with(PREFIKS_SYNCHRONIZACJI))
        return RodzajWiadomosci::obca;
    const std::size_t lf = wiadomosc.find('\n');
    if (lf == std::string_view::npos)
        return RodzajWiadomosci::obca;
    const std::string_view nazwa =
        wiadomosc.substr(PREFIKS_SYNCHRONIZACJI.size(), lf - PREFIKS_SYNCHRONIZACJI.size());
    for (const auto& [rodzaj, n] : NAZWY)
        if (n == nazwa)
            return rodzaj;
    return RodzajWiadomosci::obca;
}

std::string tekstOferty(std::uint64_t liczbaBlokow, const std::vector<WpisLokatora>& lokator,
                        std::string_view wezly)
{
    std::string tekst = poczatek(RodzajWiadomosci::oferta);
    dopiszWiersz(tekst, liczbaBlokow);
    dopiszLokator(tekst, lokator);
    tekst += wezly;
    return tekst;
}

std::string tekstStanu(std::string_view wezly)
{
    std::string tekst = poczatek(RodzajWiadomosci::stan);
    tekst += wezly;
    return tekst;
}

std::string tekstSzukaj(const Szukaj& szukaj)
{
    std::string tekst = poczatek(RodzajWiadomosci::szukaj);
    dopiszWiersz(tekst, szukaj.od);
    dopiszWiersz(tekst, szukaj.do_);
    return tekst;
}

std::string tekstLokatora(const std::vector<WpisLokatora>& lokator)
{
    std::string tekst = poczatek(RodzajWiadomosci::lokator);
    dopiszLokator(tekst, lokator);
    return tekst;
}

std::string tekstDaj(std::uint64_t od)
{
    std::string tekst = poczatek(RodzajWiadomosci::daj);
    dopiszWiersz(tekst, od);
    return tekst;
}

std::string naglowekBlokow(std::uint64_t od, std::uint64_t liczbaBlokow)
{
    std::string tekst = poczatek(RodzajWiadomosci::bloki);
    dopiszWiersz(tekst, od);
    dopiszWiersz(tekst, liczbaBlokow);
    return tekst;
}

std::string tekstDecyzji(const DecyzjaWezla& decyzja)
{
    std::string tekst = poczatek(RodzajWiadomosci::decyzja);
    for (const auto& [kod, nazwa] : KODY)
        if (kod == decyzja.kod)
            tekst.append(nazwa).push_back('\n');
    for (const std::int64_t liczba :
         {decyzja.ileOtrzymany, decyzja.ileMoj, decyzja.przed, decyzja.po})
        dopiszZeZnakiem(tekst, liczba);
    tekst += decyzja.wezly;
    return tekst;
}

bool parsujOferte(std::string_view wiadomosc, Oferta& oferta)
{
    auto wiersze = poRodzaju(wiadomosc, RodzajWiadomosci::oferta);
    if (!wiersze)
        return false;
    const auto ile = wiersze->liczba();
    if (!ile || !czytajLokator(*wiersze, oferta.lokator))
        return false;
    // Lokator mowi o blokach, ktore dawca ma: wysokosci ponizej liczby blokow.
    if (!oferta.lokator.empty() && oferta.lokator.front().wysokosc >= *ile)
        return false;
    oferta.liczbaBlokow = *ile;
    oferta.wezly = wiersze->ogon();
    return true;
}

bool parsujStan(std::string_view wiadomosc, std::string_view& wezly)
{
    const auto wiersze = poRodzaju(wiadomosc, RodzajWiadomosci::stan);
    if (!wiersze)
        return false;
    wezly = wiersze->ogon();
    return true;
}

bool parsujSzukaj(std::string_view wiadomosc, Szukaj& szukaj)
{
    const auto liczby = dwieLiczby(wiadomosc, RodzajWiadomosci::szukaj);
    if (!liczby || liczby->pierwsza >= liczby->druga || !liczby->ogon.empty())
        return false;
    szukaj = {liczby->pierwsza, liczby->druga};
    return true;
}

bool parsujLokator(std::string_view wiadomosc, std::vector<WpisLokatora>& lokator)
{
    auto wiersze = poRodzaju(wiadomosc, RodzajWiadomosci::lokator);
    return wiersze && czytajLokator(*wiersze, lokator) && wiersze->ogon().empty();
}

bool parsujDaj(std::string_view wiadomosc, std::uint64_t& od)
{
    auto wiersze = poRodzaju(wiadomosc, RodzajWiadomosci::daj);
    if (!wiersze)
        return false;
    const auto liczba = wiersze->liczba();
    if (!liczba || !wiersze->ogon().empty())
        return false;
    od = *liczba;
    return true;
}

bool parsujKawalek(std::string_view wiadomosc, Bloki& bloki)
{
    // Kawalek za koncem lancucha dawcy nie istnieje.
    const auto liczby = dwieLiczby(wiadomosc, RodzajWiadomosci::bloki);
    if (!liczby || liczby->pierwsza > liczby->druga)
        return false;
    bloki = {liczby->pierwsza, liczby->druga, liczby->ogon};
    return true;
}

bool parsujDecyzje(std::string_view wiadomosc, DecyzjaWezla& decyzja)
{
    auto wiersze = poRodzaju(wiadomosc, RodzajWiadomosci::decyzja);
    std::string_view nazwa;
    if (!wiersze || !wiersze->nastepny(nazwa))
        return false;
    bool znany = false;
    for (const auto& [kod, n] : KODY)
        if (n == nazwa) {
            decyzja.kod = kod;
            znany = true;
        }
    if (!znany)
        return false;
    for (std::int64_t* pole : {&decyzja.ileOtrzymany, &decyzja.ileMoj, &decyzja.przed, &decyzja.po}) {
        const auto liczba = liczbaZeZnakiem(*wiersze);
        if (!liczba)
            return false;
        *pole = *liczba;
    }
    decyzja.wezly = wiersze->ogon();
    return true;
}

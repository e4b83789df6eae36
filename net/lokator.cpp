#include "net/lokator.h"

#include "core/format_lancucha.h"

namespace {

constexpr std::uint64_t GESTYCH_WPISOW = 11;

WpisLokatora wpis(const LancuchBlokow& bloki, std::uint64_t wysokosc)
{
    return {wysokosc, bloki.hash(static_cast<std::size_t>(wysokosc))};
}

} // namespace

std::vector<WpisLokatora> zbudujLokator(const LancuchBlokow& bloki)
{
    std::vector<WpisLokatora> lokator;
    if (bloki.empty())
        return lokator;
    std::uint64_t wysokosc = bloki.size() - 1;
    std::uint64_t krok = 1;
    for (;;) {
        lokator.push_back(wpis(bloki, wysokosc));
        if (wysokosc == 0)
            break;
        if (lokator.size() >= GESTYCH_WPISOW)
            krok *= 2;
        wysokosc = wysokosc > krok ? wysokosc - krok : 0;
    }
    return lokator;
}

std::vector<WpisLokatora> lokatorWPrzedziale(const LancuchBlokow& bloki,
                                             const Szukaj& przedzial)
{
    std::vector<WpisLokatora> lokator;
    const std::uint64_t koniec = std::min<std::uint64_t>(przedzial.do_, bloki.size());
    if (przedzial.od >= koniec)
        return lokator;
    const std::uint64_t szerokosc = koniec - przedzial.od;
    const std::uint64_t krok = (szerokosc + WPISOW_ZAWEZENIA - 1) / WPISOW_ZAWEZENIA;
    for (std::uint64_t h = przedzial.od; h < koniec; h += krok)
        lokator.push_back(wpis(bloki, h));
    return {lokator.rbegin(), lokator.rend()};
}

Dopasowanie dopasujLokator(const LancuchBlokow& wlasne,
                           const std::vector<WpisLokatora>& lokator, std::uint64_t wspolnych,
                           std::uint64_t granica)
{
    Dopasowanie wynik{wspolnych, granica};
    for (const WpisLokatora& w : lokator) {
        if (w.wysokosc < wynik.wspolnych)
            break;
        if (w.wysokosc < wlasne.size() && wlasne.hash(static_cast<std::size_t>(w.wysokosc)) == w.hash) {
            wynik.wspolnych = w.wysokosc + 1;
            break;
        }
        wynik.granica = std::min(wynik.granica, w.wysokosc);
    }
    return wynik;
}

std::optional<std::string> odpowiedzDawcy(const LancuchBlokow& bloki, std::string_view prosba)
{
    Szukaj szukaj;
    if (parsujSzukaj(prosba, szukaj))
        return tekstLokatora(lokatorWPrzedziale(bloki, szukaj));
    std::uint64_t od = 0;
    if (!parsujDaj(prosba, od))
        return std::nullopt;
    std::string tekst = naglowekBlokow(std::min<std::uint64_t>(od, bloki.size()), bloki.size());
    const std::size_t poczatek = tekst.size();
    for (auto i = static_cast<std::size_t>(od); i < bloki.size(); ++i) {
        const std::size_t przed = tekst.size();
        dopiszTekstBloku(tekst, bloki[i]);
        // Pierwszy blok zawsze; kolejny tylko, gdy kawalek miesci sie w limicie.
        if (tekst.size() - poczatek > MAKS_BAJTOW_KAWALKA && przed > poczatek) {
            tekst.resize(przed);
            break;
        }
    }
    return tekst;
}

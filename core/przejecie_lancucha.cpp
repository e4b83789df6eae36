#include "core/przejecie_lancucha.h"

#include <algorithm>

#include "core/walidacja.h"

bool czyRozszerza(const Blockchain& wlasny, const Blockchain& otrzymany)
{
    const auto& moje = wlasny.pobierzLancuch();
    const auto& jego = otrzymany.pobierzLancuch();
    return jego.size() >= moje.size() && std::equal(moje.begin(), moje.end(), jego.begin());
}

namespace {

// Ocena blokow dopisanych za wlasnym lancuchem: `sprawdz` wypelnia salda zmianami wzgledem
// sald wlasnego lancucha i zwraca wynik walidacji.
template <typename Sprawdzenie>
std::optional<OcenaOtrzymanego> ocenDopisane(bool zaWlasnym, Sprawdzenie sprawdz)
{
    if (!zaWlasnym)
        return std::nullopt;
    OcenaOtrzymanego ocena;
    ocena.rozszerzaWlasny = true;
    ocena.wzgledemWlasnego = true;
    ocena.blad = sprawdz(ocena.salda);
    return ocena;
}

} // namespace

std::optional<OcenaOtrzymanego> ocenRozszerzenie(const Blockchain& wlasny,
                                                 const Blockchain& otrzymany)
{
    const bool rozszerza = wlasny.zawiera(wlasny.walidacja.punkt) && czyRozszerza(wlasny, otrzymany);
    return ocenDopisane(rozszerza, [&](Salda& zmiany) {
        return sprawdzOd(otrzymany, wlasny.walidacja.punkt.liczba, wlasny.walidacja.salda, zmiany);
    });
}

OcenaOtrzymanego ocenCalosc(const Blockchain& otrzymany)
{
    OcenaOtrzymanego ocena;
    ocena.blad = sprawdzZSaldami(otrzymany, ocena.salda);
    return ocena;
}

std::int64_t saldoOtrzymanego(Blockchain& wlasny, const Blockchain& otrzymany,
                              const OcenaOtrzymanego& ocena, const std::string& adres)
{
    if (!ocena.rozszerzaWlasny)
        return otrzymany.saldo(adres);
    wlasny.przygotujSalda();
    return otrzymany.saldoOd(wlasny.liczbaBlokow(), wlasny.saldo(adres), adres);
}

namespace {

// Salda walidacji po przejeciu: zmiany nalozone na salda wlasnego albo salda calosci.
Salda saldaPoPrzejeciu(Blockchain& wlasny, OcenaOtrzymanego&& ocena)
{
    Salda salda = std::move(ocena.salda);
    if (ocena.wzgledemWlasnego) {
        Salda zmiany = std::move(salda);
        salda = std::move(wlasny.walidacja.salda);
        nalozZmiany(salda, std::move(zmiany));
    }
    return salda;
}

} // namespace

void przejmijLancuch(Blockchain& wlasny, Blockchain& otrzymany, OcenaOtrzymanego&& ocena)
{
    Salda salda = saldaPoPrzejeciu(wlasny, std::move(ocena));
    wlasny.trudnosc = otrzymany.trudnosc;
    if (ocena.rozszerzaWlasny) {
        // Tylko nowe bloki; wspolny poczatek zwalnia wolajacy razem z otrzymanym lancuchem.
        const LancuchBlokow& jego = otrzymany.lancuch;
        wlasny.dopiszBloki(jego.kopia(wlasny.liczbaBlokow(), jego.size()));
    } else {
        wlasny.zastapLancuch(std::move(otrzymany.lancuch));
    }
    wlasny.walidacja = StanWalidacji{wlasny.punkt(), std::move(salda)};
}

std::optional<OcenaOtrzymanego> ocenNoweBloki(const Blockchain& wlasny, const NoweBloki& otrzymany)
{
    const bool zaWlasnym = wlasny.zawiera(wlasny.walidacja.punkt)
        && otrzymany.wspolnych == wlasny.liczbaBlokow();
    return ocenDopisane(zaWlasnym, [&](Salda& zmiany) {
        return sprawdzZNowymi(wlasny, wlasny.walidacja.punkt.liczba, otrzymany.bloki,
                              wlasny.walidacja.salda, zmiany);
    });
}

std::int64_t saldoOtrzymanego(Blockchain& wlasny, const NoweBloki& otrzymany,
                              const OcenaOtrzymanego& /*ocena*/, const std::string& adres)
{
    wlasny.przygotujSalda();
    return saldoPoBlokach(wlasny.saldo(adres), otrzymany.bloki, adres);
}

void przejmijLancuch(Blockchain& wlasny, NoweBloki& otrzymany, OcenaOtrzymanego&& ocena)
{
    Salda salda = saldaPoPrzejeciu(wlasny, std::move(ocena));
    // Jak przy przejeciu odczytanego lancucha: tekst nie niesie trudnosci.
    wlasny.trudnosc = TRUDNOSC_DOMYSLNA;
    wlasny.dopiszBloki(std::move(otrzymany.bloki));
    wlasny.walidacja = StanWalidacji{wlasny.punkt(), std::move(salda)};
}

#include "wezel/praca_wezla.h"

#include <algorithm>

#include "core/plik_lancucha.h"
#include "core/wpisy_lancucha.h"
#include "net/wymiana_lancucha.h"
#include "net/wypchniecie.h"

KopaczBloku kopaczZDziennikiem(Dziennik& dziennik)
{
    return [&dziennik](Blockchain& ksiega, const std::string& adres, const std::string& plik,
                       const std::vector<Transakcja>& oczekujace, const std::stop_token& stop) {
        const WynikKopania wynik = kopIZapisz(ksiega, adres, plik, oczekujace, stop);
        zglosKopanie(dziennik, wynik);
        return wynik.zapisano();
    };
}

std::unique_ptr<Wypychacz> wypychaczPetli(Dziennik& dziennik, const KatalogDanych& katalog, int port)
{
    return std::make_unique<Wypychacz>(
        UstawieniaWezla{dziennik, katalog.lancuch, katalog.wezly, port});
}

bool petlaKopania(const KatalogDanych& katalog, const std::string& klucz, const std::stop_token& stop,
                  const KopaczBloku& kop, Wypychacz& wypychacz, const std::function<void()>& poBloku)
{
    // Wlasny lancuch watku: kazde przejscie i tak wczytuje najnowszy plik pod blokada.
    Blockchain prywatny;
    while (!stop.stop_requested()) {
        // Dalsze kopanie tylko do pamieci byloby praca na nic.
        if (!kop(prywatny, klucz, katalog.lancuch, {}, stop))
            return stop.stop_requested();
        // Blok jest w pliku: wypychacz wysle go (albo nowszy) obok petli.
        wypychacz.zlec();
        if (poBloku)
            poBloku();
    }
    return true;
}

std::vector<Wezel> wezlyDoPobrania(const KatalogDanych& katalog, int port)
{
    std::vector<Wezel> skad;
    for (std::vector<Wezel> lista : {wczytajWezly(katalog.wezly), wczytajWezly(katalog.seedy)})
        for (Wezel& wezel : lista)
            if (!czyToJa(wezel.ip, wezel.port, port))
                skad.push_back(std::move(wezel));
    return skad;
}

WynikPobieraniaOdWezlow pobierzOdWezlow(Dziennik& dziennik, const std::vector<Wezel>& skad,
                                        const KatalogDanych& katalog, const std::string& klucz,
                                        int port, const std::stop_token& stop,
                                        ObserwatorWezla& obserwator)
{
    Blockchain zywy;
    // Zatrzymanie konczy tez czekanie na budzet pamieci przy odczycie pobranego lancucha.
    KontekstSerwera kontekst{{dziennik, katalog.lancuch, katalog.wezly, port, LIMIT_ODBIORU},
                             zywy, klucz, {}, stop};
    WynikPobieraniaOdWezlow wynik;
    for (const Wezel& wezel : skad) {
        if (stop.stop_requested())
            break;
        const std::string dawca = wezel.ip + ":" + std::to_string(wezel.port);
        bool stary = false;
        const WynikPobierania pobranie = pobierzLancuchOd(
            kontekst, wezel,
            [&dziennik, &dawca, &obserwator](std::uint64_t mam, std::uint64_t wszystkie) {
                dziennik.zglos({.rodzaj = RodzajWpisu::pobieranieLancucha,
                                .ile = static_cast<std::int64_t>(mam),
                                .ileMoj = static_cast<std::int64_t>(wszystkie), .adres = dawca});
                obserwator.postepPobierania(dawca, mam, wszystkie);
            },
            stary);
        if (!stary && pobranie.przerwanie != PowodPrzerwania::ciszaDawcy)
            if (const std::optional<Wpis> wpis = wpisPrzerwania(pobranie.przerwanie, dawca))
                dziennik.zglos(*wpis);
        wynik.przyjeto = wynik.przyjeto || pobranie.przyjetoCokolwiek;
        if (!pobranie.decyzja)
            continue;
        obserwator.decyzjaOLancuchu(dawca, *pobranie.decyzja);
        if (pobranie.decyzja->rodzaj == RodzajDecyzji::saldo)
            wynik.odrzuconySaldem = std::max(wynik.odrzuconySaldem, pobranie.decyzja->ileOtrzymany);
    }
    return wynik;
}

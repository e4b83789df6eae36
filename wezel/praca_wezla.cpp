#include "wezel/praca_wezla.h"

#include <algorithm>

#include "core/konsola.h"
#include "core/plik_lancucha.h"
#include "net/wymiana_lancucha.h"
#include "net/wypchniecie.h"

std::unique_ptr<Wypychacz> wypychaczPetli(const KatalogDanych& katalog, int port)
{
    return std::make_unique<Wypychacz>(UstawieniaWypychania{katalog.lancuch, katalog.wezly, port});
}

bool petlaKopania(const KatalogDanych& katalog, const std::string& klucz, const std::stop_token& stop,
                  const KopaczBloku& kop, Wypychacz& wypychacz, const std::function<void()>& poBloku)
{
    // Wlasny lancuch watku: kazde przejscie i tak wczytuje najnowszy plik pod blokada.
    Blockchain prywatny;
    while (!stop.stop_requested()) {
        // Dalsze kopanie tylko do pamieci byloby praca na nic.
        if (!kop(prywatny, klucz, katalog.lancuch, {}))
            return false;
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

WynikPobieraniaOdWezlow pobierzOdWezlow(const std::vector<Wezel>& skad, const KatalogDanych& katalog,
                                        const std::string& klucz, int port, const std::stop_token& stop,
                                        ObserwatorWezla& obserwator)
{
    Blockchain zywy;
    // Zatrzymanie konczy tez czekanie na budzet pamieci przy odczycie pobranego lancucha.
    KontekstSerwera kontekst{zywy, katalog.lancuch, katalog.wezly, klucz, port,
                             LIMIT_ODBIORU, {}, stop};
    WynikPobieraniaOdWezlow wynik;
    for (const Wezel& wezel : skad) {
        if (stop.stop_requested())
            break;
        const std::string dawca = wezel.ip + ":" + std::to_string(wezel.port);
        bool stary = false;
        const WynikPobierania pobranie = pobierzLancuchOd(
            kontekst, wezel,
            [&dawca, &obserwator](std::uint64_t mam, std::uint64_t wszystkie) {
                wypisz("Pobieram lancuch od ", dawca, ": ", mam, " z ", wszystkie, " blokow\n");
                obserwator.postepPobierania(dawca, mam, wszystkie);
            },
            stary);
        if (!stary && pobranie.przerwanie != PrzerwaniePobierania::ciszaDawcy)
            wypiszTekst(wierszPrzerwania(pobranie.przerwanie, dawca));
        wynik.przyjeto = wynik.przyjeto || pobranie.przyjetoCokolwiek;
        if (!pobranie.decyzja)
            continue;
        obserwator.decyzjaOLancuchu(dawca, *pobranie.decyzja);
        if (pobranie.decyzja->rodzaj == RodzajDecyzji::saldo)
            wynik.odrzuconySaldem = std::max(wynik.odrzuconySaldem, pobranie.decyzja->ileOtrzymany);
    }
    return wynik;
}

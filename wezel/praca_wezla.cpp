#include "wezel/praca_wezla.h"

#include <algorithm>

#include "core/plik_lancucha.h"
#include "core/wpisy_lancucha.h"
#include "net/wymiana_lancucha.h"
#include "net/wypchniecie.h"

namespace {

StopPredykat predykat(const std::atomic<bool>& stop)
{
    return [&stop] { return stop.load(); };
}

} // namespace

KopaczBloku kopaczZDziennikiem(Dziennik& dziennik)
{
    return [&dziennik](Blockchain& ksiega, const std::string& adres, const std::string& plik,
                       const std::vector<Transakcja>& oczekujace) {
        const WynikKopania wynik = kopIZapisz(ksiega, adres, plik, oczekujace);
        zglosKopanie(dziennik, wynik);
        return wynik.zapisano();
    };
}

void pracaSerwera(Dziennik& dziennik, int port, const std::string& klucz,
                  const std::atomic<bool>& stop, const std::function<void(bool)>& gotowy)
{
    Blockchain prywatny;
    static_cast<void>(wczytajLancuch(prywatny, PLIK_LANCUCHA));
    nasluchujIPrzyjmujLancuchyWPetli(dziennik, prywatny, port, PLIK_LANCUCHA, PLIK_WEZLOW, predykat(stop),
                                     gotowy, klucz);
}

void pracaSluchaczaObecnosci(Dziennik& dziennik, int port, const std::string& idWezla,
                             const std::atomic<bool>& stop, const WykrytoWezel& wykryto)
{
    nasluchujObecnosciWPetli(dziennik, port, idWezla, PLIK_WEZLOW, predykat(stop), wykryto);
}

void pracaOglaszacza(int port, const std::string& idWezla, const std::string& klucz,
                     const std::string& nazwa, const std::atomic<bool>& stop)
{
    oglaszajObecnoscWPetli(port, idWezla, klucz, nazwa, stop);
}

std::unique_ptr<Wypychacz> wypychaczPetli(Dziennik& dziennik, int port)
{
    return std::make_unique<Wypychacz>(UstawieniaWypychania{dziennik, PLIK_LANCUCHA, PLIK_WEZLOW, port});
}

bool petlaKopania(const std::string& klucz, const std::atomic<bool>& stop, const KopaczBloku& kop,
                  Wypychacz& wypychacz)
{
    // Wlasny lancuch watku: kazde przejscie i tak wczytuje najnowszy plik pod blokada.
    Blockchain prywatny;
    while (!stop.load()) {
        // Dalsze kopanie tylko do pamieci byloby praca na nic.
        if (!kop(prywatny, klucz, PLIK_LANCUCHA, {}))
            return false;
        // Blok jest w pliku: wypychacz wysle go (albo nowszy) obok petli.
        wypychacz.zlec();
    }
    return true;
}

WynikRozgloszenia pracaRozgloszenia(Dziennik& dziennik, const Blockchain& kopia, int port)
{
    return rozglosLancuch(dziennik, kopia, PLIK_WEZLOW, port);
}

std::vector<Wezel> wezlyDoPobrania(int port)
{
    std::vector<Wezel> skad;
    for (std::vector<Wezel> lista : {wczytajWezly(PLIK_WEZLOW), wczytajWezly(PLIK_SEEDOW)})
        for (Wezel& wezel : lista)
            if (!czyToJa(wezel.ip, wezel.port, port))
                skad.push_back(std::move(wezel));
    return skad;
}

WynikPobieraniaOdWezlow pobierzOdWezlow(Dziennik& dziennik, const std::vector<Wezel>& skad,
                                        const std::string& klucz, int port, const StopPredykat& stop,
                                        const PostepPobierania& postep)
{
    const ZakresStopu zakres(stop);
    Blockchain zywy;
    KontekstSerwera kontekst{dziennik, zywy, PLIK_LANCUCHA, PLIK_WEZLOW, klucz, port, LIMIT_ODBIORU, {}};
    WynikPobieraniaOdWezlow wynik;
    for (const Wezel& wezel : skad) {
        if (stop())
            break;
        const std::string dawca = wezel.ip + ":" + std::to_string(wezel.port);
        bool stary = false;
        const WynikPobierania pobranie = pobierzLancuchOd(
            kontekst, wezel,
            [&dziennik, &dawca, &postep](std::uint64_t mam, std::uint64_t wszystkie) {
                dziennik.zglos({.rodzaj = RodzajWpisu::pobieranieLancucha,
                                .ile = static_cast<std::int64_t>(mam),
                                .ileMoj = static_cast<std::int64_t>(wszystkie), .adres = dawca});
                if (postep)
                    postep(dawca, mam, wszystkie);
            },
            stary);
        if (!stary && pobranie.przerwanie != PrzerwaniePobierania::ciszaDawcy)
            if (const std::optional<Wpis> wpis = wpisPrzerwania(pobranie.przerwanie, dawca))
                dziennik.zglos(*wpis);
        wynik.przyjeto = wynik.przyjeto || pobranie.przyjetoCokolwiek;
        if (pobranie.decyzja && pobranie.decyzja->rodzaj == RodzajDecyzji::saldo)
            wynik.odrzuconySaldem = std::max(wynik.odrzuconySaldem, pobranie.decyzja->ileOtrzymany);
    }
    return wynik;
}

void pracaPobierania(Dziennik& dziennik, const std::string& klucz, int port,
                     const std::atomic<bool>& stop)
{
    static_cast<void>(pobierzOdWezlow(dziennik, wezlyDoPobrania(port), klucz, port, predykat(stop)));
}

void pracaBootstrapu(Dziennik& dziennik, const Blockchain& kopia, const std::vector<Wezel>& seedy,
                     int port, const std::function<void()>& gotowe)
{
    ::bootstrapZSeedow(dziennik, kopia, seedy, PLIK_WEZLOW, port, gotowe);
}

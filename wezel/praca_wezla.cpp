#include "wezel/praca_wezla.h"

#include <algorithm>

#include "core/plik_lancucha.h"
#include "core/konsola.h"
#include "net/wymiana_lancucha.h"
#include "net/wypchniecie.h"

void pracaSerwera(int port, const std::string& klucz, const std::stop_token& stop,
                  const std::function<void(bool)>& gotowy)
{
    Blockchain prywatny;
    static_cast<void>(wczytajLancuch(prywatny, PLIK_LANCUCHA));
    nasluchujIPrzyjmujLancuchyWPetli(prywatny, port, PLIK_LANCUCHA, PLIK_WEZLOW, stop,
                                     gotowy, klucz);
}

void pracaSluchaczaObecnosci(int port, const std::string& idWezla, const std::stop_token& stop,
                             const WykrytoWezel& wykryto)
{
    nasluchujObecnosciWPetli(port, idWezla, PLIK_WEZLOW, stop, wykryto);
}

void pracaOglaszacza(int port, const std::string& idWezla, const std::string& klucz,
                     const std::string& nazwa, const std::stop_token& stop)
{
    oglaszajObecnoscWPetli(port, idWezla, klucz, nazwa, stop);
}

std::unique_ptr<Wypychacz> wypychaczPetli(int port)
{
    return std::make_unique<Wypychacz>(UstawieniaWypychania{PLIK_LANCUCHA, PLIK_WEZLOW, port});
}

bool petlaKopania(const std::string& klucz, const std::stop_token& stop, const KopaczBloku& kop,
                  Wypychacz& wypychacz)
{
    // Wlasny lancuch watku: kazde przejscie i tak wczytuje najnowszy plik pod blokada.
    Blockchain prywatny;
    while (!stop.stop_requested()) {
        // Dalsze kopanie tylko do pamieci byloby praca na nic.
        if (!kop(prywatny, klucz, PLIK_LANCUCHA, {}))
            return false;
        // Blok jest w pliku: wypychacz wysle go (albo nowszy) obok petli.
        wypychacz.zlec();
    }
    return true;
}

WynikRozgloszenia pracaRozgloszenia(const Blockchain& kopia, int port, const std::stop_token& stop)
{
    return rozglosLancuch(kopia, PLIK_WEZLOW, port, stop);
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

WynikPobieraniaOdWezlow pobierzOdWezlow(const std::vector<Wezel>& skad, const std::string& klucz,
                                        int port, const std::stop_token& stop,
                                        const PostepPobierania& postep)
{
    Blockchain zywy;
    // Zatrzymanie konczy tez czekanie na budzet pamieci przy odczycie pobranego lancucha.
    KontekstSerwera kontekst{zywy, PLIK_LANCUCHA, PLIK_WEZLOW, klucz, port,
                             LIMIT_ODBIORU, {}, stop};
    WynikPobieraniaOdWezlow wynik;
    for (const Wezel& wezel : skad) {
        if (stop.stop_requested())
            break;
        const std::string dawca = wezel.ip + ":" + std::to_string(wezel.port);
        bool stary = false;
        const WynikPobierania pobranie = pobierzLancuchOd(
            kontekst, wezel,
            [&dawca, &postep](std::uint64_t mam, std::uint64_t wszystkie) {
                wypisz("Pobieram lancuch od ", dawca, ": ", mam, " z ", wszystkie, " blokow\n");
                if (postep)
                    postep(dawca, mam, wszystkie);
            },
            stary);
        if (!stary && pobranie.przerwanie != PrzerwaniePobierania::ciszaDawcy)
            wypiszTekst(wierszPrzerwania(pobranie.przerwanie, dawca));
        wynik.przyjeto = wynik.przyjeto || pobranie.przyjetoCokolwiek;
        if (pobranie.decyzja && pobranie.decyzja->rodzaj == RodzajDecyzji::saldo)
            wynik.odrzuconySaldem = std::max(wynik.odrzuconySaldem, pobranie.decyzja->ileOtrzymany);
    }
    return wynik;
}

void pracaPobierania(const std::string& klucz, int port, const std::stop_token& stop)
{
    static_cast<void>(pobierzOdWezlow(wezlyDoPobrania(port), klucz, port, stop));
}

void pracaBootstrapu(const Blockchain& kopia, const std::vector<Wezel>& seedy, int port,
                     const std::stop_token& stop, const std::function<void()>& gotowe)
{
    ::bootstrapZSeedow(kopia, seedy, PLIK_WEZLOW, port, stop, gotowe);
}

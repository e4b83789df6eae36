#include "net/wymiana_lancucha.h"

#include <algorithm>
#include <sys/stat.h>

#include "net/budzet_pamieci.h"
#include "core/format_lancucha.h"
#include "net/kanal.h"
#include "core/liczby.h"
#include "net/ramki.h"
#include "net/wypychanie.h"

namespace {

// Rozmiar pliku: tani zastepnik dlugosci tekstu wlasnego lancucha (0, gdy go nie ma).
std::uint64_t rozmiarPliku(const std::string& sciezka)
{
    struct stat info {};
    return ::stat(sciezka.c_str(), &info) == 0 && info.st_size > 0
        ? static_cast<std::uint64_t>(info.st_size)
        : 0;
}

} // namespace

std::uint64_t najdluzszeZapytanie(std::uint64_t wlasnyLancuch)
{
    // Naglowek wewnetrzny, lancuch dluzszy o zapas i lista wezlow do wielkosci odpowiedzi.
    return std::max<std::uint64_t>(MAKS_DLUGOSC_RAMKI, wlasnyLancuch + DLUGOSC_NAGLOWKA
                                                           + ZAPAS_PONAD_WLASNY_LANCUCH
                                                           + MAKS_DLUGOSC_ODPOWIEDZI);
}

std::string zbudujWiadomoscLancucha(const std::string& tekstLancucha,
                                    const std::string& tekstWezlow)
{
    std::string wiadomosc = naglowekDlugosci(tekstLancucha.size());
    wiadomosc.reserve(wiadomosc.size() + tekstLancucha.size() + tekstWezlow.size());
    wiadomosc += tekstLancucha;
    wiadomosc += tekstWezlow;
    return wiadomosc;
}

bool rozdzielWiadomoscLancucha(const std::string& wiadomosc, std::string& tekstLancucha,
                               std::string& tekstWezlow)
{
    std::string_view lancuch;
    std::string_view wezly;
    if (!rozdzielWidokWiadomosci(wiadomosc, lancuch, wezly))
        return false;
    tekstLancucha = lancuch;
    tekstWezlow = wezly;
    return true;
}

bool rozdzielWidokWiadomosci(std::string_view wiadomosc, std::string_view& tekstLancucha,
                             std::string_view& tekstWezlow)
{
    if (wiadomosc.size() < DLUGOSC_NAGLOWKA)
        return false;
    // Dziesiec cyfr moze przekroczyc int32: lancuch dluzszy niz 2 GiB tez ma naglowek.
    const auto dlugosc = liczbaJakStrtoll(wiadomosc.substr(0, DLUGOSC_NAGLOWKA));
    if (!dlugosc || *dlugosc < 0)
        return false;
    if (wiadomosc.size() - DLUGOSC_NAGLOWKA < static_cast<std::uint64_t>(*dlugosc))
        return false;
    const auto ile = static_cast<std::size_t>(*dlugosc);
    tekstLancucha = wiadomosc.substr(DLUGOSC_NAGLOWKA, ile);
    tekstWezlow = wiadomosc.substr(DLUGOSC_NAGLOWKA + ile);
    return true;
}

void scalListeWezlow(std::string_view tekstWezlow, const std::string& plikWezlow, int mojPort)
{
    std::vector<Wezel> wezly = wezlyZTekstu(tekstWezlow, MAKS_WEZLOW_Z_WIADOMOSCI);
    std::erase_if(wezly, [mojPort](const Wezel& w) { return czyToJa(w.ip, w.port, mojPort); });
    (void)scalWezly(plikWezlow, wezly);
}

bool wyslijLancuchDoWezla(Dziennik& dziennik, const Blockchain& lancuch, const Wezel& wezel, int port,
                          const std::string& plikWezlow, int mojPort, const std::stop_token& stop,
                          std::chrono::milliseconds limitOdbioru)
{
    return wyslijTekstLancuchaDoWezla(dziennik, serializujLancuch(lancuch), wezel, port, plikWezlow,
                                      mojPort, stop, limitOdbioru);
}

bool wyslijTekstLancuchaDoWezla(Dziennik& dziennik, std::string_view tekstLancucha, const Wezel& wezel, int port,
                                const std::string& plikWezlow, int mojPort,
                                const std::stop_token& stop, std::chrono::milliseconds limitOdbioru)
{
    const std::string tekstWezlow = wezlyDoTekstu(wczytajWezly(plikWezlow));
    const std::string naglowek = naglowekDlugosci(tekstLancucha.size());
    std::string odpowiedz;
    const bool wyslano = wyslijCzesciIOdbierz(dziennik, wezel.ip, port,
                                              {naglowek, tekstLancucha, tekstWezlow}, odpowiedz,
                                              stop, limitOdbioru);
    if (wyslano && !odpowiedz.empty())
        scalListeWezlow(odpowiedz, plikWezlow, mojPort);
    return wyslano;
}

void nasluchujIPrzyjmujLancuchyWPetli(KontekstSerwera& kontekst,
                                      const std::function<void(bool)>& gotowy)
{
    const std::chrono::milliseconds limitOdbioru = kontekst.limitOdbioru;
    const std::string& plikLancucha = kontekst.plikLancucha;
    // Przyjety lancuch idzie dalej w tle, najnowszy z pliku; wypychacz zyje dluzej niz petla,
    // a po jej powrocie (zatrzymanie) przerywa wypchniecia w toku.
    Wypychacz wypychacz(
        {kontekst.dziennik, plikLancucha, kontekst.plikWezlow, kontekst.mojPort, limitOdbioru});
    kontekst.poPrzyjeciu = [&wypychacz] { wypychacz.zlec(); };
    // Przy kazdym polaczeniu rozmiar pliku lancucha wyznacza najdluzsze zapytanie
    // i budzet pamieci procesu: dlugie lancuchy nie napotkaja stalej granicy.
    const LimitRamki limitRamki = [&plikLancucha] {
        const std::uint64_t wlasny = rozmiarPliku(plikLancucha);
        budzetPamieci().ustawWlasnyLancuch(wlasny);
        return najdluzszeZapytanie(wlasny);
    };
    nasluchujTcpWPetli(
        kontekst.dziennik, kontekst.mojPort, kontekst.stop,
        [&kontekst, limitOdbioru](const std::string& wiadomosc, const Gniazdo& klient,
                                  const std::stop_token& koniecPolaczenia) {
            KanalGniazda kanal(klient, limitOdbioru, koniecPolaczenia);
            return obsluzPrzychodzacyLancuch(kontekst, wiadomosc, &kanal);
        },
        gotowy, limitOdbioru, limitRamki);
    // Wypychacz konczy sie razem z petla: kontekst wolajacego nie zostaje z wiszacym zleceniem.
    kontekst.poPrzyjeciu = {};
}

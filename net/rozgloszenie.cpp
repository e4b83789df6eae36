#include "net/rozgloszenie.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>

#include "core/format_lancucha.h"
#include "net/wymiana_lancucha.h"
#include "net/wypchniecie.h"

namespace {

// Tyle wezlow naraz: martwy wezel nie opoznia pozostalych.
constexpr std::size_t WEZLOW_NARAZ = 8;

// Wyniki wysylek w kolejnosci pliku; kazdy wypelnia jeden z watkow.
class Wyniki {
public:
    explicit Wyniki(std::size_t ile) : wyniki(ile) {}

    using Wynik = std::pair<WynikWypchniecia, RozmowaWypchniecia>;

    void ustaw(std::size_t i, const Wynik& wynik)
    {
        {
            std::lock_guard blokada(mutex);
            wyniki[i] = wynik;
        }
        zmiana.notify_all();
    }

    // Kazda wysylka konczy sie sama (limity polaczenia i odbioru).
    Wynik czekajNa(std::size_t i)
    {
        std::unique_lock blokada(mutex);
        zmiana.wait(blokada, [&] { return wyniki[i].has_value(); });
        return *wyniki[i];
    }

private:
    std::mutex mutex;
    std::condition_variable zmiana;
    std::vector<std::optional<Wynik>> wyniki;
};

} // namespace

int DecyzjeWezlow::zDecyzja() const
{
    return przyjete + juzMialy + nieDluzszy + saldo + niepoprawny + inneOdmowy;
}

void DecyzjeWezlow::dolicz(const RozmowaWypchniecia& rozmowa)
{
    switch (rozmowa.wynik) {
    case WynikRozmowy::przyjety: ++przyjete; return;
    case WynikRozmowy::juzMial: ++juzMialy; return;
    case WynikRozmowy::wyslanyCaly: ++stare; return;
    case WynikRozmowy::nieDluzszy:
        ++nieDluzszy;
        najdluzszyJego = std::max(najdluzszyJego, rozmowa.ileJego);
        return;
    case WynikRozmowy::saldo: ++saldo; return;
    case WynikRozmowy::niepoprawny: ++niepoprawny; return;
    case WynikRozmowy::odmowa: ++inneOdmowy; return;
    case WynikRozmowy::nieOsiagniety:
    case WynikRozmowy::przerwany: break;
    }
    ++bezOdpowiedzi;
}

WynikRozgloszenia rozglosLancuch(Dziennik& dziennik, const Blockchain& lancuch, const std::string& plikWezlow,
                                 int mojPort, const std::stop_token& stop,
                                 std::chrono::milliseconds limitOdbioru)
{
    // Migawka: wezly poznane z odpowiedzi w trakcie nie sa juz w tym rozgloszeniu odwiedzane.
    std::vector<Wezel> cele;
    for (Wezel& wezel : wczytajWezly(plikWezlow)) {
        // Polaczenie z samym soba czekaloby na serwer zajety wlasnie tym zapytaniem.
        if (!czyToJa(wezel.ip, wezel.port, mojPort))
            cele.push_back(std::move(wezel));
    }
    WynikRozgloszenia wynik;
    wynik.wszystkie = static_cast<int>(cele.size());
    if (cele.empty())
        return wynik;
    // Jeden tekst lancucha dla wszystkich wezlow starego rodzaju, liczony najwyzej raz.
    TekstNaZadanie tekst(lancuch);
    const ZrodloWypchniecia zrodlo{lancuch, nullptr, tekst};
    Wyniki wyniki(cele.size());
    std::atomic<std::size_t> nastepny{0};
    // Watki pomocnicze dostaja zatrzymanie wolajacego: konczy tez ich czekanie.
    const auto pracuj = [&] {
        for (std::size_t i = nastepny++; i < cele.size(); i = nastepny++) {
            RozmowaWypchniecia rozmowa;
            const WynikWypchniecia wypchniecie =
                wypchnijDoWezla(dziennik, zrodlo, cele[i], plikWezlow, mojPort, stop, limitOdbioru, &rozmowa);
            wyniki.ustaw(i, {wypchniecie, rozmowa});
        }
    };
    std::vector<std::thread> watki;
    for (std::size_t i = 0; i < std::min(WEZLOW_NARAZ, cele.size()); ++i) {
        try {
            watki.emplace_back(pracuj);
        } catch (const std::system_error&) {
            break;
        }
    }
    // Bez zadnego watku wszystko po kolei w tym watku.
    if (watki.empty())
        pracuj();
    for (std::size_t i = 0; i < cele.size(); ++i) {
        const auto [wypchniecie, rozmowa] = wyniki.czekajNa(i);
        if (wypchniecie == WynikWypchniecia::wyslano)
            ++wynik.sukcesy;
        wynik.decyzje.dolicz(rozmowa);
        dziennik.zglos(wpisWypchniecia(wypchniecie, cele[i]));
    }
    for (std::thread& watek : watki)
        watek.join();
    return wynik;
}

std::vector<Wezel> seedyDoBootstrapu(const std::string& plikWezlow, const std::string& plikSeedow)
{
    if (!wczytajWezly(plikWezlow).empty())
        return {};
    return wczytajWezly(plikSeedow);
}

void bootstrapZSeedow(Dziennik& dziennik, const Blockchain& lancuch, const std::vector<Wezel>& seedy,
                      const std::string& plikWezlow, int mojPort, const std::stop_token& stop,
                      const std::function<void()>& gotowe, std::chrono::milliseconds limitOdbioru)
{
    TekstNaZadanie tekst(lancuch);
    const ZrodloWypchniecia zrodlo{lancuch, nullptr, tekst};
    for (const Wezel& seed : seedy)
        (void)wypchnijBlokami(dziennik, zrodlo, seed, seed.port, plikWezlow, mojPort, stop, limitOdbioru);
    if (gotowe)
        gotowe();
}

#include "net/wypychanie.h"

#include <algorithm>
#include <new>
#include <system_error>

#include "core/format_lancucha.h"
#include "core/dziennik.h"
#include "core/plik_lancucha.h"
#include "net/wypchniecie.h"

namespace {

// Co tyle zakoncz() sprawdza, czy wszystko juz wyslane.
constexpr std::chrono::milliseconds KROK_ZAKONCZENIA{50};

} // namespace

Wypychacz::Wypychacz(UstawieniaWypychania ustawienia, std::size_t watkow)
    : ustawienia(std::move(ustawienia))
{
    std::lock_guard blokada(mutex);
    for (std::size_t i = 0; i < watkow; ++i) {
        try {
            watki.emplace_back([this](const std::stop_token& stop) { pracuj(stop); });
        } catch (const std::system_error&) {
            break;
        }
    }
    if (watki.empty())
        this->ustawienia.dziennik.zglos({.rodzaj = RodzajWpisu::bladWatkuRozgloszen});
    // Watki jeszcze czekaja na blokade: limit gotowy, zanim ktorykolwiek go przeczyta.
    limitNiepewnych = watki.size() > WATKOW_DLA_DOBRYCH ? watki.size() - WATKOW_DLA_DOBRYCH : 1;
}

Wypychacz::~Wypychacz()
{
    zatrzymajWatki();
}

void Wypychacz::zatrzymajWatki()
{
    for (std::jthread& watek : watki)
        watek.request_stop();
    for (std::jthread& watek : watki)
        if (watek.joinable())
            watek.join();
}

void Wypychacz::zlec()
{
    {
        std::lock_guard blokada(mutex);
        ++zlecona;
        ++pokolenie;
    }
    zmiana.notify_all();
}

void Wypychacz::zakoncz(Chwila koniec)
{
    const Chwila termin = koniec - CZAS_NA_PRZERWANIE;
    {
        std::unique_lock blokada(mutex);
        for (;;) {
            const Chwila teraz = ZegarWezlow::now();
            if (teraz >= termin || bezczynny(teraz) || watki.empty())
                break;
            const std::uint64_t widziane = pokolenie;
            zmiana.wait_until(blokada, std::min(termin, teraz + KROK_ZAKONCZENIA),
                              [&] { return pokolenie != widziane; });
        }
    }
    zatrzymajWatki();
}

void Wypychacz::pracuj(const std::stop_token& stop)
{
    std::unique_lock blokada(mutex);
    while (!stop.stop_requested()) {
        if (zlecona != wersjaMigawki && !przygotowywana) {
            przygotujMigawke(blokada);
            continue;
        }
        Chwila pobudka = Chwila::max();
        if (Cel* cel = wybierzCel(ZegarWezlow::now(), true, pobudka)) {
            wypchnij(*cel, blokada, stop);
            continue;
        }
        const std::uint64_t widziane = pokolenie;
        const auto zmienione = [&] { return pokolenie != widziane; };
        if (pobudka == Chwila::max())
            zmiana.wait(blokada, stop, zmienione);
        else
            zmiana.wait_until(blokada, stop, pobudka, zmienione);
    }
}

void Wypychacz::przygotujMigawke(std::unique_lock<std::mutex>& blokada)
{
    przygotowywana = true;
    const std::uint64_t wersja = zlecona;
    blokada.unlock();
    std::shared_ptr<TekstNaZadanie> tekst;
    std::vector<Wezel> wezly;
    try {
        // Wypchniecia czytaja lancuch pod wspolna blokada; tekst calosci (dla wezlow starego
        // rodzaju) powstaje najwyzej raz na wersje i tylko, gdy ktos go potrzebuje.
        bool wczytany = false;
        {
            const std::unique_lock zmiana(mutexLancucha);
            wczytany = wczytajLancuch(lancuch, ustawienia.plikLancucha);
        }
        if (wczytany)
            tekst = std::make_shared<TekstNaZadanie>(lancuch, &mutexLancucha);
        // Polaczenie z samym soba czekaloby na serwer zajety wlasnie tym zapytaniem.
        for (Wezel& wezel : wczytajWezly(ustawienia.plikWezlow))
            if (!czyToJa(wezel.ip, wezel.port, ustawienia.mojPort))
                wezly.push_back(std::move(wezel));
    } catch (const std::bad_alloc&) {
        ustawienia.dziennik.zglos({.rodzaj = RodzajWpisu::brakPamieciRozglaszania});
        tekst.reset();
    }
    blokada.lock();
    przygotowywana = false;
    wersjaMigawki = wersja;
    if (tekst) {
        tekstLancucha = std::move(tekst);
        wersjaTekstu = wersja;
        odswiezCele(wezly);
    }
    ++pokolenie;
    zmiana.notify_all();
}

void Wypychacz::odswiezCele(const std::vector<Wezel>& wezly)
{
    for (auto& [klucz, cel] : cele)
        cel.wPliku = false;
    for (const Wezel& wezel : wezly) {
        const auto [miejsce, nowy] = cele.try_emplace(kluczWezla(wezel));
        if (nowy) {
            miejsce->second.wezel = wezel;
            miejsce->second.kolejnosc = ++licznikKolejnosci;
        }
        miejsce->second.wPliku = true;
    }
    // Wypychany wlasnie wpis znika dopiero po swoim wypchnieciu.
    std::erase_if(cele, [](const auto& para) { return !para.second.wPliku && !para.second.wToku; });
}

Wypychacz::Cel* Wypychacz::wybierzCel(Chwila teraz, bool zLimitem, Chwila& pobudka)
{
    if (!tekstLancucha)
        return nullptr;
    Cel* najlepszy = nullptr;
    StanWezla stanNajlepszego = StanWezla::zawodzi;
    for (auto& [klucz, cel] : cele) {
        if (cel.wToku || !cel.wPliku || cel.wyslanaWersja >= wersjaTekstu)
            continue;
        const OcenaWezla ocena = zdrowieWezlow().ocen(cel.wezel);
        // Najwyzej jedna proba na przerwe: po niej wezel dostanie od razu najnowszy lancuch.
        if (ocena.stan == StanWezla::zawodzi && ocena.wolnoOd > teraz) {
            pobudka = std::min(pobudka, ocena.wolnoOd);
            continue;
        }
        if (zLimitem && ocena.stan != StanWezla::dobry && wTokuNiepewnych >= limitNiepewnych)
            continue;
        // Najpierw wezly, ktore odbieraja; wsrod rownych pozniej poznane.
        if (najlepszy == nullptr || ocena.stan < stanNajlepszego
            || (ocena.stan == stanNajlepszego && cel.kolejnosc > najlepszy->kolejnosc)) {
            najlepszy = &cel;
            stanNajlepszego = ocena.stan;
        }
    }
    return najlepszy;
}

void Wypychacz::wypchnij(Cel& cel, std::unique_lock<std::mutex>& blokada,
                         const std::stop_token& stop)
{
    cel.wToku = true;
    cel.niepewny = zdrowieWezlow().ocen(cel.wezel).stan != StanWezla::dobry;
    ++wToku;
    wTokuNiepewnych += cel.niepewny ? 1 : 0;
    const std::shared_ptr<TekstNaZadanie> tekst = tekstLancucha;
    const std::uint64_t wersja = wersjaTekstu;
    const Wezel wezel = cel.wezel;
    blokada.unlock();
    WynikWypchniecia wynik = WynikWypchniecia::nieudane;
    try {
        wynik = wypchnijDoWezla(ustawienia.dziennik, {lancuch, &mutexLancucha, *tekst}, wezel,
                                ustawienia.plikWezlow, ustawienia.mojPort, stop,
                                ustawienia.limitOdbioru);
        ustawienia.dziennik.zglos(wpisWypchniecia(wynik, wezel));
    } catch (const std::bad_alloc&) {
        ustawienia.dziennik.zglos({.rodzaj = RodzajWpisu::brakPamieciRozglaszania});
    }
    blokada.lock();
    // Wpis nie znika z mapy, poki jest w toku: referencja `cel` wciaz wazna.
    cel.wToku = false;
    --wToku;
    wTokuNiepewnych -= cel.niepewny ? 1 : 0;
    if (wynik != WynikWypchniecia::zatrzymane)
        cel.wyslanaWersja = std::max(cel.wyslanaWersja, wersja);
    if (!cel.wPliku)
        cele.erase(kluczWezla(wezel));
    ++pokolenie;
    zmiana.notify_all();
}

bool Wypychacz::bezczynny(Chwila teraz)
{
    Chwila pobudka = Chwila::max();
    return !przygotowywana && zlecona == wersjaMigawki && wToku == 0
        && wybierzCel(teraz, false, pobudka) == nullptr;
}

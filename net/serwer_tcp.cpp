// Petla serwera TCP: przyjmuje polaczenia i obsluguje kazde na osobnym watku,
// z limitem rownoczesnych polaczen razem i z jednego adresu oraz wypieraniem
// najwolniejszego, gdy miejsc brakuje.

#include <arpa/inet.h>
#include <condition_variable>
#include <iostream>
#include <list>
#include <map>
#include <mutex>
#include <netinet/in.h>
#include <new>
#include <optional>
#include <poll.h>
#include <sys/socket.h>
#include <stop_token>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

#include "net/gniazda.h"
#include "core/dziennik.h"
#include "net/ramki.h"

namespace {

using Zegar = std::chrono::steady_clock;
constexpr std::chrono::milliseconds OKRES_PETLI{500};

// Powod zamkniecia dla wyniku odbioru ramki; nic, gdy koniec jest zwykly albo z woli peera.
std::optional<PowodZamkniecia> powod(WynikOdbioru wynik)
{
    switch (wynik) {
    case WynikOdbioru::Cisza: return PowodZamkniecia::cisza;
    case WynikOdbioru::PoTerminie: return PowodZamkniecia::poTerminie;
    case WynikOdbioru::ZaWolno: return PowodZamkniecia::zaWolno;
    case WynikOdbioru::ZlyNaglowek: return PowodZamkniecia::zlyNaglowek;
    case WynikOdbioru::ZaDluga: return PowodZamkniecia::zaDluga;
    case WynikOdbioru::BrakPamieci: return PowodZamkniecia::brakPamieci;
    default: return std::nullopt;
    }
}

std::optional<PowodZamkniecia> powod(PowodZamkniecia zamkniecie)
{
    return zamkniecie;
}

// Wpis o zamknietym polaczeniu z adresu IPv4 `adres` (kolejnosc bajtow sieci).
template <typename Powod>
void zglosZamkniecie(Dziennik& dziennik, std::uint32_t adres, Powod przyczyna)
{
    const std::optional<PowodZamkniecia> opis = powod(przyczyna);
    if (!opis)
        return;
    char ip[INET_ADDRSTRLEN] = "?";
    in_addr a{adres};
    (void)::inet_ntop(AF_INET, &a, ip, sizeof ip);
    dziennik.zglos({.rodzaj = RodzajWpisu::zamknietoPolaczenie, .adres = ip, .zamkniecie = *opis});
}

// Przyjete polaczenie; pola bez atomic zmieniane tylko pod blokada puli. Gniazdo zamyka
// zdjecie polaczenia z listy.
struct Polaczenie {
    Polaczenie(Gniazdo klient, std::uint32_t adres) : klient(std::move(klient)), adres(adres) {}
    Gniazdo klient;
    std::uint32_t adres;
    Zegar::time_point przyjete = Zegar::now();
    std::atomic<std::uint64_t> odebrane{0};
    bool odbiera = true; // jeszcze czeka na bajty zapytania (nie na nasza obsluge)
    bool wyparte = false;
    // Wyparcie albo zatrzymanie petli: konczy kazde czekanie tego polaczenia.
    std::stop_source koniec;
};

// Stale watki obslugi (najwyzej MAKS_POLACZEN, tworzone w miare potrzeby) i kolejka
// przyjetych polaczen z licznikami. Watki zyja do konca petli: kazdy trzyma swoja ciepla
// pamiec, wiec kolejne duze zapytania nie zaczynaja od pustej sterty.
class PulaPolaczen {
public:
    PulaPolaczen(Dziennik& dziennik, const ObslugaPolaczenia& obsluga, std::stop_token stop,
                 std::chrono::milliseconds limit, const LimitRamki& limitRamki)
        : dziennik(dziennik), obsluga(obsluga), stop(std::move(stop)), limit(limit),
          limitRamki(limitRamki)
    {
        watki.reserve(MAKS_POLACZEN);
        kolejka.reserve(2 * MAKS_POLACZEN); // z wypieranymi najwyzej tyle
    }
    PulaPolaczen(const PulaPolaczen&) = delete;
    PulaPolaczen& operator=(const PulaPolaczen&) = delete;

    // Czeka, az wszystkie przyjete polaczenia zostana obsluzone (po zatrzymaniu szybko).
    ~PulaPolaczen()
    {
        {
            std::lock_guard blokada(mutex);
            koniec = true;
        }
        zmiana.notify_all();
        for (std::thread& watek : watki)
            watek.join();
    }

    // Czeka najwyzej `czas` na wolne miejsce albo polaczenie, ktore mozna wyprzec.
    bool czekajNaMiejsce(std::chrono::milliseconds czas)
    {
        std::unique_lock blokada(mutex);
        return zmiana.wait_for(blokada, czas, [this] { return wolneMiejsce() || najwolniejsze(); });
    }

    void przyjmij(Gniazdo klient, std::uint32_t adres)
    {
        std::unique_lock blokada(mutex);
        const auto znany = zAdresu.find(adres);
        if (znany != zAdresu.end() && znany->second >= MAKS_POLACZEN_Z_ADRESU) {
            blokada.unlock();
            klient.zamknij();
            zglosZamkniecie(dziennik, adres, PowodZamkniecia::kompletZAdresu);
            return;
        }
        const bool jestMiejsce = wolneMiejsce() || wyprzyj();
        bool przyjete = false;
        try {
            przyjete = jestMiejsce && zakolejkuj(klient, adres);
        } catch (const std::bad_alloc&) {
        }
        blokada.unlock();
        if (przyjete) {
            zmiana.notify_all();
            return;
        }
        klient.zamknij();
        if (!jestMiejsce)
            zglosZamkniecie(dziennik, adres, PowodZamkniecia::komplet);
    }

private:
    [[nodiscard]] bool wolneMiejsce() const { return aktywne - wypierane < MAKS_POLACZEN; }

    // Polaczenie wciaz odbierajace zapytanie z najmniejszym srednim tempem (starsze niz
    // karencja, zeby swiezo przyjete uczciwe mialo czas na pierwsze bajty).
    Polaczenie* najwolniejsze()
    {
        const auto teraz = Zegar::now();
        Polaczenie* wybrane = nullptr;
        double najmniej = 0;
        for (Polaczenie& p : polaczenia) {
            const auto wiek = teraz - p.przyjete;
            if (!p.odbiera || p.wyparte || wiek < KARENCJA_WYPARCIA)
                continue;
            const double tempo = static_cast<double>(p.odebrane.load(std::memory_order_relaxed))
                / std::chrono::duration<double>(wiek).count();
            if (wybrane == nullptr || tempo < najmniej) {
                wybrane = &p;
                najmniej = tempo;
            }
        }
        return wybrane;
    }

    // Pod blokada: zamyka odbior najwolniejszego; jego watek konczy i zwalnia miejsce.
    bool wyprzyj()
    {
        Polaczenie* p = najwolniejsze();
        if (p == nullptr)
            return false;
        p->wyparte = true;
        ++wypierane;
        p->koniec.request_stop();
        ::shutdown(*p->klient, SHUT_RDWR); // gniazdo zamyka dopiero jego watek
        return true;
    }

    // Pod blokada: w razie potrzeby doklada watek i dopisuje polaczenie.
    // Gdy zawiedzie (brak watku, brak pamieci), liczniki zostaja jak byly.
    // Gniazdo przechodzi do puli tylko, gdy sie udalo.
    bool zakolejkuj(Gniazdo& klient, std::uint32_t adres)
    {
        if (kolejka.size() >= wolne && watki.size() < MAKS_POLACZEN) {
            try {
                watki.emplace_back([this] { pracuj(); });
            } catch (const std::system_error&) {
                dziennik.zglos({.rodzaj = RodzajWpisu::bladWatkuPolaczenia});
            }
        }
        if (watki.empty())
            return false;
        polaczenia.emplace_back(std::move(klient), adres);
        kolejka.push_back(&polaczenia.back()); // miejsce zarezerwowane, bez wyjatku
        ++zAdresu[adres];
        ++aktywne;
        return true;
    }

    void obsluz(Polaczenie& p)
    {
        // Zatrzymanie petli konczy polaczenie tak jak wyparcie.
        const std::stop_callback lacznik(stop, [&p] { p.koniec.request_stop(); });
        const std::stop_token koniecPolaczenia = p.koniec.get_token();
        OpcjeOdbioru opcje;
        opcje.limit = limit;
        opcje.maksDlugosc = limitRamki ? limitRamki() : MAKS_DLUGOSC_RAMKI;
        opcje.minimalneTempo = true;
        opcje.budzet = &budzetPamieci();
        opcje.postep = &p.odebrane;
        const OdebranaRamka ramka = odbierzRamke(p.klient, opcje, koniecPolaczenia);
        bool wyparte = false;
        {
            const std::lock_guard blokada(mutex);
            p.odbiera = false;
            wyparte = p.wyparte;
        }
        if (wyparte)
            zglosZamkniecie(dziennik, p.adres, PowodZamkniecia::wyparte);
        else
            zglosZamkniecie(dziennik, p.adres, ramka.wynik);
        if (ramka.wynik != WynikOdbioru::Odebrano || wyparte)
            return;
        const std::string odpowiedz = obsluga(ramka.tresc, p.klient, koniecPolaczenia);
        if (!odpowiedz.empty())
            (void)wyslijWiadomosc(p.klient, odpowiedz, koniecPolaczenia, limit);
    }

    // Brak pamieci konczy jedno zapytanie, nie proces.
    void obsluzBezpiecznie(Polaczenie& p)
    {
        try {
            obsluz(p);
        } catch (const std::bad_alloc&) {
            dziennik.zglos({.rodzaj = RodzajWpisu::brakPamieciNaZapytanie});
        }
    }

    void pracuj()
    {
        std::unique_lock blokada(mutex);
        for (;;) {
            ++wolne;
            zmiana.wait(blokada, [this] { return koniec || !kolejka.empty(); });
            --wolne;
            if (kolejka.empty())
                return;
            Polaczenie& p = *kolejka.front();
            kolejka.erase(kolejka.begin());
            blokada.unlock();
            obsluzBezpiecznie(p);
            blokada.lock();
            zakoncz(p);
        }
    }

    // Pod blokada: zwalnia miejsce; gniazdo zamyka zdjecie z listy, pod ta sama blokada,
    // wiec wypieranie nigdy nie trafi w numer uzyty juz przez inne gniazdo.
    void zakoncz(Polaczenie& p)
    {
        --aktywne;
        if (p.wyparte)
            --wypierane;
        if (--zAdresu[p.adres] == 0)
            zAdresu.erase(p.adres);
        polaczenia.remove_if([&p](const Polaczenie& q) { return &q == &p; });
        zmiana.notify_all();
    }

    Dziennik& dziennik;
    const ObslugaPolaczenia& obsluga;
    const std::stop_token stop;
    std::chrono::milliseconds limit;
    const LimitRamki& limitRamki;
    std::mutex mutex;
    std::condition_variable zmiana;
    std::vector<std::thread> watki;
    std::list<Polaczenie> polaczenia; // przyjete i jeszcze nie zakonczone
    std::vector<Polaczenie*> kolejka;
    std::map<std::uint32_t, int> zAdresu;
    std::size_t wolne = 0;
    int aktywne = 0;
    int wypierane = 0;
    bool koniec = false;
};

} // namespace

void nasluchujTcpWPetli(Dziennik& dziennik, int port, const std::stop_token& stop, const ObslugaPolaczenia& obsluga,
                        const std::function<void(bool)>& gotowy,
                        std::chrono::milliseconds limitOdbioru, const LimitRamki& limitRamki)
{
    const Gniazdo nasluch = utworzGniazdoNasluchu(dziennik, port);
    if (!nasluch.otwarte()) {
        if (gotowy)
            gotowy(false);
        return;
    }
    // Nieblokujace accept: polaczenie zerwane miedzy poll a accept nie zawiesza petli.
    (void)nasluch.ustawNieblokujace(true);
    if (gotowy)
        gotowy(true);
    dziennik.zglos({.rodzaj = RodzajWpisu::nasluchNaPorcie, .port = port});
    {
        PulaPolaczen pula(dziennik, obsluga, stop, limitOdbioru, limitRamki);
        while (!stop.stop_requested()) {
            if (nasluch.czekaj(POLLIN, OKRES_PETLI, stop) <= 0)
                continue;
            if (!pula.czekajNaMiejsce(OKRES_PETLI))
                continue;
            sockaddr_in adres{};
            socklen_t dlugosc = sizeof adres;
            Gniazdo klient(::accept4(*nasluch, reinterpret_cast<sockaddr*>(&adres), &dlugosc,
                                     SOCK_CLOEXEC));
            if (klient.otwarte())
                pula.przyjmij(std::move(klient), adres.sin_addr.s_addr);
        }
    }
}

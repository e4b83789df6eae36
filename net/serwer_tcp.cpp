// Petla serwera TCP: przyjmuje polaczenia i obsluguje kazde na osobnym watku,
// z limitem rownoczesnych polaczen razem i z jednego adresu.

#include <condition_variable>
#include <fcntl.h>
#include <map>
#include <mutex>
#include <netinet/in.h>
#include <new>
#include <poll.h>
#include <sys/socket.h>
#include <system_error>
#include <thread>
#include <vector>

#include "gniazda.h"
#include "konsola.h"
#include "ramki.h"

namespace {

constexpr std::chrono::milliseconds OKRES_PETLI{500};

using Obsluga = std::function<std::string(const std::string&)>;

void obsluzPolaczenie(Gniazdo klient, const Obsluga& obsluga, std::chrono::milliseconds limit)
{
    const std::string wiadomosc = odbierzWiadomosc(klient, limit);
    if (wiadomosc.empty())
        return;
    const std::string odpowiedz = obsluga(wiadomosc);
    if (!odpowiedz.empty())
        (void)wyslijWiadomosc(klient, odpowiedz, limit);
}

// Brak pamieci konczy jedno zapytanie, nie proces.
void obsluzBezpiecznie(Gniazdo klient, const Obsluga& obsluga, std::chrono::milliseconds limit)
{
    try {
        obsluzPolaczenie(klient, obsluga, limit);
    } catch (const std::bad_alloc&) {
        wypisz("BLAD: zabraklo pamieci przy obsludze zapytania - odrzucam je.\n");
    }
    zamknijGniazdo(klient);
}

// Stale watki obslugi (najwyzej MAKS_POLACZEN, tworzone w miare potrzeby) i kolejka
// przyjetych polaczen z licznikami. Watki zyja do konca petli: kazdy trzyma swoja ciepla
// pamiec, wiec kolejne duze zapytania nie zaczynaja od pustej sterty.
class PulaPolaczen {
public:
    PulaPolaczen(const Obsluga& obsluga, const StopPredykat& stop, std::chrono::milliseconds limit)
        : obsluga(obsluga), stop(stop), limit(limit)
    {
        watki.reserve(MAKS_POLACZEN);
        kolejka.reserve(MAKS_POLACZEN);
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

    // Czeka najwyzej `czas` na wolne miejsce; true, gdy jest.
    bool czekajNaMiejsce(std::chrono::milliseconds czas)
    {
        std::unique_lock blokada(mutex);
        return zmiana.wait_for(blokada, czas, [this] { return aktywne < MAKS_POLACZEN; });
    }

    void przyjmij(Gniazdo klient, std::uint32_t adres)
    {
        {
            std::lock_guard blokada(mutex);
            bool przyjete = false;
            try {
                przyjete = zakolejkuj(klient, adres);
            } catch (const std::bad_alloc&) {
            }
            if (!przyjete) {
                zamknijGniazdo(klient);
                return;
            }
        }
        zmiana.notify_all();
    }

private:
    struct Zadanie {
        Gniazdo klient = NIEPRAWIDLOWE_GNIAZDO;
        std::uint32_t adres = 0;
    };

    // Pod blokada: sprawdza limity, w razie potrzeby doklada watek, dopisuje zadanie.
    // Gdy zawiedzie (brak watku, brak pamieci), liczniki zostaja jak byly.
    bool zakolejkuj(Gniazdo klient, std::uint32_t adres)
    {
        const auto znany = zAdresu.find(adres);
        if (aktywne >= MAKS_POLACZEN
            || (znany != zAdresu.end() && znany->second >= MAKS_POLACZEN_Z_ADRESU))
            return false;
        int& licznik = zAdresu[adres];
        if (kolejka.size() >= wolne && watki.size() < MAKS_POLACZEN) {
            try {
                watki.emplace_back([this] { pracuj(); });
            } catch (const std::system_error&) {
                wypisz("BLAD: nie udalo sie utworzyc watku obslugi polaczenia.\n");
            }
        }
        if (watki.empty()) {
            if (licznik == 0)
                zAdresu.erase(adres);
            return false;
        }
        kolejka.push_back({klient, adres}); // miejsce zarezerwowane, bez wyjatku
        ++licznik;
        ++aktywne;
        return true;
    }

    void pracuj()
    {
        const ZakresStopu zakres(stop);
        std::unique_lock blokada(mutex);
        for (;;) {
            ++wolne;
            zmiana.wait(blokada, [this] { return koniec || !kolejka.empty(); });
            --wolne;
            if (kolejka.empty())
                return;
            const Zadanie zadanie = kolejka.front();
            kolejka.erase(kolejka.begin());
            blokada.unlock();
            obsluzBezpiecznie(zadanie.klient, obsluga, limit);
            blokada.lock();
            --aktywne;
            if (--zAdresu[zadanie.adres] == 0)
                zAdresu.erase(zadanie.adres);
            zmiana.notify_all();
        }
    }

    const Obsluga& obsluga;
    const StopPredykat& stop;
    std::chrono::milliseconds limit;
    std::mutex mutex;
    std::condition_variable zmiana;
    std::vector<std::thread> watki;
    std::vector<Zadanie> kolejka;
    std::map<std::uint32_t, int> zAdresu;
    std::size_t wolne = 0;
    int aktywne = 0;
    bool koniec = false;
};

} // namespace

void nasluchujTcpWPetli(int port, const StopPredykat& stop, const Obsluga& obsluga,
                        const std::function<void(bool)>& gotowy,
                        std::chrono::milliseconds limitOdbioru)
{
    const Gniazdo nasluch = utworzGniazdoNasluchu(port);
    if (nasluch == NIEPRAWIDLOWE_GNIAZDO) {
        if (gotowy)
            gotowy(false);
        return;
    }
    // Nieblokujace accept: polaczenie zerwane miedzy poll a accept nie zawiesza petli.
    (void)::fcntl(nasluch, F_SETFL, ::fcntl(nasluch, F_GETFL, 0) | O_NONBLOCK);
    if (gotowy)
        gotowy(true);
    wypisz("Nasluchuje na porcie ", port, " w petli...\n");
    {
        PulaPolaczen pula(obsluga, stop, limitOdbioru);
        while (!stop()) {
            if (!pula.czekajNaMiejsce(OKRES_PETLI))
                continue;
            if (czekajNaGniazdo(nasluch, POLLIN, OKRES_PETLI) <= 0)
                continue;
            sockaddr_in adres{};
            socklen_t dlugosc = sizeof adres;
            const Gniazdo klient = ::accept4(nasluch, reinterpret_cast<sockaddr*>(&adres),
                                             &dlugosc, SOCK_CLOEXEC);
            if (klient >= 0)
                pula.przyjmij(klient, adres.sin_addr.s_addr);
        }
    }
    zamknijGniazdo(nasluch);
}

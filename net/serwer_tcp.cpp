// Petla serwera TCP: przyjmuje polaczenia i obsluguje kazde na osobnym watku,
// z limitem rownoczesnych polaczen razem i z jednego adresu.

#include <condition_variable>
#include <fcntl.h>
#include <iostream>
#include <list>
#include <map>
#include <mutex>
#include <netinet/in.h>
#include <new>
#include <poll.h>
#include <sys/socket.h>
#include <exception>
#include <thread>

#include "gniazda.h"
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
        std::cout << "BLAD: zabraklo pamieci przy obsludze zapytania - odrzucam je.\n";
    }
    zamknijGniazdo(klient);
}

// Watki obslugi polaczen z licznikami; zakonczone sa dolaczane przy kolejnym obrocie petli.
class PulaPolaczen {
public:
    PulaPolaczen(const Obsluga& obsluga, const StopPredykat& stop, std::chrono::milliseconds limit)
        : obsluga(obsluga), stop(stop), limit(limit)
    {
    }
    PulaPolaczen(const PulaPolaczen&) = delete;
    PulaPolaczen& operator=(const PulaPolaczen&) = delete;

    ~PulaPolaczen()
    {
        std::unique_lock blokada(mutex);
        zmiana.wait(blokada, [this] { return aktywne == 0; });
        blokada.unlock();
        sprzatnij();
    }

    // Czeka najwyzej `czas` na wolne miejsce; true, gdy jest.
    bool czekajNaMiejsce(std::chrono::milliseconds czas)
    {
        std::unique_lock blokada(mutex);
        return zmiana.wait_for(blokada, czas, [this] { return aktywne < MAKS_POLACZEN; });
    }

    void przyjmij(Gniazdo klient, std::uint32_t adres)
    {
        std::lock_guard blokada(mutex);
        const auto znany = zAdresu.find(adres);
        if (aktywne >= MAKS_POLACZEN
            || (znany != zAdresu.end() && znany->second >= MAKS_POLACZEN_Z_ADRESU)) {
            zamknijGniazdo(klient);
            return;
        }
        // Nowy watek najpierw na osobnej liscie: gdy cokolwiek zawiedzie (pamiec, watek),
        // liczniki i lista zostaja jak byly.
        std::list<Watek> nowy;
        try {
            nowy.emplace_back();
            const auto miejsce = nowy.begin();
            auto& licznik = zAdresu.try_emplace(adres, 0).first->second;
            try {
                miejsce->watek = std::thread([this, klient, adres, miejsce] { pracuj(klient, adres, miejsce); });
            } catch (...) {
                if (licznik == 0)
                    zAdresu.erase(adres);
                throw;
            }
            ++licznik;
        } catch (const std::exception&) {
            zamknijGniazdo(klient);
            std::cout << "BLAD: nie udalo sie utworzyc watku obslugi polaczenia.\n";
            return;
        }
        ++aktywne;
        watki.splice(watki.end(), nowy);
    }

    void sprzatnij()
    {
        std::list<Watek> gotowe;
        {
            std::lock_guard blokada(mutex);
            for (auto it = watki.begin(); it != watki.end();) {
                auto nastepny = std::next(it);
                if (it->skonczony)
                    gotowe.splice(gotowe.end(), watki, it);
                it = nastepny;
            }
        }
        for (Watek& w : gotowe)
            w.watek.join();
    }

private:
    struct Watek {
        std::thread watek;
        bool skonczony = false;
    };

    void pracuj(Gniazdo klient, std::uint32_t adres, std::list<Watek>::iterator miejsce)
    {
        {
            const ZakresStopu zakres(stop);
            obsluzBezpiecznie(klient, obsluga, limit);
        }
        std::lock_guard blokada(mutex);
        --aktywne;
        if (--zAdresu[adres] == 0)
            zAdresu.erase(adres);
        miejsce->skonczony = true;
        zmiana.notify_all();
    }

    const Obsluga& obsluga;
    const StopPredykat& stop;
    std::chrono::milliseconds limit;
    std::mutex mutex;
    std::condition_variable zmiana;
    std::list<Watek> watki;
    std::map<std::uint32_t, int> zAdresu;
    int aktywne = 0;
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
    std::cout << "Nasluchuje na porcie " << port << " w petli...\n";
    {
        PulaPolaczen pula(obsluga, stop, limitOdbioru);
        while (!stop()) {
            pula.sprzatnij();
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

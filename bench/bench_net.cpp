// Wypchniecie lancucha 10 000 i 100 000 blokow miedzy dwoma wezlami po loopbacku,
// rozbite na wysylke, odczyt, walidacje i zapis, obok surowego przesylu tych samych bajtow.

#include "pomiary.h"

#include <arpa/inet.h>
#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <netinet/in.h>
#include <sodium.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

#include "core/format_lancucha.h"
#include "core/plik_lancucha.h"
#include "net/ramki.h"
#include "net/wymiana_lancucha.h"
#include "core/dziennik.h"

namespace {

const std::string GORNIK(64, 'a');

// Bloki z jedna nagroda, bez kopania: walidacja sprawdza hashe i powiazania, nie zera.
const Blockchain& lancuch(std::int64_t bloki)
{
    static std::map<std::int64_t, Blockchain> gotowe;
    auto [it, nowy] = gotowe.try_emplace(bloki);
    if (nowy) {
        Blockchain& b = it->second;
        while (static_cast<std::int64_t>(b.liczbaBlokow()) < bloki)
            b.lancuch.emplace_back(static_cast<std::int32_t>(b.liczbaBlokow()),
                                   std::vector<Transakcja>{transakcjaNagrody(GORNIK, NAGRODA_ZA_BLOK)},
                                   b.lancuch.back().hash);
    }
    return it->second;
}

// Odbiorca na 127.0.0.1: w petli przyjmuje polaczenia i wywoluje `odbior` na kazdym.
class Odbiorca {
public:
    explicit Odbiorca(std::function<void(const Gniazdo&)> odbior) : obsluga(std::move(odbior))
    {
        nasluch = Gniazdo::utworz(SOCK_STREAM);
        sockaddr_in sa{};
        sa.sin_family = AF_INET;
        sa.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t dl = sizeof sa;
        if (::bind(*nasluch, reinterpret_cast<sockaddr*>(&sa), sizeof sa) != 0
            || ::listen(*nasluch, 4) != 0
            || ::getsockname(*nasluch, reinterpret_cast<sockaddr*>(&sa), &dl) != 0)
            std::abort();
        numerPortu = ntohs(sa.sin_port);
        watek = std::thread([this] {
            for (;;) {
                const Gniazdo g(::accept(*nasluch, nullptr, nullptr));
                if (!g.otwarte() || koniec.load())
                    return;
                obsluga(g);
            }
        });
    }
    ~Odbiorca()
    {
        koniec = true;
        (void)polaczZLimitemCzasu(dziennikPomiaru(), "127.0.0.1", numerPortu, {});
        watek.join();
    }
    int port() const { return numerPortu; }

private:
    std::function<void(const Gniazdo&)> obsluga;
    Gniazdo nasluch;
    int numerPortu = 0;
    std::atomic<bool> koniec{false};
    std::thread watek;
};

std::string zapytanie(std::int64_t bloki)
{
    return zbudujWiadomoscLancucha(serializujLancuch(lancuch(bloki)), "");
}

void rozmiar(benchmark::State& stan, std::size_t bajty)
{
    stan.SetBytesProcessed(static_cast<std::int64_t>(stan.iterations()) * static_cast<std::int64_t>(bajty));
    stan.counters["MB"] = static_cast<double>(bajty) / 1e6;
}

// Te same bajty co zapytanie, bez ramek: send calosci, recv po 64 KiB do konca.
void BM_SurowyTransfer(benchmark::State& stan)
{
    const std::string dane = zapytanie(stan.range(0));
    std::atomic<std::size_t> odebrano{0};
    Odbiorca odbiorca([&](const Gniazdo& g) {
        std::vector<char> bufor(65536);
        std::size_t suma = 0;
        ssize_t n = 0;
        while ((n = ::recv(*g, bufor.data(), bufor.size(), 0)) > 0)
            suma += static_cast<std::size_t>(n);
        odebrano = suma;
    });
    for (auto _ : stan) {
        odebrano = 0;
        const Gniazdo g = polaczZLimitemCzasu(dziennikPomiaru(), "127.0.0.1", odbiorca.port(), {});
        std::size_t wyslano = 0;
        while (wyslano < dane.size()) {
            const ssize_t n = ::send(*g, dane.data() + wyslano, dane.size() - wyslano, MSG_NOSIGNAL);
            if (n <= 0)
                break;
            wyslano += static_cast<std::size_t>(n);
        }
        ::shutdown(*g, SHUT_WR);
        char bajt = 0;
        (void)::recv(*g, &bajt, 1, 0); // odbiorca zamknal: wszystko doszlo
        if (odebrano.load() != dane.size())
            stan.SkipWithError("niepelny transfer");
    }
    rozmiar(stan, dane.size());
}

// Wysylka: tekst lancucha, zapytanie, polaczenie, ramka; odbiorca czyta ja odbierzWiadomosc.
void BM_Wysylka(benchmark::State& stan)
{
    const Blockchain& b = lancuch(stan.range(0));
    std::atomic<std::size_t> odebrano{0};
    Odbiorca odbiorca([&](const Gniazdo& g) {
        odebrano = odbierzWiadomosc(g, {}).size();
        (void)wyslijWiadomosc(g, "ok", {});
    });
    std::size_t bajty = 0;
    for (auto _ : stan) {
        const std::string z = zbudujWiadomoscLancucha(serializujLancuch(b), "");
        bajty = z.size();
        std::string odpowiedz;
        if (!wyslijIOdbierz(dziennikPomiaru(), "127.0.0.1", odbiorca.port(), z, odpowiedz, {}) || odpowiedz != "ok"
            || odebrano.load() != z.size())
            stan.SkipWithError("wysylka nieudana");
    }
    rozmiar(stan, bajty);
}

// Czesc wysylki: sam tekst lancucha i zapytanie, bez gniazd.
void BM_Serializacja(benchmark::State& stan)
{
    const Blockchain& b = lancuch(stan.range(0));
    std::size_t bajty = 0;
    for (auto _ : stan) {
        const std::string z = zbudujWiadomoscLancucha(serializujLancuch(b), "");
        bajty = z.size();
        benchmark::DoNotOptimize(z.data());
    }
    rozmiar(stan, bajty);
}

void BM_Odczyt(benchmark::State& stan)
{
    const std::string tekst = serializujLancuch(lancuch(stan.range(0)));
    for (auto _ : stan) {
        Blockchain b;
        if (!parsujLancuch(b, tekst))
            stan.SkipWithError("odczyt nieudany");
        benchmark::DoNotOptimize(b);
    }
    rozmiar(stan, tekst.size());
}

void BM_Walidacja(benchmark::State& stan)
{
    const Blockchain& b = lancuch(stan.range(0));
    for (auto _ : stan) {
        if (!b.czyLancuchPoprawny())
            stan.SkipWithError("lancuch niepoprawny");
    }
}

void BM_Zapis(benchmark::State& stan)
{
    const Blockchain& b = lancuch(stan.range(0));
    const std::string plik = folderRoboczy() + "/zapis.dat";
    for (auto _ : stan) {
        if (!zapiszLancuch(b, plik))
            stan.SkipWithError("zapis nieudany");
    }
}

// Calosc: wyslijLancuchDoWezla do serwera, ktory czyta, waliduje, porownuje i zapisuje.
void BM_CalePchniecie(benchmark::State& stan)
{
    const Blockchain& b = lancuch(stan.range(0));
    const std::string folder = folderRoboczy();
    const std::string plikLancucha = folder + "/serwer.dat";
    const std::string plikWezlow = folder + "/wezly-serwera.dat";
    const std::string plikKlienta = folder + "/wezly-klienta.dat";
    std::stop_source stop;
    std::atomic<int> gotowy{0};
    Blockchain zywy;
    const int portSerwera = wolnyPort();
    std::thread t([&] {
        KontekstSerwera kontekst{{dziennikPomiaru(), plikLancucha, plikWezlow, portSerwera}, zywy, ""};
        kontekst.stop = stop.get_token();
        nasluchujIPrzyjmujLancuchyWPetli(kontekst, [&](bool ok) { gotowy = ok ? 1 : 2; });
    });
    while (gotowy.load() == 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    for (auto _ : stan) {
        if (gotowy.load() != 1) {
            stan.SkipWithError("serwer nie wystartowal");
            break;
        }
        stan.PauseTiming();
        (void)zapiszLancuch(Blockchain{}, plikLancucha);
        stan.ResumeTiming();
        if (!wyslijLancuchDoWezla(dziennikPomiaru(), b, Wezel{"127.0.0.1", portSerwera, "", ""}, portSerwera,
                                  plikKlienta, -1, {}))
            stan.SkipWithError("pchniecie nieudane");
    }
    stop.request_stop();
    t.join();
}

} // namespace

BENCHMARK(BM_SurowyTransfer)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Wysylka)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Serializacja)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Odczyt)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Walidacja)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Zapis)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CalePchniecie)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv)
{
    return uruchomPomiary(argc, argv);
}

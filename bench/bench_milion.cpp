// Lancuchy 1 000 do 1 000 000 blokow (nagrody, co dziesiaty blok z podpisana platnoscia):
// jeden wykopany blok od wczytania do zapisu, obsluga wypchnietego lancucha o blok dluzszego
// obok samego odczytu tekstu, oraz rozgloszenie do 20 wezlow, z ktorych 5 nie odpowiada.
// Rozgloszenie slucha na 127.0.0.1: uruchamiac w przestrzeni sieciowej (unshare -n).

#include "pomiary.h"

#include <arpa/inet.h>
#include <filesystem>
#include <map>
#include <memory>
#include <netinet/in.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

#include "core/format_lancucha.h"
#include "core/plik_lancucha.h"
#include "core/przejecie_lancucha.h"
#include "net/rozgloszenie.h"
#include "core/walidacja.h"
#include "net/wymiana_lancucha.h"
#include "core/dziennik.h"

namespace {

const ParaKluczy& gornik()
{
    static const ParaKluczy klucze = generujPareKluczy();
    return klucze;
}

// Nastepny blok bez dowodu pracy (walidacja go nie sprawdza): nagroda, co dziesiaty
// takze platnosc od gornika.
void dodajBlok(Blockchain& b)
{
    std::vector<Transakcja> txy{transakcjaNagrody(kluczPublicznyHex(gornik()), NAGRODA_ZA_BLOK)};
    const auto indeks = static_cast<std::int32_t>(b.liczbaBlokow());
    if (indeks % 10 == 0)
        txy.emplace_back(gornik(), std::string(64, 'b'), 100000000, "");
    b.lancuch.emplace_back(indeks, std::move(txy), b.lancuch.back().hash);
}

const Blockchain& lancuch(std::int64_t bloki)
{
    static std::map<std::int64_t, Blockchain> gotowe;
    auto [it, nowy] = gotowe.try_emplace(bloki);
    if (nowy) {
        it->second.trudnosc = 0;
        while (static_cast<std::int64_t>(it->second.liczbaBlokow()) < bloki)
            dodajBlok(it->second);
    }
    return it->second;
}

// kopIZapisz na wlasnym lancuchu, ktory juz trzyma plik: wczytanie, blok, zapis.
// Wlasciciel ma lancuch z wczytania pliku, jak petla kopania i okno.
void BM_JedenBlokKopIZapisz(benchmark::State& stan)
{
    const std::string plik = folderRoboczy() + "/kop.dat";
    Blockchain ksiega;
    if (!zapiszLancuch(lancuch(stan.range(0)), plik) || !wczytajLancuch(ksiega, plik))
        stan.SkipWithError("zapis");
    ksiega.trudnosc = 0;
    const std::string adres = kluczPublicznyHex(gornik());
    {
        for (auto _ : stan)
            if (!kopIZapisz(ksiega, adres, plik, {}).zapisano())
                stan.SkipWithError("blok nie trafil do pliku");
    }
    stan.counters["plik_MB"] = static_cast<double>(std::filesystem::file_size(plik)) / 1e6;
    szczytPamieci(stan);
    std::filesystem::remove(plik);
}
BENCHMARK(BM_JedenBlokKopIZapisz)->Arg(1000)->Arg(10000)->Arg(100000)->Arg(1000000)
    ->Unit(benchmark::kMillisecond)->Iterations(50);

// Skladnik: dopisanie bloku do pelnej listy (pojemnosc rowna dlugosci) przenosi wszystkie
// bloki; zdarza sie raz na wzrost lancucha o polowe.
void BM_PrzeniesienieListy(benchmark::State& stan)
{
    for (auto _ : stan) {
        stan.PauseTiming();
        Blockchain kopia = lancuch(stan.range(0));
        Blok blok = kopia.lancuch.back();
        stan.ResumeTiming();
        kopia.lancuch.push_back(std::move(blok));
        stan.PauseTiming();
        kopia = Blockchain();
        stan.ResumeTiming();
    }
}
BENCHMARK(BM_PrzeniesienieListy)->Arg(100000)->Arg(1000000)
    ->Unit(benchmark::kMillisecond)->Iterations(3);

// Sam odczyt tekstu lancucha o jeden blok dluzszego (z usunieciem wyniku).
void BM_SamOdczyt(benchmark::State& stan)
{
    Blockchain dluzszy = lancuch(stan.range(0));
    dodajBlok(dluzszy);
    const std::string tekst = serializujLancuch(dluzszy);
    for (auto _ : stan) {
        Blockchain cel;
        if (!parsujLancuch(cel, tekst))
            stan.SkipWithError("odczyt");
    }
    stan.counters["tekst_MB"] = static_cast<double>(tekst.size()) / 1e6;
}
BENCHMARK(BM_SamOdczyt)->Arg(1000)->Arg(10000)->Arg(100000)->Arg(1000000)
    ->Unit(benchmark::kMillisecond)->Iterations(5);

// Serwer dostaje lancuch o blok dluzszy niz wlasny: odczyt, walidacja, decyzja, zapis.
// Wlasny lancuch zna juz salda walidacji (jak po pierwszym przyjetym lancuchu).
void BM_SerwerPrzyjmujeDluzszy(benchmark::State& stan)
{
    const std::string plik = folderRoboczy() + "/serwer.dat";
    const std::string plikWezlow = folderRoboczy() + "/wezly.dat";
    Blockchain wlasny = lancuch(stan.range(0));
    if (!zapiszLancuch(wlasny, plik))
        stan.SkipWithError("zapis");
    Salda salda;
    if (sprawdzZSaldami(wlasny, salda))
        stan.SkipWithError("lancuch niepoprawny");
    wlasny.walidacja = StanWalidacji{wlasny.punkt(), std::move(salda)};
    wlasny.przygotujSalda();
    KontekstSerwera kontekst{{dziennikPomiaru(), plik, plikWezlow, -1, LIMIT_ODBIORU},
                             wlasny, kluczPublicznyHex(gornik()), {}};
    Blockchain zrodlo = wlasny;
    std::string tekst = serializujLancuch(zrodlo);
    {
        for (auto _ : stan) {
            stan.PauseTiming();
            dodajBlok(zrodlo);
            dopiszTekstBloku(tekst, zrodlo.lancuch.back());
            const std::string zapytanie = zbudujWiadomoscLancucha(tekst, "");
            stan.ResumeTiming();
            (void)obsluzPrzychodzacyLancuch(kontekst, zapytanie);
        }
    }
    if (wlasny.liczbaBlokow() != zrodlo.liczbaBlokow())
        stan.SkipWithError("lancuch nie zostal przyjety");
    szczytPamieci(stan);
    std::filesystem::remove(plik);
}
BENCHMARK(BM_SerwerPrzyjmujeDluzszy)->Arg(1000)->Arg(10000)->Arg(100000)->Arg(1000000)
    ->Unit(benchmark::kMillisecond)->Iterations(5);

// Skladnik obslugi: odczyt tekstu o blok dluzszego porownujacy z wlasnym lancuchem (wspolny
// poczatek nie jest budowany).
void BM_OdczytZaWspolnymi(benchmark::State& stan)
{
    const Blockchain& wlasny = lancuch(stan.range(0));
    Blockchain dluzszy = wlasny;
    dodajBlok(dluzszy);
    const std::string tekst = serializujLancuch(dluzszy);
    for (auto _ : stan) {
        std::size_t wspolnych = 0;
        OdczytaneBloki nowe;
        if (!parsujZaWspolnymi(tekst, wlasny.pobierzLancuch(), wspolnych, nowe)
            || wspolnych != wlasny.liczbaBlokow() || nowe.bloki.size() != 1)
            stan.SkipWithError("nie rozszerza");
    }
}
BENCHMARK(BM_OdczytZaWspolnymi)->Arg(100000)->Arg(1000000)
    ->Unit(benchmark::kMillisecond)->Iterations(5);

// Gniazdo nasluchu na 127.0.0.1 z dowolnym portem.
int nasluch(int kolejka, int& port)
{
    const int g = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in sa{};
    sa.sin_family = AF_INET;
    sa.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t dl = sizeof sa;
    if (::bind(g, reinterpret_cast<sockaddr*>(&sa), sizeof sa) != 0 || ::listen(g, kolejka) != 0
        || ::getsockname(g, reinterpret_cast<sockaddr*>(&sa), &dl) != 0)
        std::abort();
    port = ntohs(sa.sin_port);
    return g;
}

// Wezel, ktory nie odpowiada: pelna kolejka polaczen, kolejne SYN gina, connect czeka
// na swoj limit czasu.
struct MartwyWezel {
    int port = 0;
    Gniazdo gniazdo{nasluch(0, port)};
    Gniazdo zapychacz = polaczZLimitemCzasu(dziennikPomiaru(), "127.0.0.1", port, {});
};

// Zywy wezel: serwer petli nasluchu z pusta odpowiedzia.
struct ZywyWezel {
    int port = 0;
    std::jthread watek;
    explicit ZywyWezel(int p) : port(p)
    {
        std::atomic<int> gotowy{0};
        watek = std::jthread([this, &gotowy](const std::stop_token& stop) {
            nasluchujTcpWPetli(
                dziennikPomiaru(), port, stop,
                [](const std::string&, const Gniazdo&, const std::stop_token&) { return std::string(); },
                [&gotowy](bool ok) { gotowy = ok ? 1 : 2; });
        });
        while (gotowy == 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
};

void rozglos(benchmark::State& stan, int zywych, int martwych)
{
    const std::string plikWezlow = folderRoboczy() + "/rozglos.dat";
    std::vector<std::unique_ptr<MartwyWezel>> martwe;
    std::vector<std::unique_ptr<ZywyWezel>> zywe;
    std::string wpisy;
    for (int i = 0; i < zywych + martwych; ++i) {
        int port = 0;
        if ((i % 4 == 1 || zywych == 0) && static_cast<int>(martwe.size()) < martwych) {
            martwe.push_back(std::make_unique<MartwyWezel>());
            port = martwe.back()->port;
        } else {
            ::close(nasluch(1, port));
            zywe.push_back(std::make_unique<ZywyWezel>(port));
        }
        wpisy += "127.0.0.1 " + std::to_string(port) + " - -\n";
    }
    std::FILE* f = std::fopen(plikWezlow.c_str(), "w");
    std::fputs(wpisy.c_str(), f);
    std::fclose(f);
    for (auto _ : stan) {
        const WynikRozgloszenia w = rozglosLancuch(dziennikPomiaru(), lancuch(1000), plikWezlow, -1, {});
        if (w.wszystkie != zywych + martwych || w.sukcesy != zywych)
            stan.SkipWithError("zle liczniki");
    }
}
void BM_Rozglos20Wezlom5Martwych(benchmark::State& stan) { rozglos(stan, 15, 5); }
void BM_RozglosJednemuMartwemu(benchmark::State& stan) { rozglos(stan, 0, 1); }
BENCHMARK(BM_Rozglos20Wezlom5Martwych)->Unit(benchmark::kMillisecond)->Iterations(2)->UseRealTime();
BENCHMARK(BM_RozglosJednemuMartwemu)->Unit(benchmark::kMillisecond)->Iterations(2)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    return uruchomPomiary(argc, argv);
}

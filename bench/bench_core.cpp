// Pomiary rdzenia: tempo kopania wobec surowego SHA-256, tekst lancucha i walidacja.

#include "pomiary.h"

#include <cstdio>
#include <map>
#include <sodium.h>
#include <unistd.h>

#include "core/bramka_lancucha.h"
#include "core/format_lancucha.h"
#include "core/plik_lancucha.h"
#include "core/skrot.h"

namespace {

Blok blokDoKopania()
{
    const std::string gornik(64, 'a');
    return Blok(12345, {transakcjaNagrody(gornik, 5000000000)}, std::string(64, '0'));
}

// Lancuch `ile` blokow; co dziesiaty niesie tez podpisana platnosc, gdy `zPlatnosciami`.
const Blockchain& lancuch(int ile, bool zPlatnosciami)
{
    static std::map<std::pair<int, bool>, Blockchain> gotowe;
    auto it = gotowe.find({ile, zPlatnosciami});
    if (it != gotowe.end())
        return it->second;
    const ParaKluczy gornik = generujPareKluczy();
    const std::string adres = kluczPublicznyHex(gornik);
    Blockchain nowy;
    nowy.trudnosc = 0; // dowod pracy nie jest tu mierzony
    for (int i = 1; i < ile; ++i) {
        std::vector<Transakcja> platnosci;
        if (zPlatnosciami && i % 10 == 0)
            platnosci.emplace_back(gornik, std::string(64, 'b'), 100000000, "");
        nowy.wykopIDodajBlok(adres, platnosci);
    }
    return gotowe.emplace(std::make_pair(ile, zPlatnosciami), std::move(nowy)).first->second;
}

void BM_ProbaKopania(benchmark::State& stan)
{
    // Ta sama proba co w kopBlok: caly tekst bloku od nowa i skrot od poczatku.
    Blok blok = blokDoKopania();
    std::string tekst;
    unsigned char skrot[32];
    std::size_t trafienia = 0;
    for (auto _ : stan) {
        ++blok.nonce;
        blok.zbudujTekstBloku(tekst);
        sha256Bajty(tekst, skrot);
        trafienia += (skrot[0] == 0 && skrot[1] == 0) ? 1 : 0;
    }
    benchmark::DoNotOptimize(trafienia);
    stan.SetItemsProcessed(stan.iterations());
    stan.counters["bajtow_tekstu"] = static_cast<double>(tekst.size());
}
BENCHMARK(BM_ProbaKopania);

void BM_SurowySha256(benchmark::State& stan)
{
    // Tekst tej samej dlugosci co w BM_ProbaKopania (nonce siedmiocyfrowy).
    Blok blok = blokDoKopania();
    blok.nonce = 1000000;
    std::string tekst;
    blok.zbudujTekstBloku(tekst);
    unsigned char skrot[crypto_hash_sha256_BYTES];
    for (auto _ : stan) {
        crypto_hash_sha256(skrot, reinterpret_cast<const unsigned char*>(tekst.data()), tekst.size());
        benchmark::DoNotOptimize(skrot);
        tekst[0] = static_cast<char>(skrot[0] | 1);
    }
    stan.SetItemsProcessed(stan.iterations());
    stan.counters["bajtow_tekstu"] = static_cast<double>(tekst.size());
}
BENCHMARK(BM_SurowySha256);

// Prawdziwe kopBlok przy trudnosci 4; proby = nonce + 1.
void BM_KopBlok(benchmark::State& stan)
{
    std::int64_t proby = 0;
    int indeks = 1;
    for (auto _ : stan) {
        Blok blok(indeks++, {transakcjaNagrody(std::string(64, 'a'), 5000000000)},
                  std::string(64, '0'));
        blok.kopBlok(4);
        proby += blok.nonce + 1;
    }
    stan.SetItemsProcessed(proby);
}
BENCHMARK(BM_KopBlok)->Unit(benchmark::kMillisecond)->Iterations(40);

void BM_Serializuj(benchmark::State& stan)
{
    const Blockchain& zrodlo = lancuch(static_cast<int>(stan.range(0)), true);
    std::size_t bajty = 0;
    for (auto _ : stan) {
        const std::string tekst = serializujLancuch(zrodlo);
        bajty += tekst.size();
        benchmark::DoNotOptimize(tekst.data());
    }
    stan.SetBytesProcessed(static_cast<std::int64_t>(bajty));
    stan.SetItemsProcessed(stan.iterations() * stan.range(0));
}
BENCHMARK(BM_Serializuj)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_Parsuj(benchmark::State& stan)
{
    const std::string tekst = serializujLancuch(lancuch(static_cast<int>(stan.range(0)), true));
    for (auto _ : stan) {
        Blockchain cel;
        if (!parsujLancuch(cel, tekst))
            stan.SkipWithError("nie sparsowano");
        benchmark::DoNotOptimize(&cel);
    }
    stan.SetBytesProcessed(stan.iterations() * static_cast<std::int64_t>(tekst.size()));
    stan.SetItemsProcessed(stan.iterations() * stan.range(0));
}
BENCHMARK(BM_Parsuj)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// Koszt bramki dla uczciwego lancucha: limity na tekscie (drugi argument 0) albo pola
// wszystkich blokow (1; serwer sprawdza pola tylko nowych blokow, wiec to gorna granica).
void BM_Bramka(benchmark::State& stan)
{
    const Blockchain& zrodlo = lancuch(static_cast<int>(stan.range(0)), true);
    const std::string tekst = serializujLancuch(zrodlo);
    const std::vector<Blok> bloki = zrodlo.pobierzLancuch().kopia();
    for (auto _ : stan)
        if (stan.range(1) == 0 ? sprawdzRozmiaryTekstu(tekst).has_value()
                               : sprawdzBloki(bloki).has_value())
            stan.SkipWithError("uczciwy lancuch odrzucony");
    stan.SetBytesProcessed(stan.iterations() * static_cast<std::int64_t>(tekst.size()));
}
BENCHMARK(BM_Bramka)->ArgsProduct({{10000, 100000}, {0, 1}})->Unit(benchmark::kMillisecond);

void walidacja(benchmark::State& stan, bool zPlatnosciami)
{
    const Blockchain& zrodlo = lancuch(static_cast<int>(stan.range(0)), zPlatnosciami);
    for (auto _ : stan) {
        if (!zrodlo.czyLancuchPoprawny())
            stan.SkipWithError("lancuch niepoprawny");
    }
    stan.SetItemsProcessed(stan.iterations() * stan.range(0));
}
void BM_WalidujZPlatnosciami(benchmark::State& stan) { walidacja(stan, true); }
void BM_WalidujSameNagrody(benchmark::State& stan) { walidacja(stan, false); }
BENCHMARK(BM_WalidujZPlatnosciami)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WalidujSameNagrody)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_WczytajIZapiszPlik(benchmark::State& stan)
{
    const Blockchain& zrodlo = lancuch(static_cast<int>(stan.range(0)), true);
    const std::string plik = folderRoboczy() + "/blockchain.dat";
    if (!zapiszLancuch(zrodlo, plik))
        stan.SkipWithError("zapis");
    for (auto _ : stan) {
        Blockchain ksiega;
        if (!wczytajLancuch(ksiega, plik) || !zapiszLancuch(ksiega, plik))
            stan.SkipWithError("wczytanie lub zapis");
    }
    stan.SetItemsProcessed(stan.iterations() * stan.range(0));
    ::unlink(plik.c_str());
}
BENCHMARK(BM_WczytajIZapiszPlik)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return uruchomPomiary(argc, argv);
}

#pragma once
// Wspolny start programow pomiarowych: libsodium, potem Google Benchmark.

#include <benchmark/benchmark.h>
#include <sodium.h>

#include "narzedzia_pomiarow.h"

#include <iostream>
#include <sstream>

[[nodiscard]] inline int uruchomPomiary(int& argc, char** argv)
{
    if (sodium_init() < 0)
        return 1;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    usunFolderRoboczy();
    return 0;
}

inline void szczytPamieci(benchmark::State& stan)
{
    stan.counters["szczyt_MB"] = szczytPamieciMB();
}

// Wypisy kopania i serwera na std::cout nie mieszaja sie z tabela wynikow.
class Cisza {
public:
    Cisza() : poprzedni(std::cout.rdbuf(bufor.rdbuf())) {}
    ~Cisza() { std::cout.rdbuf(poprzedni); }
    Cisza(const Cisza&) = delete;
    Cisza& operator=(const Cisza&) = delete;

private:
    std::ostringstream bufor;
    std::streambuf* poprzedni;
};

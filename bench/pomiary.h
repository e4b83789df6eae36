#pragma once
// Wspolny start programow pomiarowych: libsodium, potem Google Benchmark.

#include <benchmark/benchmark.h>
#include <sodium.h>

#include "narzedzia_pomiarow.h"


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

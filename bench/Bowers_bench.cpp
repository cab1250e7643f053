// Timings of the Bowers & Helgeson equation: one pressure, one volume and one
// fugacity call for a wet carbonic mixture at 300 K, 20 MPa, without salt as
// the programs call it.
#include <benchmark/benchmark.h>

#include "Bowers.h"

namespace {

double kMixture[10] = {0.1, 0.5, 0.25, 0.1, 0.05, 0, 0, 0, 0, 0};
double kNoSalt[10] = {0};

void BM_Bowers_Pressure(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(Pressure_Bowers(kMixture, kNoSalt, 300.0, 100.0));
}

void BM_Bowers_Volume(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(Volume_Bowers(2, kMixture, kNoSalt, 300.0, 20.0));
}

void BM_Bowers_Fugacity(benchmark::State& state) {
    double V = Volume_Bowers(2, kMixture, kNoSalt, 300.0, 20.0);
    for (auto _ : state) {
        Fugacity_Bowers(1, kMixture, kNoSalt, 300.0, 20.0, V);
        benchmark::ClobberMemory();
    }
}

}  // namespace

BENCHMARK(BM_Bowers_Pressure);
BENCHMARK(BM_Bowers_Volume);
BENCHMARK(BM_Bowers_Fugacity);

// Timings of the Holloway equation: one pressure, one volume and one fugacity call
// for a wet carbonic mixture at 300 K, 20 MPa.
#include <benchmark/benchmark.h>

#include "Holloway.h"

namespace {

double kMixture[10] = {0.1, 0.5, 0.25, 0.1, 0.05, 0, 0, 0, 0, 0};

void BM_Holloway_Pressure(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(Pressure_Holloway(kMixture, 300.0, 100.0));
}

void BM_Holloway_Volume(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(Volume_Holloway(2, kMixture, 300.0, 20.0));
}

void BM_Holloway_Fugacity(benchmark::State& state) {
    double V = Volume_Holloway(2, kMixture, 300.0, 20.0);
    for (auto _ : state) {
        Fugacity_Holloway(1, kMixture, 300.0, 20.0, V);
        benchmark::ClobberMemory();
    }
}

}  // namespace

BENCHMARK(BM_Holloway_Pressure);
BENCHMARK(BM_Holloway_Volume);
BENCHMARK(BM_Holloway_Fugacity);

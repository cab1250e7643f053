// Timings of the CO2-CH4-N2 equation with switching interaction parameters at
// a typical carbonic-phase state of an inclusion: 260 K, 8 MPa, near-critical
// parameter set.
#include <benchmark/benchmark.h>

#include "Thiery.h"

namespace {

double gThieryMix[10] = {0, 0.80, 0.15, 0.05, 0, 0, 0, 0, 0, 0};

void BM_Thiery_Pressure(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(Pressure_Thiery(1.0, gThieryMix, 260.0, 60.0));
}

void BM_Thiery_Volume(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(Volume_Thiery(1.0, 0, gThieryMix, 260.0, 8.0));
}

void BM_Thiery_Fugacity(benchmark::State& state) {
    double V = Volume_Thiery(1.0, 0, gThieryMix, 260.0, 8.0);
    for (auto _ : state) {
        Fugacity_Thiery(1.0, 2, gThieryMix, 260.0, 8.0, V);
        benchmark::ClobberMemory();
    }
}

}  // namespace

BENCHMARK(BM_Thiery_Pressure);
BENCHMARK(BM_Thiery_Volume);
BENCHMARK(BM_Thiery_Fugacity);

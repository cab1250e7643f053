// Timings of the H2O-CO2-CH4-H2S equation of state at a typical carbonic-phase
// state of an inclusion: 300 K, 20 MPa.
#include <benchmark/benchmark.h>

#include "Duan92.h"

namespace {

double gDuan92Mix[10] = {0.02, 0.80, 0.15, 0.02, 0, 0.01, 0, 0, 0, 0};

void BM_Duan92_Pressure(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(Pressure_Duan92(gDuan92Mix, 300.0, 60.0));
}

void BM_Duan92_Volume(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(Volume_Duan92(60.0, gDuan92Mix, 300.0, 20.0));
}

void BM_Duan92_Fugacity(benchmark::State& state) {
    double V = Volume_Duan92(60.0, gDuan92Mix, 300.0, 20.0);
    for (auto _ : state) {
        Fugacity_Duan92(2, gDuan92Mix, 0.0, 300.0, 20.0, V);
        benchmark::ClobberMemory();
    }
}

}  // namespace

BENCHMARK(BM_Duan92_Pressure);
BENCHMARK(BM_Duan92_Volume);
BENCHMARK(BM_Duan92_Fugacity);

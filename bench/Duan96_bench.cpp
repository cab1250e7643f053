// Timings of the corresponding-states H2O-CO2-CH4-N2 equation of state at a
// typical carbonic-phase state of an inclusion: 300 K, 20 MPa.
#include <benchmark/benchmark.h>

#include "Duan96.h"

namespace {

double gDuan96Mix[10] = {0.02, 0.80, 0.13, 0.05, 0, 0, 0, 0, 0, 0};

void BM_Duan96_Pressure(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(Pressure_Duan96(gDuan96Mix, 300.0, 60.0));
}

void BM_Duan96_Volume(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(Volume_Duan96(60.0, gDuan96Mix, 300.0, 20.0));
}

void BM_Duan96_Fugacity(benchmark::State& state) {
    double V = Volume_Duan96(60.0, gDuan96Mix, 300.0, 20.0);
    for (auto _ : state) {
        Fugacity_Duan96(2, gDuan96Mix, 300.0, 20.0, V);
        benchmark::ClobberMemory();
    }
}

}  // namespace

BENCHMARK(BM_Duan96_Pressure);
BENCHMARK(BM_Duan96_Volume);
BENCHMARK(BM_Duan96_Fugacity);

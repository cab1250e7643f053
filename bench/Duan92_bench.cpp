// Timings of the H2O-CO2-CH4-H2S equation of state at a typical carbonic-phase
// state of an inclusion (300 K, 20 MPa) and at the aqueous-solution state whose
// volume the melting solution searches (H2O with dissolved CO2 and CH4, 283 K).
#include <benchmark/benchmark.h>

#include "Duan92.h"

namespace {

double gDuan92Mix[10] = {0.02, 0.80, 0.15, 0.02, 0, 0.01, 0, 0, 0, 0};
double gDuan92Aqueous[10] = {0.97, 0.025, 0.005, 0, 0, 0, 0, 0, 0, 0};

void BM_Duan92_Pressure(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(Pressure_Duan92(gDuan92Mix, 300.0, 60.0));
}

// As inside a volume search: one composition and temperature, a new volume
// at every call.
void BM_Duan92_Pressure_Search(benchmark::State& state) {
    double V = 40.0;
    for (auto _ : state) {
        V = V < 400.0 ? V * 1.01 : 40.0;
        benchmark::DoNotOptimize(Pressure_Duan92(gDuan92Mix, 300.0, V));
    }
}

// A new temperature at every call: the mixing rules are worked out each time,
// over 4^6 six-fold products for the four species of the carbonic mixture and
// 3^6 for the aqueous solution.
void BM_Duan92_Pressure_NewTemperature(benchmark::State& state) {
    double* x = state.range(0) == 4 ? gDuan92Mix : gDuan92Aqueous;
    double T = 300.0;
    for (auto _ : state) {
        T = T < 400.0 ? T + 0.37 : 300.0;
        benchmark::DoNotOptimize(Pressure_Duan92(x, T, 60.0));
    }
}

void BM_Duan92_Volume(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(Volume_Duan92(60.0, gDuan92Mix, 300.0, 20.0));
}

void BM_Duan92_Volume_Aqueous(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(Volume_Duan92(25.2, gDuan92Aqueous, 283.15, 10.0));
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
BENCHMARK(BM_Duan92_Pressure_Search);
BENCHMARK(BM_Duan92_Pressure_NewTemperature)->Arg(4)->Arg(3);
BENCHMARK(BM_Duan92_Volume)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Duan92_Volume_Aqueous)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Duan92_Fugacity);

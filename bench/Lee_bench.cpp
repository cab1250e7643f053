// Timings of the Lee-Kesler equation of state at a typical vapour-like state of
// a CO2-CH4-N2 inclusion fluid (300 K, 5 MPa). The state moves by a relative
// 1e-9 at every call, so that each call makes its searches afresh; the last
// benchmark repeats one state, as a cycling bubble-point iteration does, and
// finds the roots of its searches again.
#include <benchmark/benchmark.h>

#include "Lee.h"

namespace {

double kLeeGas[10] = {0, 0.6, 0.3, 0.1, 0, 0, 0, 0, 0, 0};
const double kLeeT = 300.0;
const double kLeeP = 5.0;

void BM_Pressure_Lee(benchmark::State& state) {
    const double V = Volume_Lee(1000.0, kLeeGas, kLeeT, kLeeP);
    double step = 1.0;
    for (auto _ : state) {
        step += 1e-9;
        benchmark::DoNotOptimize(Pressure_Lee(1.2 * kLeeP, kLeeGas, kLeeT, V * step));
    }
}
BENCHMARK(BM_Pressure_Lee)->Unit(benchmark::kMicrosecond);

void BM_Volume_Lee(benchmark::State& state) {
    double step = 1.0;
    for (auto _ : state) {
        step += 1e-9;
        benchmark::DoNotOptimize(Volume_Lee(1000.0, kLeeGas, kLeeT, kLeeP * step));
    }
}
BENCHMARK(BM_Volume_Lee)->Unit(benchmark::kMicrosecond);

void BM_Fugacity_Lee(benchmark::State& state) {
    const double V = Volume_Lee(1000.0, kLeeGas, kLeeT, kLeeP);
    double step = 1.0;
    for (auto _ : state) {
        step += 1e-9;
        Fugacity_Lee(1, kLeeGas, kLeeT, kLeeP * step, V);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Fugacity_Lee)->Unit(benchmark::kMicrosecond);

void BM_Volume_Lee_Repeated(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(Volume_Lee(1000.0, kLeeGas, kLeeT, kLeeP));
}
BENCHMARK(BM_Volume_Lee_Repeated)->Unit(benchmark::kMicrosecond);

}  // namespace

// Timings of the Lee-Kesler equation of state at a typical vapour-like state of
// a CO2-CH4-N2 inclusion fluid (300 K, 5 MPa).
#include <benchmark/benchmark.h>

#include "Lee.h"

namespace {

double kLeeGas[10] = {0, 0.6, 0.3, 0.1, 0, 0, 0, 0, 0, 0};
const double kLeeT = 300.0;
const double kLeeP = 5.0;

void BM_Pressure_Lee(benchmark::State& state) {
    double V = Volume_Lee(1000.0, kLeeGas, kLeeT, kLeeP);
    for (auto _ : state) benchmark::DoNotOptimize(Pressure_Lee(1.2 * kLeeP, kLeeGas, kLeeT, V));
}
BENCHMARK(BM_Pressure_Lee)->Unit(benchmark::kMillisecond);

void BM_Volume_Lee(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(Volume_Lee(1000.0, kLeeGas, kLeeT, kLeeP));
}
BENCHMARK(BM_Volume_Lee)->Unit(benchmark::kMicrosecond);

void BM_Fugacity_Lee(benchmark::State& state) {
    double V = Volume_Lee(1000.0, kLeeGas, kLeeT, kLeeP);
    for (auto _ : state) {
        Fugacity_Lee(1, kLeeGas, kLeeT, kLeeP, V);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Fugacity_Lee)->Unit(benchmark::kMicrosecond);

}  // namespace

// Timings of the water equation of Haar et al. (1984) at the liquid states of
// the melting solution: 283.15 K, 18 cm3/mol and 30 MPa.
#include <benchmark/benchmark.h>

#include "Haar84.h"

namespace {

void BM_Haar84_Pressure(benchmark::State& state) {
    double V = 17.0;
    for (auto _ : state) {
        V = V < 19.0 ? V + 0.001 : 17.0;
        benchmark::DoNotOptimize(Pressure_Haar84(283.15, V));
    }
}

void BM_Haar84_Volume(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(Volume_Haar84(17.5, 283.15, 30.0));
}

// The 20 nodes of the pressure integral of a melting search, side by side.
void BM_Haar84_Volumes20(benchmark::State& state) {
    double P[20], V[20];
    for (int i = 0; i < 20; ++i) P[i] = 0.1 + 1.5 * i;
    for (auto _ : state) {
        Volumes_Haar84(17.5, 283.15, P, V, 20);
        benchmark::DoNotOptimize(V[19]);
    }
}

}  // namespace

BENCHMARK(BM_Haar84_Pressure);
BENCHMARK(BM_Haar84_Volume)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Haar84_Volumes20)->Unit(benchmark::kMicrosecond);

// Timings of one stability analysis (the whole pressure or temperature scan
// and the refinement of the boundary) for CO2-CH4-N2 80/15/5 with the four
// cubic equations, called through a phase function of the search's kind.
#include <benchmark/benchmark.h>

#include "Stability.h"
#include "../tests/lib/Cubic_Phase.h"

namespace {

double kMixture[10] = {0, 0.80, 0.15, 0.05, 0, 0, 0, 0, 0, 0};
double kNoSalt[5] = {0, 0, 0, 0, 0};

// Bubble pressure at 263.15 K (methode 1) or bubble temperature at 7 MPa (methode 0).
void Analysis(benchmark::State& state, int EoS, int methode)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(Stability_Analysis(Cubic_Phase, EoS, 2, 1, kMixture, kNoSalt,
                                                    methode, 263.15, 7.0, 2).value);
}

}  // namespace

BENCHMARK_CAPTURE(Analysis, RedlichPressure, 48, 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Analysis, RedlichTemperature, 48, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Analysis, SoavePressure, 55, 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Analysis, PengPressure, 43, 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Analysis, ChuehPressure, 12, 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Analysis, ChuehTemperature, 12, 0)->Unit(benchmark::kMillisecond);

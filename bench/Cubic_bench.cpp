// Timings of the four cubic equations and of the reference equations of the
// pure fluids: one pressure, one volume and one fugacity call for a wet
// carbonic mixture at 300 K, 20 MPa (pressure of the pure fluids at 300 K and
// 100 cm3/mol).
#include <benchmark/benchmark.h>

#include "Chueh.h"
#include "Friend.h"
#include "Jacobsen.h"
#include "Peng.h"
#include "Redlich.h"
#include "Setzmann.h"
#include "Soave.h"
#include "Span.h"

namespace {

double kMixture[10] = {0.1, 0.5, 0.25, 0.1, 0.05, 0, 0, 0, 0, 0};

typedef double (*Pressure_Fn)(double*, double, double);
typedef double (*Volume_Fn)(int, double*, double, double);
typedef void (*Fugacity_Fn)(int, double*, double, double, double);

void Pressure(benchmark::State& state, Pressure_Fn p)
{
    for (auto _ : state) benchmark::DoNotOptimize(p(kMixture, 300.0, 100.0));
}

void Volume(benchmark::State& state, Volume_Fn v)
{
    for (auto _ : state) benchmark::DoNotOptimize(v(2, kMixture, 300.0, 20.0));
}

void Fugacity(benchmark::State& state, Volume_Fn v, Fugacity_Fn f)
{
    const double V = v(2, kMixture, 300.0, 20.0);
    for (auto _ : state) {
        f(1, kMixture, 300.0, 20.0, V);
        benchmark::ClobberMemory();
    }
}

void Pure(benchmark::State& state, double (*p)(double, double))
{
    for (auto _ : state) benchmark::DoNotOptimize(p(300.0, 100.0));
}

}  // namespace

BENCHMARK_CAPTURE(Pressure, Redlich, Pressure_Redlich);
BENCHMARK_CAPTURE(Volume, Redlich, Volume_Redlich);
BENCHMARK_CAPTURE(Fugacity, Redlich, Volume_Redlich, Fugacity_Redlich);
BENCHMARK_CAPTURE(Pressure, Soave, Pressure_Soave);
BENCHMARK_CAPTURE(Volume, Soave, Volume_Soave);
BENCHMARK_CAPTURE(Fugacity, Soave, Volume_Soave, Fugacity_Soave);
BENCHMARK_CAPTURE(Pressure, Peng, Pressure_Peng);
BENCHMARK_CAPTURE(Volume, Peng, Volume_Peng);
BENCHMARK_CAPTURE(Fugacity, Peng, Volume_Peng, Fugacity_Peng);
BENCHMARK_CAPTURE(Pressure, Chueh, Pressure_Chueh);
BENCHMARK_CAPTURE(Volume, Chueh, Volume_Chueh);
BENCHMARK_CAPTURE(Fugacity, Chueh, Volume_Chueh, Fugacity_Chueh);
BENCHMARK_CAPTURE(Pure, Span, Pressure_Span);
BENCHMARK_CAPTURE(Pure, Setzmann, Pressure_Setzmann);
BENCHMARK_CAPTURE(Pure, Friend, Pressure_Friend);
BENCHMARK_CAPTURE(Pure, Jacobsen, Pressure_Jacobsen);

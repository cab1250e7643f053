// Tests of the Gibbs energy integral of a heat-capacity polynomial.
#include "Thermo1b.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <string>

namespace {

const double T0 = 298.15;

double Cp(const double* p, double T) {
    return p[0] + p[1] / std::sqrt(T) + p[2] / T + p[3] / (T * T) + p[4] / (T * T * T) +
           p[5] / (T * T * T * T) + p[6] * std::sqrt(T) + p[7] * T + p[8] * T * T +
           p[9] * T * T * T;
}

struct ParameterSet {
    const char* name;
    double p[10];
    double H0, S0;
};

// The heat-capacity sets the programs pass: liquid water above and at/below
// 298.15 K, and the empty lattices of structures I and II.
const ParameterSet kProgramSets[] = {
    {"water above 298.15 K", {104.39, 0, -18471.0, 2930100.0}, -285830.0, 69.95},
    {"water up to 298.15 K",
     {23741.0238, 0, -27166000.0, 11677000000.0, -2227500000000.0, 159110000000000.0},
     -285830.0,
     69.95},
    {"empty structure I", {0.384, 0, 0, 0, 0, 0, 0, 0.1406}, -291345.37, 45.1484},
    {"empty structure II", {0.384, 0, 0, 0, 0, 0, 0, 0.1406}, -291709.47, 45.1334},
};

// H0 - T S0 + int_T0^T Cp dT - T int_T0^T Cp/T dT by composite Simpson.
double GibbsByQuadrature(const double* p, double T, double H0, double S0) {
    const int n = 2000;
    const double h = (T - T0) / n;
    double a = 0.0, b = 0.0;
    for (int i = 0; i <= n; i++) {
        const double t = T0 + i * h;
        const double w = (i == 0 || i == n) ? 1.0 : (i % 2 ? 4.0 : 2.0);
        a += w * Cp(p, t);
        b += w * Cp(p, t) / t;
    }
    return H0 - T * S0 + a * h / 3.0 - T * b * h / 3.0;
}

// G(T0) = H0 - T0 S0, G'(T0) = -S0 and G'' = -Cp/T fix G completely; with the
// value against quadrature they check every closed-form term.
void CheckThermodynamics(const char* name, double* p, double H0, double S0,
                         std::initializer_list<double> temperatures) {
    EXPECT_EQ(Gibbs_1b(p, T0, T0, H0, S0), H0 - T0 * S0) << name;
    for (double T : temperatures) {
        EXPECT_NEAR(Gibbs_1b(p, T, T0, H0, S0), GibbsByQuadrature(p, T, H0, S0), 1e-7)
            << name << " at " << T;
    }

    const double h1 = 1e-3;
    const double slope = (Gibbs_1b(p, T0 + h1, T0, H0, S0) - Gibbs_1b(p, T0 - h1, T0, H0, S0)) /
                         (2 * h1);
    EXPECT_NEAR(slope, -S0, 1e-5 * (1.0 + std::fabs(S0))) << name;

    const double h2 = 0.05;
    for (double T : temperatures) {
        const double second = (Gibbs_1b(p, T + h2, T0, H0, S0) - 2.0 * Gibbs_1b(p, T, T0, H0, S0) +
                               Gibbs_1b(p, T - h2, T0, H0, S0)) /
                              (h2 * h2);
        const double want = -Cp(p, T) / T;
        EXPECT_NEAR(second, want, 2e-4 * std::fabs(want) + 1e-5) << name << " at " << T;
    }
}

}  // namespace

TEST(Gibbs1b, ProgramParameterSets) {
    for (const ParameterSet& s : kProgramSets) {
        double p[10];
        for (int i = 0; i < 10; i++) p[i] = s.p[i];
        CheckThermodynamics(s.name, p, s.H0, s.S0, {250.0, 263.15, 273.15, 290.0, 298.15, 310.0, 320.0});
    }
}

// Each term alone, scaled to give Cp of order 100 J/(mol K) near 300 K.
TEST(Gibbs1b, EachHeatCapacityTerm) {
    const double scale[10] = {100.0, 1.7e3, 3.0e4, 9.0e6, 2.7e9, 8.1e11, 5.8, 0.33, 1.1e-3, 3.7e-6};
    for (int j = 0; j < 10; j++) {
        double p[10] = {0};
        p[j] = scale[j];
        const std::string name = "term p" + std::to_string(j);
        CheckThermodynamics(name.c_str(), p, -1000.0, 20.0, {250.0, 280.0, 320.0, 400.0});
    }
}

TEST(Gibbs1b, ReferenceTemperatureIsExactWithAllTerms) {
    double p[10] = {12.0, -3.0, 4.0e3, -5.0e5, 6.0e7, -7.0e9, 0.8, -0.09, 1.0e-4, -1.1e-7};
    for (double t0 : {250.0, 273.15, 298.15, 333.3}) {
        EXPECT_EQ(Gibbs_1b(p, t0, t0, -285830.0, 69.95), -285830.0 - t0 * 69.95) << t0;
    }
}

TEST(Gibbs1b, NonPositiveTemperaturesGiveZero) {
    double p[10] = {75.0};
    EXPECT_EQ(Gibbs_1b(p, 0.0, T0, -285830.0, 69.95), 0.0);
    EXPECT_EQ(Gibbs_1b(p, -5.0, T0, -285830.0, 69.95), 0.0);
    EXPECT_EQ(Gibbs_1b(p, 280.0, 0.0, -285830.0, 69.95), 0.0);
    EXPECT_EQ(Gibbs_1b(p, 280.0, -1.0, -285830.0, 69.95), 0.0);
}

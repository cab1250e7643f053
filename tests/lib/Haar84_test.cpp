// Water from the Haar, Gallagher & Kell (1984) Helmholtz function: the
// coefficient table against the published table in the shared data folder,
// volumes and fugacities at published check points, the saturation pressure at
// the normal boiling point, thermodynamic consistency of pressure and
// fugacity, and the failure values.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "Haar84.h"
#include "Haar84Coefficients.h"
#include "Power.h"
#include "Numdef.h"

namespace {

const double R = 8.31451;

std::vector<std::vector<std::string>> ReadTsv(const std::string& path) {
    std::vector<std::vector<std::string>> rows;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty()) continue;
        std::vector<std::string> cells;
        std::stringstream ss(line);
        std::string cell;
        while (std::getline(ss, cell, '\t')) cells.push_back(cell);
        rows.push_back(cells);
    }
    return rows;
}

double Num(const std::string& s) {
    char* end = nullptr;
    double v = std::strtod(s.c_str(), &end);
    EXPECT_EQ(*end, '\0') << "not a number: " << s;
    return v;
}

TEST(Haar84Table, EqualsPublishedTable) {
    auto rows = ReadTsv(std::string(FI_TEST_DATA) + "/h2o_haar_gallagher_kell_1984.tsv");
    ASSERT_EQ(rows.size(), 41u);
    const std::vector<std::string> head = {"term", "kind", "g", "k", "l",
                                           "rho_i", "T_i", "alpha_i", "beta_i"};
    ASSERT_EQ(rows[0], head);
    for (int i = 0; i < hgk::Terms; ++i) {
        const auto& r = rows[i + 1];
        ASSERT_EQ(r.size(), head.size()) << "row " << i + 1;
        EXPECT_EQ(std::atoi(r[0].c_str()), i + 1);
        // Exact equality: every digit of the file is in the code.
        EXPECT_EQ(hgk::g[i], Num(r[2])) << "g of term " << i + 1;
        EXPECT_EQ(hgk::k[i], std::atoi(r[3].c_str())) << "k of term " << i + 1;
        EXPECT_EQ(hgk::l[i], std::atoi(r[4].c_str())) << "l of term " << i + 1;
        if (i < hgk::SeriesTerms) {
            EXPECT_EQ(r[1], "series");
            for (int c = 5; c < 9; ++c) EXPECT_EQ(r[c], "-") << "term " << i + 1;
        } else {
            int j = i - hgk::SeriesTerms;
            EXPECT_EQ(r[1], "additional");
            EXPECT_EQ(hgk::rho_i[j], Num(r[5])) << "rho_i of term " << i + 1;
            EXPECT_EQ(hgk::T_i[j], Num(r[6])) << "T_i of term " << i + 1;
            EXPECT_EQ(hgk::alpha_i[j], Num(r[7])) << "alpha_i of term " << i + 1;
            EXPECT_EQ(hgk::beta_i[j], Num(r[8])) << "beta_i of term " << i + 1;
        }
    }
    EXPECT_EQ(hgk::Tc, 647.073);
}

// Liquid water at 25 degrees C.
TEST(Haar84, LiquidVolumesAt298K) {
    struct Case { double P, V; };
    const Case cases[] = {{0.1, 18.0684}, {100.0, 17.3585}};
    for (const Case& c : cases) {
        double V = Volume_Haar84(18.0, 298.15, c.P);
        EXPECT_NEAR(V, c.V, 0.5e-4) << "P = " << c.P;
    }
    // 997.06 kg/m3 at 0.1 MPa.
    double V = Volume_Haar84(18.0, 298.15, 0.1);
    EXPECT_NEAR(1000.0 * H2O.Mole_Weight / V, 997.06, 0.005);
}

TEST(Haar84, FugacityOfLiquidAt298K) {
    const double V = 18.0686;
    double P = Pressure_Haar84(298.15, V);
    H2O.Coefficient[7] = H2O.Fugacity[7] = -1.0;
    Fugacity_Haar84(7, 298.15, P, V);
    // Close to the vapour pressure of water at 25 degrees C.
    EXPECT_NEAR(H2O.Fugacity[7], 0.003166, 0.5e-6);
    EXPECT_DOUBLE_EQ(H2O.Fugacity[7], H2O.Coefficient[7] * P);
}

// Equal fugacities of liquid and vapour at 373.15 K give the normal boiling
// pressure, 0.101325 MPa (373.15 K on IPTS-68, the scale of the 1984 tables).
TEST(Haar84, SaturationPressureAtNormalBoilingPoint) {
    const double T = 373.15;
    double p = 0.1;
    double Vl = 0.0, Vv = 0.0;
    bool converged = false;
    for (int it = 0; it < 50 && !converged; ++it) {
        Vl = Volume_Haar84(18.8, T, p);
        Vv = Volume_Haar84(R * T / p, T, p);
        ASSERT_GT(Vl, 10.0);
        ASSERT_GT(Vv, 1000.0);
        Fugacity_Haar84(2, T, p, Vl);
        Fugacity_Haar84(1, T, p, Vv);
        double dg = std::log(H2O.Fugacity[2]) - std::log(H2O.Fugacity[1]);
        double dp = -R * T * dg / (Vl - Vv);
        p += dp;
        converged = std::fabs(dp) <= 1e-12 * p;
    }
    ASSERT_TRUE(converged);
    EXPECT_NEAR(p, 0.101325, 1e-4 * 0.101325);
}

TEST(Haar84, PressureOfTheVolumeIsThePressure) {
    struct Case { double T, P, start; };
    const Case cases[] = {
        {273.15, 0.1, 18.0},  {298.15, 50.0, 18.0}, {320.0, 200.0, 17.0},
        {250.0, 100.0, 18.0}, {260.0, 0.001, 18.0},  // liquid below its vapour pressure
        {600.0, 20.0, 25.0},  // hot liquid
        {373.15, 0.05, 60000.0}, {700.0, 30.0, 100.0}};
    for (const Case& c : cases) {
        double V = Volume_Haar84(c.start, c.T, c.P);
        ASSERT_GT(V, 10.0) << "T = " << c.T << ", P = " << c.P;
        // The liquid pressure is a difference of terms near 1e9 MPa: its
        // resolution is a few 1e-9 MPa.
        EXPECT_NEAR(Pressure_Haar84(c.T, V), c.P, 2e-8 + 1e-9 * c.P)
            << "T = " << c.T << ", P = " << c.P;
    }
}

// ln f(V2) - ln f(V1) = [P V] / RT - (1/RT) integral P dV at constant T.
double LnFugacity(double T, double V) {
    double P = Pressure_Haar84(T, V);
    Fugacity_Haar84(0, T, P, V);
    return std::log(H2O.Fugacity[0]);
}

// Simpson's rule over ln V (P V is smooth in ln V for both phases).
double IntegralPdV(double T, double V1, double V2) {
    const int n = 400;
    double u1 = std::log(V1), h = (std::log(V2) - u1) / n, s = 0.0;
    for (int i = 0; i <= n; ++i) {
        double V = std::exp(u1 + i * h);
        double w = (i == 0 || i == n) ? 1.0 : (i % 2 ? 4.0 : 2.0);
        s += w * Pressure_Haar84(T, V) * V;
    }
    return s * h / 3.0;
}

TEST(Haar84, FugacityAgreesWithIntegralOfPressure) {
    struct Case { const char* phase; double T, V1, V2; };
    const Case cases[] = {
        {"liquid", 298.15, 18.06, 17.36},       // about 1 to 100 MPa
        {"compressed liquid", 260.0, 18.06, 17.0},
        {"vapour", 373.15, 100000.0, 32000.0},  // about 0.03 to 0.095 MPa
        {"dense supercritical", 700.0, 60.0, 25.0},
        // Across the near-critical terms 37 to 39.
        {"near critical", 641.0, 90.0, 40.0}};
    for (const Case& c : cases) {
        double P1 = Pressure_Haar84(c.T, c.V1), P2 = Pressure_Haar84(c.T, c.V2);
        double want = (P2 * c.V2 - P1 * c.V1 - IntegralPdV(c.T, c.V1, c.V2)) / (R * c.T);
        double got = LnFugacity(c.T, c.V2) - LnFugacity(c.T, c.V1);
        EXPECT_NEAR(got, want, 1e-8 * (std::fabs(want) + 1.0)) << c.phase;
    }
}

// ln(phi) -> 0 in the dilute gas: the base and residual contributions vanish
// with the density.
TEST(Haar84, IdealGasLimit) {
    const double Ts[] = {250.0, 373.15, 1000.0};
    for (double T : Ts) {
        const double V = 1e9;
        double P = Pressure_Haar84(T, V);
        EXPECT_NEAR(P * V / (R * T), 1.0, 1e-5) << "T = " << T;
        Fugacity_Haar84(0, T, P, V);
        EXPECT_NEAR(H2O.Coefficient[0], 1.0, 1e-5) << "T = " << T;
    }
}

// The base function is used only for 0.31 < T/Tc < 8.26, both bounds
// excluded; outside it the pressure is the residual part alone.
double TemperatureAtReducedValue(double tr) {
    double T = tr * hgk::Tc;
    for (int i = 0; i < 8; ++i) {
        if (T / hgk::Tc == tr) return T;
        T = std::nextafter(T, T / hgk::Tc < tr ? 1e9 : 0.0);
    }
    return 0.0;
}

TEST(Haar84, BaseFunctionTemperatureBounds) {
    const double V = 18.0;
    EXPECT_EQ(ABase(1, 200.59, V), 0.0);
    EXPECT_NE(ABase(1, 200.60, V), 0.0);
    EXPECT_NE(ABase(1, 5344.82, V), 0.0);
    EXPECT_EQ(ABase(1, 5344.83, V), 0.0);
    EXPECT_EQ(ABase(4, 200.59, V), 0.0);
    EXPECT_EQ(ABase(4, 5344.83, V), 0.0);
    const double bounds[] = {0.31, 8.26};
    for (double tr : bounds) {
        double T = TemperatureAtReducedValue(tr);
        if (T > 0.0) {
            EXPECT_EQ(ABase(1, T, V), 0.0) << "T/Tc = " << tr;
            EXPECT_EQ(ABase(4, T, V), 0.0) << "T/Tc = " << tr;
        }
    }
    EXPECT_EQ(Pressure_Haar84(190.0, V), AResidual(1, 190.0, V));
    EXPECT_NE(AResidual(1, 190.0, V), 0.0);
}

TEST(Haar84, NonPositiveInputsGiveZero) {
    EXPECT_EQ(Pressure_Haar84(0.0, 18.0), 0.0);
    EXPECT_EQ(Pressure_Haar84(-10.0, 18.0), 0.0);
    EXPECT_EQ(Pressure_Haar84(298.15, 0.0), 0.0);
    EXPECT_EQ(Pressure_Haar84(298.15, -18.0), 0.0);
    EXPECT_EQ(ABase(1, 298.15, 0.0), 0.0);
    EXPECT_EQ(ABase(4, 298.15, -1.0), 0.0);
    EXPECT_EQ(AResidual(1, 298.15, 0.0), 0.0);
    EXPECT_EQ(AResidual(4, 298.15, -1.0), 0.0);
    EXPECT_EQ(AResidual(1, 0.0, 18.0), 0.0);
    EXPECT_EQ(Volume_Haar84(18.0, 0.0, 0.1), 0.0);
    EXPECT_EQ(Volume_Haar84(18.0, 298.15, 0.0), 0.0);
    EXPECT_EQ(Volume_Haar84(18.0, 298.15, -0.1), 0.0);
}

// Below 10 cm3/mol the pressure is not evaluated; a search that ends there has
// found no volume and must say so, so that callers retry.
TEST(Haar84, SearchEndingAtTenOrBelowFails) {
    EXPECT_EQ(Volume_Haar84(10.5, 298.15, 0.1), 0.0);
    EXPECT_EQ(Volume_Haar84(5.0, 298.15, 0.1), 0.0);
    EXPECT_GT(Volume_Haar84(17.0, 298.15, 0.1), 10.0);
}

TEST(Haar84, FugacityFailureValues) {
    struct Case { const char* what; double T, P, V, phi, f; };
    const Case cases[] = {
        {"zero pressure", 298.15, 0.0, 18.0686, 1.0, 0.0},
        {"zero temperature", 0.0, 0.1, 18.0686, 1.0, 0.1},
        {"zero volume", 298.15, 0.1, 0.0, 1.0, 0.1},
        // |ln phi| far above 227: a pressure that does not belong to the volume.
        {"ln phi beyond 227", 298.15, 1e6, 18.0, 1.0, 1e6},
        // Inside the covolume of the base function ln(phi) is not a number.
        {"volume inside covolume", 298.15, 0.1, 3.0, 1.0, 0.1}};
    for (const Case& c : cases) {
        for (int s = 0; s < 10; ++s) H2O.Coefficient[s] = H2O.Fugacity[s] = -7.0;
        Fugacity_Haar84(3, c.T, c.P, c.V);
        EXPECT_EQ(H2O.Coefficient[3], c.phi) << c.what;
        EXPECT_EQ(H2O.Fugacity[3], c.f) << c.what;
        for (int s = 0; s < 10; ++s) {
            if (s == 3) continue;
            EXPECT_EQ(H2O.Coefficient[s], -7.0) << c.what << ", slot " << s;
            EXPECT_EQ(H2O.Fugacity[s], -7.0) << c.what << ", slot " << s;
        }
    }
}

}  // namespace

namespace {

// The searches run side by side must give exactly what one search after
// another gives, for liquid and vapour states, pressures the search cannot
// take (0 and below) and start values that fail, and more states than are
// evaluated together.
TEST(Haar84, VolumesSideBySideEqualOneByOne)
{
#ifdef POWER_HAVE_FOUR
    // The vector code, where the processor has it, against the scalar code.
    const bool vector = Have_Powers_Of_Four();
#endif
    for (double TK : {250.0, 273.15, 298.15, 500.0}) {
        std::vector<double> P;
        for (double p = -1.0; p <= 250.0; p += 6.5) P.push_back(p);
        P.push_back(0.0);
        P.push_back(0.001);  // vapour at every temperature here
        for (double first : {17.5, 35.0, 9.0}) {
            std::vector<double> V(P.size(), -1.0);
            Volumes_Haar84(first, TK, P.data(), V.data(), static_cast<int>(P.size()));
#ifdef POWER_HAVE_FOUR
            Vector_Code_Allowed() = false;
#endif
            for (std::size_t i = 0; i < P.size(); ++i)
                EXPECT_EQ(V[i], Volume_Haar84(first, TK, P[i])) << TK << " K, " << P[i] << " MPa";
#ifdef POWER_HAVE_FOUR
            Vector_Code_Allowed() = vector;
#endif
        }
    }
}

}  // namespace

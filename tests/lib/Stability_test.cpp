// Stability analysis by the tangent-plane distance, driven by the four cubic
// equations of state through a phase function of the search's kind (slot 1
// the vapour-like root, slot 2 the liquid-like root).
#include <gtest/gtest.h>

#include <cmath>
#include <iostream>
#include <sstream>
#include <string>

#include "Lvequil.h"
#include "lib/Console_Session.h"
#include "Numdef.h"
#include "Stability.h"
#include "lib/Cubic_Phase.h"

namespace {

double Mixture[10] = {0, 0.80, 0.15, 0.05, 0, 0, 0, 0, 0, 0};
double No_Salt[5] = {0, 0, 0, 0, 0};

Stability_Result Analyse(int EoS, double* gas, int methode, double T, double P, int mode)
{
    return Stability_Analysis(Cubic_Phase, EoS, 2, 1, gas, No_Salt, methode, T, P, mode);
}

// Saturation pressure of pure CO2 by the equation itself: the pressure between
// the two spinodals where the liquid and vapour roots have equal fugacity.
double CO2_Saturation(int EoS, double T)
{
    double co2[10] = {0, 1, 0, 0, 0, 0, 0, 0, 0, 0};
    auto excess = [&](double P) {  // ln(f_liquid / f_vapour), or 0 with one root
        const double VL = Cubic_Phase(EoS, 2, co2, No_Salt, T, P);
        const double VV = Cubic_Phase(EoS, 1, co2, No_Salt, T, P);
        if (!(VV - VL > 1e-6 * VV)) return 0.0;
        return std::log(CO2.Coefficient[2] / CO2.Coefficient[1]);
    };
    // Vapour-like below the saturation pressure; liquid only above the vapour spinodal.
    double lo = 0.1, hi = 20.0;
    while (excess(lo) == 0.0) lo *= 1.2;
    for (int n = 0; n < 100; ++n) {
        const double mid = 0.5 * (lo + hi);
        (excess(mid) > 0.0 ? lo : hi) = mid;
    }
    return 0.5 * (lo + hi);
}

TEST(Stability, BoundariesOfTheCubicEquations)
{
    // Each equation at three temperatures, bubble (mode 2) and dew (mode 1)
    // points: the incipient phase is a real second phase in equilibrium, the
    // fluid splits just inside the boundary and not just outside, and the
    // temperature scan at the boundary pressure returns the temperature.
    for (int EoS : {48, 55, 43, 12})
        for (double T : {253.15, 263.15, 278.15})
            for (int mode : {2, 1}) {
                SCOPED_TRACE(::testing::Message() << "EoS " << EoS << " T " << T << " mode " << mode);
                const bool bubble = mode == 2;
                const Stability_Result r = Analyse(EoS, Mixture, 1, T, 0.0, mode);
                ASSERT_EQ(r.outcome, bubble ? Stability_Bubble_Pressure : Stability_Dew_Pressure);
                const int incipient = bubble ? 1 : 2;
                double sum = 0.0;
                for (int i = 1; i <= 3; ++i) {
                    const Gas& g = *Gas_Record(i);
                    EXPECT_NEAR(g.Fugacity[1] / g.Fugacity[2], 1.0, 1e-6) << i;
                    EXPECT_EQ(g.Molefraction[3 - incipient], Mixture[i]);
                    EXPECT_NEAR(Kgas[i], g.Molefraction[1] / g.Molefraction[2], 1e-6 * Kgas[i]);
                    sum += g.Molefraction[incipient];
                }
                EXPECT_NEAR(sum, 1.0, 1e-12);
                EXPECT_GT(std::fabs(CO2.Molefraction[1] - CO2.Molefraction[2]), 0.02);
                EXPECT_LT(Molar_Volume[2], 0.8 * Molar_Volume[1]);
                EXPECT_GT(Density[2], Density[1]);
                const double inside = bubble ? 0.999 : 1.001;
                EXPECT_LT(Stability_Test(Cubic_Phase, EoS, 2, 1, Mixture, T, r.value * inside), -1e-8);
                EXPECT_EQ(Stability_Test(Cubic_Phase, EoS, 2, 1, Mixture, T, r.value / inside), 0.0);
                const Stability_Result t = Analyse(EoS, Mixture, 0, 0.0, r.value, mode);
                ASSERT_EQ(t.outcome, bubble ? Stability_Bubble_Temperature : Stability_Dew_Temperature);
                EXPECT_NEAR(t.value, T, 1e-6);
            }
}

TEST(Stability, RedlichKwongCarbonDioxideMethaneNitrogen)
{
    Stability_Result bubble = Analyse(48, Mixture, 1, 263.15, 0.0, 2);
    {
        Console_Session io("");
        Stability_Report(bubble);
        EXPECT_EQ(io.out.str(), "\nStability analysis: bubble point at 6.72765 MPa");
    }
    const Stability_Result dew = Analyse(48, Mixture, 1, 263.15, 0.0, 1);
    EXPECT_NEAR(bubble.value, 6.728, 5e-4);
    EXPECT_NEAR(dew.value, 4.082, 5e-4);
    EXPECT_NEAR(CO2.Molefraction[2], 0.94331, 1e-5);  // the incipient liquid
}

TEST(Stability, NearlyPureCarbonDioxideMeetsTheSaturationPressure)
{
    // Its two-phase region is far narrower than a scan step.
    double gas[10] = {0, 0.999, 0.001, 0, 0, 0, 0, 0, 0, 0};
    for (int EoS : {48, 55, 43, 12}) {
        SCOPED_TRACE(EoS);
        const double Ps = CO2_Saturation(EoS, 263.15);
        const Stability_Result dew = Analyse(EoS, gas, 1, 263.15, 0.0, 1);
        const Stability_Result bubble = Analyse(EoS, gas, 1, 263.15, 0.0, 2);
        ASSERT_EQ(dew.outcome, Stability_Dew_Pressure);
        ASSERT_EQ(bubble.outcome, Stability_Bubble_Pressure);
        // The volatile CH4 raises both above the saturation pressure of CO2,
        // the bubble point by about x(CH4) (K(CH4) - 1) of it.
        EXPECT_NEAR(dew.value / Ps, 1.0, 2e-3);
        EXPECT_GT(dew.value, Ps);
        EXPECT_GT(bubble.value, dew.value);
        EXPECT_LT(bubble.value, 1.015 * Ps);
    }
}

TEST(Stability, SameBoundaryAsTheSearchWhereItConverges)
{
    // Where the K-factor search ends on two different phases, the analysis
    // finds the same boundary; where it ends on the trivial solution, the fluid
    // is in fact a stable single phase at the pressure it reports.
    int converged = 0;
    for (int EoS : {48, 55, 43, 12})
        for (double T0 : {253.15, 273.15})
            for (int mode : {2, 1}) {
                SCOPED_TRACE(::testing::Message() << "EoS " << EoS << " T " << T0 << " mode " << mode);
                double T = T0, P = 1.0;
                {
                    Console_Session io("n\n");
                    BubbleDew_Point(Cubic_Phase, 1, EoS, 2, 1, Mixture, No_Salt, &T, &P, mode);
                }
                if (std::fabs(CO2.Molefraction[1] - CO2.Molefraction[2]) < 1e-3) {
                    EXPECT_EQ(Stability_Test(Cubic_Phase, EoS, 2, 1, Mixture, T0, P), 0.0);
                    continue;
                }
                ++converged;
                EXPECT_NEAR(Analyse(EoS, Mixture, 1, T0, 0.0, mode).value / P, 1.0, 1e-5);
            }
    EXPECT_GE(converged, 10);
}

TEST(Stability, NoBoundaryOfTheAskedKind)
{
    // Above the cricondentherm the fluid is stable at every pressure; the
    // records are left as they were.
    Molar_Volume[1] = 123.0;
    CO2.Fugacity[2] = 4.5;
    Kgas[2] = 2.5;
    Stability_Result r = Analyse(48, Mixture, 1, 293.15, 0.0, 2);
    EXPECT_EQ(r.outcome, Stability_None_At_Temperature);
    EXPECT_EQ(Molar_Volume[1], 123.0);
    EXPECT_EQ(CO2.Fugacity[2], 4.5);
    EXPECT_EQ(Kgas[2], 2.5);
    // Between the critical point and the cricondentherm (Peng-Robinson, 15 C)
    // the two-phase region is bounded by a dew point on both sides.
    r = Analyse(43, Mixture, 1, 288.15, 0.0, 2);
    EXPECT_EQ(r.outcome, Stability_No_Bubble_At_Temperature);
    EXPECT_EQ(Analyse(43, Mixture, 1, 288.15, 0.0, 1).outcome, Stability_Dew_Pressure);
}

TEST(Stability, OneLineForEveryOutcome)
{
    const struct {
        Stability_Outcome outcome;
        double value;
        const char* text;
    } lines[] = {
        {Stability_Bubble_Pressure, 6.7276533, "bubble point at 6.72765 MPa"},
        {Stability_Dew_Pressure, 4.0824368, "dew point at 4.08244 MPa"},
        {Stability_Bubble_Temperature, 266.797763, "bubble point at 266.798 K"},
        {Stability_Dew_Temperature, 283.854547, "dew point at 283.855 K"},
        {Stability_None_At_Temperature, 0.0, "no two-phase region at this temperature"},
        {Stability_None_At_Pressure, 0.0, "no two-phase region at this pressure"},
        {Stability_No_Bubble_At_Temperature, 0.0,
         "no bubble point at this temperature; the two-phase region lies between two dew points"},
        {Stability_No_Dew_At_Temperature, 0.0,
         "no dew point at this temperature; the two-phase region lies between two bubble points"},
        {Stability_No_Bubble_At_Pressure, 0.0,
         "no bubble point at this pressure; the two-phase region lies between two dew points"},
        {Stability_No_Dew_At_Pressure, 0.0,
         "no dew point at this pressure; the two-phase region lies between two bubble points"},
    };
    for (const auto& line : lines) {
        Console_Session io("");
        Stability_Report(Stability_Result{line.outcome, line.value});
        EXPECT_EQ(io.out.str(), std::string("\nStability analysis: ") + line.text);
    }
}

// The split the flash falls back on: CO2-CH4 90/10 by Peng & Robinson at 8 C
// and 60 cc/mol, where the flash itself ends on the trivial solution. Each gas
// has one fugacity in both phases, and the phases in the volume fraction found
// make up the bulk molar volume and composition; a fluid of the same
// composition lighter than its dew-point vapour does not split.
TEST(Stability, LiquidVapourSplitOfTheBulkVolume)
{
    double mix[10] = {0, 0.9, 0.1, 0, 0, 0, 0, 0, 0, 0};
    const double T = 281.15, V = 60.0;
    const Stability_Split split = Stability_Flash(Cubic_Phase, 43, 2, 1, mix, No_Salt, V, T);
    ASSERT_TRUE(split.found);
    EXPECT_GT(split.Fvol, 0.0);
    EXPECT_LT(split.Fvol, 1.0);
    for (Gas* g : {&CO2, &CH4}) EXPECT_NEAR(g->Fugacity[2] / g->Fugacity[1], 1.0, 1e-6);
    const double nl = (1 - split.Fvol) / Molar_Volume[2], nv = split.Fvol / Molar_Volume[1];
    EXPECT_NEAR(1.0 / (nl + nv), V, 1e-6 * V);
    EXPECT_NEAR((nl * CO2.Molefraction[2] + nv * CO2.Molefraction[1]) / (nl + nv), 0.9, 1e-6);
    EXPECT_NEAR(split.P, 6.51216, 1e-5);

    const Stability_Split none = Stability_Flash(Cubic_Phase, 43, 2, 1, mix, No_Salt, 5000.0, T);
    EXPECT_FALSE(none.found);
    EXPECT_TRUE(none.two_phase);
}

}  // namespace

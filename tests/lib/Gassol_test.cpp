// Gas solubility: Henry constants with Poynting and salting-out terms, the
// water content of the gas, the ion fractions and the fall-back.
#include <gtest/gtest.h>

#include <cmath>

#include "Gassol.h"
#include "Numdef.h"
#include "Redlich.h"
#include "Saturati.h"

namespace {

const double R = 8.31451;
const int AQ = 7;

double Aqueous_Sum()
{
    Gas* const gases[10] = {&H2O, &CO2, &CH4, &N2, &C2H6, &H2S, &NH3, &H2, &O2, &CO};
    double s = 0.0;
    for (Gas* g : gases) s += g->Molefraction[AQ];
    for (Ion* i : {&iNa, &iK, &iCa, &iMg, &iFe, &iCl}) s += i->Molefraction[AQ];
    return s;
}

double Gas_Sum(int ph)
{
    Gas* const gases[10] = {&H2O, &CO2, &CH4, &N2, &C2H6, &H2S, &NH3, &H2, &O2, &CO};
    double s = 0.0;
    for (Gas* g : gases) s += g->Molefraction[ph];
    return s;
}

TEST(Henry, ConstantsWithPoyntingTerm)
{
    double none[5] = {0, 0, 0, 0, 0};
    const double T = 298.15, P = 10.0, P0 = 0.1;
    const double co2 = -6.8346 + 12817 / T - 3766800 / (T * T) + 299700000 / (T * T * T) +
                       (P - P0) * (58.9 - 0.08 * T) / (R * T);
    EXPECT_NEAR(std::log(HenryCO2(T, P, P0, none)), co2, 1e-12);
    const double ch4 = 9.881539 + 9864.392 / T - 2150246 / (T * T) + 88102410 / (T * T * T) +
                       std::log(1e-6) + (P - P0) * std::exp(3.541 + 0.00123 * 25.0) / (R * T);
    EXPECT_NEAR(std::log(HenryCH4(T, P, P0, none)), ch4, 1e-12);
    const double c2h6 = -205.6101 + 262490.1 / T - 112830300 / std::pow(T, 2) +
                        21598750000 / std::pow(T, 3) - 1569604000000 / std::pow(T, 4) +
                        std::log(1e-6) + (P - P0) * std::exp(3.914 + 0.00122 * 25.0) / (R * T);
    EXPECT_NEAR(std::log(HenryC2H6(T, P, P0)), c2h6, 1e-9);
    const double u = 162.02 / T - 1.0;
    const double n2 = -(36.855 * u * u + 41.712 * u) + std::log(0.101325) + (P - P0) * 35.7 / (R * T);
    EXPECT_NEAR(std::log(HenryN2(T, P, P0)), n2, 1e-12);
    // Orders of magnitude of the published constants at 25 C (MPa).
    EXPECT_NEAR(HenryCO2(T, P0, P0, none), 166.0, 10.0);
    EXPECT_NEAR(HenryN2(T, P0, P0), 8600.0, 900.0);

    for (double bad : {0.0, -1.0}) {
        EXPECT_EQ(HenryCO2(bad, P, P0, none), 0.0);
        EXPECT_EQ(HenryCH4(T, bad, P0, none), 0.0);
        EXPECT_EQ(HenryC2H6(bad, P, P0), 0.0);
        EXPECT_EQ(HenryN2(T, bad, P0), 0.0);
    }
}

TEST(Henry, SaltingOutOfCarbonDioxideAndMethane)
{
    const double T = 283.15, P = 5.0, P0 = 0.1, TC = 10.0;
    double none[5] = {0, 0, 0, 0, 0};
    const double ks_co2 = 0.11572 - 0.00060293 * TC + 3.5817e-06 * TC * TC - 3.7772e-09 * TC * TC * TC;
    const double ks_ch4 = 3.38828 - 0.0318765 * T + 0.000122003 * T * T - 2.31891e-07 * std::pow(T, 3) +
                          2.22938e-10 * std::pow(T, 4) - 8.83764e-14 * std::pow(T, 5);
    struct Case { int salt; double co2, ch4; };
    const Case cases[] = {
        {0, ks_co2, ks_ch4},                    // NaCl
        {1, ks_co2 - 0.04, ks_ch4 - 0.026},     // KCl
        {2, ks_co2 + 0.075, 3 * (ks_ch4 - 0.066)},  // CaCl2
        {3, ks_co2 + 0.075, 3 * (ks_ch4 - 0.074)},  // MgCl2
        {4, ks_co2 + 0.075, 3 * (ks_ch4 - 0.074)},  // FeCl2
    };
    const double co2_0 = std::log(HenryCO2(T, P, P0, none));
    const double ch4_0 = std::log(HenryCH4(T, P, P0, none));
    for (const Case& c : cases) {
        double m[5] = {0, 0, 0, 0, 0};
        m[c.salt] = 2.0;
        EXPECT_NEAR(std::log(HenryCO2(T, P, P0, m)) - co2_0, 2.0 * c.co2, 1e-12) << c.salt;
        EXPECT_NEAR(std::log(HenryCH4(T, P, P0, m)) - ch4_0, 2.0 * c.ch4, 1e-12) << c.salt;
    }
    EXPECT_GT(ks_co2, 0.0);
}

TEST(GasSolubility, PureCarbonDioxideOverPureWater)
{
    double bulk[10] = {0, 1, 0, 0, 0, 0, 0, 0, 0, 0};
    double none[5] = {0, 0, 0, 0, 0};
    const double T = 298.15, P = 0.1;
    Gas_Solubility(2, AQ, 1, T, P, 0.0, bulk, none);
    const double Psat = H2O_Psat(T);
    const double H = HenryCO2(T, P, Psat, none);
    EXPECT_NEAR(std::log(H), -6.8346 + 12817 / T - 3766800 / (T * T) + 299700000 / (T * T * T) +
                                 (P - Psat) * (58.9 - 0.08 * T) / (R * T), 1e-12);
    // Henry's law for the gas, Raoult's law with Poynting for the water.
    EXPECT_NEAR(CO2.Molefraction[AQ], CO2.Fugacity[1] / H, 1e-15);
    const double corr = std::exp((P - Psat) * H2O_Vsat(2, T) / (R * T));
    EXPECT_NEAR(H2O.Molefraction[AQ], H2O.Fugacity[1] / (Psat * corr), 1e-9);
    EXPECT_NEAR(Aqueous_Sum(), 1.0, 1e-10);
    EXPECT_NEAR(Gas_Sum(1), 1.0, 1e-15);
    // About 0.06 mol% CO2 dissolves at 0.1 MPa; the gas holds ~3 % water.
    EXPECT_NEAR(CO2.Molefraction[AQ], 5.9e-4, 0.3e-4);
    EXPECT_NEAR(H2O.Molefraction[1], Psat / P, 0.002);
    EXPECT_EQ(CH4.Molefraction[AQ], 0.0);
    EXPECT_EQ(iNa.Molefraction[AQ], 0.0);
}

TEST(GasSolubility, IonsOfTheSalts)
{
    double bulk[10] = {0, 0.8, 0.1, 0.05, 0.05, 0, 0, 0, 0, 0};
    double m[5] = {1.0, 0.5, 0.25, 0.2, 0.1};
    Gas_Solubility(2, AQ, 2, 283.15, 8.0, 0.0, bulk, m);
    const double xw = H2O.Molefraction[AQ];
    const double Mw = H2O.Mole_Weight * 0.001;
    EXPECT_DOUBLE_EQ(iNa.Molefraction[AQ], xw * 1.0 * Mw);
    EXPECT_DOUBLE_EQ(iK.Molefraction[AQ], xw * 0.5 * Mw);
    EXPECT_DOUBLE_EQ(iCa.Molefraction[AQ], xw * 0.25 * Mw);
    EXPECT_DOUBLE_EQ(iMg.Molefraction[AQ], xw * 0.2 * Mw);
    EXPECT_DOUBLE_EQ(iFe.Molefraction[AQ], xw * 0.1 * Mw);
    // Two chloride ions for each CaCl2, MgCl2 and FeCl2.
    EXPECT_NEAR(iCl.Molefraction[AQ], xw * Mw * (1.0 + 0.5 + 2 * (0.25 + 0.2 + 0.1)), 1e-15);
    EXPECT_NEAR(Aqueous_Sum(), 1.0, 1e-10);
    EXPECT_NEAR(Gas_Sum(2), 1.0, 1e-15);
    for (Ion* i : {&iNa, &iK, &iCa, &iMg, &iFe, &iCl}) EXPECT_EQ(i->Molefraction[2], 0.0);
    // Nitrogen and ethane follow their Henry constants without salting-out.
    const double Psat = H2O_Psat(283.15);
    EXPECT_NEAR(N2.Molefraction[AQ], N2.Fugacity[2] / HenryN2(283.15, 8.0, Psat), 1e-15);
    EXPECT_NEAR(C2H6.Molefraction[AQ], C2H6.Fugacity[2] / HenryC2H6(283.15, 8.0, Psat), 1e-15);
    EXPECT_NEAR(CO2.Molefraction[AQ], CO2.Fugacity[2] / HenryCO2(283.15, 8.0, Psat, m), 1e-15);
}

TEST(GasSolubility, WaterVapourPressureOfIceAtAndBelowTheTriplePoint)
{
    // Below the triple point the liquid-water volume is not defined (no
    // Poynting correction): x_w = f(H2O) / Psat, so Psat can be read back.
    double bulk[10] = {0, 0.5, 0.5, 0, 0, 0, 0, 0, 0, 0};
    double none[5] = {0, 0, 0, 0, 0};
    auto ice = [](double T) {
        return std::exp(-33.909 + 0.30094 * T - 0.00085995 * T * T + 9.1544e-07 * T * T * T) / 1e6;
    };
    for (double T : {260.0, 270.0}) {
        Gas_Solubility(2, AQ, 1, T, 2.0, 0.0, bulk, none);
        ASSERT_GT(H2O.Molefraction[AQ], 0.9);
        EXPECT_NEAR(H2O.Fugacity[1] / H2O.Molefraction[AQ], ice(T), 1e-12 * 1e6 * ice(T)) << T;
        EXPECT_NEAR(Aqueous_Sum(), 1.0, 1e-10);
    }
    // At 273.16 K exactly the ice curve still applies; just above, the
    // saturation curve of liquid water.
    for (double T : {273.16, 273.17}) {
        Gas_Solubility(2, AQ, 1, T, 2.0, 0.0, bulk, none);
        const double want = T > 273.16 ? H2O_Psat(T) : ice(T);
        const double corr = std::exp((2.0 - want) * H2O_Vsat(2, T) / (R * T));
        EXPECT_NEAR(H2O.Fugacity[1] / (H2O.Molefraction[AQ] * corr), want, 1e-9 * want) << T;
    }
    EXPECT_GT(std::fabs(ice(273.16) / H2O_Psat(273.17) - 1.0), 0.01);
}

TEST(GasSolubility, FallBackWithoutDissolvedGas)
{
    // H2S and H2 have no Henry constant here: nothing dissolves.
    double bulk[10] = {0.3, 0, 0, 0, 0, 0.6, 0, 0.4, 0, 0};
    double m[5] = {1.0, 0, 0, 0, 0};
    Gas_Solubility(2, AQ, 1, 290.0, 5.0, 0.0, bulk, m);
    EXPECT_EQ(H2O.Molefraction[AQ], 1.0);
    for (Gas* g : {&CO2, &CH4, &N2, &C2H6, &H2S, &H2}) EXPECT_EQ(g->Molefraction[AQ], 0.0);
    for (Ion* i : {&iNa, &iCl}) EXPECT_EQ(i->Molefraction[AQ], 0.0);
    EXPECT_EQ(H2O.Molefraction[1], 0.0);
    EXPECT_EQ(H2S.Molefraction[1], 0.6);
    EXPECT_EQ(H2.Molefraction[1], 0.4);

    // Not above 0 K: nothing is touched.
    H2O.Molefraction[AQ] = 0.123;
    Gas_Solubility(2, AQ, 1, 0.0, 5.0, 0.0, bulk, m);
    EXPECT_EQ(H2O.Molefraction[AQ], 0.123);
}

TEST(GasSolubility, PressureAndVolumeMethodsAgree)
{
    double bulk[10] = {0, 0.7, 0.2, 0.1, 0, 0, 0, 0, 0, 0};
    double m[5] = {0.5, 0, 0.1, 0, 0};
    const double T = 285.0, P = 6.0;
    Gas_Solubility(2, AQ, 1, T, P, 0.0, bulk, m);
    double y[10];
    for (int i = 0; i < 10; ++i) y[i] = Gas_Record(i)->Molefraction[1];
    double aq[10];
    for (int i = 0; i < 10; ++i) aq[i] = Gas_Record(i)->Molefraction[AQ];
    const double cl = iCl.Molefraction[AQ];
    const double V = Volume_Redlich(2, y, T, P);
    ASSERT_GT(V, 0.0);

    Gas_Solubility(1, AQ, 1, T, 0.0, V, bulk, m);
    for (int i = 0; i < 10; ++i) {
        EXPECT_NEAR(Gas_Record(i)->Molefraction[1], y[i], 1e-9) << i;
        EXPECT_NEAR(Gas_Record(i)->Molefraction[AQ], aq[i], 1e-9 * (aq[i] + 1e-6)) << i;
    }
    EXPECT_NEAR(iCl.Molefraction[AQ], cl, 1e-12);
}

}  // namespace

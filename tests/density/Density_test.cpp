// Mass density of a phase from its molar volume, and the equation-of-state
// numbers behind the dialogue's menus.
#include <gtest/gtest.h>

#include "Density.h"
#include "Numdef.h"

namespace {

TEST(ConvertedDensity, NoVolumeGivesNoDensity)
{
    double co2[10] = {0, 1, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(Converted_Density(0.0, co2, empty), 0.0);
    EXPECT_EQ(Converted_Density(-44.0, co2, empty), 0.0);
}

TEST(ConvertedDensity, GasesWeighInCompositionOrder)
{
    // Molar masses, g/mol: H2O, CO2, CH4, N2, C2H6, H2S, NH3, H2, O2, CO.
    const double weight[10] = {18.01528, 44.0098, 16.04276, 28.01348, 30.06964,
                               34.08188, 17.03056, 2.01588, 31.9988, 28.0104};
    for (int i = 0; i < 10; i++) {
        SCOPED_TRACE(i);
        double y[10] = {0};
        y[i] = 1.0;
        EXPECT_NEAR(Converted_Density(1.0, y, empty), weight[i], 1e-9);
        EXPECT_NEAR(Converted_Density(weight[i], y, empty), 1.0, 1e-12);
    }
    double co2[10] = {0, 1, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_NEAR(Converted_Density(44.0098, co2, empty), 1.0, 1e-14);
    // A density in the place of the volume yields the molar volume: 0.5 g/cc of
    // CO2 is 88.0196 cc/mol.
    EXPECT_NEAR(Converted_Density(0.5, co2, empty), 88.0196, 1e-9);
    // Mixture: 0.5 CO2 + 0.5 CH4 in 50 cc/mol.
    double mix[10] = {0, 0.5, 0.5, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_NEAR(Converted_Density(50.0, mix, empty), (44.0098 + 16.04276) / 100.0, 1e-12);
}

TEST(ConvertedDensity, IonsWeighByTheirElements)
{
    // Na, K, Ca, Mg, Cl with the weights the component data use.
    const double weight[5] = {22.989768, 39.09873, 40.078, 24.305, 35.4727};
    double none[10] = {0};
    for (int j = 0; j < 5; j++) {
        SCOPED_TRACE(j);
        double ions[5] = {0};
        ions[j] = 1.0;
        EXPECT_NEAR(Converted_Density(1.0, none, ions), weight[j], 1e-12);
    }
    // Water with dissolved NaCl: 0.9 H2O, 0.05 Na+, 0.05 Cl- in 18 cc/mol.
    double water[10] = {0.9, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    double nacl[5] = {0.05, 0, 0, 0, 0.05};
    const double mass = 0.9 * 18.01528 + 0.05 * 22.989768 + 0.05 * 35.4727;
    EXPECT_NEAR(Converted_Density(18.0, water, nacl), mass / 18.0, 1e-12);
}

TEST(DialogueMenus, EquationOfStateNumbers)
{
    const int clathrate[6] = {12, 55, 39, 43, 17, 18};
    for (int choice = 1; choice <= 6; choice++) {
        EXPECT_EQ(Clathrate_EoS_Number(choice), clathrate[choice - 1]) << choice;
    }
    const int vapour[10] = {48, 12, 55, 39, 43, 30, 10, 17, 63, 18};
    for (int choice = 1; choice <= 10; choice++) {
        EXPECT_EQ(Vapour_EoS_Number(choice), vapour[choice - 1]) << choice;
    }
    for (int outside : {-1, 0, 7}) EXPECT_EQ(Clathrate_EoS_Number(outside), 0) << outside;
    for (int outside : {0, 11}) EXPECT_EQ(Vapour_EoS_Number(outside), 0) << outside;
}

TEST(DensityGlobals, AqueousSolutionSlot)
{
    EXPECT_EQ(aqueous_liquid, 7);
}

}  // namespace

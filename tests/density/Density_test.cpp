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

// Bulk inclusion from an aqueous solution (35 vol%, 18.2 cc/mol) and a
// liquid-like carbonic phase (65 vol%, 55 cc/mol); the vapour-like slot has a
// volume but no volume fraction. The bulk must conserve amount and mass.
TEST(TotalInclusion, ConservesAmountAndMass)
{
    Gas* const gases[5] = {&H2O, &CO2, &CH4, &N2, &C2H6};
    Gas* const others[5] = {&H2S, &NH3, &H2, &O2, &CO};
    Ion* const ions[5] = {&iNa, &iK, &iCa, &iMg, &iCl};
    const double M[10] = {18.01528, 44.0098, 16.04276, 28.01348, 30.06964,
                          22.989768, 39.09873, 40.078, 24.305, 35.4727};
    const double aq[10] = {0.877, 0.012, 0.001, 0.0005, 0.0005, 0.04, 0.01, 0.002, 0.001, 0.056};
    const double liquid[5] = {0.01, 0.7, 0.19, 0.06, 0.04};
    for (int slot = 0; slot < 10; slot++) {
        for (Gas* g : gases) g->Molefraction[slot] = 0;
        for (Gas* g : others) g->Molefraction[slot] = 0;
        for (Ion* i : ions) i->Molefraction[slot] = 0;
        Molar_Volume[slot] = Density[slot] = Fraction[slot] = 0;
    }
    for (int i = 0; i < 5; i++) {
        gases[i]->Molefraction[aqueous_liquid] = aq[i];
        ions[i]->Molefraction[aqueous_liquid] = aq[5 + i];
        gases[i]->Molefraction[2] = liquid[i];
        gases[i]->Molefraction[1] = 0.2;
    }
    Molar_Volume[aqueous_liquid] = 18.2;
    Fraction[aqueous_liquid] = 0.35;
    Molar_Volume[2] = 55.0;
    Fraction[2] = 0.65;
    Molar_Volume[1] = 300.0;

    TotalFI();

    const double n_aq = 0.35 / 18.2, n_liquid = 0.65 / 55.0;   // mol per cm3 of inclusion
    EXPECT_NEAR(Molar_Volume[0], 1.0 / (n_aq + n_liquid), 1e-12);
    double sum = 0.0, mass_aq = 0.0, mass_liquid = 0.0, mass_bulk = 0.0;
    for (int i = 0; i < 10; i++) {
        const double x = i < 5 ? gases[i]->Molefraction[0] : ions[i - 5]->Molefraction[0];
        const double expected = (aq[i] * n_aq + (i < 5 ? liquid[i] * n_liquid : 0.0)) / (n_aq + n_liquid);
        EXPECT_NEAR(x, expected, 1e-14) << i;
        sum += x;
        mass_aq += aq[i] * M[i];
        if (i < 5) mass_liquid += liquid[i] * M[i];
        mass_bulk += x * M[i];
    }
    EXPECT_NEAR(sum, 1.0, 1e-15);
    // Mass per cm3 of inclusion is the volume-weighted sum of the phase densities.
    EXPECT_NEAR(Density[0], 0.35 * mass_aq / 18.2 + 0.65 * mass_liquid / 55.0, 1e-12);
    EXPECT_NEAR(Density[0] * Molar_Volume[0], mass_bulk, 1e-10);
    // The ions come from the solution alone and keep its charge balance.
    EXPECT_NEAR(iNa.Molefraction[0] + iK.Molefraction[0] + 2 * iCa.Molefraction[0] + 2 * iMg.Molefraction[0],
                iCl.Molefraction[0], 1e-15);

    // Vapour-like instead of liquid-like: the same bulk.
    for (int i = 0; i < 5; i++) gases[i]->Molefraction[1] = liquid[i];
    Fraction[1] = 0.65;
    Fraction[2] = 0.0;
    Molar_Volume[1] = 55.0;
    Molar_Volume[2] = 300.0;
    const double bulk_volume = Molar_Volume[0], bulk_density = Density[0];
    TotalFI();
    EXPECT_NEAR(Molar_Volume[0], bulk_volume, 1e-12);
    EXPECT_NEAR(Density[0], bulk_density, 1e-14);
}

// Phases without a molar volume add nothing and leave no division by zero.
TEST(TotalInclusion, PhasesWithoutVolumeAreSkipped)
{
    Gas* const gases[10] = {&H2O, &CO2, &CH4, &N2, &C2H6, &H2S, &NH3, &H2, &O2, &CO};
    Ion* const ions[5] = {&iNa, &iK, &iCa, &iMg, &iCl};
    for (int slot = 0; slot < 10; slot++) {
        Molar_Volume[slot] = Density[slot] = Fraction[slot] = 0;
        for (Gas* g : gases) g->Molefraction[slot] = 0;
        for (Ion* i : ions) i->Molefraction[slot] = 0;
    }
    H2O.Molefraction[aqueous_liquid] = 1.0;
    CO2.Molefraction[1] = 1.0;
    Fraction[aqueous_liquid] = 0.5;
    Fraction[1] = 0.5;
    Molar_Volume[aqueous_liquid] = -18.0;
    TotalFI();
    EXPECT_EQ(Molar_Volume[0], 0.0);
    EXPECT_EQ(Density[0], 0.0);
    EXPECT_EQ(H2O.Molefraction[0], 0.0);
    EXPECT_EQ(CO2.Molefraction[0], 0.0);

    Molar_Volume[1] = 40.0;   // only the carbonic phase counts
    TotalFI();
    EXPECT_EQ(CO2.Molefraction[0], 1.0);
    EXPECT_EQ(H2O.Molefraction[0], 0.0);
    EXPECT_NEAR(Molar_Volume[0], 80.0, 1e-12);
    EXPECT_NEAR(Density[0], 44.0098 / 80.0, 1e-14);
}

TEST(DensityGlobals, AqueousSolutionSlot)
{
    EXPECT_EQ(aqueous_liquid, 7);
}

}  // namespace

// At program start the fractions of the ten gases and five ions the programs
// use are cleared in every slot; other records keep their starting values.
TEST(DensityGlobals, StartUpResetClearsTheUsedRecordsOnly)
{
    Gas* gases[10] = {&H2O, &CO2, &CH4, &N2, &C2H6, &H2S, &NH3, &H2, &O2, &CO};
    Ion* ions[5] = {&iNa, &iK, &iCa, &iMg, &iCl};
    for (int slot = 0; slot < 10; slot++) {
        for (Gas* g : gases) g->Molefraction[slot] = 0.5;
        for (Ion* i : ions) i->Molefraction[slot] = 0.5;
    }
    const double fe = iFe.Molefraction[1], ar = Ar.Molefraction[0];
    Reset_Molefractions();
    for (int slot = 0; slot < 10; slot++) {
        for (Gas* g : gases) EXPECT_EQ(g->Molefraction[slot], 0.0) << slot;
        for (Ion* i : ions) EXPECT_EQ(i->Molefraction[slot], 0.0) << slot;
    }
    EXPECT_EQ(iFe.Molefraction[1], fe);
    EXPECT_EQ(Ar.Molefraction[0], ar);
    EXPECT_EQ(Ar.Molefraction[0], 1.0);
}

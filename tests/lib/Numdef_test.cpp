// Component records: molar masses from the element table, ion charges,
// starting slot values, setters by component number, critical constants.
#include <gtest/gtest.h>

#include "Numdef.h"
#include "Reid.h"
#include "Saturati.h"

namespace {

TEST(Records, MolarMassesFromElementWeights)
{
    struct Case { const char* name; double got; double want; };
    const Case cases[] = {
        {"H2O", H2O.Mole_Weight, 18.01528},
        {"CO2", CO2.Mole_Weight, 44.0098},
        {"CH4", CH4.Mole_Weight, 16.04276},
        {"N2", N2.Mole_Weight, 28.01348},
        {"C2H6", C2H6.Mole_Weight, 30.06964},
        {"H2S", H2S.Mole_Weight, 34.08188},
        {"NH3", NH3.Mole_Weight, 17.03056},
        {"He", He.Mole_Weight, 4.0020602},
        {"Benzene", Benzene.Mole_Weight, 78.11364},
        {"NaCl", NaCl.Mole_Weight, 58.462468},
        {"KCl", KCl.Mole_Weight, 74.57143},
        {"CaCl2", CaCl2.Mole_Weight, 111.0234},
        {"MgCl2", MgCl2.Mole_Weight, 95.2504},
        {"FeCl3", FeCl3.Mole_Weight, 162.2631},
        {"Na2SO4", Na2SO4.Mole_Weight, 142.043136},
        {"CaO2H2", CaO2H2.Mole_Weight, 74.09268},
        {"Li2CO3", Li2CO3.Mole_Weight, 73.8912},
    };
    for (const Case& c : cases) EXPECT_NEAR(c.got, c.want, 1e-9) << c.name;
    EXPECT_EQ(H2O.Mole_Weight, 2 * 1.00794 + 15.9994);
    EXPECT_EQ(NaCl.Mole_Weight, 22.989768 + 35.4727);
}

TEST(Records, ElementTable)
{
    EXPECT_EQ(Hydrogen.Atomic_Number, 1);
    EXPECT_EQ(Uun.Atomic_Number, 110);
    EXPECT_EQ(Lead.Atomic_Number, 82);
    EXPECT_EQ(Iron.Atomic_Number, 26);
    EXPECT_EQ(Iron.Atomic_Weight, 55.845);
    EXPECT_EQ(Helium.Atomic_Weight, 4.0020602);
    EXPECT_EQ(Chlorine.Atomic_Weight, 35.4727);
    EXPECT_EQ(Potasium.Atomic_Weight, 39.09873);
    EXPECT_EQ(Sulphur.Oxidation_State1, -2);
    EXPECT_EQ(Sulphur.Oxidation_State3, 6);
    EXPECT_EQ(Carbon.Oxidation_State3, -4);
}

TEST(Records, IonCharges)
{
    const Ion* ions[] = {&iNa, &iK, &iCa, &iMg, &iFe, &iLi, &iH, &iCl, &iHSO4, &iSO4, &iOH, &iHCO3, &iCO3};
    const int want[] = {1, 1, 2, 2, 2, 1, 1, -1, -1, -2, -1, -1, -2};
    for (int i = 0; i < 13; ++i) EXPECT_EQ(ions[i]->Charge, want[i]) << "ion " << i;
}

TEST(Records, StartingSlotValues)
{
    // Records no calculation touches keep their starting values.
    const double gas_start[10] = {1.0, 1.0, 0.0, 1.0, 0, 0, 0, 0, 0, 0};
    for (int ph = 0; ph < 10; ++ph) {
        EXPECT_EQ(Decane.Molefraction[ph], gas_start[ph]) << ph;
        EXPECT_EQ(FeCO3.Molefraction[ph], ph <= 2 ? 1.0 : 0.0) << ph;
        EXPECT_EQ(iCO3.Molefraction[ph], ph <= 2 ? 1.0 : 0.0) << ph;
        EXPECT_EQ(Decane.Fugacity[ph], 0.0);
    }
    EXPECT_EQ(Decane.Ttrip, 0.0);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(empty[i], 0.0);
        EXPECT_EQ(one[i], 1.0);
    }
}

TEST(Records, SettersByComponentNumber)
{
    Gas* const numbered[] = {&H2O, &CO2, &CH4, &N2, &C2H6, &H2S, &NH3, &H2, &O2, &CO, &Ar, &He};
    for (int what = 0; what <= 11; ++what) {
        Gas_Molefractions(what, 8, 0.25 + what);
        Gas_Fugacities(what, 8, 1.5 + what);
        Gas_Coefficients(what, 8, 2.5 + what);
        EXPECT_EQ(numbered[what]->Molefraction[8], 0.25 + what);
        EXPECT_EQ(numbered[what]->Fugacity[8], 1.5 + what);
        EXPECT_EQ(numbered[what]->Coefficient[8], 2.5 + what);
    }
    Gas_Molefractions(100, 8, 0.5);
    EXPECT_EQ(Propane.Molefraction[8], 0.5);
    Gas_Coefficients(129, 8, 0.75);
    EXPECT_EQ(Benzene.Coefficient[8], 0.75);
    Gas_Fugacities(108, 8, 0.125);
    EXPECT_EQ(isoButane.Fugacity[8], 0.125);

    // Unassigned numbers store nothing.
    const Gas before_he = He, before_propane = Propane, before_benzene = Benzene;
    for (int what : {-1, 12, 50, 99, 130, 1000}) {
        Gas_Molefractions(what, 8, 99.0);
        Gas_Fugacities(what, 8, 99.0);
        Gas_Coefficients(what, 8, 99.0);
    }
    EXPECT_EQ(He.Molefraction[8], before_he.Molefraction[8]);
    EXPECT_EQ(Propane.Molefraction[8], before_propane.Molefraction[8]);
    EXPECT_EQ(Benzene.Molefraction[8], before_benzene.Molefraction[8]);
    EXPECT_EQ(Benzene.Coefficient[8], before_benzene.Coefficient[8]);

    Salt_Molefractions(0, 8, 0.1);
    Salt_Molefractions(3, 8, 0.3);
    Salt_Molefractions(28, 8, 0.28);
    EXPECT_EQ(NaCl.Molefraction[8], 0.1);
    EXPECT_EQ(MgCl2.Molefraction[8], 0.3);
    EXPECT_EQ(Li2CO3.Molefraction[8], 0.28);
    Salt_Molefractions(29, 8, 9.0);
    Salt_Molefractions(-1, 8, 9.0);
    EXPECT_EQ(Li2CO3.Molefraction[8], 0.28);
    EXPECT_EQ(NaCl.Molefraction[8], 0.1);
}

TEST(Records, ReidConstantsRestoreCriticalData)
{
    Reid_Constants();
    CO2.Tcrit = 304.1282;
    CO2.Pcrit = 7.3773;
    N2.Vcrit = 1.0;
    Reid_Constants();  // not told of the change: the records are left as they are
    EXPECT_EQ(CO2.Tcrit, 304.1282);
    Critical_Constants_Changed();
    Reid_Constants();
    EXPECT_EQ(CO2.Tcrit, 304.2);
    EXPECT_EQ(CO2.Pcrit, 7.38);
    EXPECT_EQ(N2.Vcrit, 89.5);
    struct Row { const Gas* g; double Tc, Pc, Vc, w; };
    const Row rows[] = {
        {&H2O, 647.3, 22.05, 56.0, 0.344},  {&CH4, 190.6, 4.6, 99.0, 0.008},
        {&C2H6, 305.4, 4.88, 148.0, 0.098}, {&H2, 33.2, 1.3, 65.0, -0.22},
        {&He, 5.19, 0.227, 57.3, -0.387},   {&Butyne_1, 463.7, 4.65, 220.0, 0.05},
        {&Benzene, 562.1, 4.89, 259.0, 0.212},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(r.g->Tcrit, r.Tc);
        EXPECT_EQ(r.g->Pcrit, r.Pc);
        EXPECT_EQ(r.g->Vcrit, r.Vc);
        EXPECT_EQ(r.g->Acentric, r.w);
    }
}

// Every saturation function that stores critical constants of its own says
// so, and the next Reid_Constants restores the table.
TEST(Records, SaturationCurvesHaveTheTableRestored)
{
    Reid_Constants();
    const Gas before[9] = {H2O, CO2, CH4, N2, C2H6, H2S, NH3, O2, CO};
    auto restored = [&](const char* name) {
        Reid_Constants();
        const Gas* now[9] = {&H2O, &CO2, &CH4, &N2, &C2H6, &H2S, &NH3, &O2, &CO};
        for (int i = 0; i < 9; i++) {
            EXPECT_EQ(now[i]->Tcrit, before[i].Tcrit) << name << " " << i;
            EXPECT_EQ(now[i]->Pcrit, before[i].Pcrit) << name << " " << i;
            EXPECT_EQ(now[i]->Vcrit, before[i].Vcrit) << name << " " << i;
        }
    };
    for (double (*f)(double) : {H2O_Psat, CO2_Psat, CH4_Psat, N2_Psat, C2H6_Psat, O2_Psat,
                                CO_Psat, NH3_Psat, H2S_Psat}) {
        f(150.0);
        restored("Psat");
    }
    for (double (*f)(int, double) : {H2O_Vsat, CO2_Vsat, CH4_Vsat, N2_Vsat, C2H6_Vsat, CO2_Tsat,
                                     CH4_Tsat, N2_Tsat, C2H6_Tsat}) {
        f(2, 150.0);
        restored("Vsat/Tsat");
    }
    for (double (*f)(double, double*, double*, double, double) : {CO2_FV, CH4_FV, N2_FV, C2H6_FV}) {
        f(150.0, empty, empty, 10.0, 0.0);
        restored("FV");
    }
}

}  // namespace

// Layout of the density program's results file, written from prepared global
// state: every row, its condition, its format and its order.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "Density.h"
#include "Numdef.h"
#include "Results.h"
#include "density/Run_Density.h"

namespace {

const std::string RULE(71, '_');

Gas* const GASES[5] = {&H2O, &CO2, &CH4, &N2, &C2H6};
Ion* const IONS[5] = {&iNa, &iK, &iCa, &iMg, &iCl};
Salt* const SALTS[4] = {&NaCl, &KCl, &CaCl2, &MgCl2};
Gas* const OTHERS[5] = {&H2S, &NH3, &H2, &O2, &CO};

std::string F(const char* format, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

class ResultsFile : public ::testing::Test {
protected:
    std::filesystem::path dir;

    void SetUp() override
    {
        char pattern[] = "/tmp/firesults.XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir = pattern;
        for (int slot = 0; slot < 10; slot++) {
            for (Gas* g : GASES) g->Molefraction[slot] = g->Coefficient[slot] = g->Activity[slot] = 0;
            for (Ion* i : IONS) i->Molefraction[slot] = 0;
            for (Gas* g : OTHERS) g->Molefraction[slot] = 0;
            Molar_Volume[slot] = Density[slot] = Fraction[slot] = 0;
        }
        for (Salt* s : SALTS) s->Weight = s->Molality = 0;
        TmClath = 278.15;
        PmClath = 12.5;
        structure = 1;
        syst = 2;
        EoSclath = 12;
        EoSvapour = 20;
        EoSaqueous = 0;
        Thom = 270.0;
        Phom = 3.2;
        Vhom = 60.0;
        Dhom = 0.7335;
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    std::string Write(int mean, const char* name = "out.txt")
    {
        const std::string path = (dir / name).string();
        EXPECT_TRUE(Write_Density_Results(path.c_str(), mean));
        return Read_File(path);
    }
};

// Nothing optional: no fractions, no volume fractions, no fugacity block (pure
// CO2 by its reference equation), no homogenisation T and P (molar volume
// given), no salt, no known water model.
TEST_F(ResultsFile, BareLayout)
{
    const std::string path = (dir / "bare.txt").string();
    ASSERT_TRUE(Write_Density_Results(path.c_str(), 1));
    const std::string expected =
        RULE +
        "\nVELMORA, package of computer programs for fluid inclusion studies"
        "\nProgram 2: DENSITY version 12/02"
        "\nFilename : " + path + "\n" + RULE +
        "\nCLATHRATE PHASE (at final melting conditions)"
        "\n\nClathrate Structure 1"
        "\n\nTm (K)\t278.150000\nPm (MPa)\t12.500000\nVm (cc/mol)\t0.000000\nD (g/cc)\t0.000000"
        "\n\namount-of-substance fractions"
        "\n\nEquation of state for fugacity calculations in clathrate equilibria:"
        "\nChueh & Prausnitz (1967) Ind.Eng.Chem.Fundam., 6, 492-498."
        "\n\n" + RULE +
        "\nNON-AQUEOUS PHASE (after final clathrate melting)"
        "\n\namount-of-substance fractions"
        "\n\nHomogenisation conditions, in metastable absence of clathrate:\n"
        "\nVh (cc/mol)\t60.000000\nDh (g/cc)\t0.733500"
        "\n\nEquation of state for liquid-vapour equilibria and homogeneous gas:"
        "\nDuschek et al. (1990) J.Chem.Thermodyn., 22, 841-864."
        "\nSpan & Wagner (1996) J.Phys.Chem.Ref.Data, 25, 1509-1596."
        "\n\n" + RULE +
        "\nAQUEOUS SOLUTION (after final clathrate melting)"
        "\n\nEOS: Default approximation of volumetric values"
        "\n\nVm (cc/mol)\t0.000000\nD (g/cc)\t0.000000"
        "\n\nActivity(H2O)\t0.000000"
        "\n\namount-of-substance fractions"
        "\n\nSalinity Aqueous Phase (associated salt molecules)"
        "\n\n\t\tMass%\t\tMolality"
        "\n" + RULE;
    EXPECT_EQ(Read_File(path), expected);
}

// Every optional row present. The clathrate is structure II (slot 5) and the
// non-aqueous phase liquid-like (slot 2); slots 4 and 1 hold decoys. Both
// phases have 20 cc/mol, so the bulk fractions are the volume-weighted means.
TEST_F(ResultsFile, FullLayout)
{
    structure = 2;
    syst = 0;
    EoSclath = 18;
    EoSvapour = 10;
    EoSaqueous = 26;
    Molar_Volume[4] = 99.0;
    Density[4] = 9.9;
    Molar_Volume[5] = 22.5;
    Density[5] = 0.95;
    const double clath[5] = {0.85, 0.05, 0.04, 0.03, 0.03};
    const double carbonic[5] = {0.01, 0.6, 0.2, 0.1, 0.09};
    const double phi[5] = {0.02, 0.5, 0.9, 1.2, 0.3};
    const double aqueous[10] = {0.88, 0.02, 0.001, 0.0005, 0.0002, 0.03, 0.01, 0.005, 0.004, 0.0493};
    for (int i = 0; i < 5; i++) {
        GASES[i]->Molefraction[5] = clath[i];
        GASES[i]->Molefraction[4] = 0.5;
        GASES[i]->Molefraction[2] = carbonic[i];
        GASES[i]->Coefficient[2] = phi[i];
        GASES[i]->Molefraction[1] = 0.7;
        GASES[i]->Coefficient[1] = 7.0;
        GASES[i]->Molefraction[7] = aqueous[i];
        IONS[i]->Molefraction[7] = aqueous[5 + i];
    }
    Fraction[7] = 0.4;
    Fraction[2] = 0.6;
    Molar_Volume[2] = Molar_Volume[7] = 20.0;
    Molar_Volume[1] = 0.0;
    Density[7] = 1.1;
    H2O.Activity[7] = 0.93;
    const double weight[4] = {10.5, 2.25, 1.125, 0.5};
    const double molality[4] = {2.01, 0.31, 0.102, 0.053};
    for (int s = 0; s < 4; s++) {
        SALTS[s]->Weight = weight[s];
        SALTS[s]->Molality = molality[s];
    }

    // Bulk: equal molar volumes, so x = 0.4 x(aq) + 0.6 x(carbonic); the
    // molar masses are those of the component data.
    const double M[10] = {18.01528, 44.0098, 16.04276, 28.01348, 30.06964,
                          22.989768, 39.09873, 40.078, 24.305, 35.4727};
    double bulk[10];
    double mass = 0.0;
    for (int i = 0; i < 10; i++) {
        bulk[i] = 0.4 * aqueous[i] + (i < 5 ? 0.6 * carbonic[i] : 0.0);
        mass += bulk[i] * M[i];
    }
    const char* gas_rows[5] = {"\nx(H2O)\t\t", "\nx(CO2)\t\t", "\nx(CH4)\t\t", "\nx(N2)\t\t",
                               "\nx(C2H6)\t\t"};
    const char* ion_rows[5] = {"\nx(Na+)\t\t", "\nx(K+)\t\t", "\nx(Ca++)\t\t", "\nx(Mg++)\t\t",
                               "\nx(Cl-)\t\t"};
    auto rows = [&](const double* x, int n) {
        std::string text;
        for (int i = 0; i < n; i++) text += (i < 5 ? gas_rows[i] : ion_rows[i - 5]) + F("%f", x[i]);
        return text;
    };

    const std::string expected =
        RULE +
        "\nVELMORA, package of computer programs for fluid inclusion studies"
        "\nProgram 2: DENSITY version 12/02"
        "\nFilename : " + (dir / "full.txt").string() + "\n" + RULE +
        "\nCLATHRATE PHASE (at final melting conditions)"
        "\n\nClathrate Structure 2"
        "\n\nTm (K)\t278.150000\nPm (MPa)\t12.500000\nVm (cc/mol)\t22.500000\nD (g/cc)\t0.950000"
        "\n\namount-of-substance fractions" + rows(clath, 5) +
        "\n\nEquation of state for fugacity calculations in clathrate equilibria:"
        "\nDuan et al. (1996) Geochim.Cosmochim.Acta, 60, 1209-1216."
        "\n\n" + RULE +
        "\nNON-AQUEOUS PHASE (after final clathrate melting)"
        "\n\nVolume fraction\t0.600000"
        "\n\namount-of-substance fractions" + rows(carbonic, 5) +
        "\n\nFugacity coefficients"
        "\nH2O\t\t0.020000\nCO2\t\t0.500000\nCH4\t\t0.900000\nN2\t\t1.200000\nC2H6\t\t0.300000"
        "\n\nHomogenisation conditions, in metastable absence of clathrate:\n"
        "\nTh (K)\t270.000000\nPh (MPa)\t3.200000"
        "\nVh (cc/mol)\t60.000000\nDh (g/cc)\t0.733500"
        "\n\nEquation of state for liquid-vapour equilibria and homogeneous gas:"
        "\nBowers & Helgeson (1983) Geochim.Cosmochim.Acta, 47, 1247-1275"
        "\nDreskel (1999) modification of the Bowers & Helgeson (1983) equation"
        "\n\n" + RULE +
        "\nAQUEOUS SOLUTION (after final clathrate melting)"
        "\n\nVolume fraction\t0.400000"
        "\n\nEOS : Haar et al. (1984) approximation of volumetric values"
        "\n\nVm (cc/mol)\t20.000000\nD (g/cc)\t1.100000"
        "\n\nActivity(H2O)\t0.930000"
        "\n\namount-of-substance fractions" + rows(aqueous, 10) +
        "\n\nSalinity Aqueous Phase (associated salt molecules)"
        "\n\n\t\tMass%\t\tMolality"
        "\nNaCl\t\t10.500000\t2.010000\nKCl\t\t2.250000\t0.310000"
        "\nCaCl2\t\t1.125000\t0.102000\nMgCl2\t\t0.500000\t0.053000"
        "\n\n" + RULE +
        "\nTOTAL FLUID INCLUSION"
        "\n\nVm (cc/mol)\t20.000000"
        "\nD (g/cc)\t" + F("%f", mass / 20.0) +
        "\n\namount-of-substance fractions" + rows(bulk, 10) +
        "\n" + RULE;
    EXPECT_EQ(Write(3, "full.txt"), expected);
}

TEST_F(ResultsFile, HomogenisationTemperatureAndPressureOnlyWhenMeasured)
{
    for (int mean : {1, 2, 3, 4}) {
        SCOPED_TRACE(mean);
        const std::string text = Write(mean);
        const int expected = mean >= 3 ? 1 : 0;
        EXPECT_EQ(Count(text, "\nTh (K)\t270.000000\nPh (MPa)\t3.200000\nVh (cc/mol)"), expected);
        EXPECT_EQ(Count(text, "(K)\t"), 1 + expected);   // Tm always
        EXPECT_EQ(Count(text, "\nVh (cc/mol)\t60.000000\nDh (g/cc)\t0.733500"), 1);
    }
}

// One row per component present; a fraction of exactly 0 has no row, and a
// fugacity coefficient is shown only for a gas the phase contains.
TEST_F(ResultsFile, RowsOnlyForComponentsPresent)
{
    syst = 2;   // vapour-like: slot 1
    EoSvapour = 39;
    CH4.Molefraction[1] = 1.0;
    CH4.Coefficient[1] = 0.95;
    CO2.Coefficient[1] = 0.5;   // no CO2 in the phase: not shown
    N2.Molefraction[1] = -1e-9;
    iCl.Molefraction[7] = 0.1;
    iNa.Molefraction[7] = 0.1;
    H2O.Molefraction[7] = 0.8;
    KCl.Weight = 5.0;
    KCl.Molality = 0.7;
    NaCl.Molality = 0.3;   // no weight, no row
    const std::string text = Write(1);
    EXPECT_NE(text.find("\n\namount-of-substance fractions\nx(CH4)\t\t1.000000"
                        "\n\nFugacity coefficients\nCH4\t\t0.950000\n\nHomogenisation"),
              std::string::npos);
    EXPECT_NE(text.find("\n\namount-of-substance fractions\nx(H2O)\t\t0.800000\nx(Na+)\t\t0.100000"
                        "\nx(Cl-)\t\t0.100000\n\nSalinity"),
              std::string::npos);
    EXPECT_NE(text.find("Molality\nKCl\t\t5.000000\t0.700000\n" + RULE), std::string::npos);
    // Rows only: the file name in the header is random and may hold "N2".
    EXPECT_EQ(Count(text, "\nNaCl"), 0);
    EXPECT_EQ(Count(text, "(N2)") + Count(text, "\nN2"), 0);
    EXPECT_EQ(Count(text, "\nTOTAL"), 0);
}

TEST_F(ResultsFile, FugacityBlockMissingOnlyForPureCO2AndC2H6)
{
    CO2.Molefraction[1] = 1.0;
    CO2.Coefficient[1] = 0.8;
    for (int eos : {10, 12, 17, 18, 20, 22, 30, 33, 39, 43, 48, 53, 55, 63}) {
        SCOPED_TRACE(eos);
        EoSvapour = eos;
        const int expected = (eos == 20 || eos == 22) ? 0 : 1;
        EXPECT_EQ(Count(Write(1), "\n\nFugacity coefficients\nCO2\t\t0.800000\n\nHomogenisation"), expected);
    }
}

TEST_F(ResultsFile, ReferenceLinesOfTheEquationsOfState)
{
    const std::string clath_head = "clathrate equilibria:";
    const struct {
        int eos;
        const char* line;
    } clathrate[] = {
        {12, "\nChueh & Prausnitz (1967) Ind.Eng.Chem.Fundam., 6, 492-498."},
        {55, "\nSoave (1972) Chem.Eng.Science, 27, 1197-1203."},
        {39, "\nLee & Kesler (1975) Am.Inst.Chem.Eng.J., 21, 510-527."},
        {43, "\nPeng & Robinson (1976) Ind.Eng.Chem.Fundam., 15, 59-64."},
        {17, "\nDuan et al. (1992a,b) Geochim.Cosmochim.Acta, 56, 2605-2617 and 2619-2631."},
        {18, "\nDuan et al. (1996) Geochim.Cosmochim.Acta, 60, 1209-1216."},
        {63, ""},
    };
    for (const auto& c : clathrate) {
        SCOPED_TRACE(c.eos);
        EoSclath = c.eos;
        EXPECT_NE(Write(1).find(clath_head + c.line + "\n\n" + RULE), std::string::npos);
    }

    const std::string vapour_head = "homogeneous gas:";
    const struct {
        int eos;
        std::string lines;
    } vapour[] = {
        {10, "\nBowers & Helgeson (1983) Geochim.Cosmochim.Acta, 47, 1247-1275"
             "\nDreskel (1999) modification of the Bowers & Helgeson (1983) equation"},
        {12, "\nChueh & Prausnitz (1967) Ind.Eng.Chem.Fundam., 6, 492-498."},
        {17, "\nDuan et al. (1992a,b) Geochim.Cosmochim.Acta, 56, 2605-2617 and 2619-2631."},
        {18, "\nDuan et al. (1996) Geochim.Cosmochim.Acta, 60, 1209-1216."},
        {20, "\nDuschek et al. (1990) J.Chem.Thermodyn., 22, 841-864."
             "\nSpan & Wagner (1996) J.Phys.Chem.Ref.Data, 25, 1509-1596."},
        {22, "\nFriend et al. (1991) J.Phys.Chem.Ref.Data, 20,275-347."},
        {30, "\nHolloway (1977, 1981), Flowers (1979) Contrib.Mineral.Petrol., 69, 315-319."},
        {33, "\nJacobsen et al. (1986) J.Phys.Chem.Ref.Data, 15, 735-909"},
        {39, "\nLee & Kesler (1975) Am.Inst.Chem.Eng.J., 21, 510-527."},
        {43, "\nPeng & Robinson (1976) Ind.Eng.Chem.Fundam., 15, 59-64."},
        {48, "\nRedlich & Kwong (1949) Chem.Reviews, 44, 233-244."},
        {53, "\nSetzmann & Wagner (1991) J.Phys.Chem.Ref.Data, 20,1061-1155"},
        {55, "\nSoave (1972) Chem.Eng.Science, 27, 1197-1203."},
        {63, "\nThiery et al. (1994) Eur.J.Mineral., 6, 753-771"
             "\nLee & Kesler (1975) Am.Inst.Chem.Eng.J., 21, 510-527."
             "\nSoave (1972) Chem.Eng.Science, 27, 1197-1203."},
        {56, ""},
        {26, ""},
    };
    for (const auto& c : vapour) {
        SCOPED_TRACE(c.eos);
        EoSvapour = c.eos;
        EXPECT_NE(Write(1).find(vapour_head + c.lines + "\n\n" + RULE), std::string::npos);
    }
}

TEST_F(ResultsFile, WaterModelLine)
{
    const struct {
        int eos;
        const char* line;
    } cases[] = {
        {17, "\n\nEOS : Duan et al. (1992a,b) approximation of volumetric values\n\nVm"},
        {26, "\n\nEOS : Haar et al. (1984) approximation of volumetric values\n\nVm"},
        {0, "\n\nEOS: Default approximation of volumetric values\n\nVm"},
        {18, "\n\nEOS: Default approximation of volumetric values\n\nVm"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.eos);
        EoSaqueous = c.eos;
        EXPECT_EQ(Count(Write(1), c.line), 1);
    }
}

// A failed salinity search may leave no stable structure: the block then
// reads structure 0 with the structure I rows, never an unrelated slot.
TEST_F(ResultsFile, ClathrateSlotFollowsTheStructure)
{
    Molar_Volume[4] = 22.4;
    Molar_Volume[5] = 22.6;
    Molar_Volume[3] = 19.6;
    CO2.Molefraction[4] = 0.15;
    CH4.Molefraction[5] = 0.13;
    const struct {
        int structure;
        const char* block;
    } cases[] = {
        {1, "Structure 1\n\nTm (K)\t278.150000\nPm (MPa)\t12.500000\nVm (cc/mol)\t22.400000"
            "\nD (g/cc)\t0.000000\n\namount-of-substance fractions\nx(CO2)\t\t0.150000\n\n"},
        {2, "Structure 2\n\nTm (K)\t278.150000\nPm (MPa)\t12.500000\nVm (cc/mol)\t22.600000"
            "\nD (g/cc)\t0.000000\n\namount-of-substance fractions\nx(CH4)\t\t0.130000\n\n"},
        {0, "Structure 0\n\nTm (K)\t278.150000\nPm (MPa)\t12.500000\nVm (cc/mol)\t22.400000"
            "\nD (g/cc)\t0.000000\n\namount-of-substance fractions\nx(CO2)\t\t0.150000\n\n"},
        {-1, "Structure 0\n\nTm (K)\t278.150000\nPm (MPa)\t12.500000\nVm (cc/mol)\t22.400000"},
        {3, "Structure 0\n\nTm (K)\t278.150000\nPm (MPa)\t12.500000\nVm (cc/mol)\t22.400000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.structure);
        structure = c.structure;
        EXPECT_NE(Write(1).find(std::string("\n\nClathrate ") + c.block), std::string::npos);
    }
}

// The bulk block follows either non-aqueous volume fraction, whichever slot.
TEST_F(ResultsFile, TotalInclusionOnlyWithVolumeFractions)
{
    const struct {
        double f1, f2;
        int blocks;
    } cases[] = {{0, 0, 0}, {0.3, 0, 1}, {0, 0.3, 1}, {-0.0, 0, 0}};
    Molar_Volume[7] = 18.0;
    H2O.Molefraction[7] = 1.0;
    Fraction[7] = 0.7;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.f1 + 10 * c.f2);
        Fraction[1] = c.f1;
        Fraction[2] = c.f2;
        EXPECT_EQ(Count(Write(1), "\n\n" + RULE + "\nTOTAL FLUID INCLUSION\n\nVm (cc/mol)\t"), c.blocks);
    }
}

// A name that cannot be written is reported to the caller, never taken as
// success: a missing directory, a directory, a full device.
TEST_F(ResultsFile, UnwritableNamesAreReported)
{
    for (const std::string& name : {(dir / "missing" / "r.txt").string(), dir.string()}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(Write_Density_Results(name.c_str(), 1));
    }
    if (std::filesystem::exists("/dev/full")) {
        EXPECT_FALSE(Write_Density_Results("/dev/full", 1));
    }
    // An existing file is truncated and rewritten.
    const std::string path = (dir / "again.txt").string();
    { std::FILE* f = std::fopen(path.c_str(), "w"); std::fputs(std::string(5000, 'x').c_str(), f); std::fclose(f); }
    ASSERT_TRUE(Write_Density_Results(path.c_str(), 1));
    const std::string text = Read_File(path);
    EXPECT_EQ(text.find("xx"), std::string::npos);
    EXPECT_TRUE(Ends_With(text, "\n" + RULE));
}

}  // namespace

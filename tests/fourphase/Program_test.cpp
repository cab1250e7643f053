// Complete runs of the quadruple-point program with scripted answers: the
// paths through its dialogue, what it refuses, the rows of its results file,
// one results file byte for byte, and the salt-free Q2 of pure CO2 against
// the measured quadruple point.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "density/Run_Density.h"

namespace {

const std::string STARS(76, '*');
const std::string END = "\n\n" + std::string(75, '_') + "\nEnd of program";
const std::string NO_SALINITY = "\nERROR!! No salinity found at Q2 melting; no results file is written";

// Answers given one a word, typed one a line.
std::string Lines(const std::string& answers)
{
    std::string text;
    for (char c : answers) text += c == ' ' ? '\n' : c;
    return answers.empty() ? text : text + "\n";
}

Density_Run Run_Fourphase(const std::string& answers)
{
    return Run_Program(FI_FOURPHASE_EXE, Lines(answers));
}

// The number printed after the last occurrence of `label`.
double Last_Number(const std::string& text, const std::string& label)
{
    const std::size_t at = text.rfind(label);
    if (at == std::string::npos) return NAN;
    return std::strtod(text.c_str() + at + label.size(), nullptr);
}

std::string Golden(const std::string& name)
{
    return Read_File(std::string(FI_TEST_DATA) + "/../fourphase/data/" + name);
}

// One answer a word, in dialogue order: melting T (C), clathrate EoS, x(CO2)
// x(CH4) x(N2) x(C2H6), density source, [EoS of a mixture], its value, mode,
// [bubble/dew-point restart], salts, volume fraction, file, limit check
// [with its temperatures], [flash restart].
struct Case {
    const char* name;
    const char* answers;
    bool file;                              // a results file is written
    std::vector<std::string> shown;         // on the console
    std::vector<std::string> not_shown;
};

TEST(FourphaseProgram, PathsThroughTheDialogue)
{
    const std::string rule = "\n" + std::string(75, '_');
    const Case cases[] = {
        {"pure CH4 has no Q2", "8 1 0 1 0 0 3", false,
         {"at Q2:\n\tSetzmann & Wagner (1991) : pure CH4\n" + STARS +
          "\nERROR: pure CH4 gases do not have Q2 melting\n" + STARS + "\n" + rule + END},
         {"\tHomogenisation Temperature (", "AQUEOUS PHASE mixture H2O", "SALINITY"}},
        {"pure N2 has no Q2", "8 1 0 0 1 0 1", false,
         {"\tJacobsen et al. (1986) : pure N2\n" + STARS + "\nERROR: pure N2 gases do not have Q2 melting"},
         {"Molar volume (cc/mol)"}},
        {"pure CO2 by molar volume", "8 1 1 0 0 0 1 60 2 100 0 0 0 n f.txt n", true,
         {"\tDuschek et al. (1990) : pure CO2\n\tMolar volume",
          "\nLiquid-vapour equilibrium pure CO2 (Duschek et al., 1990):\n\n\tTemperature = "},
         {"(1) Redlich"}},
        {"pure CO2 by density", "8 1 1 0 0 0 2 0.75 2 100 0 0 0 n f.txt n", true,
         {"pure CO2 (Duschek et al., 1990):\n\n\tTemperature = "}, {}},
        {"pure CO2 by homogenisation pressure", "8 1 1 0 0 0 4 5 1 100 0 0 0 n f.txt n", true,
         {"\tPressure = 5 MPa\n\tMolar Volume = "}, {}},
        {"pure C2H6 by homogenisation temperature", "8 1 0 0 0 1 3 20 2 100 0 0 0 n f.txt n", true,
         {"\nLiquid-vapour equilibrium pure C2H6 (Friend et al., 1991):\n\n\tTemperature = 293.15 K"}, {}},
        {"Th equal to Tm accepted, 0.01 C lower refused", "8 1 1 0 0 0 3 7.99 8 2 100 0 0 0 n f.txt n", true,
         {"= \tERROR: Th is lower than the clathrate melting temperature\n\tHomogenisation"}, {}},
        {"warning below -20 C", "-22 1 1 0 0 0 3 -21 1 100 0 0 0 n f.txt n", false,
         {"WARNING: Are you sure that clathrate is not present at -21 \xB0" "C?\n\n", NO_SALINITY}, {}},
        {"pure gas above its critical temperature refused", "8 1 1 0 0 0 3 35 20 2 100 0 0 0 n f.txt n", true,
         {"\tERROR: Th exceeds the critical temperature\n\tHomogenisation"}, {}},
        {"pure gas off its curve refused", "8 1 1 0 0 0 4 10 5 1 100 0 0 0 n f.txt n", true,
         {"\tERROR: Ph is not on the liquid-vapour curve\n\tHomogenisation Pressure"}, {}},
        {"limit check above Q2", "12 1 1 0 0 0 3 20 2 100 0 0 0 n f.txt y y 60 10 y 9.9 n", false,
         {// 300 K: no clathrate pressure below 250 MPa, far too high
          "\nPressure (clathrate) = 0 MPa\nTemperature should be lower for equal pressures",
          "New temperature (\xB0" "Celsius) = \tERROR : clathrate melting temperature exceeds model "
          "limits (250-320 K)\nNew temperature",
          "\nERROR!! Clathrate melting temperature should be lower than 9.9 \xF8" "C" + END},
         {"SALINITY CALCULATION"}},
        {"pure CO2 above its critical temperature", "35 1 1 0 0 0 1 70 2 100 0 0 0 n f.txt n", false,
         {"\nNo liquid-vapour equilibrium above the critical temperature", NO_SALINITY},
         {"nan", "Pressure (liquid-vapour)"}},
        {"pure CO2 split outside 0..1", "8 1 1 0 0 0 1 45 2 100 0 0 0 n f.txt n", false,
         {"\tFraction vapour = -0.1367", "\nNo solution: volume fraction is not a value between 0 and 1",
          NO_SALINITY},
         {" iteration:"}},
        // The flash ends on the trivial solution; the stability analysis of
        // the fluid finds its split.
        {"flash on the trivial solution", "8 1 0.9 0.1 0 0 1 5 60 2 100 0 0 0 n f.txt n n", true,
         {"possible trivial solution\nStability analysis: liquid-vapour split at 6.51216 MPa, volume fraction "
          "vapour 0.0402772\n",
          "\nPressure (liquid-vapour) = 6.51216 MPa"},
         {NO_SALINITY}},
        {"Thiery et al. with homogenisation temperature", "8 1 0.9 0.1 0 0 3 9 15 1 n 100 0 0 0 n f.txt n n",
         true,
         {"\nHomogenisation Molar Volume (Lee & Kesler, 1975) = ",
          "\nMolar volumes of coexisting phases according to Lee & Kesler (1975)\n\n\tliquid = "},
         {}},
        {"bad answers asked again", "8 1 x 1 0 0 0 1 60 2 100 0 0 0 n abcdefghij1234567890 /dev/full n f.txt",
         true,
         {"\tx(CO2) = \tERROR: please type a number\n\tx(CO2) = ",
          "\tERROR: the file name may have at most 19 characters",
          "\n\tERROR: cannot write the results file /dev/full\nResults will be available in file : ",
          "\nResults are now available in file : f.txt" + END},
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Density_Run run = Run_Fourphase(c.answers);
        EXPECT_EQ(run.status, 0);
        EXPECT_TRUE(Ends_With(run.transcript, END));
        for (const std::string& text : c.shown) EXPECT_NE(run.transcript.find(text), std::string::npos) << text;
        for (const std::string& text : c.not_shown) EXPECT_EQ(run.transcript.find(text), std::string::npos) << text;
        EXPECT_EQ(run.files.size(), c.file ? 1u : 0u);
    }
}

// The Thiery et al. homogenisation volume of Lee & Kesler becomes Vh only
// after the Q2 calculation; the density stays that of Thiery's volume.
TEST(FourphaseProgram, ThieryHomogenisationVolume)
{
    const Density_Run run = Run_Fourphase("8 1 0.9 0.1 0 0 3 9 15 1 n 100 0 0 0 n f.txt n n");
    ASSERT_EQ(run.files.size(), 1u);
    const std::string& file = run.contents.at("f.txt");
    const double Vlee = Last_Number(run.transcript, "(Lee & Kesler, 1975) = ");
    const double Vh = Last_Number(file, "\nVh (cc/mol)\t");
    EXPECT_NEAR(Vh, Vlee, 1e-5 * Vlee);
    EXPECT_GT(std::fabs(Last_Number(file, "\nDh (g/cc)\t") - (0.9 * 44.0098 + 0.1 * 16.04276) / Vh), 1e-3);
    EXPECT_NE(file.find("\nThiery et al. (1994) Eur.J.Mineral., 6, 753-771\nLee & Kesler (1975) "
                        "Am.Inst.Chem.Eng.J., 21, 510-527.\nSoave (1972) Chem.Eng.Science, 27, 1197-1203."
                        "\n\nAt clathrate"),
              std::string::npos);
}

// Conditional rows of the results file: with and without the aqueous volume
// fraction, homogenisation temperature and pressure only when measured, salt
// rows only for the salts present, the pure-CO2 rows. The whole file of one
// run is checked byte for byte.
TEST(FourphaseProgram, ResultsFileRows)
{
    const Density_Run known = Run_Fourphase("8 1 1 0 0 0 3 20 2 50 0 50 0 y 30 f.txt n");
    const std::string& a = known.contents.at("f.txt");
    EXPECT_EQ(a, Golden("pure_co2_homogenisation.txt"));
    EXPECT_NE(a.find("NON-AQUEOUS PHASES\n\nVolume fraction\t0.700000\n\nAt homogenisation conditions:\n"
                     "\nTh (K)\t293.150000\nPh (MPa)\t"),
              std::string::npos);
    EXPECT_NE(a.find("\namount-of-substance fraction\nx(CO2)\t1.000000\n\nEquation of state for liquid-vapour "
                     "equilibria and homogeneous gas:\nDuschek et al. (1990) J.Chem.Thermodyn., 22, 841-864."
                     "\n\nAt clathrate"),
              std::string::npos);
    EXPECT_NE(a.find("\nNaCl\t\t"), std::string::npos);
    EXPECT_NE(a.find("\nCaCl2\t\t"), std::string::npos);
    EXPECT_EQ(a.find("\nKCl\t\t"), std::string::npos);
    EXPECT_EQ(a.find("\nMgCl2\t\t"), std::string::npos);
    EXPECT_NE(a.find("\nTOTAL FLUID INCLUSION"), std::string::npos);

    const Density_Run unknown = Run_Fourphase("8 1 1 0 0 0 1 56.9 2 100 0 0 0 n f.txt n");
    const std::string& b = unknown.contents.at("f.txt");
    EXPECT_NE(b.find("NON-AQUEOUS PHASES\n\nVolume fraction\t1.000000\n\nAt homogenisation conditions:\n"
                     "\nVh (cc/mol)\t56.900000\n"),
              std::string::npos);
    EXPECT_EQ(b.find("Th (K)"), std::string::npos);
    EXPECT_NE(b.find("(after final clathrate melting)\n\nEOS"), std::string::npos);
    EXPECT_EQ(b.find("TOTAL FLUID INCLUSION"), std::string::npos);
    // The same inclusion gives the same salinity whichever way its density came.
    EXPECT_EQ(Last_Number(b, "\nNaCl\t\t"), Last_Number(Run_Fourphase("8 1 1 0 0 0 3 20 2 100 0 0 0 n f.txt n")
                                                            .contents.at("f.txt"), "\nNaCl\t\t"));
}

// The salt-free Q2 of pure CO2 as a patient user reaches it: temperatures
// typed until the clathrate pressure meets the liquid-vapour pressure within
// 0.0001 MPa ("Good fit!"). Measured: 283.15 K, 4.50 MPa.
TEST(FourphaseProgram, SaltFreeQ2OfCarbonDioxide)
{
    auto pass = [](double celsius, double* Pclath, double* Plv) {
        char answers[160];
        std::snprintf(answers, sizeof answers, "8 1 1 0 0 0 3 20 2 100 0 0 0 n f.txt y y %.12g n", celsius);
        const Density_Run run = Run_Fourphase(answers);
        // The last pass of the limit check, before the salinity calculation.
        const std::string check = run.transcript.substr(0, run.transcript.find("Maximum clathrate"));
        *Pclath = Last_Number(check, "Pressure (clathrate) = ");
        *Plv = Last_Number(check, "Pressure (liquid-vapour) = ");
        return run.transcript;
    };
    double low = 9.0, high = 11.0, Pc = 0, Pl = 0;
    std::string transcript;
    for (int k = 0; k < 40; k++) {
        const double mid = 0.5 * (low + high);
        transcript = pass(mid, &Pc, &Pl);
        if (std::fabs(Pc - Pl) < 1e-4) break;
        (Pc > Pl ? high : low) = mid;
        ASSERT_NE(transcript.find(Pc > Pl ? "Temperature should be lower" : "Temperature should be higher"),
                  std::string::npos);
    }
    ASSERT_NE(transcript.find("\nGood fit! stop iterations"), std::string::npos);
    const double TQ2 = Last_Number(transcript, "in salt-free system) :\n\n\tTemperature = ");
    const double PQ2 = Last_Number(transcript, "\tPressure = ");
    std::printf("Q2 of CO2-H2O: %.3f K, %.4f MPa (measured 283.15 K, 4.50 MPa): %+.3f K, %+.4f MPa\n", TQ2, PQ2,
                TQ2 - 283.15, PQ2 - 4.50);
    EXPECT_NEAR(TQ2, 283.15, 1.0);
    EXPECT_NEAR(PQ2, 4.50, 0.3);
    EXPECT_NEAR(PQ2, Pl, 1e-5);
}

// Input that ends at any question stops the program with the notice and no
// file; what was printed until then is the start of the complete run.
TEST(FourphaseProgram, InputEndingAtEveryQuestion)
{
    const std::string answers = "8 1 0.9 0.1 0 0 2 5 0.5 1 100 0 0 0 y 30 f.txt n n";
    const std::string notice = "\nInput ended before the dialogue was complete; no results were written.";
    const Density_Run full = Run_Fourphase(answers);
    ASSERT_EQ(full.files.size(), 1u);
    for (std::size_t at = 0; at != std::string::npos; at = answers.find(' ', at + 1)) {
        const std::string partial = answers.substr(0, at);
        SCOPED_TRACE(partial);
        const Density_Run run = Run_Fourphase(partial);
        EXPECT_EQ(run.status, 1);
        EXPECT_TRUE(run.files.empty());
        ASSERT_TRUE(Ends_With(run.transcript, notice));
        const std::size_t shown = run.transcript.size() - notice.size();
        EXPECT_EQ(full.transcript.compare(0, shown, run.transcript, 0, shown), 0);
    }
}

}  // namespace

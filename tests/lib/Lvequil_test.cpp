// K-factors and the bubble/dew-point search. The search is driven here by
// model phase functions whose equilibrium is known in closed form (an ideal
// solution obeying Raoult's law with chosen vapour pressures), and by the
// Peng-Robinson equation for a physical check on a CO2-CH4 mixture.
#include <gtest/gtest.h>

#include <cmath>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "Lvequil.h"
#include "lib/Console_Session.h"
#include "Numdef.h"
#include "Peng.h"
#include "Saturati.h"

namespace {

Gas* const Gases[10] = {&H2O, &CO2, &CH4, &N2, &C2H6, &H2S, &NH3, &H2, &O2, &CO};

int Count(const std::string& text, const std::string& what)
{
    int n = 0;
    for (size_t p = text.find(what); p != std::string::npos; p = text.find(what, p + 1)) ++n;
    return n;
}

// Ideal liquid with vapour pressures Ps_i(T) = A_i exp(-B_i / T) and an ideal
// vapour: fugacity coefficients Ps/P in the liquid slot 2 and 1 in slot 1, so
// that K = Ps/P. Bubble pressure: sum z Ps; dew pressure: 1 / sum(z / Ps).
double Model_A[10] = {0, 5366.0, 327.6, 0, 0, 0, 0, 0, 0, 0};
double Model_B[10] = {0, 2000.0, 1000.0, 0, 0, 0, 0, 0, 0, 0};
struct Call { int phase; double T, P; double gas[10]; };
std::vector<Call> Calls;

double Model_Scale = 1.0;
double Model_Psat(int i, double T) { return Model_Scale * Model_A[i] * std::exp(-Model_B[i] / T); }

double Ideal_Solution(int, int phase, double* gas, double*, double T, double P)
{
    Call c{phase, T, P, {}};
    for (int i = 0; i < 10; ++i) c.gas[i] = gas[i];
    Calls.push_back(c);
    for (int i = 0; i < 10; ++i) {
        const double phi = phase == 2 && Model_A[i] > 0.0 ? Model_Psat(i, T) / P : 1.0;
        Gas_Coefficients(i, phase, phi);
        Gas_Fugacities(i, phase, phi * gas[i] * P);
    }
    return phase == 2 ? 40.0 : 8.31451 * T / P;
}

// Every component behaves alike in both phases: the trivial solution.
double Same_Phases(int, int phase, double* gas, double*, double, double P)
{
    for (int i = 0; i < 10; ++i) {
        Gas_Coefficients(i, phase, 0.8);
        Gas_Fugacities(i, phase, 0.8 * gas[i] * P);
    }
    return 100.0;
}

// Peng-Robinson, root by slot: vapour-like in slot 1, liquid-like in slot 2.
double Peng_Phase(int, int phase, double* gas, double*, double T, double P)
{
    const double V = Volume_Peng(phase == 1 ? 2 : 0, gas, T, P);
    if (V > 0.0) Fugacity_Peng(phase, gas, T, P, V);
    return V;
}

class BubbleDew : public ::testing::Test {
protected:
    void SetUp() override
    {
        Calls.clear();
        Model_Scale = 1.0;
        for (int i = 0; i < 10; ++i) Kgas[i] = 1.0;
        for (int j = 0; j < 5; ++j) Ksalt[j] = 1.0;
    }
    double bulk[10] = {0, 0.6, 0.4, 0, 0, 0, 0, 0, 0, 0};
};

TEST(KFactors, RaoultBubbleAndDewPressures)
{
    double w[10] = {0, 0.7, 0.3, 0, 0, 0, 0, 0, 0, 0};
    const double T = 250.0;
    const double Ps1 = CO2_Psat(T), Ps2 = CH4_Psat(T);
    const double Pb = K_Raoult(0, T, w);
    EXPECT_DOUBLE_EQ(Pb, 0.7 * Ps1 + 0.3 * Ps2 + H2O_Psat(T) * 0.0);
    EXPECT_DOUBLE_EQ(Kgas[1], Ps1 / Pb);
    EXPECT_DOUBLE_EQ(Kgas[2], Ps2 / Pb);
    // Raoult's K-factors satisfy the bubble condition sum K z = 1.
    EXPECT_NEAR(Kgas[1] * 0.7 + Kgas[2] * 0.3, 1.0, 1e-15);
    const double Pd = K_Raoult(1, T, w);
    EXPECT_NEAR(Pd, 1.0 / (0.7 / Ps1 + 0.3 / Ps2), 1e-12 * Pd);
    EXPECT_LT(Pd, Pb);

    EXPECT_EQ(K_Raoult(0, 0.0, w), 0.0);
    EXPECT_EQ(K_Raoult(0, -5.0, w), 0.0);
    for (double k : Kgas) EXPECT_EQ(k, 1.0);
}

TEST(KFactors, WilsonCorrelation)
{
    K_Wilson(250.0, 5.0);
    // ln K = ln(Pc/P) + 5.373 (1 + w)(1 - Tc/T) with the tabulated critical data.
    EXPECT_DOUBLE_EQ(Kgas[1], std::exp(std::log(7.38 / 5.0) + 5.373 * 1.225 * (1.0 - 304.2 / 250.0)));
    EXPECT_DOUBLE_EQ(Kgas[2], std::exp(std::log(4.6 / 5.0) + 5.373 * 1.008 * (1.0 - 190.6 / 250.0)));
    EXPECT_DOUBLE_EQ(Kgas[7], std::exp(std::log(1.3 / 5.0) + 5.373 * 0.78 * (1.0 - 33.2 / 250.0)));
    K_Wilson(250.0, 0.0);
    for (double k : Kgas) EXPECT_EQ(k, 1.0);
    K_Wilson(0.0, 5.0);
    for (double k : Kgas) EXPECT_EQ(k, 1.0);
}

TEST(KFactors, FromFugacityCoefficientsAndDensity)
{
    for (int i = 0; i < 10; ++i) {
        Gas_Coefficients(i, 2, 0.5 + i);
        Gas_Coefficients(i, 1, i == 3 ? 0.0 : 2.0);
    }
    NaCl.Coefficient[2] = 3.0;
    NaCl.Coefficient[1] = 1.5;
    KCl.Coefficient[1] = 0.0;
    New_Kfactors(2, 1);
    EXPECT_EQ(Kgas[0], 0.25);
    EXPECT_EQ(Kgas[3], 1.0);  // zero coefficient in the second phase
    EXPECT_EQ(Kgas[9], 4.75);
    EXPECT_EQ(Ksalt[0], 2.0);
    EXPECT_EQ(Ksalt[1], 1.0);

    double gas[10] = {0, 0.5, 0.5, 0, 0, 0, 0, 0, 0, 0};
    double salt[5] = {0.1, 0, 0, 0, 0};
    EXPECT_DOUBLE_EQ(Phase_Density(gas, salt, 50.0),
                     (0.5 * CO2.Mole_Weight + 0.5 * CH4.Mole_Weight + 0.1 * NaCl.Mole_Weight) / 50.0);
    EXPECT_EQ(Phase_Density(gas, salt, 0.0), 0.0);
    EXPECT_EQ(Phase_Density(gas, salt, -1.0), 0.0);
}

TEST_F(BubbleDew, BubblePressureOfAnIdealSolution)
{
    double T = 250.0, P = 1.0;
    Console_Session io("n\n");
    BubbleDew_Point(Ideal_Solution, 1, 48, 2, 1, bulk, empty, &T, &P, 2);
    const double want = 0.6 * Model_Psat(1, 250.0) + 0.4 * Model_Psat(2, 250.0);
    EXPECT_NEAR(P, want, 1e-9 * want);
    EXPECT_EQ(T, 250.0);
    // Results stored in both slots: liquid = bulk, vapour = K z.
    EXPECT_NEAR(CO2.Molefraction[2], 0.6, 1e-12);
    EXPECT_NEAR(CO2.Molefraction[1], 0.6 * Model_Psat(1, 250.0) / want, 1e-9);
    EXPECT_NEAR(Molar_Volume[1], 8.31451 * 250.0 / want, 1e-6);
    EXPECT_NEAR(Density[2], (0.6 * CO2.Mole_Weight + 0.4 * CH4.Mole_Weight) / 40.0, 1e-9);
    const std::string& text = io.out.str();
    EXPECT_NE(text.find("Homogenisation conditions are numerically analysed. Conversion depends on\n"
                        "the chosen initial parameters. The trivial solution may regularly occur,\n"
                        "especially if the temperature exceeds the immiscibility field.\n"
                        "You may adjust the initiation until you reach a satisfying result.\n\n"
                        "Iteration number: 1 2"),
              std::string::npos);
    EXPECT_NE(text.find("\n\nTemperature = 250 K, -23.15 \xB0" "C\nPressure = "), std::string::npos);
    EXPECT_NE(text.find("\n\nPhase 1\t\t40 cc/mol\nx(CO2)\t\t0.6 (f = "), std::string::npos);
    EXPECT_NE(text.find("\nx(CH4)\t\t0.4 (f = "), std::string::npos);
    EXPECT_EQ(text.find("x(N2)"), std::string::npos);  // absent gases are not reported
    EXPECT_EQ(text.find("Warning"), std::string::npos);
    EXPECT_EQ(text.find("No solution"), std::string::npos);
    EXPECT_NE(text.find("\n\nDo you want to change the numerical approximation? (y/n) "), std::string::npos);
}

TEST_F(BubbleDew, DewPressureAndTemperatureSearch)
{
    {
        double T = 250.0, P = 1.0;
        Console_Session io("n\n");
        BubbleDew_Point(Ideal_Solution, 1, 48, 2, 1, bulk, empty, &T, &P, 1);
        const double want = 1.0 / (0.6 / Model_Psat(1, 250.0) + 0.4 / Model_Psat(2, 250.0));
        EXPECT_NEAR(P, want, 1e-9 * want);
        EXPECT_NEAR(CO2.Molefraction[1], 0.6, 1e-12);  // the bulk fluid is the vapour
    }
    {
        // Temperature at which the ideal solution boils at 1.5 MPa.
        double T = 240.0, P = 1.5;
        Console_Session io("n\n");
        BubbleDew_Point(Ideal_Solution, 0, 48, 2, 1, bulk, empty, &T, &P, 2);
        EXPECT_NEAR(0.6 * Model_Psat(1, T) + 0.4 * Model_Psat(2, T), 1.5, 1e-9);
        EXPECT_EQ(P, 1.5);
    }
}

TEST_F(BubbleDew, RaoultStartPointIsEvaluatedWithTheEquationOfState)
{
    // Raoult's start K-factors satisfy the zero function at the start pressure;
    // the search must not stop there but find the model's own bubble pressure.
    double T = 220.0, P = 0.0;
    Model_Scale = 1.5;
    Console_Session io("n\n");
    double pure_co2[10] = {0, 1, 0, 0, 0, 0, 0, 0, 0, 0};
    const double raoult = CO2_Psat(220.0);
    ASSERT_GT(raoult, 0.0);
    ASSERT_LE(raoult, 2.0);
    BubbleDew_Point(Ideal_Solution, 1, 48, 2, 1, pure_co2, empty, &T, &P, 2);
    ASSERT_FALSE(Calls.empty());
    EXPECT_EQ(Calls[0].P, raoult);  // first evaluation at the start point
    EXPECT_NEAR(P, Model_Psat(1, 220.0), 1e-9 * P);
    EXPECT_GT(std::fabs(P - raoult), 0.2);
}

TEST_F(BubbleDew, WilsonStartAboveTwoMegapascalNotAtTwo)
{
    // A CO2-CH4 fluid whose Raoult bubble pressure is exactly 2.0 MPa.
    const double T = 250.0;
    const double Ps_co2 = CO2_Psat(T), Ps_ch4 = CH4_Psat(T);
    double z[10] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    const double w = (Ps_ch4 - 2.0) / (Ps_ch4 - Ps_co2);
    z[1] = w;
    z[2] = 1.0 - w;
    // Nudge the CH4 fraction (steps finer than the spacing of doubles at 2.0).
    auto raoult = [&](double) { return K_Raoult(0, T, z); };
    for (int k = 0; k < 2000 && raoult(w) != 2.0; ++k)
        z[2] = std::nextafter(z[2], raoult(w) < 2.0 ? 10.0 : 0.0);
    ASSERT_EQ(raoult(w), 2.0);
    ASSERT_NEAR(z[1] + z[2], 1.0, 1e-13);
    const double raoult_ratio = Ps_co2 / Ps_ch4 * z[1] / z[2];
    {
        double Tin = T, P = 0.0;
        Console_Session io("n\n");
        BubbleDew_Point(Ideal_Solution, 1, 48, 2, 1, z, empty, &Tin, &P, 2);
        // Raoult's K-factors kept: the first vapour has Raoult's composition.
        ASSERT_GE(Calls.size(), 2u);
        EXPECT_EQ(Calls[0].P, 2.0);
        EXPECT_NEAR(Calls[1].gas[1] / Calls[1].gas[2], raoult_ratio, 1e-9 * raoult_ratio);
    }
    Calls.clear();
    while (raoult(w) <= 2.0) z[2] = std::nextafter(z[2], 10.0);
    {
        double Tin = T, P = 0.0;
        Console_Session io("n\n");
        BubbleDew_Point(Ideal_Solution, 1, 48, 2, 1, z, empty, &Tin, &P, 2);
        // Wilson's K-factors at the Raoult pressure give another first vapour.
        ASSERT_GE(Calls.size(), 2u);
        K_Wilson(T, raoult(w));
        const double wilson_ratio = Kgas[1] / Kgas[2] * z[1] / z[2];
        EXPECT_NEAR(Calls[1].gas[1] / Calls[1].gas[2], wilson_ratio, 1e-9 * wilson_ratio);
        EXPECT_GT(std::fabs(wilson_ratio / raoult_ratio - 1.0), 0.1);
    }
}

TEST_F(BubbleDew, NonPositiveTemperatureStartsAt27315)
{
    double T = -3.0, P = 2.0;
    Model_Scale = 0.38;
    Console_Session io("n\n");
    BubbleDew_Point(Ideal_Solution, 0, 48, 2, 1, bulk, empty, &T, &P, 2);
    ASSERT_FALSE(Calls.empty());
    EXPECT_EQ(Calls[0].T, 273.15);
    EXPECT_NEAR(0.6 * Model_Psat(1, T) + 0.4 * Model_Psat(2, T), 2.0, 1e-9);
}

TEST_F(BubbleDew, TrivialSolutionWarnings)
{
    double T = 250.0, P = 5.0;
    Console_Session io("n\n");
    BubbleDew_Point(Same_Phases, 1, 48, 2, 1, bulk, empty, &T, &P, 2);
    const std::string& text = io.out.str();
    EXPECT_NE(text.find("\nWarning: phases have nearly equal compositions, possible trivial solution"),
              std::string::npos);
    EXPECT_NE(text.find("\nWarning: phases have nearly equal densities, possible trivial solution"),
              std::string::npos);
    EXPECT_EQ(text.find("No solution"), std::string::npos);
}

TEST_F(BubbleDew, RestartDialogueContinuesTheCount)
{
    double T = 250.0, P = 1.0;
    // Upper-case Y refused; a typed composition that does not sum to 1 is asked
    // again; a non-numeric answer asks the same fraction again.
    Console_Session io("Y\ny\n0.5\n0.4\nabc\n0.3\n0.7\n4.0\n1e-10\nn\n");
    BubbleDew_Point(Ideal_Solution, 1, 48, 2, 1, bulk, empty, &T, &P, 2);
    const std::string& text = io.out.str();
    EXPECT_EQ(Count(text, "\nPlease answer with 'y' or 'n'"), 1);
    EXPECT_NE(text.find("\n\tInitial vapour composition (amount-of-substance fractions):\n\n"
                        "\tx(CO2) = \tx(CH4) = \nERROR: sum of fractions is not equal to 1\n"
                        "\tx(CO2) = \tERROR: please type a number\n\tx(CO2) = \tx(CH4) = \n"
                        "\tNew Pressure Approach (in MPa) = \n\tNew Precision (default is 1e-12) = \n"
                        "Iteration number: "),
              std::string::npos)
        << text;
    EXPECT_EQ(Count(text, "Result of Liquid-Vapour Equilibria Calculations"), 2);
    // The count runs on after the restart.
    const size_t first = text.find("Number of iterations : ");
    const size_t second = text.find("Number of iterations : ", first + 1);
    const int n1 = std::stoi(text.substr(first + 23));
    const int n2 = std::stoi(text.substr(second + 23));
    EXPECT_GT(n2, n1);
    EXPECT_NE(text.find("Iteration number:  " + std::to_string(n1 + 1) + " "), std::string::npos);
    const double want = 0.6 * Model_Psat(1, 250.0) + 0.4 * Model_Psat(2, 250.0);
    EXPECT_NEAR(P, want, 1e-8 * want);
}

TEST_F(BubbleDew, DewRestartAsksForTheLiquidAndATemperature)
{
    double T = 250.0, P = 3.0;
    // "yes" is a yes; absolute zero is no start temperature.
    Console_Session io("yes\n0.2\n0.8\n-273.15\n-10\n1e-12\nno\n");
    BubbleDew_Point(Ideal_Solution, 0, 48, 2, 1, bulk, empty, &T, &P, 1);
    const std::string& text = io.out.str();
    EXPECT_NE(text.find("\tInitial liquid composition (amount-of-substance fractions):\n\n"), std::string::npos);
    EXPECT_NE(text.find("\n\tNew Temperature Approach (in \xB0" "C) = \tERROR: the temperature must be above "
                        "absolute zero (-273.15 \xB0" "C)\n\tNew Temperature Approach (in \xB0" "C) = "),
              std::string::npos);
    EXPECT_NEAR(1.0 / (0.6 / Model_Psat(1, T) + 0.4 / Model_Psat(2, T)), 3.0, 1e-9);
}

TEST_F(BubbleDew, EndOfInputAtTheQuestionEndsTheProgram)
{
    double T = 250.0, P = 1.0;
    EXPECT_EXIT(
        {
            Console_Session io("");
            BubbleDew_Point(Ideal_Solution, 1, 48, 2, 1, bulk, empty, &T, &P, 2);
        },
        ::testing::ExitedWithCode(1), "");
}

// Never converges and never diverges: the zero function 1 - K z is
// 1 + (P - 5)^2, which has no root; the damped secant wanders around P = 5.
double No_Root(int, int phase, double* gas, double*, double, double P)
{
    const double K = -(P - 5.0) * (P - 5.0);
    for (int i = 0; i < 10; ++i) {
        Gas_Coefficients(i, phase, phase == 2 ? K : 1.0);
        Gas_Fugacities(i, phase, gas[i] * P);
    }
    return phase == 2 ? 40.0 : 400.0;
}

TEST_F(BubbleDew, ExhaustedIterationsAreReported)
{
    double T = 250.0, P = 1.0;
    double pure[10] = {0, 1, 0, 0, 0, 0, 0, 0, 0, 0};
    Console_Session io("n\n");
    BubbleDew_Point(No_Root, 1, 48, 2, 1, pure, empty, &T, &P, 2);
    const std::string& text = io.out.str();
    EXPECT_NE(text.find(" 10000\nNo convergence after 10000 iterations\n****"), std::string::npos);
    EXPECT_NE(text.find("Number of iterations : 10000"), std::string::npos);
    // 1 - K z = 1 + (P - 5)^2: the vapour fractions cannot add up to 1.
    EXPECT_NE(text.find("\n\nNo solution: summation of a.s.fractions is not equal to 1"), std::string::npos);
    EXPECT_NE(text.find("Do you want to change the numerical approximation? (y/n) "), std::string::npos);
}

TEST_F(BubbleDew, PengRobinsonCarbonDioxideMethane)
{
    // A CO2-rich CO2-CH4 liquid boils between the vapour pressures of pure CO2
    // and (extrapolated) CH4; its dew point at the same temperature lies lower.
    double mix[10] = {0, 0.9, 0.1, 0, 0, 0, 0, 0, 0, 0};
    const double T0 = 260.0;
    double T = T0, Pb = 1.0, Pd = 1.0;
    {
        Console_Session io("n\n");
        BubbleDew_Point(Peng_Phase, 1, 43, 2, 1, mix, empty, &T, &Pb, 2);
    }
    T = T0;
    {
        Console_Session io("n\n");
        BubbleDew_Point(Peng_Phase, 1, 43, 2, 1, mix, empty, &T, &Pd, 1);
    }
    EXPECT_GT(Pb, CO2_Psat(T0));
    EXPECT_LT(Pb, CH4_Psat(T0));
    EXPECT_LT(Pd, Pb);
    EXPECT_GT(Pd, 0.5 * CO2_Psat(T0));
}

// Both phases of the same molar volume, fugacity coefficients as for the ideal
// solution: K-factors differ from 1 but the lever rule has no split.
double Equal_Volumes(int EoS, int phase, double* gas, double* salt, double T, double P)
{
    Ideal_Solution(EoS, phase, gas, salt, T, P);
    return 100.0;
}

// Edge cases of the flash, each with the ideal solution (K = Ps/P, liquid
// 40 cc/mol): a bulk volume equal to the liquid's leaves no vapour (the bubble
// point, split 0); equal phase volumes and a bulk volume of 0 both split 0.5
// by amount in every pass and report no volume fraction.
TEST_F(BubbleDew, FlashEdgeCases)
{
    struct Case { PhaseFunction func; double Vbulk; double frac; };
    const Case cases[3] = {{Ideal_Solution, 40.0, 0.0}, {Equal_Volumes, 60.0, 0.5}, {Ideal_Solution, 0.0, 0.5}};
    const double T = 250.0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Vbulk);
        double P = 4.48, F = 0.5;
        Console_Session io("n\n");
        LiqVap_Equilibrium(c.func, 48, 2, 1, bulk, empty, c.Vbulk, T, &P, &F);
        const std::string& text = io.out.str();
        EXPECT_EQ(F, 0.0);
        EXPECT_NE(text.find("\n\nNo solution: volume fraction is not a value between 0 and 1"), std::string::npos);
        EXPECT_NE(text.find("Temperature = 250 K, -23.15\xB0" "C\n"), std::string::npos);
        // The stored liquid is the bulk split by the fixed amount fraction at the
        // final K-factors.
        for (int i = 1; i <= 2; ++i) {
            EXPECT_NEAR(Gases[i]->Molefraction[2],
                        bulk[i] / (1.0 + c.frac * (Model_Psat(i, T) / P - 1.0)), 1e-9);
        }
        if (c.frac == 0.0) {
            EXPECT_NEAR(P, 0.6 * Model_Psat(1, T) + 0.4 * Model_Psat(2, T), 1e-9 * P);
        }
    }

    // Wilson's K-factors start the flash even below 2 MPa.
    Calls.clear();
    double P = 0.5, F = 0.5;
    K_Wilson(T, P);
    const double K1 = Kgas[1], K2 = Kgas[2];
    Console_Session io("n\n");
    LiqVap_Equilibrium(Ideal_Solution, 48, 2, 1, bulk, empty, 60.0, T, &P, &F);
    const double x1 = 0.6 / (1 + 0.5 * (K1 - 1)), x2 = 0.4 / (1 + 0.5 * (K2 - 1));
    ASSERT_FALSE(Calls.empty());
    EXPECT_NEAR(Calls[0].gas[1], x1 / (x1 + x2), 1e-14);
    EXPECT_EQ(Calls[0].phase, 2);
}

// A flash that runs out of passes says so, reports and asks; its restart asks
// for the liquid, the vapour fraction (0 refused: the mass balance divides by
// it) and a pressure, and continues the count.
TEST_F(BubbleDew, FlashExhaustedAndRestarted)
{
    double pure[10] = {0, 1, 0, 0, 0, 0, 0, 0, 0, 0};
    double T = 250.0, P = 4.48, F = 0.5;
    Console_Session io("y\n1\n0\n0.5\n3\n1e-12\nn\n");
    LiqVap_Equilibrium(No_Root, 48, 2, 1, pure, empty, 100.0, T, &P, &F);
    const std::string& text = io.out.str();
    EXPECT_NE(text.find(" 10000\nNo convergence after 10000 iterations\n****"), std::string::npos);
    EXPECT_NE(text.find("\n\tInitial liquid composition (amount-of-substance fractions):\n\n\tx(CO2) = "
                        "\n\tNew mass fraction of vapour (number between 0 and 1) = \tERROR: the fraction"
                        " must be above 0 and at most 1\n\tNew mass fraction of vapour"),
              std::string::npos);
    EXPECT_NE(text.find("\nIteration number:  10001 "), std::string::npos);
    EXPECT_EQ(Count(text, "No convergence after 10000 iterations"), 2);
}

// A converged split of CO2-CH4 90/10 by Peng & Robinson at 8 C: equal
// fugacities of each gas in both phases, and the two phases in the volume
// fraction found make up the bulk molar volume and composition.
TEST_F(BubbleDew, FlashOfCarbonDioxideMethane)
{
    double mix[10] = {0, 0.9, 0.1, 0, 0, 0, 0, 0, 0, 0};
    const double T = 281.15, Vbulk = 100.0;
    double P = 4.48, F = 0.5;
    Console_Session io("n\n");
    LiqVap_Equilibrium(Peng_Phase, 43, 2, 1, mix, empty, Vbulk, T, &P, &F);
    ASSERT_GT(F, 0.0);
    ASSERT_LT(F, 1.0);
    EXPECT_FALSE(Trivial_Solution(2, 1, mix));
    for (int i = 1; i <= 2; ++i)
        EXPECT_NEAR(Gases[i]->Fugacity[2] / Gases[i]->Fugacity[1], 1.0, 1e-6);
    const double nl = (1 - F) / Molar_Volume[2], nv = F / Molar_Volume[1];
    EXPECT_NEAR(1.0 / (nl + nv), Vbulk, 1e-6 * Vbulk);
    for (int i = 1; i <= 2; ++i)
        EXPECT_NEAR((nl * Gases[i]->Molefraction[2] + nv * Gases[i]->Molefraction[1]) / (nl + nv), mix[i], 1e-6);
}

}  // namespace

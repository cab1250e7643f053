// Clathrate melting solution: the dispatchers route every equation-of-state
// number to its model; water and solid volumes and their pressure integrals;
// the choice of the stable structure; the secant search with its bounds and
// no-convergence report; and the salt-free melting pressures against
// measured hydrate dissociation points.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "Bowers.h"
#include "Chueh.h"
#include "Density.h"
#include "Duan92.h"
#include "Duan96.h"
#include "Elecsol.h"
#include "Friend.h"
#include "Haar84.h"
#include "Hare.h"
#include "Holloway.h"
#include "Jacobsen.h"
#include "Langmuir.h"
#include "Lee.h"
#include "Melting.h"
#include "Numdef.h"
#include "Peng.h"
#include "Redlich.h"
#include "Setzmann.h"
#include "Soave.h"
#include "Span.h"
#include "Thermo1b.h"
#include "Thiery.h"

namespace {

struct Captured_Output {
    std::ostringstream out;
    std::streambuf* old;
    Captured_Output() : old(std::cout.rdbuf(out.rdbuf())) {}
    ~Captured_Output() { std::cout.rdbuf(old); }
};

double Mix[10] = {0, 0.8, 0.15, 0.05, 0, 0, 0, 0, 0, 0};
double Wet[10] = {0.01, 0.8, 0.15, 0.04, 0, 0, 0, 0, 0, 0};
double PureCO2[10] = {0, 1, 0, 0, 0, 0, 0, 0, 0, 0};
double PureCH4[10] = {0, 0, 1, 0, 0, 0, 0, 0, 0, 0};
double PureN2[10] = {0, 0, 0, 1, 0, 0, 0, 0, 0, 0};
double PureC2H6[10] = {0, 0, 0, 0, 1, 0, 0, 0, 0, 0};
double Water[10] = {1, 0, 0, 0, 0, 0, 0, 0, 0, 0};

double Xi(double* x, double T, double P)
{
    return Xi_Thiery(Volume_Soave(2, x, T, P), Volume_Soave(0, x, T, P));
}

TEST(Dispatch, PressureByEquationOfStateNumber)
{
    const double T = 290.0, V = 80.0;
    const double PC = Pressure_Chueh(Mix, T, V);
    struct Case { int eos; double want; double* x; };
    const Case cases[] = {
        {10, Pressure_Bowers(Mix, empty, T, V), Mix},
        {12, PC, Mix},
        {17, Pressure_Duan92(Mix, T, V), Mix},
        {18, Pressure_Duan96(Mix, T, V), Mix},
        {20, Pressure_Span(T, V), PureCO2},
        {56, Pressure_Span(T, V), PureCO2},
        {22, Pressure_Friend(T, V), PureC2H6},
        {30, Pressure_Holloway(Mix, T, V), Mix},
        {33, Pressure_Jacobsen(T, V), PureN2},
        {39, Pressure_Lee(PC, Mix, T, V), Mix},
        {43, Pressure_Peng(Mix, T, V), Mix},
        {48, Pressure_Redlich(Mix, T, V), Mix},
        {53, Pressure_Setzmann(T, V), PureCH4},
        {55, Pressure_Soave(Mix, T, V), Mix},
        {63, Pressure_Thiery(1.0, Mix, T, V), Mix},
    };
    for (const Case& c : cases) {
        EXPECT_GT(c.want, 0.0) << c.eos;
        for (int phase : {1, 2}) EXPECT_EQ(Pressure_Search(c.eos, phase, c.x, T, V), c.want) << c.eos;
    }
    for (int eos : {0, 11, 26, 99}) EXPECT_EQ(Pressure_Search(eos, 1, Mix, T, V), 0.0) << eos;
    for (int phase : {0, 3, 7}) EXPECT_EQ(Pressure_Search(12, phase, Mix, T, V), 0.0) << phase;
    EXPECT_EQ(Pressure_Search(12, 1, Mix, 0.0, V), 0.0);
    EXPECT_EQ(Pressure_Search(12, 1, Mix, T, 0.0), 0.0);
}

TEST(Dispatch, VolumeOfTheNonAqueousPhase)
{
    const double T = 285.0, P = 8.0;
    for (int phase : {1, 2}) {
        const int what = phase == 1 ? 2 : 0;
        double VC = Volume_Chueh(what, Mix, T, P);
        ASSERT_GT(VC, 0.0);
        struct Case { int eos; double want; };
        const Case cases[] = {
            {10, Volume_Bowers(what, Mix, empty, T, P)},
            {12, VC},
            {17, Volume_Duan92(VC, Mix, T, P)},
            {18, Volume_Duan96(VC, Mix, T, P)},
            {30, Volume_Holloway(what, Mix, T, P)},
            {39, Volume_Lee(VC, Mix, T, P)},
            {43, Volume_Peng(what, Mix, T, P)},
            {48, Volume_Redlich(what, Mix, T, P)},
            {55, Volume_Soave(what, Mix, T, P)},
            {63, Volume_Thiery(Xi(Mix, T, P), what, Mix, T, P)},
        };
        for (const Case& c : cases) {
            EXPECT_GT(c.want, 10.0) << c.eos;
            EXPECT_EQ(Volume_Search(c.eos, phase, Mix, T, P), c.want) << c.eos << " slot " << phase;
        }
        for (int eos : {0, 20, 22, 26, 33, 53}) EXPECT_EQ(Volume_Search(eos, phase, Mix, T, P), 0.0) << eos;
    }
    EXPECT_EQ(Volume_Search(12, 1, Mix, 0.0, 5.0), 0.0);
    EXPECT_EQ(Volume_Search(12, 1, Mix, 280.0, 0.0), 0.0);
    EXPECT_EQ(Volume_Search(12, 0, Mix, 280.0, 5.0), 0.0);
    EXPECT_EQ(Volume_Search(12, 8, Mix, 280.0, 5.0), 0.0);
}

TEST(Dispatch, RetryFromALargeStartVolume)
{
    // Pure CO2 vapour at 290 K, 2 MPa: the Duan 1992 search started from the
    // Chueh volume must end on a vapour root above 10 cm3/mol, either directly
    // or after the retry from 1000 cm3/mol.
    const double T = 290.0, P = 2.0;
    for (int eos : {17, 18, 39}) {
        const double V = Volume_Search(eos, 1, PureCO2, T, P);
        EXPECT_GT(V, 900.0) << eos;
        EXPECT_LT(V, 1200.0) << eos;
    }
    // Liquid CO2 at 250 K, 5 MPa: from the Chueh liquid volume the Duan 1992
    // search fails; the retry from 1000 cm3/mol finds the liquid.
    const double VC = Volume_Chueh(0, PureCO2, 250.0, 5.0);
    ASSERT_LE(Volume_Duan92(VC, PureCO2, 250.0, 5.0), 10.0);
    const double V = Volume_Search(17, 2, PureCO2, 250.0, 5.0);
    EXPECT_EQ(V, Volume_Duan92(1000.0, PureCO2, 250.0, 5.0));
    EXPECT_NEAR(V, 41.7, 1.0);
}

TEST(Dispatch, FugacitiesByEquationOfStateNumber)
{
    const double T = 285.0, P = 8.0;
    struct Case { int eos; void (*direct)(int, double*, double, double, double); };
    const Case cases[] = {
        {12, Fugacity_Chueh}, {18, Fugacity_Duan96}, {30, Fugacity_Holloway}, {39, Fugacity_Lee},
        {43, Fugacity_Peng},  {48, Fugacity_Redlich}, {55, Fugacity_Soave},
    };
    for (int phase : {1, 2}) {
        for (const Case& c : cases) {
            const double V = Volume_Search(c.eos, phase, Wet, T, P);
            c.direct(phase, Wet, T, P, V);
            double want[10];
            for (int i = 0; i < 10; ++i) want[i] = Gas_Record(i)->Fugacity[phase];
            for (int i = 0; i < 10; ++i) Gas_Fugacities(i, phase, -1.0);
            EXPECT_EQ(Volume_Fugacity(c.eos, phase, Wet, empty, T, P), V) << c.eos;
            for (int i = 0; i < 10; ++i) EXPECT_EQ(Gas_Record(i)->Fugacity[phase], want[i]) << c.eos << " gas " << i;
        }
        // The three equations with extra arguments.
        double V = Volume_Search(10, phase, Wet, T, P);
        Fugacity_Bowers(phase, Wet, empty, T, P, V);
        double want = CO2.Fugacity[phase];
        CO2.Fugacity[phase] = -1.0;
        Volume_Fugacity(10, phase, Wet, empty, T, P);
        EXPECT_EQ(CO2.Fugacity[phase], want);

        V = Volume_Search(17, phase, Wet, T, P);
        Fugacity_Duan92(phase, Wet, 0.0, T, P, V);
        want = CO2.Fugacity[phase];
        CO2.Fugacity[phase] = -1.0;
        Volume_Fugacity(17, phase, Wet, empty, T, P);
        EXPECT_EQ(CO2.Fugacity[phase], want);

        V = Volume_Search(63, phase, Wet, T, P);
        Fugacity_Thiery(Xi(Wet, T, P), phase, Wet, T, P, V);
        want = CO2.Fugacity[phase];
        CO2.Fugacity[phase] = -1.0;
        Volume_Fugacity(63, phase, Wet, empty, T, P);
        EXPECT_EQ(CO2.Fugacity[phase], want);
    }
    // No volume, no fugacity call.
    CO2.Fugacity[1] = -2.0;
    EXPECT_EQ(Volume_Fugacity(20, 1, PureCO2, empty, T, P), 0.0);
    EXPECT_EQ(Volume_Fugacity(12, 1, PureCO2, empty, T, 0.0), 0.0);
    EXPECT_EQ(CO2.Fugacity[1], -2.0);
}

TEST(Volumes, IceAndEmptyLattices)
{
    struct Case { int slot; double V0, a, b, c; };
    const Case cases[] = {
        {3, 19.6522, 0.0001607, 3.4619e-07, -2.637e-11},
        {4, 22.35, 0.00031075, 5.9537e-07, 1.3707e-10},
        {5, 22.57, 0.00019335, 2.1768e-07, -1.4786e-10},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(Volume_Search(0, c.slot, Mix, 273.15, 0.1), c.V0, 1e-12) << c.slot;
        const double TC = -10.0, P = 50.1;
        const double V0 = c.V0 * (1 + c.a * TC + c.b * TC * TC + c.c * TC * TC * TC);
        EXPECT_NEAR(Volume_Search(0, c.slot, Mix, 263.15, P), V0 * std::exp(-0.0001 * 50.0), 1e-12) << c.slot;
        // Pressure integral of V0 exp(-k (p - 0.1)).
        EXPECT_NEAR(VdP_H2O(c.slot, 263.15, P, 0.1), V0 * (1 - std::exp(-0.0001 * 50.0)) / 0.0001, 1e-9);
    }
    // Ice integrates from P0; the lattices always from 0.1 MPa.
    const double V0 = Volume_Search(0, 3, Mix, 263.15, 0.1);
    EXPECT_NEAR(VdP_H2O(3, 263.15, 40.0, 10.0), V0 * (1 - std::exp(-0.0001 * 30.0)) / 0.0001, 1e-9);
    EXPECT_EQ(VdP_H2O(4, 263.15, 40.0, 10.0), VdP_H2O(4, 263.15, 40.0, 0.1));
    for (int slot : {0, 1, 2, 6}) EXPECT_EQ(VdP_H2O(slot, 280.0, 10.0, 0.1), 0.0);
    EXPECT_EQ(VdP_H2O(7, 280.0, 10.0, 0.0), 0.0);
    EXPECT_EQ(VdP_H2O(7, 280.0, 0.0, 0.1), 0.0);
    EXPECT_EQ(VdP_H2O(7, 0.0, 10.0, 0.1), 0.0);
}

// Simpson's rule on the pure-water volume, found from a start of 17.5 cm3/mol.
double Simpson_Water(double T, double P0, double P)
{
    const int n = 200;
    const double h = (P - P0) / n;
    double sum = 0.0;
    for (int i = 0; i <= n; ++i) {
        const double w = (i == 0 || i == n) ? 1.0 : (i % 2 ? 4.0 : 2.0);
        sum += w * Volume_Haar84(17.5, T, P0 + i * h);
    }
    return sum * h / 3.0;
}

TEST(Volumes, AqueousSolutionAndItsPressureIntegral)
{
    const int aq = aqueous_liquid;
    EXPECT_NEAR(Volume_Search(26, aq, Water, 298.15, 0.1), 18.0684, 5e-5);
    EXPECT_EQ(Volume_Search(26, aq, Water, 298.15, 0.1), Volume_Haar84(17.0, 298.15, 0.1));
    const double duan = Volume_Search(17, aq, Water, 298.15, 0.1);
    EXPECT_GE(duan, 10.0);
    EXPECT_LT(duan, 25.0);
    EXPECT_NEAR(duan, 18.07, 0.3);
    EXPECT_EQ(Volume_Search(12, aq, Water, 298.15, 0.1), 0.0);
    // Supercooled water: the volume at 0 C shifted by the supercooled curve.
    for (int eos : {17, 26}) {
        const double shifted = Volume_Search(eos, aq, Water, 263.15, 5.0);
        EXPECT_NEAR(shifted, Volume_Hare(263.15) + Volume_Search(eos, aq, Water, 273.15, 5.0) - Volume_Hare(273.15), 1e-12) << eos;
    }
    // The pressure integral (J/mol) against Simpson's rule.
    for (double P : {1.0, 30.0, 150.0}) {
        EXPECT_NEAR(VdP_H2O(aq, 290.0, P, 0.1), Simpson_Water(290.0, 0.1, P), 1e-7 * P) << P;
    }
    const double below = VdP_H2O(aq, 263.15, 30.0, 0.1);
    const double shift = Volume_Hare(263.15) - Volume_Hare(273.15);
    EXPECT_NEAR(below, Simpson_Water(273.15, 0.1, 30.0) + shift * (30.0 - 0.1), 1e-6);
}

TEST(Volumes, AqueousFallBackChain)
{
    const int aq = aqueous_liquid;
    for (int i = 0; i < 10; ++i) Gas_Molefractions(i, aq, i == 0 ? 0.98 : (i == 1 ? 0.02 : 0.0));
    EXPECT_GT(Aqueous_Volume(285.0, 10.0), 10.0);
    EXPECT_EQ(EoSaqueous, 17);

    // Nitrogen alone has no Duan et al. (1992) parameters: the search gives up
    // with exactly 18.0, which is no volume, and water takes over.
    for (int i = 0; i < 10; ++i) Gas_Molefractions(i, aq, i == 3 ? 1.0 : 0.0);
    EXPECT_EQ(Volume_Search(17, aq, PureN2, 285.0, 10.0), 18.0);
    EXPECT_EQ(Aqueous_Volume(285.0, 10.0), Volume_Haar84(17.0, 285.0, 10.0));
    EXPECT_EQ(EoSaqueous, 26);

    // Steam at 700 K: neither model finds a liquid-like volume.
    for (int i = 0; i < 10; ++i) Gas_Molefractions(i, aq, i == 0 ? 1.0 : 0.0);
    EXPECT_EQ(Aqueous_Volume(700.0, 1.0), 18.0);
    EXPECT_EQ(EoSaqueous, 0);
}

// One evaluation of the equilibrium function at a fixed state, rebuilt from
// its parts with the published constants: liquid water below 298.15 K with
// the water activity of a CaCl2 solution (three ions per formula unit), and
// the empty lattices of structures I and II with their guests.
TEST(Structure, EquilibriumFunctionFromItsParts)
{
    EoSclath = 12;
    const double T = 278.15, R = 8.31451;
    double P = 3.0;
    double mols[10] = {0, 0, 1.0, 0, 0, 0, 0, 0, 0, 0};
    const double dG = Equation0(1, 2, PureCO2, mols, T, &P, 0.0);
    EXPECT_EQ(P, 3.0);

    const int aq = aqueous_liquid;
    const double phi = Osmotic_Coefficient(0, T, P, mols);
    const double s = 3.0 * 1.0 * H2O.Mole_Weight * 0.001;
    const double activity = std::exp(-phi * s) * (1.0 + s) * H2O.Molefraction[aq];
    EXPECT_NEAR(H2O.Activity[aq], activity, 1e-15);
    EXPECT_LT(activity, 0.96);

    double water[10] = {23741.0238, 0, -27166000.0, 11677000000.0, -2227500000000.0, 159110000000000.0, 0, 0, 0, 0};
    const double G_aq = Gibbs_1b(water, T, 298.15, -285830.0, 69.95) + VdP_H2O(aq, T, P, 0.1) + R * T * std::log(activity);
    EXPECT_NEAR(GibbsTP[aq], G_aq, 1e-9 * std::fabs(G_aq));

    double lattice[10] = {0.384, 0, 0, 0, 0, 0, 0, 0.1406, 0, 0};
    double gas[10], fuga[10] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    for (int i = 0; i < 10; ++i) gas[i] = Gas_Record(i)->Molefraction[1];
    for (int i = 0; i < 5; ++i) fuga[i] = Gas_Record(i)->Fugacity[1];
    const double V = Molar_Volume[1];
    EXPECT_GT(V, 0.0);
    const double G_I = Gibbs_1b(lattice, T, 298.15, -291345.37, 45.1484) + VdP_H2O(4, T, P, 0.1) +
                       HydratePotential(4, gas, T, P, V, fuga);
    const double G_II = Gibbs_1b(lattice, T, 298.15, -291709.47, 45.1334) + VdP_H2O(5, T, P, 0.1) +
                        HydratePotential(5, gas, T, P, V, fuga);
    EXPECT_NEAR(GibbsTP[4], G_I, 1e-9 * std::fabs(G_I));
    EXPECT_NEAR(GibbsTP[5], G_II, 1e-9 * std::fabs(G_II));
    // CO2 forms structure I.
    EXPECT_LT(G_I, G_II);
    EXPECT_EQ(structure, 1);
    EXPECT_NEAR(dG, G_I - G_aq, 1e-9 * std::fabs(G_aq));

    // Above 298.15 K the liquid-water heat capacity has its other form.
    double warm[10] = {104.39, 0, -18471.0, 2930100.0, 0, 0, 0, 0, 0, 0};
    P = 40.0;
    Equation0(1, 2, PureCO2, mols, 300.0, &P, 0.0);
    const double phi_w = Osmotic_Coefficient(0, 300.0, P, mols);
    const double a_w = std::exp(-phi_w * s) * (1.0 + s) * H2O.Molefraction[aq];
    EXPECT_NEAR(GibbsTP[aq], Gibbs_1b(warm, 300.0, 298.15, -285830.0, 69.95) + VdP_H2O(aq, 300.0, P, 0.1) +
                                 R * 300.0 * std::log(a_w), 1e-6);
}

TEST(Structure, LowerGibbsEnergyWinsAndATieGoesToStructureII)
{
    EXPECT_EQ(Stable_Clathrate(-100.0, -99.0), 1);
    EXPECT_EQ(Stable_Clathrate(-99.0, -100.0), 2);
    EXPECT_EQ(Stable_Clathrate(-100.0, -100.0), 2);
}

struct Probe {
    std::vector<double> x;
    double (*f)(double);
};

double Probed(double x, void* context)
{
    Probe& p = *static_cast<Probe*>(context);
    p.x.push_back(x);
    return p.f(x);
}

TEST(Secant, ConvergesInsideTheBounds)
{
    Probe p{{}, [](double x) { return (x - 280.0) * 3.0 + 0.001 * (x - 280.0) * (x - 280.0); }};
    double root = 0, x = 0, fx = 0;
    Captured_Output out;
    ASSERT_TRUE(Melting_Secant(Probed, &p, 270.0, 230.0, 330.0, &root, &x, &fx));
    EXPECT_NEAR(root, 280.0, 1e-6);
    EXPECT_EQ(p.x[0], 270.0);
    EXPECT_EQ(p.x[1], 1.01 * 270.0);
    EXPECT_EQ(out.out.str().substr(0, 15), "\n iteration: 1 ");
}

TEST(Secant, StepBelowTheLowerBoundGoesHalfWay)
{
    // Root at 100 K, below the 230 K bound of the temperature search.
    Probe p{{}, [](double x) { return x - 100.0; }};
    double root = 0, x = 0, fx = 0;
    Captured_Output out;
    Melting_Secant(Probed, &p, 300.0, 230.0, 330.0, &root, &x, &fx);
    ASSERT_GE(p.x.size(), 3u);
    EXPECT_EQ(p.x[1], 303.0);
    EXPECT_DOUBLE_EQ(p.x[2], (303.0 + 230.0) / 2.0);
    for (double xi : p.x) EXPECT_GT(xi, 230.0);
}

TEST(Secant, RootBeyondTheUpperBoundIsNoConvergence)
{
    // The melting pressure lies above 250 MPa: the clamped midpoints creep
    // towards the bound; that is not a solution.
    Probe p{{}, [](double x) { return x - 400.0; }};
    double root = -1, x = 0, fx = 0;
    Captured_Output out;
    EXPECT_FALSE(Melting_Secant(Probed, &p, 1.0, 0.0, 250.0, &root, &x, &fx));
    EXPECT_EQ(root, -1);
    EXPECT_NE(out.out.str().find("No convergence!"), std::string::npos);
    for (double xi : p.x) EXPECT_LE(xi, 250.0);
}

TEST(Secant, FlatFunctionPrintsTheNoConvergenceBlock)
{
    Probe p{{}, [](double) { return 2.5; }};
    double root = -1, x = 0, fx = 0;
    Captured_Output out;
    EXPECT_FALSE(Melting_Secant(Probed, &p, 5.0, 0.0, 7.0, &root, &x, &fx));
    const std::string rule(75, '_');
    EXPECT_EQ(out.out.str(), "\n iteration: 1 \n" + rule + "\nNo convergence!\nLast parameters:\n\tx = 5.05\n\tf(x) = 2.5\n" + rule);
    EXPECT_EQ(p.x.size(), 2u);

    // Zero everywhere: midpoints, never a stop before 201 passes.
    Probe z{{}, [](double) { return 0.0; }};
    Captured_Output out2;
    EXPECT_FALSE(Melting_Secant(Probed, &z, 5.0, 0.0, 7.0, &root, &x, &fx));
    EXPECT_EQ(z.x.size(), 202u);
    EXPECT_NE(out2.out.str().find(" 201 \n"), std::string::npos);
}

TEST(Secant, UnknownMethodIsReportedAsNoConvergence)
{
    Captured_Output out;
    double ratios[10] = {1, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(Sectant(2, 0, Mix, 1.0, ratios, 280.0, 10.0, 60.0), 0.0);
    EXPECT_NE(out.out.str().find("No convergence!"), std::string::npos);
}

// Salt-free melting pressures of simple hydrates (vapour-like gas, Chueh &
// Prausnitz fugacities) against measured three-phase points.
TEST(Melting, SaltFreeDissociationPressures)
{
    std::ifstream data(std::string(FI_TEST_DATA) + "/validation/hydrate_dissociation.tsv");
    ASSERT_TRUE(data.good());
    std::string line;
    std::getline(data, line);
    EoSclath = 12;
    int checked = 0;
    while (std::getline(data, line)) {
        std::istringstream row(line);
        std::string gas;
        double T, P;
        row >> gas >> T >> P;
        double* z = gas == "CO2" ? PureCO2 : gas == "CH4" ? PureCH4 : gas == "N2" ? PureN2 : PureC2H6;
        double calc;
        {
            Captured_Output out;
            calc = Sectant(1, 2, z, 0.0, empty, T, 1.0, 0.0);
        }
        const double dev = (calc - P) / P;
        std::printf("  %-5s %7.2f K  measured %7.3f MPa  model %8.3f MPa  deviation %+6.1f %%\n",
                    gas.c_str(), T, P, calc, 100.0 * dev);
        if (gas == "N2")
            EXPECT_GT(calc, 0.0);
        else
            EXPECT_LT(std::fabs(dev), 0.10) << gas << " " << T;
        ++checked;
    }
    EXPECT_EQ(checked, 9);
}

TEST(Melting, SalinityAtTheMeltingTemperature)
{
    // CO2-rich liquid of 55 cm3/mol, clathrate melting at +8 C: a NaCl solution
    // of a few mol/kg; the reported salt records follow the molality.
    EoSclath = 12;
    EoSvapour = 43;
    double ratios[10] = {0.8, 0.2, 0, 0, 0, 0, 0, 0, 0, 0};
    double m;
    {
        Captured_Output out;
        m = Sectant(3, 0, Mix, 1.0, ratios, 281.15, 0.0, 55.0);
    }
    ASSERT_GT(m, 0.0);
    EXPECT_LT(m, 7.0);
    EXPECT_TRUE(structure == 1 || structure == 2);
    EXPECT_DOUBLE_EQ(NaCl.Molality, 0.8 * m);
    EXPECT_DOUBLE_EQ(KCl.Molality, 0.2 * m);
    const double mM = KCl.Molality * KCl.Mole_Weight;
    EXPECT_DOUBLE_EQ(KCl.Weight, 100.0 * mM / (1000.0 + mM));
    EXPECT_EQ(CaCl2.Molality, 0.0);
    EXPECT_GT(Molar_Volume[aqueous_liquid], 10.0);
    EXPECT_LT(Molar_Volume[aqueous_liquid], 30.0);
    EXPECT_NEAR(Molar_Volume[4], Volume_Search(0, 4, Mix, 281.15, 10.0) * std::exp(-0.0001 * 0.0), 1.0);
    EXPECT_GT(Density[aqueous_liquid], 1.0);
}

}  // namespace

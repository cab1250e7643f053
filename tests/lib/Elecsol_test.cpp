// Osmotic coefficient model: published check values, reference values computed
// independently from the published fits, guards, and the classical 25 C tables.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "Elecsol.h"
#include "Numdef.h"

namespace {

// Tolerance for reference values computed to double precision.
double Rel(double r) { return 1e-9 * std::fabs(r) + 1e-15; }

// Pure water at 25 C, 0.1 MPa, and salt solutions at 1 mol/kg.
TEST(Elecsol, CheckValuesAt25C) {
    EXPECT_NEAR(Density_pureH2O(298.15, 0.1), 997.06, 0.005);
    EXPECT_NEAR(Electrostatic_Term(0, 298.15, 0.1), 0.39145, 0.000005);
    struct { double m[4]; double phi; } cases[] = {
        {{1, 0, 0, 0}, 0.9363}, {{0, 1, 0, 0}, 0.8996}, {{0, 0, 1, 0}, 1.0291},
        {{0, 0, 0, 1}, 1.0991}, {{1, 0, 1, 0}, 1.1339}};
    for (auto& c : cases) EXPECT_NEAR(Osmotic_Coefficient(0, 298.15, 0.1, c.m), c.phi, 0.00005);
}

// Water density and Debye-Hueckel slope away from 25 C, including supercooled water.
TEST(Elecsol, WaterDensityAndSlope) {
    struct { double T, P, rho, aphi; } cases[] = {
        {273.15, 0.1, 999.827886325734, 0.37671216004949},
        {298.15, 100.0, 1037.83597293949, 0.374370403395373},
        {263.15, 10.0, 1003.10279696406, 0.370334516776606},
        {320.0, 50.0, 1010.07992158428, 0.397541389535372},
        {253.15, 50.0, 1017.446755941, 0.359548925978029}};
    for (auto& c : cases) {
        EXPECT_NEAR(Density_pureH2O(c.T, c.P), c.rho, 1e-7) << c.T << " K " << c.P << " MPa";
        EXPECT_NEAR(Electrostatic_Term(0, c.T, c.P), c.aphi, 1e-10) << c.T << " K " << c.P;
    }
}

TEST(Elecsol, WaterGuards) {
    EXPECT_EQ(Electrostatic_Term(0, 182.9, 0.1), 0.39);
    EXPECT_EQ(Electrostatic_Term(0, 298.15, 0.0), 0.39);
    // No volume at zero pressure: the bounded search gives up with 0.0.
    EXPECT_EQ(Density_pureH2O(298.15, 0.0), 0.0);
    EXPECT_EQ(Density_pureH2O(263.15, -1.0), 0.0);
    // The supercooled-water polynomial is not positive near 190 K.
    EXPECT_EQ(Density_pureH2O(190.0, 0.1), 0.0);
    EXPECT_EQ(Electrostatic_Term(0, 190.0, 0.1), 0.0);
}

TEST(Elecsol, ChargesAndIonicStrength) {
    const double z[] = {1.0, 1.0, 2.0, 2.0};
    for (int i = 0; i < 4; i++) EXPECT_EQ(Charge_Cation(i), z[i]);
    EXPECT_EQ(Charge_Cation(4), 0.0);
    EXPECT_EQ(Charge_Cation(-1), 0.0);
    double mc[4] = {0.5, 0.25, 1.0, 2.0}, ma[4] = {7.25, 99, 99, 99};
    EXPECT_DOUBLE_EQ(Ionic_Strength(mc, ma), 0.5 * (0.5 + 0.25 + 4.0 + 8.0 + 7.25));
}

// Guards of the osmotic coefficient: the ion molalities are written, the
// interaction arrays are left alone.
TEST(Elecsol, OsmoticGuards) {
    double zero[4] = {0, 0, 0, 0};
    iCl.Molality = 9.0;
    EXPECT_EQ(Osmotic_Coefficient(0, 298.15, 0.1, zero), 1.0);
    EXPECT_EQ(iCl.Molality, 0.0);

    double m[4] = {1.0, 0.5, 0.25, 0.125};
    struct { double T, P; } bad[] = {{298.15, 0.0}, {298.15, -1.0}, {0.0, 0.1}};
    for (auto& b : bad) {
        BMX[phi][0][0] = 123.0;
        cPsi[0][1][0] = 456.0;
        EXPECT_EQ(Osmotic_Coefficient(0, b.T, b.P, m), 1.0);
        EXPECT_EQ(BMX[phi][0][0], 123.0);
        EXPECT_EQ(cPsi[0][1][0], 456.0);
        EXPECT_EQ(iNa.Molality, 1.0);
        EXPECT_EQ(iK.Molality, 0.5);
        EXPECT_EQ(iCa.Molality, 0.25);
        EXPECT_EQ(iMg.Molality, 0.125);
        EXPECT_EQ(iCl.Molality, 2.25);
    }
}

// Mixtures and other T, P: all theta, psi and both NaCl coefficient sets.
TEST(Elecsol, OsmoticReferenceValues) {
    struct { double T, P, m[4], phi; } cases[] = {
        {298.15, 0.1, {1, 1, 0, 0}, 0.9411840029047},
        {298.15, 0.1, {1, 0, 0, 1}, 1.20133580168569},
        {298.15, 0.1, {0, 1, 1, 0}, 1.05514674234454},
        {298.15, 0.1, {0, 1, 0, 1}, 1.11940227554209},
        {298.15, 0.1, {0, 0, 1, 1}, 1.42205171549639},
        {298.15, 0.1, {0.5, 0.5, 0.5, 0.5}, 1.12280127201512},
        {350.0, 50.0, {2, 0, 0, 0}, 1.002965796624},
        {273.15, 100.0, {2, 0, 0, 0}, 0.990897018145809},
        {263.15, 0.1, {3, 0, 0.5, 0}, 1.11791660932525},
        {250.0, 200.0, {0, 0, 0, 1.5}, 1.40620894453236},
        {400, 30, {1, 0.2, 0.3, 0.1}, 0.960132285210112}};
    for (auto& c : cases)
        EXPECT_NEAR(Osmotic_Coefficient(0, c.T, c.P, c.m), c.phi, 1e-9)
            << c.T << " K " << c.P << " MPa " << c.m[0] << " " << c.m[1] << " " << c.m[2] << " "
            << c.m[3];
}

// Every kind of BMX and CMX for every salt, computed from the published fits;
// per salt: B gex, der, phi, gam, vol, C gex, der, phi, gam, vol.
void ExpectKinds(const double (&ref)[4][10], const char* where) {
    for (int s = 0; s < 4; s++) {
        const double got[10] = {BMX[gex][s][0], BMX[der][s][0], BMX[phi][s][0], BMX[gam][s][0],
                                BMX[vol][s][0], CMX[gex][s][0], CMX[der][s][0], CMX[phi][s][0],
                                CMX[gam][s][0], CMX[vol][s][0]};
        for (int k = 0; k < 10; k++)
            EXPECT_NEAR(got[k], ref[s][k], Rel(ref[s][k]))
                << where << " salt " << s << " entry " << k;
    }
}

TEST(Elecsol, InteractionKinds) {
    const double at25[4][10] = {
        {0.157650835810116, -0.0447853004012032, 0.112865535408913, 0.27051637121903,
         0.0001234280080439329, 0.000703724835339099, 0, 0.0014074496706782, 0.0021111745060173,
         -6.467779780150195e-06},
        {0.114483734529009, -0.0360930224479035, 0.0783907120811056, 0.192874446610115, 0,
         -0.000423229806654692, 0, -0.000846459613309383, -0.00126968941996407, 0},
        {0.806237881755409, -0.276139719494432, 0.530098162260977, 1.33633604401639, 0,
         -4.3240367417702e-05, 0, -8.6480734835404e-05, -0.000129721102253106, 0},
        {0.764750512009583, -0.224533126112108, 0.540217385897475, 1.30496789790706,
         -6.69595255727385e-05, 0.00224643407468741, 0, 0.00449286814937483, 0.00673930222406224,
         -6.88722004875697e-06}};
    // Below the NaCl fit: NaCl constants, the other salts from their polynomials.
    const double at200K[4][10] = {
        {0.186540324855086, -0.090548053603623, 0.141266298053275, 0.327806622908361, 0.0001255,
         0.000635, 0, 0.00127, 0.001905, -6.88e-06},
        {-0.632568298085354, 0.418571293796385, -0.423282651187162, -1.05585094927252, 0,
         0.00908476000000016, 0, 0.0181695200000003, 0.0272542800000005, 0},
        {0.945603375052317, -0.566584731509096, 0.662311009297769, 1.60791438435009, 0,
         0.00410045565555829, 0, 0.00820091131111659, 0.0123013669666749, 0},
        {0.471779513447156, -0.0883727249885208, 0.427593150952896, 0.899372664400052,
         -0.000165152382985746, 0.00688799786621628, 0, 0.0137759957324326, 0.0206639935986488,
         -6.88722004875697e-06}};
    const double at400K[4][10] = {
        {0.170185214585959, -0.0237385199557598, 0.122708174674439, 0.292893389260398,
         2.856653768346803e-05, -0.00203690711265275, 0, -0.0040738142253055, -0.00611072133795825,
         -2.961967636250904e-07},
        {0.141570341747814, -0.0245081727791962, 0.0925539961894219, 0.234124337937236, 0,
         -0.00168787999999967, 0, -0.00337575999999934, -0.00506363999999901, 0},
        {0.760958892566996, -0.161085061834003, 0.43878876889899, 1.19974766146599, 0,
         -0.00309449726437105, 0, -0.0061889945287421, -0.00928349179311315, 0},
        {0.789463302462484, -0.170591153097557, 0.448280996267369, 1.23774429872985,
         2.06586521719444e-05, -0.000515551554163112, 0, -0.00103110310832622,
         -0.00154665466248934, -6.88722004875697e-06}};

    // A NaCl-only solution at I = 1 still fills every salt.
    double nacl[4] = {1, 0, 0, 0};
    Osmotic_Coefficient(0, 298.15, 0.1, nacl);
    ExpectKinds(at25, "298.15 K via Osmotic_Coefficient");
    Binary_Interactions(0, 200.0, 0.1, 0.5);
    Ternary_Interactions(0, 200.0, 0.1, 0.5);
    ExpectKinds(at200K, "200 K");
    Binary_Interactions(0, 400.0, 30.0, 2.0);
    Ternary_Interactions(0, 400.0, 30.0, 2.0);
    ExpectKinds(at400K, "400 K");
}

// NaCl: fitted only for 227 K < T < 680 K and P > 0, with the low set up to
// 338.15 K inclusive. At I = 400 BMX[phi] is beta0 to 1e-17; CMX[gex] is C/2.
TEST(Elecsol, NaClRangeAndSetSwitch) {
    struct { double T, P, beta0, cphi; } fitted[] = {
        {300.0, 0.1, 0.0767074843177092, 0.00120757338349684},
        {338.15, 0.1, 0.0941948664126384, -0.00175299226235594},
        {338.16, 0.1, 0.094316319533637, -0.00176867720225754}};
    for (auto& c : fitted) {
        Binary_Interactions(0, c.T, c.P, 400.0);
        Ternary_Interactions(0, c.T, c.P, 400.0);
        EXPECT_NEAR(BMX[phi][0][0], c.beta0, 1e-12) << c.T;
        EXPECT_NEAR(2.0 * CMX[gex][0][0], c.cphi, 1e-14) << c.T;
    }
    struct { double T, P; } outside[] = {{227.0, 0.1}, {680.0, 0.1}, {300.0, 0.0}};
    for (auto& c : outside) {
        Binary_Interactions(0, c.T, c.P, 400.0);
        Ternary_Interactions(0, c.T, c.P, 400.0);
        EXPECT_NEAR(BMX[phi][0][0], 0.0765, 1e-15) << c.T << " " << c.P;
        EXPECT_EQ(BMX[vol][0][0], 0.0001255);
        EXPECT_EQ(CMX[phi][0][0], 0.00127);
        EXPECT_EQ(CMX[vol][0][0], -6.88e-06);
        // Vanishing ionic strength: both B forms tend to beta0 + beta1.
        Binary_Interactions(0, c.T, c.P, 1e-10);
        EXPECT_NEAR(BMX[gex][0][0], 0.0765 + 0.2664, 1e-5);
        EXPECT_NEAR(BMX[phi][0][0], 0.0765 + 0.2664, 1e-5);
    }
}

// The analytic pressure derivatives of the NaCl fits against central
// differences over 2 kPa; beta1 of NaCl does not depend on P.
TEST(Elecsol, PressureDerivativesOfNaClFits) {
    const double h = 1e-3;
    struct { double T, P; } cases[] = {{260, 0.1},     {300, 50},  {338.15, 200},
                                       {338.16, 1},    {400, 100}, {600, 150}};
    for (auto& c : cases) {
        Binary_Interactions(0, c.T, c.P + h, 1.0);
        Ternary_Interactions(0, c.T, c.P + h, 1.0);
        double b_up = BMX[phi][0][0], c_up = CMX[gex][0][0];
        Binary_Interactions(0, c.T, c.P - h, 1.0);
        Ternary_Interactions(0, c.T, c.P - h, 1.0);
        double b_dn = BMX[phi][0][0], c_dn = CMX[gex][0][0];
        Binary_Interactions(0, c.T, c.P, 1.0);
        Ternary_Interactions(0, c.T, c.P, 1.0);
        double db = (b_up - b_dn) / (2 * h), dc = (c_up - c_dn) / (2 * h);
        EXPECT_NEAR(BMX[vol][0][0], db, 1e-6 * std::fabs(db) + 1e-13) << c.T << " K " << c.P;
        EXPECT_NEAR(CMX[vol][0][0], dc, 1e-6 * std::fabs(dc) + 1e-13) << c.T << " K " << c.P;
    }
}

TEST(Elecsol, JFunction) {
    struct { double x, J, dJ; } quoted[] = {
        {1.0, 0.116437, 0.160527}, {2.0, 0.294161, 0.190606}, {0.5, 0.043508, NAN}};
    for (auto& q : quoted) {
        double dJ = 0.0;
        EXPECT_NEAR(J_function(q.x, &dJ), q.J, 5e-7) << q.x;
        if (!std::isnan(q.dJ)) {
            EXPECT_NEAR(dJ, q.dJ, 5e-7) << q.x;
        }
    }
    double d1 = 0.0, d2 = 0.0;
    double J1 = J_function(1.0, &d1), J2 = J_function(std::nextafter(1.0, 2.0), &d2);
    EXPECT_NEAR(J1, J2, 1e-9);
    EXPECT_NEAR(d1, d2, 1e-9);
    for (double x : {0.01, 0.3, 0.9, 1.5, 3.0, 10.0, 50.0}) {
        double h = 1e-6 * x, dJ = 0.0, dummy;
        double num = (J_function(x + h, &dummy) - J_function(x - h, &dummy)) / (2 * h);
        J_function(x, &dJ);
        EXPECT_NEAR(dJ, num, 1e-7) << x;
    }
}

TEST(Elecsol, MixingAndPsiTerms) {
    cPhi[gex][2][0] = 5.0;
    cPsi[1][0][0] = 5.0;
    // Na-Ca at I = 0.05: x = 0.52, 1.05, 2.09 use both branches of J.
    Mixing_Terms(0, 298.15, 0.05, 0.39);
    EXPECT_NEAR(cPhi[gex][0][2], -0.482776249500307, 1e-12);
    EXPECT_NEAR(cPhi[phi][0][2], -0.254782772721408, 1e-12);
    EXPECT_NEAR(cPhi[der][0][2], 4.55986953557798, 1e-10);
    EXPECT_EQ(cPhi[gex][2][0], 0.0);
    // Cations of equal charge: no unsymmetrical term.
    const int kinds[] = {gex, phi};
    for (int k : kinds) {
        EXPECT_EQ(cPhi[k][0][1], -0.012);
        EXPECT_EQ(cPhi[k][2][3], 0.007);
    }
    EXPECT_EQ(cPhi[der][0][1], 0.0);
    EXPECT_EQ(cPhi[der][2][3], 0.0);
    Psi_Parameters(0, 298.15);
    EXPECT_EQ(cPsi[1][0][0], 0.0);
}

// Single-salt solutions at 25 C against the classical smoothed tables. The
// deviations measure the model's parameters; the bounds document them.
TEST(Elecsol, ClassicalOsmoticTables) {
    std::ifstream in(std::string(FI_TEST_DATA) + "/validation/osmotic_coefficients.tsv");
    ASSERT_TRUE(in.good());
    std::string line;
    std::getline(in, line);
    int rows = 0;
    while (std::getline(in, line)) {
        std::istringstream cells(line);
        std::string salt;
        double T, m, tab;
        if (!(cells >> salt >> T >> m >> tab)) continue;
        double ms[4] = {0, 0, 0, 0};
        double bound;
        if (salt == "NaCl") {
            ms[0] = m;
            bound = 0.0025;
        } else if (salt == "CaCl2") {
            ms[2] = m;
            bound = 0.035;
        } else {
            ADD_FAILURE() << "unknown salt " << salt;
            continue;
        }
        double model = Osmotic_Coefficient(0, T, 0.101325, ms);
        std::printf("  %-6s %5.2f mol/kg  table %.4f  model %.4f  deviation %+.4f\n",
                    salt.c_str(), m, tab, model, model - tab);
        EXPECT_NEAR(model, tab, bound) << salt << " " << m;
        rows++;
    }
    EXPECT_EQ(rows, 10);
}

}  // namespace

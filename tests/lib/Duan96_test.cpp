// Corresponding-states equation of state of Duan et al. (1996).
#include <gtest/gtest.h>

#include <cmath>

#include "Duan96.h"
#include "FugacityCheck.h"
#include "Numdef.h"

namespace {

const double RDuan = 8.314467;  // MPa cm3/(mol K), the equation's own gas constant

Gas* const kGas[10] = {&H2O, &CO2, &CH4, &N2, &C2H6, &H2S, &NH3, &H2, &O2, &CO};

double kCH4[10] = {0, 0, 1, 0, 0, 0, 0, 0, 0, 0};
// H2O-CO2-CH4-N2, amounts summing to 0.95.
double kMixA[10] = {0.05, 0.55, 0.25, 0.10, 0, 0, 0, 0, 0, 0};
double kMixAy[10] = {0.05 / 0.95, 0.55 / 0.95, 0.25 / 0.95, 0.10 / 0.95, 0, 0, 0, 0, 0, 0};
// CO2-CH4-N2 with C2H6.
double kMixC[10] = {0, 0.5, 0.2, 0.1, 0.2, 0, 0, 0, 0, 0};
// The eight species with parameters.
double kMix8[10] = {0.1, 0.3, 0.2, 0.1, 0, 0.1, 0, 0.05, 0.1, 0.05};

void FillSlot(int slot, double phi, double f) {
    for (Gas* g : kGas) {
        g->Coefficient[slot] = phi;
        g->Fugacity[slot] = f;
    }
}

}  // namespace

// Pure species give their own Lennard-Jones parameters; 50/50 binaries give the
// published k1 (epsilon) and k2 (sigma) factors back.
TEST(Duan96, MixtureParameters) {
    const double eps[10] = {510.0, 247.0, 154.0, 101.0, 0.0, 289.5, 0.0, 34.6, 123.7, 98.0};
    const double sig[10] = {2.88, 3.69, 3.691, 3.63, 0.0, 3.693, 0.0, 2.91, 3.365, 3.66};
    for (int i = 0; i < 10; i++) {
        double x[10] = {0};
        x[i] = 1.0;
        EXPECT_NEAR(EpsMixture(x), eps[i], 1e-13 * eps[i]) << i;
        EXPECT_NEAR(SigMixture(x), sig[i], 1e-15 * sig[i]) << i;
    }
    // Pure CH4 is the reference fluid itself.
    EXPECT_EQ(EpsMixture(kCH4), 154.0);
    EXPECT_EQ(SigMixture(kCH4), 3.691);

    struct { int i, j; double k1, k2; } pairs[] = {
        {0, 1, 0.84, 1.03}, {0, 2, 0.98, 1.0}, {0, 3, 0.89, 1.0}, {1, 2, 0.8563, 1.0},
        {2, 3, 0.9221, 1.0}, {1, 3, 1.0, 1.0}, {0, 5, 1.0, 1.0},  {7, 9, 1.0, 1.0},
    };
    for (auto& p : pairs) {
        double x[10] = {0};
        x[p.i] = x[p.j] = 0.5;
        double k1 = (EpsMixture(x) - 0.25 * (eps[p.i] + eps[p.j])) / (0.5 * std::sqrt(eps[p.i] * eps[p.j]));
        double k2 = (SigMixture(x) - 0.25 * (sig[p.i] + sig[p.j])) / (0.25 * (sig[p.i] + sig[p.j]));
        EXPECT_NEAR(k1, p.k1, 1e-13) << p.i << "-" << p.j;
        EXPECT_NEAR(k2, p.k2, 1e-13) << p.i << "-" << p.j;
    }
    EXPECT_NEAR(EpsMixture(kMixAy), 200.511916111976, 1e-12);
    EXPECT_NEAR(SigMixture(kMixAy), 3.6473216066481994, 1e-14);
    EXPECT_NEAR(EpsMixture(kMix8), 189.88174833541469, 1e-12);
    EXPECT_NEAR(SigMixture(kMix8), 3.536413, 1e-14);
}

// C2H6 and NH3 have no parameters: their fractions count in the normalisation
// but not in epsilon and sigma, so the others are weighted by fractions that
// sum to less than 1; alone they leave no mixture at all.
TEST(Duan96, EthaneAndAmmoniaStayOutOfTheMixture) {
    double withC2H6[10] = {0, 0, 0.5, 0, 0.5, 0, 0, 0, 0, 0};
    double withNH3[10] = {0, 0, 0.5, 0, 0, 0, 0.5, 0, 0, 0};
    EXPECT_NEAR(EpsMixture(withC2H6), 0.25 * 154.0, 1e-13);
    EXPECT_NEAR(SigMixture(withC2H6), 0.25 * 3.691, 1e-15);
    EXPECT_NEAR(EpsMixture(withNH3), 0.25 * 154.0, 1e-13);
    EXPECT_NEAR(SigMixture(withNH3), 0.25 * 3.691, 1e-15);

    // A composition with C2H6 against an independent evaluation.
    EXPECT_NEAR(Pressure_Duan96(kMixC, 300, 150), 16.175892328885147, 1e-13 * 16.2);

    double ethane[10] = {0, 0, 0, 0, 1, 0, 0, 0, 0, 0};
    double both[10] = {0, 0, 0, 0, 0.3, 0, 0.7, 0, 0, 0};
    for (double* x : {ethane, both}) {
        EXPECT_EQ(Pressure_Duan96(x, 300, 100), 0.0);
        // The pressure is 0 at every volume: no volume may come back as found,
        // whatever the start (the flat residual lets the secant steps shrink
        // towards 1.3 times the start value).
        for (double first : {10.0, 30.0, 100.0, 500.0, 1000.0})
            EXPECT_EQ(Volume_Duan96(first, x, 300, 5), 0.0) << first;
        FillSlot(1, 0.3, 7.0);
        Fugacity_Duan96(1, x, 300, 5, 100);
        for (Gas* g : kGas) {
            EXPECT_EQ(g->Coefficient[1], 1.0);
            EXPECT_EQ(g->Fugacity[1], 0.0);
        }
    }

    // In a mixture they are ideal: phi = 1 and fugacity y P with y normalised
    // over all ten entries.
    double x[10] = {0, 1.0, 0.4, 0.2, 0.3, 0, 0.1, 0, 0, 0};  // sums to 2
    double V = Volume_Duan96(400, x, 290, 5);
    ASSERT_GT(V, 10.0);
    FillSlot(2, 0.3, 7.0);
    Fugacity_Duan96(2, x, 290, 5, V);
    EXPECT_EQ(C2H6.Coefficient[2], 1.0);
    EXPECT_NEAR(C2H6.Fugacity[2], 0.15 * 5, 1e-15);
    EXPECT_EQ(NH3.Coefficient[2], 1.0);
    EXPECT_NEAR(NH3.Fugacity[2], 0.05 * 5, 1e-15);
    EXPECT_NEAR(CO2.Fugacity[2], CO2.Coefficient[2] * 0.5 * 5, 1e-15);
    EXPECT_NE(CO2.Coefficient[2], 1.0);
}

// Pure CH4: epsilon and sigma are those of the reference, so Tr = T in K and
// Vr = V/1000 (L/mol), and P = Z(T, V/1000) R T/V. At low density
// (Z - 1) Vr tends to the second virial coefficient B(T) = a1 + a2/T^2 + a3/T^3,
// which for methane near 300 K is about -42 cm3/mol.
TEST(Duan96, PureMethaneIsTheReferenceEquation) {
    struct { double T, V, P; } cases[] = {
        {300, 100, 20.572992670123971},
        {250, 60, 28.377536765473424},
    };
    for (auto& c : cases)
        EXPECT_NEAR(Pressure_Duan96(kCH4, c.T, c.V), c.P, 1e-13 * c.P) << c.T;

    double T = 300, V = 1e7;
    double Bvir = (Pressure_Duan96(kCH4, T, V) * V / (RDuan * T) - 1.0) * V;  // cm3/mol
    double Bref = 1000.0 * (0.0375504388 - 10873.0273 / (T * T) + 1109648.61 / (T * T * T));
    EXPECT_NEAR(Bvir, Bref, 1e-3);
    EXPECT_GT(Bvir, -45.0);
    EXPECT_LT(Bvir, -40.0);
}

// Two parameter sets: T < 273.15 K and T >= 273.15 K, the bound itself in the
// upper one; the fugacity follows the same switch.
TEST(Duan96, ParameterColumnSwitchAt273_15) {
    double below = std::nextafter(273.15, 0.0);
    EXPECT_NEAR(Pressure_Duan96(kCH4, 273.15, 60), 37.36733864448726, 1e-13 * 37.4);
    EXPECT_NEAR(Pressure_Duan96(kCH4, below, 60), 37.140100865919917, 1e-13 * 37.1);

    Fugacity_Duan96(1, kCH4, 273.15, 37.36733864448726, 60);
    EXPECT_NEAR(std::log(CH4.Coefficient[1]), -0.50205307063517416, 1e-13);
    Fugacity_Duan96(1, kCH4, below, 37.140100865919917, 60);
    EXPECT_NEAR(std::log(CH4.Coefficient[1]), -0.40468824245566938, 1e-13);
}

// Mixture pressures and fugacity coefficients against an independent
// 40-digit evaluation of the same correlation.
TEST(Duan96, MixturePressureAndFugacity) {
    struct { double* x; double T, V, P; } cases[] = {
        {kMixA, 300, 150, 10.831146496832029},
        {kMixA, 260, 60, 11.081506612842016},
        {kMix8, 320, 80, 22.960024889451738},
        {kMix8, 250, 40, 55.848126507026949},
    };
    for (auto& c : cases)
        EXPECT_NEAR(Pressure_Duan96(c.x, c.T, c.V), c.P, 1e-13 * c.P) << c.T << " " << c.V;

    struct { double* x; double* y; double T, V, P; double lnphi[10]; } fug[] = {
        {kMix8, kMix8, 250, 40, 55.848126507026949,
         {-5.7337137236054586, -2.1025774695760369, -0.24869140313166165, 0.88479937227593186, 0,
          -3.3173629466571055, 0, 3.0645694411130854, 0.066191262779390826, 0.79119296926393151}},
        {kMixA, kMixAy, 300, 150, 10.831146496832029,
         {-0.84695826520989236, -0.4947259834911209, -0.074427113816278004, 0.099647818311400841,
          0, -0.71338500359820473, 0, 0.73526952200271757, 0.028620775019617879,
          0.078450895055235931}},
    };
    for (auto& c : fug) {
        Fugacity_Duan96(1, c.x, c.T, c.P, c.V);
        for (int i = 0; i < 10; i++) {
            EXPECT_NEAR(std::log(kGas[i]->Coefficient[1]), c.lnphi[i], 1e-12) << i;
            EXPECT_NEAR(kGas[i]->Fugacity[1], kGas[i]->Coefficient[1] * c.y[i] * c.P, 1e-13 * c.P) << i;
        }
    }
}

// Where g = a14/Vr^2 reaches 227 the reference equation returns Z = 1 (ideal
// gas): below 273.15 K (a14 = 0.15) already at V < 25.7 cm3/mol of CH4. A
// |ln phi| of 227 or more gives phi = 1 and fugacity y P.
TEST(Duan96, ExponentBounds) {
    EXPECT_NEAR(Pressure_Duan96(kCH4, 250, 25), 0.1 * 0.08314467 * 250 * 1000 / 25, 1e-14 * 83.1);
    EXPECT_NEAR(Pressure_Duan96(kCH4, 250, 26), 2006.9929502194966, 1e-13 * 2007);
    EXPECT_NEAR(Pressure_Duan96(kCH4, 300, 6.29), 0.1 * 0.08314467 * 300 * 1000 / 6.29, 1e-14 * 400);
    EXPECT_NEAR(Pressure_Duan96(kCH4, 300, 6.3), 3141204.8155749222, 1e-13 * 3.2e6);

    // ln phi = 1135.5 at 300 K and 10 cm3/mol.
    double P = Pressure_Duan96(kCH4, 300, 10);
    Fugacity_Duan96(1, kCH4, 300, P, 10);
    EXPECT_EQ(CH4.Coefficient[1], 1.0);
    EXPECT_NEAR(CH4.Fugacity[1], P, 1e-15 * P);
}

// Amounts are normalised; out-of-domain arguments give 0 or the neutral
// fugacity record.
TEST(Duan96, NormalisationAndDomain) {
    double two[10] = {0, 1.0, 1.0, 0, 0, 0, 0, 0, 0, 0};
    double half[10] = {0, 0.5, 0.5, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(Pressure_Duan96(two, 260, 80), Pressure_Duan96(half, 260, 80));
    EXPECT_EQ(Volume_Duan96(80, two, 260, 6), Volume_Duan96(80, half, 260, 6));
    Fugacity_Duan96(1, two, 260, 6, 200);
    double phi = CO2.Coefficient[1], f = CO2.Fugacity[1];
    Fugacity_Duan96(1, half, 260, 6, 200);
    EXPECT_EQ(phi, CO2.Coefficient[1]);
    EXPECT_EQ(f, CO2.Fugacity[1]);

    EXPECT_EQ(Pressure_Duan96(kMixA, 300, 0.0), 0.0);
    EXPECT_EQ(Pressure_Duan96(kMixA, 300, -5.0), 0.0);
    EXPECT_EQ(Pressure_Duan96(kMixA, 0.0, 100), 0.0);
    EXPECT_EQ(Volume_Duan96(100, kMixA, 0.0, 5), 0.0);
    EXPECT_EQ(Volume_Duan96(100, kMixA, -1.0, 5), 0.0);
    EXPECT_EQ(Volume_Duan96(100, kMixA, 300, 0.0), 0.0);
    EXPECT_EQ(Volume_Duan96(100, kMixA, 300, -2.0), 0.0);
    struct { double T, V; } invalid[] = {{300, 0.0}, {300, -10}, {0.0, 100}, {-5, 100}};
    for (auto& s : invalid) {
        FillSlot(2, 0.3, 7.0);
        Fugacity_Duan96(2, kMixA, s.T, 5, s.V);
        for (Gas* g : kGas) {
            EXPECT_EQ(g->Coefficient[2], 1.0);
            EXPECT_EQ(g->Fugacity[2], 0.0);
        }
    }
}

// The volume search returns the volume of the requested pressure, from a start
// near a vapour-like and a liquid-like root and from the dispatcher's
// fallback start of 1000 cm3/mol.
TEST(Duan96, VolumeInvertsPressure) {
    double co2rich[10] = {0, 0.9, 0.07, 0.03, 0, 0, 0, 0, 0, 0};
    struct { double* x; double first, T, P, Vlo, Vhi; } cases[] = {
        {co2rich, 2000, 260, 1.0, 1500, 2500},  // vapour-like
        {co2rich, 1000, 300, 5.0, 300, 500},    // vapour-like, fallback start
        {co2rich, 45, 260, 10.0, 30, 60},       // liquid-like
        {kMixA, 50, 280, 100.0, 30, 70},        // dense, with H2O
        {kMixC, 1000, 300, 20.0, 60, 200},      // with C2H6
        {kCH4, 1000, 300, 20.0, 90, 130},
    };
    for (auto& c : cases) {
        double V = Volume_Duan96(c.first, c.x, c.T, c.P);
        EXPECT_GT(V, c.Vlo) << c.T << " " << c.P;
        EXPECT_LT(V, c.Vhi) << c.T << " " << c.P;
        EXPECT_NEAR(Pressure_Duan96(c.x, c.T, V), c.P, 1e-10 * c.P) << c.T << " " << c.P;
    }
}

// ln phi against the residual Helmholtz energy of the equation's own pressure
// function, at vapour-like and liquid-like states of CO2-CH4-N2, with H2O and
// with C2H6 (whose own phi = 1 is not part of the check).
TEST(Duan96, FugacityConsistentWithPressure) {
    double ccn[10] = {0, 0.6, 0.3, 0.1, 0, 0, 0, 0, 0, 0};
    double wet[10] = {0.1, 0.5, 0.3, 0.1, 0, 0, 0, 0, 0, 0};
    double eth[10] = {0, 0.5, 0.25, 0.1, 0.15, 0, 0, 0, 0, 0};
    struct { double* x; double T, P, first; } states[] = {
        {ccn, 300, 3.0, 800}, {ccn, 255, 15.0, 50}, {wet, 320, 5.0, 500},
        {wet, 260, 40.0, 45}, {eth, 290, 4.0, 550}, {eth, 250, 20.0, 50},
    };
    for (auto& s : states) {
        double V = Volume_Duan96(s.first, s.x, s.T, s.P);
        ASSERT_GT(V, 10.0);
        double P = Pressure_Duan96(s.x, s.T, V);
        Fugacity_Duan96(1, s.x, s.T, P, V);
        double T = s.T;
        TotalPressure Ptot = [T](const double* n, double Vt) {
            double sum = 0;
            for (int j = 0; j < 10; j++) sum += n[j];
            return Pressure_Duan96(const_cast<double*>(n), T, Vt / sum);
        };
        for (int i = 0; i < 4; i++) {
            if (s.x[i] == 0.0) continue;
            double ref = LnPhiFromPressure(Ptot, s.x, RDuan, T, V, i);
            EXPECT_NEAR(std::log(kGas[i]->Coefficient[1]), ref, 1e-9)
                << "species " << i << " T=" << T << " P=" << s.P;
        }
    }
}

// Soave-type equation of state of Thiery et al. (1994) with switching
// interaction parameters.
#include <gtest/gtest.h>

#include <cmath>

#include "Equation.h"
#include "FugacityCheck.h"
#include "Numdef.h"
#include "Soave.h"
#include "Thiery.h"

namespace {

const double Rbar = 83.14511989831328;  // bar cm3/(mol K)
const double R = Rbar / 10.0;           // MPa cm3/(mol K)

Gas* const kGas[10] = {&H2O, &CO2, &CH4, &N2, &C2H6, &H2S, &NH3, &H2, &O2, &CO};

void FillSlot(int slot, double phi, double f) {
    for (Gas* g : kGas) {
        g->Coefficient[slot] = phi;
        g->Fugacity[slot] = f;
    }
}

// Covolume b (to 1e-13, from below): the pressure operation returns 0.0 for V <= b.
double Covolume(double Xi, double* x, double T) {
    double lo = 0.0, hi = 1000.0;
    for (int k = 0; k < 200 && hi - lo > 1e-13 * hi; k++) {
        double mid = 0.5 * (lo + hi);
        (Pressure_Thiery(Xi, x, T, mid) == 0.0 ? lo : hi) = mid;
    }
    return hi;
}

// Mixture a (bar cm6/mol2) and b (cm3/mol) recovered from the pressure function.
void Parameters(double Xi, double* x, double T, double* a, double* b) {
    *b = Covolume(Xi, x, T);
    double V = 10.0 * *b;
    *a = (Rbar * T / (V - *b) - 10.0 * Pressure_Thiery(Xi, x, T, V)) * V * (V + *b);
}

// Interaction parameters ka (on a) and kb (on b) of species i and j at Xi and T,
// from the pure species and the 50/50 binary.
void PairK(int i, int j, double Xi, double T, double* ka, double* kb) {
    double xi[10] = {0}, xj[10] = {0}, xij[10] = {0};
    xi[i] = 1.0;
    xj[j] = 1.0;
    xij[i] = xij[j] = 0.5;
    double ai, bi, aj, bj, aij, bij;
    Parameters(Xi, xi, T, &ai, &bi);
    Parameters(Xi, xj, T, &aj, &bj);
    Parameters(Xi, xij, T, &aij, &bij);
    *ka = 1.0 - (aij - 0.25 * (ai + aj)) / (0.5 * std::sqrt(ai * aj));
    *kb = 1.0 - (bij - 0.25 * (bi + bj)) / (0.25 * (bi + bj));
}

double CO2CH4N2[10] = {0, 0.6, 0.3, 0.1, 0, 0, 0, 0, 0, 0};

}  // namespace

// Pure-species a and b at 300 K follow from the file's own Tc, Pc (bar) and
// acentric factors (647.3/217.6/0.344, 304.21/73.825/0.225, 190.555/45.95/0.013,
// 126.2/33.9/0.04), not from the gas records; pressures are converted from bar.
TEST(Thiery, OwnCriticalConstants) {
    struct { double P, a, b; } pure[4] = {
        {-8.3993338228229467, 9906207.875218291, 21.434945589828797},
        {6.489377615604731, 3747106.7006566968, 29.692427170196693},
        {10.795576660966563, 1777870.6180414637, 29.882057871758061},
        {12.878311740686821, 691962.55736277411, 26.824727950308651},
    };
    Gas saved = CO2;
    CO2.Tcrit = 400.0;
    CO2.Pcrit = 10.0;
    CO2.Acentric = 0.5;
    for (int i = 0; i < 4; i++) {
        double x[10] = {0};
        x[i] = 1.0;
        for (double Xi : {0.0, 1.0}) {
            EXPECT_NEAR(Pressure_Thiery(Xi, x, 300, 200), pure[i].P, 1e-13 * std::fabs(pure[i].P)) << i;
            double a, b;
            Parameters(Xi, x, 300, &a, &b);
            EXPECT_NEAR(b, pure[i].b, 1e-11 * pure[i].b) << i;
            EXPECT_NEAR(a, pure[i].a, 1e-9 * pure[i].a) << i;
        }
    }
    CO2 = saved;
}

// Mixture pressures against an independent 40-digit evaluation, at several Xi
// and temperatures around the centres of the transitions.
TEST(Thiery, MixturePressure) {
    double x[10] = {0.1, 0.5, 0.3, 0.1, 0.3, 0, 0, 0, 0, 0};  // the C2H6 entry is ignored
    struct { double Xi, T, V, P; } cases[] = {
        {0.0, 300, 150, 9.1916231179318326}, {1.0, 300, 150, 9.2824569943177623},
        {0.5, 260, 80, 3.6671203692039626},  {1.0, 255, 80, 2.3691062021201181},
        {0.3, 235, 60, -5.3197323974942306},
    };
    for (auto& c : cases)
        EXPECT_NEAR(Pressure_Thiery(c.Xi, x, c.T, c.V), c.P, 1e-13 * std::fabs(c.P)) << c.Xi << " " << c.T;
}

// Interaction parameters: Xi = 0 gives the non-critical set at any T; Xi = 1
// the near-critical value, which for CO2-CH4 and CO2-N2 moves by
// tanh((T - T0)/w) between its non-critical and near-critical ends; in between
// k = (1 - Xi) kn + Xi K. CH4-N2 has width 0 and stays 0.03; H2O pairs are 0.
TEST(Thiery, InteractionParameters) {
    auto K = [](double kn, double kc, double T0, double w, double Xi, double T) {
        double s = w > 0 ? std::tanh((T - T0) / w) : 1.0;
        return (1 - Xi) * kn + Xi * (kc + kn + s * (kc - kn)) / 2;
    };
    struct Pair { int i, j; double akn, akc, aT0, aw, bkn, bkc, bT0, bw; } pairs[] = {
        {1, 2, 0.1, 0.06, 255, 15, 0, -0.1, 255, 5},
        {1, 3, -0.035, -0.13, 235, 15, 0, -0.08, 235, 15},
        {2, 3, 0.03, 0.03, 0, 0, 0, 0, 0, 0},
        {0, 1, 0, 0, 0, 0, 0, 0, 0, 0},
        {0, 2, 0, 0, 0, 0, 0, 0, 0, 0},
        {0, 3, 0, 0, 0, 0, 0, 0, 0, 0},
    };
    const double Xis[] = {0.0, 0.25, 1.0};
    const double Ts[] = {200, 235, 250, 255, 262, 270, 320};
    for (const Pair& p : pairs)
        for (double Xi : Xis)
            for (double T : Ts) {
                double ka, kb;
                PairK(p.i, p.j, Xi, T, &ka, &kb);
                EXPECT_NEAR(ka, K(p.akn, p.akc, p.aT0, p.aw, Xi, T), 1e-10)
                    << p.i << "-" << p.j << " Xi=" << Xi << " T=" << T;
                EXPECT_NEAR(kb, K(p.bkn, p.bkc, p.bT0, p.bw, Xi, T), 1e-10)
                    << p.i << "-" << p.j << " Xi=" << Xi << " T=" << T;
            }

    // Values at the centres and the ends of the transitions; far from the centre the transition is
    // complete (and the tanh does not overflow).
    struct { int i, j; double Xi, T, ka, kb; } points[] = {
        {1, 2, 0.0, 300, 0.1, 0.0},     {1, 3, 0.0, 235, -0.035, 0.0},
        {1, 2, 1.0, 255, 0.08, -0.05},  {1, 3, 1.0, 235, -0.0825, -0.04},
        {2, 3, 1.0, 150, 0.03, 0.0},    {1, 2, 1.0, 2000, 0.06, -0.1},
        {1, 2, 1.0, 1, 0.1, 0.0},
    };
    for (auto& q : points) {
        double ka, kb;
        PairK(q.i, q.j, q.Xi, q.T, &ka, &kb);
        EXPECT_NEAR(ka, q.ka, 1e-10) << q.i << "-" << q.j << " T=" << q.T;
        EXPECT_NEAR(kb, q.kb, 1e-10) << q.i << "-" << q.j << " T=" << q.T;
    }
}

// The switching parameter from the two Soave volumes: 0 without a liquid-like
// volume, 1 up to a ratio of 1.05 inclusive, exp(-0.5 (1.05 - r)^2) above.
TEST(Thiery, SwitchingParameter) {
    struct { double Vv, Vl, Xi; } cases[] = {
        {100, 0.0, 0.0},  {0.0, 0.0, 0.0}, {100, -3, 0.0},  {80, 80, 1.0},
        {105, 100, 1.0},  {1.05, 1.0, 1.0}, {205, 100, std::exp(-0.5)},
        {2.05, 1.0, std::exp(-0.5)}, {305, 100, std::exp(-2.0)},
        {1.0500001, 1.0, std::exp(-0.5 * 1e-14)},
    };
    for (auto& c : cases) EXPECT_NEAR(Xi_Thiery(c.Vv, c.Vl), c.Xi, 1e-15) << c.Vv << "/" << c.Vl;
    EXPECT_LT(Xi_Thiery(1.0500001, 1.0), 1.0);

    // Supercritical: one root, Vv = Vl, near-critical set. Inside the
    // vapour-liquid loop of CO2 (280 K, 3.5 MPa) the ratio is large.
    double Vv = Volume_Soave(2, CO2CH4N2, 300, 10), Vl = Volume_Soave(0, CO2CH4N2, 300, 10);
    EXPECT_EQ(Vv, Vl);
    EXPECT_EQ(Xi_Thiery(Vv, Vl), 1.0);
    double co2[10] = {0, 1, 0, 0, 0, 0, 0, 0, 0, 0};
    Vv = Volume_Soave(2, co2, 280, 3.5);
    Vl = Volume_Soave(0, co2, 280, 3.5);
    ASSERT_GT(Vv / Vl, 4.0);
    EXPECT_NEAR(Xi_Thiery(Vv, Vl), std::exp(-0.5 * (1.05 - Vv / Vl) * (1.05 - Vv / Vl)), 1e-15);
}

// The volume operation inverts the pressure for both roots of a state with
// three, and picks no root at or below b: pure N2 at 400 MPa and CO2 at
// 2000 MPa have two negative roots besides the volume, and the liquid-like
// selector returns that volume. An empty mixture (a = b = 0) is an ideal gas
// for both selectors.
TEST(Thiery, VolumeRoots) {
    double co2[10] = {0, 1, 0, 0, 0, 0, 0, 0, 0, 0};
    double Vl = Volume_Thiery(1.0, 0, co2, 280, 4.0), Vv = Volume_Thiery(1.0, 2, co2, 280, 4.0);
    EXPECT_GT(Vv, 3.0 * Vl);
    for (double V : {Vl, Vv}) EXPECT_NEAR(Pressure_Thiery(1.0, co2, 280, V), 4.0, 1e-10);
    for (double Xi : {0.0, 0.6}) {
        for (int what : {0, 2}) {
            double V = Volume_Thiery(Xi, what, CO2CH4N2, 230, 3.0);
            EXPECT_NEAR(Pressure_Thiery(Xi, CO2CH4N2, 230, V), 3.0, 1e-10) << what;
        }
        EXPECT_GT(Volume_Thiery(Xi, 2, CO2CH4N2, 230, 3.0), 5.0 * Volume_Thiery(Xi, 0, CO2CH4N2, 230, 3.0));
    }

    double n2[10] = {0, 0, 0, 1, 0, 0, 0, 0, 0, 0};
    struct { double* x; double T, P; } dense[] = {{n2, 300, 400}, {co2, 300, 2000}};
    for (auto& d : dense) {
        double a, b;
        Parameters(1.0, d.x, d.T, &a, &b);
        double P = 10 * d.P;
        double re1, re2, re3, im1, im2, im3;
        Cubic_eq(-Rbar * d.T / P, (a - Rbar * d.T * b - P * b * b) / P, -a * b / P, &re1, &re2, &re3,
                 &im1, &im2, &im3);
        ASSERT_LT(RealChoice3(0, re1, re2, re3, im1, im2, im3), 0.0);
        double V0 = Volume_Thiery(1.0, 0, d.x, d.T, d.P);
        EXPECT_GT(V0, b);
        EXPECT_EQ(V0, Volume_Thiery(1.0, 2, d.x, d.T, d.P));
        EXPECT_NEAR(Pressure_Thiery(1.0, d.x, d.T, V0), d.P, 1e-10 * d.P);
    }

    double ethane[10] = {0, 0, 0, 0, 1, 0, 0, 0, 0, 0};
    double zero[10] = {0};
    for (double* x : {ethane, zero}) {
        for (int what : {0, 2}) EXPECT_NEAR(Volume_Thiery(1.0, what, x, 300, 10), R * 300 / 10, 1e-12 * 250);
        EXPECT_NEAR(Pressure_Thiery(1.0, x, 300, 100), R * 300 / 100, 1e-14 * 25);
    }
}

// Only H2O, CO2, CH4 and N2 are read, and normalised among themselves; the
// records of gas numbers 4 to 9 are never written. Out-of-domain arguments
// give 0, or coefficient 1 and fugacity 0 for the four species.
TEST(Thiery, CompositionAndDomain) {
    double plain[10] = {0.1, 0.5, 0.3, 0.1, 0, 0, 0, 0, 0, 0};
    double extra[10] = {0.2, 1.0, 0.6, 0.2, 0.5, 0.3, 0.2, 0.1, 0.4, 0.3};
    EXPECT_EQ(Pressure_Thiery(0.7, extra, 270, 120), Pressure_Thiery(0.7, plain, 270, 120));
    double V = Volume_Thiery(0.7, 2, plain, 270, 4);
    EXPECT_EQ(Volume_Thiery(0.7, 2, extra, 270, 4), V);
    FillSlot(1, 0.3, 7.0);
    Fugacity_Thiery(0.7, 1, extra, 270, 4, V);
    double phi[4], f[4];
    for (int i = 0; i < 4; i++) {
        phi[i] = kGas[i]->Coefficient[1];
        f[i] = kGas[i]->Fugacity[1];
        EXPECT_NEAR(f[i], phi[i] * plain[i] * 4, 1e-14) << i;
    }
    for (int i = 4; i < 10; i++) {
        EXPECT_EQ(kGas[i]->Coefficient[1], 0.3) << i;
        EXPECT_EQ(kGas[i]->Fugacity[1], 7.0) << i;
    }
    Fugacity_Thiery(0.7, 1, plain, 270, 4, V);
    for (int i = 0; i < 4; i++) {
        EXPECT_EQ(kGas[i]->Coefficient[1], phi[i]);
        EXPECT_EQ(kGas[i]->Fugacity[1], f[i]);
    }

    double b = Covolume(1.0, plain, 270);
    EXPECT_EQ(Pressure_Thiery(1.0, plain, 270, b * (1 - 1e-12)), 0.0);
    EXPECT_EQ(Pressure_Thiery(1.0, plain, 0.0, 100), 0.0);
    EXPECT_EQ(Pressure_Thiery(1.0, plain, -10, 100), 0.0);
    EXPECT_EQ(Volume_Thiery(1.0, 2, plain, 0.0, 5), 0.0);
    EXPECT_EQ(Volume_Thiery(1.0, 2, plain, 270, 0.0), 0.0);
    EXPECT_EQ(Volume_Thiery(1.0, 0, plain, 270, -1.0), 0.0);
    double ethane[10] = {0, 0, 0, 0, 1, 0, 0, 0, 0, 0};
    struct { double* x; double T, P, V; } invalid[] = {
        {plain, 270, 4, b * (1 - 1e-12)}, {plain, 270, 4, 0.5 * b}, {plain, 270, 0.0, V},
        {plain, 270, -4, V},    {plain, 0.0, 4, V},       {plain, -5, 4, V},
        {ethane, 270, 4, 500},  // b = 0
    };
    for (auto& s : invalid) {
        FillSlot(2, 0.3, 7.0);
        Fugacity_Thiery(1.0, 2, s.x, s.T, s.P, s.V);
        for (int i = 0; i < 10; i++) {
            EXPECT_EQ(kGas[i]->Coefficient[2], i < 4 ? 1.0 : 0.3) << i;
            EXPECT_EQ(kGas[i]->Fugacity[2], i < 4 ? 0.0 : 7.0) << i;
        }
    }
}

// |ln phi| of 227 or more gives phi = 1 and fugacity y P: liquid H2O at 20 K.
TEST(Thiery, LnPhiBound) {
    double x[10] = {0.5, 0.5, 0, 0, 0, 0, 0, 0, 0, 0};
    double V = Volume_Thiery(0.0, 0, x, 20, 0.1);
    ASSERT_GT(V, 0.0);
    Fugacity_Thiery(0.0, 2, x, 20, 0.1, V);
    EXPECT_EQ(H2O.Coefficient[2], 1.0);
    EXPECT_NEAR(H2O.Fugacity[2], 0.05, 1e-17);
    // CO2 (ln phi near -105) keeps its coefficient.
    EXPECT_GT(CO2.Coefficient[2], 0.0);
    EXPECT_LT(CO2.Coefficient[2], 1e-40);
}

// ln phi against the residual Helmholtz energy of the equation's own pressure
// function, at fixed Xi, at vapour-like and liquid-like states of CO2-CH4-N2
// and of a mixture with H2O.
TEST(Thiery, FugacityConsistentWithPressure) {
    double wet[10] = {0.05, 0.6, 0.25, 0.1, 0, 0, 0, 0, 0, 0};
    struct { double* x; double Xi, T, P; int what; } states[] = {
        {CO2CH4N2, 0.0, 300, 3.0, 2}, {CO2CH4N2, 1.0, 255, 4.0, 2}, {CO2CH4N2, 0.4, 230, 3.0, 0},
        {CO2CH4N2, 1.0, 240, 20.0, 0}, {wet, 0.7, 310, 5.0, 2},     {wet, 1.0, 260, 30.0, 0},
    };
    for (auto& s : states) {
        double V = Volume_Thiery(s.Xi, s.what, s.x, s.T, s.P);
        ASSERT_GT(V, 0.0);
        Fugacity_Thiery(s.Xi, 1, s.x, s.T, s.P, V);
        double T = s.T, Xi = s.Xi;
        TotalPressure Ptot = [T, Xi](const double* n, double Vt) {
            double sum = 0;
            for (int j = 0; j < 10; j++) sum += n[j];
            return Pressure_Thiery(Xi, const_cast<double*>(n), T, Vt / sum);
        };
        for (int i = 0; i < 4; i++) {
            if (s.x[i] == 0.0) continue;
            double ref = LnPhiFromPressure(Ptot, s.x, R, T, V, i);
            EXPECT_NEAR(std::log(kGas[i]->Coefficient[1]), ref, 1e-9)
                << "species " << i << " T=" << T << " P=" << s.P;
        }
    }
}

// Clathrate solid-solution model (van der Waals & Platteeuw): the chemical
// potential of water in a filled hydrate lattice relative to the empty one,
// from Langmuir constants of Kihara guests in spherical cells.
#include "Langmuir.h"

#include <cmath>

#include "Numdef.h"
#include "Power.h"

double Gaus_dzeta[10] = {0.0765265211, 0.2277858511, 0.3737060887, 0.510867002,
                         0.6360536807, 0.7463319605, 0.8391169718, 0.9122344283,
                         0.9639719273, 0.9931285992};
double Gaus_w[10] = {0.1527533871, 0.1491729865, 0.1420961093, 0.1316886384,
                     0.118194532,  0.1019301198, 0.0832767416, 0.0626720483,
                     0.0406014298, 0.0176140071};

namespace {

const double kBoltzmann = 1.380658e-23;  // J/K
const double kGasConstant = 8.31451;     // J/(mol K)
const double kFourPi = 12.566370614359172;

// Coordination number Z and cell radius Rc (m) of each cavity at 273.15 K and
// 0.101325 MPa; first index structure I / II, second index small / large.
const int Coordination[2][2] = {{20, 24}, {20, 28}};
const double CellRadius[2][2] = {{3.875e-10, 4.3e-10}, {3.87e-10, 4.703e-10}};

// Kihara parameters of the guests, by composition-vector index 1..4
// (CO2, CH4, N2, C2H6): eps/k (K), sigma (pm), core radius a (pm).
const double KiharaEpsK[5] = {0.0, 174.45, 157.73, 124.51, 176.81};
const double KiharaSigma[5] = {0.0, 365.85, 355.48, 349.17, 380.3};
const double KiharaA[5] = {0.0, 34.025, 19.17, 0.0, 28.26};

// Sum over the cell wall of the Kihara interaction, divided by r:
// [(1 - r/Rc - b/Rc)^-N - (1 + r/Rc - b/Rc)^-N] / (N r), with its limit
// 2 Rc^N / (Rc - b)^(N+1) at the cavity centre. The sums are needed for
// N = 10, 11, 4 and 5, all from the same two bases.
const int Wall_N[4] = {10, 11, 4, 5};

double Inner_Base(double r, double Rc, double b) { return 1.0 - r / Rc - b / Rc; }
double Outer_Base(double r, double Rc, double b) { return 1.0 + r / Rc - b / Rc; }

// A guest in one cavity at one temperature and pressure: everything of the
// cell potential that does not depend on the distance from the centre.
struct Guest_Cell {
    double Z;           // coordination number
    double Rc;          // cell radius of the expanded lattice, m
    double eps;         // J
    double b;           // core diameter of the guest, m
    double repulsion;   // (sig - b)^12 / Rc^11
    double attraction;  // (sig - b)^6 / Rc^5
};

// Phase 4 or 5 and cavity 0 or 1 only.
Guest_Cell Guest(int phase, int cavity, double TK, double PMPa, double eps, double sig, double a) {
    const int s = phase - 4;
    Guest_Cell g;
    g.Z = Coordination[s][cavity];
    double Rc = CellRadius[s][cavity];

    // Relative lattice expansion: isothermal compression plus the thermal
    // expansion polynomial of the empty lattice volume.
    double dV = std::exp(-0.0001 * (PMPa - 0.101325)) - 1.0;
    const double TC = TK - 273.15;
    if (phase == 4)
        dV += 1.3707e-10 * TC * TC * TC + 5.9537e-07 * TC * TC + 0.00031075 * TC;
    else
        dV += -1.4786e-10 * TC * TC * TC + 2.1768e-07 * TC * TC + 0.00019335 * TC;
    g.Rc = Rc * std::pow(1.0 + dV, 1.0 / 3.0);
    g.eps = eps;
    g.b = 2.0 * a;
    g.repulsion = std::pow(sig - g.b, 12) / std::pow(g.Rc, 11);
    g.attraction = std::pow(sig - g.b, 6) / std::pow(g.Rc, 5);
    return g;
}

// The cell potential from the four wall sums d[j] of the exponents Wall_N[j].
double Potential_Of_Sums(const Guest_Cell& g, const double* d) {
    return 2.0 * g.Z * g.eps *
           (g.repulsion * (d[0] + (g.b / g.Rc) * d[1]) - g.attraction * (d[2] + (g.b / g.Rc) * d[3]));
}

// The cell potential at r > 0 from the powers inner[j] and outer[j] of the
// two bases to -Wall_N[j].
double Potential_From(const Guest_Cell& g, double r, const double* inner, const double* outer) {
    double d[4];
    for (int j = 0; j < 4; j++) d[j] = (inner[j] - outer[j]) / (Wall_N[j] * r);
    return Potential_Of_Sums(g, d);
}

double Potential(const Guest_Cell& g, double r) {
    if (r == 0.0) {
        double d[4];
        for (int j = 0; j < 4; j++) {
            const int N = Wall_N[j];
            d[j] = 2.0 * std::pow(g.Rc, N) / std::pow(g.Rc - g.b, N + 1);
        }
        return Potential_Of_Sums(g, d);
    }
    double inner[4], outer[4];
    for (int j = 0; j < 4; j++) {
        inner[j] = std::pow(Inner_Base(r, g.Rc, g.b), -Wall_N[j]);
        outer[j] = std::pow(Outer_Base(r, g.Rc, g.b), -Wall_N[j]);
    }
    return Potential_From(g, r, inner, outer);
}

// Potential at the two distances r1, r2 > 0 into w1, w2, the eight powers of
// each formed four at a time where the processor can.
void Potential_Pair(const Guest_Cell& g, double r1, double r2, double& w1, double& w2) {
#ifdef POWER_HAVE_FOUR
    if (Have_Powers_Of_Four() && r1 != 0.0 && r2 != 0.0) {
        const double base[4] = {Inner_Base(r1, g.Rc, g.b), Outer_Base(r1, g.Rc, g.b),
                                Inner_Base(r2, g.Rc, g.b), Outer_Base(r2, g.Rc, g.b)};
        double p[16];
        Inverse_Powers_Of_Four(base, Wall_N, 4, p);
        double inner1[4], outer1[4], inner2[4], outer2[4];
        for (int j = 0; j < 4; j++) {
            inner1[j] = p[4 * j];
            outer1[j] = p[4 * j + 1];
            inner2[j] = p[4 * j + 2];
            outer2[j] = p[4 * j + 3];
        }
        w1 = Potential_From(g, r1, inner1, outer1);
        w2 = Potential_From(g, r2, inner2, outer2);
        return;
    }
#endif
    w1 = Potential(g, r1);
    w2 = Potential(g, r2);
}

}  // namespace

double CellPot(int phase, int cavity, double TK, double PMPa, double r, double eps,
               double sig, double a) {
    if ((phase != 4 && phase != 5) || (cavity != 0 && cavity != 1)) return 0.0;
    return Potential(Guest(phase, cavity, TK, PMPa, eps, sig, a), r);
}

double Langmuir(int phase, int cavity, double TK, double PMPa, double eps, double sig,
                double a) {
    if (TK <= 0.0) return 0.0;
    // C = 4 pi / (kT) * integral over r from 0 to 3e-10 m of exp(-w(r)/kT) r^2,
    // by 20-point Gauss-Legendre around the midpoint y with half-width z.
    const double y = 1.5e-10;
    const double z = 1.5e-10;
    const double kT = kBoltzmann * TK;
    // No cell, no potential: w = 0 at every node.
    const bool cell = (phase == 4 || phase == 5) && (cavity == 0 || cavity == 1);
    Guest_Cell g{};
    if (cell) g = Guest(phase, cavity, TK, PMPa, eps, sig, a);
    double sum = 0.0;
    for (int i = 0; i < 10; i++) {
        const double r1 = y + z * Gaus_dzeta[i];
        const double r2 = y - z * Gaus_dzeta[i];
        double w1 = 0.0, w2 = 0.0;
        if (cell) Potential_Pair(g, r1, r2, w1, w2);
        const double f1 = std::exp(-w1 / kT) * r1 * r1;
        const double f2 = std::exp(-w2 / kT) * r2 * r2;
        sum += Gaus_w[i] * (f1 + f2);
    }
    return kFourPi * sum * z / kT * 1000000.0;  // 1/Pa -> 1/MPa
}

double HydratePotential(int clathrate_phase, double* xgas, double TK, double PMPa,
                        double Vgas, double* Fuga) {
    // Cavities per water molecule: sI 2 small + 6 large per 46 H2O,
    // sII 16 small + 8 large per 136 H2O.
    double n1, n2;
    if (clathrate_phase == 4) {
        n1 = 1.0 / 23.0;
        n2 = 3.0 / 23.0;
    } else if (clathrate_phase == 5) {
        n1 = 2.0 / 17.0;
        n2 = 1.0 / 17.0;
    } else {
        return 0.0;
    }

    double eps[5], sig[5], a[5];
    for (int k = 1; k <= 4; k++) {
        eps[k] = KiharaEpsK[k] * kBoltzmann;
        sig[k] = KiharaSigma[k] * 1e-12;
        a[k] = KiharaA[k] * 1e-12;
    }
    // The CO2 sigma shrinks from the gas-like to the liquid-like value as the
    // molar volume of the coexisting phase falls from 332 to 51 cm3/mol.
    double xi = (332.0 - Vgas) * 0.0035587188612099642;
    if (xi < 0.0) xi = 0.0;
    if (xi > 1.0) xi = 1.0;
    sig[1] = 3.6585e-10 * (1.0 - xi) + 3.6474e-10 * xi;

    double C[5][2], theta[5][2];
    for (int m = 0; m < 2; m++)
        for (int k = 1; k <= 4; k++)
            C[k][m] = Langmuir(clathrate_phase, m, TK, PMPa, eps[k], sig[k], a[k]);

    for (int m = 0; m < 2; m++) {
        double S = 0.0;
        for (int k = 1; k <= 4; k++) S += C[k][m] * Fuga[k];
        for (int k = 1; k <= 4; k++) theta[k][m] = C[k][m] * Fuga[k] / (1.0 + S);
    }

    // Clathrate composition: guests per water molecule, normalised.
    double tot = 0.0;
    for (int k = 1; k <= 4; k++) tot += n1 * theta[k][0] + n2 * theta[k][1];
    double xsum = 0.0;
    for (int k = 1; k <= 4; k++) {
        const double xk = (n2 * theta[k][1] + n1 * theta[k][0]) / (1.0 + tot);
        Gas_Molefractions(k, clathrate_phase, xk);
        xsum += xk;
    }
    H2O.Molefraction[clathrate_phase] = 1.0 - xsum;

    double occ0 = 0.0, occ1 = 0.0;
    for (int k = 1; k <= 4; k++) {
        occ0 += theta[k][0];
        occ1 += theta[k][1];
    }
    const double ideal = kGasConstant * TK * (n1 * std::log(1.0 - occ0) + n2 * std::log(1.0 - occ1));

    // Empirical excess terms of mixed guests (J/mol); the coefficients are not
    // extrapolated below -2 degrees C.
    double Tc = TK - 273.15;
    if (Tc < -2.0) Tc = -2.0;
    const double x1 = xgas[1], x2 = xgas[2], x3 = xgas[3], x4 = xgas[4];
    double excess = 0.0;
    {  // CO2-CH4
        const double W1 = 16.792 * Tc + 119.43;
        const double W2 = 7.5437 * Tc + 33.699;
        excess += x1 * x2 * (W1 * x2 * x2 + W2 * x1 * x1);
    }
    {  // CH4-N2
        const double W1 = 0.42591 * Tc * Tc - 34.053 * Tc + 286.32;
        const double W2 = 5.9032 * Tc * Tc - 128.58 * Tc + 140.45;
        excess += x3 * x2 * (W1 * x2 * x2 + W2 * x3 * x3);
    }
    {  // CH4-C2H6
        const double W1 = -0.70654 * Tc * Tc + 86.956 * Tc - 1756.6;
        const double W2 = -1.7486 * Tc * Tc - 43.155 * Tc + 2057.7;
        excess += x4 * x2 * (W1 * x2 * x2 + W2 * x4 * x4);
    }
    return ideal + excess;
}

// Equation of state of Duan et al. (1996), Geochim. Cosmochim. Acta
// 60, 1209-1216. The reference fluid is methane: its compressibility factor is
//   Z = 1 + B/Vr + C/Vr^2 + D/Vr^4 + E/Vr^5 + (a13/(Tr^3 Vr^2)) (1 + g) exp(-g),
// B = a1 + a2/Tr^2 + a3/Tr^3 (likewise C, D, E with a4..a12), g = a14/Vr^2,
// with Tr = T (K) and Vr the molar volume in L/mol. A mixture is mapped onto it
// by corresponding states: Tr = eps_CH4 T/eps_m, Vr = V/(1000 (sigma_m/sigma_CH4)^3),
// P = P_ref eps_m sigma_CH4^3/(eps_CH4 sigma_m^3), with van der Waals one-fluid
// mixing of the Lennard-Jones parameters. Two parameter sets: below and from
// 273.15 K on.
#include "Duan96.h"

#include <cmath>

#include "Equation.h"
#include "Numdef.h"

namespace {

const double RDuan = 0.08314467;  // L bar/(mol K)

// Lennard-Jones parameters of the reference fluid, CH4.
const double EpsCH4 = 154.0;    // K
const double SigmaCH4 = 3.691;  // Angstrom

// Lennard-Jones parameters in composition-vector order (H2O, CO2, CH4, N2,
// C2H6, H2S, NH3, H2, O2, CO); C2H6 and NH3 have none.
const double Epsilon[10] = {510.0, 247.0, 154.0, 101.0, 0.0, 289.5, 0.0, 34.6, 123.7, 98.0};
const double Sigma[10] = {2.88, 3.69, 3.691, 3.63, 0.0, 3.693, 0.0, 2.91, 3.365, 3.66};

// Species that take part in the mixture.
bool InMixture(int i) { return i != 4 && i != 6; }

// Binary factors on eps_ij (k1) and sigma_ij (k2); 1 for every other pair.
double K1(int i, int j) {
    if (i > j) {
        int t = i;
        i = j;
        j = t;
    }
    if (i == 0 && j == 1) return 0.84;    // H2O-CO2
    if (i == 0 && j == 2) return 0.98;    // H2O-CH4
    if (i == 0 && j == 3) return 0.89;    // H2O-N2
    if (i == 1 && j == 2) return 0.8563;  // CO2-CH4
    if (i == 2 && j == 3) return 0.9221;  // CH4-N2
    return 1.0;
}

double K2(int i, int j) {
    if (i > j) {
        int t = i;
        i = j;
        j = t;
    }
    if (i == 0 && j == 1) return 1.03;  // H2O-CO2
    return 1.0;
}

// Parameters a1..a14 of the reference equation (row 0 unused); column 0 for
// T < 273.15 K, column 1 for T >= 273.15 K.
const double a[15][2] = {
    {0.0, 0.0},
    {0.0592712688, 0.0375504388},
    {-9109.15571, -10873.0273},
    {526110.472, 1109648.61},
    {-0.00114465522, 0.000541589372},
    {146.264019, 112.094559},
    {16081.5415, -5921.91393},
    {5.1865012e-07, 4.37200027e-06},
    {0.0342384124, 0.495790731},
    {-112.378624, -164.902948},
    {2.60952701e-07, -7.07442825e-08},
    {-0.000516950314, 0.00965727297},
    {2.78134012, 0.487945175},
    {-73281.6798, 16225.7402},
    {0.15, 0.00899},
};

int Column(double TK) { return TK < 273.15 ? 0 : 1; }

double ReducedT(double TK, double em) { return EpsCH4 * TK / em; }

double ReducedV(double Vcm, double sm) {
    double s = sm / SigmaCH4;
    return Vcm / (1000.0 * (s * s * s));
}

// Compressibility factor of the reference equation, parameter column i.
double Compressibility(int i, double Tr, double Vr) {
    if (Tr <= 0.0 || Vr <= 0.0) return 0.0;
    double g = a[14][i] / (Vr * Vr);
    if (std::fabs(g) >= 227.0) return 1.0;
    double Tr2 = Tr * Tr, Tr3 = Tr2 * Tr;
    double Vr2 = Vr * Vr, Vr4 = Vr2 * Vr2, Vr5 = Vr4 * Vr;
    return 1.0 + (a[1][i] + a[2][i] / Tr2 + a[3][i] / Tr3) / Vr +
           (a[4][i] + a[5][i] / Tr2 + a[6][i] / Tr3) / Vr2 +
           (a[7][i] + a[8][i] / Tr2 + a[9][i] / Tr3) / Vr4 +
           (a[10][i] + a[11][i] / Tr2 + a[12][i] / Tr3) / Vr5 +
           (a[13][i] / (Tr3 * Vr2)) * (1.0 + g) * std::exp(-g);
}

// Residual of the volume search; nix is not read.
double FV(double Vcm, double* xgas, double* nix, double TK, double PMPa) {
    (void)nix;
    return Pressure_Duan96(xgas, TK, Vcm) - PMPa;
}

}  // namespace

namespace {

// Pair factors of the mixing rules, formed once: k1, sqrt(eps_i eps_j), k2 and
// sigma_i + sigma_j of every pair of the composition vector.
struct Pair_Tables {
    double k1[10][10], root_eps[10][10], k2[10][10], sum_sigma[10][10];
    Pair_Tables()
    {
        for (int i = 0; i < 10; i++)
            for (int j = 0; j < 10; j++) {
                k1[i][j] = K1(i, j);
                root_eps[i][j] = std::sqrt(Epsilon[i] * Epsilon[j]);
                k2[i][j] = K2(i, j);
                sum_sigma[i][j] = Sigma[i] + Sigma[j];
            }
    }
};
const Pair_Tables pairs;

// Normalised composition and mixture parameters of the composition of the
// last pressure or fugacity call, bit for bit as passed: a volume search
// evaluates the pressure many times at one composition.
struct Mixture_Parameters {
    Table_Inputs<10> x;  // as passed
    double y[10];      // normalised
    double em, sm;     // eps_m (K), sigma_m (Angstrom)
};
Mixture_Parameters last;

const Mixture_Parameters& Mixture_Of(double* xgas) {
    if (last.x.Changed(xgas)) {
        Normalise_Fractions(xgas, last.y);
        last.em = EpsMixture(last.y);
        last.sm = SigMixture(last.y);
    }
    return last;
}

}  // namespace

double EpsMixture(double* xgas) {
    double em = 0.0;
    for (int i = 0; i < 10; i++) {
        if (!InMixture(i)) continue;
        for (int j = 0; j < 10; j++) {
            if (!InMixture(j)) continue;
            em += xgas[i] * xgas[j] * pairs.k1[i][j] * pairs.root_eps[i][j];
        }
    }
    return em;
}

double SigMixture(double* xgas) {
    double sm = 0.0;
    for (int i = 0; i < 10; i++) {
        if (!InMixture(i)) continue;
        for (int j = 0; j < 10; j++) {
            if (!InMixture(j)) continue;
            sm += xgas[i] * xgas[j] * pairs.k2[i][j] * pairs.sum_sigma[i][j] / 2.0;
        }
    }
    return sm;
}

double Pressure_Duan96(double* xgas, double TK, double Vcm) {
    const Mixture_Parameters& m = Mixture_Of(xgas);
    const double em = m.em;
    const double sm = m.sm;
    if (!(Vcm > 0.0 && TK > 0.0 && em > 0.0 && sm > 0.0)) return 0.0;
    double Tr = ReducedT(TK, em);
    double Vr = ReducedV(Vcm, sm);
    double Z = Compressibility(Column(TK), Tr, Vr);
    double Pr = Z * RDuan * Tr / Vr;
    double Pbar = Pr * em * (SigmaCH4 * SigmaCH4 * SigmaCH4) / (EpsCH4 * sm * sm * sm);
    return 0.1 * Pbar;
}

double Volume_Duan96(double first, double* xgas, double TK, double PMPa) {
    if (TK <= 0.0 || PMPa <= 0.0) return 0.0;
    // Without a species that has parameters the pressure is 0 at every volume:
    // the residual is flat and the secant steps would shrink to a spurious
    // "converged" volume.
    const Mixture_Parameters& m = Mixture_Of(xgas);
    if (!(m.em > 0.0 && m.sm > 0.0)) return 0.0;
    return RootSectant(FV, 0.9 * first, 1.1 * first, xgas, empty, TK, PMPa, 1e-16, 3000);
}

void Fugacity_Duan96(int phase, double* xgas, double TK, double PMPa, double Vcm) {
    const Mixture_Parameters& m = Mixture_Of(xgas);
    const double* y = m.y;
    const double em = m.em;
    const double sm = m.sm;
    int c = Column(TK);
    double Tr = 0.0, Vr = 0.0, Z = 0.0;
    if (em > 0.0 && sm > 0.0) {
        Tr = ReducedT(TK, em);
        Vr = ReducedV(Vcm, sm);
        Z = Compressibility(c, Tr, Vr);
    }
    if (Z <= 0.0) {
        Unknown_Fugacities(phase);
        return;
    }

    double Tr2 = Tr * Tr, Tr3 = Tr2 * Tr, Tr4 = Tr3 * Tr;
    double Vr2 = Vr * Vr, Vr4 = Vr2 * Vr2, Vr5 = Vr4 * Vr;
    double B = a[1][c] + a[2][c] / Tr2 + a[3][c] / Tr3;
    double C = a[4][c] + a[5][c] / Tr2 + a[6][c] / Tr3;
    double D = a[7][c] + a[8][c] / Tr2 + a[9][c] / Tr3;
    double E = a[10][c] + a[11][c] / Tr2 + a[12][c] / Tr3;
    double g = a[14][c] / Vr2;
    double X = 2.0 - (2.0 + g) * std::exp(-g);

    // ln phi of the reference fluid at (Tr, Vr), and -Tr d(A_res/RT)/dTr of it.
    double L = Z - 1.0 - std::log(Z) + B / Vr + C / (2.0 * Vr2) + D / (4.0 * Vr4) +
               E / (5.0 * Vr5) + a[13][c] * X / (2.0 * a[14][c] * Tr3);
    double L0 = (3.0 * a[3][c] / Tr4 + 2.0 * a[2][c] / Tr3) / Vr +
                (3.0 * a[6][c] / Tr4 + 2.0 * a[5][c] / Tr3) / (2.0 * Vr2) +
                (3.0 * a[9][c] / Tr4 + 2.0 * a[8][c] / Tr3) / (4.0 * Vr4) +
                (3.0 * a[12][c] / Tr4 + 2.0 * a[11][c] / Tr3) / (5.0 * Vr5) +
                3.0 * X * a[13][c] / (2.0 * a[14][c] * Tr4);

    for (int i = 0; i < 10; i++) {
        if (!InMixture(i)) {
            // No parameters: treated as an ideal-gas component.
            Gas_Coefficients(i, phase, 1.0);
            Gas_Fugacities(i, phase, y[i] * PMPa);
            continue;
        }
        double Seps = 0.0, Ssig = 0.0;
        for (int j = 0; j < 10; j++) {
            if (!InMixture(j)) continue;
            Seps += y[j] * pairs.k1[i][j] * pairs.root_eps[i][j];
            Ssig += y[j] * pairs.k2[i][j] * pairs.sum_sigma[i][j] / 2.0;
        }
        double lnphi = L - (2.0 * Tr / em) * L0 * (em - Seps) + (6.0 / sm) * (1.0 - Z) * (sm - Ssig);
        double phi = (std::fabs(lnphi) < 227.0) ? std::exp(lnphi) : 1.0;
        Gas_Coefficients(i, phase, phi);
        Gas_Fugacities(i, phase, phi * y[i] * PMPa);
    }
}

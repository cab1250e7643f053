// Equation of state of Duan et al. (1992a) for the pure fluids H2O, CO2 and CH4
// and of Duan et al. (1992b) for their mixtures.
//
// Pure species, with Vr = V/Vc, Vc = R Tc/Pc and Tr = T/Tc:
//   Z = 1 + B/Vr + C/Vr^2 + D/Vr^4 + E/Vr^5 + (F/Vr^2)(beta + gamma/Vr^2) exp(-gamma/Vr^2),
//   B = b0 + b1/Tr^2 + b2/Tr^3 (C, D, E alike), F = alpha/Tr^3.
// Mixtures: every parameter X of order n in 1/V (B: 1, C and G: 2, D: 4, E: 5,
// F: 2) is combined with the volume factor Vc^n over pairs (B, F), triples
// (C, G), five-fold (D) and six-fold (E) products of mole fractions, with the
// cube-root mean of the species' values. B carries a binary interaction factor
// k1, C and G the ternary factors k2 and k3; all depend on temperature.
// The H2S parameters and its interaction factors with H2O extend the published
// H2O-CO2-CH4 set.
#include "Duan92.h"

#include <cmath>

#include "Equation.h"
#include "Numdef.h"

namespace {

const double R = 8.31451;      // J/(mol K) = MPa cm3/(mol K)
const double Rbar = 83.1451;   // bar cm3/(mol K), for Vc = R Tc/Pc with Pc in bar

// Parameters of the four species, in the order H2O, CO2, CH4, H2S.
struct Species {
    int index;  // position in the composition vector
    double Tc, Pc;  // K, bar
    double b0, b1, b2, c0, c1, c2, d0, d1, d2, e0, e1, e2, alpha, beta, gamma;
};

const Species Data[4] = {
    {0, 647.25, 221.19, 0.086444922, -0.396918955, -0.0573334886, -0.000293893, -0.00415775512,
     0.0199496791, 0.000118901426, 0.000155212063, -0.000106855859, -4.93197687e-06,
     -2.73739155e-06, 2.65571238e-06, 0.00896079018, 4.02, 0.0257},
    {1, 304.2, 73.825, 0.0899288497, -0.494783127, 0.0477922245, 0.0103808883, -0.0282516861,
     0.0949887563, 0.00052060088, -0.000293540971, -0.00177265112, -2.51101973e-05,
     8.93353441e-05, 7.88998563e-05, -0.0166727022, 1.398, 0.0296},
    {2, 190.6, 46.41, 0.0872553928, -0.752599476, 0.375419887, 0.0107291342, 0.0054962636,
     -0.0184772802, 0.000318993183, 0.000211079375, 2.01682801e-05, -1.65606189e-05,
     0.000119614546, -0.000108087289, 0.0448262295, 0.75397, 0.077167},
    {5, 375.55, 89.0, 0.151743382, -0.706584137, 0.222560492, -0.0297785078, 0.0945572292,
     0.024977063, 0.00142719562, -0.00311004493, 0.000482481431, -8.177151e-05,
     0.000271307041, -8.02424647e-05, -0.0420778924, 1.0, 0.02},
};

// Tables of the species present (entry k is the k-th present species),
// rewritten by every Constanten call.
struct Tables {
    double mole[4];  // mole fraction, as passed
    int y[4];        // index in the composition vector
    double Tc[4], Pc[4], Vc[4], Tr[4];  // K, bar, cm3/mol, T/Tc
    double b0[4], b1[4], b2[4], c0[4], c1[4], c2[4], d0[4], d1[4], d2[4], e0[4], e1[4], e2[4];
    double alpha[4], beta[4], gamma[4];
};
Tables t;

// Integral term of ln phi by composition index 0..5 (Modified_LK with what = 4).
double dmu[6];

double Cube(double x) { return x * x * x; }

// Binary interaction factor k1 of B for the species with composition indices
// a != b. Each range runs from the previous bound up to, not including, the next.
double K1(int a, int b, double T) {
    if (a > b) {
        int swap = a;
        a = b;
        b = swap;
    }
    if (a == 0 && b == 1) {  // H2O-CO2
        if (T < 373.15) return 0.20611 + 0.0006 * T;
        if (T < 495.15)
            return -10084.5042 - 4.27134485 * T + 0.00166997474 * T * T + 256477.783 / T +
                   1816.78 * std::log(T);
        if (T < 623.15) return -0.3568 + 0.00078888 * T + 333.399 / T;
        return -4.53122 + 0.0042133 * T + 1619.7 / T;
    }
    if (a == 0 && b == 2) {  // H2O-CH4
        if (T < 513.15) return -0.108948 + 0.00035 * T;
        if (T < 643.15) return -288.48617 + 0.293374 * T + 71329.6552 / T;
        return 42.1575 - 0.05 * T;
    }
    if (a == 1 && b == 2) {  // CO2-CH4
        if (T < 304.15) return 0.38;
        if (T < 498.15) return 1.1;
        return 1.0;
    }
    if (a == 0 && b == 5) {  // H2O-H2S
        if (T < 360.15)
            return -14964.895 - 8.978206 * T + 0.0047 * T * T + 299444.144 / T +
                   2846.856 * std::log(T);
        if (T < 384.15) return 3251.516 - 8.79153235 * T + 0.00791994 * T * T - 400394.523 / T;
        if (T < 519.15)
            return -6298.857 - 2.57966 * T + 0.00097984228 * T * T + 164346.4 / T +
                   1128.8915 * std::log(T);
        if (T < 593.15) return 237.6566 - 0.41384368 * T + 0.000241604586 * T * T - 45263.47 / T;
        return 1.0;
    }
    return 1.0;
}

// Ternary interaction factors k2 (of C) and k3 (of G) for a triple made of the
// two species with composition indices a != b (either of them twice).
void K23(int a, int b, double T, double* k2, double* k3) {
    if (a > b) {
        int swap = a;
        a = b;
        b = swap;
    }
    *k2 = 1.0;
    *k3 = 1.0;
    if (a == 0 && b == 1) {  // H2O-CO2
        if (T < 373.15) {
            *k2 = 0.8023278 - 0.0022206 * T + 184.76824 / T;
            *k3 = 1.80544 - 0.0032605 * T;
        } else if (T < 495.15) {
            *k2 = 9.000263 - 0.00623494 * T - 2307.7125 / T;
            *k3 = -74.1163 + 0.1800496 * T - 0.000140904946 * T * T + 10130.5246 / T;
        } else if (T < 623.15) {
            *k2 = -19.97444 + 0.0192515 * T + 5707.4229 / T;
            *k3 = 12.1308 - 0.0099489 * T - 3042.09583 / T;
        } else {
            *k2 = -163.4855 + 0.190552 * T - 7.228514e-05 * T * T + 46082.885 / T;
            *k3 = 1.7137 - 0.00067136 * T;
        }
    } else if (a == 0 && b == 2) {  // H2O-CH4
        if (T < 363.15) {
            *k2 = 72992.5023 + 41.0912234 * T - 0.020488391 * T * T - 1532639.28 / T -
                  13739.4496 * std::log(T);
            *k3 = 16.6726 - 0.0215979 * T - 2845.934 / T;
        } else if (T < 513.15) {
            *k2 = -36.3512 + 0.08256278 * T - 6.175e-05 * T * T + 5515.0249 / T;
            *k3 = 0.5038515 + 0.00102381 * T;
        } else if (T < 643.15) {
            *k2 = -10.7536 + 0.0135537 * T + 2171.139 / T;
            *k3 = -0.0559 + 0.00163397258 * T;
        }
    } else if (a == 1 && b == 2) {  // CO2-CH4
        if (T < 304.15) {
            *k2 = 1.74094 - 0.0058903 * T;
            *k3 = 1.59;
        } else if (T < 498.15) {
            *k2 = 3.211 - 0.00158 * T - 537.814 / T;
            *k3 = -0.7;
        }
    } else if (a == 0 && b == 5) {  // H2O-H2S: k2 = 1 throughout
        if (T < 360.15)
            *k3 = 10.519382 - 0.0572267 * T + 8.88888889e-05 * T * T;
        else if (T < 384.15)
            *k3 = -31.1 + 0.1785823 * T - 0.00024478215 * T * T;
        else if (T < 593.15)
            *k3 = 3.056323 - 0.0058706224 * T + 4.09873172e-06 * T * T;
    }
}

// Composition copied and divided by its sum unless the sum is 1 or not positive.
void Normalise(const double* xgas, double* x) {
    double sum = 0.0;
    for (int i = 0; i < 10; i++) sum += xgas[i];
    for (int i = 0; i < 10; i++) x[i] = (sum != 1.0 && sum > 0.0) ? xgas[i] / sum : xgas[i];
}

double FV(double Vcm, double* xgas, double* nix, double TK, double PMPa) {
    (void)nix;
    return Pressure_Duan92(xgas, TK, Vcm) - PMPa;
}

}  // namespace

double Drie(double x) {
    if (x < 0.0) return -std::pow(-x, 1.0 / 3.0);
    if (x == 0.0) return 0.0;
    return std::pow(x, 1.0 / 3.0);
}

void Constanten(int* j, double* xgas, double TK) {
    int n = 0;
    for (int s = 0; s < 4; s++) {
        const Species& d = Data[s];
        if (!(xgas[d.index] > 0.0)) continue;
        t.mole[n] = xgas[d.index];
        t.y[n] = d.index;
        t.Tc[n] = d.Tc;
        t.Pc[n] = d.Pc;
        t.Vc[n] = Rbar * d.Tc / d.Pc;
        t.Tr[n] = TK / d.Tc;
        t.b0[n] = d.b0;
        t.b1[n] = d.b1;
        t.b2[n] = d.b2;
        t.c0[n] = d.c0;
        t.c1[n] = d.c1;
        t.c2[n] = d.c2;
        t.d0[n] = d.d0;
        t.d1[n] = d.d1;
        t.d2[n] = d.d2;
        t.e0[n] = d.e0;
        t.e1[n] = d.e1;
        t.e2[n] = d.e2;
        t.alpha[n] = d.alpha;
        t.beta[n] = d.beta;
        t.gamma[n] = d.gamma;
        n++;
    }
    *j = n;
}

namespace {

// Sums of the mixing rules for one composition and temperature: everything the
// compressibility factor and the integral terms need besides the volume. A
// volume search evaluates the pressure many times at one composition and
// temperature, so the sums of the last call are kept and reused while the
// mole fractions of H2O, CO2, CH4 and H2S and the temperature are the same
// bit for bit.
struct Mixing {
    Table_Inputs<5> key;  // x of H2O, CO2, CH4, H2S (composition indices 0, 1, 2, 5) and TK
    int n;          // species present
    int y[4];       // their composition indices
    double beta[4];
    double Betam, BVmix, CVmix, DVmix, EVmix, FVmix, GVmix;
    double dB[4], dC[4], dD[4], dE[4], dF[4], dG[4];
};
Mixing mix;

// The sums over ordered Order-tuples (i, j, k, ...) of species of a mixing
// rule with Order-fold products, for the first species i: the coefficient is
// the cube of the mean cube root of the tuple's coefficients c (Cc, Dc, ...),
// times the cube of the mean cube root of its critical volumes to the power
// Order - 1; the term adds x_i x_j x_k ... to `mix` and Order x_j x_k ... to
// `d` (the derivative with respect to n_i). Partial sums of the cube roots
// (c_sum, v_sum) and the partial product of the other mole fractions (x_prod,
// 1 before j) are carried inwards through the Left levels still to run, in
// the order in which a term would add them up.
template <int Order, int Left>
void Tuple_Sums(int n, const double* c, const double* v, const double* x, int i, double c_sum,
                double v_sum, double x_prod, double& mix, double& d)
{
    for (int m = 0; m < n; m++) {
        const double cs = c_sum + c[m], vs = v_sum + v[m], xp = x_prod * x[m];
        if constexpr (Left > 1) {
            Tuple_Sums<Order, Left - 1>(n, c, v, x, i, cs, vs, xp, mix, d);
        } else {
            const double C = Cube(cs / Order);
            const double V = Cube(vs / Order);
            double term = C;
            for (int p = 1; p < Order; p++) term = term * V;
            mix += x[i] * xp * term;
            d += double(Order) * xp * term;
        }
    }
}

// The mixing-rule sums of the species present in xgas at TK. The sums run
// over ordered pairs, triples, five- and six-fold products in a fixed order;
// partial sums of the cube roots and partial products of mole fractions are
// carried from the outer loops inwards, in the order in which a term would
// add them up, so every term is the same double as when formed on its own.
void Mixing_Sums(Mixing& m, double* xgas, double TK) {
    int n = 0;
    Constanten(&n, xgas, TK);
    const double* x = t.mole;
    m.n = n;

    // Pure-species terms, as real cube roots for the combining rules.
    double Bc[4], Cc[4], Dc[4], Ec[4], Fc[4], Gc[4], Vcc[4];
    double Betam = 0.0;
    for (int i = 0; i < n; i++) {
        double tr2 = t.Tr[i] * t.Tr[i];
        double tr3 = tr2 * t.Tr[i];
        Bc[i] = Drie(t.b0[i] + t.b1[i] / tr2 + t.b2[i] / tr3);
        Cc[i] = Drie(t.c0[i] + t.c1[i] / tr2 + t.c2[i] / tr3);
        Dc[i] = Drie(t.d0[i] + t.d1[i] / tr2 + t.d2[i] / tr3);
        Ec[i] = Drie(t.e0[i] + t.e1[i] / tr2 + t.e2[i] / tr3);
        Fc[i] = Drie(t.alpha[i] / tr3);
        Gc[i] = Drie(t.gamma[i]);
        Vcc[i] = Drie(t.Vc[i]);
        Betam += x[i] * t.beta[i];
        m.y[i] = t.y[i];
        m.beta[i] = t.beta[i];
    }
    m.Betam = Betam;

    // Interaction factors of each pair of different species (symmetric).
    double k1[4][4], k2[4][4], k3[4][4];
    for (int i = 0; i < n; i++)
        for (int j = 0; j < n; j++) {
            if (i == j) continue;
            k1[i][j] = K1(t.y[i], t.y[j], TK);
            K23(t.y[i], t.y[j], TK, &k2[i][j], &k3[i][j]);
        }

    // Pairs: B (with k1) and F.
    double BVmix = 0.0, FVmix = 0.0, dB[4] = {0, 0, 0, 0}, dF[4] = {0, 0, 0, 0};
    for (int i = 0; i < n; i++)
        for (int j = 0; j < n; j++) {
            double Bij = (i == j ? 1.0 : k1[i][j]) * Cube((Bc[i] + Bc[j]) / 2.0);
            double Fij = Cube((Fc[i] + Fc[j]) / 2.0);
            double Vij = Cube((Vcc[i] + Vcc[j]) / 2.0);
            BVmix += x[i] * x[j] * Bij * Vij;
            FVmix += x[i] * x[j] * Fij * Vij * Vij;
            dB[i] += 2.0 * x[j] * Bij * Vij;
            dF[i] += 2.0 * x[j] * Fij * Vij * Vij;
        }

    // Triples: C (with k2) and G (with k3). A triple of exactly two different
    // species takes the factors of that pair, any other triple 1.
    double CVmix = 0.0, GVmix = 0.0, dC[4] = {0, 0, 0, 0}, dG[4] = {0, 0, 0, 0};
    for (int i = 0; i < n; i++)
        for (int j = 0; j < n; j++) {
            const double cij = Cc[i] + Cc[j], gij = Gc[i] + Gc[j], vij = Vcc[i] + Vcc[j];
            const double xij = x[i] * x[j], x3j = 3.0 * x[j];
            for (int k = 0; k < n; k++) {
                double f2 = 1.0, f3 = 1.0;
                if (i == j && j != k) {
                    f2 = k2[i][k];
                    f3 = k3[i][k];
                } else if (i != j && (k == i || k == j)) {
                    f2 = k2[i][j];
                    f3 = k3[i][j];
                }
                double Cijk = f2 * Cube((cij + Cc[k]) / 3.0);
                double Gijk = f3 * Cube((gij + Gc[k]) / 3.0);
                double Vijk = Cube((vij + Vcc[k]) / 3.0);
                double V2 = Vijk * Vijk;
                CVmix += xij * x[k] * Cijk * V2;
                GVmix += xij * x[k] * Gijk * V2;
                dC[i] += x3j * x[k] * Cijk * V2;
                dG[i] += x3j * x[k] * Gijk * V2;
            }
        }

    // Five-fold products: D; six-fold products: E.
    double DVmix = 0.0, dD[4] = {0, 0, 0, 0};
    double EVmix = 0.0, dE[4] = {0, 0, 0, 0};
    for (int i = 0; i < n; i++) {
        Tuple_Sums<5, 4>(n, Dc, Vcc, x, i, Dc[i], Vcc[i], 1.0, DVmix, dD[i]);
        Tuple_Sums<6, 5>(n, Ec, Vcc, x, i, Ec[i], Vcc[i], 1.0, EVmix, dE[i]);
    }

    m.BVmix = BVmix;
    m.CVmix = CVmix;
    m.DVmix = DVmix;
    m.EVmix = EVmix;
    m.FVmix = FVmix;
    m.GVmix = GVmix;
    for (int i = 0; i < 4; i++) {
        m.dB[i] = dB[i];
        m.dC[i] = dC[i];
        m.dD[i] = dD[i];
        m.dE[i] = dE[i];
        m.dF[i] = dF[i];
        m.dG[i] = dG[i];
    }
}

const Mixing& Mixing_Of(double* xgas, double TK) {
    const double key[5] = {xgas[0], xgas[1], xgas[2], xgas[5], TK};
    if (mix.key.Changed(key)) Mixing_Sums(mix, xgas, TK);
    return mix;
}

}  // namespace

double Modified_LK(int what, double* xgas, double TK, double Vcm) {
    if (TK <= 0.0 || Vcm <= 0.0) return 0.0;
    if (what != 1 && what != 4) return 0.0;

    const Mixing& m = Mixing_Of(xgas, TK);
    const int n = m.n;
    const double V = Vcm;
    const double Betam = m.Betam, BVmix = m.BVmix, CVmix = m.CVmix, DVmix = m.DVmix,
                 EVmix = m.EVmix, FVmix = m.FVmix, GVmix = m.GVmix;

    const double V2 = V * V, V4 = V2 * V2, V5 = V4 * V;
    const double q = -GVmix / V2;
    double Z = 1.0;
    // Beyond |q| = 227 the exponential would overflow: the terms are dropped.
    const bool inRange = std::fabs(q) < 227.0;
    if (inRange)
        Z = 1.0 + BVmix / V + CVmix / V2 + DVmix / V4 + EVmix / V5 +
            (FVmix / V2) * (Betam + GVmix / V2) * std::exp(q);

    if (what == 4) {
        // Integral term of ln phi_i: the n_i derivative of the residual Helmholtz
        // energy n a_r/(RT) at constant T and total volume.
        double eq = std::exp(q);
        double e3 = 1.0 - eq;
        double e5 = 1.0 - eq * (1.0 + GVmix / V2);
        double e7 = 1.0 - eq * (1.0 + GVmix / V2 + GVmix * GVmix / (2.0 * V4));
        for (int i = 0; i < n; i++) {
            const double dB = m.dB[i], dC = m.dC[i], dD = m.dD[i], dE = m.dE[i], dF = m.dF[i],
                         dG = m.dG[i];
            double I = 0.0;
            if (inRange)
                I = dB / V + dC / (2.0 * V2) + dD / (4.0 * V4) + dE / (5.0 * V5) +
                    (FVmix * m.beta[i] + Betam * dF) * e3 / (2.0 * GVmix) +
                    ((GVmix - dG) * FVmix * Betam + FVmix * dG + GVmix * dF) * e5 /
                        (2.0 * GVmix * GVmix) +
                    (GVmix - dG) * e7 * FVmix / (GVmix * GVmix);
            dmu[m.y[i]] = I;
        }
    }
    return Z;
}

double Pressure_Duan92(double* xgas, double TK, double Vcm) {
    if (!(Vcm > 10.0 && TK > 0.0)) return 0.0;
    double x[10];
    Normalise(xgas, x);
    double Z = Modified_LK(1, x, TK, Vcm);
    return R * Z * TK / Vcm;
}

namespace {

struct Pressure_Context {
    double* xgas;
    double TK;
};

double Pressure_At(double Vcm, void* context) {
    const Pressure_Context& c = *static_cast<Pressure_Context*>(context);
    return Pressure_Duan92(c.xgas, c.TK, Vcm);
}

}  // namespace

double Volume_Duan92(double first, double* xgas, double TK, double PMPa) {
    if (TK <= 0.0 || PMPa <= 0.0) return 0.0;
    double V = RootSectant(FV, 0.9 * first, 2.0 * first, xgas, empty, TK, PMPa, 1e-12, 3000);
    // The search may end on the middle root of a loop, where dP/dV > 0 and no
    // phase exists: the stable root on the side of the start value instead.
    Pressure_Context c{xgas, TK};
    if (V > 10.0 && Unstable_Root(Pressure_At, &c, V)) V = Stable_Root(Pressure_At, &c, PMPa, V, first < V, 10.0, 1e7);
    // Below 10 cm3/mol the pressure function is 0 and flat: the secant steps
    // shrink there without reaching a root, which is no volume of the fluid.
    if (V <= 10.0) return 0.0;
    return V;
}

void Fugacity_Duan92(int phase, double* xgas, double mNaCl, double TK, double PMPa, double Vcm) {
    if (phase < 0 || phase > 9) return;
    Gas* const record[4] = {&H2O, &CO2, &CH4, &H2S};
    const int index[4] = {0, 1, 2, 5};

    double x[10];
    Normalise(xgas, x);
    double Z = Modified_LK(4, x, TK, Vcm);
    if (TK <= 0.0 || Vcm <= 0.0 || Z <= 0.0 || PMPa <= 0.0) {
        for (Gas* g : record) {
            g->Coefficient[phase] = 1.0;
            g->Fugacity[phase] = 0.0;
        }
        return;
    }

    for (int s = 0; s < 4; s++) {
        int i = index[s];
        double phi = 1.0;
        if (x[i] > 0.0) {
            double lnphi = dmu[i] - std::log(Z);
            // exp() of |ln phi| >= 227 is far outside any physical state: keep phi = 1.
            if (std::fabs(lnphi) < 227.0) phi = std::exp(lnphi);
        }
        // A species absent from the composition has no integral term of this call
        // (its dmu entry is whatever an earlier composition left): it gets
        // coefficient 1.0 and fugacity 0.
        record[s]->Coefficient[phase] = phi;
        record[s]->Fugacity[phase] = (x[i] > 0.0) ? x[i] * phi * PMPa : 0.0;
    }

    // Salting-out of H2S in the aqueous-rich liquid by NaCl (molality mNaCl, mol/kg);
    // an absent H2S keeps its coefficient 1.0.
    if (x[0] > 0.0 && x[5] > 0.0 && phase == 2) {
        double lambda = 0.261 - 0.00090988 * TK + 1.2513e-06 * TK * TK;
        double zeta = -0.01164;
        double factor = std::exp(2.0 * lambda * mNaCl + zeta * mNaCl * mNaCl);
        H2S.Coefficient[phase] *= factor;
        H2S.Fugacity[phase] *= factor;
    }
}

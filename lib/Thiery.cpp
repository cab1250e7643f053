// Equation of state of Thiery et al. (1994), Eur. J. Mineral. 6,
// 753-771: the Soave (1972) form
//   P = R T/(V - b) - a(T)/(V (V + b))
// with quadratic mixing of both a and b,
//   a = sum_i sum_j y_i y_j sqrt(a_ii a_jj) (1 - ka_ij),
//   b = sum_i sum_j y_i y_j (b_ii + b_jj)/2 (1 - kb_ij),
// and interaction parameters that move from a non-critical set (Xi = 0) to a
// near-critical set (Xi = 1). Pressures in bar inside this file.
#include "Thiery.h"

#include <cmath>

#include "Equation.h"
#include "Numdef.h"

namespace {

const double Rthiery = 83.14511989831328;  // bar cm3/(mol K)

// Critical constants and acentric factors of H2O, CO2, CH4, N2 used by this
// equation (its own values, not those of the gas records).
const double Tc[4] = {647.3, 304.21, 190.555, 126.2};  // K
const double Pc[4] = {217.6, 73.825, 45.95, 33.9};     // bar
const double Ac[4] = {0.344, 0.225, 0.013, 0.04};

// a_ij (bar cm6/mol2) and b_ij (cm3/mol) of the last Amix/Bmix call.
double A[4][4];
double B[4][4];

// Interaction parameter of one pair: non-critical value, near-critical value,
// centre T0 (K) and width (K) of the tanh transition of the near-critical value.
struct Interaction {
    double kn, kc, T0, w;
};

// Pairs CO2-CH4, CO2-N2, CH4-N2; every pair with H2O is 0.
const Interaction KaTable[3] = {{0.1, 0.06, 255.0, 15.0},
                                {-0.035, -0.13, 235.0, 15.0},
                                {0.03, 0.03, 0.0, 0.0}};
const Interaction KbTable[3] = {{0.0, -0.1, 255.0, 5.0},
                                {0.0, -0.08, 235.0, 15.0},
                                {0.0, 0.0, 0.0, 0.0}};

double tanh(double x) { return 1.0 - 2.0 / (std::exp(2.0 * x) + 1.0); }

double Kpair(const Interaction* table, int i, int j, double Xi, double TK) {
    if (i > j) {
        int t = i;
        i = j;
        j = t;
    }
    int n;
    if (i == 1 && j == 2)
        n = 0;
    else if (i == 1 && j == 3)
        n = 1;
    else if (i == 2 && j == 3)
        n = 2;
    else
        return 0.0;
    const Interaction& p = table[n];
    double s = (p.w > 0.0) ? tanh((TK - p.T0) / p.w) : 1.0;
    double K = (p.kc + p.kn + s * (p.kc - p.kn)) / 2.0;
    return (1.0 - Xi) * p.kn + Xi * K;
}

// Normalised over the first four species only.
void Normalise(const double* xgas, double* y) {
    double sum = 0.0;
    for (int i = 0; i < 4; i++) sum += xgas[i];
    for (int i = 0; i < 4; i++) y[i] = (sum != 0.0) ? xgas[i] / sum : xgas[i];
}

double Amix(double Xi, double* xgas, double TK) {
    for (int i = 0; i < 4; i++) {
        double ac = 0.427480234 * Rthiery * Rthiery * Tc[i] * Tc[i] / Pc[i];
        double m = 0.48 + 1.574 * Ac[i] - 0.176 * Ac[i] * Ac[i];
        double alpha = 1.0 + m * (1.0 - std::sqrt(TK / Tc[i]));
        A[i][i] = alpha * alpha * ac;
    }
    for (int i = 0; i < 4; i++)
        for (int j = 0; j < 4; j++)
            if (i != j) A[i][j] = std::sqrt(A[i][i] * A[j][j]) * (1.0 - Kpair(KaTable, i, j, Xi, TK));
    double a = 0.0;
    for (int i = 0; i < 4; i++)
        for (int j = 0; j < 4; j++) a += xgas[i] * xgas[j] * A[i][j];
    return a;
}

double Bmix(double Xi, double* xgas, double TK) {
    for (int i = 0; i < 4; i++) B[i][i] = 0.086664035 * Rthiery * Tc[i] / Pc[i];
    for (int i = 0; i < 4; i++)
        for (int j = 0; j < 4; j++)
            if (i != j) B[i][j] = (B[i][i] + B[j][j]) * (1.0 - Kpair(KbTable, i, j, Xi, TK)) / 2.0;
    double b = 0.0;
    for (int i = 0; i < 4; i++)
        for (int j = 0; j < 4; j++) b += xgas[i] * xgas[j] * B[i][j];
    return b;
}

}  // namespace

double Pressure_Thiery(double Xi, double* xgas, double TK, double Vcm) {
    double y[4];
    Normalise(xgas, y);
    if (TK <= 0.0) return 0.0;
    double a = Amix(Xi, y, TK);
    double b = Bmix(Xi, y, TK);
    if (Vcm <= b) return 0.0;
    double Pbar = Rthiery * TK / (Vcm - b) - a / (Vcm * (Vcm + b));
    return 0.1 * Pbar;
}

double Volume_Thiery(double Xi, int what, double* xgas, double TK, double PMPa) {
    double y[4];
    Normalise(xgas, y);
    if (TK <= 0.0 || PMPa <= 0.0) return 0.0;
    double a = Amix(Xi, y, TK);
    double b = Bmix(Xi, y, TK);
    double P = 10.0 * PMPa;  // bar
    // P V^3 - R T V^2 + (a - R T b - P b^2) V - a b = 0, made monic.
    double p = -Rthiery * TK / P;
    double q = (a - Rthiery * TK * b - P * b * b) / P;
    double r = -a * b / P;
    double re1, re2, re3, im1, im2, im3;
    Cubic_eq(p, q, r, &re1, &re2, &re3, &im1, &im2, &im3);
    // A root at or below the covolume is no molar volume.
    return RealChoiceAbove(what, b, re1, re2, re3, im1, im2, im3);
}

void Fugacity_Thiery(double Xi, int phase, double* xgas, double TK, double PMPa, double Vcm) {
    double y[4];
    Normalise(xgas, y);
    double a = 0.0, b = 0.0, Z = 0.0;
    if (TK > 0.0) {
        a = Amix(Xi, y, TK);
        b = Bmix(Xi, y, TK);
        Z = 10.0 * PMPa * Vcm / (Rthiery * TK);
    }
    if (!(b > 0.0 && Vcm > b && PMPa > 0.0 && TK > 0.0 && Z > 0.0)) {
        for (int i = 0; i < 4; i++) {
            Gas_Coefficients(i, phase, 1.0);
            Gas_Fugacities(i, phase, 0.0);
        }
        return;
    }
    double V = Vcm;
    double RT = Rthiery * TK;
    for (int i = 0; i < 4; i++) {
        // Partial molar derivatives of n a and n b.
        double Sa = 0.0, Sb = 0.0;
        for (int j = 0; j < 4; j++) {
            Sa += 2.0 * y[j] * A[i][j];
            Sb += 2.0 * y[j] * B[i][j];
        }
        Sb -= b;
        double lnphi = std::log(V / (V - b)) + Sb / (V - b) + Sa * std::log(V / (V + b)) / (RT * b) -
                       (a * Sb / RT) * (std::log(V / (V + b)) / (b * b) + 1.0 / (b * (V + b))) -
                       std::log(Z);
        double phi = (std::fabs(lnphi) < 227.0) ? std::exp(lnphi) : 1.0;
        Gas_Coefficients(i, phase, phi);
        Gas_Fugacities(i, phase, phi * y[i] * PMPa);
    }
}

double Xi_Thiery(double Vv, double Vl) {
    if (Vl <= 0.0) return 0.0;
    double r = Vv / Vl;
    if (r > 1.05) return std::exp(-0.5 * (1.05 - r) * (1.05 - r));
    return 1.0;
}

// Peng & Robinson (1976) equation of state:
//   P = R T/(V - b) - a(T)/(V (V + b) + b (V - b)),
// a_ii = alpha_i^2 Omega_a R^2 Tc_i^2/Pc_i with alpha_i = 1 + m_i (1 - sqrt(T/Tc_i)),
// m_i = 0.37464 + 1.54226 w_i - 0.26992 w_i^2; b_i = Omega_b R Tc_i/Pc_i.
// This library takes Omega_a = (sqrt(3) + 1)/6 and Omega_b = sqrt(3)/3 - 1/2
// (0.455342 and 0.077350, not the 0.45724 and 0.07780 of the usual form).
// Mixture a = sum_i sum_j y_i y_j a_ij with a_ij = sqrt(a_ii a_jj)(1 - k_ij),
// b = sum_i y_i b_i.
#include "Peng.h"

#include <cmath>

#include "Equation.h"
#include "Numdef.h"
#include "Reid.h"

namespace {

const double R = 8.31451;  // J/(mol K) = MPa cm3/(mol K)

// b_i of the last Bmix call.
double B[10];

Gas* const Species[10] = {&H2O, &CO2, &CH4, &N2, &C2H6, &H2S, &NH3, &H2, &O2, &CO};

// Binary interaction parameters k_ij (symmetric); all pairs not listed are 0.
double Kij(int i, int j) {
    if (i > j) {
        int t = i;
        i = j;
        j = t;
    }
    if (i == 1 && j == 2) return 0.095;   // CO2-CH4
    if (i == 1 && j == 3) return -0.013;  // CO2-N2
    if (i == 2 && j == 3) return 0.036;   // CH4-N2
    if (i == 2 && j == 4) return 0.021;   // CH4-C2H6
    if (i == 3 && j == 4) return 0.08;    // N2-C2H6
    return 0.0;
}

// a_ij (row i, column j) of the last Amix call.
Alpha_Table table(Species, (std::sqrt(3.0) + 1.0) / 6.0, R, 0.37464, 1.54226, 0.26992, Kij);

double Amix(double* xgas, double TK) {
    Reid_Constants();
    table.Form(TK);
    const double (&A)[10][10] = table.A;
    double a = 0.0;
    for (int i = 0; i < 10; i++)
        for (int j = 0; j < 10; j++) a += xgas[i] * xgas[j] * A[i][j];
    return a;
}

double Bmix(double* xgas) {
    Reid_Constants();
    double Omega_b = std::sqrt(3.0) / 3.0 - 0.5;
    for (int i = 0; i < 10; i++) B[i] = Omega_b * R * Species[i]->Tcrit / Species[i]->Pcrit;
    double b = 0.0;
    for (int i = 0; i < 10; i++) b += xgas[i] * B[i];
    return b;
}

}  // namespace

double Pressure_Peng(double* xgas, double TK, double Vcm) {
    double y[10];
    Normalise_Fractions(xgas, y);
    if (TK <= 0.0) return 0.0;
    double a = Amix(y, TK);
    double b = Bmix(y);
    if (Vcm <= b) return 0.0;
    return R * TK / (Vcm - b) - a / (Vcm * (Vcm + b) + b * (Vcm - b));
}

double Volume_Peng(int what, double* xgas, double TK, double PMPa) {
    double y[10];
    Normalise_Fractions(xgas, y);
    if (TK <= 0.0 || PMPa <= 0.0) return 0.0;
    double a = Amix(y, TK);
    double b = Bmix(y);
    // P V^3 + (P b - R T) V^2 + (a - 3 P b^2 - 2 R T b) V + (R T b + P b^2 - a) b = 0,
    // made monic.
    double p = (PMPa * b - R * TK) / PMPa;
    double q = (a - 3.0 * PMPa * b * b - 16.62902 * TK * b) / PMPa;
    double r = (R * TK * b + PMPa * b * b - a) * b / PMPa;
    double re1, re2, re3, im1, im2, im3;
    Cubic_eq(p, q, r, &re1, &re2, &re3, &im1, &im2, &im3);
    // A root at or below the covolume is no molar volume.
    return RealChoiceAbove(what, b, re1, re2, re3, im1, im2, im3);
}

void Fugacity_Peng(int phase, double* xgas, double TK, double PMPa, double Vcm) {
    double y[10];
    Normalise_Fractions(xgas, y);
    double a = 0.0, b = 0.0;
    if (TK > 0.0) {
        a = Amix(y, TK);
        b = Bmix(y);
    }
    if (b <= 0.0 || Vcm <= b || PMPa <= 0.0 || TK <= 0.0) {
        Unknown_Fugacities(phase);
        return;
    }
    double V = Vcm;
    double RT = R * TK;
    double Z = PMPa * V / RT;
    double sq8 = std::sqrt(8.0);
    double L = std::log((2.0 * V + (2.0 - sq8) * b) / (2.0 * V + (2.0 + sq8) * b));
    double D = V * V + 2.0 * b * V - b * b;
    for (int i = 0; i < 10; i++) {
        double S = 0.0;
        for (int j = 0; j < 10; j++) S += y[j] * table.A[i][j];
        S = 2.0 * S;
        double lnphi = std::log(V / (V - b)) + B[i] / (V - b) +
                       (S * L / (sq8 * b) - a * B[i] * V / (b * D) - a * B[i] * L / (sq8 * b * b)) / RT -
                       std::log(Z);
        // exp() of |ln phi| >= 227 is far outside any physical state: keep phi = 1.
        double phi = (std::fabs(lnphi) < 227.0) ? std::exp(lnphi) : 1.0;
        Gas_Coefficients(i, phase, phi);
        Gas_Fugacities(i, phase, phi * y[i] * PMPa);
    }
}

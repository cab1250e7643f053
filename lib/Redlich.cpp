// Redlich & Kwong (1949) equation of state:
//   P = R T/(V - b) - a/(sqrt(T) V (V + b)),
// a_i = Omega_a R^2 Tc_i^2.5/Pc_i, b_i = Omega_b R Tc_i/Pc_i, with the
// universal constants Omega_a = 1/(9 (2^(1/3) - 1)), Omega_b = (2^(1/3) - 1)/3;
// mixture a = sum_i sum_j y_i y_j sqrt(a_i a_j), b = sum_i y_i b_i, without
// interaction parameters. Critical constants from Reid_Constants.
#include "Redlich.h"

#include <cmath>

#include "Equation.h"
#include "Numdef.h"
#include "Reid.h"

namespace {

const double R = 8.31451;  // J/(mol K) = MPa cm3/(mol K)

// Species parameters a_i and b_i of the last Amix/Bmix call.
double A[10];
double B[10];

Gas* const Species[10] = {&H2O, &CO2, &CH4, &N2, &C2H6, &H2S, &NH3, &H2, &O2, &CO};

// The critical temperatures and pressures the species parameters were last
// formed from, and the pair terms sqrt(a_i a_j) of the mixing rule.
Table_Inputs<20> A_inputs;
double A_root[10][10];

double Amix(double* xgas) {
    Reid_Constants();
    double inputs[20];
    for (int i = 0; i < 10; i++) {
        inputs[2 * i] = Species[i]->Tcrit;
        inputs[2 * i + 1] = Species[i]->Pcrit;
    }
    if (A_inputs.Changed(inputs)) {
        double cube = std::pow(2.0, 1.0 / 3.0);
        double Omega_a = 1.0 / (9.0 * (cube - 1.0));
        for (int i = 0; i < 10; i++)
            A[i] = Omega_a * R * R * std::pow(Species[i]->Tcrit, 2.5) / Species[i]->Pcrit;
        for (int i = 0; i < 10; i++)
            for (int j = 0; j < 10; j++) A_root[i][j] = std::sqrt(A[i] * A[j]);
    }
    double a = 0.0;
    for (int i = 0; i < 10; i++)
        for (int j = 0; j < 10; j++) a += xgas[i] * xgas[j] * A_root[i][j];
    return a;
}

double Bmix(double* xgas) {
    Reid_Constants();
    double cube = std::pow(2.0, 1.0 / 3.0);
    double Omega_b = (cube - 1.0) / 3.0;
    for (int i = 0; i < 10; i++) B[i] = Omega_b * R * Species[i]->Tcrit / Species[i]->Pcrit;
    double b = 0.0;
    for (int i = 0; i < 10; i++) b += xgas[i] * B[i];
    return b;
}

}  // namespace

double Pressure_Redlich(double* xgas, double TK, double Vcm) {
    double y[10];
    Normalise_Fractions(xgas, y);
    if (TK <= 0.0) return 0.0;
    double a = Amix(y);
    double b = Bmix(y);
    if (Vcm <= b) return 0.0;
    return R * TK / (Vcm - b) - a / (std::sqrt(TK) * Vcm * (Vcm + b));
}

double Volume_Redlich(int what, double* xgas, double TK, double PMPa) {
    double y[10];
    Normalise_Fractions(xgas, y);
    if (TK <= 0.0 || PMPa <= 0.0) return 0.0;
    double a = Amix(y);
    double b = Bmix(y);
    // P V^3 - R T V^2 + (a/sqrt(T) - R T b - P b^2) V - a b/sqrt(T) = 0, made monic.
    double rt = std::sqrt(TK);
    double p = -R * TK / PMPa;
    double q = (a / rt - R * TK * b - PMPa * b * b) / PMPa;
    double r = -a * b / rt / PMPa;
    double re1, re2, re3, im1, im2, im3;
    Cubic_eq(p, q, r, &re1, &re2, &re3, &im1, &im2, &im3);
    // A root at or below the covolume is no molar volume.
    return RealChoiceAbove(what, b, re1, re2, re3, im1, im2, im3);
}

void Fugacity_Redlich(int phase, double* xgas, double TK, double PMPa, double Vcm) {
    double y[10];
    Normalise_Fractions(xgas, y);
    double a = 0.0, b = 0.0;
    if (TK > 0.0) {
        a = Amix(y);
        b = Bmix(y);
    }
    if (b <= 0.0 || Vcm <= b || PMPa <= 0.0 || TK <= 0.0) {
        Unknown_Fugacities(phase);
        return;
    }
    double V = Vcm;
    double Z = PMPa * V / (R * TK);
    double RT15 = R * std::pow(TK, 1.5);
    for (int i = 0; i < 10; i++) {
        double S = 0.0;
        for (int j = 0; j < 10; j++) S += y[j] * A_root[i][j];
        S = 2.0 * S;
        double lnphi = std::log(V / (V - b)) + B[i] / (V - b) -
                       S * std::log((V + b) / V) / (RT15 * b) +
                       (a * B[i] / (RT15 * b * b)) * (std::log((V + b) / V) - b / (V + b)) -
                       std::log(Z);
        double phi = std::exp(lnphi);
        Gas_Coefficients(i, phase, phi);
        Gas_Fugacities(i, phase, phi * y[i] * PMPa);
    }
}

// Modified Redlich-Kwong equation of Holloway (1977, 1981), parameters of
// Flowers (1979):
//   P = R T/(V - b) - a/(sqrt(T) V (V + b)),
// b = sum_i y_i b_i with constant b_i, a = sum_i sum_j y_i y_j a_ij.
// a_ii is the total attraction parameter of species i (temperature functions
// for H2O, CO2, CH4 and N2, constants otherwise); a_ij (i != j) is the
// geometric mean of the dispersion parameters a0_i, a0_j, and the H2O-CO2
// pair gains the hydration term 0.5 R^2 T^2.5 K of the equilibrium
// H2O + CO2 = H2O.CO2. Units: MPa, cm3/mol, K.
#include "Holloway.h"

#include <cmath>

#include "Equation.h"
#include "Numdef.h"

namespace {

const double R = 8.31451;              // J/(mol K) = MPa cm3/(mol K)
const double R2 = 69.13107654010001;   // R^2

// Covolumes b_i, cm3/mol.
const double B[10] = {14.6, 29.7, 29.7, 26.8, 45.1, 30.1, 25.9, 15.34, 22.1, 27.4};

// a_ij of the last Amix call, MPa cm6 K^0.5/mol^2.
double A[10][10];

double Bmix(double* xgas) {
    double b = 0.0;
    for (int i = 0; i < 10; i++) b += xgas[i] * B[i];
    return b;
}

double Amix(double* xgas, double TK) {
    // Dispersion parameters a0, MPa cm6 K^0.5/mol^2.
    double a0[10] = {3546400.0, 4661000.0, 3200900.0, 1558600.0, 9870300.0,
                     8900000.0, 8680000.0, 360700.0,  1739000.0, 1720000.0};
    double T = TK, T2 = TK * TK, T3 = TK * TK * TK;

    // Total attraction parameters, MPa cm6 K^0.5/mol^2.
    double aH2O = (2.2218 + 12539.0 / T - 5536800.0 / T2 + 688510000.0 / T3) * 1e6;
    double aCO2 = (-1.2887 + 5936.3 / T - 1412400.0 / T2 + 117670000.0 / T3) * 1e6;
    double aCH4 = (-1.1764 + 3521.6 / T - 1155000.0 / T2 + 117670000.0 / T3) * 1e6;
    double aN2 = (0.060191 - 200.59 / T + 153860.0 / T2) * 1e6;
    // CH4 and N2 are non-polar: their total a is also their dispersion part.
    a0[2] = aCH4;
    a0[3] = aN2;

    // Equilibrium constant of H2O.CO2 formation, atm^-1 converted to MPa^-1.
    double K = 9.869232667160128 * std::exp(-11.071 + 5953.0 / T - 2746000.0 / T2 + 464600000.0 / T3);
    double complex_term = 0.5 * R2 * std::pow(TK, 2.5) * K;

    for (int i = 0; i < 10; i++)
        for (int j = 0; j < 10; j++) {
            if (i == j) continue;
            // The CH4 and N2 fits turn negative far above the calibration range
            // (N2 between about 1200 and 2100 K): no real geometric mean there,
            // so such a pair carries no dispersion attraction.
            double p = a0[i] * a0[j];
            A[i][j] = (p < 0.0) ? 0.0 : std::sqrt(p);
            if ((i == 0 && j == 1) || (i == 1 && j == 0)) A[i][j] += complex_term;
        }
    for (int i = 0; i < 10; i++) A[i][i] = a0[i];
    A[0][0] = aH2O;
    A[1][1] = aCO2;

    double a = 0.0;
    for (int i = 0; i < 10; i++)
        for (int j = 0; j < 10; j++) a += xgas[i] * xgas[j] * A[i][j];
    return a;
}

}  // namespace

double Pressure_Holloway(double* xgas, double TK, double Vcm) {
    double y[10];
    Normalise_Fractions(xgas, y);
    if (TK <= 0.0) return 0.0;
    double a = Amix(y, TK);
    double b = Bmix(y);
    if (Vcm <= b) return 0.0;
    return R * TK / (Vcm - b) - a / (std::sqrt(TK) * Vcm * (Vcm + b));
}

double Volume_Holloway(int what, double* xgas, double TK, double PMPa) {
    double y[10];
    Normalise_Fractions(xgas, y);
    if (TK <= 0.0 || PMPa <= 0.0) return 0.0;
    double a = Amix(y, TK);
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

void Fugacity_Holloway(int phase, double* xgas, double TK, double PMPa, double Vcm) {
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
    double Z = PMPa * V / (R * TK);
    double RT15 = R * std::pow(TK, 1.5);
    for (int i = 0; i < 10; i++) {
        double S = 0.0;
        for (int j = 0; j < 10; j++) S += y[j] * A[i][j];
        S = 2.0 * S;
        double lnphi = std::log(V / (V - b)) + B[i] / (V - b) -
                       S * std::log((V + b) / V) / (RT15 * b) +
                       (a * B[i] / (RT15 * b * b)) * (std::log((V + b) / V) - b / (V + b)) -
                       std::log(Z);
        double phi = (std::fabs(lnphi) < 227.0) ? std::exp(lnphi) : 1.0;
        Gas_Coefficients(i, phase, phi);
        Gas_Fugacities(i, phase, phi * y[i] * PMPa);
    }
}

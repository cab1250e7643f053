// Modified Redlich-Kwong equation of Bowers & Helgeson (1983) for H2O-CO2-NaCl,
// extended to ten gas species:
//   P = R T/(V - b) - a/(sqrt(T) V (V + b)),
// b = (b_H2O - 0.04420283 Wt) y_H2O + sum_{i>=1} y_i b_i, a = sum_i sum_j y_i y_j a_ij,
// with Wt the NaCl mass percentage of the aqueous part (salt lumped into water).
// a(H2O) and the dispersion part of H2O depend on temperature and Wt, a(CO2),
// a(CH4) and a(N2) on temperature; the cross terms are geometric means in
// which H2O and CO2 take their dispersion parameters, and the H2O-CO2 pair
// gains the hydration term 0.5 R^2 T^2.5 K. The temperature fits take degrees
// Celsius; the factor 0.101325 converts their atm-based values to MPa.
#include "Bowers.h"

#include <cmath>

#include "Equation.h"
#include "Numdef.h"

namespace {

const double R = 8.31451;  // J/(mol K) = MPa cm3/(mol K)

// Covolumes b_i (cm3/mol) of the ten species, then the salinity coefficient
// of b(H2O) per mass percent NaCl.
const double B[11] = {14.6, 29.7, 29.8, 27.0, 45.1, 30.1, 25.9, 15.34, 22.1, 27.4, -0.04420283};

// Dispersion parameters, MPa cm6 K^0.5/mol^2; the H2O entry is recomputed at
// every Amix call from temperature and salinity.
double Adis[10] = {0.0,       4660950.0, 3222000.0, 1568900.0, 9870323.0,
                   8893960.0, 8679893.0, 144371.0,  1739000.0, 1719236.0};

// Temperature coefficients of the current call (entries 0-3 and 10, 11).
double ahol[12];

// a_ij of the last Amix call.
double A[10][10];

// Normalised composition with the salt lumped into water.
struct Lumped {
    double y[10];
    double s;   // NaCl mole fraction
    double Wt;  // NaCl mass percentage of the aqueous part
    double dW;  // dWt/dy(H2O) at fixed salt
};

void Lump(const double* xgas, const double* xsalt, Lumped& m) {
    m.s = xsalt[0];
    double sum = m.s;
    for (int i = 0; i < 10; i++) sum += xgas[i];
    for (int i = 0; i < 10; i++) m.y[i] = xgas[i];
    if (sum != 0.0) {
        m.s /= sum;
        for (int i = 0; i < 10; i++) m.y[i] /= sum;
    }
    m.Wt = 0.0;
    m.dW = 0.0;
    if (m.y[0] > 0.0 && m.s > 0.0) {
        double MNaCl = NaCl.Mole_Weight, MH2O = H2O.Mole_Weight;
        m.Wt = 100.0 * m.s * MNaCl / (m.s * MNaCl + m.y[0] * MH2O);
        m.dW = -m.Wt * m.Wt * MH2O / (100.0 * m.s * MNaCl);
        m.y[0] = m.y[0] + m.s;
    }
}

double Bmix(double* xgas, double Wt) {
    double b = (B[0] + B[10] * Wt) * xgas[0];
    for (int i = 1; i < 10; i++) b += xgas[i] * B[i];
    return b;
}

double Amix(double* xgas, double Wt, double TK) {
    double TC = TK - 273.15;
    double TC2 = TC * TC, TC3 = TC * TC * TC;
    double W = Wt;

    // Dispersion parameter of water as a function of T and salinity.
    ahol[0] = 4.881243 + 0.001823047 * TC - 1.712269e-05 * TC2 + 6.479419e-09 * TC3;
    ahol[1] = 0.02636494 - 0.000536994 * TC + 2.687074e-06 * TC2 - 4.321741e-09 * TC3;
    ahol[2] = 0.006802827 - 9.48023e-05 * TC + 3.770339e-07 * TC2 - 5.075318e-10 * TC3;
    ahol[3] = 5.235827e-05 - 3.505272e-08 * TC;
    Adis[0] = std::exp(ahol[0] + ahol[1] * W + ahol[2] * W * W + ahol[3] * W * W * W) * 1000000.0 *
              0.101325;

    // Total attraction parameter of water.
    ahol[10] = 111.3057 + 50.70033 * std::exp(-0.00982646 * TC);
    ahol[11] = -8.05658 * std::exp(-0.00982646 * TC);

    double aii[10];
    for (int i = 0; i < 10; i++) aii[i] = Adis[i];
    aii[0] = (ahol[10] + ahol[11] * W) * 1000000.0 * 0.101325;
    aii[1] = (73030000.0 - 71400.0 * TC + 21.57 * TC2) * 0.101325;
    aii[2] = 3124440.0 - 2400.0 * TC;
    aii[3] = 1634250.0 - 5000.0 * TC;

    // Hydration constant of H2O.CO2 (atm^-1 to MPa^-1) and its attraction term.
    double T = TK;
    double K = std::exp(-11.071 + 5953.0 / T - 2746000.0 / (T * T) + 464600000.0 / (T * T * T)) /
               0.101325;
    double complex_term = 0.5 * R * R * std::pow(TK, 2.5) * K;

    for (int i = 0; i < 10; i++)
        for (int j = 0; j < 10; j++) {
            if (i == j) {
                A[i][i] = aii[i];
                continue;
            }
            // Polar H2O and CO2 contribute only their dispersion part to a cross term.
            bool polar_i = (i <= 1), polar_j = (j <= 1);
            double p;
            if (polar_i && polar_j)
                p = Adis[i] * Adis[j];
            else if (polar_i)
                p = Adis[i] * aii[j];
            else if (polar_j)
                p = aii[i] * Adis[j];
            else
                p = aii[i] * aii[j];
            // a(N2) (above about 600 K) and a(CH4) turn negative: no real mean.
            A[i][j] = (p < 0.0) ? 0.0 : std::sqrt(p);
            if ((i == 0 && j == 1) || (i == 1 && j == 0)) A[i][j] += complex_term;
        }

    double a = 0.0;
    for (int i = 0; i < 10; i++)
        for (int j = 0; j < 10; j++) a += xgas[i] * xgas[j] * A[i][j];
    return a;
}

}  // namespace

double Pressure_Bowers(double* xgas, double* xsalt, double TK, double Vcm) {
    Lumped m;
    Lump(xgas, xsalt, m);
    if (TK <= 0.0) return 0.0;
    double a = Amix(m.y, m.Wt, TK);
    double b = Bmix(m.y, m.Wt);
    if (Vcm <= b) return 0.0;
    return R * TK / (Vcm - b) - a / (std::sqrt(TK) * Vcm * (Vcm + b));
}

double Volume_Bowers(int what, double* xgas, double* xsalt, double TK, double PMPa) {
    Lumped m;
    Lump(xgas, xsalt, m);
    if (TK <= 0.0 || PMPa <= 0.0) return 0.0;
    double a = Amix(m.y, m.Wt, TK);
    double b = Bmix(m.y, m.Wt);
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

void Fugacity_Bowers(int phase, double* xgas, double* xsalt, double TK, double PMPa, double Vcm) {
    Lumped m;
    Lump(xgas, xsalt, m);
    double* y = m.y;
    double a = 0.0, b = 0.0;
    if (TK > 0.0) {
        a = Amix(y, m.Wt, TK);
        b = Bmix(y, m.Wt);
    }
    if (b <= 0.0 || Vcm <= b || PMPa <= 0.0 || TK <= 0.0) {
        Unknown_Fugacities(phase);
        return;
    }
    double V = Vcm;
    double W = m.Wt, dW = m.dW;
    double Z = PMPa * V / (R * TK);
    double RT15 = R * std::pow(TK, 1.5);
    double D = (ahol[1] + 2.0 * ahol[2] * W + 3.0 * ahol[3] * W * W) * dW;
    for (int i = 0; i < 10; i++) {
        double bi = (i == 0) ? B[0] + B[10] * y[0] * dW : B[i];
        double S = 0.0;
        for (int j = 0; j < 10; j++) {
            S += 2.0 * y[j] * A[i][j];
            if (i != 0) continue;
            // Salinity dependence of the water parameters (zero without salt).
            if (j == 0)
                S += y[0] * y[0] * ahol[11] * dW;
            else if (j == 1)
                S += std::sqrt(Adis[0] * Adis[1]) * y[0] * y[1] * dW * D;
            else
                S += y[0] * y[j] * dW * D * A[0][j];
        }
        double lnphi = std::log(V / (V - b)) + bi / (V - b) +
                       S * std::log(V / (V + b)) / (RT15 * b) +
                       (a * bi / (RT15 * b * b)) * (std::log((V + b) / V) - b / (V + b)) -
                       std::log(Z);
        double phi = (std::fabs(lnphi) < 227.0) ? std::exp(lnphi) : 1.0;
        Gas_Coefficients(i, phase, phi);
        Gas_Fugacities(i, phase, phi * y[i] * PMPa);
    }
}

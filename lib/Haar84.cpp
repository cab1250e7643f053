// Water from the Helmholtz function of Haar, L., Gallagher, J.S. and Kell, G.S.
// (1984), NBS/NRC Steam Tables. A = A_base + A_residual per gram of water;
// the base function is a hard-sphere-like term in the reduced covolume
// y = b rho/4, the residual function the 40 terms of Haar84Coefficients.h.
//
// Units: T in K, P in MPa, V in cm3/mol, rho = M/V in g/cm3, A in J/g.
#include "Haar84.h"

#include <cmath>

#include "Equation.h"
#include "Haar84Coefficients.h"
#include "Numdef.h"

namespace {

const double R = 8.31451;  // J/(mol K)

// Base function constants.
const double alpha = 11.0;
const double beta = 44.333333333333336;
const double gamma_ = 3.5;
const double b1 = -0.3540782, b2 = 0.7478629, b3 = 0.007159876, b4 = -0.003528426;
const double B1 = 1.1278334, B2 = -0.5944001, B3 = -5.010996, B4 = 0.63684256;

// P(T, V) - P for the secant search. At 10 cm3/mol or less (about 1.8 g/cm3,
// beyond any state the model is used for) the function is not evaluated and
// the sum of the first elements of the context arrays is returned instead
// (0.0 with the zero arrays Volume_Haar84 passes).
double FV(double Vcm, double* nix1, double* nix2, double TK, double PMPa) {
    if (TK <= 0.0 || Vcm <= 10.0) return nix1[0] + nix2[0];
    return Pressure_Haar84(TK, Vcm) - PMPa;
}

}  // namespace

double ABase(int what, double TK, double Vcm) {
    double M = H2O.Mole_Weight;
    double rho = Vcm > 0.0 ? M / Vcm : 0.0;
    double Tr = TK / hgk::Tc;
    if (rho <= 0.0 || Tr <= 0.31 || Tr >= 8.26) return 0.0;

    double b = b1 * std::log(Tr) + b2 + b3 / (Tr * Tr * Tr) + b4 / (Tr * Tr * Tr * Tr * Tr);
    double B = B1 + B2 / Tr + B3 / (Tr * Tr) + B4 / (Tr * Tr * Tr * Tr);
    double y = b * rho / 4.0;
    double x = 1.0 - y;
    double Rg = 83.1451 / M;  // cm3 bar/(g K)

    if (what == 4) {
        return -std::log(x) - (beta - 1.0) / x + (alpha + beta + 1.0) / (2.0 * x * x) +
               4.0 * y * (B / b - gamma_) - (alpha - beta + 3.0) / 2.0;
    }
    if (what == 1) {
        double yp = b / 4.0;  // dy/drho
        double D = yp / x - (beta - 1.0) * yp / (x * x) + (alpha + beta + 1.0) * yp / (x * x * x) +
                   4.0 * (B / b - gamma_) * yp + 1.0 / rho;
        return 0.1 * rho * rho * Rg * TK * D;  // bar -> MPa
    }
    return 0.0;
}

double AResidual(int what, double TK, double Vcm) {
    double M = H2O.Mole_Weight;
    double rho = Vcm > 0.0 ? M / Vcm : 0.0;
    if (rho <= 0.0 || TK <= 0.0) return 0.0;

    double e = std::exp(-rho);
    double q = 1.0 - e;
    double A = 0.0;     // J/g
    double dA = 0.0;    // dA/drho, J cm3/g^2
    // The series uses few distinct powers of Tc/T and of q (exponents 0..9);
    // each is evaluated once per call.
    double powT[10], powQ[10];
    bool haveT[10] = {false, false, false, false, false, false, false, false, false, false};
    bool haveQ[10] = {false, false, false, false, false, false, false, false, false, false};
    auto T_power = [&](int n) {
        if (!haveT[n]) {
            powT[n] = std::pow(hgk::Tc / TK, n);
            haveT[n] = true;
        }
        return powT[n];
    };
    auto q_power = [&](int n) {
        if (!haveQ[n]) {
            powQ[n] = std::pow(q, n);
            haveQ[n] = true;
        }
        return powQ[n];
    };
    for (int i = 0; i < hgk::SeriesTerms; ++i) {
        double t = T_power(hgk::l[i]);
        A += hgk::g[i] / hgk::k[i] * t * q_power(hgk::k[i]);
        dA += hgk::g[i] * t * q_power(hgk::k[i] - 1) * e;
    }
    for (int i = hgk::SeriesTerms; i < hgk::Terms; ++i) {
        int j = i - hgk::SeriesTerms;
        double ri = hgk::rho_i[j];
        double d = (rho - ri) / ri;
        double tau = (TK - hgk::T_i[j]) / hgk::T_i[j];
        double ex = std::exp(-hgk::alpha_i[j] * std::pow(d, hgk::k[i]) - hgk::beta_i[j] * tau * tau);
        double dl = std::pow(d, hgk::l[i]);
        A += hgk::g[i] * dl * ex;
        // d/drho of delta^l exp(-alpha delta^k): the delta^l factor is constant when l = 0.
        double ddl = hgk::l[i] == 0 ? 0.0 : hgk::l[i] * std::pow(d, hgk::l[i] - 1);
        dA += hgk::g[i] * ex * (ddl - hgk::alpha_i[j] * hgk::k[i] * std::pow(d, hgk::k[i] - 1) * dl) / ri;
    }

    if (what == 1) return rho * rho * dA;  // MPa
    if (what == 4) return A * M / (R * TK);
    return 0.0;
}

double Pressure_Haar84(double TK, double Vcm) {
    if (TK <= 0.0 || Vcm <= 0.0) return 0.0;
    return ABase(1, TK, Vcm) + AResidual(1, TK, Vcm);
}

double Volume_Haar84(double first, double TK, double PMPa) {
    if (TK <= 0.0 || PMPa <= 0.0) return 0.0;
    double V = RootSectant(FV, 0.95 * first, 1.05 * first, empty, empty, TK, PMPa, 1e-16, 5000);
    // FV reads zero at 10 cm3/mol and below, so an iterate that falls there
    // ends the search as if converged; it is no volume of water.
    if (V <= 10.0) return 0.0;
    return V;
}

void Fugacity_Haar84(int phase, double TK, double PMPa, double Vcm) {
    double lnphi = 0.0;
    if (TK > 0.0 && Vcm > 0.0 && PMPa > 0.0) {
        double Z = PMPa * Vcm / (R * TK);
        lnphi = (Z - 1.0) - std::log(Z) + ABase(4, TK, Vcm) + AResidual(4, TK, Vcm);
    }
    // A ln(phi) of 227 or more in magnitude (or not a number, for a volume
    // inside the covolume) leaves the ideal-gas values.
    double phi = std::fabs(lnphi) < 227.0 ? std::exp(lnphi) : 1.0;
    H2O.Coefficient[phase] = phi;
    H2O.Fugacity[phase] = phi * PMPa;
}

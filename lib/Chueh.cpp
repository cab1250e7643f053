// Chueh & Prausnitz (1967) equation of state: the Redlich-Kwong form
//   P = R T/(V - b) - a/(sqrt(T) V (V + b))
// with species-specific Omega_a and Omega_b, pseudo-critical combining rules
// for the cross terms and an effective (quantum-corrected) set of critical
// constants for H2.
//   a_ij = ((Omega_a_i + Omega_a_j)/2) R^2 Tc_ij^2.5/Pc_ij,
//   Tc_ij = sqrt(Tc_i Tc_j)(1 - k_ij), Vc_ij = ((Vc_i^(1/3) + Vc_j^(1/3))/2)^3,
//   Zc_ij = 0.291 - 0.08 (w_i + w_j)/2, Pc_ij = R Zc_ij Tc_ij/Vc_ij,
//   b_i = Omega_b_i R Tc_i/Pc_i,
// and for pairs with H2: Tc_ij/(1 + 21.8 mu_ij/T), Pc_ij/(1 + 44.2 mu_ij/T),
// mu_ij = (1/M_i + 1/M_j)/2.
#include "Chueh.h"

#include <cmath>

#include "Equation.h"
#include "Numdef.h"
#include "Reid.h"

namespace {

const double R = 8.31451;                // J/(mol K) = MPa cm3/(mol K)
const double R2 = 69.13107654010001;     // R^2
const int iH2 = 7;                       // gas number of H2

// a_ij (row i, column j) and b_i of the last Amix/Bmix call.
double A[10][10];
double B[10];

Gas* const Species[10] = {&H2O, &CO2, &CH4, &N2, &C2H6, &H2S, &NH3, &H2, &O2, &CO};

// Classical critical constants of H2 used in place of the tabulated ones.
const double TcH2 = 43.6;      // K
const double PcH2 = 2.046765;  // MPa

// Molar mass (g/mol) of gas number i, 0.0 outside 0..9.
double MW(int i) {
    if (i < 0 || i > 9) return 0.0;
    return Species[i]->Mole_Weight;
}

double Kij(int i, int j) {
    if (i > j) {
        int t = i;
        i = j;
        j = t;
    }
    if (i == 1 && j == 2) return 0.05;  // CO2-CH4
    if (i == 1 && j == 4) return 0.08;  // CO2-C2H6
    if (i == 1 && j == 5) return 0.08;  // CO2-H2S
    if (i == 2 && j == 3) return 0.03;  // CH4-N2
    if (i == 2 && j == 4) return 0.01;  // CH4-C2H6
    if (i == 2 && j == 5) return 0.05;  // CH4-H2S
    if (i == 2 && j == 7) return 0.03;  // CH4-H2
    if (i == 3 && j == 4) return 0.05;  // N2-C2H6
    if (i == 4 && j == 5) return 0.06;  // C2H6-H2S
    return 0.0;
}

double OmegaA(int i) {
    switch (i) {
    case 1: return 0.447;   // CO2
    case 2: return 0.4278;  // CH4
    case 3: return 0.429;   // N2
    case 4: return 0.434;   // C2H6
    case 5: return 0.434;   // H2S
    case 7: return 0.4278;  // H2
    default: return 1.0 / (9.0 * (std::pow(2.0, 1.0 / 3.0) - 1.0));
    }
}

// R Omega_b of species i.
double Cb(int i) {
    switch (i) {
    case 1: return 0.7574518610000001;  // CO2, Omega_b 0.0911
    case 2: return 0.720868017;         // CH4, 0.0867
    case 3: return 0.7233623699999999;  // N2, 0.0870
    case 4: return 0.73167688;          // C2H6, 0.0880
    case 5: return 0.733339782;         // H2S, 0.0882
    case 7: return 0.720868017;         // H2, 0.0867
    default: return R * (std::pow(2.0, 1.0 / 3.0) - 1.0) / 3.0;
    }
}

// Critical temperature (K), pressure (MPa), volume (cm3/mol) and acentric
// factor of species i as this equation uses them.
void Critical(int i, double* Tc, double* Pc, double* Vc, double* w) {
    if (i == iH2) {
        *Tc = TcH2;
        *Pc = PcH2;
        *Vc = 2.41952241 * TcH2 / PcH2;  // 0.291 R Tc/Pc
        *w = 0.0;
        return;
    }
    *Tc = Species[i]->Tcrit;
    *Pc = Species[i]->Pcrit;
    *Vc = Species[i]->Vcrit;
    *w = Species[i]->Acentric;
    if (i == 2) *w = 0.008;  // CH4
    if (i == 4) *w = 0.105;  // C2H6
}

// a_ij of species i and j at TK.
double Pair(int i, int j, double TK) {
    double Tci, Pci, Vci, wi;
    Critical(i, &Tci, &Pci, &Vci, &wi);
    double Tcj, Pcj, Vcj, wj;
    Critical(j, &Tcj, &Pcj, &Vcj, &wj);
    double Tcij = std::sqrt(Tci * Tcj) * (1.0 - Kij(i, j));
    double Vcij = std::pow((std::pow(Vci, 1.0 / 3.0) + std::pow(Vcj, 1.0 / 3.0)) / 2.0, 3.0);
    double Zcij = 0.291 - 0.08 * (wi + wj) / 2.0;
    double Pcij = R * Zcij * Tcij / Vcij;
    if (i == iH2 || j == iH2) {
        double mu = (1.0 / MW(i) + 1.0 / MW(j)) / 2.0;
        Tcij = Tcij / (1.0 + 21.8 * mu / TK);
        Pcij = Pcij / (1.0 + 44.2 * mu / TK);
    }
    return ((OmegaA(i) + OmegaA(j)) / 2.0) * R2 * std::pow(Tcij, 2.5) / Pcij;
}

// The critical constants and the temperature the table A was last formed
// from. Only the pairs with H2 depend on the temperature; the constants
// change only when a saturation curve has stored its own, which
// Reid_Constants undoes.
Table_Inputs<40> A_critical;
double A_TK = 0.0;

double Amix(double* xgas, double TK) {
    Reid_Constants();
    double critical[40];
    for (int i = 0; i < 10; i++)
        Critical(i, &critical[4 * i], &critical[4 * i + 1], &critical[4 * i + 2], &critical[4 * i + 3]);
    if (A_critical.Changed(critical)) {
        for (int i = 0; i < 10; i++)
            for (int j = 0; j < 10; j++) A[i][j] = Pair(i, j, TK);
        A_TK = TK;
    } else if (TK != A_TK) {
        for (int k = 0; k < 10; k++) {
            A[iH2][k] = Pair(iH2, k, TK);
            A[k][iH2] = Pair(k, iH2, TK);
        }
        A_TK = TK;
    }
    double a = 0.0;
    for (int i = 0; i < 10; i++)
        for (int j = 0; j < 10; j++) a += xgas[i] * xgas[j] * A[i][j];
    return a;
}

double Bmix(double* xgas, double TK) {
    Reid_Constants();
    for (int i = 0; i < 10; i++) {
        double Tc, Pc, Vc, w;
        Critical(i, &Tc, &Pc, &Vc, &w);
        if (i == iH2) {
            double M = MW(iH2);
            Tc = TcH2 / (1.0 + 21.8 / (M * TK));
            Pc = PcH2 / (1.0 + 44.2 / (M * TK));
        }
        B[i] = Cb(i) * Tc / Pc;
    }
    double b = 0.0;
    for (int i = 0; i < 10; i++) b += xgas[i] * B[i];
    return b;
}

}  // namespace

double Pressure_Chueh(double* xgas, double TK, double Vcm) {
    double y[10];
    Normalise_Fractions(xgas, y);
    if (TK <= 0.0) return 0.0;
    double a = Amix(y, TK);
    double b = Bmix(y, TK);
    if (Vcm <= b) return 0.0;
    return R * TK / (Vcm - b) - a / (std::sqrt(TK) * Vcm * (Vcm + b));
}

double Volume_Chueh(int what, double* xgas, double TK, double PMPa) {
    double y[10];
    Normalise_Fractions(xgas, y);
    if (TK <= 0.0 || PMPa <= 0.0) return 0.0;
    double a = Amix(y, TK);
    double b = Bmix(y, TK);
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

void Fugacity_Chueh(int phase, double* xgas, double TK, double PMPa, double Vcm) {
    double y[10];
    Normalise_Fractions(xgas, y);
    double a = 0.0, b = 0.0;
    if (TK > 0.0) {
        a = Amix(y, TK);
        b = Bmix(y, TK);
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
        // exp() of |ln phi| >= 227 is far outside any physical state: keep phi = 1.
        double phi = (std::fabs(lnphi) < 227.0) ? std::exp(lnphi) : 1.0;
        Gas_Coefficients(i, phase, phi);
        Gas_Fugacities(i, phase, phi * y[i] * PMPa);
    }
}

// Osmotic coefficient of aqueous NaCl-KCl-CaCl2-MgCl2 solutions from the
// ion-interaction equations of Pitzer: Debye-Hueckel term, salt virial
// coefficients B and C, cation-cation mixing theta with the unsymmetrical
// term E-theta (its J integral by a Chebyshev approximation), and the
// triple-ion terms psi.
#include "Elecsol.h"

#include <cmath>

#include "Haar84.h"
#include "Hare.h"
#include "Numdef.h"

const int gex = 0;
const int der = 1;
const int phi = 2;
const int gam = 3;
const int vol = 4;

double BMX[5][4][4];
double CMX[5][4][4];
double cPhi[5][4][4];
double cPsi[4][4][4];

namespace {

// Start values of the water-volume search: 17.0 + 0.5 k cm3/mol, k = 1..60.
const int kVolumeStarts = 60;

// Upper end (inclusive) of the first Chebyshev branch of J.
const double kJBranch = 1.0;

// Chebyshev coefficients of J(x): column 0 for x <= 1, column 1 for x > 1.
const double aJ[21][2] = {
    {1.925154014814667, 0.628023320520852},
    {-0.060076477753119, 0.462762985338493},
    {-0.029779077456514, 0.150044637187895},
    {-0.007299499690937, -0.028796057604906},
    {0.000388260636404, -0.036552745910311},
    {0.000636874599598, -0.001668087945272},
    {3.6583601823e-05, 0.006519840398744},
    {-4.5036975204e-05, 0.001130378079086},
    {-4.53789571e-06, -0.000887171310131},
    {2.937706971e-06, -0.000242107641309},
    {3.96566462e-07, 8.7294451594e-05},
    {-2.02099617e-07, 3.4682122751e-05},
    {-2.5267769e-08, -4.583768938e-06},
    {1.352261e-08, -3.548684306e-06},
    {1.229405e-09, -2.5045388e-07},
    {-8.21969e-10, 2.16991779e-07},
    {-5.0847e-11, 8.077957e-08},
    {4.6333e-11, 4.558555e-09},
    {1.943e-12, -6.944757e-09},
    {-2.563e-12, -2.849257e-09},
    {-1.0991e-11, 2.37816e-10},
};

// NaCl beta0(T, P) with P in bar, from the fit valid for 227 K < T < 680 K;
// k[1..21], column 0 for T <= 338.15 K, column 1 above. k[0] is unused.
const double kBeta0NaCl[22][2] = {
    {0.0, 0.0},
    {-656.81518, -656.81518},
    {24.879183, 24.86913},
    {-2.1552731e-05, 5.3812753e-05},
    {5.0166855e-08, -5.588747e-08},
    {0.0, 6.5893263e-12},
    {-4.4640952, -4.4640952},
    {0.011087099, 0.011109914},
    {-6.4479761e-08, -2.6573399e-07},
    {-2.3234032e-10, 1.746007e-10},
    {0.0, 1.0462619e-14},
    {-5.2194871e-06, -5.3070129e-06},
    {2.444521e-10, 8.6340233e-10},
    {2.8527066e-13, -4.1785962e-13},
    {-1.5696231, -1.579366},
    {0.0022337864, 0.0022022821},
    {-6.3933891e-07, -1.3105503e-07},
    {4.5270573e-11, -6.3813683e-11},
    {5.4151933, 9.70658},
    {0.0, -0.026860396},
    {0.0, 1.5344744e-05},
    {0.0, -3.2153983e-09},
};

// NaCl C-phi(T, P) with P in bar, same ranges; r[1..12], r[0] unused.
const double kCphiNaCl[13][2] = {
    {0.0, 0.0},
    {-6.1084589, -6.1084589},
    {0.40743803, 0.40217793},
    {-6.815243e-06, 2.2902837e-05},
    {-0.075354649, -0.075354649},
    {0.00012609014, 0.00015317673},
    {6.2480692e-08, -9.0550901e-08},
    {1.8994373e-08, -1.5386008e-08},
    {-1.0731284e-10, 8.69266e-11},
    {0.32136572, 0.35310414},
    {-0.00025382945, -0.00043314252},
    {0.0, -0.091871455},
    {0.0, 0.00051904777},
};

// Limits of the NaCl fits, K, and the temperature that divides their sets.
const double kNaClTmin = 227.0;
const double kNaClTmax = 680.0;
const double kNaClTsplit = 338.15;

// Column of the NaCl coefficient tables at T.
int NaCl_Set(double T) {
    return T <= kNaClTsplit ? 0 : 1;
}

// Polynomial c[0] + c[1] T + ... + c[n-1] T^(n-1).
double Polynomial(const double* c, int n, double T) {
    double sum = 0.0;
    double Tk = 1.0;
    for (int i = 0; i < n; i++) {
        sum += c[i] * Tk;
        Tk *= T;
    }
    return sum;
}

// g(x) and g'(x) of the beta1 and beta2 terms of B.
double gB(double x) {
    return 2.0 * (1.0 - (1.0 + x) * std::exp(-x)) / (x * x);
}

double gBprime(double x) {
    return -2.0 * (1.0 - (1.0 + x + x * x / 2.0) * std::exp(-x)) / (x * x);
}

// h(x) and h'(x) of the ionic-strength dependent C term.
double hC(double x) {
    double x2 = x * x;
    double x3 = x2 * x;
    double x4 = x3 * x;
    return 4.0 * (6.0 - (6.0 + 6.0 * x + 3.0 * x2 + x3) * std::exp(-x)) / x4;
}

double hCprime(double x) {
    double x2 = x * x;
    double x3 = x2 * x;
    double x4 = x3 * x;
    return -8.0 * (6.0 - (6.0 + 6.0 * x + 3.0 * x2 + x3 + x4 / 4.0) * std::exp(-x)) / x4;
}

}  // namespace

double Charge_Cation(int i) {
    switch (i) {
    case 0:
        return (double)Sodium.Oxidation_State1;
    case 1:
        return (double)Potasium.Oxidation_State1;
    case 2:
        return (double)Calcium.Oxidation_State1;
    case 3:
        return (double)Magnesium.Oxidation_State1;
    default:
        return 0.0;
    }
}

double Ionic_Strength(double* mCation, double* mAnion) {
    double zNa = (double)Sodium.Oxidation_State1;
    double zK = (double)Potasium.Oxidation_State1;
    double zCa = (double)Calcium.Oxidation_State1;
    double zMg = (double)Magnesium.Oxidation_State1;
    double zCl = (double)Chlorine.Oxidation_State1;
    return 0.5 * (zNa * zNa * mCation[0] + zK * zK * mCation[1] + zCa * zCa * mCation[2] +
                  zMg * zMg * mCation[3] + zCl * zCl * mAnion[0]);
}

double Density_pureH2O(double TK, double PMPa) {
    double M = H2O.Mole_Weight;
    // Liquid water below 0 C: the density at atmospheric pressure of the
    // supercooled liquid, shifted by the pressure effect found at 273.15 K.
    double Tsearch = TK < 273.15 ? 273.15 : TK;
    double v = 0.0;
    for (int k = 1; k <= kVolumeStarts; k++) {
        v = Volume_Haar84(17.0 + 0.5 * k, Tsearch, PMPa);
        if (v > 0.0) break;
    }
    if (!(v > 0.0)) return 0.0;
    if (TK < 273.15) {
        double d0 = 1000.0 * M / v;
        double v1 = Volume_Hare(273.15);
        double vT = Volume_Hare(TK);
        // The density polynomial turns non-positive near 195 K.
        if (!(v1 > 0.0) || !(vT > 0.0)) return 0.0;
        double d1 = 1000.0 * M / v1;
        return 1000.0 * M / vT + (d0 - d1);
    }
    return 1000.0 * M / v;
}

double Electrostatic_Term(int ref, double TK, double PMPa) {
    (void)ref;
    double Aphi = 0.39;
    if (TK <= 182.9 || PMPa <= 0.0) return Aphi;

    // Dielectric constant of water, Bradley & Pitzer (1979); P in bar.
    double T = TK;
    double P = 10.0 * PMPa;
    double D1000 = 342.79 * std::exp(-0.0050866 * T + 9.469e-07 * T * T);
    double C = -2.0525 + 3115.9 / (T - 182.89);
    double B = -8032.5 + 4214200.0 / T + 2.1417 * T;
    double D = D1000 + C * std::log((P + B) / (1000.0 + B));

    double eps = 8.854187817e-12 * D;  // permittivity, F/m
    double rho = Density_pureH2O(TK, PMPa);  // kg/m3
    // e^2 / (4 pi eps k T), with e^2 in C^2 and Boltzmann's constant in J/K.
    double x0 = 2.5669721967659287e-38 / (12.566370614359172 * eps * 1.380658e-23 * T);
    // Avogadro's number per mol.
    Aphi = std::pow(x0, 1.5) * 0.3333333333333333 *
           std::sqrt(2.0 * rho * 3.141592653589793 * 6.0221367e+23);
    return Aphi;
}

double J_function(double x, double* dJ) {
    double z, dz;
    int col;
    if (x <= kJBranch) {
        z = 4.0 * std::pow(x, 0.2) - 2.0;
        dz = 0.8 * std::pow(x, -0.8);
        col = 0;
    } else {
        z = 4.444444444444445 * std::pow(x, -0.1) - 2.4444444444444446;
        dz = -0.4444444444444444 * std::pow(x, -1.1);
        col = 1;
    }
    double b[23];
    double d[23];
    b[21] = b[22] = d[21] = d[22] = 0.0;
    for (int k = 20; k >= 0; k--) {
        b[k] = z * b[k + 1] - b[k + 2] + aJ[k][col];
        d[k] = b[k + 1] + z * d[k + 1] - d[k + 2];
    }
    *dJ = 0.25 + 0.5 * dz * (d[0] - d[2]);
    return 0.25 * x - 1.0 + 0.5 * (b[0] - b[2]);
}

void Mixing_Terms(int ref, double TK, double IS, double Af) {
    (void)ref;
    (void)TK;
    double Theta0[4][4], ThetaE[4][4], dThetaE[4][4];
    double x[4][4], Jx[4][4], Jdx[4][4];
    for (int c1 = 0; c1 < 4; c1++) {
        for (int c2 = 0; c2 < 4; c2++) {
            cPhi[gex][c1][c2] = 0.0;
            cPhi[phi][c1][c2] = 0.0;
            cPhi[der][c1][c2] = 0.0;
            Theta0[c1][c2] = 0.0;
            ThetaE[c1][c2] = 0.0;
            dThetaE[c1][c2] = 0.0;
        }
    }
    // theta of unlike cations; independent of T and P.
    Theta0[0][1] = -0.012;  // Na-K
    Theta0[0][2] = 0.07;    // Na-Ca
    Theta0[0][3] = 0.07;    // Na-Mg
    Theta0[1][2] = 0.032;   // K-Ca
    Theta0[1][3] = 0.0;     // K-Mg
    Theta0[2][3] = 0.007;   // Ca-Mg

    for (int c1 = 0; c1 < 4; c1++) {
        for (int c2 = 0; c2 < 4; c2++) {
            x[c1][c2] = 6.0 * Charge_Cation(c1) * Charge_Cation(c2) * Af * std::sqrt(IS);
            if (x[c1][c2] > 0.0) {
                Jx[c1][c2] = J_function(x[c1][c2], &Jdx[c1][c2]);
            } else {
                Jx[c1][c2] = 0.0;
                Jdx[c1][c2] = 0.0;
            }
        }
    }

    for (int c1 = 0; c1 < 4; c1++) {
        for (int c2 = c1 + 1; c2 < 4; c2++) {
            double zz = Charge_Cation(c1) * Charge_Cation(c2);
            ThetaE[c1][c2] = zz / (4.0 * IS) * (Jx[c1][c2] - 0.5 * (Jx[c1][c1] + Jx[c2][c2]));
            dThetaE[c1][c2] = zz / (8.0 * IS * IS) *
                                  (x[c1][c2] * Jdx[c1][c2] -
                                   0.5 * (x[c1][c1] * Jdx[c1][c1] + x[c2][c2] * Jdx[c2][c2])) -
                              ThetaE[c1][c2] / IS;
            cPhi[gex][c1][c2] = Theta0[c1][c2] + ThetaE[c1][c2];
            cPhi[phi][c1][c2] = Theta0[c1][c2] + ThetaE[c1][c2] + IS * dThetaE[c1][c2];
            cPhi[der][c1][c2] = dThetaE[c1][c2];
        }
    }
}

void Psi_Parameters(int ref, double TK) {
    (void)ref;
    (void)TK;
    for (int c1 = 0; c1 < 4; c1++)
        for (int c2 = 0; c2 < 4; c2++) cPsi[c1][c2][0] = 0.0;
    cPsi[0][1][0] = -0.0018;  // Na-K-Cl
    cPsi[0][2][0] = -0.007;   // Na-Ca-Cl
    cPsi[0][3][0] = -0.012;   // Na-Mg-Cl
    cPsi[1][2][0] = -0.025;   // K-Ca-Cl
    cPsi[1][3][0] = -0.022;   // K-Mg-Cl
    cPsi[2][3][0] = -0.012;   // Ca-Mg-Cl
}

void Binary_Interactions(int ref, double TK, double PMPa, double IS) {
    (void)ref;
    double beta0[4] = {0.0, 0.0, 0.0, 0.0};
    double beta1[4] = {0.0, 0.0, 0.0, 0.0};
    double beta2[4] = {0.0, 0.0, 0.0, 0.0};
    double beta0_dP[4] = {0.0, 0.0, 0.0, 0.0};
    double beta1_dP[4] = {0.0, 0.0, 0.0, 0.0};
    double beta2_dP[4] = {0.0, 0.0, 0.0, 0.0};

    // Constant NaCl values and MgCl2 pressure derivatives (per MPa).
    beta0[0] = 0.0765;
    beta1[0] = 0.2664;
    beta0_dP[0] = 0.0001255;
    beta0_dP[3] = 0.0001843;
    beta1_dP[3] = -0.000846;

    double T = TK;
    if (T > kNaClTmin && T < kNaClTmax && PMPa > 0.0) {
        const double(*k)[2] = kBeta0NaCl;
        int s = NaCl_Set(T);
        double P = 10.0 * PMPa;  // bar
        double P2 = P * P;
        double P3 = P2 * P;
        beta0[0] = k[1][s] / T + k[2][s] + k[3][s] * P + k[4][s] * P2 + k[5][s] * P3 +
                   k[6][s] * std::log(T) +
                   (k[7][s] + k[8][s] * P + k[9][s] * P2 + k[10][s] * P3) * T +
                   (k[11][s] + k[12][s] * P + k[13][s] * P2) * T * T +
                   (k[14][s] + k[15][s] * P + k[16][s] * P2 + k[17][s] * P3) / (T - 227.0) +
                   (k[18][s] + k[19][s] * P + k[20][s] * P2 + k[21][s] * P3) / (680.0 - T);
        // d(beta0)/dP at constant T, per bar, then per MPa.
        double dbdP = k[3][s] + 2.0 * k[4][s] * P + 3.0 * k[5][s] * P2 +
                      (k[8][s] + 2.0 * k[9][s] * P + 3.0 * k[10][s] * P2) * T +
                      (k[12][s] + 2.0 * k[13][s] * P) * T * T +
                      (k[15][s] + 2.0 * k[16][s] * P + 3.0 * k[17][s] * P2) / (T - 227.0) +
                      (k[19][s] + 2.0 * k[20][s] * P + 3.0 * k[21][s] * P2) / (680.0 - T);
        beta0_dP[0] = 10.0 * dbdP;
        beta1[0] = 119.31966 / T - 0.48309327 + 0.0014068095 * T - 4.2345814 / (T - 227.0);
    }

    static const double b0KCl[6] = {-3.7764, 0.044416, -0.00020783, 4.906e-07, -5.8159e-10,
                                    2.7579e-13};
    static const double b1KCl[7] = {-111.41, 1.7091, -0.010842, 3.6427e-05, -6.8301e-08,
                                    6.7757e-11, -2.7783e-14};
    static const double b0CaCl2[3] = {0.038938, 0.0015359, -2.2267e-06};
    static const double b1CaCl2[3] = {3.4787, -0.015417, 3.1791e-05};
    static const double b0MgCl2[4] = {0.05105, 0.0032419, -1.0192e-05, 9.0791e-09};
    static const double b1MgCl2[3] = {-2.1, 0.012, -1e-06};
    beta0[1] = Polynomial(b0KCl, 6, T);
    beta1[1] = Polynomial(b1KCl, 7, T);
    beta0[2] = Polynomial(b0CaCl2, 3, T);
    beta1[2] = Polynomial(b1CaCl2, 3, T);
    beta0[3] = Polynomial(b0MgCl2, 4, T);
    beta1[3] = Polynomial(b1MgCl2, 3, T);

    double alpha1 = 2.0;
    double alpha2 = 12.0;
    double x1 = alpha1 * std::sqrt(IS);
    double x2 = alpha2 * std::sqrt(IS);
    for (int s = 0; s < 4; s++) {
        BMX[gex][s][0] = beta0[s] + beta1[s] * gB(x1) + beta2[s] * gB(x2);
        BMX[vol][s][0] = beta0_dP[s] + beta1_dP[s] * gB(x1) + beta2_dP[s] * gB(x2);
        BMX[der][s][0] = (beta1[s] * gBprime(x1) + beta2[s] * gBprime(x2)) / IS;
        BMX[phi][s][0] = beta0[s] + beta1[s] * std::exp(-x1) + beta2[s] * std::exp(-x2);
        BMX[gam][s][0] = BMX[gex][s][0] + BMX[phi][s][0];
    }
}

void Ternary_Interactions(int ref, double TK, double PMPa, double IS) {
    (void)ref;
    // c0 holds C-phi / (2 sqrt|zM zX|): /2 for 1:1, /(2 sqrt 2) for 2:1 salts.
    double c0[4] = {0.0, 0.0, 0.0, 0.0};
    double c1[4] = {0.0, 0.0, 0.0, 0.0};
    double c0_dP[4] = {0.0, 0.0, 0.0, 0.0};
    double c1_dP[4] = {0.0, 0.0, 0.0, 0.0};
    double twoRoot2 = std::sqrt(2.0) * 2.0;

    c0[0] = 0.000635;
    c0_dP[0] = -6.88e-06;
    c0_dP[3] = -1.948e-05 / twoRoot2;

    double T = TK;
    if (T > kNaClTmin && T < kNaClTmax && PMPa > 0.0) {
        const double(*r)[2] = kCphiNaCl;
        int s = NaCl_Set(T);
        double P = 10.0 * PMPa;  // bar
        double Cphi = r[1][s] / T + r[2][s] + r[3][s] * P + r[4][s] * std::log(T) +
                      (r[5][s] + r[6][s] * P) * T + (r[7][s] + r[8][s] * P) * T * T +
                      (r[9][s] + r[10][s] * P) / (T - 227.0) +
                      (r[11][s] + r[12][s] * P) / (680.0 - T);
        // d(C-phi)/dP at constant T, per bar.
        double dCdP = r[3][s] + r[6][s] * T + r[8][s] * T * T + r[10][s] / (T - 227.0) +
                      r[12][s] / (680.0 - T);
        c0[0] = Cphi / 2.0;
        c0_dP[0] = 10.0 * dCdP / 2.0;
    }

    double T2 = T * T;
    double T3 = T2 * T;
    double T4 = T3 * T;
    double T5 = T4 * T;
    c0[1] = (0.43863 - 0.005148 * T + 2.4269e-05 * T2 - 5.7606e-08 * T3 + 6.8529e-11 * T4 -
             3.2559e-14 * T5) /
            2.0;
    c0[2] = (0.13597 - 0.0013652 * T + 5.5317e-06 * T2 - 1.0592e-08 * T3 + 7.5849e-12 * T4) /
            twoRoot2;
    c0[3] = (0.063245 - 0.00027587 * T + 2.8528e-07 * T2) / twoRoot2;

    double alpha = 2.5;
    double x = alpha * std::sqrt(IS);
    for (int s = 0; s < 4; s++) {
        CMX[gex][s][0] = c0[s] + c1[s] * hC(x);
        CMX[vol][s][0] = c0_dP[s] + c1_dP[s] * hC(x);
        CMX[der][s][0] = c1[s] * hCprime(x) / IS;
        CMX[phi][s][0] = 2.0 * (c0[s] + c1[s] * std::exp(-x));
        CMX[gam][s][0] = 1.5 * CMX[phi][s][0];
    }
}

double Osmotic_Coefficient(int ref, double TK, double PMPa, double* msalt) {
    double mCation[4];
    double mAnion[4] = {0.0, 0.0, 0.0, 0.0};
    for (int i = 0; i < 4; i++) mCation[i] = msalt[i];
    iNa.Molality = mCation[0];
    iK.Molality = mCation[1];
    iCa.Molality = mCation[2];
    iMg.Molality = mCation[3];
    // Electroneutrality: one Cl- per Na+ or K+, two per Ca++ or Mg++.
    mAnion[0] = mCation[0] + mCation[1] + 2.0 * mCation[2] + 2.0 * mCation[3];
    iCl.Molality = mAnion[0];

    double I = Ionic_Strength(mCation, mAnion);
    if (I <= 0.0 || TK <= 0.0 || PMPa <= 0.0) return 1.0;

    double b = 1.2;
    double Aphi = Electrostatic_Term(ref, TK, PMPa);
    double r = -Aphi * std::pow(I, 1.5) / (1.0 + b * std::sqrt(I));

    Binary_Interactions(ref, TK, PMPa, I);
    Ternary_Interactions(ref, TK, PMPa, I);
    Mixing_Terms(ref, TK, I, Aphi);
    Psi_Parameters(ref, TK);

    // Sum of the cation charges only; CMX[phi] carries the matching factor 2.
    double Z = 0.0;
    for (int c = 0; c < 4; c++) Z += Charge_Cation(c) * mCation[c];

    double mCl = mAnion[0];
    for (int c = 0; c < 4; c++) r += mCation[c] * mCl * (BMX[phi][c][0] + Z * CMX[phi][c][0]);
    for (int c = 0; c < 4; c++)
        for (int c2 = c + 1; c2 < 4; c2++)
            r += mCation[c] * mCation[c2] * (cPhi[phi][c][c2] + mCl * cPsi[c][c2][0]);

    double sum = mCation[0] + mCation[1] + mCation[2] + mCation[3] + mCl;
    r = r * 2.0 / sum;
    return 1.0 + r;
}

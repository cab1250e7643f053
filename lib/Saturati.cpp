// Liquid-vapour coexistence curves of pure fluids (ancillary equations).
//
// Sources of the correlations:
//   H2O   Wagner & Pruss vapour-pressure and saturated-density equations
//   CO2   Duschek, Kleinrahm & Wagner (1990)
//   CH4   Setzmann & Wagner (1991)
//   N2    Jacobsen, Stewart & Jahangiri (1986)
//   C2H6  Friend, Ingham & Ely (1991)
//   O2, CO, NH3, H2S, H2: vapour-pressure fits with their own extrapolations
//   above the critical temperature.
//
// Units: T in K, P in MPa, molar volume in cm3/mol. Densities in kg/m3 become
// molar volumes as 1000*M/rho (M in g/mol); densities in mol/dm3 as 1000/rho.
#include "Saturati.h"

#include <cmath>

#include "Equation.h"
#include "Numdef.h"
#include "Reid.h"

double nul = 0.0;

namespace {

const double third = 1.0 / 3.0;
const double two_thirds = 2.0 / 3.0;
const double four_thirds = 4.0 / 3.0;
const double five_thirds = 5.0 / 3.0;
const double seven_thirds = 7.0 / 3.0;
const double ten_thirds = 10.0 / 3.0;
const double eleven_thirds = 11.0 / 3.0;

// Secant settings of the saturation temperature: start values Tcrit and Ttrip,
// relative step 1e-12, at most 1000 undamped steps.
const double sectant_accuracy = 1e-12;
const int sectant_maxit = 1000;

// Half-width, relative to T, of the interval in which a secant result must
// straddle a sign change of the residual to count as a root.
const double root_window = 1e-9;
// Bisection halvings; far more than the 2^-52 relative resolution needs.
const int bisection_maxit = 200;

// True when a and b do not have strictly the same sign (a zero counts as
// either sign); false when either is NaN.
bool Opposite(double a, double b) {
    return (a <= 0.0 && b >= 0.0) || (a >= 0.0 && b <= 0.0);
}

double Residual(SectantFunction func, double T, double x) {
    return func(T, empty, empty, x, nul);
}

// Whether T, inside [Tlow, Thigh], is a root of func: the residual vanishes at
// T or changes sign within T*(1 -+ root_window), the window clipped to the
// range. A secant that homes in on a jump of the residual (at the triple or
// critical point) fails this test.
bool Is_Root(SectantFunction func, double T, double x, double Tlow, double Thigh) {
    if (!(T >= Tlow && T <= Thigh)) return false;
    double r = Residual(func, T, x);
    if (r == 0.0) return true;
    double lo = T * (1.0 - root_window);
    double hi = T * (1.0 + root_window);
    if (lo < Tlow) lo = Tlow;
    if (hi > Thigh) hi = Thigh;
    return Opposite(Residual(func, lo, x), r) || Opposite(r, Residual(func, hi, x));
}

// Bisection for the root of func on [Tlow, Thigh], where the residual is
// continuous and monotonic along one saturation branch. 0.0 when the residual
// has the same sign at both ends (no saturation temperature in the range).
double Bracketed_Root(SectantFunction func, double x, double Tlow, double Thigh) {
    double a = Tlow, b = Thigh;
    double fa = Residual(func, a, x);
    double fb = Residual(func, b, x);
    if (fa == 0.0) return a;
    if (fb == 0.0) return b;
    if (!Opposite(fa, fb)) return 0.0;
    for (int i = 0; i < bisection_maxit; ++i) {
        double m = 0.5 * (a + b);
        if (m <= a || m >= b) break;
        double fm = Residual(func, m, x);
        if (fm == 0.0) return m;
        if (Opposite(fa, fm)) {
            b = m;
            fb = fm;
        } else {
            a = m;
            fa = fm;
        }
    }
    return std::fabs(fa) <= std::fabs(fb) ? a : b;
}

// Saturation temperature of gas from a pressure (what = 1, residual fp) or a
// molar volume (what = 2, residual fv); the caller has stored Tcrit and Ttrip.
// The undamped secant from (Tcrit, Ttrip) finds most roots. Liquid-branch
// volumes and some pressures send its first steps outside [Ttrip, Tcrit],
// where the residual is flat or jumps, and it settles on no root; the root is
// then found by bisection over the whole range.
double Saturation_Temperature(const Gas& gas, SectantFunction fp, SectantFunction fv, int what,
                              double x) {
    SectantFunction func;
    if (what == 1)
        func = fp;
    else if (what == 2)
        func = fv;
    else
        return 0.0;
    double T = RootSectant(func, gas.Tcrit, gas.Ttrip, empty, empty, x, nul, sectant_accuracy,
                           sectant_maxit);
    // A result outside [Ttrip, Tcrit], the failure value 0.0 included, or one
    // that is no root, leaves the search to bisection.
    if (Is_Root(func, T, x, gas.Ttrip, gas.Tcrit)) return T;
    return Bracketed_Root(func, x, gas.Ttrip, gas.Tcrit);
}

// Constants of each fluid (K, MPa).
void Store_H2O() {
    Critical_Constants_Changed();
    H2O.Tcrit = 647.096;
    H2O.Pcrit = 22.064;
    H2O.Ttrip = 273.16;
}

void Store_CO2() {
    Critical_Constants_Changed();
    CO2.Tcrit = 304.136;
    CO2.Pcrit = 7.3773;
    CO2.Ttrip = 216.592;
}

void Store_CH4() {
    Critical_Constants_Changed();
    CH4.Tcrit = 190.564;
    CH4.Pcrit = 4.5922;
    CH4.Ttrip = 90.6941;
}

void Store_N2() {
    Critical_Constants_Changed();
    N2.Tcrit = 126.193;
    N2.Pcrit = 3.3978;
    N2.Ttrip = 63.148;
}

void Store_C2H6() {
    Critical_Constants_Changed();
    C2H6.Tcrit = 305.33;
    C2H6.Pcrit = 4.8718;
    C2H6.Ttrip = 90.352;
}

// CO2 critical molar volume (critical density 467.6 kg/m3).
const double CO2_Vc = 94.118905;
// Critical densities: H2O and CH4 in kg/m3, N2 and C2H6 in mol/dm3.
const double H2O_rhoc = 322.0;
const double CH4_rhoc = 162.66;
const double CH4_rhoc_branch = 162.22;  // decides the branch in CH4_FV
const double N2_rhoc = 11.177;
const double C2H6_rhoc = 6.87;

}  // namespace

// ---------------------------------------------------------------- pressures

double H2O_Psat(double TK) {
    Store_H2O();
    if (!(TK >= H2O.Ttrip)) return 0.0;
    if (TK > H2O.Tcrit) return std::pow(10.0, -2125.7 / TK + 4.6637);
    double tau = 1.0 - TK / H2O.Tcrit;
    double lnp = H2O.Tcrit / TK *
                 (-7.85951783 * tau + 1.84408259 * std::pow(tau, 1.5) -
                  11.7866497 * std::pow(tau, 3.0) + 22.6807411 * std::pow(tau, 3.5) -
                  15.9618719 * std::pow(tau, 4.0) + 1.80122502 * std::pow(tau, 7.5));
    return H2O.Pcrit * std::exp(lnp);
}

double CO2_Psat(double TK) {
    Store_CO2();
    if (!(TK >= CO2.Ttrip)) return 0.0;
    if (TK > CO2.Tcrit) return std::pow(10.0, -918.2444 / TK + 3.8871);
    double tau = 1.0 - TK / CO2.Tcrit;
    double lnp = CO2.Tcrit / TK *
                 (-7.057346 * tau + 1.932188 * std::pow(tau, 1.5) -
                  1.636312 * std::pow(tau, 2.0) - 3.31247 * std::pow(tau, 4.0));
    return CO2.Pcrit * std::exp(lnp);
}

double CH4_Psat(double TK) {
    Store_CH4();
    if (!(TK >= CH4.Ttrip)) return 0.0;
    if (TK > CH4.Tcrit) return std::pow(10.0, -492.3749 / TK + 3.2462);
    double theta = 1.0 - TK / CH4.Tcrit;
    double lnp = CH4.Tcrit / TK *
                 (-6.036219 * theta + 1.409353 * std::pow(theta, 1.5) -
                  0.4945199 * std::pow(theta, 2.0) - 1.443048 * std::pow(theta, 4.5));
    return CH4.Pcrit * std::exp(lnp);
}

// Polynomial in Tc/T - 1 (no exponential).
double N2_Psat(double TK) {
    Store_N2();
    if (!(TK >= N2.Ttrip)) return 0.0;
    if (TK > N2.Tcrit) return std::pow(10.0, -304.98 / TK + 2.9428);
    double t = N2.Tcrit / TK - 1.0;
    return N2.Pcrit * (TK / N2.Tcrit) *
           (1.0 - 5.072183802 * t + 13.67990776 * std::pow(t, 1.9) -
            11.94002133 * std::pow(t, 2.4) + 2.641788411 * std::pow(t, 3.5) -
            0.3781265428 * std::pow(t, 5.5) + 0.07593697713 * std::pow(t, 7.0));
}

double C2H6_Psat(double TK) {
    Store_C2H6();
    if (!(TK >= C2H6.Ttrip)) return 0.0;
    if (TK > C2H6.Tcrit) return std::pow(10.0, -838.52005 / TK + 3.43391);
    const double eps = 1.9;
    double Tr = (C2H6.Tcrit - TK) / C2H6.Tcrit;
    double lnp = -7.955315 * Tr / (1.0 - Tr) + 1.532027 * Tr + 14.78068 * std::pow(Tr, eps) -
                 13.43179 * std::pow(Tr, 2.0) + 4.704891 * std::pow(Tr, 3.0);
    return C2H6.Pcrit * std::exp(lnp);
}

double O2_Psat(double TK) {
    Critical_Constants_Changed();
    O2.Tcrit = 154.581;
    O2.Pcrit = 5.043;
    O2.Ttrip = 54.361;
    if (!(TK >= O2.Ttrip)) return 0.0;
    if (TK > O2.Tcrit) return std::exp(6.75 - 773.12 / TK - 3879.5 / (TK * TK));
    double tau = (O2.Tcrit - TK) / O2.Tcrit;
    double lnp = O2.Tcrit / TK *
                 (-6.043938 * tau + 1.175627 * std::pow(tau, 1.5) -
                  0.994086 * std::pow(tau, 3.0) - 3.456781 * std::pow(tau, 7.0) +
                  3.361499 * std::pow(tau, 9.0));
    return O2.Pcrit * std::exp(lnp);
}

// The bracket is ln P in bar.
double CO_Psat(double TK) {
    Critical_Constants_Changed();
    CO.Tcrit = 132.85;
    CO.Ttrip = 68.127;
    if (!(TK >= CO.Ttrip)) return 0.0;
    if (TK > CO.Tcrit) return std::exp(6.5881 - 690.21 / TK - 2875.4 / (TK * TK));
    double x = TK / CO.Tcrit;
    return 0.1 * std::exp(-7.461267899 / x + 16.516128685 - 12.217914523 * x +
                          9.048182735 * std::pow(x, 2.0) - 2.331639377 * std::pow(x, 3.0) +
                          0.892713142 * std::pow(1.0 - x, 1.25));
}

double NH3_Psat(double TK) {
    Critical_Constants_Changed();
    NH3.Tcrit = 405.6;
    NH3.Pcrit = 11.28;
    NH3.Ttrip = 195.4;
    if (!(TK >= NH3.Ttrip)) return 0.0;
    if (TK > NH3.Tcrit) return std::exp(8.4513 - 2271.3 / TK - 73160.0 / (TK * TK));
    double tau = 1.0 - TK / NH3.Tcrit;
    double lnp = -6.6722 * tau - 9.6203 * std::pow(tau, 2.0) + 16.201 * std::pow(tau, 3.0) -
                 55.553 * std::pow(tau, 4.0);
    return NH3.Pcrit * std::exp(lnp);
}

double H2S_Psat(double TK) {
    Critical_Constants_Changed();
    H2S.Tcrit = 373.539;
    H2S.Pcrit = 9.00455;
    H2S.Ttrip = 187.6;
    if (!(TK >= H2S.Ttrip)) return 0.0;
    if (TK > H2S.Tcrit) return std::exp(7.4204 - 1806.2 / TK - 55558.0 / (TK * TK));
    double tau = 1.0 - TK / H2S.Tcrit;
    double lnp = -5.7856 * tau - 9.4242 * std::pow(tau, 2.0) + 16.381 * std::pow(tau, 3.0) -
                 48.551 * std::pow(tau, 4.0);
    return H2S.Pcrit * std::exp(lnp);
}

// One fit above the triple point, no critical branch.
double H2_Psat(double TK) {
    H2.Ttrip = 13.8;
    if (!(TK >= H2.Ttrip)) return 0.0;
    return std::exp(4.9017 - 167.65 / TK + 441.17 / (TK * TK));
}

// ------------------------------------------------------- saturated volumes

double H2O_Vsat(int phase, double TK) {
    Critical_Constants_Changed();
    H2O.Tcrit = 647.096;
    H2O.Ttrip = 273.16;
    if (!(TK >= H2O.Ttrip && TK <= H2O.Tcrit)) return 0.0;
    double tau = 1.0 - TK / H2O.Tcrit;
    double rho;
    if (phase == 1) {
        double lnr = -2.0315024 * std::pow(tau, third) - 2.6830294 * std::pow(tau, two_thirds) -
                     5.38626492 * std::pow(tau, four_thirds) - 17.2991605 * std::pow(tau, 3.0) -
                     44.7586581 * std::pow(tau, 37.0 / 6.0) -
                     63.9201063 * std::pow(tau, 71.0 / 6.0);
        rho = H2O_rhoc * std::exp(lnr);
    } else {
        double ratio = 1.0 + 1.99274064 * std::pow(tau, third) +
                       1.09965342 * std::pow(tau, two_thirds) -
                       0.510839303 * std::pow(tau, five_thirds) -
                       1.75493479 * std::pow(tau, 16.0 / 3.0) -
                       45.5170352 * std::pow(tau, 43.0 / 3.0) -
                       674694.45 * std::pow(tau, 110.0 / 3.0);
        rho = H2O_rhoc * ratio;
    }
    return rho > 0.0 ? 1000.0 * H2O.Mole_Weight / rho : 0.0;
}

// V = Vcrit / exp(L).
double CO2_Vsat(int phase, double TK) {
    Critical_Constants_Changed();
    CO2.Tcrit = 304.136;
    CO2.Vcrit = CO2_Vc;
    CO2.Ttrip = 216.592;
    if (!(TK >= CO2.Ttrip && TK <= CO2.Tcrit)) return 0.0;
    double tau = 1.0 - TK / CO2.Tcrit;
    double L;
    if (phase == 1)
        L = -1.71482 * std::pow(tau, third) - 2.131642 * std::pow(tau, two_thirds) -
            3.545734 * std::pow(tau, 7.0 / 6.0) - 7.271425 * std::pow(tau, 13.0 / 6.0) -
            25.97136 * std::pow(tau, 25.0 / 6.0);
    else
        L = 1.778227 * std::pow(tau, third) - 0.4253792 * std::pow(tau, 0.5) -
            0.2671606 * std::pow(tau, 7.0 / 6.0) + 0.2652934 * std::pow(tau, 1.5);
    return CO2.Vcrit / std::exp(L);
}

double CH4_Vsat(int phase, double TK) {
    Critical_Constants_Changed();
    CH4.Tcrit = 190.564;
    CH4.Ttrip = 90.6941;
    if (!(TK >= CH4.Ttrip && TK <= CH4.Tcrit)) return 0.0;
    double theta = 1.0 - TK / CH4.Tcrit;
    double lnr;
    if (phase == 1)
        lnr = -1.880284 * std::pow(theta, 0.354) - 2.8526531 * std::pow(theta, 5.0 / 6.0) -
              3.000648 * std::pow(theta, 1.5) - 5.251169 * std::pow(theta, 2.5) -
              13.191859 * std::pow(theta, 25.0 / 6.0) - 37.553961 * std::pow(theta, 47.0 / 6.0);
    else
        lnr = 1.9906389 * std::pow(theta, 0.354) - 0.78756197 * std::pow(theta, 0.5) +
              0.036976723 * std::pow(theta, 2.5);
    double rho = CH4_rhoc * std::exp(lnr);
    return rho > 0.0 ? 1000.0 * CH4.Mole_Weight / rho : 0.0;
}

// tau = 1 - T/Tc and theta = Tc/T.
double N2_Vsat(int phase, double TK) {
    Critical_Constants_Changed();
    N2.Tcrit = 126.193;
    N2.Ttrip = 63.148;
    if (!(TK >= N2.Ttrip && TK <= N2.Tcrit)) return 0.0;
    double tau = 1.0 - TK / N2.Tcrit;
    double theta = N2.Tcrit / TK;
    double rho;
    if (phase == 1) {
        double lnr = 1.345167397 * std::pow(tau, two_thirds) + 27.21335451 * tau +
                     118.9562787 * std::pow(tau, four_thirds) -
                     268.1972897 * std::pow(tau, five_thirds) + 329.2110413 * std::pow(tau, 2.0) -
                     138.1052419 * std::pow(tau, seven_thirds) +
                     34.47426258 * std::pow(tau, eleven_thirds) - 57.24027229 * std::log(theta) -
                     1.592975033 * std::pow(tau, 0.325);
        rho = N2_rhoc * std::exp(lnr);
    } else {
        double ratio = 1.0 + 17.80437699 * std::pow(tau, two_thirds) +
                       1202.958313 * std::pow(tau, four_thirds) -
                       4601.087081 * std::pow(tau, five_thirds) +
                       10512.65347 * std::pow(tau, 2.0) -
                       11885.82325 * std::pow(tau, seven_thirds) +
                       17409.12806 * std::pow(tau, 3.0) - 19342.02934 * std::pow(tau, ten_thirds) +
                       7191.464655 * std::pow(tau, eleven_thirds) +
                       0.8015275102 * std::pow(tau, 0.325) - 189.571751 * std::log(theta);
        rho = N2_rhoc * ratio;
    }
    return 1000.0 / rho;
}

// Tr = (Tc - T)/Tc; the vapour branch goes through the reduced vapour pressure.
double C2H6_Vsat(int phase, double TK) {
    Critical_Constants_Changed();
    C2H6.Tcrit = 305.33;
    C2H6.Pcrit = 4.8718;
    C2H6.Ttrip = 90.352;
    if (!(TK >= C2H6.Ttrip && TK <= C2H6.Tcrit)) return 0.0;
    const double beta = 0.355;
    double Tr = (C2H6.Tcrit - TK) / C2H6.Tcrit;
    double rho;
    if (phase == 1) {
        const double Zc = 0.27934;
        double Pr = C2H6_Psat(TK) / C2H6.Pcrit;
        double x0 = (1.0 - 1.0 / Zc) *
                    (-0.7483719 * std::pow(Tr, beta) - 1.372895 * std::pow(Tr, 2.0 * beta) -
                     1.192597 * (Tr + std::pow(Tr, 4.0)) + 1.861505 * std::pow(Tr, 2.0)) /
                    (1.0 + 1.313649 * Tr);
        double x1 = 1.0 - (1.0 - std::pow(1.0 - Tr, 8.0) / Pr) / Zc + x0;
        rho = C2H6_rhoc * std::pow(1.0 - Tr, 7.0) / x1;
    } else {
        double ratio = 1.0 + (1.93074 * std::pow(Tr, beta) - 0.6539856 * std::pow(Tr, 2.0) +
                              0.8141362 * std::pow(Tr, 3.0) - 0.3838141 * std::pow(Tr, 4.0)) /
                                 (1.0 - 0.339743 * std::pow(Tr, 1.0 - beta));
        rho = C2H6_rhoc * ratio;
    }
    return rho > 0.0 ? 1000.0 / rho : 0.0;
}

// ------------------------------------------------------ residual functions

double CO2_FP(double TK, double*, double*, double PMPa, double) {
    return CO2_Psat(TK) - PMPa;
}

double CH4_FP(double TK, double*, double*, double PMPa, double) {
    return CH4_Psat(TK) - PMPa;
}

double N2_FP(double TK, double*, double*, double PMPa, double) {
    return N2_Psat(TK) - PMPa;
}

double C2H6_FP(double TK, double*, double*, double PMPa, double) {
    return C2H6_Psat(TK) - PMPa;
}

double CO2_FV(double TK, double*, double*, double Vcm, double) {
    Critical_Constants_Changed();
    CO2.Vcrit = CO2_Vc;
    int lv = Vcm > CO2.Vcrit ? 1 : 2;
    return CO2_Vsat(lv, TK) - Vcm;
}

double CH4_FV(double TK, double*, double*, double Vcm, double) {
    Critical_Constants_Changed();
    CH4.Vcrit = 1000.0 * CH4.Mole_Weight / CH4_rhoc_branch;
    int lv = Vcm > CH4.Vcrit ? 1 : 2;
    return CH4_Vsat(lv, TK) - Vcm;
}

double N2_FV(double TK, double*, double*, double Vcm, double) {
    Critical_Constants_Changed();
    N2.Vcrit = 1000.0 / N2_rhoc;
    int lv = Vcm > N2.Vcrit ? 1 : 2;
    return N2_Vsat(lv, TK) - Vcm;
}

double C2H6_FV(double TK, double*, double*, double Vcm, double) {
    Critical_Constants_Changed();
    C2H6.Vcrit = 1000.0 / C2H6_rhoc;
    int lv = Vcm > C2H6.Vcrit ? 1 : 2;
    return C2H6_Vsat(lv, TK) - Vcm;
}

// ------------------------------------------------ saturation temperatures

double CO2_Tsat(int what, double x) {
    Critical_Constants_Changed();
    CO2.Tcrit = 304.136;
    CO2.Ttrip = 216.592;
    return Saturation_Temperature(CO2, CO2_FP, CO2_FV, what, x);
}

double CH4_Tsat(int what, double x) {
    Critical_Constants_Changed();
    CH4.Tcrit = 190.564;
    CH4.Ttrip = 90.6941;
    return Saturation_Temperature(CH4, CH4_FP, CH4_FV, what, x);
}

double N2_Tsat(int what, double x) {
    Critical_Constants_Changed();
    N2.Tcrit = 126.193;
    N2.Ttrip = 63.148;
    return Saturation_Temperature(N2, N2_FP, N2_FV, what, x);
}

double C2H6_Tsat(int what, double x) {
    Critical_Constants_Changed();
    C2H6.Tcrit = 305.33;
    C2H6.Ttrip = 90.352;
    return Saturation_Temperature(C2H6, C2H6_FP, C2H6_FV, what, x);
}

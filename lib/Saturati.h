// Liquid-vapour coexistence curves of pure fluids from ancillary equations:
// saturation pressure, saturated molar volumes of both branches, and the
// saturation temperature from a pressure or from a molar volume.
//
// Units: T in K, P in MPa, molar volume in cm3/mol.
// Every function first stores its fluid's critical and triple-point constants
// into the fluid's Gas record (overwriting what Reid_Constants wrote there).
// 0.0 is the no-value result: T below the triple point, T outside
// [Ttrip, Tcrit] for a saturated volume, or no saturation temperature.
#ifndef SATURATI_H
#define SATURATI_H

// Zero passed as the unused context constant of the residual functions.
extern double nul;

// Saturation pressure, MPa; 0.0 below the triple point. Above the critical
// temperature each returns an extrapolation of the vapour-pressure curve
// (H2_Psat has no critical branch).
double H2O_Psat(double TK);
double CO2_Psat(double TK);
double CH4_Psat(double TK);
double N2_Psat(double TK);
double C2H6_Psat(double TK);
double O2_Psat(double TK);
double CO_Psat(double TK);
double NH3_Psat(double TK);
double H2S_Psat(double TK);
double H2_Psat(double TK);

// Saturated molar volume, cm3/mol: vapour for phase = 1, liquid for any other
// value; 0.0 outside Ttrip <= TK <= Tcrit.
double H2O_Vsat(int phase, double TK);
double CO2_Vsat(int phase, double TK);
double CH4_Vsat(int phase, double TK);
double N2_Vsat(int phase, double TK);
double C2H6_Vsat(int phase, double TK);

// Saturation temperature, K: from a pressure x (MPa) for what = 1, from a
// molar volume x (cm3/mol) for what = 2. A volume above Vcrit is matched on
// the vapour branch, one at or below Vcrit on the liquid branch. 0.0 when no
// temperature in [Ttrip, Tcrit] exists, or for any other what.
double CO2_Tsat(int what, double x);
double CH4_Tsat(int what, double x);
double N2_Tsat(int what, double x);
double C2H6_Tsat(int what, double x);

// Residuals of the saturation temperature (secant-solver signature; the
// arrays and nul1 are not used): X_Psat(TK) - PMPa ...
double CO2_FP(double TK, double* empty1, double* empty2, double PMPa, double nul1);
double CH4_FP(double TK, double* empty1, double* empty2, double PMPa, double nul1);
double N2_FP(double TK, double* empty1, double* empty2, double PMPa, double nul1);
double C2H6_FP(double TK, double* empty1, double* empty2, double PMPa, double nul1);

// ... and X_Vsat(lv, TK) - Vcm, with lv = 1 (vapour) when Vcm > Vcrit and
// lv = 2 (liquid) otherwise. Each stores the Vcrit it decides with.
double CO2_FV(double TK, double* empty1, double* empty2, double Vcm, double nul1);
double CH4_FV(double TK, double* empty1, double* empty2, double Vcm, double nul1);
double N2_FV(double TK, double* empty1, double* empty2, double Vcm, double nul1);
double C2H6_FV(double TK, double* empty1, double* empty2, double Vcm, double nul1);

#endif

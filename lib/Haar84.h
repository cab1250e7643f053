// Water from the Helmholtz function of Haar, Gallagher & Kell (1984): a base
// function plus a 40-term residual function, reduced at Tc = 647.073 K.
// The ideal-gas part of the Helmholtz energy is not formed; the functions
// return what the pressure and the fugacity coefficient need.
//
// Units: T in K, P in MPa, molar volume in cm3/mol; the density inside is
// rho = M/V in g/cm3 with M the molar mass of the H2O record.
#ifndef HAAR84_H
#define HAAR84_H

// Base function. what = 1: base pressure, MPa; what = 4: base contribution to
// ln(phi). 0.0 outside 0.31 < T/Tc < 8.26, for Vcm <= 0, and for any other what.
double ABase(int what, double TK, double Vcm);

// Residual function. what = 1: residual pressure rho^2 dA_r/drho, MPa;
// what = 4: A_r M/(R T). 0.0 for TK <= 0, Vcm <= 0, and for any other what.
double AResidual(int what, double TK, double Vcm);

// Pressure, MPa; 0.0 when TK <= 0 or Vcm <= 0.
double Pressure_Haar84(double TK, double Vcm);

// Molar volume at TK and PMPa by a damped secant iteration started at
// 0.95 and 1.05 times `first`. 0.0 when TK <= 0, PMPa <= 0 or no volume above
// 10 cm3/mol is found; callers retry with another start value.
double Volume_Haar84(double first, double TK, double PMPa);

// Volume_Haar84(first, TK, PMPa[i]) for i = 0..n-1 into Vcm[i], bit for bit;
// the searches run side by side, which is several times faster than one
// after the other.
void Volumes_Haar84(double first, double TK, const double* PMPa, double* Vcm, int n);

// Fugacity coefficient and fugacity (MPa) of H2O at TK, PMPa and molar volume
// Vcm, stored in slot `phase` of the H2O record. Non-positive inputs, and a
// ln(phi) that cannot be evaluated or reaches 227 in magnitude, store phi = 1
// and fugacity = PMPa.
void Fugacity_Haar84(int phase, double TK, double PMPa, double Vcm);

#endif

// Equation of state of Duan et al. (1992a,b) for H2O-CO2-CH4 mixtures,
// extended by H2S. Each pure species follows a fifteen-parameter
// virial-exponential equation in reduced volume V/Vc (Vc = R Tc/Pc); mixtures
// follow combining rules with temperature-dependent binary and ternary
// interaction factors.
//
// Only H2O (composition index 0), CO2 (1), CH4 (2) and H2S (5) take part. The
// other entries of the composition vector count in the normalisation and are
// otherwise ignored; their records are never written.
// T in K, P in MPa, molar volume in cm3/mol.
#ifndef DUAN92_H
#define DUAN92_H

// Real cube root: -(-x)^(1/3) for x < 0, 0 for x = 0, x^(1/3) for x > 0.
double Drie(double x);

// Fills the file-level species tables for the species of xgas with a mole
// fraction > 0, in the order H2O, CO2, CH4, H2S; *j receives their number.
void Constanten(int* j, double* xgas, double TK);

// Compressibility factor Z of the composition xgas (used as passed, not
// normalised) at TK and molar volume Vcm. what = 1: Z only; what = 4: Z, and
// the integral term of ln phi of every species present is kept for
// Fugacity_Duan92. 0.0 when TK <= 0, Vcm <= 0 or what is neither 1 nor 4.
double Modified_LK(int what, double* xgas, double TK, double Vcm);

// Pressure (MPa); 0.0 when Vcm <= 10 cm3/mol or TK <= 0.
double Pressure_Duan92(double* xgas, double TK, double Vcm);

// Molar volume (cm3/mol) by a secant search started at 0.9*first and 2*first;
// 0.0 when TK <= 0, PMPa <= 0 or the search finds no volume above 10 cm3/mol.
double Volume_Duan92(double first, double* xgas, double TK, double PMPa);

// Fugacity coefficients and fugacities (MPa) of H2O, CO2, CH4 and H2S into slot
// `phase` (0..9; any other slot is left alone). Vcm must be the volume of the
// same state. For H2S in the liquid-like slot 2 of a composition with H2O, the
// coefficient includes the salting-out factor of the NaCl molality mNaCl.
void Fugacity_Duan92(int phase, double* xgas, double mNaCl, double TK, double PMPa, double Vcm);

#endif

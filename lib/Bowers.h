// Modified Redlich-Kwong equation of Bowers & Helgeson (1983) for H2O-CO2-NaCl,
// extended to the ten species H2O, CO2, CH4, N2, C2H6, H2S, NH3, H2, O2, CO
// (composition-vector order). NaCl enters through the first entry of a salt
// array: it is lumped into water, and its mass percentage in the aqueous part
// shifts the covolume and attraction parameters of H2O.
// T in K, P in MPa, molar volume in cm3/mol; gas and salt amounts need not
// sum to 1 (they are normalised together).
#ifndef BOWERS_H
#define BOWERS_H

// Pressure (MPa) at TK and molar volume Vcm; 0.0 when Vcm <= b or TK <= 0.
double Pressure_Bowers(double* xgas, double* xsalt, double TK, double Vcm);

// Molar volume (cm3/mol): what = 2 the vapour-like (largest) root, what = 0 the
// liquid-like (smallest) root above the covolume b; 0.0 when TK <= 0, PMPa <= 0
// or no root exceeds b.
double Volume_Bowers(int what, double* xgas, double* xsalt, double TK, double PMPa);

// Fugacity coefficients and fugacities (MPa) of the ten species into slot
// `phase`; Vcm must be the volume of the same state. The H2O fugacity counts
// the lumped salt in its mole fraction. An invalid state stores coefficient
// 1.0 and fugacity 0.0; a species whose |ln phi| reaches 227 gets coefficient
// 1.0 (fugacity y*P).
void Fugacity_Bowers(int phase, double* xgas, double* xsalt, double TK, double PMPa, double Vcm);

#endif

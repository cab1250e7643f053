// Soave-type equation of state of Thiery et al. (1994) for
// CO2-CH4-N2 mixtures (H2O taken along with zero interaction parameters). The
// binary interaction parameters switch smoothly between a non-critical set
// (Xi = 0) and a near-critical set (Xi = 1); for CO2-CH4 and CO2-N2 the
// near-critical set also follows the temperature through a hyperbolic tangent.
//
// Only the first four entries of the composition vector (H2O, CO2, CH4, N2)
// are read, also for the normalisation; the records of gas numbers 4 to 9 are
// never written. T in K, P in MPa, molar volume in cm3/mol.
#ifndef THIERY_H
#define THIERY_H

// Pressure (MPa) at TK and molar volume Vcm; 0.0 when Vcm <= b or TK <= 0.
double Pressure_Thiery(double Xi, double* xgas, double TK, double Vcm);

// Molar volume (cm3/mol): what = 2 the vapour-like (largest) root, what = 0 the
// liquid-like (smallest) root above the covolume b; 0.0 when TK <= 0,
// PMPa <= 0 or no root exceeds b.
double Volume_Thiery(double Xi, int what, double* xgas, double TK, double PMPa);

// Fugacity coefficients and fugacities (MPa) of gas numbers 0 to 3 into slot
// `phase`; Vcm must be the volume of the same state. An invalid state stores
// coefficient 1.0 and fugacity 0.0; a species whose |ln phi| reaches 227 gets
// coefficient 1.0 (fugacity y*P).
void Fugacity_Thiery(double Xi, int phase, double* xgas, double TK, double PMPa, double Vcm);

// Switching parameter from the vapour-like (Vv) and liquid-like (Vl) Soave
// volumes of the same composition, T and P: 0 when Vl <= 0; with r = Vv/Vl,
// exp(-0.5 (1.05 - r)^2) when r > 1.05, else 1 (near-critical).
double Xi_Thiery(double Vv, double Vl);

#endif

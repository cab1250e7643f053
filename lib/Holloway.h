// Modified Redlich-Kwong equation of Holloway (1977, 1981) with the parameters
// of Flowers (1979), for gas mixtures of the ten species H2O, CO2, CH4, N2,
// C2H6, H2S, NH3, H2, O2, CO (composition-vector order). The attraction
// parameters of H2O, CO2, CH4 and N2 depend on temperature, and the H2O-CO2
// cross parameter carries a hydration (complex-formation) term.
// T in K, P in MPa, molar volume in cm3/mol; compositions need not sum to 1.
#ifndef HOLLOWAY_H
#define HOLLOWAY_H

// Pressure (MPa) at TK and molar volume Vcm; 0.0 when Vcm <= b or TK <= 0.
double Pressure_Holloway(double* xgas, double TK, double Vcm);

// Molar volume (cm3/mol): what = 2 the vapour-like (largest) root, what = 0 the
// liquid-like (smallest) root above the covolume b; 0.0 when TK <= 0, PMPa <= 0
// or no root exceeds b.
double Volume_Holloway(int what, double* xgas, double TK, double PMPa);

// Fugacity coefficients and fugacities (MPa) of the ten species into slot
// `phase`; Vcm must be the volume of the same state. An invalid state stores
// coefficient 1.0 and fugacity 0.0; a species whose |ln phi| reaches 227
// gets coefficient 1.0 (fugacity y*P).
void Fugacity_Holloway(int phase, double* xgas, double TK, double PMPa, double Vcm);

#endif

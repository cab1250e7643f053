// Lee & Kesler (1975) corresponding-states equation of state for mixtures of
// the ten species H2O, CO2, CH4, N2, C2H6, H2S, NH3, H2, O2, CO (composition-
// vector order). A simple fluid (index 0) and the reference fluid n-octane
// (index 1, acentric factor 0.3978), each a twelve-constant BWR-type equation in
// reduced variables, are evaluated at the pseudo-critical state of the mixture
// and interpolated linearly in the acentric factor.
// T in K, P in MPa, molar volume in cm3/mol; compositions need not sum to 1.
#ifndef LEE_H
#define LEE_H

// Pseudo-critical constants of the composition xgas (used as passed, not
// normalised): species Tc, Pc, acentric factor, Zc = 0.2905 - 0.085 w and
// Vc = R Zc Tc/Pc; mixture Tc, Pc, Vc, Zc and acentric factor.
void Mixture(double* xgas);

// Volume residuals Z_y(Vcm) - PMPa Vcm/(R TK) of the simple (FS0) and the
// reference fluid (FS1), in the form of a secant-solver residual; nix unused.
// Z_y is the compressibility factor of fluid y (0 simple, 1 reference) at TK
// and Vcm, reduced by the pseudo-critical constants of xgas; exactly 1.0 when
// the reduced temperature or volume is not positive or the exponential
// argument gamma/Vr^2 reaches 227 in magnitude.
double FS0(double Vcm, double* xgas, double* nix, double TK, double PMPa);
double FS1(double Vcm, double* xgas, double* nix, double TK, double PMPa);

// Molar volume (cm3/mol) of fluid y at TK, PMPa by up to ten secant searches,
// the k-th starting at first + 0.1 k first when first > 150 (vapour-like) and
// at first - 0.1 k first otherwise; 0.0 when none converges.
double Seperate_Volume(int y, double first, double* xgas, double TK, double PMPa);

// Molar volume of the mixture (cm3/mol), first being the start volume of the
// searches; 0.0 when TK <= 0, PMPa <= 0 or a fluid volume is not above 1 cm3/mol.
double Volume_Lee(double first, double* xgas, double TK, double PMPa);

// Pressure-search residual Volume_Lee(Vcm, xgas, TK, PMPa) - Vcm; nix unused.
double FP(double PMPa, double* xgas, double* nix, double TK, double Vcm);

// Pressure (MPa) at TK and molar volume Vcm, searched from the start pressure
// first; 0.0 when TK <= 0, Vcm <= 1 cm3/mol or no pressure is found.
double Pressure_Lee(double first, double* xgas, double TK, double Vcm);

// ln phi of the ten species in fluid y at its own molar volume Vy and PMPa,
// into row y of the file's ln phi table (all 0 for an invalid state).
void Coefficients(int y, double* xgas, double TK, double PMPa, double Vy);

// ln phi of species i in fluid y as last computed by Coefficients.
double LnPhi_Lee(int y, int i);

// Fugacity coefficients and fugacities (MPa) of the ten species into slot
// `phase` (1 vapour-like, 2 liquid-like); Vcm must be the Volume_Lee volume of
// the same state. An invalid state, or one where the simple-fluid volume is not
// found, stores coefficient 1.0 and fugacity 0.0; a species whose |ln phi|
// reaches 227 gets coefficient 1.0 (fugacity y P).
void Fugacity_Lee(int phase, double* xgas, double TK, double PMPa, double Vcm);

#endif

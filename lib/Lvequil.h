// Liquid-vapour equilibria of the non-aqueous (carbonic) fluid: K-factor
// estimates (Raoult's law, Wilson's correlation), K-factors from fugacity
// coefficients, the bubble/dew-point search and the liquid-vapour flash, each
// with its console report and the offer to restart from the user's own start.
//
// K-factors are ratios y/x of the fraction of a component in the second phase
// (vapour) to that in the first phase (liquid). Units: K, MPa, cm3/mol, g/cm3.
#ifndef LVEQUIL_H
#define LVEQUIL_H

// Phase-property callback: molar volume (cm3/mol) of a phase of gas fractions
// `gas` and salt fractions `salt` at TK, PMPa by equation of state `EoS`;
// stores the fugacity coefficients and fugacities into slot `phase`.
typedef double (*PhaseFunction)(int EoS, int phase, double* gas, double* salt, double TK,
                                double PMPa);

// K-factors of the ten gases and of the salts NaCl, KCl, CaCl2, MgCl2, FeCl2.
// Both start at 1.0 and persist between calls.
extern double Kgas[10];
extern double Ksalt[5];

// How the last bubble/dew-point search or flash ended, for a caller that
// reports it in words: with its own result (Search_Own), with the boundary or
// split the stability analysis found after it ended without one
// (Search_By_Stability), or without any (Search_None; Last_Search_Words then
// says what the analysis found, in words).
enum Search_End { Search_Own, Search_By_Stability, Search_None };
extern Search_End Last_Search_End;
extern const char* Last_Search_Words;

// Whether the flash runs the stability analysis after ending without a split
// (on by default). A caller that scans many temperatures for one where the
// flash splits the fluid can skip the analysis at the others.
extern bool Flash_Stability;

// Raoult's-law K-factors; returns the bubble pressure (Fgas = 0, w the liquid)
// or the dew pressure (Fgas != 0, w the vapour), MPa; 0 when TK <= 0. Here and
// in Wilson's correlation a K-factor that is not positive and finite is 1.
double K_Raoult(int Fgas, double TK, double* w);

// Wilson's K-factor correlation at TK (K), PMPa (MPa).
void K_Wilson(double TK, double PMPa);

// K-factors from the fugacity coefficients stored in two phase slots.
void New_Kfactors(int phaseX, int phaseY);

// Mass density (g/cm3) of a phase of gas fractions comp1 (10), salt fractions
// comp2 (5) and molar volume Vcm; 0 when Vcm <= 0.
double Phase_Density(double* comp1, double* comp2, double Vcm);

// Two phases into slots phaseX (gas fractions xgas, salt fractions xsalt) and
// phaseY (ygas, ysalt) of the records: their amount-of-substance fractions,
// and their mass densities from the molar volumes already in those slots.
void Store_Two_Phases(int phaseX, int phaseY, double* xgas, double* xsalt, double* ygas, double* ysalt);

// Homogenisation pressure (methode 1, T given) or temperature (methode 0, P
// given) of a non-aqueous fluid: dew point for mode 1 (bulk fluid = second
// phase), bubble point otherwise. Prints its notice, iteration count and
// report, and offers the user a restart from a start point of their own.
// Where the equation of state has no finite value the search stops at once:
// the report shows the last finite state and says that the search failed.
void BubbleDew_Point(PhaseFunction func, int methode, int EoS, int phaseX, int phaseY,
                     double* bulk_gas, double* bulk_salt, double* Thomo, double* Phomo,
                     int mode);

// Liquid-vapour flash at temperature Tlv (K) of a bulk fluid of molar volume
// Vbulk (cm3/mol): the pressure of the two-phase state (in: start value, out:
// result, MPa) and the volume fraction of the second phase (in: start value
// as an amount fraction, out: volume fraction). Leaves both phases in slots
// phaseX (liquid) and phaseY (vapour). Prints its notice, iteration count and
// report, and offers the user a restart. Fails like BubbleDew_Point.
void LiqVap_Equilibrium(PhaseFunction func, int EoS, int phaseX, int phaseY, double* bulk_gas,
                        double* bulk_salt, double Vbulk, double Tlv, double* Plv, double* Fvap);

// The reports' trivial-solution tests on the phases stored in two slots: no
// gas of the bulk fluid differs by more than 1e-5 in fraction, or the molar
// volumes lie within 0.1 cm3/mol.
bool Trivial_Solution(int phaseX, int phaseY, const double* bulk_gas);

#endif

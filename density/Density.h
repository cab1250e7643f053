// Program-wide state of the density program and the mass density of a phase.
//
// Units: T in K, P in MPa, molar volume in cm3/mol, density in g/cm3,
// molality in mol per kg H2O.
#ifndef DENSITY_H
#define DENSITY_H

extern double TmClath;   // final clathrate melting temperature, K
extern double PmClath;   // clathrate melting pressure, MPa
extern double MmClath;   // salt molality of the aqueous solution at melting, mol/kg H2O
extern double Thom;      // homogenisation temperature of the non-aqueous phase, K
extern double Phom;      // homogenisation pressure, MPa
extern double Vhom;      // homogenisation molar volume, cm3/mol
extern double Dhom;      // homogenisation density, g/cm3
extern double Vlee;      // homogenisation molar volume from Lee & Kesler (1975), cm3/mol

extern int syst;         // root selector of the non-aqueous phase: 2 vapour-like, 0 liquid-like
extern int EoSclath;     // equation of state for fugacities in clathrate equilibria
extern int EoSvapour;    // equation of state for the non-aqueous phase
extern int EoSaqueous;   // equation of state used for the aqueous volume
extern int structure;    // stable clathrate structure, 1 or 2

// Scratch vectors: a composition vector (H2O, CO2, CH4, N2, C2H6, H2S, NH3, H2,
// O2, CO), an ion vector (Na+, K+, Ca++, Mg++, Cl-), the H2O-free composition
// of the non-aqueous phase as typed, and the salt ratios as fractions of 1
// (NaCl, KCl, CaCl2, MgCl2; entries 4..9 unused).
extern double moles[10];
extern double imoles[5];
extern double Raman[10];
extern double Ratio[10];
extern int aqueous_liquid;   // phase slot of the aqueous solution (7)

// Mass density (g/cm3) of a phase of molar volume Vcm (cm3/mol), gas
// composition ygas (10 entries) and ion fractions ions (5 entries); 0 when
// Vcm <= 0. The molar mass is divided by Vcm, so a density given as Vcm yields
// the molar volume.
double Converted_Density(double Vcm, double* ygas, double* ions);

// Equation-of-state numbers behind the menu choices of the dialogue; 0 for a
// choice outside the menu.
//   clathrate equilibria, choices 1..6: Chueh & Prausnitz, Soave, Lee & Kesler,
//     Peng & Robinson, Duan et al. 1992, Duan et al. 1996
int Clathrate_EoS_Number(int choice);
//   liquid-vapour equilibrium, choices 1..10: Redlich & Kwong, Chueh & Prausnitz,
//     Soave, Lee & Kesler, Peng & Robinson, Holloway, Bowers & Helgeson,
//     Duan et al. 1992, Thiery et al., Duan et al. 1996
int Vapour_EoS_Number(int choice);

// Bulk properties of the whole inclusion (slot 0) from the aqueous solution and
// the non-aqueous phase (slots 1 and 2), each weighted by its volume fraction:
// amount-of-substance fractions of the five gases and five ions, molar volume
// and density. Slots whose molar volume is not positive add nothing.
void TotalFI();

// Clears the amount-of-substance fractions of the ten gases H2O ... CO and of
// the ions Na+, K+, Ca++, Mg++, Cl- in every phase slot (program start).
void Reset_Molefractions();

#endif

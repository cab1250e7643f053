// State of one fluid inclusion that both programs share, the mass density of a
// phase, the equation-of-state numbers behind the dialogue's menus and the
// bulk composition of the whole inclusion from its phases.
//
// Units: T in K, P in MPa, molar volume in cm3/mol, density in g/cm3,
// molality in mol per kg H2O.
#ifndef INCLUSION_H
#define INCLUSION_H

extern double TmClath;   // final clathrate melting temperature, K
extern double PmClath;   // clathrate melting pressure, MPa
extern double MmClath;   // salt molality of the aqueous solution at melting, mol/kg H2O
extern double Vlee;      // homogenisation molar volume from Lee & Kesler (1975), cm3/mol

extern int syst;         // root selector of the non-aqueous phase: 2 vapour-like, 0 liquid-like
extern int EoSclath;     // equation of state for fugacities in clathrate equilibria
extern int EoSvapour;    // equation of state for the non-aqueous phase
extern int EoSaqueous;   // equation of state used for the aqueous volume
extern int structure;    // stable clathrate structure, 1 or 2

// The clathrate structure as the results give it: 1 or 2, or 0 when the
// salinity search left no stable structure (its rows are those of structure I).
int Reported_Structure();
// The phase slot of the clathrate the results give: 5 for structure II, 4
// otherwise.
int Clathrate_Slot();
// The phase slot of the non-aqueous phase of the melting equilibrium: 1 for
// a vapour-like root (syst != 0), 2 for a liquid-like one.
int Carbonic_Phase_Slot();

// Scratch vectors: a composition vector (H2O, CO2, CH4, N2, C2H6, H2S, NH3, H2,
// O2, CO), an ion vector (Na+, K+, Ca++, Mg++, Cl-), the H2O-free composition
// of the non-aqueous phase as typed, and the salt ratios as fractions of 1
// (NaCl, KCl, CaCl2, MgCl2; entries 4..9 unused).
extern double moles[10];
extern double imoles[5];
extern double Raman[10];
extern double Ratio[10];
extern int aqueous_liquid;   // phase slot of the aqueous solution (7)

// Why the melting calculation has no result (a failed search, or a limit check
// that skipped it), in words; null while there is a result.
extern const char* Melting_Failure;

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

// Clears the amount-of-substance fractions of the ten gases H2O ... CO and of
// the ions Na+, K+, Ca++, Mg++, Cl- in every phase slot (program start).
void Reset_Molefractions();

// The state of the library at program start (component records, phase-wide
// arrays, K-factors), kept once by Save_Start_State and put back, together
// with the shared state above cleared, by Restore_Start_State: a program that
// computes several inclusions in one run starts each one as a fresh run would.
void Save_Start_State();
void Restore_Start_State();

// Amounts per cm3 of inclusion (mol/cm3) of H2O, CO2, CH4, N2, C2H6, Na+, K+,
// Ca++, Mg++, Cl-, and their total Vt, summed phase by phase.
struct Bulk_Amounts {
    double n[10] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    double Vt = 0.0;
};

// Adds a phase slot filling the volume fraction `fraction` of the inclusion:
// its five gases, and its five ions when `ions` is set. A slot without a
// positive molar volume adds nothing.
void Add_Phase_Amounts(Bulk_Amounts& bulk, int slot, double fraction, bool ions);

// Adds a homogeneous non-aqueous fluid of H2O-free composition zgas (CO2, CH4,
// N2, C2H6 in entries 1..4) and molar volume Vcm filling `fraction`.
void Add_Fluid_Amounts(Bulk_Amounts& bulk, const double* zgas, double fraction, double Vcm);

// The whole inclusion into slot 0: fractions of the ten species (when any
// amount is present), molar volume 1/Vt (when Vt > 0) and mass density.
void Store_Bulk_Inclusion(const Bulk_Amounts& bulk);

#endif

// Clathrate melting solution shared by both programs: the dispatchers that
// route an equation-of-state number to its model, the pressure integral of
// water volumes, the equilibrium function clathrate / aqueous solution /
// non-aqueous phase, and the secant iteration around it. Each program's
// Equation0 and Sectant are these with its own way of fixing the pressure.
//
// Units: K, MPa, cm3/mol, g/cm3, J/mol; molality in mol per kg H2O.
#ifndef MELTING_H
#define MELTING_H

// Copies the fractions of the ten gases of slot `phase` into `moles` and those
// of Na+, K+, Ca++, Mg++, Cl- into `imoles`.
void Molefractions(int phase);

// Pressure (MPa) of a non-aqueous phase (slot 1 or 2) of composition ygas and
// molar volume Vcm by equation of state EoS; 0 outside the domain and where
// the equation of state has no finite value.
double Pressure_Search(int EoS, int phase, double* ygas, double TK, double Vcm);

// Molar volume (cm3/mol) of the phase in slot `phase`: ice (3), empty clathrate
// lattices (4, 5), aqueous solution (equation 17 or 26), non-aqueous phase (1, 2).
double Volume_Search(int EoS, int phase, double* xgas, double TK, double PMPa);

// The molar volume as Volume_Search, storing fugacities and fugacity
// coefficients of the gases into slot `phase`. xsalt is not used.
double Volume_Fugacity(int EoS, int phase, double* xgas, double* xsalt, double TK, double PMPa);

// Integral of the molar volume of water (aqueous slot), ice (3) or an empty
// clathrate lattice (4, 5) from P0 to PMPa, J/mol.
double VdP_H2O(int phase, double TK, double PMPa, double P0);

// Chemical potential of water in the more stable clathrate minus that in the
// aqueous solution, J/mol, for the non-aqueous phase of slot 1 (syst != 0) or
// 2 (syst 0) in contact with a solution of the molalities `molal` (NaCl, KCl,
// CaCl2, MgCl2; read as five entries). Isochoric: the molar volume Vcm of the
// non-aqueous phase is fixed and its pressure, found from the equation of
// state EoSvapour, is written back through PMPa; otherwise *PMPa is given.
// NaN where there is no equilibrium to evaluate, far outside the model: a
// pressure that is not finite or lies above 250 MPa (the bound of the pressure
// search), an isochoric phase below 1 kPa, no water activity, or a phase
// without a finite volume or fugacity by the clathrate equation of state.
double Melting_Equilibrium(bool isochoric, int syst, double* zgas, double* molal, double TK,
                           double* PMPa, double Vcm);

// Root of the equilibrium function in the unknown chosen by methode (0
// temperature in 230..330 K, 1 pressure in 0..250 MPa, 3 total salt molality
// of the salt ratios `ratios` in 0..7 mol/kg) by the secant iteration; 0.0
// when it does not converge. For methode 3 the salt records get their
// molalities and mass percentages; on convergence the aqueous solution and
// the clathrate slots 4 and 5 get their volumes and densities.
double Melting_Search(int methode, int syst, double* zgas, double MT, double* ratios, double TK,
                      double PMPa, double Vcm, bool isochoric);

// Molar volume of the aqueous solution in slot aqueous_liquid: by Duan et al.
// (1992) (EoSaqueous 17) when that gives a volume in (10, 30] other than the
// give-up value 18.0, else by Haar et al. (1984) (26), else 18.0 (0). Leaves
// the slot's composition in moles and imoles.
double Aqueous_Volume(double TK, double PMPa);

// The clathrate structure of lower Gibbs energy of water: 1 or 2 (2 on a tie).
int Stable_Clathrate(double G_sI, double G_sII);

// The secant iteration of the melting search on f within [min, max], started at x1 and
// 1.01 x1: prints the running iteration count, returns true with the root in
// *root; on failure prints the "No convergence!" block and returns false. A
// value of f that is not finite is such a failure at once (the block says so
// in words). The last point and its value are left in *x_last, *f_last either
// way.
typedef double (*Unknown_Function)(double x, void* context);
bool Melting_Secant(Unknown_Function f, void* context, double x1, double min, double max,
                    double* root, double* x_last, double* f_last);

#endif

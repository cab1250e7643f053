// Aqueous NaCl-KCl-CaCl2-MgCl2 solutions: osmotic coefficient from an
// ion-interaction (Pitzer) model with one anion (Cl-) and four cations.
//
// Cation and salt index everywhere: 0 Na+ / NaCl, 1 K+ / KCl, 2 Ca++ / CaCl2,
// 3 Mg++ / MgCl2. Anion index 0 is Cl-; anion dimensions are 4 wide, only
// index 0 is used. Molalities in mol per kg H2O, T in K, P in MPa.
//
// The int `ref` selects a literature parameter set; 0 is the only set the
// programs use, and every other code is evaluated as set 0.
#ifndef ELECSOL_H
#define ELECSOL_H

// Kind of thermodynamic function an entry of the interaction arrays holds.
extern const int gex;  // 0: as it enters the excess Gibbs energy (B, C, Phi)
extern const int der;  // 1: its derivative with respect to ionic strength
extern const int phi;  // 2: as it enters the osmotic coefficient
extern const int gam;  // 3: activity-coefficient combination
extern const int vol;  // 4: pressure derivative, per MPa (apparent volumes)

// Interaction arrays, overwritten by every evaluation of Osmotic_Coefficient.
extern double BMX[5][4][4];   // [kind][cation][anion] second virial coefficient
extern double CMX[5][4][4];   // [kind][cation][anion] third virial coefficient
extern double cPhi[5][4][4];  // [kind][cation1][cation2] mixing Phi, cation1 < cation2;
                              // kinds gex, phi and der only
extern double cPsi[4][4][4];  // [cation1][cation2][anion] triple-ion psi, cation1 < cation2

// Osmotic coefficient of the solution with salt molalities msalt[0..3]
// (NaCl, KCl, CaCl2, MgCl2). Writes the Molality of iNa, iK, iCa, iMg, iCl.
// 1.0 for zero ionic strength, TK <= 0 or PMPa <= 0.
double Osmotic_Coefficient(int ref, double TK, double PMPa, double* msalt);

// Ionic strength, mol/kg, of cation molalities mCation[0..3] and the Cl-
// molality mAnion[0].
double Ionic_Strength(double* mCation, double* mAnion);

// Charge number of cation i (0..3); 0.0 for any other index.
double Charge_Cation(int i);

// Debye-Hueckel slope A-phi, (kg/mol)^(1/2); 0.39 for TK <= 182.9 or PMPa <= 0.
double Electrostatic_Term(int ref, double TK, double PMPa);

// Density of pure liquid water, kg/m3; 0.0 when no volume is found.
double Density_pureH2O(double TK, double PMPa);

// Cation-cation mixing terms theta + E-theta at ionic strength IS and slope Af;
// fills cPhi.
void Mixing_Terms(int ref, double TK, double IS, double Af);

// Triple-ion coefficients; fills cPsi.
void Psi_Parameters(int ref, double TK);

// Unsymmetrical-mixing integral J(x), x > 0; stores dJ/dx in *dJ.
double J_function(double x, double* dJ);

// Salt coefficients at TK, PMPa and ionic strength IS > 0: B into BMX and C
// into CMX, all five kinds, all four salts.
void Binary_Interactions(int ref, double TK, double PMPa, double IS);
void Ternary_Interactions(int ref, double TK, double PMPa, double IS);

#endif

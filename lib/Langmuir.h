// Clathrate (gas hydrate) solid-solution model of van der Waals & Platteeuw:
// spherically averaged Kihara cell potentials, Langmuir constants by Gaussian
// quadrature, cavity occupancies and the chemical potential of water in the
// filled lattice of structure I (phase slot 4) or structure II (slot 5).
//
// Cavities: 0 = small, 1 = large. Units: K, MPa; lengths in m and energies in J
// (per molecule) inside the cell potential; J/mol in the results.
#ifndef LANGMUIR_H
#define LANGMUIR_H

// 20-point Gauss-Legendre rule on [-1, 1]: the 10 positive nodes and their
// weights; every node is used with both signs. Shared with the pressure
// integral of the water volume.
extern double Gaus_dzeta[10];
extern double Gaus_w[10];

// Spherically averaged Kihara cell potential w(r) in J at distance r (m) from
// the centre of cavity `cavity` of the structure in slot `phase`, for a guest
// with Kihara parameters eps (J), sig (m) and core radius a (m).
// Returns 0.0 for a slot other than 4 or 5 or a cavity other than 0 or 1.
double CellPot(int phase, int cavity, double TK, double PMPa, double r, double eps,
               double sig, double a);

// Langmuir constant (1/MPa) of a guest with Kihara parameters eps (J), sig (m)
// and a (m) in cavity `cavity` of the structure in slot `phase`.
double Langmuir(int phase, int cavity, double TK, double PMPa, double eps, double sig,
                double a);

// Chemical potential of water in the filled clathrate of slot `clathrate_phase`
// (4 or 5) minus that in the empty lattice, J/mol, including the empirical
// excess term of mixed guests. xgas: composition vector of the coexisting gas,
// Vgas: its molar volume (cm3/mol), Fuga: fugacities (MPa) in composition-
// vector order (entries 1..4: CO2, CH4, N2, C2H6). Stores the clathrate
// composition into slot `clathrate_phase`. Returns 0.0 and stores nothing for
// any other slot.
double HydratePotential(int clathrate_phase, double* xgas, double TK, double PMPa,
                        double Vgas, double* Fuga);

#endif

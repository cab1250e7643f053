// Equation of state of Duan et al. (1996) for H2O-CO2-CH4-N2 mixtures
// (with parameters for H2S, H2, O2 and CO as well): one reference equation in
// reduced temperature and volume, written for methane, mapped onto a mixture by
// corresponding states through the mixture Lennard-Jones parameters epsilon
// (K) and sigma (Angstrom).
//
// C2H6 and NH3 (composition indices 4 and 6) have no parameters: they count in
// the normalisation of the composition, stay out of the mixture parameters and
// are treated as ideal (fugacity coefficient 1).
// T in K, P in MPa, molar volume in cm3/mol; compositions need not sum to 1.
#ifndef DUAN96_H
#define DUAN96_H

// Mixture epsilon (K): sum_i sum_j x_i x_j k1_ij sqrt(eps_i eps_j) over the
// eight species with parameters. xgas is used as passed (the operations below
// hand it the normalised composition).
double EpsMixture(double* xgas);

// Mixture sigma (Angstrom): sum_i sum_j x_i x_j k2_ij (sigma_i + sigma_j)/2,
// xgas used as passed.
double SigMixture(double* xgas);

// Pressure (MPa) at TK and molar volume Vcm; 0.0 when Vcm <= 0, TK <= 0 or the
// composition has no species with parameters (for instance C2H6 alone).
double Pressure_Duan96(double* xgas, double TK, double Vcm);

// Molar volume (cm3/mol) by a secant search started at 0.9*first and
// 1.1*first; 0.0 when TK <= 0, PMPa <= 0, the composition has no species with
// parameters, or the search fails.
double Volume_Duan96(double first, double* xgas, double TK, double PMPa);

// Fugacity coefficients and fugacities (MPa) of the ten species into slot
// `phase`; Vcm must be the volume of the same state. Where the reference
// equation gives no positive Z (TK <= 0, Vcm <= 0, no species with
// parameters) all ten get coefficient 1.0 and fugacity 0.0. C2H6 and NH3 get
// coefficient 1.0 and fugacity y*P; a species whose |ln phi| reaches 227 gets
// coefficient 1.0.
void Fugacity_Duan96(int phase, double* xgas, double TK, double PMPa, double Vcm);

#endif

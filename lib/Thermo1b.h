// Molar Gibbs energy from a heat-capacity polynomial.
#ifndef THERMO1B_H
#define THERMO1B_H

// Molar Gibbs energy (J/mol) at TK (K) of a substance with enthalpy H0 (J/mol)
// and entropy S0 (J/(mol K)) at T0 (K) and heat capacity
//   Cp(T) = p0 + p1 T^-1/2 + p2 T^-1 + p3 T^-2 + p4 T^-3 + p5 T^-4
//         + p6 T^1/2 + p7 T + p8 T^2 + p9 T^3      (J/(mol K)),
// p0..p9 being parameter[0..9]. Returns 0.0 when TK or T0 is not positive.
double Gibbs_1b(double* parameter, double TK, double T0, double H0, double S0);

#endif

// Reference equation of state of pure nitrogen:
// Jacobsen, R.T., Stewart, R.B. and Jahangiri, M. (1986), J. Phys. Chem. Ref.
// Data 15, 735-909. Residual part of the Helmholtz energy only.
#ifndef JACOBSEN_H
#define JACOBSEN_H

// Dimensionless residual Helmholtz energy alpha_r(tau, delta) of N2 or one of
// its derivatives, tau = Tc/T, delta = rho/rhoc:
//   what 0 alpha_r, 1 d/dtau, 2 d2/dtau2, 3 d/ddelta, 4 d2/ddelta2, 5 d2/ddelta dtau.
// 0.0 when tau <= 0, delta <= 0 or what is not 0..5.
double Real_Jacobsen(int what, double tau, double delta);

// Pressure of N2, MPa, at TK (K) and molar volume Vcm (cm3/mol), with the gas
// constant 8.31434 J/(mol K) of the publication; 0.0 when TK <= 0 or Vcm <= 0.
double Pressure_Jacobsen(double TK, double Vcm);

#endif

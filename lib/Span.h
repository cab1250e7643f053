// Reference equation of state of pure carbon dioxide:
// Span, R. and Wagner, W. (1996), J. Phys. Chem. Ref. Data 25, 1509-1596.
// Residual part of the Helmholtz energy only (the pressure needs no more).
#ifndef SPAN_H
#define SPAN_H

// Dimensionless residual Helmholtz energy alpha_r(tau, delta) of CO2 or one of
// its derivatives, tau = Tc/T, delta = rho/rhoc:
//   what 0 alpha_r, 1 d/dtau, 2 d2/dtau2, 3 d/ddelta, 4 d2/ddelta2, 5 d2/ddelta dtau.
// 0.0 when tau <= 0, delta <= 0 or what is not 0..5.
double AResidual_Span(int what, double tau, double delta);

// Pressure of CO2, MPa, at TK (K) and molar volume Vcm (cm3/mol);
// 0.0 when TK <= 0 or Vcm <= 0.
double Pressure_Span(double TK, double Vcm);

#endif

// Homogenisation data of the non-aqueous (carbonic) phase: the liquid-vapour
// curve of a pure gas, or the bubble/dew point of a mixture by the equation of
// state chosen for liquid-vapour equilibria.
//
// Units: T in K, P in MPa, molar volume in cm3/mol, density in g/cm3.
#ifndef CARBONIC_H
#define CARBONIC_H

struct Gas;

// Index (1 CO2, 2 CH4, 3 N2, 4 C2H6) of the gas that makes up the whole
// non-aqueous phase (Raman), or 0 for a mixture.
int Pure_Gas();

// Saturation curve of a pure fluid: temperature from a pressure (what 1) or a
// molar volume (what 2), pressure, and saturated volume (1 vapour, else
// liquid); 0 where there is none.
struct Pure_Fluid {
    const Gas* gas;
    double (*Tsat)(int what, double x);
    double (*Psat)(double TK);
    double (*Vsat)(int phase, double TK);
};
// The curve of gas index 1..4 (as Pure_Gas).
const Pure_Fluid& Pure_Fluid_Of(int gas);

// The reference equation of a pure gas: its menu line and its number.
const char* Pure_Gas_Equation(int gas);
int Pure_Gas_EoS(int gas);

// Homogenisation on the liquid-vapour curve of pure gas `gas`: from the molar
// volume (mean 1, 2; D stays as given), the temperature (3) or the pressure
// (4); the saturated volume of branch `mode` (1 vapour, 2 liquid).
void Pure_Gas_Homogenisation(int gas, int mean, int mode, double& T, double& P, double& V,
                             double& D);
// Prints them under `heading`, each line after `indent`.
void Print_Pure_Gas_Homogenisation(const char* heading, const char* indent, double T, double P,
                                   double V, double D);

// Bubble point (mode 2) or dew point (mode 1) of the mixture Raman by
// EoSvapour: the pressure at T (mean 3) or the temperature at P (mean 4, T
// holds the start value); V and D of the homogeneous fluid. With Thiery et al.
// (1994) also the Lee & Kesler volume into Vlee, printed.
void Mixture_Homogenisation(int mean, int mode, double& T, double& P, double& V, double& D);

#endif

// What belongs to the density program alone: the homogenisation data of its
// non-aqueous phase, the equilibrium function and melting search with the
// pressure of an isochoric non-aqueous phase, and the bulk inclusion from the
// aqueous solution and the non-aqueous phase after melting.
//
// Units: T in K, P in MPa, molar volume in cm3/mol, density in g/cm3.
#ifndef DENSITY_H
#define DENSITY_H

#include "Inclusion.h"
#include "Melting.h"

extern double Thom;      // homogenisation temperature of the non-aqueous phase, K
extern double Phom;      // homogenisation pressure, MPa
extern double Vhom;      // homogenisation molar volume, cm3/mol
extern double Dhom;      // homogenisation density, g/cm3

// Chemical potential of water in the more stable clathrate minus that in the
// aqueous solution, J/mol. methode 0: T unknown, 1: P unknown, 3: salt molality
// unknown with the non-aqueous molar volume Vcm fixed (P is then written back).
double Equation0(int methode, int syst, double* zgas, double* molal, double TK, double* PMPa,
                 double Vcm);

// Root of Equation0 in the unknown chosen by methode (0 temperature, 1
// pressure, 3 total salt molality of the salt ratios `ratios`); 0.0 when the
// secant iteration does not converge.
double Sectant(int methode, int syst, double* zgas, double MT, double* ratios, double TK,
               double PMPa, double Vcm);

// Bulk properties of the whole inclusion (slot 0) from the aqueous solution and
// the non-aqueous phase (slots 1 and 2), each weighted by its volume fraction:
// amount-of-substance fractions of the five gases and five ions, molar volume
// and density. Slots whose molar volume is not positive add nothing.
void TotalFI();

// The non-aqueous phase (slot 1 vapour-like or 2 liquid-like, by `syst`)
// fills what the aqueous solution leaves of the inclusion.
void Set_NonAqueous_Fraction();

// Homogenisation data of the carbonic phase from what the user gave (mean 1
// molar volume, 2 density, 3 homogenisation temperature, 4 pressure): the
// liquid-vapour curve of a pure gas, or the bubble/dew point of a mixture.
// Leaves Thom, Phom, Vhom, Dhom set and the molar volume of slot `mode`
// (1 vapour-like, 2 liquid-like) equal to Vhom.
void Density_Carbonic_Phase(int mean, int mode);

// The range in which the model can reproduce the melting temperature, found
// by the limit check: the salt-free maximum melting temperature (K) at
// 200 MPa and minimum melting pressure (MPa), and the maximum melting
// pressure in a eutectic NaCl solution (molality Mmax). `past` is set when
// the melting temperature cannot be reached.
struct Density_Limits {
    int past = 0;
    double Pmin = 0.0;
    double Pmax = 200.0;
    double Tmax = 320.0;
    double Mmax = 0.0;
};

// The clathrate calculations after the carbonic phase: the limit check (when
// asked), the salinity and pressure at melting, and either the reason why
// there is no result (Melting_Failure, printed) or the bulk inclusion and the
// warnings for results beyond the model.
void Density_Melting(int mode, bool limit_check, Density_Limits& limits);

#endif

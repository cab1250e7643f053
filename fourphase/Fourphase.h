// What belongs to the quadruple-point program alone: the homogenisation data
// of its non-aqueous fluid, the Q2 point, and the equilibrium function, the
// melting search and the bulk inclusion with the pressure of the carbonic
// liquid-vapour equilibrium always given.
//
// At Q2 clathrate, aqueous solution, carbonic liquid and carbonic vapour
// coexist: the pressure is that of the liquid-vapour equilibrium of the
// non-aqueous fluid at the temperature.
//
// Units: T in K, P in MPa, molar volume in cm3/mol, density in g/cm3.
#ifndef FOURPHASE_H
#define FOURPHASE_H

#include "Inclusion.h"
#include "Melting.h"

extern double Th;    // homogenisation temperature of the non-aqueous fluid, K
extern double Ph;    // homogenisation pressure, MPa
extern double Vh;    // molar volume of the homogeneous non-aqueous fluid, cm3/mol
extern double Dh;    // its density, g/cm3
extern double TQ2;   // temperature of the Q2 point found last, K (limit of the melting temperature)
extern double PQ2;   // pressure of that Q2 point, MPa

// Chemical potential of water in the more stable clathrate minus that in the
// aqueous solution, J/mol, for the gas phase of slot 1 (syst != 0) or 2 at the
// given pressure; negative where clathrate is stable.
double Equation0(int syst, double* zgas, double* molal, double TK, double PMPa);

// Root of Equation0 in the unknown chosen by methode (0 temperature from TK,
// 1 pressure from PMPa, 3 total salt molality of the salt ratios `ratios`
// from MT) for the H2O-free gas composition zgas (CO2, CH4, N2, C2H6 are
// used); 0 when the search does not converge.
double Sectant(int methode, int syst, double* zgas, double MT, double* ratios, double TK,
               double PMPa);

// Bulk inclusion (slot 0) from the aqueous solution of slot 7 and the
// homogeneous non-aqueous fluid Raman of molar volume Vh, by the volume
// fraction of the aqueous solution.
void TotalFI(double Vh, double* Raman);

// The non-aqueous fluid zgas of molar volume Vh split into vapour (slot 1) and
// liquid (slot 2) at temperature TK, at the pressure of their equilibrium.
// methode 1: Q2 of a solution of molality Molal with mass ratios Ratios; the
// user moves the temperature until the clathrate pressure of the vapour meets
// the liquid-vapour pressure (sets TQ2, PQ2). methode 3: the salinity at which
// clathrate melts at TK under that pressure (sets MmClath, PmClath and the
// phases); MmClath is 0 when the fluid has no Q2 at TK or the search failed.
void Quadruple2(int methode, double* zgas, double Molal, double* Ratios, double TK, double Vh);

// Q2 of the salt-free system found without the user: from 300 K down in steps
// of 1 K to 250 K until the clathrate pressure of the vapour falls below the
// liquid-vapour pressure (told by the sign of the equilibrium function at the
// liquid-vapour pressure; temperatures without a two-phase split are
// skipped), the crossing then refined to 0.01 K. Sets TQ2 (the middle of the
// last bracket) and PQ2; false when the pressures do not cross.
bool Q2_Search();

// Why a non-aqueous phase that is pure gas `gas` (as Pure_Gas) cannot have a
// Q2 melting: pure CH4 and pure N2 have no liquid at clathrate melting
// temperatures. Null for any other gas or a mixture.
const char* Q2_Refusal(int gas);

// Homogenisation data of the non-aqueous fluid from what the user gave (mean
// 1 molar volume, 2 density, 3 homogenisation temperature, 4 pressure): the
// liquid-vapour curve of a pure gas, or the bubble/dew point of a mixture;
// with Thiery et al. (1994) the Lee & Kesler volume is kept aside in Vlee.
void Fourphase_Homogenisation(int mean, int mode);

// The Q2 found by the limit check (TQ2, PQ2), printed.
void Fourphase_Limits_Report();

// Without a limit check: a limit TQ2 just above the melting temperature.
void Fourphase_No_Limit();

// The salinity at Q2 melting at TmClath, below the limit TQ2: false (and the
// reason in Melting_Failure, printed) when there is none; otherwise the bulk
// inclusion and the warnings for results beyond the model.
bool Fourphase_Salinity(int mean);

#endif

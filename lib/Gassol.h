// Solubility of CO2, CH4, N2 and C2H6 in an aqueous salt solution, and the
// water content of the coexisting gas: Henry's law with a Poynting correction
// and salting-out (CO2, CH4) for the gases, Raoult's law with a Poynting
// correction for water, gas fugacities by Redlich & Kwong (1949).
//
// Units: K, MPa, cm3/mol; molalities in mol/kg H2O in the salt order NaCl,
// KCl, CaCl2, MgCl2, FeCl2. Henry constants in MPa per unit mole fraction.
#ifndef GASSOL_H
#define GASSOL_H

// Henry constants at TK and PMPa, Poynting term from the reference pressure P0;
// 0 when TK or PMPa is not above 0.
double HenryCO2(double TK, double PMPa, double P0, double* molal);
double HenryCH4(double TK, double PMPa, double P0, double* molal);
double HenryC2H6(double TK, double PMPa, double P0);
double HenryN2(double TK, double PMPa, double P0);

// Compositions of the aqueous solution (slot phaseX) and of the gas (slot
// phaseY) in equilibrium at TK, for a gas of H2O-free composition bulk[1..9]:
// methode 2 at the pressure PMPa, methode 1 at the gas molar volume Vcm.
// Falls back to pure water and dry gas when no solution is found.
void Gas_Solubility(int methode, int phaseX, int phaseY, double TK, double PMPa, double Vcm,
                    double* bulk, double* molal);

#endif

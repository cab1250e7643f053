// Results file of the density program: the clathrate, non-aqueous and aqueous
// phases at final clathrate melting, the homogenisation data and, when the
// volume fractions are known, the whole inclusion.
#ifndef DENSITY_RESULTS_H
#define DENSITY_RESULTS_H

// Writes the results file `filename` (created or truncated) from the globals of
// the run; `mean` is how the density of the non-aqueous phase was given (1
// molar volume, 2 density, 3 homogenisation temperature, 4 homogenisation
// pressure). Returns false when the file could not be opened or not written
// completely, so that the caller can ask for another name.
bool Write_Density_Results(const char* filename, int mean);

// Whether the results give fugacity coefficients of the non-aqueous phase:
// not from the reference equations of pure CO2 and pure C2H6 (EoSvapour 20
// and 22), which give none.
bool Density_Results_Give_Fugacities();

#endif

// Results file of the quadruple-point program: the clathrate phase, the
// non-aqueous fluid at homogenisation, its coexisting vapour and liquid at
// clathrate melting, the aqueous solution and, when its volume fraction is
// known, the whole inclusion.
#ifndef FOURPHASE_RESULTS_H
#define FOURPHASE_RESULTS_H

// Writes the results file `filename` (created or truncated) from the globals of
// the run; `mean` is how the density of the non-aqueous fluid was given (1
// molar volume, 2 density, 3 homogenisation temperature, 4 homogenisation
// pressure). Returns false when the file could not be opened or not written
// completely, so that the caller can ask for another name.
bool Write_Fourphase_Results(const char* filename, int mean);

#endif

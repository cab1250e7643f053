// Blocks that both programs' results files share: header, clathrate phase,
// literature of the equations of state, aqueous solution and whole inclusion.
// Plain text in C formats: every record begins with a line break, numbers in
// "%f"; a component line is written only when its value is above 0.
#ifndef REPORT_H
#define REPORT_H

#include <cstdio>

extern const char* const FILE_RULE;   // 71 underscores

// Formats of the fraction lines of H2O, CO2, CH4, N2, C2H6 and of Na+, K+,
// Ca++, Mg++, Cl- (each program lines its values up with its own tabs).
struct Fraction_Formats {
    const char* gas[5];
    const char* ion[5];
};

// Rule line, package name, `program` line, file name, rule line; then, when
// the melting calculation gave no result, "No solution: " and the reason.
void Write_File_Header(FILE* out, const char* program, const char* filename);

// The clathrate of the stable structure (slot 4 for structure 1, 5 for 2; a
// structure that is neither is reported as 0 with the slot-4 rows) at final
// melting, and the literature of EoSclath.
void Write_Clathrate_Block(FILE* out, const Fraction_Formats& formats);

// Gas fractions of `slot`, then (Write_Solution_Fractions) its ion fractions.
void Write_Gas_Fractions(FILE* out, int slot, const Fraction_Formats& formats);
void Write_Solution_Fractions(FILE* out, int slot, const Fraction_Formats& formats);

// Homogenisation temperature and pressure (only when measured: `mean` 3 or
// 4), molar volume and density of the non-aqueous phase.
void Write_Homogenisation_Rows(FILE* out, int mean, double T, double P, double V, double D);

// Literature of the equation of state of the non-aqueous phase; for pure CO2
// the Span & Wagner (1996) line follows the Duschek et al. (1990) line when
// `span_line` is set.
void Write_Vapour_Reference(FILE* out, int EoS, bool span_line);

// The aqueous solution after final clathrate melting: volume fraction (when
// known), water model, molar volume, density, water activity, fractions and
// the salinity rows of the salts present.
void Write_Aqueous_Block(FILE* out, const Fraction_Formats& formats);

// The whole inclusion as slot 0 holds it.
void Write_Total_Block(FILE* out, const Fraction_Formats& formats);

// Creates or truncates `filename`, writes it with `body` and closes it; false
// when it could not be opened or not written completely.
bool Write_Results_File(const char* filename, int mean,
                        void (*body)(FILE* out, const char* filename, int mean));

#endif

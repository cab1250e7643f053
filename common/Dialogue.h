// The questions both programs ask, with one set of limits and messages: menus,
// y/n questions, the melting temperature, the equations of state, the
// composition and density of the non-aqueous phase, the salts, the volume
// fraction of the aqueous solution and the results file.
//
// Every answer comes through the console runtime (Console.h), so that
// non-numeric answers and end of input are treated alike everywhere. Each
// rule is also a Check_ function (or a Set_ function that stores and checks)
// returning the refusal message, or null for an accepted value, so that a
// program reading its answers from elsewhere refuses with the same words. Text is
// single-byte: the degree sign is byte 0xB0 unless a message says otherwise.
#ifndef DIALOGUE_H
#define DIALOGUE_H

extern const char* const RULE;          // 75 underscores
extern const char* const STARS;         // 76 asterisks
extern const char* const FILE_PROMPT;   // "Results will be available in file : "
const int MAX_FILENAME = 19;            // characters of a results-file name

// Asks a numbered menu until the answer is 1..count. Each entry, and the
// choice prompt after an empty line, starts on a new line; a refused number
// prints `error` and the whole menu comes again.
int Ask_Menu(const char* const* entries, int count, const char* error);

// Asks "(y/n)" until the answer is exactly 'y' or 'n' (upper case refused).
char Ask_Yes_No(bool newline_before, bool blank_after_error);

// The package, the `program` line and the model's system and limits that
// open both introductions.
void Print_Banner(const char* program);

// "Input of the program includes :" and the five inputs, of which the first
// (melting temperature) and the fourth (salt) are the same in both programs.
void Print_Inputs(const char* second, const char* third, const char* fifth);

// The four-line literature block of the introductions.
void Print_References();

// The rule line, "THE CLATHRATE PHASE" and the melting-temperature question
// that end both introductions.
void Print_Clathrate_Heading();

// A temperature inside the model's 250 to 320 K (both included), typed in
// degrees Celsius after `prompt`; returned in K.
double Ask_Model_Temperature(const char* prompt);
const char* Check_Model_Temperature(double celsius);

// Final clathrate melting temperature into TmClath (K).
void Ask_Melting_Temperature();

// Equation of state for the clathrate equilibria into EoSclath.
void Ask_Clathrate_EoS();

// H2O-free fractions of CO2, CH4, N2, C2H6 into Raman[1..4], after the
// heading and the two lines of the question.
void Ask_Composition(const char* question, const char* unit);
const char* Check_Composition(const double* zgas);

// The menu of how the density of the non-aqueous phase is known: 1 molar
// volume, 2 density, 3 homogenisation temperature, 4 homogenisation pressure.
int Ask_Density_Source();
// The molar volume (cc/mol), above that of ice.
double Ask_Molar_Volume();
const char* Check_Molar_Volume(double V);
// The density (g/cc), above 0 and lighter than ice.
double Ask_Density_Value();
const char* Check_Density(double D);
// The homogenisation temperature (K), typed in degrees Celsius: at or below
// the melting temperature when homogenisation is observed in the metastable
// absence of clathrate, at or above it when the clathrate melts first. For a
// pure gas it must lie on its liquid-vapour curve.
double Ask_Homogenisation_Temperature(bool clathrate_melts_first);
const char* Check_Homogenisation_Temperature(double celsius, bool clathrate_melts_first);
// The homogenisation pressure (MPa), above 0; for a pure gas on its
// liquid-vapour curve.
double Ask_Homogenisation_Pressure();
const char* Check_Homogenisation_Pressure(double P);

// The density data of `mean`: molar volume V and density D (1, 2; each gives
// the other), homogenisation temperature T (3, see above) or pressure P (4).
void Ask_Density_Data(int mean, bool clathrate_melts_first, double& T, double& P, double& V,
                      double& D);
// Stores an accepted value of `mean` as Ask_Density_Data does (T in K).
void Set_Density_Data(int mean, double value, double& T, double& P, double& V, double& D);

// Vapour-like (1) or liquid-like (2) non-aqueous phase; a critical
// homogenisation counts as vapour-like. Sets the root selector `syst`.
int Ask_Mode(int mean);
// The mode of a menu choice (1 vapour, 2 liquid, 3 critical) with `syst` set.
int Set_Mode(int choice);

// The menu of equations of state for liquid-vapour equilibria of a mixture;
// returns the equation-of-state number.
int Ask_Vapour_EoS_Menu();

// Relative mass proportions of the four salts into Ratio[0..3].
void Ask_Salts();
// Stores the four percentages into Ratio and checks them.
const char* Set_Salts(const double* percent);

// Whether the volume percentage of the aqueous solution is known, and its
// value into Fraction[aqueous_liquid]; true when it is known.
bool Ask_Volume_Fraction();
// Stores a volume percentage into Fraction[aqueous_liquid] and checks it.
const char* Set_Volume_Percentage(double percent);

// Console warnings for results beyond what the model stands for: a melting
// pressure above 200 MPa, a salt molality above 6 mol/kg (the range of the
// electrolyte parameters), a salt above 30 mass %, a density above 2 g/cc of
// the clathrate, the non-aqueous phase of `slot`, the aqueous solution and,
// when `whole` is set, the whole inclusion (slot 0).
void Warn_Beyond_Model(int slot, bool whole);

// "FILE INFORMATION" and the name of the results file.
void Ask_Filename(char* filename);

// Writes the results file with `write` (false when it could not be written);
// a name that cannot be written (no such directory, no permission, a full
// disk) is reported and another name is asked for, so that the results of
// the run are not lost. Then tells where the results are.
void Save_Results(char* filename, bool (*write)(const char* filename, int mean), int mean);

#endif

// Stability analysis of the non-aqueous (carbonic) fluid by the tangent-plane
// distance test (Michelsen 1982, Fluid Phase Equilib. 9, 1-19): finds the
// bubble or dew point of a bulk fluid where the bubble/dew-point search ends
// on the trivial solution or without convergence, and tells when the fluid has
// no boundary of the asked kind.
//
// The phase properties come from the same phase-property callback as the
// search (PhaseFunction, Lvequil.h): slot phaseX takes the liquid-like
// (smallest-volume) root, slot phaseY the vapour-like (largest-volume) root.
// Units: K, MPa, cm3/mol, g/cm3.
#ifndef STABILITY_H
#define STABILITY_H

#include "Lvequil.h"

// What the analysis found; each value has one console line (Stability_Report).
enum Stability_Outcome {
    Stability_Bubble_Pressure,      // bubble point at `value` MPa (temperature given)
    Stability_Dew_Pressure,         // dew point at `value` MPa
    Stability_Bubble_Temperature,   // bubble point at `value` K (pressure given)
    Stability_Dew_Temperature,      // dew point at `value` K
    Stability_None_At_Temperature,  // stable over the whole pressure scan
    Stability_None_At_Pressure,     // stable over the whole temperature scan
    Stability_No_Bubble_At_Temperature,  // unstable states, but only dew points
    Stability_No_Dew_At_Temperature,     // unstable states, but only bubble points
    Stability_No_Bubble_At_Pressure,
    Stability_No_Dew_At_Pressure
};

struct Stability_Result {
    Stability_Outcome outcome;
    double value;  // the boundary, MPa or K; 0 when none was found
};

// Scan ranges: pressure 0.1-30 MPa at the given temperature (methode 1),
// temperature 150-400 K at the given pressure (methode 0).
extern const double Stability_Pmin, Stability_Pmax, Stability_Tmin, Stability_Tmax;

// Smallest modified tangent-plane distance tm (Michelsen 1982) of the bulk
// fluid bulk_gas (10 fractions, need not sum to 1) at TK, PMPa over a
// vapour-like trial (Wilson K-factors, W = z K, slot phaseY) and a liquid-like
// trial (W = z / K, slot phaseX), each iterated by successive substitution to
// its stationary point. Negative: the fluid splits into two phases; 0: only
// the trivial solution or stable stationary points were found. The feed is
// taken at the root of lower Gibbs energy. Overwrites the fugacity data of
// both slots; Kgas keeps its values.
double Stability_Test(PhaseFunction func, int EoS, int phaseX, int phaseY, double* bulk_gas,
                      double TK, double PMPa);

// Homogenisation pressure (methode 1, TK given) or temperature (methode 0,
// PMPa given) of the bulk fluid (bulk_gas 10, bulk_salt 5 fractions): dew
// point for mode 1 (the bulk fluid is the vapour), bubble point otherwise (the
// bulk fluid is the liquid). Scans the range above with the tangent-plane test,
// locates the changes from stable to unstable, refines those that may be of
// the asked kind to the relative `precision` and classifies each by its
// incipient phase: less dense than the bulk fluid, a bubble point; denser, a
// dew point. A boundary close to a critical point, where the incipient phase
// tends to the bulk fluid, may be given up (then reported like one of the
// other kind).
//
// When a boundary of the asked kind is found, both phases are stored as the
// search stores them: the liquid in phaseX, the vapour in phaseY (the bulk
// fluid in its own slot, the incipient phase in the other), with Molar_Volume,
// Density, the Molefraction of every gas and salt, fugacities and coefficients
// from the phase function at the boundary, and Kgas/Ksalt from New_Kfactors.
// Otherwise the records (both slots, Kgas, Ksalt) are left as they were.
Stability_Result Stability_Analysis(PhaseFunction func, int EoS, int phaseX, int phaseY,
                                    double* bulk_gas, double* bulk_salt, int methode,
                                    double TK, double PMPa, int mode,
                                    double precision = 1e-12);

// True for the outcomes that found a boundary (bubble or dew point).
bool Stability_Boundary(const Stability_Result& result);

// The outcome in words, without its value ("bubble point at", "no two-phase
// region at this temperature", ...).
const char* Stability_Words(const Stability_Result& result);

// Prints the outcome on a new line, e.g. "Stability analysis: bubble point at
// 6.72803 MPa" (6 significant digits).
void Stability_Report(const Stability_Result& result);

// The liquid-vapour split of a bulk fluid of molar volume Vbulk (cm3/mol) at
// TK, where the flash ends on the trivial solution or without a split: the
// pressure range in which the fluid is unstable (tangent-plane test on the
// pressure scan, its ends refined), and in it the pressure whose two-phase
// state has the bulk molar volume, found by bisection on the pressure with a
// two-phase flash (Rachford-Rice with K-factors from the fugacity
// coefficients, by successive substitution) at each pressure. When found,
// both phases are stored as the flash stores them (liquid in phaseX, vapour in
// phaseY) and `found` is set, with the pressure (MPa) and the volume fraction
// of vapour.
struct Stability_Split {
    bool found;
    bool two_phase;   // an unstable pressure range exists at TK
    double P, Fvol;
};
Stability_Split Stability_Flash(PhaseFunction func, int EoS, int phaseX, int phaseY, double* bulk_gas,
                                double* bulk_salt, double Vbulk, double TK);

const char* Stability_Words(const Stability_Split& split);

// Prints the split on a new line: "Stability analysis: liquid-vapour split at
// P MPa, volume fraction vapour F", or why there is none.
void Stability_Report(const Stability_Split& split);

#endif

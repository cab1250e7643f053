// The density program: clathrate melting in fluid inclusions of the system
// H2O-CO2-CH4-N2-C2H6-NaCl-KCl-CaCl2-MgCl2.
//
// One question-and-answer dialogue from top to bottom. Temperatures are typed
// in degrees Celsius and kept in K; pressures in MPa, molar volumes in cc/mol.
// Text is single-byte: the degree sign is written as byte 0xB0 (0xF8 in the
// low-temperature warning).
#include <cmath>
#include <iostream>

#include "Carbonic.h"
#include "Console.h"
#include "Density.h"
#include "Dialogue.h"
#include "Numdef.h"
#include "Results.h"

using std::cout;
using std::endl;

namespace {

void Introduction()
{
    Print_Banner("Program 2: DENSITY, version 12/02");
    Print_Inputs("composition of the homogeneous non-aqueous phase", "density of the non-aqueous phase",
                 "volume-fractions of the non-aqueous phase");
    cout << endl;
    cout << "This program will calculate the properties of the individual phases" << endl;
    cout << "present in fluid inclusions, and properties of the total inclusion," << endl;
    cout << "if the volume-fractions are known." << endl;
    cout << "This program is NOT suitable for clathrate melting at Q2 conditions." << endl;
    Print_References();
    cout << endl;
    cout << endl;
    Print_Clathrate_Heading();
}

// A pure gas has its own reference equation; a mixture gets the menu.
void Ask_Vapour_EoS()
{
    cout << endl << endl << "Equation of state to calculate liquid-vapour equilibrium:";
    const int gas = Pure_Gas();
    if (gas != 0) {
        cout << endl << Pure_Gas_Equation(gas);
        EoSvapour = Pure_Gas_EoS(gas);
    } else {
        EoSvapour = Ask_Vapour_EoS_Menu();
    }
}

// Homogenisation data of the carbonic phase: the saturation curve of a pure
// gas, or the bubble/dew point of a mixture. Leaves Thom, Phom, Vhom, Dhom set
// and the molar volume of slot `mode` equal to Vhom.
void Carbonic_Phase(int mean, int mode)
{
    static const char* const headings[4] = {
        "Liquid-vapour equilibrium pure CO2 (Duschek et al., 1990, Span & Wagner, 1996):",
        "Liquid-vapour equilibrium pure CH4 (Setzmann & Wagner, 1991):",
        "Liquid-vapour equilibrium pure N2 (Jacobsen et al., 1986):",
        "Liquid-vapour equilibrium pure C2H6 (Friend et al., 1991):",
    };
    const int gas = Pure_Gas();
    if (gas != 0) {
        Pure_Gas_Homogenisation(gas, mean, mode, Thom, Phom, Vhom, Dhom);
        Print_Pure_Gas_Homogenisation(headings[gas - 1], "", Thom, Phom, Vhom, Dhom);
    } else if (mean == 1 || mean == 2) {
        // No homogenisation is computed for a mixture of known density; the
        // values only stand in for start values and are not reported.
        Phom = 10.0;
        Thom = 280.0;
    } else {
        Mixture_Homogenisation(mean, mode, Thom, Phom, Vhom, Dhom);
        // Thiery et al. (1994) take the homogeneous volume from Lee & Kesler.
        if (EoSvapour == 63) Vhom = Vlee;
    }
    Molar_Volume[mode] = Vhom;
}

// Range in which the model can reproduce the melting temperature: salt-free
// maximum temperature (at 200 MPa) and minimum pressure, and the maximum
// pressure in a NaCl solution at the eutectic molality 5.463 mol/kg. Sets
// `past` when the measured melting temperature cannot be reached.
void Limit_Check(int& past, double& Pmin, double& Pmax, double& Tmax, double& Mmax)
{
    cout << endl << endl << "SALT-FREE SYSTEM:" << endl;
    Tmax = Sectant(0, 0, Raman, 0.0, empty, 300.0, 200.0, 0.0);
    cout << endl << endl << STARS;
    cout << endl << "Maximum clathrate melting temperature = " << Tmax - 273.15
         << " \xB0" "C (at 200 MPa)" << endl;
    cout << STARS << endl;
    if (TmClath > Tmax) past = 1;

    Pmin = Sectant(1, 2, Raman, 0.0, empty, TmClath, 1.0, 0.0);
    cout << endl << endl << STARS;
    cout << endl << "Minimum clathrate melting pressure = " << Pmin << " MPa (at "
         << TmClath - 273.15 << " \xB0" "C)" << endl;
    cout << STARS << endl;
    if (Pmin <= 0) past = 1;

    // The NaCl-H2O eutectic bounds the salinity: pure NaCl at 5.463 mol/kg.
    double saved[10];
    for (int i = 0; i < 10; i++) {
        saved[i] = Ratio[i];
        Ratio[i] = 0;
    }
    Ratio[0] = 1.0;
    Mmax = 5.463;
    cout << endl << "EUTECTIC NaCl SYSTEM (molality = 5.463 mol/kgH2O):" << endl;
    Pmax = Sectant(1, 0, Raman, 5.463, Ratio, TmClath, 10.0, 0.0);
    cout << endl << endl << STARS;
    cout << endl << "Maximum clathrate melting pressure = " << Pmax << " MPa (at "
         << TmClath - 273.15 << " \xB0" "C)" << endl;
    cout << STARS << endl;
    for (int i = 0; i < 10; i++) Ratio[i] = saved[i];
}

// Salinity and pressure at which clathrate, aqueous solution and the
// non-aqueous phase of molar volume Vhom coexist at the melting temperature.
// A failed molality search from 1 mol/kg is started once more from 6 mol/kg.
// A melting pressure of 0 or below is no solution either.
void Melting_Solution(int mode)
{
    cout << endl << RULE;
    MmClath = Sectant(3, syst, Raman, 1.0, Ratio, TmClath, 0.0, Vhom);
    if (MmClath <= 0) MmClath = Sectant(3, syst, Raman, 6.0, Ratio, TmClath, 0.0, Vhom);
    PmClath = Pressure_Search(EoSvapour, mode, Raman, TmClath, Vhom);
    if (MmClath <= 0)
        Melting_Failure = "the salinity search did not converge";
    else if (!(PmClath > 0 && std::isfinite(PmClath)))
        Melting_Failure = "the melting pressure is not positive";
}

}  // namespace

int main()
{
    int mean = 0;
    int mode = 0;
    char yn = 0;
    char filename[MAX_FILENAME + 1] = {0};
    int past = 0;
    double Pmin = 0.0;     // MPa
    double Pmax = 200.0;   // MPa
    [[maybe_unused]] double Tmin = 250.0;   // K, lower model bound; no search changes it
    double Tmax = 320.0;   // K
    double Mmax = 0.0;     // mol/kg H2O

    Reset_Molefractions();
    Introduction();

    Ask_Melting_Temperature();
    Ask_Clathrate_EoS();
    Ask_Composition("What is the composition based on a H2O-free system? ",
                    "(amount-of-substance fraction, number between 0 and 1)");
    // Homogenisation is observed in the metastable absence of clathrate, so it
    // cannot lie above the melting temperature.
    mean = Ask_Density_Source();
    Ask_Density_Data(mean, false, Thom, Phom, Vhom, Dhom);
    mode = Ask_Mode(mean);
    Ask_Vapour_EoS();
    Ask_Salts();
    // The non-aqueous phase fills the rest of the inclusion.
    if (Ask_Volume_Fraction()) {
        if (syst == 0) Fraction[2] = 1 - Fraction[aqueous_liquid];
        if (syst == 2) Fraction[1] = 1 - Fraction[aqueous_liquid];
    }
    Ask_Filename(filename);
    cout << endl << RULE;
    cout << endl << "PROPERTIES OF THE CARBONIC PHASES (mixture CO2-CH4-N2-C2H6)";

    Carbonic_Phase(mean, mode);

    cout << endl;
    cout << endl << "Do you want to continue with clathrate stability calculations?";
    yn = Ask_Yes_No(true, false);
    if (yn == 'y') {
        cout << endl << RULE;
        cout << endl;
        cout << endl << "Do you want a limit check? (y/n) : ";
        // Any answer but yes skips the check.
        yn = Read_Answer();
        if (yn == 'y') Limit_Check(past, Pmin, Pmax, Tmax, Mmax);
        if (past == 0)
            Melting_Solution(mode);
        else if (TmClath > Tmax)
            Melting_Failure = "the melting temperature is above the maximum of the limit check";
        else
            Melting_Failure = "the limit check found no minimum melting pressure";
        if (Melting_Failure != nullptr) {
            cout << endl << "No solution: " << Melting_Failure;
        } else {
            const bool whole = Fraction[1] != 0 || Fraction[2] != 0;
            if (whole) TotalFI();
            Warn_Beyond_Model(mode, whole);
        }
        Save_Results(filename, Write_Density_Results, mean);
    }

    cout << endl << endl << RULE;
    cout << endl << "End of program";
    return 0;
}

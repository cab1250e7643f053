// The quadruple-point program: clathrate melting at Q2 conditions in fluid
// inclusions of the system H2O-CO2-CH4-N2-C2H6-NaCl-KCl-CaCl2-MgCl2, below the
// homogenisation of the carbonic fluid, in the presence of a carbonic vapour,
// a carbonic liquid and the aqueous solution.
//
// One question-and-answer dialogue from top to bottom. Temperatures are typed
// in degrees Celsius and kept in K; pressures in MPa, molar volumes in cc/mol.
// Text is single-byte: the degree sign is written as byte 0xB0 (0xF8 in the
// message on a melting temperature above the Q2 limit).
#include <iostream>

#include "Carbonic.h"
#include "Console.h"
#include "Dialogue.h"
#include "Fourphase.h"
#include "Numdef.h"
#include "Results.h"

using std::cout;
using std::endl;

namespace {

void Introduction()
{
    Print_Banner("Program 4: FOURPHASE, version 12/02");
    cout << "This program is designed for clathrate melting at Q2 conditions :" << endl;
    cout << "\t- clathrate melts at temperatures below homogenisation" << endl;
    cout << "\t- clathrate melts in the presence of a vapour and two liquids" << endl;
    cout << endl;
    Print_Inputs("homogenisation temperature of non-aqueous phases",
                 "composition of the homogeneous non-aqueous phase",
                 "volume-fractions of the non-aqueous phase after final clathrate melting");
    cout << endl;
    Print_References();
    cout << endl;
    Print_Clathrate_Heading();
}

// The equation of state of the liquid-vapour equilibrium at Q2: the reference
// equation of a pure gas, or the menu. Pure CH4 and pure N2 have no liquid at
// clathrate melting temperatures: returns false for them.
bool Ask_Vapour_EoS()
{
    cout << endl << endl << "Equation of state to calculate liquid-vapour equilibrium at Q2:" << endl;
    const int gas = Pure_Gas();
    if (gas == 0) {
        EoSvapour = Ask_Vapour_EoS_Menu();
        return true;
    }
    cout << Pure_Gas_Equation(gas);
    EoSvapour = Pure_Gas_EoS(gas);
    if (gas == 2 || gas == 3) {
        cout << endl << STARS;
        cout << endl << "ERROR: pure " << (gas == 2 ? "CH4" : "N2") << " gases do not have Q2 melting";
        cout << endl << STARS << endl;
        return false;
    }
    return true;
}

// Homogenisation data of the non-aqueous fluid: the liquid-vapour curve of a
// pure gas, or the bubble/dew point of a mixture given by its homogenisation
// temperature or pressure. With Thiery et al. (1994) the Lee & Kesler volume
// is kept aside in Vlee.
void Homogenisation(int mean, int mode)
{
    const int gas = Pure_Gas();
    if (gas != 0) {
        Pure_Gas_Homogenisation(gas, mean, mode, Th, Ph, Vh, Dh);
        Print_Pure_Gas_Homogenisation(gas == 1 ? "Liquid-vapour equilibrium pure CO2 (Duschek et al., 1990):"
                                               : "Liquid-vapour equilibrium pure C2H6 (Friend et al., 1991):",
                                      "\t", Th, Ph, Vh, Dh);
    } else if (mean == 3 || mean == 4) {
        if (mean == 4) Th = 298.15;   // K, start of the temperature search
        Mixture_Homogenisation(mean, mode, Th, Ph, Vh, Dh);
    }
}

// Q2 of the salt-free system, reached by adjusting the temperature from
// 300 K: the upper limit of the melting temperature.
void Limit_Check()
{
    cout << endl << endl << "SALT-FREE SYSTEM:" << endl;
    Quadruple2(1, Raman, 0.0, empty, 300.0, Vh);
    cout << endl << "Maximum clathrate melting conditions (in salt-free system) :" << endl;
    cout << endl << "\tTemperature = " << TQ2 << " K";
    cout << endl << "\tPressure = " << PQ2 << " MPa";
}

}  // namespace

int main()
{
    int mean = 0;
    int mode = 0;
    char filename[MAX_FILENAME + 1] = {0};

    Reset_Molefractions();
    Introduction();

    Ask_Melting_Temperature();
    Ask_Clathrate_EoS();
    Ask_Composition("What is the composition of the homogenous phase? ",
                    "(amount-of-substance fraction, a number between 0 and 1)");
    mean = Ask_Density_Source();
    const bool Q2_possible = Ask_Vapour_EoS();
    if (Q2_possible) {
        // The clathrate melts before the fluid homogenises: a homogenisation
        // temperature is not below the melting temperature.
        Ask_Density_Data(mean, true, Th, Ph, Vh, Dh);
        mode = Ask_Mode(mean);
        Homogenisation(mean, mode);
        Ask_Salts();
        Ask_Volume_Fraction();
        Ask_Filename(filename);
        cout << endl << RULE;

        cout << endl;
        // Any answer but yes skips the check.
        cout << endl << "Do you want a limit check? (y/n) : ";
        if (Read_Answer() == 'y')
            Limit_Check();
        else
            TQ2 = TmClath + 1.0;   // K: no limit
    }
    cout << endl << RULE;

    if (Q2_possible && TmClath < TQ2) {
        cout << endl << "SALINITY CALCULATION at Q2-MELTING" << endl;
        Quadruple2(3, Raman, 0.0, Ratio, TmClath, Vh);
        if (EoSvapour == 63 && (mean == 3 || mean == 4)) Vh = Vlee;
        if (MmClath > 0) {
            const bool whole = Fraction[aqueous_liquid] != 0;
            if (whole) TotalFI(Vh, Raman);
            Warn_Beyond_Model(1, whole);
            cout << endl << endl << RULE << endl;
            Save_Results(filename, Write_Fourphase_Results, mean);
        } else {
            cout << endl << "ERROR!! No salinity found at Q2 melting; no results file is written";
        }
    } else if (Q2_possible) {
        cout << endl << "ERROR!! Clathrate melting temperature should be lower than "
             << TQ2 - 273.15 << " \xF8" "C";
    }

    cout << endl << endl << RULE;
    cout << endl << "End of program";
    return 0;
}

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
    const char* refusal = Q2_Refusal(gas);
    if (refusal != nullptr) {
        cout << endl << STARS;
        cout << endl << "ERROR: " << refusal;
        cout << endl << STARS << endl;
        return false;
    }
    return true;
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
        Fourphase_Homogenisation(mean, mode);
        Ask_Salts();
        Ask_Volume_Fraction();
        Ask_Filename(filename);
        cout << endl << RULE;

        // Any answer but yes skips the check: no limit.
        cout << endl;
        cout << endl << "Do you want a limit check? (y/n) : ";
        if (Read_Answer() == 'y') {
            cout << endl << endl << "SALT-FREE SYSTEM:" << endl;
            Quadruple2(1, Raman, 0.0, empty, 300.0, Vh);
            Fourphase_Limits_Report();
        } else {
            Fourphase_No_Limit();
        }
    }
    cout << endl << RULE;

    if (Q2_possible && Fourphase_Salinity(mean)) {
        cout << endl << endl << RULE << endl;
        Save_Results(filename, Write_Fourphase_Results, mean);
    }

    cout << endl << endl << RULE;
    cout << endl << "End of program";
    return 0;
}

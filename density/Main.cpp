// The density program: clathrate melting in fluid inclusions of the system
// H2O-CO2-CH4-N2-C2H6-NaCl-KCl-CaCl2-MgCl2.
//
// One question-and-answer dialogue from top to bottom. Temperatures are typed
// in degrees Celsius and kept in K; pressures in MPa, molar volumes in cc/mol.
// Text is single-byte: the degree sign is written as byte 0xB0 (0xF8 in the
// low-temperature warning).
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

}  // namespace

int main()
{
    int mean = 0;
    int mode = 0;
    char yn = 0;
    char filename[MAX_FILENAME + 1] = {0};
    Density_Limits limits;

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
    if (Ask_Volume_Fraction()) Set_NonAqueous_Fraction();
    Ask_Filename(filename);
    cout << endl << RULE;
    cout << endl << "PROPERTIES OF THE CARBONIC PHASES (mixture CO2-CH4-N2-C2H6)";

    Density_Carbonic_Phase(mean, mode);

    cout << endl;
    cout << endl << "Do you want to continue with clathrate stability calculations?";
    yn = Ask_Yes_No(true, false);
    if (yn == 'y') {
        cout << endl << RULE;
        cout << endl;
        // Any answer but yes skips the check.
        cout << endl << "Do you want a limit check? (y/n) : ";
        yn = Read_Answer();
        Density_Melting(mode, yn == 'y', limits);
        Save_Results(filename, Write_Density_Results, mean);
    }

    cout << endl << endl << RULE;
    cout << endl << "End of program";
    return 0;
}

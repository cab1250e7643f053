// The density program: clathrate melting in fluid inclusions of the system
// H2O-CO2-CH4-N2-C2H6-NaCl-KCl-CaCl2-MgCl2.
//
// One question-and-answer dialogue from top to bottom. Temperatures are typed
// in degrees Celsius and kept in K; pressures in MPa, molar volumes in cc/mol.
// Text is single-byte: the degree sign is written as byte 0xB0 (0xF8 in the
// low-temperature warning).
#include <cstring>
#include <iostream>
#include <string>

#include "Console.h"
#include "Density.h"
#include "Lvequil.h"
#include "Melting.h"
#include "Numdef.h"
#include "Results.h"
#include "Saturati.h"

using std::cout;
using std::endl;

namespace {

const char* const RULE =
    "___________________________________________________________________________";
const char* const STARS =
    "****************************************************************************";
const char* const CHOOSE = "\t\t\t\t\t\t\tchoose number: ";
const char* const YES_NO = "\t(y/n):  ";
const char* const ANSWER_YN = "\tPlease answer with 'y' or 'n'";
const char* const FILE_PROMPT = "Results will be available in file : ";

const int MAX_FILENAME = 19;

// Asks a numbered menu until the answer is 1..count. Each entry, and the
// choice prompt after an empty line, starts on a new line; a refused number
// prints `error` and the whole menu comes again.
int Ask_Menu(const char* const* entries, int count, const char* error)
{
    for (;;) {
        for (int i = 0; i < count; i++) cout << endl << entries[i];
        cout << endl << endl << CHOOSE;
        int choice = 0;
        if (!Read_Int(choice)) continue;
        if (choice >= 1 && choice <= count) return choice;
        cout << error;
    }
}

// Asks "(y/n)" until the answer is exactly 'y' or 'n' (upper case refused).
char Ask_Yes_No(bool newline_before, bool blank_after_error)
{
    for (;;) {
        if (newline_before) cout << endl;
        cout << YES_NO;
        const char yn = Read_Char();
        if (yn == 'y' || yn == 'n') return yn;
        cout << ANSWER_YN;
        if (blank_after_error) cout << endl << endl;
    }
}

void Introduction()
{
    cout << "VELMORA, package of computer programs for fluid inclusion studies" << endl;
    cout << "Program 2: DENSITY, version 12/02" << endl;
    cout << endl;
    cout << endl;
    cout << "The fluid system H2O-CO2-CH4-N2-C2H6 with NaCl-KCl-CaCl2-MgCl2" << endl;
    cout << "Limits of the model are between 0-200 MPa and 250-320 K." << endl;
    cout << "Input of the program includes :" << endl;
    cout << "\t1. final clathrate melting temperature" << endl;
    cout << "\t2. composition of the homogeneous non-aqueous phase" << endl;
    cout << "\t3. density of the non-aqueous phase" << endl;
    cout << "\t4. composition of salt" << endl;
    cout << "Optionally:" << endl;
    cout << "\t5. volume-fractions of the non-aqueous phase" << endl;
    cout << endl;
    cout << "This program will calculate the properties of the individual phases" << endl;
    cout << "present in fluid inclusions, and properties of the total inclusion," << endl;
    cout << "if the volume-fractions are known." << endl;
    cout << "This program is NOT suitable for clathrate melting at Q2 conditions." << endl;
    cout << "References: van der Waals & Platteeuw (1959) clathrate solid solution model;" << endl;
    cout << "Pitzer (1973, 1991) ion-interaction model of electrolyte solutions;" << endl;
    cout << "Span & Wagner (1996), Setzmann & Wagner (1991), Haar et al. (1984) and" << endl;
    cout << "the cubic and virial equations of state of gas mixtures listed below." << endl;
    cout << endl;
    cout << endl;
    cout << RULE << endl;
    cout << "THE CLATHRATE PHASE" << endl;
    cout << endl;
    cout << "What is the final Clathrate Melting Temperature?" << endl;
}

// Final clathrate melting temperature, typed in degrees Celsius; the model
// holds from 250 to 320 K, both included. The limits are compared in degrees
// Celsius as typed (-23.15 and 46.85): in binary, -23.15 + 273.15 falls a
// rounding error below 250 K, which would refuse the limit itself.
void Ask_Melting_Temperature()
{
    for (;;) {
        const double celsius = Ask_Double("\n\tT (\xB0" "Celsius) =  ");
        TmClath = celsius + 273.15;
        if (celsius >= -23.15 && celsius <= 46.85) return;
        cout << "\tERROR : clathrate melting temperature exceeds model limits (250-320 K)";
    }
}

void Ask_Clathrate_EoS()
{
    static const char* const menu[6] = {
        "\t(1) Chueh & Prausnitz (1967) : (H2O)-CO2-CH4-N2-C2H6",
        "\t(2) Soave (1972) : (H2O)-CO2-CH4-N2-C2H6",
        "\t(3) Lee & Kesler (1975) : (H2O)-CO2-CH4-N2-C2H6",
        "\t(4) Peng & Robinson (1976) : (H2O)-CO2-CH4-N2-C2H6",
        "\t(5) Duan et al. (1992a,b) : H2O-CO2-CH4",
        "\t(6) Duan et al. (1996) : H2O-CO2-CH4-N2",
    };
    cout << endl << "Equation of state to calculate fugacities in clathrate equilibria:" << endl;
    EoSclath = Ask_Menu(menu, 6, "\tERROR: choose a number between 1 and 6");
    EoSclath = Clathrate_EoS_Number(EoSclath);
}

// H2O-free amount-of-substance fractions of CO2, CH4, N2 and C2H6. Each must
// lie in 0..1 and together they must make 1 (within 1e-6); otherwise all four
// are asked again.
void Ask_Composition()
{
    cout << endl << RULE;
    cout << endl << "NON-AQUEOUS PHASE mixture of CO2-CH4-N2-C2H6";
    cout << endl;
    cout << endl << "What is the composition based on a H2O-free system? ";
    cout << endl << "(amount-of-substance fraction, number between 0 and 1)";
    Raman[0] = 0.0;
    for (;;) {
        Raman[1] = Ask_Double("\n\tx(CO2) = ");
        Raman[2] = Ask_Double("\tx(CH4) = ");
        Raman[3] = Ask_Double("\tx(N2) = ");
        Raman[4] = Ask_Double("\tx(C2H6) = ");
        bool in_range = true;
        for (int i = 1; i <= 4; i++) {
            if (!(Raman[i] >= 0.0 && Raman[i] <= 1.0)) in_range = false;
        }
        if (!in_range) {
            cout << "\tERROR : each fraction must be between 0 and 1";
            continue;
        }
        const double sum = Raman[1] + Raman[2] + Raman[3] + Raman[4];
        if (sum >= 0.999999 && sum <= 1.000001) return;
        cout << "\tERROR : sum of fractions is not equal to 1";
    }
}

// How the density of the non-aqueous phase is known (1 molar volume,
// 2 density, 3 homogenisation temperature, 4 homogenisation pressure), and
// its value.
int Ask_Density()
{
    static const char* const menu[4] = {
        "\t(1) Molar Volume (in cc/mol)",
        "\t(2) Density (in g/cc)",
        "\t(3) Homogenisation Temperature (in metastable absence of clathrate)",
        "\t(4) Homogenisation Pressure (in metastable absence of clathrate)",
    };
    cout << endl << "Density of homogeneous CO2-CH4-N2-C2H6 is obtained from :";
    const int mean = Ask_Menu(menu, 4, "\tERROR: choose a number between 1 and 4");
    switch (mean) {
    case 1:
        // Ice (19.6 cc/mol) is denser than any gas mixture in the model range.
        for (;;) {
            Vhom = Ask_Double("\n\tMolar volume (cc/mol) = ");
            if (Vhom > 19.6) break;
            cout << "\tERROR: it is unlikely that the gas is denser than ice (19.6 cc/mol)";
        }
        Dhom = Converted_Density(Vhom, Raman, empty);
        break;
    case 2:
        // A density of zero or below would give no molar volume at all.
        for (;;) {
            Dhom = Ask_Double("\n\tDensity (g/cc) = ");
            if (Dhom > 0.0) break;
            cout << "\tERROR: density must be larger than 0";
        }
        Vhom = Converted_Density(Dhom, Raman, empty);
        break;
    case 3:
        // Homogenisation is observed in the metastable absence of clathrate,
        // so it cannot lie above the melting temperature.
        double celsius;
        for (;;) {
            celsius = Ask_Double("\n\tHomogenisation Temperature (\xB0" "C) = ");
            Thom = celsius + 273.15;
            if (Thom <= TmClath) break;
            cout << "\tERROR: Th exceeds the clathrate melting temperature";
        }
        // Below -20 C (253.15 K), compared as typed: -20 + 273.15 falls a
        // rounding error below 253.15.
        if (celsius < -20.0) {
            cout << "WARNING: Are you sure that clathrate is not present at " << Thom - 273.15
                 << " \xF8" "C ?" << endl << endl;
        }
        break;
    default:
        for (;;) {
            Phom = Ask_Double("\n\tHomogenisation Pressure (MPa) = ");
            if (Phom > 0) break;
            cout << "\tERROR: Ph must be larger than 0";
        }
        break;
    }
    return mean;
}

// Vapour-like (1) or liquid-like (2) non-aqueous phase; a critical
// homogenisation counts as vapour-like. Sets the root selector `syst`.
int Ask_Mode(int mean)
{
    int mode;
    if (mean == 1 || mean == 2) {
        static const char* const nature[2] = {"\t\t(1) vapour-like", "\t\t(2) liquid-like"};
        cout << endl << "\tNature of the fluid :";
        mode = Ask_Menu(nature, 2, "\tERROR: choose a number between 1 and 2");
    } else {
        static const char* const homogenisation[3] = {"\t\t(1) Vapour", "\t\t(2) Liquid",
                                                      "\t\t(3) Critical"};
        cout << endl << "\tMode of homogenisation :";
        mode = Ask_Menu(homogenisation, 3, "\tERROR: choose a number between 1 and 3");
    }
    if (mode == 3) mode = 1;
    if (mode == 1) syst = 2;
    if (mode == 2) syst = 0;
    return mode;
}

// A pure gas has its own reference equation; a mixture gets the menu.
void Ask_Vapour_EoS()
{
    static const char* const menu[10] = {
        "\t(1) Redlich & Kwong (1949): CO2-CH4-N2-C2H6",
        "\t(2) Chueh & Prausnitz (1967) : CO2-CH4-N2-C2H6",
        "\t(3) Soave (1972) : CO2-CH4-N2-C2H6",
        "\t(4) Lee & Kesler (1975) : CO2-CH4-N2-C2H6",
        "\t(5) Peng & Robinson (1976) : CO2-CH4-N2-C2H6",
        "\t(6) Holloway (1977, 1981) Flowers (1979) : H2O-CO2-CH4-N2-C2H6",
        "\t(7) Dreskel (1999) Bowers & Helgeson (1983) : H2O-CO2-CH4-N2-C2H6",
        "\t(8) Duan et al. (1992a,b) : H2O-CO2-CH4",
        "\t(9) Thiery et al. (1994) : CO2-CH4-N2",
        "\t(10) Duan et al. (1996) : H2O-CO2-CH4-N2",
    };
    cout << endl << endl << "Equation of state to calculate liquid-vapour equilibrium:";
    if (Raman[1] == 1.0) {
        cout << endl << "\tDuschek et al. (1990) : pure CO2";
        EoSvapour = 20;
    } else if (Raman[2] == 1.0) {
        cout << endl << "\tSetzmann & Wagner (1991) : pure CH4";
        EoSvapour = 53;
    } else if (Raman[3] == 1.0) {
        cout << endl << "\tJacobsen et al. (1986) : pure N2";
        EoSvapour = 33;
    } else if (Raman[4] == 1.0) {
        cout << endl << "\tFriend et al. (1991) : pure C2H6";
        EoSvapour = 22;
    } else {
        EoSvapour = Ask_Menu(menu, 10, "\tERROR: choose a number between 1 and 10");
        EoSvapour = Vapour_EoS_Number(EoSvapour);
    }
}

// Relative mass proportions of NaCl, KCl, CaCl2 and MgCl2 in percent, kept as
// fractions of 1. Each must lie in 0..100 and together they must make 100
// (within 1e-4 %); otherwise all four are asked again.
void Ask_Salts()
{
    cout << endl << RULE;
    cout << endl << "AQUEOUS PHASE mixture H2O-NaCl-KCl-CaCl2-MgCl2";
    cout << endl;
    cout << endl << "Relative mass ratio of salts in solution (number between 0 and 100%) :";
    static const char* const prompts[4] = {"\n\tNaCl = ", "\tKCl = ", "\tCaCl2 = ", "\tMgCl2 = "};
    for (;;) {
        double percent[4];
        for (int i = 0; i < 4; i++) {
            percent[i] = Ask_Double(prompts[i]);
            Ratio[i] = percent[i] / 100;
        }
        bool in_range = true;
        for (double p : percent) {
            if (!(p >= 0.0 && p <= 100.0)) in_range = false;
        }
        if (!in_range) {
            cout << "\tERROR: each percentage must be between 0 and 100";
            continue;
        }
        const double sum = Ratio[0] + Ratio[1] + Ratio[2] + Ratio[3];
        if (sum >= 0.999999 && sum <= 1.000001) return;
        cout << "\tERROR: sum of percentage is not equal to 100";
    }
}

// Volume fraction of the aqueous solution right after clathrate melting; the
// non-aqueous phase fills the rest. Without it no bulk properties follow.
void Ask_Volume_Fraction()
{
    cout << endl << "Is the volume percentage of aqueous liquid solution known";
    cout << endl << "directly after clathrate melting?" << endl << endl;
    const char yn = Ask_Yes_No(false, true);
    if (yn != 'y') return;
    cout << endl;
    for (;;) {
        Fraction[aqueous_liquid] = Ask_Double("\tVolume percentage (number between 0 and 100) =  ");
        Fraction[aqueous_liquid] = Fraction[aqueous_liquid] / 100;
        if (Fraction[aqueous_liquid] > 0 && Fraction[aqueous_liquid] < 1) break;
        cout << "\tERROR : percentage should have a value between 0-100%" << endl << endl;
    }
    if (syst == 0) Fraction[2] = 1 - Fraction[aqueous_liquid];
    if (syst == 2) Fraction[1] = 1 - Fraction[aqueous_liquid];
}

// Reads the name of the results file after its prompt: one word of at most
// MAX_FILENAME characters; a longer word is refused and the prompt repeats.
void Read_Filename(char* filename)
{
    for (;;) {
        const std::string word = Read_Word();
        if (word.size() <= static_cast<std::size_t>(MAX_FILENAME)) {
            std::strcpy(filename, word.c_str());
            return;
        }
        cout << "\tERROR: the file name may have at most 19 characters";
        cout << endl << FILE_PROMPT;
    }
}

void Ask_Filename(char* filename)
{
    cout << endl << RULE;
    cout << endl << "FILE INFORMATION";
    cout << endl;
    cout << endl << FILE_PROMPT;
    Read_Filename(filename);
}

// Saturation curve of a pure fluid, for the homogenisation data of a one-gas
// carbonic phase.
struct Pure_Fluid {
    const char* heading;
    const Gas* gas;
    double (*Tsat)(int what, double x);   // what 1: from P (MPa), 2: from V (cc/mol)
    double (*Psat)(double TK);
    double (*Vsat)(int phase, double TK);  // phase 1 vapour, else liquid
};

// Homogenisation data of the carbonic phase: the saturation curve of a pure
// gas, or the bubble/dew point of a mixture. Leaves Thom, Phom, Vhom, Dhom set
// and the molar volume of slot `mode` equal to Vhom.
void Carbonic_Phase(int mean, int mode)
{
    static const Pure_Fluid pure[4] = {
        {"Liquid-vapour equilibrium pure CO2 (Duschek et al., 1990, Span & Wagner, 1996):", &CO2,
         CO2_Tsat, CO2_Psat, CO2_Vsat},
        {"Liquid-vapour equilibrium pure CH4 (Setzmann & Wagner, 1991):", &CH4, CH4_Tsat,
         CH4_Psat, CH4_Vsat},
        {"Liquid-vapour equilibrium pure N2 (Jacobsen et al., 1986):", &N2, N2_Tsat, N2_Psat,
         N2_Vsat},
        {"Liquid-vapour equilibrium pure C2H6 (Friend et al., 1991):", &C2H6, C2H6_Tsat,
         C2H6_Psat, C2H6_Vsat},
    };
    const Pure_Fluid* fluid = nullptr;
    for (int i = 0; i < 4 && fluid == nullptr; i++) {
        if (Raman[1 + i] == 1.0) fluid = &pure[i];
    }

    if (fluid != nullptr) {
        if (mean == 1 || mean == 2) {
            Thom = fluid->Tsat(2, Vhom);
            Phom = fluid->Psat(Thom);
        } else {
            if (mean == 4) Thom = fluid->Tsat(1, Phom);
            if (mean == 3) Phom = fluid->Psat(Thom);
            Vhom = fluid->Vsat(mode, Thom);
            // Outside the two-phase range there is no saturated volume (0):
            // no density either, rather than a division by zero.
            Dhom = Vhom > 0 ? fluid->gas->Mole_Weight / Vhom : 0.0;
        }
        cout << endl << fluid->heading << endl;
        cout << endl << "Temperature = " << Thom << " K";
        cout << endl << "Pressure = " << Phom << " MPa";
        cout << endl << "Molar Volume = " << Vhom << " cc/mol";
        cout << endl << "Density = " << Dhom << " g/cc";
    } else if (mean == 1 || mean == 2) {
        // No homogenisation is computed for a mixture of known density; the
        // values only stand in for start values and are not reported.
        Phom = 10.0;
        Thom = 280.0;
    } else {
        // Homogenisation pressure at Th (3) or temperature at Ph (4); the
        // homogeneous fluid is the phase of slot `mode`.
        BubbleDew_Point(Volume_Fugacity, mean == 3 ? 1 : 0, EoSvapour, 2, 1, Raman, empty, &Thom,
                        &Phom, mode);
        Vhom = Molar_Volume[mode];
        Dhom = Converted_Density(Vhom, Raman, empty);
        if (EoSvapour == 63) {
            // Thiery et al. (1994) take the homogeneous volume from Lee & Kesler.
            Vlee = Volume_Search(39, mode, Raman, Thom, Phom);
            cout << endl << "Homogenisation Molar Volume (Lee & Kesler, 1975) = " << Vlee << " cc/mol";
            Vhom = Vlee;
        }
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
void Melting_Solution(int mode)
{
    cout << endl << RULE;
    MmClath = Sectant(3, syst, Raman, 1.0, Ratio, TmClath, 0.0, Vhom);
    if (MmClath <= 0) MmClath = Sectant(3, syst, Raman, 6.0, Ratio, TmClath, 0.0, Vhom);
    PmClath = Pressure_Search(EoSvapour, mode, Raman, TmClath, Vhom);
}

// Writes the results file. A name that cannot be written (no such directory,
// no permission, a full disk) is reported and another name is asked for, so
// that the results of the run are not lost.
void Write_Results(char* filename, int mean)
{
    while (!Write_Density_Results(filename, mean)) {
        cout << endl << "\tERROR: cannot write the results file " << filename;
        cout << endl << FILE_PROMPT;
        Read_Filename(filename);
    }
    cout << endl << "Results are now available in file : " << filename << std::flush;
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
    Ask_Composition();
    mean = Ask_Density();
    mode = Ask_Mode(mean);
    Ask_Vapour_EoS();
    Ask_Salts();
    Ask_Volume_Fraction();
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
        yn = Read_Char();
        if (yn == 'y') Limit_Check(past, Pmin, Pmax, Tmax, Mmax);
        if (past == 0) Melting_Solution(mode);
        Write_Results(filename, mean);
    }

    cout << endl << endl << RULE;
    cout << endl << "End of program";
    return 0;
}

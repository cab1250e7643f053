#include "Dialogue.h"

#include <cstring>
#include <iostream>
#include <string>

#include "Carbonic.h"
#include "Console.h"
#include "Inclusion.h"
#include "Numdef.h"

using std::cout;
using std::endl;

const char* const RULE =
    "___________________________________________________________________________";
const char* const STARS =
    "****************************************************************************";
const char* const FILE_PROMPT = "Results will be available in file : ";

namespace {

const char* const CHOOSE = "\t\t\t\t\t\t\tchoose number: ";
const char* const YES_NO = "\t(y/n):  ";
const char* const ANSWER_YN = "\tPlease answer with 'y' or 'n'";

// Reads the name of the results file after its prompt: one word of at most
// MAX_FILENAME characters without control characters (a NUL byte would cut
// the name, an escape would act on the terminal); otherwise the prompt
// repeats.
void Read_Filename(char* filename)
{
    for (;;) {
        const std::string word = Read_Word();
        bool control = false;
        for (unsigned char c : word) {
            if (c < 0x20 || c == 0x7F) control = true;
        }
        if (control) {
            cout << "\tERROR: the file name may not contain control characters";
        } else if (word.size() > static_cast<std::size_t>(MAX_FILENAME)) {
            cout << "\tERROR: the file name may have at most 19 characters";
        } else {
            std::strcpy(filename, word.c_str());
            return;
        }
        cout << endl << FILE_PROMPT;
    }
}

// Refusal of a homogenisation state that a pure gas cannot have: off its
// liquid-vapour curve there is no saturated volume (and no density).
const char* Off_Curve_Temperature(double TK)
{
    const int gas = Pure_Gas();
    if (gas == 0) return nullptr;
    const Pure_Fluid& fluid = Pure_Fluid_Of(gas);
    if (fluid.Vsat(1, TK) > 0) return nullptr;
    // Vsat leaves the fluid's critical and triple-point temperatures in its record.
    if (TK > fluid.gas->Tcrit) return "\tERROR: Th exceeds the critical temperature";
    return "\tERROR: Th is below the triple point";
}

// Asks `prompt` until `check` accepts the number, printing its refusal.
double Ask_Checked(const char* prompt, const char* (*check)(double))
{
    for (;;) {
        const double value = Ask_Double(prompt);
        const char* error = check(value);
        if (error == nullptr) return value;
        cout << error;
    }
}

}  // namespace

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

char Ask_Yes_No(bool newline_before, bool blank_after_error)
{
    for (;;) {
        if (newline_before) cout << endl;
        cout << YES_NO;
        const char yn = Read_Answer();
        if (yn == 'y' || yn == 'n') return yn;
        cout << ANSWER_YN;
        if (blank_after_error) cout << endl << endl;
    }
}

void Print_Banner(const char* program)
{
    cout << "VELMORA, package of computer programs for fluid inclusion studies" << endl;
    cout << program << endl;
    cout << endl;
    cout << endl;
    cout << "The fluid system H2O-CO2-CH4-N2-C2H6 with NaCl-KCl-CaCl2-MgCl2" << endl;
    cout << "Limits of the model are between 0-200 MPa and 250-320 K." << endl;
}

void Print_Inputs(const char* second, const char* third, const char* fifth)
{
    cout << "Input of the program includes :" << endl;
    cout << "\t1. final clathrate melting temperature" << endl;
    cout << "\t2. " << second << endl;
    cout << "\t3. " << third << endl;
    cout << "\t4. composition of salt" << endl;
    cout << "Optionally:" << endl;
    cout << "\t5. " << fifth << endl;
}

void Print_References()
{
    cout << "References: van der Waals & Platteeuw (1959) clathrate solid solution model;" << endl;
    cout << "Pitzer (1973, 1991) ion-interaction model of electrolyte solutions;" << endl;
    cout << "Span & Wagner (1996), Setzmann & Wagner (1991), Haar et al. (1984) and" << endl;
    cout << "the cubic and virial equations of state of gas mixtures listed below." << endl;
}

void Print_Clathrate_Heading()
{
    cout << RULE << endl;
    cout << "THE CLATHRATE PHASE" << endl;
    cout << endl;
    cout << "What is the final Clathrate Melting Temperature?" << endl;
}

// The limits are compared in degrees Celsius as typed (-23.15 and 46.85): in
// binary, -23.15 + 273.15 falls a rounding error below 250 K, which would
// refuse the limit itself.
const char* Check_Model_Temperature(double celsius)
{
    if (celsius >= -23.15 && celsius <= 46.85) return nullptr;
    return "\tERROR : clathrate melting temperature exceeds model limits (250-320 K)";
}

double Ask_Model_Temperature(const char* prompt)
{
    return Ask_Checked(prompt, Check_Model_Temperature) + 273.15;
}

void Ask_Melting_Temperature()
{
    TmClath = Ask_Model_Temperature("\n\tT (\xB0" "Celsius) =  ");
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

// Each fraction must lie in 0..1 and together they must make 1 (within
// 1e-6); otherwise all four are asked again.
void Ask_Composition(const char* question, const char* unit)
{
    cout << endl << RULE;
    cout << endl << "NON-AQUEOUS PHASE mixture of CO2-CH4-N2-C2H6";
    cout << endl;
    cout << endl << question;
    cout << endl << unit;
    Raman[0] = 0.0;
    for (;;) {
        Raman[1] = Ask_Double("\n\tx(CO2) = ");
        Raman[2] = Ask_Double("\tx(CH4) = ");
        Raman[3] = Ask_Double("\tx(N2) = ");
        Raman[4] = Ask_Double("\tx(C2H6) = ");
        const char* error = Check_Composition(Raman);
        if (error == nullptr) return;
        cout << error;
    }
}

const char* Check_Composition(const double* zgas)
{
    for (int i = 1; i <= 4; i++) {
        if (!(zgas[i] >= 0.0 && zgas[i] <= 1.0)) return "\tERROR : each fraction must be between 0 and 1";
    }
    const double sum = zgas[1] + zgas[2] + zgas[3] + zgas[4];
    if (sum >= 0.999999 && sum <= 1.000001) return nullptr;
    return "\tERROR : sum of fractions is not equal to 1";
}

int Ask_Density_Source()
{
    static const char* const menu[4] = {
        "\t(1) Molar Volume (in cc/mol)",
        "\t(2) Density (in g/cc)",
        "\t(3) Homogenisation Temperature (in metastable absence of clathrate)",
        "\t(4) Homogenisation Pressure (in metastable absence of clathrate)",
    };
    cout << endl << "Density of homogeneous CO2-CH4-N2-C2H6 is obtained from :";
    return Ask_Menu(menu, 4, "\tERROR: choose a number between 1 and 4");
}

// Ice (19.6 cc/mol) is denser than any gas mixture in the model range.
const char* Check_Molar_Volume(double V)
{
    if (V > 19.6) return nullptr;
    return "\tERROR: it is unlikely that the gas is denser than ice (19.6 cc/mol)";
}

double Ask_Molar_Volume()
{
    return Ask_Checked("\n\tMolar volume (cc/mol) = ", Check_Molar_Volume);
}

// A density of zero or below would give no molar volume at all; one that
// makes the gas denser than ice is refused as the molar volume is.
const char* Check_Density(double D)
{
    if (!(D > 0.0)) return "\tERROR: density must be larger than 0";
    return Check_Molar_Volume(Converted_Density(D, Raman, empty));
}

double Ask_Density_Value()
{
    return Ask_Checked("\n\tDensity (g/cc) = ", Check_Density);
}

const char* Check_Homogenisation_Temperature(double celsius, bool clathrate_melts_first)
{
    const double TK = celsius + 273.15;
    if (!(celsius > -273.15)) return "\tERROR: Th must be above absolute zero (-273.15 \xB0" "C)";
    if (clathrate_melts_first && TK < TmClath)
        return "\tERROR: Th is lower than the clathrate melting temperature";
    if (!clathrate_melts_first && TK > TmClath) return "\tERROR: Th exceeds the clathrate melting temperature";
    return Off_Curve_Temperature(TK);
}

double Ask_Homogenisation_Temperature(bool clathrate_melts_first)
{
    double celsius, TK;
    for (;;) {
        celsius = Ask_Double("\n\tHomogenisation Temperature (\xB0" "C) = ");
        TK = celsius + 273.15;
        const char* error = Check_Homogenisation_Temperature(celsius, clathrate_melts_first);
        if (error == nullptr) break;
        cout << error;
    }
    // Below -20 C (253.15 K), compared as typed: -20 + 273.15 falls a rounding
    // error below 253.15.
    if (celsius < -20.0) {
        cout << "WARNING: Are you sure that clathrate is not present at " << TK - 273.15
             << (clathrate_melts_first ? " \xB0" "C?" : " \xF8" "C ?") << endl << endl;
    }
    return TK;
}

const char* Check_Homogenisation_Pressure(double P)
{
    if (!(P > 0)) return "\tERROR: Ph must be larger than 0";
    if (!(P < 200)) return "\tERROR: Ph must be below 200 MPa, the limit of the model";
    const int gas = Pure_Gas();
    if (gas != 0 && !(Pure_Fluid_Of(gas).Tsat(1, P) > 0)) return "\tERROR: Ph is not on the liquid-vapour curve";
    return nullptr;
}

double Ask_Homogenisation_Pressure()
{
    return Ask_Checked("\n\tHomogenisation Pressure (MPa) = ", Check_Homogenisation_Pressure);
}

void Set_Density_Data(int mean, double value, double& T, double& P, double& V, double& D)
{
    switch (mean) {
    case 1:
        V = value;
        D = Converted_Density(V, Raman, empty);
        break;
    case 2:
        D = value;
        V = Converted_Density(D, Raman, empty);
        break;
    case 3: T = value; break;
    default: P = value; break;
    }
}

void Ask_Density_Data(int mean, bool clathrate_melts_first, double& T, double& P, double& V,
                      double& D)
{
    switch (mean) {
    case 1: Set_Density_Data(mean, Ask_Molar_Volume(), T, P, V, D); break;
    case 2: Set_Density_Data(mean, Ask_Density_Value(), T, P, V, D); break;
    case 3: Set_Density_Data(mean, Ask_Homogenisation_Temperature(clathrate_melts_first), T, P, V, D); break;
    default: Set_Density_Data(mean, Ask_Homogenisation_Pressure(), T, P, V, D); break;
    }
}

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
    return Set_Mode(mode);
}

int Set_Mode(int choice)
{
    const int mode = choice == 3 ? 1 : choice;
    if (mode == 1) syst = 2;
    if (mode == 2) syst = 0;
    return mode;
}

int Ask_Vapour_EoS_Menu()
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
    return Vapour_EoS_Number(Ask_Menu(menu, 10, "\tERROR: choose a number between 1 and 10"));
}

// Each percentage must lie in 0..100 and together they must make 100 (within
// 1e-4 %); otherwise all four are asked again. Kept as fractions of 1.
void Ask_Salts()
{
    cout << endl << RULE;
    cout << endl << "AQUEOUS PHASE mixture H2O-NaCl-KCl-CaCl2-MgCl2";
    cout << endl;
    cout << endl << "Relative mass ratio of salts in solution (number between 0 and 100%) :";
    static const char* const prompts[4] = {"\n\tNaCl = ", "\tKCl = ", "\tCaCl2 = ", "\tMgCl2 = "};
    for (;;) {
        double percent[4];
        for (int i = 0; i < 4; i++) percent[i] = Ask_Double(prompts[i]);
        const char* error = Set_Salts(percent);
        if (error == nullptr) return;
        cout << error;
    }
}

const char* Set_Salts(const double* percent)
{
    for (int i = 0; i < 4; i++) Ratio[i] = percent[i] / 100;
    for (int i = 0; i < 4; i++) {
        if (!(percent[i] >= 0.0 && percent[i] <= 100.0)) return "\tERROR: each percentage must be between 0 and 100";
    }
    const double sum = Ratio[0] + Ratio[1] + Ratio[2] + Ratio[3];
    if (sum >= 0.999999 && sum <= 1.000001) return nullptr;
    return "\tERROR: sum of percentage is not equal to 100";
}

// The volume fraction of the aqueous solution right after clathrate melting;
// without it no bulk properties follow.
bool Ask_Volume_Fraction()
{
    cout << endl << "Is the volume percentage of aqueous liquid solution known";
    cout << endl << "directly after clathrate melting?" << endl << endl;
    const char yn = Ask_Yes_No(false, true);
    if (yn != 'y') return false;
    cout << endl;
    for (;;) {
        const char* error = Set_Volume_Percentage(Ask_Double("\tVolume percentage (number between 0 and 100) =  "));
        if (error == nullptr) return true;
        cout << error << endl << endl;
    }
}

const char* Set_Volume_Percentage(double percent)
{
    Fraction[aqueous_liquid] = percent / 100;
    if (Fraction[aqueous_liquid] > 0 && Fraction[aqueous_liquid] < 1) return nullptr;
    return "\tERROR : percentage should have a value between 0-100%";
}

void Warn_Beyond_Model(int slot, bool whole)
{
    if (PmClath > 200.0)
        cout << endl << "WARNING: the melting pressure " << PmClath
             << " MPa is above 200 MPa, the limit of the model";
    if (MmClath > 6.0)
        cout << endl << "WARNING: the salt molality " << MmClath
             << " mol/kg is above 6 mol/kg, the range of the electrolyte parameters";
    const Salt* salts[4] = {&NaCl, &KCl, &CaCl2, &MgCl2};
    const char* names[4] = {"NaCl", "KCl", "CaCl2", "MgCl2"};
    for (int j = 0; j < 4; j++) {
        if (salts[j]->Weight > 30.0)
            cout << endl << "WARNING: " << names[j] << " " << salts[j]->Weight
                 << " mass % is above 30 mass %, more salt than the model is meant for";
    }
    const int clath = Clathrate_Slot();
    const struct {
        int slot;
        const char* name;
    } phases[4] = {{clath, "clathrate"}, {slot, "non-aqueous phase"},
                   {aqueous_liquid, "aqueous solution"}, {0, "whole inclusion"}};
    for (int k = 0; k < (whole ? 4 : 3); k++) {
        if (Density[phases[k].slot] > 2.0)
            cout << endl << "WARNING: the density of the " << phases[k].name << " "
                 << Density[phases[k].slot] << " g/cc is above 2 g/cc";
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

void Save_Results(char* filename, bool (*write)(const char* filename, int mean), int mean)
{
    while (!write(filename, mean)) {
        cout << endl << "\tERROR: cannot write the results file " << filename;
        cout << endl << FILE_PROMPT;
        Read_Filename(filename);
    }
    cout << endl << "Results are now available in file : " << filename << std::flush;
}

#include "Density.h"

#include "Numdef.h"

double TmClath;
double PmClath;
double MmClath;
double Thom;
double Phom;
double Vhom;
double Dhom;
double Vlee;

int syst;
int EoSclath;
int EoSvapour;
int EoSaqueous;
int structure;

double moles[10];
double imoles[5];
double Raman[10];
double Ratio[10];
int aqueous_liquid = 7;

double Converted_Density(double Vcm, double* ygas, double* ions)
{
    if (Vcm <= 0) return 0;
    // Molar mass of the phase, g/mol: gases in composition-vector order, then
    // the ions by the weights of their elements.
    const Gas* gases[10] = {&H2O, &CO2, &CH4, &N2, &C2H6, &H2S, &NH3, &H2, &O2, &CO};
    const Element* elements[5] = {&Sodium, &Potasium, &Calcium, &Magnesium, &Chlorine};
    double mass = 0.0;
    for (int i = 0; i < 10; i++) mass += ygas[i] * gases[i]->Mole_Weight;
    for (int j = 0; j < 5; j++) mass += ions[j] * elements[j]->Atomic_Weight;
    return mass / Vcm;
}

int Clathrate_EoS_Number(int choice)
{
    static const int number[6] = {12, 55, 39, 43, 17, 18};
    if (choice < 1 || choice > 6) return 0;
    return number[choice - 1];
}

int Vapour_EoS_Number(int choice)
{
    static const int number[10] = {48, 12, 55, 39, 43, 30, 10, 17, 63, 18};
    if (choice < 1 || choice > 10) return 0;
    return number[choice - 1];
}

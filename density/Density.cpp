#include "Density.h"

#include "Melting.h"
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

void TotalFI()
{
    Gas* const gases[5] = {&H2O, &CO2, &CH4, &N2, &C2H6};
    Ion* const ions[5] = {&iNa, &iK, &iCa, &iMg, &iCl};
    // Amounts per cm3 of inclusion: H2O, CO2, CH4, N2, C2H6, Na+, K+, Ca++,
    // Mg++, Cl-; Vt is the total amount per cm3.
    double n[10] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    double Vt = 0.0;

    const int aq = aqueous_liquid;
    if (Molar_Volume[aq] > 0) {
        for (int i = 0; i < 5; i++) n[i] += gases[i]->Molefraction[aq] * Fraction[aq] / Molar_Volume[aq];
        for (int j = 0; j < 5; j++) n[5 + j] += ions[j]->Molefraction[aq] * Fraction[aq] / Molar_Volume[aq];
        Vt += Fraction[aq] / Molar_Volume[aq];
    }
    // The non-aqueous phase, vapour-like (1) or liquid-like (2), holds no ions.
    for (int slot = 1; slot <= 2; slot++) {
        if (Molar_Volume[slot] > 0) {
            for (int i = 0; i < 5; i++) {
                n[i] += gases[i]->Molefraction[slot] * Fraction[slot] / Molar_Volume[slot];
            }
            Vt += Fraction[slot] / Molar_Volume[slot];
        }
    }

    double sum = 0.0;
    for (double amount : n) sum += amount;
    if (sum > 0) {
        for (int i = 0; i < 5; i++) gases[i]->Molefraction[0] = n[i] / sum;
        for (int j = 0; j < 5; j++) ions[j]->Molefraction[0] = n[5 + j] / sum;
    }

    Molefractions(0);
    if (Vt > 0) Molar_Volume[0] = 1 / Vt;
    Density[0] = Converted_Density(Molar_Volume[0], moles, imoles);
}

void Reset_Molefractions()
{
    Gas* gases[10] = {&H2O, &CO2, &CH4, &N2, &C2H6, &H2S, &NH3, &H2, &O2, &CO};
    Ion* ions[5] = {&iNa, &iK, &iCa, &iMg, &iCl};
    for (int slot = 0; slot < 10; slot++) {
        for (Gas* g : gases) g->Molefraction[slot] = 0;
        for (Ion* i : ions) i->Molefraction[slot] = 0;
    }
}

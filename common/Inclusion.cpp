#include "Inclusion.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "Lvequil.h"
#include "Melting.h"
#include "Numdef.h"
#include "Reid.h"

double TmClath;
double PmClath;
double MmClath;
double Vlee;

int syst;
int EoSclath;
int EoSvapour;
int EoSaqueous;
int structure;

int Reported_Structure() { return (structure == 1 || structure == 2) ? structure : 0; }
int Clathrate_Slot() { return structure == 2 ? 5 : 4; }
int Carbonic_Phase_Slot() { return syst != 0 ? 1 : 2; }

double moles[10];
double imoles[5];
double Raman[10];
double Ratio[10];
int aqueous_liquid = 7;
const char* Melting_Failure = nullptr;

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

namespace {

// The library's records and phase arrays, and its K-factors, at the start.
Records_Copy Start_Records;
double Start_Kgas[10], Start_Ksalt[5];

// The state of the library into the copies above (save) or back.
void Transfer_State(bool save)
{
    Transfer_Records(Start_Records, save);
    if (save) {
        std::copy(Kgas, Kgas + 10, Start_Kgas);
        std::copy(Ksalt, Ksalt + 5, Start_Ksalt);
    } else {
        std::copy(Start_Kgas, Start_Kgas + 10, Kgas);
        std::copy(Start_Ksalt, Start_Ksalt + 5, Ksalt);
    }
}

Gas* const Bulk_Gases[5] = {&H2O, &CO2, &CH4, &N2, &C2H6};
Ion* const Bulk_Ions[5] = {&iNa, &iK, &iCa, &iMg, &iCl};

}  // namespace

void Save_Start_State()
{
    Transfer_State(true);
}

void Restore_Start_State()
{
    Transfer_State(false);
    // The records' critical constants are those of the start again: the next
    // equation of state must write its table anew.
    Critical_Constants_Changed();
    TmClath = PmClath = MmClath = Vlee = 0.0;
    syst = EoSclath = EoSvapour = EoSaqueous = structure = 0;
    for (int i = 0; i < 10; i++) moles[i] = Raman[i] = Ratio[i] = 0.0;
    for (int j = 0; j < 5; j++) imoles[j] = 0.0;
    Melting_Failure = nullptr;
    Last_Search_End = Search_Own;
    Last_Search_Words = nullptr;
    Flash_Stability = true;
}

void Add_Phase_Amounts(Bulk_Amounts& bulk, int slot, double fraction, bool ions)
{
    if (!(Molar_Volume[slot] > 0)) return;
    for (int i = 0; i < 5; i++) bulk.n[i] += Bulk_Gases[i]->Molefraction[slot] * fraction / Molar_Volume[slot];
    if (ions) {
        for (int j = 0; j < 5; j++) bulk.n[5 + j] += Bulk_Ions[j]->Molefraction[slot] * fraction / Molar_Volume[slot];
    }
    bulk.Vt += fraction / Molar_Volume[slot];
}

void Add_Fluid_Amounts(Bulk_Amounts& bulk, const double* zgas, double fraction, double Vcm)
{
    if (!(Vcm > 0)) return;
    for (int i = 1; i < 5; i++) bulk.n[i] += zgas[i] * fraction / Vcm;
    bulk.Vt += fraction / Vcm;
}

void Store_Bulk_Inclusion(const Bulk_Amounts& bulk)
{
    double sum = 0.0;
    for (double amount : bulk.n) sum += amount;
    if (sum > 0) {
        for (int i = 0; i < 5; i++) Bulk_Gases[i]->Molefraction[0] = bulk.n[i] / sum;
        for (int j = 0; j < 5; j++) Bulk_Ions[j]->Molefraction[0] = bulk.n[5 + j] / sum;
    }
    Molefractions(0);
    // A phase of a molar volume near the largest double leaves an amount too
    // small to invert: no volume rather than an infinite one.
    if (bulk.Vt > 0 && std::isfinite(1 / bulk.Vt)) Molar_Volume[0] = 1 / bulk.Vt;
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

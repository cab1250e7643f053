#include "Density.h"

#include "Numdef.h"

double Thom;
double Phom;
double Vhom;
double Dhom;

double Equation0(int methode, int syst, double* zgas, double* molal, double TK, double* PMPa,
                 double Vcm)
{
    return Melting_Equilibrium(methode == 3, syst, zgas, molal, TK, PMPa, Vcm);
}

double Sectant(int methode, int syst, double* zgas, double MT, double* ratios, double TK,
               double PMPa, double Vcm)
{
    return Melting_Search(methode, syst, zgas, MT, ratios, TK, PMPa, Vcm, methode == 3);
}

void TotalFI()
{
    Bulk_Amounts bulk;
    Add_Phase_Amounts(bulk, aqueous_liquid, Fraction[aqueous_liquid], true);
    // The non-aqueous phase, vapour-like (1) or liquid-like (2), holds no ions.
    Add_Phase_Amounts(bulk, 1, Fraction[1], false);
    Add_Phase_Amounts(bulk, 2, Fraction[2], false);
    Store_Bulk_Inclusion(bulk);
}

#include "Results.h"

#include <cstdio>

#include "Fourphase.h"
#include "Numdef.h"
#include "Report.h"

namespace {

const Fraction_Formats Formats = {
    {"\nx(H2O)\t%f", "\nx(CO2)\t%f", "\nx(CH4)\t%f", "\nx(N2)\t\t%f", "\nx(C2H6)\t%f"},
    {"\nx(Na+)\t%f", "\nx(K+)\t\t%f", "\nx(Ca++)\t%f", "\nx(Mg++)\t%f", "\nx(Cl-)\t%f"},
};

// Vapour (slot 1) and liquid (slot 2) side by side.
const char* const Pair_Formats[5] = {"\nx(H2O)\t%f\t%f", "\nx(CO2)\t%f\t%f", "\nx(CH4)\t%f\t%f",
                                     "\nx(N2)\t\t%f\t%f", "\nx(C2H6)\t%f\t%f"};

void Write(FILE* out, const char* filename, int mean)
{
    const int aq = aqueous_liquid;
    Gas* const gases[5] = {&H2O, &CO2, &CH4, &N2, &C2H6};

    Write_File_Header(out, "Program 4: FOURPHASE version 12/02", filename);
    Write_Clathrate_Block(out, Formats);

    fprintf(out, "\n\n%s", FILE_RULE);
    fprintf(out, "\nNON-AQUEOUS PHASES");
    if (1 - Fraction[aq] != 0) fprintf(out, "\n\nVolume fraction\t%f", 1 - Fraction[aq]);
    fprintf(out, "\n\nAt homogenisation conditions:\n");
    Write_Homogenisation_Rows(out, mean, Th, Ph, Vh, Dh);
    fprintf(out, "\n\namount-of-substance fraction");
    for (int i = 1; i <= 4; i++) {
        if (Raman[i] > 0) fprintf(out, Formats.gas[i], Raman[i]);
    }
    fprintf(out, "\n\nEquation of state for liquid-vapour equilibria and homogeneous gas:");
    Write_Vapour_Reference(out, EoSvapour, false);

    fprintf(out, "\n\nAt clathrate melting conditions, coexisting liquid-vapour fluids :");
    fprintf(out, "\n\n\t\tVapour\tLiquid");
    fprintf(out, "\nFrac (rel)\t%f\t%f", Fraction[1], Fraction[2]);
    fprintf(out, "\nVm (cc/mol)\t%f\t%f", Molar_Volume[1], Molar_Volume[2]);
    for (int i = 0; i < 5; i++) {
        if (gases[i]->Molefraction[1] > 0)
            fprintf(out, Pair_Formats[i], gases[i]->Molefraction[1], gases[i]->Molefraction[2]);
    }
    fprintf(out, "\n\nCarbonic vapour phase in equilibrium with clathrate :");
    fprintf(out, "\n\nVm (cc/mol)\t%f", Molar_Volume[1]);
    fprintf(out, "\nD (g/cc)\t%f", Density[1]);

    fprintf(out, "\n\n%s", FILE_RULE);
    Write_Aqueous_Block(out, Formats);

    if (Fraction[aq] != 0) {
        TotalFI(Vh, Raman);
        Write_Total_Block(out, Formats);
    }
    fprintf(out, "\n%s", FILE_RULE);
}

}  // namespace

bool Write_Fourphase_Results(const char* filename, int mean)
{
    return Write_Results_File(filename, mean, Write);
}

#include "Results.h"

#include <cstdio>

#include "Density.h"
#include "Numdef.h"
#include "Report.h"

namespace {

const Fraction_Formats Formats = {
    {"\nx(H2O)\t\t%f", "\nx(CO2)\t\t%f", "\nx(CH4)\t\t%f", "\nx(N2)\t\t%f", "\nx(C2H6)\t\t%f"},
    {"\nx(Na+)\t\t%f", "\nx(K+)\t\t%f", "\nx(Ca++)\t\t%f", "\nx(Mg++)\t\t%f", "\nx(Cl-)\t\t%f"},
};

void Write(FILE* out, const char* filename, int mean)
{
    const int phase = Carbonic_Phase_Slot();

    Write_File_Header(out, "Program 2: DENSITY version 12/02", filename);
    Write_Clathrate_Block(out, Formats);

    fprintf(out, "\n\n%s", FILE_RULE);
    fprintf(out, "\nNON-AQUEOUS PHASE (after final clathrate melting)");
    if (Fraction[phase] != 0) fprintf(out, "\n\nVolume fraction\t%f", Fraction[phase]);
    fprintf(out, "\n\namount-of-substance fractions");
    Write_Gas_Fractions(out, phase, Formats);
    if (Density_Results_Give_Fugacities()) {
        fprintf(out, "\n\nFugacity coefficients");
        if (H2O.Molefraction[phase] > 0) fprintf(out, "\nH2O\t\t%f", H2O.Coefficient[phase]);
        if (CO2.Molefraction[phase] > 0) fprintf(out, "\nCO2\t\t%f", CO2.Coefficient[phase]);
        if (CH4.Molefraction[phase] > 0) fprintf(out, "\nCH4\t\t%f", CH4.Coefficient[phase]);
        if (N2.Molefraction[phase] > 0) fprintf(out, "\nN2\t\t%f", N2.Coefficient[phase]);
        if (C2H6.Molefraction[phase] > 0) fprintf(out, "\nC2H6\t\t%f", C2H6.Coefficient[phase]);
    }
    fprintf(out, "\n\nHomogenisation conditions, in metastable absence of clathrate:\n");
    Write_Homogenisation_Rows(out, mean, Thom, Phom, Vhom, Dhom);
    fprintf(out, "\n\nEquation of state for liquid-vapour equilibria and homogeneous gas:");
    Write_Vapour_Reference(out, EoSvapour, true);

    fprintf(out, "\n\n%s", FILE_RULE);
    Write_Aqueous_Block(out, Formats);

    if (Fraction[1] != 0 || Fraction[2] != 0) {
        TotalFI();
        Write_Total_Block(out, Formats);
    }
    fprintf(out, "\n%s", FILE_RULE);
}

}  // namespace

bool Density_Results_Give_Fugacities() { return EoSvapour != 20 && EoSvapour != 22; }

bool Write_Density_Results(const char* filename, int mean)
{
    return Write_Results_File(filename, mean, Write);
}

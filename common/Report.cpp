#include "Report.h"

#include "Inclusion.h"
#include "Numdef.h"

const char* const FILE_RULE =
    "_______________________________________________________________________";

namespace {

Gas* const Report_Gases[5] = {&H2O, &CO2, &CH4, &N2, &C2H6};
Ion* const Report_Ions[5] = {&iNa, &iK, &iCa, &iMg, &iCl};

// Literature of the equation of state for fugacities in clathrate equilibria.
void Write_Clathrate_Reference(FILE* out, int EoS)
{
    switch (EoS) {
    case 12: fprintf(out, "\nChueh & Prausnitz (1967) Ind.Eng.Chem.Fundam., 6, 492-498."); break;
    case 55: fprintf(out, "\nSoave (1972) Chem.Eng.Science, 27, 1197-1203."); break;
    case 39: fprintf(out, "\nLee & Kesler (1975) Am.Inst.Chem.Eng.J., 21, 510-527."); break;
    case 43: fprintf(out, "\nPeng & Robinson (1976) Ind.Eng.Chem.Fundam., 15, 59-64."); break;
    case 17:
        fprintf(out, "\nDuan et al. (1992a,b) Geochim.Cosmochim.Acta, 56, 2605-2617 and 2619-2631.");
        break;
    case 18: fprintf(out, "\nDuan et al. (1996) Geochim.Cosmochim.Acta, 60, 1209-1216."); break;
    default: break;
    }
}

}  // namespace

void Write_File_Header(FILE* out, const char* program, const char* filename)
{
    fprintf(out, "%s", FILE_RULE);
    fprintf(out, "\nVELMORA, package of computer programs for fluid inclusion studies");
    fprintf(out, "\n%s", program);
    fprintf(out, "\nFilename : %s", filename);
    fprintf(out, "\n%s", FILE_RULE);
    if (Melting_Failure != nullptr) fprintf(out, "\nNo solution: %s", Melting_Failure);
}

void Write_Clathrate_Block(FILE* out, const Fraction_Formats& formats)
{
    // A salinity search that never found water in the solution leaves no
    // stable structure: the structure I rows are reported under structure 0.
    const int reported = Reported_Structure();
    const int clath = Clathrate_Slot();
    fprintf(out, "\nCLATHRATE PHASE (at final melting conditions)");
    fprintf(out, "\n\nClathrate Structure %d", reported);
    fprintf(out, "\n\nTm (K)\t%f", TmClath);
    fprintf(out, "\nPm (MPa)\t%f", PmClath);
    fprintf(out, "\nVm (cc/mol)\t%f", Molar_Volume[clath]);
    fprintf(out, "\nD (g/cc)\t%f", Density[clath]);
    fprintf(out, "\n\namount-of-substance fractions");
    Write_Gas_Fractions(out, clath, formats);
    fprintf(out, "\n\nEquation of state for fugacity calculations in clathrate equilibria:");
    Write_Clathrate_Reference(out, EoSclath);
}

void Write_Gas_Fractions(FILE* out, int slot, const Fraction_Formats& formats)
{
    for (int i = 0; i < 5; i++) {
        if (Report_Gases[i]->Molefraction[slot] > 0)
            fprintf(out, formats.gas[i], Report_Gases[i]->Molefraction[slot]);
    }
}

void Write_Solution_Fractions(FILE* out, int slot, const Fraction_Formats& formats)
{
    Write_Gas_Fractions(out, slot, formats);
    for (int j = 0; j < 5; j++) {
        if (Report_Ions[j]->Molefraction[slot] > 0)
            fprintf(out, formats.ion[j], Report_Ions[j]->Molefraction[slot]);
    }
}

void Write_Homogenisation_Rows(FILE* out, int mean, double T, double P, double V, double D)
{
    if (mean == 3 || mean == 4) {
        fprintf(out, "\nTh (K)\t%f", T);
        fprintf(out, "\nPh (MPa)\t%f", P);
    }
    fprintf(out, "\nVh (cc/mol)\t%f", V);
    fprintf(out, "\nDh (g/cc)\t%f", D);
}

// Thiery et al. (1994) switch between the Lee & Kesler and Soave volumes.
void Write_Vapour_Reference(FILE* out, int EoS, bool span_line)
{
    switch (EoS) {
    case 10:
        fprintf(out, "\nBowers & Helgeson (1983) Geochim.Cosmochim.Acta, 47, 1247-1275");
        fprintf(out, "\nDreskel (1999) modification of the Bowers & Helgeson (1983) equation");
        break;
    case 12:
    case 17:
    case 18:
    case 39:
    case 43:
    case 55: Write_Clathrate_Reference(out, EoS); break;
    case 20:
        fprintf(out, "\nDuschek et al. (1990) J.Chem.Thermodyn., 22, 841-864.");
        if (span_line) fprintf(out, "\nSpan & Wagner (1996) J.Phys.Chem.Ref.Data, 25, 1509-1596.");
        break;
    case 22: fprintf(out, "\nFriend et al. (1991) J.Phys.Chem.Ref.Data, 20,275-347."); break;
    case 30:
        fprintf(out, "\nHolloway (1977, 1981), Flowers (1979) Contrib.Mineral.Petrol., 69, 315-319.");
        break;
    case 33: fprintf(out, "\nJacobsen et al. (1986) J.Phys.Chem.Ref.Data, 15, 735-909"); break;
    case 48: fprintf(out, "\nRedlich & Kwong (1949) Chem.Reviews, 44, 233-244."); break;
    case 53: fprintf(out, "\nSetzmann & Wagner (1991) J.Phys.Chem.Ref.Data, 20,1061-1155"); break;
    case 63:
        fprintf(out, "\nThiery et al. (1994) Eur.J.Mineral., 6, 753-771");
        Write_Clathrate_Reference(out, 39);
        Write_Clathrate_Reference(out, 55);
        break;
    default: break;
    }
}

void Write_Aqueous_Block(FILE* out, const Fraction_Formats& formats)
{
    const int aq = aqueous_liquid;
    fprintf(out, "\nAQUEOUS SOLUTION (after final clathrate melting)");
    if (Fraction[aq] != 0) fprintf(out, "\n\nVolume fraction\t%f", Fraction[aq]);
    if (EoSaqueous == 17) {
        fprintf(out, "\n\nEOS : Duan et al. (1992a,b) approximation of volumetric values");
    } else if (EoSaqueous == 26) {
        fprintf(out, "\n\nEOS : Haar et al. (1984) approximation of volumetric values");
    } else {
        fprintf(out, "\n\nEOS: Default approximation of volumetric values");
    }
    fprintf(out, "\n\nVm (cc/mol)\t%f", Molar_Volume[aq]);
    fprintf(out, "\nD (g/cc)\t%f", Density[aq]);
    fprintf(out, "\n\nActivity(H2O)\t%f", H2O.Activity[aq]);
    fprintf(out, "\n\namount-of-substance fractions");
    Write_Solution_Fractions(out, aq, formats);
    fprintf(out, "\n\nSalinity Aqueous Phase (associated salt molecules)");
    fprintf(out, "\n\n\t\tMass%%\t\tMolality");
    if (NaCl.Weight > 0) fprintf(out, "\nNaCl\t\t%f\t%f", NaCl.Weight, NaCl.Molality);
    if (KCl.Weight > 0) fprintf(out, "\nKCl\t\t%f\t%f", KCl.Weight, KCl.Molality);
    if (CaCl2.Weight > 0) fprintf(out, "\nCaCl2\t\t%f\t%f", CaCl2.Weight, CaCl2.Molality);
    if (MgCl2.Weight > 0) fprintf(out, "\nMgCl2\t\t%f\t%f", MgCl2.Weight, MgCl2.Molality);
}

void Write_Total_Block(FILE* out, const Fraction_Formats& formats)
{
    fprintf(out, "\n\n%s", FILE_RULE);
    fprintf(out, "\nTOTAL FLUID INCLUSION");
    fprintf(out, "\n\nVm (cc/mol)\t%f", Molar_Volume[0]);
    fprintf(out, "\nD (g/cc)\t%f", Density[0]);
    fprintf(out, "\n\namount-of-substance fractions");
    Write_Solution_Fractions(out, 0, formats);
}

bool Write_Results_File(const char* filename, int mean,
                        void (*body)(FILE* out, const char* filename, int mean))
{
    FILE* out = fopen(filename, "w+");
    if (out == nullptr) return false;
    body(out, filename, mean);
    const bool written = ferror(out) == 0;
    return fclose(out) == 0 && written;
}

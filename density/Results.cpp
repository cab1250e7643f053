#include "Results.h"

#include <cstdio>

#include "Density.h"
#include "Numdef.h"

namespace {

const char* const FILE_RULE =
    "_______________________________________________________________________";

// Literature of the equation of state for fugacities in clathrate equilibria.
void Clathrate_Reference(FILE* out, int EoS)
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

// Literature of the equation of state of the non-aqueous phase; Thiery et al.
// (1994) switch between the Lee & Kesler and Soave volumes.
void Vapour_Reference(FILE* out, int EoS)
{
    switch (EoS) {
    case 10:
        fprintf(out, "\nBowers & Helgeson (1983) Geochim.Cosmochim.Acta, 47, 1247-1275");
        fprintf(out, "\nDreskel (1999) modification of the Bowers & Helgeson (1983) equation");
        break;
    case 12: fprintf(out, "\nChueh & Prausnitz (1967) Ind.Eng.Chem.Fundam., 6, 492-498."); break;
    case 17:
        fprintf(out, "\nDuan et al. (1992a,b) Geochim.Cosmochim.Acta, 56, 2605-2617 and 2619-2631.");
        break;
    case 18: fprintf(out, "\nDuan et al. (1996) Geochim.Cosmochim.Acta, 60, 1209-1216."); break;
    case 20:
        fprintf(out, "\nDuschek et al. (1990) J.Chem.Thermodyn., 22, 841-864.");
        fprintf(out, "\nSpan & Wagner (1996) J.Phys.Chem.Ref.Data, 25, 1509-1596.");
        break;
    case 22: fprintf(out, "\nFriend et al. (1991) J.Phys.Chem.Ref.Data, 20,275-347."); break;
    case 30:
        fprintf(out, "\nHolloway (1977, 1981), Flowers (1979) Contrib.Mineral.Petrol., 69, 315-319.");
        break;
    case 33: fprintf(out, "\nJacobsen et al. (1986) J.Phys.Chem.Ref.Data, 15, 735-909"); break;
    case 39: fprintf(out, "\nLee & Kesler (1975) Am.Inst.Chem.Eng.J., 21, 510-527."); break;
    case 43: fprintf(out, "\nPeng & Robinson (1976) Ind.Eng.Chem.Fundam., 15, 59-64."); break;
    case 48: fprintf(out, "\nRedlich & Kwong (1949) Chem.Reviews, 44, 233-244."); break;
    case 53: fprintf(out, "\nSetzmann & Wagner (1991) J.Phys.Chem.Ref.Data, 20,1061-1155"); break;
    case 55: fprintf(out, "\nSoave (1972) Chem.Eng.Science, 27, 1197-1203."); break;
    case 63:
        fprintf(out, "\nThiery et al. (1994) Eur.J.Mineral., 6, 753-771");
        fprintf(out, "\nLee & Kesler (1975) Am.Inst.Chem.Eng.J., 21, 510-527.");
        fprintf(out, "\nSoave (1972) Chem.Eng.Science, 27, 1197-1203.");
        break;
    default: break;
    }
}

// Amount-of-substance fractions of H2O, CO2, CH4, N2 and C2H6 in `slot`; a
// gas that is absent gets no line.
void Gas_Fractions(FILE* out, int slot)
{
    if (H2O.Molefraction[slot] > 0) fprintf(out, "\nx(H2O)\t\t%f", H2O.Molefraction[slot]);
    if (CO2.Molefraction[slot] > 0) fprintf(out, "\nx(CO2)\t\t%f", CO2.Molefraction[slot]);
    if (CH4.Molefraction[slot] > 0) fprintf(out, "\nx(CH4)\t\t%f", CH4.Molefraction[slot]);
    if (N2.Molefraction[slot] > 0) fprintf(out, "\nx(N2)\t\t%f", N2.Molefraction[slot]);
    if (C2H6.Molefraction[slot] > 0) fprintf(out, "\nx(C2H6)\t\t%f", C2H6.Molefraction[slot]);
}

// The gas fractions followed by those of Na+, K+, Ca++, Mg++ and Cl-.
void Solution_Fractions(FILE* out, int slot)
{
    Gas_Fractions(out, slot);
    if (iNa.Molefraction[slot] > 0) fprintf(out, "\nx(Na+)\t\t%f", iNa.Molefraction[slot]);
    if (iK.Molefraction[slot] > 0) fprintf(out, "\nx(K+)\t\t%f", iK.Molefraction[slot]);
    if (iCa.Molefraction[slot] > 0) fprintf(out, "\nx(Ca++)\t\t%f", iCa.Molefraction[slot]);
    if (iMg.Molefraction[slot] > 0) fprintf(out, "\nx(Mg++)\t\t%f", iMg.Molefraction[slot]);
    if (iCl.Molefraction[slot] > 0) fprintf(out, "\nx(Cl-)\t\t%f", iCl.Molefraction[slot]);
}

void Write(FILE* out, const char* filename, int mean)
{
    // A salinity search that never found water in the solution leaves no
    // stable structure: the structure I rows are reported under structure 0.
    const int reported = (structure == 1 || structure == 2) ? structure : 0;
    const int clath = reported == 2 ? 5 : 4;
    const int phase = syst != 0 ? 1 : 2;
    const int aq = aqueous_liquid;

    fprintf(out, "%s", FILE_RULE);
    fprintf(out, "\nVELMORA, package of computer programs for fluid inclusion studies");
    fprintf(out, "\nProgram 2: DENSITY version 12/02");
    fprintf(out, "\nFilename : %s", filename);
    fprintf(out, "\n%s", FILE_RULE);

    fprintf(out, "\nCLATHRATE PHASE (at final melting conditions)");
    fprintf(out, "\n\nClathrate Structure %d", reported);
    fprintf(out, "\n\nTm (K)\t%f", TmClath);
    fprintf(out, "\nPm (MPa)\t%f", PmClath);
    fprintf(out, "\nVm (cc/mol)\t%f", Molar_Volume[clath]);
    fprintf(out, "\nD (g/cc)\t%f", Density[clath]);
    fprintf(out, "\n\namount-of-substance fractions");
    Gas_Fractions(out, clath);
    fprintf(out, "\n\nEquation of state for fugacity calculations in clathrate equilibria:");
    Clathrate_Reference(out, EoSclath);

    fprintf(out, "\n\n%s", FILE_RULE);
    fprintf(out, "\nNON-AQUEOUS PHASE (after final clathrate melting)");
    if (Fraction[phase] != 0) fprintf(out, "\n\nVolume fraction\t%f", Fraction[phase]);
    fprintf(out, "\n\namount-of-substance fractions");
    Gas_Fractions(out, phase);
    // The reference equations of pure CO2 and pure C2H6 give no fugacities.
    if (EoSvapour != 20 && EoSvapour != 22) {
        fprintf(out, "\n\nFugacity coefficients");
        if (H2O.Molefraction[phase] > 0) fprintf(out, "\nH2O\t\t%f", H2O.Coefficient[phase]);
        if (CO2.Molefraction[phase] > 0) fprintf(out, "\nCO2\t\t%f", CO2.Coefficient[phase]);
        if (CH4.Molefraction[phase] > 0) fprintf(out, "\nCH4\t\t%f", CH4.Coefficient[phase]);
        if (N2.Molefraction[phase] > 0) fprintf(out, "\nN2\t\t%f", N2.Coefficient[phase]);
        if (C2H6.Molefraction[phase] > 0) fprintf(out, "\nC2H6\t\t%f", C2H6.Coefficient[phase]);
    }
    fprintf(out, "\n\nHomogenisation conditions, in metastable absence of clathrate:\n");
    // Th and Ph are known only when the user gave one of them.
    if (mean == 3 || mean == 4) {
        fprintf(out, "\nTh (K)\t%f", Thom);
        fprintf(out, "\nPh (MPa)\t%f", Phom);
    }
    fprintf(out, "\nVh (cc/mol)\t%f", Vhom);
    fprintf(out, "\nDh (g/cc)\t%f", Dhom);
    fprintf(out, "\n\nEquation of state for liquid-vapour equilibria and homogeneous gas:");
    Vapour_Reference(out, EoSvapour);

    fprintf(out, "\n\n%s", FILE_RULE);
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
    Solution_Fractions(out, aq);
    fprintf(out, "\n\nSalinity Aqueous Phase (associated salt molecules)");
    fprintf(out, "\n\n\t\tMass%%\t\tMolality");
    if (NaCl.Weight > 0) fprintf(out, "\nNaCl\t\t%f\t%f", NaCl.Weight, NaCl.Molality);
    if (KCl.Weight > 0) fprintf(out, "\nKCl\t\t%f\t%f", KCl.Weight, KCl.Molality);
    if (CaCl2.Weight > 0) fprintf(out, "\nCaCl2\t\t%f\t%f", CaCl2.Weight, CaCl2.Molality);
    if (MgCl2.Weight > 0) fprintf(out, "\nMgCl2\t\t%f\t%f", MgCl2.Weight, MgCl2.Molality);

    if (Fraction[1] != 0 || Fraction[2] != 0) {
        TotalFI();
        fprintf(out, "\n\n%s", FILE_RULE);
        fprintf(out, "\nTOTAL FLUID INCLUSION");
        fprintf(out, "\n\nVm (cc/mol)\t%f", Molar_Volume[0]);
        fprintf(out, "\nD (g/cc)\t%f", Density[0]);
        fprintf(out, "\n\namount-of-substance fractions");
        Solution_Fractions(out, 0);
    }
    fprintf(out, "\n%s", FILE_RULE);
}

}  // namespace

bool Write_Density_Results(const char* filename, int mean)
{
    FILE* out = fopen(filename, "w+");
    if (out == nullptr) return false;
    Write(out, filename, mean);
    const bool written = ferror(out) == 0;
    return fclose(out) == 0 && written;
}

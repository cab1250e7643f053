#include "Fourphase.h"

#include <cmath>
#include <iostream>

#include "Carbonic.h"
#include "Console.h"
#include "Dialogue.h"
#include "Lee.h"
#include "Lvequil.h"
#include "Numdef.h"

using std::cout;
using std::endl;

double Th;
double Ph;
double Vh;
double Dh;
double TQ2;
double PQ2;

double Equation0(int syst, double* zgas, double* molal, double TK, double PMPa)
{
    double P = PMPa;
    return Melting_Equilibrium(false, syst, zgas, molal, TK, &P, 0.0);
}

double Sectant(int methode, int syst, double* zgas, double MT, double* ratios, double TK,
               double PMPa)
{
    // Callers pass `moles`, which every evaluation overwrites: the search works
    // on its own copy of the gases CO2, CH4, N2 and C2H6.
    double local[10] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    for (int i = 1; i <= 4; i++) local[i] = zgas[i];
    return Melting_Search(methode, syst, local, MT, ratios, TK, PMPa, 0.0, false);
}

void TotalFI(double Vh, double* Raman)
{
    const double f7 = Fraction[aqueous_liquid];
    Bulk_Amounts bulk;
    Add_Phase_Amounts(bulk, aqueous_liquid, f7, true);
    Add_Fluid_Amounts(bulk, Raman, 1 - f7, Vh);
    Store_Bulk_Inclusion(bulk);
}

namespace {

// What the non-aqueous fluid does at a temperature: no liquid and vapour at
// all (a pure gas above its critical temperature), a split that is no Q2
// (outside 0..1 beyond rounding, or the trivial solution), or a Q2 split.
enum Split { No_Two_Phase, No_Q2, Q2_Split };

// A vapour fraction inside 0..1 to rounding; exactly 0 is the vapour just
// appearing (homogenisation at the melting temperature).
bool Inside_Unit(double Fvap)
{
    return Fvap >= -1e-6 && Fvap <= 1.0 + 1e-6;
}

// Liquid and vapour of a pure gas at TK from its saturation curve, the vapour
// volume fraction by the lever rule on the molar volumes. Above the critical
// temperature the gas has no liquid and no vapour.
Split Pure_Gas_Split(int gas, double* zgas, double Vh, double TK, double& P, double& Fvap)
{
    const Pure_Fluid& fluid = Pure_Fluid_Of(gas);
    const double Vliq = fluid.Vsat(2, TK);
    const double Vvap = fluid.Vsat(1, TK);
    if (!(Vliq > 0 && Vvap > 0)) {
        cout << endl << "No liquid-vapour equilibrium above the critical temperature";
        return No_Two_Phase;
    }
    P = fluid.Psat(TK);
    Molar_Volume[2] = Vliq;
    Molar_Volume[1] = Vvap;
    Fvap = Vvap * (Vliq - Vh) / (Vh * (Vliq - Vvap));
    // A molar volume near the largest double overflows both products: the
    // same lever rule with the ratio taken first. Near the smallest double the
    // fraction itself has no finite value, and the report says so.
    if (!std::isfinite(Fvap)) Fvap = (Vvap / Vh) * (Vliq - Vh) / (Vliq - Vvap);
    const int index = gas == 1 ? 1 : 4;   // CO2 or C2H6 in the composition vector
    Gas_Molefractions(index, 1, zgas[index]);
    Gas_Molefractions(index, 2, zgas[index]);
    cout << endl << endl << "Liquid-Vapour equilibrium at clathrate melting";
    if (std::isfinite(Fvap))
        cout << endl << "\tFraction vapour = " << Fvap;
    else
        cout << endl << "\tFraction vapour: no finite value";
    cout << endl << "\tVm(liquid) = " << Molar_Volume[2] << " cc/mol";
    cout << endl << "\tVm(vapour) = " << Molar_Volume[1] << " cc/mol";
    cout << endl;
    if (Inside_Unit(Fvap)) return Q2_Split;
    cout << endl << "No solution: volume fraction is not a value between 0 and 1";
    return No_Q2;
}

// Liquid and vapour of a mixture by the flash; with Thiery et al. (1994) their
// molar volumes then come from Lee & Kesler (1975).
Split Mixture_Split(double* zgas, double Vh, double TK, double& P, double& Fvap)
{
    Fvap = 0.5;
    cout << endl;
    LiqVap_Equilibrium(Volume_Fugacity, EoSvapour, 2, 1, zgas, empty, Vh, TK, &P, &Fvap);
    const Split split = Inside_Unit(Fvap) && !Trivial_Solution(2, 1, zgas) ? Q2_Split : No_Q2;
    if (EoSvapour == 63) {
        Molefractions(2);
        Molar_Volume[2] = Volume_Search(39, 2, moles, TK, P);
        Molefractions(1);
        Molar_Volume[1] = Volume_Search(39, 1, moles, TK, P);
        cout << endl << "Molar volumes of coexisting phases according to Lee & Kesler (1975)" << endl;
        cout << endl << "\tliquid = " << Molar_Volume[2] << " cc/mol";
        cout << endl << "\tvapour = " << Molar_Volume[1] << " cc/mol";
        cout << endl;
    }
    return split;
}

// "Change temperature approximation?" and, on 'y', the new temperature inside
// the model's range.
char Ask_New_Temperature(double& TK)
{
    cout << endl << endl << "Change temperature approximation? (y/n) : ";
    const char yn = Read_Char();
    if (yn == 'y') TK = Ask_Model_Temperature("\nNew temperature (\xB0" "Celsius) = ");
    return yn;
}

}  // namespace

void Quadruple2(int methode, double* zgas, double Molal, double* Ratios, double TK, double Vh)
{
    double Tlve = TK;
    double Plve = 4.48;   // MPa, start of the first flash; later passes start from the last
    char yn = 'y';
    cout << endl << "Q2 APPROXIMATION (intersection HLV and liquid-vapour equilibria)";
    while (yn == 'y') {
        cout << endl << "Temperature = " << Tlve - 273.15 << " \xB0" "Celsius";
        double Fvap = 0.0;
        const int gas = zgas[1] == 1.0 ? 1 : zgas[4] == 1.0 ? 4 : 0;
        const Split split = gas != 0 ? Pure_Gas_Split(gas, zgas, Vh, Tlve, Plve, Fvap)
                                     : Mixture_Split(zgas, Vh, Tlve, Plve, Fvap);
        if (split == No_Two_Phase) {
            // No Q2 at this temperature: another one, or none at all.
            if (methode == 1) {
                yn = Ask_New_Temperature(Tlve);
                PQ2 = Plve;
                TQ2 = Tlve;
            } else {
                MmClath = 0.0;
                yn = 'n';
            }
            continue;
        }

        cout << endl << "Pressure (liquid-vapour) = " << Plve << " MPa";
        Fraction[1] = Fvap;
        Fraction[2] = 1 - Fvap;

        if (methode == 1) {
            Molefractions(1);
            const double Pcla = Sectant(1, 2, moles, Molal, Ratios, Tlve, 1.0);
            cout << endl << "Pressure (clathrate) = " << Pcla << " MPa";
            if (std::fabs(Pcla - Plve) < 0.0001) {
                cout << endl << "Good fit! stop iterations";
                yn = 'n';
            } else {
                // A search that finds no pressure below its bound returns 0:
                // the clathrate pressure lies above the bound, far too high.
                const bool too_high = Pcla > Plve || Pcla <= 0;
                cout << endl
                     << (too_high ? "Temperature should be lower for equal pressures"
                                  : "Temperature should be higher for equal pressures");
                yn = Ask_New_Temperature(Tlve);
            }
            PQ2 = Plve;
            TQ2 = Tlve;
        } else if (methode == 3) {
            cout << endl;
            if (split == Q2_Split) {
                const double V1 = Molar_Volume[1];
                const double V2 = Molar_Volume[2];
                Molefractions(1);
                MmClath = Sectant(3, 2, moles, 1.0, Ratios, Tlve, Plve);
                Molar_Volume[1] = V1;
                Molar_Volume[2] = V2;
            } else {
                // No coexisting liquid and vapour: the salinity would be
                // solved at a pressure that belongs to no Q2.
                MmClath = 0.0;
            }
            PmClath = Plve;
            yn = 'n';
        } else {
            yn = 'n';
        }
    }
}

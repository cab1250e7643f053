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
// all (a pure gas above its critical temperature), the trivial solution of
// the flash (no split), a split outside 0..1 beyond rounding, or a Q2 split.
enum Split { No_Two_Phase, Trivial, Outside, Q2_Split };

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
    // The gas index is its place in the composition vector.
    Gas_Molefractions(gas, 1, zgas[gas]);
    Gas_Molefractions(gas, 2, zgas[gas]);
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
    return Outside;
}

// Liquid and vapour of a mixture by the flash; with Thiery et al. (1994) their
// molar volumes then come from Lee & Kesler (1975).
Split Mixture_Split(double* zgas, double Vh, double TK, double& P, double& Fvap)
{
    Fvap = 0.5;
    cout << endl;
    LiqVap_Equilibrium(Volume_Fugacity, EoSvapour, 2, 1, zgas, empty, Vh, TK, &P, &Fvap);
    const Split split = Trivial_Solution(2, 1, zgas) ? Trivial : Inside_Unit(Fvap) ? Q2_Split : Outside;
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

// Liquid and vapour of zgas at TK, at the pressure P of their equilibrium
// (in: start of the flash), printed; the vapour volume fraction into
// Fraction 1, the liquid's into Fraction 2.
Split Liquid_Vapour(double* zgas, double Vh, double TK, double& P)
{
    cout << endl << "Temperature = " << TK - 273.15 << " \xB0" "Celsius";
    double Fvap = 0.0;
    const int gas = zgas[1] == 1.0 ? 1 : zgas[4] == 1.0 ? 4 : 0;
    const Split split = gas != 0 ? Pure_Gas_Split(gas, zgas, Vh, TK, P, Fvap)
                                 : Mixture_Split(zgas, Vh, TK, P, Fvap);
    if (split == No_Two_Phase) return split;
    cout << endl << "Pressure (liquid-vapour) = " << P << " MPa";
    Fraction[1] = Fvap;
    Fraction[2] = 1 - Fvap;
    return split;
}

// The pressure at which clathrate, the vapour of slot 1 and an aqueous
// solution of molality Molal coexist at TK, printed, compared with the
// liquid-vapour pressure Plve: true when the clathrate pressure is the
// higher one, so that the temperature should be lower for equal pressures. A
// search that finds no pressure below its bound returns 0: the clathrate
// pressure lies above the bound, far too high.
bool Clathrate_Above(double Molal, double* Ratios, double TK, double Plve, double& Pcla)
{
    Molefractions(1);
    Pcla = Sectant(1, 2, moles, Molal, Ratios, TK, 1.0);
    cout << endl << "Pressure (clathrate) = " << Pcla << " MPa";
    return Pcla > Plve || Pcla <= 0;
}

// "Change temperature approximation?" and, on 'y', the new temperature inside
// the model's range.
char Ask_New_Temperature(double& TK)
{
    cout << endl << endl << "Change temperature approximation? (y/n) : ";
    const char yn = Read_Answer();
    if (yn == 'y') TK = Ask_Model_Temperature("\nNew temperature (\xB0" "Celsius) = ");
    return yn;
}

// Why a split is no Q2.
const char* No_Q2_Reason(Split split)
{
    switch (split) {
    case No_Two_Phase: return "no liquid-vapour equilibrium at the melting temperature";
    case Trivial: return "the liquid-vapour split ended on the trivial solution";
    case Outside: return "the liquid-vapour split is outside 0..1 (no Q2 for this density)";
    default: return nullptr;
    }
}

}  // namespace

void Quadruple2(int methode, double* zgas, double Molal, double* Ratios, double TK, double Vh)
{
    double Tlve = TK;
    double Plve = 4.48;   // MPa, start of the first flash; later passes start from the last
    char yn = 'y';
    cout << endl << "Q2 APPROXIMATION (intersection HLV and liquid-vapour equilibria)";
    while (yn == 'y') {
        const Split split = Liquid_Vapour(zgas, Vh, Tlve, Plve);
        if (methode == 1) {
            // The user moves the temperature until the pressures meet; without
            // liquid and vapour at this temperature only another temperature helps.
            if (split == No_Two_Phase) {
                yn = Ask_New_Temperature(Tlve);
            } else {
                double Pcla = 0.0;
                const bool above = Clathrate_Above(Molal, Ratios, Tlve, Plve, Pcla);
                if (std::fabs(Pcla - Plve) < 0.0001) {
                    cout << endl << "Good fit! stop iterations";
                    yn = 'n';
                } else {
                    cout << endl
                         << (above ? "Temperature should be lower for equal pressures"
                                   : "Temperature should be higher for equal pressures");
                    yn = Ask_New_Temperature(Tlve);
                }
            }
            PQ2 = Plve;
            TQ2 = Tlve;
        } else if (methode == 3) {
            MmClath = 0.0;
            if (split != No_Two_Phase) {
                cout << endl;
                // Without coexisting liquid and vapour the salinity would be
                // solved at a pressure that belongs to no Q2.
                if (split == Q2_Split) {
                    const double V1 = Molar_Volume[1];
                    const double V2 = Molar_Volume[2];
                    Molefractions(1);
                    MmClath = Sectant(3, 2, moles, 1.0, Ratios, Tlve, Plve);
                    Molar_Volume[1] = V1;
                    Molar_Volume[2] = V2;
                }
                PmClath = Plve;
            }
            Melting_Failure = split != Q2_Split ? No_Q2_Reason(split)
                              : MmClath > 0 ? nullptr : "the salinity search did not converge";
            yn = 'n';
        } else {
            yn = 'n';
        }
    }
}

bool Q2_Search()
{
    const double Tstart = 300.0, Tlow = 250.0;   // K: the dialogue's start, the model's limit
    double Plve = 4.48;
    cout << endl << "Q2 APPROXIMATION (intersection HLV and liquid-vapour equilibria)";
    // Whether the clathrate pressure of the vapour lies above the
    // liquid-vapour pressure at T; false when there is no two-phase split to
    // compare with. The clathrate pressure is where the equilibrium function
    // changes sign, falling with the pressure: it lies above the liquid-vapour
    // pressure exactly where clathrate is not yet stable there, which one
    // evaluation tells without the pressure search (and without its 201
    // passes where no clathrate pressure lies below the search's bound).
    auto pass = [&](double T, bool& above) {
        const Split split = Liquid_Vapour(Raman, Vh, T, Plve);
        if (split == No_Two_Phase || split == Trivial) return false;
        Molefractions(1);
        double vapour[10] = {0, moles[1], moles[2], moles[3], moles[4], 0, 0, 0, 0, 0};
        double salt_free[10] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        const double dG = Equation0(2, vapour, salt_free, T, Plve);
        if (!std::isfinite(dG) || H2O.Activity[aqueous_liquid] <= 0.0) return false;
        above = dG > 0.0;
        return true;
    };
    double high = 0.0;   // last temperature with the clathrate pressure above
    double low = 0.0;    // first temperature below it with the clathrate pressure below
    // The scan takes the flash's own splits: a temperature where it finds none
    // is skipped without the stability analysis, which the crossing then has.
    Flash_Stability = false;
    for (double T = Tstart; T >= Tlow && low == 0.0; T -= 1.0) {
        bool above = false;
        if (!pass(T, above)) continue;
        if (above)
            high = T;
        else if (high > 0.0)
            low = T;
    }
    Flash_Stability = true;
    if (low == 0.0) return false;
    while (high - low > 0.01) {
        const double mid = 0.5 * (high + low);
        bool above = false;
        if (!pass(mid, above)) return false;
        (above ? high : low) = mid;
    }
    TQ2 = 0.5 * (high + low);
    const Split split = Liquid_Vapour(Raman, Vh, TQ2, Plve);
    if (split == No_Two_Phase || split == Trivial) return false;
    PQ2 = Plve;
    return true;
}

const char* Q2_Refusal(int gas)
{
    if (gas == 2) return "pure CH4 gases do not have Q2 melting";
    if (gas == 3) return "pure N2 gases do not have Q2 melting";
    return nullptr;
}

void Fourphase_Homogenisation(int mean, int mode)
{
    const int gas = Pure_Gas();
    if (gas != 0) {
        Pure_Gas_Homogenisation(gas, mean, mode, Th, Ph, Vh, Dh);
        Print_Pure_Gas_Homogenisation(gas == 1 ? "Liquid-vapour equilibrium pure CO2 (Duschek et al., 1990):"
                                               : "Liquid-vapour equilibrium pure C2H6 (Friend et al., 1991):",
                                      "\t", Th, Ph, Vh, Dh);
    } else if (mean == 3 || mean == 4) {
        if (mean == 4) Th = 298.15;   // K, start of the temperature search
        Mixture_Homogenisation(mean, mode, Th, Ph, Vh, Dh);
    }
}

void Fourphase_Limits_Report()
{
    cout << endl << "Maximum clathrate melting conditions (in salt-free system) :" << endl;
    cout << endl << "\tTemperature = " << TQ2 << " K";
    cout << endl << "\tPressure = " << PQ2 << " MPa";
}

void Fourphase_No_Limit()
{
    TQ2 = TmClath + 1.0;
}

bool Fourphase_Salinity(int mean)
{
    if (TmClath >= TQ2) {
        Melting_Failure = "the melting temperature is above the Q2 temperature of the limit check";
        cout << endl << "ERROR!! Clathrate melting temperature should be lower than "
             << TQ2 - 273.15 << " \xF8" "C";
        return false;
    }
    cout << endl << "SALINITY CALCULATION at Q2-MELTING" << endl;
    Quadruple2(3, Raman, 0.0, Ratio, TmClath, Vh);
    // Thiery et al. (1994): the Lee & Kesler homogenisation volume, only now.
    if (EoSvapour == 63 && (mean == 3 || mean == 4)) Vh = Vlee;
    if (Melting_Failure != nullptr) {
        cout << endl << "ERROR!! No salinity found at Q2 melting; no results file is written";
        return false;
    }
    const bool whole = Fraction[aqueous_liquid] != 0;
    if (whole) TotalFI(Vh, Raman);
    Warn_Beyond_Model(1, whole);
    return true;
}

#include "Density.h"

#include <cmath>
#include <iostream>

#include "Carbonic.h"
#include "Dialogue.h"
#include "Numdef.h"

using std::cout;
using std::endl;

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

void Set_NonAqueous_Fraction()
{
    if (syst == 0) Fraction[2] = 1 - Fraction[aqueous_liquid];
    if (syst == 2) Fraction[1] = 1 - Fraction[aqueous_liquid];
}

void Density_Carbonic_Phase(int mean, int mode)
{
    static const char* const headings[4] = {
        "Liquid-vapour equilibrium pure CO2 (Duschek et al., 1990, Span & Wagner, 1996):",
        "Liquid-vapour equilibrium pure CH4 (Setzmann & Wagner, 1991):",
        "Liquid-vapour equilibrium pure N2 (Jacobsen et al., 1986):",
        "Liquid-vapour equilibrium pure C2H6 (Friend et al., 1991):",
    };
    const int gas = Pure_Gas();
    if (gas != 0) {
        Pure_Gas_Homogenisation(gas, mean, mode, Thom, Phom, Vhom, Dhom);
        Print_Pure_Gas_Homogenisation(headings[gas - 1], "", Thom, Phom, Vhom, Dhom);
    } else if (mean == 1 || mean == 2) {
        // No homogenisation is computed for a mixture of known density; the
        // values only stand in for start values and are not reported.
        Phom = 10.0;
        Thom = 280.0;
    } else {
        Mixture_Homogenisation(mean, mode, Thom, Phom, Vhom, Dhom);
        // Thiery et al. (1994) take the homogeneous volume from Lee & Kesler.
        if (EoSvapour == 63) Vhom = Vlee;
    }
    Molar_Volume[mode] = Vhom;
}

namespace {

// Range in which the model can reproduce the melting temperature: salt-free
// maximum temperature (at 200 MPa) and minimum pressure, and the maximum
// pressure in a NaCl solution at the eutectic molality 5.463 mol/kg. Sets
// `past` when the measured melting temperature cannot be reached.
void Limit_Check(int& past, double& Pmin, double& Pmax, double& Tmax, double& Mmax)
{
    cout << endl << endl << "SALT-FREE SYSTEM:" << endl;
    Tmax = Sectant(0, 0, Raman, 0.0, empty, 300.0, 200.0, 0.0);
    cout << endl << endl << STARS;
    cout << endl << "Maximum clathrate melting temperature = " << Tmax - 273.15
         << " \xB0" "C (at 200 MPa)" << endl;
    cout << STARS << endl;
    if (TmClath > Tmax) past = 1;

    Pmin = Sectant(1, 2, Raman, 0.0, empty, TmClath, 1.0, 0.0);
    cout << endl << endl << STARS;
    cout << endl << "Minimum clathrate melting pressure = " << Pmin << " MPa (at "
         << TmClath - 273.15 << " \xB0" "C)" << endl;
    cout << STARS << endl;
    if (Pmin <= 0) past = 1;

    // The NaCl-H2O eutectic bounds the salinity: pure NaCl at 5.463 mol/kg.
    double saved[10];
    for (int i = 0; i < 10; i++) {
        saved[i] = Ratio[i];
        Ratio[i] = 0;
    }
    Ratio[0] = 1.0;
    Mmax = 5.463;
    cout << endl << "EUTECTIC NaCl SYSTEM (molality = 5.463 mol/kgH2O):" << endl;
    Pmax = Sectant(1, 0, Raman, 5.463, Ratio, TmClath, 10.0, 0.0);
    cout << endl << endl << STARS;
    cout << endl << "Maximum clathrate melting pressure = " << Pmax << " MPa (at "
         << TmClath - 273.15 << " \xB0" "C)" << endl;
    cout << STARS << endl;
    for (int i = 0; i < 10; i++) Ratio[i] = saved[i];
}

// Salinity and pressure at which clathrate, aqueous solution and the
// non-aqueous phase of molar volume Vhom coexist at the melting temperature.
// A failed molality search from 1 mol/kg is started once more from 6 mol/kg.
// A melting pressure of 0 or below is no solution either.
void Melting_Solution(int mode)
{
    cout << endl << RULE;
    MmClath = Sectant(3, syst, Raman, 1.0, Ratio, TmClath, 0.0, Vhom);
    if (MmClath <= 0) MmClath = Sectant(3, syst, Raman, 6.0, Ratio, TmClath, 0.0, Vhom);
    PmClath = Pressure_Search(EoSvapour, mode, Raman, TmClath, Vhom);
    if (MmClath <= 0)
        Melting_Failure = "the salinity search did not converge";
    else if (!(PmClath > 0 && std::isfinite(PmClath)))
        Melting_Failure = "the melting pressure is not positive";
}

}  // namespace

void Density_Melting(int mode, bool limit_check, Density_Limits& limits)
{
    if (limit_check) Limit_Check(limits.past, limits.Pmin, limits.Pmax, limits.Tmax, limits.Mmax);
    if (limits.past == 0)
        Melting_Solution(mode);
    else if (TmClath > limits.Tmax)
        Melting_Failure = "the melting temperature is above the maximum of the limit check";
    else
        Melting_Failure = "the limit check found no minimum melting pressure";
    if (Melting_Failure != nullptr) {
        cout << endl << "No solution: " << Melting_Failure;
        return;
    }
    const bool whole = Fraction[1] != 0 || Fraction[2] != 0;
    if (whole) TotalFI();
    Warn_Beyond_Model(mode, whole);
}

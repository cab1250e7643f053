#include "Gassol.h"

#include <cmath>

#include "Numdef.h"
#include "Redlich.h"
#include "Saturati.h"

namespace {

const double R = 8.31451;  // J/(mol K)

// Poynting correction of ln H from P0 to P for a partial molar volume Vinf.
double Poynting(double TK, double PMPa, double P0, double Vinf)
{
    return (PMPa - P0) * Vinf / (R * TK);
}

// Vapour pressure of water (MPa): the saturation curve above the triple point,
// the sublimation curve of ice at and below it.
double Water_Vapour_Pressure(double TK)
{
    if (TK > 273.16) return H2O_Psat(TK);
    return std::exp(-33.909 + 0.30094 * TK - 0.00085995 * TK * TK + 9.1544e-07 * TK * TK * TK) / 1000000.0;
}

void Set_Ions(int phase, double na, double k, double ca, double mg, double fe, double cl)
{
    iNa.Molefraction[phase] = na;
    iK.Molefraction[phase] = k;
    iCa.Molefraction[phase] = ca;
    iMg.Molefraction[phase] = mg;
    iFe.Molefraction[phase] = fe;
    iCl.Molefraction[phase] = cl;
}

}  // namespace

double HenryCO2(double TK, double PMPa, double P0, double* molal)
{
    if (TK <= 0.0 || PMPa <= 0.0) return 0.0;
    const double T = TK, TC = TK - 273.15;
    double lnH = -6.8346 + 12817.0 / T - 3766800.0 / (T * T) + 299700000.0 / (T * T * T);
    const double Vinf = 58.9 - 0.08 * T;
    lnH += Poynting(TK, PMPa, P0, Vinf);
    const double ks = 0.11572 - 0.00060293 * TC + 3.5817e-06 * TC * TC - 3.7772e-09 * TC * TC * TC;
    lnH += ks * molal[0] + (ks - 0.04) * molal[1] + (ks + 0.075) * (molal[2] + molal[3] + molal[4]);
    return std::exp(lnH);
}

double HenryCH4(double TK, double PMPa, double P0, double* molal)
{
    if (TK <= 0.0 || PMPa <= 0.0) return 0.0;
    const double T = TK, TC = TK - 273.15;
    double lnH = 9.881539 + 9864.392 / T - 2150246.0 / (T * T) + 88102410.0 / (T * T * T) +
                 std::log(1e-6);
    const double Vinf = std::exp(3.541 + 0.00123 * TC);
    lnH += Poynting(TK, PMPa, P0, Vinf);
    const double T2 = T * T, T3 = T2 * T, T4 = T3 * T, T5 = T4 * T;
    const double ks = 3.38828 - 0.0318765 * T + 0.000122003 * T2 - 2.31891e-07 * T3 +
                      2.22938e-10 * T4 - 8.83764e-14 * T5;
    lnH += ks * molal[0] + (ks - 0.026) * molal[1] + 3.0 * (ks - 0.066) * molal[2] +
           3.0 * (ks - 0.074) * (molal[3] + molal[4]);
    return std::exp(lnH);
}

double HenryC2H6(double TK, double PMPa, double P0)
{
    if (TK <= 0.0 || PMPa <= 0.0) return 0.0;
    const double T = TK, TC = TK - 273.15;
    const double T2 = T * T, T3 = T2 * T, T4 = T3 * T;
    double lnH = -205.6101 + 262490.1 / T - 112830300.0 / T2 + 21598750000.0 / T3 -
                 1569604000000.0 / T4 + std::log(1e-6);
    const double Vinf = std::exp(3.914 + 0.00122 * TC);
    lnH += Poynting(TK, PMPa, P0, Vinf);
    return std::exp(lnH);
}

double HenryN2(double TK, double PMPa, double P0)
{
    if (TK <= 0.0 || PMPa <= 0.0) return 0.0;
    const double u = 162.02 / TK - 1.0;
    double lnH = -(36.855 * u * u + 41.712 * u) + std::log(0.101325);
    lnH += Poynting(TK, PMPa, P0, 35.7);
    return std::exp(lnH);
}

void Gas_Solubility(int methode, int phaseX, int phaseY, double TK, double PMPa, double Vcm,
                    double* bulk, double* molal)
{
    if (TK <= 0.0) return;
    const double Psat = Water_Vapour_Pressure(TK);

    double H[4] = {0.0, 0.0, 0.0, 0.0};  // CO2, CH4, N2, C2H6
    auto henry = [&](double P) {
        H[0] = HenryCO2(TK, P, Psat, molal);
        H[1] = HenryCH4(TK, P, Psat, molal);
        H[2] = HenryN2(TK, P, Psat);
        H[3] = HenryC2H6(TK, P, Psat);
    };
    if (methode == 2) henry(PMPa);

    // Secant search on X, the H2O fraction of the gas, for aqueous fractions
    // that add up to 1.
    double X1 = 0.0, F1 = 0.1, X2 = 0.001;
    double X0 = 0.0, F0 = 0.0;
    double y[10] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    double xw = 0.0;
    double xgas[4] = {0.0, 0.0, 0.0, 0.0};  // dissolved CO2, CH4, N2, C2H6
    double xion[6] = {0, 0, 0, 0, 0, 0};    // Na+, K+, Ca++, Mg++, Fe++, Cl-
    bool converged = false;
    for (int pass = 0; pass < 1001; ++pass) {
        X0 = X1;
        F0 = F1;
        X1 = X2;
        y[0] = X1;
        for (int j = 1; j < 10; ++j) y[j] = (1.0 - X1) * bulk[j];

        double V, P;
        if (methode == 2) {
            V = Volume_Redlich(2, y, TK, PMPa);
            P = PMPa;
        } else {
            V = Vcm;
            P = Pressure_Redlich(y, TK, Vcm);
        }
        Fugacity_Redlich(phaseY, y, TK, P, V);

        // Water: Raoult's law with the Poynting correction of liquid water.
        const double Vw = H2O_Vsat(2, TK);
        const double corr = std::exp((P - Psat) * Vw / (R * TK));
        if (Psat * corr > 0.0) xw = H2O.Fugacity[phaseY] / (Psat * corr);

        if (methode == 1) henry(P);

        // Dissolved gases: Henry's law.
        const double f[4] = {CO2.Fugacity[phaseY], CH4.Fugacity[phaseY], N2.Fugacity[phaseY],
                             C2H6.Fugacity[phaseY]};
        double S = 0.0;
        for (int i = 0; i < 4; ++i) {
            xgas[i] = H[i] > 0.0 ? f[i] / H[i] : 0.0;
            S += xgas[i];
        }
        if (S == 0.0) break;

        // Ions of the fully dissociated salts: two chlorides per CaCl2, MgCl2, FeCl2.
        for (int j = 0; j < 5; ++j) xion[j] = xw * molal[j] * H2O.Mole_Weight * 0.001;
        xion[5] = xion[0] + xion[1] + 2.0 * (xion[2] + xion[3] + xion[4]);
        S += xw;
        for (int j = 0; j < 6; ++j) S += xion[j];
        F1 = 1.0 - S;
        // Without a finite value (an equation of state outside its domain)
        // there is nothing to iterate on: pure water, as without convergence.
        if (!std::isfinite(F1)) break;

        if (F1 == F0) {
            if (F1 != 0.0) break;
            X2 = (X1 + X0) / 2.0;
        } else {
            X2 = X1 - F1 * (X1 - X0) / (F1 - F0);
            if (X2 <= 0.0) X2 = X1 / 2.0;
            if (X2 >= 1.0) X2 = (1.0 + X1) / 2.0;
        }
        if (std::fabs((X1 - X2) / X1) < 1e-12) {
            converged = true;
            break;
        }
    }

    if (converged) {
        Gas_Molefractions(0, phaseX, xw);
        for (int i = 0; i < 4; ++i) Gas_Molefractions(i + 1, phaseX, xgas[i]);
        for (int i = 5; i < 10; ++i) Gas_Molefractions(i, phaseX, 0.0);
        Set_Ions(phaseX, xion[0], xion[1], xion[2], xion[3], xion[4], xion[5]);
        for (int i = 0; i < 10; ++i) Gas_Molefractions(i, phaseY, y[i]);
    } else {
        // Pure water in contact with the dry gas.
        Gas_Molefractions(0, phaseX, 1.0);
        for (int i = 1; i < 10; ++i) Gas_Molefractions(i, phaseX, 0.0);
        Set_Ions(phaseX, 0, 0, 0, 0, 0, 0);
        Gas_Molefractions(0, phaseY, 0.0);
        for (int i = 1; i < 10; ++i) Gas_Molefractions(i, phaseY, bulk[i]);
    }
    Set_Ions(phaseY, 0, 0, 0, 0, 0, 0);
}

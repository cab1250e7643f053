#include "Lvequil.h"

#include <cmath>
#include <iostream>
#include <utility>

#include "Console.h"
#include "Numdef.h"
#include "Reid.h"
#include "Saturati.h"

double Kgas[10] = {1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0};
double Ksalt[5] = {1.0, 1.0, 1.0, 1.0, 1.0};

namespace {

Gas* const Gases[10] = {&H2O, &CO2, &CH4, &N2, &C2H6, &H2S, &NH3, &H2, &O2, &CO};
Salt* const Salts[5] = {&NaCl, &KCl, &CaCl2, &MgCl2, &FeCl2};

const char* const Gas_Labels[10] = {"x(H2O)\t\t", "x(CO2)\t\t", "x(CH4)\t\t", "x(N2)\t\t",
                                    "x(C2H6)\t",  "x(H2S)\t\t", "x(NH3)\t\t", "x(H2)\t\t",
                                    "x(O2)\t\t",  "x(CO)\t\t"};
const char* const Salt_Labels[5] = {"x(NaCl)\t", "x(KCl)\t\t", "x(CaCl2)\t", "x(MgCl2)\t",
                                    "x(FeCl2)\t"};
const char* const Gas_Prompts[10] = {"\tx(H2O) = ", "\tx(CO2) = ", "\tx(CH4) = ", "\tx(N2) = ",
                                     "\tx(C2H6) = ", "\tx(H2S) = ", "\tx(NH3) = ", "\tx(H2) = ",
                                     "\tx(O2) = ", "\tx(CO) = "};
const char* const Salt_Prompts[5] = {"\tx(NaCl) = ", "\tx(KCl) = ", "\tx(CaCl2) = ",
                                     "\tx(MgCl2) = ", "\tx(FeCl2) = "};

const char* const Stars =
    "***************************************************************************";

// Fractions of the two phases at the current K-factors for a bulk fluid z of
// fixed vapour fraction Fgas (Rachford-Rice form with a fixed split).
struct Phases {
    double xgas[10] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    double xsalt[5] = {0, 0, 0, 0, 0};
    double ygas[10] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    double ysalt[5] = {0, 0, 0, 0, 0};
    double xsum = 0.0;
    double ysum = 0.0;
};

void Composition_Update(Phases& s, double Fgas, const double* bulk_gas, const double* bulk_salt)
{
    s.xsum = 0.0;
    s.ysum = 0.0;
    for (int i = 0; i < 10; ++i) {
        const double q = 1.0 + Fgas * (Kgas[i] - 1.0);
        s.xgas[i] = q > 0.0 ? bulk_gas[i] / q : bulk_gas[i];
        s.ygas[i] = Kgas[i] * s.xgas[i];
        s.xsum += s.xgas[i];
        s.ysum += s.ygas[i];
    }
    for (int j = 0; j < 5; ++j) {
        const double q = 1.0 + Fgas * (Ksalt[j] - 1.0);
        s.xsalt[j] = q > 0.0 ? bulk_salt[j] / q : bulk_salt[j];
        s.ysalt[j] = Ksalt[j] * s.xsalt[j];
        s.xsum += s.xsalt[j];
        s.ysum += s.ysalt[j];
    }
}

// Both phases through the equation of state at (Th, Ph), new K-factors and
// compositions; returns the zero function xsum - ysum.
double Evaluate(PhaseFunction func, int EoS, int phaseX, int phaseY, Phases& s, double Fgas,
                const double* bulk_gas, const double* bulk_salt, double Th, double Ph)
{
    Molar_Volume[phaseX] = func(EoS, phaseX, s.xgas, s.xsalt, Th, Ph);
    Molar_Volume[phaseY] = func(EoS, phaseY, s.ygas, s.ysalt, Th, Ph);
    New_Kfactors(phaseX, phaseY);
    Composition_Update(s, Fgas, bulk_gas, bulk_salt);
    return s.xsum - s.ysum;
}

void Phase_Report(const char* title, int phase, const double* gas, const double* salt,
                  const double* bulk_gas, const double* bulk_salt)
{
    std::cout << std::endl << std::endl << title << "\t\t" << Molar_Volume[phase] << " cc/mol";
    for (int i = 0; i < 10; ++i)
        if (bulk_gas[i] > 0.0)
            std::cout << std::endl << Gas_Labels[i] << gas[i] << " (f = " << Gases[i]->Fugacity[phase] << " MPa)";
    for (int j = 0; j < 5; ++j)
        if (bulk_salt[j] > 0.0)
            std::cout << std::endl << Salt_Labels[j] << salt[j] << " (f = " << Salts[j]->Fugacity[phase] << " MPa)";
}

void Report(const Phases& s, int phaseX, int phaseY, const double* bulk_gas,
            const double* bulk_salt, double Th, double Ph, double fhigh, long amount)
{
    std::cout.precision(6);
    std::cout << std::endl << Stars;
    std::cout << std::endl << "Result of Liquid-Vapour Equilibria Calculations";
    std::cout << std::endl << std::endl << "Temperature = " << Th << " K, " << (Th - 273.15) << " \xB0" "C";
    std::cout << std::endl << "Pressure = " << Ph << " MPa, " << (10.0 * Ph) << " bar";
    std::cout << std::endl << "Zero function = " << fhigh;
    std::cout << std::endl << "Number of iterations : " << amount;
    Phase_Report("Phase 1", phaseX, s.xgas, s.xsalt, bulk_gas, bulk_salt);
    Phase_Report("Phase 2", phaseY, s.ygas, s.ysalt, bulk_gas, bulk_salt);
    std::cout << std::endl;
    if (std::fabs(s.xsum - 1.0) > 1e-6 || std::fabs(s.ysum - 1.0) > 1e-6)
        std::cout << std::endl << "No solution: summation of a.s.fractions is not equal to 1";
    bool differ = false;
    for (int i = 0; i < 10; ++i)
        if (bulk_gas[i] > 0.0 && std::fabs(s.xgas[i] - s.ygas[i]) > 1e-5) differ = true;
    if (!differ)
        std::cout << std::endl << "Warning: phases have nearly equal compositions, possible trivial solution";
    if (std::fabs(Molar_Volume[phaseX] - Molar_Volume[phaseY]) < 0.1)
        std::cout << std::endl << "Warning: phases have nearly equal densities, possible trivial solution";
}

// "Do you want to change the numerical approximation?": true on 'y'.
bool Wants_Restart()
{
    for (;;) {
        std::cout << std::endl << std::endl << "Do you want to change the numerical approximation? (y/n) " << std::flush;
        const char yn = Read_Char();
        if (yn == 'y') return true;
        if (yn == 'n') return false;
        std::cout << std::endl << "Please answer with 'y' or 'n'";
    }
}

// The incipient phase's composition typed by the user: only the components
// present in the bulk fluid are asked; all of them again when the sum is off.
void Ask_Composition(double* gas, double* salt, const double* bulk_gas, const double* bulk_salt)
{
    for (;;) {
        double sum = 0.0;
        for (int i = 0; i < 10; ++i)
            if (bulk_gas[i] > 0.0) {
                gas[i] = Ask_Double(Gas_Prompts[i]);
                sum += gas[i];
            }
        for (int j = 0; j < 5; ++j)
            if (bulk_salt[j] > 0.0) {
                salt[j] = Ask_Double(Salt_Prompts[j]);
                sum += salt[j];
            }
        if (sum >= 0.999999 && sum <= 1.000001) return;
        std::cout << std::endl << "ERROR: sum of fractions is not equal to 1" << std::endl;
    }
}

}  // namespace

double K_Raoult(int Fgas, double TK, double* w)
{
    for (int i = 0; i < 10; ++i) Kgas[i] = 1.0;
    if (!(TK > 0.0)) return 0.0;
    const double Ps[10] = {H2O_Psat(TK), CO2_Psat(TK), CH4_Psat(TK), N2_Psat(TK),
                           C2H6_Psat(TK), H2S_Psat(TK), NH3_Psat(TK), H2_Psat(TK),
                           O2_Psat(TK), CO_Psat(TK)};
    double P = 0.0;
    if (Fgas == 0) {
        for (int i = 0; i < 10; ++i) P += w[i] * Ps[i];
    } else {
        double S = 0.0;
        for (int i = 0; i < 10; ++i)
            if (Ps[i] > 0.0) S += w[i] / Ps[i];
        P = S > 0.0 ? 1.0 / S : 0.0;
    }
    if (P > 0.0)
        for (int i = 0; i < 10; ++i) {
            Kgas[i] = Ps[i] / P;
            if (!(Kgas[i] > 0.0)) Kgas[i] = 1.0;
        }
    return P;
}

void K_Wilson(double TK, double PMPa)
{
    for (int i = 0; i < 10; ++i) Kgas[i] = 1.0;
    if (!(TK > 0.0) || !(PMPa > 0.0)) return;
    Reid_Constants();
    for (int i = 0; i < 10; ++i) {
        const Gas& g = *Gases[i];
        Kgas[i] = std::exp(std::log(g.Pcrit / PMPa) + 5.373 * (1.0 + g.Acentric) * (1.0 - g.Tcrit / TK));
        if (!(Kgas[i] > 0.0)) Kgas[i] = 1.0;
    }
}

void New_Kfactors(int phaseX, int phaseY)
{
    for (int i = 0; i < 10; ++i)
        Kgas[i] = Gases[i]->Coefficient[phaseY] == 0.0
                      ? 1.0
                      : Gases[i]->Coefficient[phaseX] / Gases[i]->Coefficient[phaseY];
    for (int j = 0; j < 5; ++j)
        Ksalt[j] = Salts[j]->Coefficient[phaseY] == 0.0
                       ? 1.0
                       : Salts[j]->Coefficient[phaseX] / Salts[j]->Coefficient[phaseY];
}

double Phase_Density(double* comp1, double* comp2, double Vcm)
{
    if (!(Vcm > 0.0)) return 0.0;
    double mass = 0.0;
    for (int i = 0; i < 10; ++i) mass += comp1[i] * Gases[i]->Mole_Weight;
    for (int j = 0; j < 5; ++j) mass += comp2[j] * Salts[j]->Mole_Weight;
    return mass / Vcm;
}

void BubbleDew_Point(PhaseFunction func, int methode, int EoS, int phaseX, int phaseY,
                     double* bulk_gas, double* bulk_salt, double* Thomo, double* Phomo,
                     int mode)
{
    double Th = *Thomo;
    double Ph = *Phomo;
    double precision = 1e-12;
    const int maxit = 10000;
    const double Fgas = mode == 1 ? 1.0 : 0.0;
    Phases s;

    // Start K-factors: Raoult's law at low pressure, Wilson's correlation above 2 MPa.
    double Pfirst = 0.0, Tfirst = 0.0;
    if (methode == 1) {
        Pfirst = K_Raoult(static_cast<int>(Fgas), Th, bulk_gas);
        if (Pfirst > 2.0) K_Wilson(Th, Pfirst);
    } else {
        Tfirst = Th;
        if (!(Tfirst > 0.0)) {
            Th = 273.15;
            Tfirst = 273.15;
        }
        if (Ph > 2.0)
            K_Wilson(Tfirst, Ph);
        else
            K_Raoult(static_cast<int>(Fgas), Tfirst, bulk_gas);
    }

    Composition_Update(s, Fgas, bulk_gas, bulk_salt);
    if (!(s.xsum > 0.0)) s.xsum = 1.0;
    if (!(s.ysum > 0.0)) s.ysum = 1.0;
    double fstart = s.xsum - s.ysum;
    if (s.xsum < 0.999999 || s.xsum > 1.000001) {
        for (double& x : s.xgas) x /= s.xsum;
        for (double& x : s.xsalt) x /= s.xsum;
    }
    if (s.ysum < 0.999999 || s.ysum > 1.000001) {
        for (double& y : s.ygas) y /= s.ysum;
        for (double& y : s.ysalt) y /= s.ysum;
    }

    std::cout << std::endl << Stars;
    std::cout << std::endl << "Homogenisation conditions are numerically analysed. Conversion depends on";
    std::cout << std::endl << "the chosen initial parameters. The trivial solution may regularly occur,";
    std::cout << std::endl << "especially if the temperature exceeds the immiscibility field.";
    std::cout << std::endl << "You may adjust the initiation until you reach a satisfying result.";

    const double x1 = methode == 1 ? 0.1 : 10.0;
    const double x2 = methode == 1 ? Pfirst : Tfirst;

    // Raoult's K-factors satisfy the zero function by construction at the start
    // point, so a first secant step from there would be zero and the search would
    // stop where the equation of state was never consulted. Evaluate the start
    // point with the equation of state first.
    if (std::fabs(fstart) <= 1e-12) {
        if (methode == 1)
            Ph = x2;
        else
            Th = x2;
        fstart = Evaluate(func, EoS, phaseX, phaseY, s, Fgas, bulk_gas, bulk_salt, Th, Ph);
    }

    double flow = -1.0;
    double fhigh = fstart;
    double result, xlow;
    if (std::fabs(flow) < std::fabs(fhigh)) {
        result = x1;
        xlow = x2;
        std::swap(flow, fhigh);
    } else {
        xlow = x1;
        result = x2;
    }
    double dx = 0.5 * (result - xlow);
    long amount = 0;
    std::cout << std::endl << std::endl << "Iteration number:";

    for (;;) {
        bool stopped = false;
        for (int j = 1; j <= maxit; ++j) {
            amount += 1;
            std::cout << " " << amount;
            if (fhigh == flow) {
                if (fhigh == 0.0 || xlow == result)
                    dx = 2.0 * dx;
                else
                    dx = 0.5 * (result - xlow);
            } else {
                dx = 0.5 * (xlow - result) * fhigh / (fhigh - flow);
            }
            xlow = result;
            flow = fhigh;
            result = result + dx;
            if (!(result > 0.0)) result = 0.5 * (result - dx);
            if (methode == 1)
                Ph = result;
            else
                Th = result;
            fhigh = Evaluate(func, EoS, phaseX, phaseY, s, Fgas, bulk_gas, bulk_salt, Th, Ph);
            if (std::fabs(dx) > 1e300 || std::fabs(dx / result) < precision || fhigh == 0.0) {
                stopped = true;
                break;
            }
        }
        std::cout << std::flush;
        // Running out of iterations is reported like a stop, so that the user
        // sees the failure and can change the start point.
        if (!stopped) std::cout << std::endl << "No convergence after 10000 iterations";
        Report(s, phaseX, phaseY, bulk_gas, bulk_salt, Th, Ph, fhigh, amount);
        if (!Wants_Restart()) break;

        std::cout << std::endl
                  << (Fgas == 1.0 ? "\tInitial liquid composition (amount-of-substance fractions):"
                                  : "\tInitial vapour composition (amount-of-substance fractions):")
                  << std::endl << std::endl;
        if (Fgas == 1.0)
            Ask_Composition(s.xgas, s.xsalt, bulk_gas, bulk_salt);
        else
            Ask_Composition(s.ygas, s.ysalt, bulk_gas, bulk_salt);
        if (methode == 1) {
            std::cout << std::endl;
            Ph = Ask_Double("\tNew Pressure Approach (in MPa) = ");
            result = Ph;
        } else {
            std::cout << std::endl;
            Th = Ask_Double("\tNew Temperature Approach (in \xB0" "C) = ") + 273.15;
            result = Th;
        }
        fhigh = Evaluate(func, EoS, phaseX, phaseY, s, Fgas, bulk_gas, bulk_salt, Th, Ph);
        std::cout << std::endl;
        precision = Ask_Double("\tNew Precision (default is 1e-12) = ");
        std::cout << std::endl << "Iteration number: ";
    }

    Density[phaseX] = Phase_Density(s.xgas, s.xsalt, Molar_Volume[phaseX]);
    Density[phaseY] = Phase_Density(s.ygas, s.ysalt, Molar_Volume[phaseY]);
    for (int i = 0; i < 10; ++i) {
        Gas_Molefractions(i, phaseX, s.xgas[i]);
        Gas_Molefractions(i, phaseY, s.ygas[i]);
    }
    for (int j = 0; j < 5; ++j) {
        Salt_Molefractions(j, phaseX, s.xsalt[j]);
        Salt_Molefractions(j, phaseY, s.ysalt[j]);
    }
    if (methode == 1)
        *Phomo = result;
    else
        *Thomo = result;
}

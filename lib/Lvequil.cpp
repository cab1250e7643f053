#include "Lvequil.h"

#include <cmath>
#include <initializer_list>
#include <iostream>
#include <limits>
#include <utility>
#include <vector>

#include "Console.h"
#include "Numdef.h"
#include "Reid.h"
#include "Saturati.h"
#include "Stability.h"

double Kgas[10] = {1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0};
double Ksalt[5] = {1.0, 1.0, 1.0, 1.0, 1.0};
Search_End Last_Search_End = Search_Own;
const char* Last_Search_Words = nullptr;
bool Flash_Stability = true;

namespace {

Gas* const Gases[10] = {&H2O, &CO2, &CH4, &N2, &C2H6, &H2S, &NH3, &H2, &O2, &CO};
Salt* const Salts[5] = {&NaCl, &KCl, &CaCl2, &MgCl2, &FeCl2};

const char* const Gas_Labels[10] = {"x(H2O)\t\t", "x(CO2)\t\t", "x(CH4)\t\t", "x(N2)\t\t",
                                    "x(C2H6)\t",  "x(H2S)\t\t", "x(NH3)\t\t", "x(H2)\t\t",
                                    "x(O2)\t\t",  "x(CO)\t\t"};
// The flash report lines C2H6 up with two tabs.
const char* const Flash_Gas_Labels[10] = {"x(H2O)\t\t", "x(CO2)\t\t", "x(CH4)\t\t", "x(N2)\t\t",
                                          "x(C2H6)\t\t", "x(H2S)\t\t", "x(NH3)\t\t", "x(H2)\t\t",
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
// fixed vapour fraction F (Rachford-Rice form with a fixed split).
struct Phases {
    double xgas[10] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    double xsalt[5] = {0, 0, 0, 0, 0};
    double ygas[10] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    double ysalt[5] = {0, 0, 0, 0, 0};
    double xsum = 0.0;
    double ysum = 0.0;
};

// x = z/(1 + F(K - 1)) (z itself where the divisor is not positive), y = K x.
// With `present_only` the components absent from the bulk fluid keep their
// fractions (and still count in the sums).
void Composition_Update(Phases& s, double F, const double* bulk_gas, const double* bulk_salt,
                        bool present_only = false)
{
    s.xsum = 0.0;
    s.ysum = 0.0;
    for (int i = 0; i < 10; ++i) {
        if (!present_only || bulk_gas[i] > 0.0) {
            const double q = 1.0 + F * (Kgas[i] - 1.0);
            s.xgas[i] = q > 0.0 ? bulk_gas[i] / q : bulk_gas[i];
            s.ygas[i] = Kgas[i] * s.xgas[i];
        }
        s.xsum += s.xgas[i];
        s.ysum += s.ygas[i];
    }
    for (int j = 0; j < 5; ++j) {
        if (!present_only || bulk_salt[j] > 0.0) {
            const double q = 1.0 + F * (Ksalt[j] - 1.0);
            s.xsalt[j] = q > 0.0 ? bulk_salt[j] / q : bulk_salt[j];
            s.ysalt[j] = Ksalt[j] * s.xsalt[j];
        }
        s.xsum += s.xsalt[j];
        s.ysum += s.ysalt[j];
    }
}

// The start compositions: the update, a guard against sums that are not
// positive, and normalisation of a phase whose sum is off by more than 1e-6.
// Returns the zero function xsum - ysum before the normalisation.
double Start_Compositions(Phases& s, double F, const double* bulk_gas, const double* bulk_salt)
{
    Composition_Update(s, F, bulk_gas, bulk_salt);
    if (!(s.xsum > 0.0)) s.xsum = 1.0;
    if (!(s.ysum > 0.0)) s.ysum = 1.0;
    const double fstart = s.xsum - s.ysum;
    if (s.xsum < 0.999999 || s.xsum > 1.000001) {
        for (double& x : s.xgas) x /= s.xsum;
        for (double& x : s.xsalt) x /= s.xsum;
    }
    if (s.ysum < 0.999999 || s.ysum > 1.000001) {
        for (double& y : s.ygas) y /= s.ysum;
        for (double& y : s.ysalt) y /= s.ysum;
    }
    return fstart;
}

// Both phases through the equation of state at (T, P), each with its
// composition of the previous evaluation, and new K-factors.
void Evaluate_Phases(PhaseFunction func, int EoS, int phaseX, int phaseY, Phases& s, double T,
                     double P)
{
    Molar_Volume[phaseX] = func(EoS, phaseX, s.xgas, s.xsalt, T, P);
    Molar_Volume[phaseY] = func(EoS, phaseY, s.ygas, s.ysalt, T, P);
    New_Kfactors(phaseX, phaseY);
}

const double No_Value = std::numeric_limits<double>::quiet_NaN();

// The state of a search at its last evaluation where the equation of state
// gave finite values for everything a report shows and the caller keeps: the
// compositions of both phases, the molar volumes, fugacities and coefficients
// of both slots, the K-factors and the search's own quantities (`extra`). An
// evaluation without finite values is undone, so that a failed search reports
// and keeps numbers. Values that were never finite (records left by an earlier
// failure, before the first evaluation) are kept as 0, no value.
class Last_Finite_State {
public:
    Last_Finite_State(Phases& s, int phaseX, int phaseY, std::initializer_list<double*> extra)
        : s_(s), phaseX_(phaseX), phaseY_(phaseY), extra_(extra)
    {
    }

    // The start state, with the zero function there.
    void Start(double fstart)
    {
        Save();
        if (!Finite(fstart)) Restore();
    }

    // The zero function of an evaluation when everything is finite; otherwise
    // the evaluation is undone and the result is NaN.
    double Keep(double value)
    {
        if (Finite(value)) {
            Save();
            return value;
        }
        Restore();
        return No_Value;
    }

private:
    template <class Visit>
    void Visit_State(Visit visit)
    {
        for (double* x : {s_.xgas, s_.ygas})
            for (int i = 0; i < 10; ++i) visit(x[i]);
        for (double* x : {s_.xsalt, s_.ysalt})
            for (int j = 0; j < 5; ++j) visit(x[j]);
        visit(s_.xsum);
        visit(s_.ysum);
        for (int phase : {phaseX_, phaseY_}) {
            visit(Molar_Volume[phase]);
            for (Gas* g : Gases) {
                visit(g->Fugacity[phase]);
                visit(g->Coefficient[phase]);
            }
            for (Salt* salt : Salts) {
                visit(salt->Fugacity[phase]);
                visit(salt->Coefficient[phase]);
            }
        }
        for (double& K : Kgas) visit(K);
        for (double& K : Ksalt) visit(K);
        for (double* x : extra_) visit(*x);
    }

    bool Finite(double value)
    {
        bool finite = std::isfinite(value);
        Visit_State([&finite](double& x) { finite = finite && std::isfinite(x); });
        return finite;
    }

    void Save()
    {
        values_.clear();
        Visit_State([this](double& x) { values_.push_back(std::isfinite(x) ? x : 0.0); });
    }

    void Restore()
    {
        std::size_t n = 0;
        Visit_State([this, &n](double& x) { x = values_[n++]; });
    }

    Phases& s_;
    const int phaseX_, phaseY_;
    const std::vector<double*> extra_;
    std::vector<double> values_;
};

// The damped secant iteration on the searched quantity (pressure or
// temperature): half secant steps, a doubled or halved step where the zero
// function did not change, and half the previous estimate where a step would
// leave the positive numbers.
//
// A zero function without a finite value (NaN from a function that undid its
// evaluation, see Last_Finite_State) stops the iteration at once as a failure:
// the estimate and the zero function go back to the last finite evaluation.
struct Secant {
    double result = 0.0, xlow = 0.0;   // current and previous estimate
    double fhigh = 0.0, flow = 0.0;    // zero function at both
    double dx = 0.0;                   // last step
    long amount = 0;                   // passes, counted on over restarts
    double precision = 1e-12;          // bound on the relative step
    bool flat_zero_halves = false;     // a flat zero function: 0.5 result instead of 2 dx
    bool failed = false;               // stopped where the zero function had no finite value
    bool diverged = false;             // stopped by a step beyond 1e300
    double good_result = 0.0, good_f = 0.0;   // last estimate with a finite zero function

    // An estimate with its zero function typed or evaluated outside Run (a restart).
    void Restart_At(double x, double fx)
    {
        result = x;
        fhigh = fx;
        if (std::isfinite(fx)) {
            good_result = x;
            good_f = fx;
        }
    }

    // The start pair: x1 (zero function not evaluated, -1 stands for it) and
    // x2 with fstart; the estimate nearer to a root goes first.
    void Start(double x1, double x2, double fstart)
    {
        flow = -1.0;
        fhigh = fstart;
        if (std::fabs(flow) < std::fabs(fhigh)) {
            result = x1;
            xlow = x2;
            std::swap(flow, fhigh);
        } else {
            xlow = x1;
            result = x2;
        }
        dx = 0.5 * (result - xlow);
        amount = 0;
        // The zero function of x1 is a stand-in: the start point evaluated is x2.
        good_result = x2;
        good_f = fstart;
        std::cout << std::endl << std::endl << "Iteration number:";
    }

    // Stops as a failure at the last finite evaluation.
    bool Fail()
    {
        failed = true;
        result = good_result;
        fhigh = good_f;
        std::cout << std::flush;
        return true;
    }

    // Up to 10000 passes, each evaluating f at the new estimate; true on a stop
    // (convergence, divergence beyond 1e300, or a failure), false when the
    // passes run out.
    template <class Zero_Function>
    bool Run(Zero_Function f)
    {
        const int maxit = 10000;
        failed = false;
        diverged = false;
        if (!std::isfinite(fhigh)) return Fail();
        for (int j = 1; j <= maxit; ++j) {
            amount += 1;
            std::cout << " " << amount;
            if (fhigh == flow) {
                if (fhigh == 0.0 && flat_zero_halves)
                    dx = 0.5 * result;
                else if (fhigh == 0.0 || xlow == result)
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
            fhigh = f(result);
            if (!std::isfinite(fhigh)) return Fail();
            good_result = result;
            good_f = fhigh;
            if (std::fabs(dx) > 1e300 || std::fabs(dx / result) < precision || fhigh == 0.0) {
                diverged = std::fabs(dx) > 1e300;
                std::cout << std::flush;
                return true;
            }
        }
        std::cout << std::flush;
        return false;
    }
};

// The result block of both reports: temperature (with the report's own
// degree text), pressure, the flash's volume fraction of vapour (when given),
// zero function, passes and both phases.
void Phase_Report(const char* title, int phase, const double* gas, const double* salt,
                  const double* bulk_gas, const double* bulk_salt, const char* const* gas_labels);
void Print_Pressure(double P);
void Print_Zero_Function(double f);

template <class State>
void Result_Block(const State& s, int phaseX, int phaseY, const double* bulk_gas, const double* bulk_salt,
                  double T, const char* degrees, double P, const double* Fvol, double f, long amount,
                  const char* const* gas_labels)
{
    std::cout.precision(6);
    std::cout << std::endl << Stars;
    std::cout << std::endl << "Result of Liquid-Vapour Equilibria Calculations";
    std::cout << std::endl << std::endl << "Temperature = " << T << " K, " << (T - 273.15) << degrees;
    Print_Pressure(P);
    if (Fvol != nullptr) std::cout << std::endl << "Volume fraction vapour = " << *Fvol;
    Print_Zero_Function(f);
    std::cout << std::endl << "Number of iterations : " << amount;
    Phase_Report("Phase 1", phaseX, s.xgas, s.xsalt, bulk_gas, bulk_salt, gas_labels);
    Phase_Report("Phase 2", phaseY, s.ygas, s.ysalt, bulk_gas, bulk_salt, gas_labels);
    std::cout << std::endl;
}

// How the search ended, for a caller that reports it in words: on its own, or
// after the stability analysis, which found its answer or not.
void Note_Search_End(bool analysis_ran, bool found, const char* words)
{
    Last_Search_End = !analysis_ran ? Search_Own : found ? Search_By_Stability : Search_None;
    Last_Search_Words = analysis_ran ? words : nullptr;
}

void Phase_Report(const char* title, int phase, const double* gas, const double* salt,
                  const double* bulk_gas, const double* bulk_salt, const char* const* gas_labels)
{
    std::cout << std::endl << std::endl << title << "\t\t" << Molar_Volume[phase] << " cc/mol";
    for (int i = 0; i < 10; ++i)
        if (bulk_gas[i] > 0.0)
            std::cout << std::endl << gas_labels[i] << gas[i] << " (f = " << Gases[i]->Fugacity[phase] << " MPa)";
    for (int j = 0; j < 5; ++j)
        if (bulk_salt[j] > 0.0)
            std::cout << std::endl << Salt_Labels[j] << salt[j] << " (f = " << Salts[j]->Fugacity[phase] << " MPa)";
}

// The two trivial-solution tests: no gas of the bulk fluid differs by more than
// 1e-5 between the phases; the molar volumes lie within 0.1 cm3/mol.
bool Equal_Compositions(const double* x, const double* y, const double* bulk_gas)
{
    for (int i = 0; i < 10; ++i)
        if (bulk_gas[i] > 0.0 && std::fabs(x[i] - y[i]) > 1e-5) return false;
    return true;
}

bool Equal_Volumes(double VX, double VY)
{
    return std::fabs(VX - VY) < 0.1;
}

// "Pressure = P MPa, 10 P bar"; a pressure typed so large that it has no
// value in bar is given in MPa alone.
void Print_Pressure(double P)
{
    std::cout << std::endl << "Pressure = " << P << " MPa";
    if (std::isfinite(10.0 * P)) std::cout << ", " << (10.0 * P) << " bar";
}

// "Zero function = f", in words where a search failed before any finite value.
void Print_Zero_Function(double f)
{
    if (std::isfinite(f))
        std::cout << std::endl << "Zero function = " << f;
    else
        std::cout << std::endl << "Zero function: no finite value";
}

// The end of both reports: a failed evaluation, sums of the fractions and the
// trivial solution. True when the result is no solution or may be the trivial
// one.
bool Report_Checks(const Secant& it, const Phases& s, int phaseX, int phaseY, const double* bulk_gas,
                   const char* no_sum)
{
    bool doubtful = it.failed;
    if (it.failed)
        std::cout << std::endl << "No solution: the equation of state has no finite value; the last finite state is shown";
    if (std::fabs(s.xsum - 1.0) > 1e-6 || std::fabs(s.ysum - 1.0) > 1e-6) {
        std::cout << std::endl << no_sum;
        doubtful = true;
    }
    if (Equal_Compositions(s.xgas, s.ygas, bulk_gas)) {
        std::cout << std::endl << "Warning: phases have nearly equal compositions, possible trivial solution";
        doubtful = true;
    }
    if (Equal_Volumes(Molar_Volume[phaseX], Molar_Volume[phaseY])) {
        std::cout << std::endl << "Warning: phases have nearly equal densities, possible trivial solution";
        doubtful = true;
    }
    return doubtful;
}

// "Do you want to change the numerical approximation?": true on 'y'.
bool Wants_Restart()
{
    for (;;) {
        std::cout << std::endl << std::endl << "Do you want to change the numerical approximation? (y/n) " << std::flush;
        const char yn = Read_Answer();
        if (yn == 'y') return true;
        if (yn == 'n') return false;
        std::cout << std::endl << "Please answer with 'y' or 'n'";
    }
}

// The composition of one phase typed by the user: only the components present
// in the bulk fluid are asked; all of them again when the sum is off.
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

// A new start value typed by the user: a pressure above 0, a temperature
// above absolute zero (typed in degrees Celsius, returned in K).
double Ask_Start_Pressure()
{
    for (;;) {
        const double P = Ask_Double("\tNew Pressure Approach (in MPa) = ");
        if (P > 0.0) return P;
        std::cout << "\tERROR: the pressure must be larger than 0" << std::endl;
    }
}

double Ask_Start_Temperature()
{
    for (;;) {
        const double celsius = Ask_Double("\tNew Temperature Approach (in \xB0" "C) = ");
        if (celsius > -273.15) return celsius + 273.15;
        std::cout << "\tERROR: the temperature must be above absolute zero (-273.15 \xB0" "C)" << std::endl;
    }
}

// The user's new start: the precision question, then the iteration goes on
// from the typed point, the previous end point being the other secant point.
void Ask_Precision(Secant& it)
{
    // A precision of 0 or below could never be met: the search would run all
    // its passes.
    for (;;) {
        std::cout << std::endl;
        it.precision = Ask_Double("\tNew Precision (default is 1e-12) = ");
        if (it.precision > 0.0) break;
        std::cout << "\tERROR: the precision must be larger than 0";
    }
    std::cout << std::endl << "Iteration number: ";
}

// Search, report, and the user's restarts until the answer is 'n'. Running out
// of passes is reported like a stop, so that the user sees the failure and can
// change the start point; the report is told whether the search stopped.
template <class Zero_Function, class Report_Function, class Restart_Function>
void Search_With_Restarts(Secant& it, Zero_Function f, Report_Function report,
                          Restart_Function restart)
{
    for (;;) {
        const bool stopped = it.Run(f);
        if (!stopped) std::cout << std::endl << "No convergence after 10000 iterations";
        report(stopped);
        if (!Wants_Restart()) return;
        restart();
        Ask_Precision(it);
    }
}

// The final phases into the slots of the records.
void Store_Phases(Phases& s, int phaseX, int phaseY)
{
    Store_Two_Phases(phaseX, phaseY, s.xgas, s.xsalt, s.ygas, s.ysalt);
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
            if (!(Kgas[i] > 0.0 && std::isfinite(Kgas[i]))) Kgas[i] = 1.0;
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
        if (!(Kgas[i] > 0.0 && std::isfinite(Kgas[i]))) Kgas[i] = 1.0;
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

void Store_Two_Phases(int phaseX, int phaseY, double* xgas, double* xsalt, double* ygas, double* ysalt)
{
    Density[phaseX] = Phase_Density(xgas, xsalt, Molar_Volume[phaseX]);
    Density[phaseY] = Phase_Density(ygas, ysalt, Molar_Volume[phaseY]);
    for (int i = 0; i < 10; ++i) {
        Gas_Molefractions(i, phaseX, xgas[i]);
        Gas_Molefractions(i, phaseY, ygas[i]);
    }
    for (int j = 0; j < 5; ++j) {
        Salt_Molefractions(j, phaseX, xsalt[j]);
        Salt_Molefractions(j, phaseY, ysalt[j]);
    }
}

double Phase_Density(double* comp1, double* comp2, double Vcm)
{
    if (!(Vcm > 0.0)) return 0.0;
    double mass = 0.0;
    for (int i = 0; i < 10; ++i) mass += comp1[i] * Gases[i]->Mole_Weight;
    for (int j = 0; j < 5; ++j) mass += comp2[j] * Salts[j]->Mole_Weight;
    return mass / Vcm;
}

bool Trivial_Solution(int phaseX, int phaseY, const double* bulk_gas)
{
    double x[10], y[10];
    for (int i = 0; i < 10; ++i) {
        x[i] = Gases[i]->Molefraction[phaseX];
        y[i] = Gases[i]->Molefraction[phaseY];
    }
    return Equal_Compositions(x, y, bulk_gas) || Equal_Volumes(Molar_Volume[phaseX], Molar_Volume[phaseY]);
}

void BubbleDew_Point(PhaseFunction func, int methode, int EoS, int phaseX, int phaseY,
                     double* bulk_gas, double* bulk_salt, double* Thomo, double* Phomo,
                     int mode)
{
    double Th = *Thomo;
    double Ph = *Phomo;
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
    double fstart = Start_Compositions(s, Fgas, bulk_gas, bulk_salt);

    std::cout << std::endl << Stars;
    std::cout << std::endl << "Homogenisation conditions are numerically analysed. Conversion depends on";
    std::cout << std::endl << "the chosen initial parameters. The trivial solution may regularly occur,";
    std::cout << std::endl << "especially if the temperature exceeds the immiscibility field.";
    std::cout << std::endl << "You may adjust the initiation until you reach a satisfying result.";

    const double x1 = methode == 1 ? 0.1 : 10.0;
    const double x2 = methode == 1 ? Pfirst : Tfirst;

    // The searched quantity into the state; both phases, K-factors and
    // compositions there; the zero function. Where the equation of state has
    // no finite value the evaluation is undone: NaN.
    if (methode == 1) Ph = x2;   // the state the start compositions belong to
    Last_Finite_State last(s, phaseX, phaseY, {&Th, &Ph});
    last.Start(fstart);
    auto zero = [&](double estimate) {
        if (methode == 1)
            Ph = estimate;
        else
            Th = estimate;
        double value = No_Value;
        if (std::isfinite(estimate)) {
            Evaluate_Phases(func, EoS, phaseX, phaseY, s, Th, Ph);
            Composition_Update(s, Fgas, bulk_gas, bulk_salt);
            value = s.xsum - s.ysum;
        }
        return last.Keep(value);
    };

    // Raoult's K-factors satisfy the zero function by construction at the start
    // point, so a first secant step from there would be zero and the search would
    // stop where the equation of state was never consulted. Evaluate the start
    // point with the equation of state first.
    if (std::fabs(fstart) <= 1e-12) fstart = zero(x2);

    Secant it;
    it.Start(x1, x2, fstart);

    // Where the search ends without a boundary (no convergence, divergence, no
    // solution or the trivial solution), the stability analysis of the bulk
    // fluid looks for it; a boundary it finds stands for the search's result.
    Stability_Result analysis{Stability_None_At_Temperature, 0.0};
    bool analysed = false;
    auto report = [&](bool stopped) {
        Result_Block(s, phaseX, phaseY, bulk_gas, bulk_salt, Th, " \xB0" "C", Ph, nullptr, it.fhigh, it.amount,
                     Gas_Labels);
        const bool doubtful = Report_Checks(it, s, phaseX, phaseY, bulk_gas,
                                            "No solution: summation of a.s.fractions is not equal to 1");
        const bool run = doubtful || !stopped || it.diverged;
        if (run) {
            analysis = Stability_Analysis(func, EoS, phaseX, phaseY, bulk_gas, bulk_salt, methode, Th, Ph,
                                          mode, it.precision);
            Stability_Report(analysis);
        }
        analysed = run && Stability_Boundary(analysis);
        Note_Search_End(run, analysed, Stability_Words(analysis));
    };

    // The incipient phase's composition and a new estimate typed by the user.
    auto restart = [&]() {
        std::cout << std::endl
                  << (Fgas == 1.0 ? "\tInitial liquid composition (amount-of-substance fractions):"
                                  : "\tInitial vapour composition (amount-of-substance fractions):")
                  << std::endl << std::endl;
        if (Fgas == 1.0)
            Ask_Composition(s.xgas, s.xsalt, bulk_gas, bulk_salt);
        else
            Ask_Composition(s.ygas, s.ysalt, bulk_gas, bulk_salt);
        std::cout << std::endl;
        const double estimate = methode == 1 ? Ask_Start_Pressure() : Ask_Start_Temperature();
        it.Restart_At(estimate, zero(estimate));
    };

    Search_With_Restarts(it, zero, report, restart);

    // The analysis has stored the phases at its boundary.
    if (!analysed) Store_Phases(s, phaseX, phaseY);
    const double result = analysed ? analysis.value : it.result;
    if (methode == 1)
        *Phomo = result;
    else
        *Thomo = result;
}

void LiqVap_Equilibrium(PhaseFunction func, int EoS, int phaseX, int phaseY, double* bulk_gas,
                        double* bulk_salt, double Vbulk, double Tlv, double* Plv, double* Fvap)
{
    Phases s;

    // Wilson's K-factors at the start pressure, whatever the pressure; the
    // start split is taken as an amount-of-substance fraction of vapour.
    const double Pfirst = *Plv;
    K_Wilson(Tlv, Pfirst);
    double frac = *Fvap;
    const double fstart = Start_Compositions(s, frac, bulk_gas, bulk_salt);

    std::cout << std::endl << Stars;
    std::cout << std::endl << "Liquid-Vapour equilibrium is numerically analysed. Conversion depends on";
    std::cout << std::endl << "the chosen initial parameters. The trivial solution may regularly occur.";
    std::cout << std::endl << "You may adjust the initiation until you reach a satisfying result.";

    double Fvol = 0.0;   // volume fraction of the second phase (vapour)

    // Both phases at the estimated pressure; the split follows from the bulk
    // molar volume by the lever rule, as a volume fraction Fvol and as an
    // amount fraction, which gives the next compositions.
    // Where the equation of state has no finite value the evaluation is
    // undone: NaN.
    Last_Finite_State last(s, phaseX, phaseY, {&Fvol});
    last.Start(fstart);
    auto zero = [&](double P) {
        double value = No_Value;
        if (std::isfinite(P)) {
            Evaluate_Phases(func, EoS, phaseX, phaseY, s, Tlv, P);
            const double VX = Molar_Volume[phaseX];
            const double VY = Molar_Volume[phaseY];
            double frac_new = 0.5;
            if (Vbulk > 0.0 && VX != VY) {
                Fvol = (VX - Vbulk) * VY / ((VX - VY) * Vbulk);
                frac_new = Fvol * VX / ((VX - VY) * Fvol + VY);
            }
            if (frac_new >= 2.0) frac_new = (1.0 + frac) / 2.0;
            if (frac_new <= -1.0) frac_new = frac / 2.0;
            Composition_Update(s, frac_new, bulk_gas, bulk_salt, true);
            value = s.xsum - s.ysum;
        }
        return last.Keep(value);
    };

    Secant it;
    it.flat_zero_halves = true;
    it.Start(0.1, Pfirst, fstart);

    // Where the flash ends without a split (no convergence, divergence, no
    // solution or the trivial solution), the stability analysis looks for
    // the split; one it finds stands for the flash's result.
    Stability_Split split{false, false, 0.0, 0.0};
    bool analysed = false;
    auto report = [&](bool stopped) {
        Result_Block(s, phaseX, phaseY, bulk_gas, bulk_salt, Tlv, "\xB0" "C", it.result, &Fvol, it.fhigh, it.amount,
                     Flash_Gas_Labels);
        const bool outside = Fvol <= 0.0 || Fvol >= 1.0;
        if (outside)
            std::cout << std::endl << "No solution: volume fraction is not a value between 0 and 1";
        else if (Molar_Volume[phaseX] > Vbulk)
            std::cout << std::endl << "Warning: reversed solution, volume fraction vapour = " << 1.0 - Fvol;
        const bool doubtful = Report_Checks(it, s, phaseX, phaseY, bulk_gas,
                                            "No solution: summation of a.s. fractions is not equal to 1");
        const bool run = (doubtful || outside || !stopped || it.diverged) && Flash_Stability;
        if (run) {
            split = Stability_Flash(func, EoS, phaseX, phaseY, bulk_gas, bulk_salt, Vbulk, Tlv);
            Stability_Report(split);
        }
        analysed = run && split.found;
        Note_Search_End(run, analysed, Stability_Words(split));
    };

    // The liquid's composition, the vapour fraction and a pressure typed by
    // the user; the vapour follows from the mass balance.
    auto restart = [&]() {
        std::cout << std::endl << "\tInitial liquid composition (amount-of-substance fractions):"
                  << std::endl << std::endl;
        Ask_Composition(s.xgas, s.xsalt, bulk_gas, bulk_salt);
        // The mass balance divides by the fraction: 0 would leave no vapour.
        for (;;) {
            std::cout << std::endl;
            frac = Ask_Double("\tNew mass fraction of vapour (number between 0 and 1) = ");
            if (frac > 0.0 && frac <= 1.0) break;
            std::cout << "\tERROR: the fraction must be above 0 and at most 1";
        }
        for (int i = 0; i < 10; ++i) s.ygas[i] = (bulk_gas[i] - (1.0 - frac) * s.xgas[i]) / frac;
        for (int j = 0; j < 5; ++j) s.ysalt[j] = (bulk_salt[j] - (1.0 - frac) * s.xsalt[j]) / frac;
        std::cout << std::endl;
        const double P = Ask_Start_Pressure();
        Evaluate_Phases(func, EoS, phaseX, phaseY, s, Tlv, P);
        Composition_Update(s, frac, bulk_gas, bulk_salt);
        it.Restart_At(P, last.Keep(s.xsum - s.ysum));
    };

    Search_With_Restarts(it, zero, report, restart);

    // The analysis has stored the phases of its split.
    if (!analysed) Store_Phases(s, phaseX, phaseY);
    *Fvap = analysed ? split.Fvol : Fvol;
    *Plv = analysed ? split.P : it.result;
}

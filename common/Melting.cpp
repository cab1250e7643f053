#include "Melting.h"

#include <cmath>
#include <iostream>
#include <limits>

#include "Bowers.h"
#include "Chueh.h"
#include "Duan92.h"
#include "Duan96.h"
#include "Elecsol.h"
#include "Friend.h"
#include "Gassol.h"
#include "Haar84.h"
#include "Hare.h"
#include "Holloway.h"
#include "Inclusion.h"
#include "Jacobsen.h"
#include "Langmuir.h"
#include "Lee.h"
#include "Numdef.h"
#include "Peng.h"
#include "Redlich.h"
#include "Setzmann.h"
#include "Soave.h"
#include "Span.h"
#include "Thermo1b.h"
#include "Thiery.h"

namespace {

const double R = 8.31451;  // J/(mol K)

const char* const Rule =
    "___________________________________________________________________________";

// Upper bound of the melting pressure search, MPa. The model ends at 200 MPa;
// a non-aqueous phase at a pressure above this bound lies far outside it.
const double Pressure_Bound = 250.0;

// Lowest pressure of a non-aqueous phase of given molar volume, MPa. No gas of
// the model forms clathrate below 0.03 MPa (C2H6 at 250 K); a phase at 1 kPa
// or less lies far outside the model, where the volume searches of the
// equations of state no longer converge.
const double Isochoric_Pressure_Floor = 1e-3;

const double No_Value = std::numeric_limits<double>::quiet_NaN();

// Compressibility of ice and of the empty clathrate lattices, 1/MPa.
const double Solid_Compressibility = 0.0001;

// Molar volumes of ice and of the empty structure I and II lattices at 0.1 MPa,
// cm3/mol, as cubic functions of the temperature in degrees Celsius.
double Ice_Volume0(double TC)
{
    return 19.6522 * (1.0 + 0.0001607 * TC + 3.4619e-07 * TC * TC - 2.637e-11 * TC * TC * TC);
}

double SI_Volume0(double TC)
{
    return 22.35 * (1.0 + 0.00031075 * TC + 5.9537e-07 * TC * TC + 1.3707e-10 * TC * TC * TC);
}

double SII_Volume0(double TC)
{
    return 22.57 * (1.0 + 0.00019335 * TC + 2.1768e-07 * TC * TC - 1.4786e-10 * TC * TC * TC);
}

// Switching parameter of Thiery et al. (1994) from the vapour-like and the
// liquid-like Soave volume.
double Thiery_Xi(double* xgas, double TK, double PMPa)
{
    return Xi_Thiery(Volume_Soave(2, xgas, TK, PMPa), Volume_Soave(0, xgas, TK, PMPa));
}

// Molar volumes of pure liquid water by Haar et al. (1984) at TK and the
// pressures P[0..n), searched from the start values 17.5, 18.0, ... cm3/mol;
// 18.0 when no start value succeeds. The first searches run side by side.
void Water_Volumes_Haar(double TK, const double* P, double* V, int n)
{
    Volumes_Haar84(17.5, TK, P, V, n);
    for (int i = 0; i < n; ++i) {
        double start = 17.5;
        while (V[i] <= 0.0) {
            start += 0.5;
            if (start > 35.0) {
                V[i] = 18.0;
                break;
            }
            V[i] = Volume_Haar84(start, TK, P[i]);
        }
    }
}

// Molar volumes of pure water, with the supercooled-water polynomial below 0 C.
void Water_Volumes(double TK, const double* P, double* V, int n)
{
    if (TK >= 273.15) {
        Water_Volumes_Haar(TK, P, V, n);
        return;
    }
    Water_Volumes_Haar(273.15, P, V, n);
    for (int i = 0; i < n; ++i) V[i] = Volume_Hare(TK) + (V[i] - Volume_Hare(273.15));
}

// Heat-capacity parameter sets of Gibbs_1b.
void Liquid_Water_Set(double TK, double* p)
{
    for (int i = 0; i < 10; ++i) p[i] = 0.0;
    if (TK > 298.15) {
        p[0] = 104.39;
        p[2] = -18471.0;
        p[3] = 2930100.0;
    } else {
        p[0] = 23741.0238;
        p[2] = -27166000.0;
        p[3] = 11677000000.0;
        p[4] = -2227500000000.0;
        p[5] = 159110000000000.0;
    }
}

void Empty_Lattice_Set(double* p)
{
    for (int i = 0; i < 10; ++i) p[i] = 0.0;
    p[0] = 0.384;
    p[7] = 0.1406;
}

// The failure block of the melting search; an equilibrium function without a
// finite value is said so in words.
void Print_No_Convergence(double x, double fx)
{
    std::cout << std::endl << Rule << std::endl << "No convergence!" << std::endl
              << "Last parameters:" << std::endl << "\tx = " << x << std::endl;
    if (std::isfinite(fx))
        std::cout << "\tf(x) = " << fx << std::endl;
    else
        std::cout << "\tf(x): no finite value, the state lies outside the model" << std::endl;
    std::cout << Rule << std::flush;
}

}  // namespace

void Molefractions(int phase)
{
    Gas* const gases[10] = {&H2O, &CO2, &CH4, &N2, &C2H6, &H2S, &NH3, &H2, &O2, &CO};
    for (int i = 0; i < 10; ++i) moles[i] = gases[i]->Molefraction[phase];
    Ion* const ions[5] = {&iNa, &iK, &iCa, &iMg, &iCl};
    for (int j = 0; j < 5; ++j) imoles[j] = ions[j]->Molefraction[phase];
}

namespace {

// The pressure of the equation of state as it comes, NaN and all.
double Model_Pressure(int EoS, int phase, double* ygas, double TK, double Vcm)
{
    if (TK <= 0.0 || Vcm <= 0.0) return 0.0;
    if (phase != 1 && phase != 2) return 0.0;
    const double PC = Pressure_Chueh(ygas, TK, Vcm);
    switch (EoS) {
    case 10: return Pressure_Bowers(ygas, empty, TK, Vcm);
    case 12: return PC;
    case 17: return Pressure_Duan92(ygas, TK, Vcm);
    case 18: return Pressure_Duan96(ygas, TK, Vcm);
    case 20:
    case 56: return Pressure_Span(TK, Vcm);
    case 22: return Pressure_Friend(TK, Vcm);
    case 30: return Pressure_Holloway(ygas, TK, Vcm);
    case 33: return Pressure_Jacobsen(TK, Vcm);
    case 39: return Pressure_Lee(PC, ygas, TK, Vcm);
    case 43: return Pressure_Peng(ygas, TK, Vcm);
    case 48: return Pressure_Redlich(ygas, TK, Vcm);
    case 53: return Pressure_Setzmann(TK, Vcm);
    case 55: return Pressure_Soave(ygas, TK, Vcm);
    case 63: return Pressure_Thiery(1.0, ygas, TK, Vcm);
    default: return 0.0;
    }
}

// The equation of state has no finite value for the phase in its slot: its
// molar volume, density, or the fugacity or coefficient of one of the gases
// of the clathrate. Those are set to 0, no value, not left as NaN.
bool Phase_Without_Value(int phase)
{
    Gas* const gases[5] = {&H2O, &CO2, &CH4, &N2, &C2H6};
    bool missing = false;
    auto clear = [&missing](double& x) {
        if (!std::isfinite(x)) {
            x = 0.0;
            missing = true;
        }
    };
    clear(Molar_Volume[phase]);
    clear(Density[phase]);
    for (Gas* g : gases) {
        clear(g->Fugacity[phase]);
        clear(g->Coefficient[phase]);
    }
    return missing;
}

}  // namespace

double Pressure_Search(int EoS, int phase, double* ygas, double TK, double Vcm)
{
    const double P = Model_Pressure(EoS, phase, ygas, TK, Vcm);
    return std::isfinite(P) ? P : 0.0;
}

double Volume_Search(int EoS, int phase, double* xgas, double TK, double PMPa)
{
    if (TK <= 0.0 || PMPa <= 0.0) return 0.0;
    const double TC = TK - 273.15;
    const double squeeze = std::exp(-Solid_Compressibility * (PMPa - 0.1));
    if (phase == 3) return Ice_Volume0(TC) * squeeze;
    if (phase == 4) return SI_Volume0(TC) * squeeze;
    if (phase == 5) return SII_Volume0(TC) * squeeze;

    if (phase == aqueous_liquid) {
        const double T1 = TK > 273.15 ? TK : 273.15;
        int k = 0;
        double V0 = 0.0;
        if (EoS == 17) {
            double start = 25.2;
            V0 = Volume_Duan92(start, xgas, T1, PMPa);
            while (!(V0 >= 10.0 && V0 < 25.0)) {   // NaN too
                start -= 0.2;
                ++k;
                if (k > 60) {
                    V0 = 18.0;
                    break;
                }
                V0 = Volume_Duan92(start, xgas, T1, PMPa);
            }
        } else if (EoS == 26) {
            double start = 17.0;
            V0 = Volume_Haar84(start, T1, PMPa);
            while (!(V0 > 0.0 && V0 <= 30.0)) {
                start += 0.5;
                ++k;
                if (k > 60) {
                    V0 = 18.0;
                    break;
                }
                V0 = Volume_Haar84(start, T1, PMPa);
            }
        } else {
            return 0.0;
        }
        if (TK < 273.15) return Volume_Hare(TK) + (V0 - Volume_Hare(273.15));
        return V0;
    }

    if (phase != 1 && phase != 2) return 0.0;
    const int selector = phase == 1 ? 2 : 0;
    double VC = Volume_Chueh(selector, xgas, TK, PMPa);
    if (VC <= 0.0) VC = phase == 1 ? 500.0 : 30.0;
    double V = 0.0;
    switch (EoS) {
    case 10: return Volume_Bowers(selector, xgas, empty, TK, PMPa);
    case 12: return VC;
    case 17:
        V = Volume_Duan92(VC, xgas, TK, PMPa);
        if (V <= 10.0) V = Volume_Duan92(1000.0, xgas, TK, PMPa);
        return V;
    case 18:
        V = Volume_Duan96(VC, xgas, TK, PMPa);
        if (V <= 10.0) V = Volume_Duan96(1000.0, xgas, TK, PMPa);
        return V;
    case 30: return Volume_Holloway(selector, xgas, TK, PMPa);
    case 39:
        V = Volume_Lee(VC, xgas, TK, PMPa);
        if (V <= 10.0) V = Volume_Lee(1000.0, xgas, TK, PMPa);
        return V;
    case 43: return Volume_Peng(selector, xgas, TK, PMPa);
    case 48: return Volume_Redlich(selector, xgas, TK, PMPa);
    case 55: return Volume_Soave(selector, xgas, TK, PMPa);
    case 63: return Volume_Thiery(Thiery_Xi(xgas, TK, PMPa), selector, xgas, TK, PMPa);
    default: return 0.0;
    }
}

double Volume_Fugacity(int EoS, int phase, double* xgas, double* /*xsalt*/, double TK, double PMPa)
{
    if (TK <= 0.0 || PMPa <= 0.0) return 0.0;
    const double V = Volume_Search(EoS, phase, xgas, TK, PMPa);
    if (V <= 0.0) return V;
    switch (EoS) {
    case 10: Fugacity_Bowers(phase, xgas, empty, TK, PMPa, V); break;
    case 12: Fugacity_Chueh(phase, xgas, TK, PMPa, V); break;
    case 17: Fugacity_Duan92(phase, xgas, 0.0, TK, PMPa, V); break;
    case 18: Fugacity_Duan96(phase, xgas, TK, PMPa, V); break;
    case 26: Fugacity_Haar84(phase, TK, PMPa, V); break;
    case 30: Fugacity_Holloway(phase, xgas, TK, PMPa, V); break;
    case 39: Fugacity_Lee(phase, xgas, TK, PMPa, V); break;
    case 43: Fugacity_Peng(phase, xgas, TK, PMPa, V); break;
    case 48: Fugacity_Redlich(phase, xgas, TK, PMPa, V); break;
    case 55: Fugacity_Soave(phase, xgas, TK, PMPa, V); break;
    case 63: Fugacity_Thiery(Thiery_Xi(xgas, TK, PMPa), phase, xgas, TK, PMPa, V); break;
    default: break;
    }
    return V;
}

double VdP_H2O(int phase, double TK, double PMPa, double P0)
{
    if (P0 <= 0.0 || PMPa <= 0.0 || TK <= 0.0) return 0.0;
    const double TC = TK - 273.15;
    if (phase == aqueous_liquid) {
        // 20-point Gauss-Legendre quadrature over [P0, P].
        const double x = (PMPa + P0) / 2.0;
        const double z = (PMPa - P0) / 2.0;
        double node[20], V[20];
        for (int i = 0; i < 10; ++i) {
            node[2 * i] = x + z * Gaus_dzeta[i];
            node[2 * i + 1] = x - z * Gaus_dzeta[i];
        }
        Water_Volumes(TK, node, V, 20);
        double sum = 0.0;
        for (int i = 0; i < 10; ++i) sum += Gaus_w[i] * (V[2 * i] + V[2 * i + 1]);
        return z * sum;
    }
    // Solids of constant compressibility: V = V0 exp(-k (P - Pref)).
    if (phase == 3)
        return Ice_Volume0(TC) * (1.0 - std::exp(-Solid_Compressibility * (PMPa - P0))) / Solid_Compressibility;
    if (phase == 4)
        return SI_Volume0(TC) * (1.0 - std::exp(-Solid_Compressibility * (PMPa - 0.1))) / Solid_Compressibility;
    if (phase == 5)
        return SII_Volume0(TC) * (1.0 - std::exp(-Solid_Compressibility * (PMPa - 0.1))) / Solid_Compressibility;
    return 0.0;
}

double Melting_Equilibrium(bool isochoric, int syst, double* zgas, double* molal, double TK,
                           double* PMPa, double Vcm)
{
    const int phase = syst != 0 ? 1 : 2;
    const int aq = aqueous_liquid;
    double Fuga[10] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    double parameter[10] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    double P = *PMPa;

    H2O.Activity[aq] = 0.0;

    // Compositions of the aqueous solution and of the non-aqueous phase.
    Gas_Solubility(isochoric ? 1 : 2, aq, phase, TK, P, Vcm, zgas, molal);

    if (isochoric) {
        Molefractions(phase);
        P = Model_Pressure(EoSvapour, phase, moles, TK, Vcm);
        *PMPa = P;
    }
    // No finite pressure, one above the bound of the pressure search, or an
    // isochoric phase below the floor: the state lies far outside the model
    // and has no equilibrium (the water volumes above the bound are not even
    // found). Nor does the non-aqueous phase keep the values without a finite
    // value that the solubility model may have left there.
    if (!(P <= Pressure_Bound) || (isochoric && !(P >= Isochoric_Pressure_Floor))) {
        Phase_Without_Value(phase);
        return No_Value;
    }

    // Water activity from the osmotic coefficient: ln a = -phi * (moles of ions
    // per mole of water), referred to the mole fraction of water.
    const double phi = Osmotic_Coefficient(0, TK, P, molal);
    const double s = (2.0 * molal[0] + 2.0 * molal[1] + 3.0 * molal[2] + 3.0 * molal[3]) *
                     H2O.Mole_Weight * 0.001;
    const double xw = 1.0 / (1.0 + s);
    const double lambda = std::exp(-phi * s) / xw;
    H2O.Activity[aq] = lambda * H2O.Molefraction[aq];
    // An electrolyte model without a value leaves no water activity: that is
    // no equilibrium, not the zero of one.
    if (std::isnan(H2O.Activity[aq])) {
        H2O.Activity[aq] = 0.0;
        Phase_Without_Value(phase);
        return No_Value;
    }

    // Liquid water: Gibbs energy at (T, 0.1 MPa), pressure integral, activity.
    Liquid_Water_Set(TK, parameter);
    GibbsTP[aq] = Gibbs_1b(parameter, TK, 298.15, -285830.0, 69.95) + VdP_H2O(aq, TK, P, 0.1);
    if (H2O.Activity[aq] > 0.0)
        GibbsTP[aq] += R * TK * std::log(H2O.Activity[aq]);
    else
        H2O.Activity[aq] = 0.0;

    // Non-aqueous phase: volume and fugacities by the clathrate equation of state.
    Molefractions(phase);
    Molar_Volume[phase] = Volume_Fugacity(EoSclath, phase, moles, empty, TK, P);
    Density[phase] = Converted_Density(Molar_Volume[phase], moles, imoles);
    if (Phase_Without_Value(phase)) return No_Value;
    Fuga[0] = H2O.Fugacity[phase];
    Fuga[1] = CO2.Fugacity[phase];
    Fuga[2] = CH4.Fugacity[phase];
    Fuga[3] = N2.Fugacity[phase];
    Fuga[4] = C2H6.Fugacity[phase];

    // Water in the clathrate structures I and II.
    Empty_Lattice_Set(parameter);
    GibbsTP[4] = Gibbs_1b(parameter, TK, 298.15, -291345.37, 45.1484) + VdP_H2O(4, TK, P, 0.1) +
                 HydratePotential(4, moles, TK, P, Molar_Volume[phase], Fuga);
    GibbsTP[5] = Gibbs_1b(parameter, TK, 298.15, -291709.47, 45.1334) + VdP_H2O(5, TK, P, 0.1) +
                 HydratePotential(5, moles, TK, P, Molar_Volume[phase], Fuga);

    double dG = 0.0;
    if (H2O.Activity[aq] > 0.0) {
        structure = Stable_Clathrate(GibbsTP[4], GibbsTP[5]);
        dG = GibbsTP[structure == 1 ? 4 : 5] - GibbsTP[aq];
    }
    return dG;
}

double Aqueous_Volume(double TK, double PMPa)
{
    const int aq = aqueous_liquid;
    EoSaqueous = 17;
    Molefractions(aq);
    double V = Volume_Search(17, aq, moles, TK, PMPa);
    // 18.0 exactly is the search's own give-up value, not a volume.
    if (V <= 10.0 || V > 30.0 || V == 18.0) {
        EoSaqueous = 26;
        V = Volume_Search(26, aq, moles, TK, PMPa);
        if (V == 18.0) EoSaqueous = 0;
    }
    return V;
}

int Stable_Clathrate(double G_sI, double G_sII)
{
    return G_sI < G_sII ? 1 : 2;
}

bool Melting_Secant(Unknown_Function f, void* context, double x1, double min, double max,
                    double* root, double* x_last, double* f_last)
{
    const double precision = 1e-06;
    double fx1 = f(x1, context);
    double x2 = 1.01 * x1;
    double x0 = 0.0, fx0 = 0.0;
    std::cout << std::endl << " iteration: ";
    int count = 0;
    // An equilibrium function without a finite value (a state outside the
    // model) ends the search at once: there is no slope to follow.
    for (int i = 0; std::isfinite(fx1) && i <= 200; ++i) {
        ++count;
        std::cout << count << " " << std::flush;
        x0 = x1;
        fx0 = fx1;
        x1 = x2;
        fx1 = f(x1, context);
        if (!std::isfinite(fx1)) break;
        if (fx1 == fx0) {
            if (fx1 != 0.0) break;
            x2 = (x1 + x0) / 2.0;
            continue;
        }
        x2 = x1 - fx1 * (x1 - x0) / (fx1 - fx0);
        // A step that overflows into NaN: no point to go on from.
        if (std::isnan(x2)) break;
        bool clamped_high = false;
        if (x2 <= min) x2 = (x1 + min) / 2.0;
        if (x2 > max) {
            x2 = (x1 + max) / 2.0;
            clamped_high = true;
        }
        // A step pulled back from beyond the upper bound shrinks towards the
        // bound however far away the root lies: it is no sign of convergence.
        if (!clamped_high && std::fabs((x2 - x1) / x1) < precision) {
            *root = x2;
            *x_last = x1;
            *f_last = fx1;
            return true;
        }
    }
    *x_last = x1;
    *f_last = fx1;
    Print_No_Convergence(x1, fx1);
    return false;
}

namespace {

// The state of one melting search: the unknown is written into it before each
// evaluation of the equilibrium function.
struct Melting_State {
    int methode, syst;
    bool isochoric;
    double* zgas;
    double* ratios;
    double temp, pres, molal;
    double mols[10];
    double Vcm;

    void Set_Unknown(double x)
    {
        if (methode == 0) {
            temp = x;
        } else if (methode == 1) {
            pres = x;
        } else {
            molal = x;
            for (int i = 0; i < 4; ++i) mols[i] = ratios[i] * molal;
        }
    }
};

double Melting_Residual(double x, void* context)
{
    Melting_State& s = *static_cast<Melting_State*>(context);
    s.Set_Unknown(x);
    return Melting_Equilibrium(s.isochoric, s.syst, s.zgas, s.mols, s.temp, &s.pres, s.Vcm);
}

}  // namespace

double Melting_Search(int methode, int syst, double* zgas, double MT, double* ratios, double TK,
                      double PMPa, double Vcm, bool isochoric)
{
    // Molalities of NaCl, KCl, CaCl2, MgCl2 (FeCl2 and the rest stay 0).
    Melting_State s{methode, syst, isochoric, zgas, ratios, TK, PMPa, MT, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, Vcm};
    for (int i = 0; i < 4; ++i) s.mols[i] = ratios[i] * MT;

    double x1 = 0.0, min = 0.0, max = 0.0;
    switch (methode) {
    case 0: x1 = TK; min = 230.0; max = 330.0; break;
    case 1: x1 = PMPa; min = 0.0; max = Pressure_Bound; break;
    case 3: x1 = MT; min = 0.0; max = 7.0; break;
    default:
        // No unknown, start value or bounds belong to another method.
        Print_No_Convergence(0.0, 0.0);
        return 0.0;
    }

    double x2 = 0.0, x_last = 0.0, f_last = 0.0;
    if (!Melting_Secant(Melting_Residual, &s, x1, min, max, &x2, &x_last, &f_last)) return 0.0;
    s.Set_Unknown(x2);

    if (methode == 3) {
        Salt* const salts[4] = {&NaCl, &KCl, &CaCl2, &MgCl2};
        for (int i = 0; i < 4; ++i) {
            const double m = ratios[i] * x2;
            const double mM = m * salts[i]->Mole_Weight;
            salts[i]->Molality = m;
            salts[i]->Weight = 100.0 * mM / (1000.0 + mM);
        }
    }

    // Properties at the solution (those of the last evaluation, at x1).
    const int aq = aqueous_liquid;
    Molar_Volume[aq] = Aqueous_Volume(s.temp, s.pres);
    Density[aq] = Converted_Density(Molar_Volume[aq], moles, imoles);
    for (int slot = 4; slot <= 5; ++slot) {
        Molefractions(slot);
        Molar_Volume[slot] = Volume_Search(0, slot, moles, s.temp, s.pres);
        Density[slot] = Converted_Density(Molar_Volume[slot], moles, empty);
    }
    return x2;
}

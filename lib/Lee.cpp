// Lee, B.I. and Kesler, M.G. (1975). A generalized thermodynamic correlation
// based on three-parameter corresponding states. AIChE Journal 21, 510-527.
//
// Each fluid y has, in reduced variables Tr = T/Tc and Vr = V Pc/(R Tc),
//   Z = 1 + B/Vr + C/Vr^2 + D/Vr^5 + c4/(Tr^3 Vr^2) (beta + gamma/Vr^2) exp(-gamma/Vr^2),
//   B = b1 + b2/Tr + b3/Tr^2 + b4/Tr^3,  C = c1 + c2/Tr + c3/Tr^3,  D = d1 + d2/Tr,
// and a mixture volume at (T, P) is V = V0 + (w/w_ref) (V1 - V0), V0 and V1 being
// the simple- and reference-fluid volumes at the mixture's pseudo-critical state
// (Lee & Kesler mixing rules, Zc = 0.2905 - 0.085 w).
#include "Lee.h"

#include <cmath>
#include <cstdint>
#include <cstring>

#include "Equation.h"
#include "Numdef.h"
#include "Redlich.h"
#include "Reid.h"

namespace {

const double R = 8.31451;  // J/(mol K) = MPa cm3/(mol K)

// Constants of Lee & Kesler (1975), Table 1, with the signs folded in so that
// every term of B, C and D is added. Row 0 simple fluid, row 1 reference fluid.
// (A namespace of their own keeps gamma apart from the C library's gamma().)
namespace Fluid {
const double b[2][4] = {{0.1181193, -0.265728, -0.15479, -0.030323},
                        {0.2026579, -0.331511, -0.027655, -0.203488}};
const double c[2][3] = {{0.0236744, -0.0186984, 0.0}, {0.0313385, -0.0503618, 0.016901}};
const double d[2][2] = {{1.55488e-05, 6.23689e-05}, {4.8736e-05, 7.40336e-06}};
const double c4[2] = {0.042724, 0.041577};
const double beta[2] = {0.65392, 1.226};
const double gamma[2] = {0.060167, 0.03754};
}  // namespace Fluid

Gas* const Species[10] = {&H2O, &CO2, &CH4, &N2, &C2H6, &H2S, &NH3, &H2, &O2, &CO};

// Species constants and pseudo-critical state of the last composition given to
// Mixture; Vcij holds the pair volumes Vc_ij.
double Tc[10], Pc[10], Ac[10], Zc[10], Vc[10];
double Vcij[10][10];
double TcMix, PcMix, VcMix, ZcMix, wMix;

// ln phi of each species in the simple (row 0) and reference (row 1) fluid.
double lnphi[2][10];

}  // namespace

namespace {

// Species constants of the mixing rules: they follow from the tabulated
// critical data alone, which Mixture restores at every call, so they are
// worked out once. Mixture runs at every residual evaluation of the volume
// and pressure searches, and the cube roots and square roots would otherwise
// dominate their cost.
struct Species_Constants {
    double Tc[10], Pc[10], Ac[10], Zc[10], Vc[10];
    double Vcij[10][10];
    double rootTT[10][10];  // sqrt(Tc_i Tc_j)
};

const Species_Constants& Constants_From_Records() {
    static Species_Constants k;
    static bool done = false;
    if (done) return k;
    for (int i = 0; i < 10; i++) {
        k.Tc[i] = Species[i]->Tcrit;
        k.Pc[i] = Species[i]->Pcrit;
        k.Ac[i] = Species[i]->Acentric;
    }
    for (int i = 0; i < 10; i++) {
        k.Zc[i] = 0.2905 - 0.085 * k.Ac[i];
        k.Vc[i] = R * k.Zc[i] * k.Tc[i] / k.Pc[i];
    }
    double cube[10];
    for (int i = 0; i < 10; i++) cube[i] = std::pow(k.Vc[i], 1.0 / 3.0);
    for (int i = 0; i < 10; i++)
        for (int j = 0; j < 10; j++) {
            double mean = (cube[i] + cube[j]) / 2.0;
            k.Vcij[i][j] = (i == j) ? k.Vc[i] : mean * mean * mean;
            k.rootTT[i][j] = std::sqrt(k.Tc[i] * k.Tc[j]);
        }
    done = true;
    return k;
}

}  // namespace

namespace {

// The composition of the last Mixture call, bit for bit: the volume searches
// call Mixture at every evaluation with one composition, and its sums are
// then still those of the file-level mixture constants.
Table_Inputs<10> last_x;

}  // namespace

void Mixture(double* xgas) {
    Reid_Constants();
    const Species_Constants& k = Constants_From_Records();
    static bool copied = false;
    if (!copied) {
        for (int i = 0; i < 10; i++) {
            Tc[i] = k.Tc[i];
            Pc[i] = k.Pc[i];
            Ac[i] = k.Ac[i];
            Zc[i] = k.Zc[i];
            Vc[i] = k.Vc[i];
            for (int j = 0; j < 10; j++) Vcij[i][j] = k.Vcij[i][j];
        }
        copied = true;
    }
    if (!last_x.Changed(xgas)) return;

    wMix = 0.0;
    for (int i = 0; i < 10; i++) wMix += xgas[i] * Ac[i];

    // Sums over the species present; an absent species adds exact zeros.
    VcMix = 0.0;
    double T0 = 0.0;
    for (int i = 0; i < 10; i++) {
        if (xgas[i] == 0.0) continue;
        for (int j = 0; j < 10; j++) {
            if (xgas[j] == 0.0) continue;
            VcMix += xgas[i] * xgas[j] * Vcij[i][j];
            T0 += xgas[i] * xgas[j] * Vcij[i][j] * k.rootTT[i][j];
        }
    }
    // Volume-weighted pseudo-critical temperature. An empty composition has no
    // critical state: its reduced variables are taken as 0 (ideal gas, Z = 1).
    TcMix = (VcMix != 0.0) ? T0 / VcMix : 0.0;
    ZcMix = 0.2905 - 0.085 * wMix;
    PcMix = (VcMix != 0.0) ? R * ZcMix * TcMix / VcMix : 0.0;
}

namespace {

// Compressibility factor of fluid y at the mixture's reduced state. File-level:
// other equations of state have a Compressibility of their own.
// Second, third and fifth virial coefficients of each fluid at the reduced
// temperature of its last evaluation (Tr = 0: none yet): a volume search
// evaluates one fluid many times at one temperature.
struct Virial {
    double Tr = 0.0;
    double B = 0.0, C = 0.0, D = 0.0, Tr3 = 0.0;
};
Virial virial[2];

// Z of fluid y (0 or 1) at the reduced temperature Tr and the volume Vcm, at
// the pseudo-critical state Mixture left behind.
inline double Compressibility_Reduced(int y, double Tr, double Vcm) {
    double Vr = (VcMix != 0.0) ? Vcm * ZcMix / VcMix : 0.0;
    if (!(Tr > 0.0 && Vr > 0.0)) return 1.0;
    double Vr2 = Vr * Vr;
    const double ga = Fluid::gamma[y];
    if (!(std::fabs(ga / Vr2) < 227.0)) return 1.0;

    Virial& v = virial[y];
    if (Tr != v.Tr) {
        const double* bf = Fluid::b[y];
        const double* cf = Fluid::c[y];
        const double* df = Fluid::d[y];
        double Tr2 = Tr * Tr, Tr3 = Tr2 * Tr;
        v.B = bf[0] + bf[1] / Tr + bf[2] / Tr2 + bf[3] / Tr3;
        v.C = cf[0] + cf[1] / Tr + cf[2] / Tr3;
        v.D = df[0] + df[1] / Tr;
        v.Tr3 = Tr3;
        v.Tr = Tr;
    }
    double E = Fluid::c4[y] * (Fluid::beta[y] + ga / Vr2) * std::exp(-ga / Vr2);
    return 1.0 + v.B / Vr + v.C / Vr2 + v.D / (Vr2 * Vr2 * Vr) + E / (v.Tr3 * Vr2);
}

// The reduced temperature of TK at the pseudo-critical state Mixture left
// behind (0 without one).
double Reduced_Temperature(double TK) { return (TcMix != 0.0) ? TK / TcMix : 0.0; }

double Compressibility(int y, double* xgas, double TK, double Vcm) {
    if (y != 0 && y != 1) return 1.0;  // no such fluid
    Mixture(xgas);
    return Compressibility_Reduced(y, Reduced_Temperature(TK), Vcm);
}

// Residual of the volume search of fluid y: Z(V) - P V/(R T), Tr the reduced
// temperature of TK.
inline double Separate_Residual(int y, double Tr, double TK, double PMPa, double Vcm) {
    return Compressibility_Reduced(y, Tr, Vcm) - PMPa * Vcm / (R * TK);
}

}  // namespace

double FS0(double Vcm, double* xgas, double* nix, double TK, double PMPa) {
    (void)nix;
    Mixture(xgas);
    return Separate_Residual(0, Reduced_Temperature(TK), TK, PMPa, Vcm);
}

double FS1(double Vcm, double* xgas, double* nix, double TK, double PMPa) {
    (void)nix;
    Mixture(xgas);
    return Separate_Residual(1, Reduced_Temperature(TK), TK, PMPa, Vcm);
}

namespace {

// Roots of the simple- and reference-fluid searches made so far, kept in
// sets of four addressed by a hash of the search's inputs, the least recently
// used one giving way. The bubble- and dew-point iteration can fall into a
// cycle that brings the same states back every few hundred passes until its
// passes are used up; a search at a state seen before then costs a look-up.
// The inputs compare bit for bit, so a root is reused only for exactly the
// search that found it.
struct Known_Root {
    std::uint64_t used = 0;  // time of the last use, 0 for an empty entry
    double key[14];          // fluid, first, composition, TK, PMPa
    double V;                // the root the search ended on
    double V_stable;         // the stable root in its place, once asked for
    bool have_stable;
};
const unsigned Ways = 4;
const unsigned Sets = 512;
Known_Root known[Sets][Ways];
std::uint64_t clock_ticks = 0;

// The entry holding the search of `key`, or the one to replace by it.
Known_Root& Known_Entry(const double key[14], bool* found) {
    std::uint64_t h = 0;
    for (int i = 0; i < 14; i++) {
        std::uint64_t w;
        std::memcpy(&w, &key[i], sizeof w);
        h = (h ^ w) * 0x9E3779B97F4A7C15u;
        h ^= h >> 29;
    }
    Known_Root* set = known[h % Sets];
    Known_Root* oldest = &set[0];
    ++clock_ticks;
    for (unsigned i = 0; i < Ways; i++) {
        if (set[i].used != 0 && std::memcmp(set[i].key, key, 14 * sizeof(double)) == 0) {
            set[i].used = clock_ticks;
            *found = true;
            return set[i];
        }
        if (set[i].used < oldest->used) oldest = &set[i];
    }
    *found = false;
    return *oldest;
}

// The pressure of the simple (y 0) or reference (y 1) fluid of the mixture
// constants of xgas at TK and molar volume Vcm.
struct Separate_Fluid {
    int y;
    double* xgas;
    double TK;
};

double Separate_Pressure(double Vcm, void* context) {
    const Separate_Fluid& f = *static_cast<Separate_Fluid*>(context);
    return Compressibility(f.y, f.xgas, f.TK, Vcm) * R * f.TK / Vcm;
}

}  // namespace

namespace {

// The volumes of `count` (1 or 2) separate fluids of the mixture xgas at TK
// and PMPa, fluid[i] (0 simple, otherwise reference) into V[i]. Each search
// starts at points that walk away from `first` in steps of 0.1 first (upward
// from a vapour-like start, downward towards 0 from a liquid-like one) until
// one ends on a positive root; 0 when none does. The searches are independent
// and run side by side, each exactly as alone, so that the processor
// overlaps their evaluations; a search made before is looked up instead.
// With `stable`, a root where dP/dV >= 0 (the middle root of the fluid's loop,
// where no phase exists) is replaced by the stable root on the side of
// `first`, which is then kept with the search's root.
void Separate_Volumes(const int* fluid, int count, double first, double* xgas, double TK,
                      double PMPa, double* V, bool stable) {
    struct Lane {
        double key[14];
        int y, k;
        double x1;
        Secant_Search search;
    };
    Lane lane[2];
    int active[2], searched[2];
    bool have_stable[2] = {false, false};
    int running = 0;
    for (int i = 0; i < count; i++) {
        Lane& l = lane[i];
        l.y = fluid[i] == 0 ? 0 : 1;
        l.key[0] = l.y;
        l.key[1] = first;
        for (int j = 0; j < 10; j++) l.key[2 + j] = xgas[j];
        l.key[12] = TK;
        l.key[13] = PMPa;
        bool found = false;
        Known_Root& entry = Known_Entry(l.key, &found);
        if (found) {
            have_stable[i] = stable && entry.have_stable;
            V[i] = have_stable[i] ? entry.V_stable : entry.V;
            continue;
        }
        V[i] = 0.0;
        l.k = 0;
        l.x1 = first;
        searched[running] = i;
        active[running++] = i;
    }
    // The mixture constants the searches evaluate with (left behind also when
    // every root was known).
    Mixture(xgas);
    const double Tr = Reduced_Temperature(TK);
    auto next_start = [&](Lane& l) {
        if (++l.k > 10) return false;
        l.x1 = first > 150.0 ? l.x1 + 0.1 * first : l.x1 - 0.1 * first;
        l.search = Secant_Search(l.x1, 1.1 * l.x1, 1e-16, 3000);
        return true;
    };
    for (int a = 0; a < running; a++) next_start(lane[active[a]]);
    const int searches = running;
    while (running > 0) {
        double f[2];
        for (int a = 0; a < running; a++) {
            const Lane& l = lane[active[a]];
            f[a] = Separate_Residual(l.y, Tr, TK, PMPa, l.search.Point());
        }
        int still = 0;
        for (int a = 0; a < running; a++) {
            const int i = active[a];
            Lane& l = lane[i];
            if (l.search.Take(f[a])) {
                const double root = l.search.Root();
                if (root > 0.0) {
                    V[i] = root;
                    continue;
                }
                if (!next_start(l)) continue;
            }
            active[still++] = i;
        }
        running = still;
    }
    for (int a = 0; a < searches; a++) {
        const int i = searched[a];
        bool found = false;
        Known_Root& entry = Known_Entry(lane[i].key, &found);
        std::memcpy(entry.key, lane[i].key, sizeof lane[i].key);
        entry.V = V[i];
        entry.have_stable = false;
        entry.used = clock_ticks;
    }
    if (!stable) return;
    for (int i = 0; i < count; i++) {
        if (have_stable[i]) continue;
        Separate_Fluid f{lane[i].y, xgas, TK};
        if (V[i] > 1.0 && Unstable_Root(Separate_Pressure, &f, V[i]))
            V[i] = Stable_Root(Separate_Pressure, &f, PMPa, V[i], first < V[i], 1.0, 1e7);
        bool found = false;
        Known_Root& entry = Known_Entry(lane[i].key, &found);
        if (!found) continue;
        entry.V_stable = V[i];
        entry.have_stable = true;
    }
}

}  // namespace

double Seperate_Volume(int y, double first, double* xgas, double TK, double PMPa) {
    double V;
    Separate_Volumes(&y, 1, first, xgas, TK, PMPa, &V, false);
    return V;
}

namespace {

// The mixture volume from the volumes of the simple and the reference fluid,
// weighted by the acentric factor. A phase (stable) takes each fluid's root
// where dP/dV < 0: a search that ended on the middle root of a fluid's loop,
// where no phase exists, is replaced by the stable root on the side of the
// start value. The pressure of a given volume keeps the roots as found, so
// that the equation's P(V) holds across the loop.
double Mixture_Volume(double first, double* xgas, double TK, double PMPa, bool stable) {
    const double wRef = 0.3978;  // acentric factor of the reference fluid, n-octane
    double y[10];
    Normalise_Fractions(xgas, y);
    if (TK <= 0.0 || PMPa <= 0.0) return 0.0;
    const int fluids[2] = {0, 1};
    double V[2];
    Separate_Volumes(fluids, 2, first, y, TK, PMPa, V, stable);
    if (!(V[0] > 1.0 && V[1] > 1.0)) return 0.0;
    Mixture(y);
    return V[0] + wMix * (V[1] - V[0]) / wRef;
}

}  // namespace

double Volume_Lee(double first, double* xgas, double TK, double PMPa) {
    return Mixture_Volume(first, xgas, TK, PMPa, true);
}

double FP(double PMPa, double* xgas, double* nix, double TK, double Vcm) {
    (void)nix;
    return Mixture_Volume(Vcm, xgas, TK, PMPa, false) - Vcm;
}

double Pressure_Lee(double first, double* xgas, double TK, double Vcm) {
    double y[10];
    Normalise_Fractions(xgas, y);
    if (!(TK > 0.0 && Vcm > 1.0)) return 0.0;
    for (int k = 1; k <= 10; k++) {
        double x1 = first - k * 0.1 * first;
        double x2 = 1.1 * x1;
        double P = RootSectant(FP, x1, x2, y, empty, TK, Vcm, 1e-12, 3000);
        if (P > 0.0) return P;
    }
    return 0.0;
}

// ln phi_i = d(n A_res/RT)/dn_i at constant T and total volume, minus ln Z, of
// fluid y with the mixture's pseudo-critical constants: with Qm = Vc/Zc (so that
// Vr = V/Qm), the residual Helmholtz energy per mole is
//   B Qm/V + C Qm^2/(2 V^2) + D Qm^5/(5 V^5) + (exponential term),
// and the derivatives of n Qm and Tc with respect to n_i follow from the
// mixing rules.
void Coefficients(int y, double* xgas, double TK, double PMPa, double Vy) {
    if (y != 0 && y != 1) return;  // no such fluid, no row to fill
    Mixture(xgas);
    const Species_Constants& k = Constants_From_Records();
    double Z = (TK > 0.0) ? PMPa * Vy / (R * TK) : 0.0;
    if (Vy <= 1.0 || TK <= 0.0 || Z <= 0.0) {
        for (int i = 0; i < 10; i++) lnphi[y][i] = 0.0;
        return;
    }

    const double T = TK, V = Vy, Tcm = TcMix;
    const double* bf = Fluid::b[y];
    const double* cf = Fluid::c[y];
    const double* df = Fluid::d[y];
    const double b1 = bf[0], b2 = bf[1], b3 = bf[2], b4 = bf[3];
    const double c1 = cf[0], c2 = cf[1], c3 = cf[2];
    const double d1 = df[0], d2 = df[1];
    const double c4y = Fluid::c4[y], be = Fluid::beta[y], ga = Fluid::gamma[y];
    const double T2 = T * T, T3 = T2 * T;
    const double Tc2 = Tcm * Tcm, Tc3 = Tc2 * Tcm;

    double B = b1 + b2 * Tcm / T + b3 * Tc2 / T2 + b4 * Tc3 / T3;
    double C = c1 + c2 * Tcm / T + c3 * Tc3 / T3;
    double D = d1 + d2 * Tcm / T;
    double Qm = VcMix / ZcMix;
    double Qm2 = Qm * Qm, Qm3 = Qm2 * Qm, Qm4 = Qm3 * Qm, Qm5 = Qm4 * Qm;
    double g = -ga * Qm2;
    double V2 = V * V;
    double G = g / V2;
    double lnZ = std::log(Z);

    for (int i = 0; i < 10; i++) {
        if (std::fabs(G) >= 227.0) {
            lnphi[y][i] = 0.0;
            continue;
        }
        double dVc = 0.0, dT0 = 0.0;
        for (int j = 0; j < 10; j++) {
            dVc += 2.0 * xgas[j] * Vcij[i][j];
            dT0 += 2.0 * xgas[j] * Vcij[i][j] * k.rootTT[i][j];
        }
        double dTc = dT0 / VcMix - TcMix * dVc / VcMix;
        double dZc = Zc[i];
        double dQm = dVc / ZcMix - VcMix * dZc / (ZcMix * ZcMix);

        double dB = (b2 / T + 2.0 * b3 * Tcm / T2 + 3.0 * b4 * Tc2 / T3) * dTc;
        double dC = (c2 / T + 3.0 * c3 * Tc2 / T3) * dTc;
        double dD = d2 * dTc / T;
        double dQB = Qm * dB + B * dQm;
        double dQC = Qm2 * dC + 2.0 * C * Qm * dQm;
        double dQD = Qm5 * dD + 5.0 * D * Qm4 * dQm;

        double a1 = (c4y * be / T3) * (2.0 * Tc3 * Qm * dQm + 3.0 * Qm2 * Tc2 * dTc) +
                    c4y * be * Qm2 * Tc3 / T3;
        double a2 =
            (c4y * ga * Qm2 / T3) * (2.0 * (2.0 - be) * Tc3 * Qm * dQm + 3.0 * Qm2 * Tc2 * dTc) +
            c4y * ga * Qm4 * Tc3 / T3;
        double a3 = (c4y * ga * Qm2 / T3) * (-2.0 * ga * Qm3 * Tc3 * dQm);

        double e = std::exp(G);
        double IB = (B * Qm + dQB) / V;
        double IC = (C * Qm2 + dQC) / (2.0 * V2);
        double ID = (D * Qm5 + dQD) / (5.0 * V2 * V2 * V);
        double IE = -(1.0 - e) * a1 / (2.0 * g) + (1.0 - e * (1.0 - G)) * a2 / (2.0 * g * g) -
                    (1.0 - e * (1.0 - G + g * g / (2.0 * V2 * V2))) * a3 / (g * g * g);
        lnphi[y][i] = IB + IC + ID + IE - lnZ;
    }
}

double LnPhi_Lee(int y, int i) {
    if (y < 0 || y > 1 || i < 0 || i > 9) return 0.0;
    return lnphi[y][i];
}

void Fugacity_Lee(int phase, double* xgas, double TK, double PMPa, double Vcm) {
    const double wRef = 0.3978;  // acentric factor of the reference fluid, n-octane
    double y[10];
    Normalise_Fractions(xgas, y);
    if (TK <= 0.0 || PMPa <= 0.0 || Vcm <= 1.0) {
        Unknown_Fugacities(phase);
        return;
    }

    // Start volume of the simple-fluid search: the Redlich-Kwong root of the phase.
    double V0 = Volume_Redlich(phase == 1 ? 2 : 0, y, TK, PMPa);
    if (V0 < 1.0) V0 = (phase == 1) ? 1000.0 : 20.0;

    // An empty composition has no pseudo-critical state, and without a
    // simple-fluid volume there is no state to evaluate.
    Mixture(y);
    if (VcMix == 0.0) {
        Unknown_Fugacities(phase);
        return;
    }
    double Vs = Seperate_Volume(0, V0, y, TK, PMPa);
    if (!(Vs > 1.0)) {
        Unknown_Fugacities(phase);
        return;
    }
    Coefficients(0, y, TK, PMPa, Vs);

    // Reference-fluid volume from the mixture volume, inverting
    // V = Vs + (w/w_ref)(Vr - Vs). A mixture with w = 0 is the simple fluid
    // itself: the reference row then carries no weight and is not evaluated.
    double weight = wMix / wRef;
    if (wMix != 0.0) {
        double Vr = Vs + (wRef / wMix) * (Vcm - Vs);
        Coefficients(1, y, TK, PMPa, Vr);
    } else {
        for (int i = 0; i < 10; i++) lnphi[1][i] = 0.0;
    }

    for (int i = 0; i < 10; i++) {
        double ln = weight * lnphi[1][i] + (1.0 - weight) * lnphi[0][i];
        double phi = (std::fabs(ln) < 227.0) ? std::exp(ln) : 1.0;
        Gas_Coefficients(i, phase, phi);
        Gas_Fugacities(i, phase, phi * y[i] * PMPa);
    }
}

// Stability analysis by the tangent-plane distance (Michelsen 1982, Fluid
// Phase Equilib. 9, 1-19).
//
// A fluid of composition z at T, P is stable as one phase when the Gibbs
// energy surface of every trial phase w lies on or above the tangent plane of
// z:  tpd(w) = sum_i w_i (ln w_i + ln phi_i(w) - d_i) >= 0,
// with d_i = ln z_i + ln phi_i(z) (the chemical potentials of the feed divided
// by RT, less ln P). Michelsen's modified distance of unnormalised amounts W,
//   tm(W) = 1 + sum_i W_i (ln W_i + ln phi_i(w) - d_i - 1),   w = W / sum W,
// has the stationary points ln W_i = d_i - ln phi_i(w), where tm = 1 - sum W;
// any W with tm < 0 proves instability, and the fluid is stable when the
// stationary points reached from a vapour-like and a liquid-like start all have
// sum W <= 1. The starts are Wilson's K-factors (Wilson 1968): W = z K for the
// vapour-like trial, W = z / K for the liquid-like one, and the stationary
// point is reached by successive substitution.
//
// At a bubble or dew point the incipient phase is a stationary point with
// sum W = 1 exactly: ln w_i + ln phi_i(w) = ln z_i + ln phi_i(z), i.e. equal
// fugacities. Scanning the pressure (or temperature) and locating the change
// from stable to unstable therefore finds the boundary without the K-factor
// search's trivial solution, and the incipient phase comes with it.
#include "Stability.h"

#include <algorithm>
#include <cmath>
#include <iostream>

#include "Numdef.h"

const double Stability_Pmin = 0.1;    // MPa
const double Stability_Pmax = 30.0;   // MPa
const double Stability_Tmin = 150.0;  // K: CH4-N2 fluids homogenise above it; below, the cubic
                                      // equations split CO2-rich fluids into two liquids
const double Stability_Tmax = 400.0;  // K: above the critical temperatures of the ten gases but H2O and NH3

namespace {

// Scan grids: pressure geometric in 60 steps of 10 %, temperature even in
// 50 steps of 5 K. A two-phase region narrower than a step is found where the
// feed's stable root changes from liquid-like to vapour-like between two scan
// points (the case of a nearly pure fluid near its saturation curve).
const int Pressure_Steps = 60;
const int Temperature_Steps = 50;
const int Max_Points = 2 * Pressure_Steps + 2;  // grid and inserted states; Pressure_Steps >= Temperature_Steps

// Successive substitution, in two uses. At a scan point it only has to decide:
// it stops as soon as tm < -Unstable_Tm (instability shown), when a stationary
// point is reached to Decide_Tolerance (max change of ln W), when it rests at a
// clearly positive tm (steps below and tm above Decide_Stable: tm differs from
// the stationary value by the square of the remaining step), or when it comes
// within Decide_Trivial of the feed; at most Decide_Iterations passes, after
// which only a negative tm counts. While a boundary is refined it converges
// to Converge_Tolerance within Converge_Iterations passes, and the trivial
// solution is declared within Converge_Trivial only.
// "Within d of the feed": every |ln(w_i / z_i)| and the relative difference of
// the molar volumes below d.
const double Unstable_Tm = 1e-10;
const double Decide_Tolerance = 1e-6;
const double Decide_Stable = 1e-4;
const double Decide_Trivial = 1e-2;
const int Decide_Iterations = 200;
const double Converge_Tolerance = 1e-13;
const double Converge_Trivial = 1e-4;
const int Converge_Iterations = 2000;
// Largest eigenvalue of the substitution that is extrapolated (a leap of at
// most 99 steps).
const double Max_Lambda = 0.99;
// ln sum W left at the unstable end of a refined boundary: above it the
// change was a jump, not a boundary.
const double Boundary_Excess = 1e-6;
// Steps of the boundary refinement and of the search for the root switch.
const int Refine_Steps = 200;
const int Refine_Budget = 1000;
const int Switch_Steps = 60;

struct Problem {
    PhaseFunction func;
    int EoS;
    int phaseX;     // slot of the liquid-like (smallest-volume) root
    int phaseY;     // slot of the vapour-like (largest-volume) root
    int methode;    // 1: pressure scanned at temperature T; 0: temperature scanned at pressure P
    double T, P;
    double z[10];   // feed, normalised
    double salt[5]; // salt fractions passed through to the phase function
};

// The feed at one state, at the root of lower Gibbs energy of the two slots
// (the tangent plane must be that of the feed's stable single-phase state; a
// metastable root would make every state beyond it look unstable).
struct Feed {
    bool valid;
    int slot;       // slot of the chosen root
    double V;       // its molar volume, cm3/mol
    double d[10];   // ln z_i + ln phi_i(z)
    double VX, VY;  // volumes of the liquid-like and vapour-like root
    double gX, gY;  // sum z_i ln phi_i of each root (Gibbs energy less the ideal part, /RT)
};

struct Trial {
    int slot;
    double W[10];   // unnormalised amounts
    double sum;     // sum W after the last substitution
    double tm;      // modified tangent-plane distance of the last W evaluated
    double V;       // molar volume of the trial phase, cm3/mol
    bool valid;     // the phase function gave a volume and coefficients
    bool trivial;   // reached the feed itself
    bool unstable;  // tm < 0 shown
    int passes;     // phase-function calls of the last Substitute
};

struct Point {
    double x;       // pressure (MPa) or temperature (K)
    bool valid;
    bool unstable;
    bool lighter;   // a trial less dense than the feed shows the instability
    bool denser;    // a trial denser than the feed shows it
    Feed feed;
};

struct Boundary {
    double x;
    bool bubble;          // incipient phase less dense than the feed
    double w[10];         // incipient phase, normalised
};

double Temperature(const Problem& p, double x) { return p.methode == 1 ? p.T : x; }
double Pressure(const Problem& p, double x) { return p.methode == 1 ? x : p.P; }

// ln phi of the gases present in the feed from slot `phase`; false when the
// phase function stored no usable coefficient.
bool Log_Coefficients(const Problem& p, int phase, double* lnphi)
{
    for (int i = 0; i < 10; ++i) {
        lnphi[i] = 0.0;
        if (p.z[i] <= 0.0) continue;
        const double phi = Gas_Record(i)->Coefficient[phase];
        if (!(phi > 0.0) || !std::isfinite(phi)) return false;
        lnphi[i] = std::log(phi);
    }
    return true;
}

void Feed_At(const Problem& p, double x, Feed& f)
{
    const double T = Temperature(p, x), P = Pressure(p, x);
    double z[10], lnphi[10];
    for (int i = 0; i < 10; ++i) z[i] = p.z[i];
    double salt[5];
    for (int j = 0; j < 5; ++j) salt[j] = p.salt[j];
    f.valid = false;
    f.VX = f.VY = 0.0;
    f.gX = f.gY = 0.0;
    const int slots[2] = {p.phaseX, p.phaseY};
    for (int k = 0; k < 2; ++k) {
        const double V = p.func(p.EoS, slots[k], z, salt, T, P);
        if (!(V > 0.0) || !Log_Coefficients(p, slots[k], lnphi)) continue;
        double g = 0.0;
        for (int i = 0; i < 10; ++i) g += p.z[i] * lnphi[i];
        (k == 0 ? f.VX : f.VY) = V;
        (k == 0 ? f.gX : f.gY) = g;
        if (f.valid && g >= (f.slot == p.phaseX ? f.gX : f.gY)) continue;
        f.valid = true;
        f.slot = slots[k];
        f.V = V;
        for (int i = 0; i < 10; ++i) f.d[i] = p.z[i] > 0.0 ? std::log(p.z[i]) + lnphi[i] : 0.0;
    }
}

// Both roots exist and differ: the feed lies inside the three-root region.
bool Two_Roots(const Feed& f)
{
    return f.valid && f.VX > 0.0 && f.VY > 0.0 && f.VY - f.VX > 1e-6 * f.VY;
}

void Normalised(const Problem& p, const double* W, double* w)
{
    double sum = 0.0;
    for (int i = 0; i < 10; ++i)
        if (p.z[i] > 0.0) sum += W[i];
    for (int i = 0; i < 10; ++i) w[i] = p.z[i] > 0.0 ? W[i] / sum : 0.0;
}

// Successive substitution ln W_i <- d_i - ln phi_i(w) from the amounts in
// t.W; `decide`: a scan point, otherwise converge to `tolerance` (see the
// bounds above).
void Substitute(const Problem& p, const Feed& f, double x, Trial& t, bool decide,
                double tolerance = Converge_Tolerance)
{
    const double T = Temperature(p, x), P = Pressure(p, x);
    if (decide) tolerance = Decide_Tolerance;
    const double trivial = decide ? Decide_Trivial : Converge_Trivial;
    const int iterations = decide ? Decide_Iterations : Converge_Iterations;
    double salt[5];
    for (int j = 0; j < 5; ++j) salt[j] = p.salt[j];
    t.valid = t.trivial = t.unstable = false;
    t.passes = 0;
    double last[10] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    for (int n = 0; n < iterations; ++n) {
        ++t.passes;
        double w[10], lnphi[10];
        Normalised(p, t.W, w);
        const double V = p.func(p.EoS, t.slot, w, salt, T, P);
        if (!(V > 0.0) || !Log_Coefficients(p, t.slot, lnphi)) {
            t.valid = false;
            return;
        }
        t.valid = true;
        t.V = V;
        double tm = 1.0, step = 0.0, distance = 0.0, sum = 0.0;
        double next[10], change[10], along = 0.0, before = 0.0;
        for (int i = 0; i < 10; ++i) {
            change[i] = 0.0;
            if (p.z[i] <= 0.0) continue;
            const double lnW = std::log(t.W[i]);
            tm += t.W[i] * (lnW + lnphi[i] - f.d[i] - 1.0);
            next[i] = f.d[i] - lnphi[i];
            change[i] = next[i] - lnW;
            step = std::fmax(step, std::fabs(change[i]));
            distance = std::fmax(distance, std::fabs(std::log(w[i] / p.z[i])));
            along += change[i] * last[i];
            before += last[i] * last[i];
        }
        // Every fifth pass, the extrapolation along the dominant eigenvalue
        // lambda of the substitution (Crowe & Nishio 1975, AIChE J. 21,
        // 528-533): successive changes shrink by lambda, so the remaining
        // distance is change * lambda / (1 - lambda).
        const double lambda = n % 5 == 4 && before > 0.0 ? along / before : 0.0;
        const double leap = lambda > 0.0 && lambda < Max_Lambda ? lambda / (1.0 - lambda) : 0.0;
        for (int i = 0; i < 10; ++i) {
            last[i] = change[i];
            if (p.z[i] <= 0.0) continue;
            t.W[i] = std::exp(next[i] + leap * change[i]);
            sum += t.W[i];
        }
        if (!std::isfinite(sum) || !(sum > 0.0)) {
            t.valid = false;
            return;
        }
        t.tm = tm;
        t.sum = sum;
        if (decide && tm < -Unstable_Tm) {
            t.unstable = true;
            return;
        }
        if (distance < trivial && std::fabs(V - f.V) < trivial * f.V) {
            t.trivial = true;
            return;
        }
        if (step < tolerance || (decide && step < Decide_Stable && tm > Decide_Stable)) break;
    }
    // At a stationary point tm = 1 - sum W.
    t.unstable = t.tm < -Unstable_Tm || std::log(t.sum) > Unstable_Tm;
}

// Vapour-like (z K, slot phaseY) and liquid-like (z / K, slot phaseX) starts
// from Wilson's K-factors; Kgas keeps its values.
void Wilson_Starts(const Problem& p, double x, Trial* trials)
{
    double saved[10];
    for (int i = 0; i < 10; ++i) saved[i] = Kgas[i];
    K_Wilson(Temperature(p, x), Pressure(p, x));
    trials[0].slot = p.phaseY;
    trials[1].slot = p.phaseX;
    for (int i = 0; i < 10; ++i) {
        trials[0].W[i] = p.z[i] > 0.0 ? p.z[i] * Kgas[i] : 0.0;
        trials[1].W[i] = p.z[i] > 0.0 ? p.z[i] / Kgas[i] : 0.0;
        Kgas[i] = saved[i];
    }
}

// The test at one state. Each trial starts from Wilson's K-factors, or from
// the amounts in trials[k] where warm[k] (a non-trivial stationary point of a
// neighbouring state); trials[] receives both trials as they ended.
void Test_Point(const Problem& p, double x, Point& pt, Trial* trials, bool decide,
                const bool* warm)
{
    pt.x = x;
    pt.unstable = pt.lighter = pt.denser = false;
    Feed_At(p, x, pt.feed);
    pt.valid = pt.feed.valid;
    if (!pt.valid) return;
    Trial starts[2];
    Wilson_Starts(p, x, starts);
    for (int k = 0; k < 2; ++k) {
        if (warm == nullptr || !warm[k]) trials[k] = starts[k];
        Substitute(p, pt.feed, x, trials[k], decide);
        if (!trials[k].valid || trials[k].trivial || !trials[k].unstable) continue;
        pt.unstable = true;
        (trials[k].V > pt.feed.V ? pt.lighter : pt.denser) = true;
    }
}

// Between two stable points whose stable roots differ (liquid-like at one,
// vapour-like at the other) the two roots have equal Gibbs energy somewhere;
// for a mixture that state lies inside the two-phase region. Bisection on
// gX - gY; returns the state reached.
double Root_Switch(const Problem& p, double xa, const Feed& fa, double xb)
{
    const bool liquid_at_a = fa.gX < fa.gY;
    Feed f;
    for (int n = 0; n < Switch_Steps && std::fabs(xb - xa) > 1e-10 * xb; ++n) {
        const double xm = 0.5 * (xa + xb);
        Feed_At(p, xm, f);
        if (!Two_Roots(f)) return xm;
        if ((f.gX < f.gY) == liquid_at_a)
            xa = xm;
        else
            xb = xm;
    }
    return 0.5 * (xa + xb);
}

// ln sum W of the incipient phase at x: the stationary point of the trial
// `current`, continued from its last non-trivial amounts; when that trial
// reaches no non-trivial stationary point the other one is tried (continued,
// or from Wilson's K-factors where it has none) and becomes current. False
// when neither has one (the feed is stable there).
bool Excess(const Problem& p, double x, Trial* trials, bool* warm, int& current, double& g,
            Feed& f, double tolerance, int& work)
{
    Feed_At(p, x, f);
    work += 2;
    if (!f.valid) return false;
    for (int attempt = 0; attempt < 2; ++attempt) {
        const int k = attempt == 0 ? current : 1 - current;
        Trial t = trials[k];
        if (!warm[k]) {
            Trial starts[2];
            Wilson_Starts(p, x, starts);
            t = starts[k];
        }
        Substitute(p, f, x, t, false, tolerance);
        work += t.passes;
        if (!t.valid || t.trivial) continue;
        trials[k] = t;
        warm[k] = true;
        current = k;
        g = std::log(t.sum);
        return true;
    }
    return false;
}

// Refines the change between the stable point xa and the unstable point xb by
// regula falsi (Illinois) on ln sum W of the incipient phase, which passes
// through 0 at the boundary; bisection while the stable end has no
// non-trivial stationary point. Returns false when no boundary is found, or
// when the work exceeds Refine_Budget phase-function calls (close to a
// critical point, where the incipient phase tends to the feed and successive
// substitution slows down without end).
bool Refine(const Problem& p, double xa, double xb, double precision, Boundary& out)
{
    // Start with the trial that shows the instability at xb most strongly.
    Point pt;
    Trial trials[2];
    Test_Point(p, xb, pt, trials, true, nullptr);
    if (!pt.valid || !pt.unstable) return false;
    bool warm[2];
    for (int k = 0; k < 2; ++k) warm[k] = trials[k].valid && !trials[k].trivial;
    int current = trials[0].unstable && (!trials[1].unstable || trials[0].tm <= trials[1].tm) ? 0 : 1;
    Feed f, fb;
    double gb = 0.0, ga = 0.0, gn = 0.0;
    int work = 0;
    if (!Excess(p, xb, trials, warm, current, gb, fb, Decide_Tolerance, work) || !(gb > 0.0)) return false;
    Trial tb = trials[current];
    bool ga_known = false;
    int side = 0;  // the end replaced in the last step: +1 the unstable, -1 the stable one
    for (int n = 0; n < Refine_Steps && std::fabs(xb - xa) > precision * std::fabs(xb); ++n) {
        double xn = 0.5 * (xa + xb);
        if (ga_known) {
            const double xs = xb - gb * (xb - xa) / (gb - ga);
            if ((xs - xa) * (xs - xb) < 0.0) xn = xs;
        }
        // ln sum W is needed only to a fraction of its size at the ends.
        const double tolerance =
            std::fmax(Converge_Tolerance, 1e-3 * std::fmin(std::fabs(gb), ga_known ? std::fabs(ga) : 1.0));
        const bool nontrivial = Excess(p, xn, trials, warm, current, gn, f, tolerance, work);
        if (work > Refine_Budget) return false;
        if (nontrivial && gn > 0.0) {
            xb = xn;
            gb = gn;
            fb = f;
            tb = trials[current];
            if (side == 1 && ga_known) ga *= 0.5;
            side = 1;
        } else {
            xa = xn;
            ga = gn;
            ga_known = nontrivial;
            if (side == -1) gb *= 0.5;
            side = -1;
        }
        if (nontrivial && std::fabs(gn) < 1e-15) {
            xb = xn;
            fb = f;
            tb = trials[current];
            break;
        }
    }
    // A jump of ln sum W (the feed's stable root changing inside the two-phase
    // region) is no boundary: there the incipient phase would not have the
    // feed's fugacities.
    if (!(std::log(tb.sum) < Boundary_Excess)) return false;
    out.x = xb;
    out.bubble = tb.V > fb.V;
    Normalised(p, tb.W, out.w);
    return true;
}

// State of the records that the analysis overwrites, restored when it finds
// no boundary of the asked kind.
struct Snapshot {
    double V[2], rho[2];
    double gas[10][2][3];
    double salt[5][2][3];
    double Kg[10], Ks[5];
};

// Copies the records into s (save) or back from it.
void Transfer(int phaseX, int phaseY, Snapshot& s, bool save)
{
    auto move = [save](double& record, double& kept) {
        if (save)
            kept = record;
        else
            record = kept;
    };
    const int slots[2] = {phaseX, phaseY};
    for (int k = 0; k < 2; ++k) {
        move(Molar_Volume[slots[k]], s.V[k]);
        move(Density[slots[k]], s.rho[k]);
        for (int i = 0; i < 10; ++i) {
            Gas* g = Gas_Record(i);
            move(g->Molefraction[slots[k]], s.gas[i][k][0]);
            move(g->Fugacity[slots[k]], s.gas[i][k][1]);
            move(g->Coefficient[slots[k]], s.gas[i][k][2]);
        }
        for (int j = 0; j < 5; ++j) {
            Salt* c = Salt_Record(j);
            move(c->Molefraction[slots[k]], s.salt[j][k][0]);
            move(c->Fugacity[slots[k]], s.salt[j][k][1]);
            move(c->Coefficient[slots[k]], s.salt[j][k][2]);
        }
    }
    for (int i = 0; i < 10; ++i) move(Kgas[i], s.Kg[i]);
    for (int j = 0; j < 5; ++j) move(Ksalt[j], s.Ks[j]);
}

// Both phases at the boundary into their slots, as the bubble/dew-point search
// leaves them: the bulk fluid in its own slot (liquid phaseX for a bubble
// point, vapour phaseY for a dew point) with its fractions as given, the
// incipient phase in the other; salts follow the K-factors like the search's
// composition update (y = K z, or x = z / K).
void Store(const Problem& p, const Boundary& b, double* bulk_gas, double* bulk_salt)
{
    const double T = Temperature(p, b.x), P = Pressure(p, b.x);
    double xgas[10], ygas[10], xsalt[5], ysalt[5];
    for (int i = 0; i < 10; ++i) {
        xgas[i] = b.bubble ? bulk_gas[i] : b.w[i];
        ygas[i] = b.bubble ? b.w[i] : bulk_gas[i];
    }
    for (int j = 0; j < 5; ++j) {
        const double q = Ksalt[j];
        xsalt[j] = b.bubble ? bulk_salt[j] : (q > 0.0 ? bulk_salt[j] / q : bulk_salt[j]);
        ysalt[j] = b.bubble ? q * bulk_salt[j] : bulk_salt[j];
    }
    Molar_Volume[p.phaseX] = p.func(p.EoS, p.phaseX, xgas, xsalt, T, P);
    Molar_Volume[p.phaseY] = p.func(p.EoS, p.phaseY, ygas, ysalt, T, P);
    New_Kfactors(p.phaseX, p.phaseY);
    Store_Two_Phases(p.phaseX, p.phaseY, xgas, xsalt, ygas, ysalt);
}

bool Set_Up(Problem& p, PhaseFunction func, int EoS, int phaseX, int phaseY, double* bulk_gas,
            double* bulk_salt, int methode, double TK, double PMPa)
{
    p.func = func;
    p.EoS = EoS;
    p.phaseX = phaseX;
    p.phaseY = phaseY;
    p.methode = methode == 1 ? 1 : 0;
    p.T = TK;
    p.P = PMPa;
    double sum = 0.0;
    for (int i = 0; i < 10; ++i) sum += bulk_gas[i] > 0.0 ? bulk_gas[i] : 0.0;
    for (int i = 0; i < 10; ++i) p.z[i] = bulk_gas[i] > 0.0 && sum > 0.0 ? bulk_gas[i] / sum : 0.0;
    for (int j = 0; j < 5; ++j) p.salt[j] = bulk_salt != nullptr ? bulk_salt[j] : 0.0;
    return func != nullptr && sum > 0.0 && phaseX >= 0 && phaseX <= 9 && phaseY >= 0 && phaseY <= 9;
}

}  // namespace

double Stability_Test(PhaseFunction func, int EoS, int phaseX, int phaseY, double* bulk_gas,
                      double TK, double PMPa)
{
    Problem p;
    if (!Set_Up(p, func, EoS, phaseX, phaseY, bulk_gas, nullptr, 1, TK, PMPa)) return 0.0;
    Point pt;
    Trial trials[2];
    Test_Point(p, PMPa, pt, trials, false, nullptr);
    double tm = 0.0;
    if (pt.valid)
        for (const Trial& t : trials)
            if (t.valid && !t.trivial && t.tm < tm) tm = t.tm;
    return tm;
}

Stability_Result Stability_Analysis(PhaseFunction func, int EoS, int phaseX, int phaseY,
                                    double* bulk_gas, double* bulk_salt, int methode,
                                    double TK, double PMPa, int mode, double precision)
{
    const bool pressure = methode == 1;
    const bool want_bubble = mode != 1;
    Stability_Result r;
    r.outcome = pressure ? Stability_None_At_Temperature : Stability_None_At_Pressure;
    r.value = 0.0;
    Problem p;
    if (!Set_Up(p, func, EoS, phaseX, phaseY, bulk_gas, bulk_salt, methode, TK, PMPa)) return r;
    if (!(precision > 0.0)) precision = 1e-12;
    Snapshot saved;
    Transfer(phaseX, phaseY, saved, true);

    // Scan, with a state inserted where the stable root switches between two
    // stable neighbours.
    Point points[Max_Points];
    int n = 0;
    const int steps = pressure ? Pressure_Steps : Temperature_Steps;
    Trial trials[2];
    bool warm[2] = {false, false};
    for (int k = 0; k <= steps; ++k) {
        const double x = pressure
            ? Stability_Pmin * std::pow(Stability_Pmax / Stability_Pmin, double(k) / steps)
            : Stability_Tmin + (Stability_Tmax - Stability_Tmin) * k / steps;
        Point pt;
        Test_Point(p, x, pt, trials, true, warm);
        for (int t = 0; t < 2; ++t)
            warm[t] = pt.valid && trials[t].valid && !trials[t].trivial;
        if (!pt.valid) continue;
        if (n > 0) {
            const Point& last = points[n - 1];
            if (!last.unstable && !pt.unstable && Two_Roots(last.feed) && Two_Roots(pt.feed) &&
                last.feed.slot != pt.feed.slot) {
                Point sw;
                Trial fresh[2];
                Test_Point(p, Root_Switch(p, last.x, last.feed, x), sw, fresh, true, nullptr);
                if (sw.valid && sw.unstable) points[n++] = sw;
            }
        }
        points[n++] = pt;
    }

    // The changes between stable and unstable neighbours; those whose unstable
    // end shows an incipient phase of the asked kind (less dense than the feed
    // for a bubble point), or is a single unstable state between stable ones
    // (a narrow region: the feed's root there decides which trial shows the
    // instability), are refined in this order: a change whose stable side is the single-phase side of that
    // kind (above a bubble pressure, below a bubble temperature, the reverse
    // for dew points) first, then the outermost towards its stable side. The
    // first one that refines to a boundary of the asked kind is the result.
    int stable_end[Max_Points], unstable_end[Max_Points];
    bool tried[Max_Points];
    bool candidate[Max_Points];
    int nc = 0;
    bool any_unstable = false;
    for (int k = 0; k < n; ++k) {
        any_unstable = any_unstable || points[k].unstable;
        if (k == 0 || points[k].unstable == points[k - 1].unstable) continue;
        stable_end[nc] = points[k].unstable ? k - 1 : k;
        unstable_end[nc] = points[k].unstable ? k : k - 1;
        tried[nc] = false;
        const int u = unstable_end[nc];
        const bool single = (u == 0 || !points[u - 1].unstable) && (u == n - 1 || !points[u + 1].unstable);
        candidate[nc] = single || (want_bubble ? points[u].lighter : points[u].denser);
        ++nc;
    }
    for (;;) {
        int pick = -1;
        bool pick_normal = false;
        for (int c = 0; c < nc; ++c) {
            const Point& a = points[stable_end[c]];
            const Point& b = points[unstable_end[c]];
            if (tried[c] || !candidate[c]) continue;
            const bool normal = (b.x > a.x) == (pressure != want_bubble);
            const bool outer = pick >= 0 && (a.x > b.x ? b.x > points[unstable_end[pick]].x
                                                       : b.x < points[unstable_end[pick]].x);
            if (pick < 0 || (normal && !pick_normal) || (normal == pick_normal && outer)) {
                pick = c;
                pick_normal = normal;
            }
        }
        if (pick < 0) break;
        tried[pick] = true;
        Boundary found;
        const bool ok = Refine(p, points[stable_end[pick]].x, points[unstable_end[pick]].x, precision, found);
        if (!ok || found.bubble != want_bubble) continue;
        Store(p, found, bulk_gas, bulk_salt);
        r.value = found.x;
        r.outcome = want_bubble ? (pressure ? Stability_Bubble_Pressure : Stability_Bubble_Temperature)
                                : (pressure ? Stability_Dew_Pressure : Stability_Dew_Temperature);
        return r;
    }
    Transfer(phaseX, phaseY, saved, false);
    if (any_unstable)
        r.outcome = want_bubble ? (pressure ? Stability_No_Bubble_At_Temperature : Stability_No_Bubble_At_Pressure)
                                : (pressure ? Stability_No_Dew_At_Temperature : Stability_No_Dew_At_Pressure);
    return r;
}

const char* Stability_Words(const Stability_Result& result)
{
    switch (result.outcome) {
    case Stability_Bubble_Pressure:
    case Stability_Bubble_Temperature: return "bubble point at";
    case Stability_Dew_Pressure:
    case Stability_Dew_Temperature: return "dew point at";
    case Stability_None_At_Temperature: return "no two-phase region at this temperature";
    case Stability_None_At_Pressure: return "no two-phase region at this pressure";
    case Stability_No_Bubble_At_Temperature:
        return "no bubble point at this temperature; the two-phase region lies between two dew points";
    case Stability_No_Dew_At_Temperature:
        return "no dew point at this temperature; the two-phase region lies between two bubble points";
    case Stability_No_Bubble_At_Pressure:
        return "no bubble point at this pressure; the two-phase region lies between two dew points";
    case Stability_No_Dew_At_Pressure:
        return "no dew point at this pressure; the two-phase region lies between two bubble points";
    }
    return "";
}

void Stability_Report(const Stability_Result& result)
{
    std::cout.precision(6);
    std::cout << std::endl << "Stability analysis: " << Stability_Words(result);
    switch (result.outcome) {
    case Stability_Bubble_Pressure:
    case Stability_Dew_Pressure: std::cout << " " << result.value << " MPa"; break;
    case Stability_Bubble_Temperature:
    case Stability_Dew_Temperature: std::cout << " " << result.value << " K"; break;
    default: break;
    }
}

bool Stability_Boundary(const Stability_Result& result)
{
    switch (result.outcome) {
    case Stability_Bubble_Pressure:
    case Stability_Dew_Pressure:
    case Stability_Bubble_Temperature:
    case Stability_Dew_Temperature: return true;
    default: return false;
    }
}

namespace {

// A two-phase state at (TK, P): liquid x, vapour y, vapour amount fraction
// beta, molar volumes; the K-factors carried from one pressure to the next.
struct Flash_State {
    double K[10];
    double x[10], y[10];
    double beta, VX, VY;
};

// Rachford-Rice: the vapour amount fraction beta in (0, 1) with
// sum z (K - 1) / (1 + beta (K - 1)) = 0, by bisection; false without a root
// inside (all K on one side of 1).
bool Rachford_Rice(const double* z, const double* K, double& beta)
{
    auto g = [&](double b) {
        double sum = 0.0;
        for (int i = 0; i < 10; i++)
            if (z[i] > 0.0) sum += z[i] * (K[i] - 1.0) / (1.0 + b * (K[i] - 1.0));
        return sum;
    };
    if (!(g(0.0) > 0.0 && g(1.0) < 0.0)) return false;
    double a = 0.0, b = 1.0;
    for (int k = 0; k < 200 && b - a > 1e-15; k++) {
        const double m = 0.5 * (a + b);
        (g(m) > 0.0 ? a : b) = m;
    }
    beta = 0.5 * (a + b);
    return true;
}

// Two-phase flash at (TK, P) by successive substitution on ln K from the
// fugacity coefficients of the liquid (slot phaseX) and vapour (slot phaseY),
// accelerated every fifth step by the dominant-eigenvalue extrapolation of
// Crowe & Nishio (1975), which near a critical point saves most of the slow
// steps; false when it does not converge or falls onto one phase.
bool Flash_At(PhaseFunction func, int EoS, int phaseX, int phaseY, double* z, double TK, double P,
              Flash_State& f)
{
    double salt[5] = {0, 0, 0, 0, 0};
    double step[10] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, last_step[10];
    for (int it = 0; it < 300; it++) {
        if (!Rachford_Rice(z, f.K, f.beta)) return false;
        for (int i = 0; i < 10; i++) {
            f.x[i] = z[i] > 0.0 ? z[i] / (1.0 + f.beta * (f.K[i] - 1.0)) : 0.0;
            f.y[i] = f.K[i] * f.x[i];
        }
        f.VX = func(EoS, phaseX, f.x, salt, TK, P);
        f.VY = func(EoS, phaseY, f.y, salt, TK, P);
        if (!(f.VX > 0.0 && f.VY > 0.0)) return false;
        double change = 0.0;
        bool trivial = true;
        for (int i = 0; i < 10; i++) {
            last_step[i] = step[i];
            step[i] = 0.0;
            if (!(z[i] > 0.0)) continue;
            const double phiX = Gas_Record(i)->Coefficient[phaseX], phiY = Gas_Record(i)->Coefficient[phaseY];
            if (!(phiX > 0.0 && phiY > 0.0)) return false;
            const double K = phiX / phiY;
            step[i] = std::log(K / f.K[i]);
            change = std::max(change, std::fabs(step[i]));
            if (std::fabs(std::log(K)) > 1e-4) trivial = false;
            f.K[i] = K;
        }
        if (trivial) return false;
        if (change < 1e-11) return Rachford_Rice(z, f.K, f.beta) && std::fabs(f.VX - f.VY) > 0.1;
        if (it % 5 == 4) {
            // Steps shrinking by lambda each time add up to step lambda/(1 - lambda).
            double dot = 0.0, last = 0.0;
            for (int i = 0; i < 10; i++) {
                dot += step[i] * last_step[i];
                last += last_step[i] * last_step[i];
            }
            const double lambda = last > 0.0 ? dot / last : 0.0;
            if (lambda > 0.0 && lambda < 0.98) {
                for (int i = 0; i < 10; i++)
                    if (z[i] > 0.0) f.K[i] *= std::exp(step[i] * lambda / (1.0 - lambda));
            }
        }
    }
    return false;
}

double Mixture_Volume(const Flash_State& f)
{
    return (1.0 - f.beta) * f.VX + f.beta * f.VY;
}

}  // namespace

Stability_Split Stability_Flash(PhaseFunction func, int EoS, int phaseX, int phaseY, double* bulk_gas,
                                double* bulk_salt, double Vbulk, double TK)
{
    Stability_Split out{false, false, 0.0, 0.0};
    double z[10];
    double sum = 0.0;
    for (int i = 0; i < 10; i++) sum += bulk_gas[i] > 0.0 ? bulk_gas[i] : 0.0;
    if (!(sum > 0.0 && Vbulk > 0.0 && TK > 0.0)) return out;
    for (int i = 0; i < 10; i++) z[i] = bulk_gas[i] > 0.0 ? bulk_gas[i] / sum : 0.0;

    // The unstable pressure range: the first run of unstable points on the
    // scan, its ends refined by bisection on the sign of the tangent-plane
    // distance.
    auto unstable = [&](double P) { return Stability_Test(func, EoS, phaseX, phaseY, z, TK, P) < 0.0; };
    const double ratio = std::pow(Stability_Pmax / Stability_Pmin, 1.0 / Pressure_Steps);
    double Plo = 0.0, Phi = 0.0, previous = 0.0;
    for (int k = 0; k <= Pressure_Steps; k++) {
        const double P = Stability_Pmin * std::pow(ratio, k);
        if (unstable(P)) {
            if (Plo == 0.0) Plo = k == 0 ? P : previous;
            Phi = P;
        } else if (Plo != 0.0) {
            Phi = P;
            break;
        }
        previous = P;
    }
    if (Plo == 0.0) return out;
    out.two_phase = true;
    // Pressures just inside the range at both ends.
    for (int end = 0; end < 2; end++) {
        double a = end == 0 ? Plo : Phi;                                // stable side
        double b = end == 0 ? Plo * ratio : Phi / ratio;                // unstable side
        if (unstable(a)) continue;
        for (int k = 0; k < 60 && std::fabs(b - a) > 1e-9 * b; k++) {
            const double m = 0.5 * (a + b);
            (unstable(m) ? b : a) = m;
        }
        (end == 0 ? Plo : Phi) = b;
    }

    // The flash from the middle of the range outwards; the mixture volume
    // falls with the pressure, from the vapour-like end to the liquid-like one.
    Flash_State f;
    K_Wilson(TK, std::sqrt(Plo * Phi));
    for (int i = 0; i < 10; i++) f.K[i] = Kgas[i];
    double a = Plo, b = Phi;
    Flash_State fa = f, fb = f;
    bool ok_a = Flash_At(func, EoS, phaseX, phaseY, z, TK, std::sqrt(Plo * Phi), f);
    if (!ok_a) return out;
    fa = fb = f;
    ok_a = Flash_At(func, EoS, phaseX, phaseY, z, TK, a, fa);
    bool ok_b = Flash_At(func, EoS, phaseX, phaseY, z, TK, b, fb);
    // Where a flash at an end fails, the fluid there is one phase: its volume
    // bounds the split all the same.
    const double Va = ok_a ? Mixture_Volume(fa) : 1e300;
    const double Vb = ok_b ? Mixture_Volume(fb) : 0.0;
    if (!(Vbulk < Va && Vbulk > Vb)) return out;
    // Regula falsi (Illinois) on Vmix(P) - Vbulk between the ends, a bisection
    // step where the flash does not converge or the bracket shrinks slowly.
    double ga = ok_a ? Va - Vbulk : 0.0, gb = ok_b ? Vb - Vbulk : 0.0;
    double Pm = std::sqrt(a * b);
    int side = 0;
    for (int k = 0; k < 100 && (b - a) > 1e-12 * b; k++) {
        Pm = (ok_a && ok_b) ? b - gb * (b - a) / (gb - ga) : 0.5 * (a + b);
        if (!(Pm > a && Pm < b)) Pm = 0.5 * (a + b);
        Flash_State fm = f;
        if (!Flash_At(func, EoS, phaseX, phaseY, z, TK, Pm, fm)) {
            // Outside the converging range: step towards the middle.
            if (Pm < std::sqrt(Plo * Phi)) {
                a = Pm;
                ok_a = false;
            } else {
                b = Pm;
                ok_b = false;
            }
            continue;
        }
        f = fm;
        const double g = Mixture_Volume(f) - Vbulk;
        if (std::fabs(g) < 1e-12 * Vbulk) break;
        if (g > 0.0) {
            a = Pm;
            ga = g;
            ok_a = true;
            if (side == -1) gb *= 0.5;
            side = -1;
        } else {
            b = Pm;
            gb = g;
            ok_b = true;
            if (side == 1) ga *= 0.5;
            side = 1;
        }
    }
    // A split only where its two phases make up the bulk molar volume.
    if (!Flash_At(func, EoS, phaseX, phaseY, z, TK, Pm, f)) return out;
    if (!(std::fabs(Mixture_Volume(f) - Vbulk) < 1e-6 * Vbulk)) return out;

    // Both phases as the flash stores them; the salts stay as in the bulk.
    Molar_Volume[phaseX] = f.VX;
    Molar_Volume[phaseY] = f.VY;
    Store_Two_Phases(phaseX, phaseY, f.x, bulk_salt, f.y, bulk_salt);
    New_Kfactors(phaseX, phaseY);
    out.found = true;
    out.P = Pm;
    out.Fvol = f.beta * f.VY / Mixture_Volume(f);
    return out;
}

const char* Stability_Words(const Stability_Split& split)
{
    if (split.found) return "liquid-vapour split at";
    if (split.two_phase) return "no split of a fluid of this molar volume at this temperature";
    return "no two-phase region at this temperature";
}

void Stability_Report(const Stability_Split& split)
{
    std::cout.precision(6);
    std::cout << std::endl << "Stability analysis: " << Stability_Words(split);
    if (split.found) std::cout << " " << split.P << " MPa, volume fraction vapour " << split.Fvol;
}

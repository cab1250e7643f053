// Numerical solvers shared by the models: closed-form cubic roots, the choice
// of a real root, and a damped secant root finder.
#ifndef EQUATION_H
#define EQUATION_H

#include <cfloat>
#include <cmath>
#include <cstring>

// Residual function of the secant solver: x, two context arrays, two context
// doubles (as a rule composition, second composition, T in K, P or V).
typedef double (*SectantFunction)(double x, double* array1, double* array2, double c1, double c2);

// Roots of x^3 + p x^2 + q x + r = 0; a root is real when its imaginary part is 0.0.
// With one real root it is re1; with three, re3 >= re1 >= re2.
void Cubic_eq(double p, double q, double r, double* re1, double* re2, double* re3,
              double* im1, double* im2, double* im3);

// what = 0: the smallest real root; what = 2: the largest; 0.0 when complex.
double RealChoice3(int what, double re0, double re1, double re2, double im0, double im1,
                   double im2);

// The root RealChoice3 chooses, provided it lies above bmin (the covolume b of
// an equation of state: a root at or below b is no molar volume). Otherwise the
// smallest (what = 0) or largest (what = 2) real root above bmin; 0.0 when no
// real root exceeds bmin.
double RealChoiceAbove(int what, double bmin, double re1, double re2, double re3, double im1,
                       double im2, double im3);

// The inputs a table of constants was last formed from, compared bit for bit:
// Changed(now) is true, and keeps now, when the table must be formed anew.
// A search evaluates an equation of state many times at one temperature and
// composition; its tables then need forming once.
template <int N>
class Table_Inputs {
public:
    bool Changed(const double* now)
    {
        if (formed_ && std::memcmp(now, kept_, sizeof kept_) == 0) return false;
        std::memcpy(kept_, now, sizeof kept_);
        formed_ = true;
        return true;
    }

private:
    bool formed_ = false;
    double kept_[N];
};

struct Gas;

// The a_ij table of the Soave (1972) and the Peng & Robinson (1976) equations
// for the ten species records of the composition vector:
//   a_ii = alpha_i^2 Omega_a R^2 Tc_i^2/Pc_i, alpha_i = 1 + m_i (1 - sqrt(T/Tc_i)),
//   m_i = m0 + m1 w_i - m2 w_i^2, a_ij = sqrt(a_ii a_jj)(1 - k_ij) for i != j.
// Form(TK) forms it anew only when the temperature or a species' critical
// temperature, pressure or acentric factor has changed since the last time.
class Alpha_Table {
public:
    Alpha_Table(Gas* const* species, double Omega_a, double R, double m0, double m1, double m2,
                double (*kij)(int, int))
        : species_(species), Omega_a_(Omega_a), R_(R), m0_(m0), m1_(m1), m2_(m2), kij_(kij)
    {
    }
    void Form(double TK);
    double A[10][10];

private:
    Gas* const* species_;
    double Omega_a_, R_, m0_, m1_, m2_;
    double (*kij_)(int, int);
    Table_Inputs<31> inputs_;
};

// The damped secant iteration of RootSectant, driven from outside so that
// several searches can run side by side: Point() is where the residual is
// wanted next, Take(f) hands it over and returns true once the search has
// ended, Root() is then its result.
class Secant_Search {
public:
    Secant_Search(double x1, double x2, double accuracy, int maxit);
    Secant_Search() : Secant_Search(0.0, 0.0, 0.0, 0) {}
    double Point() const { return point_; }
    bool Take(double f);
    double Root() const { return root_; }

private:
    enum Stage { First, Second, Iterating, Ended_Stage };
    struct State {
        double previous, current, flow, fhigh, dx;
        bool operator==(const State& o) const
        {
            return previous == o.previous && current == o.current && flow == o.flow &&
                   fhigh == o.fhigh && dx == o.dx;
        }
    };
    void Step();
    void Finish(double root);

    Stage stage_ = First;
    double point_, first_, x2_, accuracy_;
    int maxit_;
    double damping_;
    double previous_ = 0.0, current_ = 0.0, flow_ = 0.0, fhigh_ = 0.0, dx_ = 0.0;
    bool flat_ = false;
    int j_ = 0;
    // Best point whose secant step was already at double resolution.
    double settled_ = 0.0, settled_residual_ = 0.0;
    bool have_settled_ = false;
    State snapshot_{0.0, 0.0, 0.0, 0.0, 0.0};
    int next_snapshot_ = 1;
    double root_ = 0.0;
};

inline void Secant_Search::Finish(double root)
{
    root_ = root;
    stage_ = Ended_Stage;
}

__attribute__((always_inline)) inline void Secant_Search::Step()
{
    ++j_;
    flat_ = false;
    if (fhigh_ == flow_ && fhigh_ != 0.0) {
        // Flat secant: no slope to follow, step half the last interval.
        flat_ = true;
        if (previous_ == current_)
            dx_ = dx_ * 2.0;
        else
            dx_ = (current_ - previous_) * 0.5;
    } else if (fhigh_ == 0.0) {
        // Already standing on an exact root (both residuals zero would give 0/0).
        dx_ = 0.0;
    } else {
        dx_ = damping_ * (previous_ - current_) * fhigh_ / (fhigh_ - flow_);
    }
    previous_ = current_;
    flow_ = fhigh_;
    current_ = current_ + dx_;
    // The iterate never becomes zero or negative: halve the previous point.
    if (current_ <= 0.0) current_ = (current_ - dx_) * 0.5;
    point_ = current_;
}

__attribute__((always_inline)) inline bool Secant_Search::Take(double f)
{
    if (stage_ == First) {
        flow_ = f;
        point_ = x2_;
        stage_ = Second;
        return false;
    }
    if (stage_ == Second) {
        fhigh_ = f;
        // The current point is the start value with the smaller residual.
        if (std::fabs(flow_) < std::fabs(fhigh_)) {
            current_ = first_;
            previous_ = x2_;
            const double swap = flow_;
            flow_ = fhigh_;
            fhigh_ = swap;
        } else {
            current_ = x2_;
            previous_ = first_;
        }
        dx_ = (current_ - previous_) * 0.5;
        stage_ = Iterating;
        if (maxit_ < 1) {
            Finish(0.0);
            return true;
        }
        Step();
        return false;
    }
    if (stage_ == Ended_Stage) return true;

    fhigh_ = f;
    if (current_ == 0.0 || std::fabs(dx_) > 1e300) {
        Finish(0.0);
        return true;
    }
    // A point that is no number has left the function's domain for good:
    // every later step would be NaN as well. End as running out would.
    bool out = !std::isfinite(current_);
    if (!out) {
        if (std::fabs(dx_ / current_) < accuracy_ || fhigh_ == 0.0) {
            Finish(current_);
            return true;
        }
        // Nor can a secant follow a residual that is not finite (an equation of
        // state evaluated where it has no value): end at once, not after maxit.
        out = !std::isfinite(fhigh_);
    }
    if (!out) {
        // A secant step at the resolution of a double: the residual is rounding
        // noise here. With an accuracy requested below double resolution the
        // iteration may go on hopping between neighbouring doubles without ever
        // meeting the relative-step test; such a point is remembered and returned
        // instead of a failure. Flat steps carry no slope and never qualify.
        if (!flat_ && std::fabs(dx_ / current_) <= 4.0 * DBL_EPSILON &&
            (!have_settled_ || std::fabs(fhigh_) < settled_residual_)) {
            settled_ = current_;
            settled_residual_ = std::fabs(fhigh_);
            have_settled_ = true;
        }
        // The iteration is deterministic: once its whole state repeats, it
        // cycles for ever and the tests above can no longer succeed. The state
        // is compared with a snapshot taken at iterations 1, 2, 4, 8, ...
        // (Brent's method), so a cycle of any length is seen soon after it
        // closes; the result is then the one the remaining iterations would
        // have returned.
        const State now{previous_, current_, flow_, fhigh_, dx_};
        if (j_ > 1 && now == snapshot_)
            out = true;
        else if (j_ == next_snapshot_) {
            snapshot_ = now;
            next_snapshot_ *= 2;
        }
    }
    if (out || j_ >= maxit_) {
        Finish(have_settled_ ? settled_ : 0.0);
        return true;
    }
    Step();
    return false;
}

// Damped secant iteration on func from the start values x1, x2; the damping
// factor follows from maxit (1 up to 1000, 0.5 up to 2000, 0.25 beyond).
// Returns the root, or 0.0 on failure. When the relative accuracy asked for is
// below double resolution and is never met, a point reached by a secant step of
// at most 4 DBL_EPSILON (relative) is returned instead of a failure. A residual
// or iterate that is not finite ends the iteration at once, with the result
// that running out of iterations would give.
double RootSectant(SectantFunction func, double x1, double x2, double* array1, double* array2,
                   double c1, double c2, double accuracy, int maxit);

// Volume roots of an equation of state P(V) at fixed temperature and
// composition. A root where dP/dV >= 0 is the middle, mechanically unstable
// root of a van der Waals loop: no phase exists there.
typedef double (*PressureOfVolume)(double Vcm, void* context);
bool Unstable_Root(PressureOfVolume pressure, void* context, double Vcm);

// The stable root of P(V) = PMPa on one side of the unstable root Vu: the
// liquid-like root below it (liquid) or the vapour-like root above it,
// bracketed by steps of 2 % away from Vu and refined by bisection; 0.0 when
// no root lies between Vmin and Vmax.
double Stable_Root(PressureOfVolume pressure, void* context, double PMPa, double Vu, bool liquid,
                   double Vmin, double Vmax);

#endif

// Numerical solvers shared by the models: closed-form cubic roots, the choice
// of a real root, and a damped secant root finder. No state, no output.
#include "Equation.h"

#include <cfloat>
#include <cmath>

#include "Numdef.h"

namespace {

// Roots of the reduced cubic t^3 + a t + b = 0 when a*b == 0, where the
// trigonometric and hyperbolic forms break down (division by a*m). Roots are
// returned unshifted, in the same order as the closed forms: the single real
// root first, or re3 >= re1 >= re2 when all three are real.
void Degenerate_cubic(double a, double b, double* re1, double* re2, double* re3, double* im1,
                      double* im2, double* im3) {
    bool bZero = (b == 0.0);
    if (!bZero && a != 0.0) {
        // The product underflowed although both are non-zero: keep the term that
        // dominates the root magnitudes, (|a|/3)^(3/2) against |b|/2.
        double ra = std::sqrt(std::fabs(a) / 3.0);
        bZero = (ra * ra * ra > 0.5 * std::fabs(b));
    }
    if (bZero) {
        // t (t^2 + a) = 0
        if (a < 0.0) {
            double t = std::sqrt(-a);
            *re3 = t;
            *re1 = 0.0;
            *re2 = -t;
            *im1 = *im2 = *im3 = 0.0;
        } else {
            double t = std::sqrt(a);  // 0 for the triple root
            *re1 = *re2 = *re3 = 0.0;
            *im1 = 0.0;
            *im3 = t;
            *im2 = -t;
        }
    } else {
        // t^3 = -b: the real cube root and the pair c (-1/2 +- i sqrt(3)/2)
        double c = std::cbrt(-b);
        *re1 = c;
        *im1 = 0.0;
        *re2 = *re3 = -0.5 * c;
        *im3 = 0.5 * std::sqrt(3.0) * std::fabs(c);
        *im2 = -*im3;
    }
}

// 'Better' root for the selector: strictly smaller for 0, strictly greater otherwise.
bool Better(int what, double x, double y) { return what == 0 ? x < y : x > y; }

}  // namespace

void Cubic_eq(double p, double q, double r, double* re1, double* re2, double* re3,
              double* im1, double* im2, double* im3) {
    // Reduced cubic t^3 + a t + b = 0 with x = t - p/3.
    double a = (3.0 * q - p * p) * 0.3333333333333333;
    double b = (2.0 * p * p * p - 9.0 * p * q + 27.0 * r) * 0.037037037037037035;
    double sqrt3 = std::sqrt(3.0);

    if (a * b == 0.0) {
        Degenerate_cubic(a, b, re1, re2, re3, im1, im2, im3);
    } else if (a > 0.0) {
        // One real root and a complex pair: hyperbolic-sine form.
        double m = 2.0 * std::sqrt(a / 3.0);
        double s = 3.0 * b / (a * m);
        double g = s + std::sqrt(s * s + 1.0);
        double u = std::pow(g, 0.3333333333333333);
        double w = std::pow(g, -0.3333333333333333);
        *re1 = -(m / 2.0) * (u - w);
        *im1 = 0.0;
        *re2 = *re3 = (m / 4.0) * (u - w);
        *im3 = (sqrt3 / 4.0) * m * (u + w);
        *im2 = -*im3;
    } else {
        double m = 2.0 * std::sqrt(-a / 3.0);
        double s = 3.0 * b / (2.0 * a * std::sqrt(-a / 3.0));
        if (s > 1.0 || s < -1.0) {
            // One real root and a complex pair: hyperbolic-cosine form.
            if (s > 1.0) {
                double g = s + std::sqrt(s * s - 1.0);
                double u = std::pow(g, 0.3333333333333333);
                double w = std::pow(g, -0.3333333333333333);
                *re3 = -(m / 4.0) * (u + w);
                *im3 = (sqrt3 / 4.0) * m * (u - w);
            } else {
                double g = -s + std::sqrt(s * s - 1.0);
                double u = std::pow(g, 0.3333333333333333);
                double w = std::pow(g, -0.3333333333333333);
                *re3 = (m / 4.0) * (u + w);
                *im3 = -(sqrt3 / 4.0) * m * (u - w);
            }
            *re2 = *re3;
            *im2 = -*im3;
            *re1 = -2.0 * *re3;
            *im1 = 0.0;
        } else {
            // Three real roots: trigonometric form; theta = arccos(s). The double
            // roots at s = +-1 are set directly, avoiding the division by zero.
            double theta;
            if (s == 1.0)
                theta = 0.0;
            else if (s == -1.0)
                theta = 3.141592653589793;
            else
                theta = 1.5707963267948966 - std::atan(s / std::sqrt(1.0 - s * s));
            *re3 = m * std::cos(theta / 3.0);
            *re2 = m * std::cos((theta + 6.283185307179586) / 3.0);
            *re1 = m * std::cos((theta + 12.566370614359172) / 3.0);
            *im1 = *im2 = *im3 = 0.0;
        }
    }

    double shift = p * 0.3333333333333333;
    *re1 = *re1 - shift;
    *re2 = *re2 - shift;
    *re3 = *re3 - shift;
}

double RealChoice3(int what, double re0, double re1, double re2, double im0, double im1,
                   double im2) {
    // Only the smallest (0) and the largest (2) root are defined choices.
    if (what != 0 && what != 2) return 0.0;
    const double real[3] = {re0, re1, re2};
    const double imag[3] = {im0, im1, im2};

    int i;
    if (Better(what, re0, re1) && im0 == 0.0) {
        i = 0;
    } else {
        i = 1;
        if (im1 != 0.0) i = 0;
    }
    int j;
    if (Better(what, re1, re2) && im1 == 0.0) {
        j = 1;
    } else {
        j = 2;
        if (im2 != 0.0) j = 1;
    }
    int k;
    if (Better(what, real[i], real[j]) && imag[i] == 0.0) {
        k = i;
    } else {
        k = j;
        if (imag[j] != 0.0) k = i;
    }
    return imag[k] == 0.0 ? real[k] : 0.0;
}

double RealChoiceAbove(int what, double bmin, double re1, double re2, double re3, double im1,
                       double im2, double im3) {
    double v = RealChoice3(what, re1, re2, re3, im1, im2, im3);
    if (v > bmin) return v;
    if (what != 0 && what != 2) return 0.0;

    // The chosen root is no molar volume: take the nearest real root above bmin
    // in the selector's direction.
    const double real[3] = {re1, re2, re3};
    const double imag[3] = {im1, im2, im3};
    double best = 0.0;
    bool found = false;
    for (int n = 0; n < 3; ++n) {
        if (imag[n] != 0.0 || !(real[n] > bmin)) continue;
        if (!found || Better(what, real[n], best)) {
            best = real[n];
            found = true;
        }
    }
    return found ? best : 0.0;
}

void Alpha_Table::Form(double TK)
{
    double inputs[31];
    for (int i = 0; i < 10; i++) {
        inputs[3 * i] = species_[i]->Tcrit;
        inputs[3 * i + 1] = species_[i]->Pcrit;
        inputs[3 * i + 2] = species_[i]->Acentric;
    }
    inputs[30] = TK;
    if (!inputs_.Changed(inputs)) return;
    for (int i = 0; i < 10; i++) {
        double Tc = species_[i]->Tcrit;
        double w = species_[i]->Acentric;
        double m = m0_ + m1_ * w - m2_ * w * w;
        double alpha = 1.0 + m * (1.0 - std::sqrt(TK / Tc));
        A[i][i] = alpha * alpha * Omega_a_ * R_ * R_ * Tc * Tc / species_[i]->Pcrit;
    }
    for (int i = 0; i < 10; i++)
        for (int j = 0; j < 10; j++)
            if (i != j) A[i][j] = std::sqrt(A[i][i] * A[j][j]) * (1.0 - kij_(i, j));
}

Secant_Search::Secant_Search(double x1, double x2, double accuracy, int maxit)
    : point_(x1), first_(x1), x2_(x2), accuracy_(accuracy), maxit_(maxit)
{
    // Step damping chosen by the caller through its iteration limit.
    if (maxit <= 1000)
        damping_ = 1.0;
    else if (maxit <= 2000)
        damping_ = 0.5;
    else
        damping_ = 0.25;
}


double RootSectant(SectantFunction func, double x1, double x2, double* array1, double* array2,
                   double c1, double c2, double accuracy, int maxit) {
    Secant_Search search(x1, x2, accuracy, maxit);
    while (!search.Take(func(search.Point(), array1, array2, c1, c2))) {
    }
    return search.Root();
}

bool Unstable_Root(PressureOfVolume pressure, void* context, double Vcm)
{
    const double h = 1e-6 * Vcm;
    return pressure(Vcm + h, context) - pressure(Vcm - h, context) >= 0.0;
}

double Stable_Root(PressureOfVolume pressure, void* context, double PMPa, double Vu, bool liquid,
                   double Vmin, double Vmax)
{
    // Leaving Vu towards the asked side, P - PMPa first takes the sign of the
    // loop (below PMPa on the liquid side, above on the vapour side) and
    // changes it at the stable root.
    const double factor = liquid ? 0.98 : 1.02;
    double near = Vu;
    for (;;) {
        const double far = near * factor;
        if (!(far >= Vmin && far <= Vmax)) return 0.0;
        const double f = pressure(far, context) - PMPa;
        if (!std::isfinite(f)) return 0.0;
        if (liquid ? f > 0.0 : f < 0.0) {
            double a = near, b = far;   // P - PMPa changes sign between them
            for (int k = 0; k < 200 && std::fabs(b - a) > 1e-15 * std::fabs(a); k++) {
                const double m = 0.5 * (a + b);
                const double fm = pressure(m, context) - PMPa;
                if (liquid ? fm > 0.0 : fm < 0.0)
                    b = m;
                else
                    a = m;
            }
            return 0.5 * (a + b);
        }
        near = far;
    }
}

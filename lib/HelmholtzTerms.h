// One term of a residual Helmholtz function alpha_r(tau, delta) of a pure fluid,
// added with its five partial derivatives to an accumulator of six sums:
//
//   sum[0] alpha_r          sum[3] d alpha_r / d delta
//   sum[1] d alpha_r / d tau    sum[4] d2 alpha_r / d delta2
//   sum[2] d2 alpha_r / d tau2  sum[5] d2 alpha_r / d delta d tau
//
// tau = Tc/T and delta = rho/rhoc are positive. The value v of the term is
// passed in, computed by the caller with the power function it uses; the
// derivatives follow from v by the product rule over the factors delta^d,
// tau^t and the exponential.
#ifndef HELMHOLTZTERMS_H
#define HELMHOLTZTERMS_H

namespace helmholtz {

// v = n delta^d tau^t exp(-g delta^l), with E = l g delta^l (so that
// delta d(ln v)/d delta = d - E). E = 0 gives the plain polynomial term.
static inline void Add_Exponential(double sum[6], double v, double d, double t, double l, double E,
                                   double tau, double delta)
{
    const double dd = d - E;  // delta d(ln v)/d delta
    sum[0] += v;
    sum[1] += v * t / tau;
    sum[2] += v * t * (t - 1.0) / (tau * tau);
    sum[3] += v * dd / delta;
    sum[4] += v * (dd * (dd - 1.0) - l * E) / (delta * delta);
    sum[5] += v * t * dd / (delta * tau);
}

// v = n delta^d tau^t exp(-alpha (delta - eps)^2 - beta (tau - gamma)^2).
static inline void Add_Gaussian(double sum[6], double v, double d, double t, double alpha,
                                double beta, double gamma, double eps, double tau, double delta)
{
    const double fd = d / delta - 2.0 * alpha * (delta - eps);  // d(ln v)/d delta
    const double ft = t / tau - 2.0 * beta * (tau - gamma);     // d(ln v)/d tau
    sum[0] += v;
    sum[1] += v * ft;
    sum[2] += v * (ft * ft - t / (tau * tau) - 2.0 * beta);
    sum[3] += v * fd;
    sum[4] += v * (fd * fd - d / (delta * delta) - 2.0 * alpha);
    sum[5] += v * fd * ft;
}

// The sum selected by `what` (0..5), 0.0 for any other value.
static inline double Select(const double sum[6], int what)
{
    return (what >= 0 && what <= 5) ? sum[what] : 0.0;
}

}  // namespace helmholtz

#endif

// Residual Helmholtz function and pressure of pure C2H6 after
// Friend, D.G., Ingham, H. and Ely, J.F. (1991), J. Phys. Chem. Ref. Data 20, 275-347.
#include "Friend.h"

#include <cmath>

#include "FriendCoefficients.h"
#include "HelmholtzTerms.h"

namespace {

// x^k for a small non-negative integer k, by repeated multiplication.
double Integer_Power(double x, int k)
{
    double p = 1.0;
    for (int j = 0; j < k; j++) p *= x;
    return p;
}

}  // namespace

double AResidual_Friend(int what, double tau, double delta)
{
    if (tau <= 0.0 || delta <= 0.0) return 0.0;

    double sum[6] = {0.0, 0.0, 0.0, 0.0, 0.0, 0.0};

    for (int i = 1; i <= friend_c2h6::Terms; i++) {
        const int r = friend_c2h6::r[i], c = friend_c2h6::c[i];
        const double s = friend_c2h6::s[i];
        const double dc = c > 0 ? Integer_Power(delta, c) : 0.0;  // F = exp(-delta^c), or 1
        const double v = friend_c2h6::n[i] * Integer_Power(delta, r) * std::pow(tau, s) * std::exp(-dc);
        helmholtz::Add_Exponential(sum, v, r, s, c, c * dc, tau, delta);
    }

    return helmholtz::Select(sum, what);
}

double Pressure_Friend(double TK, double Vcm)
{
    if (TK <= 0.0 || Vcm <= 0.0) return 0.0;
    const double Tc = 305.33;              // K
    const double Vc = 145.5604075691412;   // cm3/mol, rhoc = 6.87 mol/dm3
    const double R = 8.31451;              // J/(mol K)
    const double tau = Tc / TK;
    const double delta = Vc / Vcm;
    return R * TK / Vcm * (1.0 + delta * AResidual_Friend(3, tau, delta));
}

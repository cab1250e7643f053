// Residual Helmholtz function and pressure of pure CO2 after
// Span, R. and Wagner, W. (1996), J. Phys. Chem. Ref. Data 25, 1509-1596.
#include "Span.h"

#include <cmath>

#include "HelmholtzTerms.h"
#include "Numdef.h"
#include "SpanCoefficients.h"

double AResidual_Span(int what, double tau, double delta)
{
    if (tau <= 0.0 || delta <= 0.0) return 0.0;

    double sum[6] = {0.0, 0.0, 0.0, 0.0, 0.0, 0.0};

    // Polynomial terms.
    for (int i = 1; i <= 7; i++) {
        const double v = span::n[i] * std::pow(delta, span::d[i]) * std::pow(tau, span::t[i]);
        helmholtz::Add_Exponential(sum, v, span::d[i], span::t[i], 0.0, 0.0, tau, delta);
    }

    // Exponential terms, exp(-delta^c).
    for (int i = 8; i <= 34; i++) {
        const double dc = std::pow(delta, span::c[i]);
        const double v =
            span::n[i] * std::pow(delta, span::d[i]) * std::pow(tau, span::t[i]) * std::exp(-dc);
        helmholtz::Add_Exponential(sum, v, span::d[i], span::t[i], span::c[i], span::c[i] * dc, tau,
                                   delta);
    }

    // Gaussian bell-shaped terms of the critical region.
    for (int i = span::gauss::First; i <= 39; i++) {
        const int k = i - span::gauss::First + 1;
        const double alpha = span::gauss::alpha[k], beta = span::gauss::beta[k];
        const double gamma = span::gauss::gamma[k], eps = span::gauss::epsilon[k];
        const double v = span::n[i] * std::pow(delta, span::d[i]) * std::pow(tau, span::t[i]) *
                         std::exp(-alpha * (delta - eps) * (delta - eps) -
                                  beta * (tau - gamma) * (tau - gamma));
        helmholtz::Add_Gaussian(sum, v, span::d[i], span::t[i], alpha, beta, gamma, eps, tau, delta);
    }

    // Non-analytic terms n Delta^b delta psi. They are written with
    // s = (delta - 1)^2 so that every power of s has a positive exponent and
    // stays finite at delta = 1 (1/(2 beta) - 1 = 2/3, a - 1 >= 2).
    for (int i = span::nonanalytic::First; i <= span::Terms; i++) {
        const int k = i - span::nonanalytic::First + 1;
        const double a = span::nonanalytic::a[k], b = span::nonanalytic::b[k];
        const double beta = span::nonanalytic::beta[k];
        const double A = span::nonanalytic::A[k], B = span::nonanalytic::B[k];
        const double C = span::nonanalytic::C[k], D = span::nonanalytic::D[k];
        const double n = span::n[i];

        const double dm = delta - 1.0, tm = tau - 1.0;
        const double s = dm * dm;
        const double psi = std::exp(-C * s - D * tm * tm);
        if (psi == 0.0) continue;  // far from the critical point every part vanishes

        const double e = 1.0 / (2.0 * beta);
        const double se1 = std::pow(s, e - 1.0);  // s^(1/(2 beta) - 1)
        const double sa1 = std::pow(s, a - 1.0);  // s^(a - 1)
        const double theta = (1.0 - tau) + A * std::pow(s, e);
        const double Delta = theta * theta + B * std::pow(s, a);

        // Derivatives of Delta with respect to delta.
        const double g = A * theta * (2.0 / beta) * se1 + 2.0 * B * a * sa1;  // (dDelta/ddelta)/(delta - 1)
        const double Dd = dm * g;
        const double Ddd = g + 4.0 * B * a * (a - 1.0) * sa1 + 2.0 * A * A / (beta * beta) * se1 * se1 * s +
                           4.0 * A * theta * (e - 1.0) / beta * se1;

        // Delta^b and its derivatives. At the critical point itself
        // (delta = 1 and tau = 1) Delta = 0: Delta^b and its first derivatives
        // tend to 0 there, and so do d2/ddelta2 and d2/ddelta dtau, which are
        // therefore 0. d2(Delta^b)/dtau2 grows without bound like
        // |1 - tau|^(2b - 2); it is also taken as 0, so that the returned
        // d2 alpha_r/dtau2 at that single point is the finite sum of the other
        // terms.
        double Db = 0.0, Db_d = 0.0, Db_dd = 0.0, Db_t = 0.0, Db_tt = 0.0, Db_dt = 0.0;
        if (Delta > 0.0) {
            const double Db1 = std::pow(Delta, b - 1.0);
            const double Db2 = std::pow(Delta, b - 2.0);
            Db = std::pow(Delta, b);
            Db_d = b * Db1 * Dd;
            Db_dd = b * (Db1 * Ddd + (b - 1.0) * Db2 * Dd * Dd);
            Db_t = -2.0 * theta * b * Db1;
            Db_tt = 2.0 * b * Db1 + 4.0 * theta * theta * b * (b - 1.0) * Db2;
            Db_dt = -A * b * (2.0 / beta) * Db1 * dm * se1 - 2.0 * theta * b * (b - 1.0) * Db2 * Dd;
        }

        const double psi_d = -2.0 * C * dm * psi;
        const double psi_dd = (2.0 * C * s - 1.0) * 2.0 * C * psi;
        const double psi_t = -2.0 * D * tm * psi;
        const double psi_tt = (2.0 * D * tm * tm - 1.0) * 2.0 * D * psi;
        const double psi_dt = 4.0 * C * D * dm * tm * psi;

        sum[0] += n * Db * delta * psi;
        sum[1] += n * delta * (Db_t * psi + Db * psi_t);
        sum[2] += n * delta * (Db_tt * psi + 2.0 * Db_t * psi_t + Db * psi_tt);
        sum[3] += n * (Db * (psi + delta * psi_d) + Db_d * delta * psi);
        sum[4] += n * (Db * (2.0 * psi_d + delta * psi_dd) + 2.0 * Db_d * (psi + delta * psi_d) +
                       Db_dd * delta * psi);
        sum[5] += n * (Db * (psi_t + delta * psi_dt) + delta * Db_d * psi_t +
                       Db_t * (psi + delta * psi_d) + Db_dt * delta * psi);
    }

    return helmholtz::Select(sum, what);
}

double Pressure_Span(double TK, double Vcm)
{
    if (TK <= 0.0 || Vcm <= 0.0) return 0.0;
    const double Tc = 304.1282;                                       // K
    const double Vc = 1000.0 * CO2.Mole_Weight * 0.00213857998289136;  // cm3/mol, rhoc = 467.6 kg/m3
    const double R = 8.31451;                                         // J/(mol K)
    const double tau = Tc / TK;
    const double delta = Vc / Vcm;
    return R * TK / Vcm * (1.0 + delta * AResidual_Span(3, tau, delta));
}

// Residual Helmholtz function and pressure of pure CH4 after
// Setzmann, U. and Wagner, W. (1991), J. Phys. Chem. Ref. Data 20, 1061-1155.
#include "Setzmann.h"

#include <cmath>

#include "HelmholtzTerms.h"
#include "Numdef.h"
#include "SetzmannCoefficients.h"

double AResidual_Setzmann(int what, double tau, double delta)
{
    if (tau <= 0.0 || delta <= 0.0) return 0.0;

    double sum[6] = {0.0, 0.0, 0.0, 0.0, 0.0, 0.0};

    // Polynomial terms.
    for (int i = 1; i <= 13; i++) {
        const double v = setzmann::n[i] * std::pow(delta, setzmann::d[i]) * std::pow(tau, setzmann::t[i]);
        helmholtz::Add_Exponential(sum, v, setzmann::d[i], setzmann::t[i], 0.0, 0.0, tau, delta);
    }

    // Exponential terms, exp(-delta^c).
    for (int i = 14; i <= 36; i++) {
        const double dc = std::pow(delta, setzmann::c[i]);
        const double v = setzmann::n[i] * std::pow(delta, setzmann::d[i]) *
                         std::pow(tau, setzmann::t[i]) * std::exp(-dc);
        helmholtz::Add_Exponential(sum, v, setzmann::d[i], setzmann::t[i], setzmann::c[i],
                                   setzmann::c[i] * dc, tau, delta);
    }

    // Gaussian terms; all four are summed.
    for (int i = setzmann::gauss::First; i <= setzmann::Terms; i++) {
        const int k = i - setzmann::gauss::First + 1;
        const double alpha = setzmann::gauss::alpha[k], beta = setzmann::gauss::beta[k];
        const double gamma = setzmann::gauss::gamma[k], eps = setzmann::gauss::epsilon[k];
        const double v = setzmann::n[i] * std::pow(delta, setzmann::d[i]) *
                         std::pow(tau, setzmann::t[i]) *
                         std::exp(-alpha * (delta - eps) * (delta - eps) -
                                  beta * (tau - gamma) * (tau - gamma));
        helmholtz::Add_Gaussian(sum, v, setzmann::d[i], setzmann::t[i], alpha, beta, gamma, eps, tau,
                                delta);
    }

    return helmholtz::Select(sum, what);
}

double Pressure_Setzmann(double TK, double Vcm)
{
    if (TK <= 0.0 || Vcm <= 0.0) return 0.0;
    const double Tc = 190.564;                                         // K
    const double Vc = 1000.0 * CH4.Mole_Weight * 0.006147792942333702;  // cm3/mol, rhoc = 162.66 kg/m3
    const double R = 8.31451;                                          // J/(mol K)
    const double tau = Tc / TK;
    const double delta = Vc / Vcm;
    return R * TK / Vcm * (1.0 + delta * AResidual_Setzmann(3, tau, delta));
}

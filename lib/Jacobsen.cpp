// Residual Helmholtz function and pressure of pure N2 after
// Jacobsen, R.T., Stewart, R.B. and Jahangiri, M. (1986), J. Phys. Chem. Ref.
// Data 15, 735-909.
#include "Jacobsen.h"

#include <cmath>

#include "HelmholtzTerms.h"
#include "JacobsenCoefficients.h"

// Gas constant of the nitrogen equation, J/(mol K).
static const double Rjac = 8.31434;

double Real_Jacobsen(int what, double tau, double delta)
{
    if (tau <= 0.0 || delta <= 0.0) return 0.0;

    double sum[6] = {0.0, 0.0, 0.0, 0.0, 0.0, 0.0};

    const jacobsen::SlotArrays& s = jacobsen::slots;
    for (int i = 1; i < jacobsen::Slots; i++) {
        if (s.n[i] == 0.0) continue;
        const double gdl = s.g[i] * std::pow(delta, s.l[i]);  // g delta^l
        const double v = s.n[i] * std::pow(tau, s.t[i]) * std::pow(delta, s.d[i]) * std::exp(-gdl);
        helmholtz::Add_Exponential(sum, v, s.d[i], s.t[i], s.l[i], s.l[i] * gdl, tau, delta);
    }

    return helmholtz::Select(sum, what);
}

double Pressure_Jacobsen(double TK, double Vcm)
{
    if (TK <= 0.0 || Vcm <= 0.0) return 0.0;
    const double Tc = 126.193;             // K
    const double Vc = 89.46944618412812;   // cm3/mol, rhoc = 11.177 mol/dm3
    const double tau = Tc / TK;
    const double delta = Vc / Vcm;
    return Rjac * TK / Vcm * (1.0 + delta * Real_Jacobsen(3, tau, delta));
}

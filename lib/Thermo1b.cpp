// Gibbs energy from a heat-capacity polynomial:
//   G(T) = H0 - T S0 + int_T0^T Cp dT - T int_T0^T Cp/T dT,
// integrated in closed form term by term.
#include "Thermo1b.h"

#include <cmath>

double Gibbs_1b(double* parameter, double TK, double T0, double H0, double S0) {
    if (TK <= 0.0 || T0 <= 0.0) return 0.0;
    const double* p = parameter;
    const double T = TK;
    double G = H0 - T * S0;
    // Both integrals vanish at the reference temperature; return the exact
    // value there rather than the rounding residue of the closed forms.
    if (T == T0) return G;
    G += -p[0] * (T * std::log(T / T0) - T + T0);
    G += -p[1] * (2.0 * T / std::sqrt(T0) - 4.0 * std::sqrt(T) + 2.0 * std::sqrt(T0));
    G += -p[2] * (T / T0 - std::log(T / T0) - 1.0);
    G += -p[3] * (T / (2.0 * T0 * T0) + 1.0 / (2.0 * T) - 1.0 / T0);
    G += -p[4] * (T / (3.0 * T0 * T0 * T0) + 1.0 / (6.0 * T * T) - 1.0 / (2.0 * T0 * T0));
    G += -p[5] * (T / (4.0 * T0 * T0 * T0 * T0) + 1.0 / (12.0 * T * T * T) -
                  1.0 / (3.0 * T0 * T0 * T0));
    G += -p[6] * (4.0 / 3.0 * std::pow(T, 1.5) - 2.0 * T * std::sqrt(T0) +
                  2.0 / 3.0 * std::pow(T0, 1.5));
    G += -p[7] * (T0 * T0 / 2.0 + T * T / 2.0 - T * T0);
    G += -p[8] * (T * T * T / 6.0 - T * T0 * T0 / 2.0 + T0 * T0 * T0 / 3.0);
    G += -p[9] * (T * T * T * T / 12.0 - T * T0 * T0 * T0 / 3.0 + T0 * T0 * T0 * T0 / 4.0);
    return G;
}

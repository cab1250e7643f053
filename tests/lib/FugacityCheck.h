// Fugacity coefficients of a mixture from its pressure function alone, for
// checking an equation's analytic ln phi against its own P(T, V, n):
//   ln phi_i = (1/RT) integral_V^inf [(dP/dn_i)_{T,Vt,n_j} - RT/Vt] dVt - ln Z
// for one mole of composition y at molar volume V. The n_i derivative is a
// five-point central difference (step h mol) at fixed total volume; the volume integral is
// taken in u = V/Vt over (0, 1] by composite 16-point Gauss-Legendre.
#ifndef FUGACITY_CHECK_H
#define FUGACITY_CHECK_H

#include <cmath>
#include <functional>

// Pressure (MPa) of the amounts n[10] (mol) in the total volume Vt (cm3).
typedef std::function<double(const double* n, double Vt)> TotalPressure;

inline double LnPhiFromPressure(const TotalPressure& Ptot, const double* y, double R, double T,
                                double V, int i, double h = 1e-3) {
    static double node[16], weight[16];
    if (weight[0] == 0.0) {
        for (int k = 0; k < 16; k++) {
            double z = std::cos(3.141592653589793 * (k + 0.75) / 16.5), dp = 0;
            for (int it = 0; it < 100; it++) {
                double p0 = 1, p1 = z;
                for (int n = 2; n <= 16; n++) {
                    double p2 = ((2 * n - 1) * z * p1 - (n - 1) * p0) / n;
                    p0 = p1;
                    p1 = p2;
                }
                dp = 16 * (z * p1 - p0) / (z * z - 1);
                z -= p1 / dp;
            }
            node[k] = z;
            weight[k] = 2 / ((1 - z * z) * dp * dp);
        }
    }
    auto Pn = [&](double dn, double Vt) {
        double n[10];
        for (int j = 0; j < 10; j++) n[j] = y[j] + (j == i ? dn : 0.0);
        return Ptot(n, Vt);
    };
    const int pieces = 40;
    double integral = 0;
    for (int s = 0; s < pieces; s++) {
        for (int k = 0; k < 16; k++) {
            double u = (s + 0.5 + 0.5 * node[k]) / pieces, Vt = V / u;
            double dPdn =
                (-Pn(2 * h, Vt) + 8 * Pn(h, Vt) - 8 * Pn(-h, Vt) + Pn(-2 * h, Vt)) / (12 * h);
            integral += 0.5 / pieces * weight[k] * (dPdn - R * T / Vt) * V / (u * u);
        }
    }
    return integral / (R * T) - std::log(Ptot(y, V) * V / (R * T));
}

#endif

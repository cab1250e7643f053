// Coefficients of the residual Helmholtz function of water of
// Haar, L., Gallagher, J.S. and Kell, G.S. (1984), NBS/NRC Steam Tables,
// Hemisphere, Washington DC.
//
//   A_r = sum(i = 1..36)  (g_i/k_i) (Tc/T)^l_i (1 - exp(-rho))^k_i
//       + sum(i = 37..40) g_i delta_i^l_i exp(-alpha_i delta_i^k_i - beta_i tau_i^2)
//
// with rho in g/cm3, A_r in J/g, delta_i = (rho - rho_i)/rho_i and
// tau_i = (T - T_i)/T_i. For terms 37..40 k_i is the exponent of delta_i inside
// the exponential and l_i the power of delta_i in front of it.
//
// The arrays are const at namespace scope and so have internal linkage: every
// file that includes this header gets its own copy.
#ifndef HAAR84COEFFICIENTS_H
#define HAAR84COEFFICIENTS_H

namespace hgk {

// Reducing temperature of the residual and base functions, K.
const double Tc = 647.073;

const int Terms = 40;        // all terms
const int SeriesTerms = 36;  // terms 1..36 are the power series in (1 - exp(-rho))

// g_i, J/g (= MPa cm3/g), terms 1..40.
const double g[Terms] = {
    -530.62968529023,  2274.4901424408,  787.79333020687,  -69.830527374994,
    17863.832875422,   -39514.731563338, 33803.884280753,  -13855.050202703,
    -256374.36613260,  482125.75981415,  -341830.16969660, 122231.56417448,
    1179743.3655832,   -2173481.0110373, 1082995.2168620,  -254419.98064049,
    -3137777.4947767,  5291191.0757704,  -1380257.7177877, -251099.14369001,
    4656182.6115608,   -7275277.3275387, 417742.46148294,  1401635.8244614,
    -3155523.1392127,  4792966.6384584,  409126.64781209,  -1362636.9388386,
    696252.20862664,   -1083490.0096447, -227228.27401688, 383654.86000660,
    6883.3257944332,   21757.245522644,  -2662.7944829770, -70730.418082074,
    -0.225,            -1.68,            0.055,            -93.0};

constexpr int k[Terms] = {
    1, 1, 1, 1,  2, 2, 2, 2,  3, 3, 3, 3,  4, 4, 4, 4,  5, 5, 5, 5,
    6, 6, 6, 6,  7, 7, 7, 7,  9, 9, 9, 9,  3, 3, 1, 5,  2, 2, 2, 4};

constexpr int l[Terms] = {
    1, 2, 4, 6,  1, 2, 4, 6,  1, 2, 4, 6,  1, 2, 4, 6,  1, 2, 4, 6,
    1, 2, 4, 6,  1, 2, 4, 6,  1, 2, 4, 6,  0, 3, 3, 3,  0, 2, 0, 0};

// Terms 37..40 (index 0..3 here): the three near-critical terms and the
// low-temperature, high-density term.
constexpr double rho_i[4] = {0.319, 0.319, 0.319, 1.55};  // g/cm3
const double T_i[4] = {640.0, 640.0, 641.6, 270.0};        // K
const double alpha_i[4] = {34.0, 40.0, 30.0, 1050.0};
const double beta_i[4] = {20000.0, 20000.0, 40000.0, 25.0};

}  // namespace hgk

#endif

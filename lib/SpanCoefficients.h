// Coefficients of the residual Helmholtz function of carbon dioxide of
// Span, R. and Wagner, W. (1996), J. Phys. Chem. Ref. Data 25, 1509-1596,
// Table 31. Arrays are indexed by the term number i of the publication:
//
//   i =  1..7   n_i delta^d_i tau^t_i
//   i =  8..34  n_i delta^d_i tau^t_i exp(-delta^c_i)
//   i = 35..39  n_i delta^d_i tau^t_i exp(-alpha (delta - eps)^2 - beta (tau - gamma)^2)
//   i = 40..42  n_i Delta^b delta psi, the non-analytic terms of the critical region
//
// The Gaussian and non-analytic parameter sets are indexed 1..5 and 1..3 within
// their blocks (term 35 + k - 1 and 40 + k - 1). Index 0 is unused everywhere.
// The arrays are const at namespace scope and so have internal linkage.
#ifndef SPANCOEFFICIENTS_H
#define SPANCOEFFICIENTS_H

namespace span {

const int Terms = 42;

const double n[Terms + 1] = {
    0.0,
    // 1..7
    0.38856823203161, 2.9385475942740, -5.5867188534934, -0.76753199592477,
    0.31729005580416, 0.54803315897767, 0.12279411220335,
    // 8..34
    2.1658961543220, 1.5841735109724, -0.23132705405503, 0.058116916431436,
    -0.55369137205382, 0.48946615909422, -0.024275739843501, 0.062494790501678,
    -0.12175860225246, -0.37055685270086, -0.016775879700426, -0.11960736637987,
    -0.045619362508778, 0.035612789270346, -0.0074427727132052, -0.0017395704902432,
    -0.021810121289527, 0.024332166559236, -0.037440133423463, 0.14338715756878,
    -0.13491969083286, -0.023151225053480, 0.012363125492901, 0.0021058321972940,
    -3.3958519026368e-4, 0.0055993651771592, -3.0335118055646e-4,
    // 35..39
    -213.65488688320, 26641.569149272, -24027.212204557, -283.41603423999,
    212.47284400179,
    // 40..42
    -0.66642276540751, 0.72608632349897, 0.055068668612842};

// delta exponents, terms 1..39 (none for 40..42).
const int d[Terms + 1] = {
    0,
    1, 1, 1, 1, 2, 2, 3,
    1, 2, 4, 5, 5, 5, 6, 6, 6, 1, 1, 4, 4, 4, 7, 8, 2, 3, 3, 5, 5, 6, 7, 8, 10, 4, 8,
    2, 2, 2, 3, 3,
    0, 0, 0};

// tau exponents, terms 1..39.
const double t[Terms + 1] = {
    0.0,
    0.0, 0.75, 1.0, 2.0, 0.75, 2.0, 0.75,
    1.5, 1.5, 2.5, 0.0, 1.5, 2.0, 0.0, 1.0, 2.0, 3.0, 6.0, 3.0, 6.0, 8.0,
    6.0, 0.0, 7.0, 12.0, 16.0, 22.0, 24.0, 16.0, 24.0, 8.0, 2.0, 28.0, 14.0,
    1.0, 0.0, 1.0, 3.0, 3.0,
    0.0, 0.0, 0.0};

// exponents of delta in exp(-delta^c), terms 8..34.
const int c[Terms + 1] = {
    0,
    0, 0, 0, 0, 0, 0, 0,
    1, 1, 1, 1, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 2, 3, 3, 3, 4, 4, 4, 4, 4, 4, 5, 6,
    0, 0, 0, 0, 0,
    0, 0, 0};

// Gaussian terms 35..39 (k = 1..5).
namespace gauss {
const int First = 35;
const double alpha[6] = {0.0, 25, 25, 25, 15, 20};
const double beta[6] = {0.0, 325, 300, 300, 275, 275};
const double gamma[6] = {0.0, 1.16, 1.19, 1.19, 1.25, 1.22};
const double epsilon[6] = {0.0, 1, 1, 1, 1, 1};
}  // namespace gauss

// Non-analytic terms 40..42 (k = 1..3):
//   psi   = exp(-C (delta - 1)^2 - D (tau - 1)^2)
//   theta = (1 - tau) + A ((delta - 1)^2)^(1/(2 beta))
//   Delta = theta^2 + B ((delta - 1)^2)^a
namespace nonanalytic {
const int First = 40;
const double a[4] = {0.0, 3.5, 3.5, 3.0};
const double b[4] = {0.0, 0.875, 0.925, 0.875};
const double beta[4] = {0.0, 0.3, 0.3, 0.3};
const double A[4] = {0.0, 0.7, 0.7, 0.7};
const double B[4] = {0.0, 0.3, 0.3, 1.0};
const double C[4] = {0.0, 10.0, 10.0, 12.5};
const double D[4] = {0.0, 275, 275, 275};
}  // namespace nonanalytic

}  // namespace span

#endif

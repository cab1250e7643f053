// Coefficients of the residual Helmholtz function of methane of
// Setzmann, U. and Wagner, W. (1991), J. Phys. Chem. Ref. Data 20, 1061-1155.
// Arrays are indexed by the term number i of the publication:
//
//   i =  1..13  n_i delta^d_i tau^t_i
//   i = 14..36  n_i delta^d_i tau^t_i exp(-delta^c_i)
//   i = 37..40  n_i delta^d_i tau^t_i exp(-alpha (delta - eps)^2 - beta (tau - gamma)^2)
//
// The Gaussian parameter sets are indexed 1..4 within their block (term
// 37 + k - 1). Terms 38..40 (d = 0) nearly cancel one another. Index 0 is
// unused everywhere. The arrays are const at namespace scope and so have
// internal linkage.
#ifndef SETZMANNCOEFFICIENTS_H
#define SETZMANNCOEFFICIENTS_H

namespace setzmann {

const int Terms = 40;

const double n[Terms + 1] = {
    0.0,
    // 1..13
    0.04367901028, 0.6709236199, -1.765577859, 0.8582330241,
    -1.206513052, 0.5120467220, -4.000010791e-4, -0.01247842423,
    0.03100269701, 0.001754748522, -3.171921605e-6, -2.240346840e-6,
    2.947056156e-7,
    // 14..36
    0.1830487909, 0.1511883679, -0.4289363877, 0.06894002446,
    -0.01408313996, -0.03063054830, -0.02969906708, -0.01932040831,
    -0.1105739959, 0.09952548995, 0.008548437825, -0.06150555662,
    -0.04291792423, -0.01813207290, 0.03445904760, -0.002385919450,
    -0.01159094939, 0.06641693602, -0.02371549590, -0.03961624905,
    -0.01387292044, 0.03389489599, -0.002927378753,
    // 37..40
    9.324799946e-5, -6.287171518, 12.71069467, -6.423953466};

const int d[Terms + 1] = {
    0,
    1, 1, 1, 2, 2, 2, 2, 3, 4, 4, 8, 9, 10,
    1, 1, 1, 2, 4, 5, 6, 1, 2, 3, 4, 4, 3, 5, 5, 8, 2, 3, 4, 4, 4, 5, 6,
    2, 0, 0, 0};

const double t[Terms + 1] = {
    0.0,
    -0.5, 0.5, 1.0, 0.5, 1.0, 1.5, 4.5, 0.0, 1.0, 3.0, 1.0, 3.0, 3.0,
    0.0, 1.0, 2.0, 0.0, 0.0, 2.0, 2.0, 5.0, 5.0, 5.0, 2.0, 4.0,
    12.0, 8.0, 10.0, 10.0, 10.0, 14.0, 12.0, 18.0, 22.0, 18.0, 14.0,
    2.0, 0.0, 1.0, 2.0};

// exponents of delta in exp(-delta^c), terms 14..36.
const int c[Terms + 1] = {
    0,
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    1, 1, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 4, 4, 4,
    0, 0, 0, 0};

// Gaussian terms 37..40 (k = 1..4).
namespace gauss {
const int First = 37;
const double alpha[5] = {0.0, 20, 40, 40, 40};
const double beta[5] = {0.0, 200, 250, 250, 250};
const double gamma[5] = {0.0, 1.07, 1.11, 1.11, 1.11};
const double epsilon[5] = {0.0, 1, 1, 1, 1};
}  // namespace gauss

}  // namespace setzmann

#endif

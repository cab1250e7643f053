// Coefficients of the 32-term residual Helmholtz function of ethane of
// Friend, D.G., Ingham, H. and Ely, J.F. (1991), J. Phys. Chem. Ref. Data 20,
// 275-347. Arrays are indexed by the term number i of the publication; term i
// is n_i delta^r_i tau^s_i F_i with
//
//   i =  1..13  F = 1
//   i = 14..24  F = exp(-delta^2)
//   i = 25..32  F = exp(-delta^4)
//
// The delta exponents r are integers, the tau exponents s are not. Index 0 is
// unused. The arrays are const at namespace scope and so have internal linkage.
#ifndef FRIENDCOEFFICIENTS_H
#define FRIENDCOEFFICIENTS_H

namespace friend_c2h6 {

const int Terms = 32;

const double n[Terms + 1] = {
    0.0,
    // 1..13
    0.46215430560, -1.9236936387, 0.39878604003, 0.016054532372,
    0.12895242219, 0.035458320491, 0.034927844540, -0.011306183380,
    -0.039809032779, 8.3031936834e-4, 4.5921575183e-4, 1.7530287917e-7,
    -7.0919516126e-5,
    // 14..24
    -0.23436162249, 0.084574697645, 0.14861052010, -0.10016857867,
    -0.059264824388, -0.041263514217, 0.021855161869, -7.4552720958e-5,
    -0.0098859085572, 0.0010208416499, -5.2189655847e-4,
    // 25..32
    9.8592162030e-5, 0.046865140856, -0.019558011646, -0.046557161651,
    0.0032877905376, 0.13572090185, -0.10846471455, -0.0067502836903};

const int r[Terms + 1] = {
    0,
    1, 1, 1, 2, 2, 2, 3, 3, 3, 6, 7, 7, 8,
    1, 1, 2, 2, 3, 3, 5, 6, 7, 8, 10,
    2, 3, 3, 4, 4, 5, 5, 5};

const double s[Terms + 1] = {
    0.0,
    0.0, 1.5, 2.5, -0.5, 1.5, 2.0, 0.0, 1.0, 2.5, 0.0, 2.0, 5.0, 2.0,
    5.0, 6.0, 3.5, 5.5, 3.0, 7.0, 6.0, 8.5, 4.0, 6.5, 5.5,
    22.0, 11.0, 18.0, 11.0, 23.0, 17.0, 18.0, 23.0};

// exponent of delta in F = exp(-delta^c); 0 for F = 1.
const int c[Terms + 1] = {
    0,
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2,
    4, 4, 4, 4, 4, 4, 4, 4};

}  // namespace friend_c2h6

#endif

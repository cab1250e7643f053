// Coefficients of the residual Helmholtz function of nitrogen of
// Jacobsen, R.T., Stewart, R.B. and Jahangiri, M. (1986), J. Phys. Chem. Ref.
// Data 15, 735-909. Every term has the form
//
//   n tau^t delta^d exp(-g delta^l)
//
// with g = 0 (and l = 0) for the polynomial terms and g = 1 otherwise. The
// terms sit in numbered slots 1..99 of 100-slot arrays; a slot that holds no
// term has n = 0 and is skipped.
//
// Slot 50 carries n = -0.05032519699. With this sign the equation reproduces
// the published tables (e.g. 122 K, 3 MPa: 18.077 mol/dm3; with the opposite
// sign, 19.54).
//
// All objects are const at namespace scope and so have internal linkage.
#ifndef JACOBSENCOEFFICIENTS_H
#define JACOBSENCOEFFICIENTS_H

namespace jacobsen {

const int Slots = 100;
const int Terms = 28;

struct Term {
    int slot;
    double n;
    int d;
    double t;
    int l;
    double g;
};

// The 28 terms by slot: slot, n, d, t, l, g.
constexpr Term Table[Terms] = {
    {1, 0.9499541827, 1, 0.25, 0, 0},        {4, -2.049741504, 1, 1.0, 0, 0},
    {6, 0.2650110798, 1, 1.5, 0, 0},         {10, -0.3785445194, 1, 3.0, 0, 0},
    {15, 0.2481718513, 2, 0.25, 0, 0},       {16, -0.1748429008, 2, 0.5, 0, 0},
    {20, 0.07311459372, 2, 2.0, 0, 0},       {22, 0.1895290433, 2, 3.0, 0, 0},
    {24, -0.2046287122, 3, 0.25, 0, 0},      {25, 0.6387017148, 3, 0.5, 0, 0},
    {26, -0.5272986168, 3, 0.75, 0, 0},      {31, 0.05551383553, 4, 1.0, 0, 0},
    {32, -0.0281308071, 4, 2.0, 0, 0},       {33, -0.007001895093, 4, 3.0, 0, 0},
    {36, -0.0008191106396, 6, 1.0, 0, 0},    {37, 0.001659823569, 6, 2.0, 0, 0},
    {42, -0.04927710927, 1, 3.0, 3, 1},      {43, 0.1138121942, 1, 4.0, 3, 1},
    {50, -0.05032519699, 2, 1.0, 2, 1},      {51, 0.06012817812, 2, 2.0, 2, 1},
    {54, -0.09551409802, 2, 5.0, 2, 1},      {57, -0.01100721771, 2, 8.0, 4, 1},
    {63, -0.0001484600538, 2, 20.0, 4, 1},   {79, -0.005806483467, 3, 22.0, 3, 1},
    {80, 0.06512013679, 4, 4.0, 2, 1},       {82, 0.0211835414, 4, 6.0, 2, 1},
    {89, 0.0128443221, 4, 14.0, 4, 1},       {91, -0.0105447491, 4, 18.0, 4, 1}};

// The same terms spread over the 100 slots.
struct SlotArrays {
    double n[Slots];
    int d[Slots];
    double t[Slots];
    int l[Slots];
    double g[Slots];
};

constexpr SlotArrays Spread()
{
    SlotArrays s{};
    for (const Term& term : Table) {
        s.n[term.slot] = term.n;
        s.d[term.slot] = term.d;
        s.t[term.slot] = term.t;
        s.l[term.slot] = term.l;
        s.g[term.slot] = term.g;
    }
    return s;
}

constexpr SlotArrays slots = Spread();

}  // namespace jacobsen

#endif

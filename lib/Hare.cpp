// Density of liquid water at atmospheric pressure, ordinary and supercooled,
// from the polynomial fit of Hare, D.E. and Sorensen, C.M. (1987) in degrees
// Celsius, turned into a molar volume with the molar mass of the H2O record.
#include "Hare.h"

#include "Numdef.h"

double Volume_Hare(double TK) {
    double t = TK - 273.15;  // degrees C
    double t2 = t * t;
    double t3 = t2 * t;
    double t4 = t3 * t;
    double t5 = t4 * t;
    double t6 = t5 * t;
    double rho = 0.99986 + 6.69e-05 * t - 8.486e-06 * t2 + 1.518e-07 * t3 - 6.9484e-09 * t4 -
                 3.6449e-10 * t5 - 7.497e-12 * t6;  // g/cm3
    if (rho > 0.0) return H2O.Mole_Weight / rho;
    return 0.0;
}

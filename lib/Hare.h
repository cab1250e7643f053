// Molar volume of liquid water at atmospheric pressure down into the
// supercooled range, from the density polynomial of Hare & Sorensen (1987).
#ifndef HARE_H
#define HARE_H

// Molar volume, cm3/mol, at TK (K); 0.0 where the density polynomial is not
// positive. No temperature range is enforced.
double Volume_Hare(double TK);

#endif

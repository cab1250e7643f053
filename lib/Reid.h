// Critical constants of the gases (Reid, Prausnitz & Poling, The Properties of
// Gases and Liquids): writes Tcrit (K), Pcrit (MPa), Vcrit (cm3/mol) and the
// acentric factor into the 42 gas records. Saturation curves overwrite some of
// these fields with constants of their own; calling this restores them.
#ifndef REID_H
#define REID_H

void Reid_Constants();

#endif

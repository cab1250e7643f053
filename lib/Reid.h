// Critical constants of the gases (Reid, Prausnitz & Poling, The Properties of
// Gases and Liquids): writes Tcrit (K), Pcrit (MPa), Vcrit (cm3/mol) and the
// acentric factor into the 42 gas records. Saturation curves overwrite some of
// these fields with constants of their own; calling this restores them.
#ifndef REID_H
#define REID_H

void Reid_Constants();

// Whatever writes Tcrit, Pcrit, Vcrit or Acentric of a gas record calls this:
// the next Reid_Constants then writes the whole table again. Without it
// Reid_Constants finds the records as it left them and writes nothing.
void Critical_Constants_Changed();

#endif

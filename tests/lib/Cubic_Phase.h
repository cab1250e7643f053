// A phase function of the bubble/dew-point search's kind on the four cubic
// equations of state (48 Redlich & Kwong, 12 Chueh & Prausnitz, 55 Soave,
// 43 Peng & Robinson): slot 1 takes the vapour-like root, slot 2 the
// liquid-like one, and the fugacities go into the slot.
#ifndef CUBIC_PHASE_H
#define CUBIC_PHASE_H

#include "Chueh.h"
#include "Peng.h"
#include "Redlich.h"
#include "Soave.h"

inline double Cubic_Phase(int EoS, int phase, double* gas, double*, double T, double P)
{
    const int root = phase == 1 ? 2 : 0;
    double V = 0.0;
    switch (EoS) {
    case 12: if ((V = Volume_Chueh(root, gas, T, P)) > 0.0) Fugacity_Chueh(phase, gas, T, P, V); break;
    case 43: if ((V = Volume_Peng(root, gas, T, P)) > 0.0) Fugacity_Peng(phase, gas, T, P, V); break;
    case 48: if ((V = Volume_Redlich(root, gas, T, P)) > 0.0) Fugacity_Redlich(phase, gas, T, P, V); break;
    case 55: if ((V = Volume_Soave(root, gas, T, P)) > 0.0) Fugacity_Soave(phase, gas, T, P, V); break;
    }
    return V;
}

#endif

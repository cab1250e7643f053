#include "Reid.h"

#include "Numdef.h"

namespace {

void Critical(Gas& g, double Tc, double Pc, double Vc, double omega)
{
    g.Tcrit = Tc;
    g.Pcrit = Pc;
    g.Vcrit = Vc;
    g.Acentric = omega;
}

// True while the records hold the table below as Reid_Constants wrote it.
// Every equation of state that works from these constants restores them at
// each evaluation; the table is written again only after something changed it.
bool intact = false;

}  // namespace

void Critical_Constants_Changed()
{
    intact = false;
}

// Critical temperature (K), pressure (MPa), volume (cm3/mol) and acentric
// factor, from the compilation of Reid, Prausnitz & Poling (1987).
void Reid_Constants()
{
    if (intact) return;
    Critical(H2O, 647.3, 22.05, 56.0, 0.344);
    Critical(CO2, 304.2, 7.38, 94.0, 0.225);
    Critical(CH4, 190.6, 4.6, 99.0, 0.008);
    Critical(N2, 126.2, 3.37, 89.5, 0.04);
    Critical(C2H6, 305.4, 4.88, 148.0, 0.098);
    Critical(H2S, 373.2, 8.94, 98.5, 0.1);
    Critical(NH3, 405.6, 11.28, 72.5, 0.25);
    Critical(H2, 33.2, 1.3, 65.0, -0.22);
    Critical(O2, 154.6, 5.05, 73.4, 0.021);
    Critical(CO, 132.9, 3.5, 93.1, 0.049);
    Critical(Ar, 150.8, 4.87, 74.9, -0.004);
    Critical(He, 5.19, 0.227, 57.3, -0.387);
    Critical(Propane, 369.8, 4.24, 203.0, 0.152);
    Critical(Butane, 425.2, 3.8, 225.0, 0.193);
    Critical(Pentane, 469.6, 3.37, 304.0, 0.251);
    Critical(Hexane, 507.4, 2.97, 370.0, 0.296);
    Critical(Heptane, 540.2, 2.74, 432.0, 0.351);
    Critical(Octane, 568.8, 2.48, 492.0, 0.394);
    Critical(Nonane, 594.6, 2.28, 548.0, 0.444);
    Critical(Decane, 617.6, 2.08, 603.0, 0.49);
    Critical(isoButane, 408.1, 3.65, 263.0, 0.176);
    Critical(isoPentane, 460.4, 3.38, 306.0, 0.227);
    Critical(neoPentane, 433.8, 3.2, 303.0, 0.197);
    Critical(Ethene, 282.4, 5.04, 129.0, 0.085);
    Critical(Propene, 365.0, 4.62, 181.0, 0.148);
    Critical(Butene_1, 419.6, 4.02, 240.0, 0.187);
    Critical(Pentene_1, 464.7, 4.0, 300.0, 0.245);
    Critical(Hexene_1, 504.0, 3.13, 350.0, 0.285);
    Critical(Heptene_1, 537.2, 2.8, 440.0, 0.358);
    Critical(Octene_1, 566.6, 2.59, 464.0, 0.386);
    Critical(Nonene_1, 592.0, 2.31, 580.0, 0.43);
    Critical(Decene_1, 615.0, 2.18, 650.0, 0.491);
    Critical(Ethyne, 308.3, 6.14, 113.0, 0.184);
    Critical(Propyne, 402.4, 5.55, 164.0, 0.218);
    Critical(Butyne_1, 463.7, 4.65, 220.0, 0.05);
    Critical(Pentyne_1, 493.4, 4.0, 278.0, 0.164);
    Critical(cycloPropane, 397.8, 5.49, 170.0, 0.264);
    Critical(cycloButane, 459.9, 4.98, 210.0, 0.209);
    Critical(cycloPentane, 511.6, 4.45, 260.0, 0.192);
    Critical(cycloHexane, 553.4, 4.07, 308.0, 0.213);
    Critical(cycloHeptane, 589.0, 3.67, 390.0, 0.336);
    Critical(Benzene, 562.1, 4.89, 259.0, 0.212);
    intact = true;
}

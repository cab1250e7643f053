// Values of the library's equations of state on a dense grid of states, printed
// as hexadecimal floating point (%a), one labelled line per value. Two dumps of
// the same grid, one built from the library before a change and one after,
// compare byte for byte when the change leaves every value bit-identical; the
// compare mode reports the largest relative change per function otherwise.
//
// Not part of the build (the library alone is needed):
//   g++ -O2 -std=c++17 -Ilib tools/eos_dump.cpp build/default/libfithermo.a -o /tmp/eos_dump
//   /tmp/eos_dump > before.txt          (library before the change)
//   /tmp/eos_dump > after.txt           (library after it)
//   /tmp/eos_dump compare before.txt after.txt
//
// The grid walks composition, then temperature, then volume or pressure, and
// interleaves the models and the saturation curves (which overwrite critical
// constants of the gas records), so that anything a model keeps from one call
// to the next is exercised with changing inputs.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "Chueh.h"
#include "Duan92.h"
#include "Duan96.h"
#include "Elecsol.h"
#include "Haar84.h"
#include "Langmuir.h"
#include "Lee.h"
#include "Lvequil.h"
#include "Numdef.h"
#include "Peng.h"
#include "Redlich.h"
#include "Saturati.h"
#include "Soave.h"

namespace {

void Out(const char* label, double v) { std::printf("%s %a\n", label, v); }

void Out_State(const char* what, int c, double T, double x, double v)
{
    std::printf("%s c%d T%a x%a %a\n", what, c, T, x, v);
}

// Fugacity coefficients and fugacities of the first ten gases in `phase`,
// and the critical constants the models read from the records.
void Out_Records(const char* what, int c, double T, double x, int phase)
{
    Gas* const g[10] = {&H2O, &CO2, &CH4, &N2, &C2H6, &H2S, &NH3, &H2, &O2, &CO};
    std::printf("%s c%d T%a x%a", what, c, T, x);
    for (Gas* s : g) std::printf(" %a %a", s->Coefficient[phase], s->Fugacity[phase]);
    for (Gas* s : g) std::printf(" %a %a %a %a", s->Tcrit, s->Pcrit, s->Vcrit, s->Acentric);
    std::printf("\n");
}

std::vector<double> Log_Grid(double from, double to, int n)
{
    std::vector<double> v;
    for (int i = 0; i < n; i++) v.push_back(from * std::pow(to / from, i / double(n - 1)));
    return v;
}

int Dump()
{
    std::vector<std::vector<double>> comps = {
        {0, 1, 0, 0, 0, 0, 0, 0, 0, 0},
        {0, 0, 1, 0, 0, 0, 0, 0, 0, 0},
        {1, 0, 0, 0, 0, 0, 0, 0, 0, 0},
        {0, 0.8, 0.2, 0, 0, 0, 0, 0, 0, 0},
        {0.9, 0.1, 0, 0, 0, 0, 0, 0, 0, 0},
        {0.85, 0.1, 0.05, 0, 0, 0, 0, 0, 0, 0},
        {0, 0.8, 0.15, 0.05, 0, 0, 0, 0, 0, 0},
        {0, 0.6, 0.2, 0.1, 0.1, 0, 0, 0, 0, 0},
        {0.02, 0.80, 0.15, 0.02, 0, 0.01, 0, 0, 0, 0},
        {2, 1, 0.5, 0, 0, 0, 0, 0, 0, 0},
        {0.7, 0, 0, 0, 0, 0.3, 0, 0, 0, 0},
        {0, 0, 0, 1, 0, 0, 0, 0, 0, 0},
        {0.3, 0.3, 0.2, 0.1, 0.05, 0.05, 0, 0, 0, 0},
        {0.95, 1e-9, 0.05, 0, 0, 0, 0, 0, 0, 0},
        {0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    };
    // Temperatures across every range bound of the interaction factors.
    std::vector<double> Ts;
    for (double T = 232.0; T <= 700.0; T += 11.3) Ts.push_back(T);
    for (double b : {273.15, 298.15, 304.15, 360.15, 363.15, 373.15, 384.15, 495.15, 498.15,
                     513.15, 519.15, 593.15, 623.15, 643.15}) {
        Ts.push_back(b);
        Ts.push_back(std::nextafter(b, 0.0));
    }
    const std::vector<double> Vs = Log_Grid(9.0, 5000.0, 37);
    const std::vector<double> Ps = Log_Grid(0.05, 300.0, 19);

    for (std::size_t c = 0; c < comps.size(); c++) {
        double* x = comps[c].data();
        for (std::size_t t = 0; t < Ts.size(); t++) {
            const double T = Ts[t];
            const bool fine = t % 3 == 0;  // the volume searches on every third temperature
            for (std::size_t v = 0; v < Vs.size(); v++) {
                const double V = Vs[v];
                Out_State("P92", c, T, V, Pressure_Duan92(x, T, V));
                Out_State("Z92", c, T, V, Modified_LK(1, x, T, V));
                Out_State("P96", c, T, V, Pressure_Duan96(x, T, V));
                Out_State("PSo", c, T, V, Pressure_Soave(x, T, V));
                Out_State("PRK", c, T, V, Pressure_Redlich(x, T, V));
                Out_State("PPR", c, T, V, Pressure_Peng(x, T, V));
                Out_State("PCP", c, T, V, Pressure_Chueh(x, T, V));
                if (c == 0 && v % 4 == 0) CO2_Psat(T);  // overwrites CO2's critical constants
                Fugacity_Duan92(v % 3 == 0 ? 1 : 2, x, 0.3, T, 10.0, V);
                Out_Records("F92", int(c), T, V, v % 3 == 0 ? 1 : 2);
                if (fine && v % 3 == 0) {
                    Out_State("PLK", c, T, V, Pressure_Lee(0.5, x, T, V));
                    Fugacity_Lee(2, x, T, 8.0, V);
                    Out_Records("FLK", int(c), T, V, 2);
                }
            }
            if (!fine) continue;
            for (std::size_t p = 0; p < Ps.size(); p++) {
                const double P = Ps[p];
                const double V92 = Volume_Duan92(p % 2 ? 25.0 : 300.0, x, T, P);
                Out_State("V92", c, T, P, V92);
                if (V92 > 0.0) {
                    Fugacity_Duan92(1, x, 0.0, T, P, V92);
                    Out_Records("G92", int(c), T, P, 1);
                }
                const double V96 = Volume_Duan96(p % 2 ? 40.0 : 500.0, x, T, P);
                Out_State("V96", c, T, P, V96);
                if (V96 > 0.0) {
                    Fugacity_Duan96(2, x, T, P, V96);
                    Out_Records("G96", int(c), T, P, 2);
                }
                const double VLK = Volume_Lee(p % 2 ? 30.0 : 1000.0, x, T, P);
                Out_State("VLK", c, T, P, VLK);
                if (VLK > 0.0) {
                    Fugacity_Lee(1, x, T, P, VLK);
                    Out_Records("GLK", int(c), T, P, 1);
                }
                if (c == 1 && p % 3 == 0) CH4_Tsat(1, P);  // overwrites CH4's
                for (int sel : {0, 2}) {
                    const double VSo = Volume_Soave(sel, x, T, P);
                    Out_State(sel ? "VSo2" : "VSo0", c, T, P, VSo);
                    if (VSo > 0.0) Fugacity_Soave(1, x, T, P, VSo);
                    Out_Records("GSo", int(c), T, P, 1);
                    const double VPR = Volume_Peng(sel, x, T, P);
                    Out_State(sel ? "VPR2" : "VPR0", c, T, P, VPR);
                    if (VPR > 0.0) Fugacity_Peng(2, x, T, P, VPR);
                    Out_Records("GPR", int(c), T, P, 2);
                    const double VRK = Volume_Redlich(sel, x, T, P);
                    Out_State(sel ? "VRK2" : "VRK0", c, T, P, VRK);
                    const double VCP = Volume_Chueh(sel, x, T, P);
                    Out_State(sel ? "VCP2" : "VCP0", c, T, P, VCP);
                    if (VCP > 0.0) Fugacity_Chueh(1, x, T, P, VCP);
                    Out_Records("GCP", int(c), T, P, 1);
                }
                K_Wilson(T, P);
                for (double k : Kgas) Out_State("KW", c, T, P, k);
            }
        }
    }

    // Water: Helmholtz function, pressure, volume searches, fugacity.
    for (double T = 240.0; T <= 720.0; T += 6.1) {
        for (double V : Log_Grid(11.0, 3000.0, 41)) {
            Out_State("AB1", 0, T, V, ABase(1, T, V));
            Out_State("AB4", 0, T, V, ABase(4, T, V));
            Out_State("AR1", 0, T, V, AResidual(1, T, V));
            Out_State("AR4", 0, T, V, AResidual(4, T, V));
            Out_State("PH", 0, T, V, Pressure_Haar84(T, V));
        }
        for (double P : Log_Grid(0.1, 400.0, 17)) {
            for (double first : {17.5, 18.0, 25.0}) {
                const double V = Volume_Haar84(first, T, P);
                Out_State("VH", 0, T, P + first, V);
                if (V > 0.0) {
                    Fugacity_Haar84(7, T, P, V);
                    Out_State("GH", 0, T, P, H2O.Coefficient[7]);
                }
            }
        }
    }
    // Electrolyte: osmotic coefficient with the water density.
    for (double T = 250.0; T <= 330.0; T += 4.7) {
        for (double P : {0.1, 5.0, 40.0, 120.0}) {
            double m[10] = {1.2, 0.3, 0.2, 0.1, 0, 0, 0, 0, 0, 0};
            Out_State("OC", 0, T, P, Osmotic_Coefficient(0, T, P, m));
        }
    }
    // A few states twice over, the second time after other states: whatever a
    // model keeps from earlier calls must give the values of a first call.
    for (int pass = 0; pass < 2; pass++) {
        for (int c : {3, 6, 7, 12}) {
            double* x = comps[c].data();
            for (double T : {260.0, 280.5, 300.0}) {
                for (double P : {2.0, 8.0, 30.0}) {
                    for (double first : {30.0, 1000.0}) {
                        const double V = Volume_Lee(first, x, T, P);
                        Out_State(pass ? "RLK1" : "RLK0", c, T, P + first, V);
                        if (V > 0.0) {
                            Fugacity_Lee(first > 100.0 ? 1 : 2, x, T, P, V);
                            Out_Records("RGL", c, T, P, first > 100.0 ? 1 : 2);
                        }
                    }
                    Out_State("R92", c, T, P, Volume_Duan92(100.0, x, T, P));
                    Out_State("R96", c, T, P, Volume_Duan96(100.0, x, T, P));
                }
            }
        }
    }
    // Clathrate cells: potentials, Langmuir constants, water in the filled lattice.
    const double kihara[4][3] = {{174.45, 365.85e-12, 34.025e-12}, {157.73, 355.48e-12, 19.17e-12},
                                 {124.51, 349.17e-12, 0.0}, {176.81, 380.3e-12, 28.26e-12}};
    for (int phase = 3; phase <= 5; phase++) {
        for (double T = 250.0; T <= 322.0; T += 7.7) {
            for (double P : {0.5, 5.0, 50.0, 150.0}) {
                for (int cavity = 0; cavity <= 2; cavity++) {
                    for (const auto& k : kihara) {
                        const double eps = k[0] * 1.380658e-23;
                        Out_State("LC", phase * 10 + cavity, T, P, Langmuir(phase, cavity, T, P, eps, k[1], k[2]));
                        for (double r : {0.0, 1e-11, 1.2e-10, 2.9e-10})
                            Out_State("CP", phase * 10 + cavity, T, r, CellPot(phase, cavity, T, P, r, eps, k[1], k[2]));
                    }
                }
                for (std::size_t c : {0u, 3u, 6u, 7u}) {
                    double fuga[10] = {0, 0.6 * P, 0.3 * P, 0.1 * P, 0.05 * P, 0, 0, 0, 0, 0};
                    for (double Vgas : {40.0, 200.0, 400.0}) {
                        Out_State("HP", int(c), T, P + Vgas, HydratePotential(phase, comps[c].data(), T, P, Vgas, fuga));
                        Out_Records("HR", int(c), T, P, phase);
                        Gas* const g[5] = {&H2O, &CO2, &CH4, &N2, &C2H6};
                        for (Gas* s : g) Out_State("HX", int(c), T, P, s->Molefraction[phase]);
                    }
                }
            }
        }
    }
    Out("Drie-8", Drie(-8.0));
    Out("Drie0.3", Drie(0.3));
    return 0;
}

// Largest relative change per label between two dumps of the same grid.
int Compare(const char* a, const char* b)
{
    std::ifstream fa(a), fb(b);
    std::string la, lb;
    std::map<std::string, double> worst;
    long lines = 0, differ = 0;
    while (std::getline(fa, la) && std::getline(fb, lb)) {
        lines++;
        if (la == lb) continue;
        differ++;
        std::istringstream sa(la), sb(lb);
        std::string label, wa, wb;
        sa >> label;
        sb >> wb;
        while (sa >> wa && sb >> wb) {
            if (wa == wb) continue;
            const double va = std::strtod(wa.c_str(), nullptr);
            const double vb = std::strtod(wb.c_str(), nullptr);
            double rel = va == vb ? 0.0 : std::fabs(va - vb) / std::max(std::fabs(va), std::fabs(vb));
            if (!(rel >= 0.0)) rel = INFINITY;  // one of them not a number
            worst[label] = std::max(worst[label], rel);
        }
    }
    const bool same_length = !std::getline(fa, la) && !std::getline(fb, lb);
    std::printf("%ld lines, %ld differ%s\n", lines, differ, same_length ? "" : ", lengths differ");
    for (const auto& w : worst) std::printf("  %-6s largest relative change %.3g\n", w.first.c_str(), w.second);
    return differ == 0 && same_length ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && std::strcmp(argv[1], "compare") == 0) return Compare(argv[2], argv[3]);
    return Dump();
}

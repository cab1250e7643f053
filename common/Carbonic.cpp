#include "Carbonic.h"

#include <iostream>

#include "Inclusion.h"
#include "Lvequil.h"
#include "Melting.h"
#include "Numdef.h"
#include "Saturati.h"

using std::cout;
using std::endl;

int Pure_Gas()
{
    for (int i = 1; i <= 4; i++) {
        if (Raman[i] == 1.0) return i;
    }
    return 0;
}

const Pure_Fluid& Pure_Fluid_Of(int gas)
{
    static const Pure_Fluid fluids[4] = {
        {&CO2, CO2_Tsat, CO2_Psat, CO2_Vsat},
        {&CH4, CH4_Tsat, CH4_Psat, CH4_Vsat},
        {&N2, N2_Tsat, N2_Psat, N2_Vsat},
        {&C2H6, C2H6_Tsat, C2H6_Psat, C2H6_Vsat},
    };
    return fluids[gas >= 1 && gas <= 4 ? gas - 1 : 0];
}

const char* Pure_Gas_Equation(int gas)
{
    static const char* const lines[4] = {
        "\tDuschek et al. (1990) : pure CO2",
        "\tSetzmann & Wagner (1991) : pure CH4",
        "\tJacobsen et al. (1986) : pure N2",
        "\tFriend et al. (1991) : pure C2H6",
    };
    return lines[gas >= 1 && gas <= 4 ? gas - 1 : 0];
}

int Pure_Gas_EoS(int gas)
{
    static const int numbers[4] = {20, 53, 33, 22};
    return gas >= 1 && gas <= 4 ? numbers[gas - 1] : 0;
}

void Pure_Gas_Homogenisation(int gas, int mean, int mode, double& T, double& P, double& V,
                             double& D)
{
    const Pure_Fluid& fluid = Pure_Fluid_Of(gas);
    if (mean == 1 || mean == 2) {
        T = fluid.Tsat(2, V);
        P = fluid.Psat(T);
        return;
    }
    if (mean == 4) T = fluid.Tsat(1, P);
    if (mean == 3) P = fluid.Psat(T);
    V = fluid.Vsat(mode, T);
    // Outside the two-phase range there is no saturated volume (0): no
    // density either, rather than a division by zero.
    D = V > 0 ? fluid.gas->Mole_Weight / V : 0.0;
}

void Print_Pure_Gas_Homogenisation(const char* heading, const char* indent, double T, double P,
                                   double V, double D)
{
    cout << endl << heading << endl;
    cout << endl << indent << "Temperature = " << T << " K";
    cout << endl << indent << "Pressure = " << P << " MPa";
    cout << endl << indent << "Molar Volume = " << V << " cc/mol";
    cout << endl << indent << "Density = " << D << " g/cc";
}

void Mixture_Homogenisation(int mean, int mode, double& T, double& P, double& V, double& D)
{
    // The homogeneous fluid is the phase of slot `mode`.
    BubbleDew_Point(Volume_Fugacity, mean == 3 ? 1 : 0, EoSvapour, 2, 1, Raman, empty, &T, &P,
                    mode);
    V = Molar_Volume[mode];
    D = Converted_Density(V, Raman, empty);
    if (EoSvapour == 63) {
        Vlee = Volume_Search(39, mode, Raman, T, P);
        cout << endl << "Homogenisation Molar Volume (Lee & Kesler, 1975) = " << Vlee << " cc/mol";
    }
}

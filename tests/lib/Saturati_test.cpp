// Saturation curves of pure fluids: vapour pressures at normal boiling points,
// saturated volumes, critical-point identities, range limits, the constants
// stored into the gas records, and saturation temperatures on both branches.
#include <gtest/gtest.h>

#include <cmath>

#include "Equation.h"
#include "Numdef.h"
#include "Reid.h"
#include "Saturati.h"

namespace {

typedef double (*PsatFn)(double);
typedef double (*VsatFn)(int, double);
typedef double (*TsatFn)(int, double);

// The four fluids with an inverse: critical and triple-point temperature and
// the molar volume both branches reach at the critical point.
struct Fluid {
    const char* name;
    Gas* gas;
    PsatFn Psat;
    VsatFn Vsat;
    TsatFn Tsat;
    SectantFunction FP;
    SectantFunction FV;
    double Tc, Pc, Tt;
    double Vc() const;
};

const Fluid kFluids[] = {
    {"CO2", &CO2, CO2_Psat, CO2_Vsat, CO2_Tsat, CO2_FP, CO2_FV, 304.136, 7.3773, 216.592},
    {"CH4", &CH4, CH4_Psat, CH4_Vsat, CH4_Tsat, CH4_FP, CH4_FV, 190.564, 4.5922, 90.6941},
    {"N2", &N2, N2_Psat, N2_Vsat, N2_Tsat, N2_FP, N2_FV, 126.193, 3.3978, 63.148},
    {"C2H6", &C2H6, C2H6_Psat, C2H6_Vsat, C2H6_Tsat, C2H6_FP, C2H6_FV, 305.33, 4.8718, 90.352},
};

double Fluid::Vc() const {
    if (gas == &CO2) return 94.118905;
    if (gas == &CH4) return 1000.0 * CH4.Mole_Weight / 162.66;
    if (gas == &N2) return 1000.0 / 11.177;
    return 1000.0 / 6.87;
}

double Fraction_Between(double lo, double hi, double f) { return lo + (hi - lo) * f; }

// Vapour pressures at the normal boiling points (0.101325 MPa) and at 0 C for CO2.
TEST(Saturati, PressureCheckValues) {
    struct {
        const char* name;
        PsatFn P;
        double T, P_expected, tol;
    } cases[] = {
        {"H2O", H2O_Psat, 373.124, 0.101324, 5e-7},
        {"CO2", CO2_Psat, 273.15, 3.48504, 5e-6},
        {"CH4", CH4_Psat, 111.67, 0.10119, 5e-6},
        {"N2", N2_Psat, 77.35, 0.10135, 5e-6},
        {"C2H6", C2H6_Psat, 184.57, 0.10139, 5e-6},
        // Fits without a published check value here: normal boiling points.
        {"O2", O2_Psat, 90.188, 0.101325, 5e-6},
        {"CO", CO_Psat, 81.64, 0.10135, 5e-5},
        {"H2", H2_Psat, 20.28, 0.1010, 5e-5},
    };
    for (auto& c : cases) EXPECT_NEAR(c.P(c.T), c.P_expected, c.tol) << c.name;
}

// Saturated densities: CO2 at 0 C and 280 K, N2 at its boiling point, and the
// ancillary densities of Setzmann & Wagner (CH4, 111.67 K, kg/m3) and Friend
// et al. (C2H6, 184.57 K, mol/dm3); water at its boiling point.
TEST(Saturati, VolumeCheckValues) {
    EXPECT_NEAR(CO2_Vsat(2, 273.15), 47.46, 0.005);
    EXPECT_NEAR(CO2_Vsat(1, 273.15), 450.7, 0.05);
    EXPECT_NEAR(CO2_Vsat(1, 280.0), 361.5, 0.05);
    EXPECT_NEAR(CO2_Vsat(2, 280.0), 49.81, 0.005);
    EXPECT_NEAR(N2_Vsat(2, 77.35), 34.74, 0.005);
    EXPECT_NEAR(1000.0 * CH4.Mole_Weight / CH4_Vsat(1, 111.67), 1.81675, 5e-6);
    EXPECT_NEAR(1000.0 * CH4.Mole_Weight / CH4_Vsat(2, 111.67), 422.351, 5e-4);
    EXPECT_NEAR(1000.0 / C2H6_Vsat(1, 184.57), 0.068374, 5e-7);
    EXPECT_NEAR(1000.0 / C2H6_Vsat(2, 184.57), 18.0863, 5e-5);
    EXPECT_NEAR(1000.0 * H2O.Mole_Weight / H2O_Vsat(2, 373.124), 958.37, 0.05);
    EXPECT_NEAR(1000.0 * H2O.Mole_Weight / H2O_Vsat(1, 373.124), 0.5976, 0.0002);
}

// Mid-range values of every fit, evaluated independently from the published
// coefficients in double precision: a mistyped coefficient or exponent shows.
TEST(Saturati, MidRangeReferenceValues) {
    struct {
        const char* name;
        PsatFn P;
        double T, expected;
    } pressures[] = {
        {"H2O", H2O_Psat, 450.0, 0.93220321480689},
        {"CO2", CO2_Psat, 250.0, 1.7853058013858},
        {"CH4", CH4_Psat, 150.0, 1.03835975049202},
        {"N2", N2_Psat, 100.0, 0.778813105040885},
        {"C2H6", C2H6_Psat, 250.0, 1.30098005627409},
        {"O2", O2_Psat, 120.0, 1.02231781590327},
        {"CO", CO_Psat, 100.0, 0.544658708690802},
        {"NH3", NH3_Psat, 300.0, 1.06656626310785},
        {"H2S", H2S_Psat, 300.0, 2.10751162517613},
        {"H2", H2_Psat, 25.0, 0.333394768550103},
    };
    for (auto& c : pressures) EXPECT_NEAR(c.P(c.T), c.expected, 1e-12 * c.expected) << c.name;

    struct {
        const char* name;
        VsatFn V;
        double T, vapour, liquid;
    } volumes[] = {
        {"H2O", H2O_Vsat, 450.0, 3743.88646811843, 20.2340730722754},
        {"CO2", CO2_Vsat, 250.0, 943.32423071116, 42.076026943639},
        {"CH4", CH4_Vsat, 150.0, 982.537850592744, 44.8249425154937},
        {"N2", N2_Vsat, 100.0, 874.406500631253, 40.678284342079},
        {"C2H6", C2H6_Vsat, 250.0, 1271.42693112341, 67.1506783773259},
    };
    for (auto& c : volumes) {
        EXPECT_NEAR(c.V(1, c.T), c.vapour, 1e-12 * c.vapour) << c.name;
        EXPECT_NEAR(c.V(2, c.T), c.liquid, 1e-11 * c.liquid) << c.name;  // N2: large cancelling terms
    }
}

// Any phase other than 1 is the liquid branch.
TEST(Saturati, PhaseOtherThanOneIsLiquid) {
    VsatFn V[] = {H2O_Vsat, CO2_Vsat, CH4_Vsat, N2_Vsat, C2H6_Vsat};
    double T[] = {400.0, 250.0, 150.0, 100.0, 250.0};
    for (int i = 0; i < 5; ++i) {
        double liquid = V[i](2, T[i]);
        EXPECT_LT(liquid, V[i](1, T[i])) << i;
        for (int phase : {0, 3, -1, 7}) EXPECT_EQ(V[i](phase, T[i]), liquid) << i << " " << phase;
    }
}

// At Tcrit the pressure is Pcrit and both branches meet at the critical volume.
TEST(Saturati, CriticalPoint) {
    struct {
        const char* name;
        PsatFn P;
        double Tc, Pc;
    } pressures[] = {
        {"H2O", H2O_Psat, 647.096, 22.064},   {"CO2", CO2_Psat, 304.136, 7.3773},
        {"CH4", CH4_Psat, 190.564, 4.5922},   {"N2", N2_Psat, 126.193, 3.3978},
        {"C2H6", C2H6_Psat, 305.33, 4.8718},  {"O2", O2_Psat, 154.581, 5.043},
        {"NH3", NH3_Psat, 405.6, 11.28},      {"H2S", H2S_Psat, 373.539, 9.00455},
    };
    for (auto& c : pressures) EXPECT_DOUBLE_EQ(c.P(c.Tc), c.Pc) << c.name;

    for (auto& f : kFluids) {
        EXPECT_DOUBLE_EQ(f.Vsat(1, f.Tc), f.Vc()) << f.name;
        EXPECT_DOUBLE_EQ(f.Vsat(2, f.Tc), f.Vc()) << f.name;
    }
    double VcH2O = 1000.0 * H2O.Mole_Weight / 322.0;
    EXPECT_DOUBLE_EQ(H2O_Vsat(1, 647.096), VcH2O);
    EXPECT_DOUBLE_EQ(H2O_Vsat(2, 647.096), VcH2O);
}

// Above Tcrit each fit continues with its own extrapolation; H2 has a single fit.
TEST(Saturati, ExtrapolationAboveCritical) {
    struct {
        const char* name;
        PsatFn P;
        double T, expected;
    } cases[] = {
        {"H2O", H2O_Psat, 700.0, std::pow(10.0, -2125.7 / 700.0 + 4.6637)},
        {"CO2", CO2_Psat, 310.0, std::pow(10.0, -918.2444 / 310.0 + 3.8871)},
        {"CH4", CH4_Psat, 200.0, std::pow(10.0, -492.3749 / 200.0 + 3.2462)},
        {"N2", N2_Psat, 130.0, std::pow(10.0, -304.98 / 130.0 + 2.9428)},
        {"C2H6", C2H6_Psat, 310.0, std::pow(10.0, -838.52005 / 310.0 + 3.43391)},
        {"O2", O2_Psat, 160.0, std::exp(6.75 - 773.12 / 160.0 - 3879.5 / (160.0 * 160.0))},
        {"CO", CO_Psat, 140.0, std::exp(6.5881 - 690.21 / 140.0 - 2875.4 / (140.0 * 140.0))},
        {"NH3", NH3_Psat, 420.0, std::exp(8.4513 - 2271.3 / 420.0 - 73160.0 / (420.0 * 420.0))},
        {"H2S", H2S_Psat, 380.0, std::exp(7.4204 - 1806.2 / 380.0 - 55558.0 / (380.0 * 380.0))},
        {"H2", H2_Psat, 40.0, std::exp(4.9017 - 167.65 / 40.0 + 441.17 / 1600.0)},
    };
    for (auto& c : cases) EXPECT_DOUBLE_EQ(c.P(c.T), c.expected) << c.name;
}

// 0.0 below the triple point (pressures) and outside [Ttrip, Tcrit] (volumes).
TEST(Saturati, RangeLimits) {
    EXPECT_EQ(CO2_Psat(216.0), 0.0);
    struct {
        const char* name;
        PsatFn P;
        double Tt;
    } pressures[] = {
        {"H2O", H2O_Psat, 273.16}, {"CO2", CO2_Psat, 216.592}, {"CH4", CH4_Psat, 90.6941},
        {"N2", N2_Psat, 63.148},   {"C2H6", C2H6_Psat, 90.352}, {"O2", O2_Psat, 54.361},
        {"CO", CO_Psat, 68.127},   {"NH3", NH3_Psat, 195.4},    {"H2S", H2S_Psat, 187.6},
        {"H2", H2_Psat, 13.8},
    };
    for (auto& c : pressures) {
        EXPECT_EQ(c.P(c.Tt * (1.0 - 1e-9)), 0.0) << c.name;
        EXPECT_GT(c.P(c.Tt), 0.0) << c.name;
        EXPECT_EQ(c.P(-10.0), 0.0) << c.name;
    }

    struct {
        const char* name;
        VsatFn V;
        double Tt, Tc;
    } volumes[] = {
        {"H2O", H2O_Vsat, 273.16, 647.096}, {"CO2", CO2_Vsat, 216.592, 304.136},
        {"CH4", CH4_Vsat, 90.6941, 190.564}, {"N2", N2_Vsat, 63.148, 126.193},
        {"C2H6", C2H6_Vsat, 90.352, 305.33},
    };
    for (auto& c : volumes)
        for (int phase : {1, 2}) {
            EXPECT_EQ(c.V(phase, c.Tt * (1.0 - 1e-9)), 0.0) << c.name;
            EXPECT_EQ(c.V(phase, c.Tc * (1.0 + 1e-9)), 0.0) << c.name;
            EXPECT_GT(c.V(phase, c.Tt), 0.0) << c.name;
        }
}

// Each function writes its fluid's constants over the critical-constant table.
TEST(Saturati, ConstantsStoredInGasRecords) {
    struct {
        const char* name;
        Gas* gas;
        PsatFn P;
        double Tc, Pc, Tt;
    } cases[] = {
        {"H2O", &H2O, H2O_Psat, 647.096, 22.064, 273.16},
        {"CO2", &CO2, CO2_Psat, 304.136, 7.3773, 216.592},
        {"CH4", &CH4, CH4_Psat, 190.564, 4.5922, 90.6941},
        {"N2", &N2, N2_Psat, 126.193, 3.3978, 63.148},
        {"C2H6", &C2H6, C2H6_Psat, 305.33, 4.8718, 90.352},
        {"O2", &O2, O2_Psat, 154.581, 5.043, 54.361},
        {"NH3", &NH3, NH3_Psat, 405.6, 11.28, 195.4},
        {"H2S", &H2S, H2S_Psat, 373.539, 9.00455, 187.6},
    };
    for (auto& c : cases) {
        Reid_Constants();
        c.P(1.0);
        EXPECT_EQ(c.gas->Tcrit, c.Tc) << c.name;
        EXPECT_EQ(c.gas->Pcrit, c.Pc) << c.name;
        EXPECT_EQ(c.gas->Ttrip, c.Tt) << c.name;
    }
    // CO keeps the tabulated Pcrit, H2 both critical constants.
    Reid_Constants();
    CO_Psat(1.0);
    H2_Psat(1.0);
    EXPECT_EQ(CO.Tcrit, 132.85);
    EXPECT_EQ(CO.Pcrit, 3.5);
    EXPECT_EQ(CO.Ttrip, 68.127);
    EXPECT_EQ(H2.Tcrit, 33.2);
    EXPECT_EQ(H2.Pcrit, 1.3);
    EXPECT_EQ(H2.Ttrip, 13.8);

    // Volumes and temperatures store Tcrit and Ttrip; CO2_Vsat also Vcrit,
    // C2H6_Vsat also Pcrit, the other volume functions neither.
    for (auto& f : kFluids) {
        Reid_Constants();
        double VcReid = f.gas->Vcrit, PcReid = f.gas->Pcrit;
        f.Vsat(1, 1.0);
        EXPECT_EQ(f.gas->Tcrit, f.Tc) << f.name;
        EXPECT_EQ(f.gas->Ttrip, f.Tt) << f.name;
        EXPECT_EQ(f.gas->Vcrit, f.gas == &CO2 ? 94.118905 : VcReid) << f.name;
        EXPECT_EQ(f.gas->Pcrit, f.gas == &C2H6 ? 4.8718 : PcReid) << f.name;
        Reid_Constants();
        f.Tsat(3, 1.0);
        EXPECT_EQ(f.gas->Tcrit, f.Tc) << f.name;
        EXPECT_EQ(f.gas->Ttrip, f.Tt) << f.name;
        EXPECT_EQ(f.gas->Pcrit, PcReid) << f.name;
    }
    Reid_Constants();
    H2O_Vsat(1, 1.0);
    EXPECT_EQ(H2O.Tcrit, 647.096);
    EXPECT_EQ(H2O.Ttrip, 273.16);
    EXPECT_EQ(H2O.Pcrit, 22.05);

    // The volume residuals store the Vcrit that decides the branch; for CH4
    // from 162.22 kg/m3, not the 162.66 of the saturated volumes.
    Reid_Constants();
    CO2_FV(250.0, empty, empty, 60.0, nul);
    CH4_FV(150.0, empty, empty, 60.0, nul);
    N2_FV(100.0, empty, empty, 60.0, nul);
    C2H6_FV(250.0, empty, empty, 60.0, nul);
    EXPECT_EQ(CO2.Vcrit, 94.118905);
    EXPECT_DOUBLE_EQ(CH4.Vcrit, 1000.0 * CH4.Mole_Weight / 162.22);
    EXPECT_DOUBLE_EQ(N2.Vcrit, 1000.0 / 11.177);
    EXPECT_DOUBLE_EQ(C2H6.Vcrit, 1000.0 / 6.87);

    Reid_Constants();
    EXPECT_EQ(CO2.Tcrit, 304.2);
    EXPECT_EQ(nul, 0.0);
}

// The residuals: pressure difference, and the volume difference on the branch
// chosen by Vcrit (a volume equal to Vcrit is liquid).
TEST(Saturati, Residuals) {
    for (auto& f : kFluids) {
        double T = Fraction_Between(f.Tt, f.Tc, 0.6);
        EXPECT_DOUBLE_EQ(f.FP(T, empty, empty, 1.0, nul), f.Psat(T) - 1.0) << f.name;
        f.FV(T, empty, empty, 1.0, nul);  // stores Vcrit
        double Vc = f.gas->Vcrit;
        double above = Vc * (1.0 + 1e-12);
        EXPECT_EQ(f.FV(T, empty, empty, Vc, nul), f.Vsat(2, T) - Vc) << f.name;
        EXPECT_EQ(f.FV(T, empty, empty, above, nul), f.Vsat(1, T) - above) << f.name;
    }
    // Between the two CH4 critical volumes (98.63 and 98.90 cm3/mol) the liquid branch.
    EXPECT_EQ(CH4_FV(150.0, empty, empty, 98.8, nul), CH4_Vsat(2, 150.0) - 98.8);
    // Outside the two-phase range the volume residual is -V.
    EXPECT_EQ(CO2_FV(310.0, empty, empty, 200.0, nul), -200.0);
}

// Saturation temperature from the pressure and from the volume of either branch.
// Liquid volumes (and some pressures and vapour volumes) defeat the secant
// started at (Tcrit, Ttrip); the root must be found all the same.
TEST(Saturati, TemperatureRoundTrips) {
    EXPECT_NEAR(CO2_Tsat(1, CO2_Psat(280.0)), 280.0, 280.0 * 1e-12);
    EXPECT_NEAR(CO2_Tsat(2, CO2_Vsat(1, 280.0)), 280.0, 280.0 * 1e-12);
    EXPECT_NEAR(CO2_Tsat(2, CO2_Vsat(2, 280.0)), 280.0, 280.0 * 1e-12);
    // The undamped secant alone settles outside the range on that liquid volume.
    double secant =
        RootSectant(CO2_FV, 304.136, 216.592, empty, empty, CO2_Vsat(2, 280.0), nul, 1e-12, 1000);
    EXPECT_FALSE(secant >= 216.592 && secant <= 304.136) << secant;

    const double fractions[] = {0.0, 0.02, 0.1, 0.3, 0.5, 0.7, 0.9, 0.99, 1.0};
    for (auto& f : kFluids)
        for (double fr : fractions) {
            double T = fr == 1.0 ? f.Tc : Fraction_Between(f.Tt, f.Tc, fr);
            double tol = T * 1e-12;
            EXPECT_NEAR(f.Tsat(1, f.Psat(T)), T, tol) << f.name << " P at " << T;
            EXPECT_NEAR(f.Tsat(2, f.Vsat(2, T)), T, tol) << f.name << " liquid at " << T;
            // At Tcrit the vapour volume is Vcrit, matched on the liquid branch.
            if (fr < 1.0) {
                EXPECT_NEAR(f.Tsat(2, f.Vsat(1, T)), T, tol) << f.name << " vapour at " << T;
            }
        }
}

// No saturation temperature in [Ttrip, Tcrit]: 0.0.
TEST(Saturati, TemperatureWithoutRoot) {
    EXPECT_EQ(CO2_Tsat(1, 8.0), 0.0);  // secant settles near 307.7 K on the extrapolation
    for (int what : {0, 3, -1}) EXPECT_EQ(CO2_Tsat(what, 280.0), 0.0);
    // Below the triple-point pressure the secant homes in on the jump of the
    // residual at Ttrip and stops just inside the range.
    double P = 0.26034545479023935;
    double secant = RootSectant(CO2_FP, 304.136, 216.592, empty, empty, P, nul, 1e-12, 1000);
    EXPECT_GE(secant, 216.592);
    EXPECT_LT(secant, 216.593);
    EXPECT_EQ(CO2_Tsat(1, P), 0.0);
    // Between Pcrit and the extrapolation at Tcrit.
    EXPECT_EQ(CO2_Tsat(1, 7.3774), 0.0);
    EXPECT_EQ(CH4_Tsat(1, 4.594), 0.0);
    // Between the CH4 critical volumes: liquid branch, beyond its end.
    EXPECT_EQ(CH4_Tsat(2, 98.8), 0.0);

    for (auto& f : kFluids) {
        for (int what : {1, 2}) {
            EXPECT_EQ(f.Tsat(what, 0.0), 0.0) << f.name;
            EXPECT_EQ(f.Tsat(what, -5.0), 0.0) << f.name;
            EXPECT_EQ(f.Tsat(what, NAN), 0.0) << f.name;
        }
        EXPECT_EQ(f.Tsat(1, f.Pc * 1.0001), 0.0) << f.name;
        EXPECT_EQ(f.Tsat(1, f.Psat(f.Tt) * 0.999), 0.0) << f.name;
        EXPECT_EQ(f.Tsat(2, f.Vsat(2, f.Tt) * 0.999), 0.0) << f.name;  // denser than the liquid
        EXPECT_EQ(f.Tsat(2, f.Vsat(1, f.Tt) * 1.001), 0.0) << f.name;  // thinner than the vapour
    }
}

}  // namespace

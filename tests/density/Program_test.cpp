// Complete runs of the density program: for every way of giving the density,
// pure gases and mixtures, every equation of state of both menus, with and
// without volume fractions and limit check. Each run's console transcript and
// results file are checked for their conditional parts and for physical
// consistency; pure-CO2 homogenisation against published saturation data and
// the limit check against measured hydrate dissociation pressures.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "Melting.h"
#include "Numdef.h"
#include "Saturati.h"
#include "density/Run_Density.h"

namespace {

const std::string RULE(75, '_');
const std::string FILE_RULE(71, '_');
const std::string STARS(76, '*');
const std::string END = "\n\n" + RULE + "\nEnd of program";
const std::string CARBONIC = "PROPERTIES OF THE CARBONIC PHASES (mixture CO2-CH4-N2-C2H6)";
const std::string LIMIT = "\n\nDo you want a limit check? (y/n) : ";
const std::string LV_REPORT = "Result of Liquid-Vapour Equilibria Calculations";
const std::string LEE_LINE = "\nHomogenisation Molar Volume (Lee & Kesler, 1975) = ";

const char* const GAS[5] = {"H2O", "CO2", "CH4", "N2", "C2H6"};
const char* const ION[5] = {"Na+", "K+", "Ca++", "Mg++", "Cl-"};

// The rows of a results file: block (CLATHRATE, NON-AQUEOUS, AQUEOUS, TOTAL) ->
// label (text before the first tab) -> the numbers after it.
struct Results {
    std::string text;
    std::map<std::string, std::map<std::string, std::vector<double>>> rows;

    bool Has(const std::string& block, const std::string& label) const
    {
        const auto b = rows.find(block);
        return b != rows.end() && b->second.count(label) != 0;
    }
    double Get(const std::string& block, const std::string& label, std::size_t k = 0) const
    {
        if (!Has(block, label) || rows.at(block).at(label).size() <= k) {
            ADD_FAILURE() << "no row " << block << " / " << label;
            return NAN;
        }
        return rows.at(block).at(label)[k];
    }
    // A fraction row, 0 when absent.
    double X(const std::string& block, const std::string& species) const
    {
        return Has(block, "x(" + species + ")") ? Get(block, "x(" + species + ")") : 0.0;
    }
};

Results Parse(const std::string& text)
{
    Results r;
    r.text = text;
    std::istringstream in(text);
    std::string block = "HEAD";
    for (std::string line; std::getline(in, line);) {
        for (const char* name : {"CLATHRATE", "NON-AQUEOUS", "AQUEOUS", "TOTAL"}) {
            if (line.rfind(name, 0) == 0) block = name;
        }
        const std::size_t tab = line.find('\t');
        if (tab == std::string::npos || tab == 0) continue;
        std::vector<double> values;
        std::istringstream fields(line.substr(tab));
        for (double v; fields >> v;) values.push_back(v);
        if (!values.empty()) r.rows[block][line.substr(0, tab)] = values;
    }
    return r;
}

// The number printed after `label` in the transcript (its first occurrence).
double After(const std::string& text, const std::string& label)
{
    const std::size_t at = text.find(label);
    if (at == std::string::npos) {
        ADD_FAILURE() << "not printed: " << label;
        return NAN;
    }
    return std::strtod(text.c_str() + at + label.size(), nullptr);
}

std::vector<double> Numbers(const std::string& words)
{
    std::istringstream in(words);
    std::vector<double> v;
    for (double x; in >> x;) v.push_back(x);
    return v;
}

// Equation-of-state numbers behind the menus, and of the pure gases.
int Clathrate_Number(int choice)
{
    const int number[6] = {12, 55, 39, 43, 17, 18};
    return number[choice - 1];
}
int Vapour_Number(const Script& s, int pure)
{
    const int reference[4] = {20, 53, 33, 22};
    const int number[10] = {48, 12, 55, 39, 43, 30, 10, 17, 63, 18};
    return pure >= 0 ? reference[pure] : number[std::stoi(s.vapour) - 1];
}
// First reference line of each equation of state in the results file.
std::string Reference(int eos)
{
    switch (eos) {
    case 10: return "Bowers & Helgeson (1983) Geochim.Cosmochim.Acta, 47, 1247-1275";
    case 12: return "Chueh & Prausnitz (1967)";
    case 17: return "Duan et al. (1992a,b)";
    case 18: return "Duan et al. (1996)";
    case 20: return "Duschek et al. (1990) J.Chem.Thermodyn., 22, 841-864.";
    case 22: return "Friend et al. (1991)";
    case 30: return "Holloway (1977, 1981), Flowers (1979)";
    case 33: return "Jacobsen et al. (1986)";
    case 39: return "Lee & Kesler (1975)";
    case 43: return "Peng & Robinson (1976)";
    case 48: return "Redlich & Kwong (1949)";
    case 53: return "Setzmann & Wagner (1991)";
    case 55: return "Soave (1972)";
    default: return "Thiery et al. (1994) Eur.J.Mineral., 6, 753-771";
    }
}

struct Case {
    const char* name;
    Script s;
    bool past = false;        // the limit check finds the melting temperature out of reach
    bool converges = true;    // the salinity search finds its root
};

Script Make(const char* T, const char* clath, const char* fractions, const char* mean,
            const char* value, const char* mode, const char* vapour, const char* salts,
            const char* volume, const char* limit)
{
    Script s;
    s.T = T;
    s.clath = clath;
    s.fractions = fractions;
    s.mean = mean;
    s.value = value;
    s.mode = mode;
    s.vapour = vapour;
    s.salts = salts;
    s.volume = volume;
    s.limit = limit;
    s.file = "inclusion.txt";
    // A mixture by homogenisation data: decline the solver's restart offer.
    if ((s.mean == "3" || s.mean == "4") && s.vapour != "") s.restart = "n";
    return s;
}

std::vector<Case> Cases()
{
    std::vector<Case> c = {
        {"CO2 by molar volume, liquid-like", Make("5", "1", "1 0 0 0", "1", "50", "2", "", "100 0 0 0", "y 30", "n")},
        {"CH4 by density, vapour-like", Make("5", "2", "0 1 0 0", "2", "0.2", "1", "", "50 50 0 0", "n", "n")},
        {"N2 by molar volume, limit check", Make("5", "6", "0 0 1 0", "1", "60", "1", "", "100 0 0 0", "y 50", "y")},
        {"C2H6 by Th, liquid", Make("12", "3", "0 0 0 1", "3", "10", "2", "", "100 0 0 0", "n", "n")},
        {"CO2 by Ph, vapour", Make("8", "4", "1 0 0 0", "4", "4", "1", "", "0 0 0 100", "n", "n")},
        {"Redlich-Kwong, molar volume", Make("5", "1", "0.5 0.5 0 0", "1", "50", "1", "1", "100 0 0 0", "y 30", "n")},
        {"Chueh-Prausnitz, density", Make("5", "5", "0.7 0.3 0 0", "2", "0.6", "2", "2", "0 0 100 0", "y 20", "n")},
        {"Soave, Th liquid", Make("10", "2", "0.9 0.05 0.05 0", "3", "5", "2", "3", "90 0 0 10", "y 45", "n")},
        {"Lee-Kesler, Ph vapour, limit check",
         Make("3", "3", "0.6 0.3 0.05 0.05", "4", "5", "1", "4", "70 10 10 10", "y 60", "y")},
        {"Peng-Robinson, Th critical", Make("8", "4", "0.8 0.1 0.05 0.05", "3", "7", "3", "5", "100 0 0 0", "n", "n")},
        {"Holloway, molar volume", Make("5", "1", "0.8 0.1 0.05 0.05", "1", "60", "2", "6", "100 0 0 0", "y 30", "n")},
        {"Bowers-Helgeson, density", Make("5", "2", "0.8 0.2 0 0", "2", "0.5", "2", "7", "100 0 0 0", "y 35", "n")},
        {"Duan 1992, molar volume", Make("5", "5", "0.9 0.1 0 0", "1", "55", "2", "8", "100 0 0 0", "n", "n")},
        {"Thiery, Th liquid, limit check",
         Make("10", "3", "0.8 0.15 0.05 0", "3", "-10", "2", "9", "80 10 5 5", "y 40", "y")},
        {"Duan 1996, Th liquid", Make("8", "6", "0.8 0.1 0.1 0", "3", "0", "2", "10", "100 0 0 0", "y 25", "n")},
    };
    // CH4 clathrate cannot melt at 40 C below 200 MPa: the limit check stops
    // the run before the melting solution.
    Case past{"CH4 above its highest melting temperature",
              Make("40", "1", "0 1 0 0", "1", "80", "1", "", "100 0 0 0", "y 30", "y")};
    past.past = true;
    c.push_back(past);
    // A dense gas that would need a negative salinity: both molality
    // searches fail.
    Case none{"salinity search without root",
              Make("15", "4", "0.8 0.1 0.05 0.05", "3", "12", "3", "5", "100 0 0 0", "n", "n")};
    none.converges = false;
    c.push_back(none);
    return c;
}

void Check_Fraction_Sum(const Results& r, const std::string& block, bool ions)
{
    double sum = 0.0;
    int rows = 0;
    for (const char* g : GAS) sum += r.X(block, g), rows += r.Has(block, std::string("x(") + g + ")");
    if (ions) {
        for (const char* i : ION) sum += r.X(block, i), rows += r.Has(block, std::string("x(") + i + ")");
    }
    EXPECT_NEAR(sum, 1.0, 5e-7 * rows + 1e-12) << block;
}

void Check_Run(const Case& c, const Density_Run& run)
{
    const Script& s = c.s;
    const int mean = std::stoi(s.mean);
    const int mode = s.mode == "2" ? 2 : 1;
    const std::vector<double> x = Numbers(s.fractions);
    const std::vector<double> ratio = Numbers(s.salts);
    int pure = -1;
    for (int i = 0; i < 4 && pure < 0; i++) {
        if (x[i] == 1.0) pure = i;
    }
    const int eos = Vapour_Number(s, pure);
    const bool volume = s.volume[0] == 'y';
    const bool limit = s.limit == "y";
    const std::string& t = run.transcript;

    ASSERT_EQ(run.status, 0) << t;
    EXPECT_EQ(run.errors, "");
    EXPECT_TRUE(Ends_With(t, "\nResults are now available in file : " + s.file + END)) << t;

    // Carbonic phase: saturation curve of a pure gas, bubble/dew point of a
    // mixture given by homogenisation data, nothing for a mixture of known
    // density.
    const char* heading[4] = {"pure CO2 (Duschek et al., 1990, Span & Wagner, 1996):",
                              "pure CH4 (Setzmann & Wagner, 1991):", "pure N2 (Jacobsen et al., 1986):",
                              "pure C2H6 (Friend et al., 1991):"};
    if (pure >= 0) {
        EXPECT_NE(t.find(CARBONIC + "\nLiquid-vapour equilibrium " + heading[pure] + "\n\nTemperature = "),
                  std::string::npos);
        EXPECT_NE(t.find(" cc/mol\nDensity = "), std::string::npos);
        EXPECT_NE(t.find(" g/cc\n\nDo you want to continue"), std::string::npos);
    } else if (mean <= 2) {
        EXPECT_NE(t.find(CARBONIC + "\n\nDo you want to continue"), std::string::npos);
    }
    EXPECT_EQ(Count(t, LV_REPORT), pure < 0 && mean >= 3 ? 1 : 0);
    EXPECT_EQ(Count(t, LEE_LINE), pure < 0 && mean >= 3 && eos == 63 ? 1 : 0);

    // Limit check: three searches, three starred results.
    EXPECT_EQ(Count(t, "\nSALT-FREE SYSTEM:\n"), limit ? 1 : 0);
    EXPECT_EQ(Count(t, STARS), limit ? 6 : 0);
    if (limit) {
        EXPECT_NE(t.find(LIMIT + "\n\nSALT-FREE SYSTEM:\n\n iteration: 1 "), std::string::npos);
        EXPECT_NE(t.find("\n\n" + STARS + "\nMaximum clathrate melting temperature = "), std::string::npos);
        EXPECT_NE(t.find(" \xB0" "C (at 200 MPa)\n" + STARS + "\n\n iteration: 1 "), std::string::npos);
        EXPECT_NE(t.find("\n\n" + STARS + "\nMinimum clathrate melting pressure = "), std::string::npos);
        EXPECT_NE(t.find("\n" + STARS + "\n\nEUTECTIC NaCl SYSTEM (molality = 5.463 mol/kgH2O):\n\n iteration: 1 "),
                  std::string::npos);
        EXPECT_NE(t.find("\n\n" + STARS + "\nMaximum clathrate melting pressure = "), std::string::npos);
        const double Tmax = After(t, "Maximum clathrate melting temperature = ");
        const double Pmin = After(t, "Minimum clathrate melting pressure = ");
        const double Tm = std::stod(s.T);
        EXPECT_EQ(c.past, Tm > Tmax + 5e-4 || Pmin <= 0) << Tmax << " " << Pmin;
    }
    // The melting solution starts after a rule line, unless the limit check
    // stopped the run; a failed search (its report closes with a rule line)
    // is retried once from 6 mol/kg.
    const std::string melting = "\n" + RULE + "\n iteration: 1 ";
    EXPECT_EQ(Count(t, melting), c.past ? 0 : (c.converges ? 1 : 2));
    EXPECT_EQ(Count(t, "\nNo convergence!\n"), c.converges ? (c.past ? 1 : 0) : 2) << t;

    // Results file.
    ASSERT_EQ(run.files.size(), 1u);
    ASSERT_EQ(run.files[0], s.file);
    const Results r = Parse(run.contents.at(s.file));
    // A failed or skipped melting calculation says so, on the console and
    // right after the header of the file.
    const std::string failure =
        c.past ? "\nNo solution: the melting temperature is above the maximum of the limit check"
               : c.converges ? "" : "\nNo solution: the salinity search did not converge";
    EXPECT_EQ(Count(t, "\nNo solution: "), failure.empty() ? 0 : 1);
    EXPECT_EQ(r.text.rfind(FILE_RULE + "\nVELMORA, package of computer programs for fluid inclusion studies"
                                       "\nProgram 2: DENSITY version 12/02\nFilename : " + s.file + "\n" +
                               FILE_RULE + failure +
                               "\nCLATHRATE PHASE (at final melting conditions)\n\nClathrate Structure ",
                           0),
              0u);
    EXPECT_TRUE(Ends_With(r.text, "\n" + FILE_RULE));
    const std::size_t structure = r.text.find("Clathrate Structure ") + 20;
    EXPECT_TRUE(r.text[structure] == '1' || r.text[structure] == '2');
    EXPECT_NEAR(r.Get("CLATHRATE", "Tm (K)"), std::stod(s.T) + 273.15, 5e-7);
    Check_Fraction_Sum(r, "CLATHRATE", false);
    Check_Fraction_Sum(r, "NON-AQUEOUS", false);
    Check_Fraction_Sum(r, "AQUEOUS", true);
    EXPECT_NE(r.text.find("clathrate equilibria:\n" + Reference(Clathrate_Number(std::stoi(s.clath)))),
              std::string::npos);
    EXPECT_NE(r.text.find("homogeneous gas:\n" + Reference(eos)), std::string::npos);

    // Volume fractions as typed.
    const double phi = volume ? Numbers(s.volume.substr(1))[0] / 100 : 0.0;
    EXPECT_EQ(r.Has("NON-AQUEOUS", "Volume fraction"), volume);
    EXPECT_EQ(r.Has("AQUEOUS", "Volume fraction"), volume);
    if (volume) {
        EXPECT_NEAR(r.Get("AQUEOUS", "Volume fraction"), phi, 5e-7);
        EXPECT_NEAR(r.Get("NON-AQUEOUS", "Volume fraction"), 1 - phi, 5e-7);
    }

    // Fugacity coefficients, except for the reference equations of CO2 and
    // C2H6; one row per gas in the phase.
    const bool fugacity = eos != 20 && eos != 22;
    EXPECT_EQ(Count(r.text, "\n\nFugacity coefficients"), fugacity ? 1 : 0);
    for (const char* g : GAS) {
        EXPECT_EQ(r.Has("NON-AQUEOUS", g), fugacity && r.X("NON-AQUEOUS", g) > 0) << g;
    }

    // Homogenisation rows: Th and Ph only when one of them was measured.
    EXPECT_EQ(r.Has("NON-AQUEOUS", "Th (K)"), mean >= 3);
    EXPECT_EQ(r.Has("NON-AQUEOUS", "Ph (MPa)"), mean >= 3);
    const double Vh = r.Get("NON-AQUEOUS", "Vh (cc/mol)");
    const double Dh = r.Get("NON-AQUEOUS", "Dh (g/cc)");
    double raman[10] = {0, x[0], x[1], x[2], x[3], 0, 0, 0, 0, 0};
    const double mass = x[0] * CO2.Mole_Weight + x[1] * CH4.Mole_Weight + x[2] * N2.Mole_Weight +
                        x[3] * C2H6.Mole_Weight;
    if (mean == 1) {
        EXPECT_NEAR(Vh, std::stod(s.value), 5e-7);
    }
    if (mean == 2) {
        EXPECT_NEAR(Dh, std::stod(s.value), 5e-7);
    }
    if (mean == 3) {
        EXPECT_NEAR(r.Get("NON-AQUEOUS", "Th (K)"), std::stod(s.value) + 273.15, 5e-7);
    }
    if (mean == 4) {
        EXPECT_NEAR(r.Get("NON-AQUEOUS", "Ph (MPa)"), std::stod(s.value), 5e-7);
    }
    if (eos == 63 && mean >= 3) {
        // Thiery et al.: the Lee-Kesler volume replaces the homogenisation volume.
        const double Vlee = After(t, LEE_LINE);
        EXPECT_NEAR(Vh, Vlee, 1e-5 * Vlee);
        EXPECT_GT(std::fabs(mass / Dh - Vh), 1e-3);
    } else {
        // Both printed to six decimals.
        EXPECT_NEAR(Dh * Vh, mass, 5e-7 * (Dh + Vh) + 1e-9) << "Dh and Vh of one molar mass";
    }
    if (pure >= 0) {
        // On the saturation curve of the gas.
        typedef double (*Tsat_f)(int, double);
        typedef double (*Psat_f)(double);
        typedef double (*Vsat_f)(int, double);
        const Tsat_f Tsat[4] = {CO2_Tsat, CH4_Tsat, N2_Tsat, C2H6_Tsat};
        const Psat_f Psat[4] = {CO2_Psat, CH4_Psat, N2_Psat, C2H6_Psat};
        const Vsat_f Vsat[4] = {CO2_Vsat, CH4_Vsat, N2_Vsat, C2H6_Vsat};
        // The temperature on the curve: from the given volume, pressure or
        // temperature (printed values carry six significant digits).
        double T = std::stod(s.value) + 273.15;
        if (mean <= 2) T = Tsat[pure](2, Vh);
        if (mean == 4) T = Tsat[pure](1, std::stod(s.value));
        const double Th = mean >= 3 ? r.Get("NON-AQUEOUS", "Th (K)") : After(t, "\nTemperature = ");
        const double Ph = mean >= 3 ? r.Get("NON-AQUEOUS", "Ph (MPa)") : After(t, "\nPressure = ");
        EXPECT_NEAR(Th, T, 5e-6 * T);
        EXPECT_NEAR(Ph, Psat[pure](T), 5e-6 * Ph + 5e-7);
        if (mean >= 3) {
            EXPECT_NEAR(Vh, Vsat[pure](mode, T), 5e-7);
        }
        EXPECT_GT(T, 0.0);
    }

    // Melting pressure: the pressure of the H2O-free carbonic phase at Tm and Vh.
    const double Pm = r.Get("CLATHRATE", "Pm (MPa)");
    if (c.past) {
        EXPECT_EQ(Pm, 0.0);
    } else {
        const double P = Pressure_Search(eos, mode, raman, std::stod(s.T) + 273.15, Vh);
        EXPECT_NEAR(Pm, P, 1e-5 * P + 1e-6);
        EXPECT_GT(Pm, 0.0);
    }

    // Salinity: a row for each salt in the mix once the molality is known;
    // mass percent and molality of one salt agree, and the molalities keep
    // the typed proportions.
    Salt* const salts[4] = {&NaCl, &KCl, &CaCl2, &MgCl2};
    const char* names[4] = {"NaCl", "KCl", "CaCl2", "MgCl2"};
    const bool salinity = c.converges && !c.past;
    int first = -1;
    for (int i = 0; i < 4; i++) {
        SCOPED_TRACE(names[i]);
        EXPECT_EQ(r.Has("AQUEOUS", names[i]), salinity && ratio[i] > 0);
        if (!r.Has("AQUEOUS", names[i])) continue;
        const double w = r.Get("AQUEOUS", names[i], 0), m = r.Get("AQUEOUS", names[i], 1);
        const double mM = m * salts[i]->Mole_Weight;
        EXPECT_NEAR(w, 100 * mM / (1000 + mM), 1e-5);
        if (first < 0) first = i;
        EXPECT_NEAR(m / r.Get("AQUEOUS", names[first], 1), ratio[i] / ratio[first], 1e-5);
    }
    // Charge balance of the solution.
    EXPECT_NEAR(r.X("AQUEOUS", "Na+") + r.X("AQUEOUS", "K+") + 2 * r.X("AQUEOUS", "Ca++") +
                    2 * r.X("AQUEOUS", "Mg++"),
                r.X("AQUEOUS", "Cl-"), 3e-6);

    // Whole inclusion: present with the volume fractions; its ions come from
    // the solution alone, and its density is its molar mass over its volume.
    EXPECT_EQ(Count(r.text, "\nTOTAL FLUID INCLUSION\n"), volume ? 1 : 0);
    if (volume) {
        Check_Fraction_Sum(r, "TOTAL", true);
        const double V0 = r.Get("TOTAL", "Vm (cc/mol)");
        const double Vaq = r.Get("AQUEOUS", "Vm (cc/mol)");
        for (const char* i : ION) {
            EXPECT_NEAR(r.X("TOTAL", i), r.X("AQUEOUS", i) * phi * V0 / Vaq, 2e-6) << i;
        }
        const double M[10] = {H2O.Mole_Weight,  CO2.Mole_Weight,    CH4.Mole_Weight,   N2.Mole_Weight,
                              C2H6.Mole_Weight, Sodium.Atomic_Weight, Potasium.Atomic_Weight,
                              Calcium.Atomic_Weight, Magnesium.Atomic_Weight, Chlorine.Atomic_Weight};
        double bulk = 0.0;
        for (int i = 0; i < 10; i++) bulk += r.X("TOTAL", i < 5 ? GAS[i] : ION[i - 5]) * M[i];
        EXPECT_NEAR(r.Get("TOTAL", "D (g/cc)") * V0, bulk, 1e-5 * bulk);
        // The carbonic phase adds to the amount per volume.
        EXPECT_GT(1 / V0, phi / Vaq);
    }
}

TEST(DensityProgram, CompleteRuns)
{
    for (const Case& c : Cases()) {
        SCOPED_TRACE(c.name);
        Check_Run(c, Run_Density(c.s.Text()));
    }
}

// Pure CO2 homogenising at 280 K, given in each of the four ways, against
// Span & Wagner (1996), Table 34: p = 4.1607 MPa, liquid 883.58 kg/m3,
// vapour 121.74 kg/m3.
TEST(DensityProgram, PureCO2OnThePublishedSaturationCurve)
{
    const struct {
        const char* mean;
        const char* value;
        const char* mode;
        double density;   // g/cc
    } cases[] = {
        {"3", "6.85", "2", 0.88358},   {"3", "6.85", "1", 0.12174},  {"4", "4.1607", "2", 0.88358},
        {"4", "4.1607", "3", 0.12174}, {"1", "49.8085", "2", 0.88358}, {"2", "0.12174", "1", 0.12174},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.mean) + " " + c.value + " " + c.mode);
        Script s = Make("10", "1", "1 0 0 0", c.mean, c.value, c.mode, "", "100 0 0 0", "n", "n");
        s.proceed = "n";
        s.limit = "";
        const Density_Run run = Run_Density(s.Text());
        ASSERT_EQ(run.status, 0);
        EXPECT_TRUE(run.files.empty());
        EXPECT_NEAR(After(run.transcript, "\nTemperature = "), 280.0, 0.01);
        EXPECT_NEAR(After(run.transcript, "\nPressure = "), 4.1607, 1e-4 * 4.1607);
        EXPECT_NEAR(After(run.transcript, "\nMolar Volume = "), 44.0098 / c.density, 1e-4 * 44.0098 / c.density);
        EXPECT_NEAR(After(run.transcript, "\nDensity = "), c.density, 1e-4 * c.density);
    }
}

// Salt-free melting pressure of the limit check at measured dissociation
// temperatures of simple hydrates. The clathrate equations of state take turns
// over the points (each only for the gases it covers), so that every one is
// compared with measurements. N2 is reported only.
TEST(DensityProgram, LimitCheckAgainstMeasuredDissociationPressures)
{
    std::ifstream table(std::string(FI_TEST_DATA) + "/validation/hydrate_dissociation.tsv");
    ASSERT_TRUE(table.good());
    std::string header;
    std::getline(table, header);
    const std::map<std::string, std::string> fractions = {
        {"CO2", "1 0 0 0"}, {"CH4", "0 1 0 0"}, {"N2", "0 0 1 0"}, {"C2H6", "0 0 0 1"}};
    const char* eos_name[6] = {"Chueh-Prausnitz", "Soave", "Lee-Kesler", "Peng-Robinson", "Duan 1992", "Duan 1996"};
    int points = 0;
    int choice = 0;
    bool used[6] = {false, false, false, false, false, false};
    for (std::string gas, note; table >> gas;) {
        double T, P;
        table >> T >> P;
        std::getline(table, note);
        {
            choice = choice % 6 + 1;
            // Duan et al. (1992) cover CO2-CH4, Duan et al. (1996) CO2-CH4-N2.
            while ((choice == 5 && (gas == "N2" || gas == "C2H6")) || (choice == 6 && gas == "C2H6")) {
                choice = choice % 6 + 1;
            }
            used[choice - 1] = true;
            char celsius[32];
            std::snprintf(celsius, sizeof celsius, "%.2f", T - 273.15);
            Script s = Make(celsius, std::to_string(choice).c_str(), fractions.at(gas).c_str(), "1", "100",
                            "1", "", "100 0 0 0", "n", "y");
            const Density_Run run = Run_Density(s.Text());
            ASSERT_EQ(run.status, 0);
            const double Pmin = After(run.transcript, "Minimum clathrate melting pressure = ");
            const double deviation = 100 * (Pmin / P - 1);
            std::printf("%-5s %7.2f K  measured %7.3f MPa  %-16s %8.4f MPa  %+6.1f %%\n", gas.c_str(), T, P,
                        eos_name[choice - 1], Pmin, deviation);
            if (gas != "N2") {
                EXPECT_LT(std::fabs(deviation), 10.0) << gas << " " << T << " " << eos_name[choice - 1];
            }
            points++;
        }
    }
    EXPECT_EQ(points, 9);
    for (int i = 0; i < 6; i++) EXPECT_TRUE(used[i]) << eos_name[i];
}

// Pure CH4 cannot homogenise at 0 C, far above its critical point (190.6 K),
// nor at 60 MPa: off its liquid-vapour curve there is no saturated volume and
// no density. Such answers are refused and the question comes again.
TEST(DensityProgram, PureGasOffItsCurveIsRefused)
{
    const char* refused[2] = {"0\n-90", "60\n3"};
    const char* error[2] = {"\tERROR: Th exceeds the critical temperature",
                            "\tERROR: Ph is not on the liquid-vapour curve"};
    for (int k = 0; k < 2; k++) {
        SCOPED_TRACE(refused[k]);
        Script s = Make("5", "1", "0 1 0 0", k == 0 ? "3" : "4", refused[k], "1", "", "100 0 0 0", "n", "n");
        const Density_Run run = Run_Density(s.Text());
        ASSERT_EQ(run.status, 0);
        EXPECT_EQ(Count(run.transcript, error[k]), 1);
        const Results r = Parse(run.contents.at(s.file));
        EXPECT_GT(r.Get("NON-AQUEOUS", "Vh (cc/mol)"), 0.0);
        EXPECT_GT(r.Get("NON-AQUEOUS", "Dh (g/cc)"), 0.0);
    }
}

// A results file that cannot be written is reported by name and asked for
// again under the same rules as the first name, until one works.
TEST(DensityProgram, UnwritableResultsFileIsAskedForAgain)
{
    const std::string error = "\n\tERROR: cannot write the results file ";
    const std::string prompt = "\nResults will be available in file : ";
    const std::string too_long = "\tERROR: the file name may have at most 19 characters";
    Script s;
    s.file = "nodir/r.txt";
    s.limit = "n\nabcdefghij1234567890\n.\n/dev/full\ngood.txt";
    Density_Run run = Run_Density(s.Text());
    ASSERT_EQ(run.status, 0);
    EXPECT_NE(run.transcript.find(error + "nodir/r.txt" + prompt + too_long + prompt + error + "." +
                                  prompt + error + "/dev/full" + prompt +
                                  "\nResults are now available in file : good.txt" + END),
              std::string::npos)
        << run.transcript;
    ASSERT_EQ(run.files.size(), 1u);
    EXPECT_NE(run.contents["good.txt"].find("\nFilename : good.txt\n"), std::string::npos);
    EXPECT_EQ(Count(run.transcript, "Results are now available"), 1);

    // Input that ends while a new name is asked for: nothing was written, and
    // the program says so.
    s.limit = "n";
    run = Run_Density(s.Text());
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(Ends_With(run.transcript, error + "nodir/r.txt" + prompt +
                                              "\nInput ended before the dialogue was complete; "
                                              "no results were written."));
    EXPECT_TRUE(run.files.empty());
}

// Answers no inclusion can have are refused, y/n answers are whole words, and
// results beyond the model are named on the console; a failed melting
// calculation says so on the console and in the file.
TEST(DensityProgram, RefusalsWarningsAndFailures)
{
    const struct {
        const char* answers;   // one a word; "@" stands for a NUL byte
        std::vector<std::string> shown;
        std::string file;      // the results file written, and a line it holds
        std::string line;
    } cases[] = {
        {"8.5 1 0.9 0.1 0 0 3 5 2 5 100 0 0 0 no fi23.txt n maybe y nope",
         {"\t(y/n):  \tPlease answer with 'y' or 'n'\n\t(y/n):  "}, "fi23.txt", "\nTh (K)\t278.150000"},
        {"5 1 1 0 0 0 3 -300 -21 1 100 0 0 0 n f y n",
         {"\tERROR: Th must be above absolute zero (-273.15 \xB0" "C)\n\tHomogenisation"}, "f", "\nTh (K)\t252.150000"},
        {"5 1 0.5 0.5 0 0 4 1e308 200 5 1 5 100 0 0 0 n f n y n",
         {"\tERROR: Ph must be below 200 MPa, the limit of the model\n\tHomogenisation Pressure (MPa) = "
          "\tERROR: Ph must be below 200 MPa"},
         "f", "\nPh (MPa)\t5.000000"},
        {"5 1 1 0 0 0 2 5 0.8 1 100 0 0 0 n f y n",
         {"\tDensity (g/cc) = \tERROR: it is unlikely that the gas is denser than ice (19.6 cc/mol)\n"}, "f", ""},
        {"5 1 1 0 0 0 1 50 2 100 0 0 0 n a@b f y n",
         {"Results will be available in file : \tERROR: the file name may not contain control characters\n"},
         "f", ""},
        {"-5 1 1 0 0 0 1 36 2 100 0 0 0 y 30 f y n",
         {"\nWARNING: the salt molality 6.80331 mol/kg is above 6 mol/kg, the range of the electrolyte "
          "parameters"},
         "f", "\nNaCl\t\t28.4"},
        // An isochoric phase whose pressure would be negative has no
        // equilibrium: the search fails (it used to give Pm -44.1 MPa).
        {"0 5 1 0 0 0 1 170.722 2 0 25.6154 21.4653 52.9193 y 13.7754 f y n",
         {"\nNo solution: the salinity search did not converge\nResults are now available"}, "f",
         "\n" + FILE_RULE + "\nNo solution: the salinity search did not converge\nCLATHRATE PHASE"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answers);
        std::string text;
        for (const char* a = c.answers; *a != '\0'; a++) text += *a == ' ' ? '\n' : *a == '@' ? '\0' : *a;
        const Density_Run run = Run_Density(text + "\n");
        EXPECT_EQ(run.status, 0);
        for (const std::string& shown : c.shown) EXPECT_NE(run.transcript.find(shown), std::string::npos) << shown;
        ASSERT_EQ(run.files.size(), 1u);
        EXPECT_EQ(run.files[0], c.file);
        EXPECT_NE(run.contents.at(c.file).find(c.line), std::string::npos);
    }
}

// CO2-CH4-N2 80/15/5 at -10 C by Redlich & Kwong: the bubble-point search
// ends on the trivial solution at 8.90 MPa, and the stability analysis finds
// the bubble point at 6.728 MPa; the dew point (4.082 MPa) the search finds
// itself. Everything after uses the boundary.
TEST(DensityProgram, HomogenisationByStabilityAnalysis)
{
    const struct {
        const char* mode;
        const char* line;   // the analysis's line, or none
        double Ph;
    } cases[] = {{"2", "\nStability analysis: bubble point at 6.72765 MPa\n", 6.727653},
                 {"1", "", 4.082437}};
    for (const auto& c : cases) {
        Script s = Make("5", "1", "0.8 0.15 0.05 0", "3", "-10", c.mode, "1", "100 0 0 0", "n", "n");
        const Density_Run run = Run_Density(s.Text());
        EXPECT_EQ(Count(run.transcript, "Stability analysis"), *c.line ? 1 : 0);
        if (*c.line) {
            EXPECT_NE(run.transcript.find(c.line), std::string::npos);
        }
        const Results r = Parse(run.contents.at(s.file));
        EXPECT_NEAR(r.Get("NON-AQUEOUS", "Ph (MPa)"), c.Ph, 5e-7);
    }
}

}  // namespace

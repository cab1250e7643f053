// Values of the component records: element table, molar masses of gases and
// salts from the element weights, ion charges, starting slot values.
#include "Numdef.h"

#include "Reid.h"

Element::Element(int no, double wt, int os1, int os2, int os3)
    : Atomic_Number(no), Atomic_Weight(wt), Oxidation_State1(os1), Oxidation_State2(os2),
      Oxidation_State3(os3)
{
}

// Elements by atomic number, with their atomic weights (g/mol) and oxidation
// states. The weights of He, Cl and K are fixed at 4.0020602, 35.4727 and
// 39.09873; the computed molar masses depend on them.
Element Hydrogen(1, 1.00794, 1, -1, 0);
Element Helium(2, 4.0020602, 0, 0, 0);
Element Lithium(3, 6.941, 1, 0, 0);
Element Beryllium(4, 9.012182, 2, 0, 0);
Element Boron(5, 10.811, 3, 0, 0);
Element Carbon(6, 12.011, 2, 4, -4);
Element Nitrogen(7, 14.00674, 1, 2, 3);
Element Oxygen(8, 15.9994, -2, 0, 0);
Element Fluorine(9, 18.9984032, -1, 0, 0);
Element Neon(10, 20.1797, 0, 0, 0);
Element Sodium(11, 22.989768, 1, 0, 0);
Element Magnesium(12, 24.305, 2, 0, 0);
Element Aluminium(13, 26.981539, 3, 0, 0);
Element Silicon(14, 28.0855, 4, -4, 0);
Element Phosphorus(15, 30.973762, 3, 5, -3);
Element Sulphur(16, 32.066, -2, 4, 6);
Element Chlorine(17, 35.4727, -1, 1, 5);
Element Argon(18, 39.948, 0, 0, 0);
Element Potasium(19, 39.09873, 1, 0, 0);
Element Calcium(20, 40.078, 2, 0, 0);
Element Scandium(21, 44.95591, 3, 0, 0);
Element Titanium(22, 47.88, 4, 3, 0);
Element Vanadium(23, 50.9415, 5, 4, 3);
Element Chromium(24, 51.9961, 3, 6, 2);
Element Manganese(25, 54.93805, 2, 4, 7);
Element Iron(26, 55.845, 2, 3, 0);
Element Cobalt(27, 58.9332, 2, 3, 0);
Element Nickel(28, 58.6934, 2, 3, 0);
Element Copper(29, 63.546, 2, 1, 0);
Element Zinc(30, 65.39, 2, 0, 0);
Element Gallium(31, 69.723, 3, 0, 0);
Element Germanium(32, 72.61, 4, 0, 0);
Element Arsenic(33, 74.92159, 3, 5, -3);
Element Selenium(34, 78.96, 4, 6, -2);
Element Bromine(35, 79.904, -1, 1, 5);
Element Krypton(36, 83.8, 0, 0, 0);
Element Rubidium(37, 85.4678, 1, 0, 0);
Element Strontium(38, 87.62, 2, 0, 0);
Element Yttrium(39, 88.90585, 3, 0, 0);
Element Zirconium(40, 91.224, 4, 0, 0);
Element Niobium(41, 92.90638, 5, 3, 0);
Element Molybdenum(42, 95.94, 6, 5, 4);
Element Technetium(43, 98.0, 7, 0, 0);
Element Ruthenium(44, 101.07, 3, 4, 0);
Element Rhodium(45, 102.9055, 3, 0, 0);
Element Palladium(46, 106.42, 2, 4, 0);
Element Silver(47, 107.8682, 1, 0, 0);
Element Cadmium(48, 112.411, 2, 0, 0);
Element Indium(49, 114.818, 3, 0, 0);
Element Tin(50, 118.71, 2, 4, 0);
Element Antimony(51, 121.757, 3, 5, -3);
Element Tellurium(52, 127.6, 4, 6, -2);
Element Iodine(53, 126.90447, -1, 1, 5);
Element Xenon(54, 131.29, 0, 0, 0);
Element Cesium(55, 132.90543, 1, 0, 0);
Element Barium(56, 137.327, 2, 0, 0);
Element Lanthanum(57, 138.9055, 3, 0, 0);
Element Cerium(58, 140.115, 3, 4, 0);
Element Praseodymium(59, 140.90765, 3, 0, 0);
Element Neodymium(60, 144.24, 3, 0, 0);
Element Promethium(61, 145.0, 3, 0, 0);
Element Samarium(62, 150.36, 3, 2, 0);
Element Europium(63, 151.965, 3, 2, 0);
Element Gadolinium(64, 157.25, 3, 0, 0);
Element Terbium(65, 158.92534, 3, 0, 0);
Element Dysprosium(66, 162.5, 3, 0, 0);
Element Holmium(67, 164.93032, 3, 0, 0);
Element Erbium(68, 167.26, 3, 0, 0);
Element Thulium(69, 168.93421, 3, 2, 0);
Element Ytterbium(70, 173.04, 3, 2, 0);
Element Lutetium(71, 174.967, 3, 0, 0);
Element Hafnium(72, 178.49, 4, 0, 0);
Element Tantalum(73, 180.9479, 5, 0, 0);
Element Tungsten(74, 183.84, 6, 5, 4);
Element Rhenium(75, 186.207, 7, 6, 4);
Element Osmium(76, 190.23, 4, 6, 8);
Element Iridium(77, 192.22, 3, 4, 6);
Element Platinum(78, 195.08, 2, 4, 0);
Element Gold(79, 196.96654, 3, 1, 0);
Element Mercury(80, 200.59, 2, 1, 0);
Element Thallium(81, 204.3833, 1, 3, 0);
Element Lead(82, 207.2, 2, 4, 0);
Element Bismuth(83, 208.98037, 3, 5, 0);
Element Polonium(84, 209.0, 4, 2, 0);
Element Astatine(85, 210.0, -1, 1, 3);
Element Radon(86, 222.0, 0, 0, 0);
Element Francium(87, 223.0, 1, 0, 0);
Element Radium(88, 226.0, 2, 0, 0);
Element Actinium(89, 227.0, 3, 0, 0);
Element Thorium(90, 232.0381, 4, 0, 0);
Element Protactinium(91, 231.03588, 5, 4, 0);
Element Uranium(92, 238.0289, 6, 5, 4);
Element Neptunium(93, 237.0, 5, 4, 3);
Element Plutonium(94, 244.0, 4, 6, 5);
Element Americium(95, 243.0, 3, 4, 5);
Element Curium(96, 247.0, 3, 0, 0);
Element Berkelium(97, 247.0, 3, 4, 0);
Element Californium(98, 251.0, 3, 0, 0);
Element Einsteinium(99, 252.0, 3, 0, 0);
Element Fermium(100, 257.0, 3, 0, 0);
Element Mendelevium(101, 258.0, 2, 3, 0);
Element Nobelium(102, 259.0, 2, 3, 0);
Element Lawrencium(103, 262.0, 3, 0, 0);
Element Unq(104, 261.0, 4, 0, 0);
Element Unp(105, 262.0, 5, 0, 0);
Element Unh(106, 263.0, 6, 0, 0);
Element Uns(107, 262.0, 0, 0, 0);
Element Uno(108, 265.0, 0, 0, 0);
Element Une(109, 266.0, 0, 0, 0);
Element Uun(110, 269.0, 0, 0, 0);

Gas H2O, CO2, CH4, N2, C2H6, H2S, NH3, H2, O2, CO, Ar, He, Propane, Butane, Pentane, Hexane, Heptane, Octane, Nonane, Decane, isoButane, isoPentane, neoPentane, Ethene, Propene, Butene_1, Pentene_1, Hexene_1, Heptene_1, Octene_1, Nonene_1, Decene_1, Ethyne, Propyne, Butyne_1, Pentyne_1, cycloPropane, cycloButane, cycloPentane, cycloHexane, cycloHeptane, Benzene;
Salt NaCl, KCl, CaCl2, MgCl2, FeCl2, FeCl3, LiCl, HCl, Na2SO4, K2SO4, CaSO4, MgSO4, FeSO4, Li2SO4, H2SO4, NaOH, KOH, CaO2H2, MgO2H2, FeO2H2, LiOH, NaHCO3, KHCO3, Na2CO3, K2CO3, CaCO3, MgCO3, FeCO3, Li2CO3;
Ion iNa, iK, iCa, iMg, iFe, iLi, iH, iCl, iHSO4, iSO4, iOH, iHCO3, iCO3;

double Molar_Volume[10];
double Density[10];
double GibbsTP[10];
double Fraction[10];

double empty[10] = {0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0};
double one[10] = {1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0};
double Exp[13] = {0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0};

namespace {

Gas* const Gas_Table[42] = {
    &H2O, &CO2, &CH4, &N2, &C2H6, &H2S, &NH3, &H2,
    &O2, &CO, &Ar, &He, &Propane, &Butane, &Pentane, &Hexane,
    &Heptane, &Octane, &Nonane, &Decane, &isoButane, &isoPentane, &neoPentane, &Ethene,
    &Propene, &Butene_1, &Pentene_1, &Hexene_1, &Heptene_1, &Octene_1, &Nonene_1, &Decene_1,
    &Ethyne, &Propyne, &Butyne_1, &Pentyne_1, &cycloPropane, &cycloButane, &cycloPentane, &cycloHexane,
    &cycloHeptane, &Benzene};

Salt* const Salt_Table[29] = {
    &NaCl, &KCl, &CaCl2, &MgCl2, &FeCl2, &FeCl3, &LiCl, &HCl,
    &Na2SO4, &K2SO4, &CaSO4, &MgSO4, &FeSO4, &Li2SO4, &H2SO4, &NaOH,
    &KOH, &CaO2H2, &MgO2H2, &FeO2H2, &LiOH, &NaHCO3, &KHCO3, &Na2CO3,
    &K2CO3, &CaCO3, &MgCO3, &FeCO3, &Li2CO3};

Ion* const Ion_Table[13] = {
    &iNa, &iK, &iCa, &iMg, &iFe, &iLi, &iH, &iCl, &iHSO4, &iSO4, &iOH, &iHCO3, &iCO3};

void Start_Gas(Gas& g, double weight)
{
    g = Gas{};
    g.Mole_Weight = weight;
    g.Molefraction[0] = 1.0;
    g.Molefraction[1] = 1.0;
    g.Molefraction[2] = 0.0;
    g.Molefraction[3] = 1.0;
}

void Start_Salt(Salt& s, double weight)
{
    s = Salt{};
    s.Mole_Weight = weight;
    s.Molefraction[0] = 1.0;
    s.Molefraction[1] = 1.0;
    s.Molefraction[2] = 1.0;
}

void Start_Ion(Ion& i, int charge)
{
    i = Ion{};
    i.Charge = charge;
    i.Molefraction[0] = 1.0;
    i.Molefraction[1] = 1.0;
    i.Molefraction[2] = 1.0;
}

// Fills the records once, before main starts: elements (constructed above),
// then gases, salts and ions.
struct Records_Filler {
    Records_Filler()
    {
        Start_Gas(H2O, 2 * Hydrogen.Atomic_Weight + Oxygen.Atomic_Weight);
        Start_Gas(CO2, Carbon.Atomic_Weight + 2 * Oxygen.Atomic_Weight);
        Start_Gas(CH4, Carbon.Atomic_Weight + 4 * Hydrogen.Atomic_Weight);
        Start_Gas(N2, 2 * Nitrogen.Atomic_Weight);
        Start_Gas(C2H6, 2 * Carbon.Atomic_Weight + 6 * Hydrogen.Atomic_Weight);
        Start_Gas(H2S, 2 * Hydrogen.Atomic_Weight + Sulphur.Atomic_Weight);
        Start_Gas(NH3, Nitrogen.Atomic_Weight + 3 * Hydrogen.Atomic_Weight);
        Start_Gas(H2, 2 * Hydrogen.Atomic_Weight);
        Start_Gas(O2, 2 * Oxygen.Atomic_Weight);
        Start_Gas(CO, Carbon.Atomic_Weight + Oxygen.Atomic_Weight);
        Start_Gas(Ar, Argon.Atomic_Weight);
        Start_Gas(He, Helium.Atomic_Weight);
        Start_Gas(Propane, 3 * Carbon.Atomic_Weight + 8 * Hydrogen.Atomic_Weight);
        Start_Gas(Butane, 4 * Carbon.Atomic_Weight + 10 * Hydrogen.Atomic_Weight);
        Start_Gas(Pentane, 5 * Carbon.Atomic_Weight + 12 * Hydrogen.Atomic_Weight);
        Start_Gas(Hexane, 6 * Carbon.Atomic_Weight + 14 * Hydrogen.Atomic_Weight);
        Start_Gas(Heptane, 7 * Carbon.Atomic_Weight + 16 * Hydrogen.Atomic_Weight);
        Start_Gas(Octane, 8 * Carbon.Atomic_Weight + 18 * Hydrogen.Atomic_Weight);
        Start_Gas(Nonane, 9 * Carbon.Atomic_Weight + 20 * Hydrogen.Atomic_Weight);
        Start_Gas(Decane, 10 * Carbon.Atomic_Weight + 22 * Hydrogen.Atomic_Weight);
        Start_Gas(isoButane, 4 * Carbon.Atomic_Weight + 10 * Hydrogen.Atomic_Weight);
        Start_Gas(isoPentane, 5 * Carbon.Atomic_Weight + 12 * Hydrogen.Atomic_Weight);
        Start_Gas(neoPentane, 5 * Carbon.Atomic_Weight + 12 * Hydrogen.Atomic_Weight);
        Start_Gas(Ethene, 2 * Carbon.Atomic_Weight + 4 * Hydrogen.Atomic_Weight);
        Start_Gas(Propene, 3 * Carbon.Atomic_Weight + 6 * Hydrogen.Atomic_Weight);
        Start_Gas(Butene_1, 4 * Carbon.Atomic_Weight + 8 * Hydrogen.Atomic_Weight);
        Start_Gas(Pentene_1, 5 * Carbon.Atomic_Weight + 10 * Hydrogen.Atomic_Weight);
        Start_Gas(Hexene_1, 6 * Carbon.Atomic_Weight + 12 * Hydrogen.Atomic_Weight);
        Start_Gas(Heptene_1, 7 * Carbon.Atomic_Weight + 14 * Hydrogen.Atomic_Weight);
        Start_Gas(Octene_1, 8 * Carbon.Atomic_Weight + 16 * Hydrogen.Atomic_Weight);
        Start_Gas(Nonene_1, 9 * Carbon.Atomic_Weight + 18 * Hydrogen.Atomic_Weight);
        Start_Gas(Decene_1, 10 * Carbon.Atomic_Weight + 20 * Hydrogen.Atomic_Weight);
        Start_Gas(Ethyne, 2 * Carbon.Atomic_Weight + 2 * Hydrogen.Atomic_Weight);
        Start_Gas(Propyne, 3 * Carbon.Atomic_Weight + 4 * Hydrogen.Atomic_Weight);
        Start_Gas(Butyne_1, 4 * Carbon.Atomic_Weight + 6 * Hydrogen.Atomic_Weight);
        Start_Gas(Pentyne_1, 5 * Carbon.Atomic_Weight + 8 * Hydrogen.Atomic_Weight);
        Start_Gas(cycloPropane, 3 * Carbon.Atomic_Weight + 6 * Hydrogen.Atomic_Weight);
        Start_Gas(cycloButane, 4 * Carbon.Atomic_Weight + 8 * Hydrogen.Atomic_Weight);
        Start_Gas(cycloPentane, 5 * Carbon.Atomic_Weight + 10 * Hydrogen.Atomic_Weight);
        Start_Gas(cycloHexane, 6 * Carbon.Atomic_Weight + 12 * Hydrogen.Atomic_Weight);
        Start_Gas(cycloHeptane, 7 * Carbon.Atomic_Weight + 14 * Hydrogen.Atomic_Weight);
        Start_Gas(Benzene, 6 * Carbon.Atomic_Weight + 6 * Hydrogen.Atomic_Weight);
        Reid_Constants();

        Start_Salt(NaCl, Sodium.Atomic_Weight + Chlorine.Atomic_Weight);
        Start_Salt(KCl, Potasium.Atomic_Weight + Chlorine.Atomic_Weight);
        Start_Salt(CaCl2, Calcium.Atomic_Weight + 2 * Chlorine.Atomic_Weight);
        Start_Salt(MgCl2, Magnesium.Atomic_Weight + 2 * Chlorine.Atomic_Weight);
        Start_Salt(FeCl2, Iron.Atomic_Weight + 2 * Chlorine.Atomic_Weight);
        Start_Salt(FeCl3, Iron.Atomic_Weight + 3 * Chlorine.Atomic_Weight);
        Start_Salt(LiCl, Lithium.Atomic_Weight + Chlorine.Atomic_Weight);
        Start_Salt(HCl, Hydrogen.Atomic_Weight + Chlorine.Atomic_Weight);
        Start_Salt(Na2SO4, 2 * Sodium.Atomic_Weight + Sulphur.Atomic_Weight + 4 * Oxygen.Atomic_Weight);
        Start_Salt(K2SO4, 2 * Potasium.Atomic_Weight + Sulphur.Atomic_Weight + 4 * Oxygen.Atomic_Weight);
        Start_Salt(CaSO4, Calcium.Atomic_Weight + Sulphur.Atomic_Weight + 4 * Oxygen.Atomic_Weight);
        Start_Salt(MgSO4, Magnesium.Atomic_Weight + Sulphur.Atomic_Weight + 4 * Oxygen.Atomic_Weight);
        Start_Salt(FeSO4, Iron.Atomic_Weight + Sulphur.Atomic_Weight + 4 * Oxygen.Atomic_Weight);
        Start_Salt(Li2SO4, 2 * Lithium.Atomic_Weight + Sulphur.Atomic_Weight + 4 * Oxygen.Atomic_Weight);
        Start_Salt(H2SO4, 2 * Hydrogen.Atomic_Weight + Sulphur.Atomic_Weight + 4 * Oxygen.Atomic_Weight);
        Start_Salt(NaOH, Sodium.Atomic_Weight + Oxygen.Atomic_Weight + Hydrogen.Atomic_Weight);
        Start_Salt(KOH, Potasium.Atomic_Weight + Oxygen.Atomic_Weight + Hydrogen.Atomic_Weight);
        Start_Salt(CaO2H2, Calcium.Atomic_Weight + 2 * Oxygen.Atomic_Weight + 2 * Hydrogen.Atomic_Weight);
        Start_Salt(MgO2H2, Magnesium.Atomic_Weight + 2 * Oxygen.Atomic_Weight + 2 * Hydrogen.Atomic_Weight);
        Start_Salt(FeO2H2, Iron.Atomic_Weight + 2 * Oxygen.Atomic_Weight + 2 * Hydrogen.Atomic_Weight);
        Start_Salt(LiOH, Lithium.Atomic_Weight + Oxygen.Atomic_Weight + Hydrogen.Atomic_Weight);
        Start_Salt(NaHCO3, Sodium.Atomic_Weight + Hydrogen.Atomic_Weight + Carbon.Atomic_Weight + 3 * Oxygen.Atomic_Weight);
        Start_Salt(KHCO3, Potasium.Atomic_Weight + Hydrogen.Atomic_Weight + Carbon.Atomic_Weight + 3 * Oxygen.Atomic_Weight);
        Start_Salt(Na2CO3, 2 * Sodium.Atomic_Weight + Carbon.Atomic_Weight + 3 * Oxygen.Atomic_Weight);
        Start_Salt(K2CO3, 2 * Potasium.Atomic_Weight + Carbon.Atomic_Weight + 3 * Oxygen.Atomic_Weight);
        Start_Salt(CaCO3, Calcium.Atomic_Weight + Carbon.Atomic_Weight + 3 * Oxygen.Atomic_Weight);
        Start_Salt(MgCO3, Magnesium.Atomic_Weight + Carbon.Atomic_Weight + 3 * Oxygen.Atomic_Weight);
        Start_Salt(FeCO3, Iron.Atomic_Weight + Carbon.Atomic_Weight + 3 * Oxygen.Atomic_Weight);
        Start_Salt(Li2CO3, 2 * Lithium.Atomic_Weight + Carbon.Atomic_Weight + 3 * Oxygen.Atomic_Weight);

        Start_Ion(iNa, Sodium.Oxidation_State1);
        Start_Ion(iK, Potasium.Oxidation_State1);
        Start_Ion(iCa, Calcium.Oxidation_State1);
        Start_Ion(iMg, Magnesium.Oxidation_State1);
        Start_Ion(iFe, Iron.Oxidation_State1);
        Start_Ion(iLi, Lithium.Oxidation_State1);
        Start_Ion(iH, Hydrogen.Oxidation_State1);
        Start_Ion(iCl, Chlorine.Oxidation_State1);
        // Oxo-anions: sulphur is +6 and carbon +4 in sulphate and carbonate.
        Start_Ion(iHSO4, Hydrogen.Oxidation_State1 + Sulphur.Oxidation_State3 + 4 * Oxygen.Oxidation_State1);
        Start_Ion(iSO4, Sulphur.Oxidation_State3 + 4 * Oxygen.Oxidation_State1);
        Start_Ion(iOH, Oxygen.Oxidation_State1 + Hydrogen.Oxidation_State1);
        Start_Ion(iHCO3, Hydrogen.Oxidation_State1 + Carbon.Oxidation_State2 + 3 * Oxygen.Oxidation_State1);
        Start_Ion(iCO3, Carbon.Oxidation_State2 + 3 * Oxygen.Oxidation_State1);
    }
};

const Records_Filler records_filler;

}  // namespace

namespace {

// The value `live` into `kept` (save) or back.
template <class T>
void Transfer(T& live, T& kept, bool save)
{
    if (save)
        kept = live;
    else
        live = kept;
}

}  // namespace

void Transfer_Records(Records_Copy& kept, bool save)
{
    for (int k = 0; k < 42; k++) Transfer(*Gas_Table[k], kept.gases[k], save);
    for (int k = 0; k < 29; k++) Transfer(*Salt_Table[k], kept.salts[k], save);
    for (int k = 0; k < 13; k++) Transfer(*Ion_Table[k], kept.ions[k], save);
    for (int i = 0; i < 10; i++) {
        Transfer(Molar_Volume[i], kept.Molar_Volume[i], save);
        Transfer(Density[i], kept.Density[i], save);
        Transfer(GibbsTP[i], kept.GibbsTP[i], save);
        Transfer(Fraction[i], kept.Fraction[i], save);
    }
}

Gas* Gas_Record(int what)
{
    if (what >= 0 && what <= 11) return Gas_Table[what];
    if (what >= 100 && what <= 129) return Gas_Table[what - 88];
    return nullptr;
}

Salt* Salt_Record(int what)
{
    if (what >= 0 && what <= 28) return Salt_Table[what];
    return nullptr;
}

void Gas_Molefractions(int what, int ph, double number)
{
    Gas* g = Gas_Record(what);
    if (g != nullptr && ph >= 0 && ph <= 9) g->Molefraction[ph] = number;
}

void Gas_Fugacities(int what, int ph, double number)
{
    Gas* g = Gas_Record(what);
    if (g != nullptr && ph >= 0 && ph <= 9) g->Fugacity[ph] = number;
}

void Gas_Coefficients(int what, int ph, double number)
{
    Gas* g = Gas_Record(what);
    if (g != nullptr && ph >= 0 && ph <= 9) g->Coefficient[ph] = number;
}

void Salt_Molefractions(int what, int ph, double number)
{
    Salt* s = Salt_Record(what);
    if (s != nullptr && ph >= 0 && ph <= 9) s->Molefraction[ph] = number;
}

void Normalise_Fractions(const double* xgas, double* y)
{
    double sum = 0.0;
    for (int i = 0; i < 10; i++) sum += xgas[i];
    for (int i = 0; i < 10; i++) y[i] = (sum != 0.0) ? xgas[i] / sum : xgas[i];
}

void Unknown_Fugacities(int phase)
{
    for (int i = 0; i < 10; i++) {
        Gas_Coefficients(i, phase, 1.0);
        Gas_Fugacities(i, phase, 0.0);
    }
}

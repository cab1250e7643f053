// Component records of the fluid-inclusion library: chemical elements, gases,
// salts and ions, with their per-phase slot arrays, and the phase-wide arrays.
//
// Phase slots (index 0..9 into every per-phase array):
//   0 total inclusion, 1 non-aqueous phase vapour-like, 2 non-aqueous phase
//   liquid-like, 3 ice, 4 clathrate structure I, 5 clathrate structure II,
//   7 aqueous solution; 6, 8 and 9 are not used.
// Composition vector (double[10]): H2O, CO2, CH4, N2, C2H6, H2S, NH3, H2, O2, CO.
// Ion vector (double[5]): Na+, K+, Ca++, Mg++, Cl-.
#ifndef NUMDEF_H
#define NUMDEF_H

class Element {
public:
    int Atomic_Number;
    double Atomic_Weight;     // g/mol
    int Oxidation_State1;
    int Oxidation_State2;     // 0 where none
    int Oxidation_State3;     // 0 where none
    Element(int no, double wt, int os1, int os2, int os3);
};

struct Gas {
    double Mole_Weight;       // g/mol
    double Tcrit;             // K
    double Pcrit;             // MPa
    double Vcrit;             // cm3/mol
    double Acentric;
    double Ttrip;             // K
    double Ptrip;             // MPa
    double Vtrip_liq;         // cm3/mol
    double Vtrip_vap;         // cm3/mol
    double Vtrip_sol;         // cm3/mol
    double Molefraction[10];
    double Fugacity[10];      // MPa
    double Coefficient[10];   // fugacity coefficient
    double Activity[10];
};

struct Salt {
    double Mole_Weight;       // g/mol
    double Molality;          // mol/kg H2O
    double Weight;            // mass percentage in the aqueous solution
    double Molefraction[10];
    double Fugacity[10];
    double Coefficient[10];   // activity coefficient
};

struct Ion {
    int Charge;
    double Molality;          // mol/kg H2O
    double Weight;            // mass percentage
    double Molefraction[10];
    double Fugacity[10];
    double Coefficient[10];
};

// Elements, by atomic number 1..110.
extern Element Hydrogen, Helium, Lithium, Beryllium, Boron, Carbon, Nitrogen, Oxygen,
    Fluorine, Neon, Sodium, Magnesium, Aluminium, Silicon, Phosphorus, Sulphur, Chlorine,
    Argon, Potasium, Calcium, Scandium, Titanium, Vanadium, Chromium, Manganese, Iron,
    Cobalt, Nickel, Copper, Zinc, Gallium, Germanium, Arsenic, Selenium, Bromine, Krypton,
    Rubidium, Strontium, Yttrium, Zirconium, Niobium, Molybdenum, Technetium, Ruthenium,
    Rhodium, Palladium, Silver, Cadmium, Indium, Tin, Antimony, Tellurium, Iodine, Xenon,
    Cesium, Barium, Lanthanum, Cerium, Praseodymium, Neodymium, Promethium, Samarium,
    Europium, Gadolinium, Terbium, Dysprosium, Holmium, Erbium, Thulium, Ytterbium,
    Lutetium, Hafnium, Tantalum, Tungsten, Rhenium, Osmium, Iridium, Platinum, Gold,
    Mercury, Thallium, Lead, Bismuth, Polonium, Astatine, Radon, Francium, Radium,
    Actinium, Thorium, Protactinium, Uranium, Neptunium, Plutonium, Americium, Curium,
    Berkelium, Californium, Einsteinium, Fermium, Mendelevium, Nobelium, Lawrencium,
    Unq, Unp, Unh, Uns, Uno, Une, Uun;

// Gases (42 records).
extern Gas H2O, CO2, CH4, N2, C2H6, H2S, NH3, H2, O2, CO, Ar, He, Propane, Butane,
    Pentane, Hexane, Heptane, Octane, Nonane, Decane, isoButane, isoPentane, neoPentane,
    Ethene, Propene, Butene_1, Pentene_1, Hexene_1, Heptene_1, Octene_1, Nonene_1,
    Decene_1, Ethyne, Propyne, Butyne_1, Pentyne_1, cycloPropane, cycloButane,
    cycloPentane, cycloHexane, cycloHeptane, Benzene;

// Salts (29 records).
extern Salt NaCl, KCl, CaCl2, MgCl2, FeCl2, FeCl3, LiCl, HCl, Na2SO4, K2SO4, CaSO4,
    MgSO4, FeSO4, Li2SO4, H2SO4, NaOH, KOH, CaO2H2, MgO2H2, FeO2H2, LiOH, NaHCO3,
    KHCO3, Na2CO3, K2CO3, CaCO3, MgCO3, FeCO3, Li2CO3;

// Ions (13 records).
extern Ion iNa, iK, iCa, iMg, iFe, iLi, iH, iCl, iHSO4, iSO4, iOH, iHCO3, iCO3;

// Phase-wide arrays, indexed by phase slot.
extern double Molar_Volume[10];   // cm3/mol
extern double Density[10];        // g/cm3
extern double GibbsTP[10];        // molar Gibbs energy of H2O in the phase, J/mol
extern double Fraction[10];       // volume fraction of the phase in the inclusion

// Constant vectors: no salt / no second composition, and all ones.
extern double empty[10];
extern double one[10];
extern double Exp[13];

// Setters by component number: gas numbers 0..11 and 100..129, salt numbers 0..28.
// Any other number stores nothing; ph is a phase slot 0..9.
void Gas_Molefractions(int what, int ph, double number);
void Gas_Fugacities(int what, int ph, double number);
void Gas_Coefficients(int what, int ph, double number);
void Salt_Molefractions(int what, int ph, double number);

// Conventions shared by the equations of state: amounts normalised to
// fractions (y = x / sum x; an all-zero vector stays as it is), and the values
// a fugacity operation stores for a state it cannot evaluate (coefficient 1.0,
// fugacity 0.0, gas numbers 0..9 of slot `phase`).
void Normalise_Fractions(const double* xgas, double* y);
void Unknown_Fugacities(int phase);

// The record of gas number `what` (0..11, 100..129), or nullptr.
Gas* Gas_Record(int what);
// The record of salt number `what` (0..28), or nullptr.
Salt* Salt_Record(int what);

// Every gas, salt and ion record and the phase arrays Molar_Volume, Density,
// GibbsTP and Fraction, copied into `kept` (save) or back from it.
struct Records_Copy {
    Gas gases[42];
    Salt salts[29];
    Ion ions[13];
    double Molar_Volume[10], Density[10], GibbsTP[10], Fraction[10];
};
void Transfer_Records(Records_Copy& kept, bool save);

#endif

#include "Inclusion_Row.h"

#include <cmath>
#include <functional>

#include "Carbonic.h"
#include "Dialogue.h"
#include "Inclusion.h"
#include "Lvequil.h"
#include "Numdef.h"
#include "density/Results.h"
#include "fourphase/Fourphase.h"
#include "fourphase/Results.h"

const std::vector<Input_Column> Input_Columns = {
    {"id", true},           {"program", true},       {"Tm_C", true},      {"clathrate_eos", true},
    {"x_CO2", true},        {"x_CH4", true},         {"x_N2", true},      {"x_C2H6", true},
    {"density_from", true}, {"density_value", true}, {"phase", true},     {"vapour_eos", false},
    {"NaCl_pct", true},     {"KCl_pct", true},       {"CaCl2_pct", true}, {"MgCl2_pct", true},
    {"aqueous_volume_pct", false}, {"limit_check", false},
};

std::string Row_Cells::Text(const char* name) const
{
    for (std::size_t k = 0; k < Input_Columns.size(); k++) {
        if (std::string(Input_Columns[k].name) != name) continue;
        const int at = index[k];
        if (at < 0 || static_cast<std::size_t>(at) >= record.size()) return std::string();
        return Trimmed(record[at]);
    }
    return std::string();
}

namespace {

// A value the row cannot have: the reason becomes the row's status.
struct Refusal {
    std::string reason;
};

[[noreturn]] void Refuse(const std::string& reason)
{
    throw Refusal{reason};
}

// A dialogue's refusal message in words: without the tab and "ERROR :".
void Check(const char* message)
{
    if (message == nullptr) return;
    std::string words = Trimmed(message);
    for (const char* prefix : {"ERROR :", "ERROR:"}) {
        if (words.compare(0, std::string(prefix).size(), prefix) == 0) {
            words = Trimmed(words.substr(std::string(prefix).size()));
            break;
        }
    }
    Refuse(words);
}

double Number(const Row_Cells& cells, const char* name)
{
    const std::string text = cells.Text(name);
    if (text.empty()) Refuse(std::string(name) + " is empty");
    double value = 0.0;
    if (!Read_Number(text, cells.separator, value)) Refuse(std::string(name) + " is not a number: " + text);
    return value;
}

// The position (1, 2, ...) of the cell among `words`, in any case.
int Keyword(const Row_Cells& cells, const char* name, std::initializer_list<const char*> words)
{
    const std::string text = Lower(cells.Text(name));
    int k = 1;
    std::string known;
    for (const char* word : words) {
        if (text == Lower(word)) return k;
        known += (k++ > 1 ? ", " : "") + std::string(word);
    }
    Refuse(std::string(name) + " must be one of " + known + (text.empty() ? " (it is empty)" : ", not " + text));
}

// Equations of state by name: their numbers on the clathrate menu (1..6) and
// on the liquid-vapour menu (1..10); 0 where a menu does not offer one.
struct EoS_Name {
    const char* name;
    int clathrate;
    int vapour;
};
const EoS_Name EoS_Names[] = {
    {"redlich-kwong", 0, 1}, {"chueh", 1, 2},           {"soave", 2, 3},     {"lee-kesler", 3, 4},
    {"peng-robinson", 4, 5}, {"holloway", 0, 6},        {"bowers-helgeson", 0, 7},
    {"duan-1992", 5, 8},     {"thiery", 0, 9},          {"duan-1996", 6, 10},
};

// The menu choice of an equation of state given by name or menu number.
int EoS_Choice(const Row_Cells& cells, const char* name, bool clathrate)
{
    const std::string text = Lower(cells.Text(name));
    const char* use = clathrate ? "clathrate equilibria" : "liquid-vapour equilibria";
    if (text.empty()) Refuse(std::string(name) + " is empty: an equation of state for the " + use + " is needed");
    for (const EoS_Name& eos : EoS_Names) {
        if (text != eos.name) continue;
        const int choice = clathrate ? eos.clathrate : eos.vapour;
        if (choice == 0) Refuse(text + " is not offered for the " + std::string(use));
        return choice;
    }
    const int count = clathrate ? 6 : 10;
    double number = 0.0;
    if (Read_Number(text, '.', number) && number == std::floor(number) && number >= 1 && number <= count)
        return static_cast<int>(number);
    Refuse(std::string(name) + ": unknown equation of state " + text);
}

// The program's own homogenisation data.
struct Homogenisation {
    double* T;
    double* P;
    double* V;
    double* D;
};

// The density data as the dialogue asks them; T typed in degrees Celsius is
// kept in K. `clathrate_melts_first` as in Check_Homogenisation_Temperature.
int Density_Source(const Row_Cells& cells)
{
    return Keyword(cells, "density_from", {"molar_volume", "density", "Th", "Ph"});
}

void Set_Density(const Row_Cells& cells, int mean, bool clathrate_melts_first, const Homogenisation& h)
{
    double value = Number(cells, "density_value");
    switch (mean) {
    case 1: Check(Check_Molar_Volume(value)); break;
    case 2: Check(Check_Density(value)); break;
    case 3:
        Check(Check_Homogenisation_Temperature(value, clathrate_melts_first));
        value += 273.15;
        break;
    default: Check(Check_Homogenisation_Pressure(value)); break;
    }
    Set_Density_Data(mean, value, *h.T, *h.P, *h.V, *h.D);
}

// The nature (molar volume, density) or mode of homogenisation (Th, Ph).
int Set_Phase(const Row_Cells& cells, int mean)
{
    const int choice = Keyword(cells, "phase", {"vapour", "liquid", "critical"});
    if (choice == 3 && mean <= 2) Refuse("a critical homogenisation needs density_from Th or Ph");
    return Set_Mode(choice);
}

// Whether the limit check is asked for: y or yes; empty, n or no skip it.
bool Limit_Check(const Row_Cells& cells)
{
    if (cells.Text("limit_check").empty()) return false;
    return Keyword(cells, "limit_check", {"n", "no", "y", "yes"}) >= 3;
}

// The reference equation of a pure gas, or the one named for a mixture.
void Set_Vapour_EoS(const Row_Cells& cells)
{
    const int gas = Pure_Gas();
    EoSvapour = gas != 0 ? Pure_Gas_EoS(gas) : Vapour_EoS_Number(EoS_Choice(cells, "vapour_eos", false));
}

// A bubble/dew point of a mixture that ended without a boundary, which the
// stability analysis did not find either, gives no homogenisation to go on
// from; one the analysis found is noted in the status.
void Check_Homogenisation(int mean, const Homogenisation& h, Row_Result& r)
{
    if (Pure_Gas() != 0 || mean <= 2) return;
    if (Last_Search_End == Search_None)
        Refuse(std::string("the bubble/dew-point search found no boundary (stability analysis: ") +
               Last_Search_Words + ")");
    if (Trivial_Solution(2, 1, Raman)) Refuse("the bubble/dew-point search ended on the trivial solution");
    for (const double* x : {h.T, h.P, h.V}) {
        if (!(std::isfinite(*x) && *x > 0)) Refuse("the bubble/dew-point search did not converge");
    }
    if (Last_Search_End == Search_By_Stability) r.notes.push_back("homogenisation by stability analysis");
}

void Set_Salt_Ratios(const Row_Cells& cells)
{
    double percent[4];
    const char* const names[4] = {"NaCl_pct", "KCl_pct", "CaCl2_pct", "MgCl2_pct"};
    for (int i = 0; i < 4; i++) percent[i] = Number(cells, names[i]);
    Check(Set_Salts(percent));
}

// The volume percentage of the aqueous solution, when the row gives it.
bool Set_Volume(const Row_Cells& cells)
{
    if (cells.Text("aqueous_volume_pct").empty()) return false;
    Check(Set_Volume_Percentage(Number(cells, "aqueous_volume_pct")));
    return true;
}

void Compute_Density(const Row_Cells& cells, Row_Result& r)
{
    const Homogenisation h = {&Thom, &Phom, &Vhom, &Dhom};
    r.mean = Density_Source(cells);
    Set_Density(cells, r.mean, false, h);
    const int mode = Set_Phase(cells, r.mean);
    Set_Vapour_EoS(cells);
    Set_Salt_Ratios(cells);
    if (Set_Volume(cells)) Set_NonAqueous_Fraction();
    const bool limit = Limit_Check(cells);

    Density_Carbonic_Phase(r.mean, mode);
    Check_Homogenisation(r.mean, h, r);
    r.homogenisation = true;
    Density_Melting(mode, limit, r.density_limits);
    r.limits = limit;
    r.results_file = true;
    r.melting = Melting_Failure == nullptr;
    r.whole = r.melting && (Fraction[1] != 0 || Fraction[2] != 0);
    if (!r.melting) r.status = Melting_Failure;
}

void Compute_Fourphase(const Row_Cells& cells, Row_Result& r)
{
    const Homogenisation h = {&Th, &Ph, &Vh, &Dh};
    const int mean = r.mean = Density_Source(cells);
    Set_Vapour_EoS(cells);
    const char* refusal = Q2_Refusal(Pure_Gas());
    if (refusal != nullptr) Refuse(refusal);
    Set_Density(cells, mean, true, h);
    const int mode = Set_Phase(cells, mean);
    Fourphase_Homogenisation(mean, mode);
    Check_Homogenisation(mean, h, r);
    r.homogenisation = true;
    Set_Salt_Ratios(cells);
    Set_Volume(cells);
    if (Limit_Check(cells)) {
        if (!Q2_Search()) Refuse("no Q2 found between 250 and 300 K");
        r.limits = true;
    } else {
        Fourphase_No_Limit();
    }
    r.melting = r.results_file = Fourphase_Salinity(mean);
    r.whole = r.melting && Fraction[aqueous_liquid] != 0;
    if (!r.melting) r.status = Melting_Failure;
    if (r.melting && Pure_Gas() == 0 && Last_Search_End == Search_By_Stability)
        r.notes.push_back("liquid-vapour split by stability analysis");
}

}  // namespace

Row_Result Compute_Inclusion(const Row_Cells& cells)
{
    Restore_Start_State();
    Thom = Phom = Vhom = Dhom = 0.0;
    Th = Ph = Vh = Dh = TQ2 = PQ2 = 0.0;
    Row_Result r;
    try {
        if (cells.Text("id").empty()) Refuse("id is empty");
        r.program = Keyword(cells, "program", {"density", "fourphase"});
        const double celsius = Number(cells, "Tm_C");
        Check(Check_Model_Temperature(celsius));
        TmClath = celsius + 273.15;
        EoSclath = Clathrate_EoS_Number(EoS_Choice(cells, "clathrate_eos", true));
        const char* const fractions[4] = {"x_CO2", "x_CH4", "x_N2", "x_C2H6"};
        Raman[0] = 0.0;
        for (int i = 0; i < 4; i++) Raman[i + 1] = Number(cells, fractions[i]);
        Check(Check_Composition(Raman));
        if (r.program == 1)
            Compute_Density(cells, r);
        else
            Compute_Fourphase(cells, r);
    } catch (const Refusal& refusal) {
        r.status = refusal.reason;
        r.melting = r.whole = r.results_file = false;
    }
    if (r.status == "ok" && !r.notes.empty()) {
        r.status += " (";
        for (std::size_t k = 0; k < r.notes.size(); k++) r.status += (k > 0 ? "; " : "") + r.notes[k];
        r.status += ")";
    }
    return r;
}

namespace {

// Which results a column belongs to: a cell is empty when its group has no
// result for the row.
enum Group { Homogenisation_Data, Melting, Density_Melting_Only, Fourphase_Melting, Whole, Density_Check, Q2_Check };

struct Result_Column {
    std::string name;
    Group group;
    std::function<std::string(const Row_Result&)> cell;
};

struct Gas_Name {
    const char* name;
    const Gas* gas;
};
const Gas_Name Gases5[5] = {{"H2O", &H2O}, {"CO2", &CO2}, {"CH4", &CH4}, {"N2", &N2}, {"C2H6", &C2H6}};

struct Ion_Name {
    const char* name;
    const Ion* ion;
};
const Ion_Name Ions5[5] = {{"Na", &iNa}, {"K", &iK}, {"Ca", &iCa}, {"Mg", &iMg}, {"Cl", &iCl}};

struct Salt_Name {
    const char* name;
    const Salt* salt;
};
const Salt_Name Salts4[4] = {{"NaCl", &NaCl}, {"KCl", &KCl}, {"CaCl2", &CaCl2}, {"MgCl2", &MgCl2}};

// The slot of the non-aqueous phase in equilibrium with the clathrate
// (density: the vapour-like or liquid-like phase; fourphase: the vapour).
int Carbonic_Slot(const Row_Result& r)
{
    return r.program == 2 ? 1 : Carbonic_Phase_Slot();
}

std::string Positive(double value)
{
    return value > 0 ? Number_Cell(value) : std::string();
}
std::string Nonzero(double value)
{
    return value != 0 ? Number_Cell(value) : std::string();
}

std::vector<Result_Column> Make_Columns()
{
    std::vector<Result_Column> c;
    auto add = [&c](const std::string& name, Group group, std::function<std::string(const Row_Result&)> cell) {
        c.push_back({name, group, std::move(cell)});
    };
    // Volume, density and gas fractions of a slot, under `prefix`.
    auto phase = [&add](const std::string& prefix, Group group, std::function<int(const Row_Result&)> slot) {
        add(prefix + "_Vm_cm3_mol", group, [slot](const Row_Result& r) { return Number_Cell(Molar_Volume[slot(r)]); });
        add(prefix + "_D_g_cm3", group, [slot](const Row_Result& r) { return Number_Cell(Density[slot(r)]); });
    };
    auto gases = [&add](const std::string& prefix, Group group, std::function<int(const Row_Result&)> slot) {
        for (const Gas_Name& g : Gases5) {
            const Gas* gas = g.gas;
            add(prefix + "_x_" + g.name, group,
                [gas, slot](const Row_Result& r) { return Number_Cell(gas->Molefraction[slot(r)]); });
        }
    };
    auto ions = [&add](const std::string& prefix, Group group, int slot) {
        for (const Ion_Name& i : Ions5) {
            const Ion* ion = i.ion;
            add(prefix + "_x_" + i.name, group, [ion, slot](const Row_Result&) { return Number_Cell(ion->Molefraction[slot]); });
        }
    };
    const auto clathrate = [](const Row_Result&) { return Clathrate_Slot(); };
    const auto aqueous = [](const Row_Result&) { return aqueous_liquid; };
    const auto vapour = [](const Row_Result&) { return 1; };
    const auto liquid = [](const Row_Result&) { return 2; };

    add("structure", Melting, [](const Row_Result&) { return std::to_string(Reported_Structure()); });
    add("Pm_MPa", Melting, [](const Row_Result&) { return Number_Cell(PmClath); });
    phase("clathrate", Melting, clathrate);
    gases("clathrate", Melting, clathrate);
    for (const Salt_Name& s : Salts4) {
        const Salt* salt = s.salt;
        add(std::string(s.name) + "_mass_pct", Melting, [salt](const Row_Result&) { return Number_Cell(salt->Weight); });
        add(std::string(s.name) + "_mol_kg", Melting, [salt](const Row_Result&) { return Number_Cell(salt->Molality); });
    }
    // All salts together: their mass in the solution, and MmClath.
    add("salinity_mass_pct", Melting, [](const Row_Result&) {
        double mass = 0.0;
        for (const Salt_Name& s : Salts4) mass += s.salt->Molality * s.salt->Mole_Weight;
        return Number_Cell(100.0 * mass / (1000.0 + mass));
    });
    add("salinity_mol_kg", Melting, [](const Row_Result&) { return Number_Cell(MmClath); });

    // A mixture of known density has no homogenisation computed: density keeps
    // start values in Thom and Phom.
    add("Th_K", Homogenisation_Data, [](const Row_Result& r) {
        return r.mean <= 2 && Pure_Gas() == 0 ? std::string() : Positive(r.program == 1 ? Thom : Th);
    });
    add("Ph_MPa", Homogenisation_Data, [](const Row_Result& r) {
        return r.mean <= 2 && Pure_Gas() == 0 ? std::string() : Positive(r.program == 1 ? Phom : Ph);
    });
    add("Vh_cm3_mol", Homogenisation_Data, [](const Row_Result& r) { return Number_Cell(r.program == 1 ? Vhom : Vh); });
    add("Dh_g_cm3", Homogenisation_Data, [](const Row_Result& r) { return Number_Cell(r.program == 1 ? Dhom : Dh); });

    add("aqueous_volume_fraction", Melting, [](const Row_Result&) { return Nonzero(Fraction[aqueous_liquid]); });
    phase("aqueous", Melting, aqueous);
    add("aqueous_a_H2O", Melting, [](const Row_Result&) { return Number_Cell(H2O.Activity[aqueous_liquid]); });
    gases("aqueous", Melting, aqueous);
    ions("aqueous", Melting, aqueous_liquid);

    add("carbonic_volume_fraction", Melting, [](const Row_Result& r) {
        if (Fraction[aqueous_liquid] == 0) return std::string();
        return Number_Cell(r.program == 1 ? Fraction[Carbonic_Slot(r)] : 1 - Fraction[aqueous_liquid]);
    });
    phase("carbonic", Melting, Carbonic_Slot);
    gases("carbonic", Melting, Carbonic_Slot);
    // Fugacity coefficients as the density results file gives them: not from
    // the reference equations of pure CO2 and C2H6.
    for (const Gas_Name& g : Gases5) {
        const Gas* gas = g.gas;
        add(std::string("carbonic_phi_") + g.name, Density_Melting_Only, [gas](const Row_Result& r) {
            const int slot = Carbonic_Slot(r);
            if (!Density_Results_Give_Fugacities() || !(gas->Molefraction[slot] > 0)) return std::string();
            return Number_Cell(gas->Coefficient[slot]);
        });
    }

    add("vapour_volume_fraction", Fourphase_Melting, [](const Row_Result&) { return Number_Cell(Fraction[1]); });
    add("liquid_volume_fraction", Fourphase_Melting, [](const Row_Result&) { return Number_Cell(Fraction[2]); });
    // Their molar volumes (the liquid's density is not computed for a pure gas).
    add("vapour_Vm_cm3_mol", Fourphase_Melting, [](const Row_Result&) { return Number_Cell(Molar_Volume[1]); });
    add("liquid_Vm_cm3_mol", Fourphase_Melting, [](const Row_Result&) { return Number_Cell(Molar_Volume[2]); });
    gases("vapour", Fourphase_Melting, vapour);
    gases("liquid", Fourphase_Melting, liquid);

    add("Vm_total_cm3_mol", Whole, [](const Row_Result&) { return Number_Cell(Molar_Volume[0]); });
    add("D_total_g_cm3", Whole, [](const Row_Result&) { return Number_Cell(Density[0]); });
    gases("total", Whole, [](const Row_Result&) { return 0; });
    ions("total", Whole, 0);

    add("Tmax_K", Density_Check, [](const Row_Result& r) { return Positive(r.density_limits.Tmax); });
    add("Pmin_MPa", Density_Check, [](const Row_Result& r) { return Positive(r.density_limits.Pmin); });
    add("Pmax_MPa", Density_Check, [](const Row_Result& r) { return Positive(r.density_limits.Pmax); });
    add("TQ2_K", Q2_Check, [](const Row_Result&) { return Number_Cell(TQ2); });
    add("PQ2_MPa", Q2_Check, [](const Row_Result&) { return Number_Cell(PQ2); });
    return c;
}

const std::vector<Result_Column>& Columns()
{
    static const std::vector<Result_Column> columns = Make_Columns();
    return columns;
}

bool Group_Exists(Group group, const Row_Result& r)
{
    switch (group) {
    case Homogenisation_Data: return r.homogenisation;
    case Melting: return r.melting;
    case Density_Melting_Only: return r.melting && r.program == 1;
    case Fourphase_Melting: return r.melting && r.program == 2;
    case Whole: return r.whole;
    case Density_Check: return r.limits && r.program == 1;
    default: return r.limits && r.program == 2;
    }
}

}  // namespace

const std::vector<std::string>& Result_Names()
{
    static const std::vector<std::string> names = [] {
        std::vector<std::string> list;
        for (const Result_Column& column : Columns()) list.push_back(column.name);
        return list;
    }();
    return names;
}

Record Result_Cells(const Row_Result& result)
{
    Record cells;
    for (const Result_Column& column : Columns())
        cells.push_back(Group_Exists(column.group, result) ? column.cell(result) : std::string());
    return cells;
}

bool Write_Row_Results(const Row_Result& result, const char* filename)
{
    if (result.program == 1) return Write_Density_Results(filename, result.mean);
    return Write_Fourphase_Results(filename, result.mean);
}

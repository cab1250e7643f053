// The inclusions program against the dialogues it stands for: each row of a
// table gives the numbers of the results file that density or fourphase
// writes for the same answers, and --files writes that file itself; the
// automatic Q2 of the limit check against temperatures typed in the dialogue;
// broken rows and broken tables.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "Table.h"
#include "density/Run_Density.h"

namespace {

const std::string HEADER =
    "id,program,Tm_C,clathrate_eos,x_CO2,x_CH4,x_N2,x_C2H6,density_from,density_value,phase,vapour_eos,"
    "NaCl_pct,KCl_pct,CaCl2_pct,MgCl2_pct,aqueous_volume_pct,limit_check";

// A run of inclusions on the table `table` as m.csv, with --files out.
Density_Run Run_Table(const std::string& table, const std::string& arguments = "m.csv -o r.csv --files out")
{
    return Run_Program(FI_INCLUSIONS_EXE, "", arguments, {{"m.csv", table}});
}

// The output table by id: column name to cell.
std::map<std::string, std::map<std::string, std::string>> Rows(const std::string& csv)
{
    char path[] = "/tmp/fitable.XXXXXX";
    const int fd = mkstemp(path);
    if (fd >= 0) {
        std::FILE* out = fdopen(fd, "w");
        std::fputs(csv.c_str(), out);
        std::fclose(out);
    }
    Table_Reader reader;
    Record header, record;
    std::map<std::string, std::map<std::string, std::string>> rows;
    if (reader.Open(path) && reader.Next(header)) {
        while (reader.Next(record)) {
            for (std::size_t k = 0; k < header.size() && k < record.size(); k++) rows[record[0]][header[k]] = record[k];
        }
    }
    std::remove(path);
    return rows;
}

// The output column of a labelled line of a results file in its block, or
// "" for an input echoed back (Tm, the composition at homogenisation).
std::vector<std::string> Columns_Of(const std::string& block, const std::string& label)
{
    static const std::map<std::string, std::string> units = {
        {"Vm (cc/mol)", "Vm_cm3_mol"}, {"D (g/cc)", "D_g_cm3"}, {"Volume fraction", "volume_fraction"},
        {"Th (K)", "Th_K"}, {"Ph (MPa)", "Ph_MPa"}, {"Vh (cc/mol)", "Vh_cm3_mol"}, {"Dh (g/cc)", "Dh_g_cm3"},
        {"Pm (MPa)", "Pm_MPa"}, {"Activity(H2O)", "a_H2O"}, {"Frac (rel)", "volume_fraction"}};
    std::string unit = units.count(label) ? units.at(label) : "";
    if (label.compare(0, 2, "x(") == 0) {
        unit = "x_" + label.substr(2, label.find_first_of("+-)") - 2);
        if (block == "input") return {""};
    }
    if (block == "phi") return {"carbonic_phi_" + label};
    if (block == "hom" || label == "Pm (MPa)") return {unit};
    if (block == "pair") return {"vapour_" + unit, "liquid_" + unit};
    if (block == "aqueous" && unit.empty()) return {label + "_mass_pct", label + "_mol_kg"};   // a salt
    if (block == "total" && unit.compare(0, 2, "x_") != 0) return {unit.substr(0, unit.find('_')) + "_total" + unit.substr(unit.find('_'))};
    return {unit.empty() ? "" : block + "_" + unit};
}

// Every number of a results file against the cell of its column (equal as
// printed, "%f"); returns how many were compared.
int Compare_With_File(const std::string& file, std::map<std::string, std::string>& cells)
{
    static const std::vector<std::pair<std::string, std::string>> blocks = {
        {"CLATHRATE PHASE", "clathrate"}, {"NON-AQUEOUS PHASE", "carbonic"}, {"Fugacity coefficients", "phi"},
        {"Homogenisation conditions", "hom"}, {"At homogenisation conditions", "hom"},
        {"amount-of-substance fraction", "input"}, {"At clathrate melting", "pair"},
        {"Carbonic vapour phase", "carbonic"}, {"AQUEOUS SOLUTION", "aqueous"}, {"TOTAL FLUID", "total"}};
    std::istringstream in(file);
    std::string line, block;
    int compared = 0;
    while (std::getline(in, line)) {
        for (const auto& b : blocks) {
            if (line.compare(0, b.first.size(), b.first) == 0 && (b.second != "input" || block == "hom")) block = b.second;
        }
        if (line.compare(0, 20, "Clathrate Structure ") == 0) {
            EXPECT_EQ(cells["structure"], line.substr(20));
        }
        const std::size_t tab = line.find('\t');
        if (tab == std::string::npos || line.compare(0, 4, "Tm (") == 0) continue;
        std::istringstream numbers(line.substr(tab));
        for (const std::string& column : Columns_Of(block, line.substr(0, tab))) {
            double value = 0;
            if (!(numbers >> value) || column.empty()) continue;
            // fourphase writes the non-aqueous fraction 1 when the aqueous one is not known.
            if (column == "carbonic_volume_fraction" && cells["aqueous_volume_fraction"].empty()) continue;
            SCOPED_TRACE(line + " -> " + column);
            EXPECT_FALSE(cells[column].empty());
            EXPECT_NEAR(std::atof(cells[column].c_str()), value, 5.0001e-7);
            compared++;
        }
    }
    return compared;
}

// One inclusion: its row and the answers to its dialogue (results file
// <id>.txt). Dialogue orders:
//   density: Tm, clathrate EoS, x(CO2) x(CH4) x(N2) x(C2H6), source, value,
//     nature/mode, [EoS of a mixture], salts, volume fraction, file,
//     [bubble/dew-point restart], continue, limit check;
//   fourphase: Tm, clathrate EoS, fractions, source, [EoS of a mixture],
//     value, mode, [bubble/dew-point restart], salts, volume fraction, file,
//     limit check [and its answers], [flash restart].
struct Inclusion {
    const char* row;
    const char* answers;
};

const Inclusion Equivalent[] = {
    {"d01,density,5,lee-kesler,1,0,0,0,molar_volume,50,liquid,,100,0,0,0,30,n", "5 3 1 0 0 0 1 50 2 100 0 0 0 y 30 d01.txt y n"},
    {"d02,density,8,3,0.8,0.15,0.05,0,Th,0,liquid,4,100,0,0,0,30,y", "8 3 0.8 0.15 0.05 0 3 0 2 4 100 0 0 0 y 30 d02.txt n y y"},
    {"d03,density,8.5,chueh,0.9,0.1,0,0,Th,5,liquid,peng-robinson,100,0,0,0,30,", "8.5 1 0.9 0.1 0 0 3 5 2 5 100 0 0 0 y 30 d03.txt n y n"},
    {"d04,density,6,soave,1,0,0,0,density,0.75,liquid,,80,20,0,0,,n", "6 2 1 0 0 0 2 0.75 2 80 20 0 0 n d04.txt y n"},
    {"d05,density,7,peng-robinson,0.9,0.1,0,0,Ph,4,vapour,redlich-kwong,50,0,50,0,40,n", "7 4 0.9 0.1 0 0 4 4 1 1 50 0 50 0 y 40 d05.txt n y n"},
    {"d06,density,10,lee-kesler,0.8,0.15,0.05,0,molar_volume,80,vapour,lee-kesler,80,20,0,0,,y", "10 3 0.8 0.15 0.05 0 1 80 1 4 80 20 0 0 n d06.txt y y"},
    {"d07,density,9,duan-1996,0.85,0.1,0.05,0,Th,-2,critical,thiery,90,0,0,10,25,n", "9 6 0.85 0.1 0.05 0 3 -2 3 9 90 0 0 10 y 25 d07.txt n y n"},
    {"f01,fourphase,8,chueh,1,0,0,0,Th,20,liquid,,100,0,0,0,30,n", "8 1 1 0 0 0 3 20 2 100 0 0 0 y 30 f01.txt n"},
    {"f02,fourphase,8,chueh,1,0,0,0,molar_volume,56.9,liquid,,100,0,0,0,,n", "8 1 1 0 0 0 1 56.9 2 100 0 0 0 n f02.txt n"},
    {"f03,fourphase,8,chueh,0.9,0.1,0,0,Th,15,vapour,thiery,100,0,0,0,,n", "8 1 0.9 0.1 0 0 3 9 15 1 n 100 0 0 0 n f03.txt n n"},
    {"f04,fourphase,8,chueh,0.9,0.1,0,0,density,0.5,vapour,peng-robinson,100,0,0,0,30,n", "8 1 0.9 0.1 0 0 2 5 0.5 1 100 0 0 0 y 30 f04.txt n n"},
    {"f05,fourphase,7,soave,1,0,0,0,Ph,5,vapour,,70,30,0,0,20,n", "7 2 1 0 0 0 4 5 1 70 30 0 0 y 20 f05.txt n"},
    // With the limit check the dialogue stops at its first Q2 pass (300 K):
    // the Q2 is not in the results file, the salinity below it is.
    {"f06,fourphase,8,lee-kesler,1,0,0,0,Th,20,liquid,,100,0,0,0,30,y", "8 3 1 0 0 0 3 20 2 100 0 0 0 y 30 f06.txt y n"},
};

std::string Lines(std::string answers)
{
    for (char& c : answers) c = c == ' ' ? '\n' : c;
    return answers + "\n";
}

TEST(Inclusions, RowsEqualTheDialoguesResultsFiles)
{
    std::string table = HEADER + ",sample\n# a comment line\n";
    for (const Inclusion& inclusion : Equivalent) table += std::string(inclusion.row) + ",\"a, b\"\n";
    const Density_Run run = Run_Table(table);
    ASSERT_EQ(run.status, 0) << run.errors;
    auto rows = Rows(run.contents.at("r.csv"));
    ASSERT_EQ(rows.size(), std::size(Equivalent));
    for (const Inclusion& inclusion : Equivalent) {
        const std::string id = std::string(inclusion.row).substr(0, 3);
        SCOPED_TRACE(id);
        const char* exe = id[0] == 'd' ? FI_DENSITY_EXE : FI_FOURPHASE_EXE;
        const Density_Run dialogue = Run_Program(exe, Lines(inclusion.answers));
        ASSERT_EQ(dialogue.contents.count(id + ".txt"), 1u);
        const std::string& file = dialogue.contents.at(id + ".txt");
        EXPECT_EQ(rows[id]["status"], "ok");
        EXPECT_EQ(rows[id]["sample"], "a, b");
        EXPECT_GE(Compare_With_File(file, rows[id]), 15);
        EXPECT_EQ(run.contents.at("out/" + id + ".txt"), file);
        // A mixture of known density has no homogenisation T and P.
        if (id == "d06" || id == "f04") {
            EXPECT_EQ(rows[id]["Th_K"] + rows[id]["Ph_MPa"], "");
        }
    }
}

// The limit check's automatic Q2 against the dialogue given the
// temperatures 0.01 K below and above it (in degrees Celsius, %s): there
// the clathrate pressure lies below, then above the liquid-vapour pressure.
TEST(Inclusions, AutomaticQ2LiesBetweenTheTypedTemperatures)
{
    const Inclusion cases[] = {
        {"q1,fourphase,8,chueh,1,0,0,0,Th,20,liquid,,100,0,0,0,30,y", "8 1 1 0 0 0 3 20 2 100 0 0 0 y 30 q1.txt y y %s y %s n"},
        {"q2,fourphase,6,lee-kesler,0.95,0.05,0,0,Th,18,liquid,peng-robinson,100,0,0,0,,y",
         "6 3 0.95 0.05 0 0 3 5 18 2 n 100 0 0 0 n q2.txt y n y %s n y %s n n n"},
    };
    for (const Inclusion& inclusion : cases) {
        const std::string id = std::string(inclusion.row).substr(0, 2);
        SCOPED_TRACE(id);
        auto rows = Rows(Run_Table(HEADER + "\n" + inclusion.row + "\n").contents["r.csv"]);
        ASSERT_EQ(rows[id]["status"], "ok");
        const double TQ2 = std::atof(rows[id]["TQ2_K"].c_str());
        char below[32], above[32], answers[200];
        std::snprintf(below, sizeof below, "%.6f", TQ2 - 0.01 - 273.15);
        std::snprintf(above, sizeof above, "%.6f", TQ2 + 0.01 - 273.15);
        std::snprintf(answers, sizeof answers, inclusion.answers, below, above);
        const std::string transcript = Run_Program(FI_FOURPHASE_EXE, Lines(answers)).transcript;
        std::vector<std::string> said;
        for (std::size_t at = transcript.find("Temperature should be "); at != std::string::npos;
             at = transcript.find("Temperature should be ", at + 1))
            said.push_back(transcript.substr(at + 22, 6));
        EXPECT_EQ(said, (std::vector<std::string>{"lower ", "higher", "lower "}));
    }
}

// Each broken row gives the reason in words, with its result cells empty; the
// good row after it is computed as if it stood alone.
TEST(Inclusions, BrokenRowsGiveTheirReasonAndTheTableGoesOn)
{
    const std::string good = "density,8.5,chueh,0.9,0.1,0,0,Th,5,liquid,peng-robinson,100,0,0,0,30,n";
    const struct {
        const char* row;
        const char* status;
    } cases[] = {
        {"density,50,chueh,1,0,0,0,molar_volume,50,liquid,,100,0,0,0,,n", "clathrate melting temperature exceeds model limits (250-320 K)"},
        {"density,abc,chueh,1,0,0,0,molar_volume,50,liquid,,100,0,0,0,,n", "Tm_C is not a number: abc"},
        {"density,8,vdw,1,0,0,0,molar_volume,50,liquid,,100,0,0,0,,n", "clathrate_eos: unknown equation of state vdw"},
        {"density,8,7,1,0,0,0,molar_volume,50,liquid,,100,0,0,0,,n", "clathrate_eos: unknown equation of state 7"},
        {"density,8,Holloway,1,0,0,0,molar_volume,50,liquid,,100,0,0,0,,n", "holloway is not offered for the clathrate equilibria"},
        {"density,8,chueh,0.5,0.4,0,0,molar_volume,50,liquid,,100,0,0,0,,n", "sum of fractions is not equal to 1"},
        {"density,8,chueh,1.2,-0.2,0,0,molar_volume,50,liquid,,100,0,0,0,,n", "each fraction must be between 0 and 1"},
        {"density,8,chueh,1,0,0,0,molar_volume,15,liquid,,100,0,0,0,,n", "it is unlikely that the gas is denser than ice (19.6 cc/mol)"},
        {"density,8,chueh,1,0,0,0,density,0,liquid,,100,0,0,0,,n", "density must be larger than 0"},
        {"density,8,chueh,1,0,0,0,Th,10,liquid,,100,0,0,0,,n", "Th exceeds the clathrate melting temperature"},
        {"fourphase,8,chueh,1,0,0,0,Th,5,liquid,,100,0,0,0,,n", "Th is lower than the clathrate melting temperature"},
        {"density,8,chueh,0.9,0.1,0,0,Ph,250,liquid,soave,100,0,0,0,,n", "Ph must be below 200 MPa, the limit of the model"},
        {"density,8,chueh,0.9,0.1,0,0,Ph,5,liquid,,100,0,0,0,,n",
         "vapour_eos is empty: an equation of state for the liquid-vapour equilibria is needed"},
        {"density,8,chueh,1,0,0,0,molar_volume,50,critical,,100,0,0,0,,n", "a critical homogenisation needs density_from Th or Ph"},
        {"density,8,chueh,1,0,0,0,molar_volume,50,liquid,,50,40,0,0,,n", "sum of percentage is not equal to 100"},
        {"density,8,chueh,1,0,0,0,molar_volume,50,liquid,,100,0,0,0,100,n", "percentage should have a value between 0-100%"},
        {"density,8,chueh,1,0,0,0,molar_volume,50,liquid,,100,0,0,0,,maybe", "limit_check must be one of n, no, y, yes, not maybe"},
        {"fourphase,8,chueh,0,1,0,0,Th,20,liquid,,100,0,0,0,,n", "pure CH4 gases do not have Q2 melting"},
        {"fourphase,8,chueh,0,0,1,0,molar_volume,50,liquid,,100,0,0,0,,n", "pure N2 gases do not have Q2 melting"},
        {"dens,8,chueh,1,0,0,0,molar_volume,50,liquid,,100,0,0,0,,n", "program must be one of density, fourphase, not dens"},
        {"density,8,chueh,1,0,0,0,molar_volume,50,liquid,,100,0,0,0,,n,extra", "the row has more cells than the header has columns"},
        {"density,8,chueh,0.5,0.5,0,0,Th,5,liquid,peng-robinson,100,0,0,0,,n",
         "the bubble/dew-point search found no boundary (stability analysis: no two-phase region at this "
         "temperature)"},
        {"density,6.1,lee-kesler,1,0,0,0,density,0.577,liquid,,100,0,0,0,,n", "the salinity search did not converge"},
        {"fourphase,8,chueh,0.9,0.1,0,0,Th,5,liquid,peng-robinson,100,0,0,0,,n",
         "Th is lower than the clathrate melting temperature"},
        {"fourphase,35,chueh,1,0,0,0,molar_volume,70,liquid,,100,0,0,0,,n", "no liquid-vapour equilibrium at the melting temperature"},
        {"fourphase,12,chueh,1,0,0,0,Th,20,liquid,,100,0,0,0,30,y",
         "the melting temperature is above the Q2 temperature of the limit check"},
        {"fourphase,7.7,soave,0.971,0.025,0.004,0,molar_volume,61.1,liquid,duan-1996,100,0,0,0,13,y",
         "no Q2 found between 250 and 300 K"},
    };
    std::string table = HEADER + "\ng0," + good + "\n";
    for (std::size_t k = 0; k < std::size(cases); k++)
        table += "b" + std::to_string(k) + "," + cases[k].row + "\ng" + std::to_string(k + 1) + "," + good + "\n";
    const Density_Run run = Run_Table(table);
    ASSERT_EQ(run.status, 0);
    auto rows = Rows(run.contents.at("r.csv"));
    const std::string Pm = rows["g0"]["Pm_MPa"];
    ASSERT_FALSE(Pm.empty());
    for (std::size_t k = 0; k < std::size(cases); k++) {
        const std::string bad = "b" + std::to_string(k), next = "g" + std::to_string(k + 1);
        SCOPED_TRACE(cases[k].row);
        EXPECT_EQ(rows[bad]["status"], cases[k].status);
        EXPECT_EQ(rows[bad]["Pm_MPa"], "");
        EXPECT_EQ(run.contents.count("out/" + bad + ".txt"), std::string(cases[k].row).find(",6.1,") != std::string::npos ? 1u : 0u);
        EXPECT_EQ(rows[next]["status"], "ok");
        EXPECT_EQ(rows[next]["Pm_MPa"], Pm);
    }
    EXPECT_NE(run.errors.find(std::to_string(std::size(cases) + 1) + " rows ok, " + std::to_string(std::size(cases)) + " rows failed"),
              std::string::npos);

    // Searches that end on the trivial solution, rescued by the stability
    // analysis: the row is computed and its status says how.
    const Density_Run rescued = Run_Table(
        HEADER + "\na,density,7,peng-robinson,0.9,0.1,0,0,Ph,5,liquid,redlich-kwong,50,0,50,0,40,n"
                 "\nb,fourphase,8,chueh,0.9,0.1,0,0,molar_volume,60,liquid,peng-robinson,100,0,0,0,,n\n");
    rows = Rows(rescued.contents.at("r.csv"));
    EXPECT_EQ(rows["a"]["status"], "ok (homogenisation by stability analysis)");
    EXPECT_EQ(rows["b"]["status"], "ok (liquid-vapour split by stability analysis)");
    EXPECT_EQ(rows["b"]["Pm_MPa"], "6.512161032");
}

// A table that cannot be read or written ends the run with status 2 and a
// message naming the file or column, and leaves no table behind; a table with
// decimal commas and semicolons reads as the same table with points.
TEST(Inclusions, BrokenTables)
{
    const std::string row = "g,density,8.5,chueh,0.9,0.1,0,0,Th,5,liquid,peng-robinson,100,0,0,0,30,n\n";
    const struct {
        const char* arguments;
        std::string table;
        const char* error;
    } cases[] = {
        {"m.csv -o r.csv", "", "inclusions: m.csv: no header row"},
        {"m.csv -o r.csv", "# only a comment\n\n", "inclusions: m.csv: no header row"},
        {"m.csv -o r.csv", "id,program,Tm_C\n" + row, "inclusions: m.csv: no column clathrate_eos"},
        {"m.csv -o r.csv", HEADER + ",TM_C\n" + row, "inclusions: m.csv: column TM_C appears twice"},
        {"none.csv -o r.csv", HEADER + "\n" + row, "inclusions: cannot read none.csv: No such file or directory"},
        {"m.csv -o no/r.csv", HEADER + "\n" + row, "inclusions: cannot write no/r.csv: No such file or directory"},
        {"m.csv", HEADER + "\n" + row, "inclusions: no results table given (-o)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.error);
        const Density_Run run = Run_Table(c.table, c.arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.errors.find(c.error), std::string::npos) << run.errors;
        EXPECT_EQ(run.files, std::vector<std::string>{"m.csv"});
    }
    std::string semicolons = HEADER + "\n" + row;
    for (char& ch : semicolons) ch = ch == ',' ? ';' : ch == '.' ? ',' : ch;
    auto points = Rows(Run_Table(HEADER + "\n" + row).contents["r.csv"]);
    auto commas = Rows(Run_Table(semicolons).contents["r.csv"]);
    EXPECT_EQ(commas["g"]["status"], "ok");
    EXPECT_EQ(commas["g"], points["g"]);
}

// The template's example rows, uncommented, compute.
TEST(Inclusions, TemplateRowsCompute)
{
    std::string table = Run_Program(FI_INCLUSIONS_EXE, "", "--template").transcript;
    for (std::size_t at = table.find("\n#"); at != std::string::npos; at = table.find("\n#")) table.erase(at + 1, 1);
    const Density_Run run = Run_Table(table);
    EXPECT_NE(run.errors.find("3 rows ok, 0 rows failed"), std::string::npos) << run.errors;
}

}  // namespace

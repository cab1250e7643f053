// One row of the measurements table: its cells given to the calculation of
// the density or fourphase program in the order of that program's dialogue,
// each value checked by the dialogue's own rule, and the results read back
// from the library as the cells of the results table.
#ifndef INCLUSION_ROW_H
#define INCLUSION_ROW_H

#include <string>
#include <vector>

#include "Table.h"
#include "density/Density.h"

// The columns the calculation reads (names compared in any case): id, program, Tm_C,
// clathrate_eos, x_CO2, x_CH4, x_N2, x_C2H6, density_from, density_value,
// phase, vapour_eos, NaCl_pct, KCl_pct, CaCl2_pct, MgCl2_pct,
// aqueous_volume_pct, limit_check. The last three may be missing from a table
// (as if empty); `required` tells.
struct Input_Column {
    const char* name;
    bool required;
};
extern const std::vector<Input_Column> Input_Columns;

// The cells of one row by column name (as Input_Columns writes it);
// `index[k]` is the record position of Input_Columns[k], -1 when the table
// has no such column.
struct Row_Cells {
    const Record& record;
    const std::vector<int>& index;
    char separator;
    // The trimmed cell of a column, empty when the row or the table has none.
    std::string Text(const char* name) const;
};

// What one row gave: the status ("ok" or the reason in words) and which
// groups of results exist.
struct Row_Result {
    std::string status = "ok";
    std::vector<std::string> notes;   // how an ok row was reached, when not by the searches alone
    int program = 0;                 // 1 density, 2 fourphase
    int mean = 0;                    // density source, 1..4 as in the dialogue
    bool homogenisation = false;     // the non-aqueous phase at homogenisation
    bool melting = false;            // clathrate melting, phases and salinity
    bool whole = false;              // the whole inclusion
    bool limits = false;             // the limit check's figures
    bool results_file = false;       // the dialogue would write its results file
    Density_Limits density_limits;
};

// Starts the library as a fresh run and computes the row's inclusion. The
// calculation's console output goes wherever std::cout goes.
Row_Result Compute_Inclusion(const Row_Cells& cells);

// Names of the result columns, after `id` and `status`.
const std::vector<std::string>& Result_Names();
// The result cells of the row computed last, as Result_Names orders them;
// empty cells where a value does not exist.
Record Result_Cells(const Row_Result& result);

// The results file of the row computed last, as its dialogue writes it;
// false when it could not be written.
bool Write_Row_Results(const Row_Result& result, const char* filename);

#endif

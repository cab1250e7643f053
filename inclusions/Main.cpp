// The inclusions program: many fluid inclusions in one run. Each row of a
// table of measurements is computed by the calculation of the density or
// fourphase program, as its dialogue would have computed it from the same
// answers, and becomes one row of a table of results.
//
//   inclusions measurements.csv -o results.csv [--files DIR] [--template]
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <set>
#include <streambuf>
#include <string>

#include "Console.h"
#include "Inclusion.h"
#include "Inclusion_Row.h"
#include "Table.h"

namespace {

const char* const TEMPLATE =
    "id,program,Tm_C,clathrate_eos,x_CO2,x_CH4,x_N2,x_C2H6,density_from,density_value,phase,vapour_eos,"
    "NaCl_pct,KCl_pct,CaCl2_pct,MgCl2_pct,aqueous_volume_pct,limit_check\n"
    "#fi23,density,8.5,chueh,0.9,0.1,0,0,Th,5,liquid,peng-robinson,100,0,0,0,30,n\n"
    "#q2,fourphase,8,chueh,1,0,0,0,Th,20,liquid,,100,0,0,0,30,n\n"
    "#mix,density,10,lee-kesler,0.8,0.15,0.05,0,molar_volume,80,vapour,lee-kesler,80,20,0,0,,y\n";

// Discards what the library prints while it computes.
class Null_Buffer : public std::streambuf {
protected:
    int overflow(int c) override { return traits_type::not_eof(c); }
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

[[noreturn]] void Fail(const std::string& message)
{
    std::cerr << "inclusions: " << message << std::endl;
    std::exit(2);
}

// The temporary file of the output, removed when the run is interrupted.
char Interrupted_Output[4096];

void Remove_Interrupted_Output(int signal_number)
{
    unlink(Interrupted_Output);
    std::signal(signal_number, SIG_DFL);
    std::raise(signal_number);
}

// The output table, written to a temporary file beside it and renamed over it
// once complete, so that a failed or interrupted run leaves no half-written
// table.
class Output_File {
public:
    explicit Output_File(const std::string& path) : path(path)
    {
        const std::size_t slash = path.rfind('/');
        temporary = (slash == std::string::npos ? std::string() : path.substr(0, slash + 1)) + ".inclusions.XXXXXX";
        if (temporary.size() >= sizeof Interrupted_Output) Fail("cannot write " + path + ": name too long");
        const int fd = mkstemp(&temporary[0]);
        if (fd < 0) Fail("cannot write " + path + ": " + std::strerror(errno));
        std::strcpy(Interrupted_Output, temporary.c_str());
        for (int signal_number : {SIGINT, SIGTERM, SIGHUP}) std::signal(signal_number, Remove_Interrupted_Output);
        const mode_t mask = umask(0);
        umask(mask);
        fchmod(fd, 0666 & ~mask);
        out = fdopen(fd, "w");
    }
    ~Output_File()
    {
        if (out != nullptr) Abandon();
    }
    void Write(const std::string& line)
    {
        if (std::fputs(line.c_str(), out) == EOF) Abandon("cannot write " + path + ": " + std::strerror(errno));
    }
    void Commit()
    {
        const bool written = std::fflush(out) == 0 && fsync(fileno(out)) == 0;
        const int error = errno;
        if (std::fclose(out) != 0 || !written) {
            out = nullptr;
            std::remove(temporary.c_str());
            Fail("cannot write " + path + ": " + std::strerror(error));
        }
        out = nullptr;
        if (std::rename(temporary.c_str(), path.c_str()) != 0) {
            std::remove(temporary.c_str());
            Fail("cannot write " + path + ": " + std::strerror(errno));
        }
    }
    [[noreturn]] void Abandon(const std::string& message)
    {
        Abandon();
        Fail(message);
    }

private:
    void Abandon()
    {
        std::fclose(out);
        out = nullptr;
        std::remove(temporary.c_str());
    }
    std::string path;
    std::string temporary;
    FILE* out = nullptr;
};

// The position of every input column in the header; unknown columns are
// carried through (their positions into `carried`). A missing required
// column or a column named twice ends the run.
std::vector<int> Column_Index(const Record& header, const std::string& input, std::vector<int>& carried,
                              Output_File& output)
{
    std::vector<int> index(Input_Columns.size(), -1);
    for (std::size_t at = 0; at < header.size(); at++) {
        const std::string name = Lower(Trimmed(header[at]));
        bool known = false;
        for (std::size_t k = 0; k < Input_Columns.size(); k++) {
            if (name != Lower(Input_Columns[k].name)) continue;
            if (index[k] >= 0) output.Abandon(input + ": column " + Trimmed(header[at]) + " appears twice");
            index[k] = static_cast<int>(at);
            known = true;
        }
        if (!known) carried.push_back(static_cast<int>(at));
    }
    for (std::size_t k = 0; k < Input_Columns.size(); k++) {
        if (Input_Columns[k].required && index[k] < 0)
            output.Abandon(input + ": no column " + Input_Columns[k].name);
    }
    return index;
}

// The results file of a row: its id with characters other than letters,
// digits, '.', '-' and '_' as '_', and ".txt"; a name already used in this
// run gets the row number.
std::string Results_Name(const std::string& id, long row, std::set<std::string>& used)
{
    std::string name = id;
    for (char& c : name) {
        if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '-' || c == '_')) c = '_';
    }
    if (name.empty() || name[0] == '.') name = "row" + std::to_string(row) + name;
    if (!used.insert(name).second) {
        name += "-row" + std::to_string(row);
        used.insert(name);
    }
    return name + ".txt";
}

// The number of records after the header (for the progress line).
long Count_Rows(const std::string& input)
{
    Table_Reader reader;
    Record record;
    long rows = -1;
    if (!reader.Open(input)) return 0;
    while (reader.Next(record)) rows++;
    return rows < 0 ? 0 : rows;
}

void Show_Progress(long done, long total, double seconds)
{
    if (done == 0) {
        std::fprintf(stderr, "\r0/%ld rows", total);
        return;
    }
    const long left = static_cast<long>(seconds / done * (total - done) + 0.5);
    std::fprintf(stderr, "\r%ld/%ld rows, %ld:%02ld left ", done, total, left / 60, left % 60);
}

}  // namespace

int main(int argc, char** argv)
{
    CLI::App app{"Computes a table of fluid inclusions, one row each, by the calculations of the density "
                 "and fourphase programs."};
    std::string input, output, files;
    bool want_template = false;
    app.add_option("measurements", input, "table of measurements (CSV with a header row)");
    app.add_option("-o,--output", output, "table of results to write (CSV)");
    app.add_option("--files", files, "also write each inclusion's results file into this directory");
    app.add_flag("--template", want_template, "write a header and three commented example rows (to -o or "
                                              "standard output) and compute nothing");
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return app.exit(e) == 0 ? 0 : 2;
    }
    if (want_template) {
        if (output.empty()) {
            std::fputs(TEMPLATE, stdout);
        } else {
            Output_File out(output);
            out.Write(TEMPLATE);
            out.Commit();
        }
        return 0;
    }
    if (input.empty() || output.empty()) {
        std::cerr << app.help() << std::endl;
        Fail(input.empty() ? "no table of measurements given" : "no results table given (-o)");
    }

    Table_Reader reader;
    if (!reader.Open(input)) Fail("cannot read " + input + ": " + std::strerror(errno));
    Record header;
    if (!reader.Next(header)) Fail(input + (reader.Failed() ? ": read error" : ": no header row"));
    Output_File out(output);
    std::vector<int> carried;
    const std::vector<int> index = Column_Index(header, input, carried, out);
    int directory = -1, here = -1;
    if (!files.empty()) {
        mkdir(files.c_str(), 0777);   // when it is not there yet
        directory = open(files.c_str(), O_RDONLY | O_DIRECTORY);
        here = open(".", O_RDONLY | O_DIRECTORY);
        if (directory < 0 || here < 0) out.Abandon("cannot write results files into " + files + ": " + std::strerror(errno));
    }

    Record names = {"id", "status"};
    for (const std::string& name : Result_Names()) names.push_back(name);
    for (int at : carried) names.push_back(Trimmed(header[at]));
    out.Write(Table_Line(names));

    const bool progress = isatty(STDERR_FILENO);
    const long total = progress ? Count_Rows(input) : 0;
    const auto start = std::chrono::steady_clock::now();
    Set_Unattended(true);
    Reset_Molefractions();
    Save_Start_State();
    Null_Buffer null;
    std::set<std::string> used;
    long row = 0, ok = 0;
    Record record;
    if (progress) Show_Progress(0, total, 0.0);
    while (reader.Next(record)) {
        row++;
        const Row_Cells cells = {record, index, reader.Separator()};
        Record line = {cells.Text("id")};
        std::streambuf* console = std::cout.rdbuf(&null);
        Row_Result result;
        if (record.size() > header.size())
            result.status = "the row has more cells than the header has columns";
        else
            result = Compute_Inclusion(cells);
        if (directory >= 0 && result.results_file) {
            const std::string name = Results_Name(line[0], row, used);
            const bool written = fchdir(directory) == 0 && Write_Row_Results(result, name.c_str());
            if (fchdir(here) != 0 || !written) out.Abandon("cannot write " + files + "/" + name);
        }
        std::cout.rdbuf(console);
        line.push_back(result.status);
        for (std::string& cell : Result_Cells(result)) line.push_back(std::move(cell));
        for (int at : carried) line.push_back(static_cast<std::size_t>(at) < record.size() ? record[at] : "");
        out.Write(Table_Line(line));
        if (result.status.compare(0, 2, "ok") == 0) ok++;
        if (progress)
            Show_Progress(row, total, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    if (reader.Failed()) out.Abandon("read error in " + input);
    out.Commit();
    if (progress) std::fprintf(stderr, "\r\033[K");
    std::fprintf(stderr, "%ld rows ok, %ld rows failed\n", ok, row - ok);
    return 0;
}

// Both programs under answers nobody scripted: random dialogues from a fixed
// seed (valid paths with random values, values far outside the model, garbage
// words, input that ends early), and the answers that once hung them or
// printed NaN. A run ends by itself, without a signal, with status 0 or the
// announced end of input, with no "nan" or "inf" on the console or in a
// results file, and with results inside their physical bounds unless the
// console warned. FI_RANDOM_DIALOGUES and FI_RANDOM_SEED run other dialogues.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <random>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "density/Run_Density.h"

namespace {

#ifdef FI_SANITIZE_BUILD
const int Runs = 20;             // per program: the sanitizers slow the programs many times
const double Hang = 100.0;       // s
#else
const int Runs = 100;
const double Hang = 10.0;
#endif

// Runs a program on the answers, one a line; how long it took, in seconds.
Density_Run Timed_Run(const char* exe, const std::vector<std::string>& answers, double& seconds)
{
    std::string text;
    for (const std::string& w : answers) text += w + "\n";
    const auto start = std::chrono::steady_clock::now();
    Density_Run run = Run_Program(exe, text);
    seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return run;
}

// What is wrong with a run, or ""; the results' bounds only with `bounds`:
// densities 0-2 g/cc, fractions 0-1, salinities 0-30 mass %, pressures above 0.
std::string Fault(const Density_Run& run, bool bounds = true)
{
    const std::regex number("(^|[^a-z])[-+]?(nan|inf)([^a-z]|$)", std::regex::icase);
    const std::regex file_name("(file : |Filename : |results file )\\S*");   // any word
    const std::string ended = "Input ended before the dialogue was complete; no results were written.";
    if (run.status == 124) return "hang";   // the 120 s of Run_Program
    if (run.status != 0 && !(run.status == 1 && Ends_With(run.transcript, ended))) return "exit status " + std::to_string(run.status);
    if (!run.errors.empty()) return "standard error " + run.errors.substr(0, 300);
    if (std::regex_search(std::regex_replace(run.transcript, file_name, ""), number)) return "nan/inf on the console";
    bounds = bounds && !std::regex_search(run.transcript, std::regex("warning", std::regex::icase));
    for (const auto& file : run.contents) {
        if (std::regex_search(std::regex_replace(file.second, file_name, ""), number)) return "nan/inf in the results";
        // A file that says after its header that there is no solution passes
        // no value off as valid.
        const bool stated = file.second.find("\nNo solution: ") != std::string::npos;
        std::istringstream lines(file.second);
        for (std::string line; bounds && !stated && std::getline(lines, line);) {
            const std::string label = line.substr(0, line.find('\t'));
            const bool salt = label == "NaCl" || label == "KCl" || label == "CaCl2" || label == "MgCl2";
            const bool fraction = label.rfind("x(", 0) == 0 || label == "Volume fraction" || label == "Frac (rel)";
            const bool pressure = label.find("(MPa)") != std::string::npos;
            if (!salt && !fraction && !pressure && label.find("(g/cc)") == std::string::npos) continue;
            std::istringstream fields(line.substr(label.size()));
            for (double v; fields >> v;) {   // a salt's mass %, not its molality
                if (!(pressure ? v > 0 : v >= 0 && v <= (salt ? 30 : fraction ? 1 : 2))) return "no warning for " + line;
                if (salt) break;
            }
        }
    }
    return "";
}

// One random dialogue, in the order of the questions of density or fourphase.
// mt19937 gives the same numbers everywhere; the standard distributions do not.
struct Dialogue {
    std::mt19937& gen;
    std::vector<std::string> words;

    double Real(double a, double b) { return a + (b - a) * (gen() / 4294967296.0); }
    double Log(double a, double b) { return std::exp(Real(std::log(a), std::log(b))); }
    int Int(int a, int b) { return a + static_cast<int>(gen() % static_cast<unsigned>(b - a + 1)); }
    void Say(const std::string& w) { words.push_back(w); }
    void Number(double x)
    {
        char text[32];
        std::snprintf(text, sizeof text, "%.6g", x);
        Say(text);
    }
    // A measured value, now and then one far outside the model.
    void Value(double x)
    {
        static const char* const far[] = {"0", "-1", "1e-300", "1e308", "1.7e308", "-1e308", "1e20",
                                          "4.9e-324", "19.6", "200", "250", "-273.15", "-300", "1e5"};
        Real(0, 1) < 0.08 ? Say(far[gen() % 14]) : Number(x);
    }
    // n shares of `whole` adding up to it exactly, `parts` of them drawn; how many are above 0.
    int Shares(int n, int parts, double whole)
    {
        std::vector<int> k(n, 0);
        for (int left = 10000, i = 0; i < parts; ++i) {
            const int take = i == parts - 1 ? left : Int(0, left);
            k[Int(0, n - 1)] += take;
            left -= take;
        }
        for (int v : k) Number(v * whole / 10000);
        return n - static_cast<int>(std::count(k.begin(), k.end(), 0));
    }
    // The restart offer of the bubble/dew point (mean 3: a pressure, 4: a
    // temperature) or flash: no, or a start of one's own and then no.
    void Restart(int present, bool flash, int mean)
    {
        if (Real(0, 1) < 0.7) return Say("n");
        Say("y");
        Shares(present, present, 1);
        if (flash) Number(Real(0.05, 1));
        Value(flash || mean == 3 ? Log(0.5, 50) : Real(-60, 30));
        Say(Int(0, 1) ? "1e-12" : "1e-6");
        Say("n");
    }
    void Build(bool density)
    {
        Value(density ? Real(-23, 46) : Real(-10, 12));
        Say(std::to_string(Int(1, 6)));
        const bool co2 = !density && Int(0, 1);   // Q2 needs a carbonic liquid
        if (co2) words.insert(words.end(), {"1", "0", "0", "0"});
        const int present = co2 ? 1 : Shares(4, Real(0, 1) < 0.4 ? 1 : Int(2, 4), 1), mean = Int(1, 4);
        const bool mixture = present > 1;
        Say(std::to_string(mean));
        if (!density && mixture) Say(std::to_string(Int(1, 10)));
        const double values[4] = {Log(density ? 25 : 45, density ? 3000 : 400), Log(1e-3, density ? 1.2 : 1.0),
                                  Real(density ? -60 : 0, 31), Log(density ? 0.1 : 3, density ? 150 : 7)};
        Value(values[mean - 1]);
        Say(std::to_string(Int(1, mean <= 2 ? 2 : 3)));
        if (density && mixture) Say(std::to_string(Int(1, 10)));
        if (!density && mixture && mean >= 3) Restart(present, false, mean);
        Shares(4, Int(1, 4), 100);
        if (Int(0, 1)) Say("y"), Value(Real(1, 99)); else Say("n");
        Say("f.txt");
        if (density && mixture && mean >= 3) Restart(present, false, mean);
        if (density) Say(Real(0, 1) < 0.9 ? "y" : "n"), Say(Real(0, 1) < 0.1 ? "y" : "n");
        const int moves = !density && Real(0, 1) < 0.2 ? Int(1, 3) : 0;   // limit check: temperatures
        if (!density) Say(moves > 0 ? "y" : "n");
        for (int i = 1; i <= moves; ++i) {
            if (mixture) Say("n");
            Say(i < moves ? "y" : "n");
            if (i < moves) Value(Real(-10, 12));
        }
        if (!density && mixture) Restart(present, true, mean);
        // Questions asked again get 'n'; then now and then a garbage word or an early end.
        const int end = static_cast<int>(words.size());
        words.resize(end + 40, "n");
        static const char* const garbage[] = {"x", "nan", "inf", "-inf", "1.2.3", "yes", "no",
                                              "Y", "-", "1e", "0x10", "abcdefghijklmnopqrstuvwxyz"};
        const double r = Real(0, 1);
        if (r < 0.15) words.insert(words.begin() + Int(0, end), garbage[gen() % 12]);
        if (r > 0.9) words.resize(Int(1, end));
    }
};

void Random_Dialogues(const char* exe, bool density, unsigned seed)
{
    const char* runs = std::getenv("FI_RANDOM_DIALOGUES");
    const char* other = std::getenv("FI_RANDOM_SEED");
    std::mt19937 gen(other != nullptr ? static_cast<unsigned>(std::atol(other)) : seed);
    int n = runs != nullptr ? std::atoi(runs) : Runs, failures = 0, files = 0, ended = 0;
    for (int k = 0; k < n; ++k) {
        Dialogue d{gen, {}};
        d.Build(density);
        double seconds = 0;
        const Density_Run run = Timed_Run(exe, d.words, seconds);
        files += !run.contents.empty();
        ended += run.status == 1;
        const std::string fault = seconds > Hang ? "hang" : Fault(run);
        if (fault.empty() || ++failures > 20) continue;
        std::string answers;
        for (const std::string& w : d.words) answers += w + " ";
        ADD_FAILURE() << fault << "\n  answers: " << answers;
    }
    std::printf("%d dialogues: %d wrote results, %d ran out of answers\n", n, files, ended);
    EXPECT_EQ(failures, 0);
}

TEST(RandomDialogue, Density) { Random_Dialogues(FI_DENSITY_EXE, true, 20240611u); }
TEST(RandomDialogue, Fourphase) { Random_Dialogues(FI_FOURPHASE_EXE, false, 20240612u); }

// Answers that hung a program for minutes (searches on NaN or far outside the
// model) or printed NaN or inf: each ends within a second and says why.
TEST(RandomDialogue, OnceHungOrPrintedNaN)
{
    const std::string no_value = "\tf(x): no finite value";
    const struct {
        const char* exe;
        const char* answers;
        std::string said;
    } cases[] = {
        // C2H6 of 30 cc/mol at 7400 MPa; a mixture homogenised at 15 K, 12000 MPa.
        {FI_DENSITY_EXE, "5 1 0 0 0 1 1 30 2 100 0 0 0 n f y n", no_value},
        {FI_DENSITY_EXE, "1.5 1 0 0.1507 0.0001 0.8492 4 73.4689 3 1 0 0 0 100 n f n y n", no_value},
        // 1e-300 g/cc: Lee & Kesler volumes at 1e-298 MPa; "x = -nan".
        {FI_DENSITY_EXE, "5.61824 3 0 0 1 0 2 1e-300 2 38 16 15 31 y 90.8559 f y n", no_value},
        {FI_DENSITY_EXE, "40.3672 6 1 0 0 0 2 1.97341 1 100 0 0 0 y 60.1225 f y n", no_value},
        // "Pressure = -nan" after a restart at 1e5 MPa.
        {FI_DENSITY_EXE, "5 1 0.5 0.5 0 0 3 -10 2 1 100 0 0 0 n f y 0.3 0.7 1e5 1e-12 n y n",
         "\nNo solution: the equation of state has no finite value; the last finite state is shown"},
        // A vapour fraction of NaN at 1.7e308 cc/mol; "inf bar" at 1.7e308 MPa.
        {FI_FOURPHASE_EXE, "-2.98111 5 1 0 0 0 1 1.7e308 2 22 36 22 20 n f n",
         "\nNo solution: volume fraction is not a value between 0 and 1"},
        {FI_DENSITY_EXE, "-3.48547 2 0.5024 0 0.4976 0 4 1.7e308 1 9 6 84 8 2 n f n y", ""},
        // "Vm inf" of the whole inclusion with a carbonic phase of 1.7e308 cc/mol.
        {FI_DENSITY_EXE, "21.3229 4 0 0 1 0 1 1.7e308 1 0 0 18.29 81.71 y 51.738 f.txt y n",
         "\nNo solution: the salinity search did not converge"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answers);
        std::istringstream words(std::string(c.answers) + " n n n n n n");
        double seconds = 0;
        const Density_Run run = Timed_Run(c.exe, {std::istream_iterator<std::string>(words), {}}, seconds);
        EXPECT_LT(seconds, Hang / 10.0);
        EXPECT_EQ(Fault(run, false), "");
        EXPECT_NE(run.transcript.find(c.said), std::string::npos);
    }
}

}  // namespace

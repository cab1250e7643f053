// The console dialogue of the density program, driven through the built
// program with scripted answers: prompts, limits, error messages and retries,
// and the handling of bad input and of input that ends early.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "density/Run_Density.h"

namespace {

const std::string RULE(75, '_');
const std::string CHOOSE = "\t\t\t\t\t\t\tchoose number: ";
// Like every refusal the message ends without a line break; a question that
// does not start on a new line of its own gets one.
const std::string NOT_A_NUMBER = "\tERROR: please type a number";
const std::string NOTICE = "\nInput ended before the dialogue was complete; no results were written.";
const std::string END = "\n\n" + RULE + "\nEnd of program";

const std::string T_PROMPT = "\n\tT (\xB0" "Celsius) =  ";
const std::string T_ERROR = "\tERROR : clathrate melting temperature exceeds model limits (250-320 K)";
const std::string CLATH_MENU = "\n\t(1) Chueh & Prausnitz (1967) : (H2O)-CO2-CH4-N2-C2H6";
const std::string DENSITY_MENU = "\n\t(1) Molar Volume (in cc/mol)";
const std::string NATURE_MENU = "\n\t\t(1) vapour-like";
const std::string MODE_MENU = "\n\t\t(1) Vapour";
const std::string VAPOUR_HEADING = "\n\nEquation of state to calculate liquid-vapour equilibrium:";
const std::string VAPOUR_MENU = "\n\t(1) Redlich & Kwong (1949): CO2-CH4-N2-C2H6";
const std::string FRACTION_RANGE = "\tERROR : each fraction must be between 0 and 1";
const std::string FRACTION_SUM = "\tERROR : sum of fractions is not equal to 1";
const std::string SALT_RANGE = "\tERROR: each percentage must be between 0 and 100";
const std::string SALT_SUM = "\tERROR: sum of percentage is not equal to 100";
const std::string YES_NO = "\t(y/n):  ";
const std::string ANSWER_YN = "\tPlease answer with 'y' or 'n'";
const std::string VOLUME_PROMPT = "\tVolume percentage (number between 0 and 100) =  ";
const std::string VOLUME_ERROR = "\tERROR : percentage should have a value between 0-100%\n\n";
const std::string FILE_PROMPT = "Results will be available in file : ";
const std::string CONTINUE = "\n\nDo you want to continue with clathrate stability calculations?";
const std::string LIMIT = "\n\nDo you want a limit check? (y/n) : ";

std::vector<std::string> Words(const std::string& text)
{
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

// A run that must reach the end of the dialogue.
Density_Run Complete(const Script& script)
{
    Density_Run run = Run_Density(script.Text());
    EXPECT_EQ(run.status, 0) << run.transcript;
    EXPECT_EQ(run.errors, "");
    EXPECT_TRUE(Ends_With(run.transcript, END)) << run.transcript;
    return run;
}

std::string Golden_Path(const std::string& name)
{
    // FI_TEST_DATA is tests/data; the transcripts live beside this file.
    return (std::filesystem::path(FI_TEST_DATA).parent_path() / "density" / "data" / name).string();
}

// ---------------------------------------------------------------------------

TEST(DensityDialogue, CompleteRunsMatchTheirTranscriptsByteForByte)
{
    Script mixture;   // mixture by molar volume, volume fraction known

    Script pure;      // pure CO2 by homogenisation temperature, below -20 degrees C
    pure.T = "10";
    pure.clath = "2";
    pure.fractions = "1 0 0 0";
    pure.mean = "3";
    pure.value = "-21";
    pure.mode = "3";
    pure.vapour = "";
    pure.salts = "60 20 10 10";
    pure.volume = "n";
    pure.file = "co2.txt";
    pure.limit = "Y";

    const struct {
        const char* golden;
        Script script;
    } cases[] = {{"mixture_molar_volume.txt", mixture}, {"pure_co2_homogenisation.txt", pure}};

    for (const auto& c : cases) {
        SCOPED_TRACE(c.golden);
        const Density_Run run = Complete(c.script);
        // FI_UPDATE_GOLDEN=1 rewrites the transcripts after a deliberate change.
        if (std::getenv("FI_UPDATE_GOLDEN") != nullptr) {
            std::ofstream(Golden_Path(c.golden), std::ios::binary) << run.transcript;
        }
        const std::string golden = Read_File(Golden_Path(c.golden));
        ASSERT_FALSE(golden.empty()) << Golden_Path(c.golden);
        EXPECT_EQ(run.transcript, golden);
    }
}

TEST(DensityDialogue, MeltingTemperatureLimitsIn250To320K)
{
    const struct {
        const char* answers;
        int prompts, range_errors, number_errors;
    } cases[] = {
        {"-23.15", 1, 0, 0},          // 250.00 K
        {"46.85", 1, 0, 0},           // 320.00 K
        {"-23.16 -23.15", 2, 1, 0},
        {"46.86 0", 2, 1, 0},
        {"abc 5", 2, 0, 1},
        {"nan inf 5", 3, 0, 2},
        {"5,0 -30 5", 3, 1, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answers);
        Script s;
        s.T = c.answers;
        const Density_Run run = Complete(s);
        EXPECT_EQ(Count(run.transcript, T_PROMPT), c.prompts);
        EXPECT_EQ(Count(run.transcript, T_ERROR), c.range_errors);
        EXPECT_EQ(Count(run.transcript, NOT_A_NUMBER), c.number_errors);
    }
    Script s;
    s.T = "-23.16 50 x 0";
    const Density_Run run = Complete(s);
    EXPECT_NE(run.transcript.find(T_PROMPT + T_ERROR + T_PROMPT + T_ERROR + T_PROMPT + NOT_A_NUMBER +
                                  T_PROMPT + "\nEquation of state to calculate fugacities in "
                                             "clathrate equilibria:\n" + CLATH_MENU),
              std::string::npos);
}

TEST(DensityDialogue, MenusRefuseChoicesOutsideTheirRange)
{
    const struct {
        std::string Script::*field;
        const char* answers;
        std::string error;     // message after the choice prompt
        std::string first;     // first entry of the menu, printed once per question
        int errors, menus;
    } cases[] = {
        {&Script::clath, "0 7 6", "\tERROR: choose a number between 1 and 6", CLATH_MENU, 2, 3},
        {&Script::clath, "x 2.5 1", NOT_A_NUMBER, CLATH_MENU, 2, 3},
        {&Script::mean, "0 5 1", "\tERROR: choose a number between 1 and 4", DENSITY_MENU, 2, 3},
        {&Script::mode, "0 3 2", "\tERROR: choose a number between 1 and 2", NATURE_MENU, 2, 3},
        {&Script::vapour, "0 11 10", "\tERROR: choose a number between 1 and 10", VAPOUR_MENU, 2, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answers);
        Script s;
        s.*c.field = c.answers;
        const Density_Run run = Complete(s);
        EXPECT_EQ(Count(run.transcript, CHOOSE + c.error + c.first), c.errors);
        EXPECT_EQ(Count(run.transcript, c.first), c.menus);
    }
    // Homogenisation modes: 1..3, critical included.
    Script s;
    s.mean = "4";
    s.value = "8";
    s.mode = "4 0 3";
    s.restart = "n";
    const Density_Run run = Complete(s);
    EXPECT_EQ(Count(run.transcript, CHOOSE + "\tERROR: choose a number between 1 and 3" + MODE_MENU), 2);
    EXPECT_NE(run.transcript.find("\n\tMode of homogenisation :\n\t\t(1) Vapour\n\t\t(2) Liquid\n"
                                  "\t\t(3) Critical\n\n" + CHOOSE),
              std::string::npos);
    EXPECT_EQ(Count(run.transcript, NATURE_MENU), 0);
}

TEST(DensityDialogue, CompositionChecksRangeBeforeSum)
{
    const std::string prompts = "\n\tx(CO2) = \tx(CH4) = \tx(N2) = \tx(C2H6) = ";
    const struct {
        const char* answers;
        bool pure;   // the accepted composition is a pure gas: no menu to answer
        int asked, range_errors, sum_errors;
    } cases[] = {
        {"0.5 0.5 0 0", false, 1, 0, 0},
        {"0.25 0.25 0.25 0.25", false, 1, 0, 0},
        {"0.999999 0 0 0", false, 1, 0, 0},            // lower end of the sum window
        {"0.000001 1 0 0", true, 1, 0, 0},             // upper end; CH4 at 1 counts as pure
        {"0.9999989 0 0 0  1 0 0 0", true, 2, 0, 1},
        {"0.5 0.4 0 0  0.5 0.5 0 0", false, 2, 0, 1},
        {"-0.5 1.5 0 0  0.5 0.5 0 0", false, 2, 1, 0},  // sums to 1: only the range is wrong
        {"0.5 0.5 0 -0.1  0.6 0.6 0 0  0 0 0 1", true, 3, 1, 1},
        {"1.0000005 0 0 0  0 0 1 0", true, 2, 1, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answers);
        Script s;
        s.fractions = c.answers;
        if (c.pure) s.vapour = "";
        const Density_Run run = Complete(s);
        EXPECT_EQ(Count(run.transcript, prompts), c.asked);
        EXPECT_EQ(Count(run.transcript, prompts + FRACTION_RANGE + prompts), c.range_errors);
        EXPECT_EQ(Count(run.transcript, prompts + FRACTION_SUM + prompts), c.sum_errors);
    }
    // A word that is no number asks that one fraction again.
    Script s;
    s.fractions = "0.5 half 0.5 0 0";
    const Density_Run run = Complete(s);
    EXPECT_NE(run.transcript.find("(amount-of-substance fraction, number between 0 and 1)"
                                  "\n\tx(CO2) = \tx(CH4) = " + NOT_A_NUMBER +
                                  "\n\tx(CH4) = \tx(N2) = \tx(C2H6) = \nDensity of homogeneous"),
              std::string::npos);
}

TEST(DensityDialogue, PureGasSelectsItsReferenceEquation)
{
    const struct {
        const char* fractions;
        const char* line;
    } cases[] = {
        {"1 0 0 0", "\tDuschek et al. (1990) : pure CO2"},
        {"0 1 0 0", "\tSetzmann & Wagner (1991) : pure CH4"},
        {"0 0 1 0", "\tJacobsen et al. (1986) : pure N2"},
        {"0 0 0 1", "\tFriend et al. (1991) : pure C2H6"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fractions);
        Script s;
        s.fractions = c.fractions;
        s.vapour = "";
        const Density_Run run = Complete(s);
        EXPECT_NE(run.transcript.find(VAPOUR_HEADING + "\n" + c.line + "\n" + RULE +
                                      "\nAQUEOUS PHASE mixture H2O-NaCl-KCl-CaCl2-MgCl2"),
                  std::string::npos);
        EXPECT_EQ(Count(run.transcript, VAPOUR_MENU), 0);
    }
    // Nearly pure CO2 is a mixture: the menu is shown.
    Script s;
    s.fractions = "0.9999995 0 0 0";
    const Density_Run run = Complete(s);
    EXPECT_NE(run.transcript.find(VAPOUR_HEADING + VAPOUR_MENU), std::string::npos);
    EXPECT_NE(run.transcript.find("\n\t(10) Duan et al. (1996) : H2O-CO2-CH4-N2\n\n" + CHOOSE),
              std::string::npos);
    EXPECT_EQ(Count(run.transcript, "pure CO2"), 0);
}

TEST(DensityDialogue, DensityValuesAndTheirLimits)
{
    const std::string volume = "\n\tMolar volume (cc/mol) = ";
    const std::string ice = "\tERROR: it is unlikely that the gas is denser than ice (19.6 cc/mol)";
    const std::string density = "\n\tDensity (g/cc) = ";
    const std::string no_density = "\tERROR: density must be larger than 0";
    const std::string th = "\n\tHomogenisation Temperature (\xB0" "C) = ";
    const std::string th_high = "\tERROR: Th exceeds the clathrate melting temperature";
    const std::string ph = "\n\tHomogenisation Pressure (MPa) = ";
    const std::string ph_low = "\tERROR: Ph must be larger than 0";
    const struct {
        const char* mean;
        const char* answers;
        std::string prompt, error;
        int asked;
    } cases[] = {
        {"1", "19.61", volume, ice, 1},
        {"1", "19.6 19.61", volume, ice, 2},
        {"1", "-5 0 19.6 100", volume, ice, 4},
        {"2", "0.8", density, no_density, 1},
        {"2", "0 -0.5 0.8", density, no_density, 3},
        {"3", "5", th, th_high, 1},             // equal to the melting temperature
        {"3", "5.01 4.99", th, th_high, 2},
        {"4", "0.001", ph, ph_low, 1},
        {"4", "0 -3 7", ph, ph_low, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.mean) + ": " + c.answers);
        Script s;
        s.T = "5";
        s.mean = c.mean;
        s.value = c.answers;
        if (c.mean[0] == '3' || c.mean[0] == '4') s.restart = "n";
        const Density_Run run = Complete(s);
        EXPECT_EQ(Count(run.transcript, c.prompt), c.asked);
        EXPECT_EQ(Count(run.transcript, c.prompt + c.error + c.prompt), c.asked - 1);
    }
    Script s;
    s.mean = "2";
    s.value = "dense 0.8";
    const Density_Run run = Complete(s);
    EXPECT_NE(run.transcript.find(density + NOT_A_NUMBER + density + "\n\tNature of the fluid :"),
              std::string::npos);
}

TEST(DensityDialogue, WarningBelowMinus20Celsius)
{
    const std::string th = "\n\tHomogenisation Temperature (\xB0" "C) = ";
    const struct {
        const char* value;
        const char* warning;   // nullptr: none
    } cases[] = {
        {"-20.01", "WARNING: Are you sure that clathrate is not present at -20.01 \xF8" "C ?\n\n"},
        {"-35.5", "WARNING: Are you sure that clathrate is not present at -35.5 \xF8" "C ?\n\n"},
        {"-19.99", nullptr},
        {"-20", nullptr},  // -20 C itself is not below -20 C
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        Script s;
        s.mean = "3";
        s.value = c.value;
        s.restart = "n";
        const Density_Run run = Complete(s);
        if (c.warning != nullptr) {
            EXPECT_NE(run.transcript.find(th + c.warning + "\n\tMode of homogenisation :"),
                      std::string::npos);
        } else {
            EXPECT_EQ(Count(run.transcript, "WARNING"), 0);
            EXPECT_NE(run.transcript.find(th + "\n\tMode of homogenisation :"), std::string::npos);
        }
    }
}

TEST(DensityDialogue, CriticalHomogenisationBehavesAsVapour)
{
    for (const char* fractions : {"1 0 0 0", "0.5 0.5 0 0"}) {
        for (const char* mean : {"3", "4"}) {
            SCOPED_TRACE(std::string(fractions) + " mean " + mean);
            Script vapour;
            vapour.fractions = fractions;
            vapour.vapour = fractions[0] == '1' ? "" : "9";
            vapour.restart = fractions[0] == '1' ? "" : "n";
            vapour.mean = mean;
            vapour.value = "-5";
            if (mean[0] == '4') vapour.value = "4";
            Script critical = vapour;
            critical.mode = "3";
            EXPECT_EQ(Complete(critical).transcript, Complete(vapour).transcript);
        }
    }
}

TEST(DensityDialogue, SaltPercentagesCheckRangeBeforeSum)
{
    const std::string prompts = "\n\tNaCl = \tKCl = \tCaCl2 = \tMgCl2 = ";
    const struct {
        const char* answers;
        int asked, range_errors, sum_errors;
    } cases[] = {
        {"100 0 0 0", 1, 0, 0},
        {"25 25 25 25", 1, 0, 0},
        {"0 0 0 100", 1, 0, 0},
        {"50 40 0 0  50 50 0 0", 2, 0, 1},
        {"-10 110 0 0  10 90 0 0", 2, 1, 0},    // sums to 100: only the range is wrong
        {"100.5 0 0 0  60 60 0 0  70 10 10 10", 3, 1, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answers);
        Script s;
        s.salts = c.answers;
        const Density_Run run = Complete(s);
        EXPECT_EQ(Count(run.transcript, prompts), c.asked);
        EXPECT_EQ(Count(run.transcript, prompts + SALT_RANGE + prompts), c.range_errors);
        EXPECT_EQ(Count(run.transcript, prompts + SALT_SUM + prompts), c.sum_errors);
    }
    Script s;
    s.salts = "50 x 50 0 0";
    const Density_Run run = Complete(s);
    EXPECT_NE(run.transcript.find("0 and 100%) :\n\tNaCl = \tKCl = " + NOT_A_NUMBER +
                                  "\n\tKCl = \tCaCl2 = \tMgCl2 = \nIs the volume percentage"),
              std::string::npos);
}

TEST(DensityDialogue, VolumePercentageQuestion)
{
    const std::string question =
        "\nIs the volume percentage of aqueous liquid solution known\n"
        "directly after clathrate melting?\n\n" + YES_NO;
    const struct {
        const char* answers;
        std::string expected;
    } cases[] = {
        {"n", question + "\n" + RULE + "\nFILE INFORMATION"},
        {"y 30", question + "\n" + VOLUME_PROMPT + "\n" + RULE + "\nFILE INFORMATION"},
        {"Y N n", question + ANSWER_YN + "\n\n" + YES_NO + ANSWER_YN + "\n\n" + YES_NO + "\n" + RULE},
        {"y 0 100 -1 99.9",
         question + "\n" + VOLUME_PROMPT + VOLUME_ERROR + VOLUME_PROMPT + VOLUME_ERROR + VOLUME_PROMPT +
             VOLUME_ERROR + VOLUME_PROMPT + "\n" + RULE},
        {"y none 0.1", question + "\n" + VOLUME_PROMPT + NOT_A_NUMBER + "\n" + VOLUME_PROMPT + "\n" + RULE},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answers);
        Script s;
        s.volume = c.answers;
        const Density_Run run = Complete(s);
        EXPECT_NE(run.transcript.find(c.expected), std::string::npos) << run.transcript;
    }
}

TEST(DensityDialogue, FileNameHasAtMost19Characters)
{
    const std::string nineteen = "abcdefghij123456789";
    const std::string twenty = "abcdefghij1234567890";
    const std::string too_long = "\tERROR: the file name may have at most 19 characters";
    Script s;
    s.file = nineteen;
    Density_Run run = Complete(s);
    EXPECT_EQ(Count(run.transcript, FILE_PROMPT), 1);
    EXPECT_EQ(Count(run.transcript, too_long), 0);

    s.file = twenty + " " + twenty + "0 " + nineteen;
    run = Complete(s);
    EXPECT_NE(run.transcript.find("\n\n" + FILE_PROMPT + too_long + "\n" + FILE_PROMPT + too_long + "\n" +
                                  FILE_PROMPT + "\n" + RULE + "\nPROPERTIES OF THE CARBONIC PHASES"),
              std::string::npos);
}

TEST(DensityDialogue, ContinueAndLimitCheckQuestions)
{
    // 'n' ends the program at once, without a results file.
    Script stop;
    stop.proceed = "n";
    stop.limit = "";
    Density_Run run = Complete(stop);
    EXPECT_TRUE(Ends_With(run.transcript, CONTINUE + "\n" + YES_NO + END));
    EXPECT_EQ(Count(run.transcript, "limit check"), 0);
    EXPECT_TRUE(run.files.empty());

    // Upper case is refused; the error has no empty line after it.
    Script retry;
    retry.proceed = "Y x N n";
    retry.limit = "";
    run = Complete(retry);
    const std::string again = ANSWER_YN + "\n" + YES_NO;
    EXPECT_NE(run.transcript.find(CONTINUE + "\n" + YES_NO + again + again + again + END),
              std::string::npos);

    // At the limit-check question anything but 'y' is a no, asked once only.
    for (const char* answer : {"n", "Y", "x"}) {
        SCOPED_TRACE(answer);
        Script s;
        s.limit = answer;
        run = Complete(s);
        EXPECT_EQ(Count(run.transcript, LIMIT), 1);
        EXPECT_EQ(Count(run.transcript, ANSWER_YN), 0);
        EXPECT_EQ(Count(run.transcript, "SALT-FREE SYSTEM"), 0);
    }
}

// Input that ends at any question stops the program with status 1 after a
// notice; what was printed until then is the start of the complete run.
TEST(DensityDialogue, InputEndingAtEveryQuestion)
{
    std::vector<Script> scripts(4);
    scripts[1].mean = "2";
    scripts[1].value = "0.7";
    scripts[2].mean = "3";
    scripts[2].value = "-1";
    scripts[2].mode = "2";
    scripts[2].restart = "n";
    scripts[3].mean = "4";
    scripts[3].value = "3";
    scripts[3].fractions = "0 0 0 1";
    scripts[3].vapour = "";
    for (const Script& script : scripts) {
        const std::vector<std::string> words = Words(script.Text());
        const Density_Run full = Complete(script);
        for (std::size_t k = 0; k < words.size(); k++) {
            std::string partial;
            for (std::size_t i = 0; i < k; i++) partial += words[i] + "\n";
            SCOPED_TRACE("after: " + partial);
            const Density_Run run = Run_Density(partial);
            EXPECT_EQ(run.status, 1);
            EXPECT_EQ(run.errors, "");
            ASSERT_TRUE(Ends_With(run.transcript, NOTICE)) << run.transcript;
            const std::string before = run.transcript.substr(0, run.transcript.size() - NOTICE.size());
            EXPECT_EQ(full.transcript.compare(0, before.size(), before), 0);
            EXPECT_EQ(Count(run.transcript, "End of program"), 0);
            EXPECT_TRUE(run.files.empty());
        }
    }
    // Also after refused answers, and with nothing typed at all.
    for (const char* partial : {"", "100", "5 9", "5 1 0.5 0.4 0 0", "5 1 0.5 x", "5 1 1 0 0 0 1 10 1 50 x"}) {
        SCOPED_TRACE(partial);
        const Density_Run run = Run_Density(partial);
        EXPECT_EQ(run.status, 1);
        EXPECT_TRUE(Ends_With(run.transcript, NOTICE));
    }
}

}  // namespace

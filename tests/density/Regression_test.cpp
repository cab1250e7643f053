// Complete runs of the density program whose console transcripts and results
// files are kept byte for byte: the slow paths (limit checks, a bubble-point
// search that uses all its passes, Duan et al. 1992 and 1996, Lee & Kesler,
// Bowers & Helgeson, water by Haar et al.) so that a faster evaluation that
// moves any printed digit fails here.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "density/Run_Density.h"

namespace {

std::string Data_Path(const std::string& name)
{
    return (std::filesystem::path(FI_TEST_DATA).parent_path() / "density" / "data" / name).string();
}

TEST(DensityRegression, TranscriptsAndResultsFilesUnchanged)
{
    // Answers in dialogue order: T, clathrate EoS, x(CO2) x(CH4) x(N2) x(C2H6),
    // density source, value, mode, [vapour EoS], salts, volume fraction, file,
    // [restart], continue, limit check.
    const struct {
        const char* name;
        const char* answers;
    } cases[] = {
        {"co2_density_soave_limit", "5 2 1 0 0 0 2 0.8 2 100 0 0 0 y 30 run.txt y y"},
        {"co2_above_maximum_duan96_limit", "15 6 1 0 0 0 1 50 1 100 0 0 0 y 30 run.txt y y"},
        {"mixture_th_lee_soave_limit", "8 2 0.8 0.15 0.05 0 3 0 2 4 100 0 0 0 y 30 run.txt n y y"},
        {"mixture_th_duan92_limit", "10 5 0.9 0.1 0 0 3 5 2 8 80 20 0 0 n run.txt n y y"},
        {"mixture_ph_duan96_lee", "5 3 0.6 0.2 0.1 0.1 4 7 1 10 90 0 10 0 y 40 run.txt n y n"},
        // Lee & Kesler: the liquid root that used to be the middle root of a
        // loop, which kept this search going for all its passes.
        {"mixture_th_lee_stable_root", "14 2 0.97 0.03 0 0 3 13 2 4 100 0 0 0 y 30 run.txt n y n"},
        {"mixture_th_bowers_exhausted", "14 2 0.6 0.4 0 0 3 0 2 7 100 0 0 0 y 30 run.txt n y n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string answers = c.answers;
        for (char& ch : answers) ch = ch == ' ' ? '\n' : ch;
        Density_Run run = Run_Density(answers + "\n");
        ASSERT_EQ(run.status, 0) << run.transcript;
        const std::string transcript = Data_Path(std::string("regression_") + c.name + ".txt");
        const std::string results = Data_Path(std::string("regression_") + c.name + ".results.txt");
        // Every transcript opens with the same introduction and first
        // questions, stored once. FI_UPDATE_GOLDEN=1 rewrites the stored files
        // after a deliberate change.
        const std::string opening = Read_File(Data_Path("regression_opening.txt"));
        ASSERT_FALSE(opening.empty());
        if (std::getenv("FI_UPDATE_GOLDEN") != nullptr) {
            ASSERT_EQ(run.transcript.compare(0, opening.size(), opening), 0);
            std::ofstream(transcript, std::ios::binary) << run.transcript.substr(opening.size());
            std::ofstream(results, std::ios::binary) << run.contents["run.txt"];
        }
        ASSERT_FALSE(Read_File(transcript).empty()) << transcript;
        EXPECT_EQ(run.transcript, opening + Read_File(transcript));
        EXPECT_EQ(run.contents["run.txt"], Read_File(results));
        EXPECT_EQ(run.files.size(), 1u);
    }
}

}  // namespace

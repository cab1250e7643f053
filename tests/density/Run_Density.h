// Runs the built density program on a scripted answer file and collects what
// a user would see: the console transcript, the exit status and the files the
// program left in its working directory.
#ifndef RUN_DENSITY_H
#define RUN_DENSITY_H

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

struct Density_Run {
    std::string transcript;           // everything written to standard output
    std::string errors;               // everything written to standard error
    int status = -1;                  // exit status (124: killed by the timeout)
    std::vector<std::string> files;   // files created in the working directory
    std::map<std::string, std::string> contents;   // their contents, by name
};

// Answers to the dialogue, one field per question; an empty field asks
// nothing. `restart` answers the bubble/dew-point solver's offer to restart
// (asked for a mixture given by homogenisation temperature or pressure).
struct Script {
    std::string T = "5";
    std::string clath = "1";
    std::string fractions = "0.5 0.5 0 0";
    std::string mean = "1";
    std::string value = "50";
    std::string mode = "1";
    std::string vapour = "1";
    std::string salts = "100 0 0 0";
    std::string volume = "y 30";
    std::string file = "results.txt";
    std::string restart = "";
    std::string proceed = "y";
    std::string limit = "n";

    std::string Text() const
    {
        std::string text;
        for (const std::string* field : {&T, &clath, &fractions, &mean, &value, &mode, &vapour,
                                         &salts, &volume, &file, &restart, &proceed, &limit}) {
            if (!field->empty()) text += *field + "\n";
        }
        return text;
    }
};

inline std::string Read_File(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Feeds `answers` to standard input of the program `exe`, run in an empty
// directory of its own under a 120-second timeout (sanitizer builds are slow),
// so that a dialogue that waits for more input can never hang the tests.
inline Density_Run Run_Program(const char* exe, const std::string& answers)
{
    namespace fs = std::filesystem;
    char pattern[] = "/tmp/fidensity.XXXXXX";
    Density_Run run;
    if (mkdtemp(pattern) == nullptr) return run;
    const fs::path base(pattern);
    const fs::path work = base / "work";
    fs::create_directory(work);
    {
        std::ofstream script(base / "answers.txt", std::ios::binary);
        script << answers;
    }
    std::ostringstream command;
    command << "cd '" << work.string() << "' && timeout 120 '" << exe << "' < '"
            << (base / "answers.txt").string() << "' > '" << (base / "transcript.txt").string()
            << "' 2> '" << (base / "stderr.txt").string() << "'";
    const int raw = std::system(command.str().c_str());
    run.status = (raw != -1 && WIFEXITED(raw)) ? WEXITSTATUS(raw) : -1;
    run.transcript = Read_File((base / "transcript.txt").string());
    run.errors = Read_File((base / "stderr.txt").string());
    for (const auto& entry : fs::directory_iterator(work)) {
        run.files.push_back(entry.path().filename().string());
        if (entry.is_regular_file()) {
            run.contents[entry.path().filename().string()] = Read_File(entry.path().string());
        }
    }
    fs::remove_all(base);
    return run;
}

inline Density_Run Run_Density(const std::string& answers)
{
    return Run_Program(FI_DENSITY_EXE, answers);
}

// Number of occurrences of `needle` in `text`, overlapping ones included.
inline int Count(const std::string& text, const std::string& needle)
{
    int n = 0;
    for (std::size_t at = text.find(needle); at != std::string::npos; at = text.find(needle, at + 1)) {
        n++;
    }
    return n;
}

inline bool Ends_With(const std::string& text, const std::string& tail)
{
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

#endif

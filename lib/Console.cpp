#include "Console.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <iostream>

namespace {

bool Unattended = false;

// One whitespace-free word, or end of input.
std::string Next_Word()
{
    std::string word;
    if (!(std::cin >> word)) Input_Ended();
    return word;
}

void Not_A_Number()
{
    std::cout << "\tERROR: please type a number";
}

}  // namespace

void Input_Ended()
{
    std::cout << std::endl << "Input ended before the dialogue was complete; no results were written." << std::flush;
    std::exit(1);
}

bool Read_Double(double& value)
{
    const std::string word = Next_Word();
    const char* begin = word.c_str();
    char* end = nullptr;
    errno = 0;
    const double x = std::strtod(begin, &end);
    // "nan" and "inf" parse, but no measurement is infinite or undefined.
    if (end == begin || *end != '\0' || errno == ERANGE || !std::isfinite(x)) {
        Not_A_Number();
        return false;
    }
    value = x;
    return true;
}

bool Read_Int(int& value)
{
    const std::string word = Next_Word();
    const char* begin = word.c_str();
    char* end = nullptr;
    errno = 0;
    const long x = std::strtol(begin, &end, 10);
    if (end == begin || *end != '\0' || errno == ERANGE || x > 2147483647L || x < -2147483647L - 1) {
        Not_A_Number();
        return false;
    }
    value = static_cast<int>(x);
    return true;
}

double Ask_Double(const char* prompt)
{
    double value = 0.0;
    for (;;) {
        std::cout << prompt << std::flush;
        if (Read_Double(value)) return value;
        if (prompt[0] != '\n') std::cout << std::endl;
    }
}

void Set_Unattended(bool on)
{
    Unattended = on;
}

char Read_Answer()
{
    if (Unattended) return 'n';
    const std::string word = Next_Word();
    if (word == "y" || word == "yes") return 'y';
    if (word == "n" || word == "no") return 'n';
    return 0;
}

std::string Read_Word()
{
    return Next_Word();
}

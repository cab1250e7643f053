// Runs a piece of library code that talks to the console with std::cin
// reading `input` and std::cout captured, for as long as the session lives.
#ifndef CONSOLE_SESSION_H
#define CONSOLE_SESSION_H

#include <iostream>
#include <sstream>
#include <string>

struct Console_Session {
    std::istringstream in;
    std::ostringstream out;
    std::streambuf* old_in;
    std::streambuf* old_out;
    explicit Console_Session(const std::string& input) : in(input)
    {
        old_in = std::cin.rdbuf(in.rdbuf());
        old_out = std::cout.rdbuf(out.rdbuf());
    }
    ~Console_Session()
    {
        std::cin.rdbuf(old_in);
        std::cout.rdbuf(old_out);
    }
};

#endif

// Console runtime shared by both programs and by the library's dialogues
// (bubble/dew points, flash): every answer is read from standard input the same
// way, so that every prompt treats bad input and end of input alike.
//
// - A numeric answer is one whitespace-free word that must read wholly as a
//   finite number ("nan", "inf" and out-of-range exponents are refused).
//   Anything else prints "\tERROR: please type a number", discards the
//   word and reports false: the caller asks the same question again. Like
//   every other refusal the message ends without a line break: the question
//   that follows starts on a new line of its own (Ask_Double sees to that
//   for questions that do not).
// - End of input at any prompt prints a newline and
//   "Input ended before the dialogue was complete; no results were written."
//   and ends the program with exit status 1. A failed stream is never read twice.
#ifndef CONSOLE_H
#define CONSOLE_H

#include <string>

// Reads a double; false (after the error message) when the word is not a number.
bool Read_Double(double& value);
// Reads an int; false (after the error message) when the word is not a whole number.
bool Read_Int(int& value);
// Prints `prompt` and reads a number, asking again (prompt and all) after an
// answer that is not a number.
double Ask_Double(const char* prompt);
// Reads a y/n answer, one whole word: 'y' for "y" or "yes", 'n' for "n" or
// "no" (lower case), 0 for any other word. ("no" is not 'n' and then 'o'.)
char Read_Answer();
// Reads one whitespace-free word.
std::string Read_Word();

// Unattended runs (a program that computes a table of inclusions): the
// questions the library asks during a calculation (whether to restart a
// search from the user's own start values) are answered "no" without reading.
void Set_Unattended(bool on);

// Ends the program after input ended: prints the notice and exits with status 1.
[[noreturn]] void Input_Ended();

#endif

// The command line, the two modes, and the outermost error boundary.
#pragma once

#include <string>

namespace tbasic {

// The whole program: checks the command line, runs one mode.
int runMain(int argc, char** argv);

// The three-line banner on standard error.
void printUsage(const char* programName);

// -e: prints the expression's value; returns 0, or 1 after reporting an error.
int runExpression(const std::string& text);

// -f: runs a program file; every outcome is reported and the status is 0.
void runFile(const std::string& fileName);

}  // namespace tbasic

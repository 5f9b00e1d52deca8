// Program output: PRINT and the expression mode write here; every line end
// flushes, so output and reports never appear out of order.
#pragma once

#include <string_view>

#include "values/Value.h"

namespace tbasic {

void writeOutput(std::string_view text);
void writeOutput(const Value& value);
void writeOutputChar(char c);
// Writes a line end and flushes.
void writeLineEnd();
void flushOutput();

}  // namespace tbasic

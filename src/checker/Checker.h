// The static checker: reads a whole program the way the interpreter would
// run it and reports every mistake certain to fail (errors) and the legal
// constructs that are almost always a mistake (warnings), each at a byte
// offset of the file as written.
#pragma once

#include <string>
#include <vector>

#include "checker/Lexer.h"

namespace tbasic::check {

// All findings for one program text, sorted by position.
std::vector<Finding> checkProgram(const std::string& text);

}  // namespace tbasic::check

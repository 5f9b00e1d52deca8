// Reading number words the way formatted stream input does in the C locale.
#pragma once

#include <cstdint>
#include <string>

namespace tbasic {

// Reads a double from the whole text: SyntaxError 9 when nothing can be read
// or something is left after the number.
double parseDouble(const std::string& word);
// Reads a 32-bit integer: SyntaxError 9 when it fails or is out of range.
int32_t parseInteger(const std::string& word);
// True when the whole text reads as a double.
bool readsAsDouble(const std::string& text);

}  // namespace tbasic

// Reading number words the way formatted stream input does in the C locale.
#pragma once

#include <cstdint>
#include <string_view>

namespace tbasic {

// Reads a double from the whole text: SyntaxError 9 when nothing can be read
// or something is left after the number.
double parseDouble(std::string_view text);
// Reads a 32-bit integer: SyntaxError 9 when it fails or is out of range.
int32_t parseInteger(std::string_view text);
// True when the whole text reads as a double.
bool readsAsDouble(std::string_view text);

}  // namespace tbasic

// Small text helpers shared by every layer above: blanks, ASCII case and the
// hash that names are looked up by. Byte-wise and locale-free.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tbasic {

inline bool isBlank(char c) { return c == ' ' || c == '\t'; }
inline bool isAsciiAlpha(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
inline bool isAsciiDigit(char c) { return c >= '0' && c <= '9'; }
inline char toLowerChar(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
inline char toUpperChar(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// Removes leading and trailing blanks and tabs.
std::string trim(std::string_view text);
// Lower-cases byte by byte in the C locale; bytes of 0x80 and above stay as they are.
std::string toLower(std::string_view text);
// Compares a text with a lower-case word, ignoring the text's ASCII case.
bool equalsLowerCase(std::string_view text, std::string_view lowerWord);

// The hash of a variable name, 16 bits: tokens keep it so lookups never
// re-hash, and a lookup compares it before the names.
std::uint16_t hashName(std::string_view name);

// Byte equality, inline: names are short, so a loop beats a library call.
inline bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i]) return false;
    return true;
}

}  // namespace tbasic

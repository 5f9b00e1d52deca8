#include "text/Text.h"

#include <functional>

namespace tbasic {

std::string trim(std::string_view text) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && isBlank(text[begin])) ++begin;
    while (end > begin && isBlank(text[end - 1])) --end;
    return std::string(text.substr(begin, end - begin));
}

std::string toLower(std::string_view text) {
    std::string result(text);
    for (char& c : result) c = toLowerChar(c);
    return result;
}

bool equalsLowerCase(std::string_view text, std::string_view lowerWord) {
    if (text.size() != lowerWord.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (toLowerChar(text[i]) != lowerWord[i]) return false;
    return true;
}

std::uint16_t hashName(std::string_view name) {
    return static_cast<std::uint16_t>(std::hash<std::string_view>{}(name));
}

}  // namespace tbasic

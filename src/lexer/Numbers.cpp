#include "lexer/Numbers.h"

#include <charconv>
#include <locale>
#include <sstream>
#include <system_error>

#include "diagnostics/Error.h"

namespace tbasic {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The plain forms, [+-]digits[.digits][(e|E)[+-]digits] with at least one
// mantissa digit, are read with from_chars: stream input accepts all of such
// a text and rounds it the same way. Anything else (and any result out of
// range) goes through the stream, which decides what is read and what fails.
bool isPlainDouble(std::string_view text) {
    std::size_t i = 0, n = text.size();
    if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
    bool digits = false;
    while (i < n && isDigit(text[i])) ++i, digits = true;
    if (i < n && text[i] == '.') {
        ++i;
        while (i < n && isDigit(text[i])) ++i, digits = true;
    }
    if (!digits) return false;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
        if (i >= n || !isDigit(text[i])) return false;
        while (i < n && isDigit(text[i])) ++i;
    }
    return i == n;
}

bool readPlainDouble(std::string_view text, double& value) {
    if (!isPlainDouble(text)) return false;
    const char* first = text.data();
    const char* last = first + text.size();
    if (*first == '+') ++first;
    auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
    return error == std::errc() && end == last;
}

bool readPlainInteger(std::string_view text, int32_t& value) {
    const char* first = text.data();
    const char* last = first + text.size();
    if (first != last && *first == '+') ++first;
    const char* digits = first != last && *first == '-' ? first + 1 : first;
    if (digits == last) return false;
    for (const char* p = digits; p != last; ++p)
        if (!isDigit(*p)) return false;
    auto [end, error] = std::from_chars(first, last, value);
    return error == std::errc() && end == last;
}

struct DoubleRead {
    bool ok = false;
    bool atEnd = false;
    double value = 0.0;
    std::string rest;
};

DoubleRead readDouble(const std::string& text) {
    std::istringstream in(text);
    in.imbue(std::locale::classic());
    DoubleRead result;
    in >> result.value;
    if (in.fail()) return result;
    result.ok = true;
    result.atEnd = in.eof();
    if (!result.atEnd) in >> result.rest;
    return result;
}

}  // namespace

double parseDouble(std::string_view text) {
    double value;
    if (readPlainDouble(text, value)) return value;
    const std::string word(text);
    DoubleRead read = readDouble(word);
    if (!read.ok)
        throw Error(ErrorCode::WrongNumberFormat,
                          formatMessage("cannot parse [%s] into double number properly", word.c_str()));
    if (!read.atEnd)
        throw Error(ErrorCode::WrongNumberFormat,
                          formatMessage("cannot parse [%s] into double number properly: unexpected [%s]",
                                        word.c_str(), read.rest.c_str()));
    return read.value;
}

int32_t parseInteger(std::string_view text) {
    int32_t value = 0;
    if (readPlainInteger(text, value)) return value;
    const std::string word(text);
    std::istringstream in(word);
    in.imbue(std::locale::classic());
    in >> value;
    if (in.fail())
        throw Error(ErrorCode::WrongNumberFormat,
                          formatMessage("cannot parse [%s] into integer number properly", word.c_str()));
    return value;
}

bool readsAsDouble(std::string_view text) {
    double value;
    if (readPlainDouble(text, value)) return true;
    DoubleRead read = readDouble(std::string(text));
    return read.ok && read.atEnd;
}

}  // namespace tbasic

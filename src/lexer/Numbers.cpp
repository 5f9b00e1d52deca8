#include "lexer/Numbers.h"

#include <locale>
#include <sstream>

#include "diagnostics/Error.h"

namespace tbasic {

namespace {

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

double parseDouble(const std::string& word) {
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

int32_t parseInteger(const std::string& word) {
    std::istringstream in(word);
    in.imbue(std::locale::classic());
    int32_t value = 0;
    in >> value;
    if (in.fail())
        throw Error(ErrorCode::WrongNumberFormat,
                          formatMessage("cannot parse [%s] into integer number properly", word.c_str()));
    return value;
}

bool readsAsDouble(const std::string& text) {
    DoubleRead read = readDouble(text);
    return read.ok && read.atEnd;
}

}  // namespace tbasic

#include "expressions/BuiltinStringFunctionHandler.h"

#include <algorithm>

#include "diagnostics/Error.h"
#include "expressions/BuiltinFunction.h"
#include "lexer/Keywords.h"
#include "lexer/Numbers.h"

namespace tbasic {

namespace {

enum StringFunction {
    Str = 29, Space, Tab, LTrim, RTrim, Trim, Len, UCase, LCase, Val, IsNumeric,
    Left = 40, Right, Mid, InStr,
};

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isNumber(const Value& v) { return v.type == DataType::Integer || v.type == DataType::Double; }

int32_t countOf(const Value& v) {
    return v.type == DataType::Integer ? v.intValue : roundToInteger(v.doubleValue);
}

[[noreturn]] void invalidArgument(const char* format, FunctionId id) {
    throw ValueError(InvalidArgument, formatMessage(format, builtinFunctionName(id).c_str()));
}

}  // namespace

std::unique_ptr<FunctionHandler> BuiltinStringFunctionHandler::clone() const {
    return std::make_unique<BuiltinStringFunctionHandler>(id);
}

void BuiltinStringFunctionHandler::evaluateWithArgument(Value& result, const Value& a) const {
    const char* name = nullptr;
    switch (id) {
    case Str: {
        std::string& out = result.makeString();
        out.clear();
        appendPrintedForm(out, a);
        return;
    }
    case Space:
    case Tab: {
        name = builtinFunctionName(id).c_str();
        if (!isNumber(a))
            throw ValueError(TypeMismatch,
                             formatMessage("Function [%s] called with an argument of [%s] type. Integer or double expected.",
                                           name, dataTypeName(a.type).c_str()));
        int32_t n = countOf(a);
        if (n < 0)
            throw ValueError(InvalidArgument, formatMessage("Function [%s] expects a non-negative argument.", name));
        result.makeString().assign(static_cast<size_t>(n), id == Space ? ' ' : '\t');
        return;
    }
    case LTrim: case RTrim: case Trim: case Len: case UCase: case LCase: case Val: case IsNumeric:
        break;
    default:
        throw Error(UnexpectedError);
    }
    if (a.type != DataType::String)
        throw ValueError(TypeMismatch,
                         formatMessage("Function [%s] called with an argument of [%s] type. String expected.",
                                       builtinFunctionName(id).c_str(), dataTypeName(a.type).c_str()));
    const std::string& s = a.stringValue;
    switch (id) {
    case LTrim:
    case RTrim:
    case Trim: {
        size_t first = 0, last = s.size();
        if (id != RTrim)
            while (first < last && isBlank(s[first])) ++first;
        if (id != LTrim)
            while (last > first && isBlank(s[last - 1])) --last;
        result.makeString().assign(s, first, last - first);
        return;
    }
    case Len:
        result.makeInteger(static_cast<int32_t>(s.size()));
        return;
    case UCase:
    case LCase: {
        std::string& out = result.makeString();
        out.assign(s);
        if (id == UCase) {
            for (char& c : out) c = toUpperChar(c);
        } else {
            for (char& c : out) c = toLowerChar(c);
        }
        return;
    }
    case Val:
        result.makeDouble(parseDouble(s));
        return;
    case IsNumeric:
        result.makeBoolean(readsAsDouble(s));
        return;
    default:
        throw Error(UnexpectedError);
    }
}

void BuiltinStringFunctionHandler::evaluateWithArguments(Value& result,
                                                         const std::vector<Value>& args) const {
    if (id < Left || id > InStr) throw Error(UnexpectedError);
    if (args.empty()) invalidArgument("insufficient number of arguments for function [%s]", id);
    size_t expected = id == Mid ? 3 : 2;
    if (args.size() != expected)
        invalidArgument(id == Mid ? "function [%s]: 3 arguments expected" : "function [%s]: 2 arguments expected", id);
    if (args[0].type != DataType::String) invalidArgument("function [%s]: 1st argument expected to be a string", id);
    const std::string& s = args[0].stringValue;
    const size_t length = s.size();

    if (id == InStr) {
        if (args[1].type != DataType::String)
            invalidArgument("function [%s]: 2nd argument expected to be a string", id);
        size_t at = s.find(args[1].stringValue);
        result.makeInteger(at == std::string::npos ? -1 : static_cast<int32_t>(at));
        return;
    }

    if (!isNumber(args[1])) invalidArgument("function [%s]: 2st argument expected to be a number", id);
    int32_t second = countOf(args[1]);
    if (second < 0) invalidArgument("function [%s]: 2st argument is negative", id);
    size_t n = static_cast<size_t>(second);

    if (id == Left) {
        result.makeString().assign(s, 0, std::min(n, length));
    } else if (id == Right) {
        size_t count = std::min(n, length);
        result.makeString().assign(s, length - count, count);
    } else {
        size_t p = std::min(n, length);
        if (!isNumber(args[2])) invalidArgument("function [%s]: 3rd argument expected to be a number", id);
        int32_t third = countOf(args[2]);
        if (third < 0) invalidArgument("function [%s]: 3rd argument is negative", id);
        result.makeString().assign(s, p, std::min(static_cast<size_t>(third), length - p));
    }
}

}  // namespace tbasic

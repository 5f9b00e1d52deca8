#include "expressions/Builtins.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "diagnostics/Error.h"
#include "lexer/Numbers.h"
#include "text/Text.h"
#include "values/Operators.h"

namespace tbasic {

namespace {

const char* nameOf(Builtin id) { return builtinRecord(id).name.data(); }

// ---- Math ----

const double PI = std::atan(1.0) * 4.0;
const double degreeFactor = PI / 180.0;

[[noreturn]] void domainError() { throw Error(ErrorCode::IllegalMathCall); }

// The argument of a one-argument math function as a double.
double mathArgument(Builtin id, const Value& argument) {
    if (argument.type == DataType::Integer) return static_cast<double>(argument.intValue);
    if (argument.type == DataType::Double) return argument.doubleValue;
    throw Error(ErrorCode::TypeMismatch, formatMessage("built-in math function [%s] used on data type [%s]",
                                                       nameOf(id), dataTypeName(argument.type).c_str()));
}

// A math function with no domain limit: result = f(x).
template <Builtin id, double (*f)(double)>
void plainMath(Value& result, const Value* args, std::size_t) {
    result.makeDouble(f(mathArgument(id, args[0])));
}

// A math function defined where inDomain(x) holds; elsewhere error 17.
template <Builtin id, double (*f)(double), bool (*inDomain)(double)>
void limitedMath(Value& result, const Value* args, std::size_t) {
    double x = mathArgument(id, args[0]);
    if (!inDomain(x)) domainError();
    result.makeDouble(f(x));
}

// The inverse hyperbolics use the classic logarithm formulas where they are
// accurate to the last digit. Near the origin (and near 1 for acosh) those
// cancel, so log1p forms that keep every digit take over; beyond 1e8 the
// square root adds nothing and x * x could overflow, so log(2|x|) is used.
const double LN2 = std::log(2.0);
constexpr double HUGE_ARGUMENT = 1e8;

double inverseSinh(double x) {
    if (x < 0) return -inverseSinh(-x);
    if (x < 0.5) return std::log1p(x + x * x / (1.0 + std::sqrt(1.0 + x * x)));
    if (x > HUGE_ARGUMENT) return std::log(x) + LN2;
    return std::log(x + std::sqrt(x * x + 1.0));
}

double inverseCosh(double x) {  // x >= 1
    if (x < 1.1) {
        const double t = x - 1.0;  // exact this close to 1
        return std::log1p(t + std::sqrt(2.0 * t + t * t));
    }
    if (x > HUGE_ARGUMENT) return std::log(x) + LN2;
    return std::log(x + std::sqrt(x * x - 1.0));
}

double inverseTanh(double x) {  // -1 < x < 1
    if (x > -0.1 && x < 0.1) return x < 0 ? -inverseTanh(-x) : 0.5 * std::log1p(2.0 * x / (1.0 - x));
    return 0.5 * std::log((1 + x) / (1 - x));
}

double sqrtOf(double x) { return std::sqrt(x); }
double expOf(double x) { return std::exp(x); }
double logOf(double x) { return std::log(x); }
double log10Of(double x) { return std::log10(x); }
double radOf(double x) { return x * degreeFactor; }
double degOf(double x) { return x / degreeFactor; }
double sinOf(double x) { return std::sin(x); }
double cosOf(double x) { return std::cos(x); }
double tanOf(double x) { return std::tan(x); }
double asinOf(double x) { return std::asin(x); }
double acosOf(double x) { return std::acos(x); }
double atanOf(double x) { return std::atan(x); }
double sinhOf(double x) { return std::sinh(x); }
double coshOf(double x) { return std::cosh(x); }
double tanhOf(double x) { return std::tanh(x); }
double secOf(double x) { return 1.0 / std::cos(x); }
double cscOf(double x) { return 1.0 / std::sin(x); }

bool notNegative(double x) { return !(x < 0); }
bool positive(double x) { return !(x <= 0 || isNearZero(x)); }
bool withinOne(double x) { return !(x < -1 || x > 1); }
bool atLeastOne(double x) { return !(x < 1); }
bool strictlyWithinOne(double x) { return !(x >= 1 || x <= -1); }
bool cosineNotZero(double x) { return !isNearZero(std::cos(x)); }
bool sineNotZero(double x) { return !isNearZero(std::sin(x)); }

// abs keeps the argument's type, and its origin when it is not negated.
void absBuiltin(Value& result, const Value* args, std::size_t) {
    const Value& a = args[0];
    mathArgument(Builtin::Abs, a);
    result = lessThanZero(a) ? negate(a) : a;
}

void signBuiltin(Value& result, const Value* args, std::size_t) {
    const Value& a = args[0];
    mathArgument(Builtin::Sign, a);
    result.makeInteger(lessThanZero(a) ? -1 : equalsZero(a) ? 0 : 1);
}

void intBuiltin(Value& result, const Value* args, std::size_t) {
    const Value& a = args[0];
    double x = mathArgument(Builtin::Int, a);
    if (a.type == DataType::Integer) {
        result = a;
    } else {
        result.makeInteger(roundToInteger(std::floor(x)));
    }
}

void piBuiltin(Value& result, const Value*, std::size_t) { result.makeDouble(PI); }

// The generator is reduced to 0..32767 whatever its own range.
void randomBuiltin(Value& result, const Value*, std::size_t) {
    result.makeDouble(static_cast<double>(std::rand() % 32768) / 32767.0);
}

// now, date and time are named but not implemented: a call is error 1.
void unimplementedBuiltin(Value&, const Value*, std::size_t) { throw Error(ErrorCode::UnexpectedError); }

// ---- Strings ----

bool isNumber(const Value& v) { return v.type == DataType::Integer || v.type == DataType::Double; }

int32_t countOf(const Value& v) { return v.type == DataType::Integer ? v.intValue : roundToInteger(v.doubleValue); }

std::string_view stringArgument(Builtin id, const Value& a) {
    if (a.type != DataType::String)
        throw Error(ErrorCode::TypeMismatch,
                    formatMessage("Function [%s] called with an argument of [%s] type. String expected.", nameOf(id),
                                  dataTypeName(a.type).c_str()));
    return a.stringView();
}

void strBuiltin(Value& result, const Value* args, std::size_t) {
    std::string out;
    appendPrintedForm(out, args[0]);
    result.makeString(out);
}

template <Builtin id, char fill>
void repeatBuiltin(Value& result, const Value* args, std::size_t) {
    const Value& a = args[0];
    if (!isNumber(a))
        throw Error(ErrorCode::TypeMismatch,
                    formatMessage("Function [%s] called with an argument of [%s] type. Integer or double expected.",
                                  nameOf(id), dataTypeName(a.type).c_str()));
    int32_t n = countOf(a);
    if (n < 0)
        throw Error(ErrorCode::InvalidArgument,
                    formatMessage("Function [%s] expects a non-negative argument.", nameOf(id)));
    std::memset(result.makeString(static_cast<std::size_t>(n)), fill, static_cast<std::size_t>(n));
}

template <Builtin id, bool left, bool right>
void trimBuiltin(Value& result, const Value* args, std::size_t) {
    std::string_view s = stringArgument(id, args[0]);
    std::size_t first = 0, last = s.size();
    if (left)
        while (first < last && isBlank(s[first])) ++first;
    if (right)
        while (last > first && isBlank(s[last - 1])) --last;
    result.makeString(s.substr(first, last - first));
}

void lenBuiltin(Value& result, const Value* args, std::size_t) {
    result.makeInteger(static_cast<int32_t>(stringArgument(Builtin::Len, args[0]).size()));
}

template <Builtin id, char (*convert)(char)>
void caseBuiltin(Value& result, const Value* args, std::size_t) {
    std::string_view s = stringArgument(id, args[0]);
    char* out = result.makeString(s.size());
    for (char c : s) *out++ = convert(c);
}

void valBuiltin(Value& result, const Value* args, std::size_t) {
    result.makeDouble(parseDouble(stringArgument(Builtin::Val, args[0])));
}

void isNumericBuiltin(Value& result, const Value* args, std::size_t) {
    result.makeBoolean(readsAsDouble(stringArgument(Builtin::IsNumeric, args[0])));
}

[[noreturn]] void invalidArgument(Builtin id, const char* format) {
    throw Error(ErrorCode::InvalidArgument, formatMessage(format, nameOf(id)));
}

// The checks every list built-in starts with: the count, then a string first.
std::string_view listSubject(Builtin id, const Value* args, std::size_t count) {
    if (count == 0) invalidArgument(id, "insufficient number of arguments for function [%s]");
    if (count != builtinRecord(id).arguments)
        invalidArgument(id, id == Builtin::Mid ? "function [%s]: 3 arguments expected"
                                               : "function [%s]: 2 arguments expected");
    if (args[0].type != DataType::String) invalidArgument(id, "function [%s]: 1st argument expected to be a string");
    return args[0].stringView();
}

// The second argument of left, right and mid: a non-negative count.
std::size_t countArgument(Builtin id, const Value& a) {
    if (!isNumber(a)) invalidArgument(id, "function [%s]: 2st argument expected to be a number");
    int32_t n = countOf(a);
    if (n < 0) invalidArgument(id, "function [%s]: 2st argument is negative");
    return static_cast<std::size_t>(n);
}

void leftBuiltin(Value& result, const Value* args, std::size_t count) {
    std::string_view s = listSubject(Builtin::Left, args, count);
    std::size_t n = countArgument(Builtin::Left, args[1]);
    result.makeString(s.substr(0, n));
}

void rightBuiltin(Value& result, const Value* args, std::size_t count) {
    std::string_view s = listSubject(Builtin::Right, args, count);
    std::size_t n = std::min(countArgument(Builtin::Right, args[1]), s.size());
    result.makeString(s.substr(s.size() - n, n));
}

void midBuiltin(Value& result, const Value* args, std::size_t count) {
    std::string_view s = listSubject(Builtin::Mid, args, count);
    std::size_t p = std::min(countArgument(Builtin::Mid, args[1]), s.size());
    if (!isNumber(args[2])) invalidArgument(Builtin::Mid, "function [%s]: 3rd argument expected to be a number");
    int32_t third = countOf(args[2]);
    if (third < 0) invalidArgument(Builtin::Mid, "function [%s]: 3rd argument is negative");
    result.makeString(s.substr(p, static_cast<std::size_t>(third)));
}

void instrBuiltin(Value& result, const Value* args, std::size_t count) {
    std::string_view s = listSubject(Builtin::InStr, args, count);
    if (args[1].type != DataType::String)
        invalidArgument(Builtin::InStr, "function [%s]: 2nd argument expected to be a string");
    std::size_t at = s.find(args[1].stringView());
    result.makeInteger(at == std::string_view::npos ? -1 : static_cast<int32_t>(at));
}

}  // namespace

bool isNearZero(double d) { return d == 0.0 || nearlyEqual(d, 0.0); }

constexpr BuiltinImplementationRecord builtinImplementations[static_cast<std::size_t>(Builtin::Count)] = {
    {Builtin::Abs, absBuiltin},
    {Builtin::Sign, signBuiltin},
    {Builtin::Int, intBuiltin},
    {Builtin::Sqrt, limitedMath<Builtin::Sqrt, sqrtOf, notNegative>},
    {Builtin::Exp, plainMath<Builtin::Exp, expOf>},
    {Builtin::Log, limitedMath<Builtin::Log, logOf, positive>},
    {Builtin::Log10, limitedMath<Builtin::Log10, log10Of, positive>},
    {Builtin::Rad, plainMath<Builtin::Rad, radOf>},
    {Builtin::Deg, plainMath<Builtin::Deg, degOf>},
    {Builtin::Sin, plainMath<Builtin::Sin, sinOf>},
    {Builtin::Cos, plainMath<Builtin::Cos, cosOf>},
    {Builtin::Tan, plainMath<Builtin::Tan, tanOf>},
    {Builtin::Asin, limitedMath<Builtin::Asin, asinOf, withinOne>},
    {Builtin::Acos, limitedMath<Builtin::Acos, acosOf, withinOne>},
    {Builtin::Atan, plainMath<Builtin::Atan, atanOf>},
    {Builtin::Sinh, plainMath<Builtin::Sinh, sinhOf>},
    {Builtin::Cosh, plainMath<Builtin::Cosh, coshOf>},
    {Builtin::Tanh, plainMath<Builtin::Tanh, tanhOf>},
    {Builtin::Asinh, plainMath<Builtin::Asinh, inverseSinh>},
    {Builtin::Acosh, limitedMath<Builtin::Acosh, inverseCosh, atLeastOne>},
    {Builtin::Atanh, limitedMath<Builtin::Atanh, inverseTanh, strictlyWithinOne>},
    {Builtin::Sec, limitedMath<Builtin::Sec, secOf, cosineNotZero>},
    {Builtin::Csc, limitedMath<Builtin::Csc, cscOf, sineNotZero>},
    {Builtin::Pi, piBuiltin},
    {Builtin::Random, randomBuiltin},
    {Builtin::Now, unimplementedBuiltin},
    {Builtin::Date, unimplementedBuiltin},
    {Builtin::Time, unimplementedBuiltin},
    {Builtin::Str, strBuiltin},
    {Builtin::Space, repeatBuiltin<Builtin::Space, ' '>},
    {Builtin::Tab, repeatBuiltin<Builtin::Tab, '\t'>},
    {Builtin::LTrim, trimBuiltin<Builtin::LTrim, true, false>},
    {Builtin::RTrim, trimBuiltin<Builtin::RTrim, false, true>},
    {Builtin::Trim, trimBuiltin<Builtin::Trim, true, true>},
    {Builtin::Len, lenBuiltin},
    {Builtin::UCase, caseBuiltin<Builtin::UCase, toUpperChar>},
    {Builtin::LCase, caseBuiltin<Builtin::LCase, toLowerChar>},
    {Builtin::Val, valBuiltin},
    {Builtin::IsNumeric, isNumericBuiltin},
    {Builtin::Left, leftBuiltin},
    {Builtin::Right, rightBuiltin},
    {Builtin::Mid, midBuiltin},
    {Builtin::InStr, instrBuiltin},
};

static_assert(rowsFollowEnumOrder(builtinImplementations),
              "builtinImplementations rows follow the order of Builtin");

}  // namespace tbasic

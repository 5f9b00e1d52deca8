#include "expressions/BuiltinMathFunctionHandler.h"

#include <cmath>
#include <cstdlib>

#include "diagnostics/Error.h"
#include "expressions/BuiltinFunction.h"
#include "values/Operators.h"

namespace tbasic {

namespace {

const double PI = std::atan(1.0) * 4.0;
const double degreeFactor = PI / 180.0;

[[noreturn]] void domainError() { throw ValueError(IllegalMathCall); }

// The inverse hyperbolics use the classic logarithm formulas where they are
// accurate to the last digit, and elsewhere forms that neither cancel nor
// overflow: the C library near the origin (and near 1 for acosh), and
// log(2|x|) = log|x| + log 2 beyond 1e8, where the square root adds nothing.
const double LN2 = std::log(2.0);
constexpr double HUGE_ARGUMENT = 1e8;

double inverseSinh(double x) {
    if (x < 0) return -inverseSinh(-x);
    if (x < 0.5) return std::asinh(x);
    if (x > HUGE_ARGUMENT) return std::log(x) + LN2;
    return std::log(x + std::sqrt(x * x + 1.0));
}

double inverseCosh(double x) {  // x >= 1
    if (x < 1.1) return std::acosh(x);
    if (x > HUGE_ARGUMENT) return std::log(x) + LN2;
    return std::log(x + std::sqrt(x * x - 1.0));
}

double inverseTanh(double x) {  // -1 < x < 1
    if (x > -0.1 && x < 0.1) return std::atanh(x);
    return 0.5 * std::log((1 + x) / (1 - x));
}

}  // namespace

bool isNearZero(double d) { return d == 0.0 || nearlyEqual(d, 0.0); }

std::unique_ptr<FunctionHandler> BuiltinMathFunctionHandler::clone() const {
    return std::make_unique<BuiltinMathFunctionHandler>(id);
}

void BuiltinMathFunctionHandler::evaluateWithoutArguments(Value& result) const {
    switch (id) {
    case 24:
        result.makeDouble(PI);
        return;
    case 25:
        // The generator is reduced to 0..32767 whatever its own range.
        result.makeDouble(static_cast<double>(std::rand() % 32768) / 32767.0);
        return;
    default:
        throw Error(UnexpectedError);
    }
}

void BuiltinMathFunctionHandler::evaluateWithArgument(Value& result, const Value& argument) const {
    if (id < 1 || id > 23) throw Error(UnexpectedError);
    double x;
    if (argument.type == DataType::Integer) {
        x = static_cast<double>(argument.intValue);
    } else if (argument.type == DataType::Double) {
        x = argument.doubleValue;
    } else {
        throw ValueError(TypeMismatch, formatMessage("built-in math function [%s] used on data type [%s]",
                                                     builtinFunctionName(id).c_str(),
                                                     dataTypeName(argument.type).c_str()));
    }
    switch (id) {
    case 1:  // abs keeps the argument's type, and its origin when it is not negated
        result = lessThanZero(argument) ? negate(argument) : argument;
        return;
    case 2:
        result.makeInteger(lessThanZero(argument) ? -1 : equalsZero(argument) ? 0 : 1);
        return;
    case 3:
        if (argument.type == DataType::Integer) {
            result = argument;
        } else {
            result.makeInteger(roundToInteger(std::floor(x)));
        }
        return;
    case 4:
        if (x < 0) domainError();
        result.makeDouble(std::sqrt(x));
        return;
    case 5: result.makeDouble(std::exp(x)); return;
    case 6:
        if (x <= 0 || isNearZero(x)) domainError();
        result.makeDouble(std::log(x));
        return;
    case 7:
        if (x <= 0 || isNearZero(x)) domainError();
        result.makeDouble(std::log10(x));
        return;
    case 8: result.makeDouble(x * degreeFactor); return;
    case 9: result.makeDouble(x / degreeFactor); return;
    case 10: result.makeDouble(std::sin(x)); return;
    case 11: result.makeDouble(std::cos(x)); return;
    case 12: result.makeDouble(std::tan(x)); return;
    case 13:
        if (x < -1 || x > 1) domainError();
        result.makeDouble(std::asin(x));
        return;
    case 14:
        if (x < -1 || x > 1) domainError();
        result.makeDouble(std::acos(x));
        return;
    case 15: result.makeDouble(std::atan(x)); return;
    case 16: result.makeDouble(std::sinh(x)); return;
    case 17: result.makeDouble(std::cosh(x)); return;
    case 18: result.makeDouble(std::tanh(x)); return;
    case 19: result.makeDouble(inverseSinh(x)); return;
    case 20:
        if (x < 1) domainError();
        result.makeDouble(inverseCosh(x));
        return;
    case 21:
        if (x >= 1 || x <= -1) domainError();
        result.makeDouble(inverseTanh(x));
        return;
    case 22: {
        double c = std::cos(x);
        if (isNearZero(c)) domainError();
        result.makeDouble(1.0 / c);
        return;
    }
    case 23: {
        double s = std::sin(x);
        if (isNearZero(s)) domainError();
        result.makeDouble(1.0 / s);
        return;
    }
    default:
        throw Error(UnexpectedError);
    }
}

}  // namespace tbasic

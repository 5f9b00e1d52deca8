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

}  // namespace

bool isNearZero(double d) { return d == 0.0 || nearlyEqual(d, 0.0); }

std::unique_ptr<FunctionHandler> BuiltinMathFunctionHandler::clone() const {
    return std::make_unique<BuiltinMathFunctionHandler>(id);
}

void BuiltinMathFunctionHandler::evaluateWithoutArguments(Value& result) const {
    switch (id) {
    case 24:
        result = Value(PI);
        return;
    case 25:
        // The generator is reduced to 0..32767 whatever its own range.
        result = Value(static_cast<double>(std::rand() % 32768) / 32767.0);
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
        result = Value(static_cast<int32_t>(lessThanZero(argument) ? -1 : equalsZero(argument) ? 0 : 1));
        return;
    case 3:
        if (argument.type == DataType::Integer) {
            result = argument;
        } else {
            result = Value(roundToInteger(std::floor(x)));
        }
        return;
    case 4:
        if (x < 0) domainError();
        result = Value(std::sqrt(x));
        return;
    case 5: result = Value(std::exp(x)); return;
    case 6:
        if (x <= 0 || isNearZero(x)) domainError();
        result = Value(std::log(x));
        return;
    case 7:
        if (x <= 0 || isNearZero(x)) domainError();
        result = Value(std::log10(x));
        return;
    case 8: result = Value(x * degreeFactor); return;
    case 9: result = Value(x / degreeFactor); return;
    case 10: result = Value(std::sin(x)); return;
    case 11: result = Value(std::cos(x)); return;
    case 12: result = Value(std::tan(x)); return;
    case 13:
        if (x < -1 || x > 1) domainError();
        result = Value(std::asin(x));
        return;
    case 14:
        if (x < -1 || x > 1) domainError();
        result = Value(std::acos(x));
        return;
    case 15: result = Value(std::atan(x)); return;
    case 16: result = Value(std::sinh(x)); return;
    case 17: result = Value(std::cosh(x)); return;
    case 18: result = Value(std::tanh(x)); return;
    case 19: result = Value(std::log(x + std::sqrt(x * x + 1.0))); return;
    case 20:
        if (x < 1) domainError();
        result = Value(std::log(x + std::sqrt(x * x - 1.0)));
        return;
    case 21:
        if (x >= 1 || x <= -1) domainError();
        result = Value(0.5 * std::log((1 + x) / (1 - x)));
        return;
    case 22: {
        double c = std::cos(x);
        if (isNearZero(c)) domainError();
        result = Value(1.0 / c);
        return;
    }
    case 23: {
        double s = std::sin(x);
        if (isNearZero(s)) domainError();
        result = Value(1.0 / s);
        return;
    }
    default:
        throw Error(UnexpectedError);
    }
}

}  // namespace tbasic

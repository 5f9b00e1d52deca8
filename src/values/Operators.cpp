#include "values/Operators.h"

#include <cmath>

#include "diagnostics/Error.h"

namespace tbasic {

namespace {

bool isNumeric(const Value& v) { return v.type == DataType::Integer || v.type == DataType::Double; }

double asDouble(const Value& v) {
    return v.type == DataType::Integer ? static_cast<double>(v.intValue) : v.doubleValue;
}

const char* typeName(const Value& v) { return dataTypeName(v.type).c_str(); }

[[noreturn]] void binaryMismatchValue(const char* op, const Value& l, const Value& r) {
    throw Error(ErrorCode::TypeMismatch, formatMessage("operator '%s' used between data type [%s] & [%s]",
                                                 op, typeName(l), typeName(r)));
}

[[noreturn]] void binaryMismatchOperand(const char* op, const Value& l, const Value& r) {
    throw Error(ErrorCode::TypeMismatch, formatMessage("operator '%s' used between data type [%s] & [%s]",
                                                   op, typeName(l), typeName(r)));
}

void setDouble(Value& v, double d) {
    v.type = DataType::Double;
    v.doubleValue = d;
}

void setInt(Value& v, int32_t i) {
    v.type = DataType::Integer;
    v.intValue = i;
}

int32_t checkedInteger(int64_t wide) {
    if (wide > INT32_MAX || wide < INT32_MIN) throw Error(ErrorCode::Overflow);
    return static_cast<int32_t>(wide);
}

// Shared shape of "-" and "*": integers stay integers under the overflow
// rule, a mixed pair gives a double, anything else is a type mismatch.
template <typename IntOp, typename DoubleOp>
void arithmetic(Value& left, const Value& right, const char* op, IntOp intOp, DoubleOp doubleOp) {
    if (left.type == DataType::Integer && right.type == DataType::Integer) {
        left.intValue = checkedInteger(intOp(int64_t(left.intValue), int64_t(right.intValue)));
    } else if (isNumeric(left) && isNumeric(right)) {
        setDouble(left, doubleOp(asDouble(left), asDouble(right)));
    } else {
        binaryMismatchValue(op, left, right);
    }
}

bool isZeroDivisor(const Value& v) {
    if (v.type == DataType::Integer) return v.intValue == 0;
    if (v.type == DataType::Double) return v.doubleValue == 0.0 || nearlyEqual(v.doubleValue, 0.0);
    return false;
}

// Integer operand of "mod" and "\": doubles are rounded.
bool toIntegerOperand(const Value& v, int32_t& out) {
    if (v.type == DataType::Integer) {
        out = v.intValue;
        return true;
    }
    if (v.type == DataType::Double) {
        out = roundToInteger(v.doubleValue);
        return true;
    }
    return false;
}

}  // namespace

namespace detail {

void addTo(Value& left, const Value& right) {
    if (left.type == DataType::Integer && right.type == DataType::Integer) {
        int32_t sum;
        if (__builtin_add_overflow(left.intValue, right.intValue, &sum)) throw Error(ErrorCode::Overflow);
        left.intValue = sum;
        return;
    }
    if (left.type == DataType::String && right.type == DataType::String) {
        left.appendString(right.stringView());
        return;
    }
    arithmetic(left, right, "+", [](int64_t a, int64_t b) { return a + b; },
               [](double a, double b) { return a + b; });
}


void subtractFrom(Value& left, const Value& right) {
    arithmetic(left, right, "-", [](int64_t a, int64_t b) { return a - b; },
               [](double a, double b) { return a - b; });
}


void multiplyBy(Value& left, const Value& right) {
    arithmetic(left, right, "*", [](int64_t a, int64_t b) { return a * b; },
               [](double a, double b) { return a * b; });
}


void divideBy(Value& left, const Value& right) {
    if (isZeroDivisor(right)) throw Error(ErrorCode::DivideByZero);
    if (left.type == DataType::Integer && right.type == DataType::Integer) {
        int64_t l = left.intValue, r = right.intValue;
        if (l % r == 0) {
            left.intValue = checkedInteger(l / r);
        } else {
            setDouble(left, static_cast<double>(l) / static_cast<double>(r));
        }
    } else if (isNumeric(left) && isNumeric(right)) {
        setDouble(left, asDouble(left) / asDouble(right));
    } else {
        binaryMismatchOperand("/", left, right);
    }
}


void moduloBy(Value& left, const Value& right) {
    if (isZeroDivisor(right)) throw Error(ErrorCode::DivideByZero);
    int32_t l, r;
    if (!toIntegerOperand(left, l)) binaryMismatchOperand("mod", left, right);
    if (!toIntegerOperand(right, r)) binaryMismatchOperand("mod", left, right);
    if (r == 0) throw Error(ErrorCode::DivideByZero);
    setInt(left, static_cast<int32_t>(int64_t(l) % int64_t(r)));
}


void integerDivideBy(Value& left, const Value& right) {
    int32_t l, r;
    if (!toIntegerOperand(left, l)) binaryMismatchOperand("\\", left, right);
    if (!toIntegerOperand(right, r)) binaryMismatchOperand("\\", left, right);
    if (r == 0) throw Error(ErrorCode::DivideByZero);
    setInt(left, checkedInteger(int64_t(l) / int64_t(r)));
}
}  // namespace detail

double powerBySquaring(double x, int32_t n) {
    double result = 1.0;
    uint32_t m = n < 0 ? 0u - static_cast<uint32_t>(n) : static_cast<uint32_t>(n);
    while (m != 0) {
        if (m & 1u) result *= x;
        m >>= 1;
        if (m == 0) break;
        x *= x;
    }
    return n < 0 ? 1.0 / result : result;
}

void raiseTo(Value& base, const Value& exponent) {
    base.origin = nullptr;
    if (exponent.type == DataType::Double && lessThanZero(base)) {
        double e = exponent.doubleValue;
        bool whole = false;
        if (e >= -2147483648.0 && e <= 2147483647.0) {
            double t = static_cast<double>(static_cast<int32_t>(e));
            whole = t == e || nearlyEqual(t, e);
        }
        if (!whole)
            throw Error(ErrorCode::IllegalMathCall,
                               "operator '^' used on negative base to the power of a non-integer number.");
    }
    if (base.type == DataType::Integer && exponent.type == DataType::Integer) {
        double p = powerBySquaring(static_cast<double>(base.intValue), exponent.intValue);
        if (exponent.intValue >= 0) {
            setInt(base, roundToInteger(p));
        } else {
            setDouble(base, p);
        }
    } else if (base.type == DataType::Double && exponent.type == DataType::Integer) {
        setDouble(base, powerBySquaring(base.doubleValue, exponent.intValue));
    } else if (isNumeric(base) && exponent.type == DataType::Double) {
        setDouble(base, std::pow(asDouble(base), exponent.doubleValue));
    } else {
        binaryMismatchOperand("^", base, exponent);
    }
}

Value negate(const Value& operand) {
    Value result;
    if (operand.type == DataType::Integer) {
        if (operand.intValue == INT32_MIN) throw Error(ErrorCode::Overflow);
        result = Value(static_cast<int32_t>(-operand.intValue));
    } else if (operand.type == DataType::Double) {
        result = Value(-operand.doubleValue);
    } else {
        throw Error(ErrorCode::TypeMismatch, formatMessage("operator '-' used on data type [%s]",
                                                       typeName(operand)));
    }
    return result;
}

Value logicalNot(const Value& operand) {
    if (operand.type != DataType::Boolean)
        throw Error(ErrorCode::TypeMismatch, formatMessage("operator 'NOT' used on data type [%s]",
                                                       typeName(operand)));
    return Value(!operand.boolValue);
}

Value logicalAnd(const Value& left, const Value& right) {
    if (left.type != DataType::Boolean || right.type != DataType::Boolean)
        binaryMismatchOperand("AND", left, right);
    return Value(left.boolValue && right.boolValue);
}

Value logicalOr(const Value& left, const Value& right) {
    if (left.type != DataType::Boolean || right.type != DataType::Boolean)
        binaryMismatchOperand("OR", left, right);
    return Value(left.boolValue || right.boolValue);
}

namespace detail {

bool equals(const Value& left, const Value& right) {
    if (left.type != right.type) {
        if (!isNumeric(left) || !isNumeric(right)) return false;
        return nearlyEqual(asDouble(left), asDouble(right));
    }
    switch (left.type) {
    case DataType::Boolean: return left.boolValue == right.boolValue;
    case DataType::Integer: return left.intValue == right.intValue;
    case DataType::Double: return nearlyEqual(left.doubleValue, right.doubleValue);
    case DataType::String: return left.stringView() == right.stringView();
    case DataType::Undefined: case DataType::Date: case DataType::Time: case DataType::DateTime:
    case DataType::Count: return false;
    }
    return false;
}


bool lessThan(const Value& left, const Value& right) {
    if (left.type != right.type) {
        if (!isNumeric(left) || !isNumeric(right))
            throw Error(ErrorCode::TypeMismatch, formatMessage("comparison between different types: [%s] & [%s]",
                                                         typeName(left), typeName(right)));
        double a = asDouble(left), b = asDouble(right);
        return a < b && !nearlyEqual(a, b);
    }
    switch (left.type) {
    case DataType::Integer: return left.intValue < right.intValue;
    case DataType::Double:
        return left.doubleValue < right.doubleValue && !nearlyEqual(left.doubleValue, right.doubleValue);
    case DataType::String: return left.stringView() < right.stringView();  // unsigned byte order
    case DataType::Undefined: case DataType::Boolean: case DataType::Date: case DataType::Time:
    case DataType::DateTime: case DataType::Count: return false;
    }
    return false;
}
}  // namespace detail

namespace {

[[noreturn]] void zeroComparisonMismatch(const Value& v) {
    throw Error(ErrorCode::TypeMismatch, formatMessage("comparison between different types: [%s] & integer",
                                                 typeName(v)));
}

}  // namespace

bool equalsZero(const Value& value) {
    if (value.type == DataType::Integer) return value.intValue == 0;
    if (value.type == DataType::Double)
        return value.doubleValue == 0.0 || nearlyEqual(value.doubleValue, 0.0);
    zeroComparisonMismatch(value);
}

namespace detail {

bool lessThanZero(const Value& value) {
    if (value.type == DataType::Integer) return value.intValue < 0;
    if (value.type == DataType::Double) return value.doubleValue < 0.0;
    zeroComparisonMismatch(value);
}

}  // namespace detail

void addInteger(Value& value, int32_t n) {
    if (value.type == DataType::Integer) {
        value.intValue = checkedInteger(int64_t(value.intValue) + n);
    } else if (value.type == DataType::Double) {
        value.doubleValue += n;
    } else {
        throw Error(ErrorCode::TypeMismatch, formatMessage("operator '+' used between data type [%s] & integer.",
                                                     typeName(value)));
    }
}

}  // namespace tbasic

// The meaning of every operator on values. The two-operand arithmetic
// operations update their left operand in place, which makes it a computed
// value with no origin (see Value::origin); the others return a fresh result.
//
// The common cases (two integers, two doubles) are handled inline; anything
// else, including every case that raises an error, goes to the general
// implementation in the detail namespace, so errors are the same either way.
#pragma once

#include <cstdint>

#include "values/Value.h"

// The fast paths are a few instructions: inlined into every caller, even
// where the compiler's size estimate would not.
#define TBASIC_OPERATOR_INLINE __attribute__((always_inline)) inline

namespace tbasic {

namespace detail {
void addTo(Value& left, const Value& right);
void subtractFrom(Value& left, const Value& right);
void multiplyBy(Value& left, const Value& right);
void divideBy(Value& left, const Value& right);
void moduloBy(Value& left, const Value& right);
void integerDivideBy(Value& left, const Value& right);
bool equals(const Value& left, const Value& right);
bool lessThan(const Value& left, const Value& right);
}  // namespace detail

inline bool bothIntegers(const Value& left, const Value& right) {
    return left.type == DataType::Integer && right.type == DataType::Integer;
}

inline bool bothDoubles(const Value& left, const Value& right) {
    return left.type == DataType::Double && right.type == DataType::Double;
}

TBASIC_OPERATOR_INLINE void addTo(Value& left, const Value& right) {
    left.origin = nullptr;
    int32_t sum;
    if (bothIntegers(left, right) && !__builtin_add_overflow(left.intValue, right.intValue, &sum)) {
        left.intValue = sum;
    } else if (bothDoubles(left, right)) {
        left.doubleValue += right.doubleValue;
    } else {
        detail::addTo(left, right);
    }
}

TBASIC_OPERATOR_INLINE void subtractFrom(Value& left, const Value& right) {
    left.origin = nullptr;
    int32_t difference;
    if (bothIntegers(left, right) && !__builtin_sub_overflow(left.intValue, right.intValue, &difference)) {
        left.intValue = difference;
    } else if (bothDoubles(left, right)) {
        left.doubleValue -= right.doubleValue;
    } else {
        detail::subtractFrom(left, right);
    }
}

TBASIC_OPERATOR_INLINE void multiplyBy(Value& left, const Value& right) {
    left.origin = nullptr;
    int32_t product;
    if (bothIntegers(left, right) && !__builtin_mul_overflow(left.intValue, right.intValue, &product)) {
        left.intValue = product;
    } else if (bothDoubles(left, right)) {
        left.doubleValue *= right.doubleValue;
    } else {
        detail::multiplyBy(left, right);
    }
}

inline void divideBy(Value& left, const Value& right) {
    left.origin = nullptr;
    detail::divideBy(left, right);
}

// INT32_MIN by -1 is left to the general path, which raises Overflow for "\".
TBASIC_OPERATOR_INLINE bool isPlainIntegerDivision(const Value& left, const Value& right) {
    return bothIntegers(left, right) && right.intValue != 0 &&
           (right.intValue != -1 || left.intValue != INT32_MIN);
}

TBASIC_OPERATOR_INLINE void moduloBy(Value& left, const Value& right) {
    left.origin = nullptr;
    if (isPlainIntegerDivision(left, right)) {
        left.intValue %= right.intValue;
    } else {
        detail::moduloBy(left, right);
    }
}

TBASIC_OPERATOR_INLINE void integerDivideBy(Value& left, const Value& right) {
    left.origin = nullptr;
    if (isPlainIntegerDivision(left, right)) {
        left.intValue /= right.intValue;
    } else {
        detail::integerDivideBy(left, right);
    }
}

void raiseTo(Value& base, const Value& exponent);

Value negate(const Value& operand);
Value logicalNot(const Value& operand);
Value logicalAnd(const Value& left, const Value& right);
Value logicalOr(const Value& left, const Value& right);

// Never raises.
inline bool equals(const Value& left, const Value& right) {
    if (bothIntegers(left, right)) return left.intValue == right.intValue;
    return detail::equals(left, right);
}

// ValueError 13 across types. Numbers that equals() calls equal (within 4
// units in the last place when a double is involved) are never less, so at
// most one of =, < and > holds for a pair.
inline bool lessThan(const Value& left, const Value& right) {
    if (bothIntegers(left, right)) return left.intValue < right.intValue;
    if (bothDoubles(left, right))
        return left.doubleValue < right.doubleValue && !nearlyEqual(left.doubleValue, right.doubleValue);
    return detail::lessThan(left, right);
}

bool equalsZero(const Value& value);

namespace detail {
bool lessThanZero(const Value& value);
}  // namespace detail

inline bool lessThanZero(const Value& value) {
    if (value.type == DataType::Integer) return value.intValue < 0;
    return detail::lessThanZero(value);
}
void addInteger(Value& value, int32_t n);

// Exponentiation by squaring of a double by a 32-bit integer.
double powerBySquaring(double x, int32_t n);

}  // namespace tbasic

// The meaning of every operator on values. The two-operand arithmetic
// operations update their left operand in place; the others return a result.
#pragma once

#include <cstdint>

#include "values/Value.h"

namespace tbasic {

void addTo(Value& left, const Value& right);
void subtractFrom(Value& left, const Value& right);
void multiplyBy(Value& left, const Value& right);
void divideBy(Value& left, const Value& right);
void moduloBy(Value& left, const Value& right);
void integerDivideBy(Value& left, const Value& right);
void raiseTo(Value& base, const Value& exponent);

Value negate(const Value& operand);
Value logicalNot(const Value& operand);
Value logicalAnd(const Value& left, const Value& right);
Value logicalOr(const Value& left, const Value& right);

bool equals(const Value& left, const Value& right);    // never raises
bool lessThan(const Value& left, const Value& right);  // ValueError 13 across types

bool equalsZero(const Value& value);
bool lessThanZero(const Value& value);
void addInteger(Value& value, int32_t n);

// Exponentiation by squaring of a double by a 32-bit integer.
double powerBySquaring(double x, int32_t n);

}  // namespace tbasic

// Every operator over the type pairs it accepts and refuses, with the
// overflow, zero-divisor and type-mismatch rules.
#include <gtest/gtest.h>

#include "TestSupport.h"

#include <cstdio>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "diagnostics/Error.h"
#include "values/Operators.h"
#include "values/Value.h"

namespace tbasic {
namespace {

using namespace testing_support;


Value I(int32_t i) { return Value(i); }
Value D(double d) { return Value(d); }
Value S(const char* s) { return Value(s); }
Value B(bool b) { return Value(b); }
Value T(DataType t) { return Value(t); }
const Value U = Value(DataType::Undefined);
const Value date = Value(DataType::Date);
const Value time = Value(DataType::Time);

struct BinaryCase {
    Value left;
    Value right;
    std::string expected;
};

using InPlace = void (*)(Value&, const Value&);

void checkInPlace(InPlace op, const std::vector<BinaryCase>& cases) {
    for (const auto& c : cases) {
        const std::string got = outcome([&] {
            Value left = c.left;
            op(left, c.right);
            return left;
        });
        EXPECT_EQ(got, c.expected) << "operands " << show(c.left) << ", " << show(c.right);
    }
}

TEST(AddToTest, TypePairsAndOverflow) {
    const std::string mismatch = "Error 13: operator '+' used between data type ";
    checkInPlace(addTo, {
        {I(1), I(2), "integer:3"},
        {I(1), D(0.5), "double:1.5"},
        {D(0.5), I(1), "double:1.5"},
        {D(0.25), D(0.5), "double:0.75"},
        {S("ab"), S("cd"), "string:abcd"},
        {S(""), S(""), "string:"},
        {B(true), B(true), mismatch + "[boolean] & [boolean]"},
        {S("a"), I(1), mismatch + "[string] & [integer]"},
        {I(1), S("a"), mismatch + "[integer] & [string]"},
        {D(1), S("a"), mismatch + "[double] & [string]"},
        {I(1), B(true), mismatch + "[integer] & [boolean]"},
        {U, I(1), mismatch + "[*UNDEFINED*] & [integer]"},
        {date, date, mismatch + "[date] & [date]"},
        {time, I(1), mismatch + "[time] & [integer]"},
        {T(DataType::DateTime), S("x"), mismatch + "[datetime] & [string]"},
        {I(intMax), I(1), "Error 15"},
        {I(intMin), I(-1), "Error 15"},
        {I(intMin), I(intMin), "Error 15"},
        {I(intMax), I(intMax), "Error 15"},
        {I(intMax), I(intMin), "integer:-1"},
        {I(intMax - 1), I(1), "integer:2147483647"},
        {I(intMin + 1), I(-1), "integer:-2147483648"},
        {I(intMax), D(1.0), "double:2147483648"},
    });
}

TEST(SubtractFromTest, TypePairsAndOverflow) {
    const std::string mismatch = "Error 13: operator '-' used between data type ";
    checkInPlace(subtractFrom, {
        {I(5), I(7), "integer:-2"},
        {I(1), D(0.5), "double:0.5"},
        {D(0.5), I(1), "double:-0.5"},
        {D(1.5), D(0.25), "double:1.25"},
        {S("a"), S("b"), mismatch + "[string] & [string]"},
        {B(true), B(false), mismatch + "[boolean] & [boolean]"},
        {I(1), S("a"), mismatch + "[integer] & [string]"},
        {date, I(1), mismatch + "[date] & [integer]"},
        {I(intMin), I(1), "Error 15"},
        {I(intMax), I(-1), "Error 15"},
        {I(0), I(intMin), "Error 15"},
        {I(-1), I(intMin), "integer:2147483647"},
        {I(intMin), I(intMin), "integer:0"},
        {I(intMin), D(1.0), "double:-2147483649"},
    });
}

TEST(MultiplyByTest, TypePairsAndOverflow) {
    const std::string mismatch = "Error 13: operator '*' used between data type ";
    checkInPlace(multiplyBy, {
        {I(6), I(7), "integer:42"},
        {I(2), D(0.25), "double:0.5"},
        {D(0.25), I(2), "double:0.5"},
        {D(1.5), D(1.5), "double:2.25"},
        {S("a"), S("b"), mismatch + "[string] & [string]"},
        {S("a"), I(2), mismatch + "[string] & [integer]"},
        {B(true), I(1), mismatch + "[boolean] & [integer]"},
        {I(65536), I(32768), "Error 15"},
        {I(2), I(intMin), "Error 15"},
        {I(intMin), I(-1), "Error 15"},
        {I(-1), I(intMin), "Error 15"},
        {I(46341), I(46341), "Error 15"},
        {I(-46341), I(46341), "Error 15"},
        {I(46340), I(46340), "integer:2147395600"},
        {I(32768), I(-65536), "integer:-2147483648"},
        {I(intMin), I(1), "integer:-2147483648"},
        {I(intMin), I(0), "integer:0"},
        {I(65536), D(32768.0), "double:2147483648"},
    });
}

TEST(DivideByTest, TypePairsAndZeroDivisors) {
    const std::string mismatch = "Error 13: operator '/' used between data type ";
    checkInPlace(divideBy, {
        {I(6), I(3), "integer:2"},
        {I(8), I(2), "integer:4"},
        {I(7), I(2), "double:3.5"},
        {I(-7), I(2), "double:-3.5"},
        {I(7), I(-7), "integer:-1"},
        {I(0), I(5), "integer:0"},
        {I(1), I(3), "double:0.33333333333333331"},
        {I(intMin), I(2), "integer:-1073741824"},
        {I(intMin), I(1), "integer:-2147483648"},
        {I(1), D(4.0), "double:0.25"},
        {D(1.0), I(4), "double:0.25"},
        {D(1.0), D(0.5), "double:2"},
        {D(6.0), I(3), "double:2"},
        {I(0), D(1e-300), "double:0"},
        {I(1), I(0), "Error 16"},
        {I(1), D(0.0), "Error 16"},
        {I(1), D(-0.0), "Error 16"},
        {D(1.5), D(denormMin), "Error 16"},
        {I(1), D(4 * denormMin), "Error 16"},
        {S("a"), I(0), "Error 16"},
        {S("a"), D(0.0), "Error 16"},
        {S("a"), I(1), mismatch + "[string] & [integer]"},
        {I(1), S("a"), mismatch + "[integer] & [string]"},
        {B(true), B(true), mismatch + "[boolean] & [boolean]"},
        {date, I(1), mismatch + "[date] & [integer]"},
        {I(1), U, mismatch + "[integer] & [*UNDEFINED*]"},
    });
}

TEST(ModuloByTest, TypePairsAndZeroDivisors) {
    const std::string mismatch = "Error 13: operator 'mod' used between data type ";
    checkInPlace(moduloBy, {
        {I(7), I(3), "integer:1"},
        {I(-7), I(3), "integer:-1"},
        {I(7), I(-3), "integer:1"},
        {I(-7), I(-3), "integer:-1"},
        {I(6), I(3), "integer:0"},
        {D(7.6), I(2), "integer:0"},
        {I(7), D(2.6), "integer:1"},
        {D(7.5), D(2.5), "integer:2"},
        {I(intMin), I(-1), "integer:0"},
        {I(intMin), I(intMax), "integer:-1"},
        {I(1), I(0), "Error 16"},
        {I(1), D(0.0), "Error 16"},
        {I(5), D(0.4), "Error 16"},
        {I(5), D(-0.4), "Error 16"},
        {I(5), D(denormMin), "Error 16"},
        {S("a"), I(0), "Error 16"},
        {S("a"), I(2), mismatch + "[string] & [integer]"},
        {I(2), S("a"), mismatch + "[integer] & [string]"},
        {B(true), I(1), mismatch + "[boolean] & [integer]"},
        {I(1), B(true), mismatch + "[integer] & [boolean]"},
        {D(3e10), I(2), "Error 15"},
        {I(2), D(3e10), "Error 15"},
        {D(3e10), S("a"), "Error 15"},
        {D(3e10), I(0), "Error 16"},
    });
}

TEST(IntegerDivideByTest, TypePairsAndZeroDivisors) {
    const std::string mismatch = "Error 13: operator '\\' used between data type ";
    checkInPlace(integerDivideBy, {
        {I(7), I(2), "integer:3"},
        {I(-7), I(2), "integer:-3"},
        {I(7), I(-2), "integer:-3"},
        {D(7.5), I(2), "integer:4"},
        {I(7), D(2.5), "integer:2"},
        {D(-7.5), D(2.0), "integer:-4"},
        {I(intMin), I(1), "integer:-2147483648"},
        {I(intMin), I(2), "integer:-1073741824"},
        {I(1), I(0), "Error 16"},
        {I(1), D(0.0), "Error 16"},
        {I(1), D(0.4), "Error 16"},
        {S("a"), I(2), mismatch + "[string] & [integer]"},
        {S("a"), I(0), mismatch + "[string] & [integer]"},
        {I(2), S("a"), mismatch + "[integer] & [string]"},
        {I(2), B(true), mismatch + "[integer] & [boolean]"},
        {time, I(1), mismatch + "[time] & [integer]"},
        {D(3e10), I(1), "Error 15"},
        {D(3e10), I(0), "Error 15"},
        {I(1), D(-3e10), "Error 15"},
    });
}

TEST(RaiseToTest, TypePairsAndErrors) {
    const std::string mismatch = "Error 13: operator '^' used between data type ";
    const std::string negativeBase =
        "Error 17: operator '^' used on negative base to the power of a non-integer number.";
    checkInPlace(raiseTo, {
        {I(2), I(10), "integer:1024"},
        {I(2), I(0), "integer:1"},
        {I(0), I(0), "integer:1"},
        {I(-2), I(3), "integer:-8"},
        {I(-2), I(31), "integer:-2147483648"},
        {I(2), I(30), "integer:1073741824"},
        {I(2), I(31), "Error 15"},
        {I(3), I(19), "integer:1162261467"},
        {I(3), I(20), "Error 15"},
        {I(-2), I(32), "Error 15"},
        {I(-1), I(intMax), "integer:-1"},
        {I(2), I(-1), "double:0.5"},
        {I(-2), I(-2), "double:0.25"},
        {I(0), I(-1), "double:inf"},
        {I(1), I(intMin), "double:1"},
        {I(-1), I(intMin), "double:1"},
        {I(2), I(intMin), "double:0"},
        {D(1.5), I(2), "double:2.25"},
        {D(2.0), I(-2), "double:0.25"},
        {D(-8.0), I(3), "double:-512"},
        {D(2.0), I(0), "double:1"},
        {I(2), D(0.5), "double:1.4142135623730951"},
        {I(4), D(0.5), "double:2"},
        {D(2.0), D(3.0), "double:8"},
        {I(-8), D(2.0), "double:64"},
        {I(-8), D(-2.0), "double:0.015625"},
        {D(-0.0), D(0.5), "double:0"},
        {I(-8), D(1.0 / 3.0), negativeBase},
        {D(-8.0), D(0.5), negativeBase},
        {I(-8), D(3e10), negativeBase},
        {S("a"), D(2.0), "Error 13: comparison between different types: [string] & integer"},
        {B(true), D(2.0), "Error 13: comparison between different types: [boolean] & integer"},
        {S("a"), I(2), mismatch + "[string] & [integer]"},
        {I(2), S("a"), mismatch + "[integer] & [string]"},
        {D(2.0), B(true), mismatch + "[double] & [boolean]"},
        {B(true), I(1), mismatch + "[boolean] & [integer]"},
    });
}

TEST(PowerBySquaringTest, Values) {
    EXPECT_EQ(powerBySquaring(2.0, 10), 1024.0);
    EXPECT_EQ(powerBySquaring(2.0, -2), 0.25);
    EXPECT_EQ(powerBySquaring(0.0, 0), 1.0);
    EXPECT_EQ(powerBySquaring(-1.0, intMin), 1.0);
    EXPECT_EQ(powerBySquaring(-1.0, intMax), -1.0);
    EXPECT_EQ(powerBySquaring(3.0, 5), 243.0);
}

// Integer results outside the range with no operand of their own: only the
// code and the empty detail are fixed.
TEST(IntegerEdgeTest, MinimumByMinusOneAndItsNegationOverflow) {
    auto codeAndMessage = [](const std::function<void()>& f) {
        try {
            f();
        } catch (const Error& e) {
            return std::to_string(static_cast<int>(e.code)) + ":" + e.message;
        }
        return std::string("no error");
    };
    EXPECT_EQ(codeAndMessage([] {
        Value v = I(intMin);
        integerDivideBy(v, I(-1));
    }), "15:");
    EXPECT_EQ(codeAndMessage([] {
        Value v = I(intMin);
        divideBy(v, I(-1));
    }), "15:");
    EXPECT_EQ(codeAndMessage([] {
        Value v = I(intMin);
        integerDivideBy(v, D(-1.0));
    }), "15:");
    EXPECT_EQ(codeAndMessage([] { negate(I(intMin)); }), "15:");
}

TEST(OverflowTest, LeavesTheOperandUnchanged) {
    Value sum = I(intMax);
    EXPECT_THROW(addTo(sum, I(1)), Error);
    EXPECT_EQ(show(sum), "integer:2147483647");

    Value difference = I(intMin);
    EXPECT_THROW(subtractFrom(difference, I(1)), Error);
    EXPECT_EQ(show(difference), "integer:-2147483648");

    Value product = I(65536);
    EXPECT_THROW(multiplyBy(product, I(32768)), Error);
    EXPECT_EQ(show(product), "integer:65536");

    Value counter = I(intMax);
    EXPECT_THROW(addInteger(counter, 1), Error);
    EXPECT_EQ(show(counter), "integer:2147483647");
}

TEST(NegateTest, Types) {
    const struct {
        Value operand;
        const char* expected;
    } rows[] = {
        {I(5), "integer:-5"},
        {I(-2147483647), "integer:2147483647"},
        {I(0), "integer:0"},
        {D(2.5), "double:-2.5"},
        {D(0.0), "double:-0"},
        {D(-0.0), "double:0"},
        {S("a"), "Error 13: operator '-' used on data type [string]"},
        {B(true), "Error 13: operator '-' used on data type [boolean]"},
        {U, "Error 13: operator '-' used on data type [*UNDEFINED*]"},
        {date, "Error 13: operator '-' used on data type [date]"},
    };
    for (const auto& row : rows) EXPECT_EQ(outcome([&] { return negate(row.operand); }), row.expected);
}

TEST(LogicalTest, NotAndOr) {
    const struct {
        std::function<Value()> op;
        const char* expected;
    } rows[] = {
        {[] { return logicalNot(B(true)); }, "boolean:False"},
        {[] { return logicalNot(B(false)); }, "boolean:True"},
        {[] { return logicalNot(I(1)); }, "Error 13: operator 'NOT' used on data type [integer]"},
        {[] { return logicalNot(S("")); }, "Error 13: operator 'NOT' used on data type [string]"},
        {[] { return logicalAnd(B(true), B(true)); }, "boolean:True"},
        {[] { return logicalAnd(B(true), B(false)); }, "boolean:False"},
        {[] { return logicalAnd(B(false), B(true)); }, "boolean:False"},
        {[] { return logicalAnd(B(false), B(false)); }, "boolean:False"},
        {[] { return logicalOr(B(true), B(true)); }, "boolean:True"},
        {[] { return logicalOr(B(true), B(false)); }, "boolean:True"},
        {[] { return logicalOr(B(false), B(true)); }, "boolean:True"},
        {[] { return logicalOr(B(false), B(false)); }, "boolean:False"},
        {[] { return logicalAnd(I(1), B(true)); },
         "Error 13: operator 'AND' used between data type [integer] & [boolean]"},
        {[] { return logicalAnd(B(false), D(0.0)); },
         "Error 13: operator 'AND' used between data type [boolean] & [double]"},
        {[] { return logicalOr(S("a"), B(true)); },
         "Error 13: operator 'OR' used between data type [string] & [boolean]"},
        {[] { return logicalOr(B(true), I(0)); },
         "Error 13: operator 'OR' used between data type [boolean] & [integer]"},
    };
    for (const auto& row : rows) EXPECT_EQ(outcome(row.op), row.expected);
}

TEST(FreshResultsTest, CarryNoOrigin) {
    auto* origin = reinterpret_cast<Variable*>(0x1000);
    Value n = I(3);
    n.origin = origin;
    Value b = B(true);
    b.origin = origin;
    EXPECT_EQ(negate(n).origin, nullptr);
    EXPECT_EQ(logicalNot(b).origin, nullptr);
    EXPECT_EQ(logicalAnd(b, b).origin, nullptr);
    EXPECT_EQ(logicalOr(b, b).origin, nullptr);
}

TEST(EqualsTest, NeverRaises) {
    const struct {
        Value left, right;
        bool expected;
    } rows[] = {
        {I(1), I(1), true},
        {I(1), I(2), false},
        {I(1), D(1.0), true},
        {D(1.0), I(1), true},
        {D(0.1 + 0.2), D(0.3), true},
        {D(0.0), D(-0.0), true},
        {I(0), D(4 * denormMin), true},
        {D(nan), D(nan), false},
        {S("a"), S("a"), true},
        {S("a"), S("A"), false},
        {S("a"), S("a "), false},
        {S("1"), I(1), false},
        {I(1), S("1"), false},
        {B(true), B(true), true},
        {B(false), B(false), true},
        {B(true), B(false), false},
        {B(true), I(1), false},
        {U, U, false},
        {date, date, false},
        {time, time, false},
        {T(DataType::DateTime), T(DataType::DateTime), false},
    };
    for (const auto& row : rows)
        EXPECT_EQ(outcome([&] { return Value(equals(row.left, row.right)); }),
                  row.expected ? "boolean:True" : "boolean:False")
            << show(row.left) << " = " << show(row.right);
}

TEST(LessThanTest, OrderingAndMismatch) {
    const std::string mismatch = "Error 13: comparison between different types: ";
    const struct {
        Value left, right;
        std::string expected;
    } rows[] = {
        {I(1), I(2), "boolean:True"},
        {I(2), I(1), "boolean:False"},
        {I(1), I(1), "boolean:False"},
        {I(intMin), I(intMax), "boolean:True"},
        {I(1), D(1.5), "boolean:True"},
        {D(0.5), I(1), "boolean:True"},
        {D(0.3), D(0.1 + 0.2), "boolean:False"},  // nearly equal: not less
        {D(1.0), D(1.0000000000000011), "boolean:True"},
        {D(nan), D(1.0), "boolean:False"},
        {D(1.0), D(nan), "boolean:False"},
        {S("B"), S("a"), "boolean:True"},
        {S("a"), S("B"), "boolean:False"},
        {S("ab"), S("abc"), "boolean:True"},
        {S("abc"), S("ab"), "boolean:False"},
        {S(""), S("a"), "boolean:True"},
        {S("a"), S("a"), "boolean:False"},
        {S("a"), S("\x80"), "boolean:True"},
        {S("\x80"), S("a"), "boolean:False"},
        {B(false), B(true), "boolean:False"},
        {B(true), B(false), "boolean:False"},
        {U, U, "boolean:False"},
        {date, date, "boolean:False"},
        {S("a"), I(1), mismatch + "[string] & [integer]"},
        {I(1), S("a"), mismatch + "[integer] & [string]"},
        {B(true), I(1), mismatch + "[boolean] & [integer]"},
        {D(1.0), B(true), mismatch + "[double] & [boolean]"},
        {date, time, mismatch + "[date] & [time]"},
        {U, I(0), mismatch + "[*UNDEFINED*] & [integer]"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(outcome([&] { return Value(lessThan(row.left, row.right)); }), row.expected)
            << show(row.left) << " < " << show(row.right);
}

TEST(ZeroTestsTest, EqualsZeroAndLessThanZero) {
    const std::string mismatch = "Error 13: comparison between different types: ";
    const struct {
        Value value;
        std::string isZero;
        std::string isNegative;
    } rows[] = {
        {I(0), "boolean:True", "boolean:False"},
        {I(1), "boolean:False", "boolean:False"},
        {I(-1), "boolean:False", "boolean:True"},
        {I(intMin), "boolean:False", "boolean:True"},
        {D(0.0), "boolean:True", "boolean:False"},
        {D(-0.0), "boolean:True", "boolean:False"},
        {D(-denormMin), "boolean:True", "boolean:True"},
        {D(4 * denormMin), "boolean:True", "boolean:False"},
        {D(5 * denormMin), "boolean:False", "boolean:False"},
        {D(1e-300), "boolean:False", "boolean:False"},
        {D(-0.5), "boolean:False", "boolean:True"},
        {D(nan), "boolean:False", "boolean:False"},
        {S("0"), mismatch + "[string] & integer", mismatch + "[string] & integer"},
        {B(false), mismatch + "[boolean] & integer", mismatch + "[boolean] & integer"},
        {U, mismatch + "[*UNDEFINED*] & integer", mismatch + "[*UNDEFINED*] & integer"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(outcome([&] { return Value(equalsZero(row.value)); }), row.isZero) << show(row.value);
        EXPECT_EQ(outcome([&] { return Value(lessThanZero(row.value)); }), row.isNegative) << show(row.value);
    }
}

TEST(AddIntegerTest, TypesAndOverflow) {
    const std::string mismatch = "Error 13: operator '+' used between data type ";
    const struct {
        Value value;
        int32_t n;
        std::string expected;
    } rows[] = {
        {I(1), 2, "integer:3"},
        {I(intMax), -1, "integer:2147483646"},
        {I(intMax), 1, "Error 15"},
        {I(intMin), -1, "Error 15"},
        {D(0.5), 1, "double:1.5"},
        {D(2147483647.0), 1, "double:2147483648"},
        {S("a"), 1, mismatch + "[string] & integer."},
        {B(true), 1, mismatch + "[boolean] & integer."},
        {date, 1, mismatch + "[date] & integer."},
    };
    for (const auto& row : rows)
        EXPECT_EQ(outcome([&] {
            Value v = row.value;
            addInteger(v, row.n);
            return v;
        }), row.expected) << show(row.value) << " + " << row.n;
}

}  // namespace
}  // namespace tbasic

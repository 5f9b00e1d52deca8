// The built-in table, the math functions and a few string functions,
// called through their implementations.
#include <gtest/gtest.h>

#include "TestSupport.h"

#include <cmath>
#include <cstdio>
#include <functional>
#include <iterator>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "diagnostics/Error.h"
#include "expressions/Builtins.h"
#include "lexer/Vocabulary.h"
#include "values/Value.h"
#include "text/Text.h"
#include "values/Variable.h"

namespace tbasic {
namespace {

using namespace testing_support;

const double PI = std::atan(1.0) * 4.0;

Builtin idOf(const std::string& name) {
    std::optional<Builtin> id = findBuiltin(toLower(name));
    if (!id) throw std::logic_error("no built-in " + name);
    return *id;
}

Value call(const std::string& name, const Value& argument) {
    Value result;
    callBuiltin(idOf(name), result, &argument, 1);
    return result;
}

Value callList(const std::string& name, const std::vector<Value>& arguments) {
    Value result;
    callBuiltin(idOf(name), result, arguments.data(), arguments.size());
    return result;
}

Value callNone(const std::string& name) {
    Value result;
    callBuiltin(idOf(name), result, nullptr, 0);
    return result;
}

Value I(int32_t i) { return Value(i); }
Value D(double d) { return Value(d); }
Value S(const char* s) { return Value(s); }

TEST(BuiltinTableTest, AllFortyThreeWithCallFormsAndArgumentCounts) {
    const struct {
        const char* name;
        CallForm form;
        int arguments;
    } rows[] = {
        {"pi", CallForm::NoArgument, 0},       {"random", CallForm::NoArgument, 0},
        {"abs", CallForm::SingleArgument, 1},   {"sign", CallForm::SingleArgument, 1},
        {"int", CallForm::SingleArgument, 1},   {"sqrt", CallForm::SingleArgument, 1},
        {"exp", CallForm::SingleArgument, 1},   {"log", CallForm::SingleArgument, 1},
        {"log10", CallForm::SingleArgument, 1}, {"deg", CallForm::SingleArgument, 1},
        {"rad", CallForm::SingleArgument, 1},   {"sin", CallForm::SingleArgument, 1},
        {"cos", CallForm::SingleArgument, 1},   {"tan", CallForm::SingleArgument, 1},
        {"asin", CallForm::SingleArgument, 1},  {"acos", CallForm::SingleArgument, 1},
        {"atan", CallForm::SingleArgument, 1},  {"sinh", CallForm::SingleArgument, 1},
        {"cosh", CallForm::SingleArgument, 1},  {"tanh", CallForm::SingleArgument, 1},
        {"asinh", CallForm::SingleArgument, 1}, {"acosh", CallForm::SingleArgument, 1},
        {"atanh", CallForm::SingleArgument, 1}, {"sec", CallForm::SingleArgument, 1},
        {"csc", CallForm::SingleArgument, 1},   {"now", CallForm::ArgumentList, 0},
        {"date", CallForm::ArgumentList, 0},    {"time", CallForm::ArgumentList, 0},
        {"str", CallForm::SingleArgument, 1},   {"space", CallForm::SingleArgument, 1},
        {"tab", CallForm::SingleArgument, 1},   {"ltrim", CallForm::SingleArgument, 1},
        {"rtrim", CallForm::SingleArgument, 1}, {"trim", CallForm::SingleArgument, 1},
        {"len", CallForm::SingleArgument, 1},   {"ucase", CallForm::SingleArgument, 1},
        {"lcase", CallForm::SingleArgument, 1}, {"val", CallForm::SingleArgument, 1},
        {"isNumeric", CallForm::SingleArgument, 1}, {"left", CallForm::ArgumentList, 2},
        {"right", CallForm::ArgumentList, 2},   {"mid", CallForm::ArgumentList, 3},
        {"instr", CallForm::ArgumentList, 2},
    };
    EXPECT_EQ(std::size(rows), std::size(builtinTable));
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        std::optional<Builtin> id = findBuiltin(toLower(row.name));
        ASSERT_TRUE(id.has_value());
        const BuiltinRecord& record = builtinRecord(*id);
        EXPECT_EQ(record.name, row.name);
        EXPECT_EQ(record.form, row.form);
        EXPECT_EQ(record.arguments, row.arguments);
        EXPECT_EQ(builtinImplementations[static_cast<std::size_t>(*id)].id, *id);
    }
}

TEST(BuiltinTableTest, UnknownNames) {
    for (const char* name : {"nosuch", "", "ab", "absx", "a bs", "exit", " abs"})
        EXPECT_FALSE(findBuiltin(name).has_value()) << name;
}

TEST(BuiltinTableTest, DateAndTimeFunctionsRaiseError1) {
    // They are named but have no evaluation of their own.
    const std::vector<Value> oneArgument = {Value(int32_t{1})};
    for (const char* name : {"now", "date", "time"}) {
        EXPECT_EQ(outcome([&] { return callList(name, oneArgument); }), "Error 1") << name;
        EXPECT_EQ(outcome([&] { return callList(name, {}); }), "Error 1") << name;
    }
}

// Built-ins write their result in place: whatever the result held before
// (another type, a longer string, an origin) must not show through.
TEST(BuiltinCallTest, ResultsOverwriteWhatTheResultHeld) {
    Variable holder("holder", Value("previous contents, long enough to live on the heap"));
    const auto used = [&] {
        Value result = holder.value();
        result.origin = &holder;
        return result;
    };
    const struct {
        const char* name;
        std::vector<Value> arguments;
        const char* expected;
    } rows[] = {
        {"str", {I(42)}, "string:42"},
        {"str", {D(0.5)}, "string:0.5"},
        {"space", {I(2)}, "string:  "},
        {"trim", {S("  ab ")}, "string:ab"},
        {"ucase", {S("aB1")}, "string:AB1"},
        {"lcase", {S("aB1")}, "string:ab1"},
        {"len", {S("abc")}, "integer:3"},
        {"val", {S("2.5")}, "double:2.5"},
        {"isNumeric", {S("x")}, "boolean:False"},
        {"sqrt", {D(9.0)}, "double:3"},
        {"sign", {D(-2.0)}, "integer:-1"},
        {"int", {D(2.7)}, "integer:2"},
        {"left", {S("abcdef"), I(2)}, "string:ab"},
        {"right", {S("abcdef"), I(2)}, "string:ef"},
        {"mid", {S("abcdef"), I(1), I(3)}, "string:bcd"},
        {"mid", {S("abcdef"), I(9), I(3)}, "string:"},
        {"instr", {S("abcdef"), S("cd")}, "integer:2"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Value result = used();
        callBuiltin(idOf(row.name), result, row.arguments.data(), row.arguments.size());
        EXPECT_EQ(show(result), row.expected);
        EXPECT_EQ(result.origin, nullptr);
    }
    Value result = used();
    callBuiltin(Builtin::Pi, result, nullptr, 0);
    EXPECT_EQ(result.type, DataType::Double);
    EXPECT_EQ(result.origin, nullptr);
}

TEST(MathFunctionTest, ValuesTypesAndDomainEdges) {
    const std::string domain = "Error 17";
    const struct {
        const char* name;
        Value argument;
        std::string expected;
    } rows[] = {
        {"abs", I(-5), "integer:5"},
        {"abs", D(-2.5), "double:2.5"},
        {"abs", I(0), "integer:0"},
        {"abs", D(-0.0), "double:-0"},
        {"abs", I(7), "integer:7"},
        {"sign", D(-0.5), "integer:-1"},
        {"sign", D(0.0), "integer:0"},
        {"sign", D(-0.0), "integer:0"},
        {"sign", D(4 * denormMin), "integer:0"},
        {"sign", D(1e-300), "integer:1"},
        {"sign", I(7), "integer:1"},
        {"sign", I(0), "integer:0"},
        {"sign", I(intMin), "integer:-1"},
        {"int", D(2.7), "integer:2"},
        {"int", D(-2.5), "integer:-3"},
        {"int", D(-0.5), "integer:-1"},
        {"int", I(-9), "integer:-9"},
        {"int", D(2147483647.9), "integer:2147483647"},
        {"int", D(-2147483647.5), "integer:-2147483648"},
        {"int", D(3e10), "Error 15"},
        {"int", D(2147483648.0), "Error 15"},
        {"int", D(-2147483648.5), "Error 15"},
        {"sqrt", I(4), "double:2"},
        {"sqrt", D(2.25), "double:1.5"},
        {"sqrt", D(-0.0), "double:-0"},
        {"sqrt", I(-1), domain},
        {"sqrt", D(-1e-300), domain},
        {"exp", I(0), "double:1"},
        {"exp", I(1000), "double:inf"},
        {"log", I(1), "double:0"},
        {"log", D(std::exp(2.0)), "double:2"},
        {"log", I(0), domain},
        {"log", D(0.0), domain},
        {"log", I(-1), domain},
        {"log", D(4 * denormMin), domain},
        {"log10", I(1000), "double:3"},
        {"log10", I(0), domain},
        {"log10", D(-0.5), domain},
        {"rad", I(0), "double:0"},
        {"sin", I(0), "double:0"},
        {"cos", I(0), "double:1"},
        {"tan", I(0), "double:0"},
        {"asin", I(1), "double:1.5707963267948966"},
        {"asin", I(-1), "double:-1.5707963267948966"},
        {"asin", D(1.0000001), domain},
        {"asin", D(-1.0000001), domain},
        {"acos", I(1), "double:0"},
        {"acos", I(-1), "double:3.1415926535897931"},
        {"acos", I(2), domain},
        {"atan", I(1), "double:0.78539816339744828"},
        {"sinh", I(0), "double:0"},
        {"cosh", I(0), "double:1"},
        {"tanh", I(0), "double:0"},
        {"asinh", I(0), "double:0"},
        {"acosh", I(1), "double:0"},
        {"acosh", D(0.999), domain},
        {"atanh", I(0), "double:0"},
        {"atanh", I(1), domain},
        {"atanh", I(-1), domain},
        {"atanh", D(1.5), domain},
        {"sec", I(0), "double:1"},
        {"csc", I(0), domain},
        {"csc", D(-0.0), domain},
    };
    for (const auto& row : rows)
        EXPECT_EQ(outcome([&] { return call(row.name, row.argument); }), row.expected)
            << row.name << "(" << show(row.argument) << ")";
}

TEST(MathFunctionTest, ResultsUpToRounding) {
    auto value = [](const char* name, Value argument) { return call(name, argument).doubleValue; };
    EXPECT_DOUBLE_EQ(value("deg", D(PI)), 180.0);
    EXPECT_DOUBLE_EQ(value("rad", I(180)), PI);
    EXPECT_DOUBLE_EQ(value("rad", I(90)), PI / 2);
    EXPECT_DOUBLE_EQ(value("atanh", D(0.5)), 0.5 * std::log(3.0));
    EXPECT_DOUBLE_EQ(value("asinh", I(1)), std::log(1.0 + std::sqrt(2.0)));
    EXPECT_DOUBLE_EQ(value("acosh", I(2)), std::log(2.0 + std::sqrt(3.0)));
    EXPECT_DOUBLE_EQ(value("sin", D(PI / 2)), 1.0);
    EXPECT_DOUBLE_EQ(value("csc", D(PI / 2)), 1.0);
    EXPECT_DOUBLE_EQ(value("cosh", I(1)), std::cosh(1.0));
    EXPECT_DOUBLE_EQ(value("exp", I(1)), std::exp(1.0));

    // cos of the double nearest pi/2 is about 6.1e-17, far from the near-zero test.
    const Value sec = call("sec", D(PI / 2));
    EXPECT_EQ(sec.type, DataType::Double);
    EXPECT_GT(sec.doubleValue, 1.6e16);
    EXPECT_LT(sec.doubleValue, 1.7e16);
    const Value csc = call("csc", D(PI));
    EXPECT_EQ(csc.type, DataType::Double);
    EXPECT_GT(std::fabs(csc.doubleValue), 1e15);
}

TEST(MathFunctionTest, AbsOfTheMinimumOverflows) {
    try {
        call("abs", I(intMin));
        ADD_FAILURE() << "abs of the integer minimum gave a value";
    } catch (const Error& error) {
        EXPECT_EQ(static_cast<int>(error.code), 15);
        EXPECT_EQ(error.message, "");
    }
}

TEST(MathFunctionTest, AbsAndIntPassTheOriginOnOnlyForCopies) {
    Variable variable("x", DataType::Integer);
    Variable* origin = &variable;
    auto withOrigin = [&](Value v) {
        v.origin = origin;
        return v;
    };
    EXPECT_EQ(call("abs", withOrigin(I(3))).origin, origin);
    EXPECT_EQ(call("abs", withOrigin(D(0.5))).origin, origin);
    EXPECT_EQ(call("abs", withOrigin(I(-3))).origin, nullptr);
    EXPECT_EQ(call("abs", withOrigin(D(-0.5))).origin, nullptr);
    EXPECT_EQ(call("int", withOrigin(I(4))).origin, origin);
    EXPECT_EQ(call("int", withOrigin(D(4.5))).origin, nullptr);
    EXPECT_EQ(call("sign", withOrigin(I(4))).origin, nullptr);
    EXPECT_EQ(call("sqrt", withOrigin(I(4))).origin, nullptr);
}

TEST(MathFunctionTest, TypeCheckComesFirstAndNamesTheFunction) {
    const struct {
        const char* name;
        Value argument;
        const char* expected;
    } rows[] = {
        {"sqrt", S("4"), "Error 13: built-in math function [sqrt] used on data type [string]"},
        {"sqrt", S("-1"), "Error 13: built-in math function [sqrt] used on data type [string]"},
        {"abs", Value(true), "Error 13: built-in math function [abs] used on data type [boolean]"},
        {"int", Value(DataType::Date), "Error 13: built-in math function [int] used on data type [date]"},
        {"log10", Value(DataType::Undefined),
         "Error 13: built-in math function [log10] used on data type [*UNDEFINED*]"},
        {"ATANH", S("x"), "Error 13: built-in math function [atanh] used on data type [string]"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(outcome([&] { return call(row.name, row.argument); }), row.expected) << row.name;
}

TEST(MathFunctionTest, NoArgumentFunctions) {
    EXPECT_EQ(show(callNone("pi")), "double:3.1415926535897931");
    bool sawDifferent = false;
    const double first = callNone("random").doubleValue;
    for (int i = 0; i < 2000; ++i) {
        const Value r = callNone("random");
        ASSERT_EQ(r.type, DataType::Double);
        ASSERT_GE(r.doubleValue, 0.0);
        ASSERT_LE(r.doubleValue, 1.0);
        // Every value is a multiple of 1/32767.
        const double scaled = r.doubleValue * 32767.0;
        ASSERT_NEAR(scaled, std::round(scaled), 1e-6);
        if (r.doubleValue != first) sawDifferent = true;
    }
    EXPECT_TRUE(sawDifferent);
}

TEST(StringFunctionTest, ValuesAndArgumentChecks) {
    const struct {
        std::function<Value()> call;
        const char* expected;
    } rows[] = {
        {[] { return call("str", D(1.5)); }, "string:1.5"},
        {[] { return call("str", D(2.0)); }, "string:2"},
        {[] { return call("str", D(1.0 / 3.0)); }, "string:0.333333333333333"},
        {[] { return call("str", Value(true)); }, "string:True"},
        {[] { return call("str", S("as is")); }, "string:as is"},
        {[] { return call("space", I(3)); }, "string:   "},
        {[] { return call("space", D(1.5)); }, "string:  "},
        {[] { return call("tab", I(0)); }, "string:"},
        {[] { return call("space", I(-1)); }, "Error 18: Function [space] expects a non-negative argument."},
        {[] { return call("space", S("3")); },
         "Error 13: Function [space] called with an argument of [string] type. Integer or double expected."},
        {[] { return call("trim", S(" \t a b \t ")); }, "string:a b"},
        {[] { return call("rtrim", S("a  ")); }, "string:a"},
        {[] { return call("ltrim", S("\tx")); }, "string:x"},
        {[] { return call("trim", S("   ")); }, "string:"},
        {[] { return call("trim", S("\na\n")); }, "string:\na\n"},
        {[] { return call("len", S("")); }, "integer:0"},
        {[] { return call("len", S("\xC3\xA9")); }, "integer:2"},
        {[] { return call("len", I(5)); },
         "Error 13: Function [len] called with an argument of [integer] type. String expected."},
        {[] { return call("ucase", S("abc xyz 1")); }, "string:ABC XYZ 1"},
        {[] { return call("lcase", S("ABC")); }, "string:abc"},
        {[] { return call("val", S("12.5")); }, "double:12.5"},
        {[] { return call("val", S(" 7")); }, "double:7"},
        {[] { return call("val", S("1e3")); }, "double:1000"},
        {[] { return call("val", S("abc")); }, "Error 9: cannot parse [abc] into double number properly"},
        {[] { return call("val", S("12abc")); },
         "Error 9: cannot parse [12abc] into double number properly: unexpected [abc]"},
        {[] { return call("isNumeric", S("3.14")); }, "boolean:True"},
        {[] { return call("isnumeric", S("3.14x")); }, "boolean:False"},
        {[] { return call("isNumeric", S("")); }, "boolean:False"},
        {[] { return call("isNumeric", I(1)); },
         "Error 13: Function [isNumeric] called with an argument of [integer] type. String expected."},
        {[] { return callList("left", {S("hello"), I(2)}); }, "string:he"},
        {[] { return callList("left", {S("hello"), I(10)}); }, "string:hello"},
        {[] { return callList("left", {S("hello"), D(2.5)}); }, "string:hel"},
        {[] { return callList("left", {S("hello"), D(-0.4)}); }, "string:"},
        {[] { return callList("left", {S("hello"), I(-1)}); }, "Error 18: function [left]: 2st argument is negative"},
        {[] { return callList("left", {S("hello")}); }, "Error 18: function [left]: 2 arguments expected"},
        {[] { return callList("left", {I(1), I(1)}); },
         "Error 18: function [left]: 1st argument expected to be a string"},
        {[] { return callList("left", {S("a"), D(3e10)}); }, "Error 15"},
        {[] { return callList("right", {S("hello"), I(3)}); }, "string:llo"},
        {[] { return callList("right", {S("hello"), I(9)}); }, "string:hello"},
        {[] { return callList("mid", {S("hello"), I(1), I(3)}); }, "string:ell"},
        {[] { return callList("mid", {S("hello"), I(10), I(2)}); }, "string:"},
        {[] { return callList("mid", {S("hello"), I(0), I(100)}); }, "string:hello"},
        {[] { return callList("mid", {S("hello"), I(1)}); }, "Error 18: function [mid]: 3 arguments expected"},
        {[] { return callList("mid", {S("hello"), I(1), S("x")}); },
         "Error 18: function [mid]: 3rd argument expected to be a number"},
        {[] { return callList("mid", {S("hello"), I(1), I(-1)}); },
         "Error 18: function [mid]: 3rd argument is negative"},
        {[] { return callList("instr", {S("hello"), S("l")}); }, "integer:2"},
        {[] { return callList("instr", {S("hello"), S("z")}); }, "integer:-1"},
        {[] { return callList("instr", {S("hello"), S("")}); }, "integer:0"},
        {[] { return callList("instr", {S("hello"), I(1)}); },
         "Error 18: function [instr]: 2nd argument expected to be a string"},
        {[] { return callList("left", {}); }, "Error 18: insufficient number of arguments for function [left]"},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) EXPECT_EQ(outcome(rows[i].call), rows[i].expected) << "row " << i;
}

}  // namespace
}  // namespace tbasic

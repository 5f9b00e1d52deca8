// The built-in registry, the math functions and a few string functions,
// called through their handlers.
#include <gtest/gtest.h>

#include "TestSupport.h"

#include <cmath>
#include <cstdio>
#include <functional>
#include <iterator>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

#include "diagnostics/Error.h"
#include "driver/Driver.h"
#include "expressions/BuiltinDateTimeFunctionHandler.h"
#include "expressions/BuiltinFunction.h"
#include "expressions/BuiltinMathFunctionHandler.h"
#include "expressions/BuiltinStringFunctionHandler.h"
#include "expressions/FunctionHandler.h"
#include "lexer/Keywords.h"
#include "values/Value.h"
#include "values/Variable.h"

namespace tbasic {
namespace {

using namespace testing_support;

class Tables : public ::testing::Environment {
public:
    void SetUp() override { initTables(); }
};
[[maybe_unused]] auto* const tables = ::testing::AddGlobalTestEnvironment(new Tables);

constexpr int32_t intMin = -2147483647 - 1;
const double PI = std::atan(1.0) * 4.0;
const double denormMin = std::numeric_limits<double>::denorm_min();

const FunctionHandler& handlerOf(const std::string& name) {
    const BuiltinFunction& function = findBuiltinFunction(name);
    if (!function.handler) throw std::logic_error("no handler for " + name);
    return *function.handler;
}

Value call(const std::string& name, const Value& argument) {
    Value result;
    handlerOf(name).evaluateWithArgument(result, argument);
    return result;
}

Value callList(const std::string& name, const std::vector<Value>& arguments) {
    Value result;
    handlerOf(name).evaluateWithArguments(result, arguments);
    return result;
}

Value callNone(const std::string& name) {
    Value result;
    handlerOf(name).evaluateWithoutArguments(result);
    return result;
}

Value I(int32_t i) { return Value(i); }
Value D(double d) { return Value(d); }
Value S(const char* s) { return Value(s); }

enum class Family { Math, String, DateTime };

TEST(BuiltinRegistryTest, AllFortyThreeWithIdsHandlersAndCallForms) {
    const struct {
        const char* name;
        FunctionId id;
        Family family;
        CallForm form;
    } rows[] = {
        {"pi", 24, Family::Math, CallForm::NoArgument},
        {"random", 25, Family::Math, CallForm::NoArgument},
        {"abs", 1, Family::Math, CallForm::SingleArgument},
        {"sign", 2, Family::Math, CallForm::SingleArgument},
        {"int", 3, Family::Math, CallForm::SingleArgument},
        {"sqrt", 4, Family::Math, CallForm::SingleArgument},
        {"exp", 5, Family::Math, CallForm::SingleArgument},
        {"log", 6, Family::Math, CallForm::SingleArgument},
        {"log10", 7, Family::Math, CallForm::SingleArgument},
        {"deg", 9, Family::Math, CallForm::SingleArgument},
        {"rad", 8, Family::Math, CallForm::SingleArgument},
        {"sin", 10, Family::Math, CallForm::SingleArgument},
        {"cos", 11, Family::Math, CallForm::SingleArgument},
        {"tan", 12, Family::Math, CallForm::SingleArgument},
        {"asin", 13, Family::Math, CallForm::SingleArgument},
        {"acos", 14, Family::Math, CallForm::SingleArgument},
        {"atan", 15, Family::Math, CallForm::SingleArgument},
        {"sinh", 16, Family::Math, CallForm::SingleArgument},
        {"cosh", 17, Family::Math, CallForm::SingleArgument},
        {"tanh", 18, Family::Math, CallForm::SingleArgument},
        {"asinh", 19, Family::Math, CallForm::SingleArgument},
        {"acosh", 20, Family::Math, CallForm::SingleArgument},
        {"atanh", 21, Family::Math, CallForm::SingleArgument},
        {"sec", 22, Family::Math, CallForm::SingleArgument},
        {"csc", 23, Family::Math, CallForm::SingleArgument},
        {"now", 26, Family::DateTime, CallForm::ArgumentList},
        {"date", 27, Family::DateTime, CallForm::ArgumentList},
        {"time", 28, Family::DateTime, CallForm::ArgumentList},
        {"str", 29, Family::String, CallForm::SingleArgument},
        {"space", 30, Family::String, CallForm::SingleArgument},
        {"tab", 31, Family::String, CallForm::SingleArgument},
        {"ltrim", 32, Family::String, CallForm::SingleArgument},
        {"rtrim", 33, Family::String, CallForm::SingleArgument},
        {"trim", 34, Family::String, CallForm::SingleArgument},
        {"len", 35, Family::String, CallForm::SingleArgument},
        {"ucase", 36, Family::String, CallForm::SingleArgument},
        {"lcase", 37, Family::String, CallForm::SingleArgument},
        {"val", 38, Family::String, CallForm::SingleArgument},
        {"isNumeric", 39, Family::String, CallForm::SingleArgument},
        {"left", 40, Family::String, CallForm::ArgumentList},
        {"right", 41, Family::String, CallForm::ArgumentList},
        {"mid", 42, Family::String, CallForm::ArgumentList},
        {"instr", 43, Family::String, CallForm::ArgumentList},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_TRUE(isBuiltinFunction(row.name));
        const BuiltinFunction& function = findBuiltinFunction(row.name);
        EXPECT_EQ(function.name, toLower(row.name));
        EXPECT_EQ(function.id, row.id);
        EXPECT_EQ(builtinFunctionName(row.id), row.name);
        EXPECT_EQ(callFormOf(row.id), row.form);
        EXPECT_EQ(function.callForm, row.form);
        ASSERT_NE(function.handler, nullptr);
        const FunctionHandler* handler = function.handler.get();
        switch (row.family) {
        case Family::Math: {
            auto* math = dynamic_cast<const BuiltinMathFunctionHandler*>(handler);
            ASSERT_NE(math, nullptr);
            EXPECT_EQ(math->id, row.id);
            break;
        }
        case Family::String: {
            auto* string = dynamic_cast<const BuiltinStringFunctionHandler*>(handler);
            ASSERT_NE(string, nullptr);
            EXPECT_EQ(string->id, row.id);
            break;
        }
        case Family::DateTime: {
            auto* dateTime = dynamic_cast<const BuiltinDateTimeFunctionHandler*>(handler);
            ASSERT_NE(dateTime, nullptr);
            EXPECT_EQ(dateTime->id, row.id);
            break;
        }
        }
    }
}

TEST(BuiltinRegistryTest, LookupsIgnoreCase) {
    for (const char* name : {"ABS", "Abs", "abs", "aBs"}) {
        EXPECT_TRUE(isBuiltinFunction(name)) << name;
        EXPECT_EQ(findBuiltinFunction(name).id, 1) << name;
    }
    for (const char* name : {"ISNUMERIC", "isNumeric", "isnumeric"}) {
        EXPECT_TRUE(isBuiltinFunction(name)) << name;
        EXPECT_EQ(findBuiltinFunction(name).name, "isnumeric") << name;
    }
    EXPECT_EQ(builtinFunctionName(39), "isNumeric");
}

TEST(BuiltinRegistryTest, LookupsIgnoreSurroundingBlanks) {
    // Every name lookup trims blanks and tabs before lower-casing.
    EXPECT_TRUE(isBuiltinFunction(" abs"));
    EXPECT_TRUE(isBuiltinFunction("\tSQRT "));
    EXPECT_EQ(outcome([] { return Value(findBuiltinFunction(" Len ").id); }), "integer:35");
}

TEST(BuiltinRegistryTest, UnknownNamesAndIds) {
    for (const char* name : {"nosuch", "", "ab", "absx", "a bs", "exit"}) {
        EXPECT_FALSE(isBuiltinFunction(name)) << name;
        EXPECT_EQ(outcome([&] { return Value(findBuiltinFunction(name).id); }), "Error 1") << name;
    }
    for (FunctionId id : {0, 44, -1, 1000})
        EXPECT_EQ(outcome([&] { return Value(builtinFunctionName(id)); }), "Error 1") << id;
}

TEST(BuiltinRegistryTest, CopiesCloneTheHandler) {
    const BuiltinFunction& original = findBuiltinFunction("sqrt");
    BuiltinFunction copy(original);
    EXPECT_EQ(copy.name, "sqrt");
    EXPECT_EQ(copy.id, 4);
    ASSERT_NE(copy.handler, nullptr);
    EXPECT_NE(copy.handler.get(), original.handler.get());
    Value result;
    copy.handler->evaluateWithArgument(result, Value(16.0));
    EXPECT_EQ(show(result), "double:4");

    BuiltinFunction assigned;
    EXPECT_EQ(assigned.name, "*UNDEFINED*");
    EXPECT_EQ(assigned.id, 0);
    EXPECT_EQ(assigned.handler, nullptr);
    assigned = original;
    EXPECT_EQ(assigned.id, 4);
    ASSERT_NE(assigned.handler, nullptr);
    EXPECT_NE(assigned.handler.get(), original.handler.get());
}

TEST(FunctionHandlerTest, BaseOperationsAndForeignIdsRaiseError1) {
    FunctionHandler base;
    UserFunctionHandler user;
    Value result;
    const std::vector<Value> oneArgument = {Value(int32_t{1})};
    for (const FunctionHandler* handler : {static_cast<const FunctionHandler*>(&base),
                                           static_cast<const FunctionHandler*>(&user)}) {
        EXPECT_EQ(outcome([&] { handler->evaluateWithArguments(result, oneArgument); return result; }), "Error 1");
        EXPECT_EQ(outcome([&] { handler->evaluateWithArgument(result, Value(1.0)); return result; }), "Error 1");
        EXPECT_EQ(outcome([&] { handler->evaluateWithoutArguments(result); return result; }), "Error 1");
    }
    // The date and time functions have no evaluation of their own.
    for (const char* name : {"now", "date", "time"}) {
        EXPECT_EQ(outcome([&] { return callList(name, oneArgument); }), "Error 1") << name;
        EXPECT_EQ(outcome([&] { return call(name, Value(1.0)); }), "Error 1") << name;
        EXPECT_EQ(outcome([&] { return callNone(name); }), "Error 1") << name;
    }
    // Each handler refuses the operations and ids of other families.
    EXPECT_EQ(outcome([] { return callList("sqrt", {Value(1.0)}); }), "Error 1");
    EXPECT_EQ(outcome([] { return callNone("sqrt"); }), "Error 1");
    EXPECT_EQ(outcome([] { return call("pi", Value(1.0)); }), "Error 1");
    EXPECT_EQ(outcome([] { return callNone("len"); }), "Error 1");
    EXPECT_EQ(outcome([] { return call("left", Value("a")); }), "Error 1");
    EXPECT_EQ(outcome([] { return callList("len", {Value("a")}); }), "Error 1");
    EXPECT_EQ(outcome([] {
        Value r;
        BuiltinMathFunctionHandler(29).evaluateWithArgument(r, Value(1.0));
        return r;
    }), "Error 1");
    EXPECT_EQ(outcome([] {
        Value r;
        BuiltinStringFunctionHandler(4).evaluateWithArgument(r, Value("a"));
        return r;
    }), "Error 1");
}

// Handlers write their result in place: whatever the result held before
// (another type, a longer string, an origin) must not show through.
TEST(FunctionHandlerTest, ResultsOverwriteWhatTheResultHeld) {
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
        const FunctionHandler& handler = handlerOf(row.name);
        if (callFormOf(findBuiltinFunction(row.name).id) == CallForm::ArgumentList) {
            handler.evaluateWithArguments(result, row.arguments);
        } else {
            handler.evaluateWithArgument(result, row.arguments[0]);
        }
        EXPECT_EQ(show(result), row.expected);
        EXPECT_EQ(result.origin, nullptr);
    }
    Value result = used();
    handlerOf("pi").evaluateWithoutArguments(result);
    EXPECT_EQ(result.type, DataType::Double);
    EXPECT_EQ(result.origin, nullptr);
}

TEST(MathFunctionTest, ValuesTypesAndDomainEdges) {
    const std::string domain = "ValueError 17";
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
        {"int", D(3e10), "OperandError 15"},
        {"int", D(2147483648.0), "OperandError 15"},
        {"int", D(-2147483648.5), "OperandError 15"},
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
        EXPECT_EQ(error.code, 15);
        EXPECT_EQ(error.message, "");
    }
}

TEST(MathFunctionTest, AbsAndIntPassTheOriginOnOnlyForCopies) {
    auto* origin = reinterpret_cast<Variable*>(0x1000);
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
        {"sqrt", S("4"), "ValueError 13: built-in math function [sqrt] used on data type [string]"},
        {"sqrt", S("-1"), "ValueError 13: built-in math function [sqrt] used on data type [string]"},
        {"abs", Value(true), "ValueError 13: built-in math function [abs] used on data type [boolean]"},
        {"int", Value(DataType::Date), "ValueError 13: built-in math function [int] used on data type [date]"},
        {"log10", Value(DataType::Undefined),
         "ValueError 13: built-in math function [log10] used on data type [*UNDEFINED*]"},
        {"ATANH", S("x"), "ValueError 13: built-in math function [atanh] used on data type [string]"},
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

TEST(StringFunctionTest, ThroughTheHandlers) {
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
        {[] { return call("space", I(-1)); }, "ValueError 18: Function [space] expects a non-negative argument."},
        {[] { return call("space", S("3")); },
         "ValueError 13: Function [space] called with an argument of [string] type. Integer or double expected."},
        {[] { return call("trim", S(" \t a b \t ")); }, "string:a b"},
        {[] { return call("rtrim", S("a  ")); }, "string:a"},
        {[] { return call("ltrim", S("\tx")); }, "string:x"},
        {[] { return call("trim", S("   ")); }, "string:"},
        {[] { return call("trim", S("\na\n")); }, "string:\na\n"},
        {[] { return call("len", S("")); }, "integer:0"},
        {[] { return call("len", S("\xC3\xA9")); }, "integer:2"},
        {[] { return call("len", I(5)); },
         "ValueError 13: Function [len] called with an argument of [integer] type. String expected."},
        {[] { return call("ucase", S("abc xyz 1")); }, "string:ABC XYZ 1"},
        {[] { return call("lcase", S("ABC")); }, "string:abc"},
        {[] { return call("val", S("12.5")); }, "double:12.5"},
        {[] { return call("val", S(" 7")); }, "double:7"},
        {[] { return call("val", S("1e3")); }, "double:1000"},
        {[] { return call("val", S("abc")); }, "SyntaxError 9: cannot parse [abc] into double number properly"},
        {[] { return call("val", S("12abc")); },
         "SyntaxError 9: cannot parse [12abc] into double number properly: unexpected [abc]"},
        {[] { return call("isNumeric", S("3.14")); }, "boolean:True"},
        {[] { return call("isnumeric", S("3.14x")); }, "boolean:False"},
        {[] { return call("isNumeric", S("")); }, "boolean:False"},
        {[] { return call("isNumeric", I(1)); },
         "ValueError 13: Function [isNumeric] called with an argument of [integer] type. String expected."},
        {[] { return callList("left", {S("hello"), I(2)}); }, "string:he"},
        {[] { return callList("left", {S("hello"), I(10)}); }, "string:hello"},
        {[] { return callList("left", {S("hello"), D(2.5)}); }, "string:hel"},
        {[] { return callList("left", {S("hello"), D(-0.4)}); }, "string:"},
        {[] { return callList("left", {S("hello"), I(-1)}); }, "ValueError 18: function [left]: 2st argument is negative"},
        {[] { return callList("left", {S("hello")}); }, "ValueError 18: function [left]: 2 arguments expected"},
        {[] { return callList("left", {I(1), I(1)}); },
         "ValueError 18: function [left]: 1st argument expected to be a string"},
        {[] { return callList("left", {S("a"), D(3e10)}); }, "OperandError 15"},
        {[] { return callList("right", {S("hello"), I(3)}); }, "string:llo"},
        {[] { return callList("right", {S("hello"), I(9)}); }, "string:hello"},
        {[] { return callList("mid", {S("hello"), I(1), I(3)}); }, "string:ell"},
        {[] { return callList("mid", {S("hello"), I(10), I(2)}); }, "string:"},
        {[] { return callList("mid", {S("hello"), I(0), I(100)}); }, "string:hello"},
        {[] { return callList("mid", {S("hello"), I(1)}); }, "ValueError 18: function [mid]: 3 arguments expected"},
        {[] { return callList("mid", {S("hello"), I(1), S("x")}); },
         "ValueError 18: function [mid]: 3rd argument expected to be a number"},
        {[] { return callList("mid", {S("hello"), I(1), I(-1)}); },
         "ValueError 18: function [mid]: 3rd argument is negative"},
        {[] { return callList("instr", {S("hello"), S("l")}); }, "integer:2"},
        {[] { return callList("instr", {S("hello"), S("z")}); }, "integer:-1"},
        {[] { return callList("instr", {S("hello"), S("")}); }, "integer:0"},
        {[] { return callList("instr", {S("hello"), I(1)}); },
         "ValueError 18: function [instr]: 2nd argument expected to be a string"},
        {[] { return callList("left", {}); }, "ValueError 18: insufficient number of arguments for function [left]"},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) EXPECT_EQ(outcome(rows[i].call), rows[i].expected) << "row " << i;
}

}  // namespace
}  // namespace tbasic

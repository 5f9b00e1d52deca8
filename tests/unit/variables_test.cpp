// Variables (own value or reference), their writes, and the store of call
// frames and scopes.
#include <gtest/gtest.h>

#include "TestSupport.h"

#include <cmath>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "diagnostics/Error.h"
#include "values/Value.h"
#include "values/Variable.h"
#include "values/VariableStore.h"

namespace tbasic {
namespace {

using namespace testing_support;


TEST(VariableNameTest, Validation) {
    const struct {
        const char* name;
        const char* expected;
    } rows[] = {
        {"x", "ok"},
        {"_x1", "ok"},
        {"_", "ok"},
        {"Total_2", "ok"},
        {"", "Error 6: Empty variable name"},
        {"1x", "Error 6: Variable name [1x] starts with number"},
        {"9", "Error 6: Variable name [9] starts with number"},
        {"a-b", "Error 6: Variable name [a-b] contains invalid character"},
        {"a.b", "Error 6: Variable name [a.b] contains invalid character"},
        {"x$", "Error 6: Variable name [x$] contains invalid character"},
        {"1-x", "Error 6: Variable name [1-x] contains invalid character"},
        {"\xC3\xA9", "Error 6: Variable name [\xC3\xA9] contains invalid character"},
    };
    Variable referent("target", DataType::Integer);
    for (const auto& row : rows) {
        // Every constructor that takes a name checks it.
        EXPECT_EQ(failure([&] { Variable(row.name, DataType::Integer); }), row.expected) << row.name;
        EXPECT_EQ(failure([&] { Variable(row.name, Value(1.5)); }), row.expected) << row.name;
        EXPECT_EQ(failure([&] { Variable(row.name, referent); }), row.expected) << row.name;
    }
}

TEST(VariableTest, Construction) {
    Variable none;
    EXPECT_EQ(none.name, "*UNDEFINED*");
    EXPECT_EQ(none.declaredType, DataType::Undefined);
    EXPECT_EQ(none.value().type, DataType::Undefined);
    EXPECT_FALSE(none.isReference);

    Variable typed("n", DataType::Double);
    EXPECT_EQ(typed.declaredType, DataType::Double);
    EXPECT_EQ(show(typed.value()), "double:0");

    Variable fromValue("s", Value("hi"));
    EXPECT_EQ(fromValue.declaredType, DataType::String);
    EXPECT_EQ(show(fromValue.value()), "string:hi");

    Variable reference("r", typed);
    EXPECT_TRUE(reference.isReference);
    EXPECT_EQ(reference.referent, &typed);
    EXPECT_EQ(reference.declaredType, DataType::Double);
    EXPECT_EQ(&reference.value(), &typed.ownValue);
    EXPECT_EQ(reference.ownValue.type, DataType::Undefined);

    Variable copy(reference);
    EXPECT_TRUE(copy.isReference);
    EXPECT_EQ(copy.referent, &typed);
    EXPECT_EQ(copy.name, "r");
}

TEST(VariableTest, AssignConversions) {
    const struct {
        DataType declared;
        Value value;
        std::string expected;  // the stored value, or the error
    } rows[] = {
        {DataType::Integer, Value(int32_t{5}), "integer:5"},
        {DataType::Integer, Value(2.5), "integer:3"},
        {DataType::Integer, Value(-2.5), "integer:-3"},
        {DataType::Integer, Value(0.49), "integer:0"},
        {DataType::Integer, Value(-2147483648.0), "integer:-2147483648"},
        {DataType::Integer, Value(2147483647.4), "Error 15"},
        {DataType::Integer, Value(-3e10), "Error 15"},
        {DataType::Integer, Value(std::nan("")), "Error 15"},
        {DataType::Double, Value(int32_t{7}), "double:7"},
        {DataType::Double, Value(0.25), "double:0.25"},
        {DataType::String, Value("text"), "string:text"},
        {DataType::Boolean, Value(true), "boolean:True"},
        {DataType::Date, Value(DataType::Date), "date:"},
        {DataType::Integer, Value("7"), "Error 13: assign [string] value to [integer] variable [v]"},
        {DataType::Boolean, Value(int32_t{1}), "Error 13: assign [integer] value to [boolean] variable [v]"},
        {DataType::Integer, Value(true), "Error 13: assign [boolean] value to [integer] variable [v]"},
        {DataType::String, Value(int32_t{1}), "Error 13: assign [integer] value to [string] variable [v]"},
        {DataType::String, Value(1.5), "Error 13: assign [double] value to [string] variable [v]"},
        {DataType::Double, Value(false), "Error 13: assign [boolean] value to [double] variable [v]"},
        {DataType::Date, Value(DataType::Undefined),
         "Error 13: assign [*UNDEFINED*] value to [date] variable [v]"},
        {DataType::DateTime, Value(DataType::Time), "Error 13: assign [time] value to [datetime] variable [v]"},
    };
    for (const auto& row : rows) {
        Variable v("v", row.declared);
        const std::string before = show(v.value());
        const std::string error = failure([&] { v.assign(row.value); });
        if (error == "ok") {
            EXPECT_EQ(show(v.value()), row.expected) << show(row.value);
        } else {
            EXPECT_EQ(error, row.expected) << show(row.value);
            EXPECT_EQ(show(v.value()), before) << "a failed assign changed the variable";
        }
        EXPECT_EQ(v.value().type, row.declared) << show(row.value);
    }
}

TEST(VariableTest, AddConversions) {
    const struct {
        Value start;
        Value step;
        std::string expected;
    } rows[] = {
        {Value(int32_t{1}), Value(int32_t{2}), "integer:3"},
        {Value(int32_t{1}), Value(0.5), "integer:2"},
        {Value(int32_t{1}), Value(-0.5), "integer:0"},
        {Value(int32_t{1}), Value(2.4), "integer:3"},
        {Value(0.5), Value(int32_t{1}), "double:1.5"},
        {Value(0.5), Value(0.25), "double:0.75"},
        {Value("ab"), Value("cd"), "string:abcd"},
        {Value(intMax), Value(int32_t{1}), "Error 15"},
        {Value(intMin), Value(-1.0), "Error 15"},
        {Value(int32_t{0}), Value(3e10), "Error 15"},
        {Value(true), Value(true), "Error 13: adding [v] (boolean) with [boolean] value"},
        {Value(int32_t{1}), Value("x"), "Error 13: adding [v] (integer) with [string] value"},
        {Value("x"), Value(int32_t{1}), "Error 13: adding [v] (string) with [integer] value"},
        {Value(1.0), Value(true), "Error 13: adding [v] (double) with [boolean] value"},
        {Value(DataType::Date), Value(DataType::Date), "Error 13: adding [v] (date) with [date] value"},
    };
    for (const auto& row : rows) {
        Variable v("v", row.start);
        const std::string error = failure([&] { v.add(row.step); });
        if (error == "ok") {
            EXPECT_EQ(show(v.value()), row.expected) << show(row.start) << " + " << show(row.step);
        } else {
            EXPECT_EQ(error, row.expected) << show(row.start) << " + " << show(row.step);
            EXPECT_EQ(show(v.value()), show(row.start)) << "a failed add changed the variable";
        }
    }
}

TEST(VariableTest, WritesThroughAReference) {
    Variable target("n", DataType::Integer);
    Variable reference("r", target);
    reference.assign(Value(2.5));
    EXPECT_EQ(show(target.value()), "integer:3");
    reference.add(Value(int32_t{4}));
    EXPECT_EQ(show(target.value()), "integer:7");
    EXPECT_EQ(show(reference.value()), "integer:7");
    EXPECT_EQ(reference.ownValue.type, DataType::Undefined);
    EXPECT_EQ(failure([&] { reference.assign(Value("s")); }),
              "Error 13: assign [string] value to [integer] variable [r]");
    target.assign(Value(int32_t{9}));
    EXPECT_EQ(show(reference.value()), "integer:9");
}

class VariableStoreTest : public ::testing::Test {
protected:
    VariableStore store;

    void declare(const std::string& name, DataType type) { store.declare(Variable(name, type)); }
    std::string read(const std::string& name) {
        std::string out;
        std::string error = failure([&] { out = show(store.lookup(name).value()); });
        return error == "ok" ? out : error;
    }
    // A value read from a variable carries it as its origin.
    Value readWithOrigin(const std::string& name) {
        Variable& v = store.lookup(name);
        Value copy = v.value();
        copy.origin = &v;
        return copy;
    }
};

TEST_F(VariableStoreTest, NoFrameMeansUndefined) {
    EXPECT_FALSE(store.isDeclared("x"));
    EXPECT_EQ(read("x"), "Error 11: Undefined variable [x].");
}

TEST_F(VariableStoreTest, LookupSearchesEveryScopeOfTheFrame) {
    store.pushFrame();
    store.pushScope();
    declare("outer", DataType::Integer);
    store.lookup("outer").assign(Value(int32_t{1}));
    store.pushScope();
    declare("inner", DataType::String);
    store.pushScope();
    EXPECT_EQ(read("outer"), "integer:1");
    EXPECT_EQ(read("inner"), "string:");
    EXPECT_TRUE(store.isDeclared("outer"));
    EXPECT_TRUE(store.isDeclared("inner"));
    EXPECT_FALSE(store.isDeclared("Outer")) << "names arrive lower-cased; lookups are exact";
    EXPECT_EQ(read("missing"), "Error 11: Undefined variable [missing].");
}

TEST_F(VariableStoreTest, NoShadowingWithinAFrame) {
    store.pushFrame();
    store.pushScope();
    declare("x", DataType::Integer);
    store.lookup("x").assign(Value(int32_t{5}));
    store.pushScope();
    EXPECT_EQ(failure([&] { declare("x", DataType::Double); }), "Error 10: Variable [x] already defined.");
    EXPECT_EQ(failure([&] { declare("x", DataType::Integer); }), "Error 10: Variable [x] already defined.");
    store.popScope();
    EXPECT_EQ(failure([&] { declare("x", DataType::Integer); }), "Error 10: Variable [x] already defined.");
    // A failed declare leaves the store as it was.
    EXPECT_EQ(read("x"), "integer:5");
}

TEST_F(VariableStoreTest, PopScopeForgetsItsVariables) {
    store.pushFrame();
    store.pushScope();
    store.pushScope();
    declare("y", DataType::Integer);
    store.lookup("y").assign(Value(int32_t{3}));
    store.popScope();
    EXPECT_EQ(read("y"), "Error 11: Undefined variable [y].");
    store.pushScope();
    EXPECT_EQ(read("y"), "Error 11: Undefined variable [y].") << "a reopened scope starts empty";
    declare("y", DataType::Double);
    EXPECT_EQ(read("y"), "double:0");
}

TEST_F(VariableStoreTest, ClearScopeEmptiesOnlyTheInnermostScope) {
    store.pushFrame();
    store.pushScope();
    declare("keep", DataType::Integer);
    store.pushScope();
    declare("body", DataType::Integer);
    store.lookup("body").assign(Value(int32_t{8}));
    store.clearScope();
    EXPECT_EQ(read("body"), "Error 11: Undefined variable [body].");
    EXPECT_EQ(read("keep"), "integer:0");
    // The scope stays: a new declaration lands in it and goes with it.
    declare("body", DataType::Integer);
    EXPECT_EQ(read("body"), "integer:0");
    store.popScope();
    EXPECT_EQ(read("body"), "Error 11: Undefined variable [body].");
    EXPECT_EQ(read("keep"), "integer:0");
}

TEST_F(VariableStoreTest, FramesHideTheirCallers) {
    store.pushFrame();
    store.pushScope();
    declare("x", DataType::Integer);
    store.lookup("x").assign(Value(int32_t{1}));

    store.pushFrame();
    store.pushScope();
    EXPECT_FALSE(store.isDeclared("x"));
    EXPECT_EQ(read("x"), "Error 11: Undefined variable [x].");
    declare("x", DataType::String);  // a different variable of the callee
    store.lookup("x").assign(Value("callee"));
    EXPECT_EQ(read("x"), "string:callee");
    store.popFrame();

    EXPECT_EQ(read("x"), "integer:1");
    EXPECT_EQ(store.frameCount(), 1u);

    // A frame opened again starts with no variables.
    store.pushFrame();
    store.pushScope();
    EXPECT_EQ(read("x"), "Error 11: Undefined variable [x].");
    store.popFrame();
    store.popFrame();
    EXPECT_EQ(store.frameCount(), 0u);
    EXPECT_EQ(read("x"), "Error 11: Undefined variable [x].");
}

TEST_F(VariableStoreTest, VariablesKeepTheirAddresses) {
    store.pushFrame();
    store.pushScope();
    declare("first", DataType::Integer);
    Variable* first = &store.lookup("first");
    for (int i = 0; i < 2000; ++i) declare(std::string(1, 'v').append(std::to_string(i)), DataType::Integer);
    store.pushFrame();
    for (int i = 0; i < 50; ++i) store.pushScope();
    store.popFrame();
    EXPECT_EQ(&store.lookup("first"), first);
}

// Scopes keep their slots (and, when large, their index) for reuse; a reused
// slot must carry nothing of the variable that held it before.
TEST_F(VariableStoreTest, ReusedSlotsStartAfresh) {
    store.pushFrame();
    store.pushScope();
    store.pushScope();
    for (int pass = 0; pass < 3; ++pass) {
        const std::string prefix = pass % 2 ? "odd" : "even";
        const int count = 10 + 8 * pass;  // crosses the size at which a scope is indexed
        for (int i = 0; i < count; ++i) {
            declare(prefix + std::to_string(i), i % 2 ? DataType::String : DataType::Integer);
            if (i == 0) store.lookup(prefix + "0").assign(Value(int32_t{pass}));
        }
        EXPECT_EQ(read(prefix + "0"), "integer:" + std::to_string(pass));
        EXPECT_EQ(read(prefix + "1"), "string:");
        EXPECT_EQ(read(prefix + std::to_string(count - 1)), "string:");
        EXPECT_EQ(read(prefix + std::to_string(count)), "Error 11: Undefined variable [" + prefix +
                                                            std::to_string(count) + "].");
        const std::string other = pass % 2 ? "even0" : "odd0";
        EXPECT_EQ(read(other), "Error 11: Undefined variable [" + other + "].");
        store.clearScope();
    }
    // A by-reference parameter in a slot that held a value variable, and the reverse.
    declare("x", DataType::Double);
    store.lookup("x").assign(Value(1.5));
    const Value toX = readWithOrigin("x");
    store.pushScope();
    store.bindParameter("r", toX, true);
    store.clearScope();
    store.bindParameter("r", Value("text"), true);
    Variable& r = store.lookup("r");
    EXPECT_FALSE(r.isReference);
    EXPECT_EQ(r.referent, nullptr);
    EXPECT_EQ(r.value().origin, nullptr);
    EXPECT_EQ(show(r.value()), "string:text");
    store.clearScope();
    store.bindParameter("r", toX, true);
    ASSERT_TRUE(store.lookup("r").isReference);
    EXPECT_EQ(store.lookup("r").ownValue.type, DataType::Undefined);
    EXPECT_EQ(read("r"), "double:1.5");
}

// Blocks that declare nothing take no storage; closing or clearing one must
// leave the variables of the enclosing blocks alone.
TEST_F(VariableStoreTest, EmptyBlocksLeaveOuterVariablesAlone) {
    store.pushFrame();
    store.pushScope();
    declare("outer", DataType::Integer);
    store.pushScope();
    store.pushScope();
    declare("middle", DataType::Integer);
    store.pushScope();
    store.clearScope();  // the innermost block holds nothing
    EXPECT_EQ(read("middle"), "integer:0");
    store.popScope();
    EXPECT_EQ(read("middle"), "integer:0");
    store.clearScope();
    EXPECT_EQ(read("middle"), "Error 11: Undefined variable [middle].");
    store.popScope();
    store.clearScope();  // the block between holds nothing
    EXPECT_EQ(read("outer"), "integer:0");
    store.popScope();
    EXPECT_EQ(read("outer"), "integer:0");
    store.popScope();
    EXPECT_EQ(read("outer"), "Error 11: Undefined variable [outer].");
    // Closing more blocks than are open changes nothing.
    store.popScope();
    store.pushScope();
    declare("again", DataType::Integer);
    EXPECT_EQ(read("again"), "integer:0");
}

TEST_F(VariableStoreTest, ByValueParametersAreCopies) {
    store.pushFrame();
    store.pushScope();
    declare("x", DataType::Integer);
    store.lookup("x").assign(Value(int32_t{5}));
    const Value argument = readWithOrigin("x");

    store.pushFrame();
    store.pushScope();
    store.bindParameter("a", argument, false);
    Variable& a = store.lookup("a");
    EXPECT_FALSE(a.isReference);
    EXPECT_EQ(a.declaredType, DataType::Integer);
    a.assign(Value(int32_t{99}));
    store.popFrame();
    EXPECT_EQ(read("x"), "integer:5");
}

TEST_F(VariableStoreTest, ByRefWithoutOriginBehavesAsByValue) {
    store.pushFrame();
    store.pushScope();
    store.bindParameter("a", Value(2.5), true);  // a literal or an expression result
    Variable& a = store.lookup("a");
    EXPECT_FALSE(a.isReference);
    EXPECT_EQ(a.declaredType, DataType::Double);
    EXPECT_EQ(show(a.value()), "double:2.5");
}

TEST_F(VariableStoreTest, ReferencesThroughTwoLevels) {
    store.pushFrame();
    store.pushScope();
    declare("x", DataType::Double);
    Variable& x = store.lookup("x");
    x.assign(Value(int32_t{1}));

    // First call: BYREF a bound to x.
    const Value toFirst = readWithOrigin("x");
    store.pushFrame();
    store.pushScope();
    store.bindParameter("a", toFirst, true);
    Variable& a = store.lookup("a");
    ASSERT_TRUE(a.isReference);
    EXPECT_EQ(a.referent, &x);
    EXPECT_EQ(a.declaredType, DataType::Double);

    // Second call: BYREF b bound to a designates x itself, not a.
    const Value toSecond = readWithOrigin("a");
    EXPECT_EQ(toSecond.origin, &a);
    store.pushFrame();
    store.pushScope();
    store.bindParameter("b", toSecond, true);
    Variable& b = store.lookup("b");
    ASSERT_TRUE(b.isReference);
    EXPECT_EQ(b.referent, &x);
    EXPECT_EQ(read("b"), "double:1");

    b.assign(Value(int32_t{7}));
    EXPECT_EQ(show(x.value()), "double:7");
    b.add(Value(0.5));
    EXPECT_EQ(show(x.value()), "double:7.5");
    EXPECT_EQ(failure([&] { b.assign(Value("s")); }), "Error 13: assign [string] value to [double] variable [b]");

    store.popFrame();
    EXPECT_EQ(read("a"), "double:7.5");
    a.assign(Value(2.0));
    store.popFrame();
    EXPECT_EQ(read("x"), "double:2");
}

TEST_F(VariableStoreTest, ParameterNamesAreChecked) {
    store.pushFrame();
    store.pushScope();
    store.bindParameter("p", Value(int32_t{1}), false);
    EXPECT_EQ(failure([&] { store.bindParameter("p", Value(int32_t{2}), false); }),
              "Error 10: Variable [p] already defined.");
    EXPECT_EQ(read("p"), "integer:1");
}

}  // namespace
}  // namespace tbasic

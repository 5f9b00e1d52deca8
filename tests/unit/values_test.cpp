// Values, data types, their printed form and the two numeric helpers.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <sstream>
#include <string>

#include "diagnostics/Error.h"
#include "TestSupport.h"
#include "values/DataType.h"
#include "values/Value.h"

namespace tbasic {
namespace {

using namespace testing_support;


TEST(DataTypeTest, NamesAndLookups) {
    const struct {
        DataType type;
        const char* name;
    } rows[] = {
        {DataType::Undefined, "*UNDEFINED*"}, {DataType::Boolean, "boolean"}, {DataType::Integer, "integer"},
        {DataType::Double, "double"},         {DataType::String, "string"},   {DataType::Date, "date"},
        {DataType::Time, "time"},             {DataType::DateTime, "datetime"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(dataTypeName(row.type), row.name);
        if (row.type == DataType::Undefined) continue;
        EXPECT_TRUE(isDataTypeName(row.name)) << row.name;
        EXPECT_EQ(dataTypeFromName(row.name), row.type) << row.name;
    }
    EXPECT_TRUE(isDataTypeName(" Integer "));
    EXPECT_TRUE(isDataTypeName("DATETIME"));
    EXPECT_TRUE(isDataTypeName("\tDouble\t"));
    EXPECT_EQ(dataTypeFromName(" Integer "), DataType::Integer);
    EXPECT_EQ(dataTypeFromName("STRING"), DataType::String);
    for (const char* text : {"*UNDEFINED*", "undefined", "int", "date time", "", "bool"})
        EXPECT_FALSE(isDataTypeName(text)) << text;
}

TEST(DataTypeTest, BooleanLiterals) {
    EXPECT_TRUE(isBooleanLiteral("true"));
    EXPECT_TRUE(isBooleanLiteral(" FALSE\t"));
    EXPECT_FALSE(isBooleanLiteral("yes"));
    EXPECT_FALSE(isBooleanLiteral("truex"));
    EXPECT_TRUE(parseBoolean("True"));
    EXPECT_FALSE(parseBoolean(" false "));
    try {
        parseBoolean("yes");
        ADD_FAILURE() << "parseBoolean accepted yes";
    } catch (const Error& error) {
        EXPECT_EQ(static_cast<int>(error.code), 1);
        EXPECT_EQ(error.message, "");
    }
}

TEST(ValueTest, ConstructorsAndDefaults) {
    EXPECT_EQ(Value(true).type, DataType::Boolean);
    EXPECT_EQ(Value(int32_t{7}).type, DataType::Integer);
    EXPECT_EQ(Value(7.0).type, DataType::Double);
    EXPECT_EQ(Value(std::string("s")).type, DataType::String);
    EXPECT_EQ(Value("s").type, DataType::String);

    EXPECT_FALSE(Value(DataType::Boolean).boolValue);
    EXPECT_EQ(Value(DataType::Integer).intValue, 0);
    EXPECT_EQ(Value(DataType::Double).doubleValue, 0.0);
    EXPECT_EQ(Value(DataType::String).stringView(), "");
    for (DataType t : {DataType::Undefined, DataType::Boolean, DataType::Integer, DataType::Double,
                       DataType::String, DataType::Date, DataType::Time, DataType::DateTime}) {
        Value v(t);
        EXPECT_EQ(v.type, t);
        EXPECT_EQ(v.origin, nullptr);
    }
}

TEST(ValueTest, CopiesKeepTypePayloadAndOrigin) {
    auto* origin = reinterpret_cast<Variable*>(0x1000);
    Value source(std::string("text"));
    source.origin = origin;
    Value copy(source);
    EXPECT_EQ(copy.type, DataType::String);
    EXPECT_EQ(copy.stringView(), "text");
    EXPECT_EQ(copy.origin, origin);

    Value assigned(int32_t{1});
    assigned = source;
    EXPECT_EQ(assigned.type, DataType::String);
    EXPECT_EQ(assigned.stringView(), "text");
    EXPECT_EQ(assigned.origin, origin);

    Value self(2.5);
    self.origin = origin;
    const Value& alias = self;
    self = alias;
    EXPECT_EQ(self.doubleValue, 2.5);
    EXPECT_EQ(self.origin, origin);
}

TEST(ValueTest, PrintedForm) {
    const struct {
        Value value;
        const char* printed;
    } rows[] = {
        {Value(1e20), "1e+20"},
        {Value(1e14), "100000000000000"},
        {Value(1e15), "1e+15"},
        {Value(123456789012345.0), "123456789012345"},
        {Value(1.0 / 3.0), "0.333333333333333"},
        {Value(2.0 / 3.0), "0.666666666666667"},
        {Value(2.0), "2"},
        {Value(0.1), "0.1"},
        {Value(0.1 + 0.2), "0.3"},
        {Value(3.5), "3.5"},
        {Value(-2.5), "-2.5"},
        {Value(0.0001), "0.0001"},
        {Value(0.00001), "1e-05"},
        {Value(-0.0), "-0"},
        {Value(2147483648.0), "2147483648"},
        {Value(true), "True"},
        {Value(false), "False"},
        {Value(int32_t{0}), "0"},
        {Value(int32_t{-42}), "-42"},
        {Value(intMin), "-2147483648"},
        {Value(intMax), "2147483647"},
        {Value(" a  b "), " a  b "},
        {Value(""), ""},
        {Value(DataType::Undefined), ""},
        {Value(DataType::Date), ""},
        {Value(DataType::Time), ""},
        {Value(DataType::DateTime), ""},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(toPrintedString(row.value), row.printed);
        std::ostringstream out;
        out << row.value;
        EXPECT_EQ(out.str(), row.printed);
    }
}

TEST(RoundToIntegerTest, HalvesAwayFromZeroWithinRange) {
    const struct {
        double x;
        int32_t expected;
    } rows[] = {
        {2.5, 3},
        {-2.5, -3},
        {0.49, 0},
        {-0.49, 0},
        {0.5, 1},
        {-0.5, -1},
        {1.4999999999999998, 1},
        {0.0, 0},
        {-0.0, 0},
        {7.0, 7},
        {2147483647.0, intMax},
        {2147483646.6, intMax},
        {-2147483648.0, intMin},
        {-2147483647.6, intMin},
    };
    for (const auto& row : rows) EXPECT_EQ(roundToInteger(row.x), row.expected) << row.x;
}

TEST(RoundToIntegerTest, OutsideTheRangeIsOverflow) {
    for (double x : {2147483647.4, 2147483648.0, -2147483648.4, -2147483649.0, 3e10, -1e300, inf, -inf, nan}) {
        try {
            roundToInteger(x);
            ADD_FAILURE() << "no error for " << x;
        } catch (const Error& error) {
            EXPECT_EQ(static_cast<int>(error.code), 15) << x;
            EXPECT_EQ(error.message, "") << x;
        }
    }
}

TEST(NearlyEqualTest, FourUnitsInTheLastPlace) {
    const double third = 0.3;
    double fourUp = third;
    for (int i = 0; i < 4; ++i) fourUp = std::nextafter(fourUp, 1.0);
    const double fiveUp = std::nextafter(fourUp, 1.0);
    double fourDown = third;
    for (int i = 0; i < 4; ++i) fourDown = std::nextafter(fourDown, 0.0);

    const struct {
        double a, b;
        bool expected;
        const char* what;
    } rows[] = {
        {0.1 + 0.2, 0.3, true, "0.1 + 0.2 and 0.3"},
        {0.3, fourUp, true, "four steps up"},
        {0.3, fourDown, true, "four steps down"},
        {0.3, fiveUp, false, "five steps up"},
        {1.0, 2.0, false, "1 and 2"},
        {0.0, -0.0, true, "both zeros"},
        {-0.0, 0.0, true, "both zeros reversed"},
        {denormMin, -denormMin, true, "smallest subnormals across zero"},
        {4 * denormMin, 0.0, true, "four subnormals from zero"},
        {0.0, -4 * denormMin, true, "four negative subnormals from zero"},
        {5 * denormMin, 0.0, false, "five subnormals from zero"},
        {3 * denormMin, -2 * denormMin, false, "five steps across zero"},
        {1e-300, 0.0, false, "small normal against zero"},
        {DBL_MAX, inf, true, "largest finite and infinity"},
        {-DBL_MAX, -inf, true, "negative largest finite and infinity"},
        {inf, inf, true, "infinities"},
        {inf, -inf, false, "opposite infinities"},
        {nan, nan, false, "NaN with itself"},
        {nan, 1.0, false, "NaN and a number"},
        {0.0, nan, false, "zero and NaN"},
        {inf, nan, false, "infinity and NaN"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(nearlyEqual(row.a, row.b), row.expected) << row.what;
        EXPECT_EQ(nearlyEqual(row.b, row.a), row.expected) << row.what << " (swapped)";
    }
}

TEST(SetIntegerTest, StoresIntoIntegerAndDoubleOnly) {
    Value integer(int32_t{5});
    integer.setInteger(intMin);
    EXPECT_EQ(integer.type, DataType::Integer);
    EXPECT_EQ(integer.intValue, intMin);

    Value dbl(0.5);
    dbl.setInteger(intMax);
    EXPECT_EQ(dbl.type, DataType::Double);
    EXPECT_EQ(dbl.doubleValue, 2147483647.0);

    const struct {
        Value value;
        const char* message;
    } rows[] = {
        {Value(true), "assign integer value to [boolean] type."},
        {Value("7"), "assign integer value to [string] type."},
        {Value(DataType::Undefined), "assign integer value to [*UNDEFINED*] type."},
        {Value(DataType::Date), "assign integer value to [date] type."},
        {Value(DataType::DateTime), "assign integer value to [datetime] type."},
    };
    for (const auto& row : rows) {
        Value target = row.value;
        try {
            target.setInteger(1);
            ADD_FAILURE() << "no error: " << row.message;
        } catch (const Error& error) {
            EXPECT_EQ(static_cast<int>(error.code), 13);
            EXPECT_EQ(error.message, row.message);
        }
        EXPECT_EQ(target.type, row.value.type);
    }
}

}  // namespace
}  // namespace tbasic

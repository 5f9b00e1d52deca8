// The typed value record: every value the interpreter computes, stores or prints.
#pragma once

#include <cstdint>
#include <cstring>
#include <ostream>
#include <string>

#include "values/DataType.h"

namespace tbasic {

class Variable;

class Value {
public:
    Value() = default;
    explicit Value(bool b) : type(DataType::Boolean), boolValue(b) {}
    explicit Value(int32_t i) : type(DataType::Integer), intValue(i) {}
    explicit Value(double d) : type(DataType::Double), doubleValue(d) {}
    explicit Value(std::string s) : type(DataType::String), stringValue(std::move(s)) {}
    explicit Value(const char* s) : type(DataType::String), stringValue(s) {}
    // The default value of a type: false, 0, 0.0, "" or no payload.
    explicit Value(DataType t);

    // Copies carry the type, the origin and the payload of that type only,
    // so copying a number never touches the string payload.
    Value(const Value& other) : type(other.type), origin(other.origin) {
        copyScalar(other);
        if (other.type == DataType::String) copyStringWithRoom(other.stringValue);
    }
    Value(Value&& other) noexcept : type(other.type), origin(other.origin) {
        copyScalar(other);
        if (other.type == DataType::String) stringValue = std::move(other.stringValue);
    }
    Value& operator=(const Value& other) {
        if (this == &other) return *this;
        type = other.type;
        origin = other.origin;
        copyScalar(other);
        if (other.type == DataType::String) stringValue = other.stringValue;
        return *this;
    }
    Value& operator=(Value&& other) noexcept {
        if (this == &other) return *this;
        type = other.type;
        origin = other.origin;
        copyScalar(other);
        if (other.type == DataType::String) stringValue = std::move(other.stringValue);
        return *this;
    }
    ~Value() = default;

    // Stores an integer in an Integer value, or converted in a Double value.
    void setInteger(int32_t n);

    // Turn this into a fresh value of one type, with no origin; they write
    // in place, so a result reuses the storage it already has.
    void makeBoolean(bool b) { reset(DataType::Boolean); boolValue = b; }
    void makeInteger(int32_t i) { reset(DataType::Integer); intValue = i; }
    void makeDouble(double d) { reset(DataType::Double); doubleValue = d; }
    // Returns the string payload for the caller to fill.
    std::string& makeString() {
        reset(DataType::String);
        return stringValue;
    }

    DataType type = DataType::Undefined;
    // Only the payload named by type carries meaning.
    union {
        bool boolValue;
        int32_t intValue;
        double doubleValue = 0.0;
    };
    std::string stringValue;
    // The BYREF link: the variable this value was just read from (not
    // owned), so a BYREF parameter given the value binds to the variable.
    // The one rule: a value keeps the link only while it is still that
    // variable's value, unchanged. Reading a variable sets it; a copy keeps
    // it (parentheses, "abs" of a non-negative number, "int" of an integer
    // return their argument itself); everything computed has none: the
    // make* setters and the in-place operators clear it, other results are
    // fresh values, and a function's result loses it with the call's frame.
    Variable* origin = nullptr;

private:
    // A copied string is most often the left side of a concatenation (the
    // value of s in s = s + t), so a long one gets room to grow in place.
    void copyStringWithRoom(const std::string& from) {
        if (from.size() > 15) {
            std::size_t room = from.size() / 2 < 4096 ? from.size() / 2 : 4096;
            stringValue.reserve(from.size() + room + 16);
        }
        stringValue.assign(from);
    }
    void reset(DataType t) {
        type = t;
        origin = nullptr;
    }
    void copyScalar(const Value& other) { std::memcpy(&doubleValue, &other.doubleValue, sizeof doubleValue); }
};

// Double to integer, halves away from zero; Overflow outside the 32-bit range (and for NaN).
int32_t roundToInteger(double x);

// Doubles equal within 4 units in the last place; NaN equals nothing.
bool nearlyEqual(double a, double b);

// The printed form of a double: %g with 15 significant digits.
std::string formatDouble(double d);

// The printed form of a value, as PRINT, -e and "str" write it.
std::string toPrintedString(const Value& value);
void appendPrintedForm(std::string& out, const Value& value);
std::ostream& operator<<(std::ostream& out, const Value& value);

}  // namespace tbasic

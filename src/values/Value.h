// The typed value record: every value the interpreter computes, stores or prints.
#pragma once

#include <cstdint>
#include <cstring>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>

#include "values/DataType.h"
#include "values/SharedText.h"

// The number paths of assignment and of the make* setters are a few
// instructions: inlined into every caller, even where the compiler's size
// estimate (which counts the rare string path) would not.
#define TBASIC_VALUE_INLINE __attribute__((always_inline)) inline

namespace tbasic {

class Variable;

class Value {
public:
    Value() noexcept {}
    explicit Value(bool b) : type(DataType::Boolean), boolValue(b) {}
    explicit Value(int32_t i) : type(DataType::Integer), intValue(i) {}
    explicit Value(double d) : type(DataType::Double), doubleValue(d) {}
    explicit Value(std::string_view s) : type(DataType::String) { setText(s); }
    explicit Value(const char* s) : Value(std::string_view(s)) {}
    // The default value of a type: false, 0, 0.0, "" or no payload.
    explicit Value(DataType t);

    // Copies carry the type, the origin and the payload: the bits of a
    // number or of a short string, a shared handle (no characters) for a
    // long one.
    Value(const Value& other) : type(other.type), length_(other.length_), origin(other.origin) {
        if (other.holdsText()) {
            std::construct_at(&text_, other.text_);
        } else {
            copyScalar(other);
        }
    }
    Value(Value&& other) noexcept : type(other.type), length_(other.length_), origin(other.origin) {
        if (other.holdsText()) {
            std::construct_at(&text_, std::move(other.text_));
            other.dropText();
        } else {
            copyScalar(other);
        }
    }
    // Assignments between values that hold no shared storage copy three
    // words; the rest is out of line.
    TBASIC_VALUE_INLINE Value& operator=(const Value& other) {
        if (holdsText() || other.holdsText()) return assignText(other);
        copyFields(other);
        return *this;
    }
    TBASIC_VALUE_INLINE Value& operator=(Value&& other) noexcept {
        if (holdsText() || other.holdsText()) return moveText(std::move(other));
        copyFields(other);
        return *this;
    }
    ~Value() {
        if (holdsText()) std::destroy_at(&text_);
    }

    // Stores an integer in an Integer value, or converted in a Double value.
    void setInteger(int32_t n);

    // Turn this into a fresh value of one type, with no origin.
    TBASIC_VALUE_INLINE void makeBoolean(bool b) { reset(DataType::Boolean); boolValue = b; }
    TBASIC_VALUE_INLINE void makeInteger(int32_t i) { reset(DataType::Integer); intValue = i; }
    TBASIC_VALUE_INLINE void makeDouble(double d) { reset(DataType::Double); doubleValue = d; }
    void makeString(std::string_view s) {
        if (holdsText()) {
            *this = Value(s);  // s may be in the storage this lets go of
        } else {
            reset(DataType::String);
            setText(s);  // s may be in shortText_: copyBytes is a move there
        }
    }
    // Makes this a string of length bytes, returned for the caller to write.
    char* makeString(std::size_t length);

    // The characters of a string value; valid until this value next changes.
    std::string_view stringView() const { return {holdsText() ? text_.data() : shortText_, length_}; }
    // Appends to a string value. Shared storage is written only past every
    // other holder's end, else the characters move to fresh storage with
    // room to grow, so s = s + t copies s only when it outgrows its room.
    // Error 15 when the result would pass SharedText::lengthLimit.
    void appendString(std::string_view s);

    DataType type = DataType::Undefined;

private:
    // A string's length in bytes. Only a string holding shared storage has
    // one past shortLength (dropping the storage zeroes it), so that test
    // alone tells whether a value owns a handle.
    std::uint32_t length_ = 0;

public:
    // Only the payload named by type carries meaning. A string of up to
    // shortLength bytes keeps them in shortText_, a longer one in text_.
    union {
        bool boolValue;
        int32_t intValue;
        double doubleValue = 0.0;
        SharedText text_;
        char shortText_[8];
    };
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
    static constexpr std::size_t shortLength = sizeof shortText_;

    bool holdsText() const { return length_ > shortLength; }
    // Lets go of the shared storage, leaving an empty string (or no string).
    TBASIC_VALUE_INLINE void dropText() {
        if (holdsText()) {
            std::destroy_at(&text_);
            length_ = 0;
        }
    }
    // Fills a string value holding no shared storage.
    void setText(std::string_view s) {
        copyBytes(makeString(s.size()), s.data(), s.size());
    }
    TBASIC_VALUE_INLINE void reset(DataType t) {
        dropText();
        type = t;
        origin = nullptr;
    }
    Value& assignText(const Value& other);
    Value& moveText(Value&& other) noexcept;
    void copyFields(const Value& other) {
        type = other.type;
        length_ = other.length_;
        copyScalar(other);
        origin = other.origin;
    }
    void copyScalar(const Value& other) { std::memcpy(&doubleValue, &other.doubleValue, sizeof doubleValue); }
};

static_assert(sizeof(Value) == 24, "a value is three words: type and length, payload, origin");

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

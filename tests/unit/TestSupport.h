// Helpers shared by the unit tests: values and errors as comparable text,
// and the limits the arithmetic tests work at.
#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <limits>
#include <string>

#include "diagnostics/Error.h"
#include "values/Value.h"

namespace tbasic::testing_support {

constexpr int32_t intMin = std::numeric_limits<int32_t>::min();
constexpr int32_t intMax = std::numeric_limits<int32_t>::max();
const double nan = std::numeric_limits<double>::quiet_NaN();
const double inf = std::numeric_limits<double>::infinity();
const double denormMin = std::numeric_limits<double>::denorm_min();

// "type:value", with doubles in full precision.
inline std::string show(const Value& v) {
    std::string out = dataTypeName(v.type) + ":";
    if (v.type == DataType::Double) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.17g", v.doubleValue);
        return out + buffer;
    }
    return out + toPrintedString(v);
}

// "Error code: detail".
inline std::string describe(const Error& e) {
    std::string out = "Error " + std::to_string(static_cast<int>(e.code));
    if (!e.message.empty()) out += ": " + e.message;
    return out;
}

// "ok", or the error f raised as "Error code: detail".
inline std::string failure(const std::function<void()>& f) {
    try {
        f();
    } catch (const Error& e) {
        return describe(e);
    }
    return "ok";
}

// The result as "type:value", or the error as "Error code: detail".
inline std::string outcome(const std::function<Value()>& f) {
    std::string shown;
    std::string error = failure([&] { shown = show(f()); });
    return error == "ok" ? shown : error;
}

}  // namespace tbasic::testing_support

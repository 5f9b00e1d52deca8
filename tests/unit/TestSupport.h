// Helpers shared by the unit tests: values and errors as comparable text.
#pragma once

#include <cstdio>
#include <functional>
#include <string>

#include "diagnostics/Error.h"
#include "values/Value.h"

namespace tbasic::testing_support {

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

// "Class code: detail".
inline std::string describe(const char* kind, const Error& e) {
    std::string out = std::string(kind) + " " + std::to_string(e.code);
    if (!e.message.empty()) out += ": " + e.message;
    return out;
}

// "ok", or the error f raised as "Class code: detail".
inline std::string failure(const std::function<void()>& f) {
    try {
        f();
    } catch (const ValueError& e) {
        return describe("ValueError", e);
    } catch (const OperandError& e) {
        return describe("OperandError", e);
    } catch (const SyntaxError& e) {
        return describe("SyntaxError", e);
    } catch (const Error& e) {
        return describe("Error", e);
    }
    return "ok";
}

// The result as "type:value", or the error as "Class code: detail".
inline std::string outcome(const std::function<Value()>& f) {
    std::string shown;
    std::string error = failure([&] { shown = show(f()); });
    return error == "ok" ? shown : error;
}

}  // namespace tbasic::testing_support

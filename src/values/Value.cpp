#include "values/Value.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "diagnostics/Error.h"

namespace tbasic {

Value::Value(DataType t) : type(t) {
    switch (t) {
    case DataType::Boolean: boolValue = false; break;
    case DataType::Integer: intValue = 0; break;
    case DataType::Double: doubleValue = 0.0; break;
    // No payload: strings start empty, the others have none.
    case DataType::Undefined: case DataType::String: case DataType::Date: case DataType::Time:
    case DataType::DateTime: case DataType::Count: break;
    }
}

void Value::setInteger(int32_t n) {
    if (type == DataType::Integer) {
        intValue = n;
    } else if (type == DataType::Double) {
        doubleValue = static_cast<double>(n);
    } else {
        throw Error(ErrorCode::TypeMismatch,
                         formatMessage("assign integer value to [%s] type.", dataTypeName(type).c_str()));
    }
}

Value& Value::assignText(const Value& other) {
    if (other.holdsText()) {
        if (holdsText()) {
            text_ = other.text_;
        } else {
            std::construct_at(&text_, other.text_);
        }
    } else {
        dropText();
        copyScalar(other);
    }
    type = other.type;
    length_ = other.length_;
    origin = other.origin;
    return *this;
}

Value& Value::moveText(Value&& other) noexcept {
    if (this == &other) return *this;
    dropText();
    type = other.type;
    length_ = other.length_;
    origin = other.origin;
    if (other.holdsText()) {
        std::construct_at(&text_, std::move(other.text_));
        other.dropText();
    } else {
        copyScalar(other);
    }
    return *this;
}

char* Value::makeString(std::size_t length) {
    if (length > SharedText::lengthLimit) throw Error(ErrorCode::Overflow);
    reset(DataType::String);
    if (length <= shortLength) {
        length_ = static_cast<std::uint32_t>(length);
        return shortText_;
    }
    const auto exact = static_cast<std::uint32_t>(length);
    std::construct_at(&text_, exact, exact);
    length_ = exact;  // only now does the value hold the storage
    return text_.data();
}

void Value::appendString(std::string_view s) {
    const std::size_t length = std::size_t{length_} + s.size();
    if (length > SharedText::lengthLimit) throw Error(ErrorCode::Overflow);
    if (holdsText()) {
        if (text_.appendAt(length_, s)) {
            length_ = static_cast<std::uint32_t>(length);
            return;
        }
    } else if (length <= shortLength) {
        copyShort(shortText_ + length_, s.data(), s.size());
        length_ = static_cast<std::uint32_t>(length);
        return;
    }
    // Fresh storage, twice the length so that appends that follow fit.
    // Twice the length while that is small; past 64 MiB the room grows by
    // 64 MiB at a time, so one append to a huge string never asks for twice
    // its size.
    constexpr std::size_t roomStep = std::size_t{64} << 20;
    const std::size_t wanted = length + (length < roomStep ? length : roomStep);
    const std::size_t room = wanted < SharedText::lengthLimit ? wanted : SharedText::lengthLimit;
    SharedText grown(static_cast<std::uint32_t>(room), static_cast<std::uint32_t>(length));
    std::memcpy(grown.data(), stringView().data(), length_);
    if (!s.empty()) std::memcpy(grown.data() + length_, s.data(), s.size());
    if (holdsText()) {
        text_ = std::move(grown);
    } else {
        std::construct_at(&text_, std::move(grown));
    }
    length_ = static_cast<std::uint32_t>(length);
}

int32_t roundToInteger(double x) {
    if (!(x <= 2147483647.0 && x >= -2147483648.0)) throw Error(ErrorCode::Overflow);
    double r = x > 0 ? std::floor(x + 0.5) : std::ceil(x - 0.5);
    if (r > 2147483647.0 || r < -2147483648.0) throw Error(ErrorCode::Overflow);
    return static_cast<int32_t>(r);
}

namespace {

uint64_t orderingKey(double d) {
    uint64_t u;
    std::memcpy(&u, &d, sizeof u);
    const uint64_t sign = uint64_t(1) << 63;
    return (u & sign) ? (~u + 1) : (u | sign);
}

}  // namespace

bool nearlyEqual(double a, double b) {
    if (a == b) return true;
    if (std::isnan(a) || std::isnan(b)) return false;
    uint64_t ka = orderingKey(a), kb = orderingKey(b);
    uint64_t diff = ka > kb ? ka - kb : kb - ka;
    return diff <= 4;
}

std::string formatDouble(double d) {
    char buffer[64];
    int n = std::snprintf(buffer, sizeof buffer, "%.15g", d);
    return std::string(buffer, n > 0 ? static_cast<size_t>(n) : 0);
}

void appendPrintedForm(std::string& out, const Value& value) {
    switch (value.type) {
    case DataType::Boolean:
        out += value.boolValue ? "True" : "False";
        break;
    case DataType::Integer: {
        char buffer[16];
        int n = std::snprintf(buffer, sizeof buffer, "%d", value.intValue);
        out.append(buffer, static_cast<size_t>(n));
        break;
    }
    case DataType::Double:
        out += formatDouble(value.doubleValue);
        break;
    case DataType::String:
        out += value.stringView();
        break;
    // Values of these types print as nothing.
    case DataType::Undefined: case DataType::Date: case DataType::Time: case DataType::DateTime:
    case DataType::Count:
        break;
    }
}

std::string toPrintedString(const Value& value) {
    std::string out;
    appendPrintedForm(out, value);
    return out;
}

std::ostream& operator<<(std::ostream& out, const Value& value) {
    return out << toPrintedString(value);
}

}  // namespace tbasic

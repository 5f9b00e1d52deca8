#include "values/Variable.h"

#include "diagnostics/Error.h"
#include "values/Operators.h"

namespace tbasic {

namespace {

bool isNameChar(char c) {
    return c == '_' || (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Raises error 6 for an empty name, a bad character or a leading digit.
void validateVariableName(const std::string& proposed) {
    if (proposed.empty()) throw Error(ErrorCode::InvalidName, "Empty variable name");
    for (char c : proposed)
        if (!isNameChar(c))
            throw Error(ErrorCode::InvalidName, formatMessage("Variable name [%s] contains invalid character",
                                                         proposed.c_str()));
    if (proposed[0] >= '0' && proposed[0] <= '9')
        throw Error(ErrorCode::InvalidName, formatMessage("Variable name [%s] starts with number", proposed.c_str()));
}

}  // namespace

Variable::Variable(std::string name, DataType type) : name(std::move(name)), declaredType(type) {
    validateVariableName(this->name);
    ownValue = Value(type);
}

Variable::Variable(std::string name, const Value& value) : name(std::move(name)), declaredType(value.type) {
    validateVariableName(this->name);
    ownValue = value;
}

Variable::Variable(std::string name, Variable& target) : name(std::move(name)), declaredType(target.declaredType) {
    validateVariableName(this->name);
    isReference = true;
    referent = &target;
}

void Variable::assign(const Value& v) {
    Value& target = value();
    if (v.type == declaredType) {
        target = v;
    } else if (declaredType == DataType::Integer && v.type == DataType::Double) {
        target.setInteger(roundToInteger(v.doubleValue));
    } else if (declaredType == DataType::Double && v.type == DataType::Integer) {
        target.setInteger(v.intValue);
    } else {
        throw Error(ErrorCode::TypeMismatch, formatMessage("assign [%s] value to [%s] variable [%s]",
                                                     dataTypeName(v.type).c_str(),
                                                     dataTypeName(declaredType).c_str(), name.c_str()));
    }
}

void Variable::assign(Value&& v) {
    if (v.type == declaredType) {
        value() = std::move(v);
    } else {
        assign(static_cast<const Value&>(v));
    }
}

void Variable::addGeneral(const Value& step) {
    Value& target = value();
    bool addable = declaredType == DataType::Integer || declaredType == DataType::Double ||
                   declaredType == DataType::String;
    if (step.type == declaredType && addable) {
        addTo(target, step);
    } else if (declaredType == DataType::Integer && step.type == DataType::Double) {
        addInteger(target, roundToInteger(step.doubleValue));
    } else if (declaredType == DataType::Double && step.type == DataType::Integer) {
        addInteger(target, step.intValue);
    } else {
        throw Error(ErrorCode::TypeMismatch, formatMessage("adding [%s] (%s) with [%s] value", name.c_str(),
                                                     dataTypeName(declaredType).c_str(),
                                                     dataTypeName(step.type).c_str()));
    }
}

}  // namespace tbasic

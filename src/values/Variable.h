// Named storage: a variable holds its own value or, as a BYREF parameter,
// stands for a caller's variable.
#pragma once

#include <cstdint>
#include <string>

#include "values/DataType.h"
#include "values/Value.h"

namespace tbasic {

class Variable {
public:
    Variable() = default;
    Variable(std::string name, DataType type);
    Variable(std::string name, const Value& value);
    Variable(std::string name, Variable& referent);
    Variable(const Variable&) = default;
    Variable(Variable&&) = default;
    Variable& operator=(const Variable&) = default;

    Value& value() { return isReference ? referent->ownValue : ownValue; }

    // Stores a value under the declared-type conversion rules.
    void assign(const Value& v);
    void assign(Value&& v);
    // Adds a loop step in place.
    void add(const Value& step) {
        Value& target = value();
        int32_t sum;
        if (step.type == DataType::Integer && target.type == DataType::Integer &&
            declaredType == DataType::Integer && !__builtin_add_overflow(target.intValue, step.intValue, &sum)) {
            target.intValue = sum;
        } else {
            addGeneral(step);
        }
    }

    std::string name = "*UNDEFINED*";
    DataType declaredType = DataType::Undefined;
    Value ownValue;
    bool isReference = false;
    Variable* referent = nullptr;  // not owned

private:
    void addGeneral(const Value& step);
};

// What a name found at its last lookup, valid while the store's layout
// generation is unchanged (see VariableStore::lookup); a variable token keeps one.
struct LookupCache {
    Variable* variable = nullptr;
    std::uint64_t generation = 0;
};

}  // namespace tbasic

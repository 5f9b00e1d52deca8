// Named storage: a variable holds its own value or, as a BYREF parameter,
// stands for a caller's variable.
#pragma once

#include <cstdint>
#include <string>

#include "values/DataType.h"
#include "values/Value.h"

namespace tbasic {

class Operand {
public:
    Operand() = default;
    Operand(std::string name, DataType declaredType)
        : name(std::move(name)), declaredType(declaredType) {}
    Operand(const Operand&) = default;
    Operand(Operand&&) = default;
    virtual ~Operand() = default;

    // Raises SyntaxError 6 for an empty name, a bad character or a leading digit.
    virtual void validateVariableName(const std::string& proposed) const;
    virtual Operand& operator=(const Operand& other);
    virtual Value& value() = 0;
    virtual bool operator==(Operand& other);
    virtual bool operator!=(Operand& other);

    std::string name = "*UNDEFINED*";
    DataType declaredType = DataType::Undefined;
};

class Variable final : public Operand {
public:
    Variable() = default;
    Variable(std::string name, DataType type);
    Variable(std::string name, const Value& value);
    Variable(std::string name, Variable& referent);
    Variable(const Variable&) = default;
    Variable(Variable&&) = default;
    Variable& operator=(const Variable&) = default;
    ~Variable() override = default;

    Value& value() override { return isReference ? referent->ownValue : ownValue; }

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

// Function handlers: one class serves a family of built-ins and branches on
// the function's id. The base operations raise error 1.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "values/Value.h"

namespace tbasic {

using FunctionId = int32_t;

enum class CallForm { NoArgument, SingleArgument, ArgumentList };

// pi and random take no parentheses; ids 26-28 and 40 up take a list.
CallForm callFormOf(FunctionId id);

// The evaluate operations write their result in place; result is never one
// of the arguments.
class FunctionHandler {
public:
    virtual ~FunctionHandler() = default;
    virtual std::unique_ptr<FunctionHandler> clone() const;
    virtual void evaluateWithArguments(Value& result, const std::vector<Value>& arguments) const;
    virtual void evaluateWithArgument(Value& result, const Value& argument) const;
    virtual void evaluateWithoutArguments(Value& result) const;
};

// Stands for one user-function call while the evaluator makes it; the call
// itself is carried out by the user-function registry.
class UserFunctionHandler : public FunctionHandler {};

}  // namespace tbasic

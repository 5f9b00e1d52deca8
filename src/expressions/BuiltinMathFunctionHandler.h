// "pi", "random" and the 23 one-argument math functions.
#pragma once

#include "expressions/FunctionHandler.h"

namespace tbasic {

class BuiltinMathFunctionHandler : public FunctionHandler {
public:
    explicit BuiltinMathFunctionHandler(FunctionId id) : id(id) {}
    std::unique_ptr<FunctionHandler> clone() const override;
    void evaluateWithArgument(Value& result, const Value& argument) const override;
    void evaluateWithoutArguments(Value& result) const override;

    FunctionId id;
};

// True for 0.0 of either sign and for doubles within 4 units in the last place of it.
bool isNearZero(double d);

}  // namespace tbasic

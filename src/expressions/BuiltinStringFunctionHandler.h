// The fifteen string built-ins. Positions are 0-based; lengths count bytes.
#pragma once

#include "expressions/FunctionHandler.h"

namespace tbasic {

class BuiltinStringFunctionHandler : public FunctionHandler {
public:
    explicit BuiltinStringFunctionHandler(FunctionId id) : id(id) {}
    std::unique_ptr<FunctionHandler> clone() const override;
    void evaluateWithArguments(Value& result, const std::vector<Value>& arguments) const override;
    void evaluateWithArgument(Value& result, const Value& argument) const override;

    FunctionId id;
};

}  // namespace tbasic

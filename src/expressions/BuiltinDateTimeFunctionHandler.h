// "now", "date" and "time": registered, but no evaluation of their own, so a
// call ends in error 1.
#pragma once

#include "expressions/FunctionHandler.h"

namespace tbasic {

class BuiltinDateTimeFunctionHandler : public FunctionHandler {
public:
    explicit BuiltinDateTimeFunctionHandler(FunctionId id) : id(id) {}
    std::unique_ptr<FunctionHandler> clone() const override {
        return std::make_unique<BuiltinDateTimeFunctionHandler>(id);
    }

    FunctionId id;
};

}  // namespace tbasic

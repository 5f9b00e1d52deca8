// The registry of built-in functions, filled once at start-up.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "expressions/FunctionHandler.h"

namespace tbasic {

class BuiltinFunction {
public:
    BuiltinFunction() = default;
    BuiltinFunction(std::string name, FunctionId id, std::unique_ptr<FunctionHandler> handler)
        : name(std::move(name)), id(id), callForm(callFormOf(id)), handler(std::move(handler)) {}
    BuiltinFunction(const BuiltinFunction& other);
    BuiltinFunction& operator=(const BuiltinFunction& other);
    virtual ~BuiltinFunction() = default;

    std::string name = "*UNDEFINED*";  // lower case
    FunctionId id = 0;
    CallForm callForm = CallForm::SingleArgument;  // callFormOf(id), worked out once
    std::unique_ptr<FunctionHandler> handler;
};

void registerBuiltinFunction(const std::string& name, FunctionId id,
                             std::unique_ptr<FunctionHandler> handler);
bool isBuiltinFunction(std::string_view name);
// The registered record; Error 1 when the name is unknown.
const BuiltinFunction& findBuiltinFunction(std::string_view name);
// The name as registered (with its case, "isNumeric"); Error 1 when unknown.
const std::string& builtinFunctionName(FunctionId id);
// Registers the 43 built-ins; called once at start-up.
void initBuiltinFunctions();

}  // namespace tbasic

#include "expressions/FunctionHandler.h"

#include "diagnostics/Error.h"

namespace tbasic {

CallForm callFormOf(FunctionId id) {
    if (id == 24 || id == 25) return CallForm::NoArgument;
    if (id == 26 || id == 27 || id == 28 || id >= 40) return CallForm::ArgumentList;
    return CallForm::SingleArgument;
}

std::unique_ptr<FunctionHandler> FunctionHandler::clone() const {
    return std::make_unique<FunctionHandler>();
}

void FunctionHandler::evaluateWithArguments(Value&, const std::vector<Value>&) const {
    throw Error(UnexpectedError);
}

void FunctionHandler::evaluateWithArgument(Value&, const Value&) const { throw Error(UnexpectedError); }

void FunctionHandler::evaluateWithoutArguments(Value&) const { throw Error(UnexpectedError); }

}  // namespace tbasic

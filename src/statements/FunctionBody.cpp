// The statements that end a FUNCTION or SUB body. The call's frame is
// closed by the caller (Program::callUserFunction), however the body ends.
#include "diagnostics/Error.h"
#include "lexer/Vocabulary.h"
#include "statements/ProgramExecutor.h"
#include "values/VariableStore.h"

namespace tbasic {

// RETURN [expression]: leaves the body, closing every block it sits in.
void ProgramExecutor::executeReturn() {
    const char* message = "'RETURN' without matching 'FUNCTION' or 'SUB'.";
    // The blocks inside the body close with it; their scopes go with the
    // call's frame, which the caller closes.
    while (!flowEmpty() && flowStack_.top().kind != FlowKind::FunctionBlock &&
           flowStack_.top().kind != FlowKind::SubBlock)
        flowStack_.pop();
    if (flowEmpty()) throw Error(ErrorCode::SyntaxError, message);
    // The record stays where it is while the expression runs (calls push above it).
    const FlowRecord& call = flowStack_.top();
    advance();
    if (call.kind == FlowKind::FunctionBlock) {
        if (cursor_.current().isEndOfLine())
            throw Error(ErrorCode::SyntaxError, "'RETURN' of a function without return value.");
        TokenPosition start = cursor_.position();
        skipExpression();
        TokenPosition end = cursor_.position();
        // Evaluated straight into the call's result: after an error the call
        // has no result to keep.
        Value& result = *returnTarget;
        result = evaluateRange(start, end);
        if (result.type != call.returnType)
            throw Error(ErrorCode::TypeMismatch,
                             formatMessage("Function [%s] declares to return [%s], but actually returns [%s].",
                                           call.functionName->c_str(), dataTypeName(call.returnType).c_str(),
                                           dataTypeName(result.type).c_str()));
        // The frame closes now: the result must not name one of its variables.
        result.origin = nullptr;
    } else if (!cursor_.current().isEndOfLine()) {
        throw Error(ErrorCode::SyntaxError, "EOL expected after 'RETURN' of a sub-routine.");
    }
    advance();
    flowStack_.pop();
    returned = true;
}

void ProgramExecutor::executeEndSub() {
    if (flowEmpty() || topFlow().kind != FlowKind::SubBlock)
        throw Error(ErrorCode::SyntaxError, "'END SUB' without matching 'SUB'.");
    advance();
    if (!cursor_.current().isEndOfLine() && cursor_.current().type != TokenType::EndOfProgram)
        throw Error(ErrorCode::SyntaxError, "EOL expected after 'END SUB'.");
    popFlow();
    returned = true;
}

void ProgramExecutor::executeEndFunction() {
    throw Error(ErrorCode::SyntaxError, "Function exits without 'RETURN'.");
}

}  // namespace tbasic

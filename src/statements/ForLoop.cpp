// FOR variable = start TO limit [STEP step] ... NEXT [variable], with EXIT FOR
// and CONTINUE FOR. Limit and step are evaluated once, when FOR runs.
#include "diagnostics/Error.h"
#include "lexer/Vocabulary.h"
#include "statements/ProgramExecutor.h"
#include "values/Operators.h"
#include "values/VariableStore.h"

namespace tbasic {

namespace {

ForFlowControlInfo* topFor(ProgramExecutor& executor) {
    if (executor.flowEmpty() || executor.topFlow().kind != FlowKind::ForBlock) return nullptr;
    return static_cast<ForFlowControlInfo*>(&executor.topFlow());
}

}  // namespace

bool ProgramExecutor::isLoopFinished(const ForFlowControlInfo& record) {
    const Value& value = record.variable->value();
    if (value.type == DataType::Integer && record.limit.type == DataType::Integer &&
        record.step.type == DataType::Integer) {
        return record.step.intValue < 0 ? value.intValue < record.limit.intValue
                                        : value.intValue > record.limit.intValue;
    }
    if (lessThanZero(record.step)) return lessThan(value, record.limit);
    return !lessThan(value, record.limit) && !equals(value, record.limit);
}

Value ProgramExecutor::evaluateForPart(const char* typeMessage) {
    TokenPosition start = position_;
    skipExpression();
    TokenPosition end = position_;
    Value value = evaluateRange(start, end);
    if (value.type != DataType::Integer && value.type != DataType::Double)
        raiseAt(*currentToken_, ErrorCode::TypeMismatch,
                         formatMessage(typeMessage, dataTypeName(value.type).c_str()));
    return value;
}

void ProgramExecutor::executeFor() {
    advance();
    if (currentToken_->type != TokenType::Variable) syntaxError("Loop variable expected after 'FOR'.");
    Variable& variable = lookupVariable(variables_, *currentToken_);
    advance();
    if (!currentToken_->isOperator(Operator::Equal)) syntaxError("'=' expected in 'FOR' statement.");
    advance();
    Value start = evaluateForPart(
        "Integer or double type expected in FOR statement for initial value of loop variable. The type is [%s]");
    variable.assign(start);
    if (!currentToken_->isCommand(Keyword::To)) syntaxError("'TO' expected.");
    advance();
    Value limit = evaluateForPart(
        "Integer or double type expected in FOR statement for TO value of loop variable. The type is [%s]");
    Value step(static_cast<int32_t>(1));
    if (currentToken_->isCommand(Keyword::Step)) {
        advance();
        step = evaluateForPart(
            "Integer or double type expected in FOR statement for STEP value of loop variable. The type is [%s]");
    }
    if (!currentToken_->isEndOfLine()) syntaxError("EOL expected at the end of FOR statement.");
    advance();
    auto record = std::make_unique<ForFlowControlInfo>(&variable, std::move(limit), std::move(step), position_);
    if (isLoopFinished(*record)) {
        skipPastNext(variable.name);
        return;
    }
    pushFlow(std::move(record));
    variables_.pushScope();
}

void ProgramExecutor::executeNext() {
    ForFlowControlInfo* record = topFor(*this);
    if (!record) syntaxError("'NEXT' without previous matching 'FOR'.");
    advance();
    if (currentToken_->type == TokenType::Variable) {
        if (currentToken_->text != record->variable->name) syntaxError("'NEXT' without previous matching 'FOR'.");
        advance();
    }
    if (!currentToken_->isEndOfLine() && currentToken_->type != TokenType::EndOfProgram)
        syntaxError("End of statement expected after 'NEXT'.");
    advance();
    record->variable->add(record->step);
    if (isLoopFinished(*record)) {
        popFlow();
        variables_.popScope();
    } else {
        variables_.clearScope();
        seek(record->bodyStart);
    }
}

// From inside a loop body to the first token after its NEXT line.
void ProgramExecutor::skipPastNext(const std::string& variableName) {
    int depth = 1;
    TokenPosition p = position_;
    for (; p != endPosition_ && p->type != TokenType::EndOfProgram; ++p) {
        if (p->type != TokenType::Command) continue;
        if (p->keyword == Keyword::For) {
            ++depth;
        } else if (p->keyword == Keyword::Next) {
            if (--depth < 1) break;
        }
    }
    seek(p);
    if (currentToken_->type == TokenType::EndOfProgram)
        raiseAt(*currentToken_, ErrorCode::SyntaxError, "'FOR' without matching 'NEXT'.");
    advance();
    if (currentToken_->type == TokenType::Variable) {
        if (currentToken_->text != variableName) syntaxError("'NEXT' without previous matching 'FOR'.");
        advance();
    }
    if (currentToken_->isEndOfLine() || currentToken_->type == TokenType::EndOfProgram) {
        advance();
    } else {
        syntaxError("End of statement expected after 'NEXT'.");
    }
}

void ProgramExecutor::executeExitFor() {
    const char* message = "'EXIT FOR' without previous matching 'FOR'.";
    if (flowEmpty()) syntaxError(message);
    unwindTo(FlowKind::ForBlock, message);
    advance();
    if (!currentToken_->isEndOfLine()) syntaxError("EOL expected after 'EXIT FOR'.");
    advance();
    ForFlowControlInfo* record = topFor(*this);
    skipPastNext(record->variable->name);
    popFlow();
    variables_.popScope();
}

void ProgramExecutor::executeContinueFor() {
    const char* message = "'CONTINUE FOR' without previous matching 'FOR'.";
    if (flowEmpty()) syntaxError(message);
    unwindTo(FlowKind::ForBlock, message);
    advance();
    if (!currentToken_->isEndOfLine()) syntaxError("EOL expected after 'CONTINUE FOR'.");
    advance();
    ForFlowControlInfo* record = topFor(*this);
    record->variable->add(record->step);
    if (isLoopFinished(*record)) {
        skipPastNext(record->variable->name);
        popFlow();
        variables_.popScope();
    } else {
        variables_.clearScope();
        seek(record->bodyStart);
    }
}

}  // namespace tbasic

// FOR variable = start TO limit [STEP step] ... NEXT [variable], with EXIT FOR
// and CONTINUE FOR. Limit and step are evaluated once, when FOR runs.
#include "diagnostics/Error.h"
#include "lexer/Vocabulary.h"
#include "statements/ProgramExecutor.h"
#include "values/Operators.h"
#include "values/VariableStore.h"

namespace tbasic {

namespace {

constexpr ProgramExecutor::BlockShape forLoop{3, {Keyword::For}, {}, {Keyword::Next}};

FlowRecord* topFor(ProgramExecutor& executor) { return executor.topFlowOf(FlowKind::ForBlock); }

// Whether the loop variable's value has passed the limit in the step's direction.
bool passedLimit(const Value& value, const Value& limit, const Value& step) {
    if (value.type == DataType::Integer && limit.type == DataType::Integer && step.type == DataType::Integer)
        return step.intValue < 0 ? value.intValue < limit.intValue : value.intValue > limit.intValue;
    if (lessThanZero(step)) return lessThan(value, limit);
    return !lessThan(value, limit) && !equals(value, limit);
}

}  // namespace

bool ProgramExecutor::isLoopFinished(const FlowRecord& record) {
    return passedLimit(record.variable->value(), record.limit, record.step);
}

Value ProgramExecutor::evaluateForPart(const char* typeMessage) {
    TokenPosition start = cursor_.position();
    skipExpression();
    TokenPosition end = cursor_.position();
    Value value = evaluateRange(start, end);
    if (value.type != DataType::Integer && value.type != DataType::Double)
        raiseAt(cursor_.current(), ErrorCode::TypeMismatch,
                         formatMessage(typeMessage, dataTypeName(value.type).c_str()));
    return value;
}

void ProgramExecutor::executeFor() {
    advance();
    cursor_.expectType(TokenType::Variable, "Loop variable expected after 'FOR'.");
    Variable& variable = lookupVariable(variables_, cursor_.current());
    advance();
    cursor_.expectOperator(Operator::Equal, "'=' expected in 'FOR' statement.");
    Value start = evaluateForPart(
        "Integer or double type expected in FOR statement for initial value of loop variable. The type is [%s]");
    variable.assign(start);
    cursor_.expectCommand(Keyword::To, "'TO' expected.");
    Value limit = evaluateForPart(
        "Integer or double type expected in FOR statement for TO value of loop variable. The type is [%s]");
    Value step(static_cast<int32_t>(1));
    if (cursor_.accept(Keyword::Step)) {
        step = evaluateForPart(
            "Integer or double type expected in FOR statement for STEP value of loop variable. The type is [%s]");
    }
    cursor_.expectEndOfLine("EOL expected at the end of FOR statement.");
    if (passedLimit(variable.value(), limit, step)) {
        skipPastNext(variable.name);
        return;
    }
    FlowRecord& record = openBlock(FlowKind::ForBlock);
    record.variable = &variable;
    record.limit = std::move(limit);
    record.step = std::move(step);
    record.bodyStart = cursor_.position();
}

void ProgramExecutor::executeNext() {
    FlowRecord* record = topFor(*this);
    if (!record) cursor_.fail("'NEXT' without previous matching 'FOR'.");
    advance();
    if (cursor_.current().type == TokenType::Variable) {
        if (!cursor_.current().textIs(record->variable->name)) cursor_.fail("'NEXT' without previous matching 'FOR'.");
        advance();
    }
    cursor_.expectEndOfStatement("End of statement expected after 'NEXT'.");
    record->variable->add(record->step);
    if (isLoopFinished(*record)) {
        closeBlock();
    } else {
        repeatBlock(record->bodyStart);
    }
}

// From inside a loop body to the first token after its NEXT line.
void ProgramExecutor::skipPastNext(const std::string& variableName) {
    if (!skipToBlockEnd(forLoop)) cursor_.fail("'FOR' without matching 'NEXT'.");
    advance();
    if (cursor_.current().type == TokenType::Variable) {
        if (!cursor_.current().textIs(variableName)) cursor_.fail("'NEXT' without previous matching 'FOR'.");
        advance();
    }
    if (cursor_.current().isEndOfLine() || cursor_.current().type == TokenType::EndOfProgram) {
        advance();
    } else {
        cursor_.fail("End of statement expected after 'NEXT'.");
    }
}

void ProgramExecutor::executeExitFor() {
    leaveInnerBlocks(FlowKind::ForBlock, "'EXIT FOR' without previous matching 'FOR'.",
                     "EOL expected after 'EXIT FOR'.");
    advance();
    skipPastNext(topFor(*this)->variable->name);
    closeBlock();
}

void ProgramExecutor::executeContinueFor() {
    leaveInnerBlocks(FlowKind::ForBlock, "'CONTINUE FOR' without previous matching 'FOR'.",
                     "EOL expected after 'CONTINUE FOR'.");
    advance();
    FlowRecord* record = topFor(*this);
    record->variable->add(record->step);
    if (isLoopFinished(*record)) {
        skipPastNext(record->variable->name);
        closeBlock();
    } else {
        repeatBlock(record->bodyStart);
    }
}

}  // namespace tbasic

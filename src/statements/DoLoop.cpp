// DO [WHILE | UNTIL condition] ... LOOP [WHILE | UNTIL condition], with EXIT DO
// and CONTINUE DO. The record keeps the condition's token range and, once
// known, the position after the LOOP line.
#include "diagnostics/Error.h"
#include "lexer/Vocabulary.h"
#include "statements/ProgramExecutor.h"
#include "values/VariableStore.h"

namespace tbasic {

namespace {

DoFlowControlInfo* topDo(ProgramExecutor& executor) {
    if (executor.flowEmpty() || executor.topFlow().kind != FlowKind::DoBlock) return nullptr;
    return static_cast<DoFlowControlInfo*>(&executor.topFlow());
}

bool isDoKeyword(const Token& token) {
    return token.type == TokenType::Command &&
           (token.keyword == Keyword::Do || token.keyword == Keyword::DoWhile || token.keyword == Keyword::DoUntil);
}

bool isLoopKeyword(const Token& token) {
    return token.type == TokenType::Command && (token.keyword == Keyword::Loop ||
                                                token.keyword == Keyword::LoopWhile ||
                                                token.keyword == Keyword::LoopUntil);
}

LoopCondition loopConditionOf(const Token& token) {
    if (token.keyword == Keyword::LoopWhile || token.keyword == Keyword::DoWhile) return LoopCondition::WhileCondition;
    if (token.keyword == Keyword::LoopUntil || token.keyword == Keyword::DoUntil) return LoopCondition::UntilCondition;
    return LoopCondition::NoCondition;
}

}  // namespace

bool ProgramExecutor::shouldLeaveLoop(DoFlowControlInfo& record) {
    if (record.conditionKind == LoopCondition::NoCondition) return false;
    if (record.conditionBegin == record.conditionEnd)
        throw Error(ErrorCode::SyntaxError, "expression expected in DO loop.");
    Value condition = evaluateRange(record.conditionBegin, record.conditionEnd);
    if (condition.type != DataType::Boolean)
        throw Error(ErrorCode::TypeMismatch,
                         formatMessage("Boolean type expected for condition expression in DO loop. The type is [%s]",
                                       dataTypeName(condition.type).c_str()));
    return record.conditionKind == LoopCondition::WhileCondition ? !condition.boolValue : condition.boolValue;
}

// Scans from inside the body to the matching LOOP keyword and stops on it.
static void scanToLoopKeyword(ProgramExecutor& executor) {
    int depth = 1;
    TokenPosition p = executor.position();
    const TokenPosition end = executor.endPosition();
    for (; p != end && p->type != TokenType::EndOfProgram; ++p) {
        if (isDoKeyword(*p)) {
            ++depth;
        } else if (isLoopKeyword(*p)) {
            if (--depth < 1) break;
        }
    }
    executor.seek(p);
    if (executor.currentToken().type == TokenType::EndOfProgram)
        throw Error(ErrorCode::SyntaxError, "'DO' without matching 'LOOP'.");
}

void ProgramExecutor::jumpPastLoop(DoFlowControlInfo& record, bool hasTopCondition) {
    if (record.loopEndKnown) {
        seek(record.loopEnd);
        return;
    }
    scanToLoopKeyword(*this);
    advance();
    if (!currentToken_->isEndOfLine() && currentToken_->type != TokenType::EndOfProgram) {
        if (hasTopCondition) throw Error(ErrorCode::SyntaxError, "Duplicate loop condition.");
        skipToEndOfStatement();
    }
    advance();
    record.loopEnd = position_;
    record.loopEndKnown = true;
}

void ProgramExecutor::executeDo(LoopCondition condition) {
    advance();
    auto record = std::make_unique<DoFlowControlInfo>(condition, endPosition_);
    if (condition != LoopCondition::NoCondition) {
        record->conditionBegin = position_;
        skipExpression();
        record->conditionEnd = position_;
    }
    if (!currentToken_->isEndOfLine()) throw Error(ErrorCode::SyntaxError, "EOL expected at the end of DO.");
    advance();
    record->bodyStart = position_;
    if (shouldLeaveLoop(*record)) {
        jumpPastLoop(*record, record->conditionAtTop);
        return;
    }
    pushFlow(std::move(record));
    variables_.pushScope();
}

// The first reading of a LOOP line: its condition, if any, and the position after it.
void ProgramExecutor::readLoopLine(DoFlowControlInfo& record, LoopCondition condition) {
    advance();
    if (condition != LoopCondition::NoCondition) {
        if (record.conditionAtTop) throw Error(ErrorCode::SyntaxError, "Duplicate loop condition.");
        record.conditionKind = condition;
        record.conditionBegin = position_;
        skipExpression();
        record.conditionEnd = position_;
    }
    if (!currentToken_->isEndOfLine()) throw Error(ErrorCode::SyntaxError, "EOL expected at the end of LOOP.");
    advance();
    record.loopEnd = position_;
    record.loopEndKnown = true;
    record.loopParsed = true;
}

void ProgramExecutor::executeLoop(LoopCondition condition) {
    DoFlowControlInfo* record = topDo(*this);
    if (!record) throw Error(ErrorCode::SyntaxError, "'LOOP' without previous matching 'DO'.");
    if (!record->loopParsed) readLoopLine(*record, condition);
    if (shouldLeaveLoop(*record)) {
        seek(record->loopEnd);
        popFlow();
        variables_.popScope();
    } else {
        variables_.clearScope();
        seek(record->bodyStart);
    }
}

void ProgramExecutor::executeExitDo() {
    const char* message = "'EXIT DO' without previous matching 'DO'.";
    if (flowEmpty()) syntaxError(message);
    unwindTo(FlowKind::DoBlock, message);
    advance();
    if (!currentToken_->isEndOfLine()) syntaxError("EOL expected after 'EXIT DO'.");
    advance();
    DoFlowControlInfo* record = topDo(*this);
    jumpPastLoop(*record, record->conditionAtTop);
    popFlow();
    variables_.popScope();
}

// CONTINUE DO tests the loop's condition on every pass. A bottom-tested loop
// whose LOOP line has not been read yet has it read first, as LOOP would; the
// test itself runs from the CONTINUE DO line, so its errors are reported there.
void ProgramExecutor::executeContinueDo() {
    const char* message = "'CONTINUE DO' without previous matching 'DO'.";
    if (flowEmpty()) syntaxError(message);
    unwindTo(FlowKind::DoBlock, message);
    advance();
    if (!currentToken_->isEndOfLine()) syntaxError("EOL expected after 'CONTINUE DO'.");
    DoFlowControlInfo* record = topDo(*this);
    if (!record->conditionAtTop && !record->loopParsed) {
        const TokenPosition lineEnd = position_;
        scanToLoopKeyword(*this);
        readLoopLine(*record, loopConditionOf(*currentToken_));
        seek(lineEnd);
    }
    if (shouldLeaveLoop(*record)) {
        jumpPastLoop(*record, record->conditionAtTop);
        popFlow();
        variables_.popScope();
    } else {
        variables_.clearScope();
        seek(record->bodyStart);
    }
}

}  // namespace tbasic

// DO [WHILE | UNTIL condition] ... LOOP [WHILE | UNTIL condition], with EXIT DO
// and CONTINUE DO. The record keeps the condition's token range and, once
// known, the position after the LOOP line.
#include "diagnostics/Error.h"
#include "lexer/Vocabulary.h"
#include "statements/ProgramExecutor.h"
#include "values/VariableStore.h"

namespace tbasic {

namespace {

FlowRecord* topDo(ProgramExecutor& executor) { return executor.topFlowOf(FlowKind::DoBlock); }

constexpr ProgramExecutor::BlockShape doLoop{
    4, {Keyword::Do, Keyword::DoWhile, Keyword::DoUntil}, {}, {Keyword::Loop, Keyword::LoopWhile, Keyword::LoopUntil}};

LoopCondition loopConditionOf(const Token& token) {
    if (token.keyword == Keyword::LoopWhile || token.keyword == Keyword::DoWhile) return LoopCondition::WhileCondition;
    if (token.keyword == Keyword::LoopUntil || token.keyword == Keyword::DoUntil) return LoopCondition::UntilCondition;
    return LoopCondition::NoCondition;
}

}  // namespace

bool ProgramExecutor::shouldLeaveLoop(FlowRecord& record) {
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
    if (!executor.skipToBlockEnd(doLoop)) throw Error(ErrorCode::SyntaxError, "'DO' without matching 'LOOP'.");
}

void ProgramExecutor::jumpPastLoop(FlowRecord& record, bool hasTopCondition) {
    if (record.loopEndKnown) {
        seek(record.loopEnd);
        return;
    }
    scanToLoopKeyword(*this);
    advance();
    if (!cursor_.current().isEndOfLine() && cursor_.current().type != TokenType::EndOfProgram) {
        if (hasTopCondition) throw Error(ErrorCode::SyntaxError, "Duplicate loop condition.");
        skipToEndOfStatement();
    }
    advance();
    record.loopEnd = cursor_.position();
    record.loopEndKnown = true;
}

// The record is opened first and closed again when the loop is not entered;
// the body's scope opens only when it is.
void ProgramExecutor::executeDo(LoopCondition condition) {
    advance();
    FlowRecord& record = pushFlow(FlowKind::DoBlock);
    record.conditionKind = condition;
    record.conditionAtTop = condition != LoopCondition::NoCondition;
    record.loopParsed = false;
    record.loopEndKnown = false;
    record.conditionBegin = record.conditionEnd = record.loopEnd = cursor_.end();
    if (condition != LoopCondition::NoCondition) {
        record.conditionBegin = cursor_.position();
        skipExpression();
        record.conditionEnd = cursor_.position();
    }
    if (!cursor_.current().isEndOfLine()) throw Error(ErrorCode::SyntaxError, "EOL expected at the end of DO.");
    advance();
    record.bodyStart = cursor_.position();
    if (shouldLeaveLoop(record)) {
        jumpPastLoop(record, record.conditionAtTop);
        popFlow();
        return;
    }
    variables_.pushScope();
}

// The first reading of a LOOP line: its condition, if any, and the position after it.
void ProgramExecutor::readLoopLine(FlowRecord& record, LoopCondition condition) {
    advance();
    if (condition != LoopCondition::NoCondition) {
        if (record.conditionAtTop) throw Error(ErrorCode::SyntaxError, "Duplicate loop condition.");
        record.conditionKind = condition;
        record.conditionBegin = cursor_.position();
        skipExpression();
        record.conditionEnd = cursor_.position();
    }
    if (!cursor_.current().isEndOfLine()) throw Error(ErrorCode::SyntaxError, "EOL expected at the end of LOOP.");
    advance();
    record.loopEnd = cursor_.position();
    record.loopEndKnown = true;
    record.loopParsed = true;
}

void ProgramExecutor::executeLoop(LoopCondition condition) {
    FlowRecord* record = topDo(*this);
    if (!record) throw Error(ErrorCode::SyntaxError, "'LOOP' without previous matching 'DO'.");
    if (!record->loopParsed) readLoopLine(*record, condition);
    if (shouldLeaveLoop(*record)) {
        seek(record->loopEnd);
        closeBlock();
    } else {
        repeatBlock(record->bodyStart);
    }
}

void ProgramExecutor::executeExitDo() {
    leaveInnerBlocks(FlowKind::DoBlock, "'EXIT DO' without previous matching 'DO'.", "EOL expected after 'EXIT DO'.");
    advance();
    FlowRecord* record = topDo(*this);
    jumpPastLoop(*record, record->conditionAtTop);
    closeBlock();
}

// CONTINUE DO tests the loop's condition on every pass. A bottom-tested loop
// whose LOOP line has not been read yet has it read first, as LOOP would; the
// test itself runs from the CONTINUE DO line, so its errors are reported there.
void ProgramExecutor::executeContinueDo() {
    leaveInnerBlocks(FlowKind::DoBlock, "'CONTINUE DO' without previous matching 'DO'.",
                     "EOL expected after 'CONTINUE DO'.");
    FlowRecord* record = topDo(*this);
    if (!record->conditionAtTop && !record->loopParsed) {
        const TokenPosition lineEnd = cursor_.position();
        scanToLoopKeyword(*this);
        readLoopLine(*record, loopConditionOf(cursor_.current()));
        seek(lineEnd);
    }
    if (shouldLeaveLoop(*record)) {
        jumpPastLoop(*record, record->conditionAtTop);
        closeBlock();
    } else {
        repeatBlock(record->bodyStart);
    }
}

}  // namespace tbasic

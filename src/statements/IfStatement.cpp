// IF condition THEN / ELSEIF condition THEN / ELSE / END IF.
// Branches are not parsed ahead: a false branch is skipped by scanning
// forward to the next ELSEIF, ELSE or END IF of the same depth.
#include "diagnostics/Error.h"
#include "lexer/Vocabulary.h"
#include "statements/ProgramExecutor.h"
#include "values/VariableStore.h"

namespace tbasic {

namespace {

constexpr ProgramExecutor::BlockShape ifBranches{
    1, {Keyword::If}, {Keyword::ElseIf, Keyword::Else}, {Keyword::EndIf}};
constexpr ProgramExecutor::BlockShape wholeIf{2, {Keyword::If}, {}, {Keyword::EndIf}};

FlowRecord* topIf(ProgramExecutor& executor) { return executor.topFlowOf(FlowKind::IfBlock); }

}  // namespace

// Reads "condition THEN EOL" and returns the condition.
__attribute__((always_inline)) inline bool ProgramExecutor::readCondition(const char* typeMessage) {
    TokenPosition start = cursor_.position();
    skipExpression();
    TokenPosition end = cursor_.position();
    Value condition = evaluateRange(start, end);
    if (condition.type != DataType::Boolean)
        raiseAt(cursor_.current(), ErrorCode::TypeMismatch,
                         formatMessage(typeMessage, dataTypeName(condition.type).c_str()));
    cursor_.expectCommand(Keyword::Then, "'THEN' expected.");
    cursor_.expectEndOfLine("EOL expected after 'THEN'.");
    return condition.boolValue;
}

void ProgramExecutor::executeIf() {
    advance();
    bool condition = readCondition("Boolean type expected in IF statement. The type is [%s]");
    if (condition) {
        openBlock(FlowKind::IfBlock).branchTaken = true;
        return;
    }
    skipToNextBranch();
    if (cursor_.current().isCommand(Keyword::EndIf)) {
        // No branch runs: the END IF line is read as END IF reads it, and
        // the block is never opened.
        readEndIfLine();
        return;
    }
    openBlock(FlowKind::IfBlock).branchTaken = false;
}

void ProgramExecutor::executeElseIf() {
    advance();
    FlowRecord* record = topIf(*this);
    if (!record) cursor_.fail("'ELSEIF' without previous matching 'IF'.");
    if (record->branchTaken) {
        skipToEndIf();
        return;
    }
    bool condition = readCondition("Boolean type expected in ELSEIF statement. The type is [%s]");
    record->branchTaken = condition;
    if (!condition) skipToNextBranch();
}

void ProgramExecutor::executeElse() {
    advance();
    cursor_.expectEndOfLine("EOL expected after 'ELSE'.");
    FlowRecord* record = topIf(*this);
    if (!record) cursor_.fail("'ELSE' without previous matching 'IF'.");
    if (record->branchTaken) skipToEndIf();
}

// Moves past END IF and the end of its line.
void ProgramExecutor::readEndIfLine() {
    advance();
    cursor_.expectEndOfStatement("End of statement expected after 'END IF'.");
}

void ProgramExecutor::executeEndIf() {
    readEndIfLine();
    if (!topIf(*this)) cursor_.fail("'END IF' without previous matching 'IF'.");
    closeBlock();
}

// Stops on the ELSEIF, ELSE or END IF that continues the current IF.
void ProgramExecutor::skipToNextBranch() {
    if (!skipToBlockEnd(ifBranches)) cursor_.fail("'IF' without matching 'END IF'.");
}

// Stops on the END IF of the current IF, passing over its other branches.
void ProgramExecutor::skipToEndIf() {
    if (!skipToBlockEnd(wholeIf)) cursor_.fail("'IF' without matching 'END IF'.");
}

}  // namespace tbasic

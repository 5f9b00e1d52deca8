// IF condition THEN / ELSEIF condition THEN / ELSE / END IF.
// Branches are not parsed ahead: a false branch is skipped by scanning
// forward to the next ELSEIF, ELSE or END IF of the same depth.
#include "diagnostics/Error.h"
#include "lexer/Vocabulary.h"
#include "statements/ProgramExecutor.h"
#include "values/VariableStore.h"

namespace tbasic {

namespace {

IfFlowControlInfo* topIf(ProgramExecutor& executor) {
    if (executor.flowEmpty() || executor.topFlow().kind != FlowKind::IfBlock) return nullptr;
    return static_cast<IfFlowControlInfo*>(&executor.topFlow());
}

}  // namespace

// Reads "condition THEN EOL" and returns the condition.
bool ProgramExecutor::readCondition(const char* typeMessage) {
    TokenPosition start = position_;
    skipExpression();
    TokenPosition end = position_;
    Value condition = evaluateRange(start, end);
    if (condition.type != DataType::Boolean)
        raiseAt(*currentToken_, ErrorCode::TypeMismatch,
                         formatMessage(typeMessage, dataTypeName(condition.type).c_str()));
    if (!currentToken_->isCommand(Keyword::Then)) syntaxError("'THEN' expected.");
    advance();
    if (!currentToken_->isEndOfLine()) syntaxError("EOL expected after 'THEN'.");
    advance();
    return condition.boolValue;
}

void ProgramExecutor::executeIf() {
    advance();
    bool condition = readCondition("Boolean type expected in IF statement. The type is [%s]");
    pushFlow(std::make_unique<IfFlowControlInfo>(condition));
    variables_.pushScope();
    if (!condition) skipToNextBranch();
}

void ProgramExecutor::executeElseIf() {
    advance();
    IfFlowControlInfo* record = topIf(*this);
    if (!record) syntaxError("'ELSEIF' without previous matching 'IF'.");
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
    if (!currentToken_->isEndOfLine()) syntaxError("EOL expected after 'ELSE'.");
    advance();
    IfFlowControlInfo* record = topIf(*this);
    if (!record) syntaxError("'ELSE' without previous matching 'IF'.");
    if (record->branchTaken) skipToEndIf();
}

void ProgramExecutor::executeEndIf() {
    advance();
    if (!currentToken_->isEndOfLine() && currentToken_->type != TokenType::EndOfProgram)
        syntaxError("End of statement expected after 'END IF'.");
    advance();
    if (!topIf(*this)) syntaxError("'END IF' without previous matching 'IF'.");
    popFlow();
    variables_.popScope();
}

// Stops on the ELSEIF, ELSE or END IF that continues the current IF.
void ProgramExecutor::skipToNextBranch() {
    int depth = 1;
    TokenPosition p = position_;
    for (; p != endPosition_ && p->type != TokenType::EndOfProgram; ++p) {
        if (p->type != TokenType::Command) continue;
        if (p->keyword == Keyword::If) {
            ++depth;
        } else if (p->keyword == Keyword::ElseIf || p->keyword == Keyword::Else) {
            if (depth <= 1) break;
        } else if (p->keyword == Keyword::EndIf) {
            if (--depth < 1) break;
        }
    }
    seek(p);
    if (currentToken_->type == TokenType::EndOfProgram)
        raiseAt(*currentToken_, ErrorCode::SyntaxError, "'IF' without matching 'END IF'.");
}

// Stops on the END IF of the current IF, passing over its other branches.
void ProgramExecutor::skipToEndIf() {
    int depth = 1;
    TokenPosition p = position_;
    for (; p != endPosition_ && p->type != TokenType::EndOfProgram; ++p) {
        if (p->type != TokenType::Command) continue;
        if (p->keyword == Keyword::If) {
            ++depth;
        } else if (p->keyword == Keyword::EndIf) {
            if (--depth < 1) break;
        }
    }
    seek(p);
    if (currentToken_->type == TokenType::EndOfProgram)
        raiseAt(*currentToken_, ErrorCode::SyntaxError, "'IF' without matching 'END IF'.");
}

}  // namespace tbasic

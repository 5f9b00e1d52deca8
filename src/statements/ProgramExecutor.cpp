#include "statements/ProgramExecutor.h"

#include "diagnostics/Error.h"
#include "expressions/ExpressionEvaluator.h"
#include "lexer/Vocabulary.h"
#include "statements/Console.h"
#include "statements/Program.h"
#include "values/VariableStore.h"

namespace tbasic {

namespace {

unsigned long long statementBudget = 0;  // 0: no limit
unsigned long long statementsLeft = 0;

// Kept out of line: the statement dispatch stays small enough to inline.
[[noreturn]] __attribute__((noinline, cold)) void failUnhandledCommand(const Token& token) {
    const std::string name(keywordName(token.keyword));
    raiseAt(token, ErrorCode::UnexpectedError, formatMessage("Command [%s] not handled!!!", name.c_str()));
}

bool isExpressionToken(const Token& token) { return tokenTypeRecord(token.type).inExpression; }

}  // namespace

void setStatementBudget(unsigned long long budget) {
    statementBudget = budget;
    statementsLeft = budget;
}

namespace {

FlowStack sharedFlowStack;

}  // namespace

ProgramExecutor::ProgramExecutor(const TokenList& tokens, VariableStore& variables, UserFunctionCaller& functions)
    : cursor_(tokens),
      variables_(variables),
      functions_(functions),
      flowStack_(sharedFlowStack),
      flowBase_(flowStack_.size()) {}

ProgramExecutor::~ProgramExecutor() { flowStack_.truncate(flowBase_); }

void ProgramExecutor::run() {
    try {
        while (true) {
            if (statementBudget != 0 && statementsLeft-- == 0) throw StatementBudgetExhausted{};
            const Token& token = cursor_.current();
            switch (token.type) {
            case TokenType::EndOfProgram:
                return;
            case TokenType::Variable:
                executeAssignment();
                break;
            case TokenType::Function:
                executeExpressionStatement();
                break;
            case TokenType::Command:
                if (!executeCommand(token)) return;
                break;
            case TokenType::Delimiter:
                if (token.isEndOfLine()) {
                    advance();
                    break;
                }
                raiseAt(token);
            // A literal, operator, type name, built-in or array starts no statement.
            case TokenType::Operator: case TokenType::Bool: case TokenType::Integer: case TokenType::Double:
            case TokenType::String: case TokenType::DataType: case TokenType::BuiltinFunction:
            case TokenType::FuncOrArray: case TokenType::Array: case TokenType::Count:
                raiseAt(token);
            }
        }
    } catch (Error& error) {
        if (cursor_.current().type != TokenType::EndOfProgram) attachToken(error, cursor_.current());
        throw;
    }
}

bool ProgramExecutor::executeCommand(const Token& token) {
    switch (token.keyword) {
    case Keyword::Dim: executeDim(); return true;
    case Keyword::If: executeIf(); return true;
    case Keyword::ElseIf: executeElseIf(); return true;
    case Keyword::Else: executeElse(); return true;
    case Keyword::EndIf: executeEndIf(); return true;
    case Keyword::For: executeFor(); return true;
    case Keyword::Next: executeNext(); return true;
    case Keyword::ExitFor: executeExitFor(); return true;
    case Keyword::ContinueFor: executeContinueFor(); return true;
    case Keyword::Do: executeDo(LoopCondition::NoCondition); return true;
    case Keyword::DoWhile: executeDo(LoopCondition::WhileCondition); return true;
    case Keyword::DoUntil: executeDo(LoopCondition::UntilCondition); return true;
    case Keyword::Loop: executeLoop(LoopCondition::NoCondition); return true;
    case Keyword::LoopWhile: executeLoop(LoopCondition::WhileCondition); return true;
    case Keyword::LoopUntil: executeLoop(LoopCondition::UntilCondition); return true;
    case Keyword::ExitDo: executeExitDo(); return true;
    case Keyword::ContinueDo: executeContinueDo(); return true;
    case Keyword::End:
        if (functionBody) throw ProgramEnd{};
        return false;
    case Keyword::EndFunction: executeEndFunction(); return false;
    case Keyword::EndSub: executeEndSub(); return false;
    case Keyword::Return: executeReturn(); return false;
    case Keyword::Print: executePrint(); return true;
    // Words that only stand inside a statement, and the unimplemented INPUT.
    case Keyword::As: case Keyword::Then: case Keyword::To: case Keyword::Step: case Keyword::Function:
    case Keyword::Sub: case Keyword::ByVal: case Keyword::ByRef: case Keyword::Input: case Keyword::Rem:
    case Keyword::Count:
        break;
    }
    failUnhandledCommand(token);
}

TokenPosition ProgramExecutor::scanExpressionEnd(TokenPosition p) const {
    if (p == cursor_.end()) return p;
    TokenPosition q = p;
    while (q != cursor_.end() && isExpressionToken(*q)) ++q;
    if (q - p < 65535) p->expressionLength = static_cast<uint16_t>(q - p + 1);
    return q;
}

// No expression token ends a statement, so the scan starts past the expression.
void ProgramExecutor::skipToEndOfStatement() {
    TokenPosition p = expressionEnd(cursor_.position());
    while (p != cursor_.end() && !p->endsStatement) ++p;
    seek(p);
}

Value ProgramExecutor::evaluateRange(const TokenPosition& begin, const TokenPosition& end) {
    ExpressionEvaluator evaluator(begin, end, variables_, &functions_);
    return evaluator.evaluate();
}

void ProgramExecutor::unwindTo(FlowKind kind, const char* notMatchedMessage) {
    while (!flowEmpty() && flowStack_.top().kind != kind) closeBlock();
    if (flowEmpty()) cursor_.fail(notMatchedMessage);
}

// EXIT and CONTINUE start alike: the blocks inside the loop close, the line must end.
void ProgramExecutor::leaveInnerBlocks(FlowKind kind, const char* notMatchedMessage, const char* lineEndMessage) {
    unwindTo(kind, notMatchedMessage);
    advance();
    if (!cursor_.current().isEndOfLine()) cursor_.fail(lineEndMessage);
}

bool ProgramExecutor::skipToBlockEnd(const BlockShape& shape) {
    const TokenPosition start = cursor_.position();
    if (start != cursor_.end() && (start->blockScanEnd & 7) == shape.id) {
        seek(start + (start->blockScanEnd >> 3));
        return true;
    }
    int depth = 1;
    TokenPosition p = start;
    for (; p != cursor_.end() && p->type != TokenType::EndOfProgram; ++p) {
        if (p->type != TokenType::Command) continue;
        const Keyword keyword = p->keyword;
        if (shape.opens.has(keyword)) {
            ++depth;
        } else if (shape.continues.has(keyword)) {
            if (depth <= 1) break;
        } else if (shape.closes.has(keyword)) {
            if (--depth < 1) break;
        }
    }
    seek(p);
    if (cursor_.current().type == TokenType::EndOfProgram) return false;
    if (p - start < (std::ptrdiff_t{1} << 27)) start->blockScanEnd = static_cast<int32_t>(p - start) * 8 + shape.id;
    return true;
}

// name "=" expression
void ProgramExecutor::executeAssignment() {
    const Token& name = cursor_.current();
    Variable& variable = lookupVariable(variables_, name);
    advance();
    cursor_.expectOperator(Operator::Equal, "operator '=' expected.");
    TokenPosition start = cursor_.position();
    skipToEndOfStatement();
    TokenPosition end = cursor_.position();
    variable.assign(evaluateRange(start, end));
    advance();
}

// A FUNCTION or SUB called as a statement; its result is dropped.
void ProgramExecutor::executeExpressionStatement() {
    TokenPosition start = cursor_.position();
    skipToEndOfStatement();
    TokenPosition end = cursor_.position();
    evaluateRange(start, end);
    advance();
}

// DIM name { "," name } AS type
void ProgramExecutor::executeDim() {
    std::vector<std::string_view> names;
    while (true) {
        advance();
        cursor_.expectType(TokenType::Variable, "Variable name expected after 'DIM'.");
        names.push_back(cursor_.current().text());
        advance();
        if (cursor_.current().isCommand(Keyword::As)) break;
        if (cursor_.current().isDelimiter(',')) continue;
        raiseAt(cursor_.current());
    }
    advance();
    cursor_.expectType(TokenType::DataType, "data type expected");
    DataType type = dataTypeFromName(cursor_.current().text());
    advance();
    cursor_.expectEndOfStatement("End of statement expected after data type");
    for (std::string_view name : names) variables_.declare(Variable(std::string(name), type));
}

// PRINT { item | ";" | "," }. The tokenizer makes only three delimiters:
// line ends, ";" and ",".
void ProgramExecutor::executePrint() {
    bool lineEnd = true;
    advance();
    while (cursor_.current().type != TokenType::EndOfProgram) {
        const Token& token = cursor_.current();
        if (token.type != TokenType::Delimiter) {
            TokenPosition start = cursor_.position();
            skipExpression();
            writeOutput(evaluateRange(start, cursor_.position()));
            lineEnd = true;
            continue;
        }
        advance();
        if (token.isEndOfLine()) {
            if (lineEnd) writeLineEnd();
            return;
        }
        if (token.isDelimiter(',')) writeOutputChar('\t');
        lineEnd = false;
    }
    writeLineEnd();
}

}  // namespace tbasic

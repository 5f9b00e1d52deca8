#include "statements/ProgramExecutor.h"

#include "diagnostics/Error.h"
#include "expressions/ExpressionEvaluator.h"
#include "lexer/Keywords.h"
#include "statements/Console.h"
#include "values/VariableStore.h"

namespace tbasic {

namespace {

unsigned long long statementBudget = 0;  // 0: no limit
unsigned long long statementsLeft = 0;

// Expression tokens: everything else ends an expression range.
// ORDER TOKENTYPE
constexpr bool expressionTokenTypes[] = {
    false,  // delimiter
    true,   // operator
    false,  // command
    true,   // variable
    true,   // bool
    true,   // integer
    true,   // double
    true,   // string
    false,  // data type
    true,   // built-in function
    true,   // func_or_array
    true,   // function
    false,  // array
    false,  // end of program
};

bool isExpressionToken(const Token& token) {
    return expressionTokenTypes[static_cast<int>(token.type)];
}

}  // namespace

void setStatementBudget(unsigned long long budget) {
    statementBudget = budget;
    statementsLeft = budget;
}

std::vector<std::unique_ptr<FlowControlInfo>>& sharedFlowStack() {
    static std::vector<std::unique_ptr<FlowControlInfo>> stack;
    return stack;
}

ProgramExecutor::ProgramExecutor(const TokenList& tokens)
    : endPosition_(tokens.data() + tokens.size()),
      currentToken_(tokens.empty() ? &endOfProgramToken : tokens.data()),
      position_(tokens.data()),
      variables_(variableStore()),
      flowStack_(sharedFlowStack()),
      flowBase_(flowStack_.size()) {}

ProgramExecutor::~ProgramExecutor() {
    while (flowStack_.size() > flowBase_) flowStack_.pop_back();
}

void ProgramExecutor::run() {
    try {
        while (true) {
            if (statementBudget != 0 && statementsLeft-- == 0) throw StatementBudgetExhausted{};
            const Token& token = *currentToken_;
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
            default:
                if (token.isEndOfLine()) {
                    advance();
                    break;
                }
                // A literal, operator, type name, built-in or other delimiter starts no statement.
                throw SyntaxError(token);
            }
        }
    } catch (Error& error) {
        if (currentToken_->type != TokenType::EndOfProgram) error.attachToken(*currentToken_);
        throw;
    }
}

bool ProgramExecutor::executeCommand(const Token& token) {
    switch (token.commandCode) {
    case CmdDim: executeDim(); return true;
    case CmdIf: executeIf(); return true;
    case CmdElseIf: executeElseIf(); return true;
    case CmdElse: executeElse(); return true;
    case CmdEndIf: executeEndIf(); return true;
    case CmdFor: executeFor(); return true;
    case CmdNext: executeNext(); return true;
    case CmdExitFor: executeExitFor(); return true;
    case CmdContinueFor: executeContinueFor(); return true;
    case CmdDo: executeDo(LoopCondition::NoCondition); return true;
    case CmdDoWhile: executeDo(LoopCondition::WhileCondition); return true;
    case CmdDoUntil: executeDo(LoopCondition::UntilCondition); return true;
    case CmdLoop: executeLoop(LoopCondition::NoCondition); return true;
    case CmdLoopWhile: executeLoop(LoopCondition::WhileCondition); return true;
    case CmdLoopUntil: executeLoop(LoopCondition::UntilCondition); return true;
    case CmdExitDo: executeExitDo(); return true;
    case CmdContinueDo: executeContinueDo(); return true;
    case CmdEnd:
        if (functionBody) throw ProgramEnd{};
        return false;
    case CmdEndFunction: executeEndFunction(); return false;
    case CmdEndSub: executeEndSub(); return false;
    case CmdReturn: executeReturn(); return false;
    case CmdPrint: executePrint(); return true;
    default:
        throw Error(token, UnexpectedError,
                    formatMessage("Command [%s] not handled!!!",
                                  token.command ? token.command->name.c_str() : token.text.c_str()));
    }
}

void ProgramExecutor::skipExpression() {
    TokenPosition p = position_;
    while (p != endPosition_ && isExpressionToken(*p)) ++p;
    seek(p);
}

void ProgramExecutor::skipToEndOfStatement() {
    TokenPosition p = position_;
    while (p != endPosition_ && !p->endsStatement) ++p;
    seek(p);
}

Value ProgramExecutor::evaluateRange(const TokenPosition& begin, const TokenPosition& end) {
    RecursiveExpressionEvaluator evaluator(begin, end);
    return evaluator.evaluate();
}

void ProgramExecutor::syntaxError(const char* message) {
    throw SyntaxError(*currentToken_, SyntaxErrorCode, message);
}

void ProgramExecutor::pushFlow(std::unique_ptr<FlowControlInfo> record) {
    flowStack_.push_back(std::move(record));
}

FlowControlInfo& ProgramExecutor::topFlow() {
    if (flowEmpty()) throw Error(UnexpectedError);
    return *flowStack_.back();
}

void ProgramExecutor::popFlow() {
    if (flowEmpty()) throw Error(UnexpectedError);
    flowStack_.pop_back();
}

void ProgramExecutor::unwindTo(FlowKind kind, const char* notMatchedMessage) {
    while (!flowEmpty() && flowStack_.back()->kind != kind) {
        popFlow();
        variables_.popScope();
    }
    if (flowEmpty()) syntaxError(notMatchedMessage);
}

// name "=" expression
void ProgramExecutor::executeAssignment() {
    const Token& name = *currentToken_;
    Variable& variable = variables_.lookup(name);
    advance();
    if (!currentToken_->isOperator(OpEqual)) syntaxError("operator '=' expected.");
    advance();
    TokenPosition start = position_;
    skipToEndOfStatement();
    TokenPosition end = position_;
    variable.assign(evaluateRange(start, end));
    advance();
}

// A FUNCTION or SUB called as a statement; its result is dropped.
void ProgramExecutor::executeExpressionStatement() {
    TokenPosition start = position_;
    skipToEndOfStatement();
    TokenPosition end = position_;
    evaluateRange(start, end);
    advance();
}

// DIM name { "," name } AS type
void ProgramExecutor::executeDim() {
    std::vector<const std::string*> names;
    while (true) {
        advance();
        if (currentToken_->type != TokenType::Variable) syntaxError("Variable name expected after 'DIM'.");
        names.push_back(&currentToken_->text);
        advance();
        if (currentToken_->isCommand(CmdAs)) break;
        if (currentToken_->isDelimiter(',')) continue;
        throw SyntaxError(*currentToken_);
    }
    advance();
    if (currentToken_->type != TokenType::DataType) syntaxError("data type expected");
    DataType type = dataTypeFromName(currentToken_->text);
    advance();
    if (!currentToken_->isEndOfLine() && currentToken_->type != TokenType::EndOfProgram)
        syntaxError("End of statement expected after data type");
    advance();
    for (const std::string* name : names) variables_.declare(Variable(*name, type));
}

// PRINT { item | ";" | "," }
void ProgramExecutor::executePrint() {
    bool lineEnd = true;
    advance();
    if (currentToken_->type == TokenType::EndOfProgram) {
        writeLineEnd();
        return;
    }
    while (true) {
        if (currentToken_->type == TokenType::Delimiter) {
            char delimiter = currentToken_->text.empty() ? '\0' : currentToken_->text[0];
            std::string text = currentToken_->text;
            advance();
            if (delimiter == '\n') {
                if (lineEnd) writeLineEnd();
                return;
            } else if (delimiter == ';') {
                lineEnd = false;
            } else if (delimiter == ',') {
                writeOutputChar('\t');
                lineEnd = false;
            } else {
                throw SyntaxError(*currentToken_, SyntaxErrorCode,
                                  formatMessage("unexpected symbol [%s]", text.c_str()));
            }
        } else {
            TokenPosition start = position_;
            skipExpression();
            TokenPosition end = position_;
            writeOutput(evaluateRange(start, end));
            lineEnd = true;
        }
        if (currentToken_->type == TokenType::EndOfProgram) {
            writeLineEnd();
            return;
        }
    }
}

}  // namespace tbasic

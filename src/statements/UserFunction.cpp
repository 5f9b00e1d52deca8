#include "statements/UserFunction.h"

#include <map>
#include <memory>

#include "diagnostics/Error.h"
#include "diagnostics/StackGuard.h"
#include "lexer/Keywords.h"
#include "lexer/Tokenizer.h"
#include "statements/ProgramExecutor.h"
#include "values/VariableStore.h"

namespace tbasic {

namespace {

std::map<std::string, std::unique_ptr<UserFunction>, std::less<>>& registry() {
    static std::map<std::string, std::unique_ptr<UserFunction>, std::less<>> functions;
    return functions;
}

[[noreturn]] void headerError(const char* message) { throw SyntaxError(SyntaxErrorCode, message); }

}  // namespace

void defineUserFunction(TokenList definition) {
    auto function = std::make_unique<UserFunction>();
    function->tokens = std::move(definition);
    TokenCursor cursor(function->tokens);
    const bool isFunction = cursor.current().isCommand(CmdFunction);
    cursor.advance();
    if (cursor.current().type != TokenType::FuncOrArray) headerError("function name expected");
    function->name = toLower(trim(cursor.current().text));
    cursor.advance();
    cursor.advance();  // the "(" after the name

    while (true) {
        const Token& head = cursor.current();
        if (head.type == TokenType::EndOfProgram) break;
        Parameter parameter;
        if (head.isCommand(CmdByRef)) {
            parameter.byRef = true;
        } else if (head.isCommand(CmdByVal)) {
            parameter.byRef = false;
        } else if (head.isOperator(OpCloseParen)) {
            cursor.advance();
            break;
        } else {
            headerError("BYREF/BYVAL expected in function/sub-routine definition.");
        }
        cursor.advance();
        if (cursor.current().type != TokenType::Variable)
            headerError("Parameter name expected in parameter list of function/sub-routine definition.");
        std::string name = cursor.current().text;
        cursor.advance();
        if (!cursor.current().isCommand(CmdAs))
            headerError("'AS' expected in parameter list of function/sub-routine definition.");
        cursor.advance();
        if (cursor.current().type != TokenType::DataType)
            headerError("Data type expected in parameter list of function/sub-routine definition.");
        parameter.type = dataTypeFromName(cursor.current().text);
        parameter.name = toLower(trim(name));
        validateName(parameter.name);
        parameter.nameHash = hashName(parameter.name);
        for (const Parameter& earlier : function->params)
            if (earlier.name == parameter.name) function->distinctParameterNames = false;
        function->params.push_back(std::move(parameter));
        cursor.advance();
        if (cursor.current().isDelimiter(',')) {
            cursor.advance();
            continue;
        }
        if (cursor.current().isOperator(OpCloseParen)) {
            cursor.advance();
            break;
        }
        headerError("Syntax error in parameter list of function/sub-routine definition.");
    }

    if (isFunction) {
        if (!cursor.current().isCommand(CmdAs)) headerError("'AS' expected in return type definition of function.");
        cursor.advance();
        if (cursor.current().type != TokenType::DataType)
            headerError("Data type expected in return type definition of function.");
        function->returnType = dataTypeFromName(cursor.current().text);
        cursor.advance();
    }
    if (!cursor.current().isEndOfLine()) headerError("EOL expected at the end of function/sub-routine definition.");
    cursor.advance();
    function->bodyStart = static_cast<std::size_t>(cursor.position() - function->tokens.data());

    auto& functions = registry();
    if (functions.count(function->name))
        throw SyntaxError(DuplicateDefinition,
                          formatMessage("function/sub-routine [%s] already defined.", function->name.c_str()));
    std::string key = function->name;
    functions.emplace(std::move(key), std::move(function));
}

bool isUserFunction(std::string_view name) {
    const auto& functions = registry();
    return functions.find(toLower(trim(name))) != functions.end();
}

const UserFunction& findUserFunction(std::string_view name) {
    const auto& functions = registry();
    auto it = functions.find(toLower(trim(name)));
    if (it == functions.end()) throw Error(UnexpectedError);
    return *it->second;
}

void resolveCallTokens(TokenList& tokens) {
    const auto& functions = registry();
    for (Token& token : tokens) {
        if (token.type != TokenType::FuncOrArray) continue;
        auto it = functions.find(toLower(trim(token.text)));
        if (it != functions.end()) {
            token.type = TokenType::Function;
            token.userFunction = it->second.get();
        } else {
            token.type = TokenType::Array;
        }
    }
}

void resolveAllCallTokens(TokenList& mainTokens) {
    for (auto& entry : registry()) resolveCallTokens(entry.second->tokens);
    resolveCallTokens(mainTokens);
}

void clearUserFunctions() { registry().clear(); }

Value callUserFunction(const UserFunction& function, std::vector<Value>& arguments) {
    checkStack();
    ProgramExecutor executor(function.tokens);
    executor.functionBody = true;
    if (arguments.size() != function.params.size())
        throw SyntaxError(SyntaxErrorCode, formatMessage("Function/sub-routine [%s] expects [%d] argument(s).",
                                                         function.name.c_str(),
                                                         static_cast<int>(function.params.size())));
    executor.pushFlow(std::make_unique<FuncFlowControlInfo>(function.name, arguments, function.returnType));
    VariableStore& store = variableStore();
    store.pushFrame();
    store.pushScope();
    for (std::size_t i = 0; i < function.params.size(); ++i) {
        const Parameter& parameter = function.params[i];
        if (arguments[i].type != parameter.type)
            throw ValueError(TypeMismatch,
                             formatMessage("Argument #%d of Function/sub-routine [%s] should be of type [%s].",
                                           static_cast<int>(i), function.name.c_str(),
                                           dataTypeName(parameter.type).c_str()));
        if (function.distinctParameterNames) {
            store.bindNewParameter(parameter.name, parameter.nameHash, arguments[i], parameter.byRef);
        } else {
            store.bindParameter(parameter.name, parameter.nameHash, arguments[i], parameter.byRef);
        }
    }
    executor.seek(function.tokens.data() + function.bodyStart);
    executor.run();
    if (!executor.returned) {
        // The body ran off its end without RETURN or END SUB.
        store.popFrame();
        if (function.returnType != DataType::Undefined)
            throw SyntaxError(SyntaxErrorCode, "Function exits without 'RETURN'.");
        return Value();
    }
    return std::move(executor.returnValue);
}

// RETURN [expression]: leaves the body, closing every block it sits in.
void ProgramExecutor::executeReturn() {
    const char* message = "'RETURN' without matching 'FUNCTION' or 'SUB'.";
    if (flowEmpty()) throw SyntaxError(SyntaxErrorCode, message);
    while (topFlow().kind != FlowKind::FunctionBlock && topFlow().kind != FlowKind::SubBlock) {
        popFlow();
        if (flowEmpty()) throw SyntaxError(SyntaxErrorCode, message);
    }
    auto& call = static_cast<FuncFlowControlInfo&>(topFlow());
    advance();
    if (call.kind == FlowKind::FunctionBlock) {
        if (currentToken_->isEndOfLine())
            throw SyntaxError(SyntaxErrorCode, "'RETURN' of a function without return value.");
        TokenPosition start = position_;
        skipExpression();
        TokenPosition end = position_;
        Value result = evaluateRange(start, end);
        if (result.type != call.returnType)
            throw ValueError(TypeMismatch,
                             formatMessage("Function [%s] declares to return [%s], but actually returns [%s].",
                                           call.functionName.c_str(), dataTypeName(call.returnType).c_str(),
                                           dataTypeName(result.type).c_str()));
        returnValue = std::move(result);
        // The frame closes now: the result must not name one of its variables.
        returnValue.origin = nullptr;
    } else {
        if (!currentToken_->isEndOfLine())
            throw SyntaxError(SyntaxErrorCode, "EOL expected after 'RETURN' of a sub-routine.");
        returnValue = Value();
    }
    advance();
    popFlow();
    variables_.popFrame();
    returned = true;
}

void ProgramExecutor::executeEndSub() {
    if (flowEmpty() || topFlow().kind != FlowKind::SubBlock)
        throw SyntaxError(SyntaxErrorCode, "'END SUB' without matching 'SUB'.");
    advance();
    if (!currentToken_->isEndOfLine() && currentToken_->type != TokenType::EndOfProgram)
        throw SyntaxError(SyntaxErrorCode, "EOL expected after 'END SUB'.");
    returnValue = Value();
    popFlow();
    variables_.popFrame();
    returned = true;
}

void ProgramExecutor::executeEndFunction() {
    throw SyntaxError(SyntaxErrorCode, "Function exits without 'RETURN'.");
}

}  // namespace tbasic

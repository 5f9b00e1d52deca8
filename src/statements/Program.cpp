#include "statements/Program.h"

#include "diagnostics/Error.h"
#include "diagnostics/StackGuard.h"
#include "lexer/Tokenizer.h"
#include "statements/ProgramExecutor.h"
#include "text/Text.h"

namespace tbasic {

namespace {

// Errors in a definition's header are reported without a position.
[[noreturn]] void headerError(const char* message) { throw Error(ErrorCode::SyntaxError, message); }

void expectHeader(bool holds, const char* message) {
    if (!holds) headerError(message);
}

// One "BYREF|BYVAL name AS type" of a parameter list, the cursor on its first token.
Parameter parseParameter(TokenCursor& cursor) {
    Parameter parameter;
    parameter.byRef = cursor.current().isCommand(Keyword::ByRef);
    cursor.advance();
    expectHeader(cursor.current().type == TokenType::Variable,
                 "Parameter name expected in parameter list of function/sub-routine definition.");
    std::string name(cursor.current().text());
    cursor.advance();
    expectHeader(cursor.current().isCommand(Keyword::As),
                 "'AS' expected in parameter list of function/sub-routine definition.");
    cursor.advance();
    expectHeader(cursor.current().type == TokenType::DataType,
                 "Data type expected in parameter list of function/sub-routine definition.");
    parameter.type = dataTypeFromName(cursor.current().text());
    parameter.name = toLower(trim(name));
    validateName(parameter.name);
    parameter.nameHash = hashName(parameter.name);
    cursor.advance();
    return parameter;
}

// The parameter list after "name(", through its ")".
void parseParameters(TokenCursor& cursor, UserFunction& function) {
    while (true) {
        const Token& head = cursor.current();
        if (head.type == TokenType::EndOfProgram) return;
        if (head.isOperator(Operator::CloseParen)) {
            cursor.advance();
            return;
        }
        expectHeader(head.isCommand(Keyword::ByRef) || head.isCommand(Keyword::ByVal),
                     "BYREF/BYVAL expected in function/sub-routine definition.");
        Parameter parameter = parseParameter(cursor);
        for (const Parameter& earlier : function.params)
            if (earlier.name == parameter.name) function.distinctParameterNames = false;
        function.params.push_back(std::move(parameter));
        if (cursor.current().isDelimiter(',')) {
            cursor.advance();
            continue;
        }
        expectHeader(cursor.current().isOperator(Operator::CloseParen),
                     "Syntax error in parameter list of function/sub-routine definition.");
        cursor.advance();
        return;
    }
}

}  // namespace

UserFunction parseDefinition(TokenList definition) {
    UserFunction function;
    function.tokens = std::move(definition);
    TokenCursor cursor(function.tokens);
    const bool isFunction = cursor.current().isCommand(Keyword::Function);
    cursor.advance();
    expectHeader(cursor.current().type == TokenType::FuncOrArray, "function name expected");
    function.name = toLower(trim(cursor.current().text()));
    cursor.advance();
    cursor.advance();  // the "(" after the name
    parseParameters(cursor, function);
    function.parameterCount = function.params.size();
    if (isFunction) {
        expectHeader(cursor.current().isCommand(Keyword::As), "'AS' expected in return type definition of function.");
        cursor.advance();
        expectHeader(cursor.current().type == TokenType::DataType,
                     "Data type expected in return type definition of function.");
        function.returnType = dataTypeFromName(cursor.current().text());
        function.callKind = FlowKind::FunctionBlock;
        cursor.advance();
    }
    expectHeader(cursor.current().isEndOfLine(), "EOL expected at the end of function/sub-routine definition.");
    cursor.advance();
    function.bodyStart = static_cast<std::size_t>(cursor.position() - function.tokens.data());
    return function;
}

void Program::define(TokenList definition) {
    auto function = std::make_unique<UserFunction>(parseDefinition(std::move(definition)));
    if (byName_.count(function->name))
        throw Error(ErrorCode::DuplicateDefinition,
                    formatMessage("function/sub-routine [%s] already defined.", function->name.c_str()));
    byName_.emplace(function->name, functions_.size());
    functions_.push_back(std::move(function));
}

void Program::load(TokenList tokens) {
    // The main sequence is compacted in place: a large program's tokens are
    // never held twice.
    const std::size_t count = tokens.size();
    std::size_t kept = 0;
    std::size_t i = 0;
    while (i < count) {
        const Token& token = tokens[i];
        if (!token.isCommand(Keyword::Function) && !token.isCommand(Keyword::Sub)) {
            tokens[kept++] = tokens[i++];
            continue;
        }
        std::size_t end = i;
        while (end < count && !tokens[end].isCommand(Keyword::EndFunction) && !tokens[end].isCommand(Keyword::EndSub))
            ++end;
        if (end < count) ++end;  // the closing END FUNCTION or END SUB belongs to it
        define(TokenList(tokens.begin() + static_cast<std::ptrdiff_t>(i), tokens.begin() + static_cast<std::ptrdiff_t>(end)));
        i = end;
    }
    tokens.resize(kept);
    main_ = std::move(tokens);
    for (auto& function : functions_) {
        settleCallTokens(function->tokens);
        markParameterTokens(*function);
        for (const Parameter& parameter : function->params)
            function->parameterNames.push_back(NameRef{parameter.name, parameter.nameHash});
        function->bindsInOnePass =
            function->distinctParameterNames && function->params.size() <= Scope::maxParameters;
    }
    settleCallTokens(main_);
}

// A func_or_array token's text is a lower-case word without blanks, as
// definition names are kept.
void Program::settleCallTokens(TokenList& tokens) const {
    for (Token& token : tokens) {
        if (token.type != TokenType::FuncOrArray) continue;
        auto it = byName_.find(token.text());
        if (it != byName_.end()) {
            token.type = TokenType::Function;
            token.functionIndex = static_cast<int32_t>(it->second);
        } else {
            token.type = TokenType::Array;
        }
    }
}

// Names a parameter in each body token that reads or writes it, so its
// lookups go straight to the parameter's slot. Only for distinct parameter
// names (a repeated name fails to bind) and as many as the index holds.
void Program::markParameterTokens(UserFunction& function) {
    if (!function.distinctParameterNames || function.params.size() > 32767) return;
    for (std::size_t i = function.bodyStart; i < function.tokens.size(); ++i) {
        Token& token = function.tokens[i];
        if (token.type != TokenType::Variable) continue;
        for (std::size_t k = 0; k < function.params.size(); ++k)
            if (token.textIs(function.params[k].name)) token.parameterIndex = static_cast<int16_t>(k);
    }
}

const UserFunction* Program::find(std::string_view name) const {
    auto it = byName_.find(toLower(trim(name)));
    return it == byName_.end() ? nullptr : functions_[it->second].get();
}

void Program::run() {
    CallFrameGuard frame(variables_);
    try {
        ProgramExecutor executor(main_, variables_, *this);
        executor.run();
    } catch (const ProgramEnd&) {
        // END inside a function body ends the whole program normally.
    }
}

void Program::failArgumentType(const UserFunction& function, std::size_t i) {
    throw Error(ErrorCode::TypeMismatch,
                formatMessage("Argument #%d of Function/sub-routine [%s] should be of type [%s].",
                              static_cast<int>(i), function.name.c_str(),
                              dataTypeName(function.params[i].type).c_str()));
}

// Binds the arguments in order, each checked for its parameter's type first.
void Program::bindArguments(const UserFunction& function, Value* arguments) {
    const std::size_t count = function.parameterCount;
    if (function.bindsInOnePass) {
        Variable* const* slots = variables_.openParameters(&function, function.parameterNames.data(), count);
        for (std::size_t i = 0; i < count; ++i) {
            const Parameter& parameter = function.params[i];
            if (arguments[i].type != parameter.type) failArgumentType(function, i);
            VariableStore::bindArgument(*slots[i], std::move(arguments[i]), parameter.byRef);
        }
        return;
    }
    variables_.pushScope();
    for (std::size_t i = 0; i < count; ++i) {
        const Parameter& parameter = function.params[i];
        if (arguments[i].type != parameter.type) failArgumentType(function, i);
        if (function.distinctParameterNames) {
            variables_.bindNewParameter(parameter.name, parameter.nameHash, std::move(arguments[i]), parameter.byRef);
        } else {
            variables_.bindParameter(parameter.name, parameter.nameHash, arguments[i], parameter.byRef);
        }
    }
}

Value Program::callUserFunction(const Token& token, Value* arguments, std::size_t count) {
    const UserFunction& function = *functions_[static_cast<std::size_t>(token.functionIndex)];
    checkStack();
    if (count != function.parameterCount)
        throw Error(ErrorCode::SyntaxError,
                    formatMessage("Function/sub-routine [%s] expects [%d] argument(s).", function.name.c_str(),
                                  static_cast<int>(function.params.size())));
    // RETURN stores the result straight into the value this call returns.
    Value result;
    ProgramExecutor executor(function.tokens, variables_, *this);
    executor.functionBody = true;
    executor.returnTarget = &result;
    FlowRecord& call = executor.pushFlow(function.callKind);
    call.functionName = &function.name;
    call.returnType = function.returnType;
    // The call's frame closes however the call ends: RETURN, END SUB, the
    // end of the body, END, or an error.
    variables_.pushFrame();
    FrameCloser frame(variables_);
    bindArguments(function, arguments);
    executor.seek(function.tokens.data() + function.bodyStart);
    executor.run();
    if (!executor.returned && function.returnType != DataType::Undefined)
        throw Error(ErrorCode::SyntaxError, "Function exits without 'RETURN'.");
    return result;
}

}  // namespace tbasic

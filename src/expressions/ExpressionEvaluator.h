// The evaluator: computes an expression while it reads its tokens, by
// precedence climbing; no syntax tree.
#pragma once

#include <cstddef>
#include <cstdint>

#include "lexer/Token.h"
#include "values/Value.h"

namespace tbasic {

class VariableStore;

// How the evaluator calls a user FUNCTION or SUB: the statements layer
// implements it and hands it in. Called once per call, never per token.
class UserFunctionCaller {
public:
    // Runs the call a function token names with the count argument values
    // in order; returns its result. The values are the callee's to move
    // from, and stay valid only until the body starts to run.
    virtual Value callUserFunction(const Token& function, Value* arguments, std::size_t count) = 0;

protected:
    ~UserFunctionCaller() = default;
};

class ArgumentList;

class ExpressionEvaluator {
public:
    // Evaluates the tokens from begin up to, not including, end, reading
    // variables from the store. Without a caller, a function token is a
    // syntax error. The bounds are kept by value, so temporaries may be passed.
    ExpressionEvaluator(TokenPosition begin, TokenPosition end, VariableStore& variables,
                        UserFunctionCaller* functions = nullptr)
        : end_(end), current_(begin == end ? &endOfProgramToken : begin),
          variables_(variables), functions_(functions) {}

    // The value of the whole range; leftover tokens are a syntax error.
    Value evaluate();

private:
    // Only called on a token of the range: every caller first matched the
    // current token against a kind the end sentinel never has. Past the
    // last token of the range, the cursor stands on the sentinel.
    void advance() {
        if (++current_ == end_) current_ = &endOfProgramToken;
    }

    // The descent by precedence climbing: parseLevel reads an operand with
    // the prefixes its level allows, then joins every operator of that level
    // or a tighter one; a right operand is read at the level just above its
    // operator (through the unary level for "^", which groups to the right).
    Value parseLevel(std::uint8_t minimumLevel);
    Value parseOperand(std::uint8_t minimumLevel, std::uint8_t& operandLevel);
    Value parsePrefixedOperand(std::uint8_t minimumLevel, std::uint8_t& operandLevel);
    void joinOperators(Value& left, std::uint8_t leftLevel, std::uint8_t minimumLevel);
    void joinOperatorsInline(Value& left, std::uint8_t leftLevel, std::uint8_t minimumLevel);
    void joinRightOperand(Value& left, Operator code, std::uint8_t rightLevel);
    Value parsePrimary();
    Value readVariable();
    [[noreturn]] void fail(const char* message);
    [[noreturn]] void failUnexpected(const std::string& what);
    // The same for a token's text, and for a call without its "(".
    [[noreturn]] void failUnexpectedText(const Token& token);
    [[noreturn]] void failArgumentsExpected(const Token& function);
    Value parseBuiltinCall();
    Value parseUserFunctionCall();
    void parseArguments(ArgumentList& arguments);
    bool endOfArgument();
    void expectOpeningParenthesis(const Token& function);

    TokenPosition end_;
    const Token* current_;  // in the range, or the sentinel
    VariableStore& variables_;
    UserFunctionCaller* functions_;
};

}  // namespace tbasic

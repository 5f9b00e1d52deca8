// The recursive-descent evaluator: computes an expression while it reads
// its tokens, one operation per precedence level, no syntax tree.
#pragma once

#include <cstddef>

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
        : end_(end), position_(begin), current_(begin == end ? &endOfProgramToken : begin),
          variables_(variables), functions_(functions) {}

    // The value of the whole range; leftover tokens are a syntax error.
    Value evaluate();

private:
    // Only called on a token of the range: every caller first matched the
    // current token against a kind the end sentinel never has.
    void advance() {
        ++position_;
        current_ = position_ == end_ ? &endOfProgramToken : position_;
    }

    // Each level keeps only the value it passes on in its frame; the rarer
    // operator loops and errors live in helpers, so deep nesting stays cheap
    // on the native stack.
    Value parseOr();
    Value parseFromSimplePrimary(BinaryLevel outermostLevel);
    Value parseAnd();
    Value parseNot();
    Value parseComparison();
    Value parseAdditive();
    Value parseModulo();
    Value parseIntegerDivision();
    Value parseMultiplicative();
    Value parseUnary();
    Value parsePower();
    Value parseGroup();
    Value parseParenthesized();
    Value parsePrimary();
    Value readVariable();

    void continueOr(Value& left);
    void continueAnd(Value& left);
    Value negateCondition();
    void compareWith(Value& left);
    void continueAdditive(Value& left);
    void continueModulo(Value& left);
    void continueIntegerDivision(Value& left);
    void continueMultiplicative(Value& left);
    void continuePower(Value& left);
    Value negateUnary();
    [[noreturn]] void fail(const char* message);
    [[noreturn]] void failUnexpected(const std::string& what);
    // The same for a token's text, and for a call without its "(".
    [[noreturn]] void failUnexpectedText(const Token& token);
    [[noreturn]] void failArgumentsExpected(const Token& function);
    Value parseBuiltinCall();
    Value parseUserFunctionCall();
    void parseArguments(ArgumentList& arguments);
    void expectOpeningParenthesis(const Token& function);

    TokenPosition end_;
    TokenPosition position_;
    const Token* current_;
    VariableStore& variables_;
    UserFunctionCaller* functions_;
};

}  // namespace tbasic

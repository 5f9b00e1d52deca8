// The recursive-descent evaluator: computes an expression while it reads
// its tokens, one operation per precedence level, no syntax tree.
#pragma once

#include <vector>

#include "lexer/Token.h"
#include "values/Value.h"

namespace tbasic {

class AbstractExpressionEvaluator {
public:
    virtual Value evaluate() = 0;

protected:
    ~AbstractExpressionEvaluator() = default;
};

class RecursiveExpressionEvaluator : public AbstractExpressionEvaluator {
public:
    // Evaluates the tokens from begin up to, not including, end. The bounds
    // are kept by value, so temporaries may be passed.
    RecursiveExpressionEvaluator(TokenPosition begin, TokenPosition end)
        : end_(end), position_(begin),
          current_(begin == end ? &endOfProgramToken : begin) {}

    // The value of the whole range; leftover tokens are a syntax error.
    Value evaluate() override;

private:
    void advance() {
        if (position_ != end_) ++position_;
        current_ = position_ == end_ ? &endOfProgramToken : position_;
    }

    // Each level keeps only the value it passes on in its frame; the rarer
    // operator loops and errors live in helpers, so deep nesting stays cheap
    // on the native stack.
    Value parseOr();
    Value parseFromSimplePrimary(int outermostLevel);
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
    Value parseBuiltinCall();
    Value parseUserFunctionCall();
    void parseArguments(std::vector<Value>& arguments, const std::string& functionName);

    TokenPosition end_;
    TokenPosition position_;
    const Token* current_;
};

}  // namespace tbasic

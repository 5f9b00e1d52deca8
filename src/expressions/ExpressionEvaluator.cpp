#include "expressions/ExpressionEvaluator.h"

#include "diagnostics/Error.h"
#include "diagnostics/StackGuard.h"
#include "expressions/BuiltinFunction.h"
#include "lexer/Keywords.h"
#include "statements/UserFunction.h"
#include "values/Operators.h"
#include "values/VariableStore.h"

namespace tbasic {

Value RecursiveExpressionEvaluator::evaluate() {
    Value result = parseOr();
    if (current_->type != TokenType::EndOfProgram)
        throw SyntaxError(*current_, SyntaxErrorCode,
                          formatMessage("unexpected symbol [%s]", toString(*current_).c_str()));
    return result;
}

// or-level -> and-level { "or" and-level }
Value RecursiveExpressionEvaluator::parseOr() {
    checkStack();
    Value left = parseAnd();
    while (current_->isOperator(OpOr)) {
        advance();
        Value right = parseAnd();  // no short-circuit: the right side always runs
        left = logicalOr(left, right);
    }
    return left;
}

// and-level -> not-level { "and" not-level }
Value RecursiveExpressionEvaluator::parseAnd() {
    Value left = parseNot();
    while (current_->isOperator(OpAnd)) {
        advance();
        Value right = parseNot();
        left = logicalAnd(left, right);
    }
    return left;
}

// not-level -> [ "not" ] comparison-level
Value RecursiveExpressionEvaluator::parseNot() {
    bool negated = false;
    if (current_->isOperator(OpNot)) {
        advance();
        negated = true;
    }
    Value value = parseComparison();
    return negated ? logicalNot(value) : value;
}

// comparison-level -> additive-level [ comparison-operator additive-level ]
Value RecursiveExpressionEvaluator::parseComparison() {
    Value left = parseAdditive();
    if (current_->type != TokenType::Operator) return left;
    int code = current_->opCode;
    if (code < OpGreater || code > OpNotEqual) return left;
    advance();
    Value right = parseAdditive();
    bool result = false;
    switch (code) {
    case OpGreater: result = lessThan(right, left); break;
    case OpGreaterEqual: result = lessThan(right, left) || equals(right, left); break;
    case OpLess: result = lessThan(left, right); break;
    case OpLessEqual: result = lessThan(left, right) || equals(left, right); break;
    case OpEqual: result = equals(left, right); break;
    default: result = !equals(left, right); break;
    }
    return Value(result);
}

// additive-level -> modulo-level { ("+" | "-") modulo-level }
Value RecursiveExpressionEvaluator::parseAdditive() {
    checkStack();
    Value left = parseModulo();
    while (current_->type == TokenType::Operator &&
           (current_->opCode == OpAdd || current_->opCode == OpSubtract)) {
        int code = current_->opCode;
        advance();
        Value right = parseModulo();
        if (code == OpAdd) {
            addTo(left, right);
        } else {
            subtractFrom(left, right);
        }
        left.origin = nullptr;
    }
    return left;
}

// modulo-level -> integer-division-level { "mod" integer-division-level }
Value RecursiveExpressionEvaluator::parseModulo() {
    Value left = parseIntegerDivision();
    while (current_->isOperator(OpModulo)) {
        advance();
        Value right = parseIntegerDivision();
        moduloBy(left, right);
        left.origin = nullptr;
    }
    return left;
}

// integer-division-level -> multiplicative-level { "\" multiplicative-level }
Value RecursiveExpressionEvaluator::parseIntegerDivision() {
    Value left = parseMultiplicative();
    while (current_->isOperator(OpIntegerDivide)) {
        advance();
        Value right = parseMultiplicative();
        integerDivideBy(left, right);
        left.origin = nullptr;
    }
    return left;
}

// multiplicative-level -> unary-level { ("*" | "/") unary-level }
Value RecursiveExpressionEvaluator::parseMultiplicative() {
    Value left = parseUnary();
    while (current_->type == TokenType::Operator &&
           (current_->opCode == OpMultiply || current_->opCode == OpDivide)) {
        int code = current_->opCode;
        advance();
        Value right = parseUnary();
        if (code == OpMultiply) {
            multiplyBy(left, right);
        } else {
            divideBy(left, right);
        }
        left.origin = nullptr;
    }
    return left;
}

// unary-level -> [ "+" | "-" ] power-level
Value RecursiveExpressionEvaluator::parseUnary() {
    checkStack();
    bool negative = false;
    if (current_->type == TokenType::Operator &&
        (current_->opCode == OpAdd || current_->opCode == OpSubtract)) {
        negative = current_->opCode == OpSubtract;
        advance();
    }
    Value value = parsePower();
    return negative ? negate(value) : value;
}

// power-level -> group { "^" unary-level }, so 2 ^ 3 ^ 2 is 2 ^ 9.
Value RecursiveExpressionEvaluator::parsePower() {
    Value left = parseGroup();
    while (current_->isOperator(OpPower)) {
        advance();
        Value right = parseUnary();
        raiseTo(left, right);
        left.origin = nullptr;
    }
    return left;
}

// group -> "(" additive-level ")" | primary
Value RecursiveExpressionEvaluator::parseGroup() {
    if (!current_->isOperator(OpOpenParen)) return parsePrimary();
    advance();
    Value value = parseAdditive();
    if (!current_->isOperator(OpCloseParen))
        throw SyntaxError(*current_, SyntaxErrorCode, "no matching ')'");
    advance();
    return value;
}

Value RecursiveExpressionEvaluator::parsePrimary() {
    const Token& token = *current_;
    switch (token.type) {
    case TokenType::Variable: {
        Variable& variable = variableStore().lookup(token.text, token.nameHash);
        Value value = variable.value();
        value.origin = &variable;
        advance();
        return value;
    }
    case TokenType::Bool:
        advance();
        return Value(token.boolValue);
    case TokenType::Integer:
        advance();
        return Value(token.intValue);
    case TokenType::Double:
        advance();
        return Value(token.doubleValue);
    case TokenType::String:
        advance();
        return Value(token.text);
    case TokenType::BuiltinFunction:
        return parseBuiltinCall();
    case TokenType::Function:
        return parseUserFunctionCall();
    default:
        throw SyntaxError(token);
    }
}

Value RecursiveExpressionEvaluator::parseBuiltinCall() {
    const Token& token = *current_;
    const BuiltinFunction& function = token.builtin ? *token.builtin : findBuiltinFunction(token.text);
    const FunctionHandler& handler = *function.handler;
    advance();
    Value result;
    switch (callFormOf(function.id)) {
    case CallForm::NoArgument:
        handler.evaluateWithoutArguments(result);
        return result;
    case CallForm::SingleArgument: {
        if (!current_->isOperator(OpOpenParen))
            throw SyntaxError(*current_, SyntaxErrorCode,
                              formatMessage("arguments expected for function [%s]", function.name.c_str()));
        advance();
        Value argument = parseOr();
        if (!current_->isOperator(OpCloseParen))
            throw SyntaxError(*current_, SyntaxErrorCode, "matching ')' not found");
        advance();
        handler.evaluateWithArgument(result, argument);
        return result;
    }
    case CallForm::ArgumentList:
    default: {
        if (!current_->isOperator(OpOpenParen))
            throw SyntaxError(*current_, SyntaxErrorCode,
                              formatMessage("arguments expected for function [%s]", function.name.c_str()));
        advance();
        std::vector<Value> arguments;
        parseArguments(arguments, function.name);
        handler.evaluateWithArguments(result, arguments);
        return result;
    }
    }
}

// Reads "argument { "," argument } ")" after the opening parenthesis.
void RecursiveExpressionEvaluator::parseArguments(std::vector<Value>& arguments, const std::string&) {
    while (true) {
        arguments.push_back(parseOr());
        if (current_->type == TokenType::EndOfProgram)
            throw SyntaxError(*current_, SyntaxErrorCode, "matching ')' not found");
        if (current_->isOperator(OpCloseParen)) {
            advance();
            return;
        }
        if (current_->isDelimiter(',')) {
            advance();
            continue;
        }
        throw SyntaxError(*current_, SyntaxErrorCode,
                          formatMessage("unexpected symbol [%s]", current_->text.c_str()));
    }
}

Value RecursiveExpressionEvaluator::parseUserFunctionCall() {
    const Token& token = *current_;
    advance();
    if (!current_->isOperator(OpOpenParen))
        throw SyntaxError(*current_, SyntaxErrorCode,
                          formatMessage("arguments expected for function [%s]", token.text.c_str()));
    advance();
    std::vector<Value> arguments;
    if (current_->isOperator(OpCloseParen)) {
        advance();
    } else {
        parseArguments(arguments, token.text);
    }
    UserFunctionHandler handler;  // stands for the call while it runs
    (void)handler;
    const UserFunction& function = token.userFunction ? *token.userFunction : findUserFunction(token.text);
    return callUserFunction(function, arguments);
}

}  // namespace tbasic

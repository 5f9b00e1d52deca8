#include "expressions/ExpressionEvaluator.h"

#include "diagnostics/Error.h"
#include "diagnostics/StackGuard.h"
#include "expressions/BuiltinFunction.h"
#include "lexer/Keywords.h"
#include "statements/UserFunction.h"
#include "values/Operators.h"
#include "values/VariableStore.h"

#define TBASIC_NOINLINE __attribute__((noinline))

namespace tbasic {

Value RecursiveExpressionEvaluator::evaluate() {
    Value result = parseOr();
    if (current_->type != TokenType::EndOfProgram) failUnexpected(toString(*current_));
    return result;
}

void RecursiveExpressionEvaluator::fail(const char* message) {
    throw SyntaxError(*current_, SyntaxErrorCode, message);
}

void RecursiveExpressionEvaluator::failUnexpected(const std::string& what) {
    throw SyntaxError(*current_, SyntaxErrorCode, formatMessage("unexpected symbol [%s]", what.c_str()));
}

// or-level -> and-level { "or" and-level }
Value RecursiveExpressionEvaluator::parseOr() {
    checkStack();
    Value left = parseAnd();
    if (current_->isOperator(OpOr)) continueOr(left);
    return left;
}

TBASIC_NOINLINE void RecursiveExpressionEvaluator::continueOr(Value& left) {
    while (current_->isOperator(OpOr)) {
        advance();
        Value right = parseAnd();  // no short-circuit: the right side always runs
        left = logicalOr(left, right);
    }
}

// and-level -> not-level { "and" not-level }
Value RecursiveExpressionEvaluator::parseAnd() {
    Value left = parseNot();
    if (current_->isOperator(OpAnd)) continueAnd(left);
    return left;
}

TBASIC_NOINLINE void RecursiveExpressionEvaluator::continueAnd(Value& left) {
    while (current_->isOperator(OpAnd)) {
        advance();
        Value right = parseNot();
        left = logicalAnd(left, right);
    }
}

// not-level -> [ "not" ] comparison-level; only one prefix is read.
Value RecursiveExpressionEvaluator::parseNot() {
    if (current_->isOperator(OpNot)) return negateCondition();
    return parseComparison();
}

TBASIC_NOINLINE Value RecursiveExpressionEvaluator::negateCondition() {
    advance();
    Value value = parseComparison();
    return logicalNot(value);
}

// comparison-level -> additive-level [ comparison-operator additive-level ]
Value RecursiveExpressionEvaluator::parseComparison() {
    Value left = parseAdditive();
    if (current_->type == TokenType::Operator && current_->opCode >= OpGreater && current_->opCode <= OpNotEqual)
        compareWith(left);
    return left;
}

TBASIC_NOINLINE void RecursiveExpressionEvaluator::compareWith(Value& left) {
    int code = current_->opCode;
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
    left = Value(result);
}

// additive-level -> modulo-level { ("+" | "-") modulo-level }
Value RecursiveExpressionEvaluator::parseAdditive() {
    checkStack();
    Value left = parseModulo();
    if (current_->isOperator(OpAdd) || current_->isOperator(OpSubtract)) continueAdditive(left);
    return left;
}

TBASIC_NOINLINE void RecursiveExpressionEvaluator::continueAdditive(Value& left) {
    while (current_->isOperator(OpAdd) || current_->isOperator(OpSubtract)) {
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
}

// modulo-level -> integer-division-level { "mod" integer-division-level }
Value RecursiveExpressionEvaluator::parseModulo() {
    Value left = parseIntegerDivision();
    if (current_->isOperator(OpModulo)) continueModulo(left);
    return left;
}

TBASIC_NOINLINE void RecursiveExpressionEvaluator::continueModulo(Value& left) {
    while (current_->isOperator(OpModulo)) {
        advance();
        Value right = parseIntegerDivision();
        moduloBy(left, right);
        left.origin = nullptr;
    }
}

// integer-division-level -> multiplicative-level { "\" multiplicative-level }
Value RecursiveExpressionEvaluator::parseIntegerDivision() {
    Value left = parseMultiplicative();
    if (current_->isOperator(OpIntegerDivide)) continueIntegerDivision(left);
    return left;
}

TBASIC_NOINLINE void RecursiveExpressionEvaluator::continueIntegerDivision(Value& left) {
    while (current_->isOperator(OpIntegerDivide)) {
        advance();
        Value right = parseMultiplicative();
        integerDivideBy(left, right);
        left.origin = nullptr;
    }
}

// multiplicative-level -> unary-level { ("*" | "/") unary-level }
Value RecursiveExpressionEvaluator::parseMultiplicative() {
    Value left = parseUnary();
    if (current_->isOperator(OpMultiply) || current_->isOperator(OpDivide)) continueMultiplicative(left);
    return left;
}

TBASIC_NOINLINE void RecursiveExpressionEvaluator::continueMultiplicative(Value& left) {
    while (current_->isOperator(OpMultiply) || current_->isOperator(OpDivide)) {
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
}

// unary-level -> [ "+" | "-" ] power-level; only one sign is read.
Value RecursiveExpressionEvaluator::parseUnary() {
    checkStack();
    if (current_->isOperator(OpSubtract)) return negateUnary();
    if (current_->isOperator(OpAdd)) advance();
    return parsePower();
}

TBASIC_NOINLINE Value RecursiveExpressionEvaluator::negateUnary() {
    advance();
    Value value = parsePower();
    return negate(value);
}

// power-level -> group { "^" unary-level }, so 2 ^ 3 ^ 2 is 2 ^ 9 and -2 ^ 2 is -4.
Value RecursiveExpressionEvaluator::parsePower() {
    Value left = parseGroup();
    if (current_->isOperator(OpPower)) continuePower(left);
    return left;
}

TBASIC_NOINLINE void RecursiveExpressionEvaluator::continuePower(Value& left) {
    while (current_->isOperator(OpPower)) {
        advance();
        Value right = parseUnary();
        raiseTo(left, right);
        left.origin = nullptr;
    }
}

// group -> "(" additive-level ")" | primary; a group holds no comparison.
Value RecursiveExpressionEvaluator::parseGroup() {
    if (current_->isOperator(OpOpenParen)) return parseParenthesized();
    return parsePrimary();
}

TBASIC_NOINLINE Value RecursiveExpressionEvaluator::parseParenthesized() {
    advance();
    Value value = parseAdditive();
    if (!current_->isOperator(OpCloseParen)) fail("no matching ')'");
    advance();
    return value;
}

Value RecursiveExpressionEvaluator::parsePrimary() {
    const Token& token = *current_;
    switch (token.type) {
    case TokenType::Variable:
        return readVariable();
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

// The variable's value, naming the variable as its origin for BYREF binding.
Value RecursiveExpressionEvaluator::readVariable() {
    const Token& token = *current_;
    Variable& variable = variableStore().lookup(token.text, token.nameHash);
    Value value = variable.value();
    value.origin = &variable;
    advance();
    return value;
}

TBASIC_NOINLINE Value RecursiveExpressionEvaluator::parseBuiltinCall() {
    const Token& token = *current_;
    const BuiltinFunction& function = token.builtin ? *token.builtin : findBuiltinFunction(token.text);
    const FunctionHandler& handler = *function.handler;
    advance();
    Value result;
    CallForm form = callFormOf(function.id);
    if (form == CallForm::NoArgument) {
        handler.evaluateWithoutArguments(result);
        return result;
    }
    if (!current_->isOperator(OpOpenParen))
        fail(formatMessage("arguments expected for function [%s]", function.name.c_str()).c_str());
    advance();
    if (form == CallForm::SingleArgument) {
        Value argument = parseOr();
        if (!current_->isOperator(OpCloseParen)) fail("matching ')' not found");
        advance();
        handler.evaluateWithArgument(result, argument);
        return result;
    }
    std::vector<Value> arguments;
    parseArguments(arguments, function.name);
    handler.evaluateWithArguments(result, arguments);
    return result;
}

// Reads "argument { "," argument } ")" after the opening parenthesis.
void RecursiveExpressionEvaluator::parseArguments(std::vector<Value>& arguments, const std::string&) {
    while (true) {
        arguments.push_back(parseOr());
        if (current_->type == TokenType::EndOfProgram) fail("matching ')' not found");
        if (current_->isOperator(OpCloseParen)) {
            advance();
            return;
        }
        if (current_->isDelimiter(',')) {
            advance();
            continue;
        }
        failUnexpected(current_->text);
    }
}

TBASIC_NOINLINE Value RecursiveExpressionEvaluator::parseUserFunctionCall() {
    const Token& token = *current_;
    advance();
    if (!current_->isOperator(OpOpenParen))
        fail(formatMessage("arguments expected for function [%s]", token.text.c_str()).c_str());
    advance();
    std::vector<Value> arguments;
    if (current_->isOperator(OpCloseParen)) {
        advance();
    } else {
        parseArguments(arguments, token.text);
    }
    const UserFunction& function = token.userFunction ? *token.userFunction : findUserFunction(token.text);
    return callUserFunction(function, arguments);
}

}  // namespace tbasic

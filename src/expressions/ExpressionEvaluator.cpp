#include "expressions/ExpressionEvaluator.h"

#include "diagnostics/Error.h"
#include "diagnostics/StackGuard.h"
#include "expressions/BuiltinFunction.h"
#include "lexer/Keywords.h"
#include "statements/UserFunction.h"
#include "values/Operators.h"
#include "values/VariableStore.h"

#define TBASIC_NOINLINE __attribute__((noinline))
// Levels that only pass a value on are folded into the level above; the
// levels that recursion re-enters (or, additive, unary) stay real calls.
#define TBASIC_LEVEL __attribute__((always_inline)) inline

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

namespace {

// Argument lists are made for every call; their storage is recycled.
std::vector<std::vector<Value>> spareArgumentLists;

class ArgumentList {
public:
    ArgumentList() {
        if (!spareArgumentLists.empty()) {
            values.swap(spareArgumentLists.back());
            spareArgumentLists.pop_back();
        }
    }
    ~ArgumentList() {
        values.clear();
        spareArgumentLists.push_back(std::move(values));
    }
    ArgumentList(const ArgumentList&) = delete;
    ArgumentList& operator=(const ArgumentList&) = delete;

    std::vector<Value> values;
};

bool isSimplePrimary(const Token& token) {
    switch (token.type) {
    case TokenType::Variable:
    case TokenType::Bool:
    case TokenType::Integer:
    case TokenType::Double:
    case TokenType::String:
        return true;
    default:
        return false;
    }
}

}  // namespace

// or-level -> and-level { "or" and-level }
Value RecursiveExpressionEvaluator::parseOr() {
    checkStack();
    if (isSimplePrimary(*current_)) return parseFromSimplePrimary(OrLevel);
    Value left = parseAnd();
    if (current_->binaryLevel == OrLevel) continueOr(left);
    return left;
}

// A literal or variable at the start of a level takes no prefix ("not", a
// sign, a parenthesis), so every level between here and the primary only
// passes it on; what remains of their work is their operator loops, run in
// the order the descent would return through them.
Value RecursiveExpressionEvaluator::parseFromSimplePrimary(int outermostLevel) {
    Value left = parsePrimary();
    if (current_->binaryLevel == NoBinaryLevel) return left;
    if (current_->binaryLevel == PowerLevel) continuePower(left);
    if (outermostLevel > MultiplicativeLevel) return left;
    if (current_->binaryLevel == MultiplicativeLevel) continueMultiplicative(left);
    if (current_->binaryLevel == IntegerDivisionLevel) continueIntegerDivision(left);
    if (current_->binaryLevel == ModuloLevel) continueModulo(left);
    if (current_->binaryLevel == AdditiveLevel) continueAdditive(left);
    if (outermostLevel > ComparisonLevel) return left;
    if (current_->binaryLevel == ComparisonLevel) compareWith(left);
    if (current_->binaryLevel == AndLevel) continueAnd(left);
    if (current_->binaryLevel == OrLevel) continueOr(left);
    return left;
}

TBASIC_NOINLINE void RecursiveExpressionEvaluator::continueOr(Value& left) {
    while (current_->binaryLevel == OrLevel) {
        advance();
        Value right = parseAnd();  // no short-circuit: the right side always runs
        left = logicalOr(left, right);
    }
}

// and-level -> not-level { "and" not-level }
TBASIC_LEVEL Value RecursiveExpressionEvaluator::parseAnd() {
    Value left = parseNot();
    if (current_->binaryLevel == AndLevel) continueAnd(left);
    return left;
}

TBASIC_NOINLINE void RecursiveExpressionEvaluator::continueAnd(Value& left) {
    while (current_->binaryLevel == AndLevel) {
        advance();
        Value right = parseNot();
        left = logicalAnd(left, right);
    }
}

// not-level -> [ "not" ] comparison-level; only one prefix is read.
TBASIC_LEVEL Value RecursiveExpressionEvaluator::parseNot() {
    if (current_->isOperator(OpNot)) return negateCondition();
    return parseComparison();
}

TBASIC_NOINLINE Value RecursiveExpressionEvaluator::negateCondition() {
    advance();
    Value value = parseComparison();
    return logicalNot(value);
}

// comparison-level -> additive-level [ comparison-operator additive-level ]
TBASIC_LEVEL Value RecursiveExpressionEvaluator::parseComparison() {
    Value left = parseAdditive();
    if (current_->binaryLevel == ComparisonLevel) compareWith(left);
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
    if (isSimplePrimary(*current_)) return parseFromSimplePrimary(AdditiveLevel);
    Value left = parseModulo();
    if (current_->binaryLevel == AdditiveLevel) continueAdditive(left);
    return left;
}

TBASIC_NOINLINE void RecursiveExpressionEvaluator::continueAdditive(Value& left) {
    while (current_->binaryLevel == AdditiveLevel) {
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
TBASIC_LEVEL Value RecursiveExpressionEvaluator::parseModulo() {
    Value left = parseIntegerDivision();
    if (current_->binaryLevel == ModuloLevel) continueModulo(left);
    return left;
}

TBASIC_NOINLINE void RecursiveExpressionEvaluator::continueModulo(Value& left) {
    while (current_->binaryLevel == ModuloLevel) {
        advance();
        Value right = parseIntegerDivision();
        moduloBy(left, right);
        left.origin = nullptr;
    }
}

// integer-division-level -> multiplicative-level { "\" multiplicative-level }
TBASIC_LEVEL Value RecursiveExpressionEvaluator::parseIntegerDivision() {
    Value left = parseMultiplicative();
    if (current_->binaryLevel == IntegerDivisionLevel) continueIntegerDivision(left);
    return left;
}

TBASIC_NOINLINE void RecursiveExpressionEvaluator::continueIntegerDivision(Value& left) {
    while (current_->binaryLevel == IntegerDivisionLevel) {
        advance();
        Value right = parseMultiplicative();
        integerDivideBy(left, right);
        left.origin = nullptr;
    }
}

// multiplicative-level -> unary-level { ("*" | "/") unary-level }
TBASIC_LEVEL Value RecursiveExpressionEvaluator::parseMultiplicative() {
    Value left = parseUnary();
    if (current_->binaryLevel == MultiplicativeLevel) continueMultiplicative(left);
    return left;
}

TBASIC_NOINLINE void RecursiveExpressionEvaluator::continueMultiplicative(Value& left) {
    while (current_->binaryLevel == MultiplicativeLevel) {
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
    if (isSimplePrimary(*current_)) return parseFromSimplePrimary(PowerLevel);
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
TBASIC_LEVEL Value RecursiveExpressionEvaluator::parsePower() {
    Value left = parseGroup();
    if (current_->binaryLevel == PowerLevel) continuePower(left);
    return left;
}

TBASIC_NOINLINE void RecursiveExpressionEvaluator::continuePower(Value& left) {
    while (current_->binaryLevel == PowerLevel) {
        advance();
        Value right = parseUnary();
        raiseTo(left, right);
        left.origin = nullptr;
    }
}

// group -> "(" additive-level ")" | primary; a group holds no comparison.
TBASIC_LEVEL Value RecursiveExpressionEvaluator::parseGroup() {
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

TBASIC_LEVEL Value RecursiveExpressionEvaluator::parsePrimary() {
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
TBASIC_LEVEL Value RecursiveExpressionEvaluator::readVariable() {
    const Token& token = *current_;
    Variable& variable = variableStore().lookup(token);
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
    CallForm form = function.callForm;
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
    ArgumentList arguments;
    parseArguments(arguments.values, function.name);
    handler.evaluateWithArguments(result, arguments.values);
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
    ArgumentList arguments;
    if (current_->isOperator(OpCloseParen)) {
        advance();
    } else {
        parseArguments(arguments.values, token.text);
    }
    const UserFunction& function = token.userFunction ? *token.userFunction : findUserFunction(token.text);
    return callUserFunction(function, arguments.values);
}

}  // namespace tbasic

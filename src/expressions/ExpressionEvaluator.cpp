#include "expressions/ExpressionEvaluator.h"

#include <vector>

#include "diagnostics/Error.h"
#include "diagnostics/StackGuard.h"
#include "expressions/Builtins.h"
#include "lexer/Vocabulary.h"
#include "values/Operators.h"
#include "values/VariableStore.h"

#define TBASIC_NOINLINE __attribute__((noinline))
// Levels that only pass a value on are folded into the level above; the
// levels that recursion re-enters (or, additive, unary) stay real calls.
#define TBASIC_LEVEL __attribute__((always_inline)) inline

namespace tbasic {

namespace {

// Out of line, so the temporary strings stay off the frames of the
// recursive descent (deep nesting is bounded by the stack).
TBASIC_NOINLINE Value stringLiteralValue(const Token& token) { return Value(std::string(token.text())); }

}  // namespace

Value ExpressionEvaluator::evaluate() {
    Value result = parseOr();
    if (current_->type != TokenType::EndOfProgram) failUnexpected(toString(*current_));
    return result;
}

void ExpressionEvaluator::fail(const char* message) {
    raiseAt(*current_, ErrorCode::SyntaxError, message);
}

void ExpressionEvaluator::failUnexpected(const std::string& what) {
    raiseAt(*current_, ErrorCode::SyntaxError, formatMessage("unexpected symbol [%s]", what.c_str()));
}

void ExpressionEvaluator::failUnexpectedText(const Token& token) { failUnexpected(std::string(token.text())); }

void ExpressionEvaluator::failArgumentsExpected(const Token& function) {
    fail(formatMessage("arguments expected for function [%s]", std::string(function.text()).c_str()).c_str());
}

namespace {

// The argument values of every call being read or bound, the innermost
// call's last. Its storage is kept, so a call allocates nothing for them.
std::vector<Value> argumentStack;

}  // namespace

// One call's arguments: the values pushed on the argument stack since it was
// made, dropped when it ends. Nested calls push and drop above them, which
// may move them: they are addressed by index until the call is made.
class ArgumentList {
public:
    ArgumentList() : base_(argumentStack.size()) {}
    ~ArgumentList() {
        while (argumentStack.size() > base_) argumentStack.pop_back();
    }
    ArgumentList(const ArgumentList&) = delete;
    ArgumentList& operator=(const ArgumentList&) = delete;

    void push(Value&& value) { argumentStack.push_back(std::move(value)); }
    Value* values() { return argumentStack.data() + base_; }
    std::size_t size() const { return argumentStack.size() - base_; }

private:
    std::size_t base_;
};

namespace {

bool isSimplePrimary(const Token& token) {
    switch (token.type) {
    case TokenType::Variable:
    case TokenType::Bool:
    case TokenType::Integer:
    case TokenType::Double:
    case TokenType::String:
        return true;
    case TokenType::Delimiter: case TokenType::Operator: case TokenType::Command: case TokenType::DataType:
    case TokenType::BuiltinFunction: case TokenType::FuncOrArray: case TokenType::Function: case TokenType::Array:
    case TokenType::EndOfProgram: case TokenType::Count:
        return false;
    }
    return false;
}

}  // namespace

// or-level -> and-level { "or" and-level }
Value ExpressionEvaluator::parseOr() {
    checkStack();
    if (isSimplePrimary(*current_)) return parseFromSimplePrimary(BinaryLevel::Or);
    Value left = parseAnd();
    if (current_->binaryLevel == BinaryLevel::Or) continueOr(left);
    return left;
}

// A literal or variable at the start of a level takes no prefix ("not", a
// sign, a parenthesis), so every level between here and the primary only
// passes it on; what remains of their work is their operator loops, run in
// the order the descent would return through them.
Value ExpressionEvaluator::parseFromSimplePrimary(BinaryLevel outermostLevel) {
    Value left = parsePrimary();
    if (current_->binaryLevel == BinaryLevel::None) return left;
    if (current_->binaryLevel == BinaryLevel::Power) continuePower(left);
    if (outermostLevel > BinaryLevel::Multiplicative) return left;
    if (current_->binaryLevel == BinaryLevel::Multiplicative) continueMultiplicative(left);
    if (current_->binaryLevel == BinaryLevel::IntegerDivision) continueIntegerDivision(left);
    if (current_->binaryLevel == BinaryLevel::Modulo) continueModulo(left);
    if (current_->binaryLevel == BinaryLevel::Additive) continueAdditive(left);
    if (outermostLevel > BinaryLevel::Comparison) return left;
    if (current_->binaryLevel == BinaryLevel::Comparison) compareWith(left);
    if (current_->binaryLevel == BinaryLevel::And) continueAnd(left);
    if (current_->binaryLevel == BinaryLevel::Or) continueOr(left);
    return left;
}

TBASIC_NOINLINE void ExpressionEvaluator::continueOr(Value& left) {
    while (current_->binaryLevel == BinaryLevel::Or) {
        advance();
        Value right = parseAnd();  // no short-circuit: the right side always runs
        left = logicalOr(left, right);
    }
}

// and-level -> not-level { "and" not-level }
TBASIC_LEVEL Value ExpressionEvaluator::parseAnd() {
    Value left = parseNot();
    if (current_->binaryLevel == BinaryLevel::And) continueAnd(left);
    return left;
}

TBASIC_NOINLINE void ExpressionEvaluator::continueAnd(Value& left) {
    while (current_->binaryLevel == BinaryLevel::And) {
        advance();
        Value right = parseNot();
        left = logicalAnd(left, right);
    }
}

// not-level -> [ "not" ] comparison-level; only one prefix is read.
TBASIC_LEVEL Value ExpressionEvaluator::parseNot() {
    if (current_->isOperator(Operator::Not)) return negateCondition();
    return parseComparison();
}

TBASIC_NOINLINE Value ExpressionEvaluator::negateCondition() {
    advance();
    Value value = parseComparison();
    return logicalNot(value);
}

// comparison-level -> additive-level [ comparison-operator additive-level ]
TBASIC_LEVEL Value ExpressionEvaluator::parseComparison() {
    Value left = parseAdditive();
    if (current_->binaryLevel == BinaryLevel::Comparison) compareWith(left);
    return left;
}

TBASIC_NOINLINE void ExpressionEvaluator::compareWith(Value& left) {
    Operator code = current_->op;
    advance();
    Value right = parseAdditive();
    bool result = false;
    switch (code) {
    case Operator::Greater: result = lessThan(right, left); break;
    case Operator::GreaterEqual: result = lessThan(right, left) || equals(right, left); break;
    case Operator::Less: result = lessThan(left, right); break;
    case Operator::LessEqual: result = lessThan(left, right) || equals(left, right); break;
    case Operator::Equal: result = equals(left, right); break;
    case Operator::NotEqual: result = !equals(left, right); break;
    // Only comparison operators stand at the comparison level.
    case Operator::Add: case Operator::Subtract: case Operator::Multiply: case Operator::Divide:
    case Operator::IntegerDivide: case Operator::Modulo: case Operator::Power: case Operator::And:
    case Operator::Or: case Operator::Not: case Operator::OpenParen: case Operator::CloseParen:
    case Operator::Count: break;
    }
    left = Value(result);
}

// additive-level -> modulo-level { ("+" | "-") modulo-level }
Value ExpressionEvaluator::parseAdditive() {
    checkStack();
    if (isSimplePrimary(*current_)) return parseFromSimplePrimary(BinaryLevel::Additive);
    Value left = parseModulo();
    if (current_->binaryLevel == BinaryLevel::Additive) continueAdditive(left);
    return left;
}

TBASIC_NOINLINE void ExpressionEvaluator::continueAdditive(Value& left) {
    while (current_->binaryLevel == BinaryLevel::Additive) {
        Operator code = current_->op;
        advance();
        Value right = parseModulo();
        if (code == Operator::Add) {
            addTo(left, right);
        } else {
            subtractFrom(left, right);
        }
    }
}

// modulo-level -> integer-division-level { "mod" integer-division-level }
TBASIC_LEVEL Value ExpressionEvaluator::parseModulo() {
    Value left = parseIntegerDivision();
    if (current_->binaryLevel == BinaryLevel::Modulo) continueModulo(left);
    return left;
}

TBASIC_NOINLINE void ExpressionEvaluator::continueModulo(Value& left) {
    while (current_->binaryLevel == BinaryLevel::Modulo) {
        advance();
        Value right = parseIntegerDivision();
        moduloBy(left, right);
    }
}

// integer-division-level -> multiplicative-level { "\" multiplicative-level }
TBASIC_LEVEL Value ExpressionEvaluator::parseIntegerDivision() {
    Value left = parseMultiplicative();
    if (current_->binaryLevel == BinaryLevel::IntegerDivision) continueIntegerDivision(left);
    return left;
}

TBASIC_NOINLINE void ExpressionEvaluator::continueIntegerDivision(Value& left) {
    while (current_->binaryLevel == BinaryLevel::IntegerDivision) {
        advance();
        Value right = parseMultiplicative();
        integerDivideBy(left, right);
    }
}

// multiplicative-level -> unary-level { ("*" | "/") unary-level }
TBASIC_LEVEL Value ExpressionEvaluator::parseMultiplicative() {
    Value left = parseUnary();
    if (current_->binaryLevel == BinaryLevel::Multiplicative) continueMultiplicative(left);
    return left;
}

TBASIC_NOINLINE void ExpressionEvaluator::continueMultiplicative(Value& left) {
    while (current_->binaryLevel == BinaryLevel::Multiplicative) {
        Operator code = current_->op;
        advance();
        Value right = parseUnary();
        if (code == Operator::Multiply) {
            multiplyBy(left, right);
        } else {
            divideBy(left, right);
        }
    }
}

// unary-level -> [ "+" | "-" ] power-level; only one sign is read.
Value ExpressionEvaluator::parseUnary() {
    checkStack();
    if (isSimplePrimary(*current_)) return parseFromSimplePrimary(BinaryLevel::Power);
    if (current_->isOperator(Operator::Subtract)) return negateUnary();
    if (current_->isOperator(Operator::Add)) advance();
    return parsePower();
}

TBASIC_NOINLINE Value ExpressionEvaluator::negateUnary() {
    advance();
    Value value = parsePower();
    return negate(value);
}

// power-level -> group { "^" unary-level }, so 2 ^ 3 ^ 2 is 2 ^ 9 and -2 ^ 2 is -4.
TBASIC_LEVEL Value ExpressionEvaluator::parsePower() {
    Value left = parseGroup();
    if (current_->binaryLevel == BinaryLevel::Power) continuePower(left);
    return left;
}

TBASIC_NOINLINE void ExpressionEvaluator::continuePower(Value& left) {
    while (current_->binaryLevel == BinaryLevel::Power) {
        advance();
        Value right = parseUnary();
        raiseTo(left, right);
    }
}

// group -> "(" additive-level ")" | primary; a group holds no comparison.
TBASIC_LEVEL Value ExpressionEvaluator::parseGroup() {
    if (current_->isOperator(Operator::OpenParen)) return parseParenthesized();
    return parsePrimary();
}

TBASIC_NOINLINE Value ExpressionEvaluator::parseParenthesized() {
    advance();
    Value value = parseAdditive();
    if (!current_->isOperator(Operator::CloseParen)) fail("no matching ')'");
    advance();
    return value;
}

TBASIC_LEVEL Value ExpressionEvaluator::parsePrimary() {
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
        return stringLiteralValue(token);
    case TokenType::BuiltinFunction:
        return parseBuiltinCall();
    case TokenType::Function:
        return parseUserFunctionCall();
    case TokenType::Delimiter: case TokenType::Operator: case TokenType::Command: case TokenType::DataType:
    case TokenType::FuncOrArray: case TokenType::Array: case TokenType::EndOfProgram: case TokenType::Count:
        break;
    }
    raiseAt(token);
}

// The variable's value, naming the variable as its origin for BYREF binding.
TBASIC_LEVEL Value ExpressionEvaluator::readVariable() {
    const Token& token = *current_;
    Variable& variable = lookupVariable(variables_, token);
    Value value = variable.value();
    value.origin = &variable;
    advance();
    return value;
}

TBASIC_LEVEL void ExpressionEvaluator::expectOpeningParenthesis(const Token& function) {
    if (!current_->isOperator(Operator::OpenParen))
        failArgumentsExpected(function);
    advance();
}

TBASIC_NOINLINE Value ExpressionEvaluator::parseBuiltinCall() {
    const Token& token = *current_;
    const Builtin id = token.builtin;
    const CallForm form = builtinRecord(id).form;
    advance();
    Value result;
    if (form == CallForm::NoArgument) {
        callBuiltin(id, result, nullptr, 0);
        return result;
    }
    expectOpeningParenthesis(token);
    if (form == CallForm::SingleArgument) {
        Value argument = parseOr();
        if (!current_->isOperator(Operator::CloseParen)) fail("matching ')' not found");
        advance();
        callBuiltin(id, result, &argument, 1);
        return result;
    }
    ArgumentList arguments;
    parseArguments(arguments);
    callBuiltin(id, result, arguments.values(), arguments.size());
    return result;
}

// Reads "argument { "," argument } ")" after the opening parenthesis.
void ExpressionEvaluator::parseArguments(ArgumentList& arguments) {
    while (true) {
        arguments.push(parseOr());
        if (current_->type == TokenType::EndOfProgram) fail("matching ')' not found");
        if (current_->isOperator(Operator::CloseParen)) {
            advance();
            return;
        }
        if (current_->isDelimiter(',')) {
            advance();
            continue;
        }
        failUnexpectedText(*current_);
    }
}

TBASIC_NOINLINE Value ExpressionEvaluator::parseUserFunctionCall() {
    const Token& token = *current_;
    if (!functions_) raiseAt(token);
    advance();
    expectOpeningParenthesis(token);
    ArgumentList arguments;
    if (current_->isOperator(Operator::CloseParen)) {
        advance();
    } else {
        parseArguments(arguments);
    }
    return functions_->callUserFunction(token, arguments.values(), arguments.size());
}

}  // namespace tbasic

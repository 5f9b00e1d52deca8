#include "expressions/ExpressionEvaluator.h"

#include <vector>

#include "diagnostics/Error.h"
#include "diagnostics/StackGuard.h"
#include "expressions/Builtins.h"
#include "lexer/Vocabulary.h"
#include "values/Operators.h"
#include "values/VariableStore.h"

#define TBASIC_NOINLINE __attribute__((noinline))
// Helpers of the hot path, inlined into their callers: the real calls are
// parseLevel (where recursion re-enters), evaluate and the noinline helpers.
#define TBASIC_LEVEL __attribute__((always_inline)) inline

namespace tbasic {

namespace {

// Out of line, so its temporaries stay off the frames of the recursive
// levels (deep nesting is bounded by the stack).
TBASIC_NOINLINE Value stringLiteralValue(const Token& token) { return Value(token.text()); }

}  // namespace

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

// The grammar, loosest level first:
//   or-level             -> and-level { "or" and-level }
//   and-level            -> not-level { "and" not-level }
//   not-level            -> [ "not" ] comparison-level          (one prefix only)
//   comparison-level     -> additive-level [ comparison-operator additive-level ]
//   additive-level       -> modulo-level { ("+" | "-") modulo-level }
//   modulo-level         -> integer-division-level { "mod" integer-division-level }
//   integer-division-level -> multiplicative-level { "\" multiplicative-level }
//   multiplicative-level -> unary-level { ("*" | "/") unary-level }
//   unary-level          -> [ "+" | "-" ] power-level            (one sign only)
//   power-level          -> group { "^" unary-level }, so 2 ^ 3 ^ 2 is 2 ^ 9 and -2 ^ 2 is -4
//   group                -> "(" additive-level ")" | primary      (no comparison inside)
// It is read by precedence climbing rather than one function per level:
// each operand and operator costs one step whatever the depth of levels
// between them, and operators are applied at the same moments, in the
// same order, as a descent through the levels would apply them.

namespace {

// The levels, numbered as operator tokens carry them (BinaryLevel), with
// the two prefix levels and the primaries in the gaps.
constexpr std::uint8_t orLevel = 1;
constexpr std::uint8_t notLevel = 3;
constexpr std::uint8_t comparisonLevel = 4;
constexpr std::uint8_t additiveLevel = 5;
constexpr std::uint8_t unaryLevel = 9;
constexpr std::uint8_t powerLevel = 10;
constexpr std::uint8_t primaryLevel = 11;
static_assert(orLevel == static_cast<std::uint8_t>(BinaryLevel::Or));
static_assert(notLevel == static_cast<std::uint8_t>(BinaryLevel::And) + 1);
static_assert(comparisonLevel == static_cast<std::uint8_t>(BinaryLevel::Comparison));
static_assert(additiveLevel == static_cast<std::uint8_t>(BinaryLevel::Additive));
static_assert(unaryLevel == static_cast<std::uint8_t>(BinaryLevel::Multiplicative) + 1);
static_assert(powerLevel == static_cast<std::uint8_t>(BinaryLevel::Power));

inline std::uint8_t levelOf(const Token& token) { return static_cast<std::uint8_t>(token.binaryLevel); }

// The level a right operand is read at: one above its operator's, which
// makes the operator group to the left; "^" reads a unary-level operand.
inline std::uint8_t rightLevelOf(std::uint8_t level) { return level == powerLevel ? unaryLevel : level + 1; }

// The comparison operators, as the comparison level applies them.
TBASIC_NOINLINE void compare(Value& left, Operator code, const Value& right) {
    bool result = false;
    switch (code) {
    case Operator::Greater: result = lessThan(right, left); break;
    case Operator::GreaterEqual: result = lessThan(right, left) || equals(right, left); break;
    case Operator::Less: result = lessThan(left, right); break;
    case Operator::LessEqual: result = lessThan(left, right) || equals(left, right); break;
    case Operator::Equal: result = equals(left, right); break;
    case Operator::NotEqual: result = !equals(left, right); break;
    case Operator::Add: case Operator::Subtract: case Operator::Multiply: case Operator::Divide:
    case Operator::IntegerDivide: case Operator::Modulo: case Operator::Power: case Operator::And:
    case Operator::Or: case Operator::Not: case Operator::OpenParen: case Operator::CloseParen:
    case Operator::Count: break;
    }
    left = Value(result);
}

inline bool bothBooleans(const Value& left, const Value& right) {
    return left.type == DataType::Boolean && right.type == DataType::Boolean;
}

// Joins two operands with a two-operand operator; the result replaces left.
// Two integers compare, and two Booleans join, inline; every other case
// (errors included) goes to the general operations.
__attribute__((always_inline)) inline void applyOperator(Value& left, Operator code, const Value& right) {
    switch (code) {
    case Operator::Add: addTo(left, right); return;
    case Operator::Subtract: subtractFrom(left, right); return;
    case Operator::Multiply: multiplyBy(left, right); return;
    case Operator::Divide: divideBy(left, right); return;
    case Operator::IntegerDivide: integerDivideBy(left, right); return;
    case Operator::Modulo: moduloBy(left, right); return;
    case Operator::Power: raiseTo(left, right); return;
    case Operator::Less:
        if (!bothIntegers(left, right)) break;
        left.makeBoolean(left.intValue < right.intValue);
        return;
    case Operator::LessEqual:
        if (!bothIntegers(left, right)) break;
        left.makeBoolean(left.intValue <= right.intValue);
        return;
    case Operator::Greater:
        if (!bothIntegers(left, right)) break;
        left.makeBoolean(left.intValue > right.intValue);
        return;
    case Operator::GreaterEqual:
        if (!bothIntegers(left, right)) break;
        left.makeBoolean(left.intValue >= right.intValue);
        return;
    case Operator::Equal:
        if (!bothIntegers(left, right)) break;
        left.makeBoolean(left.intValue == right.intValue);
        return;
    case Operator::NotEqual:
        if (!bothIntegers(left, right)) break;
        left.makeBoolean(left.intValue != right.intValue);
        return;
    case Operator::And:
        if (bothBooleans(left, right)) {
            left.makeBoolean(left.boolValue && right.boolValue);
        } else {
            left = logicalAnd(left, right);
        }
        return;
    case Operator::Or:
        if (bothBooleans(left, right)) {
            left.makeBoolean(left.boolValue || right.boolValue);
        } else {
            left = logicalOr(left, right);
        }
        return;
    case Operator::Not: case Operator::OpenParen: case Operator::CloseParen: case Operator::Count:
        return;
    }
    compare(left, code, right);
}

}  // namespace

// The outermost level is read in this frame: one call less per expression.
Value ExpressionEvaluator::evaluate() {
    checkStack();
    std::uint8_t operandLevel = primaryLevel;
    Value result = parseOperand(orLevel, operandLevel);
    if (levelOf(*current_) >= orLevel) joinOperatorsInline(result, operandLevel, orLevel);
    if (current_->type != TokenType::EndOfProgram) failUnexpected(toString(*current_));
    return result;
}

// Reads an operand with the prefixes minimumLevel allows, then joins the
// operators of that level and tighter ones.
Value ExpressionEvaluator::parseLevel(std::uint8_t minimumLevel) {
    checkStack();
    std::uint8_t operandLevel = primaryLevel;
    Value left = parseOperand(minimumLevel, operandLevel);
    if (levelOf(*current_) >= minimumLevel) joinOperatorsInline(left, operandLevel, minimumLevel);
    return left;
}

// An operand: a primary, a group, a call, or (where minimumLevel allows
// one) an operand under "not" or a sign; operandLevel tells which.
TBASIC_LEVEL Value ExpressionEvaluator::parseOperand(std::uint8_t minimumLevel, std::uint8_t& operandLevel) {
    switch (current_->type) {
    case TokenType::Variable:
        return readVariable();
    case TokenType::Bool: case TokenType::Integer: case TokenType::Double: case TokenType::String:
        return parsePrimary();
    case TokenType::BuiltinFunction:
        return parseBuiltinCall();
    case TokenType::Function:
        return parseUserFunctionCall();
    case TokenType::Delimiter: case TokenType::Operator: case TokenType::Command: case TokenType::DataType:
    case TokenType::FuncOrArray: case TokenType::Array: case TokenType::EndOfProgram: case TokenType::Count:
        break;
    }
    return parsePrefixedOperand(minimumLevel, operandLevel);
}

// A group, or an operand under "not" or a sign where the level allows
// one; anything else cannot start an operand.
TBASIC_NOINLINE Value ExpressionEvaluator::parsePrefixedOperand(std::uint8_t minimumLevel,
                                                                std::uint8_t& operandLevel) {
    const Token& token = *current_;
    if (token.type == TokenType::Operator) {
        if (token.op == Operator::OpenParen) {
            advance();
            Value value = parseLevel(additiveLevel);
            if (!current_->isOperator(Operator::CloseParen)) fail("no matching ')'");
            advance();
            return value;
        }
        if (token.op == Operator::Not && minimumLevel <= notLevel) {
            advance();
            operandLevel = notLevel;
            Value value = parseLevel(comparisonLevel);
            return logicalNot(value);
        }
        if (token.op == Operator::Subtract && minimumLevel <= unaryLevel) {
            advance();
            operandLevel = unaryLevel;
            Value value = parseLevel(powerLevel);
            return negate(value);
        }
        if (token.op == Operator::Add && minimumLevel <= unaryLevel) {
            advance();
            operandLevel = unaryLevel;
            return parseLevel(powerLevel);  // the operand itself, origin and all
        }
    }
    raiseAt(token);
}

// The operator loop: while the operator under the cursor belongs to
// minimumLevel or a tighter level, join its right operand to left. A
// comparison joins only an operand of a tighter level (there is at most one
// per comparison level, and none after "not", "and" or "or").
TBASIC_LEVEL void ExpressionEvaluator::joinOperatorsInline(Value& left, std::uint8_t leftLevel,
                                                        std::uint8_t minimumLevel) {
    while (true) {
        const std::uint8_t level = levelOf(*current_);
        if (level < minimumLevel) return;
        if (level == comparisonLevel && leftLevel <= comparisonLevel) return;
        const Operator code = current_->op;
        advance();
        joinRightOperand(left, code, rightLevelOf(level));
        leftLevel = level;
    }
}


// The same loop out of line, for right operands that tighter operators follow.
TBASIC_NOINLINE void ExpressionEvaluator::joinOperators(Value& left, std::uint8_t leftLevel,
                                                        std::uint8_t minimumLevel) {
    checkStack();  // parseLevel checks for the inlined copy
    joinOperatorsInline(left, leftLevel, minimumLevel);
}

// Reads the right operand of an operator at rightLevel and applies the
// operator. A variable or literal that no tighter operator follows is the
// whole operand: it is used where it stands, without a copy or a descent.
TBASIC_LEVEL void ExpressionEvaluator::joinRightOperand(Value& left, Operator code, std::uint8_t rightLevel) {
    const Token& token = *current_;
    if (token.type == TokenType::Variable) {
        Variable& variable = lookupVariable(variables_, token);
        advance();
        if (levelOf(*current_) < rightLevel) {
            applyOperator(left, code, variable.value());
            return;
        }
        Value right = variable.value();
        right.origin = &variable;
        joinOperators(right, primaryLevel, rightLevel);
        applyOperator(left, code, right);
        return;
    }
    std::uint8_t operandLevel = primaryLevel;
    Value right = parseOperand(rightLevel, operandLevel);
    if (levelOf(*current_) >= rightLevel) joinOperators(right, operandLevel, rightLevel);
    applyOperator(left, code, right);
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
    case TokenType::BuiltinFunction: case TokenType::Function:
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
        // A lone variable, the most common argument, skips the descent.
        Value argument = current_->type == TokenType::Variable && current_ + 1 != end_ &&
                                 current_[1].isOperator(Operator::CloseParen)
                             ? readVariable()
                             : parseLevel(orLevel);
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

// After an argument: true past the closing ")", false past a ",".
TBASIC_LEVEL bool ExpressionEvaluator::endOfArgument() {
    if (current_->type == TokenType::EndOfProgram) fail("matching ')' not found");
    if (current_->isOperator(Operator::CloseParen)) {
        advance();
        return true;
    }
    if (current_->isDelimiter(',')) {
        advance();
        return false;
    }
    failUnexpectedText(*current_);
}

// Reads "argument { "," argument } ")" after the opening parenthesis.
void ExpressionEvaluator::parseArguments(ArgumentList& arguments) {
    do {
        arguments.push(parseLevel(orLevel));
    } while (!endOfArgument());
}

TBASIC_NOINLINE Value ExpressionEvaluator::parseUserFunctionCall() {
    const Token& token = *current_;
    if (!functions_) raiseAt(token);
    advance();
    expectOpeningParenthesis(token);
    if (current_->isOperator(Operator::CloseParen)) {
        advance();
        return functions_->callUserFunction(token, nullptr, 0);
    }
    // A lone argument, the common case, stays in this frame.
    Value first = parseLevel(orLevel);
    if (endOfArgument()) return functions_->callUserFunction(token, &first, 1);
    ArgumentList arguments;
    arguments.push(std::move(first));
    parseArguments(arguments);
    return functions_->callUserFunction(token, arguments.values(), arguments.size());
}

}  // namespace tbasic

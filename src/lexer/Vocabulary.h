// The lexer's vocabularies, each one constexpr table of records indexed by
// its enum: keywords (with their one-character short forms), operators
// (with their precedence levels) and built-in function names (with their
// call forms and argument counts). The built-ins' implementations live in
// expressions/Builtins.cpp, one function per row of this table.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <optional>
#include <string_view>

#include "diagnostics/EnumTable.h"

namespace tbasic {

// ---- Keywords ----

enum class Keyword : std::uint8_t {
    Dim, As, If, Then, ElseIf, Else, EndIf,
    For, To, Step, Next, ExitFor, ContinueFor,
    Do, DoWhile, DoUntil, Loop, LoopWhile, LoopUntil, ExitDo, ContinueDo,
    End, Function, EndFunction, Sub, EndSub, ByVal, ByRef, Return,
    Print, Input, Rem,
    Count
};

struct KeywordRecord {
    Keyword id;
    std::string_view name;  // lower case; two-word keywords are written joined ("endif")
    char symbol;            // short form written by the file pre-pass, or 0
};

inline constexpr KeywordRecord keywordTable[] = {
    {Keyword::Dim, "dim", 0},           {Keyword::As, "as", 0},
    {Keyword::If, "if", 0},             {Keyword::Then, "then", 0},
    {Keyword::ElseIf, "elseif", 0},     {Keyword::Else, "else", 0},
    {Keyword::EndIf, "endif", 0},       {Keyword::For, "for", '\x82'},
    {Keyword::To, "to", '\x83'},        {Keyword::Step, "step", '\x84'},
    {Keyword::Next, "next", '\x85'},    {Keyword::ExitFor, "exitfor", 0},
    {Keyword::ContinueFor, "continuefor", 0},
    {Keyword::Do, "do", 0},             {Keyword::DoWhile, "dowhile", 0},
    {Keyword::DoUntil, "dountil", 0},   {Keyword::Loop, "loop", 0},
    {Keyword::LoopWhile, "loopwhile", 0}, {Keyword::LoopUntil, "loopuntil", 0},
    {Keyword::ExitDo, "exitdo", 0},     {Keyword::ContinueDo, "continuedo", 0},
    {Keyword::End, "end", '\x88'},      {Keyword::Function, "function", '{'},
    {Keyword::EndFunction, "endfunction", '}'},
    {Keyword::Sub, "sub", '['},         {Keyword::EndSub, "endsub", ']'},
    {Keyword::ByVal, "byval", 0},       {Keyword::ByRef, "byref", 0},
    {Keyword::Return, "return", 0},     {Keyword::Print, "print", '?'},
    {Keyword::Input, "input", 0},       {Keyword::Rem, "rem", '\''},
};
static_assert(std::size(keywordTable) == static_cast<std::size_t>(Keyword::Count));
static_assert(rowsFollowEnumOrder(keywordTable), "keywordTable rows follow the order of Keyword");

constexpr std::string_view keywordName(Keyword keyword) {
    return keywordTable[static_cast<std::size_t>(keyword)].name;
}

// A set of keywords, one bit each.
class KeywordSet {
public:
    constexpr KeywordSet() = default;
    constexpr KeywordSet(std::initializer_list<Keyword> keywords) {
        for (Keyword keyword : keywords) bits_ |= bit(keyword);
    }
    constexpr bool has(Keyword keyword) const { return (bits_ & bit(keyword)) != 0; }

private:
    static constexpr std::uint64_t bit(Keyword keyword) { return std::uint64_t(1) << static_cast<unsigned>(keyword); }
    std::uint64_t bits_ = 0;
};
static_assert(static_cast<std::size_t>(Keyword::Count) <= 64, "a KeywordSet holds every keyword");

// Words the file pre-pass drops wherever they stand.
inline constexpr std::string_view ignoredWords[] = {"let", "goto", "gosub"};

// The keyword a lower-case word names.
std::optional<Keyword> findKeyword(std::string_view lowerWord);
// The keyword a short-form byte stands for.
std::optional<Keyword> keywordOfSymbol(char symbol);
bool isSymbolChar(char c);
bool isIgnoredWord(std::string_view lowerWord);
// Short form of a keyword (already lower case), or 0 when it has none or is no keyword.
char shortFormOf(std::string_view lowerWord);

// ---- Operators ----

enum class Operator : std::uint8_t {
    Add, Subtract, Multiply, Divide, IntegerDivide, Modulo, Power,
    Greater, GreaterEqual, Less, LessEqual, Equal, NotEqual,
    And, Or, Not, OpenParen, CloseParen,
    Count
};

// The precedence level at which an operator joins two operands, loosest
// first; None for operators that never join two operands ("not", parentheses).
enum class BinaryLevel : std::uint8_t {
    None = 0, Or = 1, And = 2, Comparison = 4, Additive = 5,
    Modulo = 6, IntegerDivision = 7, Multiplicative = 8, Power = 10,
};

struct OperatorRecord {
    Operator id;
    std::string_view name;  // the spelling error messages use
    BinaryLevel level;
};

inline constexpr OperatorRecord operatorTable[] = {
    {Operator::Add, "+", BinaryLevel::Additive},
    {Operator::Subtract, "-", BinaryLevel::Additive},
    {Operator::Multiply, "*", BinaryLevel::Multiplicative},
    {Operator::Divide, "/", BinaryLevel::Multiplicative},
    {Operator::IntegerDivide, "\\", BinaryLevel::IntegerDivision},
    {Operator::Modulo, "mod", BinaryLevel::Modulo},
    {Operator::Power, "^", BinaryLevel::Power},
    {Operator::Greater, ">", BinaryLevel::Comparison},
    {Operator::GreaterEqual, ">=", BinaryLevel::Comparison},
    {Operator::Less, "<", BinaryLevel::Comparison},
    {Operator::LessEqual, "<=", BinaryLevel::Comparison},
    {Operator::Equal, "=", BinaryLevel::Comparison},
    {Operator::NotEqual, "<>", BinaryLevel::Comparison},
    {Operator::And, "and", BinaryLevel::And},
    {Operator::Or, "or", BinaryLevel::Or},
    {Operator::Not, "not", BinaryLevel::None},
    {Operator::OpenParen, "(", BinaryLevel::None},
    {Operator::CloseParen, ")", BinaryLevel::None},
};
static_assert(std::size(operatorTable) == static_cast<std::size_t>(Operator::Count));
static_assert(rowsFollowEnumOrder(operatorTable), "operatorTable rows follow the order of Operator");

// Other spellings of the same operators.
struct OperatorAlias {
    std::string_view spelling;
    Operator id;
};
inline constexpr OperatorAlias operatorAliases[] = {
    {"%", Operator::Modulo}, {"==", Operator::Equal}, {"!", Operator::Not},
};

constexpr BinaryLevel binaryLevelOf(Operator op) { return operatorTable[static_cast<std::size_t>(op)].level; }

// The operator a text spells, in any case ("MOD", "%", "<>").
std::optional<Operator> findOperator(std::string_view text);

// ---- Built-in functions ----

enum class Builtin : std::uint8_t {
    Abs, Sign, Int, Sqrt, Exp, Log, Log10, Rad, Deg, Sin, Cos, Tan, Asin, Acos, Atan,
    Sinh, Cosh, Tanh, Asinh, Acosh, Atanh, Sec, Csc, Pi, Random,
    Now, Date, Time,
    Str, Space, Tab, LTrim, RTrim, Trim, Len, UCase, LCase, Val, IsNumeric,
    Left, Right, Mid, InStr,
    Count
};

// How a call is written: "pi" with no parentheses, "sqrt(x)" with exactly
// one argument, "mid(s, a, b)" with a comma-separated list.
enum class CallForm : std::uint8_t { NoArgument, SingleArgument, ArgumentList };

struct BuiltinRecord {
    Builtin id;
    std::string_view name;  // as error messages write it ("isNumeric"); matched in any case
    CallForm form;
    std::uint8_t arguments;  // the count a call must pass (now, date and time: none accepted)
};

inline constexpr BuiltinRecord builtinTable[] = {
    {Builtin::Abs, "abs", CallForm::SingleArgument, 1},
    {Builtin::Sign, "sign", CallForm::SingleArgument, 1},
    {Builtin::Int, "int", CallForm::SingleArgument, 1},
    {Builtin::Sqrt, "sqrt", CallForm::SingleArgument, 1},
    {Builtin::Exp, "exp", CallForm::SingleArgument, 1},
    {Builtin::Log, "log", CallForm::SingleArgument, 1},
    {Builtin::Log10, "log10", CallForm::SingleArgument, 1},
    {Builtin::Rad, "rad", CallForm::SingleArgument, 1},
    {Builtin::Deg, "deg", CallForm::SingleArgument, 1},
    {Builtin::Sin, "sin", CallForm::SingleArgument, 1},
    {Builtin::Cos, "cos", CallForm::SingleArgument, 1},
    {Builtin::Tan, "tan", CallForm::SingleArgument, 1},
    {Builtin::Asin, "asin", CallForm::SingleArgument, 1},
    {Builtin::Acos, "acos", CallForm::SingleArgument, 1},
    {Builtin::Atan, "atan", CallForm::SingleArgument, 1},
    {Builtin::Sinh, "sinh", CallForm::SingleArgument, 1},
    {Builtin::Cosh, "cosh", CallForm::SingleArgument, 1},
    {Builtin::Tanh, "tanh", CallForm::SingleArgument, 1},
    {Builtin::Asinh, "asinh", CallForm::SingleArgument, 1},
    {Builtin::Acosh, "acosh", CallForm::SingleArgument, 1},
    {Builtin::Atanh, "atanh", CallForm::SingleArgument, 1},
    {Builtin::Sec, "sec", CallForm::SingleArgument, 1},
    {Builtin::Csc, "csc", CallForm::SingleArgument, 1},
    {Builtin::Pi, "pi", CallForm::NoArgument, 0},
    {Builtin::Random, "random", CallForm::NoArgument, 0},
    {Builtin::Now, "now", CallForm::ArgumentList, 0},
    {Builtin::Date, "date", CallForm::ArgumentList, 0},
    {Builtin::Time, "time", CallForm::ArgumentList, 0},
    {Builtin::Str, "str", CallForm::SingleArgument, 1},
    {Builtin::Space, "space", CallForm::SingleArgument, 1},
    {Builtin::Tab, "tab", CallForm::SingleArgument, 1},
    {Builtin::LTrim, "ltrim", CallForm::SingleArgument, 1},
    {Builtin::RTrim, "rtrim", CallForm::SingleArgument, 1},
    {Builtin::Trim, "trim", CallForm::SingleArgument, 1},
    {Builtin::Len, "len", CallForm::SingleArgument, 1},
    {Builtin::UCase, "ucase", CallForm::SingleArgument, 1},
    {Builtin::LCase, "lcase", CallForm::SingleArgument, 1},
    {Builtin::Val, "val", CallForm::SingleArgument, 1},
    {Builtin::IsNumeric, "isNumeric", CallForm::SingleArgument, 1},
    {Builtin::Left, "left", CallForm::ArgumentList, 2},
    {Builtin::Right, "right", CallForm::ArgumentList, 2},
    {Builtin::Mid, "mid", CallForm::ArgumentList, 3},
    {Builtin::InStr, "instr", CallForm::ArgumentList, 2},
};
static_assert(std::size(builtinTable) == static_cast<std::size_t>(Builtin::Count));
static_assert(rowsFollowEnumOrder(builtinTable), "builtinTable rows follow the order of Builtin");

constexpr const BuiltinRecord& builtinRecord(Builtin id) { return builtinTable[static_cast<std::size_t>(id)]; }

// The built-in a lower-case word names.
std::optional<Builtin> findBuiltin(std::string_view lowerWord);

}  // namespace tbasic

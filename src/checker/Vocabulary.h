// The checker's view of the interpreter's vocabularies: keywords and their
// short forms, ignored words, operators, type names, built-in functions and
// number words. This file and Vocabulary.cpp are the checker's only contact
// with the interpreter's lexer and expression tables; the rest of the
// checker works with the enumerations below.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tbasic::check {

enum class Keyword : std::uint8_t {
    None, Dim, As, If, Then, ElseIf, Else, EndIf, For, To, Step, Next, ExitFor, ContinueFor,
    Do, DoWhile, DoUntil, Loop, LoopWhile, LoopUntil, ExitDo, ContinueDo, End, Function,
    EndFunction, Sub, EndSub, ByVal, ByRef, Return, Print, Input, Rem,
};

enum class Operator : std::uint8_t {
    None, Add, Subtract, Multiply, Divide, IntegerDivide, Modulo, Power, Greater, GreaterEqual,
    Less, LessEqual, Equal, NotEqual, And, Or, Not, OpenParen, CloseParen,
};

// Precedence level at which an operator joins two operands, loosest first.
enum class Level : std::uint8_t {
    None = 0, Or = 1, And = 2, Comparison = 4, Additive = 5, Modulo = 6, IntegerDivision = 7,
    Multiplicative = 8, Power = 10,
};

enum class Type : std::uint8_t { Boolean, Integer, Double, String, Date, Time, DateTime };

enum class Builtin : std::uint8_t {
    None, Abs, Sign, Int, Sqrt, Exp, Log, Log10, Rad, Deg, Sin, Cos, Tan, Asin, Acos, Atan, Sinh,
    Cosh, Tanh, Asinh, Acosh, Atanh, Sec, Csc, Pi, Random, Now, Date, Time, Str, Space, Tab, LTrim,
    RTrim, Trim, Len, UCase, LCase, Val, IsNumeric, Left, Right, Mid, InStr,
};

enum class CallForm : std::uint8_t { NoArgument, SingleArgument, ArgumentList };

// What a lower-case word cut from a program is.
enum class WordClass : std::uint8_t { Name, Boolean, DataType, Builtin, Keyword, Operator };

struct WordInfo {
    WordClass wordClass = WordClass::Name;
    Keyword keyword = Keyword::None;
    Operator op = Operator::None;
    Type type = Type::Boolean;
    Builtin builtin = Builtin::None;
};

// Prepares the lookups; call once before anything below.
void initVocabulary();

// Classifies a lower-case word as the tokenizer does (literal, type name,
// built-in, keyword, operator word, or a name).
const WordInfo& classifyWord(const std::string& lowerWord);
// The one-character short form the keyword pass writes for a lower-case
// word, or 0.
char shortFormOf(const std::string& lowerWord);
// True for the words the keyword pass removes (LET, GOTO, GOSUB).
bool isIgnoredWord(const std::string& lowerWord);
// Short-form characters and the keywords they stand for.
bool isShortForm(char c);
Keyword keywordOfShortForm(char c);
// Operators written with symbols: "+", "<>", "%", ...; Operator::None if none.
Operator operatorOfSymbol(std::string_view text);
Level levelOf(Operator op);

// The keyword as the interpreter names it ("endif", "print").
const char* keywordName(Keyword keyword);
const char* typeName(Type type);
// The built-in's name as documented ("isNumeric"), and its call form.
const std::string& builtinName(Builtin builtin);
CallForm callFormOf(Builtin builtin);
// Every built-in function name, for suggestions.
const std::vector<std::string>& builtinNames();

// The characters that end a word, and those the blank pass squeezes around.
bool isWordDelimiter(char c);
bool isSqueezeDelimiter(char c);
bool isSingleCharToken(char c);

// Reads a number word as the tokenizer does. Returns false with the
// interpreter's message when the word is no valid number.
struct NumberWord {
    bool isDouble = false;
    std::int32_t intValue = 0;
    double doubleValue = 0.0;
};
bool readNumberWord(const std::string& word, NumberWord& out, std::string& message);

// Runs the interpreter's own tokenizer over program text, for tests that
// compare the two token sequences: one line per token ("LINE TYPE TEXT"), or
// "error: MESSAGE" when it fails. Function definitions are kept in place.
std::vector<std::string> interpreterTokenDump(const std::string& text);

}  // namespace tbasic::check

// The token record, its dump, the keyword and operator tables and the cursor.
#include <gtest/gtest.h>

#include <iterator>
#include <optional>
#include <string>

#include "diagnostics/Error.h"
#include "lexer/Vocabulary.h"
#include "lexer/Token.h"
#include "lexer/Tokenizer.h"
#include "text/Text.h"

namespace tbasic {
namespace {

const std::string fileName = "t.bas";

Token makeToken(TokenType type, std::string_view text = "") {
    Token token;
    token.type = type;
    token.sourceId = sourceIdOf(fileName);
    token.line = 1;
    token.setText(text);
    return token;
}

TEST(TokenDumpTest, EachKind) {
    Token integer = makeToken(TokenType::Integer);
    integer.intValue = 42;
    Token negative = makeToken(TokenType::Integer, "ignored");
    negative.intValue = -2147483647 - 1;
    Token dbl = makeToken(TokenType::Double);
    dbl.doubleValue = 3.5;
    Token longDouble = makeToken(TokenType::Double);
    longDouble.doubleValue = 1234567.0;  // six significant digits
    Token thirds = makeToken(TokenType::Double);
    thirds.doubleValue = 1.0 / 3.0;
    Token yes = makeToken(TokenType::Bool);
    yes.boolValue = true;
    Token no = makeToken(TokenType::Bool);
    Token print = makeToken(TokenType::Command);
    print.keyword = *keywordOfSymbol('?');
    Token endIf = makeToken(TokenType::Command);
    endIf.keyword = Keyword::EndIf;

    const struct {
        Token token;
        const char* dump;
    } rows[] = {
        {makeToken(TokenType::Delimiter, "\n"), "Token {type=delimeter, value=[EOL]}"},
        {makeToken(TokenType::Delimiter, ";"), "Token {type=delimeter, value=[;]}"},
        {makeToken(TokenType::Delimiter, ","), "Token {type=delimeter, value=[,]}"},
        {makeToken(TokenType::Operator, "<>"), "Token {type=operator, value=[<>]}"},
        {makeToken(TokenType::Operator, "mod"), "Token {type=operator, value=[mod]}"},
        {print, "Token {type=command, value=[print]}"},
        {endIf, "Token {type=command, value=[endif]}"},
        {makeToken(TokenType::Variable, "count"), "Token {type=variable, value=[count]}"},
        {yes, "Token {type=bool, value=[True]}"},
        {no, "Token {type=bool, value=[False]}"},
        {integer, "Token {type=integer, value=[42]}"},
        {negative, "Token {type=integer, value=[-2147483648]}"},
        {dbl, "Token {type=double, value=[3.5]}"},
        {longDouble, "Token {type=double, value=[1.23457e+06]}"},
        {thirds, "Token {type=double, value=[0.333333]}"},
        {makeToken(TokenType::String, "Hi there"), "Token {type=string, value=[Hi there]}"},
        {makeToken(TokenType::DataType, "integer"), "Token {type=data type, value=[integer]}"},
        {makeToken(TokenType::BuiltinFunction, "abs"), "Token {type=built-in function, value=[abs]}"},
        {makeToken(TokenType::FuncOrArray, "f"), "Token {type=func_or_array, value=[f]}"},
        {makeToken(TokenType::Function, "f"), "Token {type=function, value=[f]}"},
        {makeToken(TokenType::Array, "a"), "Token {type=array, value=[a (array not supported yet)]}"},
        {endOfProgramToken, "Token {type=end_of_program, value=[]}"},
    };
    for (const auto& row : rows) EXPECT_EQ(toString(row.token), row.dump);
}

TEST(TokenDumpTest, TokenizedTokensDumpTheirValues) {
    // Number and command tokens may keep the word they were cut from; the
    // dump still shows the value and the keyword's name.
    Tokenizer tokenizer;
    tokenizer.tokenizeString("00042 : 2.50 TRUE ?");
    const TokenList& tokens = tokenizer.tokens();
    ASSERT_EQ(tokens.size(), 5u);
    EXPECT_EQ(toString(tokens[0]), "Token {type=integer, value=[42]}");
    EXPECT_EQ(toString(tokens[1]), "Token {type=delimeter, value=[EOL]}");
    EXPECT_EQ(toString(tokens[2]), "Token {type=double, value=[2.5]}");
    EXPECT_EQ(toString(tokens[3]), "Token {type=bool, value=[True]}");
    EXPECT_EQ(toString(tokens[4]), "Token {type=command, value=[print]}");
}

TEST(EndOfProgramTokenTest, IsAnEmptySentinel) {
    EXPECT_EQ(endOfProgramToken.type, TokenType::EndOfProgram);
    EXPECT_EQ(sourceName(endOfProgramToken.sourceId), "");
    EXPECT_EQ(endOfProgramToken.line, 0);
    EXPECT_EQ(endOfProgramToken.text(), "");
    EXPECT_TRUE(endOfProgramToken.endsStatement);
}

TEST(KeywordTableTest, EveryKeywordWithItsShortForm) {
    const struct {
        const char* word;
        char symbol;
    } rows[] = {
        {"dim", 0},           {"as", 0},          {"if", 0},
        {"then", 0},          {"elseif", 0},      {"else", 0},
        {"endif", 0},         {"for", '\x82'},    {"to", '\x83'},
        {"step", '\x84'},     {"next", '\x85'},   {"exitfor", 0},
        {"continuefor", 0},   {"do", 0},          {"dowhile", 0},
        {"dountil", 0},       {"loop", 0},        {"loopwhile", 0},
        {"loopuntil", 0},     {"exitdo", 0},      {"continuedo", 0},
        {"end", '\x88'},      {"function", '{'},  {"endfunction", '}'},
        {"sub", '['},         {"endsub", ']'},    {"byval", 0},
        {"byref", 0},         {"return", 0},      {"print", '?'},
        {"input", 0},         {"rem", '\''},
    };
    EXPECT_EQ(std::size(rows), std::size(keywordTable));
    for (const auto& row : rows) {
        SCOPED_TRACE(row.word);
        std::optional<Keyword> keyword = findKeyword(row.word);
        ASSERT_TRUE(keyword.has_value());
        EXPECT_EQ(keywordName(*keyword), row.word);
        EXPECT_EQ(shortFormOf(row.word), row.symbol);
        if (row.symbol != 0) {
            EXPECT_TRUE(isSymbolChar(row.symbol));
            EXPECT_EQ(keywordOfSymbol(row.symbol), keyword);
        }
    }
}

TEST(KeywordTableTest, WordsThatAreNotKeywords) {
    // Lookups take the lower-case words the tokenizer makes.
    for (const char* word : {"exit", "continue", "let", "goto", "gosub", "", "pri nt", "end if", "printx", "PRINT"}) {
        SCOPED_TRACE(word);
        EXPECT_FALSE(findKeyword(word).has_value());
        EXPECT_EQ(shortFormOf(word), 0);
    }
}

TEST(KeywordTableTest, IgnoredWords) {
    for (const char* word : {"let", "goto", "gosub"}) EXPECT_TRUE(isIgnoredWord(word)) << word;
    for (const char* word : {"print", "lett", "go", ""}) EXPECT_FALSE(isIgnoredWord(word)) << word;
}

TEST(KeywordTableTest, SymbolCharacters) {
    for (char c : {'?', '\'', '{', '}', '[', ']', '\x82', '\x83', '\x84', '\x85', '\x88'})
        EXPECT_TRUE(isSymbolChar(c)) << int(c);
    for (char c : {'\x86', '\x87', '\x80', '(', ')', ':', 'a', '"', ' ', '\0', '\xff'}) {
        EXPECT_FALSE(isSymbolChar(c)) << int(c);
        EXPECT_FALSE(keywordOfSymbol(c).has_value()) << int(c);
    }
}

TEST(OperatorTableTest, SpellingsNamesAndLevels) {
    const struct {
        const char* spelling;
        Operator op;
        BinaryLevel level;
    } rows[] = {
        {"+", Operator::Add, BinaryLevel::Additive},
        {"-", Operator::Subtract, BinaryLevel::Additive},
        {"*", Operator::Multiply, BinaryLevel::Multiplicative},
        {"/", Operator::Divide, BinaryLevel::Multiplicative},
        {"\\", Operator::IntegerDivide, BinaryLevel::IntegerDivision},
        {"mod", Operator::Modulo, BinaryLevel::Modulo},
        {"%", Operator::Modulo, BinaryLevel::Modulo},
        {"^", Operator::Power, BinaryLevel::Power},
        {">", Operator::Greater, BinaryLevel::Comparison},
        {">=", Operator::GreaterEqual, BinaryLevel::Comparison},
        {"<", Operator::Less, BinaryLevel::Comparison},
        {"<=", Operator::LessEqual, BinaryLevel::Comparison},
        {"=", Operator::Equal, BinaryLevel::Comparison},
        {"==", Operator::Equal, BinaryLevel::Comparison},
        {"<>", Operator::NotEqual, BinaryLevel::Comparison},
        {"and", Operator::And, BinaryLevel::And},
        {"or", Operator::Or, BinaryLevel::Or},
        {"not", Operator::Not, BinaryLevel::None},
        {"!", Operator::Not, BinaryLevel::None},
        {"(", Operator::OpenParen, BinaryLevel::None},
        {")", Operator::CloseParen, BinaryLevel::None},
        {"MOD", Operator::Modulo, BinaryLevel::Modulo},
        {"And", Operator::And, BinaryLevel::And},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.spelling);
        ASSERT_EQ(findOperator(row.spelling), row.op);
        EXPECT_EQ(binaryLevelOf(row.op), row.level);
    }
    for (const char* text : {"=<", "=>", "><", "!=", "&", "xor", "", "modx", " mod"})
        EXPECT_FALSE(findOperator(text).has_value()) << text;
}

TEST(TextHelpersTest, TrimAndLowerCase) {
    EXPECT_EQ(trim(" \t a b \t "), "a b");
    EXPECT_EQ(trim("\n x \n"), "\n x \n") << "only blanks and tabs are trimmed";
    EXPECT_EQ(trim("   "), "");
    EXPECT_EQ(toLower("MiXeD 1_Z"), "mixed 1_z");
    EXPECT_EQ(toLower("\xC3\x89"), "\xC3\x89") << "bytes above 0x7f stay as they are";
}

TEST(TokenCursorTest, WalksAndStaysAtTheEnd) {
    TokenList tokens = {makeToken(TokenType::Variable, "a"), makeToken(TokenType::Variable, "b")};
    TokenCursor cursor(tokens);
    EXPECT_EQ(&cursor.current(), &tokens[0]);
    cursor.advance();
    EXPECT_EQ(&cursor.current(), &tokens[1]);
    cursor.advance();
    EXPECT_EQ(&cursor.current(), &endOfProgramToken);
    EXPECT_EQ(cursor.position(), tokens.data() + 2);
    cursor.advance();
    cursor.advance();
    EXPECT_EQ(&cursor.current(), &endOfProgramToken);
    EXPECT_EQ(cursor.position(), tokens.data() + 2);
}

TEST(TokenCursorTest, EmptyAndPartialRanges) {
    TokenList empty;
    TokenCursor none(empty);
    EXPECT_EQ(&none.current(), &endOfProgramToken);
    none.advance();
    EXPECT_EQ(&none.current(), &endOfProgramToken);

    TokenList tokens = {makeToken(TokenType::Variable, "a"), makeToken(TokenType::Variable, "b"),
                        makeToken(TokenType::Variable, "c")};
    // A range that ends before the last token yields the sentinel at its own end.
    TokenCursor part(tokens.data(), tokens.data() + 1);
    EXPECT_EQ(part.current().text(), "a");
    part.advance();
    EXPECT_EQ(&part.current(), &endOfProgramToken);
}

}  // namespace
}  // namespace tbasic

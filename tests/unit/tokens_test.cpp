// The token record, its dump, the keyword and operator tables and the cursor.
#include <gtest/gtest.h>

#include <string>

#include "diagnostics/Error.h"
#include "driver/Driver.h"
#include "lexer/Keywords.h"
#include "lexer/Token.h"
#include "lexer/Tokenizer.h"

namespace tbasic {
namespace {

class Tables : public ::testing::Environment {
public:
    void SetUp() override { initTables(); }
};
[[maybe_unused]] auto* const tables = ::testing::AddGlobalTestEnvironment(new Tables);

const std::string fileName = "t.bas";

Token makeToken(TokenType type, const std::string& text = "") {
    Token token;
    token.type = type;
    token.file = &fileName;
    token.line = 1;
    token.text = text;
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
    print.command = &getCommandBySymbol('?');
    Token endIf = makeToken(TokenType::Command);
    endIf.command = &getCommand("endif");

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
    EXPECT_EQ(endOfProgramToken.file, nullptr);
    EXPECT_EQ(endOfProgramToken.line, 0);
    EXPECT_EQ(endOfProgramToken.text, "");
    EXPECT_EQ(endOfProgramToken.command, nullptr);
}

TEST(KeywordTableTest, EveryKeywordWithCodeAndShortForm) {
    const struct {
        const char* word;
        int code;
        char symbol;
    } rows[] = {
        {"dim", 4, 0},           {"as", 5, 0},          {"if", 6, 0},
        {"then", 7, 0},          {"elseif", 8, 0},      {"else", 9, 0},
        {"endif", 10, 0},        {"for", 11, '\x82'},   {"to", 12, '\x83'},
        {"step", 13, '\x84'},    {"next", 14, '\x85'},  {"exitfor", 15, 0},
        {"continuefor", 16, 0},  {"do", 17, 0},         {"dowhile", 18, 0},
        {"dountil", 19, 0},      {"loop", 20, 0},       {"loopwhile", 21, 0},
        {"loopuntil", 22, 0},    {"exitdo", 23, 0},     {"continuedo", 24, 0},
        {"end", 25, '\x88'},     {"function", 26, '{'}, {"endfunction", 27, '}'},
        {"sub", 28, '['},        {"endsub", 29, ']'},   {"byval", 30, 0},
        {"byref", 31, 0},        {"return", 32, 0},     {"print", 33, '?'},
        {"input", 34, 0},        {"rem", 36, '\''},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.word);
        ASSERT_TRUE(isCommand(row.word));
        const CommandInfo& info = getCommand(row.word);
        EXPECT_EQ(info.code, row.code);
        EXPECT_EQ(info.symbol, row.symbol);
        EXPECT_EQ(info.name, row.word);
        EXPECT_EQ(shortFormOf(row.word), row.symbol);
        if (row.symbol != 0) {
            EXPECT_TRUE(isSymbolChar(row.symbol));
            EXPECT_EQ(&getCommandBySymbol(row.symbol), &info);
        }
    }
}

TEST(KeywordTableTest, LookupsIgnoreCaseAndSurroundingBlanks) {
    for (const char* word : {"PRINT", "Print", "print", " print", "print ", "\tPrInT\t", "  PRINT  "}) {
        SCOPED_TRACE(word);
        EXPECT_TRUE(isCommand(word));
        EXPECT_EQ(getCommand(word).code, 33);
    }
}

TEST(KeywordTableTest, WordsThatAreNotKeywords) {
    for (const char* word : {"exit", "continue", "let", "goto", "gosub", "", "pri nt", "end if", "printx"}) {
        SCOPED_TRACE(word);
        EXPECT_FALSE(isCommand(word));
        EXPECT_EQ(shortFormOf(word), 0);
    }
    try {
        getCommand("  EXIT ");
        ADD_FAILURE() << "getCommand accepted exit";
    } catch (const SyntaxError& error) {
        EXPECT_EQ(error.code, 5);
        EXPECT_EQ(error.message, "exit");
    }
}

TEST(KeywordTableTest, IgnoredWords) {
    for (const char* word : {"let", "goto", "gosub", "LET", " GoTo "}) EXPECT_TRUE(isIgnoredWord(word)) << word;
    for (const char* word : {"print", "lett", "go", ""}) EXPECT_FALSE(isIgnoredWord(word)) << word;
}

TEST(KeywordTableTest, SymbolCharacters) {
    for (char c : {'?', '\'', '{', '}', '[', ']', '\x82', '\x83', '\x84', '\x85', '\x88'})
        EXPECT_TRUE(isSymbolChar(c)) << int(c);
    for (char c : {'\x86', '\x87', '\x80', '(', ')', ':', 'a', '"', ' ', '\0'})
        EXPECT_FALSE(isSymbolChar(c)) << int(c);
}

TEST(KeywordTableTest, GetCommandBySymbolFailure) {
    const struct {
        char symbol;
        const char* message;
    } rows[] = {
        {'x', "code is [120]"},
        {'(', "code is [40]"},
        {'\x86', "code is [-122]"},
        {'\xff', "code is [-1]"},
    };
    for (const auto& row : rows) {
        try {
            getCommandBySymbol(row.symbol);
            ADD_FAILURE() << "accepted " << row.message;
        } catch (const SyntaxError& error) {
            EXPECT_EQ(error.code, 5);
            EXPECT_EQ(error.message, row.message);
        }
    }
}

TEST(OperatorTableTest, SpellingsNamesAndCodes) {
    const struct {
        const char* spelling;
        const char* name;
        int code;
    } rows[] = {
        {"+", "+", 1},     {"-", "-", 2},     {"*", "*", 3},     {"/", "/", 4},
        {"\\", "\\", 5},   {"mod", "mod", 6}, {"%", "mod", 6},   {"^", "^", 7},
        {">", ">", 8},     {">=", ">=", 9},   {"<", "<", 10},    {"<=", "<=", 11},
        {"=", "=", 12},    {"==", "=", 12},   {"<>", "<>", 13},  {"and", "and", 14},
        {"or", "or", 15},  {"not", "not", 16}, {"!", "not", 16}, {"(", "(", 17},
        {")", ")", 18},    {" MOD ", "mod", 6}, {"And", "and", 14}, {"\tNOT", "not", 16},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.spelling);
        ASSERT_TRUE(isOperator(row.spelling));
        EXPECT_EQ(getOperator(row.spelling).name, row.name);
        EXPECT_EQ(getOperator(row.spelling).code, row.code);
    }
    for (const char* text : {"=<", "=>", "><", "!=", "&", "xor", "", "modx"})
        EXPECT_FALSE(isOperator(text)) << text;
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
    EXPECT_EQ(part.current().text, "a");
    part.advance();
    EXPECT_EQ(&part.current(), &endOfProgramToken);
}

}  // namespace
}  // namespace tbasic

// Token sequences of program files (as the program loader leaves them) and
// of command-line expressions.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "diagnostics/Error.h"
#include "lexer/Numbers.h"
#include "lexer/Token.h"
#include "lexer/Tokenizer.h"
#include "lexer/Vocabulary.h"
#include "statements/Program.h"
#include "text/Text.h"

namespace tbasic {
namespace {

using Briefs = std::vector<std::string>;

// "LINE KIND VALUE", with the value part of the token's dump.
std::string brief(const Token& token) {
    const std::string dump = toString(token);
    const std::string open = ", value=[";
    const std::size_t start = dump.find(open) + open.size();
    return std::to_string(token.line) + " " + tokenTypeName(token.type) + " " +
           dump.substr(start, dump.size() - 2 - start);
}

Briefs briefs(const TokenList& tokens) {
    Briefs out;
    for (const Token& token : tokens) out.push_back(brief(token));
    return out;
}

class TokenizerTest : public ::testing::Test {
protected:
    // The main sequence of a loaded program text.
    static Briefs file(const std::string& text) {
        Tokenizer tokenizer;
        tokenizer.tokenizeProgramText("t.bas", text);
        Program program;
        program.load(tokenizer.tokens());
        return briefs(program.mainTokens());
    }
    static Briefs expression(const std::string& text) {
        Tokenizer tokenizer;
        tokenizer.tokenizeString(text);
        return briefs(tokenizer.tokens());
    }
    // "Class code: message" of what the call raises, or "no error".
    template <typename F>
    static std::string failure(F&& f) {
        try {
            f();
        } catch (const Error& e) {
            return "Error " + std::to_string(static_cast<int>(e.code)) + ": " + e.message;
        }
        return "no error";
    }
    static std::string fileFailure(const std::string& text) {
        return failure([&] { file(text); });
    }
    static std::string expressionFailure(const std::string& text) {
        return failure([&] { expression(text); });
    }
};

TEST_F(TokenizerTest, LineEndsOfEveryKindGiveTheSameTokens) {
    const Briefs expected = {
        "1 command dim",   "1 variable x",  "1 command as",   "1 data type integer",
        "1 delimeter EOL", "2 variable x",  "2 operator =",   "2 integer 10",
        "2 operator /",    "2 integer 2",   "2 delimeter EOL", "3 command print",
        "3 variable x",    "3 delimeter EOL",
    };
    EXPECT_EQ(file("DIM x AS INTEGER\nx = 10 / 2\nPRINT x\n"), expected);
    EXPECT_EQ(file("DIM x AS INTEGER\r\nx = 10 / 2\r\nPRINT x\r\n"), expected);
    EXPECT_EQ(file("DIM x AS INTEGER\rx = 10 / 2\rPRINT x\r"), expected);
    EXPECT_EQ(file("DIM x AS INTEGER\r\nx = 10 / 2\rPRINT x\n"), expected);

    // CR CR LF is two line ends, LF CR too.
    const Briefs mixed = {"1 variable a", "1 delimeter EOL", "2 delimeter EOL", "3 variable b",
                          "3 delimeter EOL", "4 delimeter EOL", "5 variable c"};
    EXPECT_EQ(file("a\r\r\nb\n\rc"), mixed);
}

TEST_F(TokenizerTest, Comments) {
    const struct {
        const char* source;
        Briefs tokens;
    } rows[] = {
        {"x = 1 ' note\nPRINT x 'x",
         {"1 variable x", "1 operator =", "1 integer 1", "1 delimeter EOL", "2 command print", "2 variable x"}},
        {"REM whole line\nPRINT 1", {"1 delimeter EOL", "2 command print", "2 integer 1"}},
        {"x = 1 rem trailing", {"1 variable x", "1 operator =", "1 integer 1"}},
        {"x = 1 // trailing", {"1 variable x", "1 operator =", "1 integer 1"}},
        {"x = 1 /* inline */ + 2", {"1 variable x", "1 operator =", "1 integer 1", "1 operator +", "1 integer 2"}},
        {"/**/x", {"1 variable x"}},
        {"/*/PRINT 1", {"1 command print", "1 integer 1"}},
        {"x = a/b", {"1 variable x", "1 operator =", "1 variable a", "1 operator /", "1 variable b"}},
        {"PRINT \"a 'b // c /* d rem\" ' real",
         {"1 command print", "1 string a 'b // c /* d rem"}},
        {"remark = 1", {"1 variable remark", "1 operator =", "1 integer 1"}},
    };
    for (const auto& row : rows) EXPECT_EQ(file(row.source), row.tokens) << row.source;
}

TEST_F(TokenizerTest, BlockCommentShiftsLaterLinesByItsLineEnds) {
    // b stands on physical line 5; the two line ends inside the comment vanish.
    EXPECT_EQ(file("a = 1\n/* one\ntwo\nthree */\nb = 2\n"),
              (Briefs{"1 variable a", "1 operator =", "1 integer 1", "1 delimeter EOL", "2 delimeter EOL",
                      "3 variable b", "3 operator =", "3 integer 2", "3 delimeter EOL"}));
    // A comment before the first token moves it to line 1.
    EXPECT_EQ(file("/*\n\n\n*/x\ny"), (Briefs{"1 variable x", "1 delimeter EOL", "2 variable y"}));
}

TEST_F(TokenizerTest, KeywordsInFiles) {
    const struct {
        const char* source;
        Briefs tokens;
    } rows[] = {
        {"LET a = 1", {"1 variable a", "1 operator =", "1 integer 1"}},
        {"Let a = 1", {"1 variable a", "1 operator =", "1 integer 1"}},
        {"a = 1", {"1 variable a", "1 operator =", "1 integer 1"}},
        {"GOTO label", {"1 variable label"}},
        {"gosub sub1", {"1 variable sub1"}},
        {"END   IF", {"1 command endif"}},
        {"End If", {"1 command endif"}},
        {"ENDIF", {"1 command endif"}},
        {"END", {"1 command end"}},
        {"end x", {"1 command end", "1 variable x"}},
        {"exit x", {"1 variable exitx"}},
        {"Exit For", {"1 command exitfor"}},
        {"exit  do", {"1 command exitdo"}},
        {"CONTINUE FOR", {"1 command continuefor"}},
        {"Continue Do", {"1 command continuedo"}},
        {"DO", {"1 command do"}},
        {"Do While x", {"1 command dowhile", "1 variable x"}},
        {"DO UNTIL x", {"1 command dountil", "1 variable x"}},
        {"LOOP", {"1 command loop"}},
        {"Loop While x", {"1 command loopwhile", "1 variable x"}},
        {"loop until x", {"1 command loopuntil", "1 variable x"}},
        {"END SUB", {"1 command endsub"}},
        {"End Function", {"1 command endfunction"}},
        {"Print \"A\"", {"1 command print", "1 string A"}},
        {"? \"A\"", {"1 command print", "1 string A"}},
        {"FOR i = 1 TO 10 STEP 2\nNEXT i",
         {"1 command for", "1 variable i", "1 operator =", "1 integer 1", "1 command to", "1 integer 10",
          "1 command step", "1 integer 2", "1 delimeter EOL", "2 command next", "2 variable i"}},
        {"FOR i=1TO 3", {"1 command for", "1 variable i", "1 operator =", "1 integer 1", "1 command to", "1 integer 3"}},
        {"IF x THEN PRINT x",
         {"1 command if", "1 variable x", "1 command then", "1 command print", "1 variable x"}},
        {"If A ElseIf b Else c",
         {"1 command if", "1 variable a", "1 command elseif", "1 variable b", "1 command else", "1 variable c"}},
        {"DIM Total AS String", {"1 command dim", "1 variable total", "1 command as", "1 data type string"}},
        {"x = TRUE AND NOT False Or y",
         {"1 variable x", "1 operator =", "1 bool True", "1 operator and", "1 operator not", "1 bool False",
          "1 operator or", "1 variable y"}},
        {"y = x MOD 3 % 2 \\ 1 ^ 2",
         {"1 variable y", "1 operator =", "1 variable x", "1 operator mod", "1 integer 3", "1 operator %",
          "1 integer 2", "1 operator \\", "1 integer 1", "1 operator ^", "1 integer 2"}},
        {"y = ABS(x)",
         {"1 variable y", "1 operator =", "1 built-in function abs", "1 operator (", "1 variable x", "1 operator )"}},
        {"PRINT a; b, c",
         {"1 command print", "1 variable a", "1 delimeter ;", "1 variable b", "1 delimeter ,", "1 variable c"}},
        {"a.b = x$ + my_var",
         {"1 variable a.b", "1 operator =", "1 variable x$", "1 operator +", "1 variable my_var"}},
        {"\tx\t=\t1\t", {"1 variable x", "1 operator =", "1 integer 1"}},
        {"PRINT \"Hello  World\"", {"1 command print", "1 string Hello  World"}},
        {"print \"print LET\"", {"1 command print", "1 string print LET"}},
        {"PRINT \"\xC3\xA9t\xC3\xA9\"", {"1 command print", "1 string \xC3\xA9t\xC3\xA9"}},
        {"a<>b<=c>=d", {"1 variable a", "1 operator <>", "1 variable b", "1 operator <=", "1 variable c",
                        "1 operator >=", "1 variable d"}},
        {"", {}},
        {"   \n", {"1 delimeter EOL"}},
    };
    for (const auto& row : rows) EXPECT_EQ(file(row.source), row.tokens) << row.source;
}

TEST_F(TokenizerTest, ColonEndsAStatementOnTheSameLine) {
    EXPECT_EQ(file("a = 1: b = 2\nc"),
              (Briefs{"1 variable a", "1 operator =", "1 integer 1", "1 delimeter EOL", "1 variable b",
                      "1 operator =", "1 integer 2", "1 delimeter EOL", "2 variable c"}));
    EXPECT_EQ(expression("a: b"), (Briefs{"1 variable a", "1 delimeter EOL", "1 variable b"}));
}

TEST_F(TokenizerTest, ExpressionsHaveNoPrePass) {
    const struct {
        const char* source;
        Briefs tokens;
    } rows[] = {
        {"let + 1", {"1 variable let", "1 operator +", "1 integer 1"}},
        {"goto", {"1 variable goto"}},
        {"f (x)", {"1 variable f", "1 operator (", "1 variable x", "1 operator )"}},
        {"f(x)", {"1 func_or_array f", "1 operator (", "1 variable x", "1 operator )"}},
        {"abs (1)", {"1 built-in function abs", "1 operator (", "1 integer 1", "1 operator )"}},
        {"ABS(1)", {"1 built-in function abs", "1 operator (", "1 integer 1", "1 operator )"}},
        {"1e+5", {"1 double 100000"}},
        {"1E-2", {"1 double 0.01"}},
        {"1e5", {"1 double 100000"}},
        {"1+5", {"1 integer 1", "1 operator +", "1 integer 5"}},
        {"1-5", {"1 integer 1", "1 operator -", "1 integer 5"}},
        {".5", {"1 double 0.5"}},
        {"2.", {"1 double 2"}},
        {"2147483647", {"1 integer 2147483647"}},
        {"007", {"1 integer 7"}},
        {"a?b", {"1 variable a", "1 command print", "1 variable b"}},
        {"1 ' 2", {"1 integer 1", "1 command rem", "1 integer 2"}},
        {"a[1]", {"1 variable a", "1 command sub", "1 integer 1", "1 command endsub"}},
        {"a==b", {"1 variable a", "1 operator =", "1 operator =", "1 variable b"}},
        {"a < > b", {"1 variable a", "1 operator <", "1 operator >", "1 variable b"}},
        {"x % 2 mod 3", {"1 variable x", "1 operator %", "1 integer 2", "1 operator mod", "1 integer 3"}},
        {"\"Keep  CASE\"", {"1 string Keep  CASE"}},
        {"\"\"", {"1 string "}},
        {"True or FALSE", {"1 bool True", "1 operator or", "1 bool False"}},
        {"1\n2", {"1 integer 1", "1 delimeter EOL", "2 integer 2"}},
        {"a.b + x$ + my_var", {"1 variable a.b", "1 operator +", "1 variable x$", "1 operator +", "1 variable my_var"}},
        {"", {}},
        {"  \t ", {}},
    };
    for (const auto& row : rows) EXPECT_EQ(expression(row.source), row.tokens) << row.source;
}

TEST_F(TokenizerTest, CallSyntaxInFiles) {
    // The blank before "(" is squeezed out, so both spellings are calls; with
    // no FUNCTION of that name the call token becomes an array token.
    const Briefs asArray = {"1 variable y", "1 operator =", "1 array f (array not supported yet)",
                            "1 operator (", "1 variable x", "1 operator )"};
    EXPECT_EQ(file("y = f (x)"), asArray);
    EXPECT_EQ(file("y = f(x)"), asArray);

    const std::string definition =
        "FUNCTION f(BYVAL x AS INTEGER) AS INTEGER\n"
        "RETURN x\n"
        "END FUNCTION\n";
    const Briefs asCall = {"3 delimeter EOL", "4 variable y", "4 operator =", "4 function f",
                           "4 operator (", "4 integer 2", "4 operator )"};
    EXPECT_EQ(file(definition + "y = f (2)"), asCall);
    EXPECT_EQ(file(definition + "y = f(2)"), asCall);
}

TEST_F(TokenizerTest, DefinitionsLeaveTheMainSequence) {
    Tokenizer tokenizer;
    tokenizer.tokenizeProgramText("t.bas",
                                  "PRINT 1\n"
                                  "SUB s(BYREF a AS DOUBLE)\n"
                                  "a = g(a)\n"
                                  "END SUB\n"
                                  "FUNCTION g(BYVAL v AS DOUBLE) AS DOUBLE\n"
                                  "RETURN v\n"
                                  "END FUNCTION\n"
                                  "s(z)\n");
    // The tokenizer only makes tokens: definitions stay, calls are unsettled.
    EXPECT_EQ(briefs(tokenizer.tokens())[3], "2 command sub");
    EXPECT_EQ(briefs(tokenizer.tokens())[4], "2 func_or_array s");
    Program program;
    program.load(tokenizer.tokens());
    EXPECT_EQ(briefs(program.mainTokens()),
              (Briefs{"1 command print", "1 integer 1", "1 delimeter EOL", "4 delimeter EOL",
                      "7 delimeter EOL", "8 function s", "8 operator (", "8 variable z", "8 operator )",
                      "8 delimeter EOL"}));
    ASSERT_NE(program.find("s"), nullptr);
    ASSERT_NE(program.find("G"), nullptr);
    EXPECT_NE(program.find(" g\t"), nullptr);
    EXPECT_EQ(program.find("h"), nullptr);
    // A call of a function defined later in the file is settled too.
    const UserFunction& s = *program.find("s");
    Briefs body = briefs(s.tokens);
    EXPECT_NE(std::find(body.begin(), body.end(), "3 function g"), body.end());
    EXPECT_EQ(body.front(), "2 command sub");
    EXPECT_EQ(body.back(), "4 command endsub");
}

TEST_F(TokenizerTest, TokensCarryFileLineAndResolvedCodes) {
    Tokenizer tokenizer;
    tokenizer.tokenizeProgramText("dir/prog.bas", "PRINT a + ABS(b) AND c <> 1\nFOR i = 1 TO 2 ' x\n");
    EXPECT_EQ(tokenizer.fileName(), "dir/prog.bas");
    ASSERT_FALSE(tokenizer.tokens().empty());
    for (const Token& token : tokenizer.tokens()) {
        SCOPED_TRACE(toString(token));
        EXPECT_EQ(sourceName(token.sourceId), "dir/prog.bas");
        switch (token.type) {
        case TokenType::Operator:
            EXPECT_EQ(token.op, findOperator(token.text()));
            EXPECT_EQ(token.binaryLevel, binaryLevelOf(token.op));
            break;
        case TokenType::Command:
            EXPECT_EQ(token.keyword, findKeyword(token.text()));
            break;
        case TokenType::Variable:
            EXPECT_EQ(token.nameHash, hashName(token.text()));
            break;
        case TokenType::BuiltinFunction:
            EXPECT_EQ(token.builtin, findBuiltin(token.text()));
            break;
        default:
            break;
        }
    }

    Tokenizer expressionTokenizer;
    expressionTokenizer.tokenizeString("x mod 2");
    EXPECT_EQ(expressionTokenizer.fileName(), "");
    ASSERT_EQ(expressionTokenizer.tokens().size(), 3u);
    EXPECT_EQ(expressionTokenizer.tokens()[0].sourceId, 0);
    EXPECT_EQ(expressionTokenizer.tokens()[1].op, Operator::Modulo);
}

TEST_F(TokenizerTest, LexicalErrorsInFiles) {
    const struct {
        const char* source;
        const char* error;
    } rows[] = {
        {"PRINT \"abc", "Error 8: error string value"},
        {"PRINT \"abc\ndef\"", "Error 8: error string value"},
        {"x = 1 /", "Error 4: at end of file"},
        {"/", "Error 4: at end of file"},
        {"x = 1 /* open\n", "Error 7: at end of file"},
        {"x = 1 /* open */ /*", "Error 7: at end of file"},
        {"x = @2", "Error 1: unexpected symbol [@]"},
        {"x = 1 @ 2", "Error 9: cannot parse [1@2] into double number properly: unexpected [@2]"},
        {"x = !y", "Error 1: unexpected symbol [!]"},
        {"print_total = 1", "Error 1: unexpected symbol [_]"},
        {"let_x = 1", "Error 1: unexpected symbol [_]"},
        {"x = \xC3\xA9", "Error 1: unexpected symbol [\xC3]"},
        {"x = 3000000000", "Error 9: cannot parse [3000000000] into integer number properly"},
        {"x = 2147483648", "Error 9: cannot parse [2147483648] into integer number properly"},
        {"x = 12ab", "Error 9: cannot parse [12ab] into double number properly: unexpected [ab]"},
        {"x = 12AB", "Error 9: cannot parse [12ab] into double number properly: unexpected [ab]"},
        {"x = 1.2.3", "Error 9: cannot parse [1.2.3] into double number properly: unexpected [.3]"},
        {"x = .", "Error 9: cannot parse [.] into double number properly"},
        // REM becomes a comment only after the first comment pass, which sees its quote.
        {"REM it\"s\nPRINT 1", "Error 8: error string value"},
        {"REM say \"hi\"\nPRINT 1", "no error"},
    };
    for (const auto& row : rows) EXPECT_EQ(fileFailure(row.source), row.error) << row.source;
}

TEST_F(TokenizerTest, LexicalErrorsInExpressions) {
    const struct {
        const char* source;
        const char* error;
    } rows[] = {
        {"\"abc", "Error 8: error string value"},
        {"\"a\nb\"", "Error 8: error string value"},
        {"1 # 2", "Error 1: unexpected symbol [#]"},
        {"_x", "Error 1: unexpected symbol [_]"},
        {"1 & 2", "Error 1: unexpected symbol [&]"},
        {"!a", "Error 1: unexpected symbol [!]"},
        {"\xE2\x82\xAC", "Error 1: unexpected symbol [\xE2]"},
        {"3000000000", "Error 9: cannot parse [3000000000] into integer number properly"},
        {"12ab", "Error 9: cannot parse [12ab] into double number properly: unexpected [ab]"},
        {"1.5x", "Error 9: cannot parse [1.5x] into double number properly: unexpected [x]"},
        {".", "Error 9: cannot parse [.] into double number properly"},
    };
    for (const auto& row : rows) EXPECT_EQ(expressionFailure(row.source), row.error) << row.source;
}

TEST_F(TokenizerTest, NulByteEndsAnExpression) {
    EXPECT_EQ(expression(std::string("1\0@", 3)), (Briefs{"1 integer 1"}));
}

TEST_F(TokenizerTest, ReadsProgramFiles) {
    const std::string path = ::testing::TempDir() + "tbasic_tokenizer_read.bas";
    {
        std::ofstream out(path, std::ios::binary);
        out << "Print 1\r\nPRINT \"two\"";
    }
    Tokenizer tokenizer;
    tokenizer.tokenizeFile(path);
    EXPECT_EQ(tokenizer.fileName(), path);
    EXPECT_EQ(briefs(tokenizer.tokens()),
              (Briefs{"1 command print", "1 integer 1", "1 delimeter EOL", "2 command print", "2 string two"}));

    // A NUL byte ends the program text.
    {
        std::ofstream out(path, std::ios::binary);
        out << std::string("a = 1\n\0 @@@ \"", 13);
    }
    Tokenizer withNul;
    withNul.tokenizeFile(path);
    EXPECT_EQ(briefs(withNul.tokens()), (Briefs{"1 variable a", "1 operator =", "1 integer 1", "1 delimeter EOL"}));
    std::remove(path.c_str());

    const std::string openError = "Error 2: Please make sure the input file exists.";
    EXPECT_EQ(failure([] { Tokenizer t; t.tokenizeFile("/nonexistent/missing.bas"); }), openError);
    EXPECT_EQ(failure([] { Tokenizer t; t.tokenizeFile(::testing::TempDir()); }), openError)
        << "a directory cannot be read as a program";
}

TEST(NumberWordsTest, ParseDoubleAndInteger) {
    EXPECT_EQ(parseDouble("1e+5"), 100000.0);
    EXPECT_EQ(parseDouble(".5"), 0.5);
    EXPECT_EQ(parseDouble("12"), 12.0);
    EXPECT_EQ(parseInteger("2147483647"), 2147483647);
    EXPECT_EQ(parseInteger("-2147483648"), -2147483647 - 1);
    auto failure = [](auto f) {
        try {
            f();
        } catch (const Error& e) {
            return std::to_string(static_cast<int>(e.code)) + ": " + e.message;
        }
        return std::string("no error");
    };
    EXPECT_EQ(failure([] { parseInteger("2147483648"); }),
              "9: cannot parse [2147483648] into integer number properly");
    EXPECT_EQ(failure([] { parseInteger("-2147483649"); }),
              "9: cannot parse [-2147483649] into integer number properly");
    EXPECT_EQ(failure([] { parseDouble("abc"); }), "9: cannot parse [abc] into double number properly");
    EXPECT_EQ(failure([] { parseDouble("12abc"); }),
              "9: cannot parse [12abc] into double number properly: unexpected [abc]");
    EXPECT_EQ(failure([] { parseDouble("12 "); }), "9: cannot parse [12 ] into double number properly: unexpected []");
    EXPECT_EQ(failure([] { parseDouble("1 2 3"); }),
              "9: cannot parse [1 2 3] into double number properly: unexpected [2]");
}

TEST(ValidateNameTest, Rules) {
    const struct {
        const char* name;
        const char* error;
    } rows[] = {
        {"x", ""},
        {"_x1", ""},
        {"Total_2", ""},
        {"", "Empty name"},
        {"a-b", "Name [a-b] contains invalid character"},
        {"a b", "Name [a b] contains invalid character"},
        {"x$", "Name [x$] contains invalid character"},
        {"1-x", "Name [1-x] contains invalid character"},
        {"\xC3\xA9", "Name [\xC3\xA9] contains invalid character"},
        {"1x", "Name [1x] starts with number"},
    };
    for (const auto& row : rows) {
        std::string got;
        try {
            validateName(row.name);
        } catch (const Error& e) {
            EXPECT_EQ(static_cast<int>(e.code), 6) << row.name;
            got = e.message;
        }
        EXPECT_EQ(got, row.error) << row.name;
    }
}

}  // namespace
}  // namespace tbasic

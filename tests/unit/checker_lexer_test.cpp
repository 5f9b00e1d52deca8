// The checker reads programs with its own position-keeping copy of the
// interpreter's pre-passes and cut: both must give the same tokens, and every
// token's offset must point at what its author wrote.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "checker/Checker.h"
#include "checker/Lexer.h"
#include "checker/Vocabulary.h"

using namespace tbasic::check;

namespace {

class CheckerLexer : public ::testing::Test {
protected:
    void SetUp() override { initVocabulary(); }

    // Same tokens as the interpreter when it reads the text, a lexical
    // finding when it cannot; every token offset points at its first character.
    static void expectSameReading(const std::string& text) {
        std::string input = text.substr(0, text.find('\0'));
        LexResult lexed = lex(input);
        std::vector<std::string> theirs = interpreterTokenDump(input);
        if (theirs.size() == 1 && theirs[0].rfind("error: ", 0) == 0) {
            EXPECT_FALSE(lexed.findings.empty()) << "interpreter: " << theirs[0] << "\nprogram:\n" << input;
            return;
        }
        // A name broken up by a keyword reads without a lexical error, but the
        // checker reports it.
        for (const Finding& finding : lexed.findings)
            EXPECT_EQ(finding.message.rfind("the name [", 0), 0u) << finding.message << "\nprogram:\n" << input;
        ASSERT_EQ(tokenDump(lexed.tokens), theirs) << "program:\n" << input;
        for (const CheckToken& token : lexed.tokens) {
            ASSERT_LT(token.offset, input.size() + 1);
            char written = input[token.offset];
            char lowered = (written >= 'A' && written <= 'Z') ? static_cast<char>(written - 'A' + 'a') : written;
            switch (token.kind) {
            case TokenKind::Name: case TokenKind::Call: case TokenKind::Integer: case TokenKind::Double:
            case TokenKind::Builtin: case TokenKind::DataType: case TokenKind::Boolean:
                EXPECT_EQ(lowered, token.text[0]) << "token " << token.text << " at " << token.offset << " in:\n" << input;
                break;
            case TokenKind::String:
                EXPECT_EQ(written, '"') << input;
                break;
            case TokenKind::Separator:
                EXPECT_EQ(written, token.separator) << input;
                break;
            default:
                break;
            }
        }
    }
};

TEST_F(CheckerLexer, ReadsEveryProgramOfTheRepositoryAsTheInterpreterDoes) {
    namespace fs = std::filesystem;
    int count = 0;
    for (const char* folder : {"examples", "tests/programs", "bench/tbasic", "tests/check"}) {
        fs::path root = fs::path(TBASIC_SOURCE_DIR) / folder;
        if (!fs::exists(root)) continue;
        for (const auto& entry : fs::recursive_directory_iterator(root)) {
            if (entry.path().extension() != ".bas") continue;
            std::ifstream in(entry.path(), std::ios::binary);
            std::stringstream buffer;
            buffer << in.rdbuf();
            SCOPED_TRACE(entry.path().string());
            expectSameReading(buffer.str());
            ++count;
        }
    }
    EXPECT_GT(count, 250);
}

TEST_F(CheckerLexer, ReadsTheCornersOfThePrePassesAsTheInterpreterDoes) {
    const char* const programs[] = {
        "PRINT 1 /* a /*/ PRINT 2\n",
        "REM say \"hi\nPRINT 1\n",
        "REM say \"hi\nPRINT \"x\"\n",
        "x = 1 ' it's \"quoted\nPRINT x\n",
        "exit x\nend x\nEND  IF\nloop\tuntil x\ndo while(x)\n",
        "DIM x$ AS INTEGER\nPRINT a!b\n",
        "PRINT 1e+5; 2.5E-3; .5; 12ab\n",
        "\tPRINT\t\"a\tb\"\r\nPRINT 2\rPRINT 3\n",
        "DIM a_let_b AS INTEGER\nlet_x = 1\n",
        "for_each = step_size\n",
        "PRINT 1 /",
        "PRINT \"open\n",
        "/* never closed\nPRINT 1\n",
        "x = 3 // note\n? x : ? x\n",
        "PRINT 1 <> 2; 1 <= 2; 1 >= 2; 1 == 2; !x; 5 % 2\n",
        "SUB s()[ ]{ }\n",
        "PRINT \"\x82\" \x82 \xc3\xa9\n",
    };
    for (const char* program : programs) expectSameReading(program);
}

// Programs made of random fragments: keywords, names with keywords inside,
// quotes, comment marks, blanks, tabs and every kind of line end.
TEST_F(CheckerLexer, ReadsRandomFragmentsAsTheInterpreterDoes) {
    static const char* const fragments[] = {
        "PRINT", "print", "DIM", " AS ", "INTEGER", "IF", "THEN", "ELSE", "END", "END IF", "end  sub",
        "FOR", "TO", "STEP", "NEXT", "EXIT", "FOR", "CONTINUE", "DO", "LOOP", "WHILE", "UNTIL", "SUB",
        "FUNCTION", "BYVAL", "BYREF", "RETURN", "LET", "GOTO", "REM", "x", "Total", "step_size", "a_to",
        "let_x", "x_rem", "end_value", "max_value", "f(", "len(", "pi", "mid(", "1", "2.5", "1e3", ".5",
        "12ab", "\"", "\"text\"", "'", "//", "/*", "*/", "/", "*", "+", "-", "=", "<>", "<=", ">", "(",
        ")", ",", ";", ":", " ", "  ", "\t", "\n", "\r\n", "\r", "_", "!", "$", "%", "?", "[", "]", "{",
        "}", "TRUE", "false", "date", "now", "\x82", "\xc3\xa9",
    };
    std::mt19937 random(20261207);
    std::uniform_int_distribution<std::size_t> pick(0, std::size(fragments) - 1);
    std::uniform_int_distribution<int> length(1, 40);
    for (int round = 0; round < 10000; ++round) {
        std::string program;
        int n = length(random);
        for (int k = 0; k < n; ++k) program += fragments[pick(random)];
        expectSameReading(program);
        if (HasFatalFailure() || HasFailure()) return;
    }
}

TEST_F(CheckerLexer, MapsOffsetsToLinesAndColumnsOfTheFileAsWritten) {
    std::string text = "a\r\n\tb\rc\nd";
    LineMap lines(text);
    EXPECT_EQ(lines.lineOf(0), 1);
    EXPECT_EQ(lines.lineOf(4), 2);
    EXPECT_EQ(lines.columnOf(4), 2);  // a tab is one column
    EXPECT_EQ(lines.lineOf(6), 3);
    EXPECT_EQ(lines.lineOf(8), 4);
    EXPECT_EQ(lines.lineText(2), "\tb");
    // Line ends inside a block comment still count as lines of the file.
    LexResult lexed = lex("/* one\ntwo */ x = 1\ny = 2\n");
    ASSERT_GE(lexed.tokens.size(), 5u);
    LineMap map("/* one\ntwo */ x = 1\ny = 2\n");
    EXPECT_EQ(map.lineOf(lexed.tokens[0].offset), 2);
    EXPECT_EQ(map.columnOf(lexed.tokens[0].offset), 8);
    EXPECT_EQ(lexed.tokens[0].runLine, 1);
}

}  // namespace

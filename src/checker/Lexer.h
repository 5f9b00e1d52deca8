// The checker's reading of a program file: the interpreter's text pre-passes
// (line ends, comments, keyword short forms, blanks) and its token cut, done
// the same way but keeping, for every character, where it stood in the file
// as written. Lexical errors are collected instead of ending the reading.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "checker/Vocabulary.h"

namespace tbasic::check {

// One finding, at a byte offset into the file as written.
struct Finding {
    std::uint32_t offset = 0;
    bool warning = false;
    std::string message;
};

enum class TokenKind : std::uint8_t {
    LineEnd,    // a line end or ':'
    Separator,  // ';' or ','
    Operator,
    Keyword,
    Name,       // a variable name
    Call,       // a name directly followed by '('
    Boolean,
    Integer,
    Double,
    String,
    DataType,
    Builtin,
};

struct CheckToken {
    TokenKind kind = TokenKind::LineEnd;
    Keyword keyword = Keyword::None;
    Operator op = Operator::None;
    Type type = Type::Boolean;
    Builtin builtin = Builtin::None;
    char separator = 0;
    std::uint32_t offset = 0;  // in the file as written
    int runLine = 0;           // the line the interpreter counts (after comment removal)
    std::string text;          // lower-case word, literal text or operator
};

struct LexResult {
    std::vector<CheckToken> tokens;
    std::vector<Finding> findings;
};

// Reads program text (already cut at its first NUL byte, as the interpreter does).
LexResult lex(const std::string& text);

// "LINE TYPE TEXT" per token, the format of interpreterTokenDump.
std::vector<std::string> tokenDump(const std::vector<CheckToken>& tokens);

// Line and column (1-based; a tab is one column) of offsets in a file as
// written, whose lines end in LF, CR LF or CR.
class LineMap {
public:
    explicit LineMap(const std::string& text);
    int lineOf(std::uint32_t offset) const;
    int columnOf(std::uint32_t offset) const;
    // The text of a line without its line end.
    std::string lineText(int line) const;

private:
    const std::string& text_;
    std::vector<std::uint32_t> starts_;
};

}  // namespace tbasic::check

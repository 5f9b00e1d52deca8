// The token record the whole interpreter walks, its kinds and its dump.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tbasic {

struct CommandInfo;
class BuiltinFunction;
class UserFunction;

// ORDER TOKENTYPE: the dump names in Token.cpp follow this order.
enum class TokenType : int32_t {
    Delimiter = 0,
    Operator = 1,
    Command = 2,
    Variable = 3,
    Bool = 4,
    Integer = 5,
    Double = 6,
    String = 7,
    DataType = 8,
    BuiltinFunction = 9,
    FuncOrArray = 10,
    Function = 11,
    Array = 12,
    EndOfProgram = 13,
};

const char* tokenTypeName(TokenType type);

struct Token {
    TokenType type = TokenType::EndOfProgram;
    const std::string* file = nullptr;  // the tokenizer's file name; not owned
    int line = 0;
    std::string text;
    bool boolValue = false;
    int32_t intValue = 0;
    double doubleValue = 0.0;
    const CommandInfo* command = nullptr;  // keyword record of a command token; not owned

    // Resolved once when the token is made, so the hot paths need no lookups by text.
    int opCode = 0;                             // operator code of an operator token
    unsigned char binaryLevel = 0;              // precedence level of a two-operand operator
    int commandCode = 0;                        // keyword code of a command token
    std::size_t nameHash = 0;                   // hash of a variable name
    const BuiltinFunction* builtin = nullptr;   // record of a built-in function token
    const UserFunction* userFunction = nullptr; // record of a user function token
    bool endsStatement = false;                 // a line end, or the end of the program

    // The variable a variable token found at its last lookup, valid while the
    // store's layout generation is unchanged (see VariableStore::lookup).
    mutable class Variable* cachedVariable = nullptr;
    mutable std::uint64_t cachedGeneration = 0;

    bool isEndOfLine() const { return endsStatement && type == TokenType::Delimiter; }
    bool isOperator(int code) const { return type == TokenType::Operator && opCode == code; }
    bool isCommand(int code) const { return type == TokenType::Command && commandCode == code; }
    bool isDelimiter(char c) const {
        return type == TokenType::Delimiter && text.size() == 1 && text[0] == c;
    }
};

using TokenList = std::vector<Token>;
// A position in a token sequence; the end of a range is one past its last token.
using TokenPosition = const Token*;

// The sentinel every cursor yields once it stands past the last token.
extern const Token endOfProgramToken;

// The dump that stands in every error report: "Token {type=..., value=[...]}".
std::string toString(const Token& token);

// A position in a token sequence with the token under it.
class TokenCursor {
public:
    TokenCursor(TokenPosition begin, TokenPosition end)
        : position_(begin), end_(end), current_(begin == end ? &endOfProgramToken : begin) {}
    explicit TokenCursor(const TokenList& tokens)
        : TokenCursor(tokens.data(), tokens.data() + tokens.size()) {}

    const Token& current() const { return *current_; }
    TokenPosition position() const { return position_; }
    void advance() {
        if (position_ != end_) ++position_;
        current_ = position_ == end_ ? &endOfProgramToken : position_;
    }

private:
    TokenPosition position_;
    TokenPosition end_;
    const Token* current_;
};

}  // namespace tbasic

// The token record the whole interpreter walks, its kinds and its dump.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "diagnostics/Error.h"
#include "lexer/Vocabulary.h"
#include "values/VariableStore.h"

namespace tbasic {

enum class TokenType : std::uint8_t {
    Delimiter,
    Operator,
    Command,
    Variable,
    Bool,
    Integer,
    Double,
    String,
    DataType,
    BuiltinFunction,
    FuncOrArray,  // a name before "(", until the program loader settles it
    Function,     // a call of a user FUNCTION or SUB
    Array,
    EndOfProgram,
    Count
};

struct TokenTypeRecord {
    TokenType id;
    std::string_view dumpName;  // as the token dump writes it
    bool inExpression;          // may stand inside an expression; the others end one
};

inline constexpr TokenTypeRecord tokenTypeTable[] = {
    {TokenType::Delimiter, "delimeter", false},
    {TokenType::Operator, "operator", true},
    {TokenType::Command, "command", false},
    {TokenType::Variable, "variable", true},
    {TokenType::Bool, "bool", true},
    {TokenType::Integer, "integer", true},
    {TokenType::Double, "double", true},
    {TokenType::String, "string", true},
    {TokenType::DataType, "data type", false},
    {TokenType::BuiltinFunction, "built-in function", true},
    {TokenType::FuncOrArray, "func_or_array", true},
    {TokenType::Function, "function", true},
    {TokenType::Array, "array", false},
    {TokenType::EndOfProgram, "end_of_program", false},
};
static_assert(std::size(tokenTypeTable) == static_cast<std::size_t>(TokenType::Count));
static_assert(rowsFollowEnumOrder(tokenTypeTable), "tokenTypeTable rows follow the order of TokenType");

constexpr const TokenTypeRecord& tokenTypeRecord(TokenType type) {
    return tokenTypeTable[static_cast<std::size_t>(type)];
}

// 48 bytes (1.8 M of them for a 300,000-line program): the text points into
// the source the tokenizer owns, the per-kind facts share storage, and
// bytes 40..48 are kept free for further per-token facts.
struct Token {
    const char* textData = "";  // the token's text: in the tokenizer's source, or static
    std::uint32_t textSize = 0;
    std::int32_t line = 0;
    TokenType type = TokenType::EndOfProgram;
    // Resolved once when the token is made, so the hot paths need no lookups by text.
    union {
        Operator op = Operator::Add;  // of an operator token
        Keyword keyword;              // of a command token
        Builtin builtin;              // of a built-in function token
    };
    BinaryLevel binaryLevel = BinaryLevel::None;  // of a two-operand operator token
    bool endsStatement = false;                   // a line end, or the end of the program
    std::uint16_t nameHash = 0;                   // of a variable token's name (see hashName)
    std::uint16_t sourceId = 0;                   // the file it was read from (see sourceName)
    union {
        // The variable a variable token found at its last lookup (see VariableStore::lookup).
        mutable LookupCache variableCache{};
        bool boolValue;
        std::int32_t intValue;
        double doubleValue;
        std::int32_t functionIndex;  // of a function token: set by the program loader
    };

    std::string_view text() const { return {textData, textSize}; }
    // The same as text() == other, in fewer instructions.
    bool textIs(std::string_view other) const {
        return textSize == other.size() && std::memcmp(textData, other.data(), textSize) == 0;
    }
    // The text must outlive the token.
    void setText(std::string_view text) {
        textData = text.data();
        textSize = static_cast<std::uint32_t>(text.size());
    }

    // --- Run-time facts about the token sequence (8 bytes). Tokens never
    // change once made, so a scan that succeeded from this token always ends
    // at the same place; 0 means not scanned yet. A scan that fails is never
    // recorded, so it fails again, with the same error, every time.
    // Where a block scan from this token stopped: the distance times 8 plus
    // the scan's shape (1 to 7) (ProgramExecutor::skipToBlockEnd).
    mutable int32_t blockScanEnd = 0;
    // 1 + the number of expression tokens from this one on, when below
    // 65,536 (ProgramExecutor::expressionEnd).
    mutable uint16_t expressionLength = 0;
    // Of a variable token in a definition's body: the parameter it names
    // (set by the program loader); -1 otherwise.
    int16_t parameterIndex = -1;
    // --- End of the run-time facts.

    bool isEndOfLine() const { return endsStatement && type == TokenType::Delimiter; }
    bool isOperator(Operator which) const { return type == TokenType::Operator && op == which; }
    bool isCommand(Keyword which) const { return type == TokenType::Command && keyword == which; }
    bool isDelimiter(char c) const { return type == TokenType::Delimiter && textSize == 1 && textData[0] == c; }
};
static_assert(sizeof(Token) <= 48, "a token takes at most 48 bytes, 8 of them kept free");
static_assert(std::is_trivially_copyable_v<Token>, "token sequences grow and move by plain copies");

Variable& lookupVariableMiss(VariableStore& store, const Token& token);

// The variable a variable token names, through the token's lookup cache;
// the search stays out of line so every reader inlines the hits.
__attribute__((always_inline)) inline Variable& lookupVariable(VariableStore& store, const Token& token) {
    if (store.cacheHolds(token.variableCache)) return *token.variableCache.variable;
    // A parameter needs no search: every call binds it to the same slot.
    if (token.parameterIndex >= 0) {
        if (Variable* parameter = store.parameterSlot(static_cast<std::size_t>(token.parameterIndex)))
            return *parameter;
    }
    return lookupVariableMiss(store, token);
}

using TokenList = std::vector<Token>;
// A position in a token sequence; the end of a range is one past its last token.
using TokenPosition = const Token*;

// The sentinel every cursor yields once it stands past the last token.
extern const Token endOfProgramToken;

const char* tokenTypeName(TokenType type);

// Source names are kept once each; a token holds the id of its file's name.
// Id 0 is the empty name (an expression from the command line, the sentinel).
std::uint16_t sourceIdOf(const std::string& fileName);
const std::string& sourceName(std::uint16_t id);

// The dump that stands in every error report: "Token {type=..., value=[...]}".
std::string toString(const Token& token);

// Gives the error the position and dump of a token, unless it has one: the
// one place a position is attached.
void attachToken(Error& error, const Token& token);
// Raises an error standing at a token.
[[noreturn]] void raiseAt(const Token& token, ErrorCode code = ErrorCode::SyntaxError);
[[noreturn]] void raiseAt(const Token& token, ErrorCode code, const std::string& message);

// A position in a token sequence with the token under it.
class TokenCursor {
public:
    TokenCursor(TokenPosition begin, TokenPosition end)
        : current_(begin == end ? &endOfProgramToken : begin), end_(end) {}
    explicit TokenCursor(const TokenList& tokens)
        : TokenCursor(tokens.data(), tokens.data() + tokens.size()) {}

    const Token& current() const { return *current_; }
    TokenPosition position() const { return current_ == &endOfProgramToken ? end_ : current_; }
    TokenPosition end() const { return end_; }
    void advance() {
        if (current_ != &endOfProgramToken) advancePastToken();
    }
    void seek(TokenPosition position) { current_ = position == end_ ? &endOfProgramToken : position; }

    // The cursor helpers: each checks the token under the cursor, raises a
    // syntax error at it with the message when it does not match, and (but
    // expectType) moves past it.
    void expectOperator(Operator which, const char* message) {
        if (!current_->isOperator(which)) fail(message);
        advancePastToken();
    }
    void expectCommand(Keyword which, const char* message) {
        if (!current_->isCommand(which)) fail(message);
        advancePastToken();
    }
    void expectType(TokenType type, const char* message) {
        if (current_->type != type) fail(message);
    }
    void expectEndOfLine(const char* message) {
        if (!current_->isEndOfLine()) fail(message);
        advancePastToken();
    }
    // A line end or the end of the tokens.
    void expectEndOfStatement(const char* message) {
        if (!current_->isEndOfLine() && current_->type != TokenType::EndOfProgram) fail(message);
        advance();
    }
    // Moves past an optional keyword; true when it was there.
    bool accept(Keyword which) {
        if (!current_->isCommand(which)) return false;
        advancePastToken();
        return true;
    }
    [[noreturn]] void fail(const char* message) const { raiseAt(*current_, ErrorCode::SyntaxError, message); }

private:
    // Only for a token of the sequence (never the sentinel).
    void advancePastToken() {
        if (++current_ == end_) current_ = &endOfProgramToken;
    }

    // The token under the cursor; past the last token, the sentinel.
    const Token* current_;
    TokenPosition end_;
};

}  // namespace tbasic

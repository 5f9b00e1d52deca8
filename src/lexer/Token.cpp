#include "lexer/Token.h"

#include <sstream>

namespace tbasic {

namespace {

Token makeEndOfProgramToken() {
    Token token;
    token.endsStatement = true;
    return token;
}

}  // namespace

const Token endOfProgramToken = makeEndOfProgramToken();

namespace {

std::vector<std::string>& sourceNames() {
    static std::vector<std::string> names{std::string()};
    return names;
}

}  // namespace

std::uint16_t sourceIdOf(const std::string& fileName) {
    std::vector<std::string>& names = sourceNames();
    for (std::size_t id = 0; id < names.size(); ++id)
        if (names[id] == fileName) return static_cast<std::uint16_t>(id);
    if (names.size() > UINT16_MAX) throw Error(ErrorCode::UnexpectedError, "too many source files");
    names.push_back(fileName);
    return static_cast<std::uint16_t>(names.size() - 1);
}

const std::string& sourceName(std::uint16_t id) { return sourceNames()[id]; }

const char* tokenTypeName(TokenType type) {
    auto index = static_cast<std::size_t>(type);
    return index < std::size(tokenTypeTable) ? tokenTypeTable[index].dumpName.data() : "";
}

std::string toString(const Token& token) {
    std::ostringstream out;
    out << "Token {type=" << tokenTypeName(token.type) << ", value=[";
    switch (token.type) {
    case TokenType::Delimiter:
        if (token.text() == "\n") {
            out << "EOL";
        } else {
            out << token.text();
        }
        break;
    case TokenType::Command:
        out << keywordName(token.keyword);
        break;
    case TokenType::Bool:
        out << (token.boolValue ? "True" : "False");
        break;
    case TokenType::Integer:
        out << token.intValue;
        break;
    case TokenType::Double:
        out << token.doubleValue;
        break;
    case TokenType::Array:
        out << token.text() << " (array not supported yet)";
        break;
    case TokenType::EndOfProgram:
    case TokenType::Count:
        break;
    case TokenType::Operator:
    case TokenType::Variable:
    case TokenType::String:
    case TokenType::DataType:
    case TokenType::BuiltinFunction:
    case TokenType::FuncOrArray:
    case TokenType::Function:
        out << token.text();
        break;
    }
    out << "]}";
    return out.str();
}

void attachToken(Error& error, const Token& token) {
    if (error.hasPosition()) return;
    error.fileName = sourceName(token.sourceId);
    error.line = token.line;
    error.tokenText = toString(token);
}

void raiseAt(const Token& token, ErrorCode code) {
    Error error(code);
    attachToken(error, token);
    throw error;
}

void raiseAt(const Token& token, ErrorCode code, const std::string& message) {
    Error error(code, message);
    attachToken(error, token);
    throw error;
}

Variable& lookupVariableMiss(VariableStore& store, const Token& token) {
    return store.lookup(token.text(), token.nameHash, token.variableCache);
}

}  // namespace tbasic

#include "lexer/Token.h"

#include <sstream>

#include "lexer/Keywords.h"

namespace tbasic {

namespace {

Token makeEndOfProgramToken() {
    Token token;
    token.endsStatement = true;
    return token;
}

}  // namespace

const Token endOfProgramToken = makeEndOfProgramToken();

const char* tokenTypeName(TokenType type) {
    // ORDER TOKENTYPE
    static const char* const names[] = {
        "delimeter", "operator", "command",  "variable",          "bool",
        "integer",   "double",   "string",   "data type",         "built-in function",
        "func_or_array", "function", "array", "end_of_program",
    };
    auto index = static_cast<int>(type);
    return index >= 0 && index <= 13 ? names[index] : "";
}

std::string toString(const Token& token) {
    std::ostringstream out;
    out << "Token {type=" << tokenTypeName(token.type) << ", value=[";
    switch (token.type) {
    case TokenType::Delimiter:
        out << (token.text == "\n" ? std::string("EOL") : token.text);
        break;
    case TokenType::Command:
        if (token.command) out << token.command->name;
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
        out << token.text << " (array not supported yet)";
        break;
    case TokenType::EndOfProgram:
        break;
    default:
        out << token.text;
        break;
    }
    out << "]}";
    return out.str();
}

}  // namespace tbasic

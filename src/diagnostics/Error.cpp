#include "diagnostics/Error.h"

#include <cstdarg>
#include <cstdio>
#include <map>

#include "lexer/Token.h"

namespace tbasic {

const std::string undefinedErrorMessage = "__UNDEFINED_ERROR_MESSAGE";

namespace {

std::map<int, std::string>& errorMessages() {
    static std::map<int, std::string> table;
    return table;
}

void initErrorMessages0to2() {
    auto& t = errorMessages();
    t[0] = "No error";
    t[1] = "Unexpected error";
    t[2] = "Failed to open file";
}

void initErrorMessages4to11() {
    auto& t = errorMessages();
    t[4] = "Syntax error";
    t[5] = "Unknown keyword";
    t[6] = "Invalid name";
    t[7] = "Comment starting with '/*' not closed with '*/'";
    t[8] = "No matching closing quotation mark";
    t[9] = "Wrong number format";
    t[10] = "Duplicate definition";
    t[11] = "undefined variable";
}

void initErrorMessages12to18() {
    auto& t = errorMessages();
    t[12] = "Invalid data type";
    t[13] = "Type mismatch";
    t[14] = "uninitialized value";
    t[15] = "Overflow";
    t[16] = "Divide by zero.";
    t[17] = "Illegal math function call";
    t[18] = "Invalid argument";
}

void initErrorMessages19to20() {
    auto& t = errorMessages();
    t[19] = "Invalid array index value";
    t[20] = "Array index out of range";
}

}  // namespace

void initErrorMessages() {
    initErrorMessages0to2();
    initErrorMessages4to11();
    initErrorMessages12to18();
    initErrorMessages19to20();
}

const std::string& errorText(int code) {
    const auto& table = errorMessages();
    auto it = table.find(code);
    return it == table.end() ? undefinedErrorMessage : it->second;
}

std::string formatMessage(const char* format, ...) {
    char buffer[256];
    va_list args;
    va_start(args, format);
    int n = std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    if (n < 0) return std::string();
    return std::string(buffer);
}

Error::Error(int code) : code(code) { rewriteUnknownCode(false); }

Error::Error(const Token& token) : code(SyntaxErrorCode) {
    setToken(token);
    rewriteUnknownCode(false);
}

Error::Error(int code, const std::string& message) : code(code), message(message) {
    rewriteUnknownCode(true);
}

Error::Error(const Token& token, int code, const std::string& message)
    : code(code), message(message) {
    setToken(token);
    rewriteUnknownCode(true);
}

void Error::setToken(const Token& token) {
    fileName = token.file ? *token.file : std::string();
    line = token.line;
    tokenText = toString(token);
}

void Error::rewriteUnknownCode(bool hadMessage) {
    if (&errorText(code) != &undefinedErrorMessage) return;
    message = hadMessage ? formatMessage("Unexpected error code: %d. (%s)", code, message.c_str())
                         : formatMessage("Unexpected error code: %d", code);
}

void Error::attachToken(const Token& token) {
    if (tokenText.empty()) setToken(token);
}

std::string formatError(const Error& error) {
    const char* text = errorText(error.code).c_str();
    if (error.fileName.empty()) {
        if (error.message.empty()) return formatMessage("Error %d: %s", error.code, text);
        return formatMessage("Error %d: %s: {%s}", error.code, text, error.message.c_str());
    }
    if (error.message.empty())
        return formatMessage("%s(%d): Error %d: %s (Token: %s)", error.fileName.c_str(), error.line,
                             error.code, text, error.tokenText.c_str());
    return formatMessage("%s(%d): Error %d: %s (Token: %s): {%s}", error.fileName.c_str(),
                         error.line, error.code, text, error.tokenText.c_str(),
                         error.message.c_str());
}

}  // namespace tbasic

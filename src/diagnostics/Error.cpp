#include "diagnostics/Error.h"

#include <cstdarg>
#include <cstdio>

namespace tbasic {

const char* errorText(ErrorCode code) {
    auto index = static_cast<std::size_t>(code);
    const char* text = index < std::size(errorTable) ? errorTable[index].text : nullptr;
    return text ? text : undefinedErrorMessage;
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

Error::Error(ErrorCode code) : code(code) { rewriteUnknownCode(false); }

Error::Error(ErrorCode code, const std::string& message) : code(code), message(message) {
    rewriteUnknownCode(true);
}

void Error::rewriteUnknownCode(bool hadMessage) {
    if (errorText(code) != undefinedErrorMessage) return;
    const int number = static_cast<int>(code);
    message = hadMessage ? formatMessage("Unexpected error code: %d. (%s)", number, message.c_str())
                         : formatMessage("Unexpected error code: %d", number);
}

std::string formatError(const Error& error) {
    const char* text = errorText(error.code);
    const int code = static_cast<int>(error.code);
    if (error.fileName.empty()) {
        if (error.message.empty()) return formatMessage("Error %d: %s", code, text);
        return formatMessage("Error %d: %s: {%s}", code, text, error.message.c_str());
    }
    if (error.message.empty())
        return formatMessage("%s(%d): Error %d: %s (Token: %s)", error.fileName.c_str(), error.line, code, text,
                             error.tokenText.c_str());
    return formatMessage("%s(%d): Error %d: %s (Token: %s): {%s}", error.fileName.c_str(), error.line, code, text,
                         error.tokenText.c_str(), error.message.c_str());
}

}  // namespace tbasic

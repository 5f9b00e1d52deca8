// Error codes, their fixed texts, the exception classes every part of the
// interpreter raises, and the one-line report the driver prints for them.
#pragma once

#include <string>

namespace tbasic {

struct Token;

// Error numbers. Codes 0, 3, 12, 14, 19 and 20 are never raised; 3 has no text.
enum ErrorCode : int {
    NoError = 0,
    UnexpectedError = 1,
    FileOpenError = 2,
    SyntaxErrorCode = 4,
    UnknownKeyword = 5,
    InvalidName = 6,
    UnclosedComment = 7,
    UnclosedString = 8,
    WrongNumberFormat = 9,
    DuplicateDefinition = 10,
    UndefinedVariable = 11,
    InvalidDataType = 12,
    TypeMismatch = 13,
    UninitializedValue = 14,
    Overflow = 15,
    DivideByZero = 16,
    IllegalMathCall = 17,
    InvalidArgument = 18,
    InvalidArrayIndex = 19,
    ArrayIndexOutOfRange = 20,
};

extern const std::string undefinedErrorMessage;

// Fills the code-to-text table; called once at start-up before anything else.
void initErrorMessages();

// The fixed text of a code, or undefinedErrorMessage when it has none.
const std::string& errorText(int code);

// printf-style formatting bounded to 255 characters: longer results are cut.
std::string formatMessage(const char* format, ...) __attribute__((format(printf, 1, 2)));

class Error {
public:
    explicit Error(int code);
    explicit Error(const Token& token);
    Error(int code, const std::string& message);
    Error(const Token& token, int code, const std::string& message);

    // Gives the error the position and dump of a token, unless it has one.
    void attachToken(const Token& token);

    int code;
    std::string message;
    std::string fileName;
    int line = 0;
    std::string tokenText;

private:
    void setToken(const Token& token);
    void rewriteUnknownCode(bool hadMessage);
};

class SyntaxError : public Error {
public:
    using Error::Error;
};

class ValueError : public Error {
public:
    using Error::Error;
};

class OperandError : public Error {
public:
    using Error::Error;
};

// The one-line report of an error, without a line end.
std::string formatError(const Error& error);

}  // namespace tbasic

// Error codes with their fixed texts, the one exception every part of the
// interpreter raises, and the one-line report the driver prints for it.
#pragma once

#include <cstddef>
#include <iterator>
#include <string>

#include "diagnostics/EnumTable.h"

namespace tbasic {

// Error numbers. Codes 0, 3, 12, 14, 19 and 20 are never raised; 3 has no text.
enum class ErrorCode : int {
    NoError,
    UnexpectedError,
    FileOpenError,
    NoText,
    SyntaxError,
    UnknownKeyword,
    InvalidName,
    UnclosedComment,
    UnclosedString,
    WrongNumberFormat,
    DuplicateDefinition,
    UndefinedVariable,
    InvalidDataType,
    TypeMismatch,
    UninitializedValue,
    Overflow,
    DivideByZero,
    IllegalMathCall,
    InvalidArgument,
    InvalidArrayIndex,
    ArrayIndexOutOfRange,
    Count
};

struct ErrorRecord {
    ErrorCode id;
    const char* text;  // nullptr: the code has no text
};

inline constexpr ErrorRecord errorTable[] = {
    {ErrorCode::NoError, "No error"},
    {ErrorCode::UnexpectedError, "Unexpected error"},
    {ErrorCode::FileOpenError, "Failed to open file"},
    {ErrorCode::NoText, nullptr},
    {ErrorCode::SyntaxError, "Syntax error"},
    {ErrorCode::UnknownKeyword, "Unknown keyword"},
    {ErrorCode::InvalidName, "Invalid name"},
    {ErrorCode::UnclosedComment, "Comment starting with '/*' not closed with '*/'"},
    {ErrorCode::UnclosedString, "No matching closing quotation mark"},
    {ErrorCode::WrongNumberFormat, "Wrong number format"},
    {ErrorCode::DuplicateDefinition, "Duplicate definition"},
    {ErrorCode::UndefinedVariable, "undefined variable"},
    {ErrorCode::InvalidDataType, "Invalid data type"},
    {ErrorCode::TypeMismatch, "Type mismatch"},
    {ErrorCode::UninitializedValue, "uninitialized value"},
    {ErrorCode::Overflow, "Overflow"},
    {ErrorCode::DivideByZero, "Divide by zero."},
    {ErrorCode::IllegalMathCall, "Illegal math function call"},
    {ErrorCode::InvalidArgument, "Invalid argument"},
    {ErrorCode::InvalidArrayIndex, "Invalid array index value"},
    {ErrorCode::ArrayIndexOutOfRange, "Array index out of range"},
};
static_assert(std::size(errorTable) == static_cast<std::size_t>(ErrorCode::Count));
static_assert(rowsFollowEnumOrder(errorTable), "errorTable rows follow the order of ErrorCode");

// The text that stands for a code without one.
inline constexpr const char* undefinedErrorMessage = "__UNDEFINED_ERROR_MESSAGE";

// The fixed text of a code, or undefinedErrorMessage when it has none.
const char* errorText(ErrorCode code);

// printf-style formatting bounded to 255 characters: longer results are cut.
std::string formatMessage(const char* format, ...) __attribute__((format(printf, 1, 2)));

// An error with, once known, the position of the token it stands at. The
// position is plain data filled by the lexer's attachToken.
class Error {
public:
    explicit Error(ErrorCode code);
    Error(ErrorCode code, const std::string& message);

    bool hasPosition() const { return !tokenText.empty(); }

    ErrorCode code;
    std::string message;
    std::string fileName;  // empty for an expression from the command line
    int line = 0;
    std::string tokenText;  // the token's dump, "Token {type=..., value=[...]}"

private:
    void rewriteUnknownCode(bool hadMessage);
};

// The one-line report of an error, without a line end.
std::string formatError(const Error& error);

}  // namespace tbasic

// Error codes, positions attached from tokens and the one-line report.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "diagnostics/Error.h"
#include "lexer/Token.h"

namespace tbasic {
namespace {

const std::string programFile = "prog.bas";
const std::string expressionFile;  // expressions carry the tokenizer's empty name

ErrorCode E(int code) { return static_cast<ErrorCode>(code); }

// An error standing at a token, as raiseAt makes it.
Error at(const Token& token, int code, const std::string& message) {
    Error error(E(code), message);
    attachToken(error, token);
    return error;
}

Error at(const Token& token) {
    Error error(ErrorCode::SyntaxError);
    attachToken(error, token);
    return error;
}

Token variableToken(std::string_view name, int line, const std::string* file = &programFile) {
    Token token;
    token.type = TokenType::Variable;
    token.sourceId = sourceIdOf(*file);
    token.line = line;
    token.setText(name);
    return token;
}

TEST(ErrorTextTest, EveryCodeHasItsFixedText) {
    const struct {
        int code;
        const char* text;
    } rows[] = {
        {0, "No error"},
        {1, "Unexpected error"},
        {2, "Failed to open file"},
        {3, "__UNDEFINED_ERROR_MESSAGE"},
        {4, "Syntax error"},
        {5, "Unknown keyword"},
        {6, "Invalid name"},
        {7, "Comment starting with '/*' not closed with '*/'"},
        {8, "No matching closing quotation mark"},
        {9, "Wrong number format"},
        {10, "Duplicate definition"},
        {11, "undefined variable"},
        {12, "Invalid data type"},
        {13, "Type mismatch"},
        {14, "uninitialized value"},
        {15, "Overflow"},
        {16, "Divide by zero."},
        {17, "Illegal math function call"},
        {18, "Invalid argument"},
        {19, "Invalid array index value"},
        {20, "Array index out of range"},
        {21, "__UNDEFINED_ERROR_MESSAGE"},
        {-1, "__UNDEFINED_ERROR_MESSAGE"},
    };
    for (const auto& row : rows) EXPECT_STREQ(errorText(E(row.code)), row.text) << "code " << row.code;
}

TEST(FormatErrorTest, FourReportForms) {
    const Token y = variableToken("y", 4);
    const struct {
        const char* what;
        Error error;
        const char* report;
    } rows[] = {
        {"no file, no message", Error(E(16)), "Error 16: Divide by zero."},
        {"no file, message", Error(E(13), "operator '+' used between data type [string] & [integer]"),
         "Error 13: Type mismatch: {operator '+' used between data type [string] & [integer]}"},
        {"file, no message", at(y),
         "prog.bas(4): Error 4: Syntax error (Token: Token {type=variable, value=[y]})"},
        {"file, message", at(y, 11, "Undefined variable [y]."),
         "prog.bas(4): Error 11: undefined variable (Token: Token {type=variable, value=[y]}): "
         "{Undefined variable [y].}"},
        {"missing file", Error(E(2), "Please make sure the input file exists."),
         "Error 2: Failed to open file: {Please make sure the input file exists.}"},
    };
    for (const auto& row : rows) EXPECT_EQ(formatError(row.error), row.report) << row.what;
}

TEST(FormatErrorTest, FormDependsOnFileNameNotOnToken) {
    // A token of a command-line expression has an empty file name: the report
    // leaves the position out although a token is attached.
    Error withToken = at(variableToken("x", 1, &expressionFile), 11, "Undefined variable [x].");
    EXPECT_EQ(withToken.tokenText, "Token {type=variable, value=[x]}");
    EXPECT_EQ(formatError(withToken), "Error 11: undefined variable: {Undefined variable [x].}");

    Error noMessage = at(variableToken("x", 1, &expressionFile));
    EXPECT_EQ(formatError(noMessage), "Error 4: Syntax error");

    // The end-of-program sentinel has no file at all.
    Error atEnd = at(endOfProgramToken, 4, "EOL expected");
    EXPECT_EQ(atEnd.fileName, "");
    EXPECT_EQ(atEnd.line, 0);
    EXPECT_EQ(atEnd.tokenText, "Token {type=end_of_program, value=[]}");
    EXPECT_EQ(formatError(atEnd), "Error 4: Syntax error: {EOL expected}");
}

TEST(ErrorTest, ConstructorsAndAttachFillTheFields) {
    const Token y = variableToken("y", 7);

    Error codeOnly(ErrorCode::Overflow);
    EXPECT_EQ(codeOnly.code, ErrorCode::Overflow);
    EXPECT_EQ(codeOnly.message, "");
    EXPECT_EQ(codeOnly.fileName, "");
    EXPECT_EQ(codeOnly.line, 0);
    EXPECT_EQ(codeOnly.tokenText, "");

    Error tokenOnly = at(y);
    EXPECT_EQ(tokenOnly.code, ErrorCode::SyntaxError);
    EXPECT_EQ(tokenOnly.message, "");
    EXPECT_EQ(tokenOnly.fileName, "prog.bas");
    EXPECT_EQ(tokenOnly.line, 7);
    EXPECT_EQ(tokenOnly.tokenText, "Token {type=variable, value=[y]}");

    Error codeAndMessage(ErrorCode::WrongNumberFormat, "cannot parse [x] into double number properly");
    EXPECT_EQ(codeAndMessage.code, ErrorCode::WrongNumberFormat);
    EXPECT_EQ(codeAndMessage.message, "cannot parse [x] into double number properly");
    EXPECT_EQ(codeAndMessage.tokenText, "");

    Error all = at(y, 10, "Variable [y] already defined.");
    EXPECT_EQ(all.code, ErrorCode::DuplicateDefinition);
    EXPECT_EQ(all.message, "Variable [y] already defined.");
    EXPECT_EQ(all.fileName, "prog.bas");
    EXPECT_EQ(all.line, 7);
}

TEST(ErrorTest, CodeWithoutTextRewritesTheMessage) {
    const Token y = variableToken("y", 2);

    Error bare(ErrorCode::NoText);
    EXPECT_EQ(bare.code, ErrorCode::NoText);
    EXPECT_EQ(bare.message, "Unexpected error code: 3");
    EXPECT_EQ(formatError(bare), "Error 3: __UNDEFINED_ERROR_MESSAGE: {Unexpected error code: 3}");

    Error withMessage(ErrorCode::NoText, "boom");
    EXPECT_EQ(withMessage.code, ErrorCode::NoText);
    EXPECT_EQ(withMessage.message, "Unexpected error code: 3. (boom)");
    EXPECT_EQ(formatError(withMessage),
              "Error 3: __UNDEFINED_ERROR_MESSAGE: {Unexpected error code: 3. (boom)}");

    // An empty message given explicitly still takes the form with parentheses.
    EXPECT_EQ(Error(E(42), "").message, "Unexpected error code: 42. ()");

    Error tokenAndMessage = at(y, 99, "odd");
    EXPECT_EQ(tokenAndMessage.code, E(99));
    EXPECT_EQ(formatError(tokenAndMessage),
              "prog.bas(2): Error 99: __UNDEFINED_ERROR_MESSAGE (Token: Token {type=variable, "
              "value=[y]}): {Unexpected error code: 99. (odd)}");

    // Codes with a text are left alone, also code 0.
    EXPECT_EQ(Error(E(0)).message, "");
    EXPECT_EQ(Error(E(20), "x").message, "x");
}

TEST(ErrorTest, AttachTokenFirstWins) {
    const Token inner = variableToken("inner", 3);
    const Token outer = variableToken("outer", 9, &expressionFile);

    Error error(ErrorCode::TypeMismatch, "detail");
    attachToken(error, inner);
    EXPECT_EQ(error.fileName, "prog.bas");
    EXPECT_EQ(error.line, 3);
    EXPECT_EQ(error.tokenText, "Token {type=variable, value=[inner]}");

    attachToken(error, outer);
    EXPECT_EQ(error.fileName, "prog.bas");
    EXPECT_EQ(error.line, 3);
    EXPECT_EQ(error.tokenText, "Token {type=variable, value=[inner]}");
    EXPECT_EQ(error.code, ErrorCode::TypeMismatch);
    EXPECT_EQ(error.message, "detail");

    // A token attached first counts, even with an empty file name.
    Error constructed = at(outer, 11, "Undefined variable [outer].");
    attachToken(constructed, inner);
    EXPECT_EQ(constructed.line, 9);
    EXPECT_EQ(constructed.fileName, "");
    EXPECT_EQ(constructed.tokenText, "Token {type=variable, value=[outer]}");
}

TEST(ErrorTest, RaiseAtAttachesTheToken) {
    const Token y = variableToken("y", 5);
    auto reportOf = [](const std::function<void()>& raise) {
        try {
            raise();
        } catch (const Error& error) {
            return formatError(error);
        }
        return std::string("not raised");
    };
    EXPECT_EQ(reportOf([&] { raiseAt(y, ErrorCode::TypeMismatch, "m"); }),
              "prog.bas(5): Error 13: Type mismatch (Token: Token {type=variable, value=[y]}): {m}");
    EXPECT_EQ(reportOf([&] { raiseAt(y); }),
              "prog.bas(5): Error 4: Syntax error (Token: Token {type=variable, value=[y]})");
    EXPECT_EQ(reportOf([] { throw Error(ErrorCode::Overflow); }), "Error 15: Overflow");
    EXPECT_EQ(reportOf([] { throw Error(ErrorCode::NoText); }),
              "Error 3: __UNDEFINED_ERROR_MESSAGE: {Unexpected error code: 3}");
}

TEST(FormatMessageTest, FormatsLikePrintf) {
    EXPECT_EQ(formatMessage("Variable [%s] already defined.", "x"), "Variable [x] already defined.");
    EXPECT_EQ(formatMessage("code is [%d]", -126), "code is [-126]");
    EXPECT_EQ(formatMessage("no arguments"), "no arguments");
}

TEST(FormatMessageTest, BoundedTo255Characters) {
    const std::string longName(300, 'n');
    const std::string message = formatMessage("Undefined variable [%s].", longName.c_str());
    EXPECT_EQ(message.size(), 255u);
    EXPECT_EQ(message, ("Undefined variable [" + longName).substr(0, 255));

    EXPECT_EQ(formatMessage("%s", std::string(255, 'a').c_str()), std::string(255, 'a'));
    EXPECT_EQ(formatMessage("%s", std::string(256, 'a').c_str()), std::string(255, 'a'));

    // The report line itself is bounded the same way.
    Error error(ErrorCode::TypeMismatch, std::string(250, 'm'));
    const std::string report = formatError(error);
    EXPECT_EQ(report.size(), 255u);
    EXPECT_EQ(report.substr(0, 24), "Error 13: Type mismatch:");

    const std::string longFile(300, 'f');
    Error positioned = at(variableToken("y", 1, &longFile), 4, "");
    EXPECT_EQ(formatError(positioned), longFile.substr(0, 255));
}

TEST(FormatErrorTest, UserTextIsNeverAFormat) {
    // Messages and names may contain "%"; they must come out verbatim.
    const std::string file = "100%s.bas";
    Error error = at(variableToken("y", 1, &file), 13, "50% of %d %s %n");
    EXPECT_EQ(formatError(error),
              "100%s.bas(1): Error 13: Type mismatch (Token: Token {type=variable, value=[y]}): "
              "{50% of %d %s %n}");
    EXPECT_EQ(Error(E(3), "%s%s%s").message, "Unexpected error code: 3. (%s%s%s)");
}

}  // namespace
}  // namespace tbasic

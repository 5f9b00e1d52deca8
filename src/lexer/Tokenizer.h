// Turns source text into the token sequence. A program file goes through
// four text pre-passes (line ends, comments, keywords, blanks) before it is
// cut; an expression from the command line is cut as it stands.
#pragma once

#include <string>

#include "lexer/Token.h"

namespace tbasic {

class Tokenizer {
public:
    Tokenizer() = default;
    // Tokens point into the source it keeps, so a tokenizer never moves
    // and outlives its tokens.
    Tokenizer(const Tokenizer&) = delete;
    Tokenizer& operator=(const Tokenizer&) = delete;

    // Reads, pre-processes and cuts a program file. Definitions stay in the
    // sequence and names before "(" stay func_or_array tokens: the program
    // loader (statements/ProgramLoader.h) takes it from there.
    void tokenizeFile(const std::string& fileName);
    // Like tokenizeFile, for program text already in memory.
    void tokenizeProgramText(const std::string& fileName, std::string text);
    // Cuts an expression text with no pre-pass.
    void tokenizeString(const std::string& text);

    const TokenList& tokens() const { return tokens_; }
    TokenList& tokens() { return tokens_; }
    const std::string& fileName() const { return fileName_; }

    // The text pre-passes, each one scan into a new buffer.
    static std::string normaliseLineEnds(const std::string& text);
    static std::string stripComments(const std::string& text);
    static std::string compressKeywords(const std::string& text);
    static std::string squeezeBlanks(const std::string& text);

private:
    void cutTokens();

    std::string fileName_;
    std::string source_;
    TokenList tokens_;
    int line_ = 1;
};

// Raises SyntaxError 6 for a FUNCTION/SUB parameter name that breaks the name rule.
void validateName(const std::string& name);

// The end of a word: " ;,+-<>/*%\^=():[]", line feed and tab.
bool isTokenDelimiter(char c);

}  // namespace tbasic

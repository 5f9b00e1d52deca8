#include "lexer/Tokenizer.h"

#include <cstdio>
#include <cstring>
#include <memory>

#include "diagnostics/Error.h"
#include "lexer/Numbers.h"
#include "lexer/Vocabulary.h"
#include "text/Text.h"
#include "values/DataType.h"

namespace tbasic {

namespace {

bool inSet(char c, const char* set) { return c != '\0' && std::strchr(set, c) != nullptr; }

const char* const squeezeDelimiters = "\n`~?!@#$%^&*()-+=\\|/<>,.;:[]{}";
const char* const singleCharTokens = " +-^\\/*%=;(),<>[]";

bool isAlnum(char c) { return isAsciiAlpha(c) || isAsciiDigit(c); }

// Copies the string literal that starts at the quote at i, both quotes
// included (or to the end of the text); returns the position after it.
size_t copyStringLiteral(const std::string& text, size_t i, std::string& out) {
    size_t close = text.find('"', i + 1);
    size_t end = close == std::string::npos ? text.size() : close + 1;
    out.append(text, i, end - i);
    return end;
}

// One pass of a pre-pass: string literals are copied as they stand, and
// step(text, i, out) rewrites from any other position i, returning where
// the next step starts.
template <typename Step>
std::string rewriteOutsideStrings(const std::string& text, Step step) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == '"') {
            i = copyStringLiteral(text, i, out);
        } else {
            i = step(text, i, out);
        }
    }
    return out;
}

std::string readWholeFile(const std::string& fileName) {
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(fileName.c_str(), "rb"), &std::fclose);
    if (!file) throw Error(ErrorCode::FileOpenError, "Please make sure the input file exists.");
    std::string text;
    char buffer[65536];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) text.append(buffer, n);
    if (std::ferror(file.get())) throw Error(ErrorCode::FileOpenError, "Please make sure the input file exists.");
    // A NUL byte ends the text.
    size_t nul = text.find('\0');
    if (nul != std::string::npos) text.resize(nul);
    return text;
}

}  // namespace

bool isTokenDelimiter(char c) { return inSet(c, " ;,+-<>/*%\\^=():[]\n\t"); }

void validateName(const std::string& name) {
    if (name.empty()) throw Error(ErrorCode::InvalidName, "Empty name");
    for (char c : name)
        if (!(c == '_' || isAlnum(c)))
            throw Error(ErrorCode::InvalidName, formatMessage("Name [%s] contains invalid character", name.c_str()));
    if (isAsciiDigit(name[0]))
        throw Error(ErrorCode::InvalidName, formatMessage("Name [%s] starts with number", name.c_str()));
}

std::string Tokenizer::normaliseLineEnds(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            out += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string Tokenizer::stripComments(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    const size_t n = text.size();
    size_t i = 0;
    while (i < n) {
        char c = text[i];
        if (c == '\t') {
            out += ' ';
            ++i;
        } else if (c == '"') {
            size_t close = text.find('"', i + 1);
            if (close == std::string::npos) throw Error(ErrorCode::UnclosedString, "error string value");
            out.append(text, i, close + 1 - i);
            i = close + 1;
        } else if (c == '\'') {
            while (i < n && text[i] != '\n') ++i;
        } else if (c == '/') {
            if (i + 1 >= n) throw Error(ErrorCode::SyntaxError, "at end of file");
            char next = text[i + 1];
            if (next == '*') {
                // The search starts at the opening "/", so "/*/" is complete.
                size_t close = text.find("*/", i);
                if (close == std::string::npos) throw Error(ErrorCode::UnclosedComment, "at end of file");
                i = close + 2;
            } else if (next == '/') {
                while (i < n && text[i] != '\n') ++i;
            } else {
                out += c;
                ++i;
            }
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

// Joins two-word keywords, drops ignored words and writes short forms.
std::string Tokenizer::compressKeywords(const std::string& text) {
    return rewriteOutsideStrings(text, [](const std::string& text, std::size_t i, std::string& out) {
        const std::size_t n = text.size();
        if (!isAsciiAlpha(text[i])) {
            out += text[i];
            return i + 1;
        }
        std::size_t start = i;
        while (i < n && isAlnum(text[i])) ++i;
        std::string word = toLower(std::string_view(text).substr(start, i - start));
        if (isIgnoredWord(word)) return i;
        if (word == "end" || word == "exit" || word == "continue" || word == "do" || word == "loop") {
            std::size_t j = i;
            while (j < n && isBlank(text[j])) ++j;
            std::size_t k = j;
            while (k < n && isAsciiAlpha(text[k])) ++k;
            std::string second = toLower(std::string_view(text).substr(j, k - j));
            bool joins = (word == "end" && (second == "if" || second == "function" || second == "sub")) ||
                         ((word == "exit" || word == "continue") && (second == "for" || second == "do")) ||
                         ((word == "do" || word == "loop") && (second == "while" || second == "until"));
            if (joins) {
                word += second;
                i = k;
            } else {
                i = j;
            }
        }
        char symbol = shortFormOf(word);
        if (symbol != 0) {
            out += symbol;
        } else {
            out += word;
        }
        return i;
    });
}

// Drops the blanks around delimiters and at the start of the text.
std::string Tokenizer::squeezeBlanks(const std::string& text) {
    std::string out = rewriteOutsideStrings(text, [](const std::string& text, std::size_t i, std::string& out) {
        const char c = text[i++];
        if (inSet(c, squeezeDelimiters)) {
            while (!out.empty() && isBlank(out.back())) out.pop_back();
            out += c;
            while (i < text.size() && isBlank(text[i])) ++i;
        } else {
            out += c;
        }
        return i;
    });
    std::size_t lead = 0;
    while (lead < out.size() && isBlank(out[lead])) ++lead;
    return out.substr(lead);
}

void Tokenizer::tokenizeFile(const std::string& fileName) {
    fileName_ = fileName;
    tokenizeProgramText(fileName, readWholeFile(fileName));
}

void Tokenizer::tokenizeProgramText(const std::string& fileName, std::string text) {
    fileName_ = fileName;
    text = normaliseLineEnds(text);
    text = stripComments(text);
    text = compressKeywords(text);
    text = stripComments(text);
    source_ = squeezeBlanks(text);
    cutTokens();
}

void Tokenizer::tokenizeString(const std::string& text) {
    fileName_.clear();
    source_ = text;
    // An expression ends at a NUL, as any C string would.
    size_t nul = source_.find('\0');
    if (nul != std::string::npos) source_.resize(nul);
    cutTokens();
}

namespace {

void makeOperator(Token& token, Operator op) {
    token.type = TokenType::Operator;
    token.op = op;
    token.binaryLevel = binaryLevelOf(op);
}

void makeCommand(Token& token, Keyword keyword) {
    token.type = TokenType::Command;
    token.keyword = keyword;
}

bool isTwoCharOperator(const std::string& s, std::size_t i) {
    return i + 1 < s.size() && ((s[i] == '<' && (s[i + 1] == '>' || s[i + 1] == '=')) || (s[i] == '>' && s[i + 1] == '='));
}

// Where a word or number that starts at start ends.
std::size_t endOfWord(const std::string& s, std::size_t start, bool number) {
    std::size_t i = start;
    while (i < s.size()) {
        char w = s[i];
        if (number && (w == '+' || w == '-') && i > start && (s[i - 1] == 'e' || s[i - 1] == 'E')) {
            ++i;
            continue;
        }
        // A word also ends where a keyword short form begins.
        if (isTokenDelimiter(w) || isSymbolChar(w)) break;
        ++i;
    }
    return i;
}

void classifyNumber(Token& token, std::string_view word) {
    double d = parseDouble(word);
    if (word.find_first_of(".eE") != std::string_view::npos) {
        token.type = TokenType::Double;
        token.doubleValue = d;
    } else {
        token.type = TokenType::Integer;
        token.intValue = parseInteger(word);
    }
}

// A word: literal, type name, built-in, keyword, word operator, a name
// before "(" (settled later by the program loader) or a variable.
void classifyWord(Token& token, std::string_view word, bool beforeParenthesis) {
    if (isBooleanLiteral(word)) {
        token.type = TokenType::Bool;
        token.boolValue = parseBoolean(word);
    } else if (isDataTypeName(word)) {
        token.type = TokenType::DataType;
    } else if (std::optional<Builtin> builtin = findBuiltin(word)) {
        token.type = TokenType::BuiltinFunction;
        token.builtin = *builtin;
    } else if (std::optional<Keyword> keyword = findKeyword(word)) {
        makeCommand(token, *keyword);
    } else if (std::optional<Operator> op = findOperator(word)) {
        makeOperator(token, *op);
    } else if (beforeParenthesis) {
        token.type = TokenType::FuncOrArray;
    } else {
        token.type = TokenType::Variable;
        token.nameHash = hashName(word);
    }
}

}  // namespace

// Token texts point into source_, which stays unchanged once cut (words are
// lower-cased in place as they are cut), or at static strings.
void Tokenizer::cutTokens() {
    tokens_.clear();
    // Every token takes at least one character, so this bounds the count:
    // the sequence never grows by copying, and the untouched part of the
    // reservation is never paged in.
    tokens_.reserve(source_.size() + 1);
    line_ = 1;
    const std::uint16_t sourceId = sourceIdOf(fileName_);
    std::string& s = source_;
    const std::size_t n = s.size();
    std::size_t i = 0;
    auto add = [&](Token& token, std::string_view text) {
        token.setText(text);
        token.sourceId = sourceId;
        token.line = line_;
        tokens_.push_back(token);
    };
    while (true) {
        while (i < n && isBlank(s[i])) ++i;
        if (i >= n) break;
        const char c = s[i];
        Token token;
        if (c == ':' || c == '\n') {
            token.type = TokenType::Delimiter;
            token.endsStatement = true;
            add(token, "\n");
            if (c == '\n') ++line_;
            ++i;
        } else if (std::optional<Keyword> keyword = keywordOfSymbol(c)) {
            makeCommand(token, *keyword);
            add(token, keywordName(*keyword));
            ++i;
        } else if (c == '"') {
            std::size_t close = i + 1;
            while (close < n && s[close] != '"' && s[close] != '\n') ++close;
            if (close >= n || s[close] != '"') throw Error(ErrorCode::UnclosedString, "error string value");
            token.type = TokenType::String;
            add(token, std::string_view(s).substr(i + 1, close - i - 1));
            i = close + 1;
        } else if (isTwoCharOperator(s, i)) {
            std::string_view text = std::string_view(s).substr(i, 2);
            makeOperator(token, *findOperator(text));
            add(token, text);
            i += 2;
        } else if (inSet(c, singleCharTokens)) {
            std::string_view text = std::string_view(s).substr(i, 1);
            if (std::optional<Operator> op = findOperator(text)) {
                makeOperator(token, *op);
                add(token, text);
            } else if (c != ' ') {
                token.type = TokenType::Delimiter;
                add(token, text);
            }
            ++i;
        } else {
            const bool number = isAsciiDigit(c) || c == '.';
            if (!number && !isAsciiAlpha(c))
                throw Error(ErrorCode::UnexpectedError, formatMessage("unexpected symbol [%c]", c));
            const std::size_t start = i;
            i = endOfWord(s, start, number);
            for (std::size_t k = start; k < i; ++k) s[k] = toLowerChar(s[k]);
            std::string_view word = std::string_view(s).substr(start, i - start);
            if (number) {
                classifyNumber(token, word);
            } else {
                classifyWord(token, word, i < n && s[i] == '(');
            }
            add(token, word);
        }
    }
}

}  // namespace tbasic

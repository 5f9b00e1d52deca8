#include "lexer/Tokenizer.h"

#include <cstdio>
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <memory>

#include "diagnostics/Error.h"
#include "lexer/Numbers.h"
#include "lexer/Vocabulary.h"
#include "text/Text.h"
#include "values/DataType.h"

namespace tbasic {

namespace {

// A set of bytes, one flag each, for the scans that test every character.
class CharSet {
public:
    constexpr explicit CharSet(std::string_view members) {
        for (char c : members) flags_[static_cast<unsigned char>(c)] = true;
    }
    constexpr bool has(char c) const { return flags_[static_cast<unsigned char>(c)]; }

private:
    std::array<bool, 256> flags_{};
};

constexpr CharSet squeezeDelimiters("\n`~?!@#$%^&*()-+=\\|/<>,.;:[]{}");
constexpr CharSet singleCharTokens(" +-^\\/*%=;(),<>[]");
constexpr CharSet commentStarts("\t\"'/");
constexpr CharSet tokenDelimiters(" ;,+-<>/*%\\^=():[]\n\t");

constexpr char lowerCase(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Every word of the vocabularies (literals, type names, built-ins, keywords,
// word operators) by length and first letter: a word with no entry here is
// a name, and is classified without a search of the tables.
class VocabularyFilter {
public:
    constexpr VocabularyFilter() {
        add("true");
        add("false");
        for (const DataTypeRecord& row : dataTypeTable)
            if (row.id != DataType::Undefined) add(row.name);
        for (const BuiltinRecord& row : builtinTable) add(row.name);
        for (const KeywordRecord& row : keywordTable) add(row.name);
        for (const OperatorRecord& row : operatorTable) add(row.name);
        for (std::string_view word : ignoredWords) add(word);
        for (std::string_view word : {"end", "exit", "continue", "do", "loop"}) add(word);
    }
    // Whether a lower-case word may be one of the vocabulary's.
    constexpr bool mayBeVocabulary(std::string_view lowerWord) const {
        return lowerWord.size() < maxLength && entries_[lowerWord.size()][static_cast<unsigned char>(lowerWord[0])];
    }

private:
    static constexpr std::size_t maxLength = 16;
    constexpr void add(std::string_view word) {
        if (word.empty() || word.size() >= maxLength) throw "vocabulary words are shorter than 16 characters";
        entries_[word.size()][static_cast<unsigned char>(lowerCase(word[0]))] = true;
    }
    std::array<std::array<bool, 256>, maxLength> entries_{};
};

constexpr VocabularyFilter vocabularyFilter;

// The operator a single character spells, from the operator table and its aliases.
constexpr std::array<std::int8_t, 256> singleCharOperators = [] {
    std::array<std::int8_t, 256> index{};
    index.fill(-1);
    for (const OperatorRecord& row : operatorTable)
        if (row.name.size() == 1) index[static_cast<unsigned char>(row.name[0])] = static_cast<std::int8_t>(row.id);
    for (const OperatorAlias& alias : operatorAliases)
        if (alias.spelling.size() == 1) index[static_cast<unsigned char>(alias.spelling[0])] = static_cast<std::int8_t>(alias.id);
    return index;
}();

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

bool isTokenDelimiter(char c) { return tokenDelimiters.has(c); }

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
        // A run of characters that start nothing is copied at once.
        std::size_t run = i;
        while (run < n && !commentStarts.has(text[run])) ++run;
        out.append(text, i, run - i);
        i = run;
        if (i >= n) break;
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
            std::size_t run = i + 1;
            while (run < n && !isAsciiAlpha(text[run]) && text[run] != '"') ++run;
            out.append(text, i, run - i);
            return run;
        }
        std::size_t start = i;
        while (i < n && isAlnum(text[i])) ++i;
        // Most words are names: written out lower-cased, and done with.
        const std::size_t mark = out.size();
        out.append(text, start, i - start);
        for (std::size_t k = mark; k < out.size(); ++k) out[k] = toLowerChar(out[k]);
        if (!vocabularyFilter.mayBeVocabulary(std::string_view(out).substr(mark))) return i;
        std::string word = out.substr(mark);
        out.resize(mark);
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
        if (squeezeDelimiters.has(c)) {
            while (!out.empty() && isBlank(out.back())) out.pop_back();
            out += c;
            while (i < text.size() && isBlank(text[i])) ++i;
        } else {
            std::size_t run = i;
            while (run < text.size() && !squeezeDelimiters.has(text[run]) && text[run] != '"') ++run;
            out.append(text, i - 1, run - i + 1);
            i = run;
        }
        return i;
    });
    std::size_t lead = 0;
    while (lead < out.size() && isBlank(out[lead])) ++lead;
    out.erase(0, lead);
    return out;
}

void Tokenizer::tokenizeFile(const std::string& fileName) {
    fileName_ = fileName;
    tokenizeProgramText(fileName, readWholeFile(fileName));
}

void Tokenizer::tokenizeProgramText(const std::string& fileName, std::string text) {
    fileName_ = fileName;
    if (text.find('\r') != std::string::npos) text = normaliseLineEnds(text);
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
    // Up to nine digits: an integer that both readers accept as it stands.
    if (word.size() <= 9 && std::all_of(word.begin(), word.end(), isAsciiDigit)) {
        std::int32_t value = 0;
        for (char c : word) value = value * 10 + (c - '0');
        token.type = TokenType::Integer;
        token.intValue = value;
        return;
    }
    double d = parseDouble(word);
    if (word.find_first_of(".eE") != std::string_view::npos) {
        token.type = TokenType::Double;
        token.doubleValue = d;
    } else {
        token.type = TokenType::Integer;
        token.intValue = parseInteger(word);
    }
}

void makeName(Token& token, std::string_view word, bool beforeParenthesis) {
    if (beforeParenthesis) {
        token.type = TokenType::FuncOrArray;
    } else {
        token.type = TokenType::Variable;
        token.nameHash = hashName(word);
    }
}

// A word: literal, type name, built-in, keyword, word operator, a name
// before "(" (settled later by the program loader) or a variable.
void classifyWord(Token& token, std::string_view word, bool beforeParenthesis) {
    if (!vocabularyFilter.mayBeVocabulary(word)) {
        makeName(token, word, beforeParenthesis);
    } else if (isBooleanLiteral(word)) {
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
    } else {
        makeName(token, word, beforeParenthesis);
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
        } else if (singleCharTokens.has(c)) {
            std::string_view text = std::string_view(s).substr(i, 1);
            if (std::int8_t op = singleCharOperators[static_cast<unsigned char>(c)]; op >= 0) {
                makeOperator(token, static_cast<Operator>(op));
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

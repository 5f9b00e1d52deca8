#include "checker/Lexer.h"

#include <algorithm>
#include <cstdio>
#include <unordered_set>

namespace tbasic::check {

namespace {

// Text with the offset in the original file of every character.
struct Text {
    std::string chars;
    std::vector<std::uint32_t> at;

    void reserve(std::size_t n) {
        chars.reserve(n);
        at.reserve(n);
    }
    void push(char c, std::uint32_t offset) {
        chars.push_back(c);
        at.push_back(offset);
    }
    void append(const Text& from, std::size_t begin, std::size_t end) {
        chars.append(from.chars, begin, end - begin);
        at.insert(at.end(), from.at.begin() + static_cast<std::ptrdiff_t>(begin),
                  from.at.begin() + static_cast<std::ptrdiff_t>(end));
    }
    void popBack() {
        chars.pop_back();
        at.pop_back();
    }
    std::size_t size() const { return chars.size(); }
    // The offset of position i, or of the end of the file past the last character.
    std::uint32_t offsetAt(std::size_t i, std::uint32_t endOffset) const {
        return i < at.size() ? at[i] : endOffset;
    }
};

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isAlpha(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isAlnum(char c) { return isAlpha(c) || isDigit(c); }
bool isNameChar(char c) { return isAlnum(c) || c == '_'; }
char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

class Reader {
public:
    explicit Reader(const std::string& original) : original_(original), end_(static_cast<std::uint32_t>(original.size())) {}

    LexResult run() {
        Text text = normaliseLineEnds();
        text = stripComments(text);
        text = compressKeywords(text);
        text = stripComments(text);
        text = squeezeBlanks(text);
        cutTokens(text);
        return std::move(result_);
    }

private:
    void error(std::uint32_t offset, std::string message) {
        result_.findings.push_back(Finding{offset, false, std::move(message)});
    }

    Text normaliseLineEnds() {
        Text out;
        out.reserve(original_.size());
        for (std::size_t i = 0; i < original_.size(); ++i) {
            if (original_[i] == '\r') {
                out.push('\n', static_cast<std::uint32_t>(i));
                if (i + 1 < original_.size() && original_[i + 1] == '\n') ++i;
            } else {
                out.push(original_[i], static_cast<std::uint32_t>(i));
            }
        }
        return out;
    }

    // Comments go, tabs become blanks, string literals stay as they are (a
    // literal may run over a line end here; the cut reports it later).
    Text stripComments(const Text& in) {
        const std::string& s = in.chars;
        const std::size_t n = s.size();
        Text out;
        out.reserve(n);
        std::size_t i = 0;
        while (i < n) {
            char c = s[i];
            if (c == '\t') {
                out.push(' ', in.at[i]);
                ++i;
            } else if (c == '"') {
                std::size_t close = s.find('"', i + 1);
                if (close == std::string::npos) {
                    error(in.at[i], "string literal without its closing '\"'");
                    std::size_t lineEnd = s.find('\n', i);
                    if (lineEnd == std::string::npos) lineEnd = n;
                    out.append(in, i, lineEnd);
                    out.push('"', in.offsetAt(lineEnd, end_));
                    i = lineEnd;
                    continue;
                }
                out.append(in, i, close + 1);
                i = close + 1;
            } else if (c == '\'') {
                while (i < n && s[i] != '\n') ++i;
            } else if (c == '/') {
                if (i + 1 >= n) {
                    error(in.at[i], "the program cannot end with '/': it is read as the start of a comment");
                    ++i;
                    continue;
                }
                char next = s[i + 1];
                if (next == '*') {
                    // The search starts at the opening "/", so "/*/" is complete.
                    std::size_t close = s.find("*/", i);
                    if (close == std::string::npos) {
                        error(in.at[i], "comment starting with '/*' is not closed with '*/'");
                        i = n;
                    } else {
                        i = close + 2;
                    }
                } else if (next == '/') {
                    while (i < n && s[i] != '\n') ++i;
                } else {
                    out.push(c, in.at[i]);
                    ++i;
                }
            } else {
                out.push(c, in.at[i]);
                ++i;
            }
        }
        return out;
    }

    static std::size_t copyStringLiteral(const Text& in, std::size_t i, Text& out) {
        std::size_t close = in.chars.find('"', i + 1);
        std::size_t end = close == std::string::npos ? in.size() : close + 1;
        out.append(in, i, end);
        return end;
    }

    // Notes a name broken up by a keyword or an ignored word inside it
    // (step_size, print_total, let_x), once per written name.
    void noteBrokenName(const Text& in, std::size_t start, std::size_t end, const std::string& word,
                        bool shortForm) {
        const std::string& s = in.chars;
        bool touchesUnderscore = (start > 0 && s[start - 1] == '_') || (end < s.size() && s[end] == '_');
        if (!touchesUnderscore) return;
        std::size_t first = start, last = end;
        while (first > 0 && isNameChar(s[first - 1])) --first;
        while (last < s.size() && isNameChar(s[last])) ++last;
        std::uint32_t offset = in.at[first];
        if (!brokenNames_.insert(offset).second) return;
        std::string name;
        for (std::size_t k = first; k < last; ++k) name += lower(s[k]);
        std::string joined;
        for (char c : name)
            if (c != '_') joined += c;
        if (classifyWord(joined).wordClass != WordClass::Name || shortFormOf(joined) != 0) joined = "my" + joined;
        std::string message = "the name [" + name + "] is broken up by the word [" + word +
                              "] inside it (keywords are read even between underscores); choose another name, such as " +
                              joined;
        if (shortForm) {
            error(offset, message);
            hardBroken_.push_back({offset, in.at[last - 1], std::string()});
        } else {
            // An ignored word only breaks the name where what is left starts a word with '_'.
            softBroken_.push_back({offset, in.at[last - 1], message});
        }
    }

    // Lower-cases words, drops LET, GOTO and GOSUB, joins two-word keywords
    // and writes the short form of the keywords that have one.
    Text compressKeywords(const Text& in) {
        const std::string& s = in.chars;
        const std::size_t n = s.size();
        Text out;
        out.reserve(n);
        std::size_t i = 0;
        while (i < n) {
            char c = s[i];
            if (c == '"') {
                i = copyStringLiteral(in, i, out);
                continue;
            }
            if (!isAlpha(c)) {
                out.push(c, in.at[i]);
                ++i;
                continue;
            }
            std::size_t start = i;
            while (i < n && isAlnum(s[i])) ++i;
            std::string word;
            word.reserve(i - start);
            for (std::size_t k = start; k < i; ++k) word += lower(s[k]);
            if (isIgnoredWord(word)) {
                noteBrokenName(in, start, i, word, false);
                continue;
            }
            std::size_t wordEnd = i;
            std::size_t secondStart = i;
            if (word == "end" || word == "exit" || word == "continue" || word == "do" || word == "loop") {
                std::size_t j = i;
                while (j < n && isBlank(s[j])) ++j;
                std::size_t k = j;
                while (k < n && isAlpha(s[k])) ++k;
                std::string second;
                for (std::size_t m = j; m < k; ++m) second += lower(s[m]);
                bool joins = (word == "end" && (second == "if" || second == "function" || second == "sub")) ||
                             ((word == "exit" || word == "continue") && (second == "for" || second == "do")) ||
                             ((word == "do" || word == "loop") && (second == "while" || second == "until"));
                if (joins) {
                    word += second;
                    secondStart = j;
                    i = k;
                } else {
                    i = j;
                }
            }
            char symbol = shortFormOf(word);
            if (symbol != 0) {
                noteBrokenName(in, start, wordEnd, word, true);
                out.push(symbol, in.at[start]);
            } else {
                std::size_t firstLength = wordEnd - start;
                for (std::size_t k = 0; k < word.size(); ++k) {
                    std::uint32_t offset = k < firstLength ? in.at[start + k] : in.at[secondStart + (k - firstLength)];
                    out.push(word[k], offset);
                }
            }
        }
        return out;
    }

    // Removes blanks next to delimiter characters and at the very start.
    Text squeezeBlanks(const Text& in) {
        const std::string& s = in.chars;
        const std::size_t n = s.size();
        Text out;
        out.reserve(n);
        std::size_t i = 0;
        while (i < n) {
            char c = s[i];
            if (c == '"') {
                i = copyStringLiteral(in, i, out);
            } else if (isSqueezeDelimiter(c)) {
                while (out.size() > 0 && isBlank(out.chars.back())) out.popBack();
                out.push(c, in.at[i]);
                ++i;
                while (i < n && isBlank(s[i])) ++i;
            } else {
                out.push(c, in.at[i]);
                ++i;
            }
        }
        std::size_t lead = 0;
        while (lead < out.size() && isBlank(out.chars[lead])) ++lead;
        if (lead == 0) return out;
        Text trimmed;
        trimmed.append(out, lead, out.size());
        return trimmed;
    }

    void add(CheckToken token, std::uint32_t offset) {
        token.offset = offset;
        token.runLine = line_;
        result_.tokens.push_back(std::move(token));
    }

    // An error at a character that starts no token; a name broken by an
    // ignored word explains it better.
    void unexpectedCharacter(std::uint32_t offset, char c) {
        for (const SoftBroken& broken : hardBroken_)
            if (offset >= broken.first && offset <= broken.last) return;  // already explained
        for (const SoftBroken& broken : softBroken_)
            if (offset >= broken.first && offset <= broken.last) {
                if (reportedSoft_.insert(broken.first).second) error(broken.first, broken.message);
                return;
            }
        std::string shown;
        if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) >= 0x7f) {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\x%02x", static_cast<unsigned char>(c));
            shown = buffer;
        } else {
            shown.assign(1, c);
        }
        error(offset, "unexpected character [" + shown + "]: it starts no word, number, string or operator");
    }

    void cutTokens(const Text& text) {
        const std::string& s = text.chars;
        const std::size_t n = s.size();
        line_ = 1;
        std::size_t i = 0;
        while (true) {
            while (i < n && isBlank(s[i])) ++i;
            if (i >= n) break;
            const char c = s[i];
            const std::uint32_t offset = text.at[i];
            CheckToken token;
            if (c == ':' || c == '\n') {
                token.kind = TokenKind::LineEnd;
                add(std::move(token), offset);
                if (c == '\n') ++line_;
                ++i;
                continue;
            }
            if (isShortForm(c)) {
                token.kind = TokenKind::Keyword;
                token.keyword = keywordOfShortForm(c);
                token.text = keywordName(token.keyword);
                add(std::move(token), offset);
                ++i;
                continue;
            }
            if (c == '"') {
                std::size_t close = i + 1;
                while (close < n && s[close] != '"' && s[close] != '\n') ++close;
                if (close >= n || s[close] != '"') {
                    error(offset, "string literal without its closing '\"' on the same line");
                    i = close;  // resume at the line end
                    continue;
                }
                token.kind = TokenKind::String;
                token.text = s.substr(i + 1, close - i - 1);
                add(std::move(token), offset);
                i = close + 1;
                continue;
            }
            if (i + 1 < n && ((c == '<' && (s[i + 1] == '>' || s[i + 1] == '=')) || (c == '>' && s[i + 1] == '='))) {
                token.kind = TokenKind::Operator;
                token.text = s.substr(i, 2);
                token.op = operatorOfSymbol(token.text);
                add(std::move(token), offset);
                i += 2;
                continue;
            }
            if (isSingleCharToken(c)) {
                std::string one(1, c);
                Operator op = operatorOfSymbol(one);
                if (op != Operator::None) {
                    token.kind = TokenKind::Operator;
                    token.op = op;
                    token.text = std::move(one);
                    add(std::move(token), offset);
                } else if (c != ' ') {
                    token.kind = TokenKind::Separator;
                    token.separator = c;
                    token.text = std::move(one);
                    add(std::move(token), offset);
                }
                ++i;
                continue;
            }
            const bool number = isDigit(c) || c == '.';
            if (!number && !isAlpha(c)) {
                unexpectedCharacter(offset, c);
                ++i;
                continue;
            }
            std::size_t start = i;
            while (i < n) {
                char w = s[i];
                if (number && (w == '+' || w == '-') && i > start && (s[i - 1] == 'e' || s[i - 1] == 'E')) {
                    ++i;
                    continue;
                }
                // A word also ends where a keyword short form begins.
                if (isWordDelimiter(w) || isShortForm(w)) break;
                ++i;
            }
            std::string word;
            word.reserve(i - start);
            for (std::size_t k = start; k < i; ++k) word += lower(s[k]);
            if (number) {
                NumberWord value;
                std::string message;
                if (!readNumberWord(word, value, message)) {
                    error(offset, "bad number [" + word + "]: " + message);
                    value = NumberWord{};
                }
                token.kind = value.isDouble ? TokenKind::Double : TokenKind::Integer;
                token.text = std::move(word);
                add(std::move(token), offset);
                continue;
            }
            const WordInfo& info = classifyWord(word);
            switch (info.wordClass) {
            case WordClass::Boolean: token.kind = TokenKind::Boolean; break;
            case WordClass::DataType:
                token.kind = TokenKind::DataType;
                token.type = info.type;
                break;
            case WordClass::Builtin:
                token.kind = TokenKind::Builtin;
                token.builtin = info.builtin;
                break;
            case WordClass::Keyword:
                token.kind = TokenKind::Keyword;
                token.keyword = info.keyword;
                break;
            case WordClass::Operator:
                token.kind = TokenKind::Operator;
                token.op = info.op;
                break;
            case WordClass::Name:
                token.kind = (i < n && s[i] == '(') ? TokenKind::Call : TokenKind::Name;
                break;
            }
            token.text = std::move(word);
            add(std::move(token), offset);
        }
    }

    struct SoftBroken {
        std::uint32_t first;
        std::uint32_t last;
        std::string message;
    };

    const std::string& original_;
    const std::uint32_t end_;
    LexResult result_;
    int line_ = 1;
    std::unordered_set<std::uint32_t> brokenNames_;
    std::unordered_set<std::uint32_t> reportedSoft_;
    std::vector<SoftBroken> softBroken_;
    std::vector<SoftBroken> hardBroken_;
};

const char* dumpTypeName(const CheckToken& token) {
    switch (token.kind) {
    case TokenKind::LineEnd:
    case TokenKind::Separator: return "delimeter";
    case TokenKind::Operator: return "operator";
    case TokenKind::Keyword: return "command";
    case TokenKind::Name: return "variable";
    case TokenKind::Call: return "func_or_array";
    case TokenKind::Boolean: return "bool";
    case TokenKind::Integer: return "integer";
    case TokenKind::Double: return "double";
    case TokenKind::String: return "string";
    case TokenKind::DataType: return "data type";
    case TokenKind::Builtin: return "built-in function";
    }
    return "";
}

}  // namespace

LexResult lex(const std::string& text) { return Reader(text).run(); }

std::vector<std::string> tokenDump(const std::vector<CheckToken>& tokens) {
    std::vector<std::string> lines;
    lines.reserve(tokens.size());
    for (const CheckToken& token : tokens)
        lines.push_back(std::to_string(token.runLine) + " " + dumpTypeName(token) + " " +
                        (token.kind == TokenKind::LineEnd ? std::string("EOL") : token.text));
    return lines;
}

LineMap::LineMap(const std::string& text) : text_(text) {
    starts_.push_back(0);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
            starts_.push_back(static_cast<std::uint32_t>(i + 1));
        } else if (text[i] == '\n') {
            starts_.push_back(static_cast<std::uint32_t>(i + 1));
        }
    }
}

int LineMap::lineOf(std::uint32_t offset) const {
    auto it = std::upper_bound(starts_.begin(), starts_.end(), offset);
    return static_cast<int>(it - starts_.begin());
}

int LineMap::columnOf(std::uint32_t offset) const {
    return static_cast<int>(offset - starts_[static_cast<std::size_t>(lineOf(offset) - 1)]) + 1;
}

std::string LineMap::lineText(int line) const {
    std::size_t begin = starts_[static_cast<std::size_t>(line - 1)];
    std::size_t end = begin;
    while (end < text_.size() && text_[end] != '\n' && text_[end] != '\r') ++end;
    return text_.substr(begin, end - begin);
}

}  // namespace tbasic::check

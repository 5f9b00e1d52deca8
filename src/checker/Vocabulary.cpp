// The adapter between the checker and the interpreter's vocabulary tables:
// every lookup goes through the lexer's own tables, so the two always read a
// program the same way. The checker's enumerations list the same rows in the
// same order, one "None" first.
#include "checker/Vocabulary.h"

#include <unordered_map>

#include "diagnostics/Error.h"
#include "lexer/Numbers.h"
#include "lexer/Token.h"
#include "lexer/Tokenizer.h"
#include "lexer/Vocabulary.h"
#include "text/Text.h"
#include "values/DataType.h"

namespace tbasic::check {

namespace {

static_assert(static_cast<int>(Keyword::Rem) == static_cast<int>(tbasic::Keyword::Rem) + 1 &&
              static_cast<int>(Keyword::Rem) == static_cast<int>(tbasic::Keyword::Count));
static_assert(static_cast<int>(Operator::CloseParen) == static_cast<int>(tbasic::Operator::CloseParen) + 1 &&
              static_cast<int>(Operator::CloseParen) == static_cast<int>(tbasic::Operator::Count));
static_assert(static_cast<int>(Builtin::InStr) == static_cast<int>(tbasic::Builtin::InStr) + 1 &&
              static_cast<int>(Builtin::InStr) == static_cast<int>(tbasic::Builtin::Count));
static_assert(static_cast<int>(Builtin::Abs) == static_cast<int>(tbasic::Builtin::Abs) + 1 &&
              static_cast<int>(Builtin::Csc) == static_cast<int>(tbasic::Builtin::Csc) + 1 &&
              static_cast<int>(Builtin::Pi) == static_cast<int>(tbasic::Builtin::Pi) + 1 &&
              static_cast<int>(Builtin::Str) == static_cast<int>(tbasic::Builtin::Str) + 1 &&
              static_cast<int>(Builtin::Left) == static_cast<int>(tbasic::Builtin::Left) + 1);

Keyword fromInterpreter(tbasic::Keyword keyword) { return static_cast<Keyword>(static_cast<int>(keyword) + 1); }
Operator fromInterpreter(tbasic::Operator op) { return static_cast<Operator>(static_cast<int>(op) + 1); }
Builtin fromInterpreter(tbasic::Builtin builtin) { return static_cast<Builtin>(static_cast<int>(builtin) + 1); }
tbasic::Operator toInterpreter(Operator op) { return static_cast<tbasic::Operator>(static_cast<int>(op) - 1); }
const BuiltinRecord& recordOf(Builtin builtin) {
    return builtinRecord(static_cast<tbasic::Builtin>(static_cast<int>(builtin) - 1));
}

Type typeOf(DataType type) {
    switch (type) {
    case DataType::Boolean: return Type::Boolean;
    case DataType::Integer: return Type::Integer;
    case DataType::Double: return Type::Double;
    case DataType::String: return Type::String;
    case DataType::Date: return Type::Date;
    case DataType::Time: return Type::Time;
    default: return Type::DateTime;
    }
}

struct State {
    std::unordered_map<std::string, WordInfo> words;  // memoised classifications
    std::vector<std::string> builtinNames;
    std::vector<std::string> keywordNames;
    std::vector<std::string> builtinNameStrings;
};

State& state() {
    static State s;
    return s;
}

}  // namespace

void initVocabulary() {
    State& s = state();
    if (!s.keywordNames.empty()) return;
    s.keywordNames.emplace_back();
    for (const KeywordRecord& row : keywordTable) s.keywordNames.emplace_back(row.name);
    s.builtinNameStrings.emplace_back();
    for (const BuiltinRecord& row : builtinTable) {
        s.builtinNameStrings.emplace_back(row.name);
        s.builtinNames.emplace_back(row.name);
    }
}

const WordInfo& classifyWord(const std::string& lowerWord) {
    auto& words = state().words;
    auto it = words.find(lowerWord);
    if (it != words.end()) return it->second;
    // The tokenizer's order: literals, type names, built-ins, keywords, operator words.
    WordInfo info;
    if (isBooleanLiteral(lowerWord)) {
        info.wordClass = WordClass::Boolean;
    } else if (isDataTypeName(lowerWord)) {
        info.wordClass = WordClass::DataType;
        info.type = typeOf(dataTypeFromName(lowerWord));
    } else if (std::optional<tbasic::Builtin> builtin = findBuiltin(lowerWord)) {
        info.wordClass = WordClass::Builtin;
        info.builtin = fromInterpreter(*builtin);
    } else if (std::optional<tbasic::Keyword> keyword = findKeyword(lowerWord)) {
        info.wordClass = WordClass::Keyword;
        info.keyword = fromInterpreter(*keyword);
    } else if (std::optional<tbasic::Operator> op = findOperator(lowerWord)) {
        info.wordClass = WordClass::Operator;
        info.op = fromInterpreter(*op);
    }
    return words.emplace(lowerWord, info).first->second;
}

char shortFormOf(const std::string& lowerWord) { return tbasic::shortFormOf(lowerWord); }

bool isIgnoredWord(const std::string& lowerWord) { return tbasic::isIgnoredWord(lowerWord); }

bool isShortForm(char c) { return isSymbolChar(c); }

Keyword keywordOfShortForm(char c) {
    std::optional<tbasic::Keyword> keyword = keywordOfSymbol(c);
    return keyword ? fromInterpreter(*keyword) : Keyword::None;
}

Operator operatorOfSymbol(std::string_view text) {
    std::optional<tbasic::Operator> op = findOperator(text);
    return op ? fromInterpreter(*op) : Operator::None;
}

Level levelOf(Operator op) {
    if (op == Operator::None) return Level::None;
    return static_cast<Level>(binaryLevelOf(toInterpreter(op)));
}

const char* keywordName(Keyword keyword) { return state().keywordNames[static_cast<std::size_t>(keyword)].c_str(); }

const char* typeName(Type type) {
    switch (type) {
    case Type::Boolean: return "boolean";
    case Type::Integer: return "integer";
    case Type::Double: return "double";
    case Type::String: return "string";
    case Type::Date: return "date";
    case Type::Time: return "time";
    default: return "datetime";
    }
}

const std::string& builtinName(Builtin builtin) {
    return state().builtinNameStrings[static_cast<std::size_t>(builtin)];
}

CallForm callFormOf(Builtin builtin) {
    switch (recordOf(builtin).form) {
    case tbasic::CallForm::NoArgument: return CallForm::NoArgument;
    case tbasic::CallForm::ArgumentList: return CallForm::ArgumentList;
    default: return CallForm::SingleArgument;
    }
}

const std::vector<std::string>& builtinNames() { return state().builtinNames; }

bool isWordDelimiter(char c) { return isTokenDelimiter(c); }

bool isSqueezeDelimiter(char c) {
    static const std::string set = "\n`~?!@#$%^&*()-+=\\|/<>,.;:[]{}";
    return c != '\0' && set.find(c) != std::string::npos;
}

bool isSingleCharToken(char c) {
    static const std::string set = " +-^\\/*%=;(),<>[]";
    return c != '\0' && set.find(c) != std::string::npos;
}

bool readNumberWord(const std::string& word, NumberWord& out, std::string& message) {
    try {
        double d = parseDouble(word);
        if (word.find_first_of(".eE") != std::string::npos) {
            out.isDouble = true;
            out.doubleValue = d;
        } else {
            out.isDouble = false;
            out.intValue = parseInteger(word);
        }
        return true;
    } catch (const Error& error) {
        message = error.message;
        return false;
    }
}

std::vector<std::string> interpreterTokenDump(const std::string& text) {
    std::vector<std::string> lines;
    try {
        Tokenizer tokenizer;
        tokenizer.tokenizeProgramText("check.bas", text);
        for (const Token& token : tokenizer.tokens())
            lines.push_back(std::to_string(token.line) + " " + std::string(tokenTypeRecord(token.type).dumpName) + " " +
                            (token.text() == "\n" ? std::string("EOL") : std::string(token.text())));
    } catch (const Error& error) {
        lines.assign(1, "error: " + error.message);
    }
    return lines;
}

}  // namespace tbasic::check

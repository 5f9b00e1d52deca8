#include "lexer/Keywords.h"

#include <array>
#include <map>
#include <set>
#include <unordered_map>

#include "diagnostics/Error.h"

namespace tbasic {

namespace {

struct Tables {
    std::map<std::string, CommandInfo, std::less<>> keywords;
    std::set<std::string, std::less<>> ignoredWords;
    std::array<const CommandInfo*, 256> symbols{};  // short form byte -> keyword
    std::map<std::string, OperatorInfo, std::less<>> operators;
};

Tables& tables() {
    static Tables t;
    return t;
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::string trim(std::string_view text) {
    size_t begin = 0, end = text.size();
    while (begin < end && isBlank(text[begin])) ++begin;
    while (end > begin && isBlank(text[end - 1])) --end;
    return std::string(text.substr(begin, end - begin));
}

char toLowerChar(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
char toUpperChar(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
bool isAsciiAlpha(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isAsciiDigit(char c) { return c >= '0' && c <= '9'; }

std::string toLower(std::string_view text) {
    std::string result(text);
    for (char& c : result) c = toLowerChar(c);
    return result;
}

void initKeywordTable() {
    Tables& t = tables();
    for (const char* word : {"let", "goto", "gosub"}) t.ignoredWords.insert(word);
    struct Row { int code; char symbol; const char* name; };
    static const Row rows[] = {
        {CmdDim, 0, "dim"},           {CmdAs, 0, "as"},
        {CmdIf, 0, "if"},             {CmdThen, 0, "then"},
        {CmdElseIf, 0, "elseif"},     {CmdElse, 0, "else"},
        {CmdEndIf, 0, "endif"},       {CmdFor, '\x82', "for"},
        {CmdTo, '\x83', "to"},        {CmdStep, '\x84', "step"},
        {CmdNext, '\x85', "next"},    {CmdExitFor, 0, "exitfor"},
        {CmdContinueFor, 0, "continuefor"}, {CmdDo, 0, "do"},
        {CmdDoWhile, 0, "dowhile"},   {CmdDoUntil, 0, "dountil"},
        {CmdLoop, 0, "loop"},         {CmdLoopWhile, 0, "loopwhile"},
        {CmdLoopUntil, 0, "loopuntil"}, {CmdExitDo, 0, "exitdo"},
        {CmdContinueDo, 0, "continuedo"}, {CmdEnd, '\x88', "end"},
        {CmdFunction, '{', "function"}, {CmdEndFunction, '}', "endfunction"},
        {CmdSub, '[', "sub"},         {CmdEndSub, ']', "endsub"},
        {CmdByVal, 0, "byval"},       {CmdByRef, 0, "byref"},
        {CmdReturn, 0, "return"},     {CmdPrint, '?', "print"},
        {CmdInput, 0, "input"},       {CmdRem, '\'', "rem"},
    };
    for (const Row& row : rows) t.keywords[row.name] = CommandInfo{row.code, row.symbol, row.name};
    for (const auto& [name, info] : t.keywords)
        if (info.symbol != 0) t.symbols[static_cast<unsigned char>(info.symbol)] = &info;
}

void initOperatorTable() {
    static const std::pair<const char*, const char*> rows[] = {
        {"+", "+"},   {"-", "-"},   {"*", "*"},   {"/", "/"},   {"\\", "\\"}, {"mod", "mod"},
        {"%", "mod"}, {"^", "^"},   {">", ">"},   {">=", ">="}, {"<", "<"},   {"<=", "<="},
        {"=", "="},   {"==", "="},  {"<>", "<>"}, {"and", "and"}, {"or", "or"}, {"not", "not"},
        {"!", "not"}, {"(", "("},   {")", ")"},
    };
    static const int codes[] = {OpAdd, OpSubtract, OpMultiply, OpDivide, OpIntegerDivide,
                                OpModulo, OpModulo, OpPower, OpGreater, OpGreaterEqual, OpLess,
                                OpLessEqual, OpEqual, OpEqual, OpNotEqual, OpAnd, OpOr, OpNot,
                                OpNot, OpOpenParen, OpCloseParen};
    Tables& t = tables();
    for (size_t i = 0; i < std::size(rows); ++i)
        t.operators[rows[i].first] = OperatorInfo{toLower(trim(rows[i].second)), codes[i]};
}

BinaryLevel binaryLevelOf(int operatorCode) {
    switch (operatorCode) {
    case OpOr: return OrLevel;
    case OpAnd: return AndLevel;
    case OpGreater: case OpGreaterEqual: case OpLess: case OpLessEqual: case OpEqual: case OpNotEqual:
        return ComparisonLevel;
    case OpAdd: case OpSubtract: return AdditiveLevel;
    case OpModulo: return ModuloLevel;
    case OpIntegerDivide: return IntegerDivisionLevel;
    case OpMultiply: case OpDivide: return MultiplicativeLevel;
    case OpPower: return PowerLevel;
    default: return NoBinaryLevel;
    }
}

bool isCommand(std::string_view word) {
    const auto& k = tables().keywords;
    return k.find(toLower(trim(word))) != k.end();
}

const CommandInfo& getCommand(std::string_view word) {
    std::string key = toLower(trim(word));
    const auto& k = tables().keywords;
    auto it = k.find(key);
    if (it == k.end()) throw SyntaxError(UnknownKeyword, key);
    return it->second;
}

const CommandInfo& getCommandBySymbol(char symbol) {
    const CommandInfo* info = tables().symbols[static_cast<unsigned char>(symbol)];
    if (!info) throw SyntaxError(UnknownKeyword, formatMessage("code is [%d]", static_cast<int>(static_cast<signed char>(symbol))));
    return *info;
}

bool isSymbolChar(char c) { return tables().symbols[static_cast<unsigned char>(c)] != nullptr; }

bool isIgnoredWord(std::string_view word) {
    const auto& w = tables().ignoredWords;
    return w.find(toLower(trim(word))) != w.end();
}

char shortFormOf(std::string_view lowerWord) {
    const auto& k = tables().keywords;
    auto it = k.find(lowerWord);
    return it == k.end() ? 0 : it->second.symbol;
}

bool isOperator(std::string_view text) {
    const auto& o = tables().operators;
    return o.find(toLower(trim(text))) != o.end();
}

const OperatorInfo& getOperator(std::string_view text) {
    const auto& o = tables().operators;
    auto it = o.find(toLower(trim(text)));
    if (it == o.end()) throw Error(UnexpectedError);
    return it->second;
}

}  // namespace tbasic

#include "lexer/Vocabulary.h"

#include "text/Text.h"

namespace tbasic {

namespace {

// Short-form byte -> keyword index + 1 (0: no keyword), built from the table.
constexpr std::array<std::uint8_t, 256> symbolIndex = [] {
    std::array<std::uint8_t, 256> index{};
    for (const KeywordRecord& row : keywordTable)
        if (row.symbol != 0)
            index[static_cast<unsigned char>(row.symbol)] = static_cast<std::uint8_t>(static_cast<int>(row.id) + 1);
    return index;
}();

}  // namespace

std::optional<Keyword> findKeyword(std::string_view lowerWord) {
    for (const KeywordRecord& row : keywordTable)
        if (row.name == lowerWord) return row.id;
    return std::nullopt;
}

std::optional<Keyword> keywordOfSymbol(char symbol) {
    std::uint8_t entry = symbolIndex[static_cast<unsigned char>(symbol)];
    if (entry == 0) return std::nullopt;
    return static_cast<Keyword>(entry - 1);
}

bool isSymbolChar(char c) { return symbolIndex[static_cast<unsigned char>(c)] != 0; }

bool isIgnoredWord(std::string_view lowerWord) {
    for (std::string_view word : ignoredWords)
        if (word == lowerWord) return true;
    return false;
}

char shortFormOf(std::string_view lowerWord) {
    std::optional<Keyword> keyword = findKeyword(lowerWord);
    return keyword ? keywordTable[static_cast<std::size_t>(*keyword)].symbol : 0;
}

std::optional<Operator> findOperator(std::string_view text) {
    for (const OperatorRecord& row : operatorTable)
        if (equalsLowerCase(text, row.name)) return row.id;
    for (const OperatorAlias& alias : operatorAliases)
        if (text == alias.spelling) return alias.id;
    return std::nullopt;
}

std::optional<Builtin> findBuiltin(std::string_view lowerWord) {
    for (const BuiltinRecord& row : builtinTable)
        if (equalsLowerCase(row.name, lowerWord)) return row.id;
    return std::nullopt;
}

}  // namespace tbasic

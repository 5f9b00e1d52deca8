#include "values/DataType.h"

#include <array>

#include "diagnostics/Error.h"
#include "text/Text.h"

namespace tbasic {

namespace {

// The names as strings, for messages that want a std::string.
const std::array<std::string, std::size(dataTypeTable)>& nameStrings() {
    static const auto names = [] {
        std::array<std::string, std::size(dataTypeTable)> out;
        for (std::size_t i = 0; i < out.size(); ++i) out[i] = std::string(dataTypeTable[i].name);
        return out;
    }();
    return names;
}

}  // namespace

DataType dataTypeFromName(std::string_view text) {
    std::string word = toLower(trim(text));
    for (const DataTypeRecord& row : dataTypeTable)
        if (row.id != DataType::Undefined && row.name == word) return row.id;
    return DataType::Undefined;
}

bool isDataTypeName(std::string_view text) { return dataTypeFromName(text) != DataType::Undefined; }

const std::string& dataTypeName(DataType type) {
    auto index = static_cast<std::size_t>(type);
    return nameStrings()[index < std::size(dataTypeTable) ? index : 0];
}

bool isBooleanLiteral(std::string_view text) {
    std::string word = toLower(trim(text));
    return word == "true" || word == "false";
}

bool parseBoolean(std::string_view text) {
    std::string word = toLower(trim(text));
    if (word == "true") return true;
    if (word == "false") return false;
    throw Error(ErrorCode::UnexpectedError);
}

}  // namespace tbasic

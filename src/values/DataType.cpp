#include "values/DataType.h"

#include <array>
#include <map>

#include "diagnostics/Error.h"
#include "lexer/Keywords.h"

namespace tbasic {

namespace {

struct TypeNames {
    std::map<std::string, DataType, std::less<>> byName;
    std::array<std::string, 8> byType;
};

TypeNames& typeNames() {
    static TypeNames names;
    return names;
}

const std::string undefinedTypeName = "*UNDEFINED*";

}  // namespace

void registerDataTypes() {
    static const std::pair<DataType, const char*> rows[] = {
        {DataType::Boolean, "boolean"}, {DataType::Integer, "integer"},
        {DataType::Double, "double"},   {DataType::String, "string"},
        {DataType::Date, "date"},       {DataType::Time, "time"},
        {DataType::DateTime, "datetime"},
    };
    TypeNames& names = typeNames();
    for (const auto& [type, name] : rows) {
        std::string key = toLower(trim(name));
        names.byName[key] = type;
        names.byType[static_cast<size_t>(type)] = key;
    }
}

bool isDataTypeName(std::string_view text) {
    const auto& byName = typeNames().byName;
    return byName.find(toLower(trim(text))) != byName.end();
}

DataType dataTypeFromName(std::string_view text) {
    const auto& byName = typeNames().byName;
    auto it = byName.find(toLower(trim(text)));
    return it == byName.end() ? DataType::Undefined : it->second;
}

const std::string& dataTypeName(DataType type) {
    auto index = static_cast<size_t>(type);
    if (type == DataType::Undefined || index >= 8 || typeNames().byType[index].empty())
        return undefinedTypeName;
    return typeNames().byType[index];
}

bool isBooleanLiteral(std::string_view text) {
    std::string word = toLower(trim(text));
    return word == "true" || word == "false";
}

bool parseBoolean(std::string_view text) {
    std::string word = toLower(trim(text));
    if (word == "true") return true;
    if (word == "false") return false;
    throw Error(UnexpectedError);
}

}  // namespace tbasic

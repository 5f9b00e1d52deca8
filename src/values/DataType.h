// The seven declarable data types and their names.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>

#include "diagnostics/EnumTable.h"

namespace tbasic {

enum class DataType : int32_t {
    Undefined,
    Boolean,
    Integer,
    Double,
    String,
    Date,
    Time,
    DateTime,
    Count
};

struct DataTypeRecord {
    DataType id;
    std::string_view name;  // as declarations and messages write it
};

inline constexpr DataTypeRecord dataTypeTable[] = {
    {DataType::Undefined, "*UNDEFINED*"},
    {DataType::Boolean, "boolean"},
    {DataType::Integer, "integer"},
    {DataType::Double, "double"},
    {DataType::String, "string"},
    {DataType::Date, "date"},
    {DataType::Time, "time"},
    {DataType::DateTime, "datetime"},
};
static_assert(std::size(dataTypeTable) == static_cast<std::size_t>(DataType::Count));
static_assert(rowsFollowEnumOrder(dataTypeTable), "dataTypeTable rows follow the order of DataType");

// True for a declarable type's name, in any case ("Integer").
bool isDataTypeName(std::string_view text);
// The type a name declares; Undefined when it names none.
DataType dataTypeFromName(std::string_view text);
// The name, or "*UNDEFINED*" for Undefined.
const std::string& dataTypeName(DataType type);

bool isBooleanLiteral(std::string_view text);
bool parseBoolean(std::string_view text);  // Error 1 for anything but true/false

}  // namespace tbasic

// The seven declarable data types and their names.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tbasic {

enum class DataType : int32_t {
    Undefined = 0,
    Boolean = 1,
    Integer = 2,
    Double = 3,
    String = 4,
    Date = 5,
    Time = 6,
    DateTime = 7,
};

// Fills the name tables; called once at start-up.
void registerDataTypes();

bool isDataTypeName(std::string_view text);
DataType dataTypeFromName(std::string_view text);
// The registered name, or "*UNDEFINED*" for Undefined.
const std::string& dataTypeName(DataType type);

bool isBooleanLiteral(std::string_view text);
bool parseBoolean(std::string_view text);  // Error 1 for anything but true/false

}  // namespace tbasic

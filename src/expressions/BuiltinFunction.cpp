#include "expressions/BuiltinFunction.h"

#include <map>

#include "diagnostics/Error.h"
#include "expressions/BuiltinDateTimeFunctionHandler.h"
#include "expressions/BuiltinMathFunctionHandler.h"
#include "expressions/BuiltinStringFunctionHandler.h"
#include "lexer/Keywords.h"

namespace tbasic {

namespace {

struct Registry {
    std::map<std::string, BuiltinFunction, std::less<>> byName;
    std::map<FunctionId, std::string> byId;
};

Registry& registry() {
    static Registry r;
    return r;
}

}  // namespace

BuiltinFunction::BuiltinFunction(const BuiltinFunction& other)
    : name(other.name), id(other.id), callForm(other.callForm),
      handler(other.handler ? other.handler->clone() : nullptr) {}

BuiltinFunction& BuiltinFunction::operator=(const BuiltinFunction& other) {
    if (handler.get() == other.handler.get()) return *this;
    name = other.name;
    id = other.id;
    callForm = other.callForm;
    handler = other.handler ? other.handler->clone() : nullptr;
    return *this;
}

void registerBuiltinFunction(const std::string& name, FunctionId id,
                             std::unique_ptr<FunctionHandler> handler) {
    std::string lower = toLower(name);
    BuiltinFunction temporary(lower, id, std::move(handler));
    registry().byName[lower] = temporary;
    registry().byId[id] = name;
}

bool isBuiltinFunction(std::string_view name) {
    const auto& byName = registry().byName;
    return byName.find(toLower(trim(name))) != byName.end();
}

const BuiltinFunction& findBuiltinFunction(std::string_view name) {
    const auto& byName = registry().byName;
    auto it = byName.find(toLower(trim(name)));
    if (it == byName.end()) throw Error(UnexpectedError);
    return it->second;
}

const std::string& builtinFunctionName(FunctionId id) {
    const auto& byId = registry().byId;
    auto it = byId.find(id);
    if (it == byId.end()) throw Error(UnexpectedError);
    return it->second;
}

void initBuiltinFunctions() {
    struct Row { const char* name; FunctionId id; int family; };
    enum { Math, DateTime, String };
    static const Row rows[] = {
        {"pi", 24, Math},     {"random", 25, Math}, {"abs", 1, Math},    {"sign", 2, Math},
        {"int", 3, Math},     {"sqrt", 4, Math},    {"exp", 5, Math},    {"log", 6, Math},
        {"log10", 7, Math},   {"deg", 9, Math},     {"rad", 8, Math},    {"sin", 10, Math},
        {"cos", 11, Math},    {"tan", 12, Math},    {"asin", 13, Math},  {"acos", 14, Math},
        {"atan", 15, Math},   {"sinh", 16, Math},   {"cosh", 17, Math},  {"tanh", 18, Math},
        {"asinh", 19, Math},  {"acosh", 20, Math},  {"atanh", 21, Math}, {"sec", 22, Math},
        {"csc", 23, Math},    {"now", 26, DateTime}, {"date", 27, DateTime}, {"time", 28, DateTime},
        {"str", 29, String},  {"space", 30, String}, {"tab", 31, String},  {"ltrim", 32, String},
        {"rtrim", 33, String}, {"trim", 34, String}, {"len", 35, String},  {"ucase", 36, String},
        {"lcase", 37, String}, {"val", 38, String},  {"isNumeric", 39, String},
        {"left", 40, String}, {"right", 41, String}, {"mid", 42, String},  {"instr", 43, String},
    };
    for (const Row& row : rows) {
        std::unique_ptr<FunctionHandler> handler;
        if (row.family == Math) handler = std::make_unique<BuiltinMathFunctionHandler>(row.id);
        else if (row.family == DateTime) handler = std::make_unique<BuiltinDateTimeFunctionHandler>(row.id);
        else handler = std::make_unique<BuiltinStringFunctionHandler>(row.id);
        registerBuiltinFunction(row.name, row.id, std::move(handler));
    }
}

}  // namespace tbasic

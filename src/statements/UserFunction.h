// User FUNCTIONs and SUBs: taken out of the program when it is loaded,
// kept in a global registry, and called with a fresh executor and frame.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "lexer/Token.h"
#include "values/DataType.h"
#include "values/Value.h"

namespace tbasic {

struct Parameter {
    std::string name;
    DataType type = DataType::Undefined;
    bool byRef = false;
    std::size_t nameHash = 0;  // resolved once, for binding at every call
};

class UserFunction {
public:
    virtual ~UserFunction() = default;

    std::string name;
    TokenList tokens;  // from FUNCTION or SUB through END FUNCTION or END SUB
    DataType returnType = DataType::Undefined;  // Undefined for a SUB
    std::vector<Parameter> params;
    // No two parameters share a name, so binding them needs no duplicate check.
    bool distinctParameterNames = true;
    std::size_t bodyStart = 0;  // index of the first token after the header line
};

// Parses the header of one definition and registers it.
void defineUserFunction(TokenList definition);
bool isUserFunction(std::string_view name);
// The registered record; Error 1 when the name is unknown.
const UserFunction& findUserFunction(std::string_view name);
// Settles func_or_array tokens into function or array tokens.
void resolveCallTokens(TokenList& tokens);
// Settles the tokens of every registered definition, then the main program's.
void resolveAllCallTokens(TokenList& mainTokens);
// Empties the registry (for harnesses that load many programs in one process).
void clearUserFunctions();

// Runs one call with the argument values in order; returns its result.
Value callUserFunction(const UserFunction& function, std::vector<Value>& arguments);

}  // namespace tbasic

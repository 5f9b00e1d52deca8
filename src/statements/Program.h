// A loaded program: the program loader takes the FUNCTION and SUB
// definitions out of the tokenizer's sequence and settles every name before
// "(" into a call of a definition or an array; the program then runs its
// main sequence and makes the calls the evaluator asks for.
#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "expressions/ExpressionEvaluator.h"
#include "lexer/Token.h"
#include "statements/FlowControlInfo.h"
#include "values/DataType.h"
#include "values/Value.h"
#include "values/VariableStore.h"

namespace tbasic {

struct Parameter {
    std::string name;
    DataType type = DataType::Undefined;
    bool byRef = false;
    std::size_t nameHash = 0;  // resolved once, for binding at every call
};

struct UserFunction {
    std::string name;
    TokenList tokens;  // from FUNCTION or SUB through END FUNCTION or END SUB
    DataType returnType = DataType::Undefined;  // Undefined for a SUB
    FlowKind callKind = FlowKind::SubBlock;     // the kind of a call's flow record
    std::vector<Parameter> params;
    std::size_t parameterCount = 0;  // params.size()
    // No two parameters share a name, so binding them needs no duplicate check.
    bool distinctParameterNames = true;
    // Distinct and few enough names: a call binds the parameters in one pass
    // into slots named once for the definition (VariableStore::openParameters).
    bool bindsInOnePass = false;
    std::vector<NameRef> parameterNames;  // the params' names, set by the program loader
    std::size_t bodyStart = 0;  // index of the first token after the header line
};

// Parses the header line of one definition (its tokens from FUNCTION or SUB on).
UserFunction parseDefinition(TokenList definition);

class Program final : public UserFunctionCaller {
public:
    Program() = default;
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // The program loader: takes the definitions out of the tokenizer's
    // sequence, registers them (a name defined twice is error 10) and
    // settles the func_or_array tokens of every sequence.
    void load(TokenList tokens);
    // Runs the main sequence in a fresh frame; END anywhere ends it normally.
    void run();

    // The definition a name (in any case) names, or nullptr.
    const UserFunction* find(std::string_view name) const;
    const TokenList& mainTokens() const { return main_; }
    VariableStore& variables() { return variables_; }

    Value callUserFunction(const Token& function, Value* arguments, std::size_t count) override;

private:
    void define(TokenList definition);
    void settleCallTokens(TokenList& tokens) const;
    static void markParameterTokens(UserFunction& function);
    void bindArguments(const UserFunction& function, Value* arguments);
    [[noreturn]] static void failArgumentType(const UserFunction& function, std::size_t i);

    TokenList main_;
    std::vector<std::unique_ptr<UserFunction>> functions_;  // a function token's functionIndex indexes it
    std::map<std::string, std::size_t, std::less<>> byName_;
    VariableStore variables_;
};

}  // namespace tbasic

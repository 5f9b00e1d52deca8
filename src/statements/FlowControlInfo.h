// Records of the open blocks on an executor's flow-control stack.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "lexer/Token.h"
#include "values/Value.h"

namespace tbasic {

class Variable;

enum class FlowKind : int32_t {
    IfBlock = 1,
    ForBlock = 2,
    DoBlock = 3,
    SubBlock = 4,
    FunctionBlock = 5,
};

enum class LoopCondition : int32_t {
    NoCondition = 0,
    WhileCondition = 1,
    UntilCondition = 2,
};

class FlowControlInfo {
public:
    explicit FlowControlInfo(FlowKind kind) : kind(kind) {}
    virtual ~FlowControlInfo() = default;

    // Records are made and dropped for every block and call; their memory
    // is recycled instead of going back to the general heap each time.
    static void* operator new(std::size_t size);
    static void operator delete(void* pointer, std::size_t size);

    FlowKind kind;
};

class IfFlowControlInfo : public FlowControlInfo {
public:
    explicit IfFlowControlInfo(bool branchTaken)
        : FlowControlInfo(FlowKind::IfBlock), branchTaken(branchTaken) {}

    bool branchTaken;  // once a branch has been chosen, the others are skipped
};

class ForFlowControlInfo : public FlowControlInfo {
public:
    ForFlowControlInfo(Variable* variable, Value limit, Value step, TokenPosition bodyStart)
        : FlowControlInfo(FlowKind::ForBlock), variable(variable), limit(std::move(limit)),
          step(std::move(step)), bodyStart(bodyStart) {}

    Variable* variable;  // the loop variable; not owned
    Value limit;
    Value step;
    TokenPosition bodyStart;
};

class DoFlowControlInfo : public FlowControlInfo {
public:
    // Positions equal to notRecorded have not been seen yet.
    DoFlowControlInfo(LoopCondition condition, TokenPosition notRecorded)
        : FlowControlInfo(FlowKind::DoBlock), conditionKind(condition),
          conditionAtTop(condition != LoopCondition::NoCondition), conditionBegin(notRecorded),
          conditionEnd(notRecorded), bodyStart(notRecorded), loopEnd(notRecorded) {}

    LoopCondition conditionKind;
    bool conditionAtTop;
    bool loopParsed = false;
    TokenPosition conditionBegin;
    TokenPosition conditionEnd;
    TokenPosition bodyStart;
    TokenPosition loopEnd;
};

class FuncFlowControlInfo : public FlowControlInfo {
public:
    FuncFlowControlInfo(const std::string& functionName, const std::vector<Value>& arguments,
                        DataType returnType)
        : FlowControlInfo(returnType == DataType::Undefined ? FlowKind::SubBlock : FlowKind::FunctionBlock),
          functionName(functionName), arguments(arguments), returnType(returnType) {}

    const std::string& functionName;    // the called definition's name
    const std::vector<Value>& arguments; // the call's argument values, held by the caller
    DataType returnType;
};

}  // namespace tbasic

// Records of the open blocks on an executor's flow-control stack.
#pragma once

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
    FuncFlowControlInfo(std::string functionName, std::vector<Value> arguments, DataType returnType)
        : FlowControlInfo(returnType == DataType::Undefined ? FlowKind::SubBlock : FlowKind::FunctionBlock),
          functionName(std::move(functionName)), arguments(std::move(arguments)), returnType(returnType) {}

    std::string functionName;
    std::vector<Value> arguments;
    DataType returnType;
};

}  // namespace tbasic

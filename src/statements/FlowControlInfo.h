// Records of the open blocks on an executor's flow-control stack.
#pragma once

#include <cstddef>
#include <cstdint>
#include <new>
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
    // is recycled through a free list per size class instead of going back
    // to the general heap each time.
    static void* operator new(std::size_t size) {
        if (size == 0 || size > granule * sizeClasses) return allocateUnpooled(size);
        FreeBlock*& head = freeBlocks[sizeClassOf(size)];
        if (!head) return allocateBlock(size);
        FreeBlock* block = head;
        head = block->next;
        return block;
    }
    static void operator delete(void* pointer, std::size_t size) {
        if (!pointer) return;
        if (size == 0 || size > granule * sizeClasses) {
            releaseUnpooled(pointer);
            return;
        }
        FreeBlock*& head = freeBlocks[sizeClassOf(size)];
        head = new (pointer) FreeBlock{head};
    }

    FlowKind kind;

private:
    struct FreeBlock {
        FreeBlock* next;
    };
    static constexpr std::size_t granule = 16;
    static constexpr std::size_t sizeClasses = 16;  // records up to 256 bytes
    static std::size_t sizeClassOf(std::size_t size) { return (size + granule - 1) / granule - 1; }
    static void* allocateBlock(std::size_t size);
    static void* allocateUnpooled(std::size_t size);
    static void releaseUnpooled(void* pointer);
    static FreeBlock* freeBlocks[sizeClasses];
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
    bool loopParsed = false;    // the LOOP line's condition has been read
    bool loopEndKnown = false;  // loopEnd holds the position after the LOOP line
    TokenPosition conditionBegin;
    TokenPosition conditionEnd;
    TokenPosition bodyStart;
    TokenPosition loopEnd;
};

class FuncFlowControlInfo : public FlowControlInfo {
public:
    FuncFlowControlInfo(const std::string& functionName, DataType returnType)
        : FlowControlInfo(returnType == DataType::Undefined ? FlowKind::SubBlock : FlowKind::FunctionBlock),
          functionName(functionName), returnType(returnType) {}

    const std::string& functionName;  // the called definition's name
    DataType returnType;
};

}  // namespace tbasic

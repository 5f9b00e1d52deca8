// Records of the open blocks and calls on the flow-control stack.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
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

// One open block or call: a plain record tagged with its kind; only the
// fields of that kind are meaningful, and whoever opens it sets them all.
struct FlowRecord {
    FlowKind kind = FlowKind::IfBlock;

    // IF: once a branch has been chosen, the others are skipped.
    bool branchTaken = false;

    // DO. Positions of a part not seen yet are meaningless until its flag is set.
    LoopCondition conditionKind = LoopCondition::NoCondition;
    bool conditionAtTop = false;
    bool loopParsed = false;    // the LOOP line's condition has been read
    bool loopEndKnown = false;  // loopEnd holds the position after the LOOP line
    TokenPosition conditionBegin = nullptr;
    TokenPosition conditionEnd = nullptr;
    TokenPosition loopEnd = nullptr;

    // FOR and DO: the first token of the body.
    TokenPosition bodyStart = nullptr;

    // FOR: the loop variable (not owned), the limit and the step.
    Variable* variable = nullptr;
    Value limit;
    Value step;

    // FUNCTION or SUB call: the definition's name and return type.
    const std::string* functionName = nullptr;
    DataType returnType = DataType::Undefined;
};

// The stack of open records, shared by nested executors. Records are kept
// when they close and reused by the next push, so opening a block or a call
// allocates nothing once the stack has been that deep; each record keeps
// its address while it is open (a record may be held across a call).
class FlowStack {
public:
    std::size_t size() const { return size_; }
    FlowRecord& top() { return *records_[size_ - 1]; }
    // A record of the kind on top; the caller sets the fields of its kind.
    FlowRecord& push(FlowKind kind) {
        if (size_ == capacity_) grow();
        FlowRecord& record = *records_[size_++];
        record.kind = kind;
        return record;
    }
    void pop() { --size_; }
    void truncate(std::size_t size) { size_ = size; }

private:
    void grow() {
        records_.push_back(std::make_unique<FlowRecord>());
        capacity_ = records_.size();
    }

    std::vector<std::unique_ptr<FlowRecord>> records_;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;  // records_.size(), kept so a push needs no division
};

}  // namespace tbasic

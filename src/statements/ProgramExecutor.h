// Runs a program straight from its tokens: a cursor, a stack of open blocks,
// and one handler per statement. Every statement is re-read each time it runs.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "diagnostics/Error.h"
#include "lexer/Token.h"
#include "statements/FlowControlInfo.h"
#include "values/Value.h"
#include "values/VariableStore.h"

namespace tbasic {

class UserFunctionCaller;

class ProgramExecutor {
public:
    // Runs tokens with the given store; calls go to functions.
    ProgramExecutor(const TokenList& tokens, VariableStore& variables, UserFunctionCaller& functions);
    ~ProgramExecutor();
    ProgramExecutor(const ProgramExecutor&) = delete;
    ProgramExecutor& operator=(const ProgramExecutor&) = delete;

    // Executes statements until the end of the tokens, END, RETURN or END SUB.
    void run();

    void advance() { cursor_.advance(); }
    void seek(TokenPosition position) { cursor_.seek(position); }
    // Moves past the expression tokens under the cursor.
    void skipExpression() { seek(expressionEnd(cursor_.position())); }
    // The first token from p on that is not an expression token.
    // The end remembered on p is a jump; the first scan from p is out of line.
    TokenPosition expressionEnd(TokenPosition p) const {
        if (p != cursor_.end() && p->expressionLength != 0) return p + (p->expressionLength - 1);
        return scanExpressionEnd(p);
    }
    // Moves to the next line end or the end of the tokens.
    void skipToEndOfStatement();
    Value evaluateRange(const TokenPosition& begin, const TokenPosition& end);

    TokenPosition position() const { return cursor_.position(); }

    // Flow-control stack. A block (IF, FOR, DO) opens its record and the
    // scope of its variables together and closes them together; a call's
    // record is closed alone, its frame by the caller's guard.
    FlowRecord& pushFlow(FlowKind kind) { return flowStack_.push(kind); }
    FlowRecord& topFlow() {
        if (flowEmpty()) throw Error(ErrorCode::UnexpectedError);
        return flowStack_.top();
    }
    void popFlow() {
        if (flowEmpty()) throw Error(ErrorCode::UnexpectedError);
        flowStack_.pop();
    }
    bool flowEmpty() const { return flowStack_.size() == flowBase_; }
    // The innermost open record of this executor if it is of the kind, else nullptr.
    FlowRecord* topFlowOf(FlowKind kind) {
        if (flowEmpty() || flowStack_.top().kind != kind) return nullptr;
        return &flowStack_.top();
    }
    FlowRecord& openBlock(FlowKind kind) {
        variables_.pushScope();
        return pushFlow(kind);
    }
    // Every caller has found the block's record on top.
    __attribute__((always_inline)) void closeBlock() {
        flowStack_.pop();
        variables_.popScope();
    }
    // The next pass of a loop: its variables go, the body starts again.
    void repeatBlock(TokenPosition bodyStart) {
        variables_.clearScope();
        seek(bodyStart);
    }
    // Closes the blocks inside the innermost one of a kind; error when there is none.
    void unwindTo(FlowKind kind, const char* notMatchedMessage);

    // Which keywords open, continue (ELSE, ELSEIF) and close one kind of block.
    struct BlockShape {
        int id;  // 1 to 7, distinct per shape: names the shape in a token's blockScanEnd
        KeywordSet opens;
        KeywordSet continues;
        KeywordSet closes;
    };
    // Moves from inside a block to the first keyword that continues or
    // closes it, passing over nested blocks of the same kind; false when the
    // tokens end first (the cursor then stands at their end).
    bool skipToBlockEnd(const BlockShape& shape);

    // Where RETURN stores a function's result: set by the call that runs a body.
    Value* returnTarget = nullptr;
    // A function body's executor: END there ends the whole program.
    bool functionBody = false;
    // Set by RETURN and END SUB.
    bool returned = false;

private:
    TokenPosition scanExpressionEnd(TokenPosition p) const;

    // One statement; returns false when run must return.
    bool executeCommand(const Token& token);
    void executeAssignment();
    void executeExpressionStatement();
    void executeDim();
    void executePrint();

    // IF blocks.
    void executeIf();
    void executeElseIf();
    void executeElse();
    void executeEndIf();
    void readEndIfLine();
    bool readCondition(const char* typeMessage);
    void skipToNextBranch();
    void skipToEndIf();

    // FOR loops.
    void executeFor();
    void executeNext();
    void executeExitFor();
    void executeContinueFor();
    void leaveInnerBlocks(FlowKind kind, const char* notMatchedMessage, const char* lineEndMessage);
    bool isLoopFinished(const FlowRecord& record);
    void skipPastNext(const std::string& variableName);
    Value evaluateForPart(const char* typeMessage);

    // DO loops.
    void executeDo(LoopCondition condition);
    void executeLoop(LoopCondition condition);
    void executeExitDo();
    void executeContinueDo();
    bool shouldLeaveLoop(FlowRecord& record);
    void jumpPastLoop(FlowRecord& record, bool hasTopCondition);
    void readLoopLine(FlowRecord& record, LoopCondition condition);

    // Function and sub-routine bodies.
    void executeReturn();
    void executeEndSub();
    void executeEndFunction();

    TokenCursor cursor_;
    VariableStore& variables_;
    UserFunctionCaller& functions_;
    // Executors nest strictly (a call's executor ends before its caller's
    // statement does), so they share one stack of records; this executor owns
    // the records from flowBase_ up and closes them when it ends.
    FlowStack& flowStack_;
    std::size_t flowBase_;

};

// Thrown by END inside a function body: ends the whole program, normally.
struct ProgramEnd {};

// Optional limit on the number of statements run, for harnesses that must
// stop programs that loop for ever; 0 means no limit (the command line never sets one).
void setStatementBudget(unsigned long long budget);
struct StatementBudgetExhausted {};

}  // namespace tbasic

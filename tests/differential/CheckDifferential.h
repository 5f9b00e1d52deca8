// The checker's promise, tested against the interpreter: a program that
// tbasic-check calls clean never fails at run time with an error whose cause
// does not depend on the values computed (codes 1 and 4 to 13; a number
// format error only when it is lexical). Shared by the generated-program test
// and the libFuzzer target.
#pragma once

#include <new>
#include <string>

#include "checker/Checker.h"
#include "diagnostics/Error.h"
#include "diagnostics/StackGuard.h"
#include "lexer/Tokenizer.h"
#include "statements/Console.h"
#include "statements/Program.h"
#include "statements/ProgramExecutor.h"

namespace tbasic::differential {

// True when the checker reports no error and no value-dependent warning.
inline bool checksClean(const std::string& text) {
    for (const check::Finding& finding : check::checkProgram(text)) {
        if (!finding.warning) return false;
        if (finding.message.find("depending on the values") != std::string::npos) return false;
    }
    return true;
}

inline bool isStaticError(const Error& error) {
    const int code = static_cast<int>(error.code);
    if (code == static_cast<int>(ErrorCode::WrongNumberFormat)) return error.line == 0 && !error.hasPosition();
    return code == 1 || (code >= 4 && code <= 13);
}

// Empty when the promise holds for the text; otherwise the interpreter's report.
inline std::string violation(const std::string& text, unsigned long long budget = 20000) {
    std::string input = text.substr(0, text.find('\0'));
    if (!checksClean(input)) return "";
    std::string failure;
    setStatementBudget(budget);
    try {
        Tokenizer tokenizer;
        tokenizer.tokenizeProgramText("diff.bas", input);
        Program program;
        program.load(tokenizer.tokens());
        program.run();
    } catch (const Error& error) {
        if (isStaticError(error)) failure = formatError(error);
    } catch (const StackOverflow&) {
    } catch (const std::bad_alloc&) {
    } catch (const StatementBudgetExhausted&) {
    }
    flushOutput();
    setStatementBudget(0);
    return failure;
}

}  // namespace tbasic::differential

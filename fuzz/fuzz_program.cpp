// Whole programs, run as `tbasic -f` runs them, with a statement budget so a
// program that loops for ever is stopped. Any exception other than those the
// driver expects escapes and is reported by libFuzzer as a crash.
#include <cstddef>
#include <cstdint>
#include <new>
#include <string>

#include "FuzzSupport.h"
#include "diagnostics/Error.h"
#include "diagnostics/StackGuard.h"
#include "lexer/Tokenizer.h"
#include "statements/Console.h"
#include "statements/Program.h"
#include "statements/ProgramExecutor.h"
#include "values/VariableStore.h"

using namespace tbasic;

namespace {

constexpr unsigned long long statementBudget = 100000;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::initialise();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    auto body = [&] {
        setStatementBudget(statementBudget);
        try {
            Tokenizer tokenizer;
            tokenizer.tokenizeProgramText("fuzz.bas", text);
            Program program;
            program.load(tokenizer.tokens());
            // However the run ends, every frame it opened is closed again.
            auto checkFramesClosed = [&] {
                if (program.variables().frameCount() != 0) __builtin_trap();
            };
            try {
                program.run();
            } catch (...) {
                checkFramesClosed();
                throw;
            }
            checkFramesClosed();
        } catch (const Error& error) {
            std::string line = formatError(error);
            if (line.size() > 255) __builtin_trap();
        } catch (const StackOverflow&) {
        } catch (const std::bad_alloc&) {
            // Reported as "Unknown exception." by the driver.
        } catch (const StatementBudgetExhausted&) {
        }
        flushOutput();
        setStatementBudget(0);
    };
    fuzz::runOnLargeStack(body);
    return 0;
}

// Command-line expressions: the text is cut with no pre-pass and evaluated
// once, as `tbasic -e TEXT` does. An argument cannot hold a NUL byte, so the
// text ends at the first one.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <new>
#include <string>

#include "FuzzSupport.h"
#include "diagnostics/Error.h"
#include "diagnostics/StackGuard.h"
#include "expressions/ExpressionEvaluator.h"
#include "lexer/Tokenizer.h"
#include "statements/Console.h"
#include "values/VariableStore.h"

using namespace tbasic;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::initialise();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const char* bytes = reinterpret_cast<const char*>(data);
    const void* nul = std::memchr(bytes, 0, size);
    std::string text(bytes, nul ? static_cast<const char*>(nul) : bytes + size);
    auto body = [&] {
        try {
            Tokenizer tokenizer;
            tokenizer.tokenizeString(text);
            const TokenList& tokens = tokenizer.tokens();
            // The evaluator keeps references to its bounds.
            TokenPosition begin = tokens.data();
            TokenPosition end = tokens.data() + tokens.size();
            VariableStore variables;
            ExpressionEvaluator evaluator(begin, end, variables);
            Value value = evaluator.evaluate();
            writeOutput(value);
            writeLineEnd();
        } catch (const Error& error) {
            // The report must be buildable for every error.
            std::string line = formatError(error);
            if (line.size() > 255) __builtin_trap();
        } catch (const StackOverflow&) {
        } catch (const std::bad_alloc&) {
            // Reported as "Unknown exception." by the driver.
        }
    };
    fuzz::runOnLargeStack(body);
    return 0;
}

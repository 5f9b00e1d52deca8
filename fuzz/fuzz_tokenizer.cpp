// Arbitrary bytes as a program file: the four text pre-passes, the cutting
// and the program loader's extraction of FUNCTION and SUB definitions. Every input must end in
// tokens or an Error, never in a crash or a sanitizer report.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "diagnostics/Error.h"
#include "lexer/Tokenizer.h"
#include "statements/Program.h"

using namespace tbasic;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::initialise();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    // Nothing here recurses, so the input runs on libFuzzer's own thread.
    try {
        Tokenizer tokenizer;
        tokenizer.tokenizeProgramText("fuzz.bas", text);
        // Every token must name the tokenizer's file.
        for (const Token& token : tokenizer.tokens())
            if (sourceName(token.sourceId) != tokenizer.fileName()) __builtin_trap();
        Program program;
        program.load(tokenizer.tokens());
    } catch (const Error& error) {
        std::string line = formatError(error);
        if (line.size() > 255) __builtin_trap();
    }
    return 0;
}

// The checker against the interpreter: an input that tbasic-check calls
// clean must not fail at run time with an error whose cause does not depend
// on the values (see tests/differential/CheckDifferential.h). The checker
// itself must never crash, whatever the input.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "../tests/differential/CheckDifferential.h"
#include "FuzzSupport.h"
#include "checker/Vocabulary.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    tbasic::fuzz::initialise();
    tbasic::check::initVocabulary();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    std::string report;
    auto body = [&] { report = tbasic::differential::violation(text, 100000); };
    tbasic::fuzz::runOnLargeStack(body);
    if (!report.empty()) {
        std::fprintf(stderr, "checked clean, but the run fails statically:\n%s\n", report.c_str());
        __builtin_trap();
    }
    return 0;
}

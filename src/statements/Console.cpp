#include "statements/Console.h"

#include <cstdio>
#include <string>

namespace tbasic {

void writeOutput(std::string_view text) { std::fwrite(text.data(), 1, text.size(), stdout); }

void writeOutput(const Value& value) {
    if (value.type == DataType::String) {
        writeOutput(value.stringView());
        return;
    }
    thread_local std::string buffer;
    buffer.clear();
    appendPrintedForm(buffer, value);
    writeOutput(std::string_view(buffer));
}

void writeOutputChar(char c) { std::fputc(c, stdout); }

void writeLineEnd() {
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void flushOutput() { std::fflush(stdout); }

}  // namespace tbasic

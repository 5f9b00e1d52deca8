// tbasic-check: checks program files without running them and reports each
// problem as FILE:LINE:COLUMN: error|warning: MESSAGE, the format editors and
// CI tools parse.
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "checker/Checker.h"
#include "checker/Lexer.h"
#include "checker/Vocabulary.h"

namespace {

const char* const usage =
    "Usage: tbasic-check [--brief] FILE...\n"
    "Checks tbasic programs without running them. Each problem is printed as\n"
    "FILE:LINE:COLUMN: error: MESSAGE (or warning:), followed by the source line\n"
    "and a caret unless --brief is given; a summary line comes last.\n"
    "Exit status: 0 when no file has an error, 1 when some file has one,\n"
    "2 for a usage error or a file that cannot be read.\n";

bool readFile(const char* name, std::string& text) {
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(name, "rb"), &std::fclose);
    if (!file) return false;
    char buffer[65536];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) text.append(buffer, n);
    if (std::ferror(file.get())) return false;
    // The interpreter's reading ends at a NUL byte.
    std::size_t nul = text.find('\0');
    if (nul != std::string::npos) text.resize(nul);
    return true;
}

// Messages name other lines as @OFFSET@; they become line numbers here.
std::string resolveLineReferences(const std::string& message, const tbasic::check::LineMap& lines) {
    std::string out;
    std::size_t i = 0;
    while (i < message.size()) {
        if (message[i] == '@') {
            std::size_t close = message.find('@', i + 1);
            if (close != std::string::npos && close > i + 1 &&
                message.find_first_not_of("0123456789", i + 1) == close) {
                auto offset = static_cast<std::uint32_t>(std::stoul(message.substr(i + 1, close - i - 1)));
                out += std::to_string(lines.lineOf(offset));
                i = close + 1;
                continue;
            }
        }
        out += message[i++];
    }
    return out;
}

std::string plural(long count, const char* word) {
    return std::to_string(count) + " " + word + (count == 1 ? "" : "s");
}

}  // namespace

int main(int argc, char** argv) {
    bool brief = false;
    std::vector<const char*> files;
    bool optionsDone = false;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (!optionsDone && std::strcmp(arg, "--help") == 0) {
            std::fputs(usage, stdout);
            return 0;
        }
        if (!optionsDone && std::strcmp(arg, "--version") == 0) {
            std::puts("tbasic-check 0.1");
            return 0;
        }
        if (!optionsDone && std::strcmp(arg, "--brief") == 0) {
            brief = true;
        } else if (!optionsDone && std::strcmp(arg, "--") == 0) {
            optionsDone = true;
        } else if (!optionsDone && arg[0] == '-' && arg[1] != '\0') {
            std::fprintf(stderr, "tbasic-check: unknown option '%s'\n%s", arg, usage);
            return 2;
        } else {
            files.push_back(arg);
        }
    }
    if (files.empty()) {
        std::fprintf(stderr, "tbasic-check: no file given\n%s", usage);
        return 2;
    }

    tbasic::check::initVocabulary();
    long errors = 0, warnings = 0, filesChecked = 0;
    bool unreadable = false;
    std::string out;
    for (const char* name : files) {
        std::string text;
        if (!readFile(name, text)) {
            std::fflush(stdout);
            std::fprintf(stderr, "tbasic-check: cannot read file '%s'\n", name);
            unreadable = true;
            continue;
        }
        ++filesChecked;
        std::vector<tbasic::check::Finding> findings = tbasic::check::checkProgram(text);
        tbasic::check::LineMap lines(text);
        for (const auto& finding : findings) {
            const int line = lines.lineOf(finding.offset);
            const int column = lines.columnOf(finding.offset);
            out.clear();
            out += name;
            out += ':' + std::to_string(line) + ':' + std::to_string(column) + ": ";
            out += finding.warning ? "warning: " : "error: ";
            out += resolveLineReferences(finding.message, lines);
            out += '\n';
            if (!brief) {
                std::string source = lines.lineText(line);
                out += source;
                out += '\n';
                for (int k = 0; k + 1 < column && k < static_cast<int>(source.size()); ++k)
                    out += source[static_cast<std::size_t>(k)] == '\t' ? '\t' : ' ';
                out += "^\n";
            }
            std::fwrite(out.data(), 1, out.size(), stdout);
            if (finding.warning) {
                ++warnings;
            } else {
                ++errors;
            }
        }
    }
    std::printf("%s, %s in %s\n", plural(errors, "error").c_str(), plural(warnings, "warning").c_str(),
                plural(filesChecked, "file").c_str());
    std::fflush(stdout);
    if (unreadable) return 2;
    return errors > 0 ? 1 : 0;
}

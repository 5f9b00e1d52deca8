// Generated-program test of the checker against the interpreter: mutants of
// the repository's programs (lines dropped, repeated, swapped, words
// replaced) that the checker calls clean must not fail statically at run
// time. Usage: check_differential COUNT SEED DIR...
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "../../fuzz/FuzzSupport.h"
#include "CheckDifferential.h"
#include "checker/Vocabulary.h"

namespace {

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    std::istringstream in(text);
    while (std::getline(in, line)) lines.push_back(line);
    return lines;
}

const char* const words[] = {
    "IF", "THEN", "ELSE", "ELSEIF", "END IF", "FOR", "TO", "STEP", "NEXT", "DO", "LOOP", "WHILE",
    "UNTIL", "EXIT FOR", "EXIT DO", "CONTINUE FOR", "CONTINUE DO", "RETURN", "END", "PRINT", "DIM",
    "AS", "INTEGER", "DOUBLE", "STRING", "BOOLEAN", "DATE", "SUB", "FUNCTION", "END SUB",
    "END FUNCTION", "BYVAL", "BYREF", "AND", "OR", "NOT", "MOD", "=", "<>", "<", "+", "-", "*", "/",
    "\\", "^", "(", ")", ",", ";", ":", "1", "2.5", "0", "\"s\"", "TRUE", "FALSE", "x", "n", "i",
    "len(", "str(", "val(", "mid(", "abs(", "sqrt(", "int(", "pi", "left(", "instr(",
};

std::string mutate(const std::vector<std::vector<std::string>>& seeds, std::mt19937& random) {
    auto pick = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random); };
    std::vector<std::string> lines = seeds[pick(seeds.size())];
    if (lines.empty()) lines.push_back("");
    const int changes = 1 + static_cast<int>(pick(3));
    for (int c = 0; c < changes; ++c) {
        std::size_t at = pick(lines.size());
        switch (pick(6)) {
        case 0:
            if (lines.size() > 1) lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(at));
            break;
        case 1: lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(pick(lines.size())), lines[at]); break;
        case 2: std::swap(lines[at], lines[pick(lines.size())]); break;
        case 3: {
            const auto& other = seeds[pick(seeds.size())];
            if (!other.empty()) lines[at] = other[pick(other.size())];
            break;
        }
        default: {
            // Replace or insert a word.
            std::string& line = lines[at];
            std::vector<std::size_t> starts;
            for (std::size_t k = 0; k < line.size(); ++k)
                if ((k == 0 || line[k - 1] == ' ') && line[k] != ' ') starts.push_back(k);
            std::string word = words[pick(std::size(words))];
            if (starts.empty()) {
                line += word;
            } else {
                std::size_t s = starts[pick(starts.size())];
                std::size_t e = line.find(' ', s);
                if (e == std::string::npos) e = line.size();
                if (pick(2) == 0) line.replace(s, e - s, word);
                else line.insert(s, word + " ");
            }
        }
        }
    }
    std::string out;
    for (const std::string& line : lines) out += line + "\n";
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::cerr << "usage: check_differential COUNT SEED DIR...\n";
        return 2;
    }
    const long count = std::stol(argv[1]);
    std::mt19937 random(static_cast<unsigned>(std::stoul(argv[2])));
    std::vector<std::vector<std::string>> seeds;
    for (int a = 3; a < argc; ++a)
        for (const auto& entry : std::filesystem::recursive_directory_iterator(argv[a])) {
            if (entry.path().extension() != ".bas") continue;
            std::ifstream in(entry.path(), std::ios::binary);
            std::stringstream buffer;
            buffer << in.rdbuf();
            seeds.push_back(splitLines(buffer.str()));
        }
    if (seeds.empty()) {
        std::cerr << "no seed programs\n";
        return 2;
    }
    tbasic::check::initVocabulary();
    tbasic::fuzz::initialise();
    long clean = 0, failures = 0;
    for (long n = 0; n < count && failures < 5; ++n) {
        std::string program = mutate(seeds, random);
        std::string report;
        bool wasClean = tbasic::differential::checksClean(program);
        auto body = [&] { report = tbasic::differential::violation(program); };
        tbasic::fuzz::runOnLargeStack(body);
        if (wasClean) ++clean;
        if (!report.empty()) {
            ++failures;
            std::cerr << "checked clean, but the run fails statically:\n" << report << "\nprogram:\n"
                      << program << "----\n";
        }
    }
    std::cerr << count << " mutants, " << clean << " checked clean, " << failures << " violations\n";
    return failures == 0 ? 0 : 1;
}

#include "driver/Driver.h"

#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>

#include "diagnostics/Error.h"
#include "diagnostics/StackGuard.h"
#include "expressions/ExpressionEvaluator.h"
#include "lexer/Tokenizer.h"
#include "statements/Console.h"
#include "statements/Program.h"
#include "values/VariableStore.h"

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

namespace tbasic {

namespace {

// The interpreter runs on a thread with a large stack so deep but legitimate
// recursion works (tens of thousands of calls); the stack guard stops runaway
// recursion well before its end. AddressSanitizer does not support larger
// thread stacks, so the size is the same in every build.
constexpr std::size_t interpreterStackSize = std::size_t(64) << 20;
constexpr std::size_t stackSafetyMargin = std::size_t(4) << 20;

void reportLine(FILE* stream, const std::string& line) {
    flushOutput();
    std::fputs(line.c_str(), stream);
    std::fputc('\n', stream);
    std::fflush(stream);
}

// Exit status for a processor fault that the stack guard did not prevent.
volatile sig_atomic_t faultExitStatus = 0;

#if !defined(__SANITIZE_ADDRESS__) && !defined(__has_feature)
#define TBASIC_FAULT_HANDLER 1
#elif defined(__has_feature)
#if !__has_feature(address_sanitizer)
#define TBASIC_FAULT_HANDLER 1
#endif
#endif

#if defined(TBASIC_FAULT_HANDLER) && defined(_WIN32)
// Last resort on Windows, for an exception no one handles (the stack guard
// normally stops runaway recursion first): report its code in the same form
// as a stack overflow. Only plain calls here, as the stack may be nearly gone.
LONG WINAPI faultFilter(EXCEPTION_POINTERS* info) {
    char message[96];
    const char* prefix = "Exception thrown (stack overflow?): Error code ";
    const char* digits = "0123456789ABCDEF";
    std::size_t n = 0;
    for (const char* p = prefix; *p; ++p) message[n++] = *p;
    DWORD code = info->ExceptionRecord->ExceptionCode;
    for (int shift = 28; shift >= 0; shift -= 4) message[n++] = digits[(code >> shift) & 0xF];
    // The console is in text mode: a line ends with CR LF, as printf's would.
    message[n++] = '\r';
    message[n++] = '\n';
    fflush(stdout);
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_ERROR_HANDLE), message, static_cast<DWORD>(n), &written, nullptr);
    TerminateProcess(GetCurrentProcess(), static_cast<UINT>(faultExitStatus));
    return EXCEPTION_EXECUTE_HANDLER;
}

void installFaultHandler() {
    // Room for the filter to run after the stack overflowed, and no error
    // dialog box in place of the report.
    ULONG guarantee = 64 * 1024;
    SetThreadStackGuarantee(&guarantee);
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    SetUnhandledExceptionFilter(faultFilter);
}
#elif defined(TBASIC_FAULT_HANDLER)
// Last resort for any other processor fault: report it in the same form as a
// stack overflow instead of dying silently.
void faultHandler(int signal) {
    char message[96];
    const char* prefix = "Exception thrown (stack overflow?): Error code ";
    const char* code = signal == SIGSEGV ? "C0000005" : signal == SIGFPE ? "C0000094" : "C000001D";
    std::size_t n = 0;
    for (const char* p = prefix; *p; ++p) message[n++] = *p;
    for (const char* p = code; *p; ++p) message[n++] = *p;
    message[n++] = '\n';
    fflush(stdout);
    ssize_t written = write(STDERR_FILENO, message, n);
    (void)written;
    _exit(faultExitStatus);
}

void installFaultHandler() {
    static char alternateStack[1 << 16];
    stack_t stack{};
    stack.ss_sp = alternateStack;
    stack.ss_size = sizeof alternateStack;
    sigaltstack(&stack, nullptr);
    struct sigaction action {};
    action.sa_handler = faultHandler;
    action.sa_flags = SA_ONSTACK;
    sigemptyset(&action.sa_mask);
    for (int signal : {SIGSEGV, SIGBUS, SIGFPE, SIGILL}) sigaction(signal, &action, nullptr);
}
#else
void installFaultHandler() {}
#endif

struct ThreadJob {
    std::function<int()> body;
    int result = 0;
};

void* runJob(void* argument) {
    auto* job = static_cast<ThreadJob*>(argument);
    initStackLimit(stackSafetyMargin);
    installFaultHandler();
    job->result = job->body();
    return nullptr;
}

// Runs body on a thread with a large stack; falls back to this thread.
int runOnLargeStack(std::function<int()> body) {
    ThreadJob job{std::move(body)};
    pthread_attr_t attr;
    pthread_attr_init(&attr);
    pthread_attr_setstacksize(&attr, interpreterStackSize);
    pthread_t thread;
    int failed = pthread_create(&thread, &attr, runJob, &job);
    pthread_attr_destroy(&attr);
    if (failed) {
        initStackLimit(stackSafetyMargin);
        return job.body();
    }
    pthread_join(thread, nullptr);
    return job.result;
}

}  // namespace

// Runs started within the same second must not repeat each other's values:
// the seed mixes a microsecond clock with the process id.
void seedRandomGenerator() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const uint64_t micros = static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::microseconds>(now).count());
    const uint64_t mixed = micros ^ (static_cast<uint64_t>(getpid()) * 0x9E3779B97F4A7C15ull);
    std::srand(static_cast<unsigned>(mixed ^ (mixed >> 32)));
}

void printUsage(const char* programName) {
    const char* name = programName ? programName : "";
    std::fprintf(stderr, "tbasic - a typed, structured BASIC interpreter\n");
    std::fflush(stderr);
    std::fprintf(stderr, "Usage: %s -f <basic_program_file>\n", name);
    std::fflush(stderr);
    std::fprintf(stderr, "Or:    %s -e \"<expression>\"\n", name);
    std::fflush(stderr);
}

int runExpression(const std::string& text) {
    faultExitStatus = 1;
    try {
        Tokenizer tokenizer;
        tokenizer.tokenizeString(text);
        const TokenList& tokens = tokenizer.tokens();
        TokenPosition begin = tokens.data();
        TokenPosition end = tokens.data() + tokens.size();
        VariableStore variables;
        ExpressionEvaluator evaluator(begin, end, variables);
        Value value = evaluator.evaluate();
        writeOutput(value);
        writeLineEnd();
        return 0;
    } catch (const Error& error) {
        reportLine(stderr, formatError(error));
    } catch (const StackOverflow&) {
        reportLine(stderr, stackOverflowMessage);
    } catch (...) {
        reportLine(stderr, "Unknown exception.");
    }
    return 1;
}

void runFile(const std::string& fileName) {
    faultExitStatus = 0;
    try {
        Tokenizer tokenizer;  // the tokens point at its file name, so it outlives the run
        tokenizer.tokenizeFile(fileName);
        Program program;
        program.load(std::move(tokenizer.tokens()));
        program.run();
        flushOutput();
    } catch (const Error& error) {
        reportLine(stdout, formatError(error));
    } catch (const StackOverflow&) {
        reportLine(stderr, stackOverflowMessage);
    } catch (...) {
        reportLine(stdout, "Unknown exception.");
    }
}

int runMain(int argc, char** argv) {
    const char* programName = argc > 0 ? argv[0] : "";
    if (argc != 3) {
        printUsage(programName);
        return 1;
    }
    std::string mode = argv[1];
    seedRandomGenerator();
    std::string argument = argv[2];
    if (mode == "-e") return runOnLargeStack([&] { return runExpression(argument); });
    if (mode == "-f") {
        runOnLargeStack([&] {
            runFile(argument);
            return 0;
        });
        return 0;
    }
    printUsage(programName);
    return 1;
}

}  // namespace tbasic

// Guards the native stack against runaway recursion of the interpreted
// program: every recursion point checks the room left and throws
// StackOverflow instead of letting the process fault.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tbasic {

// Thrown when the native stack is nearly used up; not an Error, so no
// statement handler reports it as one.
struct StackOverflow {};

// The lowest address the current thread may use before StackOverflow; 0 disables the check.
// constinit: initialised without code, so readers need no per-thread set-up call.
extern thread_local constinit std::uintptr_t stackLimit;

// Sets the limit for the calling thread from its stack bounds, keeping margin bytes spare.
void initStackLimit(std::size_t margin);
// Reads or replaces the calling thread's limit (harnesses and tests use a tighter one).
std::uintptr_t getStackLimit();
void setStackLimit(std::uintptr_t limit);

inline void checkStack() {
    auto here = reinterpret_cast<std::uintptr_t>(__builtin_frame_address(0));
    if (here < stackLimit) throw StackOverflow{};
}

// The message printed when the stack ran out.
extern const char* const stackOverflowMessage;

}  // namespace tbasic

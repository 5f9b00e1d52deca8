#include "diagnostics/StackGuard.h"

#include <pthread.h>

namespace tbasic {

thread_local constinit std::uintptr_t stackLimit = 0;

const char* const stackOverflowMessage = "Exception thrown (stack overflow?): Error code C00000FD";

std::uintptr_t getStackLimit() { return stackLimit; }

void setStackLimit(std::uintptr_t limit) { stackLimit = limit; }

void initStackLimit(std::size_t margin) {
    pthread_attr_t attr;
    if (pthread_getattr_np(pthread_self(), &attr) != 0) return;
    void* base = nullptr;
    std::size_t size = 0;
    if (pthread_attr_getstack(&attr, &base, &size) == 0 && size > margin)
        stackLimit = reinterpret_cast<std::uintptr_t>(base) + margin;
    pthread_attr_destroy(&attr);
}

}  // namespace tbasic

// Shared set-up of the fuzz targets: a silenced standard output,
// and a thread with a large stack so the stack guard (not the process) stops
// runaway recursion.
#pragma once

#include <fcntl.h>
#include <pthread.h>
#include <unistd.h>

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <condition_variable>
#include <mutex>
#include <string>

#include "diagnostics/StackGuard.h"

namespace tbasic::fuzz {

// AddressSanitizer stops cleaning up the stack poisoning of frames left by an
// exception on stacks larger than 64 MiB, and then reports false positives;
// so the stack stays below that, and runaway recursion meets the guard sooner.
constexpr std::size_t inputStackSize = std::size_t(60) << 20;
constexpr std::size_t stackSafetyMargin = std::size_t(4) << 20;

inline void initialise() {
    // PRINT output is of no interest and would drown libFuzzer's own lines
    // (which go to standard error). TBASIC_FUZZ_SHOW_OUTPUT=1 keeps it.
    const char* show = std::getenv("TBASIC_FUZZ_SHOW_OUTPUT");
    if (!show || std::string(show) != "1") {
        int null = open("/dev/null", O_WRONLY);
        if (null >= 0) {
            std::fflush(stdout);
            dup2(null, STDOUT_FILENO);
            close(null);
        }
    }
}

// Runs each input on one long-lived worker thread with a large stack:
// creating a thread per input would cost more than most inputs take.
class LargeStackRunner {
public:
    template <typename Body>
    void run(Body& body) {
        std::unique_lock<std::mutex> lock(mutex_);
        start();
        job_ = [](void* b) { (*static_cast<Body*>(b))(); };
        argument_ = &body;
        pending_ = true;
        changed_.notify_all();
        changed_.wait(lock, [this] { return !pending_; });
    }

private:
    void start() {
        if (started_) return;
        started_ = true;
        pthread_attr_t attr;
        pthread_attr_init(&attr);
        pthread_attr_setstacksize(&attr, inputStackSize);
        pthread_t thread;
        if (pthread_create(&thread, &attr, &LargeStackRunner::loop, this) != 0) std::abort();
        pthread_attr_destroy(&attr);
        pthread_detach(thread);
    }

    static void* loop(void* argument) {
        auto* self = static_cast<LargeStackRunner*>(argument);
        initStackLimit(stackSafetyMargin);
        std::unique_lock<std::mutex> lock(self->mutex_);
        while (true) {
            self->changed_.wait(lock, [self] { return self->pending_; });
            self->job_(self->argument_);
            self->pending_ = false;
            self->changed_.notify_all();
        }
    }

    std::mutex mutex_;
    std::condition_variable changed_;
    bool started_ = false;
    bool pending_ = false;
    void (*job_)(void*) = nullptr;
    void* argument_ = nullptr;
};

template <typename Body>
void runOnLargeStack(Body& body) {
    // Never destroyed: the worker waits on the runner until the process ends.
    static LargeStackRunner* runner = new LargeStackRunner;
    runner->run(body);
}

}  // namespace tbasic::fuzz

// Windows builds only: winpthreads has no pthread_getattr_np, which the stack
// guard uses to find the calling thread's stack. This supplies it from the
// thread's stack limits; CMakeLists.txt force-includes it into the stack
// guard's source, so the guard itself stays free of platform branches.
#pragma once

#ifdef _WIN32

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <pthread.h>
#include <windows.h>

// The bounds are those of the calling thread, which is the only thread the
// stack guard ever asks about.
inline int pthread_getattr_np(pthread_t, pthread_attr_t* attr) {
    ULONG_PTR low = 0;
    ULONG_PTR high = 0;
    GetCurrentThreadStackLimits(&low, &high);
    if (pthread_attr_init(attr) != 0) return -1;
    pthread_attr_setstack(attr, reinterpret_cast<void*>(low), static_cast<size_t>(high - low));
    return 0;
}

#endif

#pragma once

// Replaces the test program's global operator new with one that counts the
// allocations of the calling thread (a window system's own threads allocate
// on their own). Include it in exactly one file of a test program.

#include <cstdlib>
#include <new>

inline thread_local long allocationCount = 0;

void* operator new(std::size_t size) {
    ++allocationCount;
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}

void operator delete(void* p) noexcept {
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

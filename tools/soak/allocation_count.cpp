#include "allocation_count.h"

#include <cstdlib>
#include <new>

bool countingAllocations = false;
long allocationCount = 0;

void* operator new(std::size_t size) {
    if (countingAllocations) ++allocationCount;
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}

void operator delete(void* p) noexcept {
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

// The benchmark program's heap: a counting global operator new, and a heap
// that keeps its pages. Left to itself, glibc hands a freed top chunk of a few
// megabytes back to the system, so every iteration of a 20 x 100 KB benchmark
// would fault its pages in afresh and time the kernel instead of the code.
#include "bench_heap.h"

#include <atomic>
#include <cstdlib>
#include <new>

#include <malloc.h>

namespace {

std::atomic<std::size_t> allocations{0};

// Before any static object allocates.
__attribute__((constructor(101))) void keepHeapPages() {
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
    mallopt(M_TRIM_THRESHOLD, 512 << 20);
}

}  // namespace

std::size_t rewardcfg::bench::allocationCount() { return allocations.load(std::memory_order_relaxed); }

// The array and nothrow forms call this one, so it sees every allocation.
void* operator new(std::size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

#include "app/startup_heap.h"

#include <cstdint>
#include <cstdlib>
#include <malloc.h>
#include <sys/mman.h>

namespace {

constexpr std::size_t reservedBytes = std::size_t(256) << 20;
constexpr std::uintptr_t hugePage = std::uintptr_t(2) << 20;
// The allocator's own defaults, restored on release.
constexpr int defaultThreshold = 128 * 1024;

} // namespace

StartupHeap::StartupHeap() {
    if (mallopt(M_MMAP_THRESHOLD, int(2 * reservedBytes)) == 0)
        return;
    mallopt(M_TRIM_THRESHOLD, int(4 * reservedBytes));
    // Grown once and freed, the region stays the top of the heap, where the
    // allocations of the load are carved from.
    void* block = std::malloc(reservedBytes);
    if (block) {
        const auto start = reinterpret_cast<std::uintptr_t>(block);
        const std::uintptr_t from = (start + hugePage - 1) & ~(hugePage - 1);
        const std::uintptr_t to = (start + reservedBytes) & ~(hugePage - 1);
        madvise(reinterpret_cast<void*>(from), to - from, MADV_HUGEPAGE);
        std::free(block);
    }
    m_reserved = true;
}

StartupHeap::~StartupHeap() {
    release();
}

void StartupHeap::release() {
    if (!m_reserved)
        return;
    m_reserved = false;
    mallopt(M_MMAP_THRESHOLD, defaultThreshold);
    mallopt(M_TRIM_THRESHOLD, defaultThreshold);
    malloc_trim(0);
}

#pragma once

// Loading a large workspace touches a hundred megabytes of fresh memory in
// small pieces; one page fault per 4 KB page made that the larger part of
// start-up. While reserved, the heap sits in one region asking the kernel
// for huge pages (where transparent huge pages are on), and big blocks come
// from it instead of from mappings of their own. Released once the window
// is up: the allocator goes back to its usual thresholds and returns what
// the load left free.
class StartupHeap {
public:
    StartupHeap();
    ~StartupHeap();
    StartupHeap(const StartupHeap&) = delete;
    StartupHeap& operator=(const StartupHeap&) = delete;

    void release();

private:
    bool m_reserved = false;
};

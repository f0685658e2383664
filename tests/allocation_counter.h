#pragma once
// Counts every allocation made through operator new in the program that
// includes this header (once, in one file), so that a test or a benchmark
// can tell how many allocations one call made.

#include <atomic>
#include <cstdlib>
#include <new>

namespace retencion::counting {
inline std::atomic<long> allocations{0};
}

// GCC, inlining these into the library's own new/delete pairs, takes the
// free below for a mismatch; both sides are malloc and free here.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif

void* operator new(std::size_t size)
{
    retencion::counting::allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept
{
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}

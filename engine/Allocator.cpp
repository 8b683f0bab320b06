#include "engine/Allocator.h"

#include <cstdint>
#include <cstdlib>  // defines __GLIBC__ where the C library is glibc

#if defined(__GLIBC__)
#include <malloc.h>
#include <sys/mman.h>
#endif

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ESCAVAL_HAS_ADDRESS_SANITIZER 1
#endif
#endif
#if !defined(ESCAVAL_HAS_ADDRESS_SANITIZER)
#define ESCAVAL_HAS_ADDRESS_SANITIZER 0
#endif

namespace esc {

namespace {
// The largest mapping threshold the C library accepts on 64-bit systems, and a trim threshold
// well above any drawing's working set.
constexpr int kMapThresholdBytes = 32 * 1024 * 1024;
constexpr int kTrimThresholdBytes = 256 * 1024 * 1024;
#if !defined(__SANITIZE_ADDRESS__) && !ESCAVAL_HAS_ADDRESS_SANITIZER
// The heap's first megabytes, which hold a drawing's picture, tincture codes and output buffer,
// are asked for as large pages: on a virtual machine each small page's first touch costs about
// ten microseconds, and a command-line drawing touched some 600 of them (a third of its time).
constexpr std::size_t kLargePageBytes = std::size_t{2} << 20;
constexpr std::size_t kLargePageHeapBytes = std::size_t{8} << 20;
// What the C library's allocator puts before each block it hands out.
constexpr std::size_t kChunkHeaderBytes = 2 * sizeof(std::size_t);
#endif
}  // namespace

void KeepFreedMemoryForReuse() {
#if defined(__GLIBC__)
    (void)mallopt(M_MMAP_THRESHOLD, kMapThresholdBytes);
    (void)mallopt(M_TRIM_THRESHOLD, kTrimThresholdBytes);
    // Growing the heap by the block and freeing it leaves the block at the heap's top, where the
    // raised trim threshold keeps it for the allocations that follow. The part below the first
    // large-page boundary is taken for good (its pages are never touched, so never faulted in),
    // so that the drawing's buffers that follow start on a large page. Under the sanitizers the
    // allocator is theirs, and the kept part would be reported as a leak.
#if !defined(__SANITIZE_ADDRESS__) && !ESCAVAL_HAS_ADDRESS_SANITIZER
    if (void* block = std::malloc(kLargePageHeapBytes)) {
        const auto first = reinterpret_cast<std::uintptr_t>(block);
        const auto start = (first + kLargePageBytes - 1) & ~(kLargePageBytes - 1);
        const auto end = (first + kLargePageHeapBytes) & ~(kLargePageBytes - 1);
        if (end > start) (void)madvise(reinterpret_cast<void*>(start), end - start, MADV_HUGEPAGE);
        std::free(block);
        if (start - first > kChunkHeaderBytes) {
            void* kept = std::malloc(start - first - kChunkHeaderBytes);
            asm volatile("" : : "r"(kept) : "memory");  // the compiler may not drop the unused block
        }
    }
#endif
#endif
}

}  // namespace esc

#include "engine/Allocator.h"

#include <cstdlib>  // defines __GLIBC__ where the C library is glibc

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace esc {

namespace {
// The largest mapping threshold the C library accepts on 64-bit systems, and a trim threshold
// well above any drawing's working set.
constexpr int kMapThresholdBytes = 32 * 1024 * 1024;
constexpr int kTrimThresholdBytes = 256 * 1024 * 1024;
}  // namespace

void KeepFreedMemoryForReuse() {
#if defined(__GLIBC__)
    (void)mallopt(M_MMAP_THRESHOLD, kMapThresholdBytes);
    (void)mallopt(M_TRIM_THRESHOLD, kTrimThresholdBytes);
#endif
}

}  // namespace esc

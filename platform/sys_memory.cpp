// The C heap's policy for a long-running program (glibc).
#include <malloc.h>

#include "platform/platform.h"

namespace {
// Blocks this large get pages of their own, returned to the system when freed. Left to itself
// glibc raises this bound to the largest block freed so far; the GL driver then frees and
// re-makes its half-megabyte upload buffers every few frames inside the main heap, where small
// blocks settle in the holes they leave and the heap creeps up a megabyte at a time.
constexpr int LARGE_BLOCK_BYTES = 256 * 1024;
} // namespace

void Sys_SteadyHeap() {
#ifdef M_MMAP_THRESHOLD
    mallopt(M_MMAP_THRESHOLD, LARGE_BLOCK_BYTES);
#endif
}

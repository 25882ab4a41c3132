#include "platform/HeapPolicy.h"

#include <cstddef>  // defines __GLIBC__ with the GNU C library
#include <cstdint>
#include <cstdlib>
#if defined(__GLIBC__)
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace orv {

void KeepFreedMemoryForReuse()
{
#if defined(__GLIBC__)
    constexpr int MB = 1024 * 1024;
    mallopt(M_MMAP_THRESHOLD, 32 * MB);  // the largest the C library takes
    mallopt(M_TRIM_THRESHOLD, 64 * MB);
    mallopt(M_TOP_PAD, 4 * MB);           // the heap grows in steps of a few megabytes
    // The heap's first megabytes in large pages: a start-up touches some ten
    // megabytes of fresh heap, one page fault for every 4 KiB of it otherwise.
    constexpr std::uintptr_t Large = 2 * MB;
    void* block = std::malloc(24 * MB);
    if (!block) return;
    const auto at = reinterpret_cast<std::uintptr_t>(block);
    const std::uintptr_t begin = (at + Large - 1) & ~(Large - 1);
    const std::uintptr_t end = reinterpret_cast<std::uintptr_t>(sbrk(0)) & ~(Large - 1);
    if (end > begin) madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
    std::free(block);
    // Fresh heap starts where the block did, up to 2 MiB below the first
    // large page, at a place that moves with every start. That stretch is
    // kept by an allocation never written nor freed, so that fresh heap
    // starts with the large pages: a chunk of (begin - at) bytes, its
    // header included, ends where the next chunk's header leaves the next
    // allocation at `begin`. Its pages are never touched, so it costs no
    // memory. Held here, it is never taken for a leak.
    static void* keeper = nullptr;
    constexpr std::uintptr_t Header = 2 * sizeof(std::size_t);
    if (!keeper && begin - at > Header) keeper = std::malloc(begin - at - sizeof(std::size_t));
#endif
}

} // namespace orv

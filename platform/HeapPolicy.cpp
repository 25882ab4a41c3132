#include "platform/HeapPolicy.h"

#include <cstddef>  // defines __GLIBC__ with the GNU C library
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace orv {

void KeepFreedMemoryForReuse()
{
#if defined(__GLIBC__)
    constexpr int MB = 1024 * 1024;
    mallopt(M_MMAP_THRESHOLD, 32 * MB);  // the largest the C library takes
    mallopt(M_TRIM_THRESHOLD, 64 * MB);
    mallopt(M_TOP_PAD, 4 * MB);           // the heap grows in steps of a few megabytes
#endif
}

} // namespace orv

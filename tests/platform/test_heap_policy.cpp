#include <gtest/gtest.h>

#include <sys/resource.h>

#include <cstring>
#include <memory>
#include <utility>
#include <vector>

#include "platform/HeapPolicy.h"

using namespace orv;

namespace {

long MinorFaults()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_minflt;
}

// `count` buffers of `bytes` each made at once, written through and freed,
// `times` times over, as each page of a PDF takes its compressor's tables
// and its buffers again.
long FaultsOfRepeatedBuffers(int count, std::size_t bytes, int times)
{
    const long before = MinorFaults();
    for (int i = 0; i < times; ++i) {
        std::vector<std::unique_ptr<char[]>> buffers;
        for (int k = 0; k < count; ++k) {
            buffers.emplace_back(new char[bytes]);
            std::memset(buffers.back().get(), i + k, bytes);
        }
        // the compiler keeps the writes: the buffers are read back
        for (int k = 0; k < count; ++k) EXPECT_EQ(buffers[std::size_t(k)][bytes / 2], char(i + k));
    }
    return MinorFaults() - before;
}

} // namespace

// Large buffers made and freed over and over are made in memory the program
// kept, not in pages taken from the system again each time.
TEST(HeapPolicy, LargeBuffersMadeOverAndOverReuseTheirMemory)
{
    KeepFreedMemoryForReuse();
    // a compressor's tables, a page's buffer, a figure's image
    const std::pair<int, std::size_t> kinds[] = {{6, std::size_t(64) << 10}, {1, std::size_t(1) << 20},
                                                 {1, std::size_t(3) << 20}};
    for (const auto& [count, bytes] : kinds) {
        FaultsOfRepeatedBuffers(count, bytes, 1);  // the first ones take their pages
        const long pagesEach = long(count * bytes / 4096);
        // 40 times over would be 40 times their pages from the system
        EXPECT_LT(FaultsOfRepeatedBuffers(count, bytes, 40), 2 * pagesEach) << count << " x " << bytes;
    }
}

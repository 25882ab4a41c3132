#include <gtest/gtest.h>

#include <sys/resource.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
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

// The flags of the mapping that holds `p`, as /proc/self/smaps lists them.
std::string MappingFlags(const void* p)
{
    std::ifstream smaps("/proc/self/smaps");
    const auto at = reinterpret_cast<std::uintptr_t>(p);
    bool inside = false;
    for (std::string line; std::getline(smaps, line);) {
        std::uintptr_t from = 0, to = 0;
        char dash = 0;
        std::istringstream range(line);
        if (range >> std::hex >> from >> dash >> to && dash == '-') inside = from <= at && at < to;
        else if (inside && line.rfind("VmFlags:", 0) == 0) return line;
    }
    return {};
}

// Fresh heap is taken in large pages where the system has them: a start-up
// that touches megabytes of new heap faults once per 2 MiB, not per 4 KiB.
TEST(HeapPolicy, FreshHeapIsAdvisedOntoLargePages)
{
    KeepFreedMemoryForReuse();
    // below the size the C library maps apart, so from the heap
    std::unique_ptr<char[]> block(new char[std::size_t(8) << 20]);
    const std::string flags = MappingFlags(block.get() + (std::size_t(4) << 20));
    ASSERT_FALSE(flags.empty());
    EXPECT_NE(flags.find(" hg"), std::string::npos) << flags;
    // the advice leaves the heap as it was to use: written and read back whole
    std::memset(block.get(), 7, std::size_t(8) << 20);
    EXPECT_EQ(block[(std::size_t(8) << 20) - 1], 7);
}

// Fresh heap starts on a large page: the stretch below the first one, which
// moves with every start, is not handed out, so the first buffers after the
// policy do not fault page by page.
TEST(HeapPolicy, FreshHeapStartsOnALargePage)
{
    KeepFreedMemoryForReuse();
    for (const std::size_t bytes : {std::size_t(96) << 10, std::size_t(160) << 10}) {
        std::unique_ptr<char[]> buffer(new char[bytes]);
        const std::string flags = MappingFlags(buffer.get());
        ASSERT_FALSE(flags.empty());
        EXPECT_NE(flags.find(" hg"), std::string::npos) << bytes << ": " << flags;
        std::memset(buffer.get(), 3, bytes);
        EXPECT_EQ(buffer[bytes - 1], 3);
    }
}

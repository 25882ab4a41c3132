#include "core/RecordStorage.h"

#include "core/ZunFiles.h"

namespace orv {
namespace {

constexpr std::size_t LargePage = std::size_t{2} << 20;

std::size_t WholeLargePages(std::size_t bytes)
{
    return (bytes + LargePage - 1) & ~(LargePage - 1);
}

} // namespace

void* AllocateLargeRecordBlock(std::size_t bytes)
{
    const std::size_t whole = WholeLargePages(bytes);
    if (whole < bytes) throw std::bad_array_new_length();
    void* block = ::operator new(whole, std::align_val_t{LargePage});
    AdviseLargePages(block, whole);
    return block;
}

void FreeLargeRecordBlock(void* block) noexcept
{
    ::operator delete(block, std::align_val_t{LargePage});
}

} // namespace orv

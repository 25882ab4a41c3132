#include "core/RecordStorage.h"

#include <atomic>

namespace orv {
namespace {
std::atomic<std::size_t> blockLimit{static_cast<std::size_t>(-1)};
} // namespace

std::size_t SetRecordBlockLimit(std::size_t bytes) { return blockLimit.exchange(bytes); }

std::size_t RecordBlockLimit() { return blockLimit.load(std::memory_order_relaxed); }

} // namespace orv

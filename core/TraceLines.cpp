#include "core/TraceLines.h"

#include <algorithm>
#include <cstdio>

namespace orv {

void TTraceLines::grow(std::size_t n)
{
    if (capacity_ - used_ < n) {
        const std::size_t capacity = std::max({used_ + n, capacity_ + capacity_ / 2, std::size_t{4096}});
        auto text = std::make_unique_for_overwrite<char[]>(capacity);
        if (used_ > 0) std::memcpy(text.get(), text_.get(), used_);
        text_ = std::move(text);
        capacity_ = capacity;
    }
    if (count_ == endsCapacity_) {
        const std::size_t capacity = std::max(endsCapacity_ + endsCapacity_ / 2, std::size_t{256});
        auto ends = std::make_unique_for_overwrite<std::size_t[]>(capacity);
        if (count_ > 0) std::memcpy(ends.get(), ends_.get(), count_ * sizeof(std::size_t));
        ends_ = std::move(ends);
        endsCapacity_ = capacity;
    }
}

void AppendValue(std::string& out, int decimals, double value)
{
    if (!std::isfinite(value)) {
        out += '?';
        return;
    }
    if (std::fabs(value) < 1e15) {
        AppendFixed(out, decimals, value);
        return;
    }
    // Digits beyond the fifteenth carry nothing; the mantissa keeps the decimals.
    decimals = std::clamp(decimals, 0, 6);
    char buf[32];
    const int n = std::snprintf(buf, sizeof buf, "%.*E", decimals, value);
    for (int i = 0; i < n; ++i)
        out += buf[i] == '.' ? DecimalSeparator() : buf[i];
}

char* WriteValueRest(char* p, int decimals, double value)
{
    std::string text;
    AppendValue(text, decimals, value);
    std::memcpy(p, text.data(), text.size());
    return p + text.size();
}

} // namespace orv

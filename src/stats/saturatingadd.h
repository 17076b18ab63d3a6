#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

namespace yardmark {

/// Adds to a 32-bit total, holding it at the 32-bit limits: spots and counts
/// read from a damaged file must never overflow a sum.
inline void saturatingAdd(std::int32_t &total, std::int64_t value)
{
    constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
    total = static_cast<std::int32_t>(
        std::clamp(static_cast<std::int64_t>(total) + std::clamp(value, kMin * 2, kMax * 2), kMin, kMax));
}

} // namespace yardmark

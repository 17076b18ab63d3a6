#include "clocktime.h"

#include "reports/formattext.h"

#include <limits>

namespace yardmark {

ClockTime clockTimeFromSeconds(std::int64_t totalSeconds)
{
    if (totalSeconds <= 0)
        return {};
    constexpr std::int64_t kMaxMinutes = std::numeric_limits<std::int32_t>::max();
    if (totalSeconds / 60 > kMaxMinutes)
        return {static_cast<std::int32_t>(kMaxMinutes), 59};
    return {static_cast<std::int32_t>(totalSeconds / 60), static_cast<std::int32_t>(totalSeconds % 60)};
}

std::string clockText(const ClockTime &time)
{
    return time.seconds < 10 ? formatText("%d:0%d", time.minutes, time.seconds)
                             : formatText("%d:%d", time.minutes, time.seconds);
}

} // namespace yardmark

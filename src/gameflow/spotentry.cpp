#include "spotentry.h"

#include "base/text.h"

#include <algorithm>

namespace yardmark {

std::int32_t readYardLine(std::string_view text, std::int32_t midfieldYardLine)
{
    if (!text.empty() && (text.front() == 'g' || text.front() == 'G'))
        return 0;
    return std::clamp(leadingInt(text), 0, std::max(midfieldYardLine, 0));
}

FieldSpot readSpotEntry(const SpotEntry &entry, std::int32_t midfieldYardLine)
{
    if (!entry.homeSide)
        return FieldSpot{0, true};
    return FieldSpot{readYardLine(entry.yardText, midfieldYardLine), *entry.homeSide};
}

SpotEntry showSpotEntry(const FieldSpot &spot)
{
    return SpotEntry{spot.homeSide, std::to_string(spot.yardLine)};
}

std::string listEntryPrefix(std::string_view entry)
{
    return std::string(entry.substr(0, 2));
}

} // namespace yardmark

#include "settings.h"

#include <algorithm>

namespace yardmark {

namespace {

// Values below `low` become `lowValue`, values above `high` become `high`.
void bound(std::int32_t &value, std::int32_t low, std::int32_t lowValue, std::int32_t high)
{
    value = value < low ? lowValue : std::min(value, high);
}

} // namespace

void boundLeagueOptions(LeagueOptions &options, std::int32_t midfield)
{
    const LeagueOptions defaults;
    bound(options.timeOutsPerHalf, 1, 1, 10);
    bound(options.minutesPerQuarter, 1, 1, 20);
    bound(options.kickoffYardLine, 0, 0, midfield);
    bound(options.tryYardLine, 1, 3, 20);
    bound(options.safetyKickYardLine, 0, 0, midfield);
    bound(options.touchdownPoints, 1, defaults.touchdownPoints, kMaxScorePoints);
    bound(options.fieldGoalPoints, 1, defaults.fieldGoalPoints, kMaxScorePoints);
    bound(options.safetyPoints, 1, defaults.safetyPoints, kMaxScorePoints);
    bound(options.extraPointPoints, 1, defaults.extraPointPoints, kMaxScorePoints);
    bound(options.conversionPoints, 1, defaults.conversionPoints, kMaxScorePoints);
}

void setDefaults(Settings &settings)
{
    settings = Settings{};
}

} // namespace yardmark

#include "entryfields.h"

#include "base/text.h"
#include "vocabulary/spots.h"

#include <algorithm>

namespace yardmark {

std::int32_t typedYards(std::string_view text, const LeagueOptions &league)
{
    const std::int32_t field = 2 * std::max(league.midfieldYardLine, 0);
    return std::clamp(leadingInt(text), -field, field);
}

void moveBallToFinalSpot(FieldSpot &ballSpot, const SpotEntry &finalSpot, std::optional<std::int32_t> yardsWhenEmpty,
                         bool offenseHome, const LeagueOptions &league)
{
    if (finalSpot.homeSide)
        ballSpot.homeSide = *finalSpot.homeSide;
    if (!finalSpot.yardText.empty())
        ballSpot.yardLine = readYardLine(finalSpot.yardText, league.midfieldYardLine);
    else if (yardsWhenEmpty)
        ballSpot = advanceSpot(ballSpot, offenseHome, *yardsWhenEmpty, league);
}

} // namespace yardmark

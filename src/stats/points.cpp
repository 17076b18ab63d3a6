#include "points.h"

#include "stats/saturatingadd.h"
#include "vocabulary/vocabulary.h"

namespace yardmark {

std::int32_t pointsInPeriod(const Game &game, std::int32_t quarter, bool home, const LeagueOptions &options)
{
    const bool overtime = quarter > kLastRegularQuarter;
    std::int32_t total = 0;
    for (const PlayRecord &play : game.plays) {
        if (play.quarter == quarter || (overtime && play.quarter > kLastRegularQuarter))
            saturatingAdd(total, pointsFor(pointsOfPlay(play, options), home));
    }
    return total;
}

} // namespace yardmark

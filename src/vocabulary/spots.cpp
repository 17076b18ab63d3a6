#include "vocabulary/spots.h"

#include <algorithm>
#include <limits>

namespace yardmark {
namespace {

std::int32_t held(std::int64_t value)
{
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

std::int64_t fieldLength(const LeagueOptions &league)
{
    return 2 * static_cast<std::int64_t>(league.midfieldYardLine);
}

std::int64_t distanceFrom(FieldSpot spot, bool homeTeam, const LeagueOptions &league)
{
    if (spot.homeSide == homeTeam)
        return spot.yardLine;
    return fieldLength(league) - spot.yardLine;
}

} // namespace

std::int32_t distanceFromOwnGoal(FieldSpot spot, bool homeTeam, const LeagueOptions &league)
{
    return held(distanceFrom(spot, homeTeam, league));
}

std::int32_t netGain(const PlayRecord &play, const LeagueOptions &league)
{
    const bool offense = play.homeHasBall;
    return held(distanceFrom(play.finalSpot, offense, league) - distanceFrom(play.initialSpot, offense, league));
}

std::int32_t returnYards(const PlayRecord &play, const LeagueOptions &league)
{
    const bool defense = !play.homeHasBall;
    return held(distanceFrom(play.finalSpot, defense, league) - distanceFrom(play.receivedAt, defense, league));
}

std::int32_t kickDistance(const PlayRecord &play, const LeagueOptions &league)
{
    const bool offense = play.homeHasBall;
    return held(distanceFrom(play.receivedAt, offense, league) - distanceFrom(play.initialSpot, offense, league));
}

std::int32_t endZoneDepth(const LeagueOptions &league)
{
    return league.indoorField ? 8 : 10;
}

std::int32_t fieldGoalDistance(const PlayRecord &play, const LeagueOptions &league)
{
    // The kick is spotted 7 yards behind the line of scrimmage, and the posts
    // stand at the back of the end zone.
    const std::int64_t toGoalLine = fieldLength(league) - distanceFrom(play.initialSpot, play.homeHasBall, league);
    return held(toGoalLine + endZoneDepth(league) + 7);
}

FieldSpot advanceSpot(FieldSpot spot, bool offenseIsHome, std::int32_t yards, const LeagueOptions &league)
{
    const std::int64_t midfield = league.midfieldYardLine;
    // In the offense's own half the yard line grows toward midfield; in the
    // opponent's half it shrinks toward the goal line.
    std::int64_t line =
        spot.homeSide == offenseIsHome ? std::int64_t{spot.yardLine} + yards : std::int64_t{spot.yardLine} - yards;
    if (line > midfield) {
        line = 2 * midfield - line;
        spot.homeSide = !spot.homeSide;
    }
    line = std::clamp<std::int64_t>(line, 0, std::max<std::int64_t>(midfield, 0));
    spot.yardLine = static_cast<std::int32_t>(line);
    return spot;
}

} // namespace yardmark

#include "drivecounter.h"

#include "vocabulary/spots.h"
#include "vocabulary/vocabulary.h"

#include <limits>

namespace yardmark {

namespace {

/// A running yard total that holds at the 32-bit limits on damaged spots.
std::int32_t addYards(std::int32_t total, std::int32_t yards)
{
    const std::int64_t sum = static_cast<std::int64_t>(total) + yards;
    if (sum > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (sum < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(sum);
}

} // namespace

void DriveCounter::count(const PlayRecord &play, const LeagueOptions &options)
{
    const std::int32_t gain = netGain(play, options);
    if (play.scoreType == code(ScoreType::RunbackTouchdown) || play.scoreType == code(ScoreType::DefensiveTouchdown)) {
        m_plays = 1;
        m_yards = gain == std::numeric_limits<std::int32_t>::min() ? std::numeric_limits<std::int32_t>::max() : -gain;
        return;
    }
    const bool notAPlay =
        play.playType >= code(PlayType::ExtraPoint) && play.playType <= code(PlayType::DefensivePenalty);
    if (!notAPlay)
        ++m_plays;
    m_yards = addYards(m_yards, gain);
}

bool lineTeamIsHome(const PlayRecord &play)
{
    switch (fromCode<ScoreType>(play.scoreType)) {
    case ScoreType::NoScore:
    case ScoreType::Touchdown:
    case ScoreType::FieldGoal:
    case ScoreType::ExtraPoint:
    case ScoreType::Conversion:
    case ScoreType::RunbackSafety:
        return play.homeHasBall;
    case ScoreType::RunbackTouchdown:
    case ScoreType::DefensiveTouchdown:
    case ScoreType::DefensiveConversion:
    case ScoreType::Safety:
        break;
    }
    return !play.homeHasBall;
}

const std::string &teamName(const Game &game, bool home)
{
    return home ? game.info.homeTeamName : game.info.visitorTeamName;
}

std::vector<int> nextClockedPlays(const std::vector<PlayRecord> &plays)
{
    std::vector<int> next(plays.size(), -1);
    int following = -1;
    for (std::size_t i = plays.size(); i-- > 0;) {
        if (plays[i].clockMinutes > 0 || plays[i].clockSeconds > 0)
            following = static_cast<int>(i);
        next[i] = following;
    }
    return next;
}

bool isTry(const PlayRecord &play)
{
    return play.playType == code(PlayType::ExtraPoint) || play.playType == code(PlayType::TryByRush) ||
           play.playType == code(PlayType::TryByPass);
}

} // namespace yardmark

#include "drivecounter.h"

#include "saturatingadd.h"

#include "vocabulary/spots.h"
#include "vocabulary/vocabulary.h"

namespace yardmark {

void DriveCounter::count(const PlayRecord &play, const LeagueOptions &options)
{
    const std::int32_t gain = netGain(play, options);
    if (play.scoreType == code(ScoreType::RunbackTouchdown) || play.scoreType == code(ScoreType::DefensiveTouchdown)) {
        m_plays = 1;
        m_yards = 0;
        saturatingAdd(m_yards, -static_cast<std::int64_t>(gain));
        return;
    }
    const bool notAPlay =
        play.playType >= code(PlayType::ExtraPoint) && play.playType <= code(PlayType::DefensivePenalty);
    if (!notAPlay)
        ++m_plays;
    saturatingAdd(m_yards, gain);
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

} // namespace yardmark

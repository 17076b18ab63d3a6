#include "scoring.h"

#include "vocabulary.h"

namespace yardmark {

bool isTry(std::int32_t playType)
{
    return playType == code(PlayType::ExtraPoint) || playType == code(PlayType::TryByRush) ||
           playType == code(PlayType::TryByPass);
}

bool isAnyTouchdown(std::int32_t scoreType)
{
    return scoreType == code(ScoreType::Touchdown) || scoreType == code(ScoreType::RunbackTouchdown) ||
           scoreType == code(ScoreType::DefensiveTouchdown);
}

PlayPoints pointsOfPlay(const PlayRecord &play, const LeagueOptions &league)
{
    int points = 0;
    bool toTeam = true;
    switch (fromCode<ScoreType>(play.scoreType)) {
    case ScoreType::Touchdown:
        points = league.touchdownPoints;
        break;
    case ScoreType::RunbackTouchdown:
    case ScoreType::DefensiveTouchdown:
        points = league.touchdownPoints;
        toTeam = false;
        break;
    case ScoreType::FieldGoal:
        points = league.fieldGoalPoints;
        // Indoors a field goal from the opponent's half is worth a point less.
        if (league.indoorField && play.initialSpot.homeSide != play.homeHasBall)
            points -= 1;
        break;
    case ScoreType::ExtraPoint:
        points = league.extraPointPoints;
        break;
    case ScoreType::Conversion:
        points = league.conversionPoints;
        break;
    case ScoreType::DefensiveConversion:
        points = league.conversionPoints;
        toTeam = false;
        break;
    case ScoreType::Safety:
        points = league.safetyPoints;
        toTeam = false;
        break;
    case ScoreType::RunbackSafety:
        points = league.safetyPoints;
        break;
    default:
        return {};
    }
    const bool toHome = toTeam ? play.homeHasBall : !play.homeHasBall;
    return toHome ? PlayPoints{points, 0} : PlayPoints{0, points};
}

} // namespace yardmark

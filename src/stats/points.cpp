#include "points.h"

#include "vocabulary/vocabulary.h"

namespace yardmark {

namespace {

constexpr std::int32_t kLastRegularQuarter = 3;

struct SidePoints {
    std::int32_t offense = 0; ///< the team with the ball
    std::int32_t defense = 0;
};

SidePoints sidePoints(const PlayRecord &play, const LeagueOptions &options)
{
    switch (fromCode<ScoreType>(play.scoreType)) {
    case ScoreType::Touchdown: return {options.touchdownPoints, 0};
    case ScoreType::RunbackTouchdown:
    case ScoreType::DefensiveTouchdown: return {0, options.touchdownPoints};
    case ScoreType::FieldGoal: {
        const bool fromOpponentHalf = play.initialSpot.homeSide != play.homeHasBall;
        return {options.indoorField && fromOpponentHalf ? options.fieldGoalPoints - 1 : options.fieldGoalPoints, 0};
    }
    case ScoreType::ExtraPoint: return {options.extraPointPoints, 0};
    case ScoreType::Conversion: return {options.conversionPoints, 0};
    case ScoreType::DefensiveConversion: return {0, options.conversionPoints};
    case ScoreType::Safety: return {0, options.safetyPoints};
    case ScoreType::RunbackSafety: return {options.safetyPoints, 0};
    case ScoreType::NoScore: break;
    }
    return {};
}

} // namespace

TeamPoints pointsOfPlay(const PlayRecord &play, const LeagueOptions &options)
{
    const SidePoints points = sidePoints(play, options);
    return play.homeHasBall ? TeamPoints{points.offense, points.defense} : TeamPoints{points.defense, points.offense};
}

TeamPoints gameScore(const Game &game, const LeagueOptions &options)
{
    TeamPoints total;
    for (const PlayRecord &play : game.plays) {
        const TeamPoints points = pointsOfPlay(play, options);
        total.home += points.home;
        total.visitor += points.visitor;
    }
    return total;
}

std::int32_t pointsInPeriod(const Game &game, std::int32_t quarter, bool home, const LeagueOptions &options)
{
    const bool overtime = quarter > kLastRegularQuarter;
    std::int32_t total = 0;
    for (const PlayRecord &play : game.plays) {
        if (play.quarter == quarter || (overtime && play.quarter > kLastRegularQuarter))
            total += pointsOfPlay(play, options).of(home);
    }
    return total;
}

} // namespace yardmark

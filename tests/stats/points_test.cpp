#include "stats/points.h"

#include "stats/gameteamstats.h"

#include "playlist.h"

#include <gtest/gtest.h>

#include <limits>

namespace yardmark {
namespace {

using test::gameOf;
using test::Play;

TEST(PointsTest, EachScoreGoesToItsTeam)
{
    struct Case {
        ScoreType score;
        bool homeHasBall;
        int home, visitor;
    } cases[] = {
        {ScoreType::NoScore, true, 0, 0},
        {ScoreType::Touchdown, true, 6, 0},
        {ScoreType::Touchdown, false, 0, 6},
        {ScoreType::RunbackTouchdown, true, 0, 6},
        {ScoreType::DefensiveTouchdown, false, 6, 0},
        {ScoreType::FieldGoal, true, 3, 0},
        {ScoreType::ExtraPoint, false, 0, 1},
        {ScoreType::Conversion, true, 2, 0},
        {ScoreType::DefensiveConversion, true, 0, 2},
        {ScoreType::Safety, true, 0, 2},
        {ScoreType::RunbackSafety, false, 0, 2},
        {fromCode<ScoreType>(10), true, 0, 0},
        {fromCode<ScoreType>(-1), true, 0, 0},
    };
    const LeagueOptions options;
    for (const Case &c : cases) {
        const Game game = gameOf({Play(PlayType::Rush, c.homeHasBall).quarter(1).score(c.score)});
        EXPECT_EQ(pointsInPeriod(game, 1, true, options), c.home) << code(c.score) << " home " << c.homeHasBall;
        EXPECT_EQ(pointsInPeriod(game, 1, false, options), c.visitor) << code(c.score) << " home " << c.homeHasBall;
        EXPECT_EQ(pointsInPeriod(game, 0, true, options) + pointsInPeriod(game, 0, false, options), 0);
    }
}

TEST(PointsTest, APeriodsPointsStopAtTheLargestTotal)
{
    LeagueOptions options;
    options.touchdownPoints = std::numeric_limits<std::int32_t>::max();
    const Play touchdown = Play(PlayType::Rush, true).score(ScoreType::Touchdown);
    EXPECT_EQ(pointsInPeriod(gameOf({touchdown, touchdown}), 0, true, options),
              std::numeric_limits<std::int32_t>::max());
}

TEST(PointsTest, IndoorFieldGoalFromTheOpponentsHalfIsWorthOneLess)
{
    LeagueOptions indoor;
    indoor.indoorField = true;
    indoor.midfieldYardLine = 25;
    for (bool home : {true, false}) {
        const Game game = gameOf({
            Play(PlayType::FieldGoal, home).from(40, 25).score(ScoreType::FieldGoal),
            Play(PlayType::FieldGoal, home).quarter(1).from(20, 25).score(ScoreType::FieldGoal),
        });
        EXPECT_EQ(pointsInPeriod(game, 0, home, indoor), 2);
        EXPECT_EQ(pointsInPeriod(game, 1, home, indoor), 3);
        EXPECT_EQ(computeGameTeamStats(game, home, 0, 3, indoor).totalPoints, 5);
    }
}

TEST(PointsTest, PointsInPeriodTakesAllOvertimeTogether)
{
    const Game game = gameOf({
        Play(PlayType::Rush, true).quarter(0).score(ScoreType::Touchdown),
        Play(PlayType::ExtraPoint, true).quarter(0).score(ScoreType::ExtraPoint),
        Play(PlayType::FieldGoal, false).quarter(3).score(ScoreType::FieldGoal),
        Play(PlayType::Pass, false).quarter(4).score(ScoreType::Touchdown),
        Play(PlayType::Rush, true).quarter(5).score(ScoreType::Touchdown),
        Play(PlayType::Pass, true).quarter(6).score(ScoreType::DefensiveTouchdown),
    });
    const LeagueOptions options;
    EXPECT_EQ(pointsInPeriod(game, 0, true, options), 7);
    EXPECT_EQ(pointsInPeriod(game, 0, false, options), 0);
    EXPECT_EQ(pointsInPeriod(game, 3, false, options), 3);
    EXPECT_EQ(pointsInPeriod(game, 4, true, options), 6);
    EXPECT_EQ(pointsInPeriod(game, 4, false, options), 12);
    EXPECT_EQ(pointsInPeriod(game, 9, false, options), 12);
}

} // namespace
} // namespace yardmark

#include "stats/points.h"

#include "playlist.h"

#include <gtest/gtest.h>

namespace yardmark {
namespace {

using test::gameOf;
using test::Play;

TEST(PointsTest, EachScoreGoesToItsTeam)
{
    struct Case {
        ScoreType score;
        bool homeHasBall;
        TeamPoints expected;
    } cases[] = {
        {ScoreType::NoScore, true, {0, 0}},
        {ScoreType::Touchdown, true, {6, 0}},
        {ScoreType::Touchdown, false, {0, 6}},
        {ScoreType::RunbackTouchdown, true, {0, 6}},
        {ScoreType::DefensiveTouchdown, false, {6, 0}},
        {ScoreType::FieldGoal, true, {3, 0}},
        {ScoreType::ExtraPoint, false, {0, 1}},
        {ScoreType::Conversion, true, {2, 0}},
        {ScoreType::DefensiveConversion, true, {0, 2}},
        {ScoreType::Safety, true, {0, 2}},
        {ScoreType::RunbackSafety, false, {0, 2}},
        {fromCode<ScoreType>(10), true, {0, 0}},
        {fromCode<ScoreType>(-1), true, {0, 0}},
    };
    const LeagueOptions options;
    for (const Case &c : cases) {
        const PlayRecord play = Play(PlayType::Rush, c.homeHasBall).score(c.score);
        EXPECT_EQ(pointsOfPlay(play, options), c.expected) << code(c.score) << " home " << c.homeHasBall;
    }
}

TEST(PointsTest, LeagueValuesAreUsed)
{
    LeagueOptions options;
    options.touchdownPoints = 7;
    options.safetyPoints = 3;
    EXPECT_EQ(pointsOfPlay(Play(PlayType::Rush, true).score(ScoreType::Touchdown), options), (TeamPoints{7, 0}));
    EXPECT_EQ(pointsOfPlay(Play(PlayType::Rush, false).score(ScoreType::Safety), options), (TeamPoints{3, 0}));
}

TEST(PointsTest, IndoorFieldGoalFromTheOpponentsHalfIsWorthOneLess)
{
    LeagueOptions indoor;
    indoor.indoorField = true;
    indoor.midfieldYardLine = 25;
    for (bool home : {true, false}) {
        const PlayRecord opponentHalf = Play(PlayType::FieldGoal, home).from(40, 25).score(ScoreType::FieldGoal);
        const PlayRecord ownHalf = Play(PlayType::FieldGoal, home).from(20, 25).score(ScoreType::FieldGoal);
        EXPECT_EQ(pointsOfPlay(opponentHalf, indoor).of(home), 2);
        EXPECT_EQ(pointsOfPlay(ownHalf, indoor).of(home), 3);
        // Outdoors the spot does not matter.
        EXPECT_EQ(pointsOfPlay(Play(PlayType::FieldGoal, home).from(80).score(ScoreType::FieldGoal), {}).of(home), 3);
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
    EXPECT_EQ(gameScore(game, options), (TeamPoints{13, 15}));
}

} // namespace
} // namespace yardmark

#include "vocabulary/scoring.h"

#include "support/sides.h"
#include "vocabulary/vocabulary.h"

#include <gtest/gtest.h>

namespace yardmark {
namespace {

struct ScoreCase {
    ScoreType score;
    bool offenseHome;
    bool indoor;
    FieldSpot initialSpot;
    int home;
    int visitor;
};

class PointsOfPlayTest : public ::testing::TestWithParam<ScoreCase> {};

TEST_P(PointsOfPlayTest, GoesToTheRightTeam)
{
    const ScoreCase &c = GetParam();
    LeagueOptions league;
    league.indoorField = c.indoor;
    league.midfieldYardLine = midfieldFor(c.indoor);
    league.extraPointPoints = 1;
    league.conversionPoints = 2;
    PlayRecord play;
    play.scoreType = code(c.score);
    play.homeHasBall = c.offenseHome;
    play.initialSpot = c.initialSpot;
    const PlayPoints points = pointsOfPlay(play, league);
    EXPECT_EQ(points.home, c.home);
    EXPECT_EQ(points.visitor, c.visitor);
}

INSTANTIATE_TEST_SUITE_P(ScoreTypes, PointsOfPlayTest,
                         ::testing::Values(ScoreCase{ScoreType::Touchdown, kHome, false, {}, 6, 0},
                                           ScoreCase{ScoreType::RunbackTouchdown, kHome, false, {}, 0, 6},
                                           ScoreCase{ScoreType::DefensiveTouchdown, kVisitor, false, {}, 6, 0},
                                           ScoreCase{ScoreType::FieldGoal, kVisitor, false, {20, kHome}, 0, 3},
                                           ScoreCase{ScoreType::FieldGoal, kHome, true, {10, kVisitor}, 2, 0},
                                           ScoreCase{ScoreType::FieldGoal, kHome, true, {20, kHome}, 3, 0},
                                           ScoreCase{ScoreType::ExtraPoint, kVisitor, false, {}, 0, 1},
                                           ScoreCase{ScoreType::Conversion, kHome, false, {}, 2, 0},
                                           ScoreCase{ScoreType::DefensiveConversion, kHome, false, {}, 0, 2},
                                           ScoreCase{ScoreType::Safety, kHome, false, {}, 0, 2},
                                           ScoreCase{ScoreType::RunbackSafety, kHome, false, {}, 2, 0},
                                           ScoreCase{ScoreType::NoScore, kHome, false, {}, 0, 0},
                                           ScoreCase{fromCode<ScoreType>(42), kHome, false, {}, 0, 0}));

} // namespace
} // namespace yardmark

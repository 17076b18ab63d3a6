#include "gameflow/gamerules.h"
#include "support/sides.h"
#include "vocabulary/vocabulary.h"

#include <gtest/gtest.h>

namespace yardmark {
namespace {

struct OutcomeCase {
    const char *name;
    PlayType type;
    bool offenseHome;
    ScoreType score;
    std::int32_t turnover;
    KickResult kick;
    GameSituation before;
    // expected
    bool homeHasBall;
    std::int32_t down;
    std::int32_t toGo;
    FieldSpot spot;
    bool tryPending;
    bool kickoffPending;
};

GameSituation at(std::int32_t down, std::int32_t toGo, FieldSpot spot, bool homeHasBall = kHome)
{
    GameSituation s;
    s.down = down;
    s.toGo = toGo;
    s.ballSpot = spot;
    s.homeHasBall = homeHasBall;
    return s;
}

// clang-format off
const OutcomeCase kOutcomeCases[] = {
    {"home rushing touchdown: try on the visitor's half", PlayType::Rush, kHome, ScoreType::Touchdown, 0,
     KickResult::NoKick, at(2, 5, {0, kVisitor}), kHome, 0, 3, {3, kVisitor}, true, false},
    {"visitor passing touchdown", PlayType::Pass, kVisitor, ScoreType::Touchdown, 0, KickResult::NoKick,
     at(0, 10, {0, kHome}, kVisitor), kVisitor, 0, 3, {3, kHome}, true, false},
    {"interception returned for a touchdown: distance 10 after the scrimmage step", PlayType::Pass, kHome,
     ScoreType::DefensiveTouchdown, 2, KickResult::NoKick, at(1, 10, {0, kHome}), kVisitor, 0, 10, {3, kHome},
     true, false},
    {"kickoff returned for a touchdown: distance 10 after the kick step", PlayType::KickOff, kHome,
     ScoreType::RunbackTouchdown, 0, KickResult::Runback, at(0, 10, {0, kHome}), kVisitor, 0, 10, {3, kHome}, true,
     false},
    {"extra point good: the trying team kicks off", PlayType::ExtraPoint, kVisitor, ScoreType::ExtraPoint, 0,
     KickResult::FieldGoalGood, at(0, 3, {3, kHome}, kVisitor), kVisitor, 0, 10, {35, kVisitor}, false, true},
    {"failed rush try: the trying team kicks off all the same", PlayType::TryByRush, kHome, ScoreType::NoScore, 0,
     KickResult::NoKick, at(0, 3, {2, kVisitor}), kHome, 0, 10, {35, kHome}, false, true},
    {"pass try intercepted: still the trying team kicks", PlayType::TryByPass, kHome, ScoreType::NoScore, 2,
     KickResult::NoKick, at(0, 3, {3, kVisitor}, kVisitor), kHome, 0, 10, {35, kHome}, false, true},
    {"safety: the team tackled kicks from the after-safety line", PlayType::Rush, kHome, ScoreType::Safety, 0,
     KickResult::NoKick, at(2, 8, {0, kHome}), kHome, 0, 10, {25, kHome}, false, true},
    {"safety on a runback: the other team kicks", PlayType::Punt, kHome, ScoreType::RunbackSafety, 0,
     KickResult::Runback, at(0, 10, {0, kVisitor}), kVisitor, 0, 10, {25, kVisitor}, false, true},
    {"good field goal: the kicking team kicks off", PlayType::FieldGoal, kHome, ScoreType::FieldGoal, 0,
     KickResult::FieldGoalGood, at(3, 6, {20, kVisitor}), kHome, 0, 10, {35, kHome}, false, true},
    {"missed field goal: the defense takes first and ten", PlayType::FieldGoal, kHome, ScoreType::NoScore, 0,
     KickResult::FieldGoalWideLeft, at(3, 7, {20, kVisitor}), kVisitor, 0, 10, {20, kVisitor}, false, false},
    {"blocked field goal kept by the kicking team: still the defense's first and ten", PlayType::FieldGoal, kVisitor,
     ScoreType::NoScore, 0, KickResult::BlockedFieldGoal, at(2, 4, {33, kHome}, kVisitor), kHome, 0, 10,
     {33, kHome}, false, false},
    {"blocked field goal returned for a touchdown: the try's distance", PlayType::FieldGoal, kHome,
     ScoreType::RunbackTouchdown, 4, KickResult::BlockedFieldGoal, at(3, 5, {0, kHome}), kVisitor, 0, 3,
     {3, kHome}, true, false},
    {"punt returned: receiving team first and ten", PlayType::Punt, kHome, ScoreType::NoScore, 0,
     KickResult::Runback, at(3, 4, {30, kVisitor}), kVisitor, 0, 10, {30, kVisitor}, false, false},
    {"punt fumbled back to the kicking team", PlayType::Punt, kHome, ScoreType::NoScore, 1, KickResult::Runback,
     at(3, 4, {20, kVisitor}), kHome, 0, 10, {20, kVisitor}, false, false},
    {"blocked punt lost to the receiving team", PlayType::Punt, kVisitor, ScoreType::NoScore, 4,
     KickResult::BlockedPunt, at(3, 9, {15, kVisitor}, kVisitor), kHome, 0, 10, {15, kVisitor}, false, false},
    {"kickoff received", PlayType::KickOff, kVisitor, ScoreType::NoScore, 0, KickResult::Runback,
     at(0, 10, {28, kHome}, kVisitor), kHome, 0, 10, {28, kHome}, false, false},
    {"onside kick kept by the kicking team", PlayType::OnsideKick, kHome, ScoreType::NoScore, 5,
     KickResult::OnsideSuccessful, at(0, 10, {45, kHome}), kHome, 0, 10, {45, kHome}, false, false},
    {"onside kick recovered by the receiving team", PlayType::OnsideKick, kHome, ScoreType::NoScore, 0,
     KickResult::OnsideUnsuccessful, at(3, 2, {47, kHome}), kVisitor, 0, 10, {47, kHome}, false, false},
    {"rush with a fumble lost", PlayType::Rush, kHome, ScoreType::NoScore, 1, KickResult::NoKick,
     at(2, 3, {40, kHome}), kVisitor, 0, 10, {40, kHome}, false, false},
    {"turnover on downs", PlayType::Rush, kVisitor, ScoreType::NoScore, 3, KickResult::NoKick,
     at(3, 7, {30, kHome}, kVisitor), kHome, 0, 10, {30, kHome}, false, false},
    {"plain rush gives the ball back to the rushing team", PlayType::Rush, kVisitor, ScoreType::NoScore, 0,
     KickResult::NoKick, at(1, 6, {30, kHome}, kHome), kVisitor, 1, 6, {30, kHome}, false, false},
    {"penalty changes nothing", PlayType::OffensivePenalty, kHome, ScoreType::NoScore, 0, KickResult::NoKick,
     at(1, 15, {25, kHome}, kVisitor), kVisitor, 1, 15, {25, kHome}, false, false},
    {"time-out changes nothing", PlayType::VisitorTimeOut, kHome, ScoreType::NoScore, 0, KickResult::NoKick,
     at(2, 4, {12, kVisitor}), kHome, 2, 4, {12, kVisitor}, false, false},
};
// clang-format on

class ApplyPlayOutcomeTest : public ::testing::TestWithParam<OutcomeCase> {};

TEST_P(ApplyPlayOutcomeTest, SetsTheNextSituation)
{
    const OutcomeCase &c = GetParam();
    PlayRecord play;
    play.playType = code(c.type);
    play.homeHasBall = c.offenseHome;
    play.scoreType = code(c.score);
    play.turnover = c.turnover;
    play.kickResult = code(c.kick);
    GameSituation situation = c.before;
    Game game;
    applyPlayOutcome(play, situation, game, LeagueOptions{});
    EXPECT_EQ(situation.homeHasBall, c.homeHasBall);
    EXPECT_EQ(situation.down, c.down);
    EXPECT_EQ(situation.toGo, c.toGo);
    EXPECT_EQ(situation.ballSpot, c.spot);
    EXPECT_EQ(game.tryPending, c.tryPending);
    EXPECT_EQ(game.kickoffPending, c.kickoffPending);
}

INSTANTIATE_TEST_SUITE_P(Plays, ApplyPlayOutcomeTest, ::testing::ValuesIn(kOutcomeCases),
                         [](const auto &info) { return "case" + std::to_string(info.index); });

TEST(ApplyPlayOutcomeTest, PenaltyKeepsPendingFlags)
{
    Game game;
    game.tryPending = true;
    GameSituation situation;
    PlayRecord penalty;
    penalty.playType = code(PlayType::DefensivePenalty);
    applyPlayOutcome(penalty, situation, game, LeagueOptions{});
    EXPECT_TRUE(game.tryPending);
    EXPECT_FALSE(game.kickoffPending);
}

TEST(RecomputeScoreTest, SumsEveryPlayFromZero)
{
    Game game;
    game.homeScore = 99;
    game.visitorScore = 99;
    for (auto [score, home] : {std::pair{ScoreType::Touchdown, kHome},
                               {ScoreType::ExtraPoint, kHome},
                               {ScoreType::FieldGoal, kVisitor},
                               {ScoreType::Safety, kHome}}) {
        PlayRecord play;
        play.scoreType = code(score);
        play.homeHasBall = home;
        game.plays.push_back(play);
    }
    LeagueOptions league;
    league.touchdownPoints = 7;
    recomputeScore(game, league);
    EXPECT_EQ(game.homeScore, 8);
    EXPECT_EQ(game.visitorScore, 5);
}

TEST(TimeOutsUsedTest, CountsPerHalfAndPerOvertimePeriod)
{
    Game game;
    const auto add = [&](PlayType type, int quarter) {
        PlayRecord play;
        play.playType = code(type);
        play.quarter = quarter;
        game.plays.push_back(play);
    };
    add(PlayType::HomeTimeOut, 0);
    add(PlayType::HomeTimeOut, 1);
    add(PlayType::VisitorTimeOut, 1);
    add(PlayType::HomeTimeOut, 3);
    add(PlayType::HomeTimeOut, 4);
    add(PlayType::HomeTimeOut, 5);
    add(PlayType::HomeTimeOut, 5);
    add(PlayType::Rush, 5);
    const struct {
        int quarter;
        int home;
        int visitor;
    } expected[] = {{0, 2, 1}, {1, 2, 1}, {2, 1, 0}, {3, 1, 0}, {4, 1, 0}, {5, 2, 0}, {6, 0, 0}};
    for (const auto &e : expected) {
        EXPECT_EQ(timeOutsUsed(game, true, e.quarter), e.home) << "quarter " << e.quarter;
        EXPECT_EQ(timeOutsUsed(game, false, e.quarter), e.visitor) << "quarter " << e.quarter;
    }
}

TEST(NewPlayFromSituationTest, CarriesTheSituationAndThePenaltySpotOnly)
{
    GameSituation situation = at(2, 7, {33, kVisitor}, kVisitor);
    situation.quarter = 3;
    const PlayRecord play = newPlayFromSituation(situation, FieldSpot{12, true});
    PlayRecord expected;
    expected.homeHasBall = kVisitor;
    expected.quarter = 3;
    expected.downBefore = 2;
    expected.toGoBefore = 7;
    expected.initialSpot = {33, kVisitor};
    expected.penaltySpot = {12, true};
    EXPECT_EQ(play, expected);
}

} // namespace
} // namespace yardmark

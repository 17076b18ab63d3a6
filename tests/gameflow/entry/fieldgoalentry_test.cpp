#include "gameflow/entry/fieldgoalentry.h"

#include "kickfixture.h"

namespace yardmark {
namespace {

/// The Tigers line up for a kick from the Bears' 20, third and 7.
class FieldGoalTest : public KickTest {
protected:
    FieldGoalTest()
    {
        game.kickoffPending = false;
        game.homeTeam.currentFieldGoalKicker = "Adams";
        situation.down = 2;
        situation.toGo = 7;
        situation.ballSpot = {20, false};
        newPlay();
    }

    /// The situation of a try after a Tigers touchdown.
    void setUpTry()
    {
        game.tryPending = true;
        situation.down = 0;
        situation.toGo = 3;
        situation.ballSpot = {3, false};
        newPlay();
    }
};

TEST_F(FieldGoalTest, SetUpNamesTheKickAndPreselectsTheKicker)
{
    FieldGoalEntry dialog(context);
    EXPECT_EQ(dialog.form().caption, "Field Goal Attempt - Tigers");
    EXPECT_EQ(dialog.form().kicker, (PlayerEntry{" 3", 0}));
    EXPECT_EQ(dialog.form().result, FieldGoalResult::Good);
    EXPECT_EQ(dialog.form().finalSpot, (SpotEntry{false, ""}));
    setUpTry();
    FieldGoalEntry extraPoint(context);
    EXPECT_EQ(extraPoint.form().caption, "Extra Point Attempt - Tigers");
}

TEST_F(FieldGoalTest, GoodKickScoresAndLeavesTheBallAtTheLineOfScrimmage)
{
    FieldGoalEntry dialog(context);
    dialog.form().kicker = PlayerEntry{"7", -1};
    ASSERT_TRUE(dialog.ok());
    EXPECT_EQ(play.playType, code(PlayType::FieldGoal));
    EXPECT_EQ(play.kickResult, code(KickResult::FieldGoalGood));
    EXPECT_EQ(play.scoreType, code(ScoreType::FieldGoal));
    EXPECT_EQ(play.finalSpot, (FieldSpot{0, false}));
    EXPECT_EQ(situation.ballSpot, (FieldSpot{20, false}));
    EXPECT_EQ(play.downAfter, 2);
    EXPECT_EQ(play.toGoAfter, 7);
    EXPECT_EQ(play.players[QuarterbackSlot].name, "Baker");
    EXPECT_EQ(game.homeTeam.currentFieldGoalKicker, "Adams");
    EXPECT_EQ(ui.log, (std::vector<std::string>{"sound 601"}));
}

TEST_F(FieldGoalTest, TriesScoreAnExtraPointAndNeverAskForTheClock)
{
    struct Case {
        FieldGoalResult result;
        ScoreType score;
        KickResult kick;
    };
    const Case cases[] = {
        {FieldGoalResult::Good, ScoreType::ExtraPoint, KickResult::FieldGoalGood},
        {FieldGoalResult::WideLeft, ScoreType::NoScore, KickResult::FieldGoalWideLeft},
        {FieldGoalResult::Short, ScoreType::NoScore, KickResult::FieldGoalShort},
    };
    for (const Case &c : cases) {
        setUpTry();
        ui.clear();
        FieldGoalEntry dialog(context);
        dialog.chooseResult(c.result);
        ASSERT_TRUE(dialog.ok());
        EXPECT_EQ(play.playType, code(PlayType::ExtraPoint));
        EXPECT_EQ(play.scoreType, code(c.score));
        EXPECT_EQ(play.kickResult, code(c.kick));
        EXPECT_EQ(situation.ballSpot, (FieldSpot{3, false})) << "a missed try is not brought out to the 20";
        EXPECT_FALSE(recordTimeAsked());
    }
}

TEST_F(FieldGoalTest, MissedKickFromInsideTheTwentyComesOutToIt)
{
    struct Case {
        bool indoor;
        FieldSpot from;
        std::string finalYard;
        FieldSpot ballSpot;
    };
    const Case cases[] = {
        {false, {8, false}, "", {20, false}},   {true, {8, false}, "", {15, false}},
        {false, {8, false}, "4", {20, false}},  {false, {30, false}, "", {30, false}},
        {false, {20, false}, "g", {20, false}}, {false, {30, false}, "25", {25, false}},
    };
    for (const Case &c : cases) {
        league.indoorField = c.indoor;
        league.midfieldYardLine = midfieldFor(c.indoor);
        situation.ballSpot = c.from;
        newPlay();
        ui.clear();
        FieldGoalEntry dialog(context);
        dialog.chooseResult(FieldGoalResult::WideRight);
        dialog.form().finalSpot.yardText = c.finalYard;
        ASSERT_TRUE(dialog.ok());
        EXPECT_EQ(play.kickResult, code(KickResult::FieldGoalWideRight));
        EXPECT_EQ(situation.ballSpot, c.ballSpot) << c.from.yardLine << " " << c.finalYard;
        EXPECT_EQ(play.finalSpot, c.ballSpot) << c.from.yardLine << " " << c.finalYard;
        EXPECT_EQ(ui.log, (std::vector<std::string>{"sound 601", "Record Time"}));
    }
}

TEST_F(FieldGoalTest, MissedKickGivesTheDefenseTheBall)
{
    FieldGoalEntry dialog(context);
    dialog.chooseResult(FieldGoalResult::Short);
    ASSERT_TRUE(dialog.ok());
    applyPlayOutcome(play, situation, game, league);
    EXPECT_FALSE(situation.homeHasBall);
    EXPECT_EQ(situation.ballSpot, (FieldSpot{20, false}));
}

TEST_F(FieldGoalTest, BlockedKickSelectorAndRecoveryBoxes)
{
    FieldGoalEntry dialog(context);
    FumblePlayEntry &asEntryDialog = dialog;
    asEntryDialog.setRecoveredBy(true);
    EXPECT_EQ(dialog.form().result, FieldGoalResult::NoKick) << "a loose ball before the kick";
    EXPECT_EQ(dialog.form().fumbles.form.recoveredAt, visitorSpot("20"));

    dialog.chooseResult(FieldGoalResult::Blocked);
    EXPECT_EQ(dialog.form().fumbles.selectorEntries,
              (std::array<std::string, 3>{"Blocked Field Goal", "Fumble 1", "Fumble 2"}));
    EXPECT_EQ(play.kickResult, code(KickResult::BlockedFieldGoal));
    dialog.setRecoveredBy(false);
    EXPECT_EQ(dialog.form().result, FieldGoalResult::Blocked);
}

TEST_F(FieldGoalTest, RecoveriesDecideTurnoverAndScore)
{
    struct Case {
        bool tryPending;
        bool blocked;
        std::vector<bool> recoveredByHome; // home kicks
        SpotEntry end;
        std::int32_t turnover;
        ScoreType score;
    };
    const Case cases[] = {
        {false, true, {false}, visitorSpot("30"), 4, ScoreType::NoScore},
        {false, true, {true}, visitorSpot("25"), 0, ScoreType::NoScore},
        {false, false, {false}, visitorSpot("30"), 1, ScoreType::NoScore},
        {false, true, {false, true}, visitorSpot("30"), 0, ScoreType::NoScore},
        {false, true, {false}, homeSpot("G"), 4, ScoreType::RunbackTouchdown},
        {false, true, {true}, homeSpot("0"), 0, ScoreType::RunbackTouchdown},
        {false, true, {false}, visitorSpot("0"), 4, ScoreType::Touchdown},
        {false, false, {true}, visitorSpot("0"), 0, ScoreType::RunbackSafety},
        {true, true, {false}, homeSpot("0"), 4, ScoreType::DefensiveConversion},
        {true, true, {true}, visitorSpot("0"), 0, ScoreType::Conversion},
        {true, true, {false}, visitorSpot("0"), 4, ScoreType::NoScore},
    };
    for (const Case &c : cases) {
        game.tryPending = c.tryPending;
        newPlay();
        FieldGoalEntry dialog(context);
        if (c.blocked)
            dialog.chooseResult(FieldGoalResult::Blocked);
        for (std::size_t i = 0; i < c.recoveredByHome.size(); ++i) {
            ASSERT_TRUE(dialog.selectFumble(static_cast<int>(i)));
            dialog.setRecoveredBy(c.recoveredByHome[i]);
            dialog.setReturnedTo(c.end);
        }
        ASSERT_TRUE(dialog.ok());
        const std::string label =
            std::to_string(c.tryPending) + std::to_string(c.blocked) + c.end.yardText + std::to_string(*c.end.homeSide);
        EXPECT_EQ(play.turnover, c.turnover) << label;
        EXPECT_EQ(play.scoreType, code(c.score)) << label;
        situation.ballSpot = {20, false};
    }
}

TEST_F(FieldGoalTest, GoodKickFromTheGoalLineStillScoresTheFieldGoal)
{
    situation.ballSpot = {0, false};
    newPlay();
    FieldGoalEntry dialog(context);
    ASSERT_TRUE(dialog.ok());
    EXPECT_EQ(play.scoreType, code(ScoreType::FieldGoal));
}

} // namespace
} // namespace yardmark

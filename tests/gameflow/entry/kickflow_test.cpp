#include "../flowfixture.h"
#include "gameflow/entry/fieldgoalentry.h"
#include "gameflow/entry/kickoffentry.h"
#include "gameflow/entry/puntentry.h"

namespace yardmark {
namespace {

/// The game window recording kicks through the real dialogs, each filled as
/// a scorer's script fills it.
class KickFlowTest : public FlowTest {
protected:
    KickFlowTest()
    {
        ui.playDialog = [this](PlayKind kind, PlayEntryContext &context) {
            switch (kind) {
            case PlayKind::KickOff:
                return runKickOffEntry(context, kickOff);
            case PlayKind::Punt:
                return runPuntEntry(context, punt);
            case PlayKind::FieldGoal:
                return runFieldGoalEntry(context, fieldGoal);
            default:
                return false;
            }
        };
    }

    std::function<bool(KickOffEntry &)> kickOff;
    std::function<bool(PuntEntry &)> punt;
    std::function<bool(FieldGoalEntry &)> fieldGoal;
};

TEST_F(KickFlowTest, OpeningKickoffPuntAndFieldGoal)
{
    // The Tigers kick off; the Bears return it to their 28.
    kickOff = [](KickOffEntry &d) {
        d.chooseResult(KickOffResult::Returned);
        d.setKickedTo({false, "5"});
        d.setFinalSpot({false, "28"});
        d.form().keep = KickKeep::Result; // no returner typed
        return true;
    };
    ui.teams.push_back(TeamChoice::Home);
    flow.open();
    ASSERT_EQ(game.plays.size(), 1u);
    EXPECT_EQ(flow.playList().back(), "1st Q, H,  kicks off to the 5, returned by  for 23");
    EXPECT_FALSE(flow.situation().homeHasBall);
    EXPECT_EQ(flow.situation().ballSpot, (FieldSpot{28, false}));
    EXPECT_EQ(flow.situation().down, 0);
    EXPECT_EQ(flow.situation().toGo, 10);
    EXPECT_FALSE(game.kickoffPending);

    // The Bears punt from their 28 to the Tigers' 30, returned to the 38.
    punt = [](PuntEntry &d) {
        d.setPuntedTo({true, "30"});
        d.setFinalSpot({true, "38"});
        d.form().keep = KickKeep::Result;
        return true;
    };
    flow.recordPlay(PlayKind::Punt);
    ASSERT_EQ(game.plays.size(), 2u);
    EXPECT_EQ(flow.playList().back(), "1st Q, V,  42 yard punt, returned by  for 8");
    EXPECT_TRUE(flow.situation().homeHasBall);
    EXPECT_EQ(flow.situation().ballSpot, (FieldSpot{38, true}));

    // A Tigers field goal from their 38 scores and puts a kickoff due.
    fieldGoal = [](FieldGoalEntry &) { return true; };
    flow.recordPlay(PlayKind::FieldGoal);
    EXPECT_EQ(game.homeScore, 3);
    EXPECT_TRUE(game.kickoffPending);
    EXPECT_TRUE(flow.situation().homeHasBall);
    EXPECT_EQ(flow.situation().ballSpot, (FieldSpot{35, true}));
}

TEST_F(KickFlowTest, KickoffOutOfBoundsKickedOverStaysDue)
{
    kickOff = [](KickOffEntry &d) {
        d.chooseResult(KickOffResult::OutOfBounds);
        return true;
    };
    ui.teams.push_back(TeamChoice::Visitor);
    ui.replies.push_back(MessageAnswer::Yes);
    flow.open();
    ASSERT_EQ(game.plays.size(), 1u);
    EXPECT_EQ(game.plays[0].playType, code(PlayType::OffensivePenalty));
    EXPECT_TRUE(game.kickoffPending);
    EXPECT_FALSE(flow.situation().homeHasBall);
    EXPECT_EQ(flow.situation().ballSpot, (FieldSpot{30, false}));
    EXPECT_EQ(flow.playList().back(), "1st Q, V, 1st D, Bears - Kick Off Out Of Bounds for -5");
}

} // namespace
} // namespace yardmark

#include "../flowfixture.h"
#include "gameflow/entry/passentry.h"
#include "gameflow/entry/penaltyentry.h"
#include "gameflow/entry/rushentry.h"

namespace yardmark {
namespace {

EntryScript rush(SpotEntry finalSpot)
{
    return [=](PlayEntryContext &c) {
        return runRushEntry(c, [=](RushEntry &d) {
            d.setFinalSpot(finalSpot);
            return true;
        });
    };
}

EntryScript pass(PassResult result, SpotEntry finalSpot)
{
    return [=](PlayEntryContext &c) {
        return runPassEntry(c, [=](PassEntry &d) {
            d.setResult(code(result));
            d.setFinalSpot(finalSpot);
            return true;
        });
    };
}

// The entry dialogs leave what the window needs: the engine appends each
// accepted play and applies its outcome on top of the situation they wrote.
TEST_F(FlowTest, DriveTouchdownAndTryThroughTheEntryDialogs)
{
    openWithHomeKickoff(); // the Bears take over on their 30
    game.visitorTeam.players = {{"Ortiz", 12, 1, 0, 1}};
    game.visitorTeam.currentQuarterback = "Ortiz";

    entries.push_back(pass(PassResult::Completion, {true, "20"}));
    flow.recordPlay(PlayKind::Pass);
    EXPECT_EQ(flow.situation().ballSpot, (FieldSpot{20, true}));
    EXPECT_EQ(flow.situation().down, 0);
    EXPECT_EQ(flow.situation().toGo, 10);
    EXPECT_EQ(game.plays.back().players[QuarterbackSlot].name, "Ortiz");

    entries.push_back([](PlayEntryContext &c) {
        return runOffensivePenaltyEntry(c, [](PenaltyEntry &d) {
            d.choosePenalty(code(OffensivePenalty::FalseStart));
            return true;
        });
    });
    ui.clear();
    flow.recordPlay(PlayKind::OffensivePenalty);
    EXPECT_EQ(ui.sounds.front(), kWarningSound);
    EXPECT_EQ(flow.situation().ballSpot, (FieldSpot{25, true}));
    EXPECT_EQ(flow.situation().toGo, 15);
    EXPECT_FALSE(flow.situation().homeHasBall);

    entries.push_back(rush({true, "G"}));
    flow.recordPlay(PlayKind::Rush);
    EXPECT_EQ(game.plays.back().scoreType, code(ScoreType::Touchdown));
    EXPECT_TRUE(game.tryPending);
    EXPECT_EQ(flow.labels(), kTryLabels);
    EXPECT_FALSE(flow.situation().homeHasBall);
    EXPECT_EQ(flow.situation().ballSpot, (FieldSpot{3, true}));

    entries.push_back(pass(PassResult::Completion, {true, "g"}));
    flow.recordPlay(PlayKind::Pass);
    EXPECT_EQ(game.plays.back().playType, code(PlayType::TryByPass));
    EXPECT_EQ(game.plays.back().scoreType, code(ScoreType::Conversion));
    EXPECT_FALSE(game.tryPending);
    EXPECT_TRUE(game.kickoffPending);
    EXPECT_EQ(game.playCount(), 5);
    EXPECT_EQ(game.visitorScore, 8);
    EXPECT_EQ(game.homeScore, 0);
}

TEST_F(FlowTest, TurnoverOnDownsHandsTheBallOverAfterRecordTime)
{
    openWithHomeKickoff();
    ui.time = RecordTimeForm{"4", "12", {}, {}};
    flow.downUp();
    flow.downUp();
    flow.downUp();
    ui.clear();
    entries.push_back(rush({false, "33"}));
    flow.recordPlay(PlayKind::Rush);
    const PlayRecord &play = game.plays.back();
    EXPECT_EQ(play.turnover, code(TurnoverKind::OnDowns));
    EXPECT_EQ(play.clockMinutes, 4);
    EXPECT_EQ(play.clockSeconds, 12);
    EXPECT_TRUE(flow.situation().homeHasBall);
    EXPECT_EQ(flow.situation().ballSpot, (FieldSpot{33, false}));
    EXPECT_EQ(flow.situation().down, 0);
    EXPECT_EQ(flow.situation().toGo, 10);
    EXPECT_EQ(ui.log, (std::vector<std::string>{"sound 601", "dialog 3", "sound 601", "Record Time"}));
}

} // namespace
} // namespace yardmark

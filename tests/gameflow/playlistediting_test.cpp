#include "flowfixture.h"
#include "records/gamefile.h"

#include <gtest/gtest.h>

namespace yardmark {
namespace {

using Log = std::vector<std::string>;

/// A game opened on three recorded plays: the kickoff, a 6-yard rush and a
/// 20-yard pass, all by the visitor after the home kickoff.
class PlayListTest : public FlowTest {
protected:
    void SetUp() override
    {
        openWithHomeKickoff();
        entries.push_back(scrimmage(PlayType::Rush, {36, false}, 1, 4));
        flow.recordPlay(PlayKind::Rush);
        entries.push_back(scrimmage(PlayType::Pass, {44, true}, 0, 10));
        flow.recordPlay(PlayKind::Pass);
        ui.clear();
    }

    std::vector<std::int32_t> playTypes() const
    {
        std::vector<std::int32_t> types;
        for (const PlayRecord &play : game.plays)
            types.push_back(play.playType);
        return types;
    }

    static constexpr std::int32_t kKickOff = 4, kRush = 1, kPass = 2, kPunt = 3, kHomeTimeOut = 10;
};

TEST_F(PlayListTest, EveryCommandNeedsASelectedPlay)
{
    const struct {
        void (GameFlow::*command)(int);
        int index;
        std::string message;
    } cases[] = {{&GameFlow::editPlay, -1, "No Play Selected: Select Play to Edit"},
                 {&GameFlow::deletePlay, -1, "No Play Selected: Select Play to Delete"},
                 {&GameFlow::insertPlay, -1, "No Play Selected: Select play that new play will be inserted after"},
                 {&GameFlow::editPlay, 3, "No Play Selected: Select Play to Edit"},
                 {&GameFlow::insertPlay, 2, "Last Play Selected: No need to insert after last play"}};
    for (const auto &c : cases) {
        ui.clear();
        (flow.*c.command)(c.index);
        EXPECT_EQ(ui.log, Log{c.message});
    }
    EXPECT_EQ(game.playCount(), 3);
}

// Edit -----------------------------------------------------------------------

TEST_F(PlayListTest, EditingTheScoreTypeRescoresAndRederives)
{
    const PlayRecord pass = game.plays[2];
    ui.editPlay = [](EditPlayEntry &dialog) {
        dialog.form().scoreType = code(ScoreType::Touchdown);
        dialog.form().finalSpot = SpotEntry{true, "g"};
        EXPECT_TRUE(dialog.ok());
    };
    flow.editPlay(1);
    EXPECT_EQ(game.visitorScore, 6);
    EXPECT_EQ(game.plays[1].scoreType, code(ScoreType::Touchdown));
    EXPECT_EQ(game.plays[2], pass); // later plays keep what they were recorded with
    EXPECT_EQ(flow.selectedPlay(), 1);
    // The situation is taken again from the last play, which did not score.
    EXPECT_FALSE(game.tryPending);
    EXPECT_EQ(flow.situation().ballSpot, (FieldSpot{44, true}));
    EXPECT_EQ(ui.log, (Log{"dialog Edit Play", "sound 601"}));
}

TEST_F(PlayListTest, EditingKeepsTheQuarterAndCancelChangesNothing)
{
    const Game before = game;
    flow.quarterUp();
    ui.editPlay = [](EditPlayEntry &dialog) {
        dialog.form().scoreType = code(ScoreType::Safety);
        dialog.cancel();
    };
    flow.editPlay(0);
    EXPECT_EQ(game.plays, before.plays);
    EXPECT_EQ(flow.selectedPlay(), 0);
    ui.editPlay = [](EditPlayEntry &dialog) { dialog.ok(); };
    flow.editPlay(2);
    EXPECT_EQ(flow.situation().quarter, 1);
}

TEST_F(PlayListTest, EditedClockIsShownAgainWithTwoDigits)
{
    ui.editPlay = [](EditPlayEntry &dialog) {
        dialog.form().minutes = "0";
        dialog.form().seconds = "45";
        dialog.ok();
    };
    flow.editPlay(1);
    std::pair<std::string, std::string> shown;
    ui.editPlay = [&](EditPlayEntry &dialog) {
        shown = {dialog.form().minutes, dialog.form().seconds};
        dialog.cancel();
    };
    flow.editPlay(1);
    EXPECT_EQ(shown, (std::pair<std::string, std::string>{"00", "45"}));
}

// Delete ---------------------------------------------------------------------

TEST_F(PlayListTest, DeleteAsksAndNoKeepsThePlay)
{
    ui.replies = {MessageAnswer::No};
    flow.deletePlay(1);
    EXPECT_EQ(ui.log, (Log{"sound 601", "Delete Play?: Are you sure you want to delete play?\n" + flow.playList()[1]}));
    EXPECT_EQ(game.playCount(), 3);
}

TEST_F(PlayListTest, DeletingTheLastTouchdownTakesBackTheTry)
{
    entries.push_back(scrimmage(PlayType::Pass, {0, true}, 0, 10, ScoreType::Touchdown));
    flow.recordPlay(PlayKind::Pass);
    ASSERT_TRUE(game.tryPending);
    ui.replies = {MessageAnswer::Yes};
    flow.deletePlay(3);
    EXPECT_FALSE(game.tryPending);
    EXPECT_FALSE(game.kickoffPending);
    EXPECT_EQ(flow.labels(), kScrimmageLabels);
    EXPECT_EQ(game.visitorScore, 0);
    EXPECT_EQ(flow.situation().ballSpot, (FieldSpot{44, true}));
    EXPECT_EQ(flow.playList().size(), 3u);
    EXPECT_EQ(flow.selectedPlay(), 2);
}

TEST_F(PlayListTest, DeletingAPlayPurgesEveryNoPlayRecord)
{
    game.plays[0].playType = 0;
    ui.replies = {MessageAnswer::Yes};
    flow.deletePlay(1);
    EXPECT_EQ(playTypes(), std::vector<std::int32_t>{kPass});
}

TEST_F(FlowTest, DeletingTheOnlyPlayLeavesTheSituation)
{
    openWithHomeKickoff();
    const GameSituation before = flow.situation();
    ui.replies = {MessageAnswer::Yes};
    flow.deletePlay(0);
    EXPECT_EQ(game.playCount(), 0);
    EXPECT_TRUE(flow.playList().empty());
    EXPECT_EQ(flow.selectedPlay(), -1);
    EXPECT_EQ(flow.situation(), before);
}

// Insert ---------------------------------------------------------------------

TEST_F(PlayListTest, InsertAfterOrBeforeTheSelectedPlay)
{
    const struct {
        MessageAnswer reply;
        int selected;
        std::vector<std::int32_t> types;
        int newIndex;
    } cases[] = {{MessageAnswer::No, 0, {kKickOff, kPunt, kRush, kPass}, 1},
                 {MessageAnswer::Yes, 1, {kKickOff, kPunt, kRush, kPass}, 1},
                 {MessageAnswer::No, 1, {kKickOff, kRush, kPunt, kPass}, 2}};
    for (const auto &c : cases) {
        Game saved = game;
        ui.replies = {c.reply};
        ui.insertPlay = [](InsertPlayForm &form) {
            form.kind = InsertKind::Punt;
            return true;
        };
        entries.push_back(kick(PlayType::Punt, {10, true}));
        flow.insertPlay(c.selected);
        EXPECT_EQ(playTypes(), c.types);
        EXPECT_EQ(flow.selectedPlay(), c.newIndex);
        game = saved;
    }
}

TEST_F(PlayListTest, InsertedPlayIsEnteredInTheSituationOfItsPlace)
{
    PlayRecord seen;
    bool tryWhileEntered = false;
    ui.replies = {MessageAnswer::No};
    ui.insertPlay = [](InsertPlayForm &form) {
        form.kind = InsertKind::ExtraPoint;
        return true;
    };
    entries.push_back([&](PlayEntryContext &c) {
        seen = c.currentPlay();
        tryWhileEntered = c.game().tryPending;
        return false;
    });
    flow.insertPlay(1);
    EXPECT_EQ(ui.log, (Log{"Insert before play?: Insert before the play selected?\n\n Yes for Before, No for After",
                           "dialog Insert Play", "sound 601", "dialog 2"}));
    EXPECT_TRUE(tryWhileEntered);
    EXPECT_EQ(seen.initialSpot, (FieldSpot{36, false}));
    EXPECT_EQ(seen.downBefore, 1);
    EXPECT_EQ(seen.toGoBefore, 4);
    EXPECT_FALSE(seen.homeHasBall);
    EXPECT_EQ(game.playCount(), 3); // cancelled
    EXPECT_FALSE(game.tryPending);
    EXPECT_EQ(flow.selectedPlay(), 2);
}

TEST_F(PlayListTest, InsertedTimeOutTakesTheResultOfThePlayBefore)
{
    ui.replies = {MessageAnswer::No};
    ui.insertPlay = [](InsertPlayForm &form) {
        form.kind = InsertKind::HomeTimeOut;
        return true;
    };
    flow.insertPlay(1);
    ASSERT_EQ(playTypes(), (std::vector<std::int32_t>{kKickOff, kRush, kHomeTimeOut, kPass}));
    const PlayRecord &timeOut = game.plays[2];
    EXPECT_EQ(timeOut.downAfter, 1);
    EXPECT_EQ(timeOut.toGoAfter, 4);
    EXPECT_EQ(timeOut.finalSpot, (FieldSpot{36, false}));
    EXPECT_EQ(timeOut.initialSpot, (FieldSpot{36, false}));
    EXPECT_EQ(flow.timeOutsLeft(true), 2);
}

TEST_F(PlayListTest, InsertWithNoKindAddsANoPlayRecordAndCancelAddsNothing)
{
    ui.replies = {MessageAnswer::No, MessageAnswer::No};
    ui.insertPlay = [](InsertPlayForm &) { return false; };
    flow.insertPlay(0);
    EXPECT_EQ(game.playCount(), 3);
    ui.insertPlay = [](InsertPlayForm &) { return true; };
    flow.insertPlay(0);
    EXPECT_EQ(playTypes(), (std::vector<std::int32_t>{kKickOff, 0, kRush, kPass}));
    EXPECT_EQ(flow.playList()[1], "No Play");
}

TEST_F(PlayListTest, InsertBeforeTheFirstPlayStartsFromTheOpeningSituation)
{
    game.plays[0].quarter = 0;
    flow.quarterUp();
    PlayRecord seen;
    ui.replies = {MessageAnswer::Yes};
    ui.insertPlay = [](InsertPlayForm &form) {
        form.kind = InsertKind::VisitorTimeOut;
        return true;
    };
    flow.insertPlay(0);
    ASSERT_EQ(game.playCount(), 4);
    const PlayRecord &timeOut = game.plays[0];
    EXPECT_EQ(timeOut.playType, code(PlayType::VisitorTimeOut));
    EXPECT_EQ(timeOut.quarter, 0);
    EXPECT_EQ(timeOut.downBefore, 0);
    EXPECT_EQ(timeOut.toGoBefore, 10);
    EXPECT_EQ(timeOut.initialSpot, (FieldSpot{35, true}));
    EXPECT_EQ(timeOut.toGoAfter, 10);
    EXPECT_EQ(flow.selectedPlay(), 0);
}

TEST_F(PlayListTest, InsertAfterAScoreDoesNotLeaveItsKickoffDue)
{
    // A field goal in the middle of the list: entering a play after it makes
    // a kickoff due only for the time of that entry.
    game.plays[1].playType = code(PlayType::FieldGoal);
    game.plays[1].scoreType = code(ScoreType::FieldGoal);
    game.plays[1].kickResult = code(KickResult::FieldGoalGood);
    bool kickoffDueWhileEntered = false;
    ui.replies = {MessageAnswer::No};
    ui.insertPlay = [](InsertPlayForm &form) {
        form.kind = InsertKind::OffensivePenalty;
        return true;
    };
    entries.push_back([&](PlayEntryContext &c) {
        kickoffDueWhileEntered = c.game().kickoffPending;
        c.currentPlay().playType = code(PlayType::OffensivePenalty);
        return true;
    });
    flow.insertPlay(1);
    EXPECT_TRUE(kickoffDueWhileEntered);
    EXPECT_FALSE(game.kickoffPending);
    EXPECT_FALSE(game.tryPending);
    EXPECT_FALSE(flow.situation().homeHasBall);
    EXPECT_EQ(flow.situation().ballSpot, (FieldSpot{44, true}));
    EXPECT_EQ(game.plays[2].playType, code(PlayType::OffensivePenalty));
}

// Every play list change is one step: undoing steps back through the exact
// saved bytes before each change, and redoing forward through those after.
TEST_F(PlayListTest, UndoAndRedoWalkBackAndForthThroughEveryChange)
{
    const std::vector<std::function<void()>> changes{
        [&] {
            // As a rush entered does, it leaves its quarterback remembered.
            entries.push_back(
                [rush = scrimmage(PlayType::Rush, {0, true}, 0, 10, ScoreType::Touchdown)](PlayEntryContext &c) {
                    c.offense().currentQuarterback = "Relief";
                    return rush(c);
                });
            flow.recordPlay(PlayKind::Rush);
        },
        [&] {
            ui.editPlay = [](EditPlayEntry &dialog) {
                dialog.form().scoreType = code(ScoreType::NoScore);
                dialog.ok();
            };
            flow.editPlay(3);
        },
        [&] {
            ui.replies = {MessageAnswer::Yes};
            flow.deletePlay(1);
        },
        [&] {
            ui.replies = {MessageAnswer::No};
            ui.insertPlay = [](InsertPlayForm &form) {
                form.kind = InsertKind::Punt;
                return true;
            };
            entries.push_back(kick(PlayType::Punt, {10, true}));
            flow.insertPlay(0);
        },
        [&] { flow.timeOut(Column::Left); },
    };
    std::vector<std::vector<std::uint8_t>> saves{encodeGame(flow.gameAsSaved())};
    for (const auto &change : changes) {
        change();
        saves.push_back(encodeGame(flow.gameAsSaved()));
    }
    ASSERT_NE(saves[1], saves[0]);
    EXPECT_FALSE(flow.canRedo());
    for (std::size_t i = saves.size() - 1; i > 0; --i) {
        ASSERT_TRUE(flow.canUndo());
        flow.undo();
        EXPECT_EQ(encodeGame(flow.gameAsSaved()), saves[i - 1]) << "undo to before change " << i;
    }
    for (std::size_t i = 1; i < saves.size(); ++i) {
        flow.redo();
        EXPECT_EQ(encodeGame(flow.gameAsSaved()), saves[i]) << "redo of change " << i;
    }
    // A new change after an undo drops what could have been redone; a
    // cancelled dialog is no step at all.
    flow.undo();
    flow.timeOut(Column::Right);
    EXPECT_FALSE(flow.canRedo());
    flow.recordPlay(PlayKind::Pass);
    flow.undo();
    EXPECT_EQ(encodeGame(flow.gameAsSaved()), saves[saves.size() - 2]);
}

} // namespace
} // namespace yardmark

#include "flowfixture.h"
#include "records/gamefile.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

namespace yardmark {
namespace {

using Log = std::vector<std::string>;

const std::string kKickOffQuestion = "Point After Touchdown Incomplete: Select <OK> to Complete Point After "
                                     "Touchdown\n or <Cancel> Point After Touchdown";
const std::string kRushQuestion = "Kick Off Incomplete: Select <OK> to Complete Kick Off\n or <Cancel> Kick Off";

// Opening the window --------------------------------------------------------

TEST_F(FlowTest, NewGameAsksWhoKicksOffAndOpensTheKickoffForTheVisitor)
{
    ui.teams.push_back(TeamChoice::Visitor);
    flow.open();
    EXPECT_EQ(ui.log, (Log{"choose: Who Kicks Off in First Half?", "sound 601", "sound 601", "dialog 0"}));
    EXPECT_EQ(ui.teamPreselectedHome, std::vector<bool>{true});
    EXPECT_EQ(flow.caption(), "Tigers Versus Bears");
    EXPECT_FALSE(flow.situation().homeHasBall);
    EXPECT_EQ(flow.situation().ballSpot, (FieldSpot{35, false}));
    EXPECT_EQ(flow.situation().down, 0);
    EXPECT_EQ(flow.situation().toGo, 10);
    EXPECT_TRUE(flow.situation().homeOnLeft);
    EXPECT_TRUE(game.kickoffPending);
    EXPECT_FALSE(game.tryPending);
    EXPECT_EQ(flow.labels(), kScrimmageLabels);
    EXPECT_EQ(game.playCount(), 0); // the kickoff dialog was cancelled
}

TEST_F(FlowTest, CancellingWhoKicksOffLeavesNothingDue)
{
    game.kickoffPending = true;
    game.tryPending = true;
    ui.teams.push_back(TeamChoice::Cancelled);
    flow.open();
    EXPECT_EQ(ui.log, (Log{"choose: Who Kicks Off in First Half?", "sound 601"}));
    EXPECT_FALSE(game.kickoffPending);
    EXPECT_FALSE(game.tryPending);
    EXPECT_EQ(flow.labels(), kScrimmageLabels);
    // The scorer may now record any play without a question.
    flow.recordPlay(PlayKind::Rush);
    EXPECT_EQ(ui.log.back(), "dialog 3");
}

TEST_F(FlowTest, OpeningKickoffAcceptedGivesTheReceiverTheBall)
{
    ui.time = RecordTimeForm{"15", "0", {}, {}};
    openWithHomeKickoff();
    ASSERT_EQ(game.playCount(), 1);
    const PlayRecord &kickoff = game.plays[0];
    EXPECT_EQ(kickoff.initialSpot, (FieldSpot{35, true}));
    EXPECT_TRUE(kickoff.homeHasBall);
    EXPECT_EQ(kickoff.clockMinutes, 15);
    EXPECT_FALSE(flow.situation().homeHasBall);
    EXPECT_EQ(flow.situation().ballSpot, (FieldSpot{30, false}));
    EXPECT_FALSE(game.kickoffPending);
    EXPECT_EQ(game.savedBallSpot, (FieldSpot{30, false}));
    ASSERT_EQ(flow.playList().size(), 1u);
    EXPECT_EQ(flow.selectedPlay(), 0);
}

TEST_F(FlowTest, ReopeningTakesTheSituationFromTheLastPlayAndTheSavedFields)
{
    PlayRecord touchdown;
    touchdown.playType = code(PlayType::Pass);
    touchdown.homeHasBall = false;
    touchdown.scoreType = code(ScoreType::Touchdown);
    touchdown.quarter = 1;
    game.plays.push_back(touchdown);
    game.savedQuarter = 1;
    game.savedBallSpot = {0, true};
    flow.open();
    EXPECT_TRUE(ui.log.empty());
    EXPECT_EQ(flow.situation().quarter, 1);
    EXPECT_FALSE(flow.situation().homeHasBall);
    EXPECT_EQ(flow.situation().ballSpot, (FieldSpot{3, true}));
    EXPECT_TRUE(game.tryPending);
    EXPECT_EQ(flow.labels(), kTryLabels);
}

TEST_F(FlowTest, ReopeningAfterATimeOutKeepsTheDownTheTimeOutWasTakenOn)
{
    PlayRecord miss;
    miss.playType = code(PlayType::FieldGoal);
    miss.homeHasBall = true;
    miss.kickResult = code(KickResult::FieldGoalWideLeft);
    miss.downBefore = miss.downAfter = 3;
    miss.toGoBefore = miss.toGoAfter = 8;
    miss.initialSpot = miss.finalSpot = game.savedBallSpot = {29, false};
    game.plays.push_back(miss);
    flow.open();
    flow.timeOut(Column::Left);
    flow.open();
    EXPECT_FALSE(flow.situation().homeHasBall);
    EXPECT_EQ(flow.situation().down, 0);
    EXPECT_EQ(flow.situation().toGo, 10);
}

TEST_F(FlowTest, ReopeningAtHalfTimeAsksWhoKicksOffTheSecondHalf)
{
    PlayRecord punt;
    punt.playType = code(PlayType::Punt);
    punt.homeHasBall = true;
    punt.quarter = 1;
    punt.kickResult = code(KickResult::FairCatch);
    game.plays.push_back(punt);
    game.savedQuarter = 2;
    game.savedBallSpot = {20, false};
    ui.teams.push_back(TeamChoice::Home);
    flow.open();
    EXPECT_EQ(ui.log, (Log{"choose: Who Kicks Off in Second Half?", "sound 601", "sound 601", "dialog 0"}));
    // The team with the ball after the last play is preselected.
    EXPECT_EQ(ui.teamPreselectedHome, std::vector<bool>{false});
    EXPECT_EQ(flow.situation().ballSpot, (FieldSpot{35, true}));
    EXPECT_TRUE(flow.situation().homeHasBall);
    EXPECT_TRUE(game.kickoffPending);
}

// Recording plays -----------------------------------------------------------

TEST_F(FlowTest, RushingTouchdownMakesTheTryDue)
{
    openWithHomeKickoff();
    entries.push_back(scrimmage(PlayType::Rush, {0, true}, 0, 10, ScoreType::Touchdown));
    flow.recordPlay(PlayKind::Rush);
    EXPECT_EQ(ui.log, (Log{"sound 601", "dialog 3"}));
    EXPECT_FALSE(flow.situation().homeHasBall);
    EXPECT_EQ(flow.situation().ballSpot, (FieldSpot{3, true}));
    EXPECT_EQ(flow.situation().toGo, 3);
    EXPECT_EQ(flow.situation().down, 0);
    EXPECT_EQ(flow.labels(), kTryLabels);
    EXPECT_EQ(game.visitorScore, 6);
    EXPECT_EQ(game.homeScore, 0);
}

TEST_F(FlowTest, KickoffWhileATryIsDueAsksFirst)
{
    openWithHomeKickoff();
    game.tryPending = true;
    ui.replies = {MessageAnswer::Ok};
    flow.recordPlay(PlayKind::KickOff);
    EXPECT_EQ(ui.log, (Log{"sound 601", kKickOffQuestion}));
    EXPECT_TRUE(game.tryPending);
    EXPECT_EQ(game.playCount(), 1);

    ui.clear();
    ui.replies = {MessageAnswer::Cancel};
    flow.recordPlay(PlayKind::KickOff);
    EXPECT_EQ(ui.log, (Log{"sound 601", kKickOffQuestion, "dialog 0"}));
    EXPECT_FALSE(game.tryPending);
    EXPECT_EQ(flow.labels(), kScrimmageLabels);
}

TEST_F(FlowTest, RushOrPassWhileAKickoffIsDueAsksFirst)
{
    openWithHomeKickoff();
    for (PlayKind kind : {PlayKind::Rush, PlayKind::Pass}) {
        game.kickoffPending = true;
        ui.clear();
        ui.replies = {MessageAnswer::Ok};
        flow.recordPlay(kind);
        EXPECT_EQ(ui.log, (Log{"sound 601", kRushQuestion}));
        EXPECT_TRUE(game.kickoffPending);

        ui.clear();
        ui.replies = {MessageAnswer::Cancel};
        flow.recordPlay(kind);
        EXPECT_EQ(ui.log.size(), 3u);
        EXPECT_FALSE(game.kickoffPending);
    }
}

TEST_F(FlowTest, OtherButtonsAskNothingAndPenaltiesSoundTheWarning)
{
    openWithHomeKickoff();
    game.kickoffPending = true;
    game.tryPending = true;
    const struct {
        PlayKind kind;
        Log log;
    } cases[] = {{PlayKind::Punt, {"sound 601", "dialog 1"}},
                 {PlayKind::FieldGoal, {"sound 601", "dialog 2"}},
                 {PlayKind::OffensivePenalty, {"sound 604", "dialog 5"}},
                 {PlayKind::DefensivePenalty, {"sound 604", "dialog 6"}}};
    for (const auto &c : cases) {
        ui.clear();
        flow.recordPlay(c.kind);
        EXPECT_EQ(ui.log, c.log);
    }
    EXPECT_EQ(game.playCount(), 1); // every dialog was cancelled
}

TEST_F(FlowTest, NewPlayStartsFromTheSituationAndKeepsThePenaltySpot)
{
    openWithHomeKickoff();
    entries.push_back([](PlayEntryContext &c) {
        c.currentPlay().playType = code(PlayType::DefensivePenalty);
        c.currentPlay().penaltySpot = {22, false};
        return true;
    });
    flow.recordPlay(PlayKind::DefensivePenalty);
    PlayRecord seen;
    entries.push_back([&](PlayEntryContext &c) {
        seen = c.currentPlay();
        return false;
    });
    flow.recordPlay(PlayKind::Rush);
    EXPECT_EQ(seen.penaltySpot, (FieldSpot{22, false}));
    EXPECT_EQ(seen.initialSpot, (FieldSpot{30, false}));
    EXPECT_FALSE(seen.homeHasBall);
    EXPECT_EQ(seen.playType, 0);
}

// Time-outs and the team buttons --------------------------------------------

TEST_F(FlowTest, TimeOutWithNoPlaysHasZeroResults)
{
    ui.teams.push_back(TeamChoice::Cancelled);
    flow.open();
    ui.clear();
    flow.timeOut(Column::Left);
    EXPECT_EQ(ui.log, Log{"sound 603"});
    ASSERT_EQ(game.playCount(), 1);
    const PlayRecord &timeOut = game.plays[0];
    EXPECT_EQ(timeOut.playType, code(PlayType::HomeTimeOut));
    EXPECT_EQ(timeOut.downAfter, 0);
    EXPECT_EQ(timeOut.toGoAfter, 0);
    EXPECT_EQ(timeOut.finalSpot, (FieldSpot{0, true}));
    EXPECT_EQ(flow.timeOutsLeft(true), 2);
    EXPECT_EQ(flow.timeOutsLeft(false), 3);
    EXPECT_EQ(flow.playList().back(), "1st Q, Time Out - Tigers");
}

TEST_F(FlowTest, TimeOutFollowsTheSidesAndKeepsTheLastResult)
{
    openWithHomeKickoff();
    entries.push_back(scrimmage(PlayType::Rush, {36, false}, 1, 4));
    flow.recordPlay(PlayKind::Rush);
    flow.swapSides();
    flow.timeOut(Column::Left);
    const PlayRecord &timeOut = game.plays.back();
    EXPECT_EQ(timeOut.playType, code(PlayType::VisitorTimeOut));
    EXPECT_EQ(timeOut.downAfter, 1);
    EXPECT_EQ(timeOut.toGoAfter, 4);
    EXPECT_EQ(timeOut.finalSpot, (FieldSpot{36, false}));
    EXPECT_EQ(flow.situation().down, 1);
    // Nothing refuses a time-out beyond the allowance.
    for (int i = 0; i < 3; ++i)
        flow.timeOut(Column::Left);
    EXPECT_EQ(flow.timeOutsLeft(false), -1);
}

TEST_F(FlowTest, TeamButtonsGiveTheBallToTheirColumn)
{
    openWithHomeKickoff();
    flow.giveBall(Column::Left);
    EXPECT_TRUE(flow.situation().homeHasBall);
    flow.swapSides();
    flow.giveBall(Column::Left);
    EXPECT_FALSE(flow.situation().homeHasBall);
    flow.giveBall(Column::Right);
    EXPECT_TRUE(flow.situation().homeHasBall);
    EXPECT_EQ(ui.sounds, (std::vector<int>{601, 601, 601, 601}));
}

// Quarter and down arrows ----------------------------------------------------

TEST_F(FlowTest, SecondHalfAsksWhoKicksOffPreselectingTheOpeningReceiver)
{
    openWithHomeKickoff();
    flow.quarterUp();
    EXPECT_EQ(flow.situation().quarter, 1);
    ui.clear();
    ui.teams.push_back(TeamChoice::Visitor);
    flow.quarterUp();
    EXPECT_EQ(ui.log,
              (Log{"sound 601", "choose: Who Kicks Off in Second Half?", "sound 601", "sound 601", "dialog 0"}));
    EXPECT_EQ(ui.teamPreselectedHome, (std::vector<bool>{true, false}));
    EXPECT_EQ(flow.situation().quarter, 2);
    EXPECT_FALSE(flow.situation().homeHasBall);
    EXPECT_EQ(flow.situation().ballSpot, (FieldSpot{35, false}));
    EXPECT_TRUE(game.kickoffPending);
}

TEST_F(FlowTest, SecondHalfCancelClearsBothFlags)
{
    openWithHomeKickoff();
    game.tryPending = true;
    flow.quarterDown(); // stays in the first quarter
    EXPECT_EQ(flow.situation().quarter, 0);
    flow.quarterUp();
    ui.teams.push_back(TeamChoice::Cancelled);
    flow.quarterUp();
    EXPECT_FALSE(game.tryPending);
    EXPECT_FALSE(game.kickoffPending);
    EXPECT_EQ(flow.situation().down, 0);
    EXPECT_EQ(flow.situation().ballSpot.yardLine, 35);
}

TEST_F(FlowTest, OvertimeStartsWithTheHomeTeamAtTheKickoffLine)
{
    settings.app.swapSidesEachQuarter = true;
    openWithHomeKickoff();
    ui.teams.push_back(TeamChoice::Cancelled);
    for (int i = 0; i < 3; ++i)
        flow.quarterUp();
    EXPECT_FALSE(flow.situation().homeOnLeft); // three swaps
    entries.push_back(scrimmage(PlayType::Rush, {12, true}, 2, 3));
    flow.recordPlay(PlayKind::Rush);
    game.tryPending = true;
    game.kickoffPending = true;
    ui.clear();
    flow.quarterUp();
    EXPECT_EQ(ui.sounds, (std::vector<int>{601, 601})); // the arrow, then the swap
    EXPECT_TRUE(flow.situation().homeOnLeft);
    EXPECT_EQ(flow.situation().quarter, 4);
    EXPECT_EQ(flow.quarterLabel(), "Overtime");
    EXPECT_TRUE(flow.situation().homeHasBall);
    EXPECT_EQ(flow.situation().ballSpot, (FieldSpot{35, true}));
    EXPECT_EQ(flow.situation().down, 0);
    EXPECT_EQ(flow.situation().toGo, 10);
    EXPECT_FALSE(game.tryPending);
    EXPECT_FALSE(game.kickoffPending);
    flow.quarterDown();
    EXPECT_EQ(flow.quarterLabel(), "Quarter");
    EXPECT_TRUE(flow.situation().homeOnLeft);
}

TEST_F(FlowTest, OvertimePeriodWithPlaysKeepsTheSituation)
{
    openWithHomeKickoff();
    game.plays.back().quarter = 5;
    flow.quarterUp();
    for (int i = 0; i < 3; ++i)
        flow.quarterUp(); // into OT1, where a play already lies
    EXPECT_EQ(flow.situation().quarter, 4);
    EXPECT_FALSE(flow.situation().homeHasBall);
    EXPECT_EQ(flow.situation().ballSpot, (FieldSpot{30, false}));
}

TEST_F(FlowTest, DownArrowsStayWithinFourDowns)
{
    openWithHomeKickoff();
    flow.downDown();
    EXPECT_EQ(flow.situation().down, 0);
    for (int i = 0; i < 5; ++i)
        flow.downUp();
    EXPECT_EQ(flow.situation().down, 3);
    EXPECT_EQ(ui.sounds.size(), 6u);
}

// Every listener hears every change, the arrows' included, until it is removed.
TEST_F(FlowTest, ListenersHearEveryChangeUntilRemoved)
{
    openWithHomeKickoff();
    int first = 0;
    int second = 0;
    const int id = flow.addChangeListener([&] { ++first; });
    flow.addChangeListener([&] { ++second; });
    flow.downUp();
    flow.swapSides();
    flow.removeListener(id);
    flow.downDown();
    EXPECT_EQ(first, 2);
    EXPECT_EQ(second, 3);
}

// Corrections ----------------------------------------------------------------

TEST_F(FlowTest, BallOnAndToGoSetTheSituationAndAlwaysRefresh)
{
    openWithHomeKickoff();
    int refreshes = 0;
    flow.addChangeListener([&] { ++refreshes; });
    ui.ballOn = [](BallOnForm &form) {
        EXPECT_EQ(form.spot, (SpotEntry{false, "30"}));
        form.spot = SpotEntry{true, "g"};
        return true;
    };
    flow.ballOn();
    EXPECT_EQ(flow.situation().ballSpot, (FieldSpot{0, true}));
    EXPECT_EQ(game.savedBallSpot, (FieldSpot{0, true}));
    ui.ballOn = [](BallOnForm &form) {
        form.spot = SpotEntry{false, "20"};
        return false;
    };
    flow.ballOn();
    EXPECT_EQ(flow.situation().ballSpot, (FieldSpot{0, true}));
    ui.toGo = [](ToGoForm &form) {
        chooseToGoEntry(form, 75);
        return true;
    };
    flow.toGo();
    EXPECT_EQ(flow.situation().toGo, 50);
    EXPECT_EQ(refreshes, 3);
    EXPECT_EQ(ui.sounds, (std::vector<int>{601, 601, 601}));
}

// Leaving the window ---------------------------------------------------------

class QuitTest : public FlowTest {
protected:
    QuitTest()
    {
        dir = testing::makeTempFolder("yardmark-flow-");
        game.fileName = (dir / "game.gam").string();
        flow.addCloseListener([this] { ++closes; });
    }
    ~QuitTest() override { std::filesystem::remove_all(dir); }

    std::filesystem::path dir;
    int closes = 0;
};

TEST_F(QuitTest, YesSavesTheHighestQuarterAndCloses)
{
    openWithHomeKickoff();
    game.plays.back().quarter = 2;
    ui.replies = {MessageAnswer::Yes};
    EXPECT_TRUE(flow.quitGame());
    EXPECT_EQ(ui.log, (Log{"sound 601", "Save Game?: Save changes to game?"}));
    EXPECT_FALSE(flow.isOpen());
    EXPECT_EQ(closes, 1);
    Game loaded;
    ASSERT_TRUE(loadGame(loaded, game.fileName));
    EXPECT_EQ(loaded.savedQuarter, 2);
    EXPECT_EQ(loaded.plays, game.plays);
    EXPECT_EQ(loaded.savedBallSpot, (FieldSpot{30, false}));
}

TEST_F(QuitTest, NothingToSaveAsksNothingAndLeavesTheFileAlone)
{
    openWithHomeKickoff();
    Game asSaved = flow.gameAsSaved();
    ASSERT_TRUE(saveGame(asSaved, game.fileName));
    const auto written = std::filesystem::last_write_time(game.fileName) - std::chrono::hours(1);
    std::filesystem::last_write_time(game.fileName, written);
    EXPECT_TRUE(flow.quitGame());
    EXPECT_EQ(ui.log, (Log{"sound 601"}));
    EXPECT_EQ(std::filesystem::last_write_time(game.fileName), written);
    EXPECT_EQ(closes, 1);
}

TEST_F(QuitTest, FailedSaveKeepsTheWindowOpen)
{
    openWithHomeKickoff();
    game.fileName = (dir / "missing" / "game.gam").string();
    ui.replies = {MessageAnswer::Yes};
    EXPECT_FALSE(flow.quitGame());
    EXPECT_EQ(ui.log,
              (Log{"sound 601", "Save Game?: Save changes to game?", "sound 604", "Disk Full?: Can't save game!"}));
    EXPECT_TRUE(flow.isOpen());
    EXPECT_EQ(closes, 0);
}

TEST_F(QuitTest, NoClosesWithoutSavingAndCancelStays)
{
    openWithHomeKickoff();
    ui.replies = {MessageAnswer::Cancel};
    EXPECT_FALSE(flow.quitGame());
    EXPECT_TRUE(flow.isOpen());
    ui.replies = {MessageAnswer::No};
    EXPECT_TRUE(flow.quitGame());
    EXPECT_FALSE(flow.isOpen());
    EXPECT_FALSE(std::filesystem::exists(game.fileName));
}

TEST_F(QuitTest, ClosingByTheOwnerStillOffersToSave)
{
    openWithHomeKickoff();
    game.fileName = (dir / "missing" / "game.gam").string();
    ui.clear();
    ui.replies = {MessageAnswer::Yes};
    flow.closeByOwner();
    EXPECT_EQ(ui.log, (Log{"Save Game?: Save changes to game?", "sound 604", "Disk Full?: Can't save game!"}));
    EXPECT_EQ(ui.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(closes, 1);
    flow.closeByOwner(); // already closed: nothing more is asked
    EXPECT_EQ(closes, 1);
}

TEST_F(QuitTest, ReloadStartsOverFromTheSavedGame)
{
    openWithHomeKickoff();
    ASSERT_TRUE(saveGame(game, game.fileName));
    entries.push_back(scrimmage(PlayType::Rush, {0, true}, 0, 10, ScoreType::Touchdown));
    flow.recordPlay(PlayKind::Rush);
    ASSERT_EQ(game.playCount(), 2);
    int refreshes = 0;
    flow.addChangeListener([&] { ++refreshes; });
    EXPECT_TRUE(flow.reload());
    EXPECT_EQ(game.playCount(), 1);
    EXPECT_EQ(game.visitorScore, 0);
    EXPECT_FALSE(game.tryPending);
    EXPECT_FALSE(flow.situation().homeHasBall);
    EXPECT_EQ(flow.playList().size(), 1u);
    EXPECT_GE(refreshes, 1);
}

TEST_F(QuitTest, FailedReloadKeepsTheGameAndSaysSo)
{
    openWithHomeKickoff();
    game.fileName = (dir / "gone.gam").string();
    ui.clear();
    EXPECT_FALSE(flow.reload());
    EXPECT_EQ(ui.log, (Log{"sound 604", "File corrupt ?: Can't load game !"}));
    EXPECT_EQ(game.playCount(), 1);
}

} // namespace
} // namespace yardmark

#include "entryfixture.h"
#include "gameflow/entry/rushentry.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace yardmark {
namespace {

using Answer = std::optional<MessageAnswer>;

struct RushCase {
    const char *name;
    std::int32_t down, toGo;
    FieldSpot start;
    bool tryPending;
    SpotEntry finalSpot; ///< typed and left
    Answer firstDownAnswer;
    // expected
    std::int32_t downAfter, toGoAfter;
    FieldSpot end;
    ScoreType score;
    std::int32_t turnover;
    FirstDownKind firstDown;
};

const RushCase kRushCases[] = {
    {"fourth and 7, a 3-yard rush: turnover on downs, down and distance kept",
     3,
     7,
     {30, kHome},
     false,
     {kHome, "33"},
     {},
     3,
     7,
     {33, kHome},
     ScoreType::NoScore,
     3,
     FirstDownKind::NoFirstDown},
    {"beyond the distance: first and 10",
     1,
     10,
     {30, kHome},
     false,
     {kHome, "45"},
     {},
     0,
     10,
     {45, kHome},
     ScoreType::NoScore,
     0,
     FirstDownKind::FirstDown},
    {"across midfield",
     0,
     10,
     {45, kHome},
     false,
     {kVisitor, "40"},
     {},
     0,
     10,
     {40, kVisitor},
     ScoreType::NoScore,
     0,
     FirstDownKind::FirstDown},
    {"exactly the distance, Yes: first down",
     2,
     4,
     {30, kHome},
     false,
     {kHome, "34"},
     MessageAnswer::Yes,
     0,
     10,
     {34, kHome},
     ScoreType::NoScore,
     0,
     FirstDownKind::FirstDown},
    {"exactly the distance, No: next down with 0 to go",
     2,
     4,
     {30, kHome},
     false,
     {kHome, "34"},
     MessageAnswer::No,
     3,
     0,
     {34, kHome},
     ScoreType::NoScore,
     0,
     FirstDownKind::NoFirstDown},
    {"exactly the distance on fourth down, No: turnover on downs",
     3,
     4,
     {30, kHome},
     false,
     {kHome, "34"},
     MessageAnswer::No,
     3,
     4,
     {34, kHome},
     ScoreType::NoScore,
     3,
     FirstDownKind::NoFirstDown},
    {"a loss: next down, more to go",
     1,
     10,
     {30, kHome},
     false,
     {kHome, "26"},
     {},
     2,
     14,
     {26, kHome},
     ScoreType::NoScore,
     0,
     FirstDownKind::NoFirstDown},
    {"\"G\" in the defense's half: touchdown",
     1,
     10,
     {5, kVisitor},
     false,
     {kVisitor, "G"},
     {},
     2,
     5,
     {0, kVisitor},
     ScoreType::Touchdown,
     0,
     FirstDownKind::NoFirstDown},
    {"\"g\" in the own half: safety",
     1,
     10,
     {2, kHome},
     false,
     {kHome, "g"},
     {},
     2,
     12,
     {0, kHome},
     ScoreType::Safety,
     0,
     FirstDownKind::NoFirstDown},
    {"a typed yard line beyond midfield is held at midfield",
     0,
     10,
     {30, kHome},
     false,
     {kHome, "75"},
     {},
     0,
     10,
     {50, kHome},
     ScoreType::NoScore,
     0,
     FirstDownKind::FirstDown},
    {"try into the end zone: conversion, down and distance kept",
     0,
     3,
     {3, kVisitor},
     true,
     {kVisitor, "G"},
     {},
     0,
     3,
     {0, kVisitor},
     ScoreType::Conversion,
     0,
     FirstDownKind::NoFirstDown},
    {"try gaining exactly the distance: no question, nothing changes",
     0,
     2,
     {3, kVisitor},
     true,
     {kVisitor, "1"},
     {},
     0,
     2,
     {1, kVisitor},
     ScoreType::NoScore,
     0,
     FirstDownKind::NoFirstDown},
    {"try stopped short on fourth down: no turnover on downs",
     3,
     3,
     {3, kVisitor},
     true,
     {kVisitor, "2"},
     {},
     3,
     3,
     {2, kVisitor},
     ScoreType::NoScore,
     0,
     FirstDownKind::NoFirstDown},
};

class RushOk : public EntryTest, public ::testing::WithParamInterface<RushCase> {};

TEST_P(RushOk, RecordsThePlayAndTheSituation)
{
    const RushCase &c = GetParam();
    game.tryPending = c.tryPending;
    snap(c.down, c.toGo, c.start);
    if (c.firstDownAnswer)
        ui.replies.push_back(*c.firstDownAnswer);

    RushEntry dialog(context);
    dialog.typePlayerNumber(RushEntry::Rusher, "22");
    dialog.choosePlayer(RushEntry::Rusher, 2);
    dialog.setRushType(code(RushType::Sweep));
    dialog.setFinalSpot(c.finalSpot);
    ASSERT_TRUE(dialog.ok());

    EXPECT_TRUE(dialog.closed());
    EXPECT_TRUE(dialog.accepted());
    EXPECT_EQ(play.playType, code(c.tryPending ? PlayType::TryByRush : PlayType::Rush));
    EXPECT_EQ(play.rushType, code(RushType::Sweep));
    EXPECT_EQ(play.players[CarrierSlot].name, "Cole");
    EXPECT_EQ(situation.ballSpot, c.end);
    EXPECT_EQ(play.finalSpot, c.end);
    EXPECT_EQ(situation.down, c.downAfter);
    EXPECT_EQ(situation.toGo, c.toGoAfter);
    EXPECT_EQ(play.downAfter, c.downAfter);
    EXPECT_EQ(play.toGoAfter, c.toGoAfter);
    EXPECT_EQ(play.toGoBefore, c.toGo);
    EXPECT_EQ(play.scoreType, code(c.score));
    EXPECT_EQ(play.turnover, c.turnover);
    EXPECT_EQ(play.firstDown, code(c.firstDown));
    EXPECT_TRUE(ui.replies.empty()) << "the first-down question was not asked";
    const bool asked = !ui.messages.empty() && ui.messages.front().caption == "First Down?";
    EXPECT_EQ(asked, c.firstDownAnswer.has_value());
    if (asked) {
        EXPECT_EQ(ui.messages.front().text, "Did Play Result in First Down");
    }
    const bool timed = std::find(ui.log.begin(), ui.log.end(), "Record Time") != ui.log.end();
    EXPECT_EQ(timed, c.turnover != 0);
    EXPECT_EQ(ui.sounds.front(), kClickSound);
}

INSTANTIATE_TEST_SUITE_P(Cases, RushOk, ::testing::ValuesIn(kRushCases));

TEST_F(EntryTest, RushSetUpCaptionsAndPreselections)
{
    snap(2, 6, {40, kVisitor});
    RushEntry dialog(context);
    EXPECT_EQ(dialog.form().caption, "Tigers Rushes on 3rd down");
    EXPECT_EQ(dialog.form().players[RushEntry::Quarterback], (PlayerEntry{" 7", 0}));
    EXPECT_EQ(dialog.form().players[RushEntry::Rusher], PlayerEntry{});
    EXPECT_EQ(dialog.form().rushType, code(RushType::Rush));
    EXPECT_EQ(dialog.form().finalSpot, (SpotEntry{kVisitor, ""}));
    EXPECT_EQ(dialog.fumbles().selectorEntries[2], "Fumble 3");
    EXPECT_EQ(dialog.fumbles().shown, 0);
    EXPECT_EQ(play.toGoBefore, 6);
    EXPECT_EQ(&dialog.rowRoster(RushEntry::Rusher), &game.homeTeam.players);
    EXPECT_EQ(&dialog.rowRoster(RushEntry::Tackler), &game.visitorTeam.players);

    game.tryPending = true;
    snap(0, 3, {3, kHome}, kVisitor);
    RushEntry tryDialog(context);
    EXPECT_EQ(tryDialog.form().caption, "Bears - PAT Rush Attempt");
    EXPECT_EQ(tryDialog.form().players[RushEntry::Quarterback], PlayerEntry{}) << "not on the roster";
    EXPECT_EQ(&tryDialog.rowRoster(RushEntry::Rusher), &game.visitorTeam.players);
}

TEST_F(EntryTest, RushYardsMadeAndFinalSpotFillEachOther)
{
    snap(0, 10, {45, kHome});
    RushEntry dialog(context);
    dialog.setYardsMade("12");
    EXPECT_EQ(dialog.form().finalSpot, (SpotEntry{kVisitor, "43"}));
    dialog.setYardsMade("-50");
    EXPECT_EQ(dialog.form().finalSpot, (SpotEntry{kHome, "0"}));
    dialog.setFinalSpot({kVisitor, "40"});
    EXPECT_EQ(dialog.form().yardsMade, "15");
    EXPECT_EQ(play.finalSpot, (FieldSpot{40, kVisitor}));
    // Leaving empty fields changes nothing.
    dialog.setYardsMade("");
    dialog.setFinalSpot({kHome, ""});
    EXPECT_EQ(dialog.form().yardsMade, "");
    EXPECT_EQ(play.finalSpot, (FieldSpot{40, kVisitor}));
}

TEST_F(EntryTest, RushNonsenseTypedTextNeverBreaksTheSpot)
{
    struct Typed {
        std::string text;
        SpotEntry finalSpot;
    };
    const std::vector<Typed> cases = {
        {"-", {kHome, "30"}},
        {"abc", {kHome, "30"}},
        {"999999999999", {kVisitor, "0"}},
        {"-999999999999", {kHome, "0"}},
        {std::string(5000, '9'), {kVisitor, "0"}},
        {"  8 yards", {kHome, "38"}},
    };
    for (const Typed &t : cases) {
        snap(0, 10, {30, kHome});
        RushEntry dialog(context);
        dialog.setYardsMade(t.text);
        EXPECT_EQ(dialog.form().finalSpot, t.finalSpot) << t.text.substr(0, 20);
        ASSERT_TRUE(dialog.ok());
        EXPECT_EQ(situation.ballSpot, readSpotEntry(t.finalSpot, 50));
    }
}

TEST_F(EntryTest, RushOkWithOnlyYardsMadeOrNothingTyped)
{
    snap(0, 10, {30, kHome});
    RushEntry moved(context);
    moved.form().yardsMade = "7"; // typed, the field never left
    ASSERT_TRUE(moved.ok());
    EXPECT_EQ(situation.ballSpot, (FieldSpot{37, kHome}));
    EXPECT_EQ(situation.down, 1);
    EXPECT_EQ(situation.toGo, 3);

    snap(1, 10, {30, kHome});
    RushEntry nothing(context);
    ASSERT_TRUE(nothing.ok());
    EXPECT_EQ(situation.ballSpot, (FieldSpot{30, kHome}));
    EXPECT_EQ(play.finalSpot, (FieldSpot{30, kHome}));
    EXPECT_EQ(situation.down, 2);
    EXPECT_EQ(situation.toGo, 10);
}

TEST_F(EntryTest, RushPlayersGoToTheirSlots)
{
    snap(0, 10, {30, kHome});
    RushEntry dialog(context);
    dialog.typePlayerNumber(RushEntry::Quarterback, "00");
    EXPECT_EQ(dialog.form().players[RushEntry::Quarterback], (PlayerEntry{"00", 3}));
    dialog.typePlayerNumber(RushEntry::Rusher, "45"); // nobody wears it
    EXPECT_EQ(dialog.form().players[RushEntry::Rusher].listIndex, -1);
    dialog.pickPlayer(RushEntry::Tackler, "Ortiz");
    EXPECT_EQ(dialog.form().players[RushEntry::Tackler], (PlayerEntry{"21", 2}));
    dialog.typePlayerNumber(RushEntry::Assist, "90");
    dialog.clearPlayer(RushEntry::Assist);
    EXPECT_FALSE(dialog.choosePlayer(RushEntry::Tackler, 3));
    EXPECT_FALSE(dialog.pickPlayer(RushEntry::Tackler, "Adams")) << "not on the defense";
    ASSERT_TRUE(dialog.ok());

    EXPECT_EQ(play.players[QuarterbackSlot], game.homeTeam.players[3]);
    EXPECT_EQ(play.players[CarrierSlot], (PlayerRecord{"", 45, 0, 0, 0}));
    EXPECT_EQ(play.players[TacklerSlot], game.visitorTeam.players[2]);
    EXPECT_TRUE(play.players[AssistSlot].isEmpty());
    EXPECT_TRUE(play.players[InterceptorSlot].isEmpty());
    EXPECT_EQ(game.homeTeam.currentQuarterback, "Lee");
}

TEST_F(EntryTest, RushDuplicatedNumberWithoutAChoiceLeavesTheSlotEmpty)
{
    snap(0, 10, {30, kHome});
    RushEntry dialog(context);
    dialog.typePlayerNumber(RushEntry::Rusher, "22");
    dialog.form().players[RushEntry::Rusher].listIndex = -1; // the scorer cleared the list only
    ASSERT_TRUE(dialog.ok());
    EXPECT_TRUE(play.players[CarrierSlot].isEmpty());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Select Receiver from Drop Down List");
    EXPECT_EQ(ui.messages[0].caption, "Number 22 is Duplicated in Roster");
    EXPECT_EQ(ui.sounds, (std::vector<int>{kClickSound, kWarningSound}));
}

TEST_F(EntryTest, RushCancelRecordsNothing)
{
    snap(1, 10, {30, kHome});
    const GameSituation before = situation;
    bool filled = false;
    EXPECT_FALSE(runRushEntry(context, [&](RushEntry &d) {
        d.setFinalSpot({kHome, "60"});
        filled = true;
        return false;
    }));
    EXPECT_TRUE(filled);
    EXPECT_EQ(situation, before);
    EXPECT_EQ(ui.sounds, std::vector<int>{kClickSound});
    EXPECT_TRUE(game.plays.empty());
}

TEST_F(EntryTest, RunRushDialogAcceptsWhatTheScriptFilled)
{
    snap(0, 10, {20, kHome});
    EXPECT_TRUE(runRushEntry(context, [](RushEntry &d) {
        d.setYardsMade("6");
        return true;
    }));
    EXPECT_EQ(situation.ballSpot, (FieldSpot{26, kHome}));
    EXPECT_EQ(situation.down, 1);
    EXPECT_EQ(situation.toGo, 4);
}

TEST_F(EntryTest, RushOnTheIndoorFieldHoldsSpotsAtItsMidfield)
{
    league.indoorField = true;
    league.midfieldYardLine = 25;
    snap(0, 10, {20, kHome});
    RushEntry dialog(context);
    dialog.setYardsMade("12");
    EXPECT_EQ(dialog.form().finalSpot, (SpotEntry{kVisitor, "18"}));
    dialog.setFinalSpot({kVisitor, "40"});
    EXPECT_EQ(play.finalSpot, (FieldSpot{25, kVisitor}));
    EXPECT_EQ(dialog.form().yardsMade, "5");
    dialog.form().finalSpot.yardText.clear();
    dialog.form().yardsMade = "999";
    ASSERT_TRUE(dialog.ok());
    EXPECT_EQ(situation.ballSpot, (FieldSpot{0, kVisitor}));
    EXPECT_EQ(play.scoreType, code(ScoreType::Touchdown));
}

TEST_F(EntryTest, RowsTheDialogLacksAreIgnored)
{
    snap(0, 10, {30, kHome});
    RushEntry dialog(context);
    dialog.typePlayerNumber(7, "22");
    EXPECT_FALSE(dialog.choosePlayer(-1, 0));
    EXPECT_FALSE(dialog.pickPlayer(4, "Adams"));
    dialog.clearPlayer(9);
    EXPECT_TRUE(dialog.rowRoster(4).empty());
    EXPECT_EQ(dialog.playerRow(4), PlayerEntry{});
    EXPECT_FALSE(dialog.chooseRecoverer(0)) << "no team checked: the list is empty";
    EXPECT_FALSE(dialog.selectFumble(3));
    ASSERT_TRUE(dialog.ok());
    for (const PlayerRecord &player : play.players)
        EXPECT_EQ(player.name, player.number == 7 ? "Adams" : "");
}

} // namespace
} // namespace yardmark

#include "entryfixture.h"
#include "gameflow/entry/passentry.h"

#include <algorithm>
#include <optional>

namespace yardmark {
namespace {

struct PassCase {
    const char *name;
    std::int32_t down, toGo;
    FieldSpot start;
    bool tryPending;
    PassResult result;
    SpotEntry finalSpot; ///< typed and left
    std::optional<MessageAnswer> firstDownAnswer;
    // expected
    std::int32_t downAfter, toGoAfter;
    FieldSpot end;
    ScoreType score;
    std::int32_t turnover;
    FirstDownKind firstDown;
};

const PassCase kPassCases[] = {
    {"third and 4, completed for exactly 4, No: fourth and 0",
     2,
     4,
     {30, kHome},
     false,
     PassResult::Completion,
     {kHome, "34"},
     MessageAnswer::No,
     3,
     0,
     {34, kHome},
     ScoreType::NoScore,
     0,
     FirstDownKind::NoFirstDown},
    {"third and 4, completed for exactly 4, Yes: first and 10",
     2,
     4,
     {30, kHome},
     false,
     PassResult::Completion,
     {kHome, "34"},
     MessageAnswer::Yes,
     0,
     10,
     {34, kHome},
     ScoreType::NoScore,
     0,
     FirstDownKind::FirstDown},
    {"a sack behind the line: next down, more to go",
     1,
     10,
     {30, kHome},
     false,
     PassResult::Sack,
     {kHome, "22"},
     {},
     2,
     18,
     {22, kHome},
     ScoreType::NoScore,
     0,
     FirstDownKind::NoFirstDown},
    {"a sack in the end zone: safety",
     1,
     10,
     {4, kHome},
     false,
     PassResult::Sack,
     {kHome, "G"},
     {},
     2,
     14,
     {0, kHome},
     ScoreType::Safety,
     0,
     FirstDownKind::NoFirstDown},
    {"incomplete: the ball stays, whatever Final Spot says",
     1,
     10,
     {30, kHome},
     false,
     PassResult::Incompletion,
     {kVisitor, "20"},
     {},
     2,
     10,
     {30, kHome},
     ScoreType::NoScore,
     0,
     FirstDownKind::NoFirstDown},
    {"incomplete on fourth down: turnover on downs",
     3,
     2,
     {30, kHome},
     false,
     PassResult::Incompletion,
     {kHome, ""},
     {},
     3,
     2,
     {30, kHome},
     ScoreType::NoScore,
     3,
     FirstDownKind::NoFirstDown},
    {"completed into the end zone: touchdown",
     0,
     10,
     {12, kVisitor},
     false,
     PassResult::Completion,
     {kVisitor, "g"},
     {},
     0,
     10,
     {0, kVisitor},
     ScoreType::Touchdown,
     0,
     FirstDownKind::FirstDown},
    {"interception returned to the passing team's goal line: defensive touchdown",
     0,
     10,
     {30, kHome},
     false,
     PassResult::Interception,
     {kHome, "G"},
     {},
     0,
     10,
     {0, kHome},
     ScoreType::DefensiveTouchdown,
     2,
     FirstDownKind::NoFirstDown},
    {"interception ending on the intercepting team's goal line: no score",
     0,
     10,
     {20, kVisitor},
     false,
     PassResult::Interception,
     {kVisitor, "0"},
     {},
     0,
     10,
     {0, kVisitor},
     ScoreType::NoScore,
     2,
     FirstDownKind::NoFirstDown},
    {"interception returned during a try: defensive conversion",
     0,
     3,
     {3, kVisitor},
     true,
     PassResult::Interception,
     {kHome, "0"},
     {},
     0,
     3,
     {0, kHome},
     ScoreType::DefensiveConversion,
     2,
     FirstDownKind::NoFirstDown},
    {"try completed into the end zone: conversion",
     0,
     3,
     {3, kVisitor},
     true,
     PassResult::Completion,
     {kVisitor, "G"},
     {},
     0,
     3,
     {0, kVisitor},
     ScoreType::Conversion,
     0,
     FirstDownKind::NoFirstDown},
    {"try incomplete: nothing changes",
     0,
     3,
     {3, kVisitor},
     true,
     PassResult::Incompletion,
     {kVisitor, "G"},
     {},
     0,
     3,
     {3, kVisitor},
     ScoreType::NoScore,
     0,
     FirstDownKind::NoFirstDown},
};

class PassOk : public EntryTest, public ::testing::WithParamInterface<PassCase> {};

TEST_P(PassOk, RecordsThePlayAndTheSituation)
{
    const PassCase &c = GetParam();
    game.tryPending = c.tryPending;
    snap(c.down, c.toGo, c.start);
    if (c.firstDownAnswer)
        ui.replies.push_back(*c.firstDownAnswer);

    PassEntry dialog(context);
    ASSERT_TRUE(dialog.setResult(code(c.result)));
    dialog.setFinalSpot(c.finalSpot);
    ASSERT_TRUE(dialog.ok());

    EXPECT_EQ(play.playType, code(c.tryPending ? PlayType::TryByPass : PlayType::Pass));
    EXPECT_EQ(play.passResult, code(c.result));
    EXPECT_EQ(situation.ballSpot, c.end);
    EXPECT_EQ(play.finalSpot, c.end);
    EXPECT_EQ(play.downAfter, c.downAfter);
    EXPECT_EQ(play.toGoAfter, c.toGoAfter);
    EXPECT_EQ(situation.down, c.downAfter);
    EXPECT_EQ(situation.toGo, c.toGoAfter);
    EXPECT_EQ(play.scoreType, code(c.score));
    EXPECT_EQ(play.turnover, c.turnover);
    EXPECT_EQ(play.firstDown, code(c.firstDown));
    EXPECT_TRUE(ui.replies.empty()) << "the first-down question was not asked";
    const bool asked =
        std::any_of(ui.messages.begin(), ui.messages.end(), [](const auto &m) { return m.caption == "First Down?"; });
    EXPECT_EQ(asked, c.firstDownAnswer.has_value());
    const bool timed = std::find(ui.log.begin(), ui.log.end(), "Record Time") != ui.log.end();
    EXPECT_EQ(timed, c.turnover != 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, PassOk, ::testing::ValuesIn(kPassCases));

TEST_F(EntryTest, PassSetUp)
{
    snap(0, 10, {40, kVisitor}, kVisitor);
    game.visitorTeam.currentQuarterback = "Ortiz";
    PassEntry dialog(context);
    EXPECT_EQ(dialog.form().caption, "Bears Passes on 1st down");
    EXPECT_EQ(dialog.form().players[PassEntry::Quarterback], (PlayerEntry{"21", 2}));
    EXPECT_EQ(dialog.form().result, code(PassResult::Completion));
    EXPECT_EQ(dialog.form().finalSpot, (SpotEntry{kVisitor, ""}));
    EXPECT_EQ(dialog.form().receptionSpot, (SpotEntry{kVisitor, ""}));
    EXPECT_EQ(&dialog.rowRoster(PassEntry::Interceptor), &game.homeTeam.players);
    EXPECT_EQ(&dialog.rowRoster(PassEntry::Receiver), &game.visitorTeam.players);
    EXPECT_FALSE(dialog.setResult(0));
    EXPECT_FALSE(dialog.setResult(5));

    game.tryPending = true;
    PassEntry tryDialog(context);
    EXPECT_EQ(tryDialog.form().caption, "Bears - PAT Pass Attempt");
}

TEST_F(EntryTest, PassReceptionYardsAndFinalSpotFillEachOther)
{
    snap(0, 10, {30, kHome});
    PassEntry fromReception(context);
    fromReception.setReceptionSpot({kHome, "42"});
    EXPECT_EQ(fromReception.form().finalSpot, (SpotEntry{kHome, "42"}));
    EXPECT_EQ(play.finalSpot, (FieldSpot{42, kHome}));
    EXPECT_EQ(fromReception.form().yardsMade, "12");
    fromReception.setReceptionSpot({kHome, "45"}); // Final Spot is filled now: it stays
    EXPECT_EQ(fromReception.form().finalSpot, (SpotEntry{kHome, "42"}));

    snap(0, 10, {30, kHome});
    PassEntry fromYards(context);
    fromYards.setYardsMade("25");
    EXPECT_EQ(fromYards.form().finalSpot, (SpotEntry{kVisitor, "45"}));
    EXPECT_EQ(fromYards.form().receptionSpot, (SpotEntry{kVisitor, "45"}));
    fromYards.setYardsMade("5");
    EXPECT_EQ(fromYards.form().receptionSpot, (SpotEntry{kVisitor, "45"})) << "a typed reception spot stays";
    fromYards.setReceptionSpot({kHome, "40"}); // Final Spot is filled: "Yards Made" stays too
    EXPECT_EQ(fromYards.form().yardsMade, "5");

    snap(0, 10, {30, kHome});
    PassEntry typedYards(context);
    typedYards.setYardsMade("3");
    typedYards.form().finalSpot.yardText.clear();
    typedYards.setReceptionSpot({kHome, "36"});
    EXPECT_EQ(typedYards.form().yardsMade, "3") << "typed yards are kept";
    EXPECT_EQ(typedYards.form().finalSpot, (SpotEntry{kHome, "36"}));
}

TEST_F(EntryTest, PassRecordsReceptionSpotAndFivePlayers)
{
    snap(1, 10, {30, kHome});
    PassEntry dialog(context);
    dialog.typePlayerNumber(PassEntry::Quarterback, "7");
    dialog.pickPlayer(PassEntry::Receiver, "Baker");
    dialog.typePlayerNumber(PassEntry::Tackler, "54");
    dialog.typePlayerNumber(PassEntry::Assist, "90");
    dialog.typePlayerNumber(PassEntry::Interceptor, "21");
    dialog.setResult(code(PassResult::Interception));
    dialog.setReceptionSpot({kVisitor, "35"});
    dialog.setFinalSpot({kVisitor, "45"});
    ASSERT_TRUE(dialog.ok());

    EXPECT_EQ(play.players[QuarterbackSlot].name, "Adams");
    EXPECT_EQ(play.players[CarrierSlot].name, "Baker");
    EXPECT_EQ(play.players[TacklerSlot].name, "Moss");
    EXPECT_EQ(play.players[AssistSlot].name, "Nash");
    EXPECT_EQ(play.players[InterceptorSlot].name, "Ortiz");
    EXPECT_EQ(play.receivedAt, (FieldSpot{35, kVisitor}));
    EXPECT_EQ(play.turnover, code(TurnoverKind::Interception));
    EXPECT_EQ(situation.ballSpot, (FieldSpot{45, kVisitor}));
    EXPECT_EQ(play.downAfter, 1) << "a turnover leaves down and distance to the change of possession";
    EXPECT_EQ(play.toGoAfter, 10);
}

TEST_F(EntryTest, PassFumbleRecoveredByThePassersAfterAnInterceptionClearsTheTurnover)
{
    snap(1, 10, {30, kHome});
    PassEntry dialog(context);
    dialog.setResult(code(PassResult::Interception));
    dialog.setRecoveredBy(kHome);
    dialog.setRecoveredAt({kVisitor, "48"});
    dialog.setReturnedTo({kHome, "45"});
    ASSERT_TRUE(dialog.ok());
    EXPECT_EQ(play.fumbles[0], code(FumbleRecovery::ByOffense));
    EXPECT_EQ(play.turnover, 0);
    EXPECT_EQ(situation.ballSpot, (FieldSpot{45, kHome}));
    EXPECT_EQ(situation.down, 0) << "a gain of 15 is a first down for the team that kept the ball";
    EXPECT_EQ(play.firstDown, code(FirstDownKind::FirstDown));
}

TEST_F(EntryTest, RunPassDialogOnAScript)
{
    snap(0, 10, {20, kHome});
    EXPECT_TRUE(runPassEntry(context, [](PassEntry &d) {
        d.setResult(code(PassResult::Incompletion));
        return true;
    }));
    EXPECT_EQ(play.passResult, code(PassResult::Incompletion));
    EXPECT_EQ(play.receivedAt, (FieldSpot{0, kHome})) << "the reception group's side with an empty yard line";
    EXPECT_FALSE(runPassEntry(context, [](PassEntry &) { return false; }));
}

} // namespace
} // namespace yardmark

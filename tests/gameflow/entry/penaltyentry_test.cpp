#include "entryfixture.h"
#include "gameflow/entry/penaltyentry.h"

#include <algorithm>
#include <optional>
#include <string>

namespace yardmark {
namespace {

constexpr bool kOffensive = false;
constexpr bool kDefensive = true;

struct ChoiceCase {
    const char *name;
    bool defensive;
    int penalty;
    std::int32_t down, toGo;
    std::optional<MessageAnswer> firstDownAnswer;
    // what the fields show
    const char *yards;
    const char *resultingDown;
    const char *resultingToGo;
};

const ChoiceCase kChoiceCases[] = {
    {"clipping: 15 yards added to the distance", kOffensive, 13, 1, 10, {}, "15", "2", "25"},
    {"holding", kOffensive, 4, 0, 10, {}, "10", "1", "20"},
    {"intentional grounding", kOffensive, 14, 2, 7, {}, "10", "3", "17"},
    {"tripping", kOffensive, 28, 0, 10, {}, "10", "1", "20"},
    {"unsportsmanlike conduct", kOffensive, 22, 0, 10, {}, "15", "1", "25"},
    {"false start: every other code is 5", kOffensive, 5, 0, 10, {}, "5", "1", "15"},
    {"no offensive penalty", kOffensive, 0, 0, 10, {}, "0", "1", "10"},
    {"roughing the passer: automatic first down", kDefensive, 7, 2, 20, {}, "15", "1", "10"},
    {"holding: 5 yards and a first down", kDefensive, 5, 1, 12, {}, "5", "1", "10"},
    {"piling on", kDefensive, 9, 3, 25, {}, "15", "1", "10"},
    {"offside on third and 5, Yes: first and 10", kDefensive, 2, 2, 5, MessageAnswer::Yes, "5", "1", "10"},
    {"offside on third and 5, No: third and 0", kDefensive, 2, 2, 5, MessageAnswer::No, "5", "3", "0"},
    {"offside short of the line: the down is replayed", kDefensive, 2, 1, 10, {}, "5", "2", "5"},
    {"pass interference beyond the line: first and 10", kDefensive, 4, 1, 10, {}, "15", "1", "10"},
    {"pass interference short of the line: no automatic first down", kDefensive, 4, 1, 20, {}, "15", "2", "5"},
    {"tripping", kDefensive, 18, 0, 20, {}, "10", "1", "10"},
    {"too many players", kDefensive, 17, 0, 10, {}, "5", "1", "5"},
    {"invalid fair catch", kDefensive, 20, 0, 20, {}, "15", "1", "5"},
    {"unsportsmanlike conduct", kDefensive, 13, 0, 20, {}, "15", "1", "5"},
    {"no defensive penalty", kDefensive, 0, 0, 10, {}, "0", "1", "10"},
};

class PenaltyChoice : public EntryTest, public ::testing::WithParamInterface<ChoiceCase> {};

TEST_P(PenaltyChoice, FillsYardsDownAndToGo)
{
    const ChoiceCase &c = GetParam();
    snap(c.down, c.toGo, {30, kHome});
    if (c.firstDownAnswer)
        ui.replies.push_back(*c.firstDownAnswer);
    PenaltyEntry dialog(context, c.defensive);
    ASSERT_TRUE(dialog.choosePenalty(c.penalty));
    EXPECT_EQ(dialog.form().penalty, c.penalty);
    EXPECT_EQ(dialog.form().yardsPenalized, c.yards);
    EXPECT_EQ(dialog.form().resultingDown, c.resultingDown);
    EXPECT_EQ(dialog.form().resultingToGo, c.resultingToGo);
    EXPECT_TRUE(ui.replies.empty()) << "the first-down question was not asked";
    ASSERT_EQ(ui.messages.size(), c.firstDownAnswer ? 1u : 0u);
    if (c.firstDownAnswer) {
        EXPECT_EQ(ui.messages[0].text, "Did Play Result in First Down");
        EXPECT_EQ(ui.messages[0].caption, "First Down?");
        EXPECT_EQ(ui.messages[0].buttons, MessageButtons::YesNo);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, PenaltyChoice, ::testing::ValuesIn(kChoiceCases));

struct OkCase {
    const char *name;
    bool defensive;
    int penalty; ///< chosen in the list, or -1 to leave "Penalty" selected
    std::int32_t down, toGo;
    FieldSpot start;
    SpotEntry finalSpot;       ///< typed and left, after the penalty was chosen
    const char *resultingDown; ///< typed over what the list filled, or null
    const char *resultingToGo;
    // expected
    FieldSpot end;
    std::int32_t downAfter, toGoAfter;
    FirstDownKind firstDown;
};

const OkCase kOkCases[] = {
    {"clipping, empty final spot: 15 yards back, same down, 25 to go",
     kOffensive,
     13,
     1,
     10,
     {30, kHome},
     {kHome, ""},
     nullptr,
     nullptr,
     {15, kHome},
     1,
     25,
     FirstDownKind::NoFirstDown},
    {"offensive penalty backing away from the opponent's goal",
     kOffensive,
     5,
     0,
     10,
     {3, kVisitor},
     {kVisitor, ""},
     nullptr,
     nullptr,
     {8, kVisitor},
     0,
     15,
     FirstDownKind::NoFirstDown},
    {"offensive penalty near the own goal line stops at it",
     kOffensive,
     13,
     0,
     10,
     {8, kHome},
     {kHome, ""},
     nullptr,
     nullptr,
     {0, kHome},
     0,
     25,
     FirstDownKind::NoFirstDown},
    {"offensive penalty never sets a first down",
     kOffensive,
     5,
     0,
     10,
     {30, kHome},
     {kHome, ""},
     "1",
     "10",
     {25, kHome},
     0,
     10,
     FirstDownKind::NoFirstDown},
    {"offensive penalty with a typed final spot",
     kOffensive,
     4,
     0,
     10,
     {30, kHome},
     {kHome, "22"},
     nullptr,
     nullptr,
     {22, kHome},
     0,
     18,
     FirstDownKind::NoFirstDown},
    {"defensive, empty final spot, 15 of 20 to go: same down, 5 to go, even roughing the passer",
     kDefensive,
     7,
     2,
     20,
     {30, kHome},
     {kHome, ""},
     nullptr,
     nullptr,
     {45, kHome},
     2,
     5,
     FirstDownKind::NoFirstDown},
    {"defensive, empty final spot beyond the line: first down by penalty",
     kDefensive,
     4,
     1,
     10,
     {30, kHome},
     {kHome, ""},
     nullptr,
     nullptr,
     {45, kHome},
     0,
     10,
     FirstDownKind::ByPenalty},
    {"defensive across midfield",
     kDefensive,
     2,
     1,
     10,
     {48, kHome},
     {kHome, ""},
     nullptr,
     nullptr,
     {47, kVisitor},
     1,
     5,
     FirstDownKind::NoFirstDown},
    {"defensive penalty with a typed final spot keeps the list's down",
     kDefensive,
     7,
     2,
     20,
     {30, kHome},
     {kHome, "45"},
     nullptr,
     nullptr,
     {45, kHome},
     0,
     5,
     FirstDownKind::ByPenalty},
    {"defensive penalty at the goal line",
     kDefensive,
     4,
     0,
     10,
     {5, kVisitor},
     {kVisitor, "g"},
     nullptr,
     nullptr,
     {0, kVisitor},
     0,
     5,
     FirstDownKind::ByPenalty},
    {"typed resulting down and to go win",
     kOffensive,
     2,
     3,
     10,
     {30, kHome},
     {kHome, ""},
     "2",
     "7",
     {25, kHome},
     1,
     7,
     FirstDownKind::NoFirstDown},
    {"defensive, empty final spot: the yards rewrite typed results",
     kDefensive,
     2,
     3,
     10,
     {30, kHome},
     {kHome, ""},
     "2",
     "7",
     {35, kHome},
     3,
     5,
     FirstDownKind::NoFirstDown},
    {"empty resulting fields: the down before and the distance left",
     kOffensive,
     5,
     2,
     10,
     {30, kHome},
     {kHome, ""},
     "",
     "",
     {25, kHome},
     2,
     15,
     FirstDownKind::NoFirstDown},
    {"no penalty chosen: empty yards leave the ball",
     kOffensive,
     -1,
     1,
     10,
     {30, kHome},
     {kHome, ""},
     nullptr,
     nullptr,
     {30, kHome},
     1,
     10,
     FirstDownKind::NoFirstDown},
    {"a resulting down beyond the fourth is held at the fourth",
     kOffensive,
     5,
     0,
     10,
     {30, kHome},
     {kHome, ""},
     "9",
     nullptr,
     {25, kHome},
     3,
     15,
     FirstDownKind::NoFirstDown},
    {"a resulting down below the first is held at the first",
     kOffensive,
     5,
     2,
     10,
     {30, kHome},
     {kHome, ""},
     "-",
     nullptr,
     {25, kHome},
     0,
     15,
     FirstDownKind::NoFirstDown},
    {"a huge resulting to go is held at the field's length",
     kOffensive,
     5,
     0,
     10,
     {30, kHome},
     {kHome, ""},
     nullptr,
     "999999999999",
     {25, kHome},
     0,
     100,
     FirstDownKind::NoFirstDown},
    {"a final spot beyond the line to gain is a first down, not a negative distance",
     kDefensive,
     4,
     1,
     10,
     {30, kHome},
     {kHome, "45"},
     nullptr,
     nullptr,
     {45, kHome},
     0,
     10,
     FirstDownKind::ByPenalty},
};

class PenaltyOk : public EntryTest, public ::testing::WithParamInterface<OkCase> {};

TEST_P(PenaltyOk, MovesTheBallAndSetsDownAndDistance)
{
    const OkCase &c = GetParam();
    snap(c.down, c.toGo, c.start);
    PenaltyEntry dialog(context, c.defensive);
    if (c.penalty >= 0) {
        ASSERT_TRUE(dialog.choosePenalty(c.penalty));
    }
    dialog.setFinalSpot(c.finalSpot);
    if (c.resultingDown)
        dialog.setResultingDown(c.resultingDown);
    if (c.resultingToGo)
        dialog.setResultingToGo(c.resultingToGo);
    ASSERT_TRUE(dialog.ok());

    const int chosen = c.penalty >= 0 ? c.penalty : 1;
    EXPECT_TRUE(dialog.accepted());
    EXPECT_EQ(play.playType, code(c.defensive ? PlayType::DefensivePenalty : PlayType::OffensivePenalty));
    EXPECT_EQ(play.offensivePenalty, c.defensive ? 0 : chosen);
    EXPECT_EQ(play.defensivePenalty, c.defensive ? chosen : 0);
    EXPECT_EQ(play.offensivePenaltyYards, 0) << "the yardage is the ball's movement";
    EXPECT_EQ(play.defensivePenaltyYards, 0);
    EXPECT_EQ(situation.ballSpot, c.end);
    EXPECT_EQ(play.finalSpot, c.end);
    EXPECT_EQ(situation.down, c.downAfter);
    EXPECT_EQ(situation.toGo, c.toGoAfter);
    EXPECT_EQ(play.downAfter, c.downAfter);
    EXPECT_EQ(play.toGoAfter, c.toGoAfter);
    EXPECT_EQ(play.firstDown, code(c.firstDown));
    EXPECT_EQ(play.scoreType, 0);
    EXPECT_EQ(play.turnover, 0);
    EXPECT_TRUE(situation.homeHasBall) << "a penalty never changes possession";
    EXPECT_EQ(std::count(ui.log.begin(), ui.log.end(), "Record Time"), 0);
    EXPECT_EQ(ui.sounds.back(), kClickSound);
}

INSTANTIATE_TEST_SUITE_P(Cases, PenaltyOk, ::testing::ValuesIn(kOkCases));

TEST_F(EntryTest, PenaltySetUp)
{
    snap(2, 7, {40, kVisitor});
    play.penaltySpot = {12, true};
    PenaltyEntry offensive(context, kOffensive);
    EXPECT_EQ(offensive.form().caption, "Offensive Penalty on Tigers");
    EXPECT_EQ(offensive.form().penalty, 1);
    EXPECT_EQ(offensive.form().yardsPenalized, "") << "the opening choice fills no yards";
    EXPECT_EQ(offensive.form().resultingDown, "3");
    EXPECT_EQ(offensive.form().resultingToGo, "7");
    EXPECT_EQ(offensive.form().finalSpot, (SpotEntry{kVisitor, ""}));
    EXPECT_EQ(offensive.form().penaltySpot, (SpotEntry{kVisitor, "40"}));
    EXPECT_EQ(&offensive.rowRoster(PenaltyEntry::PenaltyOn), &game.homeTeam.players);
    EXPECT_FALSE(offensive.choosePenalty(31));
    EXPECT_FALSE(offensive.choosePenalty(-1));
    EXPECT_EQ(play.toGoBefore, 7);

    PenaltyEntry defensive(context, kDefensive);
    EXPECT_EQ(defensive.form().caption, "Defensive Penalty on Bears");
    EXPECT_EQ(&defensive.rowRoster(PenaltyEntry::PenaltyOn), &game.visitorTeam.players);
    EXPECT_TRUE(defensive.choosePenalty(21));
    EXPECT_FALSE(defensive.choosePenalty(22));
}

TEST_F(EntryTest, PenaltyFinalSpotGivesTheDistanceLeft)
{
    snap(1, 10, {30, kHome});
    PenaltyEntry dialog(context, kOffensive);
    dialog.setFinalSpot({kHome, "20"});
    EXPECT_EQ(dialog.form().resultingToGo, "20");
    EXPECT_EQ(play.finalSpot, (FieldSpot{20, kHome}));
    dialog.setFinalSpot({kHome, ""});
    EXPECT_EQ(dialog.form().resultingToGo, "20") << "an empty yard line changes nothing";
}

TEST_F(EntryTest, PenaltyRecordsSpotAndPlayerPenalized)
{
    snap(0, 10, {30, kHome});
    PenaltyEntry offensive(context, kOffensive);
    offensive.choosePenalty(code(OffensivePenalty::FalseStart));
    offensive.typePlayerNumber(PenaltyEntry::PenaltyOn, "22");
    offensive.form().penaltyOn.listIndex = -1;
    offensive.setPenaltySpot({kVisitor, "48"});
    ASSERT_TRUE(offensive.ok());
    EXPECT_EQ(play.penaltySpot, (FieldSpot{48, kVisitor}));
    EXPECT_TRUE(play.players[CarrierSlot].isEmpty());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Select Tackler from Drop Down List");

    snap(0, 10, {30, kHome});
    PenaltyEntry defensive(context, kDefensive);
    defensive.typePlayerNumber(PenaltyEntry::PenaltyOn, "54");
    ASSERT_TRUE(defensive.ok());
    EXPECT_EQ(play.players[CarrierSlot], game.visitorTeam.players[0]);
    EXPECT_EQ(play.penaltySpot, (FieldSpot{30, kHome})) << "the spot of the snap unless another is typed";
}

TEST_F(EntryTest, PenaltyTypedYardsNeverOverflow)
{
    for (const char *typed : {"999999999999", "-999999999999", "-", "x"}) {
        for (const bool defensive : {kOffensive, kDefensive}) {
            snap(1, 10, {30, kHome});
            PenaltyEntry dialog(context, defensive);
            dialog.setYardsPenalized(typed);
            ASSERT_TRUE(dialog.ok());
            EXPECT_GE(situation.ballSpot.yardLine, 0) << typed;
            EXPECT_LE(situation.ballSpot.yardLine, 50) << typed;
            EXPECT_GE(situation.toGo, 0) << typed;
            EXPECT_LE(situation.toGo, 100) << typed;
        }
    }
}

TEST_F(EntryTest, PenaltyCancelChangesNothing)
{
    snap(1, 10, {30, kHome});
    const GameSituation before = situation;
    const PlayRecord fresh = play;
    EXPECT_FALSE(runDefensivePenaltyEntry(context, [](PenaltyEntry &d) {
        d.choosePenalty(code(DefensivePenalty::Offside));
        d.setFinalSpot({kHome, "40"});
        return false;
    }));
    EXPECT_EQ(situation, before);
    EXPECT_EQ(play.playType, fresh.playType);
    EXPECT_EQ(ui.sounds, std::vector<int>{kClickSound});

    EXPECT_TRUE(runOffensivePenaltyEntry(context, [](PenaltyEntry &d) {
        d.choosePenalty(code(OffensivePenalty::Holding));
        return true;
    }));
    EXPECT_EQ(situation.ballSpot, (FieldSpot{20, kHome}));
}

} // namespace
} // namespace yardmark

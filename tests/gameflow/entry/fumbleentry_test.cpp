#include "entryfixture.h"
#include "gameflow/entry/rushentry.h"

#include <algorithm>

namespace yardmark {
namespace {

bool askedForTime(const ScriptedInteraction &ui)
{
    return std::find(ui.log.begin(), ui.log.end(), "Record Time") != ui.log.end();
}

TEST_F(EntryTest, TwoFumblesAreEachJudgedAgainstThePreviousRecovery)
{
    snap(1, 10, {30, kHome});
    RushEntry dialog(context);
    dialog.setFinalSpot({kHome, "36"});
    dialog.setRecoveredBy(kVisitor);
    EXPECT_EQ(dialog.fumbles().form.recoveredAt, (SpotEntry{kHome, "30"})) << "preset to where the play began";
    EXPECT_EQ(dialog.fumbles().form.returnedTo, (SpotEntry{kHome, "30"}));
    EXPECT_EQ(&recovererRoster(dialog.fumbles(), game), &game.visitorTeam.players);
    ASSERT_TRUE(dialog.pickRecoverer("Moss"));
    dialog.setRecoveredAt({kHome, "35"});
    dialog.setReturnedTo({kHome, "32"});
    ASSERT_TRUE(dialog.selectFumble(1));
    EXPECT_EQ(dialog.form().finalSpot, (SpotEntry{kHome, "32"})) << "the play ends where the return ended";
    EXPECT_EQ(dialog.fumbles().shown, 1);
    EXPECT_EQ(dialog.fumbles().form, FumbleForm{});

    dialog.setRecoveredBy(kHome);
    dialog.typeRecovererNumber("7");
    dialog.setRecoveredAt({kHome, "28"});
    dialog.setReturnedTo({kHome, ""});
    ASSERT_TRUE(dialog.ok());

    EXPECT_EQ(play.fumbles, (std::array<std::int32_t, 3>{1, 1, 0}));
    EXPECT_EQ(play.fumbleRecoveredByHome, (std::array<bool, 3>{false, true, true}));
    EXPECT_EQ(play.fumbleRecoveredAt[0], (FieldSpot{35, kHome}));
    EXPECT_EQ(play.fumbleReturnedTo[0], (FieldSpot{32, kHome}));
    EXPECT_EQ(play.fumbleRecoveredAt[1], (FieldSpot{28, kHome}));
    EXPECT_EQ(play.fumbleReturnedTo[1], (FieldSpot{28, kHome})) << "no return typed: where it was recovered";
    EXPECT_EQ(play.players[FirstRecovererSlot], game.visitorTeam.players[0]);
    EXPECT_EQ(play.players[FirstRecovererSlot + 1], game.homeTeam.players[0]);
    EXPECT_TRUE(play.players[FirstRecovererSlot + 2].isEmpty());
    EXPECT_EQ(play.turnover, 0);
    EXPECT_EQ(play.finalSpot, (FieldSpot{28, kHome}));
    EXPECT_EQ(situation.ballSpot, (FieldSpot{28, kHome}));
    EXPECT_EQ(situation.down, 2);
    EXPECT_EQ(situation.toGo, 12);
    EXPECT_FALSE(askedForTime(ui));
}

struct FumbleCase {
    const char *name;
    bool recoveredByHome;
    FieldSpot returnedTo;
    std::int32_t code;
    std::int32_t turnover;
    ScoreType score;
};

const FumbleCase kFumbleCases[] = {
    {"recovered by the defense: a fumble lost", kVisitor, {40, kHome}, 1, 1, ScoreType::NoScore},
    {"recovered by the offense", kHome, {40, kHome}, 2, 0, ScoreType::NoScore},
    {"returned by the defense into the offense's end zone", kVisitor, {0, kHome}, 1, 1, ScoreType::DefensiveTouchdown},
    {"returned by the defense to its own goal line: no score", kVisitor, {0, kVisitor}, 1, 1, ScoreType::NoScore},
};

class RushFumble : public EntryTest, public ::testing::WithParamInterface<FumbleCase> {};

TEST_P(RushFumble, DecidesTurnoverSpotAndScore)
{
    const FumbleCase &c = GetParam();
    snap(0, 10, {45, kHome});
    RushEntry dialog(context);
    dialog.setRecoveredBy(c.recoveredByHome);
    dialog.setRecoveredAt({kHome, "47"});
    dialog.setReturnedTo(showSpotEntry(c.returnedTo));
    ASSERT_TRUE(dialog.ok());
    EXPECT_EQ(play.fumbles[0], c.code);
    EXPECT_EQ(play.turnover, c.turnover);
    EXPECT_EQ(play.finalSpot, c.returnedTo);
    EXPECT_EQ(situation.ballSpot, c.returnedTo);
    EXPECT_EQ(play.scoreType, code(c.score));
    EXPECT_EQ(askedForTime(ui), c.turnover != 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, RushFumble, ::testing::ValuesIn(kFumbleCases));

TEST_F(EntryTest, RecoveryWithoutItsSpotKeepsTheDialogOpen)
{
    snap(1, 10, {30, kHome});
    const GameSituation before = situation;
    game.homeTeam.currentQuarterback = "Baker";
    RushEntry dialog(context);
    dialog.typePlayerNumber(RushEntry::Quarterback, "7");
    dialog.setRecoveredBy(kVisitor);
    dialog.setRecoveredAt({kHome, ""});

    EXPECT_FALSE(dialog.selectFumble(1));
    EXPECT_EQ(dialog.fumbles().shown, 0) << "the selector stays on the fumble";
    EXPECT_FALSE(dialog.ok());
    EXPECT_FALSE(dialog.closed());
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].text, "Must Enter Where Recovery was Made");
    EXPECT_EQ(ui.messages[1].caption, "Recovered At?");
    EXPECT_EQ(ui.sounds, (std::vector<int>{kWarningSound, kClickSound, kWarningSound}));
    EXPECT_EQ(situation, before);
    EXPECT_EQ(game.homeTeam.currentQuarterback, "Baker") << "nothing of the game changes before OK succeeds";

    dialog.setRecoveredAt({kHome, "29"});
    ASSERT_TRUE(dialog.ok());
    EXPECT_EQ(play.fumbles[0], 1);
    EXPECT_EQ(game.homeTeam.currentQuarterback, "Adams");
}

TEST_F(EntryTest, ScriptedOkThatStaysOpenIsCancelled)
{
    snap(1, 10, {30, kHome});
    EXPECT_FALSE(runRushEntry(context, [](RushEntry &d) {
        d.setRecoveredBy(kHome);
        d.setRecoveredAt({kHome, ""});
        return true;
    }));
    EXPECT_EQ(ui.log, (std::vector<std::string>{"sound 601", "sound 604",
                                                "Recovered At?: Must Enter Where Recovery was Made", "sound 601"}));
}

TEST_F(EntryTest, FumbleSelectorShowsASavedFumbleAgainAndClears)
{
    snap(0, 10, {30, kHome});
    RushEntry dialog(context);
    dialog.setRecoveredBy(kVisitor);
    dialog.typeRecovererNumber("90");
    dialog.setRecoveredAt({kHome, "33"});
    ASSERT_TRUE(dialog.selectFumble(2));
    ASSERT_TRUE(dialog.selectFumble(0));
    EXPECT_EQ(dialog.fumbles().form.recoveredByHome, std::optional<bool>(kVisitor));
    EXPECT_EQ(dialog.fumbles().form.recoverer, (PlayerEntry{"90", 1}));
    EXPECT_EQ(dialog.fumbles().form.recoveredAt, (SpotEntry{kHome, "33"}));

    // Unchecking the box clears only the player; "Clear" empties the section.
    dialog.setRecoveredBy(std::nullopt);
    EXPECT_EQ(dialog.fumbles().form.recoverer, PlayerEntry{});
    EXPECT_EQ(dialog.fumbles().form.recoveredAt, (SpotEntry{kHome, "33"}));
    dialog.setRecoveredBy(kVisitor);
    dialog.clearFumble();
    EXPECT_EQ(dialog.fumbles().form, FumbleForm{});
    dialog.setFinalSpot({kHome, "34"});
    ASSERT_TRUE(dialog.ok());
    EXPECT_EQ(play.fumbles, (std::array<std::int32_t, 3>{0, 0, 0}));
    EXPECT_TRUE(play.players[FirstRecovererSlot].isEmpty());
    EXPECT_EQ(play.fumbleRecoveredAt[0], FieldSpot{});
    EXPECT_EQ(situation.ballSpot, (FieldSpot{34, kHome}));
}

} // namespace
} // namespace yardmark

#include "gameflow/entry/puntentry.h"

#include "kickfixture.h"

namespace yardmark {
namespace {

/// The Tigers punt on fourth down from their own 40.
class PuntTest : public KickTest {
protected:
    PuntTest()
    {
        game.kickoffPending = false;
        situation.down = 3;
        situation.toGo = 6;
        situation.ballSpot = {40, true};
        newPlay();
    }
};

TEST_F(PuntTest, SetUpPreselectsThePunterAndAimsAtTheReceivers)
{
    game.homeTeam.currentPunter = "Lee";
    PuntEntry dialog(context);
    const PuntForm &form = dialog.form();
    EXPECT_EQ(form.caption, "Punt - Tigers");
    EXPECT_EQ(form.punter, (PlayerEntry{"00", 4}));
    EXPECT_EQ(form.result, PuntResult::Returned);
    EXPECT_EQ(form.puntedTo, (SpotEntry{false, ""}));
    EXPECT_EQ(form.finalSpot, (SpotEntry{false, ""}));
    EXPECT_EQ(&dialog.rowRoster(PuntEntry::BlockedBy), &game.visitorTeam.players);
    EXPECT_EQ(&dialog.rowRoster(PuntEntry::Tackler), &game.homeTeam.players);
}

TEST_F(PuntTest, FairCatchWithoutFinalSpotEndsWhereItWasCaught)
{
    PuntEntry dialog(context);
    dialog.form().puntedTo.yardText = "30";
    dialog.chooseResult(PuntResult::FairCatch);
    dialog.form().punter.numberText = "7";
    ASSERT_TRUE(dialog.ok());
    EXPECT_EQ(play.playType, code(PlayType::Punt));
    EXPECT_EQ(play.kickResult, code(KickResult::FairCatch));
    EXPECT_EQ(play.receivedAt, (FieldSpot{30, false}));
    EXPECT_EQ(play.finalSpot, (FieldSpot{30, false}));
    EXPECT_EQ(situation.ballSpot, (FieldSpot{30, false}));
    EXPECT_EQ(play.scoreType, 0);
    EXPECT_EQ(play.turnover, 0);
    EXPECT_EQ(play.downAfter, 3);
    EXPECT_EQ(play.toGoAfter, 6);
    EXPECT_EQ(game.homeTeam.currentPunter, "Baker");
    EXPECT_EQ(ui.log, (std::vector<std::string>{"sound 601", "Record Time"}));

    applyPlayOutcome(play, situation, game, league);
    EXPECT_FALSE(situation.homeHasBall);
    EXPECT_EQ(situation.down, 0);
    EXPECT_EQ(situation.toGo, 10);
}

TEST_F(PuntTest, ResultRadiosGiveTheirKickResult)
{
    struct Case {
        PuntResult result;
        KickResult kick;
    };
    const Case cases[] = {
        {PuntResult::Returned, KickResult::Runback},           {PuntResult::TouchBack, KickResult::Touchback},
        {PuntResult::Downed, KickResult::DownedByKickingTeam}, {PuntResult::OutOfBounds, KickResult::OutOfBounds},
        {PuntResult::FairCatch, KickResult::FairCatch},        {PuntResult::Blocked, KickResult::BlockedPunt},
    };
    for (const Case &c : cases) {
        newPlay();
        PuntEntry dialog(context);
        dialog.form().puntedTo.yardText = "12";
        dialog.chooseResult(c.result);
        ASSERT_TRUE(dialog.ok());
        EXPECT_EQ(play.kickResult, code(c.kick)) << static_cast<int>(c.result);
    }
}

TEST_F(PuntTest, TouchBackFillsBothSpots)
{
    PuntEntry dialog(context);
    dialog.chooseResult(PuntResult::TouchBack);
    EXPECT_EQ(dialog.form().puntedTo.yardText, "0");
    EXPECT_EQ(dialog.form().finalSpot.yardText, "20");
    useIndoorField();
    PuntEntry indoor(context);
    indoor.chooseResult(PuntResult::TouchBack);
    EXPECT_EQ(indoor.form().finalSpot.yardText, "15");
}

TEST_F(PuntTest, ChoosingTheBlockerChoosesBlockedBy)
{
    PuntEntry dialog(context);
    dialog.choosePlayer(PuntEntry::BlockedBy, 1);
    EXPECT_EQ(dialog.form().blockedBy, (PlayerEntry{"11", 1}));
    EXPECT_EQ(dialog.form().result, PuntResult::Blocked);
    EXPECT_EQ(dialog.form().fumbles.selectorEntries,
              (std::array<std::string, 3>{"Blocked Punt", "Fumble 1", "Fumble 2"}));
    EXPECT_EQ(play.kickResult, code(KickResult::BlockedPunt));
    dialog.chooseResult(PuntResult::Returned);
    EXPECT_EQ(dialog.form().fumbles.selectorEntries[0], "Fumble 1");

    // A window holding the dialog as a play entry dialog picks by name.
    PuntEntry picked(context);
    PlayEntry &asEntryDialog = picked;
    ASSERT_TRUE(asEntryDialog.pickPlayer(PuntEntry::BlockedBy, "Evans"));
    EXPECT_EQ(picked.form().result, PuntResult::Blocked);

    // Typing a number only finds the player in the list.
    PuntEntry typed(context);
    typed.typePlayerNumber(PuntEntry::BlockedBy, "80");
    EXPECT_EQ(typed.form().blockedBy.listIndex, 2);
    EXPECT_EQ(typed.form().result, PuntResult::Returned);
}

// A fumble the punting team recovers keeps the ball with it, as on a kickoff.
TEST_F(PuntTest, TheLastRecoveryDecidesWhoHasTheBall)
{
    struct Case {
        bool blocked;
        std::vector<bool> recoveredByHome; // home punts
        std::int32_t turnover;
        bool puntersKeepBall;
    };
    const Case cases[] = {
        {false, {false}, 0, false},      {false, {true}, 1, true},        {false, {true, false}, 0, false},
        {false, {false, true}, 1, true}, {true, {false}, 4, false},       {true, {true}, 0, false},
        {true, {false, true}, 1, true},  {true, {true, false}, 0, false},
    };
    for (const Case &c : cases) {
        situation.homeHasBall = true;
        situation.ballSpot = {40, true};
        newPlay();
        PuntEntry dialog(context);
        dialog.form().puntedTo.yardText = "25";
        if (c.blocked)
            dialog.chooseResult(PuntResult::Blocked);
        for (std::size_t i = 0; i < c.recoveredByHome.size(); ++i) {
            ASSERT_TRUE(dialog.selectFumble(static_cast<int>(i)));
            dialog.setRecoveredBy(c.recoveredByHome[i]);
        }
        dialog.form().keep = KickKeep::Result; // a return without a returner
        ASSERT_TRUE(dialog.ok());
        EXPECT_EQ(play.turnover, c.turnover) << c.blocked << c.recoveredByHome.size() << c.recoveredByHome[0];
        applyPlayOutcome(play, situation, game, league);
        EXPECT_EQ(situation.homeHasBall, c.puntersKeepBall) << c.blocked << c.recoveredByHome.size();
    }
}

TEST_F(PuntTest, ReturnsEndingOnAGoalLineScore)
{
    struct Case {
        bool blocked;
        std::optional<bool> recoveredByHome; // home punts
        SpotEntry end;
        ScoreType score;
    };
    const Case cases[] = {
        {false, std::nullopt, homeSpot("G"), ScoreType::RunbackTouchdown},
        {false, std::nullopt, visitorSpot("g"), ScoreType::RunbackSafety},
        {false, true, visitorSpot("0"), ScoreType::Touchdown},
        {false, false, homeSpot("0"), ScoreType::RunbackTouchdown},
        {true, false, homeSpot("0"), ScoreType::RunbackTouchdown},
        {true, false, visitorSpot("0"), ScoreType::RunbackSafety},
        {false, std::nullopt, homeSpot("2"), ScoreType::NoScore},
    };
    for (const Case &c : cases) {
        newPlay();
        PuntEntry dialog(context);
        dialog.form().puntedTo.yardText = "10";
        if (c.blocked)
            dialog.chooseResult(PuntResult::Blocked);
        if (c.recoveredByHome) {
            dialog.setRecoveredBy(c.recoveredByHome);
            dialog.setReturnedTo(c.end);
        }
        dialog.form().finalSpot = c.end;
        dialog.form().keep = KickKeep::Result; // a return without a returner
        ASSERT_TRUE(dialog.ok());
        EXPECT_EQ(play.scoreType, code(c.score)) << c.blocked << c.end.yardText << *c.end.homeSide;
    }
}

TEST_F(PuntTest, DuplicatedNumberAsksForTheDropDown)
{
    PuntEntry dialog(context);
    dialog.form().tackler.numberText = "22";
    ASSERT_TRUE(dialog.ok());
    EXPECT_TRUE(play.players[TacklerSlot].isEmpty());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Select Tackler from Drop Down List");
    EXPECT_EQ(ui.messages[0].caption, "Number 22 is Duplicated in Roster");

    newPlay();
    PuntEntry chosen(context);
    chosen.pickPlayer(PuntEntry::Tackler, "Dunn");
    ASSERT_TRUE(chosen.ok());
    EXPECT_EQ(play.players[TacklerSlot].name, "Dunn");
}

TEST_F(PuntTest, UnknownNumberRecordsANamelessPlayer)
{
    PuntEntry dialog(context);
    dialog.typePlayerNumber(PuntEntry::Returner, "44");
    EXPECT_EQ(dialog.form().returner.listIndex, -1);
    ASSERT_TRUE(dialog.ok());
    EXPECT_EQ(play.players[CarrierSlot].name, "");
    EXPECT_EQ(play.players[CarrierSlot].number, 44);
}

} // namespace
} // namespace yardmark

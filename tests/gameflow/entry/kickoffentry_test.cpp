#include "gameflow/entry/kickoffentry.h"

#include "kickfixture.h"

namespace yardmark {
namespace {

using KickOffTest = KickTest;

TEST_F(KickOffTest, SetUpPreselectsTheKickerAndPreparesATouchback)
{
    game.homeTeam.currentKicker = "Baker";
    KickOffEntry dialog(context);
    const KickOffForm &form = dialog.form();
    EXPECT_EQ(form.caption, "Tigers Kicks Off");
    EXPECT_EQ(form.kicker, (PlayerEntry{" 7", 1}));
    EXPECT_EQ(form.result, KickOffResult::TouchBack);
    EXPECT_EQ(form.kickedTo, visitorSpot("0"));
    EXPECT_EQ(form.finalSpot, visitorSpot("20"));
    EXPECT_EQ(form.fumbles.selectorEntries[0], "Fumble 1");
    EXPECT_EQ(form.fumbles.selectorEntries[2], "Fumble 3");
}

TEST_F(KickOffTest, TheVisitorsKickToTheHomeHalf)
{
    situation.homeHasBall = false;
    newPlay();
    KickOffEntry dialog(context);
    EXPECT_EQ(dialog.form().caption, "Bears Kicks Off");
    EXPECT_EQ(dialog.form().kickedTo, homeSpot("0"));
    EXPECT_EQ(&dialog.rowRoster(KickOffEntry::Kicker), &game.visitorTeam.players);
    EXPECT_EQ(&dialog.rowRoster(KickOffEntry::Returner), &game.homeTeam.players);
}

TEST_F(KickOffTest, ResultRadiosFillTheSpotsOnEitherField)
{
    struct Case {
        bool indoor;
        KickOffResult result;
        std::string kickedTo;
        std::string finalSpot;
    };
    const Case cases[] = {
        {false, KickOffResult::TouchBack, "0", "20"},   {true, KickOffResult::TouchBack, "0", "15"},
        {false, KickOffResult::OutOfBounds, "0", "35"}, {true, KickOffResult::OutOfBounds, "0", "15"},
        {false, KickOffResult::Returned, "7", "9"},     {false, KickOffResult::FairCatch, "7", "9"},
    };
    for (const Case &c : cases) {
        league.indoorField = c.indoor;
        KickOffEntry dialog(context);
        dialog.form().kickedTo.yardText = "7";
        dialog.form().finalSpot.yardText = "9";
        dialog.chooseResult(c.result);
        EXPECT_EQ(dialog.form().kickedTo.yardText, c.kickedTo) << static_cast<int>(c.result) << c.indoor;
        EXPECT_EQ(dialog.form().finalSpot.yardText, c.finalSpot) << static_cast<int>(c.result) << c.indoor;
    }
}

TEST_F(KickOffTest, TouchbackRecordsTheKickAndAsksForTheClock)
{
    KickOffEntry dialog(context);
    dialog.form().kicker.numberText = "3";
    ASSERT_TRUE(dialog.ok());
    EXPECT_TRUE(dialog.accepted());
    EXPECT_EQ(play.playType, code(PlayType::KickOff));
    EXPECT_EQ(play.kickResult, code(KickResult::Touchback));
    EXPECT_EQ(play.receivedAt, (FieldSpot{0, false}));
    EXPECT_EQ(play.finalSpot, (FieldSpot{20, false}));
    EXPECT_EQ(situation.ballSpot, (FieldSpot{20, false}));
    EXPECT_EQ(play.scoreType, 0);
    EXPECT_EQ(play.turnover, 0);
    EXPECT_EQ(play.players[QuarterbackSlot].name, "Adams");
    EXPECT_EQ(play.players[CarrierSlot].name, "");
    EXPECT_EQ(game.homeTeam.currentKicker, "Adams");
    EXPECT_FALSE(game.kickoffPending);
    EXPECT_EQ(play.downAfter, situation.down);
    EXPECT_EQ(play.toGoAfter, situation.toGo);
    EXPECT_EQ(ui.log, (std::vector<std::string>{"Record Time", "sound 601"}));
}

TEST_F(KickOffTest, OutOfBoundsTakenAsPenaltyMovesTheKickBackFiveAndKeepsTheKickoffDue)
{
    KickOffEntry dialog(context);
    dialog.chooseResult(KickOffResult::OutOfBounds);
    ui.replies.push_back(MessageAnswer::Yes);
    ASSERT_TRUE(dialog.ok());
    EXPECT_EQ(play.playType, code(PlayType::OffensivePenalty));
    EXPECT_EQ(play.offensivePenalty, code(OffensivePenalty::KickOffOutOfBounds));
    EXPECT_EQ(situation.ballSpot, (FieldSpot{30, true}));
    EXPECT_EQ(play.finalSpot, (FieldSpot{30, true}));
    EXPECT_EQ(play.initialSpot, (FieldSpot{35, true}));
    EXPECT_EQ(play.kickResult, 0);
    EXPECT_TRUE(game.kickoffPending);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Take 5 yard Penalty and Kick Over?");
    EXPECT_EQ(ui.messages[0].caption, "Kick Off Out Of Bounds");
    EXPECT_EQ(ui.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(ui.sounds, (std::vector<int>{604, 601}));
    EXPECT_FALSE(recordTimeAsked());
}

TEST_F(KickOffTest, OutOfBoundsRefusedRecordsTheKickAtTheFinalSpot)
{
    KickOffEntry dialog(context);
    dialog.chooseResult(KickOffResult::OutOfBounds);
    ui.replies.push_back(MessageAnswer::No);
    ASSERT_TRUE(dialog.ok());
    EXPECT_EQ(play.playType, code(PlayType::KickOff));
    EXPECT_EQ(play.kickResult, code(KickResult::OutOfBounds));
    EXPECT_EQ(situation.ballSpot, (FieldSpot{35, false}));
    EXPECT_EQ(play.receivedAt, (FieldSpot{0, false}));
    EXPECT_FALSE(game.kickoffPending);
    EXPECT_EQ(ui.sounds, (std::vector<int>{604, 601}));
    EXPECT_TRUE(recordTimeAsked());
}

TEST_F(KickOffTest, AnEmptySpotTakesTheOther)
{
    struct Case {
        std::string kickedTo;
        std::string finalSpot;
        FieldSpot receivedAt;
        FieldSpot ballSpot;
    };
    const Case cases[] = {
        {"5", "", {5, false}, {5, false}},
        {"", "30", {30, false}, {30, false}},
        {"2", "28", {2, false}, {28, false}},
    };
    for (const Case &c : cases) {
        newPlay();
        situation.ballSpot = {35, true};
        KickOffEntry dialog(context);
        dialog.chooseResult(KickOffResult::Returned);
        dialog.form().kickedTo.yardText = c.kickedTo;
        dialog.form().finalSpot.yardText = c.finalSpot;
        dialog.form().keep = KickKeep::Result; // a return without a returner
        ASSERT_TRUE(dialog.ok());
        EXPECT_EQ(play.receivedAt, c.receivedAt) << c.kickedTo << "/" << c.finalSpot;
        EXPECT_EQ(play.finalSpot, c.ballSpot) << c.kickedTo << "/" << c.finalSpot;
        EXPECT_EQ(situation.ballSpot, c.ballSpot) << c.kickedTo << "/" << c.finalSpot;
        EXPECT_EQ(play.kickResult, code(KickResult::Runback));
    }
}

TEST_F(KickOffTest, SuccessfulOnsideKickStaysWithTheKickingTeam)
{
    KickOffEntry dialog(context);
    dialog.chooseResult(KickOffResult::Returned);
    dialog.form().kickedTo = visitorSpot("45");
    dialog.form().finalSpot.yardText = "";
    dialog.setOnsideSuccessful(true);
    const KickOffForm &form = dialog.form();
    EXPECT_EQ(form.fumbles.selectorEntries[0], "Onside Kick");
    EXPECT_EQ(form.fumbles.selectorEntries[1], "Fumble 1");
    EXPECT_EQ(form.fumbles.selectorEntries[2], "Fumble 2");
    EXPECT_EQ(form.fumbles.form.recoveredByHome, true);
    EXPECT_EQ(form.fumbles.form.recoveredAt, visitorSpot("45"));
    EXPECT_EQ(form.fumbles.form.returnedTo, visitorSpot("45"));
    ASSERT_TRUE(dialog.ok());

    EXPECT_EQ(play.playType, code(PlayType::OnsideKick));
    EXPECT_EQ(play.kickResult, code(KickResult::OnsideSuccessful));
    EXPECT_EQ(play.turnover, code(TurnoverKind::OnsideKickRecovered));
    EXPECT_EQ(play.fumbles[0], code(FumbleRecovery::ByOffense));
    EXPECT_EQ(situation.ballSpot, (FieldSpot{45, false}));

    applyPlayOutcome(play, situation, game, league);
    EXPECT_TRUE(situation.homeHasBall);
}

TEST_F(KickOffTest, OnsideBoxesExcludeEachOtherAndRestoreTheSelector)
{
    KickOffEntry dialog(context);
    dialog.setOnsideSuccessful(true);
    dialog.setOnsideUnsuccessful(true);
    EXPECT_FALSE(dialog.form().onsideSuccessful);
    EXPECT_EQ(dialog.form().fumbles.form.recoveredByHome, false);
    EXPECT_EQ(dialog.form().fumbles.selectorEntries[0], "Onside Kick");
    dialog.setOnsideUnsuccessful(false);
    EXPECT_EQ(dialog.form().fumbles.selectorEntries[0], "Fumble 1");

    dialog.setOnsideUnsuccessful(true);
    ASSERT_TRUE(dialog.ok());
    EXPECT_EQ(play.playType, code(PlayType::OnsideKick));
    EXPECT_EQ(play.kickResult, code(KickResult::OnsideUnsuccessful));
    EXPECT_EQ(play.turnover, 0);
    EXPECT_EQ(play.fumbles[0], code(FumbleRecovery::ByDefense));
}

TEST_F(KickOffTest, TheLastRecoveryDecidesTheTurnover)
{
    struct Case {
        bool onside;
        std::vector<bool> recoveredByHome; // home kicks
        std::int32_t turnover;
        std::vector<std::int32_t> codes;
    };
    const Case cases[] = {
        {false, {false}, 0, {1}},
        {false, {true}, 1, {2}},
        {false, {true, false}, 0, {2, 1}},
        {false, {false, true, true}, 1, {1, 1, 2}},
        {true, {true}, 5, {2}},
        {true, {true, false, true}, 1, {2, 1, 1}},
        {true, {false, true}, 1, {1, 1}},
    };
    for (const Case &c : cases) {
        newPlay();
        KickOffEntry dialog(context);
        dialog.chooseResult(KickOffResult::Returned);
        dialog.form().kickedTo = visitorSpot("10");
        dialog.form().onsideSuccessful = c.onside;
        for (std::size_t i = 0; i < c.recoveredByHome.size(); ++i) {
            ASSERT_TRUE(dialog.selectFumble(static_cast<int>(i)));
            dialog.setRecoveredBy(c.recoveredByHome[i]);
        }
        dialog.form().keep = KickKeep::Result; // a return without a returner
        ASSERT_TRUE(dialog.ok());
        EXPECT_EQ(play.turnover, c.turnover) << c.onside << c.recoveredByHome.size();
        for (std::size_t i = 0; i < c.codes.size(); ++i)
            EXPECT_EQ(play.fumbles[i], c.codes[i]) << i;
    }
}

TEST_F(KickOffTest, ReturnsEndingOnAGoalLineScore)
{
    struct Case {
        SpotEntry finalSpot;
        std::optional<bool> fumbleRecoveredByHome; // home kicks
        ScoreType score;
    };
    const Case cases[] = {
        {homeSpot("G"), std::nullopt, ScoreType::RunbackTouchdown},
        {visitorSpot("g"), std::nullopt, ScoreType::RunbackSafety},
        {visitorSpot("0"), true, ScoreType::Touchdown},
        {homeSpot("0"), true, ScoreType::NoScore},
        {visitorSpot("1"), std::nullopt, ScoreType::NoScore},
    };
    for (const Case &c : cases) {
        newPlay();
        KickOffEntry dialog(context);
        dialog.chooseResult(KickOffResult::Returned);
        dialog.form().kickedTo = visitorSpot("5");
        if (c.fumbleRecoveredByHome)
            dialog.setRecoveredBy(c.fumbleRecoveredByHome);
        dialog.setReturnedTo(c.finalSpot);
        dialog.form().finalSpot = c.finalSpot;
        dialog.form().keep = KickKeep::Result; // a return without a returner
        ASSERT_TRUE(dialog.ok());
        EXPECT_EQ(play.scoreType, code(c.score)) << c.finalSpot.yardText << *c.finalSpot.homeSide;
    }
}

TEST_F(KickOffTest, KickoffReturnTouchdownGivesTheReturnersTheTry)
{
    KickOffEntry dialog(context);
    dialog.chooseResult(KickOffResult::Returned);
    dialog.form().kickedTo = visitorSpot("3");
    dialog.form().finalSpot = homeSpot("G");
    dialog.form().keep = KickKeep::Result; // a return without a returner
    ASSERT_TRUE(dialog.ok());
    game.appendPlay(play);
    applyPlayOutcome(play, situation, game, league);
    EXPECT_FALSE(situation.homeHasBall);
    EXPECT_TRUE(game.tryPending);
    EXPECT_EQ(situation.toGo, 10);
}

TEST_F(KickOffTest, MissingRecoverySpotKeepsTheDialogOpen)
{
    KickOffEntry dialog(context);
    dialog.setRecoveredBy(false);
    dialog.setRecoveredAt(visitorSpot(""));
    EXPECT_FALSE(dialog.ok());
    EXPECT_FALSE(dialog.closed());
    EXPECT_EQ(captions(), (std::vector<std::string>{"Recovered At?"}));
    EXPECT_EQ(ui.messages[0].text, "Must Enter Where Recovery was Made");
    EXPECT_EQ(ui.sounds, (std::vector<int>{604}));
    EXPECT_TRUE(game.kickoffPending);
    EXPECT_FALSE(recordTimeAsked());
}

TEST_F(KickOffTest, ScriptedRunCancelsAfterAValidationMessage)
{
    const PlayRecord before = play;
    const bool accepted = runKickOffEntry(context, [](KickOffEntry &dialog) {
        dialog.setRecoveredBy(true);
        dialog.setRecoveredAt(SpotEntry{});
        return true;
    });
    EXPECT_FALSE(accepted);
    EXPECT_EQ(ui.sounds, (std::vector<int>{604, 601}));
    EXPECT_EQ(situation.ballSpot, before.initialSpot);
    EXPECT_TRUE(game.kickoffPending);
}

TEST_F(KickOffTest, ScriptedRunCancelledChangesNothing)
{
    const GameSituation before = situation;
    EXPECT_FALSE(runKickOffEntry(context, [](KickOffEntry &dialog) {
        dialog.setFinalSpot(visitorSpot("40"));
        return false;
    }));
    EXPECT_EQ(situation, before);
    EXPECT_TRUE(game.kickoffPending);
    EXPECT_EQ(ui.log, (std::vector<std::string>{"sound 601"}));
    EXPECT_TRUE(runKickOffEntry(context, [](KickOffEntry &) { return true; }));
    EXPECT_EQ(situation.ballSpot, (FieldSpot{20, false}));
}

TEST_F(KickOffTest, AnythingTypedIsReadAsItsLeadingNumber)
{
    struct Case {
        std::string typed;
        FieldSpot ballSpot;
        int kickerNumber; // -1: no player
    };
    const Case cases[] = {
        {"999999999999", {50, false}, -1},
        {std::string(5000, '9'), {50, false}, -1},
        {"-7", {0, false}, -1},
        {"-", {0, false}, 0},
        {"x9", {0, false}, 0},
        {"12 yards", {12, false}, 12},
    };
    for (const Case &c : cases) {
        newPlay();
        KickOffEntry dialog(context);
        dialog.chooseResult(KickOffResult::Returned);
        dialog.typePlayerNumber(KickOffEntry::Kicker, c.typed);
        dialog.setKickedTo(visitorSpot(c.typed));
        dialog.setFinalSpot(visitorSpot(c.typed));
        ASSERT_TRUE(dialog.ok());
        EXPECT_EQ(situation.ballSpot, c.ballSpot) << c.typed.substr(0, 20);
        EXPECT_EQ(play.receivedAt, c.ballSpot) << c.typed.substr(0, 20);
        EXPECT_EQ(play.players[QuarterbackSlot].name, "") << c.typed.substr(0, 20);
        EXPECT_EQ(play.players[QuarterbackSlot].number, c.kickerNumber) << c.typed.substr(0, 20);
    }
}

} // namespace
} // namespace yardmark

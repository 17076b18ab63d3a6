#include "gameflow/entry/editplayentry.h"
#include "gameflow/scriptedinteraction.h"
#include "vocabulary/vocabulary.h"

#include <gtest/gtest.h>

namespace yardmark {
namespace {

class EditPlayTest : public ::testing::Test {
protected:
    EditPlayTest()
    {
        game.homeTeam.players = {{"Adams", 7, 1, 0, 0}, {"Baker", 22, 6, 0, 0}, {"Cole", 22, 20, 0, 0}};
        game.visitorTeam.players = {{"Ross", 54, 13, 0, 0}, {"Shaw", 31, 10, 0, 0}};
        play.playType = code(PlayType::Rush);
        play.homeHasBall = true;
        play.rushType = code(RushType::Sweep);
        play.quarter = 2;
        play.downBefore = 1;
        play.downAfter = 2;
        play.toGoBefore = 10;
        play.toGoAfter = 6;
        play.initialSpot = {20, true};
        play.finalSpot = {24, true};
        play.players[QuarterbackSlot] = game.homeTeam.players[0];
        play.players[CarrierSlot] = game.homeTeam.players[2];
        play.players[TacklerSlot] = game.visitorTeam.players[0];
    }

    Game game;
    PlayRecord play;
    LeagueOptions league;
    ScriptedInteraction ui;
};

TEST_F(EditPlayTest, OpensOnTheRecordedPlay)
{
    EditPlayEntry dialog(play, game, league, ui);
    const EditPlayForm &f = dialog.form();
    EXPECT_TRUE(f.homeHasBall);
    EXPECT_EQ(f.playType, 1);
    EXPECT_EQ(f.secondList, code(RushType::Sweep));
    EXPECT_EQ(f.quarter, "3");
    EXPECT_EQ(f.initialDown, "2");
    EXPECT_EQ(f.resultingDown, "3");
    EXPECT_EQ(f.initialToGo, "10");
    EXPECT_EQ(f.resultingToGo, "6");
    EXPECT_EQ(f.initialSpot, (SpotEntry{true, "20"}));
    EXPECT_EQ(f.finalSpot, (SpotEntry{true, "24"}));
    EXPECT_EQ(f.minutes, "");
    EXPECT_EQ(f.penaltyYards, "");
    EXPECT_EQ(f.players[0], (PlayerEntry{" 7", 0}));
    EXPECT_EQ(f.players[1], (PlayerEntry{"22", 2}));
    EXPECT_EQ(f.players[2], (PlayerEntry{"54", 0}));
    EXPECT_EQ(f.players[3], PlayerEntry{});
    EXPECT_EQ(f.fumbles.shown, 0);
    EXPECT_EQ(f.fumbles.form, FumbleForm{});
}

TEST_F(EditPlayTest, UntouchedOkKeepsThePlay)
{
    const PlayRecord before = play;
    EditPlayEntry dialog(play, game, league, ui);
    EXPECT_TRUE(dialog.ok());
    EXPECT_TRUE(dialog.accepted());
    EXPECT_EQ(play, before);
    EXPECT_EQ(ui.sounds, std::vector<int>{601});
}

TEST_F(EditPlayTest, PenaltyShowsItsSpotAndYards)
{
    const struct {
        PlayType type;
        std::int32_t offensive;
        std::int32_t defensive;
        const char *yards;
    } cases[] = {{PlayType::OffensivePenalty, 5, 0, "10"},
                 {PlayType::DefensivePenalty, 0, 4, "15"},
                 {PlayType::DefensivePenalty, 0, 0, ""}};
    for (const auto &c : cases) {
        play.playType = code(c.type);
        play.offensivePenalty = c.offensive;
        play.offensivePenaltyYards = 10;
        play.defensivePenalty = c.defensive;
        play.defensivePenaltyYards = 15;
        play.penaltySpot = {18, false};
        play.receivedAt = {1, true};
        EditPlayEntry dialog(play, game, league, ui);
        EXPECT_EQ(dialog.form().middleSpot, (SpotEntry{false, "18"}));
        EXPECT_EQ(dialog.form().penaltyYards, c.yards);
    }
}

TEST_F(EditPlayTest, SecondListGoesToTheFieldOfThePlayType)
{
    const struct {
        PlayType type;
        std::int32_t PlayRecord::*field;
    } cases[] = {{PlayType::Rush, &PlayRecord::rushType},
                 {PlayType::TryByRush, &PlayRecord::rushType},
                 {PlayType::Pass, &PlayRecord::passResult},
                 {PlayType::TryByPass, &PlayRecord::passResult},
                 {PlayType::Punt, &PlayRecord::kickResult},
                 {PlayType::ExtraPoint, &PlayRecord::kickResult},
                 {PlayType::OffensivePenalty, &PlayRecord::offensivePenalty},
                 {PlayType::DefensivePenalty, &PlayRecord::defensivePenalty},
                 {PlayType::HomeTimeOut, nullptr}};
    for (const auto &c : cases) {
        PlayRecord edited = play;
        edited.passResult = 1;
        edited.kickResult = 2;
        edited.offensivePenalty = 3;
        edited.defensivePenalty = 4;
        EditPlayEntry dialog(edited, game, league, ui);
        dialog.setPlayType(code(c.type));
        dialog.form().secondList = 2;
        ASSERT_TRUE(dialog.ok());
        for (auto field : {&PlayRecord::rushType, &PlayRecord::passResult, &PlayRecord::kickResult,
                           &PlayRecord::offensivePenalty, &PlayRecord::defensivePenalty})
            EXPECT_EQ(edited.*field, field == c.field ? 2 : 0) << "play type " << code(c.type);
    }
}

TEST_F(EditPlayTest, PenaltyStoresItsSpotAndTypedYards)
{
    play.playType = code(PlayType::DefensivePenalty);
    play.defensivePenalty = 2;
    play.defensivePenaltyYards = 5;
    EditPlayEntry dialog(play, game, league, ui);
    dialog.form().middleSpot = SpotEntry{false, "60"};
    dialog.form().penaltyYards = "15";
    ASSERT_TRUE(dialog.ok());
    EXPECT_EQ(play.penaltySpot, (FieldSpot{50, false}));
    EXPECT_EQ(play.receivedAt, (FieldSpot{50, false}));
    EXPECT_EQ(play.defensivePenaltyYards, 15);
}

TEST_F(EditPlayTest, TextFieldsAreStoredOnlyWhenTyped)
{
    EditPlayEntry dialog(play, game, league, ui);
    EditPlayForm &f = dialog.form();
    f.quarter = "";
    f.initialDown = "4";
    f.resultingDown = "";
    f.initialToGo = "abc";
    f.minutes = "99";
    f.seconds = "";
    ASSERT_TRUE(dialog.ok());
    EXPECT_EQ(play.quarter, 2);
    EXPECT_EQ(play.downBefore, 3);
    EXPECT_EQ(play.downAfter, 2);
    EXPECT_EQ(play.toGoBefore, 0);
    EXPECT_EQ(play.clockMinutes, 99); // no range check here
    EXPECT_EQ(play.clockSeconds, 0);
}

TEST_F(EditPlayTest, TryByRushKeepsANewRushType)
{
    play.playType = code(PlayType::TryByRush);
    EditPlayEntry dialog(play, game, league, ui);
    dialog.form().secondList = code(RushType::Sneak);
    ASSERT_TRUE(dialog.ok());
    EXPECT_EQ(play.rushType, code(RushType::Sneak));
}

TEST_F(EditPlayTest, KickRowsUseTheKickingTeamAndLeaveTheInterceptor)
{
    play.playType = code(PlayType::Punt);
    play.players[InterceptorSlot] = PlayerRecord{"Kept", 9};
    play.players[CarrierSlot] = game.visitorTeam.players[1];
    EditPlayEntry dialog(play, game, league, ui);
    EXPECT_EQ(&dialog.rowRoster(0), &game.homeTeam.players);
    EXPECT_EQ(&dialog.rowRoster(1), &game.visitorTeam.players);
    EXPECT_EQ(&dialog.rowRoster(2), &game.homeTeam.players);
    EXPECT_EQ(dialog.form().players[1], (PlayerEntry{"31", 1}));
    dialog.form().players[0] = PlayerEntry{"22", -1};
    ASSERT_TRUE(dialog.ok());
    EXPECT_EQ(play.players[InterceptorSlot], (PlayerRecord{"Kept", 9}));
    EXPECT_EQ(play.players[CarrierSlot], game.visitorTeam.players[1]);
    EXPECT_TRUE(play.players[QuarterbackSlot].isEmpty());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Select Kicker from Drop Down List");
}

TEST_F(EditPlayTest, ChangingPossessionSwapsTheRosters)
{
    EditPlayEntry dialog(play, game, league, ui);
    EXPECT_EQ(&dialog.rowRoster(1), &game.homeTeam.players);
    EXPECT_EQ(&dialog.rowRoster(4), &game.visitorTeam.players);
    dialog.setPossession(false);
    EXPECT_EQ(&dialog.rowRoster(1), &game.visitorTeam.players);
    EXPECT_EQ(&dialog.rowRoster(4), &game.homeTeam.players);
    dialog.choosePlayer(1, 0);
    EXPECT_EQ(dialog.form().players[1], (PlayerEntry{"54", 0}));
    dialog.typePlayerNumber(4, "22");
    EXPECT_EQ(dialog.form().players[4].listIndex, 1); // the first of the two wearing 22
    ASSERT_TRUE(dialog.ok());
    EXPECT_FALSE(play.homeHasBall);
    EXPECT_EQ(play.players[CarrierSlot], game.visitorTeam.players[0]);
}

TEST_F(EditPlayTest, FumbleNeedsItsRecoverySpot)
{
    const PlayRecord before = play;
    EditPlayEntry dialog(play, game, league, ui);
    dialog.setRecoveredBy(false);
    EXPECT_FALSE(dialog.selectFumble(1));
    EXPECT_EQ(dialog.form().fumbles.shown, 0);
    EXPECT_FALSE(dialog.ok());
    EXPECT_FALSE(dialog.closed());
    EXPECT_EQ(ui.log,
              (std::vector<std::string>{"sound 604", "Recovered At?: Must Enter Where Recovery was Made", "sound 601",
                                        "sound 604", "Recovered At?: Must Enter Where Recovery was Made"}));
    dialog.cancel();
    EXPECT_FALSE(dialog.accepted());
    EXPECT_EQ(play.fumbles, before.fumbles);
}

TEST_F(EditPlayTest, FumblesAreJudgedAgainstWhoHadTheBallAndDecideTheTurnover)
{
    EditPlayEntry dialog(play, game, league, ui);
    dialog.setRecoveredBy(false);
    dialog.typeRecovererNumber("31");
    EXPECT_EQ(dialog.form().fumbles.form.recoverer.listIndex, 1);
    dialog.form().fumbles.form.recoveredAt = SpotEntry{true, "22"};
    ASSERT_TRUE(dialog.selectFumble(1));
    EXPECT_EQ(dialog.form().fumbles.form, FumbleForm{});
    dialog.setRecoveredBy(true);
    dialog.form().fumbles.form.recoveredAt = SpotEntry{true, "25"};
    dialog.form().fumbles.form.returnedTo = SpotEntry{true, "30"};
    ASSERT_TRUE(dialog.ok());
    EXPECT_EQ(play.fumbles, (std::array<std::int32_t, 3>{1, 1, 0}));
    EXPECT_EQ(play.fumbleRecoveredByHome, (std::array<bool, 3>{false, true, true}));
    EXPECT_EQ(play.players[5], game.visitorTeam.players[1]);
    EXPECT_EQ(play.fumbleRecoveredAt[0], (FieldSpot{22, true}));
    EXPECT_EQ(play.fumbleReturnedTo[0], (FieldSpot{22, true})); // no return: where it was recovered
    EXPECT_EQ(play.fumbleReturnedTo[1], (FieldSpot{30, true}));
    EXPECT_EQ(play.turnover, 0); // the offense got it back last

    // Reopened, the first slot shows again, and unchecking clears it.
    EditPlayEntry again(play, game, league, ui);
    EXPECT_EQ(again.form().fumbles.form.recoveredByHome, std::optional<bool>{false});
    EXPECT_EQ(again.form().fumbles.form.recoverer, (PlayerEntry{"31", 1}));
    EXPECT_EQ(&again.recovererRoster(), &game.visitorTeam.players);
    again.setRecoveredBy(std::nullopt);
    ASSERT_TRUE(again.selectFumble(1));
    EXPECT_EQ(play.fumbles[0], 0);
}

TEST_F(EditPlayTest, LastFumbleDecidesOnlyAFumbleTurnover)
{
    const struct {
        std::int32_t turnover;
        bool recoveredByHome;
        std::int32_t expected;
    } cases[] = {{0, false, 1}, {1, true, 0}, {2, true, 2}, {3, false, 1}};
    for (const auto &c : cases) {
        PlayRecord edited = play;
        edited.turnover = c.turnover;
        EditPlayEntry dialog(edited, game, league, ui);
        dialog.setRecoveredBy(c.recoveredByHome);
        dialog.form().fumbles.form.recoveredAt = SpotEntry{true, "10"};
        ASSERT_TRUE(dialog.ok());
        EXPECT_EQ(edited.turnover, c.expected);
    }
}

TEST(EditPlayLabelsTest, FollowThePlayType)
{
    EXPECT_EQ(editPlayLabels(code(PlayType::Pass)).middleSpot, "Reception At");
    EXPECT_EQ(editPlayLabels(code(PlayType::TryByRush)).secondPlayer, "Rusher");
    EXPECT_FALSE(editPlayLabels(code(PlayType::Rush)).middleSpot);
    EXPECT_FALSE(editPlayLabels(code(PlayType::OffensivePenalty)).firstPlayer);
    EXPECT_EQ(editPlayLabels(code(PlayType::DefensivePenalty)).secondList, "Def Pen");
    EXPECT_EQ(secondListEntries(code(PlayType::Rush)).size(), 15u);
    EXPECT_TRUE(secondListEntries(code(PlayType::HomeTimeOut)).empty());
    EXPECT_EQ(fumbleSelectorEntries(code(KickResult::OnsideUnsuccessful))[0], "Onside Kick");
    EXPECT_EQ(fumbleSelectorEntries(code(KickResult::BlockedFieldGoal))[0], "Blocked FG");
    EXPECT_EQ(fumbleSelectorEntries(code(KickResult::Runback))[2], "Fumble 3");
}

} // namespace
} // namespace yardmark

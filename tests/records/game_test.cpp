#include "base/datetime.h"
#include "records/game.h"

#include <gtest/gtest.h>

namespace yardmark {
namespace {

PlayRecord playOfType(int type, int tag = 0)
{
    PlayRecord play;
    play.playType = type;
    play.clockMinutes = tag; // tells records apart after purging
    return play;
}

TEST(PlayRecordTest, NewPlayHasTheDocumentedDefaults)
{
    const PlayRecord play;
    EXPECT_TRUE(play.homeHasBall);
    EXPECT_EQ(play.playType, 0);
    EXPECT_EQ(play.initialSpot, (FieldSpot{0, true}));
    EXPECT_EQ(play.finalSpot, (FieldSpot{0, true}));
    EXPECT_EQ(play.receivedAt, (FieldSpot{0, true}));
    EXPECT_EQ(play.penaltySpot, (FieldSpot{0, false}));
    for (int i = 0; i < kMaxFumbles; ++i) {
        EXPECT_EQ(play.fumbles[i], 0);
        EXPECT_TRUE(play.fumbleRecoveredByHome[i]);
        EXPECT_EQ(play.fumbleRecoveredAt[i], (FieldSpot{0, true}));
        EXPECT_EQ(play.fumbleReturnedTo[i], (FieldSpot{0, true}));
    }
    for (const PlayerRecord &slot : play.players) {
        EXPECT_TRUE(slot.isEmpty());
        EXPECT_EQ(slot.number, -1);
    }
}

TEST(PlayRecordTest, ClearFumbleRestoresTheUnusedEntry)
{
    PlayRecord play;
    play.fumbles[1] = 2;
    play.fumbleRecoveredByHome[1] = false;
    play.fumbleRecoveredAt[1] = {12, false};
    play.fumbleReturnedTo[1] = {20, false};
    play.players[6] = PlayerRecord{"Smith", 22, 1, 2, 3};
    play.clearFumble(1);
    EXPECT_EQ(play, PlayRecord{});
}

TEST(PlayerRecordTest, NumberMinusOneWithANameIsDoubleZeroNotEmpty)
{
    EXPECT_FALSE((PlayerRecord{"Zero", -1, 0, 0, 0}).isEmpty());
    EXPECT_TRUE(PlayerRecord{}.isEmpty());
}

TEST(GameTest, NewGameStartsBlankOnToday)
{
    setFixedNow(DateTime{2026, 9, 12, 18, 30, 0});
    const Game game = newGame();
    setFixedNow(std::nullopt);
    for (const std::string *text :
         {&game.info.fieldName, &game.info.referee, &game.info.umpire, &game.info.headLinesman, &game.info.lineJudge,
          &game.info.fieldJudge, &game.info.sideJudge, &game.info.backJudge})
        EXPECT_EQ(*text, " ");
    EXPECT_EQ(game.info.homeTeamName, "");
    EXPECT_EQ(game.info.visitorTeamName, "");
    EXPECT_EQ(game.info.gameYear, 2026);
    EXPECT_EQ(game.info.gameMonth, 9);
    EXPECT_EQ(game.info.gameDay, 12);
    EXPECT_EQ(game.info.season, 2026);
    EXPECT_EQ(game.info.startHour, 12);
    EXPECT_EQ(game.info.startMinute, 0);
    EXPECT_EQ(game.fileName, "*.gam");
    EXPECT_EQ(game.playCount(), 0);
    EXPECT_TRUE(game.isNewGame);
    EXPECT_EQ(game.homeScore + game.visitorScore + game.savedQuarter, 0);
    EXPECT_EQ(game.homeTeam.logoFile, "default.bmp");
    EXPECT_EQ(game.visitorTeam.playerCount(), 0);
}

TEST(GameTest, AppendPlayKeepsOrder)
{
    Game game;
    EXPECT_TRUE(game.appendPlay(playOfType(1, 1)));
    EXPECT_TRUE(game.appendPlay(playOfType(2, 2)));
    ASSERT_EQ(game.playCount(), 2);
    EXPECT_EQ(game.plays[0].clockMinutes, 1);
    EXPECT_EQ(game.plays[1].clockMinutes, 2);
}

struct RemoveNoPlaysCase {
    const char *name;
    std::vector<int> types; // play types before the purge
    bool result;
    std::vector<int> remainingTags; // tags (positions before) of the survivors
};

class RemoveNoPlaysTest : public ::testing::TestWithParam<RemoveNoPlaysCase> {};

TEST_P(RemoveNoPlaysTest, PurgesOnlyNoPlayRecordsInOrder)
{
    const RemoveNoPlaysCase &c = GetParam();
    Game game;
    for (std::size_t i = 0; i < c.types.size(); ++i)
        game.appendPlay(playOfType(c.types[i], static_cast<int>(i)));
    EXPECT_EQ(game.removeNoPlays(), c.result);
    std::vector<int> tags;
    for (const PlayRecord &play : game.plays)
        tags.push_back(play.clockMinutes);
    EXPECT_EQ(tags, c.remainingTags);
}

INSTANTIATE_TEST_SUITE_P(Cases, RemoveNoPlaysTest,
                         ::testing::Values(RemoveNoPlaysCase{"Empty", {}, false, {}},
                                           RemoveNoPlaysCase{"NoneToPurge", {1, 2, 4}, false, {0, 1, 2}},
                                           RemoveNoPlaysCase{"AllNoPlay", {0, 0, 0}, true, {}},
                                           RemoveNoPlaysCase{"AdjacentRun", {1, 0, 0, 0, 2}, true, {0, 4}},
                                           RemoveNoPlaysCase{"FirstAndLast", {0, 3, 4, 0}, true, {1, 2}},
                                           RemoveNoPlaysCase{"LastSurvives", {0, 1, 0, 12}, true, {1, 3}}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(GameTest, RenamePlayerReachesEverySlotOfEveryPlayAndTheChosenRoster)
{
    Game game;
    game.homeTeam.players = {PlayerRecord{"Old", 7, 3, 20, 1}, PlayerRecord{"Other", 8, 1, 1, 0}};
    game.visitorTeam.players = {PlayerRecord{"Old", 9, 2, 2, 2}};
    PlayRecord first;
    first.players[0] = PlayerRecord{"Old", 7, 3, 20, 1};
    first.players[2] = PlayerRecord{"Old", 9, 2, 2, 2}; // a slot of the other team's player
    first.players[5] = PlayerRecord{"Old", 7, 3, 20, 1};
    PlayRecord middle;
    middle.players[1] = PlayerRecord{"Other", 8, 1, 1, 0};
    PlayRecord last;
    last.players[7] = PlayerRecord{"Old", 7, 3, 20, 1};
    game.plays = {first, middle, last};

    const PlayerRecord renamed{"New", 17, 4, 21, 3};
    game.renamePlayerInPlays("Old", renamed, true);

    EXPECT_EQ(game.homeTeam.players[0], (PlayerRecord{"New", 17, 4, 20, 1})); // defence and starter stay
    EXPECT_EQ(game.homeTeam.players[1].name, "Other");
    EXPECT_EQ(game.visitorTeam.players[0].name, "Old"); // the other roster is not touched
    EXPECT_EQ(game.plays[0].players[0], renamed);
    EXPECT_EQ(game.plays[0].players[2], renamed);
    EXPECT_EQ(game.plays[0].players[5], renamed);
    EXPECT_TRUE(game.plays[0].players[1].isEmpty());
    EXPECT_EQ(game.plays[1].players[1].name, "Other");
    EXPECT_EQ(game.plays[2].players[7], renamed);
}

TEST(GameTest, RenamingAnEmptyNameLeavesEmptySlotsAlone)
{
    Game game;
    game.plays = {PlayRecord{}};
    game.renamePlayerInPlays("", PlayerRecord{"Someone", 3, 0, 0, 0}, true);
    for (const PlayerRecord &slot : game.plays[0].players)
        EXPECT_TRUE(slot.isEmpty());
}

} // namespace
} // namespace yardmark

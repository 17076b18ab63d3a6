#include "season/gameinfoform.h"
#include "today.h"

#include <gtest/gtest.h>

namespace yardmark {
namespace {

Game recordedGame()
{
    Game game;
    game.isNewGame = false;
    game.info.fieldName = "Soldier Field";
    game.info.referee = " ";
    game.info.homeTeamName = "Bears";
    game.info.visitorTeamName = "Packers";
    game.info.gameMonth = 11;
    game.info.gameDay = 3;
    game.info.gameYear = 1985;
    game.info.startHour = 9;
    game.info.startMinute = 5;
    game.info.season = 1985;
    return game;
}

TEST(GameInfoFormTest, ANewGameShowsTheDefaultsAndARecordedOneItsOwnInformation)
{
    GameInfoForm fresh = gameInfoForm(newGame(), kToday);
    EXPECT_EQ(fresh.date, "12/7/2026");
    EXPECT_EQ(fresh.time, "12:00");
    EXPECT_EQ(fresh.season, "2026");
    EXPECT_EQ(fresh.referee, "");
    EXPECT_FALSE(fresh.homeSelected || fresh.visitorSelected);

    const GameInfoForm form = gameInfoForm(recordedGame(), kToday);
    EXPECT_EQ(form.date, "11/3/1985");
    EXPECT_EQ(form.time, "09:05");
    EXPECT_EQ(form.field, "Soldier Field");
    EXPECT_EQ(form.homeTeamName, "Bears");
    EXPECT_TRUE(form.homeSelected && form.visitorSelected);
}

TEST(GameInfoFormTest, SeasonUpAndDownStayWithinOneTo9999)
{
    const struct {
        const char *shown, *up, *down;
    } cases[] = {
        {"2026", " 2027", " 2025"}, {"9999", " 9999", " 9998"}, {"0", "    1", " 9999"},     {"1", "    2", " 9999"},
        {"-5", "    1", " 9999"},   {"abc", "    1", " 9999"},  {"12000", " 9999", " 9999"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(seasonUp(c.shown), c.up) << c.shown;
        EXPECT_EQ(seasonDown(c.shown), c.down) << c.shown;
    }
}

TEST(GameInfoFormTest, StoringKeepsTheGamesValueWhereTheBoxHoldsNoneInRange)
{
    const struct {
        const char *date, *time, *season;
        int month, day, year, hour, minute, storedSeason;
    } cases[] = {
        {"10/31/2026", "13:30", "2026", 10, 31, 2026, 13, 30, 2026},
        {"2/30/2026", "0:0", " 2027", 2, 30, 2026, 0, 0, 2027},
        {"13/40/2026", "24:00", "", 11, 3, 1985, 9, 5, 1985},
        {"10/31", "7", "x", 11, 3, 1985, 9, 5, 1985},
        {"1/1/-4", "7:60", "1999", 11, 3, 1985, 9, 5, 1999},
    };
    for (const auto &c : cases) {
        Game game = recordedGame();
        GameInfoForm form = gameInfoForm(game, kToday);
        form.date = c.date;
        form.time = c.time;
        form.season = c.season;
        storeGameInfoForm(form, game);
        const GameInfo &info = game.info;
        EXPECT_EQ((std::array<int, 6>{info.gameMonth, info.gameDay, info.gameYear, info.startHour, info.startMinute,
                                      info.season}),
                  (std::array<int, 6>{c.month, c.day, c.year, c.hour, c.minute, c.storedSeason}))
            << c.date << ' ' << c.time << ' ' << c.season;
        EXPECT_TRUE(game.isNewGame);
    }
}

TEST(GameInfoFormTest, TextsAreCutTo24CharactersAndEmptyOnesStoredAsABlank)
{
    Game game = recordedGame();
    GameInfoForm form = gameInfoForm(game, kToday);
    form.field = std::string(30, 'f');
    form.umpire = "";
    form.backJudge = "Ed Hochuli";
    storeGameInfoForm(form, game);
    EXPECT_EQ(game.info.fieldName, std::string(24, 'f'));
    EXPECT_EQ(game.info.umpire, " ");
    EXPECT_EQ(game.info.backJudge, "Ed Hochuli");
    EXPECT_EQ(gameInfoForm(recordedGame(), kToday).referee, "") << "a stored blank shows as an empty box";
}

TEST(GameInfoFormTest, BothTeamsMustBeChosenBeforeEditingSavingOrStarting)
{
    Game game = newGame();
    GameInfoForm form = gameInfoForm(game, kToday);
    EXPECT_EQ(editTeamRefusal(form, true)->text, std::string("You must first select a team."));
    EXPECT_EQ(endingRefusal(form, GameInfoEnding::Ok)->text, std::string("Teams Not Selected."));
    EXPECT_EQ(endingRefusal(form, GameInfoEnding::StartGame)->caption, std::string("Team Not Selected"));

    Team bears;
    bears.name = "Bears";
    bears.coach = "Ditka";
    bears.rosterOnly = false;
    bears.players = {PlayerRecord{"Payton", 34, 6, 0, 1}};
    selectGameTeam(game, form, true, bears, "bears.tem");
    EXPECT_FALSE(editTeamRefusal(form, true));
    EXPECT_TRUE(editTeamRefusal(form, false));
    EXPECT_TRUE(endingRefusal(form, GameInfoEnding::Ok));
    EXPECT_EQ(game.homeTeam.fileName, "bears.tem");
    EXPECT_TRUE(game.homeTeam.rosterOnly);
    EXPECT_EQ(teamPanelText(game.homeTeam), "Name: Bears\nCoach: Ditka\nAssistant: \n");

    selectGameTeam(game, form, false, Team{}, "other.tem");
    EXPECT_FALSE(endingRefusal(form, GameInfoEnding::StartGame));
    storeGameInfoForm(form, game);
    EXPECT_EQ(game.info.homeTeamName, "Bears");
}

} // namespace
} // namespace yardmark

#include "stats/statfiles.h"

#include "playlist.h"
#include "tempgames.h"

#include "records/gamefile.h"
#include "records/recordcodec.h"

#include <gtest/gtest.h>

namespace yardmark {
namespace {

using Names = std::vector<std::string>;

TEST(StatFilesTest, GamesAreListedOnceAndTeamNamesFollowThem)
{
    StatFiles files;
    EXPECT_EQ(files.teamNames(), Names{"All Teams"});
    EXPECT_TRUE(files.selectGame("/g/1.gam", {"Otters", "Hawks"}));
    EXPECT_FALSE(files.selectGame("/g/1.gam", {"Otters", "Hawks"}));
    EXPECT_TRUE(files.selectGame("/g/2.gam", {"Hawks", "Bears"}));
    EXPECT_TRUE(files.selectGame("/g/3.gam", {"All Teams", "Lions"}));
    EXPECT_EQ(files.paths(), (Names{"/g/1.gam", "/g/2.gam", "/g/3.gam"}));
    EXPECT_EQ(files.teamNames(), (Names{"All Teams", "Otters", "Hawks", "Bears", "Lions"}));

    files.removeGame(0); // Hawks still plays in game 2
    EXPECT_EQ(files.paths(), (Names{"/g/2.gam", "/g/3.gam"}));
    EXPECT_EQ(files.teamNames(), (Names{"All Teams", "Hawks", "Bears", "Lions"}));
    files.removeGame(1); // the first entry stays whatever a team is called
    EXPECT_EQ(files.teamNames(), (Names{"All Teams", "Hawks", "Bears"}));
    files.removeGame(5);
    files.removeGame(0);
    EXPECT_TRUE(files.paths().empty());
    EXPECT_EQ(files.teamNames(), Names{"All Teams"});
}

TEST(StatFilesTest, TeamStatisticsOfferOnlyTheTeamsOfTheGames)
{
    StatFiles files(TeamChoices::TeamsOnly);
    EXPECT_TRUE(files.teamNames().empty());
    files.selectGame("/g/1.gam", {"All Teams", "Hawks"});
    files.selectGame("/g/2.gam", {"Otters", "Bears"});
    EXPECT_EQ(files.teamNames(), (Names{"All Teams", "Hawks", "Otters", "Bears"}));
    Stat stat;
    EXPECT_EQ(files.accept(-1, stat), kNoTeamNameSelected); // names only what the list offers
    EXPECT_STREQ(kNoTeamNameSelected.text, "You Must Choose a Team Name");
    EXPECT_EQ(files.accept(0, stat), std::nullopt);
    EXPECT_FALSE(stat.allTeams); // a team of that name, set against its opponents
    files.removeGame(0);
    EXPECT_EQ(files.teamNames(), (Names{"Otters", "Bears"}));
}

TEST(StatFilesTest, OkNeedsAGameAndATeam)
{
    StatFiles files;
    Stat stat;
    EXPECT_EQ(files.accept(0, stat), kNoGameSelected);
    EXPECT_STREQ(kNoGameSelected.text, "Must Select at least one Game to Analyze");
    EXPECT_STREQ(kNoGameSelected.caption, "No Game Selected");
    files.selectGame("/g/1.gam", {"Otters", "Hawks"});
    EXPECT_EQ(files.accept(-1, stat), kNoTeamSelected);
    EXPECT_EQ(files.accept(3, stat), kNoTeamSelected);
    EXPECT_STREQ(kNoTeamSelected.text, "You Must Choose a Team Name or \"All Teams\"");
    EXPECT_STREQ(kNoTeamSelected.caption, "No Team Selected");
    EXPECT_TRUE(stat.gamePaths.empty());

    EXPECT_EQ(files.accept(2, stat), std::nullopt);
    EXPECT_EQ(stat.teamName, "Hawks");
    EXPECT_FALSE(stat.allTeams);
    EXPECT_EQ(stat.gamePaths, Names{"/g/1.gam"});
    EXPECT_EQ(files.accept(0, stat), std::nullopt);
    EXPECT_TRUE(stat.allTeams);
}

TEST(StatFilesTest, AllTeamsIgnoresCase)
{
    for (const char *name : {"All Teams", "all teams", "ALL TEAMS"})
        EXPECT_TRUE(isAllTeams(name)) << name;
    for (const char *name : {"All Team", "AllTeams", "", "All Teams "})
        EXPECT_FALSE(isAllTeams(name)) << name;
}

TEST(StatFilesTest, PreviewAndNamesComeFromTheHeaderAlone)
{
    test::TempGames dir;
    Game game = test::gameOf({});
    game.info.homeTeamName = "Otters";
    game.info.visitorTeamName = "Hawks";
    const std::string whole = dir.save("whole.gam", game);
    EXPECT_EQ(gamePreviewText(whole), "Hawks\nvs\nOtters");

    // The header alone, without teams or plays, still previews.
    std::vector<std::uint8_t> bytes = encodeGame(game);
    bytes.resize(kGameInfoSize);
    const std::string headerOnly = dir.write("header.gam", bytes);
    EXPECT_EQ(gamePreviewText(headerOnly), "Hawks\nvs\nOtters");
    bytes.resize(kGameInfoSize - 1);
    EXPECT_EQ(gamePreviewText(dir.write("short.gam", bytes)), "");
    EXPECT_EQ(gamePreviewText(dir.missing("none.gam")), "");

    StatFiles files;
    EXPECT_EQ(files.selectAll({whole, headerOnly, whole, dir.missing("none.gam")}), 3);
    EXPECT_EQ(files.teamNames(), (Names{"All Teams", "Otters", "Hawks"}));
}

TEST(StatFilesTest, TheChooserOpensBesideTheScheduleElseTheGame)
{
    const struct {
        ChooserFolders known;
        const char *opens;
    } cases[] = {
        {{"/season/season.sch", "/games/week1.gam", "/last", "/start"}, "/season"},
        {{"", "/games/week1.gam", "/last", "/start"}, "/games"},
        {{"", "week1.gam", "/last", "/start"}, "/last"}, // a game never saved has no folder
        {{"", "", "", "/start"}, "/start"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(gameChooserFolder(c.known), c.opens) << c.opens;
}

} // namespace
} // namespace yardmark

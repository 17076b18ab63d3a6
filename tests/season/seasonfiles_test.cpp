// The season lists on real game and team files.
#include "season/scheduleform.h"
#include "season/schedulelist.h"

#include "records/gamefile.h"
#include "records/teamfile.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace yardmark {
namespace {

class SeasonFilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_oldDirectory = std::filesystem::current_path();
        m_dir = testing::makeTempFolder("yardmark-season-");
        std::filesystem::current_path(m_dir);
    }
    void TearDown() override
    {
        std::filesystem::current_path(m_oldDirectory);
        std::filesystem::remove_all(m_dir);
    }

    std::filesystem::path m_oldDirectory;
    std::filesystem::path m_dir;
};

TEST_F(SeasonFilesTest, AGameFileMovedIntoTheWorkingDirectoryIsFound)
{
    Game game = newGame();
    game.info.homeTeamName = "Eagles";
    game.info.visitorTeamName = "Hawks";
    ASSERT_TRUE(saveGame(game, "week1.gam"));

    ScheduleEntry moved;
    moved.gameFile = "C:\\Season 2025\\games\\week1.gam";
    RecordedGame found = RecordedGame::None;
    const ScheduleRow row = scheduleRow(moved, gameFileLoader(), found, LeagueOptions{});
    EXPECT_EQ(found, RecordedGame::FoundByName);
    EXPECT_EQ(row.home, "Eagles");
    EXPECT_EQ(row.visitor, "Hawks");

    ScheduleEntry lost;
    lost.gameFile = "C:\\Season 2025\\games\\week2.gam";
    lost.homeTeamFile = "eagles.tem";
    scheduleRow(lost, gameFileLoader(), found, LeagueOptions{});
    EXPECT_EQ(found, RecordedGame::Missing);
    EXPECT_EQ(lost.homeTeamFile, "");
}

TEST_F(SeasonFilesTest, ASeasonFolderOpenedFromElsewhereFindsItsGamesAndTeams)
{
    std::filesystem::create_directories("season");
    Game game = newGame();
    game.info.homeTeamName = "Eagles";
    ASSERT_TRUE(saveGame(game, "season/week1.gam"));
    Team eagles;
    eagles.name = "Eagles";
    ASSERT_TRUE(writeTeamFile(eagles, "season/eagles.tem"));

    Schedule schedule;
    schedule.fileName = (std::filesystem::path("season") / "season.sch").string();
    ScheduleEntry event;
    event.gameFile = "week1.gam";
    event.homeTeamFile = "eagles.tem";
    schedule.append(event);
    std::vector<int> missing;
    EXPECT_EQ(scheduleRows(schedule, gameFileLoader(), missing, LeagueOptions{}).front().home, "Eagles");
    EXPECT_TRUE(missing.empty());
    EXPECT_EQ(schedule.entries.front().gameFile, "week1.gam");
    Team team;
    EXPECT_TRUE(movedTeamLoader(teamFileLoader(), schedule.fileName)("eagles.tem", team));
    EXPECT_EQ(team.name, "Eagles");
    EXPECT_FALSE(movedTeamLoader(teamFileLoader())("eagles.tem", team)) << "not in the working directory";
}

TEST_F(SeasonFilesTest, AGameForAnEventReadsBothTeamFilesWithoutPersonalInfo)
{
    for (const char *name : {"Eagles", "Hawks"}) {
        Team team;
        team.rosterOnly = false;
        team.name = name;
        team.players.push_back(PlayerRecord{std::string(name) + " QB", 7, 0, 0, 0});
        PersonalInfo info;
        info.phone = "555-0100";
        team.personalInfo.push_back(info);
        ASSERT_TRUE(writeTeamFile(team, std::string(name) + ".tem"));
    }
    ScheduleEditor editor;
    editor.form.date = "10/3/2026";
    Team picked;
    setScheduleTeam(editor, ScheduleSide::Home, "Eagles.tem", picked);
    setScheduleTeam(editor, ScheduleSide::Visitor, "Hawks.tem", picked);
    addEventBeforeStarting(editor, DateTime{});
    ASSERT_EQ(scheduleGameAction(editor), ScheduleGameAction::CreateGame);

    const std::optional<Game> game = gameForScheduleEvent(editor, teamFileLoader(), DateTime{});
    ASSERT_TRUE(game);
    EXPECT_EQ(game->homeTeam.name, "Eagles");
    EXPECT_EQ(game->visitorTeam.players.at(0).name, "Hawks QB");
    EXPECT_TRUE(game->homeTeam.rosterOnly);
    EXPECT_EQ(game->info.gameMonth, 10);

    setScheduleTeam(editor, ScheduleSide::Visitor, "Gone.tem", picked);
    ASSERT_TRUE(updateScheduleEvent(editor, DateTime{}));
    EXPECT_FALSE(gameForScheduleEvent(editor, teamFileLoader(), DateTime{}));
}

} // namespace
} // namespace yardmark

#include "base/datetime.h"
#include "clirunner.h"
#include "records/gamefile.h"
#include "records/teamfile.h"
#include "season/addresslistexport.h"
#include "season/schedule.h"
#include "season/scheduleexport.h"
#include "stats/individualstatsreport.h"
#include "stats/teamstats.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace yardmark::testing {
namespace {

const DateTime kSeasonWritten = dateTimeFromEpochUtc(1700000000);

// A game of `home` against `visitor` with one rush of the home team's back.
Game statsGame(const std::string &home, const std::string &visitor, int yards)
{
    Game game = newGame();
    game.info.homeTeamName = home;
    game.info.visitorTeamName = visitor;
    PlayRecord rush;
    rush.playType = 1;
    rush.homeHasBall = true;
    rush.initialSpot = {20, true};
    rush.finalSpot = {20 + yards, true};
    rush.players[0] = PlayerRecord{"Quarter, Back", 7, 1, 0, 1};
    rush.players[1] = PlayerRecord{"Runner, Jr.", 22, 4, 0, 1};
    PlayRecord pass;
    pass.playType = 2;
    pass.homeHasBall = false;
    pass.passResult = 1;
    pass.initialSpot = {30, false};
    pass.receivedAt = {40, false};
    pass.finalSpot = {45, false};
    pass.players[0] = PlayerRecord{"Thrower", 9, 1, 0, 1};
    pass.players[1] = PlayerRecord{"Catcher", 80, 5, 0, 1};
    game.plays = {rush, pass};
    return game;
}

class StatsCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = freshDirectory(::testing::UnitTest::GetInstance()->current_test_info()->name());
        Game one = statsGame("Lions", "Bears", 12);
        Game two = statsGame("Bears", "Lions", 5);
        ASSERT_TRUE(saveGame(one, (dir / "one.gam").string()));
        ASSERT_TRUE(saveGame(two, (dir / "two.gam").string()));
        paths = {(dir / "one.gam").string(), (dir / "two.gam").string()};
    }

    std::filesystem::path dir;
    std::vector<std::string> paths;
    LeagueOptions league;
    HtmlOptions html;
};

TEST_F(StatsCommandsTest, PlayersIsTheIndividualStatisticsExport)
{
    const std::pair<const char *, StatView> views[] = {
        {"team", StatView::Team}, {"opponents", StatView::Opponents}, {"combined", StatView::Combined}};
    for (const auto &[name, view] : views) {
        for (const bool asHtml : {false, true}) {
            std::ostringstream expected;
            EXPECT_EQ(writeIndividualStatsForFiles(expected, paths, "Lions", view, league, asHtml, false, html,
                                                   kSeasonWritten),
                      0);
            const CliRun run = runCliBinary({"players", "--team", "Lions", "--view", name, "--format",
                                             asHtml ? "html" : "csv", "one.gam", "two.gam"},
                                            dir);
            EXPECT_EQ(run.exitCode, 0) << run.err;
            EXPECT_EQ(run.out, expected.str()) << name;
        }
    }
    std::ostringstream all;
    writeIndividualStatsForFiles(all, paths, "All Teams", StatView::Team, league, false, false, html, kSeasonWritten);
    EXPECT_EQ(runCliBinary({"players", "--team", "all teams", "one.gam", "two.gam"}, dir).out, all.str());
    EXPECT_NE(all.str().find("\"Runner, Jr."), std::string::npos); // one quoted field
}

TEST_F(StatsCommandsTest, TeamstatsIsTheTeamStatisticsExport)
{
    for (const auto &[name, period] : {std::pair{"game", SummaryPeriod::Game},
                                       {"q1", SummaryPeriod::FirstQuarter},
                                       {"2nd-half", SummaryPeriod::SecondHalf}}) {
        std::ostringstream expected;
        writeTeamStatsForFiles(expected, paths, "Bears", period, league, true, false, html, kSeasonWritten);
        const CliRun run = runCliBinary(
            {"teamstats", "--team", "Bears", "--period", name, "--format", "html", "one.gam", "two.gam"}, dir);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.out, expected.str()) << name;
    }
}

TEST_F(StatsCommandsTest, AnUnreadableGameIsNamedAndNothingIsWritten)
{
    std::ofstream(dir / "bad.gam", std::ios::binary) << "not a game";
    for (const std::string command : {"players", "teamstats"}) {
        const CliRun run = runCliBinary({command, "--team", "Lions", "one.gam", "bad.gam", "-o", "out.csv"}, dir);
        EXPECT_EQ(run.exitCode, 1) << command;
        EXPECT_NE(run.err.find("bad.gam"), std::string::npos);
        EXPECT_FALSE(std::filesystem::exists(dir / "out.csv"));
    }
    EXPECT_EQ(runCliBinary({"players", "one.gam"}, dir).exitCode, 2);         // --team missing
    EXPECT_EQ(runCliBinary({"players", "--team", "Lions"}, dir).exitCode, 2); // no game
    EXPECT_EQ(runCliBinary({"players", "--team", "x", "--view", "all", "one.gam"}, dir).exitCode, 2);
    for (const std::string view : {"opponents", "combined"})
        EXPECT_EQ(runCliBinary({"players", "--team", "all teams", "--view", view, "one.gam"}, dir).exitCode, 2);
    // Team statistics set one team against its opponents: "All Teams" names none.
    const CliRun all = runCliBinary({"teamstats", "--team", "All Teams", "one.gam", "-o", "out.csv"}, dir);
    EXPECT_EQ(all.exitCode, 2);
    EXPECT_EQ(all.err, "yardmark-cli: team statistics compare one team with its opponents: name a team\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "out.csv"));
}

TEST(SeasonCommandsTest, ScheduleExport)
{
    const auto dir = freshDirectory("schedule");
    Schedule schedule;
    ScheduleEntry game;
    game.eventType = 1;
    game.homeTeamName = "Lions";
    game.visitorTeamName = "Bears, \"Big\"";
    game.year = 2026;
    game.month = 9;
    game.day = 5;
    game.hour = 9;
    game.minute = 5;
    game.note = "Home <opener>";
    schedule.append(game);
    ASSERT_TRUE(saveSchedule(schedule, (dir / "season.sch").string()));
    ASSERT_EQ(loadSchedule((dir / "season.sch").string(), schedule), ScheduleLoadResult::Loaded);

    for (const ExportFormat format : {ExportFormat::Csv, ExportFormat::Html}) {
        std::ostringstream expected;
        writeSchedule(expected, schedule, format, false, HtmlOptions{}, kSeasonWritten);
        const CliRun run = runCliBinary(
            {"schedule", "export", "season.sch", "--format", format == ExportFormat::Html ? "html" : "csv"}, dir);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.out, expected.str());
    }

    std::ofstream(dir / "bad.sch", std::ios::binary) << std::string(12, '\xFF');
    for (const char *file : {"bad.sch", "missing.sch"}) {
        const CliRun run = runCliBinary({"schedule", "export", file}, dir);
        EXPECT_EQ(run.exitCode, 1) << file;
        EXPECT_NE(run.err.find(file), std::string::npos);
    }
}

TEST(SeasonCommandsTest, TeamAddresses)
{
    const auto dir = freshDirectory("addresses");
    Team team;
    team.rosterOnly = false;
    team.name = "Lions";
    team.players = {PlayerRecord{"Able", 12, 1, 0, 1}, PlayerRecord{"Baker", -1, 4, 0, 0}};
    team.personalInfo = {PersonalInfo{"555-0101", "1 Main, Apt 2", "Town", "OH", "45501", 1990, 3, 4, "a@b.c", ""},
                         PersonalInfo{}};
    ASSERT_TRUE(writeTeamFile(team, (dir / "lions.tem").string()));
    for (const ExportFormat format : {ExportFormat::Csv, ExportFormat::Html}) {
        std::ostringstream expected;
        writeAddressList(expected, team, format, false, HtmlOptions{}, kSeasonWritten);
        const CliRun run = runCliBinary(
            {"team", "addresses", "lions.tem", "--format", format == ExportFormat::Html ? "html" : "csv"}, dir);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.out, expected.str());
    }
    EXPECT_EQ(runCliBinary({"team", "addresses", "missing.tem"}, dir).exitCode, 1);
}

} // namespace
} // namespace yardmark::testing

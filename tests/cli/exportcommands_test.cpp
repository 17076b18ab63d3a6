#include "base/datetime.h"
#include "clirunner.h"
#include "gameflow/playbyplay.h"
#include "records/gamefile.h"
#include "records/settingsfile.h"
#include "records/teamfile.h"
#include "season/teamexport.h"
#include "stats/drivesummary.h"
#include "stats/gamesummary.h"
#include "stats/gameteamstats.h"
#include "stats/scoringsummary.h"
#include "vocabulary/narration.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace yardmark::testing {
namespace {

// What runCliBinary's SOURCE_DATE_EPOCH stands for.
const DateTime kNow = dateTimeFromEpochUtc(1700000000);

PlayRecord play(int type, bool home, int quarter, FieldSpot from, FieldSpot to)
{
    PlayRecord p;
    p.playType = type;
    p.homeHasBall = home;
    p.quarter = quarter;
    p.initialSpot = from;
    p.finalSpot = to;
    p.toGoBefore = 10;
    return p;
}

// A game with a touchdown in the second quarter and a field goal in the fourth.
Game reportGame()
{
    Game game = newGame();
    game.info.homeTeamName = "Lions";
    game.info.visitorTeamName = "A&M, \"Aggies\"";
    PlayRecord kickoff = play(4, true, 0, {35, true}, {25, false});
    kickoff.kickResult = 3;
    PlayRecord run = play(1, false, 0, {25, false}, {40, false});
    run.players[1] = PlayerRecord{"Smith, Jr.", 22, 4, 0, 1};
    PlayRecord touchdown = play(1, false, 1, {40, false}, {0, true});
    touchdown.scoreType = 1;
    PlayRecord fieldGoal = play(6, true, 3, {20, false}, {20, false});
    fieldGoal.kickResult = 1;
    fieldGoal.scoreType = 2;
    game.plays = {kickoff, run, touchdown, fieldGoal};
    return game;
}

class ExportCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = freshDirectory(::testing::UnitTest::GetInstance()->current_test_info()->name());
        game = reportGame();
        ASSERT_TRUE(saveGame(game, (dir / "game.gam").string()));
        ASSERT_TRUE(loadGame(game, (dir / "game.gam").string()));
    }

    std::string run(const std::vector<std::string> &args)
    {
        const CliRun result = runCliBinary(args, dir);
        EXPECT_EQ(result.exitCode, 0) << result.err;
        return result.out;
    }

    std::filesystem::path dir;
    Game game;
    Settings settings;
};

std::string summary(const Game &game, SummaryPeriod period, bool html, const Settings &settings)
{
    const QuarterRange range = summaryPeriodRange(game, period);
    std::ostringstream out;
    writeGameSummary(out, game, computeGameTeamStats(game, true, range.first, range.last, settings.league),
                     computeGameTeamStats(game, false, range.first, range.last, settings.league), html, false,
                     settings.app.html, kNow);
    return out.str();
}

TEST_F(ExportCommandsTest, SummaryIsWhatItsWriterPutsInANewFile)
{
    EXPECT_EQ(run({"export", "summary", "game.gam"}), summary(game, SummaryPeriod::Game, false, settings));
    EXPECT_EQ(run({"export", "summary", "game.gam", "--format", "html"}),
              summary(game, SummaryPeriod::Game, true, settings));
    const std::pair<const char *, SummaryPeriod> periods[] = {
        {"1st-half", SummaryPeriod::FirstHalf}, {"2nd-half", SummaryPeriod::SecondHalf},
        {"q1", SummaryPeriod::FirstQuarter},    {"q2", SummaryPeriod::SecondQuarter},
        {"q3", SummaryPeriod::ThirdQuarter},    {"q4", SummaryPeriod::FourthQuarter},
    };
    for (const auto &[name, period] : periods)
        EXPECT_EQ(run({"export", "summary", "game.gam", "--period", name}), summary(game, period, false, settings))
            << name;
    // The touchdown counts in the second quarter, not in the fourth.
    EXPECT_NE(summary(game, SummaryPeriod::SecondQuarter, false, settings),
              summary(game, SummaryPeriod::FourthQuarter, false, settings));
}

TEST_F(ExportCommandsTest, DrivesScoringAndPlayByPlay)
{
    std::ostringstream drives, scoring, scoringHtml, text, html;
    writeDriveSummary(drives, game, settings.league, false, false, settings.app.html, kNow);
    writeScoringSummary(scoring, game, settings.league, false, false, settings.app.html, kNow);
    writeScoringSummary(scoringHtml, game, settings.league, true, false, settings.app.html, kNow);
    std::vector<std::string> lines;
    for (const PlayRecord &p : game.plays)
        lines.push_back(narratePlay(p, game.info, settings.league));
    writePlayByPlay(text, game.info, lines, false, false, settings.app.html, kNow);
    writePlayByPlay(html, game.info, lines, true, false, settings.app.html, kNow);

    EXPECT_EQ(run({"export", "drives", "game.gam"}), drives.str());
    EXPECT_EQ(run({"export", "scoring", "game.gam", "--format", "csv"}), scoring.str());
    EXPECT_EQ(run({"export", "scoring", "game.gam", "--format", "html"}), scoringHtml.str());
    EXPECT_EQ(run({"export", "playbyplay", "game.gam"}), text.str());
    EXPECT_EQ(run({"export", "playbyplay", "game.gam", "--format", "html"}), html.str());
    EXPECT_NE(html.str().find("A&amp;M"), std::string::npos);
    EXPECT_NE(html.str().find("11/14/2023 at 22:13:20"), std::string::npos);
}

TEST_F(ExportCommandsTest, SettingsChangeTheHtmlColours)
{
    settings.app.html.htmlHeaderColor = colorValue(1, 2, 3);
    ASSERT_TRUE(writeSettings(dir / "league.ini", settings));
    const std::string page = run({"--settings", "league.ini", "export", "drives", "game.gam", "--format", "html"});
    EXPECT_NE(page.find("010203"), std::string::npos);
    // Without --settings, a yardmark.ini in the working directory is read.
    std::filesystem::rename(dir / "league.ini", dir / "yardmark.ini");
    EXPECT_EQ(run({"export", "drives", "game.gam", "--format", "html"}), page);
}

TEST_F(ExportCommandsTest, BadChoicesAreUsageErrors)
{
    for (const std::vector<std::string> &args :
         {std::vector<std::string>{"export", "summary", "game.gam", "--period", "q5"},
          {"export", "drives", "game.gam", "--format", "pdf"},
          {"export", "playbyplay", "game.gam", "--format", "csv"},
          {"export", "drives", "game.gam", "--period", "q1"},
          {"export", "game.gam"}}) {
        EXPECT_EQ(runCliBinary(args, dir).exitCode, 2) << args[1] << ' ' << args.back();
    }
}

Team rosterTeam()
{
    Team team;
    team.rosterOnly = false;
    team.name = "Lions";
    team.coach = "Coach, Head";
    team.players = {PlayerRecord{"Able", 12, 1, 0, 1}, PlayerRecord{"Baker", -1, 4, 0, 0}};
    team.personalInfo = {PersonalInfo{"555-0101", "1 Main", "Town", "OH", "45501", 1990, 3, 4, "a@b.c", ""},
                         PersonalInfo{"", "", "", "", "", 1991, 5, 6, "", "note"}};
    return team;
}

TEST(TeamCommandsTest, ExportAndImportRoundTrip)
{
    const auto dir = freshDirectory("team");
    Team team = rosterTeam();
    ASSERT_TRUE(writeTeamFile(team, (dir / "lions.tem").string()));

    std::ostringstream csv, csvPersonal, html;
    writeTeamCsv(csv, team, false);
    writeTeamCsv(csvPersonal, team, true);
    writeTeamHtml(html, team, true, false, HtmlOptions{}, kNow);

    CliRun run = runCliBinary({"team", "export", "lions.tem"}, dir);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, csv.str());
    EXPECT_EQ(runCliBinary({"team", "export", "lions.tem", "--personal", "-o", "lions.csv"}, dir).exitCode, 0);
    EXPECT_EQ(readText(dir / "lions.csv"), csvPersonal.str());
    EXPECT_EQ(runCliBinary({"team", "export", "lions.tem", "--format", "html", "--personal"}, dir).out, html.str());

    // A comma-separated list exports as the team it holds.
    EXPECT_EQ(runCliBinary({"team", "export", "lions.csv", "--personal"}, dir).out, csvPersonal.str());

    run = runCliBinary({"team", "import", "lions.csv", "-o", "again.tem"}, dir);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    Team again;
    again.rosterOnly = false; // a full team, as the Team menu opens it
    ASSERT_TRUE(loadTeamFile(again, (dir / "again.tem").string()));
    EXPECT_EQ(again.players, team.players);
    EXPECT_EQ(again.personalInfo, team.personalInfo);
    EXPECT_EQ(again.coach, "Coach, Head");
}

TEST(TeamCommandsTest, UnreadableTeamsExitWithOne)
{
    const auto dir = freshDirectory("badteam");
    std::ofstream(dir / "short.tem", std::ios::binary) << std::string(100, 'x');
    for (const std::vector<std::string> &args : {std::vector<std::string>{"team", "export", "short.tem"},
                                                 {"team", "export", "missing.tem"},
                                                 {"team", "export", "missing.csv"},
                                                 {"team", "import", "missing.csv", "-o", "out.tem"}}) {
        const CliRun run = runCliBinary(args, dir);
        EXPECT_EQ(run.exitCode, 1) << args[2];
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(args[2]), std::string::npos);
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "out.tem"));
    EXPECT_EQ(runCliBinary({"team", "import", "x.csv"}, dir).exitCode, 2); // -o is required
}

} // namespace
} // namespace yardmark::testing

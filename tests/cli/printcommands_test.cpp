#include "clirunner.h"

#include "printouts/scheduleprintout.h"
#include "records/gamefile.h"
#include "records/teamfile.h"
#include "season/schedule.h"
#include "stats/drivesummary.h"
#include "stats/scoringsummary.h"
#include "support/pdffile.h"
#include "vocabulary/narration.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

namespace yardmark::testing {
namespace {

/// The text with every run of blanks made one.
std::string squeezed(const std::string &text)
{
    std::string result;
    for (const char c : text) {
        if (c != ' ' || result.empty() || result.back() != ' ')
            result += c;
    }
    return result;
}

/// The text of a PDF file as pdftotext reads it, with every run of blanks made one.
std::string pdfText(const std::filesystem::path &path)
{
    const std::string command = "pdftotext -layout '" + path.string() + "' -";
    std::unique_ptr<FILE, int (*)(FILE *)> pipe(popen(command.c_str(), "r"), pclose);
    std::string text;
    char buffer[4096];
    while (pipe && std::fgets(buffer, sizeof buffer, pipe.get()) != nullptr)
        text += buffer;
    return squeezed(text);
}

PlayerRecord player(const std::string &name, int number, int status)
{
    PlayerRecord p;
    p.name = name;
    p.number = number;
    p.offensivePosition = 6;
    p.defensivePosition = 13;
    p.starterStatus = status;
    return p;
}

Team team(const std::string &name, int players)
{
    Team t;
    t.name = name;
    t.rosterOnly = false;
    for (int i = 0; i < players; ++i) {
        t.players.push_back(player(name + " Player " + std::to_string(i), i + 1, i % 4));
        PersonalInfo info;
        info.phone = "555-01" + std::to_string(10 + i);
        t.personalInfo.push_back(info);
    }
    return t;
}

/// A game of drives of three rushes and a touchdown, long enough for three
/// pages of play-by-play.
Game longGame()
{
    Game game = newGame();
    game.info.homeTeamName = "Lions";
    game.info.visitorTeamName = "Bears";
    for (int drive = 0; drive < 30; ++drive) {
        const bool home = drive % 2 == 0;
        for (int play = 0; play < 4; ++play) {
            PlayRecord rush;
            rush.playType = 1;
            rush.homeHasBall = home;
            rush.quarter = drive * 4 / 30;
            rush.clockMinutes = 14 - play * 3;
            rush.initialSpot = {25 * play, home};
            rush.finalSpot = play == 3 ? FieldSpot{0, !home} : FieldSpot{25 * play + 25, home};
            if (play == 3)
                rush.scoreType = 1;
            rush.players[1] = player(home ? "Lion Back" : "Bear Back", 22, 0);
            game.plays.push_back(rush);
        }
    }
    return game;
}

class PrintCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = freshDirectory(::testing::UnitTest::GetInstance()->current_test_info()->name());
        game = longGame();
        ASSERT_TRUE(saveGame(game, (dir / "game.gam").string()));
        lions = team("Lions", 30);
        bears = team("Bears", 20);
        ASSERT_TRUE(writeTeamFile(lions, (dir / "lions.tem").string()));
        ASSERT_TRUE(writeTeamFile(bears, (dir / "bears.tem").string()));
        for (int month = 9; month <= 11; ++month) {
            ScheduleEntry entry;
            entry.eventType = 2;
            entry.year = 2026;
            entry.month = static_cast<std::uint8_t>(month);
            entry.day = 12;
            entry.hour = 19;
            entry.homeTeamName = "Lions";
            entry.visitorTeamName = month == 10 ? "Rams" : "Bears";
            entry.field = "Memorial Field";
            schedule.append(entry);
        }
        ASSERT_TRUE(saveSchedule(schedule, (dir / "season.sch").string()));
    }

    std::filesystem::path dir;
    Game game;
    Team lions;
    Team bears;
    Schedule schedule;
};

TEST_F(PrintCommandsTest, EveryPrintoutReadsBackFromItsPdf)
{
    const LeagueOptions league;
    const std::vector<DriveLine> drives = scanDrives(game, league, DriveBreaks::Export);
    const std::vector<ScoringLine> scores = scoringLines(game, league);
    struct Case {
        std::vector<std::string> args;
        std::string title;
        std::string firstLine;
        std::string lastLine;
        bool severalPages;
    };
    const std::vector<Case> cases{
        {{"playbyplay", "game.gam"},
         "Play By Play",
         narratePlay(game.plays.front(), game.info, league),
         narratePlay(game.plays.back(), game.info, league),
         true},
        {{"summary", "game.gam"}, "Game Summary", "Points Scored", "Time Of Possession", false},
        {{"drives", "game.gam"}, "Drive Summary", driveLineText(drives.front()), driveLineText(drives.back()), false},
        {{"scoring", "game.gam"},
         "Scoring Summary",
         scoringLineText(scores.front()),
         scoringLineText(scores.back()),
         false},
        {{"roster", "lions.tem", "bears.tem"}, "Roster", "# 1, Lions Player 0, RB", "#30, Lions Player 29, RB", false},
        {{"starters", "lions.tem", "--status", "2"},
         "Starters",
         "# 3, Lions Player 2, LB",
         "#28, Lions Player 27, LB",
         false},
        {{"players", "--team", "Lions", "game.gam", "game.gam"},
         "Individual Stats for Lions",
         "* Passer Stats *",
         "* Defender Stats *",
         true},
        {{"players", "--team", "Lions", "--category", "1", "game.gam"},
         "Individual Stats for Lions",
         "* Rusher Stats *",
         "22 Lion Back",
         false},
        {{"schedule", "season.sch"},
         "Schedule",
         schedulePrintLine(schedule.entries.front()),
         schedulePrintLine(schedule.entries.back()),
         false},
        {{"addresses", "bears.tem"}, "Bears Address/Phone List", "#1, Bears Player 0, Running Back", "555-0129", true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.args.front());
        std::vector<std::string> args{"print"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        args.insert(args.end(), {"-o", "out.pdf"});
        const CliRun run = runCliBinary(args, dir);
        ASSERT_EQ(run.exitCode, 0) << run.err;
        EXPECT_TRUE(run.out.empty());
        if (!test::kReadsPdfText) {
            EXPECT_EQ(test::pdfPageCount(dir / "out.pdf") > 1, c.severalPages);
            continue;
        }
        const std::string text = pdfText(dir / "out.pdf");
        for (const std::string &expected :
             {std::string("Page 1"), c.title, std::string("11/14/2023"), c.firstLine, c.lastLine})
            EXPECT_NE(text.find(squeezed(expected)), std::string::npos) << expected << "\nin\n" << text;
        EXPECT_EQ(text.find("Page 2") != std::string::npos, c.severalPages);
        std::filesystem::remove(dir / "out.pdf");
    }
}

TEST_F(PrintCommandsTest, FailuresWriteNoFile)
{
    struct Case {
        std::vector<std::string> args;
        int exitCode;
        const char *message;
    };
    const std::vector<Case> cases{
        {{"print", "playbyplay", "missing.gam", "-o", "out.pdf"}, 1, "cannot read game file missing.gam"},
        {{"print", "roster", "lions.tem", "missing.tem", "-o", "out.pdf"}, 1, "cannot read team file missing.tem"},
        {{"print", "playbyplay", "game.gam"}, 2, "--output is required"},
        {{"print", "starters", "lions.tem", "--status", "0", "-o", "out.pdf"}, 2, "--status"},
        {{"print", "schedule", "missing.sch", "-o", "out.pdf"}, 1, "cannot read schedule file missing.sch"},
        {{"print", "players", "--team", "Lions", "game.gam", "missing.gam", "-o", "out.pdf"},
         1,
         "cannot read game file missing.gam"},
        {{"print", "playbyplay", "game.gam", "-o", "no-such-folder/out.pdf"}, 1, "cannot write no-such-folder/out.pdf"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.args[1]);
        const CliRun run = runCliBinary(c.args, dir);
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_FALSE(std::filesystem::exists(dir / "out.pdf"));
    }
}

/// Width and height from a PNG file's header.
std::pair<int, int> pngSize(const std::string &bytes)
{
    if (bytes.size() < 24 || bytes.compare(1, 3, "PNG") != 0)
        return {0, 0};
    const auto word = [&](std::size_t at) {
        int value = 0;
        for (std::size_t i = 0; i < 4; ++i)
            value = value * 256 + static_cast<unsigned char>(bytes[at + i]);
        return value;
    };
    return {word(16), word(20)};
}

TEST_F(PrintCommandsTest, ChartDrawsAQuarterAsPngOrSvg)
{
    ASSERT_EQ(runCliBinary({"chart", "game.gam", "-o", "last.png"}, dir).exitCode, 0);
    ASSERT_EQ(runCliBinary({"chart", "game.gam", "--quarter", "4", "-o", "fourth.png"}, dir).exitCode, 0);
    ASSERT_EQ(runCliBinary({"chart", "game.gam", "--quarter", "1", "-o", "first.PNG"}, dir).exitCode, 0);
    const std::string last = readText(dir / "last.png");
    EXPECT_EQ(pngSize(last), std::make_pair(726, 338));
    EXPECT_EQ(last, readText(dir / "fourth.png")); // the last quarter recorded is the fourth
    EXPECT_NE(last, readText(dir / "first.PNG"));

#ifdef YARDMARK_CHART_SVG
    ASSERT_EQ(runCliBinary({"chart", "game.gam", "-o", "chart.svg"}, dir).exitCode, 0);
    const std::string svg = readText(dir / "chart.svg");
    EXPECT_NE(svg.find("<svg"), std::string::npos);
    EXPECT_NE(svg.find("viewBox=\"0 0 726 338\""), std::string::npos);
#else
    EXPECT_EQ(runCliBinary({"chart", "game.gam", "-o", "chart.svg"}, dir).exitCode, 1);
    EXPECT_FALSE(std::filesystem::exists(dir / "chart.svg"));
#endif

    const CliRun wrongType = runCliBinary({"chart", "game.gam", "-o", "chart.txt"}, dir);
    EXPECT_EQ(wrongType.exitCode, 1);
    EXPECT_NE(wrongType.err.find(".svg or .png"), std::string::npos) << wrongType.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "chart.txt"));
    EXPECT_EQ(runCliBinary({"chart", "game.gam", "--quarter", "0", "-o", "zero.png"}, dir).exitCode, 2);
}

} // namespace
} // namespace yardmark::testing

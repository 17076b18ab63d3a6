#include "stats/drivesummary.h"

#include "stats/scoregrid.h"

#include "playlist.h"

#include "reports/html.h"
#include "support/sides.h"

#include <gtest/gtest.h>

#include <sstream>

namespace yardmark {
namespace {

using test::gameOf;
using test::Play;

const DateTime kDrivesWritten{2026, 11, 21, 16, 30, 0};

/// A game that runs through every kind of drive end, into two overtime periods.
Game drivesGame()
{
    return gameOf({
        /* 0 */ Play(PlayType::KickOff, kHome).clock(15, 0).from(35).received(95).to(75).kick(KickResult::Runback),
        /* 1 */ Play(PlayType::Rush, kVisitor).clock(14, 50).from(25).to(30),
        /* 2 */ Play(PlayType::Rush, kVisitor).clock(14, 20).from(30).to(40),
        /* 3 */ Play(PlayType::Punt, kVisitor).clock(13, 55).from(40).received(80).to(70).kick(KickResult::Runback),
        /* 4 */ Play(PlayType::Rush, kHome).clock(13, 40).from(30).to(35),
        /* 5 */
        Play(PlayType::Pass, kHome)
            .clock(13, 0)
            .from(35)
            .to(100)
            .pass(PassResult::Completion)
            .score(ScoreType::Touchdown),
        /* 6 */ Play(PlayType::ExtraPoint, kHome).from(97).to(97).kick(KickResult::FieldGoalWideLeft),
        /* 7 */ Play(PlayType::KickOff, kHome).clock(13, 0).from(35).to(70).turnover(TurnoverKind::Fumble),
        /* 8 */ Play(PlayType::Rush, kHome).quarter(1).clock(0, 7).from(70).to(72),
        /* 9 */
        Play(PlayType::KickOff, kVisitor)
            .quarter(2)
            .clock(15, 0)
            .from(35)
            .received(95)
            .to(80)
            .kick(KickResult::Runback),
        /* 10 */
        Play(PlayType::Pass, kHome)
            .quarter(2)
            .clock(14, 40)
            .from(20)
            .to(0)
            .pass(PassResult::Interception)
            .turnover(TurnoverKind::Interception)
            .score(ScoreType::DefensiveTouchdown),
        /* 11 */
        Play(PlayType::ExtraPoint, kVisitor).quarter(2).kick(KickResult::FieldGoalGood).score(ScoreType::ExtraPoint),
        /* 12 */ Play(PlayType::Rush, kVisitor).quarter(3).clock(3, 5).down(3).turnover(TurnoverKind::OnDowns),
        /* 13 */ Play(PlayType::Rush, kHome).quarter(3).from(20).to(25),
        /* 14 */ Play(PlayType::Rush, kHome).quarter(4).clock(9, 0).from(75).to(100).score(ScoreType::Touchdown),
        /* 15 */ Play(PlayType::Rush, kVisitor).quarter(5).from(20).to(22),
    });
}

TEST(DriveSummaryTest, WindowLines)
{
    std::vector<std::string> lines;
    for (const DriveLine &line : scanDrives(drivesGame(), {}))
        lines.push_back(driveLineText(line));
    const std::vector<std::string> expected{
        "Visitor: 3 Plays, 45 Yards, Duration: 1:05, Result: Punted at 13:55 of 1st Quarter",
        "Home: 2 Plays, 70 Yards, Duration: 0:55, Result: TD at 13:00 of 1st Quarter",
        // A try restarts the drive: the missed kick is a drive of no plays.
        "Home: 0 Plays, 0 Yards, Duration: 0:00, Result: Missed FG at 13:00 of 1st Quarter",
        // The kickoff's lost fumble ends nothing; the drive runs on to the half.
        "Home: 2 Plays, 37 Yards, Duration: 27:53, Result: End of Half",
        // The interception returned for a touchdown is the defence's own one-play drive.
        "Visitor: 1 Plays, 20 Yards, Duration: 0:20, Result: TD at 14:40 of 3rd Quarter",
        "Visitor: 1 Plays, 0 Yards, Duration: 26:35, Result: Turnover on downs at 3:05 of 4th Quarter",
        // Its last play has no clock, which stands for the start of the fourth quarter: never less than nothing.
        "Home: 1 Plays, 5 Yards, Duration: 0:00, Result: End of Regulation",
        "Home: 1 Plays, 25 Yards, Duration: N/A, Result: TD in OT1",
        "Visitor: 1 Plays, 2 Yards, Duration: N/A, Result: End of Game",
    };
    EXPECT_EQ(lines, expected);
}

TEST(DriveSummaryTest, ExportDoesNotRestartAtANewOvertimePeriod)
{
    const std::vector<DriveLine> lines = scanDrives(drivesGame(), {}, DriveBreaks::Export);
    ASSERT_EQ(lines.size(), 9U);
    EXPECT_EQ(lines[7], (DriveLine{kHome, "Home", 2, 30, "N/A", "TD in OT1", 14}));
    EXPECT_EQ(lines[8], (DriveLine{kVisitor, "Visitor", 1, 2, "N/A", "End of Game", 15}));
}

TEST(DriveSummaryTest, EmptyGameAndGameWithoutClock)
{
    EXPECT_TRUE(scanDrives(gameOf({}), {}).empty());
    const Game game = gameOf({
        Play(PlayType::Rush, kHome).from(20).to(25),
        Play(PlayType::Rush, kHome).from(25).to(100).score(ScoreType::Touchdown),
        Play(PlayType::Rush, kHome).clock(45, 75).from(20).to(25).turnover(TurnoverKind::Fumble),
    });
    std::vector<std::string> lines;
    for (const DriveLine &line : scanDrives(game, {}))
        lines.push_back(driveLineText(line));
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "Home: 2 Plays, 80 Yards, Duration: 0:00, Result: TD at 30:59 of 1st Quarter",
                         "Home: 3 Plays, 85 Yards, Duration: 0:00, Result: Lost fumble at 30:59 of 1st Quarter",
                     }));
}

TEST(DriveSummaryTest, Duration)
{
    struct Case {
        const char *name;
        int startQuarter, startMinutes, startSeconds;
        int endQuarter, endMinutes, endSeconds;
        ClockTime expected;
    } cases[] = {
        {"within a quarter", 0, 12, 40, 0, 10, 33, {2, 7}},
        {"seconds borrowed from a minute", 0, 12, 5, 0, 9, 50, {2, 15}},
        {"under a minute", 0, 10, 5, 0, 9, 55, {0, 10}},
        {"across quarters", 0, 2, 0, 1, 14, 0, {3, 0}},
        {"a start without a clock is the end of its quarter", 1, 0, 0, 1, 11, 30, {0, 0}},
        {"but in the fourth quarter it is the start of the quarter", 3, 0, 0, 3, 11, 30, {3, 30}},
        {"backwards under a minute", 0, 10, 5, 0, 10, 55, {0, 0}},
        {"an end without a clock lies after the start", 3, 3, 5, 3, 0, 0, {0, 0}},
        {"ending in overtime", 3, 5, 0, 4, 9, 0, {0, 0}},
    };
    for (const Case &c : cases) {
        const Game game = gameOf({
            Play(PlayType::Rush, kHome).quarter(c.startQuarter).clock(c.startMinutes, c.startSeconds),
            Play(PlayType::Rush, kHome).quarter(c.endQuarter).clock(c.endMinutes, c.endSeconds),
        });
        EXPECT_EQ(driveDuration(game, 0, 1, {}), c.expected) << c.name;
    }
    EXPECT_EQ(driveDuration(gameOf({}), 0, 0, {}), (ClockTime{}));
}

TEST(DriveSummaryTest, ScoreGrid)
{
    ScoreGrid empty;
    empty.home = {"0", "-", "-", "-", "-", "0"};
    empty.visitor = empty.home;
    EXPECT_EQ(scoreByQuarter(gameOf({}), {}), empty);

    const Game second = gameOf({
        Play(PlayType::Rush, kHome).score(ScoreType::Touchdown),
        Play(PlayType::FieldGoal, kVisitor).quarter(1).score(ScoreType::FieldGoal),
    });
    const ScoreGrid half = scoreByQuarter(second, {});
    EXPECT_EQ(half.home, (std::array<std::string, 6>{"6", "0", "-", "-", "-", "6"}));
    EXPECT_EQ(half.visitor, (std::array<std::string, 6>{"0", "3", "-", "-", "-", "3"}));

    const ScoreGrid overtime = scoreByQuarter(drivesGame(), {});
    EXPECT_EQ(overtime.home, (std::array<std::string, 6>{"6", "0", "0", "0", "6", "12"}));
    EXPECT_EQ(overtime.visitor, (std::array<std::string, 6>{"0", "0", "7", "0", "0", "7"}));
}

std::string drivesExport(const Game &game, bool html, bool appending, const HtmlOptions &options = {})
{
    std::ostringstream out;
    writeDriveSummary(out, game, {}, html, appending, options, kDrivesWritten);
    return out.str();
}

TEST(DriveSummaryTest, CsvExport)
{
    Game game = gameOf({
        Play(PlayType::Rush, kHome).clock(12, 40).from(20).to(29),
        Play(PlayType::Punt, kHome).clock(10, 33).from(29).received(70).to(70).kick(KickResult::FairCatch),
        Play(PlayType::Rush, kVisitor).clock(10, 20).from(30).to(32),
    });
    const std::string expected = "Team, Plays, Yards, Duration, Result\n"
                                 "Home: 2 Plays,50 Yards, Duration:2:07, Punted at 10:33 of 1st Quarter\n"
                                 "Visitor: 1 Plays,2 Yards, Duration:0:13, End of Game\n";
    EXPECT_EQ(drivesExport(game, false, false), expected);
    EXPECT_EQ(drivesExport(game, false, true), expected);
    game.info.homeTeamName = "North, \"A\"";
    EXPECT_EQ(drivesExport(game, false, false).substr(37, 40), "\"North, \"\"A\"\": 2 Plays\",50 Yards, Durati");
}

TEST(DriveSummaryTest, HtmlExport)
{
    Game game = gameOf({
        Play(PlayType::Rush, kHome).clock(12, 40).from(20).to(29),
        Play(PlayType::Punt, kHome).clock(10, 33).from(29).received(70).to(70).kick(KickResult::FairCatch),
        Play(PlayType::Rush, kVisitor).clock(10, 20).from(30).to(32),
    });
    game.info.visitorTeamName = "<Visitor>";
    HtmlOptions options;
    options.htmlFontFace = "Variable Width";
    std::ostringstream footer;
    writeFooter(footer, kDrivesWritten);
    const std::string table =
        "\n<TABLE CELLPADDING=0 CELLSPACING=0 BORDER=1>\n"
        "\n\t<tr bgcolor=F9FAD6>"
        "\n\t\t<td align=center><b><font color=000000 size=3>Team</font></b></td>"
        "\n\t\t<td align=center><b><font color=000000 size=3>Plays</font></b></td>"
        "\n\t\t<td align=center><b><font color=000000 size=3>Yards</font></b></td>"
        "\n\t\t<td align=center><b><font color=000000 size=3>Duration</font></b></td>"
        "\n\t\t<td align=center><b><font color=000000 size=3>Result</font></b></td></tr>\n"
        "\n\t<tr bgcolor=FFFFFF>"
        "\n\t\t<td align=center><font color=000000 size=3>Home</font></td>"
        "\n\t\t<td align=center><font color=000000 size=3>2</font></td>"
        "\n\t\t<td align=center><font color=000000 size=3>50</font></td>"
        "\n\t\t\n\t\t<td align=center><font color=000000 size=3>2:07</font></td>"
        "\n\t\t<td align=center><font color=000000 size=3>Punted at 10:33 of 1st Quarter</font></td>"
        "\n\t\t</tr>\n"
        "\n\t<tr bgcolor=EEEEEE>"
        "\n\t\t<td align=center><font color=000000 size=3>&lt;Visitor&gt;</font></td>"
        "\n\t\t<td align=center><font color=000000 size=3>1</font></td>"
        "\n\t\t<td align=center><font color=000000 size=3>2</font></td>"
        "\n\t\t\n\t\t<td align=center><font color=000000 size=3>0:13</font></td>"
        "\n\t\t<td align=center><font color=000000 size=3>End of Game</font></td>"
        "\n\t\t</tr>\n" +
        footer.str();
    EXPECT_EQ(drivesExport(game, true, false, options),
              "<HTML><HEAD><meta http-equiv=\"Content-Type\" content=\"text/html; "
              "charset=windows-1252\"><TITLE>Quillet Football Yardmark Drive Summary</TITLE></HEAD><BODY>" +
                  table);
    EXPECT_EQ(drivesExport(game, true, true, options), table);
}

} // namespace
} // namespace yardmark

#include "stats/gamesummary.h"

#include "playlist.h"

#include "reports/html.h"

#include <gtest/gtest.h>

#include <sstream>

namespace yardmark {
namespace {

using test::gameOf;
using test::Play;

const DateTime kSummaryWritten{2026, 10, 3, 21, 4, 9};

TEST(GameSummaryTest, PeriodRanges)
{
    const Game regulation = gameOf({Play(PlayType::Rush, true).quarter(2)});
    const Game overtime = gameOf({Play(PlayType::Rush, true).quarter(6), Play(PlayType::Rush, true).quarter(5)});
    struct Case {
        SummaryPeriod period;
        const char *caption;
        QuarterRange range;
    } cases[] = {
        {SummaryPeriod::Game, "&Game", {0, 3}},
        {SummaryPeriod::FirstHalf, "1st &Half", {0, 1}},
        {SummaryPeriod::SecondHalf, "2nd H&alf", {2, 3}},
        {SummaryPeriod::FirstQuarter, "&1st Qtr", {0, 0}},
        {SummaryPeriod::SecondQuarter, "&2nd Qtr", {1, 1}},
        {SummaryPeriod::ThirdQuarter, "&3rd Qtr", {2, 2}},
        {SummaryPeriod::FourthQuarter, "&4th Qtr", {3, 3}},
    };
    for (const Case &c : cases) {
        EXPECT_STREQ(summaryPeriodCaption(c.period), c.caption);
        EXPECT_EQ(summaryPeriodRange(regulation, c.period), c.range) << c.caption;
    }
    EXPECT_EQ(summaryPeriodRange(overtime, SummaryPeriod::Game), (QuarterRange{0, 6}));
    EXPECT_EQ(summaryPeriodRange(gameOf({}), SummaryPeriod::Game), (QuarterRange{0, 3}));
}

TEST(GameSummaryTest, ValueColumnOfAFreshRecord)
{
    EXPECT_EQ(gameSummaryValueText(initGameTeamStats()),
              "0\n0\n0/0/0\n0/0/0  \n0/0/0  \n0/0.0\n0\n0/0.0\n0\n0/0/0\n0.0\n0/0.0\n0/0/0  \n0\n0/0/0  \n0/0\n0\n"
              "0/0\n0/0\n0\n0/0\n0/0\n0:00\n");
}

TEST(GameSummaryTest, ValuesUseTheirConversions)
{
    GameTeamStats s = initGameTeamStats();
    s.totalPoints = 21;
    s.thirdDownsMade = 2;
    s.thirdDownsAttempted = 3;
    s.fourthDownsMade = 1;
    s.fourthDownsAttempted = 1;
    s.totalYards = 82;
    s.totalPlays = 11;
    s.punts = 2;
    s.puntYards = 40;
    s.puntsBlocked = 1;
    s.kickoffReturns = 3;
    s.kickoffReturnYards = 61;
    s.possessionMinutes = 31;
    s.possessionSeconds = 4;
    finishGameTeamStats(s);
    const auto values = gameSummaryValues(s);
    EXPECT_EQ(values[0], "21");
    EXPECT_EQ(values[3], "2/3/67 ");
    EXPECT_EQ(values[4], "1/1/100");
    EXPECT_EQ(values[5], "82/7.5");
    EXPECT_EQ(values[11], "2/20.0");
    EXPECT_EQ(values[14], "3/61/20 ");
    EXPECT_EQ(values[22], "31:04");
}

std::string summaryOf(const Game &game, bool html, bool appending, const HtmlOptions &options = {})
{
    const GameTeamStats home = computeGameTeamStats(game, true, 0, 3, {});
    const GameTeamStats visitor = computeGameTeamStats(game, false, 0, 3, {});
    std::ostringstream out;
    writeGameSummary(out, game, home, visitor, html, appending, options, kSummaryWritten);
    return out.str();
}

const char *const kCsvHeader =
    "Team Name,Points Scored,First Downs,By Rush/Pass/Penalty,3rd Downs Made/Att/Eff,4th Downs Made/Att/Eff,"
    "Total Yards/Avg Per Play,Total Yards Rushing,Rushing Att/Avg,Total Yards Passing,Pass Att/Comp/Int,"
    "Average Yards Per Pass,Punts/Avg,Punt Returns/Avg,Punts Blocked,Kickoff Returns,Fumbles/Lost,Total Turnovers,"
    "Penalties/Yards,Sacks/Yards,Touchdowns,TDs Rush/Pass,Field Goal Att/Made,TimeOfPossession\n";

TEST(GameSummaryTest, CsvHasItsHeaderEveryTime)
{
    Game game = gameOf({Play(PlayType::Rush, true).from(25).to(31).clock(15, 0)});
    game.info.homeTeamName = "Eagles, North";
    const std::string rows =
        "\"Eagles, North\",0,0,0/0/0,0/0/0  ,0/0/0  ,6/6.0,6,1/6.0,0,0/0/0,0.0,0/0.0,0/0/0  ,0,0/0/0  ,0/0,0,0/0,0/0,"
        "0,0/0,0/0,0:00\n"
        "Visitor,0,0,0/0/0,0/0/0  ,0/0/0  ,0/0.0,0,0/0.0,0,0/0/0,0.0,0/0.0,0/0/0  ,0,0/0/0  ,0/0,0,0/0,0/0,0,0/0,0/0,"
        "0:00\n";
    EXPECT_EQ(summaryOf(game, false, false), kCsvHeader + rows);
    EXPECT_EQ(summaryOf(game, false, true), kCsvHeader + rows);
}

TEST(GameSummaryTest, HtmlTable)
{
    Game game = gameOf({});
    game.info.homeTeamName = "A&M";
    HtmlOptions options;
    options.htmlFontFace = "Variable Width";
    options.htmlHeaderFontSize = 4;
    const std::string html = summaryOf(game, true, false, options);
    std::ostringstream footer;
    writeFooter(footer, kSummaryWritten);

    const std::string head = "<HTML><HEAD><meta http-equiv=\"Content-Type\" content=\"text/html; "
                             "charset=windows-1252\"><TITLE>Quillet Football Yardmark Game Summary</TITLE></HEAD><BODY>"
                             "\n<TABLE CELLPADDING=0 CELLSPACING=0 BORDER=1>\n"
                             "\n\t<tr bgcolor=F9FAD6>"
                             "\n\t\t<th align=center><font color=000000 size=4>Team Name</font></th>"
                             "\n\t\t<th align=center><font color=000000 size=4>Points Scored</font></th>";
    EXPECT_EQ(html.substr(0, head.size()), head);
    EXPECT_NE(html.find("\n\t\t<th align=center><font color=000000 size=4>Kickoff Returns/Yds/Avg</font></th>"),
              std::string::npos);
    EXPECT_NE(html.find("<font color=000000 size=4>TimeOfPossession</font></th></th></tr>\n"
                        "\n\t<tr>\n\t\t<td align=center><font color=000000 size=3>A&amp;M</font></td>"
                        "\n\t\t<td align=center><font color=000000 size=3>0</font></td>"),
              std::string::npos);
    EXPECT_NE(html.find("<font color=000000 size=3>0:00</font></td></td></tr>\n\n\t<tr>\n\t\t<td align=center>"
                        "<font color=000000 size=3>Visitor</font></td>"),
              std::string::npos);
    EXPECT_EQ(html.substr(html.size() - footer.str().size()), footer.str());
    EXPECT_EQ(html.find("A&M"), std::string::npos);

    const std::string appended = summaryOf(game, true, true, options);
    EXPECT_EQ(appended.find("<HTML>"), std::string::npos);
    EXPECT_EQ(appended, html.substr(html.find("\n<TABLE")));
}

} // namespace
} // namespace yardmark

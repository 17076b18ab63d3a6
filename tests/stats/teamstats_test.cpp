#include "stats/teamstats.h"

#include "playlist.h"
#include "tempgames.h"

#include <gtest/gtest.h>

#include <sstream>

namespace yardmark {
namespace {

using test::gameOf;
using test::Play;

const DateTime kTeamStatsWritten{2027, 1, 2, 3, 4, 5};

TEST(TeamStatsTest, PossessionTimeCarriesSecondsIntoMinutesAcrossGames)
{
    test::TempGames files;
    // Home keeps the ball 30:40 of the first game and 29:30 of the second; the
    // visitor is credited to the end of the quarter of its first play only.
    Game first = gameOf({
        Play(PlayType::Rush, true).clock(15, 0).from(20).to(25),
        Play(PlayType::Rush, true).quarter(2).clock(14, 20).from(25).to(30),
        Play(PlayType::Rush, false).quarter(2).clock(14, 20).from(20).to(25),
        Play(PlayType::Rush, false).quarter(3).clock(0, 0).from(25).to(30),
    });
    Game second = gameOf({
        Play(PlayType::Rush, true).clock(15, 0).from(20).to(25),
        Play(PlayType::Rush, true).quarter(1).clock(0, 30).from(25).to(30),
        Play(PlayType::Rush, false).quarter(1).clock(0, 30).from(20).to(25),
        Play(PlayType::Rush, false).quarter(3).clock(0, 0).from(25).to(30),
    });
    const TeamStatsTotals totals = teamStatsOverFiles({files.save("1.gam", first), files.save("2.gam", second)}, "Home",
                                                      SummaryPeriod::Game, LeagueOptions{});
    EXPECT_EQ(totals.gameCount, 2);
    EXPECT_EQ(totals.team.possessionText, "60:10");
    EXPECT_EQ(totals.team.possessionMinutes, 60);
    EXPECT_EQ(totals.team.possessionSeconds, 10);
    EXPECT_EQ(totals.opponents.possessionText, "14:50");
}

TEST(TeamStatsTest, OneReadingGivesEveryPeriodAsItsOwnReadingWould)
{
    test::TempGames files;
    const Game game = gameOf({
        Play(PlayType::Rush, true).clock(15, 0).from(20).to(45).firstDown(),
        Play(PlayType::Pass, true)
            .quarter(1)
            .clock(9, 0)
            .from(45)
            .to(100)
            .pass(PassResult::Completion)
            .score(ScoreType::Touchdown),
        Play(PlayType::Rush, false).quarter(2).clock(12, 0).from(20).to(23),
        Play(PlayType::Rush, true).quarter(3).clock(4, 0).from(30).to(28),
        Play(PlayType::Rush, false).quarter(4).clock(5, 0).from(30).to(100).score(ScoreType::Touchdown),
    });
    const std::vector<std::string> paths{files.save("1.gam", game), files.garbage("bad.gam")};
    const TeamStatsByPeriod all = teamStatsByPeriodOverFiles(paths, "Visitor", LeagueOptions{});
    const TeamStatsByPeriod open = teamStatsByPeriodOfOpenGame(game, "Visitor", LeagueOptions{});
    EXPECT_EQ(all.unreadable, std::vector<std::string>{paths[1]});
    for (int p = 0; p < kSummaryPeriodCount; ++p) {
        const auto period = static_cast<SummaryPeriod>(p);
        const TeamStatsTotals one = teamStatsOverFiles(paths, "Visitor", period, LeagueOptions{});
        EXPECT_EQ(all.totals(period).team, one.team) << p;
        EXPECT_EQ(all.totals(period).opponents, one.opponents) << p;
        EXPECT_EQ(all.totals(period).gameCount, 1) << p;
        EXPECT_EQ(open.totals(period).team, one.team) << p;
        EXPECT_EQ(open.totals(period).opponentsCaption, "Home") << p;
    }
    EXPECT_EQ(all.totals(SummaryPeriod::SecondQuarter).opponents.totalPoints, 6);
    EXPECT_TRUE(
        teamStatsByPeriodOverFiles(paths, "Visitor", LeagueOptions{}, [](std::size_t) { return false; }).cancelled);
}

TEST(TeamStatsTest, TheWholeGameAddsUpWhatEachGamesOwnSummaryShows)
{
    // A touchdown in the fourth quarter, then five overtime periods with a score in the first and the last.
    const Game game = gameOf({
        Play(PlayType::Rush, true).clock(15, 0).from(20).to(100).score(ScoreType::Touchdown),
        Play(PlayType::Rush, false).quarter(3).clock(1, 0).from(20).to(100).score(ScoreType::Touchdown),
        Play(PlayType::Rush, true).quarter(4).clock(10, 0).from(20).to(100).score(ScoreType::Touchdown),
        Play(PlayType::Rush, false).quarter(5).clock(10, 0).from(20).to(30),
        Play(PlayType::Rush, false).quarter(8).clock(10, 0).from(20).to(100).score(ScoreType::Touchdown),
    });
    const TeamStatsTotals whole = teamStatsOfOpenGame(game, "Home", SummaryPeriod::Game, LeagueOptions{});
    EXPECT_EQ(whole.team, computeGameTeamStats(game, true, 0, 8, LeagueOptions{}));
    EXPECT_EQ(whole.opponents, computeGameTeamStats(game, false, 0, 8, LeagueOptions{}));
    EXPECT_EQ(whole.team.totalPoints, 12);
    EXPECT_EQ(whole.opponents.totalPoints, 12);
    // The halves and quarters stay regulation.
    EXPECT_EQ(teamStatsOfOpenGame(game, "Home", SummaryPeriod::SecondHalf, LeagueOptions{}).team.totalPoints, 0);
    // The game's file read twice counts twice, every figure alike.
    test::TempGames files;
    const std::string path = files.save("ot.gam", game);
    const TeamStatsTotals twice = teamStatsOverFiles({path, path}, "Home", SummaryPeriod::Game, LeagueOptions{});
    EXPECT_EQ(twice.team.totalPoints, 24);
    EXPECT_EQ(twice.gamesPlayed, 2);
    EXPECT_EQ(whole.opponentsCaption, "Visitor");
    EXPECT_EQ(teamStatsOfOpenGame(game, "Visitor", SummaryPeriod::Game, LeagueOptions{}).opponentsCaption, "Home");
}

TEST(TeamStatsTest, EfficiencyComesFromSummedCountsAndSidesFromTheNames)
{
    test::TempGames files;
    // Game one: home converts 1 of 1 third downs; game two: 1 of 3.
    Game one = gameOf({Play(PlayType::Rush, true).down(2).from(20).to(30).firstDown()});
    Game two = gameOf({
        Play(PlayType::Rush, true).down(2).from(20).to(22),
        Play(PlayType::Rush, true).down(2).from(22).to(24),
        Play(PlayType::Pass, true).down(2).pass(PassResult::Completion).from(24).to(40).firstDown(),
    });
    // The team plays both sides here: it is counted once, as the visitor.
    Game both = gameOf({
        Play(PlayType::Rush, true).down(2).from(20).to(22),
        Play(PlayType::Rush, false).from(20).to(70).score(ScoreType::Touchdown),
    });
    both.info.visitorTeamName = "Home";
    Game other = gameOf({Play(PlayType::Rush, true).down(2).from(20).to(22)});
    other.info.homeTeamName = "Someone";
    const std::vector<std::string> paths{files.save("1.gam", one), files.save("2.gam", two), files.save("3.gam", both),
                                         files.save("4.gam", other), files.garbage("5.gam")};
    const TeamStatsTotals totals = teamStatsOverFiles(paths, "Home", SummaryPeriod::Game, LeagueOptions{});
    EXPECT_EQ(totals.skipped, 1);
    EXPECT_EQ(totals.gameCount, 4);
    EXPECT_EQ(totals.gamesPlayed, 3);
    EXPECT_EQ(totals.team.thirdDownsMade, 2);
    EXPECT_EQ(totals.team.thirdDownsAttempted, 4);
    EXPECT_FLOAT_EQ(totals.team.thirdDownEfficiency, 50.0F);
    EXPECT_EQ(totals.team.touchdowns, 1);
    EXPECT_EQ(totals.team.totalPoints, 6);
    EXPECT_EQ(totals.opponents.thirdDownsAttempted, 1);
    EXPECT_FLOAT_EQ(totals.team.yardsPerRush, (10 + 2 + 2 + 50) / 4.0F);

    // "All Teams" names no team, unless one is called so.
    EXPECT_FALSE(namesTeamOfGames("All Teams", paths));
    EXPECT_FALSE(namesTeamOfGames("all teams", paths));
    EXPECT_TRUE(namesTeamOfGames("Home", {}));
    Game called = gameOf({});
    called.info.homeTeamName = "All Teams";
    EXPECT_TRUE(namesTeamOfGames("All Teams", {paths[4], files.save("6.gam", called)}));
}

TEST(TeamStatsTest, TheRecordCountsTheGamesPlayedThatHoldPlays)
{
    test::TempGames files;
    const auto touchdown = [](bool home, int quarter) {
        return PlayRecord(Play(PlayType::Rush, home).quarter(quarter).from(20).to(100).score(ScoreType::Touchdown));
    };
    Game won = gameOf({touchdown(true, 0)});
    Game lostInOvertime = gameOf({touchdown(true, 0), touchdown(false, 2), touchdown(false, 4)});
    Game tied = gameOf({touchdown(false, 1), touchdown(true, 3)});
    Game notPlayed = gameOf({});
    Game asVisitor = gameOf({touchdown(true, 0), touchdown(false, 1), touchdown(false, 3)});
    asVisitor.info.visitorTeamName = "Home";
    asVisitor.info.homeTeamName = "Other";
    Game without = gameOf({touchdown(true, 0)});
    without.info.homeTeamName = "Other";
    const std::vector<std::string> paths{files.save("1.gam", won),       files.save("2.gam", lostInOvertime),
                                         files.save("3.gam", tied),      files.save("4.gam", notPlayed),
                                         files.save("5.gam", asVisitor), files.save("6.gam", without)};
    const TeamStatsTotals totals = teamStatsOverFiles(paths, "Home", SummaryPeriod::FirstQuarter, LeagueOptions{});
    EXPECT_EQ(totals.gamesPlayed, 5);
    EXPECT_EQ(totals.record, (TeamRecord{2, 1, 1}));
    EXPECT_EQ(teamRecordHeading(totals), "Record 2\x96"
                                         "1\x96"
                                         "1 in 5 games");
    const TeamStatsTotals nobody = teamStatsOverFiles(paths, "Nobody", SummaryPeriod::Game, LeagueOptions{});
    EXPECT_EQ(teamRecordHeading(nobody), "Record 0\x96"
                                         "0\x96"
                                         "0 in 0 games");
    EXPECT_EQ(nobody.team, initGameTeamStats());
    EXPECT_EQ(gamesText(1), "1 game");
}

TEST(TeamStatsTest, ExportsWriteTheTeamAndItsOpponents)
{
    TeamStatsTotals totals;
    totals.teamName = "Otters, North";
    totals.team.totalPoints = 21;
    totals.team.possessionText = "31:05";
    totals.opponents.totalPoints = 14;
    totals.opponents.possessionText = "28:55";

    std::ostringstream csv;
    writeTeamStats(csv, totals, false, true, HtmlOptions{}, kTeamStatsWritten);
    const std::string header =
        "Team Name,Points Scored,First Downs,By Rush/Pass/Penalty,3rd Downs Made/Att/Eff,4th Downs Made/Att/Eff,"
        "Total Yards/Avg Per Play,Total Yards Rushing,Rushing Att/Avg,Total Yards Passing,Pass Att/Comp/Int,"
        "Average Yards Per Pass,Punts/Avg,Punt Returns/Yds/Avg,Punts Blocked,Kickoff Returns,Fumbles/Lost,"
        "Total Turnovers,Penalties/Yards,Sacks/Yards,Touchdowns,TDs Rush/Pass,Field Goal Att/Made,TimeOfPossession\n";
    const std::string zeros = ",0,0/0/0,0/0/0  ,0/0/0  ,0/0.0,0,0/0.0,0,0/0/0,0.0,0/0.0,0/0/0  ,0,0/0/0  ,0/0,0,0/0,"
                              "0/0,0,0/0,0/0,";
    EXPECT_EQ(csv.str(), header + "\"Otters, North\",21" + zeros + "31:05\nOpponents,14" + zeros + "28:55\n");

    std::ostringstream html;
    writeTeamStats(html, totals, true, false, HtmlOptions{}, kTeamStatsWritten);
    const std::string text = html.str();
    EXPECT_EQ(text.rfind("<HTML><HEAD><meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
                         "<TITLE>Quillet Football Yardmark Team Statistics</TITLE></HEAD><BODY>"
                         "\n<p><tt><font color=000000 size=3>Record 0\x96"
                         "0\x96"
                         "0 in 0 games</font></tt></p>"
                         "\n<TABLE CELLPADDING=0 CELLSPACING=0 BORDER=1>\n\n\t<tr bgcolor=F9FAD6>",
                         0),
              0U);
    EXPECT_NE(text.find(">Punt Returns/Yds/Avg<"), std::string::npos);
    EXPECT_EQ(text.find(">Punt Returns/Avg<"), std::string::npos);
    EXPECT_NE(text.find("</th></tr>\n\n\t<tr bgcolor=FFFFFF>\n\t\t<td align=center><tt><font color=000000 size=3>"
                        "Otters, North</font></tt></td>"),
              std::string::npos);
    EXPECT_NE(text.find("</td></tr>\n\n\t<tr bgcolor=EEEEEE>\n\t\t<td align=center><tt><font color=000000 size=3>"
                        "Opponents</font></tt></td>"),
              std::string::npos);
    EXPECT_NE(text.find("\n</TABLE>"), std::string::npos);
    EXPECT_EQ(teamStatsCaption("Otters"), "Otters Versus Opponents");
}

} // namespace
} // namespace yardmark

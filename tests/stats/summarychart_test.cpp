#include "stats/summarychart.h"

#include "playlist.h"

#include <gtest/gtest.h>

namespace yardmark {
namespace {

using test::gameOf;
using test::Play;

TEST(SummaryChartTest, BarsTakeTheShownYardsAndEveryPeriodsPointsOnRoundScales)
{
    const Game regulation = gameOf({
        Play(PlayType::Rush, true).quarter(1).score(ScoreType::Touchdown),
        Play(PlayType::Rush, false).quarter(3).score(ScoreType::FieldGoal),
    });
    GameTeamStats home = initGameTeamStats();
    home.rushingYards = 101;
    home.passingYards = 40;
    GameTeamStats visitor = initGameTeamStats();
    visitor.rushingYards = -6; // sacks and losses draw no bar

    const SummaryChart chart = summaryChart(regulation, home, visitor, LeagueOptions{});
    EXPECT_EQ(chart.periods, 4);
    EXPECT_EQ(chart.yardsScale, 150);
    EXPECT_EQ(chart.pointsScale, 7);
    EXPECT_EQ(chart.teams[0].name, "Home");
    EXPECT_EQ(chart.teams[0].points, (std::array<std::int32_t, 5>{0, 6, 0, 0, 0}));
    EXPECT_EQ(chart.teams[1].points, (std::array<std::int32_t, 5>{0, 0, 0, 3, 0}));
    EXPECT_EQ(chart.teams[1].rushingYards, 0);

    // Every overtime period in one column, as in the score by quarter.
    const Game overtime = gameOf({
        Play(PlayType::Rush, true).quarter(1).score(ScoreType::Touchdown),
        Play(PlayType::Rush, true).quarter(1).score(ScoreType::Touchdown),
        Play(PlayType::Rush, false).quarter(4).score(ScoreType::FieldGoal),
        Play(PlayType::Rush, false).quarter(5).score(ScoreType::Touchdown),
    });
    const SummaryChart extra = summaryChart(overtime, initGameTeamStats(), initGameTeamStats(), LeagueOptions{});
    EXPECT_EQ(extra.periods, 5);
    EXPECT_EQ(extra.teams[1].points[4], 9);
    EXPECT_EQ(extra.pointsScale, 14);
    EXPECT_EQ(extra.yardsScale, 50);
}

} // namespace
} // namespace yardmark

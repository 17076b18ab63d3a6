#include "summarychart.h"

#include "points.h"

#include <algorithm>

namespace yardmark {
namespace {

std::int32_t roundUp(std::int32_t value, std::int32_t step)
{
    return std::max<std::int32_t>(step, (value + step - 1) / step * step);
}

} // namespace

SummaryChart summaryChart(const Game &game, const GameTeamStats &home, const GameTeamStats &visitor,
                          const LeagueOptions &options)
{
    SummaryChart chart;
    std::int32_t highestQuarter = 0;
    for (const PlayRecord &play : game.plays)
        highestQuarter = std::max(highestQuarter, play.quarter);
    chart.periods = highestQuarter > 3 ? SummaryChart::kPeriods : SummaryChart::kPeriods - 1;

    std::int32_t longestYards = 0;
    std::int32_t mostPoints = 0;
    for (std::size_t t = 0; t < chart.teams.size(); ++t) {
        const bool isHome = t == 0;
        const GameTeamStats &stats = isHome ? home : visitor;
        SummaryChart::TeamBars &bars = chart.teams[t];
        bars.name = isHome ? game.info.homeTeamName : game.info.visitorTeamName;
        bars.rushingYards = std::max(0, stats.rushingYards);
        bars.passingYards = std::max(0, stats.passingYards);
        longestYards = std::max({longestYards, bars.rushingYards, bars.passingYards});
        // Period 4 holds every overtime period, as the score by quarter does.
        for (int period = 0; period < chart.periods; ++period) {
            bars.points[static_cast<std::size_t>(period)] = pointsInPeriod(game, period, isHome, options);
            mostPoints = std::max(mostPoints, bars.points[static_cast<std::size_t>(period)]);
        }
    }
    chart.yardsScale = roundUp(longestYards, 50);
    chart.pointsScale = roundUp(mostPoints, 7);
    return chart;
}

} // namespace yardmark

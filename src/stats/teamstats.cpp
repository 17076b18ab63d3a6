#include "teamstats.h"

#include "gameset.h"
#include "statfiles.h"
#include "statsexport.h"

#include "reports/html.h"

#include <algorithm>
#include <ostream>

namespace yardmark {

namespace {

constexpr const char *kCsvHeader =
    "Team Name,Points Scored,First Downs,By Rush/Pass/Penalty,3rd Downs Made/Att/Eff,4th Downs Made/Att/Eff,"
    "Total Yards/Avg Per Play,Total Yards Rushing,Rushing Att/Avg,Total Yards Passing,Pass Att/Comp/Int,"
    "Average Yards Per Pass,Punts/Avg,Punt Returns/Yds/Avg,Punts Blocked,Kickoff Returns,Fumbles/Lost,"
    "Total Turnovers,Penalties/Yards,Sacks/Yards,Touchdowns,TDs Rush/Pass,Field Goal Att/Made,TimeOfPossession\n";

void finish(TeamStatsTotals &totals)
{
    finishGameTeamStats(totals.team);
    finishGameTeamStats(totals.opponents);
}

} // namespace

bool namesTeamOfGames(const std::string &teamName, const std::vector<std::string> &paths)
{
    if (!isAllTeams(teamName))
        return true;
    return std::any_of(paths.begin(), paths.end(), [&](const std::string &path) {
        const std::optional<GameTeamNames> names = readGameTeamNames(path);
        return names && (names->home == teamName || names->visitor == teamName);
    });
}

std::string teamStatsCaption(const std::string &teamName)
{
    return teamName + " Versus Opponents";
}

std::string teamRecordHeading(const TeamStatsTotals &totals)
{
    return "Record " + recordText(totals.record) + " in " + gamesText(totals.gamesPlayed);
}

void addTeamGame(TeamStatsTotals &totals, const Game &game, SummaryPeriod period, const LeagueOptions &options)
{
    const std::optional<bool> teamHome = teamIsHome(game, totals.teamName);
    if (!teamHome)
        return;
    ++totals.gamesPlayed;
    if (hasResult(game))
        totals.record.add(gameResult(game, options), *teamHome);
    const QuarterRange range = summaryPeriodRange(game, period);
    addGameTeamStats(totals.team, computeGameTeamStats(game, *teamHome, range.first, range.last, options));
    addGameTeamStats(totals.opponents, computeGameTeamStats(game, !*teamHome, range.first, range.last, options));
}

TeamStatsTotals teamStatsOverFiles(const std::vector<std::string> &paths, const std::string &teamName,
                                   SummaryPeriod period, const LeagueOptions &options)
{
    TeamStatsTotals totals;
    totals.teamName = teamName;
    totals.skipped = forEachGameFile(paths, [&](const Game &game) {
        ++totals.gameCount;
        addTeamGame(totals, game, period, options);
    });
    finish(totals);
    return totals;
}

TeamStatsByPeriod teamStatsByPeriodOverFiles(const std::vector<std::string> &paths, const std::string &teamName,
                                             const LeagueOptions &options,
                                             const std::function<bool(std::size_t)> &progress)
{
    TeamStatsByPeriod result;
    for (TeamStatsTotals &totals : result.periods)
        totals.teamName = teamName;
    GameFileReading reading = readGameFiles(
        paths,
        [&](const Game &game) {
            for (int p = 0; p < kSummaryPeriodCount; ++p) {
                TeamStatsTotals &totals = result.periods[static_cast<std::size_t>(p)];
                ++totals.gameCount;
                addTeamGame(totals, game, static_cast<SummaryPeriod>(p), options);
            }
        },
        progress);
    for (TeamStatsTotals &totals : result.periods) {
        totals.skipped = static_cast<int>(reading.unreadable.size());
        finish(totals);
    }
    result.unreadable = std::move(reading.unreadable);
    result.cancelled = reading.cancelled;
    return result;
}

TeamStatsByPeriod teamStatsByPeriodOfOpenGame(const Game &game, const std::string &teamName,
                                              const LeagueOptions &options)
{
    TeamStatsByPeriod result;
    for (int p = 0; p < kSummaryPeriodCount; ++p)
        result.periods[static_cast<std::size_t>(p)] =
            teamStatsOfOpenGame(game, teamName, static_cast<SummaryPeriod>(p), options);
    return result;
}

TeamStatsTotals teamStatsOfOpenGame(const Game &game, const std::string &teamName, SummaryPeriod period,
                                    const LeagueOptions &options)
{
    TeamStatsTotals totals;
    totals.teamName = teamName;
    totals.gameCount = 1;
    totals.opponentsCaption = teamName == game.info.homeTeamName ? game.info.visitorTeamName : game.info.homeTeamName;
    addTeamGame(totals, game, period, options);
    finish(totals);
    return totals;
}

void writeTeamStats(std::ostream &out, const TeamStatsTotals &totals, bool html, bool appending,
                    const HtmlOptions &htmlOptions, const DateTime &now)
{
    if (!html) {
        out << kCsvHeader;
        writeSummaryCsvRow(out, totals.teamName, totals.team);
        writeSummaryCsvRow(out, totals.opponentsCaption, totals.opponents);
        return;
    }
    const FontTags fonts = makeFontTags(htmlOptions);
    beginStatsTable(out, "Team Statistics", appending, teamRecordHeading(totals), fonts);
    writeSummaryTitleRow(out, "Punt Returns/Yds/Avg", htmlOptions, fonts);
    const auto rowOpening = [](ColorValue color) { return "\n\t<tr bgcolor=" + colorText(color) + '>'; };
    writeSummaryRow(out, rowOpening(htmlOptions.htmlPrimaryRowColor), totals.teamName, totals.team, fonts);
    writeSummaryRow(out, rowOpening(htmlOptions.htmlAlternateRowColor), totals.opponentsCaption, totals.opponents,
                    fonts);
    writeFooter(out, now);
}

int writeTeamStatsForFiles(std::ostream &out, const std::vector<std::string> &paths, const std::string &teamName,
                           SummaryPeriod period, const LeagueOptions &options, bool html, bool appending,
                           const HtmlOptions &htmlOptions, const DateTime &now)
{
    const TeamStatsTotals totals = teamStatsOverFiles(paths, teamName, period, options);
    writeTeamStats(out, totals, html, appending, htmlOptions, now);
    return totals.skipped;
}

} // namespace yardmark

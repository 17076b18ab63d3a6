#include "gamesummary.h"

#include "reports/formattext.h"
#include "statsexport.h"

#include "reports/csv.h"
#include "reports/html.h"

#include <algorithm>
#include <ostream>

namespace yardmark {

namespace {

constexpr std::array<const char *, kGameSummaryValueCount + 1> kColumnTitles{
    "Team Name",
    "Points Scored",
    "First Downs",
    "By Rush/Pass/Penalty",
    "3rd Downs Made/Att/Eff",
    "4th Downs Made/Att/Eff",
    "Total Yards/Avg Per Play",
    "Total Yards Rushing",
    "Rushing Att/Avg",
    "Total Yards Passing",
    "Pass Att/Comp/Int",
    "Average Yards Per Pass",
    "Punts/Avg",
    "Punt Returns/Avg",
    "Punts Blocked",
    "Kickoff Returns/Yds/Avg",
    "Fumbles/Lost",
    "Total Turnovers",
    "Penalties/Yards",
    "Sacks/Yards",
    "Touchdowns",
    "TDs Rush/Pass",
    "Field Goal Att/Made",
    "TimeOfPossession",
};

constexpr std::size_t kPuntReturnsColumn = 13;

// The CSV header names two columns differently from the HTML table.
constexpr const char *kCsvHeader =
    "Team Name,Points Scored,First Downs,By Rush/Pass/Penalty,3rd Downs Made/Att/Eff,4th Downs Made/Att/Eff,"
    "Total Yards/Avg Per Play,Total Yards Rushing,Rushing Att/Avg,Total Yards Passing,Pass Att/Comp/Int,"
    "Average Yards Per Pass,Punts/Avg,Punt Returns/Avg,Punts Blocked,Kickoff Returns,Fumbles/Lost,Total Turnovers,"
    "Penalties/Yards,Sacks/Yards,Touchdowns,TDs Rush/Pass,Field Goal Att/Made,TimeOfPossession\n";

} // namespace

const char *summaryPeriodCaption(SummaryPeriod period)
{
    switch (period) {
    case SummaryPeriod::Game:
        return "&Game";
    case SummaryPeriod::FirstHalf:
        return "1st &Half";
    case SummaryPeriod::SecondHalf:
        return "2nd H&alf";
    case SummaryPeriod::FirstQuarter:
        return "&1st Qtr";
    case SummaryPeriod::SecondQuarter:
        return "&2nd Qtr";
    case SummaryPeriod::ThirdQuarter:
        return "&3rd Qtr";
    case SummaryPeriod::FourthQuarter:
        return "&4th Qtr";
    }
    return "&Game";
}

QuarterRange summaryPeriodRange(const Game &game, SummaryPeriod period)
{
    switch (period) {
    case SummaryPeriod::Game: {
        std::int32_t last = 3;
        for (const PlayRecord &play : game.plays)
            last = std::max(last, play.quarter);
        return {0, last};
    }
    case SummaryPeriod::FirstHalf:
        return {0, 1};
    case SummaryPeriod::SecondHalf:
        return {2, 3};
    case SummaryPeriod::FirstQuarter:
        return {0, 0};
    case SummaryPeriod::SecondQuarter:
        return {1, 1};
    case SummaryPeriod::ThirdQuarter:
        return {2, 2};
    case SummaryPeriod::FourthQuarter:
        return {3, 3};
    }
    return {0, 3};
}

std::array<std::string, kGameSummaryValueCount> gameSummaryValues(const GameTeamStats &s)
{
    // Floats are widened to double for printf, as every printf does.
    const auto f = [](float value) { return static_cast<double>(value); };
    return {
        formatText("%d", s.totalPoints),
        formatText("%d", s.firstDowns),
        formatText("%d/%d/%d", s.firstDownsRush, s.firstDownsPass, s.firstDownsPenalty),
        formatText("%d/%d/%-3.0f", s.thirdDownsMade, s.thirdDownsAttempted, f(s.thirdDownEfficiency)),
        formatText("%d/%d/%-3.0f", s.fourthDownsMade, s.fourthDownsAttempted, f(s.fourthDownEfficiency)),
        formatText("%d/%-3.1f", s.totalYards, f(s.yardsPerPlay)),
        formatText("%d", s.rushingYards),
        formatText("%d/%-3.1f", s.rushingAttempts, f(s.yardsPerRush)),
        formatText("%d", s.passingYards),
        formatText("%d/%d/%d", s.passAttempts, s.passCompletions, s.passesIntercepted),
        formatText("%-3.1f", f(s.yardsPerPass)),
        formatText("%d/%-3.1f", s.punts, f(s.yardsPerPunt)),
        formatText("%d/%d/%-3.0f", s.puntReturns, s.puntReturnYards, f(s.yardsPerPuntReturn)),
        formatText("%d", s.puntsBlocked),
        formatText("%d/%d/%-3.0f", s.kickoffReturns, s.kickoffReturnYards, f(s.yardsPerKickoffReturn)),
        formatText("%d/%d", s.fumbles, s.fumblesLost),
        formatText("%d", s.turnovers),
        formatText("%d/%d", s.penalties, s.penaltyYards),
        formatText("%d/%d", s.sacks, s.sackYards),
        formatText("%d", s.touchdowns),
        formatText("%d/%d", s.rushingTouchdowns, s.passingTouchdowns),
        formatText("%d/%d", s.fieldGoalsAttempted, s.fieldGoalsMade),
        s.possessionText,
    };
}

std::string gameSummaryValueText(const GameTeamStats &stats)
{
    std::string text;
    for (const std::string &value : gameSummaryValues(stats))
        text += value + '\n';
    return text;
}

void writeSummaryCsvRow(std::ostream &out, const std::string &team, const GameTeamStats &stats)
{
    out << csvField(team);
    for (const std::string &value : gameSummaryValues(stats))
        out << ',' << csvField(value);
    out << '\n';
}

void writeSummaryTitleRow(std::ostream &out, std::string_view puntReturnsTitle, const HtmlOptions &htmlOptions,
                          const FontTags &fonts)
{
    out << "\n\t<tr bgcolor=" << colorText(htmlOptions.htmlHeaderColor) << '>';
    for (std::size_t i = 0; i < kColumnTitles.size(); ++i) {
        const std::string_view title = i == kPuntReturnsColumn ? puntReturnsTitle : kColumnTitles[i];
        out << "\n\t\t<th align=center>" << fonts.header << title << fonts.end << "</th>";
    }
    out << "</th></tr>\n";
}

void writeSummaryRow(std::ostream &out, std::string_view rowOpening, const std::string &team,
                     const GameTeamStats &stats, const FontTags &fonts)
{
    out << rowOpening;
    const auto cell = [&](const std::string &text) { out << "\n\t\t" << centeredCell(text, fonts); };
    cell(htmlEscape(team));
    for (const std::string &value : gameSummaryValues(stats))
        cell(value);
    out << "</td></tr>\n";
}

void writeGameSummary(std::ostream &out, const Game &game, const GameTeamStats &home, const GameTeamStats &visitor,
                      bool html, bool appending, const HtmlOptions &htmlOptions, const DateTime &now)
{
    if (!html) {
        out << kCsvHeader;
        writeSummaryCsvRow(out, game.info.homeTeamName, home);
        writeSummaryCsvRow(out, game.info.visitorTeamName, visitor);
        return;
    }
    const FontTags fonts = makeFontTags(htmlOptions);
    beginStatsTable(out, "Game Summary", appending);
    writeSummaryTitleRow(out, kColumnTitles[kPuntReturnsColumn], htmlOptions, fonts);
    writeSummaryRow(out, "\n\t<tr>", game.info.homeTeamName, home, fonts);
    writeSummaryRow(out, "\n\t<tr>", game.info.visitorTeamName, visitor, fonts);
    writeFooter(out, now);
}

} // namespace yardmark

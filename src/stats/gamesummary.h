#pragma once

#include "gameteamstats.h"

#include "base/datetime.h"
#include "records/game.h"
#include "records/settings.h"
#include "reports/html.h"

#include <array>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>

namespace yardmark {

/// The periods the game summary offers, in the order of its radio buttons.
enum class SummaryPeriod { Game, FirstHalf, SecondHalf, FirstQuarter, SecondQuarter, ThirdQuarter, FourthQuarter };
inline constexpr int kSummaryPeriodCount = 7;

/// The caption of a period's radio button ("&Game", "1st &Half", ...).
const char *summaryPeriodCaption(SummaryPeriod period);

/// An inclusive range of 0-based periods.
struct QuarterRange {
    std::int32_t first = 0;
    std::int32_t last = 3;

    bool operator==(const QuarterRange &) const = default;
};

/// The periods a choice covers. The whole game reaches the last overtime
/// period played.
QuarterRange summaryPeriodRange(const Game &game, SummaryPeriod period);

/// The label column of the game summary window.
inline constexpr const char *kGameSummaryLabels =
    "Total Points\nFirst Downs\nBy Rush/Pass/Penalty\n3rd Downs Made/Att/Eff\n4th Downs Made/Att/Eff\n"
    "Total Yards/Avg Per Play\nTotal Yards Rushing\nRushing Att/Avg\nTotal Yards Passing\nPass Att/Comp/Int\n"
    "Average Yards Per Pass\nPunts/Avg\nPunt Returns/Yds/Avg\nPunts Blocked\nKickoff Returns/Yds/Avg\nFumbles/Lost\n"
    "Total Turnovers\nPenalties/Yards\nSacks/Yards\nTouchdowns\nTDs Rush/Pass\nField Goal Att/Made\n"
    "Time Of Possession\n";

/// The 23 values the summary shows for a team, each as its own text, in label order.
inline constexpr int kGameSummaryValueCount = 23;
std::array<std::string, kGameSummaryValueCount> gameSummaryValues(const GameTeamStats &stats);

/// One value column of the window: the values, each followed by a line feed.
std::string gameSummaryValueText(const GameTeamStats &stats);

/// A team's comma-separated line: its name and the 23 values.
void writeSummaryCsvRow(std::ostream &out, const std::string &team, const GameTeamStats &stats);

/// The HTML title row of a table of team statistics; the game summary and the
/// statistics across games differ only in the title of the punt returns.
void writeSummaryTitleRow(std::ostream &out, std::string_view puntReturnsTitle, const HtmlOptions &htmlOptions,
                          const FontTags &fonts);

/// A team's HTML data row, opened by `rowOpening` ("\n\t<tr>" or one with a colour).
void writeSummaryRow(std::ostream &out, std::string_view rowOpening, const std::string &team,
                     const GameTeamStats &stats, const FontTags &fonts);

/// Writes both teams' statistics, the home team first, as comma-separated text
/// or as an HTML table. The CSV header is written also when appending; the
/// HTML page head only when not appending.
void writeGameSummary(std::ostream &out, const Game &game, const GameTeamStats &home, const GameTeamStats &visitor,
                      bool html, bool appending, const HtmlOptions &htmlOptions, const DateTime &now);

} // namespace yardmark

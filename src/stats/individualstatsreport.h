#pragma once

#include "individualstats.h"

#include "base/datetime.h"
#include "records/settings.h"

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

namespace yardmark {

/// One value of a player line: a count, or a single-precision average.
struct StatValue {
    bool isAverage = false;
    std::int32_t count = 0;
    float average = 0.0F;

    bool operator==(const StatValue &) const = default;
};

/// One line of a category as the window, the exports and the printout show
/// it: the values in column order.
struct StatRow {
    std::string name;
    std::int32_t number = -1;
    bool teamTotals = false;
    std::vector<StatValue> values;
};

/// The rows of a category (0 passer .. 6 defender) in list order.
std::vector<StatRow> statRows(const Stat &stat, int category);

/// A column of the statistics window's list: its title, its width in pixels,
/// the conversion of its values, and for the columns the printout and the
/// exports title with an abbreviation, what that abbreviation stands for.
struct StatColumn {
    const char *title;
    int width;
    const char *format;
    const char *tip;
};

/// The window's list always has this many columns; the unused ones are empty and 0 wide.
inline constexpr int kShowStatsColumnCount = 20;

/// The window's columns for a category: "No" and "Name", the category's own,
/// then empty ones up to `kShowStatsColumnCount`.
std::vector<StatColumn> showStatsColumns(int category);

/// Orders a category's rows by a column of the window: the number and the
/// values as numbers, the name as text, rows that tie keeping their order;
/// the TEAM TOTALS row stays last either way.
void sortStatRows(std::vector<StatRow> &rows, int column, bool descending);

/// A player's number as the lists show it: "%2d", or "00" when he has none.
std::string statNumberText(std::int32_t number);

/// The texts of a row in the window: the number (empty for TEAM TOTALS), the
/// name and the values, counts in decimal.
std::vector<std::string> showStatsRowTexts(const StatRow &row, int category);

/// The entries of the "Stat Type:" list: the team name, and unless "All Teams"
/// was chosen, "Opponents" and "Combined". An entry's index is its `StatView`.
std::vector<std::string> statTypeChoices(const Stat &chosen);

/// The title of an HTML export: "Individual Stats for %s", "... %s Opponents",
/// "... %s and Opponents", or "Individual Stats for All Teams".
std::string individualStatsTitle(const Stat &chosen, StatView view);

/// Writes every category of `shown` as comma-separated text (a header line per
/// category, no line feed after the last row) or as one HTML table. The page
/// head is written only when not appending.
void writeIndividualStats(std::ostream &out, const Stat &shown, StatView view, bool html, bool appending,
                          const HtmlOptions &htmlOptions, const DateTime &now);

/// The whole export over game files: the chosen team ("All Teams" in any case
/// for every side), the view, and the format. Files are read one at a time;
/// returns how many could not be loaded.
int writeIndividualStatsForFiles(std::ostream &out, const std::vector<std::string> &paths, const std::string &teamName,
                                 StatView view, const LeagueOptions &options, bool html, bool appending,
                                 const HtmlOptions &htmlOptions, const DateTime &now);

} // namespace yardmark

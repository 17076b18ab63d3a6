#include "individualstatsreport.h"

#include "gameresult.h"
#include "reports/formattext.h"
#include "statsexport.h"

#include "reports/csv.h"
#include "reports/html.h"
#include "vocabulary/vocabulary.h"

#include <algorithm>
#include <array>
#include <ostream>
#include <span>

namespace yardmark {

namespace {

/// One value column: the window's title, width and conversion, and the
/// export's title and conversion.
struct ColumnSpec {
    const char *windowTitle;
    int width;
    const char *windowFormat;
    const char *exportTitle;
    const char *exportConversion;
    const char *tip = nullptr; ///< what the window's tool tip tells of a short title
};

struct CategorySpec {
    const char *nameTitle; ///< the export's title of the name column
    std::span<const ColumnSpec> columns;
};

constexpr const char *kCount = "%d";

constexpr ColumnSpec kPasserColumns[] = {
    {"Attempts", 67, kCount, "Att", "%3d"},
    {"Completions", 90, kCount, "Com", "%3d"},
    {"Completion %", 90, "%3.0f", "Com%", "%3.0f"},
    {"Interceptions", 90, kCount, "Int", "%2d"},
    {"Yards", 57, kCount, "Yds", "%4d"},
    {"Longest Pass", 90, kCount, "Lng", "%2d"},
    {"TDs", 40, kCount, "TDs", "%3d"},
    {"Average", 67, "%3.0f", "YPP", "%2.1f"},
};
constexpr ColumnSpec kRusherColumns[] = {
    {"Attempts", 67, kCount, "Att", "%3d"},   {"Yards", 57, kCount, "Yds", "%4d"},
    {"Lost", 45, kCount, "Lost", "%3d"},      {"Net", 40, kCount, "Net", "%4d"},
    {"Longest", 60, kCount, "Long", "%3d"},   {"TDs", 40, kCount, "TDs", "%2d"},
    {"Average", 60, "%2.1f", "Avg", "%2.1f"},
};
constexpr ColumnSpec kReceiverColumns[] = {
    {"Receptions", 70, kCount, "Rec", "%3d"}, {"Yards", 57, kCount, "Yds", "%4d"},
    {"Longest", 67, kCount, "Long", "%3d"},   {"TDs", 40, kCount, "TDs", "%2d"},
    {"Average", 60, "%2.1f", "Avg", "%2.1f"},
};
constexpr ColumnSpec kPunterColumns[] = {
    {"Punts", 57, kCount, "Punts", "%3d"},  {"Yards", 57, kCount, "Yds", "%4d"},
    {"Longest", 67, kCount, "Long", "%2d"}, {"Average", 60, "%2.1f", "Avg", "%2.1f"},
    {"TBs", 40, kCount, "TBs", "%2d"},      {"Inside 20", 67, kCount, "20", "%2d"},
    {"Blocked", 65, kCount, "Blkd", "%2d"},
};
constexpr ColumnSpec kKickerColumns[] = {
    {"FG Attempts", 80, kCount, "FG Att", "%3d"}, {"FG Good", 65, kCount, "Gd", "%2d"},
    {"Longest FG", 80, kCount, "Long", "%2d"},    {"Blocked FG", 80, kCount, "Blkd", "%2d"},
    {"FG %", 50, "%3.0f", "FG%", "%3.0f"},        {"EP Attempts", 80, kCount, "EPAtt", "%3d"},
    {"EP Good", 65, kCount, "Gd", "%3d"},         {"Blocked EP", 80, kCount, "Blkd", "%3d"},
    {"EP %", 50, "%2.1f", "EP%", "%3.0f"},
};
constexpr ColumnSpec kReturnerColumns[] = {
    {"Punt Returns", 80, kCount, "P Rets", "%2d"},       {"Punt Return Yards", 90, kCount, "Yds", "%4d"},
    {"Longest Punt Return", 90, kCount, "Long", "%2d"},  {"Avg Punt Return", 80, "%3.0f", "Avg", "%3.0f"},
    {"Punt Returns for TD", 90, kCount, "TDs", "%2d"},   {"Kickoff Returns", 80, kCount, "K Rets", "%2d"},
    {"Kickoff Return Yards", 90, kCount, "Yds", "%4d"},  {"Longest Kickoff Return", 90, kCount, "Long", "%2d"},
    {"Avg Kickoff Return", 90, "%3.0f", "Avg", "%3.0f"}, {"Kickoff Returns for TD", 90, kCount, "TDs", "%2d"},
};
constexpr ColumnSpec kDefenderColumns[] = {
    {"Tackles", 70, kCount, "Ta", "%2d"},
    {"Tackles/Game", 90, "%2.0f", "TPG", "%2.0f", "TPG: tackles per game, over the chosen games the team played"},
    {"Assists", 70, kCount, "As", "%2d"},
    {"Sacks", 70, kCount, "Sa", "%2d"},
    {"Sacks/Game", 90, "%2.0f", "SPG", "%2.0f", "SPG: sacks per game, over the chosen games the team played"},
    {"Interceptions", 95, kCount, "Int", "%2d"},
    {"Interceptions for TD", 105, kCount, "ITD", "%2d", "ITD: interceptions returned for a touchdown"},
    {"Fumble Recoveries", 95, kCount, "FR", "%2d"},
    {"Blocked Punts", 95, kCount, "BP", "%2d", "BP: punts blocked (no play records who blocked one)"},
    {"Blocked FG", 90, kCount, "BFG", "%2d", "BFG: field goals blocked (no play records who blocked one)"},
};

constexpr std::array<CategorySpec, kStatCategoryCount> kCategories{{
    {"Passer", kPasserColumns},
    {"Rusher", kRusherColumns},
    {"Receiver", kReceiverColumns},
    {"Punter", kPunterColumns},
    {"FG Kicker", kKickerColumns},
    {"Returner", kReturnerColumns},
    {"Defender", kDefenderColumns},
}};

/// Every HTML row spans this many columns; a short category's last cell spans the rest.
constexpr int kHtmlColumns = 12;

StatValue count(std::int32_t value)
{
    return {false, value, 0.0F};
}

StatValue average(float value)
{
    return {true, 0, value};
}

std::vector<StatValue> valuesOf(const PasserLine &l)
{
    return {count(l.attempts), count(l.completions), average(l.completionPercent), count(l.interceptions),
            count(l.yards),    count(l.longest),     count(l.touchdowns),          average(l.average)};
}

std::vector<StatValue> valuesOf(const RusherLine &l)
{
    return {count(l.attempts), count(l.yards),      count(l.lost),     count(l.net),
            count(l.longest),  count(l.touchdowns), average(l.average)};
}

std::vector<StatValue> valuesOf(const ReceiverLine &l)
{
    return {count(l.receptions), count(l.yards), count(l.longest), count(l.touchdowns), average(l.average)};
}

std::vector<StatValue> valuesOf(const PunterLine &l)
{
    return {count(l.punts),      count(l.yards),    count(l.longest), average(l.average),
            count(l.touchbacks), count(l.inside20), count(l.blocked)};
}

std::vector<StatValue> valuesOf(const KickerLine &l)
{
    return {count(l.fieldGoalAttempts), count(l.fieldGoalsGood),     count(l.longestFieldGoal),
            count(l.fieldGoalsBlocked), average(l.fieldGoalPercent), count(l.extraPointAttempts),
            count(l.extraPointsGood),   count(l.extraPointsBlocked), average(l.extraPointPercent)};
}

std::vector<StatValue> valuesOf(const ReturnerLine &l)
{
    return {count(l.puntReturns),
            count(l.puntReturnYards),
            count(l.longestPuntReturn),
            average(l.puntReturnAverage),
            count(l.puntReturnTouchdowns),
            count(l.kickoffReturns),
            count(l.kickoffReturnYards),
            count(l.longestKickoffReturn),
            average(l.kickoffReturnAverage),
            count(l.kickoffReturnTouchdowns)};
}

std::vector<StatValue> valuesOf(const DefenderLine &l)
{
    return {count(l.tackles),
            average(l.tacklesPerGame),
            count(l.assists),
            count(l.sacks),
            average(l.sacksPerGame),
            count(l.interceptions),
            count(l.interceptionTouchdowns),
            count(l.fumbleRecoveries),
            count(l.blockedPunts),
            count(l.blockedFieldGoals)};
}

template <typename Line> std::vector<StatRow> rowsOf(const StatList<Line> &list)
{
    std::vector<StatRow> rows;
    rows.reserve(list.size());
    for (const Line &line : list.lines())
        rows.push_back({line.name, line.number, line.teamTotals, valuesOf(line)});
    return rows;
}

std::string formatValue(const StatValue &value, const char *conversion)
{
    // Floats go to printf widened to double, as every printf call does.
    return value.isAverage ? formatText(conversion, static_cast<double>(value.average))
                           : formatText(conversion, value.count);
}

bool validCategory(int category)
{
    return category >= 0 && category < kStatCategoryCount;
}

/// The colspan of a category's last cell, or 0 when its cells fill the row.
int lastColspan(const CategorySpec &spec)
{
    const int cells = 2 + static_cast<int>(spec.columns.size());
    return cells < kHtmlColumns ? kHtmlColumns - cells + 1 : 0;
}

void writeCsvCategory(std::ostream &out, int category, const std::vector<StatRow> &rows)
{
    const CategorySpec &spec = kCategories[static_cast<std::size_t>(category)];
    out << (category == 0 ? "" : "\n\n") << "No," << spec.nameTitle;
    for (const ColumnSpec &column : spec.columns)
        out << ',' << column.exportTitle;
    for (const StatRow &row : rows) {
        const std::string number = row.teamTotals ? std::string() : statNumberText(row.number);
        out << '\n' << formatText("%2s", number.c_str()) << ',' << csvField(formatText("%-25s", row.name.c_str()));
        for (std::size_t i = 0; i < spec.columns.size(); ++i)
            out << ',' << formatValue(row.values[i], spec.columns[i].exportConversion);
    }
}

void writeHtmlCategory(std::ostream &out, int category, const std::vector<StatRow> &rows, const HtmlOptions &options,
                       const FontTags &fonts)
{
    const CategorySpec &spec = kCategories[static_cast<std::size_t>(category)];
    const int colspan = lastColspan(spec);
    const std::string header = colorText(options.htmlHeaderColor);

    out << "\n\t<tr bgcolor=" << header << '>';
    const auto titleCell = [&](const char *title, bool last) {
        out << "\n\t\t<td align=center";
        if (last && colspan > 0)
            out << " colspan=" << colspan;
        out << "><b>" << fonts.header << title << fonts.end << "</b></td>";
    };
    titleCell("No", false);
    titleCell(spec.nameTitle, false);
    for (std::size_t i = 0; i < spec.columns.size(); ++i)
        titleCell(spec.columns[i].exportTitle, i + 1 == spec.columns.size());
    out << "\n\t\t</tr>\n";

    for (std::size_t r = 0; r < rows.size(); ++r) {
        const StatRow &row = rows[r];
        const std::string &font = row.teamTotals ? fonts.header : fonts.body;
        const ColorValue color = row.teamTotals ? options.htmlHeaderColor
                                 : r % 2 == 0   ? options.htmlPrimaryRowColor
                                                : options.htmlAlternateRowColor;
        const std::string number = row.teamTotals ? std::string("&nbsp;") : statNumberText(row.number);
        out << "\n\t<tr bgcolor=" << colorText(color) << '>';
        out << "\n\t\t<td align=center>" << font << formatText("%2s", number.c_str()) << fonts.end << "</td>";
        out << "\n\t\t<td align=left>" << font << "&nbsp;" << formatText("%-25s", htmlEscape(row.name).c_str())
            << fonts.end << "</td>";
        for (std::size_t i = 0; i < spec.columns.size(); ++i) {
            const std::string value = formatValue(row.values[i], spec.columns[i].exportConversion);
            if (i + 1 == spec.columns.size() && colspan > 0)
                out << "<td align=left colspan=" << colspan << ">&nbsp;&nbsp;";
            else
                out << "\n\t\t<td align=center>";
            out << font << value << fonts.end << "</td>";
        }
        out << "\n\t\t</tr>\n";
    }
}

} // namespace

std::vector<StatRow> statRows(const Stat &stat, int category)
{
    switch (category) {
    case 0:
        return rowsOf(stat.passers);
    case 1:
        return rowsOf(stat.rushers);
    case 2:
        return rowsOf(stat.receivers);
    case 3:
        return rowsOf(stat.punters);
    case 4:
        return rowsOf(stat.kickers);
    case 5:
        return rowsOf(stat.returners);
    case 6:
        return rowsOf(stat.defenders);
    default:
        return {};
    }
}

std::vector<StatColumn> showStatsColumns(int category)
{
    std::vector<StatColumn> columns{{"No", 30, "%s", nullptr}, {"Name", 130, "%s", nullptr}};
    if (validCategory(category)) {
        for (const ColumnSpec &column : kCategories[static_cast<std::size_t>(category)].columns)
            columns.push_back({column.windowTitle, column.width, column.windowFormat, column.tip});
    }
    columns.resize(kShowStatsColumnCount, StatColumn{"", 0, "%s", nullptr});
    return columns;
}

void sortStatRows(std::vector<StatRow> &rows, int column, bool descending)
{
    const auto key = [column](const StatRow &row) -> double {
        if (column == 0)
            return row.number;
        const auto value = static_cast<std::size_t>(column - 2);
        if (column < 2 || value >= row.values.size())
            return 0.0;
        const StatValue &v = row.values[value];
        return v.isAverage ? static_cast<double>(v.average) : static_cast<double>(v.count);
    };
    std::stable_sort(rows.begin(), rows.end(), [&](const StatRow &a, const StatRow &b) {
        // The totals close the list whichever way it is sorted.
        if (a.teamTotals != b.teamTotals)
            return b.teamTotals;
        if (column == 1)
            return descending ? b.name < a.name : a.name < b.name;
        return descending ? key(b) < key(a) : key(a) < key(b);
    });
}

std::string statNumberText(std::int32_t number)
{
    return number < 0 ? std::string("00") : formatText("%2d", number);
}

std::vector<std::string> showStatsRowTexts(const StatRow &row, int category)
{
    std::vector<std::string> texts{row.teamTotals ? std::string() : statNumberText(row.number), row.name};
    if (!validCategory(category))
        return texts;
    const std::span<const ColumnSpec> columns = kCategories[static_cast<std::size_t>(category)].columns;
    for (std::size_t i = 0; i < columns.size() && i < row.values.size(); ++i)
        texts.push_back(formatValue(row.values[i], columns[i].windowFormat));
    return texts;
}

std::vector<std::string> statTypeChoices(const Stat &chosen)
{
    if (chosen.allTeams)
        return {chosen.teamName};
    return {chosen.teamName, "Opponents", "Combined"};
}

std::string individualStatsTitle(const Stat &chosen, StatView view)
{
    if (chosen.allTeams)
        return "Individual Stats for All Teams";
    switch (view) {
    case StatView::Opponents:
        return "Individual Stats for " + chosen.teamName + " Opponents";
    case StatView::Combined:
        return "Individual Stats for " + chosen.teamName + " and Opponents";
    case StatView::Team:
        break;
    }
    return "Individual Stats for " + chosen.teamName;
}

void writeIndividualStats(std::ostream &out, const Stat &shown, StatView view, bool html, bool appending,
                          const HtmlOptions &htmlOptions, const DateTime &now)
{
    if (!html) {
        for (int category = 0; category < kStatCategoryCount; ++category)
            writeCsvCategory(out, category, statRows(shown, category));
        return;
    }
    const FontTags fonts = makeFontTags(htmlOptions);
    beginStatsTable(out, "Individual Statistics", appending, gamesText(shown.gameCount), fonts);
    out << "\n\t<tr bgcolor=" << colorText(htmlOptions.htmlHeaderColor)
        << ">\n\t\t<th align=center colspan=" << kHtmlColumns << '>' << fonts.header
        << htmlEscape(individualStatsTitle(shown, view)) << fonts.end << "</th></tr>";
    for (int category = 0; category < kStatCategoryCount; ++category)
        writeHtmlCategory(out, category, statRows(shown, category), htmlOptions, fonts);
    writeFooter(out, now);
}

int writeIndividualStatsForFiles(std::ostream &out, const std::vector<std::string> &paths, const std::string &teamName,
                                 StatView view, const LeagueOptions &options, bool html, bool appending,
                                 const HtmlOptions &htmlOptions, const DateTime &now)
{
    Stat chosen;
    chosen.teamName = teamName;
    chosen.allTeams = isAllTeams(teamName);
    chosen.gamePaths = paths;
    const StatViews views = individualStatViews(chosen, options);
    writeIndividualStats(out, views.view(view), view, html, appending, htmlOptions, now);
    return views.skipped;
}

} // namespace yardmark

#include "individualstatsprintout.h"

#include "reports/formattext.h"

#include <algorithm>

namespace yardmark {

namespace {

struct SectionFormat {
    const char *title;
    std::array<const char *, 2> groups; ///< the group header lines, or none
    const char *columns;
    const char *row;
    std::size_t ruleLength;
};

// Printed in category order: passer, rusher, receiver, punter, kicker, returner, defender.
constexpr std::array<SectionFormat, 7> kSections{{
    {"* Passer Stats *",
     {nullptr, nullptr},
     "No      Name                 Att Com Com% Int Yards Long TDs Avg ",
     "%2s %-25s %3d %3d %3.0f  %2d  %4d   %2d  %3d %2.1f",
     65},
    {"* Rusher Stats *",
     {nullptr, nullptr},
     "No      Name                 Att  Yds  Lost Net Long Tds Avg ",
     "%2s %-25s %3d %4d  %3d %4d %3d  %2d  %2.1f",
     61},
    {"* Receiver Stats *",
     {nullptr, nullptr},
     "No      Name                 Rec  Yards Long TDs Avg",
     "%2s %-25s %3d  %4d  %3d  %2d  %2.1f",
     54},
    {"* Punter Stats *",
     {nullptr, nullptr},
     "No      Name                 Punts Yards Long  Avg TBs 20 Blkd",
     "%2s %-25s %3d   %4d   %2d  %2.1f %2d  %2d  %2d ",
     63},
    {"* Field Goal / Extra Point Stats *",
     {"                                 Field Goals       Extra Points",
      "                             |------------------| |-------------|"},
     "No      Name                 Att Gd Long Blkd FG% Att Gd Blkd EP%",
     "%2s %-25s %3d %2d  %2d   %2d %3.0f %3d %3d %3d  %3.0f",
     66},
    {"* Punt / Kickoff Returns *",
     {"                                Punt Returns     Kickoff Returns",
      "                             |-----------------||----------------|"},
     "No      Name                 Ret Yds Ln Avg TDs Ret Yds Ln Avg TDs",
     "%2s %-25s %2d %4d %2d %3.0f %2d  %2d %4d %2d %3.0f %2d",
     66},
    {"* Defender Stats *",
     {nullptr, nullptr},
     "No      Name                 Ta TPG As Sa SPG Int ITD FR BP BFG",
     "%2s %-25s %2d  %2.0f %2d %2d  %2.0f %2d  %2d  %2d %2d %2d",
     64},
}};

/// The width a conversion asks for ("%-25s" 25, "%3d" 3).
std::size_t conversionWidth(const std::string &conversion)
{
    std::size_t width = 0;
    for (std::size_t i = 1; i < conversion.size() && conversion[i] != '.'; ++i) {
        if (conversion[i] >= '0' && conversion[i] <= '9')
            width = width * 10 + static_cast<std::size_t>(conversion[i] - '0');
    }
    return width;
}

/// The widths of a row's values as printed, in value order.
using ValueWidths = std::vector<std::size_t>;

/// Fills a row format: its two text conversions take the number and the name,
/// each later conversion the next value, a count for "d" and an average for "f".
/// A value wider than its column (a season's TEAM TOTALS) takes room from the
/// blanks before it, so that it still ends where the column ends and the
/// columns after it stay in line. A count's column is as wide as its
/// conversion; an average's as the widest the players' rows print
/// (`averageWidths`, none: as wide as it prints). `printed` receives the
/// widths of the values.
std::string fillRow(const char *format, const std::string &number, const std::string &name,
                    const std::vector<StatValue> &values, const ValueWidths &averageWidths, ValueWidths *printed)
{
    std::string text;
    std::size_t texts = 0;
    std::size_t next = 0;
    std::size_t ahead = 0; ///< characters the row runs past the ends of the columns
    for (const char *p = format; *p != '\0';) {
        if (*p != '%') {
            text += *p++;
            continue;
        }
        const char *end = p + 1;
        while (*end != '\0' && *end != 's' && *end != 'd' && *end != 'f')
            ++end;
        if (*end == '\0')
            break;
        const std::string conversion(p, end + 1);
        p = end + 1;
        if (*end == 's') {
            text += formatText(conversion.c_str(), (texts++ == 0 ? number : name).c_str());
            continue;
        }
        const std::size_t index = next++;
        const StatValue value = index < values.size() ? values[index] : StatValue{};
        const bool count = *end == 'd';
        const std::string shown = count ? formatText(conversion.c_str(), static_cast<int>(value.count))
                                        : formatText(conversion.c_str(), static_cast<double>(value.average));
        const std::size_t column = count                          ? conversionWidth(conversion)
                                   : index < averageWidths.size() ? averageWidths[index]
                                                                  : shown.size();
        ahead += shown.size() - std::min(shown.size(), column);
        // Keep one blank between two columns.
        while (ahead > 0 && text.size() >= 2 && text.back() == ' ' && text[text.size() - 2] == ' ') {
            text.pop_back();
            --ahead;
        }
        text += shown;
        if (printed != nullptr) {
            printed->resize(std::max(printed->size(), index + 1));
            (*printed)[index] = std::max((*printed)[index], shown.size());
        }
    }
    return text;
}

std::string printRow(int category, const StatRow &row, const ValueWidths &averageWidths, ValueWidths *printed)
{
    const std::string number = row.teamTotals ? std::string() : statNumberText(row.number);
    return fillRow(kSections[static_cast<std::size_t>(category)].row, number, row.name, row.values, averageWidths,
                   printed);
}

std::string starLine(std::size_t length)
{
    return std::string(length, '*');
}

} // namespace

std::string statPrintRow(int category, const StatRow &row)
{
    return printRow(category, row, {}, nullptr);
}

IndividualStatsPrintout::IndividualStatsPrintout(std::string title, const Stat &stat, int category,
                                                 std::string coverage)
    : Printout(std::move(title)), m_coverage(std::move(coverage))
{
    for (int c = 0; c < static_cast<int>(kSections.size()); ++c) {
        if (category != kAllStatCategories && category != c)
            continue;
        Section section{c, {}, false};
        const std::vector<StatRow> rows = statRows(stat, c);
        // The players' rows first: the totals line up with the columns they print.
        ValueWidths playerWidths;
        for (const StatRow &row : rows) {
            if (!row.teamTotals)
                section.rows.push_back(printRow(c, row, {}, &playerWidths));
        }
        for (const StatRow &row : rows) {
            if (row.teamTotals)
                section.rows.push_back(printRow(c, row, playerWidths, nullptr));
        }
        section.totals = rows.size() > 1 && rows.back().teamTotals;
        m_sections.push_back(std::move(section));
    }
}

void IndividualStatsPrintout::rewind()
{
    m_section = 0;
    m_nextRow = 0;
    m_started = false;
}

bool IndividualStatsPrintout::drawPage(PageSurface &surface, int page)
{
    const int headerBottom = drawPageHeader(surface, page, title());
    surface.setFont(fixedBodyFont(surface));
    const int line = surface.lineHeight();
    const int left = margin(surface);
    const int limit = surface.pageHeight() - 5 * line;
    int y = headerBottom + 2 * line;
    auto text = [&](const std::string &t) {
        surface.drawText(left, y, t);
        y += line;
    };
    if (page == 1 && !m_coverage.empty()) {
        text(m_coverage);
        y += line;
    }
    // Whether this page holds anything of a section yet: only a page that
    // does may send a section on to the next one.
    bool pageUsed = false;

    while (m_section < m_sections.size() && y < limit) {
        const Section &section = m_sections[m_section];
        const SectionFormat &format = kSections[static_cast<std::size_t>(section.category)];
        const std::string rule(format.ruleLength, '_');
        int groupLines = 0;
        for (const char *group : format.groups)
            groupLines += group != nullptr ? 1 : 0;
        // The group lines, the column titles, the rule and the gap below it.
        const int headingsHeight = (groupLines + 4) * line;
        const auto headings = [&] {
            for (const char *group : format.groups) {
                if (group != nullptr)
                    text(group);
            }
            text(format.columns);
            surface.drawText(left, y, rule);
            y += 3 * line;
        };
        if (!m_started) {
            // A section's box and column titles never end a page without a row under them.
            const int boxHeight = 6 * line;
            if (pageUsed && y + boxHeight + headingsHeight >= limit)
                break;
            m_started = true;
            text(" ");
            const std::string stars = starLine(std::string(format.title).size());
            text(stars);
            text(format.title);
            text(stars);
            y += 2 * line;
            headings();
        } else if (!pageUsed) {
            // A section running on from the page before repeats its column titles.
            headings();
        }
        pageUsed = true;
        while (m_nextRow < section.rows.size() && y < limit) {
            if (section.totals && m_nextRow + 1 == section.rows.size())
                text(rule);
            text(section.rows[m_nextRow]);
            ++m_nextRow;
            if (section.rows.size() == 1)
                text(rule);
        }
        if (m_nextRow < section.rows.size())
            break;
        ++m_section;
        m_nextRow = 0;
        m_started = false;
    }
    return m_section < m_sections.size();
}

} // namespace yardmark

#include "statsexport.h"

#include "reports/formattext.h"

#include "reports/csv.h"

#include <ostream>

namespace yardmark {

void beginStatsTable(std::ostream &out, std::string_view titleWord, bool appending, std::string_view line,
                     const FontTags &fonts)
{
    if (!appending)
        writePageHead(out, titleWord);
    if (!line.empty())
        out << "\n<p>" << fonts.body << htmlEscape(line) << fonts.end << "</p>";
    out << "\n<TABLE CELLPADDING=0 CELLSPACING=0 BORDER=1>\n";
}

void writeBoldTitleRow(std::ostream &out, std::initializer_list<const char *> titles, const HtmlOptions &options,
                       const FontTags &fonts)
{
    out << "\n\t<tr bgcolor=" << colorText(options.htmlHeaderColor) << '>';
    for (const char *title : titles)
        out << "\n\t\t<td align=center><b>" << fonts.header << title << fonts.end << "</b></td>";
    out << "</tr>\n";
}

std::string centeredCell(const std::string &text, const FontTags &fonts)
{
    return "<td align=center>" + fonts.body + text + fonts.end + "</td>";
}

ColorValue teamRowColor(const Game &game, const std::string &team, const HtmlOptions &options)
{
    return team == game.info.homeTeamName ? options.htmlPrimaryRowColor : options.htmlAlternateRowColor;
}

std::string playsAndYardsFields(const std::string &team, std::int32_t plays, std::int32_t yards)
{
    return csvField(formatText("%s: %d Plays", team.c_str(), plays)) + formatText(",%d Yards", yards);
}

} // namespace yardmark

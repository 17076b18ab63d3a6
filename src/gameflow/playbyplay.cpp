#include "playbyplay.h"

#include "reports/html.h"

#include <ostream>

namespace yardmark {

std::string playByPlayTitle(const GameInfo &info)
{
    return "Play By Play, " + info.homeTeamName + " vs " + info.visitorTeamName + ", " +
           std::to_string(info.gameMonth) + "/" + std::to_string(info.gameDay) + "/" + std::to_string(info.gameYear);
}

void writePlayByPlay(std::ostream &out, const GameInfo &info, const std::vector<std::string> &lines, bool html,
                     bool appending, const HtmlOptions &options, const DateTime &now)
{
    const std::string title = playByPlayTitle(info);
    if (!html) {
        out << title << '\n';
        for (const std::string &line : lines)
            out << line << '\n';
        return;
    }
    const FontTags fonts = makeFontTags(options);
    if (!appending)
        writePageHead(out, title);
    out << "\n<TABLE CELLPADDING=0 CELLSPACING=0 BORDER=1>\n";
    out << "\n\t<tr bgcolor=" << colorText(options.htmlHeaderColor) << ">\n\t\t<th align=center>" << fonts.header
        << htmlEscape(title) << fonts.end << "</th></tr>\n";
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const ColorValue row = i % 2 == 0 ? options.htmlPrimaryRowColor : options.htmlAlternateRowColor;
        out << "\n\t<tr bgcolor=" << colorText(row) << ">\n\t\t<td align=left>" << fonts.body << htmlEscape(lines[i])
            << fonts.end << "</td></tr>\n";
    }
    writeFooter(out, now);
}

} // namespace yardmark

#include "htmltable.h"

#include <ostream>

namespace yardmark {

void writeHeaderRow(std::ostream &out, const std::vector<HeaderTitle> &titles, const HtmlOptions &options,
                    const FontTags &fonts)
{
    out << "\n\t<tr bgcolor=" << colorText(options.htmlHeaderColor) << ">";
    for (const HeaderTitle &title : titles) {
        std::string padding;
        for (int i = 0; i < title.padding; ++i)
            padding += "&nbsp;";
        out << "\n\t\t<th align=center>" << fonts.header << padding << title.text << padding << fonts.end << "</th>";
    }
    out << "</tr>\n";
}

ColorValue rowColor(const HtmlOptions &options, int position)
{
    return position % 2 == 0 ? options.htmlPrimaryRowColor : options.htmlAlternateRowColor;
}

} // namespace yardmark

#include "addresslistexport.h"

#include "htmltable.h"
#include "personalinfoform.h"

#include "reports/csv.h"
#include "reports/html.h"

#include <ostream>

namespace yardmark {
namespace {

constexpr int kEmailColumn = 7;

void writeCsv(std::ostream &out, const Team &team)
{
    out << "Name,Phone,Birthday,Address,City,State,Zip,e-mail,Note";
    for (int i = 0; i < team.playerCount(); ++i) {
        const AddressRow row = addressRow(team, i);
        out << '\n';
        for (std::size_t column = 0; column < row.size(); ++column)
            out << (column ? "," : "") << csvField(row[column]);
    }
}

void writeHtml(std::ostream &out, const Team &team, bool appending, const HtmlOptions &options, const DateTime &now)
{
    static const std::vector<HeaderTitle> kTitles = {
        {"Name", 12}, {"Phone", 4}, {"Birthday", 0}, {"Address", 10}, {"City", 4},
        {"State", 0}, {"Zip", 3},   {"e-mail", 4},   {"Note", 10},
    };
    const FontTags fonts = makeFontTags(options);
    if (!appending)
        writePageHead(out, "Address/Phone List");
    out << "\n<TABLE CELLPADDING=2 CELLSPACING=0 BORDER=1>\n";
    out << "\n\t<th colspan=9 bgcolor=" << colorText(options.htmlHeaderColor) << ">" << fonts.header
        << htmlEscape(team.name) << fonts.end << "</th>";
    writeHeaderRow(out, kTitles, options, fonts);
    for (int i = 0; i < team.playerCount(); ++i) {
        const AddressRow row = addressRow(team, i);
        out << "\n\t<tr bgcolor=" << colorText(rowColor(options, i)) << ">";
        for (int column = 0; column < kAddressColumnCount; ++column) {
            std::string value = htmlEscape(row[column]);
            if (column == kEmailColumn)
                value = "<a href=\"mailto:" + value + "\">" + value + "</a>";
            out << "\n\t\t<td align=left>" << fonts.body << "&nbsp;" << value << fonts.end << "</td>";
        }
        out << "</tr>\n";
    }
    writeFooter(out, now);
}

} // namespace

void writeAddressList(std::ostream &out, const Team &team, ExportFormat format, bool appending,
                      const HtmlOptions &options, const DateTime &now)
{
    if (format == ExportFormat::Csv)
        writeCsv(out, team);
    else
        writeHtml(out, team, appending, options, now);
}

bool exportAddressList(const Team &team, const std::string &path, ExportFormat format, bool append,
                       const HtmlOptions &options)
{
    return exportToFile(path, format, append, [&](std::ostream &out, bool html, bool appending) {
        writeAddressList(out, team, html ? ExportFormat::Html : ExportFormat::Csv, appending, options,
                         currentDateTime());
    });
}

} // namespace yardmark

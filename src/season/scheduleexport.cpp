#include "scheduleexport.h"

#include "calendardate.h"
#include "htmltable.h"
#include "schedulelist.h"

#include "reports/csv.h"
#include "reports/html.h"

#include <ostream>

namespace yardmark {
namespace {

std::vector<std::string> exportValues(const ScheduleEntry &entry)
{
    return {monthDayYearText(entry.month, entry.day, entry.year),
            exportTimeText(entry.hour, entry.minute),
            eventTypeText(entry.eventType),
            entry.homeTeamName,
            entry.visitorTeamName,
            entry.field,
            entry.note};
}

void writeCsv(std::ostream &out, const Schedule &schedule)
{
    out << "Date,Time,Event,Home,Visitor,Field,Note";
    for (const ScheduleEntry &entry : schedule.entries) {
        const std::vector<std::string> values = exportValues(entry);
        out << '\n';
        for (std::size_t i = 0; i < values.size(); ++i)
            out << (i ? "," : "") << csvField(values[i]);
    }
}

void writeHtml(std::ostream &out, const Schedule &schedule, bool appending, const HtmlOptions &options,
               const DateTime &now)
{
    static const std::vector<HeaderTitle> kTitles = {
        {"Date", 5}, {"Time", 4}, {"Event", 4}, {"Home", 8}, {"Visitor", 8}, {"Field", 4}, {"Note", 12},
    };
    const FontTags fonts = makeFontTags(options);
    if (!appending)
        writePageHead(out, "Schedule");
    out << "\n<TABLE CELLPADDING=1 CELLSPACING=0 BORDER=1>\n";
    writeHeaderRow(out, kTitles, options, fonts);
    for (int i = 0; i < schedule.count(); ++i) {
        out << "\n\t<tr bgcolor=" << colorText(rowColor(options, i)) << ">";
        for (const std::string &value : exportValues(schedule.entries[i]))
            out << "\n\t\t<td align=center>" << fonts.body << "&nbsp;" << htmlEscape(value) << "&nbsp;" << fonts.end
                << "</td>";
        out << "</tr>\n";
    }
    writeFooter(out, now);
}

} // namespace

void writeSchedule(std::ostream &out, const Schedule &schedule, ExportFormat format, bool appending,
                   const HtmlOptions &options, const DateTime &now)
{
    if (format == ExportFormat::Csv)
        writeCsv(out, schedule);
    else
        writeHtml(out, schedule, appending, options, now);
}

bool exportSchedule(const Schedule &schedule, const std::string &path, ExportFormat format, bool append,
                    const HtmlOptions &options)
{
    return exportToFile(path, format, append, [&](std::ostream &out, bool html, bool appending) {
        writeSchedule(out, schedule, html ? ExportFormat::Html : ExportFormat::Csv, appending, options,
                      currentDateTime());
    });
}

} // namespace yardmark

#include "scheduleprintout.h"

#include "reports/formattext.h"
#include "season/calendardate.h"
#include "season/schedulelist.h"

namespace yardmark {

std::string schedulePrintLine(const ScheduleEntry &entry)
{
    const std::string date = monthDayYearText(entry.month, entry.day, entry.year);
    const std::string time = exportTimeText(entry.hour, entry.minute);
    const bool bothTeams = !entry.homeTeamName.empty() && !entry.visitorTeamName.empty();
    const std::string field = entry.field.empty() ? std::string() : "at " + entry.field;
    std::string line =
        formatText("%15s, %7s:  %s %s %s %s %s", date.c_str(), time.c_str(), eventTypeText(entry.eventType),
                   entry.homeTeamName.c_str(), bothTeams ? "vs." : "", entry.visitorTeamName.c_str(), field.c_str());
    if (!entry.note.empty())
        line += " Note:" + entry.note;
    return line;
}

SchedulePrintout::SchedulePrintout(std::string title, const Schedule &schedule) : Printout(std::move(title))
{
    for (const ScheduleEntry &entry : schedule.entries)
        m_lines.push_back(schedulePrintLine(entry));
}

bool SchedulePrintout::drawPage(PageSurface &surface, int page)
{
    const int headerBottom = drawPageHeader(surface, page, title());
    surface.setFont(arialFont(surface.pageWidth() / 50));
    const int line = surface.lineHeight();
    const int left = margin(surface);
    int y = headerBottom + 2 * line;
    while (m_next < m_lines.size() && y + line <= surface.pageHeight() - 2 * line) {
        surface.drawText(left, y, m_lines[m_next]);
        y += line;
        ++m_next;
    }
    return m_next < m_lines.size();
}

} // namespace yardmark

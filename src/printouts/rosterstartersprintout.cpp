#include "rosterstartersprintout.h"

#include "vocabulary/vocabulary.h"

#include <algorithm>
#include <cstdio>

namespace yardmark {

namespace {

bool listed(const PlayerRecord &player, std::int32_t status)
{
    if (status == 0)
        return true;
    const bool bothWays = player.starterStatus == code(StarterStatus::StartsBoth);
    const bool oneWay =
        status == code(StarterStatus::OffensiveStarter) || status == code(StarterStatus::DefensiveStarter);
    return player.starterStatus == status || (oneWay && bothWays);
}

} // namespace

std::string rosterPrintLine(const PlayerRecord &player, std::int32_t position)
{
    char number[16];
    if (player.number < 0)
        std::snprintf(number, sizeof number, "00");
    else
        std::snprintf(number, sizeof number, "%2d", static_cast<int>(player.number));
    return std::string("#") + number + ", " + player.name + ", " + std::string(positionPrintName(position));
}

RosterStartersPrintout::RosterStartersPrintout(std::string title, int teamChoice, const Team &first, const Team &second,
                                               std::int32_t starterStatus)
    : Printout(std::move(title)), m_status(starterStatus)
{
    std::vector<const Team *> teams;
    if (teamChoice != kSecondTeamOnly)
        teams.push_back(&first);
    if (teamChoice != kFirstTeamOnly)
        teams.push_back(&second);
    // The defensive starters are listed with the positions they play on defence.
    const bool defence = starterStatus == code(StarterStatus::DefensiveStarter);
    for (const Team *team : teams) {
        Column column{team->name, {}};
        for (const PlayerRecord &player : team->players) {
            if (listed(player, starterStatus))
                column.lines.push_back(
                    rosterPrintLine(player, defence ? player.defensivePosition : player.offensivePosition));
        }
        m_rows = std::max(m_rows, column.lines.size());
        m_columns.push_back(std::move(column));
    }
}

bool RosterStartersPrintout::drawPage(PageSurface &surface, int page)
{
    const int headerBottom = drawPageHeader(surface, page, title());
    surface.setFont(fixedBodyFont(surface));
    const int width = surface.pageWidth();
    const int line = surface.lineHeight();
    int y = headerBottom + 2 * line;
    if (m_status != 0) {
        const std::string heading = std::string(starterStatusText(m_status)) + "s :";
        surface.drawText(centredX(surface, heading, 0, width), y, heading);
        y += line;
    }
    for (std::size_t c = 0; c < m_columns.size(); ++c) {
        const int left = c == 0 ? 0 : width / 2;
        surface.drawText(centredX(surface, m_columns[c].teamName, left, left + width / 2), y, m_columns[c].teamName);
    }
    y += line;
    const int xs[2] = {margin(surface), width / 2};
    while (m_nextRow < m_rows && y < surface.pageHeight() - 5 * line) {
        for (std::size_t c = 0; c < m_columns.size(); ++c) {
            if (m_nextRow < m_columns[c].lines.size())
                surface.drawText(xs[c], y, m_columns[c].lines[m_nextRow]);
        }
        y += line;
        ++m_nextRow;
    }
    return m_nextRow < m_rows;
}

} // namespace yardmark

#include "summaryprintout.h"

#include <algorithm>

namespace yardmark {

SummaryPrintout::SummaryPrintout(std::string title, const Game &game, const LeagueOptions &league,
                                 std::vector<Line> lines)
    : Printout(std::move(title)), m_homeName(game.info.homeTeamName), m_visitorName(game.info.visitorTeamName),
      m_grid(scoreByQuarter(game, league)), m_lines(std::move(lines)), m_playCount(game.plays.size())
{
}

int SummaryPrintout::drawGrid(PageSurface &surface, int y, int left) const
{
    const int width = surface.pageWidth();
    const int line = surface.lineHeight();
    const int cell = 5 * surface.charWidth();
    const int columnsLeft = left + width / 4;
    const char *caption = "Score By Quarter:";
    surface.drawText(centredX(surface, caption, left, left + width / 4), y, caption);
    for (std::size_t k = 0; k < kScoreGridHeadings.size(); ++k) {
        const int from = columnsLeft + static_cast<int>(k) * cell;
        surface.drawText(centredX(surface, kScoreGridHeadings[k], from, from + cell), y, kScoreGridHeadings[k]);
    }
    y += line;
    for (const auto *row : {&m_grid.home, &m_grid.visitor}) {
        const std::string &name = row == &m_grid.home ? m_homeName : m_visitorName;
        surface.drawText(centredX(surface, name, left, width / 4), y, name);
        for (std::size_t k = 0; k < row->size(); ++k) {
            const int from = columnsLeft + static_cast<int>(k) * cell;
            surface.drawText(centredX(surface, (*row)[k], from, from + cell), y, (*row)[k]);
        }
        y += line;
    }
    return y;
}

bool SummaryPrintout::drawPage(PageSurface &surface, int page)
{
    const FontRequest body = arialFont(surface.pageWidth() / 50);
    surface.setFont(body);
    const int headerBottom = drawPageHeader(surface, page, title());
    surface.setFont(body);
    const int line = surface.lineHeight();
    const int left = 3 * surface.textWidth("W");
    int y = drawGrid(surface, headerBottom + 2 * line, left);

    // The lines were found by one scan over the whole game, so a drive that
    // runs across a page break keeps the plays and yards it had counted.
    auto next = std::lower_bound(m_lines.begin(), m_lines.end(), m_nextPlay, [](const Line &l, std::size_t play) {
        return static_cast<std::size_t>(l.playIndex) < play;
    });
    while (m_nextPlay < m_playCount && y < surface.pageHeight() - 5 * line) {
        for (; next != m_lines.end() && static_cast<std::size_t>(next->playIndex) == m_nextPlay; ++next) {
            surface.drawText(left, y, next->text);
            y += line;
        }
        ++m_nextPlay;
    }
    return m_nextPlay < m_playCount;
}

} // namespace yardmark

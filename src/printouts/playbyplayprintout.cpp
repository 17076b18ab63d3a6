#include "playbyplayprintout.h"

#include "vocabulary/narration.h"

namespace yardmark {

PlayByPlayPrintout::PlayByPlayPrintout(std::string title, const Game &game, const LeagueOptions &league)
    : Printout(std::move(title))
{
    m_lines.reserve(game.plays.size());
    for (const PlayRecord &play : game.plays)
        m_lines.push_back(narratePlay(play, game.info, league));
}

bool PlayByPlayPrintout::drawPage(PageSurface &surface, int page)
{
    const int headerBottom = drawPageHeader(surface, page, title());
    surface.setFont(arialFont(surface.pageHeight() / 50));
    const int line = surface.lineHeight();
    const int left = margin(surface);
    int y = headerBottom + 2 * line;
    while (m_next < m_lines.size() && y < surface.pageHeight() - 2 * line) {
        surface.drawText(left, y, m_lines[m_next]);
        y += line;
        ++m_next;
    }
    return m_next < m_lines.size();
}

} // namespace yardmark

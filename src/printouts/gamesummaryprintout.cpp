#include "gamesummaryprintout.h"

#include <algorithm>

namespace yardmark {

GameSummaryPrintout::GameSummaryPrintout(std::string title, std::string firstTeamName, std::string secondTeamName,
                                         const GameTeamStats &first, const GameTeamStats &second, std::string heading)
    : Printout(std::move(title)),
      m_heading(std::move(heading)), m_names{std::move(firstTeamName), std::move(secondTeamName)},
      m_values{gameSummaryValues(first), gameSummaryValues(second)}
{
}

bool GameSummaryPrintout::drawPage(PageSurface &surface, int page)
{
    const int headerBottom = drawPageHeader(surface, page, title());
    surface.setFont(fixedBodyFont(surface));
    const int line = surface.lineHeight();
    const int left = margin(surface);
    int top = headerBottom + 2 * line;
    if (!m_heading.empty()) {
        surface.drawText(left, top - line, m_heading);
        top += 2 * line;
    }

    int labelWidth = 0;
    for (std::size_t i = 0; i < kGameSummaryPrintLabels.size(); ++i) {
        surface.drawText(left, top + static_cast<int>(i) * line, kGameSummaryPrintLabels[i]);
        labelWidth = std::max(labelWidth, surface.textWidth(kGameSummaryPrintLabels[i]));
    }
    // The room right of the labels, less a margin, holds two equal team columns.
    const int columnsLeft = left + labelWidth;
    const int columnWidth = (surface.pageWidth() - left - columnsLeft) / 2;
    for (int team = 0; team < 2; ++team) {
        const int from = columnsLeft + team * columnWidth;
        const int to = from + columnWidth;
        const std::string &name = m_names[static_cast<std::size_t>(team)];
        surface.drawText(centredX(surface, name, from, to), top - line, name);
        const auto &values = m_values[static_cast<std::size_t>(team)];
        for (std::size_t i = 0; i < values.size(); ++i)
            surface.drawText(centredX(surface, values[i], from, to), top + static_cast<int>(i) * line, values[i]);
    }
    return false;
}

} // namespace yardmark

#pragma once

#include "printout.h"

#include "records/game.h"
#include "records/settings.h"
#include "stats/scoregrid.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace yardmark {

/// What the printed scoring and drive summaries share: the score-by-quarter
/// grid at the top of every page, then the summary's lines in play order, each
/// with the play that yields it. A page ends before the next play is examined
/// once the lines reach five lines from the bottom.
class SummaryPrintout : public Printout {
public:
    struct Line {
        std::int32_t playIndex = 0;
        std::string text;
    };

protected:
    SummaryPrintout(std::string title, const Game &game, const LeagueOptions &league, std::vector<Line> lines);

private:
    bool drawPage(PageSurface &surface, int page) override;
    void rewind() override { m_nextPlay = 0; }
    int drawGrid(PageSurface &surface, int y, int left) const;

    std::string m_homeName;
    std::string m_visitorName;
    ScoreGrid m_grid;
    std::vector<Line> m_lines;
    std::size_t m_playCount = 0;
    std::size_t m_nextPlay = 0;
};

} // namespace yardmark

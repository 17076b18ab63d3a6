#pragma once

#include "printout.h"

#include "records/game.h"
#include "records/settings.h"

#include <cstddef>
#include <string>
#include <vector>

namespace yardmark {

/// The play-by-play of a game: one narration line per play, as many as fit
/// above two lines from the bottom of each page.
class PlayByPlayPrintout : public Printout {
public:
    PlayByPlayPrintout(std::string title, const Game &game, const LeagueOptions &league);

private:
    bool drawPage(PageSurface &surface, int page) override;
    void rewind() override { m_next = 0; }

    std::vector<std::string> m_lines;
    std::size_t m_next = 0;
};

} // namespace yardmark

#pragma once

#include "records/game.h"
#include "records/settings.h"

#include <array>
#include <string>

namespace yardmark {

/// The score-by-quarter grid above the drive and scoring summaries: per team
/// the cells of quarters 1 to 4, overtime and the final score. A period the
/// game has not reached shows "-".
struct ScoreGrid {
    static constexpr int kCells = 6;
    std::array<std::string, kCells> home;
    std::array<std::string, kCells> visitor;

    bool operator==(const ScoreGrid &) const = default;
};

/// The column headings of the grid.
inline constexpr std::array<const char *, ScoreGrid::kCells> kScoreGridHeadings{"1", "2", "3", "4", "OT", "Final"};

/// Fills the grid. Final is the game's score recomputed from every play, not
/// the sum of the cells.
ScoreGrid scoreByQuarter(const Game &game, const LeagueOptions &options);

} // namespace yardmark

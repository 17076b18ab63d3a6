#include "scoregrid.h"

#include "gameresult.h"
#include "points.h"

#include <algorithm>

namespace yardmark {

ScoreGrid scoreByQuarter(const Game &game, const LeagueOptions &options)
{
    std::int32_t highest = 0;
    for (const PlayRecord &play : game.plays)
        highest = std::max(highest, play.quarter);

    const GameResult final = gameResult(game, options);
    ScoreGrid grid;
    for (bool home : {true, false}) {
        auto &row = home ? grid.home : grid.visitor;
        // Cell 4 (overtime) covers every overtime period.
        for (std::int32_t period = 0; period < ScoreGrid::kCells - 1; ++period)
            row[period] = period == 0 || highest >= period ? std::to_string(pointsInPeriod(game, period, home, options))
                                                           : std::string("-");
        row[ScoreGrid::kCells - 1] = std::to_string(home ? final.home : final.visitor);
    }
    return grid;
}

} // namespace yardmark
